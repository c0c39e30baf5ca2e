#include "imagefiles/HdrView.h"

#include "imagefiles/GrFiles.h"
#include "support/InfoList.h"
#include "support/Prompt.h"

#include <QCoreApplication>
#include <QMenu>
#include <map>

namespace solar {

bool ViewHeader(std::unique_ptr<TInfoListForm1> &window, const std::string &captionPrefix,
                const std::string &displayName, const std::string &hdrPath, const std::string &baseName) {
    if (!window) {
        auto created = std::make_unique<TInfoListForm1>();
        if (!created->loadLines(hdrPath)) {
            prompt().message(QCoreApplication::translate("solar::HdrView", "File Error!").toStdString(),
                             QCoreApplication::translate(
                                 "solar::HdrView", "Unable to Read the Header Listing!\r\n\r\nFile Name: %1")
                                 .arg(QString::fromStdString(hdrPath))
                                 .toStdString(),
                             Icon::Error, Buttons::OK);
            return false;
        }
        created->setWindowTitle(QString::fromStdString(captionPrefix + displayName));
        created->Edit1->menuAction()->setVisible(false);
        created->SaveFilterIndex = 1; // "Image Header Text (*.HDR)"
        created->TextFileName = baseName + ".HDR";
        window = std::move(created);
    }
    window->showNormal();
    window->raise();
    return true;
}

bool ViewHeader(std::unique_ptr<TInfoListForm1> &window, const GraphicsFileObj &image,
                const std::string &captionPrefix) {
    return ViewHeader(window, captionPrefix, image.DisplayName(), image.HeaderListingPath(),
                      image.BaseName());
}

namespace {
std::map<const GraphicsFileObj *, std::unique_ptr<TInfoListForm1>> &imageWindows() {
    static std::map<const GraphicsFileObj *, std::unique_ptr<TInfoListForm1>> windows;
    return windows;
}
} // namespace

bool ViewHeader(const GraphicsFileObj &image, const std::string &captionPrefix) {
    static const bool hooked = [] {
        GraphicsFileObj::SetReleaseHook([](const GraphicsFileObj *gone) { imageWindows().erase(gone); });
        // Windows must go before the application object does.
        qAddPostRoutine([] { imageWindows().clear(); });
        return true;
    }();
    (void)hooked;
    std::unique_ptr<TInfoListForm1> &window = imageWindows()[&image];
    const bool shown = ViewHeader(window, image, captionPrefix);
    if (!window)
        imageWindows().erase(&image);
    return shown;
}

TInfoListForm1 *HeaderWindowOf(const GraphicsFileObj &image) {
    const auto it = imageWindows().find(&image);
    return it == imageWindows().end() ? nullptr : it->second.get();
}

} // namespace solar

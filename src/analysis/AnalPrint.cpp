#include "analysis/AnalPrint.h"

#include "support/Options.h"
#include "support/PrintHdr.h"
#include "support/Prompt.h"
#include "support/QtPrintHdr.h"
#include "support/QtPrompt.h"
#include "support/Translate.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QWidget>
#include <algorithm>

namespace solar {

namespace {
QImage &printedImage() {
    static QImage image;
    return image;
}
} // namespace

const QImage &lastPrintedWindowImage() {
    return printedImage();
}

bool printAnalysisWindow(QWidget &window, const OptionsRecord &options,
                         const std::function<void(bool monochrome)> &setMonochrome) {
    QPrinter &printer = programPrinter();
    if (!uiPrompt().printDialog(printer))
        return false;
    BusyCursor busy;
    setMonochrome(!options.PrintInColor);
    // The window as the student sees it, its controls live; disabled only while the job runs.
    const QImage image = window.grab().toImage();
    printedImage() = image;
    window.setEnabled(false);

    printer.setDocName(QString::fromStdString(printJobTitle()));
    QPainter painter;
    bool printed = false;
    if (painter.begin(&printer)) {
        QFont font("MS Sans Serif");
        font.setStyleHint(QFont::SansSerif);
        font.setPointSize(10);
        font.setBold(true);
        painter.setFont(font);
        const PrintHeaderLayout l = drawPrintHeader(painter, printer);
        const int h = l.lineHeight;
        int y = l.lastNameY + 2 * h;
        if (printer.pageLayout().orientation() == QPageLayout::Landscape) {
            drawTextTop(painter, 700, y + 300, "(Screen Image Printed on Next Page)");
            printer.newPage();
            drawTextTop(painter, l.margin, 0,
                        QString::fromStdString(printContext().students[0] + " - Page 2"));
            y = 50;
        } else {
            y += 4 * h;
        }
        // The image as large as the rest of the page allows, in its own proportions.
        const int pageW = painter.device()->width();
        const int pageH = std::max(1, painter.device()->height() - y);
        if (!image.isNull()) {
            long long w = static_cast<long long>(image.width()) * pageH / image.height();
            QRect target;
            if (w < pageW)
                target = QRect(0, y, static_cast<int>(w), pageH);
            else
                target =
                    QRect(0, y, pageW,
                          static_cast<int>(static_cast<long long>(image.height()) * pageW / image.width()));
            painter.drawImage(target, image);
        }
        printed = painter.end();
    } else {
        prompt().message(QCoreApplication::translate("solar::AnalPrint", "Print Error!").toStdString(),
                         arg(QCoreApplication::translate("solar::AnalPrint",
                                                         "Unable to Start the Print Job!\r\n\r\nDocument: %1")
                                 .toStdString(),
                             {printJobTitle()}),
                         Icon::Error, Buttons::OK);
    }
    window.setEnabled(true);
    setMonochrome(options.MonochromeDisplay);
    return printed;
}

} // namespace solar

// Rotation of the Sun: program start.
#include "app/VORN_ROT.h"
#include "support/QtPrompt.h"

#include "app/Platform.h"

#include <QApplication>
#include <cstdlib>

int main(int argc, char **argv) {
    // Wayland lets no program place its windows; under XWayland the image window, its read-out,
    // magnifier and entry window can be laid out side by side.
    const std::string platform =
        solar::preferredQtPlatform(std::getenv("QT_QPA_PLATFORM"), std::getenv("XDG_SESSION_TYPE"),
                                   std::getenv("WAYLAND_DISPLAY"), std::getenv("DISPLAY"));
    if (!platform.empty())
        qputenv("QT_QPA_PLATFORM", platform.c_str());
    QApplication app(argc, argv);
    QApplication::setApplicationName("Rotation of the Sun");
    solar::setUiPrompt(nullptr); // the real message boxes and dialogs
    solar::TSolarRtn window;
    // A start-up that met a too small screen or no writable storage ends here.
    if (window.QuitRequested)
        return 1;
    // The other windows must not keep the program alive once the exercise has ended.
    QObject::connect(&window, &solar::TSolarRtn::exerciseClosed, &app, &QApplication::quit);
    window.show();
    return app.exec();
}

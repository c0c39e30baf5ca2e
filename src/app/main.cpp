// Rotation of the Sun: program start.
#include "app/VORN_ROT.h"
#include "support/QtPrompt.h"

#include <QApplication>

int main(int argc, char **argv) {
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

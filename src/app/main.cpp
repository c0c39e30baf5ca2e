// Rotation of the Sun: program start.
#include "app/SafeApp.h"
#include "app/SelfCheck.h"
#include "app/VORN_ROT.h"
#include "measure/Recovery.h"
#include "support/QtPrompt.h"

#include <QApplication>
#include <cstring>
#include <iostream>

int main(int argc, char **argv) {
    solar::TSolarApplication app(argc, argv);
    QApplication::setApplicationName("Rotation of the Sun");
    if (argc > 1 && std::strcmp(argv[1], "--self-check") == 0)
        return solar::RunSelfCheck(solar::StartupEnv::fromSystem().installDir, std::cout);
    // From here on a fatal fault writes the unsaved measurements to the user folder.
    solar::InstallRecoveryHandlers();
    solar::setUiPrompt(nullptr); // the real message boxes and dialogs
    solar::TSolarRtn window;
    // A start-up that met a too small screen or no writable storage ends here.
    if (window.QuitRequested)
        return 1;
    app.afterInput = [&window] { window.RefreshRecoveryCopy(); };
    // The other windows must not keep the program alive once the exercise has ended.
    QObject::connect(&window, &solar::TSolarRtn::exerciseClosed, &app, &QApplication::quit);
    window.show();
    return app.exec();
}

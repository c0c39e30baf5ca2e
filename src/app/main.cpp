// Rotation of the Sun: program start.
#include "app/Language.h"
#include "app/Platform.h"
#include "app/SafeApp.h"
#include "app/SelfCheck.h"
#include "app/VORN_ROT.h"
#include "measure/Recovery.h"
#include "support/QtPrompt.h"

#include <QApplication>
#include <cstdlib>
#include <cstring>
#include <iostream>

int main(int argc, char **argv) {
    // Wayland lets no program place its windows; under XWayland the image window, its read-out,
    // magnifier and entry window can be laid out side by side.
    const std::string platform =
        solar::preferredQtPlatform(std::getenv("QT_QPA_PLATFORM"), std::getenv("XDG_SESSION_TYPE"),
                                   std::getenv("WAYLAND_DISPLAY"), std::getenv("DISPLAY"));
    if (!platform.empty())
        qputenv("QT_QPA_PLATFORM", platform.c_str());
    solar::TSolarApplication app(argc, argv);
    QApplication::setApplicationName("Rotation of the Sun");
    if (argc > 1 && std::strcmp(argv[1], "--self-check") == 0)
        return solar::RunSelfCheck(solar::StartupEnv::fromSystem().installDir, std::cout);
    // "--lang es" or the desktop's language; English where the program has no catalogue.
    solar::installLanguage(solar::chooseLanguage(argc, argv), solar::StartupEnv::fromSystem().installDir);
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

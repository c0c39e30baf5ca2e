// Opens every window and dialog of the program at once (A11yTour).
//   a11y_tour --check   walks them through Qt's accessibility interfaces, prints per window the
//                       interactive controls and those without a name; exit status 1 on any
//                       unnamed control or a window not exposed as a window or dialog.
//   a11y_tour           shows them, prints "READY" and waits until its input ends (at most two
//                       minutes), for a screen-reader test walking them over AT-SPI; a line
//                       "ALERT" shows one of the program's message boxes for ten seconds.
#include "a11y/A11yTour.h"
#include "support/QtPrompt.h"

#include <QAccessibleInterface>
#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <unistd.h>

using namespace solar::test;

namespace {

// Shows a real message box of the program's prompt, closed again after `ms` milliseconds.
void showMessageBox(int ms) {
    QTimer::singleShot(ms, [] {
        if (QWidget *box = QApplication::activeModalWidget())
            box->close();
    });
    solar::QtPrompt real;
    real.message("Test Alert", "This message box is read when it appears.", solar::Icon::Information,
                 solar::Buttons::OK);
}

bool alertSeen = false;

int check(const A11yTour &tour) {
    const bool verbose = qEnvironmentVariableIsSet("A11Y_VERBOSE");
    int total = 0, unnamed = 0, badWindows = 0;
    for (const TourWindow &t : tour.windows) {
        if (t.widget == nullptr) {
            std::cout << t.name << ": not made\n";
            ++badWindows;
            continue;
        }
        const std::vector<A11yControl> controls = interactiveControls(t.widget);
        int missing = 0;
        for (const A11yControl &c : controls)
            missing += c.name.empty();
        const QAccessible::Role role = QAccessible::queryAccessibleInterface(t.widget)->role();
        const bool isWindow = role == QAccessible::Window || role == QAccessible::Dialog;
        std::cout << t.name << ": " << controls.size() << " controls, " << missing << " without a name"
                  << (isWindow ? "" : ", not exposed as a window") << "\n";
        for (const A11yControl &c : controls)
            if (c.name.empty() || verbose)
                std::cout << "    role " << int(c.role) << " in " << c.where << ": " << c.name << "\n";
        total += int(controls.size());
        unnamed += missing;
        badWindows += !isWindow;
    }
    // The prompt's message boxes announce themselves: they are Qt message boxes, which raise the
    // alert event when shown and are exposed as alerts (the AT-SPI walk sees the event arrive).
    QTimer::singleShot(50, [] {
        QWidget *box = QApplication::activeModalWidget();
        alertSeen = box != nullptr && box->inherits("QMessageBox") &&
                    QAccessible::queryAccessibleInterface(box)->role() == QAccessible::AlertMessage;
    });
    showMessageBox(100);
    std::cout << "Message box exposed as an alert: " << (alertSeen ? "yes" : "no") << "\n";
    badWindows += !alertSeen;
    std::cout << "Total: " << tour.windows.size() << " windows, " << total << " controls, " << unnamed
              << " without a name, " << badWindows << " windows not exposed as windows\n";
    return unnamed == 0 && badWindows == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char **argv) {
    const bool checking = argc > 1 && std::strcmp(argv[1], "--check") == 0;
    if (checking)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName("a11y_tour");
    A11yTour tour;
    if (checking)
        return check(tour);
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char buffer[64];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0)
            app.quit();
        else if (std::string(buffer, std::size_t(n)).find("ALERT") != std::string::npos)
            QTimer::singleShot(0, [] { showMessageBox(10000); });
    });
    QTimer::singleShot(120000, &app, &QApplication::quit);
    QTimer::singleShot(0, [] { std::cout << "READY" << std::endl; });
    return app.exec();
}

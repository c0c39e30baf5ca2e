#pragma once
// The program's application object: every event is delivered under the command guard, so a
// failing command is reported and the program goes on; after each finished mouse or key input
// the unsaved-measurement copy is brought up to date.

#include <QApplication>
#include <functional>

namespace solar {

class TSolarApplication : public QApplication {
public:
    TSolarApplication(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;

    // Run after every mouse-button or key release that was delivered.
    std::function<void()> afterInput;
};

} // namespace solar

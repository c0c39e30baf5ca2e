#include "app/SafeApp.h"

#include "support/Guarded.h"

#include <QEvent>

namespace solar {

TSolarApplication::TSolarApplication(int &argc, char **argv) : QApplication(argc, argv) {}

bool TSolarApplication::notify(QObject *receiver, QEvent *event) {
    const QEvent::Type type = event->type();
    const bool ok = RunGuarded([&] { return QApplication::notify(receiver, event); });
    if ((type == QEvent::MouseButtonRelease || type == QEvent::KeyRelease) && afterInput)
        RunGuarded([&] {
            afterInput();
            return true;
        });
    return ok;
}

} // namespace solar

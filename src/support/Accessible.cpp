#include "support/Accessible.h"

#include <QAbstractItemModel>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QListWidget>
#include <QShortcut>

namespace solar::a11y {

namespace {

const char *const WindowProperty = "solarAccessibleWindow";

QAccessibleInterface *windowFactory(const QString &, QObject *object) {
    if (object == nullptr || !object->isWidgetType() || !object->property(WindowProperty).toBool())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
}

void nameRows(QListWidget *list, int first, int last) {
    for (int i = std::max(0, first); i <= last && i < list->count(); ++i) {
        QListWidgetItem *item = list->item(i);
        const bool blank = item->text().trimmed().isEmpty();
        if (blank != item->data(Qt::AccessibleTextRole).isValid())
            item->setData(Qt::AccessibleTextRole,
                          blank ? QVariant(QCoreApplication::translate("solar::a11y", "blank line"))
                                : QVariant());
    }
}

} // namespace

void nameBlankLines(QListWidget *list) {
    QAbstractItemModel *model = list->model();
    QObject::connect(model, &QAbstractItemModel::rowsInserted, list,
                     [list](const QModelIndex &, int first, int last) { nameRows(list, first, last); });
    QObject::connect(model, &QAbstractItemModel::dataChanged, list,
                     [list](const QModelIndex &from, const QModelIndex &to, const QList<int> &roles) {
                         if (roles.isEmpty() || roles.contains(Qt::DisplayRole))
                             nameRows(list, from.row(), to.row());
                     });
    nameRows(list, 0, list->count() - 1);
}

void exposeAsWindow(QWidget *window) {
    static const bool installed = [] {
        QAccessible::installFactory(windowFactory);
        return true;
    }();
    (void)installed;
    window->setProperty(WindowProperty, true);
}

void onEnter(QWidget *widget, const std::function<void()> &action) {
    for (const int key : {int(Qt::Key_Return), int(Qt::Key_Enter)}) {
        auto *s = new QShortcut(QKeySequence(key), widget);
        s->setContext(Qt::WidgetShortcut);
        QObject::connect(s, &QShortcut::activated, widget, action);
    }
}

} // namespace solar::a11y

#include "support/ScreenFit.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QVariant>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace solar::screenfit {
namespace {

QList<QPointer<QWidget>> &reserved() {
    static QList<QPointer<QWidget>> list;
    return list;
}

bool isTool(const QWidget *w) {
    return (w->windowType() & Qt::Tool) == Qt::Tool;
}

// The platform window knows the frame as soon as the window manager told it; the widget's own
// record of it may lag behind.
QRect realFrame(const QWidget *w) {
    if (const QWindow *h = w->windowHandle(); h && h->isVisible())
        return h->frameGeometry();
    return w->frameGeometry();
}

QMargins knownMargins(const QWidget *w) {
    const QRect f = realFrame(w);
    const QRect g = w->geometry();
    return QMargins(g.left() - f.left(), g.top() - f.top(), f.right() - g.right(), f.bottom() - g.bottom());
}

long long overlapArea(const QRect &r, const QList<QRect> &avoid) {
    long long sum = 0;
    for (const QRect &a : avoid) {
        const QRect i = r.intersected(a);
        if (!i.isEmpty())
            sum += static_cast<long long>(i.width()) * i.height();
    }
    return sum;
}

// A window's position is that of its frame; a made window whose frame is not known yet would get
// its client area there instead, so the estimated frame is added.
void moveFrameTo(QWidget *w, QPoint p) {
    if (w->testAttribute(Qt::WA_WState_Created) && realFrame(w) == w->geometry()) {
        const QMargins m = frameMargins(w);
        w->move(p + QPoint(m.left(), m.top()));
    } else {
        w->move(p);
    }
}

class FrameKeeper : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Show) {
            QPointer<QWidget> w = qobject_cast<QWidget *>(watched);
            // The frame extents arrive some time after the window is mapped.
            for (int ms : {0, 150, 500})
                QTimer::singleShot(ms, this, [w] {
                    if (w && w->isVisible() && !w->isMinimized() && !availableArea(w).contains(realFrame(w)))
                        placeFrame(w, realFrame(w).topLeft());
                });
        }
        return false;
    }
};

} // namespace

void keepInside(QWidget *w) {
    if (w->property("solarKeptInside").toBool())
        return;
    w->setProperty("solarKeptInside", true);
    w->installEventFilter(new FrameKeeper(w));
}

QRect availableArea(const QWidget *w) {
    // The outermost parent is the main window for every window of the program.
    const QWidget *top = w;
    while (top && top->parentWidget())
        top = top->parentWidget();
    QScreen *s = top ? top->screen() : nullptr;
    if (!s)
        s = QGuiApplication::primaryScreen();
    return s ? s->availableGeometry() : QRect(0, 0, 800, 600);
}

QList<QRect> mainWindowFrame(const QWidget *w) {
    const QWidget *top = w->parentWidget();
    while (top && top->parentWidget())
        top = top->parentWidget();
    if (!top || !top->isVisible())
        return {};
    return {frameRect(top)};
}

QMargins frameMargins(const QWidget *w) {
    if (w->testAttribute(Qt::WA_WState_Created) && realFrame(w) != w->geometry())
        return knownMargins(w);
    // Not known before the window manager framed the window once: borrow a shown window's frame.
    QMargins best;
    for (QWidget *other : QApplication::topLevelWidgets()) {
        if (other == w || !other->isVisible() || realFrame(other) == other->geometry())
            continue;
        const QMargins m = knownMargins(other);
        if (isTool(other) == isTool(w))
            return m;
        best = m;
    }
    return best;
}

QRect frameRectAt(const QWidget *w, QPoint frameTopLeft) {
    const QMargins m = frameMargins(w);
    const QSize s = w->size().grownBy(m);
    return QRect(frameTopLeft, s);
}

QRect frameRect(const QWidget *w) {
    if (w->isVisible())
        return realFrame(w);
    const QMargins m = frameMargins(w);
    return w->geometry().marginsAdded(m);
}

QSize maxClientSize(const QWidget *w, int reserveHeight) {
    const QRect area = availableArea(w);
    const QMargins m = frameMargins(w);
    return QSize(std::max(1, area.width() - m.left() - m.right()),
                 std::max(1, area.height() - m.top() - m.bottom() - reserveHeight));
}

QRect clampInto(QRect r, const QRect &area) {
    if (r.right() > area.right())
        r.moveRight(area.right());
    if (r.bottom() > area.bottom())
        r.moveBottom(area.bottom());
    if (r.left() < area.left())
        r.moveLeft(area.left());
    if (r.top() < area.top())
        r.moveTop(area.top());
    return r;
}

QRect firstFree(const QList<QRect> &candidates, const QList<QRect> &avoid, const QRect &area) {
    QRect best;
    long long bestOverlap = -1;
    for (const QRect &c : candidates) {
        if (area.contains(c) && overlapArea(c, avoid) == 0)
            return c;
    }
    for (const QRect &c : candidates) {
        const QRect inside = clampInto(c, area);
        const long long o = overlapArea(inside, avoid);
        if (bestOverlap < 0 || o < bestOverlap) {
            best = inside;
            bestOverlap = o;
        }
    }
    return best;
}

void placeFrame(QWidget *w, QPoint frameTopLeft) {
    const QRect r = clampInto(frameRectAt(w, frameTopLeft), availableArea(w));
    moveFrameTo(w, r.topLeft());
}

void placeAmong(QWidget *w, const QList<QPoint> &frameCorners, const QList<QRect> &avoid) {
    QList<QRect> candidates;
    for (const QPoint &p : frameCorners)
        candidates << frameRectAt(w, p);
    if (candidates.isEmpty())
        return;
    moveFrameTo(w, firstFree(candidates, avoid, availableArea(w)).topLeft());
}

void fitInside(QWidget *w) {
    const QSize most = maxClientSize(w);
    if (w->width() > most.width() || w->height() > most.height())
        w->resize(std::min(w->width(), most.width()), std::min(w->height(), most.height()));
    placeFrame(w, frameRect(w).topLeft());
}

void reserve(QWidget *w) {
    reserved().removeAll(nullptr);
    if (!reserved().contains(w))
        reserved() << w;
}

void centreBeside(QWidget *w) {
    const QRect area = availableArea(w);
    const QMargins m = frameMargins(w);
    const QSize most = maxClientSize(w);
    w->resize(std::min(w->width(), most.width()), std::min(w->height(), most.height()));
    const QSize frame = w->size().grownBy(m);
    // The largest strip of the area left, right, above or below the shown reserved windows.
    QRect free = area;
    for (const QPointer<QWidget> &r : reserved()) {
        if (!r || r == w || !r->isVisible())
            continue;
        const QRect taken = frameRect(r);
        const QRect strips[] = {
            QRect(QPoint(free.left(), free.top()), QPoint(taken.left() - 1, free.bottom())),
            QRect(QPoint(taken.right() + 1, free.top()), free.bottomRight()),
            QRect(free.topLeft(), QPoint(free.right(), taken.top() - 1)),
            QRect(QPoint(free.left(), taken.bottom() + 1), free.bottomRight())};
        QRect largest;
        for (const QRect &s : strips) {
            const QRect c = s.intersected(free);
            if (c.width() >= frame.width() && c.height() >= frame.height() &&
                static_cast<long long>(c.width()) * c.height() >
                    static_cast<long long>(largest.width()) * largest.height())
                largest = c;
        }
        if (!largest.isEmpty())
            free = largest;
    }
    // Centred in that part, or at its top or bottom: whichever covers least of the other shown
    // windows (the main window, idle while a list is read, counts only when nothing else fits).
    QRect centred(QPoint(0, 0), frame);
    centred.moveCenter(free.center());
    QList<QRect> candidates{centred, centred, centred};
    candidates[1].moveTop(free.top());
    candidates[2].moveBottom(free.bottom());
    QList<QRect> others;
    QList<QRect> main = mainWindowFrame(w);
    for (const QPointer<QWidget> &r : reserved())
        if (main.isEmpty() && r)
            main = mainWindowFrame(r);
    for (QWidget *t : QApplication::topLevelWidgets())
        if (t != w && t->isVisible() && !main.contains(frameRect(t)))
            others << frameRect(t);
    QRect best = firstFree(candidates, others + main, area);
    if (overlapArea(best, others + main) > 0)
        best = firstFree(candidates, others, area);
    moveFrameTo(w, best.topLeft());
}

} // namespace solar::screenfit

#include "support/ScreenFit.h"

#include <QApplication>
#include <QBoxLayout>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMainWindow>
#include <QPointer>
#include <QScreen>
#include <QSpacerItem>
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

// A window's position is that of its frame. For a made window the client area goes where the
// frame (the real one, or an estimate while it is not known) puts it: QWidget::move adds its own
// idea of the frame, which lags behind the window manager's (it stays empty when the window
// manager frames a window that was already shown).
void moveFrameTo(QWidget *w, QPoint p) {
    w->setProperty("solarPlacedAt", p);
    if (!w->testAttribute(Qt::WA_WState_Created)) {
        w->move(p);
        return;
    }
    const QMargins m = frameMargins(w);
    const QPoint client = p + QPoint(m.left(), m.top());
    w->move(client - (w->geometry().topLeft() - w->pos()));
}

// The frame is known only once the window manager has framed the window: some time after the
// window is mapped, and much later when the window manager starts after the program (the frame
// then grows round the client where it stands, its title bar above the screen). So the frame
// is checked each time the window moves or is activated, and every quarter second for a while.
// The checks never fight the user: once the window has moved by anything but a check (a drag,
// or the window manager placing it), it stays where it was put, even partly off the screen; only
// a known frame whose title bar lies above the available area is brought down to its top, since
// the title bar is what the window is moved by. Until then, the place the program chose is kept
// inside the area when it is shown and whenever the window manager changes the frame.
// While a window shown again is being framed, the platform may for a moment report its place
// inside the new frame (the client at the screen's corner): a frame outside the area goes back
// to where the program placed it, and only a window never placed is moved in from where it is.
class FrameKeeper : public QObject {
public:
    explicit FrameKeeper(QWidget *w) : QObject(w), window_(w) {
        timer_.setInterval(250);
        connect(&timer_, &QTimer::timeout, this, [this] {
            check();
            if (++ticks_ >= 60)
                timer_.stop();
        });
    }
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (watched != window_)
            return false;
        switch (event->type()) {
        case QEvent::Show:
            ticks_ = 0;
            shown_ = true;
            moved_ = false;
            timer_.start();
            QTimer::singleShot(0, this, [this] { check(); });
            break;
        case QEvent::Hide:
            timer_.stop();
            break;
        case QEvent::Move:
        case QEvent::WindowActivate:
            QTimer::singleShot(0, this, [this] { check(); });
            break;
        default:
            break;
        }
        return false;
    }

private:
    void check() {
        QWidget *w = window_;
        if (!w->isVisible() || w->isMinimized() || w->isFullScreen())
            return;
        const QRect area = availableArea(w);
        const QMargins margins = knownMargins(w);
        const QPoint client = w->geometry().topLeft();
        const QVariant placed = w->property("solarPlacedAt");
        // Back to the program's place; the frame read now is the one being left, so the title
        // bar is judged again at the next check.
        const auto backInside = [&] {
            placeFrame(w, placed.isValid() ? placed.toPoint() : realFrame(w).topLeft());
            margins_ = knownMargins(w);
            client_ = w->geometry().topLeft();
        };
        // A frame hundreds of pixels wide is no frame: the platform's passing report while it
        // frames the window again (the client then read at the screen's corner). Wait for the next.
        if (std::max({margins.left(), margins.top(), margins.right(), margins.bottom()}) > 200)
            return;
        if (shown_) {
            // Just shown: the program's place, with a frame that may have been estimated.
            shown_ = false;
            if (!area.contains(realFrame(w)))
                return backInside();
        } else if (margins == margins_ && client != client_) {
            // Moved by the user or the window manager: their place from now on; but a reading
            // with the title bar above the area before any such move is the platform's passing
            // report while it frames the window again.
            if (!moved_ && placed.isValid() && realFrame(w).top() < area.top())
                return backInside();
            moved_ = true;
            timer_.stop();
        } else if (margins != margins_ && !moved_ && !area.contains(realFrame(w))) {
            // Framed (again) by the window manager round the program's place.
            return backInside();
        }
        // The title bar is judged on the screen under it (another screen may lie above this one).
        const QRect frame = realFrame(w);
        const QScreen *under = QGuiApplication::screenAt(QPoint(frame.center().x(), frame.top()));
        const int top = under ? under->availableGeometry().top() : area.top();
        if (frame != w->geometry() && frame.top() < top)
            moveFrameTo(w, QPoint(frame.left(), top));
        margins_ = knownMargins(w);
        client_ = w->geometry().topLeft();
        // Framed and inside: nothing is left for the timer to wait for.
        if (realFrame(w) != w->geometry() && area.contains(realFrame(w)))
            timer_.stop();
    }
    QWidget *window_;
    QTimer timer_;
    int ticks_ = 0;
    bool shown_ = false; // the first check after a show is still to come
    bool moved_ = false; // moved since the show by anything but a check
    QMargins margins_;
    QPoint client_;
};

// Widens its window to the caption's width each time the caption changes or the window shows.
class CaptionKeeper : public QObject {
public:
    explicit CaptionKeeper(QWidget *w) : QObject(w), window_(w) {}
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (watched == window_ &&
            (event->type() == QEvent::WindowTitleChange || event->type() == QEvent::Show))
            widen();
        return false;
    }
    void widen() {
        const int need = captionWidth(window_);
        QLayout *l = window_->layout();
        if (l && l->sizeConstraint() == QLayout::SetFixedSize) {
            // The layout sets the window's size from its own hint: a strut across it widens it.
            if (!strut_) {
                strut_ = new QSpacerItem(0, 0, QSizePolicy::Fixed, QSizePolicy::Fixed);
                if (auto *grid = qobject_cast<QGridLayout *>(l))
                    grid->addItem(strut_, grid->rowCount(), 0, 1, std::max(1, grid->columnCount()));
                else if (auto *box = qobject_cast<QBoxLayout *>(l);
                         box && (box->direction() == QBoxLayout::TopToBottom ||
                                 box->direction() == QBoxLayout::BottomToTop))
                    box->addItem(strut_);
                else {
                    delete strut_;
                    strut_ = nullptr;
                    return;
                }
            }
            strut_->changeSize(need, 0, QSizePolicy::Fixed, QSizePolicy::Fixed);
            l->invalidate();
            l->activate();
            return;
        }
        if (window_->maximumWidth() < need)
            window_->setMaximumWidth(need);
        if (window_->minimumWidth() < need)
            window_->setMinimumWidth(need);
    }

private:
    QWidget *window_;
    QSpacerItem *strut_ = nullptr;
};

const QWidget *outermost(const QWidget *w) {
    while (w && w->parentWidget())
        w = w->parentWidget();
    return w;
}

// Places a window the first time it shows (Qt would centre a dialog on its parent) and then
// keeps it inside the area and clear of the main menu.
class MenuKeeper : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override {
        auto *w = qobject_cast<QWidget *>(watched);
        if (!w || event->type() != QEvent::Show || event->spontaneous())
            return false;
        if (!w->testAttribute(Qt::WA_Moved)) {
            const QWidget *over = w->parentWidget() ? w->parentWidget()->window() : nullptr;
            const QRect on = over && over->isVisible() ? frameRect(over) : availableArea(w);
            QRect f = frameRectAt(w, QPoint(0, 0));
            f.moveCenter(on.center());
            moveFrameTo(w, clampInto(f, availableArea(w)).topLeft());
        }
        fitInside(w);
        clearMainMenu(w);
        return false;
    }
};

} // namespace

QRect mainMenuStrip(const QWidget *w) {
    // The main window marks itself; windows without a parent have no other way to it.
    const QMainWindow *main = nullptr;
    for (QWidget *t : QApplication::topLevelWidgets())
        if (t->property("solarMainWindow").toBool())
            main = qobject_cast<const QMainWindow *>(t);
    if (!main)
        main = qobject_cast<const QMainWindow *>(outermost(w));
    if (!main || main == w || !main->isVisible() || !main->menuWidget() || !main->menuWidget()->isVisible())
        return {};
    const QRect frame = frameRect(main);
    const QWidget *menu = main->menuWidget();
    const int bottom = menu->mapToGlobal(QPoint(0, menu->height() - 1)).y();
    return QRect(QPoint(frame.left(), frame.top()), QPoint(frame.right(), bottom));
}

void clearMainMenu(QWidget *w) {
    const QRect strip = mainMenuStrip(w);
    QRect f = frameRect(w);
    if (strip.isEmpty() || !f.intersects(strip))
        return;
    const QRect area = availableArea(w);
    const QMargins m = frameMargins(w);
    const QRect below(QPoint(area.left(), strip.bottom() + 1), area.bottomRight());
    const QRect beside(QPoint(strip.right() + 1, area.top()), area.bottomRight());
    const int minFrameHeight =
        w->minimumSizeHint().expandedTo(w->minimumSize()).height() + m.top() + m.bottom();
    if (f.height() > below.height() && minFrameHeight <= below.height() && f.width() > beside.width()) {
        w->resize(w->width(), below.height() - m.top() - m.bottom());
        f = frameRect(w);
    }
    if (f.height() <= below.height()) {
        f.moveTop(below.top());
        moveFrameTo(w, clampInto(f, below).topLeft());
    } else if (f.width() <= beside.width()) {
        f.moveLeft(beside.left());
        moveFrameTo(w, clampInto(f, beside).topLeft());
    }
}

void keepClearOfMenu(QWidget *w) {
    if (w->property("solarClearOfMenu").toBool())
        return;
    w->setProperty("solarClearOfMenu", true);
    w->installEventFilter(new MenuKeeper(w));
}

int captionWidth(const QWidget *w) {
    QFont bold = w->font();
    bold.setBold(true);
    const int text = QFontMetrics(bold).horizontalAdvance(w->windowTitle());
    // Icon and three buttons of about 24 pixels each, and the frame's margins.
    return w->windowTitle().isEmpty() ? 0 : text + 120;
}

void keepCaptionWhole(QWidget *w) {
    if (w->property("solarCaptionKept").toBool())
        return;
    w->setProperty("solarCaptionKept", true);
    auto *keeper = new CaptionKeeper(w);
    w->installEventFilter(keeper);
    keeper->widen();
}

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

QRect freeRoom(QSize size, QPoint near, const QList<QRect> &avoid, const QRect &area) {
    // A free place can slide until it meets an edge of the area or of a window it avoids: only
    // those lines (and the wanted place) need trying.
    QList<int> xs{area.left(), area.right() + 1 - size.width(), near.x()};
    QList<int> ys{area.top(), area.bottom() + 1 - size.height(), near.y()};
    for (const QRect &a : avoid) {
        xs << a.right() + 1 << a.left() - size.width();
        ys << a.bottom() + 1 << a.top() - size.height();
    }
    QRect best;
    long long bestDistance = -1;
    for (int x : xs)
        for (int y : ys) {
            const QRect r(QPoint(x, y), size);
            if (!area.contains(r) || overlapArea(r, avoid) > 0)
                continue;
            const long long dx = x - near.x(), dy = y - near.y();
            if (bestDistance < 0 || dx * dx + dy * dy < bestDistance) {
                best = r;
                bestDistance = dx * dx + dy * dy;
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
    const QRect area = availableArea(w);
    QRect best = firstFree(candidates, avoid, area);
    // A helper over the main window hides the menu and the lists the student works with: the
    // free room nearest the first candidate instead, when there is any.
    if (overlapArea(best, mainWindowFrame(w)) > 0)
        if (const QRect free =
                freeRoom(best.size(), clampInto(candidates.front(), area).topLeft(), avoid, area);
            !free.isEmpty())
            best = free;
    moveFrameTo(w, best.topLeft());
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

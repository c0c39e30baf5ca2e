#pragma once
// Sizing and placing the program's windows on the screen its main window is on: the area left
// free by panels, window frames included (a frame not known yet is estimated from a shown one),
// and a choice among places that keeps a window clear of the others.

#include <QList>
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace solar::screenfit {

// The available geometry (panels excluded) of the screen the program's main window is on.
QRect availableArea(const QWidget *w);
// The frame of the program's main window (the outermost parent) when it is shown, else none.
QList<QRect> mainWindowFrame(const QWidget *w);
// The frame around a window's client area: the real one once known, else that of a shown window
// of the same kind (tool or normal), else none.
QMargins frameMargins(const QWidget *w);
// The window's frame rectangle now, or where it would lie with its frame's corner at `frameTopLeft`.
QRect frameRect(const QWidget *w);
QRect frameRectAt(const QWidget *w, QPoint frameTopLeft);
// The largest client size whose frame fits the available area, less `reserveHeight` pixels.
QSize maxClientSize(const QWidget *w, int reserveHeight = 0);

// `r` moved (not resized) as little as possible to lie inside `area`; the top-left corner wins
// when it is larger than the area, so the title bar stays reachable.
QRect clampInto(QRect r, const QRect &area);
// The first candidate frame rectangle inside `area` that overlaps none of `avoid`; failing that,
// the candidate (moved inside) that overlaps them least.
QRect firstFree(const QList<QRect> &candidates, const QList<QRect> &avoid, const QRect &area);

// The place for a frame of `size` inside `area` that overlaps none of `avoid`, nearest to `near`;
// empty when there is none.
QRect freeRoom(QSize size, QPoint near, const QList<QRect> &avoid, const QRect &area);

// Moves a window so that its frame's corner is at `frameTopLeft`, kept inside the available area.
void placeFrame(QWidget *w, QPoint frameTopLeft);
// Places a window at the first free candidate corner (see firstFree); when that one covers the
// main window, in the free room nearest the first candidate (see freeRoom).
void placeAmong(QWidget *w, const QList<QPoint> &frameCorners, const QList<QRect> &avoid);
// Shrinks a window whose frame is larger than the available area and moves it inside.
void fitInside(QWidget *w);

// Each time the window is shown, once the window manager has framed it: a frame that reaches
// past the available area (a title bar above the screen's top) is moved inside, back to where
// the program last placed it when it did.
void keepInside(QWidget *w);

// The width a window's frame needs for its whole caption: the caption in the bold face most
// window managers use, with room for the frame's icon and buttons.
int captionWidth(const QWidget *w);
// Makes the window at least captionWidth wide, now and whenever its caption changes (a window
// whose layout fixes its size gets a strut in that layout).
void keepCaptionWhole(QWidget *w);

// The strip of the program's main window from the top of its frame to the foot of its menu bar,
// in screen coordinates; empty while the main window is hidden (or when `w` is the main window).
QRect mainMenuStrip(const QWidget *w);
// Moves a window whose frame covers the main window's menu below it (or beside it), shrinking it
// to the room there when its minimum size allows; left as it is when there is no such room.
void clearMainMenu(QWidget *w);
// Each time the window is shown: placed as Qt would place it (centred on its parent), then kept
// inside the available area and clear of the main window's menu.
void keepClearOfMenu(QWidget *w);

// Windows that lists and headers open beside rather than over (the image window).
void reserve(QWidget *w);
// Centres a window in the largest part of the available area beside the shown reserved windows
// when it fits there, else on the available area; its size is first kept within the area.
void centreBeside(QWidget *w);

} // namespace solar::screenfit

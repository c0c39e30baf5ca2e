#pragma once
// The magnifier TCursorWindow ("Cursor Region"): an enlarged copy of the image window around the
// cursor or a measured spot with an inverting cross, and scroll bars that shift a measured
// position by single magnified pixels.

#include "display/ImageGeom.h"

#include <QImage>
#include <QWidget>
#include <string>

class QAction;
class QMenu;
class QScrollBar;

namespace solar {

class TImageForm1;

class TCursorWindow : public QWidget {
    Q_OBJECT
public:
    explicit TCursorWindow(TImageForm1 &imageWindow, QWidget *parent = nullptr);

    QScrollBar *HorzScroll, *VertScroll;
    QMenu *PopupMenu1;
    QAction *SetRegionSize1;

    bool RightButtonDown = false;
    long double RefX = 0, RefY = 0; // the last position passed with reset (image window pixels)
    IntRect Target{0, 0, MagnifierTarget, MagnifierTarget};
    MagnifierView View;           // source region, scale and cross of the last showing
    int CentreX = 0, CentreY = 0; // Round of the last position shown
    std::string CaptionText;
    QImage Canvas; // the magnified picture with its cross; null while there is nothing to show

    void FormShow();
    void ShowRegion(const std::string &caption, bool reset, long double x, long double y);
    // Forgets the last region: the empty window (its own background, not a black square that
    // looks like a window the desktop failed to draw) under the window's own caption.
    void Clear();
    // Either bar moved: the cross and the measured position follow.
    void VertScrollScroll();
    void SetRegionSize1Click();
    int RegionSize() const;

signals:
    void shownChanged(bool shown);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void render(long double x, long double y);
    bool hasRegion() const { return CentreX != 0 || CentreY != 0 || !CaptionText.empty(); }
    TImageForm1 &image_;
};

} // namespace solar

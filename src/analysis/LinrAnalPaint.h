#pragma once
// Painting of the linear-analysis plot: DrawLinearPlot draws it onto any paint device, so the
// window, an offscreen image and a printer page share one drawing; TLinrPlotView shows the drawn
// image in the window and passes on its mouse and keys.

#include "analysis/CurveFit.h"

#include <QFont>
#include <QImage>
#include <QWidget>
#include <functional>
#include <vector>

class QPainter;

namespace solar {

enum LinrMode { ModeNone = 0, ModeLongitude = 1, ModeLatitude = 2 };

// Everything a redraw reads, and the datasets it updates (latitude statistics, RMS in latitude
// mode, label positions).
struct LinrPlotState {
    int Mode = ModeNone;
    int Selected = -1;
    bool Monochrome = false;
    long double PlotOrigin = 0; // moment at x = 0 of the time axis
    int PlotOffset = 0;         // pixels
    QFont Font;
    std::vector<LinrAnalObj> *Datasets = nullptr;
};

// Draws frame, points, lines, labels and the selected spot's texts on a painter whose device is
// at least 668 x 421 pixels.
void DrawLinearPlot(QPainter &p, LinrPlotState &s);

// The plot image and its mouse.
class TLinrPlotView : public QWidget {
public:
    explicit TLinrPlotView(QWidget *parent);
    QImage Image;
    std::function<void(Qt::MouseButton, int, int)> pressed, released;
    std::function<bool(int key)> keyPressed; // true when the key was taken

protected:
    void paintEvent(QPaintEvent *) override;
    void keyPressEvent(QKeyEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
};

} // namespace solar

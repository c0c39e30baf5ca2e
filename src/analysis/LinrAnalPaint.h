#pragma once
// Painting of the linear-analysis plot: DrawLinearPlot draws it onto any paint device, so the
// window, an offscreen image and a printer page share one drawing; TLinrPlotView shows the drawn
// image in the window and passes on its mouse and keys.

#include "analysis/CurveFit.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <vector>

class QPainter;

namespace solar {

enum LinrMode { ModeNone = 0, ModeLongitude = 1, ModeLatitude = 2 };

namespace linrpaint {
// Degrees in a radian, for the plot's angles and the window's readings.
inline constexpr long double RadToDeg = 57.295779513082320877L;
// A colour written as 0x00BBGGRR, as the plot's colour constants are.
inline QColor qcolor(std::uint32_t bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}
} // namespace linrpaint

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

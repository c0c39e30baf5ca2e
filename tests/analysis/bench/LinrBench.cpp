// The linear analysis: a redraw of the plot with six datasets of 100 measurements each into an
// offscreen image (goal: under 4 ms), and the least-squares line of 100 measurements (goal: under
// 20 microseconds).
#include "Bench.h"

#include "analysis/LinrAnal.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cmath>

namespace solar::bench {
namespace {

constexpr long double Deg = 0.017453292519943295769L;

LinrAnalObj dataset(int k) {
    LinrAnalObj d;
    d.SpotID = std::string(1, char('A' + k));
    d.FirstTime = 45000.0 + 0.1 * k;
    d.RefTime = d.FirstTime;
    for (int i = 0; i < 100; ++i) {
        MeasRec m;
        m.ID = d.SpotID;
        m.Time = d.FirstTime + i * 0.1;
        m.Long = (-70.0L + 13.3L * i * 0.1L + 0.3L * std::sin(i * 1.7L)) * Deg;
        m.Lat = (5.0L * k - 12.0L + 0.2L * std::cos(i * 0.9L)) * Deg;
        d.Points.push_back(m);
    }
    d.LastTime = d.Points.back().Time;
    d.Color = 0x00FF00u << k;
    d.LineShown = true;
    return d;
}

void plotRedraw() {
    std::vector<LinrAnalObj> sets;
    LstSqrObj solver;
    for (int k = 0; k < 6; ++k) {
        sets.push_back(dataset(k));
        FitLine(sets.back(), solver);
    }
    LinrPlotState s;
    s.Mode = ModeLongitude;
    s.Selected = 2;
    s.PlotOffset = 160;
    s.Font = QGuiApplication::font();
    s.Datasets = &sets;
    QImage image(linrplot::ImageWidth, linrplot::ImageHeight, QImage::Format_RGB32);
    const double us = microsPerCall(
        [&] {
            QPainter p(&image);
            DrawLinearPlot(p, s);
        },
        200);
    std::printf("plot redraw, 6 datasets x 100 points, with lines: %.3f ms (goal < 4 ms)\n", us / 1000);
}

void lineFit() {
    LinrAnalObj d = dataset(0);
    LstSqrObj solver;
    volatile long double sink = 0;
    const double us = microsPerCall(
        [&] {
            FitLine(d, solver);
            sink = d.Slope;
        },
        20000);
    std::printf("least-squares line of 100 points (FitLine, RMS included): %.3f us (goal < 20 us)\n", us);
    (void)sink;
}

void run() {
    plotRedraw();
    lineFit();
}

const bool registered = addBench("linear analysis", run);

} // namespace
} // namespace solar::bench

#include "analysis/LinrAnalPaint.h"

#include "analysis/CurveFit.h"
#include "analysis/LinrPlot.h"
#include "measure/MeasData.h"
#include "support/QtPrintHdr.h"
#include "support/StringUt.h"

#include <QColor>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <cstdint>
#include <optional>
#include <span>

namespace solar {

using namespace linrplot;
using namespace linrpaint;

namespace {


// Colours as 0x00BBGGRR.
constexpr std::uint32_t Navy = 0x800000, White = 0xFFFFFF, Yellow = 0x00FFFF, Black = 0x000000,
                        Silver = 0xC0C0C0, Grey = 0x808080, Red = 0x0000FF;

void drawFrame(QPainter &p, const LinrPlotState &s) {
    const QColor fg = qcolor(s.Monochrome ? Black : Yellow);
    p.fillRect(0, 0, ImageWidth, ImageHeight, qcolor(s.Monochrome ? White : Navy));
    p.setPen(QPen(fg, 1, Qt::SolidLine));
    p.setFont(s.Font);
    p.drawLine(AxisX, Top, AxisX, Bottom);
    p.drawLine(AxisX, AxisY, Right, AxisY);
    // Angle ticks every 10 degrees, longer every 30.
    for (int y = Top; y <= Bottom; y += 20) {
        if (y == AxisY)
            continue;
        p.drawLine(AxisX, y, (y - Top) % 60 == 0 ? AxisX + 10 : AxisX + 5, y);
    }
    for (int x = DayTick; x <= PlotWidth; x += DayTick)
        p.drawLine(AxisX + x, AxisY - 10, AxisX + x, AxisY + 10);
    struct Text {
        int x, y;
        const char *t; // a single letter: part of the vertical axis title
    };
    static const Text scale[] = {{42, 10, "90.0"},   {42, 70, "60.0"},   {42, 130, "30.0"}, {52, 190, "0.0"},
                                 {36, 250, "-30.0"}, {36, 310, "-60.0"}, {36, 370, "-90.0"}};
    for (const Text &t : scale)
        drawTextTop(p, t.x, t.y, t.t);
    drawTextTop(p, 330, ImageHeight - 50,
                QCoreApplication::translate("solar::TLinearAnalysis", "Time (Days)"));
    static const Text longitude[] = {{38, 158, QT_TRANSLATE_NOOP("solar::TLinearAnalysis", "(W)")},
                                     {42, 218, QT_TRANSLATE_NOOP("solar::TLinearAnalysis", "(E)")},
                                     {10, 63, "S"},
                                     {11, 80, "p"},
                                     {10, 100, "o"},
                                     {12, 120, "t"},
                                     {10, 163, "L"},
                                     {10, 180, "o"},
                                     {10, 200, "n"},
                                     {10, 220, "g"},
                                     {12, 243, "i"},
                                     {12, 262, "t"},
                                     {10, 280, "u"},
                                     {10, 300, "d"},
                                     {10, 320, "e"}};
    static const Text latitude[] = {{42, 158, QT_TRANSLATE_NOOP("solar::TLinearAnalysis", "(N)")},
                                    {42, 218, QT_TRANSLATE_NOOP("solar::TLinearAnalysis", "(S)")},
                                    {10, 73, "S"},
                                    {11, 90, "p"},
                                    {10, 110, "o"},
                                    {12, 130, "t"},
                                    {10, 173, "L"},
                                    {10, 190, "a"},
                                    {12, 210, "t"},
                                    {12, 233, "i"},
                                    {12, 252, "t"},
                                    {10, 270, "u"},
                                    {10, 290, "d"},
                                    {10, 310, "e"}};
    if (s.Mode != ModeLongitude && s.Mode != ModeLatitude)
        return;
    const char *const english = s.Mode == ModeLongitude ? "Spot Longitude" : "Spot Latitude";
    const QString title = s.Mode == ModeLongitude
                              ? QCoreApplication::translate("solar::TLinearAnalysis", "Spot Longitude")
                              : QCoreApplication::translate("solar::TLinearAnalysis", "Spot Latitude");
    // The English title stands letter by letter, each letter placed by hand; a translation is
    // turned a quarter and centred on the vertical axis, where its letters would not fit stacked.
    const bool stacked = title == english;
    for (const Text &t :
         s.Mode == ModeLongitude ? std::span<const Text>(longitude) : std::span<const Text>(latitude)) {
        if (t.t[0] != '\0' && t.t[1] == '\0') {
            if (stacked)
                drawTextTop(p, t.x, t.y, t.t);
        } else {
            drawTextTop(p, t.x, t.y, QCoreApplication::translate("solar::TLinearAnalysis", t.t));
        }
    }
    if (!stacked) {
        const QFontMetrics fm = p.fontMetrics();
        p.save();
        p.translate(16, (Top + Bottom) / 2);
        p.rotate(-90);
        p.drawText(-fm.horizontalAdvance(title) / 2, fm.ascent() / 2, title);
        p.restore();
    }
}

void drawPoints(QPainter &p, LinrPlotState &s, LinrAnalObj &d, bool selected) {
    const bool mono = s.Monochrome;
    p.setPen(qcolor(selected ? (mono ? Black : White) : (mono ? Grey : Silver)));
    p.setBrush(qcolor(mono ? White : Navy));
    int lastX = 0, lastY = 0;
    bool any = false;
    for (const MeasRec &m : d.Points) {
        const long double angle = (s.Mode == ModeLongitude ? m.Long : m.Lat) * RadToDeg;
        const std::optional<int> y = AngleRow(angle);
        const std::optional<int> x = TimeColumn(m.Time, s.PlotOrigin, s.PlotOffset);
        if (!x || !y)
            continue;
        p.drawEllipse(*x + AxisX - 3, *y - 3, 6, 6);
        lastX = *x + AxisX;
        lastY = *y;
        any = true;
    }
    LatitudeStats(d.Points, d.MeanLat, d.LatSD);
    if (d.TZero != 0) {
        if (const std::optional<int> x = TimeColumn(d.TZero, s.PlotOrigin, s.PlotOffset)) {
            p.setPen(qcolor(Red));
            p.drawEllipse(*x + AxisX - 3, AxisY - 3, 6, 6);
        }
    }
    const QString id = QString::fromStdString(d.SpotID.str());
    const QFontMetrics fm = p.fontMetrics();
    d.LabelW = fm.horizontalAdvance(id);
    d.LabelH = fm.height();
    if (!any) {
        // No point on the axis: no label, and none to click.
        d.LabelX = d.LabelY = -10000;
        return;
    }
    p.setPen(mono ? qcolor(selected ? Black : Grey) : qcolor(d.Color));
    d.LabelX = lastX - d.LabelW / 2;
    d.LabelY = lastY - d.LabelH - 5;
    drawTextTop(p, d.LabelX, d.LabelY, id);
    if (selected) {
        p.setBrush(Qt::NoBrush);
        p.drawRect(d.LabelX - 2, d.LabelY - 2, d.LabelW + 3, d.LabelH + 3);
        p.setBrush(qcolor(mono ? White : Navy));
    }
}

void drawLine(QPainter &p, const LinrPlotState &s, const LinrAnalObj &d, bool selected) {
    p.setPen(s.Monochrome ? qcolor(selected ? Black : Grey) : qcolor(d.Color));
    LinePlot line;
    line.origin = s.PlotOrigin;
    line.offset = s.PlotOffset;
    line.firstTime = d.FirstTime;
    line.lastTime = d.LastTime;
    line.slope = d.Slope;
    line.intercept = d.Intercept;
    line.flat = s.Mode == ModeLatitude;
    line.level = d.MeanLat * RadToDeg;
    QPoint pts[PlotWidth + 1];
    int n = 0;
    for (int i = 0; i <= PlotWidth; ++i)
        if (const std::optional<int> row = line.Row(i); row && *row >= 0 && *row < ImageHeight)
            pts[n++] = QPoint(i + AxisX, *row);
    p.drawPoints(pts, n);
}

} // namespace

void DrawLinearPlot(QPainter &p, LinrPlotState &s) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    drawFrame(p, s);
    std::vector<LinrAnalObj> &sets = *s.Datasets;
    if (s.Selected >= int(sets.size()))
        s.Selected = int(sets.size()) - 1;
    if (s.Selected >= 0)
        s.PlotOrigin = sets[std::size_t(s.Selected)].FirstTime;
    for (std::size_t i = 0; i < sets.size(); ++i) {
        LinrAnalObj &d = sets[i];
        const bool selected = int(i) == s.Selected;
        drawPoints(p, s, d, selected);
        if (d.LineShown)
            drawLine(p, s, d, selected);
        if (s.Mode == ModeLatitude)
            d.RMS = d.LatSD * RadToDeg;
    }
    if (s.Selected >= 0) {
        const LinrAnalObj &d = sets[std::size_t(s.Selected)];
        p.setPen(qcolor(s.Monochrome ? Black : White));
        drawTextTop(p, 15, ImageHeight - 25,
                    QCoreApplication::translate("solar::TLinearAnalysis", "Spot ID: %1")
                        .arg(QString::fromStdString(d.SpotID.str())));
        if (s.Mode == ModeLongitude && d.MeanLat != 0)
            drawTextTop(p, 150, ImageHeight - 25,
                        QCoreApplication::translate("solar::TLinearAnalysis",
                                                    "Mean Latitude: %1,    RMS Error (Degs): %2")
                            .arg(QString::fromStdString(FixedText(d.MeanLat * RadToDeg, 2)),
                                 QString::fromStdString(FixedText(d.LatSD * RadToDeg, 2))));
    }
    p.restore();
}

// ---------------------------------------------------------------------------------------------

TLinrPlotView::TLinrPlotView(QWidget *parent) : QWidget(parent) {
    Image = QImage(ImageWidth, ImageHeight, QImage::Format_RGB32);
    Image.fill(Qt::black);
    setFixedSize(ImageWidth, ImageHeight);
    setFocusPolicy(Qt::StrongFocus);
}

void TLinrPlotView::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.drawImage(0, 0, Image);
    if (hasFocus()) {
        p.setPen(QPen(Qt::gray, 0, Qt::DotLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void TLinrPlotView::mousePressEvent(QMouseEvent *e) {
    if (pressed)
        pressed(e->button(), int(e->position().x()), int(e->position().y()));
}

void TLinrPlotView::mouseReleaseEvent(QMouseEvent *e) {
    if (released)
        released(e->button(), int(e->position().x()), int(e->position().y()));
}

void TLinrPlotView::keyPressEvent(QKeyEvent *e) {
    if (!keyPressed || !keyPressed(e->key()))
        QWidget::keyPressEvent(e);
}

void TLinrPlotView::focusInEvent(QFocusEvent *e) {
    QWidget::focusInEvent(e);
    update();
}

void TLinrPlotView::focusOutEvent(QFocusEvent *e) {
    QWidget::focusOutEvent(e);
    update();
}

} // namespace solar

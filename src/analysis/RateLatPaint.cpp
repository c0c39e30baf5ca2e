#include "analysis/RateLatPaint.h"

#include "analysis/DiffRot.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPolygon>

#include <cmath>
#include <cstdio>

namespace solar {
namespace {

QColor Bgr(std::uint32_t c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

// Colours of the analysis windows (0x00BBGGRR), colour display / monochrome.
constexpr std::uint32_t Background[2] = {0x800000, 0xFFFFFF};
constexpr std::uint32_t AxesColour[2] = {0x00FFFF, 0x000000};
// The four published laws and the student's law: colour and dash pattern (the dashes tell the
// curves apart in monochrome and on a grey printer).
constexpr std::uint32_t LawColours[4] = {0xFFFFFF, 0x00A5FF, 0xF0CAA6, 0xC0C0C0};
constexpr Qt::PenStyle LawDashes[4] = {Qt::SolidLine, Qt::DashLine, Qt::DashDotLine, Qt::DotLine};
constexpr std::uint32_t StudentColour = 0x0000FF;

std::string Fixed(long double v, int decimals) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*Lf", decimals, v);
    return buf;
}

std::string Signed(long double v, int decimals) {
    return (v >= 0 ? "+ " : "- ") + Fixed(std::fabs(v), decimals);
}

QPen LawPen(int lawIndex, bool mono) {
    if (lawIndex < 0)
        return QPen(mono ? Qt::black : Bgr(StudentColour), 2, Qt::SolidLine);
    return QPen(mono ? Qt::black : Bgr(LawColours[lawIndex]), 1, LawDashes[lawIndex]);
}

// One of the plot's own texts, English unless the style asks for the translation.
QString Text(const RateLatPaintStyle &style, const char *english) {
    return style.translated ? QCoreApplication::translate("solar::RateLatPaint", english) : QString(english);
}

std::string LawText(const RotationLaw &l, bool translated) {
    std::string s = l.Name + ", " + (translated ? DiffRotText(l.Source) : l.Source) + ": " + Fixed(l.A, 2) +
                    " " + Signed(l.B, 2) + " sin\xC2\xB2\xCF\x86";
    if (l.C != 0)
        s += " " + Signed(l.C, 2) + " sin\xE2\x81\xB4\xCF\x86";
    return s;
}

} // namespace

void PaintRateLat(QPainter &p, const RateLatGeometry &g, const std::vector<RatePoint> &Points_,
                  const LawFit &Fit_, const RateLatPaintStyle &style) {
    const bool mono = style.mono;
    const int m = mono ? 1 : 0;
    // Sized in plot pixels, so the screen, a scaled printer page and a PDF all look alike.
    QFont font = QGuiApplication::font();
    font.setPixelSize(12);
    p.setFont(font);
    p.fillRect(0, 0, g.Width, g.Height, Bgr(Background[m]));
    const QColor axes = Bgr(AxesColour[m]);
    p.setPen(QPen(axes, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(g.Left, g.Top, g.Right - g.Left, g.Bottom - g.Top);
    const QFontMetrics fm = p.fontMetrics();
    for (const PlotTick &t : g.XTicks) {
        p.drawLine(t.pos, g.Bottom, t.pos, g.Bottom + 5);
        const QString s = QString::fromStdString(t.text);
        p.drawText(t.pos - fm.horizontalAdvance(s) / 2, g.Bottom + 8 + fm.ascent(), s);
    }
    for (const PlotTick &t : g.YTicks) {
        p.drawLine(g.Left - 5, t.pos, g.Left, t.pos);
        const QString s = QString::fromStdString(t.text);
        p.drawText(g.Left - 8 - fm.horizontalAdvance(s), t.pos + fm.ascent() / 2 - 1, s);
    }
    const QString xTitle =
        Text(style, QT_TRANSLATE_NOOP("solar::RateLatPaint", "Mean Latitude (Degrees, North Positive)"));
    p.drawText((g.Left + g.Right - fm.horizontalAdvance(xTitle)) / 2, g.Bottom + 26 + fm.ascent(), xTitle);
    p.save();
    p.translate(14, (g.Top + g.Bottom) / 2);
    p.rotate(-90);
    const QString yTitle =
        Text(style, QT_TRANSLATE_NOOP("solar::RateLatPaint", "Sidereal Rotation Rate (Degrees per Day)"));
    p.drawText(-fm.horizontalAdvance(yTitle) / 2, fm.ascent() / 2, yTitle);
    p.restore();

    p.setClipRect(g.Left, g.Top, g.Right - g.Left + 1, g.Bottom - g.Top + 1);
    for (const PlotCurve &c : g.Curves) {
        p.setPen(LawPen(c.lawIndex, mono));
        QPolygon poly;
        for (const PlotPx &q : c.pts)
            poly << QPoint(q.x, q.y);
        p.drawPolyline(poly);
    }
    for (std::size_t i = 0; i < g.Points.size() && i < Points_.size(); ++i) {
        const PlotPointGeom &q = g.Points[i];
        const QColor c = mono ? Qt::black : Bgr(SpotColours[q.colourIndex]);
        p.setPen(QPen(c, 1));
        if (q.hasBar) {
            p.drawLine(q.at.x, q.barTop, q.at.x, q.barBottom);
            p.drawLine(q.at.x - 3, q.barTop, q.at.x + 3, q.barTop);
            p.drawLine(q.at.x - 3, q.barBottom, q.at.x + 3, q.barBottom);
        }
        if (style.showRule) {
            p.setBrush(Qt::NoBrush);
            p.drawRect(q.ruleAt.x - 3, q.ruleAt.y - 3, 6, 6);
        }
        p.setBrush(c);
        p.drawEllipse(QPoint(q.at.x, q.at.y), 3, 3);
        p.setBrush(Qt::NoBrush);
        p.drawText(q.label.x, q.label.y + fm.ascent(), QString::fromStdString(Points_[i].ID));
    }
    p.setClipping(false);

    // Legend: one line per curve shown, then what the points are.
    int y = g.LegendTop;
    auto legendLine = [&](const QPen &pen, const std::string &text) {
        p.setPen(pen);
        p.drawLine(g.Left, y + fm.height() / 2, g.Left + 30, y + fm.height() / 2);
        p.setPen(axes);
        p.drawText(g.Left + 38, y + fm.ascent(), QString::fromStdString(text));
        y += g.LineHeight;
    };
    const std::vector<RotationLaw> &laws = PublishedLaws();
    for (const PlotCurve &c : g.Curves) {
        if (c.lawIndex >= 0) {
            legendLine(LawPen(c.lawIndex, mono), LawText(laws[c.lawIndex], style.translated));
        } else {
            std::string t = style.fitName + ": A = " + Fixed(Fit_.A, 3);
            if (Fit_.HasErrors)
                t += " \xC2\xB1 " + Fixed(Fit_.SeA, 3);
            t += ", B = " + Fixed(Fit_.B, 3);
            if (Fit_.HasErrors)
                t += " \xC2\xB1 " + Fixed(Fit_.SeB, 3);
            t += " " + Text(style, QT_TRANSLATE_NOOP("solar::RateLatPaint", "deg/day")).toStdString() +
                 " (A + B sin\xC2\xB2\xCF\x86)";
            legendLine(LawPen(-1, mono), t);
        }
    }
    p.setPen(axes);
    std::string pts =
        !style.pointsLegend.empty()
            ? style.pointsLegend
            : Text(style,
                   QT_TRANSLATE_NOOP("solar::RateLatPaint",
                                     "\xE2\x97\x8F sidereal rate at T-zero (true central-meridian motion), "
                                     "bars \xC2\xB1"
                                     "1 standard error"))
                  .toStdString();
    if (style.showRule)
        pts += Text(style, QT_TRANSLATE_NOOP("solar::RateLatPaint", "; \xE2\x96\xA1 by the 365.25-day rule"))
                   .toStdString();
    p.drawText(g.Left, y + fm.ascent(), QString::fromStdString(pts));
    if (Points_.empty()) {
        const QString none = QString::fromStdString(style.emptyText);
        p.drawText((g.Left + g.Right - fm.horizontalAdvance(none)) / 2, (g.Top + g.Bottom) / 2, none);
    }
}

} // namespace solar

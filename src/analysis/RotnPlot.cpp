#include "analysis/RotnPlot.h"

#include "analysis/SinWave.h"
#include "support/ExtReal.h"
#include "support/StringUt.h"
#include "support/Translate.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace solar::rotnplot {

namespace {

int clampPixel(long double v) {
    if (!std::isfinite(v))
        return v > 0 ? PixelLimit : -PixelLimit; // NaN goes far off to the left
    return static_cast<int>(std::clamp<std::int64_t>(roundToInt(v), -PixelLimit, PixelLimit));
}

} // namespace

std::vector<Segment> FrameLines() {
    std::vector<Segment> lines;
    lines.push_back({Left, Top, Left, Bottom});
    lines.push_back({Left, AxisY, Right, AxisY});
    for (int y = Top; y <= Bottom; y += 15) {
        if (y == AxisY)
            continue;
        const bool halfRadius = (y - Top) % 75 == 0;
        lines.push_back({Left, y, halfRadius ? Left + 10 : Left + 5, y});
    }
    const int d = 600 / DaysAcross;
    for (int offset = d; offset <= 600; offset += d)
        lines.push_back({Left + offset, AxisY - 10, Left + offset, AxisY + 10});
    return lines;
}

std::vector<Label> FrameLabels(int height) {
    std::vector<Label> labels = {
        {32, 10, "1.0"},
        {32, 85, "0.5"},
        {32, 160, "0.0"},
        {26, 235, "-0.5"},
        {26, 310, "-1.0"},
        {29, 122, translate("solar::RotnPlot", "(W)")},
        {31, 195, translate("solar::RotnPlot", "(E)")},
        {290, height - 50, translate("solar::RotnPlot", "Time (Days)")},
        {10, 43, "S"},
        {11, 60, "p"},
        {10, 80, "o"},
        {12, 100, "t"},
        {10, 143, "P"},
        {10, 160, "o"},
        {10, 180, "s"},
        {12, 200, "i"},
        {12, 220, "t"},
        {12, 240, "i"},
        {10, 260, "o"},
        {10, 280, "n"},
    };
    return labels;
}

int PlotOffset(int plotPosition) {
    return clampPixel(plotPosition * Scale);
}

int TimeX(long double time, long double origin, int offset) {
    const int x = clampPixel((time - origin) * Scale + offset);
    return std::clamp(x + Left, -PixelLimit, PixelLimit);
}

int RadiusY(long double x) {
    return std::clamp(AxisY - clampPixel(x * PixelsPerRadius), -PixelLimit, PixelLimit);
}

long double ColumnFitTime(int i, int offset, long double origin) {
    return (i - offset) / Scale + origin - FitTimeOffset;
}

int StartPosition(long double firstXOffset) {
    return firstXOffset >= 0 ? 7 : 4;
}

Scheme ColourScheme(bool monochrome) {
    if (monochrome)
        return {0xFFFFFF, 0x000000, 0x000000, 0x000000, 0xFFFFFF, 0xC0C0C0};
    return {0x800000, 0x00FFFF, 0xFFFFFF, 0xFF00FF, 0x00FF00, 0x0000FF};
}

std::string LatitudeLine(long double meanLat, long double latSD) {
    constexpr long double deg = 57.295779513082320877L;
    return arg(translate("solar::RotnPlot", "Mean Latitude: %1,    RMS Error (Degs): %2"),
               {FixedText(meanLat * deg, 2), FixedText(latSD * deg, 2)});
}

std::string RmsText(long double rms) {
    if (!std::isfinite(rms))
        return "";
    return ExpText(rms, 9);
}

} // namespace solar::rotnplot

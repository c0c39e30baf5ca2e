#pragma once
// Where everything of the sine-curve analysis plot lies, in pixels of the 668 x 361 plot image from
// its top left: the frame (axes, ticks, labels), a measurement's circle, the curve's columns, the
// plot position, and the texts under the plot. Drawing lives in the window.

#include <cstdint>
#include <string>
#include <vector>

namespace solar::rotnplot {

constexpr int Width = 668;
constexpr int Height = 361;
constexpr int DaysAcross = 30;
constexpr long double Scale = 600.0L / DaysAcross; // pixels per day
constexpr int Left = 60, Right = 660, Top = 20, Bottom = 320, AxisY = 170;
constexpr int PixelsPerRadius = 150;

struct Segment {
    int x1, y1, x2, y2;
};
struct Label {
    int x, y; // top left of the text
    std::string text;
};

// The two axes, then the position ticks (long at every half radius) and the day ticks.
std::vector<Segment> FrameLines();
// The scale numbers, "(E)", "(W)", "Time (Days)" (these three in the language of the user
// interface) and the vertical "Spot Position" one letter at a time, for an image `height` pixels
// high.
std::vector<Label> FrameLabels(int height = Height);

// Pixels kept within this range so that a wild value cannot overflow the painter.
constexpr int PixelLimit = 100000;

// Plot offset of a plot position (whole days): round(position x 20).
int PlotOffset(int plotPosition);
// Column of a moment: round((time - origin) x 20 + offset) + 60.
int TimeX(long double time, long double origin, int offset);
// Row of a position in solar radii: 170 - round(X x 150).
int RadiusY(long double x);
// Fit time of curve column i (0..600): (i - offset) / 20 + origin - 37000.
long double ColumnFitTime(int i, int offset, long double origin);

// The plot position a dataset starts at: 4 days, 3 more when its first spot lies west of the
// centre (pixel offset >= 0).
int StartPosition(long double firstXOffset);

// Colours 0x00BBGGRR of the colour and monochrome schemes.
struct Scheme {
    std::uint32_t background, axes, points, sine, readings, rmsWorse;
};
Scheme ColourScheme(bool monochrome);

// "Mean Latitude: 12.34,    RMS Error (Degs): 0.56" from radians, in the language of the user
// interface.
std::string LatitudeLine(long double meanLat, long double latSD);
// The RMS box: the fit's RMS in solar radii, as the positions are, in scientific notation, ten
// significant digits, two-digit exponent at least (1.230000000E-02).
std::string RmsText(long double rms);

} // namespace solar::rotnplot

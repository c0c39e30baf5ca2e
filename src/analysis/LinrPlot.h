#pragma once
// Geometry of the linear-analysis plot, apart from any drawing: the 668 x 421 image, the axes at
// x = 80 and y = 200, two pixels per degree upwards and 40 pixels per day to the right of the
// plot origin (the selected dataset's first measurement), shifted by the plot offset.

#include <cstdint>
#include <optional>

namespace solar {

namespace linrplot {
constexpr int ImageWidth = 668;
constexpr int ImageHeight = 421;
constexpr int AxisX = 80;  // vertical axis; x = 0 of the time axis
constexpr int AxisY = 200; // horizontal axis; angle 0
constexpr int Top = 20, Bottom = 380, Right = 640;
constexpr int DaysAcross = 14;
constexpr int PlotWidth = 560;                                     // pixels of the time axis
constexpr long double Scale = PlotWidth / (long double)DaysAcross; // 40 pixels per day
constexpr int DayTick = PlotWidth / DaysAcross;                    // 40
} // namespace linrplot

// Plot offset in pixels of a plot position in whole days.
int PlotOffset(std::int32_t position);

// Image row of an angle in degrees: 200 - round(2 * angle); nothing for an angle that is not a
// finite number or lies far outside the image (such a value is never drawn).
std::optional<int> AngleRow(long double degrees);

// Time-axis column (0..560) of a moment, or nothing when it falls outside the axis; the point is
// drawn at AxisX + column.
std::optional<int> TimeColumn(long double time, long double origin, int offset);

// The straight line of a dataset: for axis column i (0..560) the row to set, or nothing when the
// column lies more than half a day outside the dataset's span or the value is off the image.
struct LinePlot {
    long double origin = 0;    // plot origin (moment)
    int offset = 0;            // plot offset, pixels
    long double firstTime = 0; // the dataset's first measurement
    long double lastTime = 0;
    long double slope = 0;     // degrees per day
    long double intercept = 0; // degrees at firstTime
    bool flat = false;         // latitude mode: the constant `level`
    long double level = 0;     // degrees
    std::optional<int> Row(int i) const;
};

} // namespace solar

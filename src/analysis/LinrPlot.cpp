#include "analysis/LinrPlot.h"

#include "support/ExtReal.h"

#include <cmath>

namespace solar {

using namespace linrplot;

int PlotOffset(std::int32_t position) {
    return static_cast<int>(roundToInt(position * Scale));
}

std::optional<int> AngleRow(long double degrees) {
    // Beyond a few image heights a row is only ever clipped; stopping there keeps the integer
    // conversion safe for any slope the sliders reach.
    if (!std::isfinite(degrees) || std::fabs(degrees) > 4.0L * ImageHeight)
        return std::nullopt;
    return AxisY - static_cast<int>(roundToInt(2.0L * degrees));
}

std::optional<int> TimeColumn(long double time, long double origin, int offset) {
    const long double x = (time - origin) * Scale + offset;
    if (!std::isfinite(x) || x < -0.5L || x > PlotWidth + 0.5L)
        return std::nullopt;
    const int c = static_cast<int>(roundToInt(x));
    if (c < 0 || c > PlotWidth)
        return std::nullopt;
    return c;
}

std::optional<int> LinePlot::Row(int i) const {
    const long double t = (i - offset) / Scale + (origin - firstTime);
    if (!(t >= -0.5L && t <= (lastTime - firstTime) + 0.5L))
        return std::nullopt;
    const long double v = flat ? level : t * slope + intercept;
    return AngleRow(v);
}

} // namespace solar

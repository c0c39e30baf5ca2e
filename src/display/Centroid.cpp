#include "display/Centroid.h"

#include "support/ExtReal.h"
#include "support/LinkLst.h"

#include <algorithm>
#include <cmath>

namespace solar {

CentroidResult FindCentroid(const IntArrayList &pixels, int width, int height, std::int32_t maximum,
                            long double scale, long double X, long double Y, const BoxParams &box,
                            const DiscMarks &disc) {
    CentroidResult res;
    res.x = X;
    res.y = Y;
    if (!(scale > 0.0L) || width <= 0 || height <= 0)
        return res;
    width = std::min(width, pixels.Columns());
    height = std::min(height, pixels.Rows());

    // 1, 2. The darkest pixel of the search box (box half width in display pixels, made image pixels).
    const long long h = roundToInt(box.searchHalfWidth / scale);
    const long long i0 = roundToInt(X / scale);
    const long long j0 = roundToInt(Y / scale);
    const long long colLo = std::max(0LL, i0 - h), colHi = std::min<long long>(width - 1, i0 + h);
    const long long rowLo = std::max(0LL, j0 - h), rowHi = std::min<long long>(height - 1, j0 + h);
    std::int64_t darkest = 0;
    int c = -1, r = -1;
    for (long long row = rowLo; row <= rowHi; ++row) {
        const std::int32_t *line = pixels.Row(static_cast<int>(row));
        if (line == nullptr)
            continue;
        for (long long col = colLo; col <= colHi; ++col) {
            const std::int64_t d = static_cast<std::int64_t>(maximum) - line[col];
            if (d > darkest) {
                darkest = d;
                c = static_cast<int>(col);
                r = static_cast<int>(row);
            }
        }
    }
    // 3. Nothing darker than the image maximum.
    if (darkest <= 0)
        return res;
    res.seedColumn = c;
    res.seedRow = r;

    // 4. Darkness-cubed weighted centre of the round region about the seed, moved until it settles.
    const int A = box.centroidHalfDiameter;
    long double u = c, v = r;
    for (int k = 1;; ++k) {
        res.passes = k;
        const int cLo = std::max(0, c - A), cHi = std::min(width - 1, c + A);
        const int rLo = std::max(0, r - A), rHi = std::min(height - 1, r + A);
        long double sx = 0, sy = 0, sw = 0;
        for (int row = rLo; row <= rHi; ++row) {
            const std::int32_t *line = pixels.Row(row);
            if (line == nullptr)
                continue;
            for (int col = cLo; col <= cHi; ++col) {
                const long double dc = col - c, dr = row - r;
                if (roundHalfEven(std::sqrt(dc * dc + dr * dr)) > A)
                    continue;
                const long double d = static_cast<long double>(maximum) - line[col];
                if (d > 0) {
                    const long double w = (1000.0L * d) * (1000.0L * d) * (1000.0L * d);
                    sx += col * w;
                    sy += row * w;
                    sw += w;
                }
            }
        }
        if (sw <= 0.00001L)
            return res;
        u = sx / sw;
        v = sy / sw;
        const int ru = static_cast<int>(roundToInt(u));
        const int rv = static_cast<int>(roundToInt(v));
        if ((ru == c && rv == r) || k == 10)
            break;
        c = ru;
        r = rv;
    }

    // 5. Back to display pixels; found only on the disc.
    res.x = u * scale;
    res.y = v * scale;
    if (disc.radius > 0.0L) {
        const long double ox = (res.x - disc.centreX) / disc.radius;
        const long double oy = (disc.centreY - res.y) / disc.radius;
        res.found = ox * ox + oy * oy <= 1.0L;
    }
    return res;
}

} // namespace solar

#include "imagedb/ImportImg.h"
#include "imagedb/ImportParts.h"

#include "support/DisplayParams.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace solar {

using namespace importparts;

namespace {

// The disc radius at 1 AU as a part of the image size: 440 pixels in 1024, as the sample database.
constexpr double RadiusPerSize = 440.0 / 1024.0;

// The image averaged over b x b blocks (a mean of the values present, none when fewer than half are).
RawImage binned(const RawImage &img, int b) {
    RawImage out;
    out.width = img.width / b;
    out.height = img.height / b;
    out.pixels.assign(static_cast<std::size_t>(out.width) * out.height, 0.0f);
    std::vector<float> sum(static_cast<std::size_t>(out.width));
    std::vector<int> count(static_cast<std::size_t>(out.width));
    for (int r = 0; r < out.height; ++r) {
        std::fill(sum.begin(), sum.end(), 0.0f);
        std::fill(count.begin(), count.end(), 0);
        for (int i = 0; i < b; ++i) {
            const float *p = &img.pixels[static_cast<std::size_t>(r * b + i) * img.width];
            for (int c = 0; c < out.width; ++c)
                for (int j = 0; j < b; ++j)
                    if (const float v = p[c * b + j]; std::isfinite(v))
                        sum[static_cast<std::size_t>(c)] += v, ++count[static_cast<std::size_t>(c)];
        }
        for (int c = 0; c < out.width; ++c)
            out.pixels[static_cast<std::size_t>(r) * out.width + c] =
                2 * count[static_cast<std::size_t>(c)] >= b * b
                    ? sum[static_cast<std::size_t>(c)] /
                          static_cast<float>(count[static_cast<std::size_t>(c)])
                    : std::numeric_limits<float>::quiet_NaN();
    }
    return out;
}

// Twice the top of the display range that the program's reader gives values by default (display
// low = mean + sd * low factor, high = low + sd * span factor): above it the reader takes a value
// for a hot pixel. Counted as the reader counts: no value and negative values as 0.
double readerHotThreshold(const std::vector<float> &values) {
    long double sum = 0, squares = 0;
    for (const float f : values) {
        const long double v = std::isfinite(f) && f > 0 ? f : 0;
        sum += v, squares += v * v;
    }
    const long double n = static_cast<long double>(values.size());
    if (n < 2)
        return 0;
    const long double sd = std::sqrt(std::max(0.0L, (squares - sum * sum / n) / (n - 1)));
    const DisplayParams defaults;
    const long double low = sum / n + sd * defaults.lowFactor;
    return static_cast<double>(2 * (sd * defaults.spanFactor + low));
}

} // namespace

int hideHotPixels(RawImage &img) {
    const double threshold = readerHotThreshold(img.pixels);
    if (!(threshold > 0))
        return 0;
    // As the reader does it: row by row, each hot value replaced at once by the mean of its diagonal
    // neighbours inside the image (those with a value), so later pixels see the replaced values.
    int hidden = 0;
    const int w = img.width, h = img.height;
    for (int r = 0; r < h; ++r)
        for (int c = 0; c < w; ++c) {
            float &v = img.pixels[static_cast<std::size_t>(r) * w + c];
            if (!(v > threshold))
                continue;
            double sum = 0;
            int n = 0;
            for (const int dr : {-1, 1})
                for (const int dc : {-1, 1})
                    if (r + dr >= 0 && r + dr < h && c + dc >= 0 && c + dc < w)
                        if (const float u = img.at(c + dc, r + dr); std::isfinite(u))
                            sum += u, ++n;
            if (n > 0) {
                v = static_cast<float>(sum / n);
                ++hidden;
            }
        }
    return hidden;
}

ImportedImage resampleDisc(const RawImage &input, const ImportGeometry &inputGeo, int size) {
    ImportedImage out;
    out.size = size;
    out.radiusPx = std::round(size * RadiusPerSize / static_cast<double>(inputGeo.distanceAu) * 1000) / 1000;
    const double c = size / 2, ro = out.radiusPx;
    // A large reduction averages whole blocks first, then the blocks under each output pixel.
    const double reduction = inputGeo.radiusPx / ro;
    const int b = std::max(1, static_cast<int>(std::floor(reduction + 0.05)));
    RawImage blocks;
    ImportGeometry geo = inputGeo;
    if (b > 1) {
        blocks = binned(input, b);
        geo.centreCol = (inputGeo.centreCol - (b - 1) / 2.0) / b;
        geo.centreRow = (inputGeo.centreRow - (b - 1) / 2.0) / b;
        for (auto &row : geo.a)
            for (double &v : row)
                v /= b;
    }
    const RawImage &img = b > 1 ? blocks : input;
    // Input pixels per output pixel along each output axis.
    const double ax0 = geo.a[0][0] / ro, ax1 = geo.a[1][0] / ro;   // one column to the right (x + 1/ro)
    const double ay0 = -geo.a[0][1] / ro, ay1 = -geo.a[1][1] / ro; // one row down (y - 1/ro)
    const double scale = std::max(std::hypot(ax0, ax1), std::hypot(ay0, ay1));
    const int k = std::max(1, static_cast<int>(std::ceil(scale - 0.05)));
    std::vector<float> values(static_cast<std::size_t>(size) * size);
    std::vector<float> disc;
    disc.reserve(values.size());
    for (int row = 0; row < size; ++row) {
        for (int col = 0; col < size; ++col) {
            double sum = 0;
            int n = 0;
            for (int i = 0; i < k; ++i) {
                const double dr = row - c + (i + 0.5) / k - 0.5;
                for (int j = 0; j < k; ++j) {
                    const double dc = col - c + (j + 0.5) / k - 0.5;
                    const float v =
                        sample(img, geo.centreCol + dc * ax0 + dr * ay0, geo.centreRow + dc * ax1 + dr * ay1);
                    if (std::isfinite(v))
                        sum += v, ++n;
                }
            }
            const float v =
                2 * n >= k * k ? static_cast<float>(sum / n) : std::numeric_limits<float>::quiet_NaN();
            values[static_cast<std::size_t>(row) * size + col] = v;
            const double x = (col - c) / ro, y = (c - row) / ro;
            if (std::isfinite(v) && x * x + y * y < 0.9)
                disc.push_back(v);
        }
    }
    const double top = percentile(std::move(disc), 0.999);
    if (!(top > 0))
        return out; // no pixels: no light on the disc
    // The reader's hot-pixel threshold lies near three times the disc's brightness: scaled by the
    // disc alone it would lie beyond the 16-bit range and, values being capped there, no pixel of
    // an imported image could ever pass it. The threshold goes to 30000 at most.
    const double threshold = readerHotThreshold(values);
    const double factor = 30000.0 / std::max(top, threshold);
    out.pixels.resize(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        const float v = values[i];
        out.pixels[i] =
            !std::isfinite(v) ? 0 : static_cast<short>(std::clamp(std::nearbyint(v * factor), 0.0, 32767.0));
    }
    return out;
}

} // namespace solar

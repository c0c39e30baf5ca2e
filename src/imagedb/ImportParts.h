#pragma once
// What the importer's parts share, apart from its interface: the FITS error text, the header read
// alone, upper-casing of keyword texts, and the pixel sampling and percentile of the limb fit and
// the resampling.

#include "imagedb/ImportImg.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <string>
#include <vector>

namespace solar::importparts {

inline constexpr double Pi = 3.14159265358979323846;

// cfitsio's text for a status code.
std::string fitsText(int status);
// The keys, width and height of the file's first image, as readRawImage reads them, without its
// pixels; false with a one-line reason.
bool readRawHeader(const std::string &path, RawImage &out, std::string &error);

std::string upper(std::string s);

// The value below which a share q of the values lies (the k-th smallest, k = q n).
inline double percentile(std::vector<float> v, double q) {
    if (v.empty())
        return 0;
    const std::size_t k = std::min(v.size() - 1, static_cast<std::size_t>(q * static_cast<double>(v.size())));
    std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(k), v.end());
    return v[k];
}

// Bilinear value at a pixel position (0-based centres), NaN outside or next to a missing value.
inline float sample(const RawImage &img, double x, double y) {
    if (!(x >= 0 && y >= 0 && x <= img.width - 1 && y <= img.height - 1))
        return std::numeric_limits<float>::quiet_NaN();
    int ix = static_cast<int>(x), iy = static_cast<int>(y);
    if (ix >= img.width - 1)
        ix = img.width - 2;
    if (iy >= img.height - 1)
        iy = img.height - 2;
    if (ix < 0 || iy < 0) // a one-pixel-wide image
        return img.at(std::max(ix, 0), std::max(iy, 0));
    const float fx = static_cast<float>(x - ix), fy = static_cast<float>(y - iy);
    const float *p = &img.pixels[static_cast<std::size_t>(iy) * img.width + ix];
    const float a = p[0], b = p[1], c = p[img.width], d = p[img.width + 1];
    return (a * (1 - fx) + b * fx) * (1 - fy) + (c * (1 - fx) + d * fx) * fy;
}

} // namespace solar::importparts

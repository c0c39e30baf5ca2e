#include "imagedb/ImportImg.h"
#include "imagedb/ImportParts.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace solar {

using namespace importparts;

namespace {

// Kasa's algebraic circle fit, weighted by `use`: centre and radius.
bool circleFit(const std::vector<double> &xs, const std::vector<double> &ys, const std::vector<char> &use,
               double &cx, double &cy, double &r) {
    double mx = 0, my = 0;
    int n = 0;
    for (std::size_t i = 0; i < xs.size(); ++i)
        if (use[i])
            mx += xs[i], my += ys[i], ++n;
    if (n < 8)
        return false;
    mx /= n, my /= n;
    double suu = 0, svv = 0, suv = 0, suuu = 0, svvv = 0, suvv = 0, svuu = 0;
    for (std::size_t i = 0; i < xs.size(); ++i) {
        if (!use[i])
            continue;
        const double u = xs[i] - mx, v = ys[i] - my;
        suu += u * u, svv += v * v, suv += u * v;
        suuu += u * u * u, svvv += v * v * v, suvv += u * v * v, svuu += v * u * u;
    }
    const double det = suu * svv - suv * suv;
    if (std::fabs(det) < 1e-12)
        return false;
    const double b1 = (suuu + suvv) / 2, b2 = (svvv + svuu) / 2;
    const double uc = (b1 * svv - b2 * suv) / det, vc = (b2 * suu - b1 * suv) / det;
    cx = mx + uc, cy = my + vc;
    r = std::sqrt(uc * uc + vc * vc + (suu + svv) / n);
    return std::isfinite(r);
}

} // namespace

LimbFit fitLimb(const RawImage &img) {
    LimbFit fit;
    const int w = img.width, h = img.height;
    if (w < 16 || h < 16)
        return fit;
    // First guess from a coarse grid: the pixels brighter than a fifth of the way from sky to disc.
    const int step = std::max(1, std::min(w, h) / 256);
    std::vector<float> grid;
    grid.reserve(static_cast<std::size_t>(w / step + 1) * (h / step + 1));
    for (int r = 0; r < h; r += step)
        for (int c = 0; c < w; c += step)
            if (const float v = img.at(c, r); std::isfinite(v))
                grid.push_back(v);
    if (grid.size() < 64)
        return fit;
    const double lo = percentile(grid, 0.02), hi = percentile(grid, 0.99);
    if (!(hi > lo))
        return fit;
    const double threshold = lo + 0.2 * (hi - lo);
    double sx = 0, sy = 0, count = 0;
    for (int r = 0; r < h; r += step)
        for (int c = 0; c < w; c += step)
            if (const float v = img.at(c, r); std::isfinite(v) && v > threshold)
                sx += c, sy += r, ++count;
    if (count < 16)
        return fit;
    const double cx0 = sx / count, cy0 = sy / count;
    const double r0 = std::sqrt(count * step * step / Pi);
    if (r0 < 8)
        return fit;

    // Edge points: the steepest fall of the profile along each ray, refined by a parabola.
    const int rays = 360;
    const double ds = 0.25, inner = 0.9 * r0, outer = 1.1 * r0;
    const int samples = static_cast<int>((outer - inner) / ds) + 1;
    const int lag = 4; // one pixel either side
    std::vector<float> prof(static_cast<std::size_t>(samples));
    std::vector<double> xs, ys;
    for (int k = 0; k < rays; ++k) {
        const double ang = 2 * Pi * k / rays, ux = std::cos(ang), uy = std::sin(ang);
        for (int i = 0; i < samples; ++i) {
            const double s = inner + i * ds;
            const float v = sample(img, cx0 + s * ux, cy0 + s * uy);
            prof[static_cast<std::size_t>(i)] = std::isfinite(v) ? v : static_cast<float>(lo);
        }
        int best = -1;
        double bestDrop = 0;
        for (int i = lag; i + lag < samples; ++i) {
            const double drop =
                prof[static_cast<std::size_t>(i - lag)] - prof[static_cast<std::size_t>(i + lag)];
            if (drop > bestDrop)
                bestDrop = drop, best = i;
        }
        if (best <= lag || best + lag + 1 >= samples || bestDrop < 0.15 * (hi - lo))
            continue;
        auto dropAt = [&](int i) {
            return static_cast<double>(prof[static_cast<std::size_t>(i - lag)] -
                                       prof[static_cast<std::size_t>(i + lag)]);
        };
        const double a = dropAt(best - 1), b = dropAt(best), c = dropAt(best + 1);
        const double den = a - 2 * b + c;
        const double off = den < 0 ? std::clamp(0.5 * (a - c) / den, -0.5, 0.5) : 0.0;
        const double s = inner + (best + off) * ds;
        xs.push_back(cx0 + s * ux);
        ys.push_back(cy0 + s * uy);
    }
    if (xs.size() < 36)
        return fit;
    // Robust fit: drop points more than 3 median deviations (at least half a pixel) off the circle.
    std::vector<char> use(xs.size(), 1);
    double cx = 0, cy = 0, r = 0;
    for (int iter = 0; iter < 6; ++iter) {
        if (!circleFit(xs, ys, use, cx, cy, r))
            return fit;
        std::vector<float> dev;
        std::vector<double> res(xs.size());
        for (std::size_t i = 0; i < xs.size(); ++i) {
            res[i] = std::fabs(std::hypot(xs[i] - cx, ys[i] - cy) - r);
            dev.push_back(static_cast<float>(res[i]));
        }
        const double limit = std::max(0.5, 3 * 1.4826 * percentile(dev, 0.5));
        bool changed = false;
        for (std::size_t i = 0; i < xs.size(); ++i) {
            const char keep = res[i] <= limit;
            changed |= keep != use[i];
            use[i] = keep;
        }
        if (!changed)
            break;
    }
    fit.edgePoints = static_cast<int>(std::count(use.begin(), use.end(), 1));
    if (fit.edgePoints < 36 || r < 8)
        return fit;
    fit.found = true;
    fit.col = cx, fit.row = cy, fit.radius = r;
    return fit;
}

} // namespace solar

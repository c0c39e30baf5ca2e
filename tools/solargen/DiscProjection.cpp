#include "DiscProjection.h"

#include <cmath>

namespace solar::gen {
namespace {
constexpr long double Rad = 3.14159265358979323846264338327950288L / 180.0L;
}

long double DiscGeometry::radiusOverDistance() const {
    return solarRadiusKm / (distanceAu * kmPerAu);
}

Vec3 surfaceVector(const DiscGeometry &g, const SurfacePoint &p) {
    // Rotation of the heliographic frame by B0 about the east-west axis.
    const long double phi = p.latDeg * Rad, l = p.cmLonDeg * Rad, b0 = g.b0Deg * Rad;
    Vec3 v;
    v.x = std::cos(phi) * std::sin(l);
    v.y = std::sin(phi) * std::cos(b0) - std::cos(phi) * std::sin(b0) * std::cos(l);
    v.z = std::sin(phi) * std::sin(b0) + std::cos(phi) * std::cos(b0) * std::cos(l);
    return v;
}

PixelPoint toPixel(const DiscGeometry &g, const SurfacePoint &p) {
    const Vec3 v = surfaceVector(g, p);
    // Observer at distance D (in solar radii) on the z axis: the point is seen at angle a
    // from the centre with tan a = sin(rho) / (D - cos(rho)), sin(rho) the distance from the axis.
    const long double d = 1.0L / g.radiusOverDistance();
    const long double s = std::hypot(v.x, v.y);
    const long double a = std::atan2(s, d - v.z);
    const long double r = a / g.radiusOverDistance(); // in disc radii
    PixelPoint out;
    out.col = g.centreCol + (s > 0 ? r * v.x / s : 0) * g.radiusPx;
    out.row = g.centreRow - (s > 0 ? r * v.y / s : 0) * g.radiusPx;
    // The point is visible when it faces the observer: (observer - point) . normal > 0.
    out.visible = d * v.z - 1 > 0;
    const long double los = std::sqrt(s * s + (d - v.z) * (d - v.z));
    out.mu = (d * v.z - 1) / los;
    return out;
}

} // namespace solar::gen

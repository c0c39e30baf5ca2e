#include "astro/HelioCoord.h"

#include <cmath>

namespace solar {

namespace {

// arcsin written as atan2(v, sqrt(1 - v^2)); an argument beyond +-1 has no value.
bool arcSin(long double v, long double &out) {
    const long double c = 1.0L - v * v;
    if (!std::isfinite(v) || c < 0.0L)
        return false;
    out = std::atan2(v, std::sqrt(c));
    return true;
}

} // namespace

void HeliographicCoordObj::SetImageGeometry(long double distanceAu, long double b0Deg, long double l0Deg,
                                            long double pAngleRad, long double semiDiamRad) {
    sunDistance_ = distanceAu;
    b0_ = b0Deg * DegToRad;
    l0_ = l0Deg * DegToRad;
    pAngle_ = pAngleRad;
    if (semiDiamRad != 0.0L)
        semiDiameter_ = semiDiamRad;
    if (semiDiameter_ == 0.0L)
        semiDiameter_ = DefaultSemiDiameter;
}

void HeliographicCoordObj::SetImageGeometry(const SolarViewGeometry &view) {
    SetImageGeometry(view.distanceAu, view.b0Deg, view.l0Deg, view.pAngleRad, view.semiDiameterRad);
}

bool HeliographicCoordObj::ToHeliographic(long double &longitude, long double &latitude, long double x,
                                          long double y) const {
    // Every value that could make a step divide by zero or leave the real numbers ends the
    // conversion with false, the way a trapped floating-point error would.
    if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(sunDistance_) || !std::isfinite(b0_) ||
        !std::isfinite(pAngle_) || !std::isfinite(semiDiameter_))
        return false;
    const long double radiiPerDistance = sunDistance_ * KmPerAu / KmPerSolarRadius;
    // A distance or semi-diameter of 0 or below describes no view of the Sun.
    if (!(radiiPerDistance > 0.0L) || !std::isfinite(radiiPerDistance) || !(semiDiameter_ > 0.0L))
        return false;

    // Position angle from the upward axis towards the right, and distance from centre.
    const long double theta = std::atan2(x, y);
    const long double r = std::sqrt(x * x + y * y);
    // Angular distance from the disc centre seen from the Earth, then the heliocentric angle
    // (small-angle form of the perspective of a sphere seen from a finite distance).
    const long double rhoPrime = r / radiiPerDistance;
    long double s;
    if (!arcSin(rhoPrime / semiDiameter_, s))
        return false;
    const long double rho = s - rhoPrime;

    // Spherical triangle pole - disc centre - point.
    const long double sinB0 = std::sin(b0_), cosB0 = std::cos(b0_);
    const long double sinRho = std::sin(rho), cosRho = std::cos(rho);
    const long double cosPT = std::cos(pAngle_ - theta), sinPT = std::sin(pAngle_ - theta);
    long double lat;
    if (!arcSin(sinB0 * cosRho + cosB0 * sinRho * cosPT, lat))
        return false;
    const long double lon = -std::atan2(sinRho * sinPT, cosRho * cosB0 - sinB0 * sinRho * cosPT);
    if (!std::isfinite(lat) || !std::isfinite(lon))
        return false;
    latitude = lat;
    longitude = lon;
    return true;
}

} // namespace solar

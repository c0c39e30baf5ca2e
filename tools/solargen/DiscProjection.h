#pragma once
// Where a point of the solar surface lies on a full-disk image: observer at a finite distance on the line
// through the disc centre, solar north up (P = 0), heliographic longitude counted from the central meridian,
// positive to the right (west).

namespace solar::gen {

struct DiscGeometry {
    long double distanceAu = 1;  // observer distance, as written to the header
    long double b0Deg = 0;       // as written to the header
    long double radiusPx = 440;  // disc radius in pixels (the limb), as written to the header
    long double centreCol = 512; // pixel column of the disc centre
    long double centreRow = 512; // pixel row of the disc centre (row 0 is the top of the view)
    long double solarRadiusKm = 696000;
    long double kmPerAu = 149597870.66L;
    // Solar radius over distance: the angle, in radians, that one disc radius spans on the image.
    long double radiusOverDistance() const;
};

struct SurfacePoint {
    long double latDeg = 0;
    long double cmLonDeg = 0; // longitude from the central meridian, west positive
};

struct PixelPoint {
    long double col = 0;
    long double row = 0;
    long double mu = 0;   // cosine of the angle between the surface normal and the line of sight
    bool visible = false; // on the hemisphere turned towards the observer
};

// Unit vector of a surface point in the observer's frame: x right (west), y up (north), z to the observer.
struct Vec3 {
    long double x = 0, y = 0, z = 0;
};
Vec3 surfaceVector(const DiscGeometry &g, const SurfacePoint &p);

// Projects a surface point onto the image. The image scale is uniform in angle: a point seen
// at an angle a from the disc centre lies a / radiusOverDistance() disc radii from it.
PixelPoint toPixel(const DiscGeometry &g, const SurfacePoint &p);

} // namespace solar::gen

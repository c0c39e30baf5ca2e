#pragma once
// HeliographicCoordObj: the geometry of the image on screen (Sun distance, B0, L0, P angle,
// semi-diameter) and the conversion of a point on the solar disc, given as offsets from the disc
// centre in solar radii, into apparent heliographic longitude and latitude.

namespace solar {

// The view of the Sun an image was taken with, as the image's header gives it.
struct SolarViewGeometry {
    long double distanceAu = 0;      // Sun distance in astronomical units
    long double b0Deg = 0;           // heliographic latitude of the disc centre, degrees
    long double l0Deg = 0;           // heliographic longitude of the disc centre, degrees
    long double pAngleRad = 0;       // position angle of the solar axis, radians
    long double semiDiameterRad = 0; // apparent semi-diameter, radians (0: not given)
};

class HeliographicCoordObj {
public:
    // Kilometres in one astronomical unit and in one solar radius.
    static constexpr long double KmPerAu = 149597870.66L;
    static constexpr long double KmPerSolarRadius = 696000.0L;
    static constexpr long double DegToRad = 3.14159265358979323846264338327950288L / 180.0L;
    static constexpr long double RadToDeg = 57.295779513082320877L;
    // 16 arcminutes, used while no image header has given a semi-diameter.
    static constexpr long double DefaultSemiDiameter = 0.0046542114796126145L;

    // Loads the geometry of an image: distance in astronomical units, B0 and L0 in degrees,
    // P angle in radians (taken as it stands), semi-diameter in radians. A semi-diameter of 0
    // keeps the one of the last image that had one (16 arcminutes while there was none).
    void SetImageGeometry(long double distanceAu, long double b0Deg, long double l0Deg, long double pAngleRad,
                          long double semiDiamRad);
    // The same from an image's view of the Sun (its DISTANCE, B0, L0, P_ANGLE, SEMIDIAM cards).
    void SetImageGeometry(const SolarViewGeometry &view);

    // Converts a point (x to the right, y upwards, both in disc radii from the centre) into apparent
    // longitude and latitude in radians. Returns false and leaves both outputs untouched for a point
    // off the disc or when the geometry cannot be used (distance or semi-diameter 0 or
    // negative, values not finite).
    bool ToHeliographic(long double &longitude, long double &latitude, long double x, long double y) const;

    long double SunDistance() const { return sunDistance_; }
    long double PAngle() const { return pAngle_; }
    long double B0() const { return b0_; }
    long double L0() const { return l0_; }
    long double SemiDiameter() const { return semiDiameter_; }

private:
    long double sunDistance_ = 0;
    long double pAngle_ = 0;
    long double b0_ = 0;
    long double l0_ = 0;
    long double semiDiameter_ = 0;
};

} // namespace solar

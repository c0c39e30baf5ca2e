#pragma once
// The Sun as seen from the Earth at a given Universal Time: distance, apparent semi-diameter and the
// orientation of the solar disc (B0, L0 and its rate, P). Shared by the program, its tools and tests.
// Sources: the Earth's heliocentric position from the main terms of VSOP87 (Bretagnon and Francou
// 1988, as tabled in Meeus, Astronomical Algorithms, 2nd ed., 1998, app. III); nutation, aberration
// and the physical ephemeris from Meeus ch. 22, 25 and 29.

namespace solar {

// Julian day of a Gregorian calendar date; the day may carry a fraction (Meeus ch. 7).
long double julianDay(int year, int month, long double day);

// Terrestrial minus Universal Time in seconds near the given year (Espenak and Meeus
// polynomial for 2005-2050, NASA Five Millennium Canon of Solar Eclipses, 2006).
long double deltaTSeconds(long double year);

struct SunView {
    long double distanceAu = 0;   // Earth-Sun distance (geometric, at the moment of observation)
    long double b0Deg = 0;        // heliographic latitude of the disc centre
    long double l0Deg = 0;        // Carrington longitude of the disc centre, 0..360
    long double l0RateDegDay = 0; // rate of change of L0, degrees per day (near -13.2)
    long double pDeg = 0;         // position angle of the solar north pole, east of celestial north
    long double lambdaDeg = 0;    // apparent ecliptic longitude of the Sun (aberration and nutation included)
    // Apparent semi-diameter for a given solar radius, in radians (small-angle: radius / distance,
    // which is the quantity the program's conversion works with).
    long double semiDiameterRad(long double solarRadiusKm) const;
    long double semiDiameterArcsec(long double solarRadiusKm) const;
};

// Kilometres in one astronomical unit as the program's conversion counts them.
inline constexpr long double KmPerAu = 149597870.66L;
// Solar radius the program's conversion assumes, and the nominal radius of IAU 2015 B3.
inline constexpr long double ProgramSolarRadiusKm = 696000.0L;
inline constexpr long double NominalSolarRadiusKm = 695700.0L;
// Sidereal rotation rate of Carrington's system, degrees per day (IAU WGCCRE 2009; Meeus ch. 29 has
// 360 / 25.38, the same to 3e-6).
inline constexpr long double CarringtonSiderealRate = 14.1844L;

// The Sun at a Julian day in Universal Time.
SunView sunView(long double jdUt);
// The same at a moment of the program: days since 1899-12-30 00:00 UT (Julian day - 2415018.5).
inline SunView sunViewAtMoment(long double moment) {
    return sunView(moment + 2415018.5L);
}

} // namespace solar

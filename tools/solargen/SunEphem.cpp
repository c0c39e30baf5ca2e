#include "SunEphem.h"

#include <cmath>

namespace solar::gen {
namespace {

constexpr long double Pi = 3.14159265358979323846264338327950288L;
constexpr long double Rad = Pi / 180.0L;

long double normDeg(long double a) {
    a = std::fmod(a, 360.0L);
    return a < 0 ? a + 360.0L : a;
}

} // namespace

long double julianDay(int year, int month, long double day) {
    // Meeus ch. 7, valid for the Gregorian calendar.
    if (month <= 2) {
        year -= 1;
        month += 12;
    }
    const long double a = std::floor(year / 100.0L);
    const long double b = 2 - a + std::floor(a / 4);
    return std::floor(365.25L * (year + 4716)) + std::floor(30.6001L * (month + 1)) + day + b - 1524.5L;
}

long double deltaTSeconds(long double year) {
    const long double t = year - 2000;
    return 62.92L + 0.32217L * t + 0.005589L * t * t;
}

long double SunView::semiDiameterRad(long double solarRadiusKm) const {
    return solarRadiusKm / (distanceAu * KmPerAu);
}

long double SunView::semiDiameterArcsec(long double solarRadiusKm) const {
    return semiDiameterRad(solarRadiusKm) / Rad * 3600.0L;
}

SunView sunView(long double jdUt) {
    const long double jde = jdUt + deltaTSeconds(2000 + (jdUt - 2451545.0L) / 365.25L) / 86400.0L;
    const long double t = (jde - 2451545.0L) / 36525.0L;

    // Geometric longitude and radius vector of the Sun (Meeus ch. 25, eq. 25.2-25.5).
    const long double l0 = 280.46646L + 36000.76983L * t + 0.0003032L * t * t;
    const long double m = 357.52911L + 35999.05029L * t - 0.0001537L * t * t;
    const long double e = 0.016708634L - 0.000042037L * t - 0.0000001267L * t * t;
    const long double c = (1.914602L - 0.004817L * t - 0.000014L * t * t) * std::sin(m * Rad) +
                          (0.019993L - 0.000101L * t) * std::sin(2 * m * Rad) +
                          0.000289L * std::sin(3 * m * Rad);
    const long double trueLong = l0 + c;
    const long double nu = m + c;
    const long double r = 1.000001018L * (1 - e * e) / (1 + e * std::cos(nu * Rad));

    // Aberration (-20.4898"/R) and nutation in longitude (main term) (Meeus ch. 25, p. 164-165).
    const long double omega = 125.04L - 1934.136L * t;
    const long double aberration = -20.4898L / 3600.0L / r;
    const long double lambda = trueLong + aberration;                        // mean equinox of date
    const long double lambdaApp = lambda - 0.00478L * std::sin(omega * Rad); // true equinox of date

    // True obliquity of the ecliptic (Meeus eq. 22.2 and p. 165).
    const long double eps0 = 23.0L + 26.0L / 60 + 21.448L / 3600 -
                             (46.8150L * t + 0.00059L * t * t - 0.001813L * t * t * t) / 3600.0L;
    const long double eps = eps0 + 0.00256L * std::cos(omega * Rad);

    // Physical ephemeris of the Sun (Meeus ch. 29): Carrington's elements.
    const long double theta = (jde - 2398220.0L) * 360.0L / 25.38L;
    const long double inc = 7.25L * Rad;
    const long double k = (73.6667L + 1.3958333L * (jde - 2396758.0L) / 36525.0L) * Rad;
    const long double lk = lambda * Rad - k;

    const long double x = std::atan(-std::cos(lambdaApp * Rad) * std::tan(eps * Rad));
    const long double y = std::atan(-std::cos(lk) * std::tan(inc));

    SunView v;
    v.distanceAu = r;
    v.lambdaDeg = normDeg(lambdaApp);
    v.pDeg = (x + y) / Rad;
    v.b0Deg = std::asin(std::sin(lk) * std::sin(inc)) / Rad;
    const long double eta = std::atan2(-std::sin(lk) * std::cos(inc), -std::cos(lk)) / Rad;
    v.l0Deg = normDeg(eta - theta);
    return v;
}

} // namespace solar::gen

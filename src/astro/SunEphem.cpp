#include "astro/SunEphem.h"

#include <cmath>
#include <cstddef>

namespace solar {
namespace {

constexpr long double Pi = 3.14159265358979323846264338327950288L;
constexpr long double Rad = Pi / 180.0L;
constexpr long double ArcsecRad = Rad / 3600.0L;

long double normDeg(long double a) {
    a = std::fmod(a, 360.0L);
    return a < 0 ? a + 360.0L : a;
}

// One periodic term A cos(B + C tau) of VSOP87, A in 1e-8 (radians or AU), tau in Julian millennia.
struct Term {
    double a, b, c;
};

// The Earth's heliocentric ecliptic longitude, latitude and radius vector (VSOP87D, equinox of
// date), main terms as tabled by Meeus (app. III): truncation errors near 1" and 1e-7 AU.
const Term L0[] = {
    {175347046, 0, 0},
    {3341656, 4.6692568, 6283.0758500},
    {34894, 4.62610, 12566.15170},
    {3497, 2.7441, 5753.3849},
    {3418, 2.8289, 3.5231},
    {3136, 3.6277, 77713.7715},
    {2676, 4.4181, 7860.4194},
    {2343, 6.1352, 3930.2097},
    {1324, 0.7425, 11506.7698},
    {1273, 2.0371, 529.6910},
    {1199, 1.1096, 1577.3435},
    {990, 5.233, 5884.927},
    {902, 2.045, 26.298},
    {857, 3.508, 398.149},
    {780, 1.179, 5223.694},
    {753, 2.533, 5507.553},
    {505, 4.583, 18849.228},
    {492, 4.205, 775.523},
    {357, 2.920, 0.067},
    {317, 5.849, 11790.629},
    {284, 1.899, 796.298},
    {271, 0.315, 10977.079},
    {243, 0.345, 5486.778},
    {206, 4.806, 2544.314},
    {205, 1.869, 5573.143},
    {202, 2.458, 6069.777},
    {156, 0.833, 213.299},
    {132, 3.411, 2942.463},
    {126, 1.083, 20.775},
    {115, 0.645, 0.980},
    {103, 0.636, 4694.003},
    {102, 0.976, 15720.839},
    {102, 4.267, 7.114},
    {99, 6.21, 2146.17},
    {98, 0.68, 155.42},
    {86, 5.98, 161000.69},
    {85, 1.30, 6275.96},
    {85, 3.67, 71430.70},
    {80, 1.81, 17260.15},
    {79, 3.04, 12036.46},
    {75, 1.76, 5088.63},
    {74, 3.50, 3154.69},
    {74, 4.68, 801.82},
    {70, 0.83, 9437.76},
    {62, 3.98, 8827.39},
    {61, 1.82, 7084.90},
    {57, 2.78, 6286.60},
    {56, 4.39, 14143.50},
    {56, 3.47, 6279.55},
    {52, 0.19, 12139.55},
    {52, 1.33, 1748.02},
    {51, 0.28, 5856.48},
    {49, 0.49, 1194.45},
    {41, 5.37, 8429.24},
    {41, 2.40, 19651.05},
    {39, 6.17, 10447.39},
    {37, 6.04, 10213.29},
    {37, 2.57, 1059.38},
    {36, 1.71, 2352.87},
    {36, 1.78, 6812.77},
    {33, 0.59, 17789.85},
    {30, 0.44, 83996.85},
    {30, 2.74, 1349.87},
    {25, 3.16, 4690.48},
};
const Term L1[] = {
    {628331966747.0, 0, 0},     {206059, 2.678235, 6283.075850},
    {4303, 2.6351, 12566.1517}, {425, 1.590, 3.523},
    {119, 5.796, 26.298},       {109, 2.966, 1577.344},
    {93, 2.59, 18849.23},       {72, 1.14, 529.69},
    {68, 1.87, 398.15},         {67, 4.41, 5507.55},
    {59, 2.89, 5223.69},        {56, 2.17, 155.42},
    {45, 0.40, 796.30},         {36, 0.47, 775.52},
    {29, 2.65, 7.11},           {21, 5.34, 0.98},
    {19, 1.85, 5486.78},        {19, 4.97, 213.30},
    {17, 2.99, 6275.96},        {16, 0.03, 2544.31},
    {16, 1.43, 2146.17},        {15, 1.21, 10977.08},
    {12, 2.83, 1748.02},        {12, 3.26, 5088.63},
    {12, 5.27, 1194.45},        {12, 2.08, 4694.00},
    {11, 0.77, 553.57},         {10, 1.30, 6286.60},
    {10, 4.24, 1349.87},        {9, 2.70, 242.73},
    {9, 5.64, 951.72},          {8, 5.30, 2352.87},
    {6, 2.65, 9437.76},         {6, 4.67, 4690.48},
};
const Term L2[] = {
    {52919, 0, 0},     {8720, 1.0721, 6283.0758}, {309, 0.867, 12566.152}, {27, 0.05, 3.52},
    {16, 5.19, 26.30}, {16, 3.68, 155.42},        {10, 0.76, 18849.23},    {9, 2.06, 77713.77},
    {7, 0.83, 775.52}, {5, 4.66, 1577.34},        {4, 1.03, 7.11},         {4, 3.44, 5573.14},
    {3, 5.14, 796.30}, {3, 6.05, 5507.55},        {3, 1.19, 242.73},       {3, 6.12, 529.69},
    {3, 0.31, 398.15}, {3, 2.28, 553.57},         {2, 4.38, 5223.69},      {2, 3.75, 0.98},
};
const Term L3[] = {
    {289, 5.844, 6283.076}, {35, 0, 0},          {17, 5.49, 12566.15}, {3, 5.20, 155.42},
    {1, 4.72, 3.52},        {1, 5.30, 18849.23}, {1, 5.97, 242.73},
};
const Term L4[] = {{114, 3.142, 0}, {8, 4.13, 6283.08}, {1, 3.84, 12566.15}};
const Term L5[] = {{1, 3.14, 0}};

const Term B0[] = {
    {280, 3.199, 84334.662}, {102, 5.422, 5507.553}, {80, 3.88, 5223.69},
    {44, 3.70, 2352.87},     {32, 4.00, 1577.34},
};
const Term B1[] = {{9, 3.90, 5507.55}, {6, 1.73, 5223.69}};

const Term R0[] = {
    {100013989, 0, 0},
    {1670700, 3.0984635, 6283.0758500},
    {13956, 3.05525, 12566.15170},
    {3084, 5.1985, 77713.7715},
    {1628, 1.1739, 5753.3849},
    {1576, 2.8469, 7860.4194},
    {925, 5.453, 11506.770},
    {542, 4.564, 3930.210},
    {472, 3.661, 5884.927},
    {346, 0.964, 5507.553},
    {329, 5.900, 5223.694},
    {307, 0.299, 5573.143},
    {243, 4.273, 11790.629},
    {212, 5.847, 1577.344},
    {186, 5.022, 10977.079},
    {175, 3.012, 18849.228},
    {110, 5.055, 5486.778},
    {98, 0.89, 6069.78},
    {86, 5.69, 15720.84},
    {86, 1.27, 161000.69},
    {65, 0.27, 17260.15},
    {63, 0.92, 529.69},
    {57, 2.01, 83996.85},
    {56, 5.24, 71430.70},
    {49, 3.25, 2544.31},
    {47, 2.58, 775.52},
    {45, 5.54, 9437.76},
    {43, 6.01, 6275.96},
    {39, 5.36, 4694.00},
    {38, 2.39, 8827.39},
    {37, 0.83, 19651.05},
    {37, 4.90, 12139.55},
    {36, 1.67, 12036.46},
    {35, 1.84, 2942.46},
    {33, 0.24, 7084.90},
    {32, 0.18, 5088.63},
    {32, 1.78, 398.15},
    {28, 1.21, 6286.60},
    {28, 1.90, 6279.55},
    {26, 4.59, 10447.39},
};
const Term R1[] = {
    {103019, 1.107490, 6283.075850},
    {1721, 1.0644, 12566.1517},
    {702, 3.142, 0},
    {32, 1.02, 18849.23},
    {31, 2.84, 5507.55},
    {25, 1.32, 5223.69},
    {18, 1.42, 1577.34},
    {10, 5.91, 10977.08},
    {9, 1.42, 6275.96},
    {9, 0.27, 5486.78},
};
const Term R2[] = {
    {4359, 5.7846, 6283.0758}, {124, 5.579, 12566.152}, {12, 3.14, 0},
    {9, 3.63, 77713.77},       {6, 1.87, 5573.14},      {3, 5.47, 18849.23},
};
const Term R3[] = {{145, 4.273, 6283.076}, {7, 3.92, 12566.15}};
const Term R4[] = {{4, 2.56, 6283.08}};

template <std::size_t N> long double series(const Term (&terms)[N], long double tau) {
    long double s = 0;
    for (const Term &t : terms)
        s += t.a * std::cos(t.b + t.c * tau);
    return s;
}

struct Heliocentric {
    long double l, b, r; // radians, radians, AU
};

Heliocentric earth(long double tau) {
    const long double l =
        series(L0, tau) +
        tau * (series(L1, tau) +
               tau * (series(L2, tau) +
                      tau * (series(L3, tau) + tau * (series(L4, tau) + tau * series(L5, tau)))));
    const long double b = series(B0, tau) + tau * series(B1, tau);
    const long double r =
        series(R0, tau) +
        tau * (series(R1, tau) + tau * (series(R2, tau) + tau * (series(R3, tau) + tau * series(R4, tau))));
    return {l * 1e-8L, b * 1e-8L, r * 1e-8L};
}

// The Sun's geometric longitude (FK5, mean equinox of date) in degrees and distance in AU at a
// Julian Ephemeris Day.
void geometricSun(long double jde, long double &lonDeg, long double &rAu) {
    const long double tau = (jde - 2451545.0L) / 365250.0L;
    const Heliocentric e = earth(tau);
    // Meeus eq. 32.3 (p. 219): from the dynamical to the FK5 system.
    lonDeg = e.l / Rad + 180.0L - 0.09033L / 3600.0L;
    rAu = e.r;
}

// Light time for one astronomical unit, in days (Meeus ch. 33: 0.0057755183 d).
constexpr long double LightDaysPerAu = 0.0057755183L;

// The arc along the solar equator from its node on the J2000 equator to its node on the J2000
// ecliptic, in the sense of rotation (near 61.1 deg). The pole is the IAU one (RA 286.13, Dec 63.87);
// the ecliptic node is Meeus' K at J2000 with the J2000 mean obliquity. The ecliptic node of date
// moves with the equinox, so the arc stays constant to 1e-5 deg a year.
long double nodeArcDeg() {
    static const long double arc = [] {
        const long double a0 = 286.13L * Rad, d0 = 63.87L * Rad;
        const long double eps = (23.0L + 26.0L / 60 + 21.448L / 3600) * Rad;
        const long double k = (73.6667L + 1.3958333L * (2451545.0L - 2396758.0L) / 36525.0L) * Rad;
        const long double px = std::cos(d0) * std::cos(a0), py = std::cos(d0) * std::sin(a0),
                          pz = std::sin(d0);
        const long double qx = std::cos(a0 + Pi / 2), qy = std::sin(a0 + Pi / 2), qz = 0;
        const long double ex = std::cos(k), ey = std::sin(k) * std::cos(eps),
                          ez = std::sin(k) * std::sin(eps);
        const long double cx = qy * ez - qz * ey, cy = qz * ex - qx * ez, cz = qx * ey - qy * ex;
        return std::atan2(cx * px + cy * py + cz * pz, qx * ex + qy * ey + qz * ez) / Rad;
    }();
    return arc;
}

struct Orientation {
    long double b0, l0, p, lambdaApp, r;
};

Orientation orientation(long double jde) {
    const long double t = (jde - 2451545.0L) / 36525.0L;
    long double lonGeo = 0, r = 0;
    geometricSun(jde, lonGeo, r);

    // Nutation in longitude and obliquity, Meeus ch. 22 short form (0.5" and 0.1").
    const long double omega = (125.04452L - 1934.136261L * t) * Rad;
    const long double ls = (280.4665L + 36000.7698L * t) * Rad;
    const long double lm = (218.3165L + 481267.8813L * t) * Rad;
    const long double dPsi = (-17.20L * std::sin(omega) - 1.32L * std::sin(2 * ls) -
                              0.23L * std::sin(2 * lm) + 0.21L * std::sin(2 * omega)) /
                             3600.0L;
    const long double dEps = (9.20L * std::cos(omega) + 0.57L * std::cos(2 * ls) + 0.10L * std::cos(2 * lm) -
                              0.09L * std::cos(2 * omega)) /
                             3600.0L;
    // Mean obliquity (Meeus eq. 22.2) and true obliquity.
    const long double eps0 = 23.0L + 26.0L / 60 + 21.448L / 3600 -
                             (46.8150L * t + 0.00059L * t * t - 0.001813L * t * t * t) / 3600.0L;
    const long double eps = eps0 + dEps;

    // Annual aberration, -20.4898" / R (Meeus eq. 25.10).
    const long double lambda = lonGeo - 20.4898L / 3600.0L / r; // aberrated, mean equinox of date
    const long double lambdaApp = lambda + dPsi;                // true equinox of date

    // Physical ephemeris (Meeus ch. 29): the solar equator's node K and inclination on the ecliptic of
    // date give B0, P and the sub-Earth point's angle eta along the equator from that node.
    const long double inc = 7.25L * Rad;
    const long double k = (73.6667L + 1.3958333L * (jde - 2396758.0L) / 36525.0L) * Rad;
    const long double lk = lambda * Rad - k;
    const long double x = std::atan(-std::cos(lambdaApp * Rad) * std::tan(eps * Rad));
    const long double y = std::atan(-std::cos(lk) * std::tan(inc));

    Orientation o;
    o.r = r;
    o.lambdaApp = normDeg(lambdaApp);
    o.p = (x + y) / Rad;
    o.b0 = std::asin(std::sin(lk) * std::sin(inc)) / Rad;
    const long double eta = std::atan2(-std::sin(lk) * std::cos(inc), -std::cos(lk)) / Rad;
    // Carrington longitude by the IAU rotation elements (WGCCRE 2009): the prime meridian stands
    // W = 84.176 + 14.1844 d degrees (d: days from J2000.0) from the node of the solar equator on the
    // J2000 equator, and the disc is seen as it was one light time earlier.
    const long double d = jde - LightDaysPerAu * r - 2451545.0L;
    const long double w = 84.176L + CarringtonSiderealRate * d;
    o.l0 = normDeg(eta + nodeArcDeg() - w);
    return o;
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
    return semiDiameterRad(solarRadiusKm) / ArcsecRad;
}

SunView sunView(long double jdUt) {
    const long double jde = jdUt + deltaTSeconds(2000 + (jdUt - 2451545.0L) / 365.25L) / 86400.0L;
    const Orientation o = orientation(jde);
    SunView v;
    v.distanceAu = o.r;
    v.lambdaDeg = o.lambdaApp;
    v.pDeg = o.p;
    v.b0Deg = o.b0;
    v.l0Deg = o.l0;
    // Rate of L0 by a central difference over two hours (its curvature is negligible there).
    constexpr long double h = 1.0L / 24.0L;
    const long double ahead = orientation(jde + h).l0, behind = orientation(jde - h).l0;
    v.l0RateDegDay = std::remainder(ahead - behind, 360.0L) / (2 * h);
    return v;
}

} // namespace solar

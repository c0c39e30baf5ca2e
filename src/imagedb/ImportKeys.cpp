#include "imagedb/ImportImg.h"
#include "imagedb/ImportParts.h"

#include "astro/DateTime.h"
#include "astro/SunEphem.h"
#include "support/StringUt.h"
#include "support/Translate.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

namespace solar {

using namespace importparts;

std::string importparts::upper(std::string s) {
    for (char &c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

namespace {

constexpr double Rad = Pi / 180.0;
constexpr double ArcsecRad = Rad / 3600.0;

std::optional<double> number(const RawImage &img, const std::string &key) {
    const auto it = img.keys.find(key);
    if (it == img.keys.end() || it->second.empty())
        return std::nullopt;
    std::string v = it->second;
    std::replace(v.begin(), v.end(), 'D', 'E'); // Fortran exponents
    // from_chars reads a "." decimal point whatever the C library's numeric locale is.
    std::size_t a = 0;
    while (a < v.size() && v[a] == ' ')
        ++a;
    if (a < v.size() && v[a] == '+')
        ++a;
    double d = 0;
    const auto res = std::from_chars(v.data() + a, v.data() + v.size(), d);
    if (res.ec != std::errc() || !std::isfinite(d))
        return std::nullopt;
    return d;
}

std::string text(const RawImage &img, const std::string &key) {
    const auto it = img.keys.find(key);
    return it == img.keys.end() ? std::string() : it->second;
}

// Reads "hh:mm:ss[.fff]" into seconds of the day.
bool clockSeconds(const std::string &s, double &sec) {
    int h = 0, m = 0, used = 0;
    double x = 0;
    char c1 = 0, c2 = 0;
    if (std::sscanf(s.c_str(), "%d%c%d%c%n", &h, &c1, &m, &c2, &used) == 4 && c1 == ':' && c2 == ':') {
        // The seconds through from_chars: sscanf's %lf would read the locale's decimal separator.
        const char *p = s.c_str() + used;
        while (*p == ' ')
            ++p;
        if (std::from_chars(p, s.c_str() + s.size(), x).ec != std::errc())
            return false;
    } else if (std::sscanf(s.c_str(), "%d%c%d", &h, &c1, &m) == 3 && c1 == ':') {
        x = 0;
    } else {
        return false;
    }
    if (h < 0 || h > 23 || m < 0 || m > 59 || x < 0 || x >= 61)
        return false;
    sec = h * 3600.0 + m * 60.0 + x;
    return true;
}

// A date "YYYY-MM-DD" (also with "." or "/" between), "DD/MM/YY" or "DD/MM/YYYY", with an optional
// time after "T", "_" or a blank. False when it is none of these.
bool parseDate(const std::string &s, int &y, int &mo, int &d, double &sec, bool &hasTime) {
    int a = 0, b = 0, c = 0, used = 0;
    char s1 = 0, s2 = 0;
    if (std::sscanf(s.c_str(), "%d%c%d%c%d%n", &a, &s1, &b, &s2, &c, &used) != 5 || s1 != s2)
        return false;
    if (a > 31) { // year first
        y = a, mo = b, d = c;
    } else if (s1 == '/') {
        d = a, mo = b, y = c < 100 ? (c >= 80 ? 1900 + c : 2000 + c) : c;
    } else {
        return false;
    }
    if (mo < 1 || mo > 12 || d < 1 || d > 31)
        return false;
    hasTime = false;
    sec = 0;
    std::string rest = s.substr(static_cast<std::size_t>(used));
    if (!rest.empty() && (rest[0] == 'T' || rest[0] == '_' || rest[0] == ' ')) {
        rest = rest.substr(1);
        const std::size_t end = rest.find_first_not_of("0123456789:.");
        if (!clockSeconds(rest.substr(0, end), sec))
            return false;
        hasTime = true;
    }
    return true;
}

// TAI minus UTC in seconds after the leap seconds of 1999-2017.
double taiMinusUtc(int y, int mo) {
    const int ym = y * 100 + mo;
    return ym >= 201701   ? 37
           : ym >= 201507 ? 36
           : ym >= 201207 ? 35
           : ym >= 200901 ? 34
           : ym >= 200601 ? 33
                          : 32;
}

bool observationTime(const RawImage &img, ImportGeometry &geo, std::string &error) {
    int y = 0, mo = 0, d = 0;
    double sec = 0;
    bool hasTime = false, ok = false;
    for (const char *key : {"DATE-OBS", "DATE_OBS", "DATE-BEG"}) {
        if (parseDate(text(img, key), y, mo, d, sec, hasTime)) {
            ok = true;
            break;
        }
    }
    if (ok && !hasTime) {
        for (const char *key : {"TIME-OBS", "TIME_OBS", "UT"})
            if (clockSeconds(text(img, key), sec)) {
                hasTime = true;
                break;
            }
    }
    if (!ok || !hasTime) {
        // T_OBS of the solar observatories: "2024.05.01_12:00:00.00_TAI".
        const std::string t = text(img, "T_OBS");
        if (parseDate(t, y, mo, d, sec, hasTime) && hasTime) {
            ok = true;
            if (t.find("TAI") != std::string::npos)
                sec -= taiMinusUtc(y, mo);
        }
    }
    if (!ok || !hasTime) {
        error = translate("ImportImg",
                          "no observation date and time in the header (DATE-OBS, TIME-OBS or T_OBS)");
        return false;
    }
    const double days = static_cast<double>(daysFromCivil(y, mo, d) - daysFromCivil(1899, 12, 30));
    geo.moment = days + sec / 86400.0;
    // The name and the header carry the time to the second, rounded down.
    const long long whole = static_cast<long long>(std::floor(geo.moment * 86400.0 + 1e-6));
    const long long day = whole / 86400 + daysFromCivil(1899, 12, 30);
    const long long s = whole % 86400;
    civilFromDays(day, geo.year, geo.month, geo.day);
    geo.hour = static_cast<int>(s / 3600);
    geo.minute = static_cast<int>(s / 60 % 60);
    geo.second = static_cast<int>(s % 60);
    if (geo.year < 1951 || geo.year > 2050) {
        error = arg(translate("ImportImg",
                              "the observation year %1 is outside 1951-2050, which the image names can hold"),
                    {std::to_string(geo.year)});
        return false;
    }
    return true;
}

struct Mat {
    double m[2][2];
    double det() const { return m[0][0] * m[1][1] - m[0][1] * m[1][0]; }
    Mat inverse() const {
        const double k = 1 / det();
        return {{{m[1][1] * k, -m[0][1] * k}, {-m[1][0] * k, m[0][0] * k}}};
    }
};

// The WCS pixel-to-sky matrix in arcseconds per pixel, when the header states one.
std::optional<Mat> wcsMatrix(const RawImage &img, double &unit) {
    const std::string cunit = upper(text(img, "CUNIT1"));
    unit = cunit == "DEG" ? 3600.0 : cunit == "ARCMIN" ? 60.0 : 1.0;
    const std::string ctype = upper(text(img, "CTYPE1"));
    const bool solarAxes = ctype.rfind("HPLN", 0) == 0 || ctype.rfind("SOLAR", 0) == 0;
    if (number(img, "CD1_1")) {
        Mat d{{{number(img, "CD1_1").value_or(0), number(img, "CD1_2").value_or(0)},
               {number(img, "CD2_1").value_or(0), number(img, "CD2_2").value_or(0)}}};
        for (auto &row : d.m)
            for (double &v : row)
                v *= unit;
        return d;
    }
    const auto c1 = number(img, "CDELT1"), c2 = number(img, "CDELT2");
    const bool hasPc =
        number(img, "PC1_1") || number(img, "PC1_2") || number(img, "PC2_1") || number(img, "PC2_2");
    const auto crota = number(img, "CROTA2") ? number(img, "CROTA2") : number(img, "CROTA1");
    if (!c1 || !c2 || (!hasPc && !crota && !solarAxes))
        return std::nullopt;
    const double a = *c1 * unit, b = *c2 * unit;
    if (hasPc) {
        return Mat{{{a * number(img, "PC1_1").value_or(1), a * number(img, "PC1_2").value_or(0)},
                    {b * number(img, "PC2_1").value_or(0), b * number(img, "PC2_2").value_or(1)}}};
    }
    const double r = crota.value_or(0) * Rad;
    return Mat{{{a * std::cos(r), -b * std::sin(r)}, {a * std::sin(r), b * std::cos(r)}}};
}

// The observer's distance in AU from the apparent solar radius in arcseconds: the radius is the
// angle whose sine is the solar radius over the distance.
long double distanceFromApparentRadius(double arcsec) {
    return ProgramSolarRadiusKm / (KmPerAu * std::sin(static_cast<long double>(arcsec) * ArcsecRad));
}

} // namespace

bool orientationFromSolarP(const std::string &path) {
    RawImage img;
    std::string error;
    if (!readRawHeader(path, img, error))
        return false;
    double unit = 1;
    const std::optional<Mat> d = wcsMatrix(img, unit);
    const bool own = !number(img, "SOLAR-B0") && number(img, "DISTANCE").value_or(0) > 0;
    return number(img, "SOLAR-P") && !own && !(d && std::fabs(d->det()) > 0);
}

bool findGeometry(const RawImage &img, ImportGeometry &geo, std::string &error,
                  SolarPOrientation orientation) {
    geo = ImportGeometry();
    if (!observationTime(img, geo, error))
        return false;
    const SunView sun = sunViewAtMoment(geo.moment);
    const bool gong = number(img, "SOLAR-B0").has_value();
    const bool own = !gong && number(img, "DISTANCE").value_or(0) > 0;
    const bool wcs = !gong && !own && (number(img, "DSUN_OBS") || number(img, "CRLT_OBS"));

    // B0, L0 and the distance.
    geo.distanceAu = sun.distanceAu;
    geo.b0Deg = sun.b0Deg;
    geo.l0Deg = sun.l0Deg;
    if (own) {
        geo.distanceAu = *number(img, "DISTANCE");
        geo.b0Deg = number(img, "B0").value_or(static_cast<double>(sun.b0Deg));
        geo.l0Deg = number(img, "L0").value_or(static_cast<double>(sun.l0Deg));
        geo.orientationFrom = "DISTANCE, B0, L0";
    } else if (gong) {
        geo.b0Deg = *number(img, "SOLAR-B0");
        geo.l0Deg = number(img, "SOLAR-L0").value_or(static_cast<double>(sun.l0Deg));
        if (const auto r = number(img, "SOLAR-R"); r && *r > 0)
            geo.distanceAu = distanceFromApparentRadius(*r);
        else if (const auto dsun = number(img, "DSUN_OBS"); dsun && *dsun > 0)
            geo.distanceAu = *dsun / 1000.0L / KmPerAu;
        geo.orientationFrom = "SOLAR-B0, SOLAR-L0, SOLAR-R";
    } else if (wcs) {
        if (const auto dsun = number(img, "DSUN_OBS"); dsun && *dsun > 0)
            geo.distanceAu = *dsun / 1000.0L / KmPerAu;
        else if (const auto r = number(img, "RSUN_OBS"); r && *r > 0)
            geo.distanceAu = distanceFromApparentRadius(*r);
        geo.b0Deg = number(img, "CRLT_OBS").value_or(static_cast<double>(sun.b0Deg));
        geo.l0Deg = number(img, "CRLN_OBS").value_or(static_cast<double>(sun.l0Deg));
        geo.orientationFrom = "DSUN_OBS, CRLT_OBS, CRLN_OBS";
    } else {
        geo.orientationFrom = "the solar ephemeris at DATE-OBS";
    }
    // An apparent radius that puts the observer more than 2% off the Earth's distance is not the
    // photospheric radius in arcseconds (another unit or radius); the ephemeris is exact there.
    if ((gong || (wcs && !number(img, "DSUN_OBS"))) &&
        std::fabs(geo.distanceAu / sun.distanceAu - 1) > 0.02L) {
        geo.distanceAu = sun.distanceAu;
        geo.orientationFrom += " (distance from the ephemeris: the apparent radius is not in arcseconds)";
    }
    geo.l0Deg = std::fmod(geo.l0Deg, 360.0L);
    if (geo.l0Deg < 0)
        geo.l0Deg += 360;
    if (!(geo.distanceAu > 0.2L && geo.distanceAu < 2) || !(std::fabs(geo.b0Deg) <= 90)) {
        error =
            arg(translate("ImportImg", "the header's solar distance or B0 is impossible (distance %1 AU)"),
                {FixedText(geo.distanceAu, 6)});
        return false;
    }

    // Disc centre and radius in input pixels.
    double unit = 1;
    const std::optional<Mat> d = wcsMatrix(img, unit);
    const auto xc = number(img, "FNDLMBXC"), yc = number(img, "FNDLMBYC"), ma = number(img, "FNDLMBMA");
    const auto crpix1 = number(img, "CRPIX1"), crpix2 = number(img, "CRPIX2");
    if (own && ma && *ma > 0) {
        // The program's own rule: the disc centre is the image centre.
        geo.centreCol = img.width / 2;
        geo.centreRow = img.height / 2;
        geo.radiusPx = *ma;
        geo.discFrom = "FNDLMBMA, centre at NAXIS / 2";
    } else if (!own && xc && yc && ma && *ma > 0) {
        // Limb-fit keywords count from the outer edge of the first pixel: its centre is at 0.5.
        geo.centreCol = *xc - 0.5;
        geo.centreRow = *yc - 0.5;
        geo.radiusPx = *ma;
        geo.discFrom = "FNDLMBXC, FNDLMBYC, FNDLMBMA";
    } else if (d && crpix1 && crpix2 && std::fabs(d->det()) > 0) {
        const Mat inv = d->inverse();
        const double v1 = number(img, "CRVAL1").value_or(0) * unit,
                     v2 = number(img, "CRVAL2").value_or(0) * unit;
        geo.centreCol = *crpix1 - 1 - (inv.m[0][0] * v1 + inv.m[0][1] * v2);
        geo.centreRow = *crpix2 - 1 - (inv.m[1][0] * v1 + inv.m[1][1] * v2);
        double rsun = number(img, "RSUN_OBS").value_or(0);
        if (!(rsun > 0))
            rsun =
                static_cast<double>(std::asin(ProgramSolarRadiusKm / (geo.distanceAu * KmPerAu))) / ArcsecRad;
        geo.radiusPx = rsun / std::sqrt(std::fabs(d->det()));
        geo.discFrom = "CRPIX, CRVAL, CDELT and RSUN_OBS";
    } else {
        const LimbFit fit = fitLimb(img);
        if (!fit.found) {
            error = translate("ImportImg",
                              "no solar disc found (no disc keywords and no clear limb in the image)");
            return false;
        }
        geo.centreCol = fit.col;
        geo.centreRow = fit.row;
        geo.radiusPx = fit.radius;
        geo.discFrom = "a fit to the limb";
    }
    if (geo.discFrom != "a fit to the limb") {
        // The header's disc checked against the limb: keywords of another convention or a stale
        // fit would shift every measurement. A clear limb that disagrees by more than 3 pixels or
        // 1% of the radius wins.
        const LimbFit fit = fitLimb(img);
        const double off = std::max(std::hypot(fit.col - geo.centreCol, fit.row - geo.centreRow),
                                    std::fabs(fit.radius - geo.radiusPx));
        if (fit.found && fit.edgePoints >= 270 && off > std::max(3.0, 0.01 * geo.radiusPx)) {
            const std::string b =
                "a fit to the limb (" + geo.discFrom + " were " + FixedText(off, 1) + " px off)";
            geo.centreCol = fit.col;
            geo.centreRow = fit.row;
            geo.radiusPx = fit.radius;
            geo.discFrom = b;
        }
    }
    if (!(geo.radiusPx >= 16) || geo.centreCol < 0 || geo.centreRow < 0 || geo.centreCol > img.width - 1 ||
        geo.centreRow > img.height - 1 || geo.radiusPx > 2 * std::max(img.width, img.height)) {
        error = translate("ImportImg", "the solar disc lies outside the image or is too small");
        return false;
    }

    // Which way solar north lies. From the disc offset (x west, y north) to pixel offsets.
    const double r = geo.radiusPx;
    if (own) {
        // The program's P_ANGLE (radians), rows from the top of the view.
        const double p = number(img, "P_ANGLE").value_or(0);
        geo.a[0][0] = r * std::cos(p), geo.a[0][1] = r * std::sin(p);
        geo.a[1][0] = r * std::sin(p), geo.a[1][1] = -r * std::cos(p);
        geo.northFrom = "P_ANGLE, first row at the top";
    } else if (d && std::fabs(d->det()) > 0) {
        // Helioprojective axes point west and to solar north; the matrix turns pixels onto them.
        const Mat inv = d->inverse();
        const double k = r / std::sqrt(std::fabs(inv.det()));
        for (int i = 0; i < 2; ++i)
            for (int j = 0; j < 2; ++j)
                geo.a[i][j] = inv.m[i][j] * k;
        geo.northFrom = number(img, "PC1_1")   ? "the PC matrix"
                        : number(img, "CD1_1") ? "the CD matrix"
                                               : "CROTA2";
    } else if (const auto solarP = number(img, "SOLAR-P")) {
        // SOLAR-P without a stated turn: either the position angle of an image already turned
        // solar north up, or the turn still to be made on an image as the sky shows it.
        bool northUp = orientation == SolarPOrientation::NorthUp;
        if (orientation == SolarPOrientation::NorthUp) {
            geo.northFrom = "the user: solar north up, SOLAR-P only recorded";
        } else if (orientation == SolarPOrientation::Sky) {
            geo.northFrom = "the user: as the sky shows it, turned by SOLAR-P";
        } else if (const std::string telescope = upper(text(img, "TELESCOP"));
                   telescope.size() >= 4 && telescope.compare(telescope.size() - 4, 4, "GONG") == 0) {
            northUp = true;
            geo.northFrom = "TELESCOP " + text(img, "TELESCOP") + ": solar north up, SOLAR-P only recorded";
        } else if (xc && yc && ma) {
            northUp = true;
            geo.northFrom = "FNDLMBXC/YC/MA with SOLAR-P: solar north up, SOLAR-P only recorded";
        } else {
            geo.northFrom = "SOLAR-P without disc keywords: as the sky shows it, turned by SOLAR-P";
        }
        if (northUp) {
            geo.a[0][0] = r, geo.a[0][1] = 0, geo.a[1][0] = 0, geo.a[1][1] = r;
        } else {
            // Celestial north toward the last row, east to the left; solar north lies P degrees
            // east of celestial north.
            const double p = *solarP * Rad;
            geo.a[0][0] = r * std::cos(p), geo.a[0][1] = -r * std::sin(p);
            geo.a[1][0] = r * std::sin(p), geo.a[1][1] = r * std::cos(p);
        }
        geo.solarP = true;
    } else {
        geo.a[0][0] = r, geo.a[0][1] = 0, geo.a[1][0] = 0, geo.a[1][1] = r;
        geo.northFrom = "nothing stated: solar north taken toward the last row";
    }
    return true;
}

} // namespace solar

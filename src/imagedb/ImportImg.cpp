#include "imagedb/ImportImg.h"

#include "astro/DateTime.h"
#include "support/StringUt.h"
#include "astro/SunEphem.h"
#include "imagedb/SolrImages.h"
#include "support/DisplayParams.h"
#include "support/ListText.h"
#include "support/Translate.h"

#include <fitsio.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>

#include <fcntl.h>
#include <unistd.h>

namespace solar {
namespace {

namespace fs = std::filesystem;
constexpr double Pi = 3.14159265358979323846;
constexpr double Rad = Pi / 180.0;
constexpr double ArcsecRad = Rad / 3600.0;
// The disc radius at 1 AU as a part of the image size: 440 pixels in 1024, as the sample database.
constexpr double RadiusPerSize = 440.0 / 1024.0;

std::string fitsText(int status) {
    char text[FLEN_STATUS] = {};
    fits_get_errstatus(status, text);
    return text;
}

std::string trim(const std::string &s) {
    const std::size_t a = s.find_first_not_of(' ');
    if (a == std::string::npos)
        return {};
    return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

std::string upper(std::string s) {
    for (char &c : s)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
}

// A card value as text: quotes removed ('' is one quote), blanks trimmed.
std::string cardValue(const char *raw) {
    std::string v = trim(raw);
    if (v.size() >= 2 && v.front() == '\'') {
        std::string out;
        for (std::size_t i = 1; i < v.size(); ++i) {
            if (v[i] == '\'') {
                if (i + 1 < v.size() && v[i + 1] == '\'') {
                    out += '\'';
                    ++i;
                    continue;
                }
                break;
            }
            out += v[i];
        }
        return trim(out);
    }
    return v;
}

void readKeys(fitsfile *f, std::map<std::string, std::string> &keys, bool overwrite) {
    int status = 0, count = 0, more = 0;
    fits_get_hdrspace(f, &count, &more, &status);
    for (int i = 1; i <= count && !status; ++i) {
        char name[FLEN_KEYWORD] = {}, value[FLEN_VALUE] = {}, comment[FLEN_COMMENT] = {};
        if (fits_read_keyn(f, i, name, value, comment, &status))
            break;
        const std::string key = name;
        if (key.empty() || key == "COMMENT" || key == "HISTORY" || !value[0])
            continue;
        if (overwrite || !keys.count(key))
            keys[key] = cardValue(value);
    }
}

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

double percentile(std::vector<float> v, double q) {
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

namespace {

// An open FITS file, closed when it goes.
struct FitsFile {
    fitsfile *f = nullptr;
    FitsFile() = default;
    FitsFile(const FitsFile &) = delete;
    FitsFile &operator=(const FitsFile &) = delete;
    ~FitsFile() {
        int s = 0;
        if (f)
            fits_close_file(f, &s);
    }
};

// Opens the file and moves to its first image of at least two axes; fills the keys (the image
// header's, and the primary header's where the image header has none), width and height.
bool openImage(const std::string &path, FitsFile &file, RawImage &out, std::string &error) {
    out = RawImage();
    int status = 0;
    if (fits_open_diskfile(&file.f, path.c_str(), READONLY, &status)) {
        error = status == FILE_NOT_OPENED
                    ? translate("ImportImg", "cannot be opened")
                    : arg(translate("ImportImg", "not a readable FITS file (%1)"), {fitsText(status)});
        return false;
    }
    fitsfile *f = file.f;
    readKeys(f, out.keys, true);
    int found = 0;
    long dims[3] = {0, 0, 0};
    LONGLONG end = 0; // where the last unit read whole ends
    for (int i = 1; !status && !found; ++i) {
        int type = 0, moved = 0;
        if (fits_movabs_hdu(f, i, &type, &moved))
            break; // past the last unit (or a unit that cannot be read: see below)
        LONGLONG head = 0, data = 0, dataEnd = 0;
        if (!fits_get_hduaddrll(f, &head, &data, &dataEnd, &moved))
            end = (dataEnd + 2879) / 2880 * 2880;
        if (type != IMAGE_HDU)
            continue;
        int naxis = 0;
        fits_get_img_dim(f, &naxis, &status);
        if (status || naxis < 2)
            continue;
        fits_get_img_size(f, 3, dims, &status);
        if (!status && dims[0] > 1 && dims[1] > 1 && (naxis < 3 || dims[2] >= 1))
            found = i;
    }
    if (status) {
        error = arg(translate("ImportImg", "damaged FITS file (%1)"), {fitsText(status)});
        return false;
    }
    if (!found) {
        // A plain (not gzipped) file longer than its units read whole ends inside a header.
        std::error_code ec;
        const auto size = fs::file_size(path, ec);
        char start[9] = {};
        if (std::FILE *raw = std::fopen(path.c_str(), "rb")) {
            if (std::fread(start, 1, 8, raw) != 8)
                start[0] = 0;
            std::fclose(raw);
        }
        if (!ec && std::string(start) == "SIMPLE  " && static_cast<LONGLONG>(size) > end)
            error =
                arg(translate("ImportImg", "the file is cut short or damaged inside an extension header (%1 "
                                           "bytes after the last complete header and data unit)"),
                    {std::to_string(static_cast<LONGLONG>(size) - end)});
        else
            error = translate("ImportImg", "holds no image (tables or empty headers only)");
        return false;
    }
    if (found > 1)
        readKeys(f, out.keys, true);
    if (dims[0] > 20000 || dims[1] > 20000) {
        error = arg(translate("ImportImg", "image of %1 x %2 pixels is too large"),
                    {std::to_string(dims[0]), std::to_string(dims[1])});
        return false;
    }
    out.width = static_cast<int>(dims[0]);
    out.height = static_cast<int>(dims[1]);
    return true;
}

} // namespace

bool readRawImage(const std::string &path, RawImage &out, std::string &error) {
    FitsFile file;
    if (!openImage(path, file, out, error))
        return false;
    const LONGLONG n = static_cast<LONGLONG>(out.width) * out.height;
    out.pixels.assign(static_cast<std::size_t>(n), 0.0f);
    float nan = std::numeric_limits<float>::quiet_NaN();
    int anyNull = 0, status = 0;
    // Only the first plane of a cube.
    if (fits_read_img(file.f, TFLOAT, 1, n, &nan, out.pixels.data(), &anyNull, &status)) {
        error = arg(translate("ImportImg", "the image data cannot be read, the file may be cut short (%1)"),
                    {fitsText(status)});
        return false;
    }
    return true;
}

bool orientationFromSolarP(const std::string &path) {
    FitsFile file;
    RawImage img;
    std::string error;
    if (!openImage(path, file, img, error))
        return false;
    double unit = 1;
    const std::optional<Mat> d = wcsMatrix(img, unit);
    const bool own = !number(img, "SOLAR-B0") && number(img, "DISTANCE").value_or(0) > 0;
    return number(img, "SOLAR-P") && !own && !(d && std::fabs(d->det()) > 0);
}

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

namespace {

// The image averaged over b x b blocks (a mean of the values present, none when fewer than half are).
RawImage binned(const RawImage &img, int b) {
    RawImage out;
    out.width = img.width / b;
    out.height = img.height / b;
    out.pixels.assign(static_cast<std::size_t>(out.width) * out.height, 0.0f);
    std::vector<float> sum(static_cast<std::size_t>(out.width));
    std::vector<int> count(static_cast<std::size_t>(out.width));
    for (int r = 0; r < out.height; ++r) {
        std::fill(sum.begin(), sum.end(), 0.0f);
        std::fill(count.begin(), count.end(), 0);
        for (int i = 0; i < b; ++i) {
            const float *p = &img.pixels[static_cast<std::size_t>(r * b + i) * img.width];
            for (int c = 0; c < out.width; ++c)
                for (int j = 0; j < b; ++j)
                    if (const float v = p[c * b + j]; std::isfinite(v))
                        sum[static_cast<std::size_t>(c)] += v, ++count[static_cast<std::size_t>(c)];
        }
        for (int c = 0; c < out.width; ++c)
            out.pixels[static_cast<std::size_t>(r) * out.width + c] =
                2 * count[static_cast<std::size_t>(c)] >= b * b
                    ? sum[static_cast<std::size_t>(c)] /
                          static_cast<float>(count[static_cast<std::size_t>(c)])
                    : std::numeric_limits<float>::quiet_NaN();
    }
    return out;
}

} // namespace

namespace {

// Twice the top of the display range that the program's reader gives values by default (display
// low = mean + sd * low factor, high = low + sd * span factor): above it the reader takes a value
// for a hot pixel. Counted as the reader counts: no value and negative values as 0.
double readerHotThreshold(const std::vector<float> &values) {
    long double sum = 0, squares = 0;
    for (const float f : values) {
        const long double v = std::isfinite(f) && f > 0 ? f : 0;
        sum += v, squares += v * v;
    }
    const long double n = static_cast<long double>(values.size());
    if (n < 2)
        return 0;
    const long double sd = std::sqrt(std::max(0.0L, (squares - sum * sum / n) / (n - 1)));
    const DisplayParams defaults;
    const long double low = sum / n + sd * defaults.lowFactor;
    return static_cast<double>(2 * (sd * defaults.spanFactor + low));
}

} // namespace

int hideHotPixels(RawImage &img) {
    const double threshold = readerHotThreshold(img.pixels);
    if (!(threshold > 0))
        return 0;
    // As the reader does it: row by row, each hot value replaced at once by the mean of its diagonal
    // neighbours inside the image (those with a value), so later pixels see the replaced values.
    int hidden = 0;
    const int w = img.width, h = img.height;
    for (int r = 0; r < h; ++r)
        for (int c = 0; c < w; ++c) {
            float &v = img.pixels[static_cast<std::size_t>(r) * w + c];
            if (!(v > threshold))
                continue;
            double sum = 0;
            int n = 0;
            for (const int dr : {-1, 1})
                for (const int dc : {-1, 1})
                    if (r + dr >= 0 && r + dr < h && c + dc >= 0 && c + dc < w)
                        if (const float u = img.at(c + dc, r + dr); std::isfinite(u))
                            sum += u, ++n;
            if (n > 0) {
                v = static_cast<float>(sum / n);
                ++hidden;
            }
        }
    return hidden;
}

ImportedImage resampleDisc(const RawImage &input, const ImportGeometry &inputGeo, int size) {
    ImportedImage out;
    out.size = size;
    out.radiusPx = std::round(size * RadiusPerSize / static_cast<double>(inputGeo.distanceAu) * 1000) / 1000;
    const double c = size / 2, ro = out.radiusPx;
    // A large reduction averages whole blocks first, then the blocks under each output pixel.
    const double reduction = inputGeo.radiusPx / ro;
    const int b = std::max(1, static_cast<int>(std::floor(reduction + 0.05)));
    RawImage blocks;
    ImportGeometry geo = inputGeo;
    if (b > 1) {
        blocks = binned(input, b);
        geo.centreCol = (inputGeo.centreCol - (b - 1) / 2.0) / b;
        geo.centreRow = (inputGeo.centreRow - (b - 1) / 2.0) / b;
        for (auto &row : geo.a)
            for (double &v : row)
                v /= b;
    }
    const RawImage &img = b > 1 ? blocks : input;
    // Input pixels per output pixel along each output axis.
    const double ax0 = geo.a[0][0] / ro, ax1 = geo.a[1][0] / ro;   // one column to the right (x + 1/ro)
    const double ay0 = -geo.a[0][1] / ro, ay1 = -geo.a[1][1] / ro; // one row down (y - 1/ro)
    const double scale = std::max(std::hypot(ax0, ax1), std::hypot(ay0, ay1));
    const int k = std::max(1, static_cast<int>(std::ceil(scale - 0.05)));
    std::vector<float> values(static_cast<std::size_t>(size) * size);
    std::vector<float> disc;
    disc.reserve(values.size());
    for (int row = 0; row < size; ++row) {
        for (int col = 0; col < size; ++col) {
            double sum = 0;
            int n = 0;
            for (int i = 0; i < k; ++i) {
                const double dr = row - c + (i + 0.5) / k - 0.5;
                for (int j = 0; j < k; ++j) {
                    const double dc = col - c + (j + 0.5) / k - 0.5;
                    const float v =
                        sample(img, geo.centreCol + dc * ax0 + dr * ay0, geo.centreRow + dc * ax1 + dr * ay1);
                    if (std::isfinite(v))
                        sum += v, ++n;
                }
            }
            const float v =
                2 * n >= k * k ? static_cast<float>(sum / n) : std::numeric_limits<float>::quiet_NaN();
            values[static_cast<std::size_t>(row) * size + col] = v;
            const double x = (col - c) / ro, y = (c - row) / ro;
            if (std::isfinite(v) && x * x + y * y < 0.9)
                disc.push_back(v);
        }
    }
    const double top = percentile(std::move(disc), 0.999);
    if (!(top > 0))
        return out; // no pixels: no light on the disc
    // The reader's hot-pixel threshold lies near three times the disc's brightness: scaled by the
    // disc alone it would lie beyond the 16-bit range and, values being capped there, no pixel of
    // an imported image could ever pass it. The threshold goes to 30000 at most.
    const double threshold = readerHotThreshold(values);
    const double factor = 30000.0 / std::max(top, threshold);
    out.pixels.resize(values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        const float v = values[i];
        out.pixels[i] =
            !std::isfinite(v) ? 0 : static_cast<short>(std::clamp(std::nearbyint(v * factor), 0.0, 32767.0));
    }
    return out;
}

std::string importedFileName(const std::string &prefix, const ImportGeometry &geo) {
    char b[32];
    std::snprintf(b, sizeof b, "%02d%02d%02dt%02d%02d.fts", geo.year % 100, geo.month, geo.day, geo.hour,
                  geo.minute);
    return prefix + b;
}

bool writeImportedFits(const std::string &path, const ImportedImage &out, const ImportGeometry &geo,
                       const std::string &sourceName, std::string &error) {
    const std::string temp = path + ".part";
    std::error_code ec;
    fs::remove(temp, ec);
    fitsfile *f = nullptr;
    int status = 0;
    if (fits_create_diskfile(&f, temp.c_str(), &status)) {
        error = arg(translate("ImportImg", "cannot create %1 (%2)"), {temp, fitsText(status)});
        return false;
    }
    long naxes[2] = {out.size, out.size};
    fits_create_img(f, SHORT_IMG, 2, naxes, &status);
    auto str = [&](const char *key, const std::string &value, const char *comment) {
        fits_write_key_str(f, key, value.c_str(), comment, &status);
    };
    auto num = [&](const char *key, long double value, int decimals, const char *comment) {
        fits_write_key_fixdbl(f, key, static_cast<double>(value), decimals, comment, &status);
    };
    char date[16], time[16];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", geo.year, geo.month, geo.day);
    std::snprintf(time, sizeof time, "%02d:%02d:%02d", geo.hour, geo.minute, geo.second);
    // The header's values are those the program reads back: the semi-diameter from the distance as
    // written, the radius as written.
    long double distance = 0;
    ParseReal(FixedText(geo.distanceAu, 9), distance);
    str("DATE-OBS", date, "date of observation (UT)");
    str("TIME-OBS", time, "time of observation (UT)");
    str("OBJECT", "Sun, full disk", "");
    num("DISTANCE", distance, 9, "[AU] Earth-Sun distance");
    num("B0", geo.b0Deg, 6, "[deg] heliographic latitude of disc centre");
    num("L0", geo.l0Deg, 6, "[deg] Carrington longitude of disc centre");
    num("P_ANGLE", 0, 6, "[rad] image turned: solar north up");
    num("SEMIDIAM", ProgramSolarRadiusKm / (distance * KmPerAu), 15, "[rad] 696000 km / DISTANCE");
    num("FNDLMBXC", out.size / 2, 3, "[px] disc centre, column");
    num("FNDLMBYC", out.size / 2, 3, "[px] disc centre, row");
    num("FNDLMBMA", out.radiusPx, 3, "[px] disc radius");
    std::string name;
    for (char ch : sourceName)
        name += ch >= 32 && ch < 127 ? ch : '?';
    const std::string lines[] = {
        "Imported from " + name + " by solarimport. Row 1 is solar north (top of the view).",
        "B0, L0 and distance from " + geo.orientationFrom + "; disc from " + geo.discFrom +
            "; solar north from " + geo.northFrom + ".",
        "Hot pixels hidden; values scaled to 30000 at the 99.9th percentile of the disc or at the",
        "hot-pixel threshold (twice the top of the default display range), if higher; no value -> 0.",
    };
    for (const std::string &line : lines)
        fits_write_comment(f, line.c_str(), &status);
    fits_write_img(f, TSHORT, 1, static_cast<LONGLONG>(out.pixels.size()),
                   const_cast<short *>(out.pixels.data()), &status);
    int closeStatus = 0;
    fits_close_file(f, &closeStatus);
    if (!status)
        status = closeStatus;
    if (!status) {
        fs::rename(temp, path, ec);
        if (!ec)
            return true;
        error = arg(translate("ImportImg", "cannot rename %1: %2"), {temp, ec.message()});
    } else {
        error = arg(translate("ImportImg", "cannot write %1 (%2)"), {path, fitsText(status)});
    }
    fs::remove(temp, ec);
    return false;
}

std::vector<std::string> importCandidates(const std::string &folder) {
    std::vector<std::string> out;
    std::error_code ec;
    for (const auto &entry : fs::directory_iterator(folder, ec)) {
        if (!entry.is_regular_file(ec))
            continue;
        std::string name = upper(entry.path().filename().string());
        if (name.size() > 3 && name.compare(name.size() - 3, 3, ".GZ") == 0)
            name.resize(name.size() - 3);
        for (const char *ext : {".FITS", ".FIT", ".FTS", ".FZ"}) {
            const std::size_t n = std::char_traits<char>::length(ext);
            if (name.size() > n && name.compare(name.size() - n, n, ext) == 0) {
                out.push_back(entry.path().string());
                break;
            }
        }
    }
    std::sort(out.begin(), out.end());
    return out;
}

namespace {

bool checkOptions(const ImportOptions &options, std::string &error) {
    if (options.prefix.size() != 5 || !std::all_of(options.prefix.begin(), options.prefix.end(), [](char ch) {
            return std::isalnum(static_cast<unsigned char>(ch)) || ch == '_' || ch == '-';
        })) {
        error =
            arg(translate("ImportImg", "the name prefix must be five letters, digits, '_' or '-' (\"%1\")"),
                {options.prefix});
        return false;
    }
    if (options.size < 64 || options.size > 8192 || options.size % 2) {
        error = translate("ImportImg", "the image size must be an even number of pixels from 64 to 8192");
        return false;
    }
    return true;
}

std::string withSlash(const std::string &folder) {
    return folder.empty() || folder.back() == '/' ? folder : folder + "/";
}

// Whether a file can be made in the folder: a probe file made and removed at once.
bool folderWritable(const std::string &folder, std::string &error) {
    const std::string probe = folder + ".solarimport-probe-" + std::to_string(::getpid());
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (fd < 0) {
        error = arg(translate("ImportImg", "the database folder %1 cannot be written (%2)"),
                    {folder, std::strerror(errno)});
        return false;
    }
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

// The directory file's lines as they are on disk (CR LF, LF or CR endings; trailing blanks and
// empty lines dropped), or false with a reason naming the file. A file that exists must be read
// whole: a listing taken as empty would be rewritten without its earlier images.
bool readListing(const std::string &path, std::vector<std::string> &lines, std::string &error) {
    lines.clear();
    auto fail = [&](const std::string &why) {
        error = arg(
            translate("ImportImg", "the directory file %1 %2; it was left as it is and nothing was imported"),
            {path, why});
        return false;
    };
    std::error_code ec;
    const fs::file_status st = fs::status(path, ec);
    if (ec && ec != std::errc::no_such_file_or_directory)
        return fail(arg(translate("ImportImg", "cannot be read (%1)"), {ec.message()}));
    if (!fs::exists(st))
        return true;
    if (!fs::is_regular_file(st))
        return fail(translate("ImportImg", "is not a file"));
    std::FILE *in = std::fopen(path.c_str(), "rb");
    if (!in)
        return fail(arg(translate("ImportImg", "cannot be read (%1)"), {std::strerror(errno)}));
    std::string all;
    char buf[65536];
    std::size_t got = 0;
    while ((got = std::fread(buf, 1, sizeof buf, in)) > 0)
        all.append(buf, got);
    const bool failed = std::ferror(in) != 0;
    const int code = errno;
    std::fclose(in);
    if (failed)
        return fail(arg(translate("ImportImg", "cannot be read (%1)"), {std::strerror(code)}));
    std::string line;
    auto finish = [&] {
        while (!line.empty() && (line.back() == ' ' || line.back() == '\t'))
            line.pop_back();
        if (!line.empty())
            lines.push_back(line);
        line.clear();
    };
    for (const char ch : all) {
        if (ch == '\n' || ch == '\r') {
            finish();
        } else if (ch == '\x1a') {
            // The end-of-file mark of old DOS editors.
        } else if (static_cast<unsigned char>(ch) < 32 && ch != '\t') {
            return fail(translate("ImportImg", "is not a text file of image names"));
        } else {
            line += ch;
        }
    }
    finish();
    return true;
}

} // namespace

bool ImportImg::Check(const std::string &folder, const ImportOptions &options, std::string &error) {
    if (!checkOptions(options, error))
        return false;
    const std::string dir = withSlash(folder);
    std::error_code ec;
    if (fs::exists(dir, ec)) {
        if (!fs::is_directory(dir, ec)) {
            error = arg(translate("ImportImg", "the database folder %1 is not a folder"), {dir});
            return false;
        }
        std::vector<std::string> lines;
        return readListing(resolveNoCase(dir, options.prefix + "list.txt"), lines, error) &&
               folderWritable(dir, error);
    }
    // A folder still to be made: the nearest folder that exists must take it.
    fs::path up = fs::path(dir.empty() ? "." : dir).parent_path();
    while (!up.empty() && !fs::exists(up, ec))
        up = up.parent_path();
    const std::string parent = withSlash(up.empty() ? "." : up.string());
    if (!fs::is_directory(parent, ec) || !folderWritable(parent, error)) {
        error = arg(translate("ImportImg", "cannot make the database folder %1"), {dir});
        return false;
    }
    return true;
}

bool ImportImg::Open(const std::string &folder, const ImportOptions &options, std::string &error) {
    if (!checkOptions(options, error))
        return false;
    options_ = options;
    folder_ = withSlash(folder);
    lines_.clear();
    std::error_code ec;
    fs::create_directories(folder_, ec);
    if (!fs::is_directory(folder_, ec)) {
        error = arg(translate("ImportImg", "cannot make the database folder %1"), {folder_});
        return false;
    }
    // The directory file as it is spelt on disk.
    listPath_ = resolveNoCase(folder_, options_.prefix + "list.txt");
    return readListing(listPath_, lines_, error) && folderWritable(folder_, error);
}

std::string ImportImg::DirectoryPath() const {
    return listPath_;
}

ImportImg::Result ImportImg::ImportFile(const std::string &path) {
    Result res;
    const std::string shown = fileNamePart(path);
    auto refuse = [&](const std::string &why) {
        res.message = arg(translate("ImportImg", "%1: refused: %2"), {shown, why});
        return res;
    };
    RawImage img;
    std::string error;
    if (!readRawImage(path, img, error))
        return refuse(error);
    hideHotPixels(img);
    ImportGeometry geo;
    if (!findGeometry(img, geo, error, options_.orientation))
        return refuse(error);
    const std::string name = importedFileName(options_.prefix, geo);
    const std::string key = upper(name);
    for (const std::string &line : lines_)
        if (upper(line.substr(0, SolrImgFileObj::NameRoom)) == key)
            return refuse(
                arg(translate("ImportImg", "an image of the same minute is already in the database (%1)"),
                    {name}));
    if (!existingFileNoCase(folder_ + name).empty())
        return refuse(arg(translate("ImportImg", "a file %1 is already in the database folder"), {name}));
    const ImportedImage out = resampleDisc(img, geo, options_.size);
    if (out.pixels.empty())
        return refuse(translate("ImportImg", "no light on the solar disc"));
    if (!writeImportedFits(folder_ + name, out, geo, shown, error))
        return refuse(error);
    std::vector<std::string> lines = lines_;
    lines.push_back(name);
    std::stable_sort(lines.begin(), lines.end(), [](const std::string &a, const std::string &b) {
        return SolrImgFileObj::ImageTimeFromName(a) < SolrImgFileObj::ImageTimeFromName(b);
    });
    if (!writeTextLines(DirectoryPath(), lines, error)) {
        std::error_code ec;
        fs::remove(folder_ + name, ec);
        return refuse(
            arg(translate("ImportImg", "cannot write the directory file %1: %2"), {DirectoryPath(), error}));
    }
    lines_ = std::move(lines);
    res.ok = true;
    res.outputName = name;
    const std::string b = " (disc " + FixedText(geo.radiusPx, 1) + " px at " + FixedText(geo.centreCol, 1) +
                          ", " + FixedText(geo.centreRow, 1) + " from ";
    res.message = shown + " -> " + name + b + geo.discFrom + ")";
    if (geo.solarP)
        res.message += "; solar north from " + geo.northFrom;
    return res;
}

} // namespace solar

#include "Generator.h"

#include "astro/DateTime.h"
#include "support/StringUt.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace solar::gen {
namespace {

constexpr long double Pi = 3.14159265358979323846264338327950288L;
constexpr long double CarringtonRate = CarringtonSiderealRate;

// splitmix64 (Steele, Lea and Flood 2014): small, fast and the same on every platform, so the
// database is identical wherever it is built.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    double uniform() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }
    // Standard normal deviate by Marsaglia's polar method (no trigonometry, one logarithm a pair).
    double normal() {
        if (haveSpare_) {
            haveSpare_ = false;
            return spare_;
        }
        double u, v, q;
        do {
            u = 2 * uniform() - 1;
            v = 2 * uniform() - 1;
            q = u * u + v * v;
        } while (q >= 1 || q == 0);
        const double m = std::sqrt(-2.0 * std::log(q) / q);
        spare_ = v * m;
        haveSpare_ = true;
        return u * m;
    }

private:
    std::uint64_t state_;
    double spare_ = 0;
    bool haveSpare_ = false;
};


// The value as it reads back from a header card written with `decimals` fixed decimals.
long double asWritten(long double v, int decimals) {
    long double back = 0;
    ParseReal(solar::FixedText(static_cast<double>(v), decimals), back);
    return back;
}

long double wrap180(long double a) {
    a = std::fmod(a, 360.0L);
    if (a > 180)
        a -= 360;
    if (a <= -180)
        a += 360;
    return a;
}
long double wrap360(long double a) {
    a = std::fmod(a, 360.0L);
    return a < 0 ? a + 360 : a;
}

std::string two(int v) {
    char b[8];
    std::snprintf(b, sizeof b, "%02d", v);
    return b;
}

std::string fixed(long double v, int decimals) {
    return solar::FixedText(v, decimals);
}

constexpr int DistanceDecimals = 9, AngleDecimals = 6, SemiDiamDecimals = 15, PixelDecimals = 3,
              ExposureDecimals = 3;

} // namespace

long double spotSiderealRate(long double latDeg) {
    const long double s = std::sin(latDeg * Pi / 180);
    return 14.38L - 2.77L * s * s;
}

SeriesPlan planSeries(const GenConfig &cfg) {
    SeriesPlan plan;
    Random rng(cfg.seed);
    const long long startDays = daysFromCivil(cfg.startYear, cfg.startMonth, cfg.startDay);
    const long long epoch1899 = daysFromCivil(1899, 12, 30);
    for (int k = 0; k < cfg.days; ++k) {
        const int hour = cfg.earliestHour + rng.below(cfg.latestHour - cfg.earliestHour + 1);
        const int minute = rng.below(60), second = rng.below(60);
        if (std::find(cfg.missingDays.begin(), cfg.missingDays.end(), k) != cfg.missingDays.end())
            continue;
        PlannedImage img;
        img.index = static_cast<int>(plan.images.size());
        civilFromDays(startDays + k, img.year, img.month, img.day);
        img.hour = hour;
        img.minute = minute;
        img.second = second;
        img.moment = static_cast<long double>(startDays + k - epoch1899) +
                     (hour * 3600 + minute * 60 + second) / 86400.0L;
        img.jdUt = img.moment + 2415018.5L;
        img.fileName = cfg.prefix + two(img.year % 100) + two(img.month) + two(img.day) + "t" + two(hour) +
                       two(minute) + ".fts";
        img.sun = sunView(img.jdUt);

        HeaderValues &h = img.header;
        h.dateObs = std::to_string(img.year) + "-" + two(img.month) + "-" + two(img.day);
        h.timeObs = two(hour) + ":" + two(minute) + ":" + two(second);
        h.distanceAu = asWritten(img.sun.distanceAu, DistanceDecimals);
        h.b0Deg = asWritten(img.sun.b0Deg, AngleDecimals);
        h.l0Deg = asWritten(img.sun.l0Deg, AngleDecimals);
        h.pAngleRad = 0; // the images are turned so that solar north is up
        // The program converts with a solar radius of 696000 km; the semi-diameter must agree.
        h.semiDiamRad = asWritten(ProgramSolarRadiusKm / (h.distanceAu * KmPerAu), SemiDiamDecimals);
        h.centreX = cfg.size / 2;
        h.centreY = cfg.size / 2;
        // Fixed plate scale: the disc grows as the Earth comes nearer.
        h.radiusPx = asWritten(cfg.nominalRadiusPx / h.distanceAu, PixelDecimals);
        h.exposureSec = asWritten(cfg.exposureSec, ExposureDecimals);

        img.geometry.distanceAu = h.distanceAu;
        img.geometry.b0Deg = h.b0Deg;
        img.geometry.radiusPx = h.radiusPx;
        img.geometry.centreCol = h.centreX;
        img.geometry.centreRow = h.centreY;
        img.geometry.solarRadiusKm = ProgramSolarRadiusKm;
        img.geometry.kmPerAu = KmPerAu;
        plan.images.push_back(img);
    }
    if (plan.images.empty())
        return plan;

    const PlannedImage &first = plan.images.front();
    const PlannedImage &last = plan.images.back();
    // The central meridian's own sidereal motion over the series (the Earth's orbital motion as
    // the Sun sees it): Carrington rate plus the change of L0, unwrapped (L0 falls ~13.2 deg/day).
    long double cmMotion = 0;
    const long double span = last.moment - first.moment;
    if (span > 0) {
        long double dL0 = last.header.l0Deg - first.header.l0Deg;
        const long double expected = -(CarringtonRate - 0.9856L) * span;
        dL0 += 360.0L * std::round((expected - dL0) / 360.0L);
        cmMotion = CarringtonRate + dL0 / span;
    }
    for (const SpotSpec &s : cfg.spots) {
        SpotRates r;
        r.id = s.id;
        r.siderealRate = spotSiderealRate(s.latDeg) + s.driftLonDegDay;
        r.siderealPeriod = 360.0L / r.siderealRate;
        r.synodicRate = r.siderealRate - cmMotion;
        r.synodicPeriod = 360.0L / r.synodicRate;
        plan.rates.push_back(r);
    }

    for (PlannedImage &img : plan.images) {
        const long double dt = img.moment - first.moment;
        for (std::size_t i = 0; i < cfg.spots.size(); ++i) {
            const SpotSpec &s = cfg.spots[i];
            SpotState st;
            st.id = s.id;
            st.latDeg = s.latDeg + s.driftLatDegDay * dt;
            // Fixed in a frame turning at the spot's sidereal rate; Carrington's frame turns at its own.
            const long double carrStart = first.header.l0Deg + s.cmLonDeg;
            st.carrLonDeg = wrap360(carrStart + (plan.rates[i].siderealRate - CarringtonRate) * dt);
            // Carrington longitude = longitude from the central meridian (west positive) + L0.
            st.cmLonDeg = wrap180(st.carrLonDeg - img.header.l0Deg);
            st.pixel = toPixel(img.geometry, {st.latDeg, st.cmLonDeg});
            st.angularRadius = s.diameterPx / 2 / cfg.nominalRadiusPx;
            img.spots.push_back(st);
        }
    }
    return plan;
}

double limbDarkening(double mu) {
    // Eddington approximation for a grey atmosphere (Eddington 1926, The Internal Constitution
    // of the Stars, ch. 13): I(mu) / I(1) = (2 + 3 mu) / 5, a limb at 0.4 of the centre, close
    // to the Sun in white light near 550 nm.
    return (2.0 + 3.0 * mu) / 5.0;
}

double spotFactor(double d) {
    // Umbra: a cone from 0.14 of the photosphere at the centre to 0.34 at its edge (0.42 of the
    // spot radius), so the darkest pixel marks the centre; penumbra about 0.8; soft outer edge.
    constexpr double umbra = 0.42, edge = 0.04;
    if (d >= 1.08)
        return 1.0;
    const double umbraValue = 0.14 + 0.20 * std::min(d, umbra) / umbra;
    const double penumbraValue = 0.76 + 0.08 * (d - umbra) / (1 - umbra);
    double v;
    if (d <= umbra - edge)
        v = umbraValue;
    else if (d >= umbra + edge)
        v = penumbraValue;
    else {
        const double t = (d - (umbra - edge)) / (2 * edge);
        v = umbraValue + (penumbraValue - umbraValue) * t * t * (3 - 2 * t);
    }
    if (d > 1.0) {
        const double t = (d - 1.0) / 0.08;
        v = v + (1.0 - v) * t * t * (3 - 2 * t);
    }
    return v;
}

SynthImage renderImage(const GenConfig &cfg, const PlannedImage &img) {
    SynthImage out;
    out.width = out.height = cfg.size;
    out.pixels.assign(static_cast<std::size_t>(cfg.size) * cfg.size, 0);
    Random rng(cfg.seed ^ (0xA24BAED4963EE407ULL * static_cast<std::uint64_t>(img.index + 1)));

    struct SpotDraw {
        double x, y, z; // unit vector of the spot centre in the observer's frame
        double radius;
        double cosReach;
    };
    std::vector<SpotDraw> spots;
    for (const SpotState &s : img.spots) {
        const Vec3 v = surfaceVector(img.geometry, {s.latDeg, s.cmLonDeg});
        const double radius = static_cast<double>(s.angularRadius);
        if (v.z > -1.1 * radius) // on or near the visible hemisphere
            spots.push_back({static_cast<double>(v.x), static_cast<double>(v.y), static_cast<double>(v.z),
                             radius, std::cos(1.1 * radius)});
    }

    const DiscGeometry &g = img.geometry;
    const double radiusPx = static_cast<double>(g.radiusPx);
    const double centreCol = static_cast<double>(g.centreCol), centreRow = static_cast<double>(g.centreRow);
    const double k = static_cast<double>(g.radiusOverDistance());
    for (int row = 0; row < cfg.size; ++row) {
        for (int col = 0; col < cfg.size; ++col) {
            double x = (col - centreCol) / radiusPx;
            double y = (centreRow - row) / radiusPx;
            double r = std::sqrt(x * x + y * y);
            double value = cfg.skyCounts;
            // Scattered light in the sky, fading away from the limb.
            if (r > 1.0 && r < 2.0)
                value += cfg.aureoleCounts * std::exp(-(r - 1.0) * 25.0);
            else if (r <= 1.0)
                value += cfg.aureoleCounts;
            // Part of the pixel covered by the disc, for a smooth limb.
            const double cover = std::clamp(0.5 + (1.0 - r) * radiusPx, 0.0, 1.0);
            if (cover > 0) {
                // A pixel across the limb takes the light of the limb point in its direction.
                if (r > 0.999999) {
                    x *= 0.999999 / r;
                    y *= 0.999999 / r;
                    r = 0.999999;
                }
                // The point seen there at angle a from the centre: by the sine rule in the triangle
                // observer, Sun centre, point, sin(rho + a) = D sin(a), D in solar radii.
                const double a = r * k;
                const double sinA = std::sin(a), cosA = std::cos(a);
                const double sRhoA = sinA / k;
                const double cRhoA = std::sqrt(1 - sRhoA * sRhoA); // mu
                const double sinRho = sRhoA * cosA - cRhoA * sinA, cosRho = cRhoA * cosA + sRhoA * sinA;
                const double px = r > 0 ? sinRho * x / r : 0, py = r > 0 ? sinRho * y / r : 0, pz = cosRho;
                double disc = cfg.centreCounts * limbDarkening(cRhoA);
                for (const SpotDraw &s : spots) {
                    const double dot = px * s.x + py * s.y + pz * s.z;
                    if (dot < s.cosReach)
                        continue;
                    // Angle between the two points at the Sun's centre, stable for small angles.
                    const double dx = px - s.x, dy = py - s.y, dz = pz - s.z;
                    const double angle =
                        2 * std::asin(std::min(1.0, std::sqrt(dx * dx + dy * dy + dz * dz) / 2));
                    disc *= spotFactor(angle / s.radius);
                }
                value += cover * disc;
            }
            // Photon noise of the collected electrons, and the camera's read noise.
            const double sigma = std::sqrt(value / cfg.gainElectrons + cfg.readNoise * cfg.readNoise);
            const double noisy = std::round(value + sigma * rng.normal());
            out.pixels[static_cast<std::size_t>(row) * cfg.size + col] =
                static_cast<std::int16_t>(std::clamp(noisy, 0.0, 32767.0));
        }
    }

    // A few hot pixels, single and away from the spots, as a camera has them.
    int placed = 0;
    while (placed < cfg.hotPixels) {
        const int col = 1 + rng.below(cfg.size - 2), row = 1 + rng.below(cfg.size - 2);
        bool clear = true;
        for (const SpotState &s : img.spots)
            if (std::hypot(static_cast<double>(s.pixel.col) - col, static_cast<double>(s.pixel.row) - row) <
                20)
                clear = false;
        for (const auto &[c, r] : out.hotPixels)
            if (std::abs(c - col) <= 2 && std::abs(r - row) <= 2)
                clear = false;
        if (!clear)
            continue;
        const int v = cfg.hotPixelMin + rng.below(32768 - cfg.hotPixelMin);
        out.pixels[static_cast<std::size_t>(row) * cfg.size + col] = static_cast<std::int16_t>(v);
        out.hotPixels.emplace_back(col, row);
        ++placed;
    }
    return out;
}

std::string writeDirectory(const std::string &path, const SeriesPlan &plan) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    for (const PlannedImage &img : plan.images)
        f << img.fileName << "\r\n";
    f.close();
    return f ? std::string() : "cannot write " + path;
}

std::string writeAnswerKey(const std::string &path, const GenConfig &cfg, const SeriesPlan &plan) {
    std::ostringstream s;
    s << "File,Date (UT),Time (UT),Moment (days since 1899-12-30),B0 (deg),L0 (deg),Spot,Column (px),"
         "Row (px),Latitude (deg),Longitude from central meridian (deg),Carrington longitude (deg),Mu,"
         "Sidereal rate (deg/day),Sidereal period (days),Synodic rate (deg/day),Synodic period (days),"
         "Rotation law\r\n";
    for (const PlannedImage &img : plan.images) {
        for (std::size_t i = 0; i < img.spots.size(); ++i) {
            const SpotState &sp = img.spots[i];
            if (!sp.pixel.visible || sp.pixel.mu < cfg.keyMinMu)
                continue;
            const SpotRates &r = plan.rates[i];
            s << img.fileName << ',' << img.header.dateObs << ',' << img.header.timeObs << ','
              << fixed(img.moment, 6) << ',' << fixed(img.header.b0Deg, 4) << ','
              << fixed(img.header.l0Deg, 4) << ',' << sp.id << ',' << fixed(sp.pixel.col, 3) << ','
              << fixed(sp.pixel.row, 3) << ',' << fixed(sp.latDeg, 4) << ',' << fixed(sp.cmLonDeg, 4) << ','
              << fixed(sp.carrLonDeg, 4) << ',' << fixed(sp.pixel.mu, 3) << ',' << fixed(r.siderealRate, 4)
              << ',' << fixed(r.siderealPeriod, 3) << ',' << fixed(r.synodicRate, 4) << ','
              << fixed(r.synodicPeriod, 3) << ",\"" << RotationLawName << " plus proper motion\"\r\n";
        }
    }
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f << s.str();
    f.close();
    return f ? std::string() : "cannot write " + path;
}

std::string generateDatabase(const GenConfig &cfg, const std::string &folder, const std::string &keyFolder) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec)
        return "cannot create " + folder + ": " + ec.message();
    fs::create_directories(keyFolder, ec);
    if (ec)
        return "cannot create " + keyFolder + ": " + ec.message();
    // Images of an earlier run with other choices would linger in the list of files otherwise.
    std::vector<fs::path> stale;
    for (const auto &entry : fs::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind(cfg.prefix, 0) == 0 && entry.path().extension() == ".fts")
            stale.push_back(entry.path());
    }
    for (const fs::path &p : stale)
        fs::remove(p, ec);
    const SeriesPlan plan = planSeries(cfg);
    const fs::path dir(folder);
    for (const PlannedImage &img : plan.images) {
        const SynthImage pixels = renderImage(cfg, img);
        std::string err = writeFits((dir / img.fileName).string(), cfg, img, pixels);
        if (!err.empty())
            return err;
    }
    std::string err = writeAnswerKey((fs::path(keyFolder) / cfg.answerKeyName).string(), cfg, plan);
    if (!err.empty())
        return err;
    if (!fs::equivalent(dir, fs::path(keyFolder), ec))
        fs::remove(dir / cfg.answerKeyName, ec);
    // Last, so that a directory file means a complete database.
    return writeDirectory((dir / cfg.directoryName).string(), plan);
}

} // namespace solar::gen

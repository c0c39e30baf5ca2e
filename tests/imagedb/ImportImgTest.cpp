// The importer on images in the forms observatories deliver, drawn by the sample generator's sun with
// known spots: an HMI-like Rice-compressed BITPIX 32 image with BSCALE, CROTA2 = 180 and no values
// off the disc; a GONG-like BITPIX 16 image with SOLAR-* and limb-fit keywords, delivered solar
// north up with its P angle only recorded; and a float image with nothing but its date. Reference
// B0, L0 and distance: an independent solar ephemeris library (Carrington longitude by the IAU
// rotation elements, light time and aberration applied), the same table that checks the program's
// ephemeris.
#include "Generator.h"
#include "astro/HelioCoord.h"
#include "common/CommaLocale.h"
#include "common/ScriptedPrompt.h"
#include "common/TempDir.h"
#include "imagedb/ImportImg.h"
#include "imagedb/SolrImages.h"
#include "imagefiles/GrFiles.h"

#include <fitsio.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace solar;
using solar::test::TempDir;

namespace {

constexpr double RadToDeg = 57.295779513082320877;

struct Reference {
    int year, month, day, hour, minute;
    double b0, l0, p, distance;
};
const Reference hmiRef{2016, 9, 1, 0, 0, 7.19786, 292.3952, 21.14330, 1.009216};
const Reference gongRef{2021, 6, 15, 12, 30, 1.08081, 256.2422, -9.49541, 1.015825};
const Reference bareRef{2024, 12, 21, 18, 0, -1.78486, 211.6778, 6.87108, 0.983710};

struct Spot {
    double lat, cmLon;
};
const Spot spots[] = {{12, -25}, {-18, 30}};

// The generator's sun, north toward row 0, west to the right, disc at (cc, cr) with radius r.
gen::SynthImage drawSun(const Reference &ref, int size, double cc, double cr, double r) {
    gen::GenConfig cfg;
    cfg.size = size;
    cfg.hotPixels = 0;
    cfg.nominalRadiusPx = r;
    gen::PlannedImage img;
    img.index = ref.day;
    img.geometry.distanceAu = ref.distance;
    img.geometry.b0Deg = ref.b0;
    img.geometry.radiusPx = r;
    img.geometry.centreCol = cc;
    img.geometry.centreRow = cr;
    for (const Spot &s : spots) {
        gen::SpotState st;
        st.latDeg = s.lat;
        st.cmLonDeg = s.cmLon;
        st.angularRadius = 14.0 / 440;
        img.spots.push_back(st);
    }
    return gen::renderImage(cfg, img);
}

double sunBilinear(const gen::SynthImage &s, double c, double r) {
    if (c < 0 || r < 0 || c >= s.width - 1 || r >= s.height - 1)
        return 60;
    const int ic = static_cast<int>(c), ir = static_cast<int>(r);
    const double fc = c - ic, fr = r - ir;
    return (s.at(ic, ir) * (1 - fc) + s.at(ic + 1, ir) * fc) * (1 - fr) +
           (s.at(ic, ir + 1) * (1 - fc) + s.at(ic + 1, ir + 1) * fc) * fr;
}

std::string iso(const Reference &r) {
    char b[32];
    std::snprintf(b, sizeof b, "%04d-%02d-%02dT%02d:%02d:07.4", r.year, r.month, r.day, r.hour, r.minute);
    return b;
}

// Writes an image through cfitsio; `keys` adds the header cards.
void writeImage(const std::string &path, int bitpix, int w, int h, const std::vector<double> &values,
                const std::function<void(fitsfile *, int &)> &keys, bool compressed = false) {
    fitsfile *f = nullptr;
    int status = 0;
    const std::string target = "!" + path + (compressed ? "[compress R]" : "");
    fits_create_file(&f, target.c_str(), &status);
    long naxes[2] = {w, h};
    fits_create_img(f, bitpix, 2, naxes, &status);
    keys(f, status);
    std::vector<double> v(values);
    fits_write_img(f, TDOUBLE, 1, static_cast<LONGLONG>(v.size()), v.data(), &status);
    fits_close_file(f, &status);
    ASSERT_EQ(status, 0) << path;
}

void keyD(fitsfile *f, const char *k, double v, int &status) {
    fits_write_key_dbl(f, k, v, -12, "", &status);
}
void keyS(fitsfile *f, const char *k, const std::string &v, int &status) {
    fits_write_key_str(f, k, v.c_str(), "", &status);
}

// The program's semi-diameter (696000 km over the distance), in arcseconds.
double semiDiamArcsec(double distance) {
    return 696000.0 / (distance * 149597870.66) * RadToDeg * 3600;
}
// The apparent radius that observatories write (SOLAR-R, RSUN_OBS): the angle whose sine is the
// solar radius over the distance.
double apparentRadiusArcsec(double distance) {
    return std::asin(696000.0 / (distance * 149597870.66)) * RadToDeg * 3600;
}

// HMI-like: 2048 x 2048, disc radius 950 px off the centre, CROTA2 = 180 (north toward the first
// row, west to the left as FITS counts rows), integers with BSCALE 0.25 and BLANK off the disc.
void writeHmiLike(const std::string &path) {
    const int n = 2048;
    const double cf = 1031.3, rf = 1017.6, radius = 950;
    // In file order the generator's array mirrored left-right is exactly this view.
    const gen::SynthImage sun = drawSun(hmiRef, n, n - 1 - cf, rf, radius);
    std::vector<double> v(static_cast<std::size_t>(n) * n);
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c)
            v[static_cast<std::size_t>(r) * n + c] =
                std::hypot(c - cf, r - rf) > radius + 1.5 ? -2147483648.0 : sun.at(n - 1 - c, r) * 4.0;
    const double scale = semiDiamArcsec(hmiRef.distance) / radius; // arcsec per pixel
    writeImage(
        path, LONG_IMG, n, n, v,
        [&](fitsfile *f, int &st) {
            keyD(f, "BSCALE", 0.25, st);
            keyD(f, "BZERO", 0, st);
            long blank = -2147483647L - 1;
            fits_write_key_lng(f, "BLANK", blank, "", &st);
            fits_set_bscale(f, 1, 0, &st); // the values below are the stored integers
            keyS(f, "DATE-OBS", iso(hmiRef), st);
            keyS(f, "T_OBS", "2016.09.01_00:00:44.40_TAI", st);
            keyS(f, "CTYPE1", "HPLN-TAN", st);
            keyS(f, "CTYPE2", "HPLT-TAN", st);
            keyS(f, "CUNIT1", "arcsec", st);
            keyS(f, "CUNIT2", "arcsec", st);
            keyD(f, "CRPIX1", 1024.5, st);
            keyD(f, "CRPIX2", 1024.5, st);
            keyD(f, "CDELT1", scale, st);
            keyD(f, "CDELT2", scale, st);
            keyD(f, "CRVAL1", scale * (cf - 1023.5), st);
            keyD(f, "CRVAL2", scale * (rf - 1023.5), st);
            keyD(f, "CROTA2", 180, st);
            keyD(f, "DSUN_OBS", hmiRef.distance * 149597870.66e3, st);
            keyD(f, "RSUN_OBS", apparentRadiusArcsec(hmiRef.distance), st);
            keyD(f, "CRLT_OBS", hmiRef.b0, st);
            keyD(f, "CRLN_OBS", hmiRef.l0, st);
            keyS(f, "RADESYS", "ICRS", st);
        },
        true);
}

// GONG-like: 1000 x 1000, BITPIX 16. As the network delivers its H-alpha images: solar north toward
// the last row (the top as FITS viewers show it), SOLAR-P only recording the position angle. `sky`
// draws the image as the sky shows it instead, solar north SOLAR-P east of celestial north, which
// lies toward the last row. The limb-fit keywords count from the first pixel's outer edge.
struct GongForm {
    std::string telescope = "NSO-GONG"; // "" leaves TELESCOP and IMTYPE out
    bool discKeys = true;               // FNDLMBXC, FNDLMBYC, FNDLMBMA
    bool sky = false;
    double keywordShift = 0; // a stale limb fit: FNDLMBXC this far off
};
constexpr double GongP = -17.5, GongCol = 497.2, GongRow = 503.9, GongRadius = 440.5;
void writeGongLike(const std::string &path, const Reference &ref, const GongForm &form = {}) {
    const int n = 1000, m = 1200;
    const double gc = m / 2.0, gr = m / 2.0;
    const gen::SynthImage sun = drawSun(ref, m, gc, gr, GongRadius);
    const double p = form.sky ? GongP / RadToDeg : 0;
    std::vector<double> v(static_cast<std::size_t>(n) * n);
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c) {
            // Image = solar turned by p counter-clockwise; back to solar: turn by -p.
            const double dx = c - GongCol, dy = r - GongRow;
            const double sx = dx * std::cos(p) + dy * std::sin(p), sy = -dx * std::sin(p) + dy * std::cos(p);
            v[static_cast<std::size_t>(r) * n + c] = std::round(sunBilinear(sun, gc + sx, gr - sy));
        }
    writeImage(path, SHORT_IMG, n, n, v, [&](fitsfile *f, int &st) {
        if (!form.telescope.empty()) {
            keyS(f, "TELESCOP", form.telescope, st);
            keyS(f, "IMTYPE", "H-ALPHA", st);
        }
        keyS(f, "DATE-OBS", iso(ref), st);
        keyD(f, "SOLAR-P", GongP, st);
        keyD(f, "SOLAR-B0", ref.b0, st);
        keyD(f, "SOLAR-L0", ref.l0, st);
        keyD(f, "SOLAR-R", apparentRadiusArcsec(ref.distance), st);
        if (form.discKeys) {
            keyD(f, "FNDLMBXC", GongCol + 0.5 + form.keywordShift, st);
            keyD(f, "FNDLMBYC", GongRow + 0.5, st);
            keyD(f, "FNDLMBMA", GongRadius, st);
        }
    });
}

// Nothing but the date: float values, solar north toward the last row.
constexpr double BareCol = 571.4, BareRow = 538.8, BareRadius = 402.7;
void writeBare(const std::string &path) {
    const int w = 1200, h = 1100;
    const gen::SynthImage sun = drawSun(bareRef, 1200, BareCol, h - 1 - BareRow, BareRadius);
    std::vector<double> v(static_cast<std::size_t>(w) * h);
    for (int r = 0; r < h; ++r)
        for (int c = 0; c < w; ++c)
            v[static_cast<std::size_t>(r) * w + c] = sun.at(c, h - 1 - r) * 1.5;
    writeImage(path, FLOAT_IMG, w, h, v,
               [&](fitsfile *f, int &st) { keyS(f, "DATE-OBS", iso(bareRef), st); });
}

// Darkest-core centroid of a spot near (col, row) on an imported image.
void spotCentroid(const FITSFileObj &img, double col, double row, double &outCol, double &outRow) {
    IntArrayList &t = *img.PixelTable();
    const int c0 = static_cast<int>(std::lround(col)), r0 = static_cast<int>(std::lround(row));
    double bg = 0;
    int nb = 0;
    for (int r = r0 - 14; r <= r0 + 14; ++r)
        for (int c = c0 - 14; c <= c0 + 14; ++c)
            if (std::hypot(c - c0, r - r0) > 12)
                bg += t.GetValue(c, r), ++nb;
    bg /= nb;
    double sw = 0, sc = 0, sr = 0;
    for (int r = r0 - 10; r <= r0 + 10; ++r)
        for (int c = c0 - 10; c <= c0 + 10; ++c) {
            const double wgt = std::max(0.0, 0.55 * bg - t.GetValue(c, r));
            sw += wgt, sc += wgt * c, sr += wgt * r;
        }
    ASSERT_GT(sw, 0);
    outCol = sc / sw;
    outRow = sr / sw;
}

// The spots of `spots` as the program measures them on an imported image: each darkest-core centroid
// of the darkest place within 90 pixels of where the spot should be, through the program's conversion.
// Degrees, latitude then longitude.
std::vector<Spot> measuredSpots(const FITSFileObj &img) {
    const FitsHeader &h = img.Header();
    gen::DiscGeometry g;
    g.distanceAu = static_cast<double>(h.distance);
    g.b0Deg = static_cast<double>(h.b0);
    g.radiusPx = h.limbRadius;
    g.centreCol = g.centreRow = 512;
    HeliographicCoordObj conv;
    conv.SetImageGeometry(h.viewGeometry());
    std::vector<Spot> out;
    for (const Spot &s : spots) {
        const gen::PixelPoint p = gen::toPixel(g, {s.lat, s.cmLon});
        // The darkest 7 x 7 block within 90 pixels first: an image turned the wrong way moves it.
        IntArrayList &t = *img.PixelTable();
        const int c0 = static_cast<int>(p.col), r0 = static_cast<int>(p.row);
        long best = std::numeric_limits<long>::max();
        int bc = c0, br = r0;
        for (int r = r0 - 90; r <= r0 + 90; ++r)
            for (int c = c0 - 90; c <= c0 + 90; ++c) {
                long sum = 0;
                for (int i = -3; i <= 3; ++i)
                    for (int j = -3; j <= 3; ++j)
                        sum += t.GetValue(c + j, r + i);
                if (sum < best)
                    best = sum, bc = c, br = r;
            }
        double col = 0, row = 0;
        spotCentroid(img, bc, br, col, row);
        long double lon = 0, lat = 0;
        EXPECT_TRUE(conv.ToHeliographic(lon, lat, (col - 512) / h.limbRadius, (512 - row) / h.limbRadius));
        out.push_back({static_cast<double>(lat) * RadToDeg, static_cast<double>(lon) * RadToDeg});
    }
    return out;
}

// Loads an imported file in the program's reader and checks its header and, unless `spotTolerance`
// is 0, its spots (degrees).
void checkImported(const std::string &path, const Reference &ref, double spotTolerance,
                   double distanceTolerance = 1e-5) {
    SCOPED_TRACE(path);
    solar::test::ScriptedPrompt prompt;
    TempDir user;
    FITSFileObj img(user.dir());
    ASSERT_TRUE(img.Load(path));
    EXPECT_TRUE(prompt.messages().empty()) << prompt.messages().front().text;
    const FitsHeader &h = img.Header();
    EXPECT_EQ(h.naxis1, 1024);
    EXPECT_NEAR(static_cast<double>(h.distance), ref.distance, distanceTolerance);
    EXPECT_NEAR(static_cast<double>(h.b0), ref.b0, 0.01);
    EXPECT_NEAR(std::remainder(static_cast<double>(h.l0) - ref.l0, 360.0), 0, 0.01);
    EXPECT_EQ(h.pAngle, 0);
    EXPECT_NEAR(static_cast<double>(h.semiDiameter) * RadToDeg * 3600, semiDiamArcsec(ref.distance), 0.1);
    EXPECT_NEAR(h.limbRadius, 440 / ref.distance, 0.01);
    if (spotTolerance == 0)
        return;
    const std::vector<Spot> got = measuredSpots(img);
    for (std::size_t i = 0; i < got.size(); ++i) {
        EXPECT_NEAR(got[i].lat, spots[i].lat, spotTolerance) << "spot at " << spots[i].cmLon;
        EXPECT_NEAR(got[i].cmLon, spots[i].cmLon, spotTolerance) << "spot at " << spots[i].lat;
    }
}

// Runs the solarimport tool: its exit status and everything it printed.
std::pair<int, std::string> runTool(const std::string &args) {
    const std::string cmd = std::string(SOLARRTN_TOOLS_DIR) + "/solarimport " + args + " 2>&1";
    FILE *p = popen(cmd.c_str(), "r");
    std::string out;
    char buf[512];
    while (p && std::fgets(buf, sizeof buf, p))
        out += buf;
    const int rc = p ? pclose(p) : -1;
    return {WIFEXITED(rc) ? WEXITSTATUS(rc) : -1, out};
}

std::string quoted(const std::string &s) {
    return "'" + s + "'";
}

std::string fitsverify(const std::string &path) {
    FILE *p = popen(("fitsverify -q '" + path + "' 2>&1").c_str(), "r");
    std::string out;
    char buf[512];
    while (p && std::fgets(buf, sizeof buf, p))
        out += buf;
    if (p)
        pclose(p);
    return out;
}

} // namespace

TEST(ImportImg, LimbFitOnNoisyDiscsWithSpots) {
    TempDir dir;
    const std::string bare = dir.file("bare.fits"), gong = dir.file("gong.fits");
    writeBare(bare);
    writeGongLike(gong, gongRef);
    struct Case {
        std::string path;
        double col, row, radius;
    };
    // Truth in file rows: the bare image is drawn flipped, the GONG-like one straight.
    for (const Case &c :
         {Case{bare, BareCol, BareRow, BareRadius}, Case{gong, GongCol, GongRow, GongRadius}}) {
        RawImage img;
        std::string error;
        ASSERT_TRUE(readRawImage(c.path, img, error)) << error;
        const LimbFit fit = fitLimb(img);
        ASSERT_TRUE(fit.found) << c.path;
        EXPECT_NEAR(fit.col, c.col, 0.3) << c.path;
        EXPECT_NEAR(fit.row, c.row, 0.3) << c.path;
        EXPECT_NEAR(fit.radius, c.radius, 0.3) << c.path;
    }
}

TEST(ImportImg, ObservatoryImagesBecomeADatabaseTheProgramMeasures) {
    TempDir in, db;
    writeHmiLike(in.file("hmi.fits"));
    writeGongLike(in.file("gong.fts"), gongRef);
    writeBare(in.file("bare.fit"));
    ImportImg importer;
    std::string error;
    ASSERT_TRUE(importer.Open(db.dir(), ImportOptions{}, error)) << error;
    // Imported out of time order; the directory file comes out in time order.
    for (const char *name : {"gong.fts", "bare.fit", "hmi.fits"}) {
        const ImportImg::Result r = importer.ImportFile(in.file(name));
        EXPECT_TRUE(r.ok) << r.message;
    }
    const std::vector<std::string> expected = {"solar160901t0000.fts", "solar210615t1230.fts",
                                               "solar241221t1800.fts"};
    EXPECT_EQ(importer.Lines(), expected);

    checkImported(db.file(expected[0]), hmiRef, 0.2, 1e-7);
    checkImported(db.file(expected[1]), gongRef, 0.05, 1e-7); // distance from SOLAR-R
    checkImported(db.file(expected[2]), bareRef, 0);          // the ephemeris path

    // Limb-fit keywords 12 pixels off (another convention, a stale fit): the limb wins.
    writeGongLike(in.file("shifted.fts"), hmiRef, GongForm{"NSO-GONG", true, false, 12});
    const ImportImg::Result shifted = importer.ImportFile(in.file("shifted.fts"));
    EXPECT_FALSE(shifted.ok) << shifted.message; // the same minute as the HMI-like image
    TempDir db2;
    ImportImg second;
    ASSERT_TRUE(second.Open(db2.dir(), ImportOptions{}, error));
    const ImportImg::Result r2 = second.ImportFile(in.file("shifted.fts"));
    EXPECT_NE(r2.message.find("from a fit to the limb (FNDLMBXC"), std::string::npos) << r2.message;
    checkImported(db2.file(expected[0]), hmiRef, 0.2, 1e-7);

    const bool haveVerify = std::system("command -v fitsverify >/dev/null 2>&1") == 0;
    for (const std::string &name : expected) {
        if (haveVerify) {
            const std::string out = fitsverify(db.file(name));
            EXPECT_NE(out.find("verification OK"), std::string::npos) << out;
        }
    }

    // The program's directory reader takes the file back in time order.
    solar::test::ScriptedPrompt prompt;
    SolrImgFileObj dir;
    ASSERT_TRUE(dir.ReadDirectory(db.file("solarlist.txt")));
    ASSERT_EQ(dir.DirectoryLines().size(), 3u);
    EXPECT_EQ(dir.DirectoryLines()[1], "2021/06/15    12:30 UT");
}

// On a desktop with a decimal comma the header values and times read and write the same.
TEST(ImportImg, CommaLocaleDesktopImportsTheSameImage) {
    solar::test::CommaLocale comma;
    if (!comma.ok())
        GTEST_SKIP() << comma.why();
    TempDir in, db;
    writeGongLike(in.file("gong.fts"), gongRef);
    ImportImg importer;
    std::string error;
    ASSERT_TRUE(importer.Open(db.dir(), ImportOptions{}, error)) << error;
    const ImportImg::Result r = importer.ImportFile(in.file("gong.fts"));
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.message.find(','), r.message.find(", ")) << r.message; // no decimal comma in the note
    checkImported(db.file("solar210615t1230.fts"), gongRef, true);
}

TEST(ImportImg, BadInputIsRefusedAndLeavesNothingBehind) {
    TempDir in, db;
    writeGongLike(in.file("good.fits"), gongRef);
    solar::test::writeFile(in.file("notes.fits"), "These are not FITS data.\n");
    {
        const std::string whole = solar::test::readFile(in.file("good.fits"));
        solar::test::writeFile(in.file("cut.fits"), whole.substr(0, whole.size() / 2));
    }
    writeImage(in.file("nodate.fits"), SHORT_IMG, 64, 64, std::vector<double>(64 * 64, 5),
               [](fitsfile *, int &) {});
    {
        fitsfile *f = nullptr;
        int st = 0;
        fits_create_file(&f, ("!" + in.file("table.fits")).c_str(), &st);
        char *type[] = {const_cast<char *>("X")}, *form[] = {const_cast<char *>("1E")};
        fits_create_tbl(f, BINARY_TBL, 0, 1, type, form, nullptr, "T", &st);
        fits_close_file(f, &st);
        ASSERT_EQ(st, 0);
    }
    // A flat field has a date but no disc.
    writeImage(in.file("flat.fits"), SHORT_IMG, 256, 256, std::vector<double>(256 * 256, 100),
               [](fitsfile *f, int &st) { keyS(f, "DATE-OBS", "2022-03-04T05:06:07", st); });
    // A second image of the same minute.
    writeGongLike(in.file("same.fits"), gongRef);

    ImportImg importer;
    std::string error;
    ASSERT_TRUE(importer.Open(db.dir(), ImportOptions{}, error)) << error;
    EXPECT_TRUE(importer.ImportFile(in.file("good.fits")).ok);
    for (const char *name :
         {"notes.fits", "cut.fits", "nodate.fits", "table.fits", "flat.fits", "same.fits"}) {
        const ImportImg::Result r = importer.ImportFile(in.file(name));
        EXPECT_FALSE(r.ok) << name;
        EXPECT_EQ(r.message.rfind(std::string(name) + ": refused: ", 0), 0u) << r.message;
        EXPECT_EQ(r.message.find('\n'), std::string::npos);
    }
    std::vector<std::string> files;
    for (const auto &e : std::filesystem::directory_iterator(db.path()))
        files.push_back(e.path().filename().string());
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{"solar210615t1230.fts", "solarlist.txt"}));

    // A database reopened keeps its lines; prefixes and sizes the reader cannot use are refused.
    ImportImg again;
    ASSERT_TRUE(again.Open(db.dir(), ImportOptions{}, error));
    EXPECT_EQ(again.Lines(), (std::vector<std::string>{"solar210615t1230.fts"}));
    EXPECT_FALSE(again.ImportFile(in.file("good.fits")).ok);
    EXPECT_FALSE(again.Open(db.dir(), ImportOptions{1024, "sun"}, error));
    EXPECT_FALSE(again.Open(db.dir(), ImportOptions{1023, "solar"}, error));
}

TEST(ImportImg, CommandLineToolReportsEachFileAndFailsWhenOneIsRefused) {
    TempDir in, db;
    writeGongLike(in.file("a.fits"), gongRef);
    Reference later = gongRef;
    later.day = 16;
    writeGongLike(in.file("b.fts"), later);
    solar::test::writeFile(in.file("junk.fits"), "junk");
    const std::string cmd = std::string(SOLARRTN_TOOLS_DIR) + "/solarimport --size 512 --prefix gong_ '" +
                            in.dir() + "' '" + db.dir() + "' 2>&1";
    FILE *p = popen(cmd.c_str(), "r");
    ASSERT_NE(p, nullptr);
    std::string out;
    char buf[512];
    while (std::fgets(buf, sizeof buf, p))
        out += buf;
    const int rc = pclose(p);
    EXPECT_NE(rc, 0) << out;
    EXPECT_NE(out.find("junk.fits: refused: not a readable FITS file"), std::string::npos) << out;
    EXPECT_NE(out.find("-> gong_210616t1230.fts"), std::string::npos) << out;
    EXPECT_EQ(solar::test::readFile(db.file("gong_list.txt")),
              "gong_210615t1230.fts\r\ngong_210616t1230.fts\r\n");
    solar::test::ScriptedPrompt prompt;
    TempDir user;
    FITSFileObj img(user.dir());
    ASSERT_TRUE(img.Load(db.file("gong_210616t1230.fts")));
    EXPECT_EQ(img.Header().naxis1, 512);
    EXPECT_NEAR(img.Header().limbRadius, 220 / gongRef.distance, 0.01);
}

TEST(ImportImg, SolarPTurnsOnlyImagesAsTheSkyShowsThem) {
    TempDir in;
    // North up, no TELESCOP: the disc keywords mark a pipeline's image. As the sky shows it, with
    // no disc keywords: turned by SOLAR-P.
    writeGongLike(in.file("northup.fits"), gongRef, GongForm{"", true, false, 0});
    writeGongLike(in.file("sky.fits"), gongRef, GongForm{"", false, true, 0});
    writeHmiLike(in.file("hmi.fits"));
    EXPECT_TRUE(orientationFromSolarP(in.file("northup.fits")));
    EXPECT_FALSE(orientationFromSolarP(in.file("hmi.fits"))); // its WCS rotation decides

    struct Case {
        const char *file;
        SolarPOrientation orientation;
        bool right; // spots where they were drawn
    };
    for (const Case &c : {Case{"northup.fits", SolarPOrientation::Automatic, true},
                          Case{"sky.fits", SolarPOrientation::Automatic, true},
                          Case{"northup.fits", SolarPOrientation::Sky, false},
                          Case{"sky.fits", SolarPOrientation::NorthUp, false}}) {
        SCOPED_TRACE(std::string(c.file) + " " + std::to_string(static_cast<int>(c.orientation)));
        TempDir db;
        ImportImg importer;
        std::string error;
        ImportOptions options;
        options.orientation = c.orientation;
        ASSERT_TRUE(importer.Open(db.dir(), options, error)) << error;
        const ImportImg::Result r = importer.ImportFile(in.file(c.file));
        ASSERT_TRUE(r.ok) << r.message;
        EXPECT_NE(r.message.find("; solar north from "), std::string::npos) << r.message;
        if (c.right) {
            checkImported(db.file(r.outputName), gongRef, c.file == std::string("northup.fits") ? 0.05 : 0.2,
                          1e-7);
            continue;
        }
        solar::test::ScriptedPrompt prompt;
        TempDir user;
        FITSFileObj img(user.dir());
        ASSERT_TRUE(img.Load(db.file(r.outputName)));
        // Turned the wrong way by 17.5 degrees: the spot at latitude -18 moves by degrees.
        EXPECT_GT(std::fabs(measuredSpots(img)[1].lat - spots[1].lat), 5);
    }
}

// The sample database's 16-bit images carry hot pixels that the reader hides; imported, they must
// not become specks the reader shows: pixels whose display index stands 6 or more steps (of 64)
// above all eight neighbours (the disc's noise is half a step).
TEST(ImportImg, HotPixelsTheReaderHidesStayHiddenOnTheImport) {
    const std::string sample = std::string(SOLARRTN_BIN_DIR) + "/IMAGES/synth250826t1402.fts";
    TempDir db;
    ImportImg importer;
    std::string error;
    ASSERT_TRUE(importer.Open(db.dir(), ImportOptions{}, error)) << error;
    const ImportImg::Result r = importer.ImportFile(sample);
    ASSERT_TRUE(r.ok) << r.message;
    auto specks = [](const std::string &path) {
        solar::test::ScriptedPrompt prompt;
        TempDir user;
        FITSFileObj img(user.dir());
        EXPECT_TRUE(img.Load(path));
        IntArrayList &t = *img.PixelTable();
        const int w = img.Description().width, h = img.Description().height;
        int n = 0;
        for (int row = 1; row + 1 < h; ++row)
            for (int col = 1; col + 1 < w; ++col) {
                int around = 0;
                for (int i = -1; i <= 1; ++i)
                    for (int j = -1; j <= 1; ++j)
                        if (i || j)
                            around = std::max<int>(around, img.DisplayIndex(t.GetValue(col + j, row + i)));
                n += img.DisplayIndex(t.GetValue(col, row)) >= around + 6;
            }
        return n;
    };
    // The source has five hot pixels (30000 and more on a disc of 10000); none shows.
    RawImage raw;
    ASSERT_TRUE(readRawImage(sample, raw, error)) << error;
    EXPECT_EQ(std::count_if(raw.pixels.begin(), raw.pixels.end(), [](float v) { return v >= 30000; }), 5);
    EXPECT_EQ(specks(sample), 0);
    EXPECT_EQ(specks(db.file(r.outputName)), 0);

    // Resampled with its hot pixels: the scaling keeps the reader's threshold within the 16-bit
    // range, so the reader still hides them.
    ImportGeometry geo;
    ASSERT_TRUE(findGeometry(raw, geo, error)) << error;
    const ImportedImage out = resampleDisc(raw, geo, 1024);
    EXPECT_GE(std::count_if(out.pixels.begin(), out.pixels.end(), [](short v) { return v > 29000; }), 5);
    ASSERT_TRUE(writeImportedFits(db.file("unfiltered.fts"), out, geo, "sample", error)) << error;
    EXPECT_EQ(specks(db.file("unfiltered.fts")), 0);
    EXPECT_EQ(hideHotPixels(raw), 5);
}

// A directory file that exists but cannot be read whole is never rewritten: the import stops with
// status 2 and a message naming it. Unreadable by permissions (not for root), a folder, binary data.
TEST(ImportImg, DirectoryFileThatCannotBeReadIsNeverRewritten) {
    TempDir in;
    writeGongLike(in.file("gong.fits"), gongRef);
    struct Case {
        const char *what;
        std::function<void(const std::string &)> spoil;
    };
    const std::string earlier = "solar210614t1230.fts\r\nsolar210613t1230.fts\r\n";
    const Case cases[] = {
        {"unreadable",
         [&](const std::string &list) {
             solar::test::writeFile(list, earlier);
             ::chmod(list.c_str(), 0200);
         }},
        {"a folder", [](const std::string &list) { std::filesystem::create_directory(list); }},
        {"binary",
         [](const std::string &list) { solar::test::writeFile(list, std::string("solar\0\x01\x02", 8)); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        if (c.what == std::string("unreadable") && ::geteuid() == 0)
            continue; // root reads it all the same
        TempDir db;
        const std::string list = db.file("solarlist.txt");
        c.spoil(list);
        const std::string before = std::filesystem::is_regular_file(list) && ::access(list.c_str(), R_OK) == 0
                                       ? solar::test::readFile(list)
                                       : "";
        ImportImg importer;
        std::string error;
        EXPECT_FALSE(importer.Open(db.dir(), ImportOptions{}, error));
        EXPECT_NE(error.find(list), std::string::npos) << error;
        const auto [rc, out] = runTool(quoted(in.file("gong.fits")) + " " + quoted(db.dir()));
        EXPECT_EQ(rc, 2) << out;
        EXPECT_NE(out.find(list), std::string::npos) << out;
        std::vector<std::string> names;
        for (const auto &e : std::filesystem::directory_iterator(db.path()))
            names.push_back(e.path().filename().string());
        EXPECT_EQ(names, std::vector<std::string>{"solarlist.txt"});
        ::chmod(list.c_str(), 0600);
        if (std::filesystem::is_regular_file(list)) {
            EXPECT_EQ(solar::test::readFile(list), c.what == std::string("unreadable") ? earlier : before);
        }
    }

    // Old-style CR line ends are lines too: the earlier entries stay.
    TempDir db;
    solar::test::writeFile(db.file("solarlist.txt"), "solar210614t1230.fts\rsolar210613t1230.fts\r");
    const auto [rc, out] = runTool(quoted(in.file("gong.fits")) + " " + quoted(db.dir()));
    EXPECT_EQ(rc, 0) << out;
    EXPECT_EQ(solar::test::readFile(db.file("solarlist.txt")),
              "solar210613t1230.fts\r\nsolar210614t1230.fts\r\nsolar210615t1230.fts\r\n");
}

// Exit statuses: 2 for a database folder that cannot be written (also as root: /proc takes no
// files); 1 and no folder made for an input folder without FITS files; a file cut inside its image
// extension's header is reported as cut.
TEST(ImportImg, CommandLineToolStatusesAndMessages) {
    TempDir in, db;
    writeGongLike(in.file("gong.fits"), gongRef);
    {
        const auto [rc, out] = runTool(quoted(in.file("gong.fits")) + " /proc/");
        EXPECT_EQ(rc, 2) << out;
        EXPECT_NE(out.find("/proc/ cannot be written"), std::string::npos) << out;
    }
    if (::geteuid() != 0) {
        TempDir ro;
        ::chmod(ro.path().c_str(), 0500);
        const auto [rc, out] = runTool(quoted(in.file("gong.fits")) + " " + quoted(ro.dir()));
        ::chmod(ro.path().c_str(), 0700);
        EXPECT_EQ(rc, 2) << out;
    }
    {
        TempDir empty;
        solar::test::writeFile(empty.file("notes.txt"), "no images here");
        const auto [rc, out] = runTool(quoted(empty.dir()) + " " + quoted(db.file("new") + "/"));
        EXPECT_EQ(rc, 1) << out;
        EXPECT_FALSE(std::filesystem::exists(db.file("new")));
        EXPECT_EQ(out.find("list.txt"), std::string::npos) << out;
    }
    {
        // A data-less primary header, then an image extension whose header is cut in its middle.
        fitsfile *f = nullptr;
        int st = 0;
        fits_create_file(&f, ("!" + in.file("ext.fits")).c_str(), &st);
        fits_create_img(f, SHORT_IMG, 0, nullptr, &st);
        long naxes[2] = {64, 64};
        fits_create_img(f, SHORT_IMG, 2, naxes, &st);
        for (int i = 0; i < 40; ++i)
            keyD(f, ("KEY" + std::to_string(i)).c_str(), i, st);
        std::vector<short> zeros(64 * 64);
        fits_write_img(f, TSHORT, 1, 64 * 64, zeros.data(), &st);
        fits_close_file(f, &st);
        ASSERT_EQ(st, 0);
        const std::string whole = solar::test::readFile(in.file("ext.fits"));
        for (const std::size_t cut : {std::size_t{2880 + 1000}, std::size_t{2 * 2880}}) {
            solar::test::writeFile(in.file("cut.fits"), whole.substr(0, cut));
            const auto [rc, out] = runTool(quoted(in.file("cut.fits")) + " " + quoted(db.dir()));
            EXPECT_EQ(rc, 1) << out;
            EXPECT_NE(out.find("cut.fits: refused: "), std::string::npos) << out;
            EXPECT_NE(out.find("cut short"), std::string::npos) << cut << ": " << out;
            EXPECT_EQ(out.find("holds no image"), std::string::npos) << out;
        }
    }
}

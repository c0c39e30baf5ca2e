// The importer on images in the forms observatories deliver, drawn by the sample generator's sun with
// known spots: an HMI-like Rice-compressed BITPIX 32 image with BSCALE, CROTA2 = 180 and no values
// off the disc; a GONG-like BITPIX 16 image with SOLAR-* and limb-fit keywords, turned by its P
// angle; and a float image with nothing but its date. Reference B0, L0 and distance: an independent
// solar ephemeris library (Carrington longitude by the IAU rotation elements, light time and
// aberration applied), the same table that checks the program's ephemeris.
#include "imagedb/ImportImg.h"
#include "Generator.h"
#include "astro/HelioCoord.h"
#include "common/CommaLocale.h"
#include "common/ScriptedPrompt.h"
#include "common/TempDir.h"
#include "imagedb/SolrImages.h"
#include "imagefiles/GrFiles.h"

#include <fitsio.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

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

double semiDiamArcsec(double distance) {
    return 696000.0 / (distance * 149597870.66) * RadToDeg * 3600;
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
            keyD(f, "RSUN_OBS", semiDiamArcsec(hmiRef.distance), st);
            keyD(f, "CRLT_OBS", hmiRef.b0, st);
            keyD(f, "CRLN_OBS", hmiRef.l0, st);
            keyS(f, "RADESYS", "ICRS", st);
        },
        true);
}

// GONG-like: 1000 x 1000, BITPIX 16, as the sky shows it (celestial north toward the last row), so
// solar north lies SOLAR-P east of it; the limb-fit keywords count from the first pixel's outer edge.
constexpr double GongP = -23.5, GongCol = 497.2, GongRow = 503.9, GongRadius = 440.5;
void writeGongLike(const std::string &path, const Reference &ref, double keywordShift = 0) {
    const int n = 1000, m = 1200;
    const double gc = m / 2.0, gr = m / 2.0;
    const gen::SynthImage sun = drawSun(ref, m, gc, gr, GongRadius);
    const double p = GongP / RadToDeg;
    std::vector<double> v(static_cast<std::size_t>(n) * n);
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c) {
            // Image = solar turned by P counter-clockwise; back to solar: turn by -P.
            const double dx = c - GongCol, dy = r - GongRow;
            const double sx = dx * std::cos(p) + dy * std::sin(p), sy = -dx * std::sin(p) + dy * std::cos(p);
            v[static_cast<std::size_t>(r) * n + c] = std::round(sunBilinear(sun, gc + sx, gr - sy));
        }
    writeImage(path, SHORT_IMG, n, n, v, [&](fitsfile *f, int &st) {
        keyS(f, "DATE-OBS", iso(ref), st);
        keyD(f, "SOLAR-P", GongP, st);
        keyD(f, "SOLAR-B0", ref.b0, st);
        keyD(f, "SOLAR-L0", ref.l0, st);
        keyD(f, "SOLAR-R", semiDiamArcsec(ref.distance), st);
        keyD(f, "FNDLMBXC", GongCol + 0.5 + keywordShift, st);
        keyD(f, "FNDLMBYC", GongRow + 0.5, st);
        keyD(f, "FNDLMBMA", GongRadius, st);
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

// Loads an imported file in the program's reader and checks its header and its spots.
void checkImported(const std::string &path, const Reference &ref, bool measureSpots) {
    SCOPED_TRACE(path);
    solar::test::ScriptedPrompt prompt;
    TempDir user;
    FITSFileObj img(user.dir());
    ASSERT_TRUE(img.Load(path));
    EXPECT_TRUE(prompt.messages().empty()) << prompt.messages().front().text;
    const FitsHeader &h = img.Header();
    EXPECT_EQ(h.naxis1, 1024);
    EXPECT_NEAR(static_cast<double>(h.distance), ref.distance, 1e-5);
    EXPECT_NEAR(static_cast<double>(h.b0), ref.b0, 0.01);
    EXPECT_NEAR(std::remainder(static_cast<double>(h.l0) - ref.l0, 360.0), 0, 0.01);
    EXPECT_EQ(h.pAngle, 0);
    EXPECT_NEAR(static_cast<double>(h.semiDiameter) * RadToDeg * 3600, semiDiamArcsec(ref.distance), 0.1);
    EXPECT_NEAR(h.limbRadius, 440 / ref.distance, 0.01);
    if (!measureSpots)
        return;
    gen::DiscGeometry g;
    g.distanceAu = static_cast<double>(h.distance);
    g.b0Deg = static_cast<double>(h.b0);
    g.radiusPx = h.limbRadius;
    g.centreCol = g.centreRow = 512;
    HeliographicCoordObj conv;
    conv.SetImageGeometry(h);
    for (const Spot &s : spots) {
        const gen::PixelPoint p = gen::toPixel(g, {s.lat, s.cmLon});
        double col = 0, row = 0;
        spotCentroid(img, static_cast<double>(p.col), static_cast<double>(p.row), col, row);
        long double lon = 0, lat = 0;
        ASSERT_TRUE(conv.ToHeliographic(lon, lat, (col - 512) / h.limbRadius, (512 - row) / h.limbRadius));
        EXPECT_NEAR(static_cast<double>(lat) * RadToDeg, s.lat, 0.2) << "spot at " << s.cmLon;
        EXPECT_NEAR(static_cast<double>(lon) * RadToDeg, s.cmLon, 0.2) << "spot at " << s.lat;
    }
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

    checkImported(db.file(expected[0]), hmiRef, true);
    checkImported(db.file(expected[1]), gongRef, true);
    checkImported(db.file(expected[2]), bareRef, false); // the ephemeris path

    // Limb-fit keywords 12 pixels off (another convention, a stale fit): the limb wins.
    writeGongLike(in.file("shifted.fts"), hmiRef, 12);
    const ImportImg::Result shifted = importer.ImportFile(in.file("shifted.fts"));
    EXPECT_FALSE(shifted.ok) << shifted.message; // the same minute as the HMI-like image
    TempDir db2;
    ImportImg second;
    ASSERT_TRUE(second.Open(db2.dir(), ImportOptions{}, error));
    const ImportImg::Result r2 = second.ImportFile(in.file("shifted.fts"));
    EXPECT_NE(r2.message.find("from a fit to the limb (FNDLMBXC"), std::string::npos) << r2.message;
    checkImported(db2.file(expected[0]), hmiRef, true);

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

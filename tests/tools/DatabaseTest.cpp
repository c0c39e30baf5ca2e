// The database that the build lays into IMAGES/: files, headers, the answer key against the
// pixels and against the program's own conversion, the directory file through SolrImgFileObj,
// fitsverify, and the same pixels when generated again.
#include "GenTestData.h"

#include "Generator.h"
#include "astro/HelioCoord.h"
#include "common/ScriptedPrompt.h"
#include "common/TempDir.h"
#include "imagedb/SolrImages.h"
#include "imagefiles/GrFiles.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <set>

using namespace solar::test;
namespace gen = solar::gen;

namespace {

const gen::GenConfig cfg;

std::string listPath() {
    return imagesDir() + cfg.directoryName;
}

// Calendar day number of a date (days since 1970-01-01), written independently of the generator
// (Fliegel and Van Flandern 1968, Julian day number of a Gregorian date, less 2440588).
long dayNumber(int y, int m, int d) {
    return d - 32075 + 1461 * (y + 4800 + (m - 14) / 12) / 4 + 367 * (m - 2 - (m - 14) / 12 * 12) / 12 -
           3 * ((y + 4900 + (m - 14) / 12) / 100) / 4 - 2440588;
}

} // namespace

TEST(SolarDatabase, DirectoryReadsBackInTimeOrder) {
    ScriptedPrompt script;
    solar::SolrImgFileObj db;
    ASSERT_TRUE(db.ReadDirectory(listPath()));
    const auto names = directoryNames(listPath());
    ASSERT_EQ(db.Records().Count(), static_cast<int>(names.size()));
    ASSERT_GE(names.size(), 11u);
    ASSERT_LE(names.size(), 13u);

    // Every line ends in CR LF.
    FILE *f = std::fopen(listPath().c_str(), "rb");
    ASSERT_NE(f, nullptr);
    std::string raw;
    for (int c; (c = std::fgetc(f)) != EOF;)
        raw += static_cast<char>(c);
    std::fclose(f);
    std::size_t lf = 0, crlf = 0;
    for (std::size_t i = 0; i < raw.size(); ++i)
        if (raw[i] == '\n') {
            ++lf;
            crlf += i > 0 && raw[i - 1] == '\r';
        }
    EXPECT_EQ(lf, names.size());
    EXPECT_EQ(crlf, lf);

    std::set<long> days;
    double previous = 0;
    db.Records().Reset();
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto *rec = db.Records().NextAs<solar::SolrImgFileRec>();
        ASSERT_NE(rec, nullptr);
        EXPECT_EQ(rec->fileName.str(), names[i]); // the file is already in time order
        EXPECT_GT(rec->imageTime, previous);
        previous = rec->imageTime;
        EXPECT_TRUE(std::filesystem::exists(imagesDir() + names[i])) << names[i];

        // The record's time is the header's date and time, to the minute.
        FitsData img;
        ASSERT_TRUE(readFits(imagesDir() + names[i], img));
        int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
        ASSERT_EQ(std::sscanf(img.keys["DATE-OBS"].c_str(), "%d-%d-%d", &y, &mo, &d), 3);
        ASSERT_EQ(std::sscanf(img.keys["TIME-OBS"].c_str(), "%d:%d:%d", &h, &mi, &s), 3);
        const double expected = dayNumber(y, mo, d) - dayNumber(1899, 12, 30) + (h * 60 + mi) / 1440.0;
        EXPECT_NEAR(rec->imageTime, expected, 1e-7) << names[i];
        days.insert(dayNumber(y, mo, d));
    }
    // One image a day over 14 to 16 days, two or three days lost to the weather.
    EXPECT_EQ(days.size(), names.size());
    const long span = *days.rbegin() - *days.begin() + 1;
    EXPECT_GE(span, 14);
    EXPECT_LE(span, 16);
    EXPECT_GE(span - static_cast<long>(days.size()), 2);
    EXPECT_LE(span - static_cast<long>(days.size()), 3);
}

TEST(SolarDatabase, HeadersCarryWhatTheProgramReads) {
    for (const auto &name : directoryNames(listPath())) {
        SCOPED_TRACE(name);
        FitsData img;
        ASSERT_TRUE(readFits(imagesDir() + name, img));
        EXPECT_EQ(img.keys["SIMPLE"], "T");
        EXPECT_EQ(img.bitpix, 16);
        EXPECT_EQ(img.width, 1024);
        EXPECT_EQ(img.height, 1024);
        EXPECT_EQ(img.num("P_ANGLE"), 0.0);
        EXPECT_EQ(img.num("FNDLMBXC"), 512.0);
        EXPECT_EQ(img.num("FNDLMBYC"), 512.0);
        EXPECT_NEAR(img.num("FNDLMBMA"), 440, 8); // 440 px at 1 AU, +-1.7 % over the year
        EXPECT_NEAR(img.num("DISTANCE"), 1, 0.0171);
        EXPECT_LE(std::fabs(img.num("B0")), 7.26);
        EXPECT_GE(img.num("L0"), 0);
        EXPECT_LT(img.num("L0"), 360);
        EXPECT_GT(img.num("EXP"), 0);
        // The semi-diameter the program's conversion assumes: 696000 km over DISTANCE.
        EXPECT_NEAR(img.num("SEMIDIAM"), 696000.0 / (img.num("DISTANCE") * 149597870.66), 1e-14);
        EXPECT_FALSE(img.keys["OBJECT"].empty());
        EXPECT_FALSE(img.keys["OBSERVER"].empty());
        // The reader takes any keyword beginning with one of its own as that one: nothing else
        // may begin with EXP, RA, DEC, UT or END.
        for (const auto &[key, value] : img.keys)
            for (const char *prefix : {"EXP", "RA", "DEC", "UT", "END"})
                if (key.rfind(prefix, 0) == 0) {
                    EXPECT_EQ(key, prefix);
                }
        bool synthetic = false, law = false;
        for (const auto &c : img.comments) {
            synthetic = synthetic || c.find("Synthetic") != std::string::npos;
            law = law || c.find("Newton and Nunn (1951)") != std::string::npos;
        }
        EXPECT_TRUE(synthetic);
        EXPECT_TRUE(law);
    }
}

TEST(SolarDatabase, FitsverifyFindsNoErrors) {
    if (std::system("command -v fitsverify >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "fitsverify is not installed (scripts/deps installs it)";
    for (const auto &name : directoryNames(listPath())) {
        const std::string cmd = "fitsverify -q '" + imagesDir() + name + "' 2>&1";
        FILE *p = popen(cmd.c_str(), "r");
        ASSERT_NE(p, nullptr);
        std::string out;
        char buf[512];
        while (std::fgets(buf, sizeof buf, p))
            out += buf;
        const int rc = pclose(p);
        EXPECT_EQ(rc, 0) << out;
        EXPECT_NE(out.find("verification OK"), std::string::npos) << out;
    }
}

TEST(SolarDatabase, AnswerKeyConvertsBackThroughTheProgram) {
    const auto rows = readAnswerKey(keyDir() + cfg.answerKeyName);
    // Students browse IMAGES/: the key lies only in the instructors' folder.
    EXPECT_FALSE(std::filesystem::exists(imagesDir() + cfg.answerKeyName));
    ASSERT_FALSE(rows.empty());
    std::map<std::string, FitsData> images;
    std::set<std::string> spots;
    constexpr double RadToDeg = 57.295779513082320877;
    for (const KeyRow &r : rows) {
        SCOPED_TRACE(r.file + " spot " + r.spot);
        if (!images.count(r.file)) {
            ASSERT_TRUE(readFits(imagesDir() + r.file, images[r.file]));
        }
        const FitsData &img = images[r.file];
        spots.insert(r.spot);
        EXPECT_EQ(r.date, img.keys.at("DATE-OBS"));
        EXPECT_EQ(r.time, img.keys.at("TIME-OBS"));
        // As the image window does: centre at the middle of the image, radius from FNDLMBMA
        // (held as a 32-bit float by the reader), y upwards.
        solar::HeliographicCoordObj conv;
        conv.SetImageGeometry(img.num("DISTANCE"), img.num("B0"), img.num("L0"), img.num("P_ANGLE"),
                              img.num("SEMIDIAM"));
        const long double radius = static_cast<float>(img.num("FNDLMBMA"));
        const long double x = (r.col - img.width / 2.0L) / radius, y = (img.height / 2.0L - r.row) / radius;
        long double lon = 0, lat = 0;
        ASSERT_TRUE(conv.ToHeliographic(lon, lat, x, y));
        // The key prints the pixel centre to 0.001 px: at mu 0.2 that is under 0.001 deg.
        EXPECT_NEAR(static_cast<double>(lat) * RadToDeg, r.lat, 0.01);
        EXPECT_NEAR(static_cast<double>(lon) * RadToDeg, r.cmLon, 0.01);
        // Carrington longitude = longitude from the central meridian + L0.
        EXPECT_NEAR(std::remainder(r.carrLon - r.cmLon - img.num("L0"), 360.0), 0.0, 1e-3);
    }
    EXPECT_GE(spots.size(), 4u);
    EXPECT_LE(spots.size(), 6u);
}

TEST(SolarDatabase, DarkestPixelMarksEachListedSpot) {
    const auto rows = readAnswerKey(keyDir() + cfg.answerKeyName);
    ASSERT_FALSE(rows.empty());
    std::map<std::string, FitsData> images;
    for (const KeyRow &r : rows) {
        SCOPED_TRACE(r.file + " spot " + r.spot);
        if (!images.count(r.file)) {
            ASSERT_TRUE(readFits(imagesDir() + r.file, images[r.file]));
        }
        const FitsData &img = images[r.file];
        // The darkest pixel within 6 pixels of the listed centre.
        int best = 1 << 30, bc = -1, br = -1;
        for (int row = static_cast<int>(r.row) - 6; row <= static_cast<int>(r.row) + 7; ++row)
            for (int col = static_cast<int>(r.col) - 6; col <= static_cast<int>(r.col) + 7; ++col)
                if (std::hypot(col - r.col, row - r.row) <= 6 && img.at(col, row) < best) {
                    best = img.at(col, row);
                    bc = col;
                    br = row;
                }
        EXPECT_LE(std::hypot(bc - r.col, br - r.row), 2.0);
        // And it is a spot: well below the photosphere 12 pixels further in towards the centre.
        const double k = 12 / std::hypot(r.col - 512, r.row - 512);
        const int refCol = static_cast<int>(r.col + (512 - r.col) * k),
                  refRow = static_cast<int>(r.row + (512 - r.row) * k);
        EXPECT_LT(best, 0.75 * img.at(refCol, refRow));
    }
}

TEST(SolarDatabase, AnswerKeyRatesMatchTheMotion) {
    const auto rows = readAnswerKey(keyDir() + cfg.answerKeyName);
    std::map<std::string, std::vector<KeyRow>> bySpot;
    for (const KeyRow &r : rows)
        bySpot[r.spot].push_back(r);
    std::map<std::string, double> fitted;
    for (const auto &[spot, rs] : bySpot) {
        if (rs.size() < 4)
            continue;
        SCOPED_TRACE("spot " + spot);
        // Least-squares slope of the longitude from the central meridian against time.
        double st = 0, sl = 0, stt = 0, stl = 0;
        for (const KeyRow &r : rs) {
            st += r.moment;
            sl += r.cmLon;
            stt += r.moment * r.moment;
            stl += r.moment * r.cmLon;
        }
        const double n = static_cast<double>(rs.size());
        const double slope = (n * stl - st * sl) / (n * stt - st * st);
        // The listed synodic rate within 0.05 deg/day: the Earth's speed changes a little over
        // the series and the spots drift in latitude.
        EXPECT_NEAR(slope, rs.front().synRate, 0.05);
        EXPECT_NEAR(rs.front().synPeriod, 360 / rs.front().synRate, 0.001);
        EXPECT_NEAR(rs.front().sidPeriod, 360 / rs.front().sidRate, 0.001);
        // Sidereal minus synodic is the Earth's orbital motion, 0.95..1.02 deg/day.
        EXPECT_NEAR(rs.front().sidRate - rs.front().synRate, 0.985, 0.035);
        fitted[spot] = slope;
    }
    ASSERT_GE(fitted.size(), 3u);
    // Differential rotation: of two spots whose latitudes differ by more than 10 deg, the one
    // nearer the equator turns faster (the proper motions are a few hundredths of a deg/day).
    int pairs = 0;
    for (const auto &[a, slopeA] : fitted)
        for (const auto &[b, slopeB] : fitted) {
            const double latA = std::fabs(bySpot[a].front().lat), latB = std::fabs(bySpot[b].front().lat);
            if (latB - latA > 10) {
                EXPECT_GT(slopeA, slopeB + 0.1) << a << " against " << b;
                ++pairs;
            }
        }
    EXPECT_GE(pairs, 3);
}

TEST(SolarDatabase, OnlyTheHotPixelsTripTheReadersFilter) {
    for (const auto &name : directoryNames(listPath())) {
        SCOPED_TRACE(name);
        FitsData img;
        ASSERT_TRUE(readFits(imagesDir() + name, img));
        // The reader's display range with the default factors -0.25 and 2.0: low = mean - 0.25 sd,
        // high = 2 sd + low; a value above twice high is a hot pixel (negatives count as 0).
        long double sum = 0, sum2 = 0;
        for (int v : img.pixels) {
            const long double x = std::max(v, 0);
            sum += x;
            sum2 += x * x;
        }
        const long double n = static_cast<long double>(img.pixels.size());
        const long double mean = sum / n, sd = std::sqrt((sum2 - sum * sum / n) / (n - 1));
        const long double low = std::nearbyint(mean - 0.25L * sd), high = std::nearbyint(2 * sd + low);
        int hot = 0;
        for (int v : img.pixels)
            hot += v > 2 * high;
        EXPECT_EQ(hot, cfg.hotPixels);
    }
}

TEST(SolarDatabase, SameImageWhenGeneratedAgain) {
    const gen::SeriesPlan plan = gen::planSeries(cfg);
    ASSERT_FALSE(plan.images.empty());
    const gen::PlannedImage &first = plan.images.front();
    const gen::SynthImage again = gen::renderImage(cfg, first);
    FitsData img;
    ASSERT_TRUE(readFits(imagesDir() + first.fileName, img));
    ASSERT_EQ(img.pixels.size(), again.pixels.size());
    EXPECT_TRUE(std::equal(img.pixels.begin(), img.pixels.end(), again.pixels.begin()));
    EXPECT_EQ(again.hotPixels.size(), static_cast<std::size_t>(cfg.hotPixels));
}

TEST(SolarDatabase, EachImageLoadsThroughTheProgramsReader) {
    TempDir userDir;
    for (const auto &name : directoryNames(listPath())) {
        SCOPED_TRACE(name);
        FitsData ref; // the same file through cfitsio
        ASSERT_TRUE(readFits(imagesDir() + name, ref));
        ScriptedPrompt script; // any message box fails the test
        solar::FITSFileObj img(userDir.dir());
        ASSERT_TRUE(img.Load(imagesDir() + name));
        EXPECT_TRUE(script.calls.empty());

        const solar::FitsHeader &h = img.Header();
        EXPECT_EQ(h.bitpix, 16);
        EXPECT_EQ(h.naxis, 2);
        EXPECT_EQ(img.Description().width, 1024);
        EXPECT_EQ(img.Description().height, 1024);
        EXPECT_EQ(img.Description().discCentreX, 512.0f);
        EXPECT_EQ(img.Description().discCentreY, 512.0f);
        EXPECT_EQ(img.Description().discRadius, static_cast<float>(ref.num("FNDLMBMA")));
        EXPECT_EQ(h.limbCentreX, 512.0f);
        EXPECT_NEAR(static_cast<double>(h.distance), ref.num("DISTANCE"), 1e-15);
        EXPECT_NEAR(static_cast<double>(h.b0), ref.num("B0"), 1e-12);
        EXPECT_NEAR(static_cast<double>(h.l0), ref.num("L0"), 1e-12);
        EXPECT_EQ(h.pAngle, 0.0L);
        EXPECT_NEAR(static_cast<double>(h.semiDiameter), ref.num("SEMIDIAM"), 1e-18);
        EXPECT_NEAR(static_cast<double>(h.exposure), ref.num("EXP"), 1e-12);
        std::string object = ref.keys["OBJECT"];
        std::transform(object.begin(), object.end(), object.begin(),
                       [](unsigned char c) { return std::toupper(c); });
        EXPECT_EQ(h.object.str(), object); // upper-cased, and no padding blanks kept
        EXPECT_EQ(h.observer.str(), ref.keys["OBSERVER"]);

        // The observation moment: DATE-OBS and TIME-OBS to the second.
        int y = 0, mo = 0, d = 0, hh = 0, mi = 0, ss = 0;
        ASSERT_EQ(std::sscanf(ref.keys["DATE-OBS"].c_str(), "%d-%d-%d", &y, &mo, &d), 3);
        ASSERT_EQ(std::sscanf(ref.keys["TIME-OBS"].c_str(), "%d:%d:%d", &hh, &mi, &ss), 3);
        const double moment =
            dayNumber(y, mo, d) - dayNumber(1899, 12, 30) + (hh * 3600 + mi * 60 + ss) / 86400.0;
        EXPECT_NEAR(h.observationMoment, moment, 1e-8);

        // The pixels as stored, and no hot pixel left after the reader's filter.
        const solar::IntArrayList *table = img.PixelTable();
        ASSERT_NE(table, nullptr);
        const std::int32_t limit = 2 * img.Description().displayHigh;
        int above = 0, differ = 0;
        for (int row = 0; row < 1024; ++row)
            for (int col = 0; col < 1024; ++col) {
                const std::int32_t v = table->GetValue(col, row);
                above += v > limit;
                differ += v != ref.at(col, row);
            }
        EXPECT_EQ(above, 0);
        EXPECT_EQ(differ, cfg.hotPixels); // only the hot pixels were replaced
    }
}

// The FITS reader: keyword table, value tokens, sexagesimal values, observation times, the
// header listing, the five pixel types, histogram and display range, hot pixels, and every
// failure message with nothing left behind.
#include "imagefiles/GrFiles.h"

#include "common/ScriptedPrompt.h"
#include "common/TempDir.h"
#include "imagefiles/FitsMaker.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>
#include <limits>

namespace solar::test {
namespace {

std::size_t filesIn(const TempDir &d) {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto &e : std::filesystem::directory_iterator(d.path()))
        ++n;
    return n;
}

// A folder with the FITS file and a separate user folder for the temporary files.
struct Fixture {
    TempDir files;
    TempDir user;
    std::string write(const std::string &name, const std::string &bytes) {
        const std::string p = files.file(name);
        writeFile(p, bytes);
        return p;
    }
};

std::vector<std::int32_t> pixels(const FITSFileObj &f) {
    std::vector<std::int32_t> out;
    const IntArrayList *t = f.PixelTable();
    for (int r = 0; r < t->Rows(); ++r)
        for (int c = 0; c < t->Columns(); ++c)
            out.push_back(t->GetValue(c, r));
    return out;
}

TEST(FitsKeywords, TableOrderAndPrefixRule) {
    EXPECT_EQ(KeywordIndex("SIMPLE  =                    T"), kwSIMPLE);
    EXPECT_EQ(KeywordIndex("NAXIS   =                    2"), kwNAXIS);
    EXPECT_EQ(KeywordIndex("NAXIS1  =                   10"), kwNAXIS1); // the longer entry wins
    EXPECT_EQ(KeywordIndex("NAXIS3  =                    1"), kwNAXIS3);
    EXPECT_EQ(KeywordIndex("EQUINOX =               2000.0"), kwEQUINOX);
    EXPECT_EQ(KeywordIndex("EXPTIME =                  1.5"), kwEXP); // prefix: read as EXP
    EXPECT_EQ(KeywordIndex("RADECSYS= 'FK5     '"), kwRA);            // prefix: read as RA
    EXPECT_EQ(KeywordIndex("ENDTIME = '12:00'"), kwEND);              // prefix: ends the header
    EXPECT_EQ(KeywordIndex("DATE-OBS= '1998-03-05'"), kwDATE_OBS);
    EXPECT_EQ(KeywordIndex("DATE    = '1998-03-05'"), NoKeyword);
    EXPECT_EQ(KeywordIndex("COMMENT   anything"), NoKeyword);
    EXPECT_EQ(KeywordIndex("P_ANGLE =  0.1"), kwP_ANGLE);
    EXPECT_EQ(KeywordIndex("END"), kwEND);
    EXPECT_EQ(KeywordIndex("simple  = T"), NoKeyword); // keywords are upper case
    // The table's texts in order, as listed for the header format.
    const char *table[] = {"SIMPLE",   "EXTEND",   "BITPIX",   "NAXIS",    "NAXIS1",  "NAXIS2",   "NAXIS3",
                           "BSCALE",   "BZERO",    "BLANK",    "XTENSION", "PCOUNT",  "GCOUNT",   "TFIELDS",
                           "RA",       "DEC",      "OBJECT",   "EPOCH",    "EQUINOX", "OBSERVER", "DATE-OBS",
                           "UT",       "TIME-OBS", "DISTANCE", "B0",       "L0",      "P_ANGLE",  "SEMIDIAM",
                           "FNDLMBXC", "FNDLMBYC", "FNDLMBMA", "EXP",      "FILTER",  "END"};
    for (int i = 0; i < 34; ++i)
        EXPECT_EQ(KeywordText(i), table[i]) << i;
}

TEST(FitsKeywords, ValueTokens) {
    EXPECT_EQ(ValueToken("BSCALE  =                  1.0 / scale factor"), "1.0");
    EXPECT_EQ(ValueToken("OBJECT  = '  Sun spot  '  / comment"), "Sun spot  ");
    EXPECT_EQ(ValueToken("OBJECT  = 'unclosed"), "unclosed");
    EXPECT_EQ(ValueToken("XTENSION= 'TABLE   '"), "TABLE   ");
    EXPECT_EQ(ValueToken("END"), "");
    EXPECT_EQ(ValueToken("HISTORY  a b"), "b"); // column 11 onwards, whatever the card is
}

TEST(FitsKeywords, Sexagesimal) {
    long double v = -1;
    ASSERT_TRUE(ParseSexagesimal("12:30:36", false, v));
    EXPECT_NEAR(static_cast<double>(v), 12.51, 1e-12); // 12 + 30/60 + 36/3600
    ASSERT_TRUE(ParseSexagesimal("-00:30:00", true, v));
    EXPECT_NEAR(static_cast<double>(v), -0.5, 1e-15); // the sign applies to the minutes
    ASSERT_TRUE(ParseSexagesimal("-10:30:36", true, v));
    EXPECT_NEAR(static_cast<double>(v), -10.51, 1e-12);
    ASSERT_TRUE(ParseSexagesimal(" 5 : 15 ", false, v));
    EXPECT_NEAR(static_cast<double>(v), 5.25, 1e-15);
    ASSERT_TRUE(ParseSexagesimal("123.25", false, v));
    EXPECT_NEAR(static_cast<double>(v), 123.25, 1e-15);
    ASSERT_TRUE(ParseSexagesimal("", true, v));
    EXPECT_EQ(v, 0);
    EXPECT_FALSE(ParseSexagesimal("ab:10", false, v));
    EXPECT_EQ(v, 0);
}

// Moments: whole days since 1899-12-30 counted by Python's datetime (1998-03-05 is day 35859,
// 2001-03-05 day 36955), plus the time of day written out in seconds.
struct TimeCase {
    std::vector<std::string> cards;
    double expected;
};

TEST(FitsTimes, EveryDateAndTimeForm) {
    const double d1998 = 35859, d2001 = 36955;
    const TimeCase cases[] = {
        {{quoted("DATE-OBS", "1998-03-05T16:30:12.5"), quoted("UT", "01:00:00")},
         d1998 + (16 * 3600 + 30 * 60 + 12) / 86400.0},
        {{quoted("DATE-OBS", "05/03/98"), quoted("UT", "12:00:00")}, d1998 + 0.5},
        {{quoted("DATE-OBS", "05/03/01"), quoted("UT", "06:00:00")}, d2001 + 0.25},
        {{quoted("DATE-OBS", "1998/03/05"), quoted("TIME-OBS", "18:00:00")}, d1998 + 0.75},
        {{quoted("DATE-OBS", "05-03-1998"), quoted("UT", "00:00:36")}, d1998 + 36 / 86400.0},
        {{quoted("DATE-OBS", "1998-03-05"), kv("TIME-OBS", "43200.0")}, d1998 + 0.5},
        {{quoted("DATE-OBS", "1998-03-05"), quoted("UT", "1:30:00 PM")}, d1998 + 13.5 / 24},
        {{quoted("DATE-OBS", "1998-03-05")}, d1998},
    };
    for (const auto &tc : cases) {
        Fixture fx;
        ScriptedPrompt p;
        FITSFileObj f(fx.user.dir());
        ASSERT_TRUE(f.Load(fx.write("t.fits", imageFile(8, 2, 2, "\1\2\3\4", tc.cards)))) << tc.cards[0];
        EXPECT_NEAR(f.Header().observationMoment, tc.expected, 1e-9) << tc.cards[0];
    }
}

TEST(FitsTimes, BadDateOrTimeIsReportedAndCountsAsZero) {
    Fixture fx;
    ScriptedPrompt p;
    p.expect("Numeric Conversion Error");
    FITSFileObj f(fx.user.dir());
    ASSERT_TRUE(f.Load(fx.write(
        "t.fits", imageFile(8, 1, 1, "\1", {quoted("DATE-OBS", "1998-13-45"), quoted("UT", "06:00:00")}))));
    EXPECT_EQ(p.lastMessage().text, "Keyword field contains non-numeric data.\r\n\r\nKeyword: DATE-OBS\r\n"
                                    "Data: 1998-13-45");
    EXPECT_NEAR(f.Header().observationMoment, 0.25, 1e-12);

    ScriptedPrompt p2;
    p2.expect("Numeric Conversion Error");
    FITSFileObj g(fx.user.dir());
    ASSERT_TRUE(g.Load(fx.write(
        "u.fits", imageFile(8, 1, 1, "\1", {quoted("DATE-OBS", "1998-03-05"), quoted("UT", "noon")}))));
    EXPECT_NE(p2.lastMessage().text.find("Keyword: UT\r\nData: noon"), std::string::npos);
    EXPECT_EQ(g.Header().observationMoment, 35859);
}

TEST(FitsHeader, ValuesOfEveryKind) {
    Fixture fx;
    ScriptedPrompt p;
    p.expect("Numeric Conversion Error"); // BLANK = 'x'
    FITSFileObj f(fx.user.dir());
    const std::string path = fx.write(
        "sun.fits",
        imageFile(16, 3, 2, be16({1, 2, 3, 4, 5, 6}),
                  {kv("BSCALE", "1.0 / comment"), kv("BZERO", "0.0"), kv("BLANK", "x"),
                   quoted("OBJECT", "sun spot"), quoted("OBSERVER", "Kim  Lee"), kv("EPOCH", "1950.0"),
                   kv("EQUINOX", "2000.0"), quoted("RA", "12:30:36"), quoted("DEC", "-00:30:00"),
                   kv("FNDLMBXC", "1.5"), kv("FNDLMBYC", "2.5"), kv("FNDLMBMA", "190.0"),
                   kv("DISTANCE", "0.9833"), kv("B0", "-7.2"), kv("L0", "1.25D2"), kv("P_ANGLE", "0.1"),
                   kv("SEMIDIAM", "0.00475"), kv("EXPTIME", "2.5"), quoted("FILTER", "Ha")}));
    ASSERT_TRUE(f.Load(path));
    const FitsHeader &h = f.Header();
    EXPECT_TRUE(h.simple);
    EXPECT_EQ(h.bitpix, 16);
    EXPECT_EQ(h.naxis1, 3);
    EXPECT_EQ(h.blank, 0); // kept its earlier value
    EXPECT_EQ(h.object.str(), "SUN SPOT");
    EXPECT_EQ(h.observer.str(), "Kim  Lee");
    EXPECT_EQ(h.epoch, 2000.0L); // the later card wins
    EXPECT_NEAR(static_cast<double>(h.rightAscension), 12.51, 1e-12);
    EXPECT_NEAR(static_cast<double>(h.declination), -0.5, 1e-15);
    EXPECT_EQ(h.limbRadius, 190.0f);
    EXPECT_EQ(h.l0, 125.0L);
    EXPECT_EQ(h.exposure, 2.5L);
    EXPECT_NEAR(static_cast<double>(h.distance), 0.9833, 1e-15);
    EXPECT_EQ(f.Zoom(), 2.0L); // 380 / 190
    EXPECT_EQ(f.Description().discRadius, 190.0f);
    EXPECT_EQ(f.Description().discCentreX, 1.5f);
    EXPECT_EQ(f.Description().kindText, "FITS (BITPIX = 16)");
    EXPECT_EQ(f.DisplayName(), "SUN.FIT");
    EXPECT_EQ(f.HeaderListingPath(), fx.user.dir() + "SUN.HDR");
    EXPECT_EQ(f.RasterPath(), fx.user.dir() + "SUN.BMP");
    std::uint8_t bytes[FitsHeader::bytes];
    h.toBytes(bytes);
    EXPECT_EQ(bytes[2], 16);  // bitpix after the two flags
    EXPECT_EQ(bytes[159], 8); // OBJECT's length byte after 159 bytes of fields
    EXPECT_EQ(bytes[160], 'S');
}

TEST(FitsHeader, MissingLimbRadiusGivesAZoomThatFitsTheImage) {
    Fixture fx;
    ScriptedPrompt p;
    FITSFileObj f(fx.user.dir());
    ASSERT_TRUE(f.Load(fx.write("a.fts", imageFile(8, 4, 2, "12345678"))));
    EXPECT_FALSE(f.HasLimbRadius());
    EXPECT_EQ(f.Zoom(), 190.0L); // 760 / 4: the longer side fills what a disc of radius 380 would
    EXPECT_EQ(f.Description().discRadius, 0.0f);
}

TEST(FitsHeader, ListingLineForLine) {
    Fixture fx;
    ScriptedPrompt p;
    std::vector<std::string> cards = imageCards(8, 1, 1);
    cards.push_back(card("COMMENT " + std::string(70, 'x'))); // 78 characters: listed up to column 72
    for (int i = 0; i < 35; ++i)                              // pushes END into the second record
        cards.push_back(kv("HISTORY", std::to_string(i)));
    const std::string path = fx.write("hdr.fits", header(cards) + padded("\7"));
    {
        FITSFileObj f(fx.user.dir());
        ASSERT_TRUE(f.Load(path));
        // Lines end in CR LF, as in every text file the program writes.
        std::string expected = path + "\r\n** FITS Header Information **\r\n\r\n";
        expected +=
            "SIMPLE  =                    T\r\nBITPIX  = 8\r\nNAXIS   = 2\r\nNAXIS1  = 1\r\nNAXIS2  = 1\r\n";
        expected += "COMMENT " + std::string(64, 'x') + "\r\n";
        for (int i = 0; i < 35; ++i)
            expected += "HISTORY = " + std::to_string(i) + "\r\n";
        expected += "END\r\n";
        for (int i = 0; i < 72 - 42; ++i) // 41 cards and END: the rest of the second record
            expected += " \r\n";
        EXPECT_EQ(readFile(f.HeaderListingPath()), expected);
        EXPECT_EQ(pixels(f), std::vector<std::int32_t>{7}); // data after the two-record header
    }
    EXPECT_EQ(filesIn(fx.user), 0u); // both temporary files go with the object
}

TEST(FitsHeader, DatalessPrimaryFollowedByImageExtension) {
    Fixture fx;
    ScriptedPrompt p;
    const std::string primary = header(
        {kv("SIMPLE", "T"), kv("BITPIX", "8"), kv("NAXIS", "0"), kv("EXTEND", "T"), kv("FNDLMBMA", "95.0")});
    const std::string ext =
        header({quoted("XTENSION", "IMAGE   "), kv("BITPIX", "16"), kv("NAXIS", "2"), kv("NAXIS1", "2"),
                kv("NAXIS2", "2"), kv("PCOUNT", "0"), kv("GCOUNT", "1"), kv("BZERO", "32768")});
    FITSFileObj f(fx.user.dir());
    ASSERT_TRUE(f.Load(fx.write("x.fits", primary + ext + padded(be16({-32768, 0, 1, 32767})))));
    EXPECT_EQ(f.Header().bitpix, 16);
    EXPECT_EQ(f.Header().xtension.str(), "IMAGE   ");
    EXPECT_EQ(f.Zoom(), 4.0L); // the primary's FNDLMBMA stays
    // Unsigned 16-bit: stored + 32768.
    EXPECT_EQ(pixels(f), (std::vector<std::int32_t>{0, 32768, 32769, 65535}));
}

TEST(FitsHeader, TableExtensionIsRefusedSilently) {
    Fixture fx;
    ScriptedPrompt p; // no message expected
    const std::string primary =
        header({kv("SIMPLE", "T"), kv("BITPIX", "8"), kv("NAXIS", "0"), kv("EXTEND", "T")});
    const std::string ext = header({quoted("XTENSION", "TABLE   "), kv("BITPIX", "8"), kv("NAXIS", "2"),
                                    kv("NAXIS1", "4"), kv("NAXIS2", "1")});
    FITSFileObj f(fx.user.dir());
    EXPECT_FALSE(f.Load(fx.write("t.fits", primary + ext + padded("abcd"))));
    EXPECT_EQ(filesIn(fx.user), 0u);
}

// The five pixel types. Expected values are Round(v * BSCALE + BZERO) worked by hand, halves to
// the even neighbour; float data are rounded without the scaling.
TEST(FitsData, FivePixelTypes) {
    struct Case {
        int bitpix;
        std::string data;
        std::vector<std::string> cards;
        std::vector<std::int32_t> expected;
    };
    const Case cases[] = {
        // 1 * 2.5 - 3 = -0.5 -> 0 (half to even), 2 * 2.5 - 3 = 2, 255 * 2.5 - 3 = 634.5 -> 634
        {8, std::string("\x00\x01\x02\xFF", 4), {kv("BSCALE", "2.5"), kv("BZERO", "-3")}, {-3, 0, 2, 634}},
        {16, be16({-32768, -1, 0, 32767}), {kv("BZERO", "32768")}, {0, 32767, 32768, 65535}},
        {16, be16({1, 3, 5, -5}), {kv("BSCALE", "0.5")}, {0, 2, 2, -2}}, // 0.5, 1.5, 2.5, -2.5
        {32, be32({-2147483648LL, -1, 7, 2147483647}), {}, {-2147483647 - 1, -1, 7, 2147483647}},
        {32, be32({10, 11, 12, 13}), {kv("BSCALE", "0.25"), kv("BZERO", "1")}, {4, 4, 4, 4}},
        // 3.5 -> 4, 3.75 -> 4, 4 -> 4, 4.25 -> 4
        {-32, beF32({2.5f, 3.5f, -2.5f, 1e6f}), {kv("BSCALE", "10"), kv("BZERO", "5")}, {2, 4, -2, 1000000}},
        {-64, beF64({0.5, 1.5, -1234.75, 65535.49}), {}, {0, 2, -1235, 65535}},
    };
    for (const auto &c : cases) {
        Fixture fx;
        ScriptedPrompt p;
        FITSFileObj f(fx.user.dir());
        ASSERT_TRUE(f.Load(fx.write("d.fits", imageFile(c.bitpix, 2, 2, c.data, c.cards)))) << c.bitpix;
        EXPECT_EQ(pixels(f), c.expected) << c.bitpix;
    }
}

// Values beyond the pixel table's 32 bits are held at its limits; values beyond 64 bits do not
// convert (0 and the data question).
TEST(FitsData, ValuesOutOfRange) {
    Fixture fx;
    ScriptedPrompt p;
    FITSFileObj f(fx.user.dir());
    // Unsigned 32-bit data: stored 2147483647 + 2^31 = 4294967295 is above the table's top.
    ASSERT_TRUE(f.Load(fx.write(
        "u32.fits", imageFile(32, 2, 1, be32({-2147483648LL, 2147483647}), {kv("BZERO", "2147483648")}))));
    EXPECT_EQ(pixels(f), (std::vector<std::int32_t>{0, 2147483647}));
    FITSFileObj g(fx.user.dir());
    ASSERT_TRUE(g.Load(fx.write("f.fits", imageFile(-32, 2, 1, beF32({3e9f, -3e9f})))));
    EXPECT_EQ(pixels(g), (std::vector<std::int32_t>{2147483647, -2147483647 - 1}));

    p.expect("File Errors Detected!", Answer::OK);
    FITSFileObj h(fx.user.dir());
    ASSERT_TRUE(h.Load(fx.write("d.fits", imageFile(-64, 3, 1, beF64({1e30, 5.5, -1e19})))));
    EXPECT_EQ(pixels(h), (std::vector<std::int32_t>{0, 6, 0}));
}

// A load puts the display defaults into the image window's record, makes it current and has
// the window redrawn when the current record is the window's.
TEST(FitsDisplay, LoadResetsTheImageWindowRecord) {
    Fixture fx;
    ScriptedPrompt p;
    DisplayParams defaults;
    defaults.brightness = 10;
    defaults.contrast = -10;
    defaults.spare = 7;
    DisplayParams window;
    window.brightness = -40;
    DisplayState &ds = displayState();
    const DisplayState saved = ds;
    int redraws = 0;
    ds.defaults = &defaults;
    ds.imageWindow = &window;
    ds.current = &defaults;
    ds.currentIsImageWindow = true;
    ds.redisplayImageWindow = [&] { ++redraws; };
    FITSFileObj f(fx.user.dir());
    const bool ok = f.Load(fx.write("w.fits", imageFile(8, 2, 2, "\x0A\x14\x1E\x28")));
    ds = saved;
    ASSERT_TRUE(ok);
    EXPECT_EQ(ds.current, saved.current);
    EXPECT_EQ(window.brightness, 10);
    EXPECT_EQ(window.lowerIndex, 54);  // 64 - 10
    EXPECT_EQ(window.upperIndex, 148); // 54 + Round(63 * 1.5) = 54 + 94 (94.5 to even)
    EXPECT_EQ(window.spare, 0);
    EXPECT_EQ(redraws, 1);
    // The raster itself was made with the plain ramp 64..127.
    RasterImage img;
    ASSERT_TRUE(ReadRasterFile(f.RasterPath(), img));
    EXPECT_EQ(img.palette[4 * 64], 0);
    EXPECT_EQ(img.palette[4 * 127], 255);
}

TEST(FitsData, NanInFloatDataAsksOnceAndBecomesZero) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const std::string file = imageFile(-32, 3, 1, beF32({nan, 4.0f, nan}));
    for (Answer a : {Answer::OK, Answer::Cancel}) {
        Fixture fx;
        ScriptedPrompt p;
        p.expect("File Errors Detected!", a);
        FITSFileObj f(fx.user.dir());
        const bool ok = f.Load(fx.write("nan.fits", file));
        EXPECT_EQ(
            p.lastMessage().text,
            "Errors were detected while loading and processing NAN.FIT.  The resulting image may or may not "
            "be useable.\r\n\r\nPress \"OK\" to attempt to generate the image, \"Cancel\" to abort.");
        EXPECT_EQ(p.lastMessage().buttons, Buttons::OKCancel);
        EXPECT_EQ(p.lastMessage().icon, Icon::Stop);
        if (a == Answer::OK) {
            ASSERT_TRUE(ok);
            EXPECT_EQ(pixels(f), (std::vector<std::int32_t>{0, 4, 0}));
        } else {
            EXPECT_FALSE(ok);
            EXPECT_EQ(filesIn(fx.user), 0u);
        }
    }
}

TEST(FitsData, TruncatedDataAsksTheQuestion) {
    Fixture fx;
    ScriptedPrompt p;
    p.expect("File Errors Detected!", Answer::OK);
    FITSFileObj f(fx.user.dir());
    // 4 x 2 of 16 bits declared, 6 values present, no padding: the missing two read as 0.
    const std::string file = header(imageCards(16, 4, 2)) + be16({1, 2, 3, 4, 5, 6});
    ASSERT_TRUE(f.Load(fx.write("cut.fits", file)));
    EXPECT_EQ(pixels(f), (std::vector<std::int32_t>{1, 2, 3, 4, 5, 6, 0, 0}));
}

// What a large load must give, worked out here: the table, the statistics of the values read,
// and a raster whose every byte is DisplayIndex of its table value.
struct LargeExpectation {
    std::vector<std::int32_t> read;  // the values as read, before hot pixels are filtered
    std::vector<std::int32_t> table; // the table after the load
    std::int64_t valuesRead = 0;     // values the file holds (the rest of the table stays 0)
};

void checkLargeLoad(const FITSFileObj &f, const LargeExpectation &e) {
    EXPECT_EQ(pixels(f), e.table);
    std::vector<std::int32_t> counts(256, 0);
    long double sum = 0;
    long double sumSq = 0;
    std::int32_t lo = std::numeric_limits<std::int32_t>::max();
    std::int32_t hi = 0;
    for (std::int64_t i = 0; i < e.valuesRead; ++i) {
        const std::int32_t v = e.read[static_cast<std::size_t>(i)];
        lo = std::min(lo, v);
        hi = std::max(hi, v);
        const long double x = std::max(0, v);
        sum += x;
        sumSq += x * x;
        ++counts[static_cast<std::size_t>(std::min(255, std::max(0, v) / 256))];
    }
    const long double n = static_cast<long double>(e.valuesRead);
    EXPECT_EQ(f.Description().minimum, lo);
    EXPECT_EQ(f.Description().maximum, hi);
    EXPECT_EQ(f.Histogram()->Counts(), counts);
    EXPECT_NEAR(static_cast<double>(f.Histogram()->Mean()), static_cast<double>(sum / n), 1e-9);
    EXPECT_NEAR(static_cast<double>(f.Histogram()->StdDev()),
                static_cast<double>(std::sqrt((sumSq - sum * sum / n) / (n - 1))), 1e-6);
    RasterImage img;
    ASSERT_TRUE(ReadRasterFile(f.RasterPath(), img));
    ASSERT_EQ(img.pixels.size(), e.table.size());
    std::size_t wrong = 0;
    for (std::size_t i = 0; i < e.table.size(); ++i)
        wrong += img.pixels[i] != f.DisplayIndex(e.table[i]) ? 1 : 0;
    EXPECT_EQ(wrong, 0u);
}

// A large image (2048 x 1024) is read in two halves of rows and its raster mapped in blocks by
// two threads on a machine with two cores: hot pixels on both sides of the halves' border
// (the upper one filtered first, its new value then a neighbour of the lower one), values
// spread beyond the counting window in the lower half only, a NaN and data that end in the
// middle of a lower row.
TEST(FitsData, LargeImagesReadInHalves) {
    constexpr int W = 2048;
    constexpr int H = 1024;
    {
        // 16 bits with BZERO 32768: a background of 1000 + column % 50 and four hot pixels.
        LargeExpectation e;
        e.read.resize(static_cast<std::size_t>(W) * H);
        for (int r = 0; r < H; ++r)
            for (int c = 0; c < W; ++c)
                e.read[static_cast<std::size_t>(r) * W + c] = 1000 + c % 50;
        auto at = [&](std::vector<std::int32_t> &v, int r, int c) -> std::int32_t & {
            return v[static_cast<std::size_t>(r) * W + c];
        };
        for (auto [r, c] : {std::pair{0, 0}, {511, 100}, {512, 101}, {H - 1, W - 1}})
            at(e.read, r, c) = 60000;
        e.valuesRead = static_cast<std::int64_t>(W) * H;
        e.table = e.read;
        at(e.table, 0, 0) = 1001;         // its one neighbour (1, 1)
        at(e.table, 511, 100) = 15775;    // (1049 + 1001 + 1049 + 60000) / 4 = 15774.75
        at(e.table, 512, 101) = 4695;     // (15775 + 1002 + 1000 + 1002) / 4 = 4694.75
        at(e.table, H - 1, W - 1) = 1046; // (H - 2, W - 2): 1000 + 2046 % 50
        std::vector<int> stored;
        for (std::int32_t v : e.read)
            stored.push_back(v - 32768);
        Fixture fx;
        ScriptedPrompt p;
        FITSFileObj f(fx.user.dir());
        ASSERT_TRUE(
            f.Load(fx.write("big16.fits", imageFile(16, W, H, be16(stored), {kv("BZERO", "32768")}))));
        // The filter's limit lies between the background and the hot values.
        ASSERT_GT(2 * f.Description().displayHigh, 1049);
        ASSERT_LT(2 * f.Description().displayHigh, 4695);
        checkLargeLoad(f, e);
    }
    {
        // 32-bit reals ending 1000 values into row 900: halves rounded to even, -1e6 in row 800,
        // a NaN (0 and the data question) in row 700.
        LargeExpectation e;
        e.valuesRead = 900LL * W + 1000;
        e.read.assign(static_cast<std::size_t>(W) * H, 0);
        std::vector<float> stored;
        for (std::int64_t i = 0; i < e.valuesRead; ++i) {
            const auto r = static_cast<int>(i / W);
            const auto c = static_cast<int>(i % W);
            float v = static_cast<float>(10 * (r % 100)) + static_cast<float>(c % 7) - 2.5f;
            if (r == 800 && c % 100 == 0)
                v = -1.0e6f;
            if (r == 700 && c == 3)
                v = std::numeric_limits<float>::quiet_NaN();
            stored.push_back(v);
            e.read[static_cast<std::size_t>(i)] =
                std::isnan(v) ? 0 : static_cast<std::int32_t>(std::nearbyint(v));
        }
        e.table = e.read;
        Fixture fx;
        ScriptedPrompt p;
        p.expect("File Errors Detected!", Answer::OK);
        FITSFileObj f(fx.user.dir());
        ASSERT_TRUE(f.Load(fx.write("big32.fits", header(imageCards(-32, W, H)) + beF32(stored))));
        ASSERT_GE(2 * f.Description().displayHigh, f.Description().maximum); // no hot pixels
        checkLargeLoad(f, e);
    }
}

// Histogram of 1, 2, 2, 3, 10, -4 (width 1, 8 bins): -4 counts as 0 and 10 goes to the last bin.
TEST(Histogram, CountsModeMeanAndDeviation) {
    HistogramObj h(8, 1);
    for (int v : {1, 2, 2, 3, 10, -4})
        h.AddInt(v);
    EXPECT_EQ(h.Counts(), (std::vector<std::int32_t>{1, 1, 2, 1, 0, 0, 0, 1}));
    EXPECT_EQ(h.Mode().bin, 2);
    EXPECT_EQ(h.Mode().count, 2);
    EXPECT_EQ(h.FirstEmptyAboveMode(), 4);
    // Values 1, 2, 2, 3, 10, 0: mean 18 / 6 = 3; squares sum to 118, so (118 - 54) / 5 = 12.8.
    EXPECT_NEAR(static_cast<double>(h.Mean()), 3.0, 1e-15);
    EXPECT_NEAR(static_cast<double>(h.StdDev()), std::sqrt(12.8), 1e-15);
    // The real-valued Add bins the same way.
    HistogramObj r(8, 1);
    for (double v : {1.0, 2.0, 2.5, 3.0, 10.0, -4.0})
        r.Add(v);
    EXPECT_EQ(r.Counts(), (std::vector<std::int32_t>{1, 1, 2, 1, 0, 0, 0, 1}));

    HistogramObj wide(256, 256);
    for (int v : {65280, 70000, -5, 255, 256})
        wide.AddInt(v);
    EXPECT_EQ(wide.Counts()[255], 2); // 65280 and above in the last bin
    EXPECT_EQ(wide.Counts()[0], 2);   // -5 and 255
    EXPECT_EQ(wide.Counts()[1], 1);
    EXPECT_EQ(wide.FirstEmptyAboveMode(), 2);

    HistogramObj empty(4, 1);
    EXPECT_EQ(empty.Mode().bin, 0);
    EXPECT_EQ(empty.Mode().count, 0);
    EXPECT_EQ(empty.Mean(), 0);
    EXPECT_EQ(empty.StdDev(), 0);
    HistogramObj ties(4, 1);
    for (int v : {3, 1, 3, 1})
        ties.AddInt(v);
    EXPECT_EQ(ties.Mode().bin, 1); // the lower of two equal bins
    EXPECT_EQ(ties.FirstEmptyAboveMode(), 2);
}

// A 4 x 2 BITPIX 8 image 10, 20, 30, 40 / 50, 60, 70, 80: mean 45, sample deviation
// sqrt(4200 / 7) = 24.4949; low = Round(45 - 6.1237) = 39, high = Round(48.9898 + 39) = 88.
TEST(FitsDisplay, RangeAndIndices) {
    Fixture fx;
    ScriptedPrompt p;
    FITSFileObj f(fx.user.dir());
    ASSERT_TRUE(f.Load(fx.write("r.fits", imageFile(8, 4, 2, "\x0A\x14\x1E\x28\x32\x3C\x46\x50"))));
    const ImageDescription &d = f.Description();
    EXPECT_EQ(d.minimum, 10);
    EXPECT_EQ(d.maximum, 80);
    EXPECT_EQ(d.modeBin, 10);
    EXPECT_EQ(d.modeCount, 1);
    EXPECT_EQ(d.firstEmptyBin, 11);
    EXPECT_EQ(d.displayLow, 39);
    EXPECT_EQ(d.displayHigh, 88);
    // DisplayIndex: below low 64, above high 127, between 64 + Round((v - 39) / 49 * 63).
    EXPECT_EQ(f.DisplayIndex(10), 64);
    EXPECT_EQ(f.DisplayIndex(39), 64);
    EXPECT_EQ(f.DisplayIndex(50), 78); // 11 / 49 * 63 = 14.14
    EXPECT_EQ(f.DisplayIndex(88), 127);
    EXPECT_EQ(f.DisplayIndex(1000), 127);
    EXPECT_EQ(f.DisplayIndex(64, 14, 77), 46);    // 25 / 49 * 63 = 32.14 -> 14 + 32
    EXPECT_EQ(f.DisplayIndex(80, 114, 592), 255); // past the palette: its last entry
    RasterImage img;
    ASSERT_TRUE(ReadRasterFile(f.RasterPath(), img));
    // Row 0 on top: 10, 20, 30 below low -> 64; 40 -> 64 + Round(1 / 49 * 63) = 65.
    EXPECT_EQ(img.pixels, (std::vector<std::uint8_t>{64, 64, 64, 65, 78, 91, 104, 117}));
}

// Statistics of float data spread far wider than 65536, so that the reader's counting by value
// and its way for the other values both take part. Expected: mean and sample deviation by the
// two-pass formula in double (negative values count as 0 in the sums), then the display range.
TEST(FitsDisplay, StatisticsOfWidelySpreadValues) {
    std::vector<float> v;
    for (int i = 0; i < 40 * 25; ++i)
        v.push_back(static_cast<float>((i * 7919) % 200003 - 50000 + (i % 3 == 0 ? 0 : 20000)));
    double sum = 0;
    for (float x : v)
        sum += std::max(0.0f, x);
    const double mean = sum / v.size();
    double ss = 0;
    for (float x : v)
        ss += (std::max(0.0f, x) - mean) * (std::max(0.0f, x) - mean);
    const double sd = std::sqrt(ss / (v.size() - 1));
    const double low = std::nearbyint(mean - 0.25 * sd);
    const double high = std::nearbyint(2.0 * sd + low);

    Fixture fx;
    ScriptedPrompt p;
    FITSFileObj f(fx.user.dir());
    ASSERT_TRUE(f.Load(fx.write("wide.fits", imageFile(-32, 40, 25, beF32(v)))));
    EXPECT_NEAR(static_cast<double>(f.Histogram()->Mean()), mean, 1e-6);
    EXPECT_NEAR(static_cast<double>(f.Histogram()->StdDev()), sd, 1e-6);
    EXPECT_EQ(f.Description().displayLow, low);
    EXPECT_EQ(f.Description().displayHigh, high);
    EXPECT_EQ(f.Description().minimum, *std::min_element(v.begin(), v.end()));
    EXPECT_EQ(f.Description().maximum, *std::max_element(v.begin(), v.end()));
    std::vector<std::int32_t> counts(256, 0); // bins of 256, negatives in bin 0, the top one open
    for (float x : v)
        ++counts[static_cast<std::size_t>(std::min(255, static_cast<int>(std::max(0.0f, x)) / 256))];
    EXPECT_EQ(f.Histogram()->Counts(), counts);
}

TEST(FitsDisplay, ConstantImageIsMidGrey) {
    Fixture fx;
    ScriptedPrompt p;
    FITSFileObj f(fx.user.dir());
    ASSERT_TRUE(f.Load(fx.write("c.fits", imageFile(16, 2, 2, be16({500, 500, 500, 500})))));
    EXPECT_EQ(f.Description().displayLow, 500);
    EXPECT_EQ(f.Description().displayHigh, 500);
    EXPECT_EQ(f.DisplayIndex(499), 64);
    EXPECT_EQ(f.DisplayIndex(500), 96); // 64 + Round(63 / 2): 31.5 to the even 32
    EXPECT_EQ(f.DisplayIndex(501), 127);
}

// Hot pixels: an 8 x 8 image of 100s with 30000 at (row 0, column 3), (3, 3) and (7, 0), and 101
// and 104 at (1, 2) and (1, 4). Python's statistics module gives mean 1501.64 and deviation
// 6369.94, so low = -91 and high = 12649: 30000 is above twice that, 104 is not. The edge pixel
// averages its two diagonal neighbours inside the image, (101 + 104) / 2 = 102.5 -> 102 (to even);
// the inner one its four 100s; the corner its single neighbour (6, 1).
TEST(FitsDisplay, HotPixelFilter) {
    Fixture fx;
    ScriptedPrompt p;
    std::vector<int> v(64, 100);
    v[3] = v[3 * 8 + 3] = v[7 * 8] = 30000;
    v[1 * 8 + 2] = 101;
    v[1 * 8 + 4] = 104;
    FITSFileObj f(fx.user.dir());
    ASSERT_TRUE(f.Load(fx.write("h.fits", imageFile(16, 8, 8, be16(v)))));
    EXPECT_EQ(f.Description().displayLow, -91);
    EXPECT_EQ(f.Description().displayHigh, 12649);
    std::vector<std::int32_t> expected(v.begin(), v.end());
    expected[3] = 102;
    expected[3 * 8 + 3] = 100;
    expected[7 * 8] = 100;
    EXPECT_EQ(pixels(f), expected);
    EXPECT_EQ(f.Description().maximum, 30000); // the value range is the one read

    // A one-pixel-wide image has no diagonal neighbours: the hot value stays.
    Fixture fy;
    FITSFileObj g(fy.user.dir());
    ASSERT_TRUE(g.Load(fy.write("w.fits", imageFile(16, 1, 5, be16({10, 10, 9000, 10, 10})))));
    EXPECT_EQ(pixels(g)[2], 9000);

    // Data below zero give no hot-pixel limit: nothing changes.
    Fixture fz;
    FITSFileObj n(fz.user.dir());
    ASSERT_TRUE(n.Load(fz.write(
        "n.fits", imageFile(16, 3, 3, be16({-900, -900, -900, -900, -10, -900, -900, -900, -900})))));
    EXPECT_EQ(pixels(n)[4], -10);
}

// Every failure: its message, Load false, and no temporary file left in the user folder.
struct BadCase {
    std::string name;
    std::string bytes;
    std::string caption;
    std::string text; // empty: not checked
};

TEST(FitsFailures, MessagesAndNothingLeftBehind) {
    const std::string notFits = "File is Not FITS Format!\r\nFile Name: ";
    const std::string required = "Required FITS Keyword Data is Missing or Faulty!";
    std::vector<std::string> noBitpix = {kv("SIMPLE", "T"), kv("NAXIS", "2"), kv("NAXIS1", "2"),
                                         kv("NAXIS2", "2")};
    std::vector<std::string> simpleSecond = imageCards(8, 2, 2);
    std::swap(simpleSecond[0], simpleSecond[1]);
    std::string cutHeader = header(imageCards(8, 2, 2)).substr(0, 250);
    const BadCase cases[] = {
        {"empty", "", "FITS File Error!", notFits},
        {"garbage", std::string(3000, '\x9c'), "FITS File Error!", notFits},
        {"simple false", header({kv("SIMPLE", "F"), kv("BITPIX", "8")}), "FITS File Error!", notFits},
        {"simple not first", header(simpleSecond) + padded("abcd"), "FITS File Error!", notFits},
        {"truncated header", cutHeader, "FITS File Error!", required},
        {"no END", header(imageCards(8, 2, 2), false) + padded("abcd"), "FITS File Error!", required},
        {"no BITPIX", header(noBitpix) + padded("abcd"), "FITS File Error!", required},
        {"BITPIX 12", imageFile(12, 2, 2, "abcdef"), "FITS File Error!", required},
        {"BITPIX -16", imageFile(-16, 2, 2, "abcdefgh"), "FITS File Error!", required},
        {"no NAXIS",
         header({kv("SIMPLE", "T"), kv("BITPIX", "8"), kv("NAXIS1", "2"), kv("NAXIS2", "2")}) +
             padded("abcd"),
         "FITS File Error!", required},
        {"negative NAXIS1", imageFile(8, -2, 2, "abcd"), "FITS File Error!", required},
        {"NAXIS 1",
         header({kv("SIMPLE", "T"), kv("BITPIX", "8"), kv("NAXIS", "1"), kv("NAXIS1", "4")}) + padded("abcd"),
         "FITS File Error!", required},
        {"huge", imageFile(16, 100000, 100000, "ab"), "FITS File Error!", required},
        {"16384 columns", imageFile(8, 16384, 1, std::string(16384, 'a')), "FITS File Error!", required},
        {"data missing", imageFile(16, 1000, 1000, "ab"), "FITS File Error!", required},
    };
    for (const auto &c : cases) {
        Fixture fx;
        ScriptedPrompt p;
        p.expect(c.caption);
        FITSFileObj f(fx.user.dir());
        const std::string path = fx.write("bad.fits", c.bytes);
        EXPECT_FALSE(f.Load(path)) << c.name;
        EXPECT_EQ(p.lastMessage().text.substr(0, c.text.size()), c.text) << c.name;
        EXPECT_EQ(p.lastMessage().icon, Icon::Stop) << c.name;
        if (c.text == notFits) {
            EXPECT_EQ(p.lastMessage().text, notFits + path +
                                                "\r\n\r\nChange the File Type via \"File\" -> \"Image "
                                                "File Type...\"");
        }
        ASSERT_GE(p.calls.size(), 2u) << c.name; // the error beep comes first
        EXPECT_EQ(p.calls[p.calls.size() - 2].kind, "beep") << c.name;
        EXPECT_EQ(filesIn(fx.user), 0u) << c.name;
    }
}

TEST(FitsFailures, FilesThatDoNotOpen) {
    Fixture fx;
    ScriptedPrompt p;
    p.expect("FITS File Error!");
    FITSFileObj f(fx.user.dir());
    const std::string missing = fx.files.file("none.fits");
    EXPECT_FALSE(f.Load(missing));
    EXPECT_EQ(p.lastMessage().text,
              "Unable to Open FITS File!\r\n\r\nFile Name: " + missing + "\r\nIOResult = 2");

    // The user folder is gone: the header listing cannot be made.
    p.expect("File Error!");
    const std::string gone = fx.user.dir() + "gone/";
    FITSFileObj g(gone);
    EXPECT_FALSE(g.Load(fx.write("ok.fits", imageFile(8, 1, 1, "a"))));
    EXPECT_EQ(p.lastMessage().text,
              "Unable to Open Temporary File!\r\n\r\nFile Name: " + gone + "OK.HDR\r\nIOResult = 2");

    // The raster file cannot be made (a folder holds its name): the load fails, nothing stays.
    p.expect("BMP File Error!");
    std::filesystem::create_directory(fx.user.path() / "R.BMP");
    FITSFileObj r(fx.user.dir());
    EXPECT_FALSE(r.Load(fx.write("r.fits", imageFile(8, 1, 1, "a"))));
    EXPECT_EQ(p.lastMessage().text,
              "Unable to Create BMP File!\r\n\r\nFile Name: " + fx.user.dir() + "R.BMP\r\nIOResult = 5");
    EXPECT_EQ(filesIn(fx.user), 1u); // only the folder that was in the way
}

TEST(FitsFiles, SameBaseNameGetsFilesOfItsOwn) {
    Fixture fx;
    ScriptedPrompt p;
    std::filesystem::create_directory(fx.files.path() / "b");
    const std::string a = fx.write("sun.fits", imageFile(8, 1, 1, "a"));
    const std::string b = fx.write("b/sun.fits", imageFile(8, 1, 1, "b"));
    auto first = std::make_unique<FITSFileObj>(fx.user.dir());
    FITSFileObj second(fx.user.dir());
    ASSERT_TRUE(first->Load(a));
    ASSERT_TRUE(second.Load(b));
    EXPECT_EQ(first->RasterPath(), fx.user.dir() + "SUN.BMP");
    EXPECT_NE(second.RasterPath(), first->RasterPath());
    EXPECT_NE(second.HeaderListingPath(), first->HeaderListingPath());
    first.reset();
    EXPECT_TRUE(std::filesystem::exists(second.RasterPath()));
    EXPECT_TRUE(std::filesystem::exists(second.HeaderListingPath()));
    EXPECT_EQ(filesIn(fx.user), 2u);
}

} // namespace
} // namespace solar::test

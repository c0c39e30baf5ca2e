// The temporary raster file byte by byte, the palette ramp, brightness and contrast indices,
// palette rewriting in place and the file's removal.
#include "imagefiles/BmpFile.h"

#include "common/ScriptedPrompt.h"
#include "common/TempDir.h"
#include "imagefiles/GrFiles.h"

#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>

namespace solar::test {
namespace {

ImageDescription describe(const std::string &name, int width, int height) {
    ImageDescription d;
    d.name = name;
    d.width = width;
    d.height = height;
    return d;
}

// A 5 x 2 raster: rows of 5 bytes padded to 8. Expected bytes written out from the layout table.
TEST(BmpFile, ByteLayout) {
    TempDir user;
    ScriptedPrompt p;
    {
        BMPFileObj bmp(user.dir());
        ASSERT_TRUE(bmp.Begin(describe("/data/images/sun0501.fits", 5, 2)));
        EXPECT_EQ(bmp.Path(), user.dir() + "SUN0501.BMP");
        FillPalette(64, 127, bmp.Palette());
        ASSERT_TRUE(bmp.WriteInfo());
        const std::uint8_t r0[] = {64, 70, 80, 90, 127};
        const std::uint8_t r1[] = {127, 100, 64, 65, 66};
        EXPECT_EQ(bmp.WriteRow(r0, 5), 8u);
        EXPECT_FALSE(bmp.Finish()); // one row still missing
        EXPECT_EQ(bmp.WriteRow(r1, 5), 8u);
        ASSERT_TRUE(bmp.Finish());

        std::string e;
        auto u16 = [&](unsigned v) { e += char(v & 255), e += char(v >> 8); };
        auto u32 = [&](unsigned v) { u16(v & 0xFFFF), u16(v >> 16); };
        e += "BM";
        u32(0), u16(0), u16(0), u32(1078);                 // file header
        u32(40), u32(5), u32(0xFFFFFFFEu), u16(1), u16(8); // width 5, height -2, 1 plane, 8 bits
        u32(0), u32(0), u32(0), u32(0), u32(256), u32(0);
        for (int i = 0; i < 256; ++i) {
            // Grey ramp: sqrt((i - 64) / 63) scaled to 255, from the formula with std::sqrt.
            const int g = i < 64 ? 0 : i > 127 ? 255 : int(std::nearbyint(255 * std::sqrt((i - 64) / 63.0)));
            e += char(g), e += char(g), e += char(g), e += char(0);
        }
        e += std::string("\x40\x46\x50\x5A\x7F\0\0\0", 8);
        e += std::string("\x7F\x64\x40\x41\x42\0\0\0", 8);
        const std::string got = readFile(bmp.Path());
        ASSERT_EQ(got.size(), e.size());
        EXPECT_EQ(got, e);

        // Rewriting the palette changes bytes 54..1077 only.
        FillPalette(14, 77, bmp.Palette());
        ASSERT_TRUE(bmp.RewritePalette());
        const std::string after = readFile(bmp.Path());
        EXPECT_EQ(after.substr(0, 54), e.substr(0, 54));
        EXPECT_EQ(after.substr(1078), e.substr(1078));
        EXPECT_EQ(static_cast<unsigned char>(after[54 + 4 * 77]), 255);
        EXPECT_EQ(static_cast<unsigned char>(after[54 + 4 * 14]), 0);

        RasterImage img;
        ASSERT_TRUE(ReadRasterFile(bmp.Path(), img));
        EXPECT_EQ(img.width, 5);
        EXPECT_EQ(img.height, 2);
        EXPECT_EQ(img.pixels, (std::vector<std::uint8_t>{64, 70, 80, 90, 127, 127, 100, 64, 65, 66}));
        EXPECT_EQ(img.palette[4 * 77], 255);
    }
    EXPECT_TRUE(std::filesystem::is_empty(user.path())); // deleted with the object
}

TEST(BmpFile, RowSizeAndOrderOfCalls) {
    TempDir user;
    ScriptedPrompt p;
    BMPFileObj bmp(user.dir());
    const std::uint8_t row[401] = {};
    EXPECT_FALSE(bmp.RewritePalette()); // nothing complete yet: nothing done, no message
    ASSERT_TRUE(bmp.Begin(describe("a.fit", 401, 1)));
    EXPECT_EQ(bmp.RowSize(), 404);
    EXPECT_EQ(bmp.WriteRow(row, 401), 0u); // before the info block: nothing
    ASSERT_TRUE(bmp.WriteInfo());
    EXPECT_EQ(bmp.WriteRow(row, 401), 404u);
    ASSERT_TRUE(bmp.Finish());
    EXPECT_EQ(std::filesystem::file_size(bmp.Path()), 1078u + 404u);
}

TEST(BmpFile, FailuresAreReported) {
    TempDir user;
    ScriptedPrompt p;
    p.expect("BMP File Error!");
    BMPFileObj bad(user.dir() + "missing/");
    EXPECT_FALSE(bad.Begin(describe("x.fits", 4, 1)));
    EXPECT_EQ(p.lastMessage().text,
              "Unable to Create BMP File!\r\n\r\nFile Name: " + user.dir() + "missing/X.BMP\r\nIOResult = 2");
    EXPECT_EQ(p.lastMessage().icon, Icon::Stop);
    EXPECT_FALSE(bad.WriteInfo());
    const std::uint8_t row[4] = {};
    EXPECT_EQ(bad.WriteRow(row, 4), 0u);

    BMPFileObj bmp(user.dir());
    ASSERT_TRUE(bmp.Begin(describe("y.fits", 4, 1)));
    ASSERT_TRUE(bmp.WriteInfo());
    ASSERT_EQ(bmp.WriteRow(row, 4), 4u);
    ASSERT_TRUE(bmp.Finish());
    std::filesystem::remove(bmp.Path());
    std::filesystem::create_directory(bmp.Path()); // cannot be opened for writing any more
    p.expect("BMP File Error!");
    EXPECT_FALSE(bmp.RewritePalette());
    EXPECT_EQ(p.lastMessage().text,
              "Error Accessing Temporary BMP File!\r\n\r\nFile Name: " + bmp.Path() + "\r\nIOResult = 5");
    std::filesystem::remove(bmp.Path());
}

// Palette values: Round(255 * sqrt(k / n)) for k steps into a ramp of n, by Python's round for
// the listed points (they are not halves): k/n = 16/63 -> 129, 1/63 -> 32, 62/63 -> 253.
TEST(Palette, RampValues) {
    std::uint8_t pal[1024];
    FillPalette(64, 127, pal);
    EXPECT_EQ(pal[4 * 63], 0);
    EXPECT_EQ(pal[4 * 64], 0);
    EXPECT_EQ(pal[4 * 65], 32);
    EXPECT_EQ(pal[4 * 80], 129);
    EXPECT_EQ(pal[4 * 80 + 1], 129);
    EXPECT_EQ(pal[4 * 80 + 2], 129);
    EXPECT_EQ(pal[4 * 80 + 3], 0);
    EXPECT_EQ(pal[4 * 126], 253);
    EXPECT_EQ(pal[4 * 127], 255);
    EXPECT_EQ(pal[4 * 200], 255);
    // Brightness -50, contrast -50: 114..592, so 64..113 black and 127 a dark grey:
    // Round(255 * sqrt(13 / 478)) = Round(42.05) = 42.
    FillPalette(114, 592, pal);
    EXPECT_EQ(pal[4 * 113], 0);
    EXPECT_EQ(pal[4 * 127], 42);
    EXPECT_EQ(pal[4 * 255], 138); // Round(255 * sqrt(141 / 478)) = Round(138.4955)
}

// Indices by hand: lower = 64 - brightness, upper = lower + Round(63 * 1.5^(-contrast / 10)).
TEST(Palette, UpdateIndicesForBrightnessAndContrast) {
    struct Case {
        int brightness, contrast, lower, upper;
    };
    const Case cases[] = {
        {0, 0, 64, 127},      // factor 1
        {50, 0, 14, 77},      // the ramp starts lower: brighter
        {-50, -50, 114, 592}, // 63 * 1.5^5 = 478.40625 -> 478
        {0, 50, 64, 72},      // 63 / 1.5^5 = 8.296 -> 8
        {10, -10, 54, 148},   // 63 * 1.5 = 94.5 -> 94, the even neighbour
        {0, 10, 64, 106},     // 63 / 1.5 = 42
    };
    for (const auto &c : cases) {
        DisplayParams rec;
        rec.brightness = c.brightness;
        rec.contrast = c.contrast;
        DisplayState &s = displayState();
        const DisplayState saved = s;
        int redraws = 0;
        s.current = &rec;
        s.currentIsImageWindow = true;
        s.redisplayImageWindow = [&] { ++redraws; };
        UpdateIndices();
        s = saved;
        EXPECT_EQ(rec.lowerIndex, c.lower) << c.brightness << "/" << c.contrast;
        EXPECT_EQ(rec.upperIndex, c.upper) << c.brightness << "/" << c.contrast;
        EXPECT_NEAR(static_cast<double>(rec.contrastFactor), std::pow(1.5, -c.contrast / 10.0), 1e-15);
        EXPECT_EQ(redraws, 1);
    }
}

} // namespace
} // namespace solar::test

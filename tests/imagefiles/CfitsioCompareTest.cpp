// The FITS reader checked against cfitsio: files of all five pixel types written by cfitsio
// (odd sizes, scaling, unsigned 16-bit, NaN, data over several records, an image extension
// after a data-less primary header); every pixel the reader keeps must be what cfitsio reads, and
// its histogram that of those pixels.
#include "imagefiles/GrFiles.h"

#include "common/ScriptedPrompt.h"
#include "common/TempDir.h"

#include <cmath>
#include <fitsio.h>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace solar::test {
namespace {

struct Shape {
    int bitpix;
    int width;
    int height;
    double bscale; // written as BSCALE/BZERO when not 1 and 0
    double bzero;
    bool extension; // data-less primary header, then an IMAGE extension
    int nans;       // NaN values placed in float data
    const char *label;
};

// Deterministic values spread over the type's range, with exact halves for the float types.
std::vector<double> makeValues(const Shape &s) {
    std::vector<double> v(static_cast<std::size_t>(s.width) * s.height);
    std::uint64_t x = 0x9E3779B97F4A7C15ull ^ static_cast<std::uint64_t>(s.width * 131 + s.height);
    for (double &d : v) {
        x = x * 6364136223846793005ull + 1442695040888963407ull;
        const std::uint32_t r = static_cast<std::uint32_t>(x >> 32);
        switch (s.bitpix) {
        case 8:
            d = r & 0xFF;
            break;
        case 16:
            d = static_cast<std::int16_t>(r & 0xFFFF);
            break;
        case 32:
            d = static_cast<std::int32_t>(r);
            break;
        default: // float: whole numbers, halves and other fractions within +-2^20
            d = static_cast<double>(static_cast<std::int32_t>(r) >> 11) / 4.0;
            break;
        }
    }
    if (!v.empty() && s.bitpix > 0) { // the extremes of the type
        v.front() = s.bitpix == 8 ? 0 : s.bitpix == 16 ? -32768 : -2147483648.0;
        v.back() = s.bitpix == 8 ? 255 : s.bitpix == 16 ? 32767 : 2147483647.0;
    }
    for (int i = 0; i < s.nans && s.bitpix < 0; ++i)
        v[static_cast<std::size_t>(i * 7919) % v.size()] = std::numeric_limits<double>::quiet_NaN();
    return v;
}

void check(int status, const char *what) {
    ASSERT_EQ(status, 0) << what << ": cfitsio status " << status;
}

// Writes the file with cfitsio, raw values as given, the scaling only as keywords.
void writeWithCfitsio(const std::string &path, const Shape &s, const std::vector<double> &values) {
    fitsfile *f = nullptr;
    int status = 0;
    fits_create_file(&f, ("!" + path).c_str(), &status);
    check(status, "create");
    long axes[2] = {s.width, s.height};
    if (s.extension) {
        fits_create_img(f, BYTE_IMG, 0, nullptr, &status); // NAXIS 0 and EXTEND T
        check(status, "primary");
    }
    fits_create_img(f, s.bitpix, 2, axes, &status);
    check(status, "image");
    if (s.bscale != 1.0 || s.bzero != 0.0) {
        fits_write_key_dbl(f, "BSCALE", s.bscale, -15, "scale", &status);
        fits_write_key_dbl(f, "BZERO", s.bzero, -15, "offset", &status);
        check(status, "keys");
        fits_set_bscale(f, 1.0, 0.0, &status); // write the stored values themselves
    }
    std::vector<double> copy = values;
    fits_write_img(f, TDOUBLE, 1, static_cast<LONGLONG>(copy.size()), copy.data(), &status);
    check(status, "write");
    fits_close_file(f, &status);
    check(status, "close");
}

// What cfitsio reads: scaled values for integer types, unscaled ones for float types, as doubles.
std::vector<double> readWithCfitsio(const std::string &path, const Shape &s) {
    fitsfile *f = nullptr;
    int status = 0;
    fits_open_image(&f, path.c_str(), READONLY, &status); // moves to the first header with data
    std::vector<double> out(static_cast<std::size_t>(s.width) * s.height);
    if (s.bitpix < 0)
        fits_set_bscale(f, 1.0, 0.0, &status);
    int anynul = 0;
    fits_read_img(f, TDOUBLE, 1, static_cast<LONGLONG>(out.size()), nullptr, out.data(), &anynul, &status);
    fits_close_file(f, &status);
    EXPECT_EQ(status, 0);
    return out;
}

class CfitsioCompare : public ::testing::TestWithParam<Shape> {};

TEST_P(CfitsioCompare, EveryPixelAsCfitsioReadsIt) {
    const Shape s = GetParam();
    TempDir dir;
    const std::string path = dir.file("cmp.fits");
    const std::vector<double> raw = makeValues(s);
    writeWithCfitsio(path, s, raw);
    const std::vector<double> ref = readWithCfitsio(path, s);

    // The reader keeps Round(value), halves to even (the default rounding of nearbyint); values
    // that are not numbers become 0.
    std::vector<std::int32_t> expected(ref.size());
    for (std::size_t i = 0; i < ref.size(); ++i)
        expected[i] = std::isnan(ref[i]) ? 0 : static_cast<std::int32_t>(std::nearbyint(ref[i]));

    ScriptedPrompt p;
    if (s.nans > 0)
        p.expect("File Errors Detected!", Answer::OK);
    TempDir user;
    FITSFileObj fits(user.dir());
    ASSERT_TRUE(fits.Load(path));
    const IntArrayList &t = *fits.PixelTable();
    ASSERT_EQ(t.Columns(), s.width);
    ASSERT_EQ(t.Rows(), s.height);
    const std::int64_t hot = 2 * static_cast<std::int64_t>(fits.Description().displayHigh);
    std::size_t mismatches = 0;
    for (int r = 0; r < s.height; ++r)
        for (int c = 0; c < s.width; ++c) {
            const std::int32_t e = expected[static_cast<std::size_t>(r) * s.width + c];
            // The data are made so that no pixel is hot (above twice the display high).
            ASSERT_TRUE(hot <= 0 || e <= hot) << "test data would meet the hot-pixel filter";
            if (t.GetValue(c, r) != e && ++mismatches <= 5)
                ADD_FAILURE() << s.label << " pixel (" << c << ", " << r << "): " << t.GetValue(c, r)
                              << " but cfitsio reads " << ref[static_cast<std::size_t>(r) * s.width + c];
        }
    EXPECT_EQ(mismatches, 0u);
    // The statistics are those of the values kept, however the reader gathered them.
    HistogramObj reference(256, s.bitpix == 8 ? 1 : 256);
    for (const std::int32_t e : expected)
        reference.AddInt(e);
    const HistogramObj &h = *fits.Histogram();
    EXPECT_EQ(h.Counts(), reference.Counts());
    EXPECT_EQ(h.Count(), reference.Count());
    EXPECT_EQ(h.Mean(), reference.Mean());
    EXPECT_EQ(h.StdDev(), reference.StdDev());
    EXPECT_EQ(fits.Description().minimum, *std::min_element(expected.begin(), expected.end()));
    EXPECT_EQ(fits.Description().maximum,
              std::max(0, *std::max_element(expected.begin(), expected.end()))); // never below 0
}

INSTANTIATE_TEST_SUITE_P(
    AllTypes, CfitsioCompare,
    ::testing::Values(
        Shape{8, 1, 1, 1, 0, false, 0, "byte1x1"}, Shape{8, 7, 3, 1, 0, false, 0, "byte7x3"},
        Shape{8, 101, 37, 2.5, -3, false, 0, "byteScaled"}, Shape{16, 333, 29, 1, 0, false, 0, "short"},
        Shape{16, 257, 13, 1, 32768, false, 0, "unsigned16"},
        Shape{16, 64, 9, 0.5, 100, false, 0, "shortHalves"},
        // 65536 values and more take the reader's table of every stored value
        Shape{16, 301, 251, 0.5, 100, false, 0, "shortHalvesLarge"},
        Shape{16, 512, 130, 1, 32768, false, 0, "unsigned16Large"},
        Shape{16, 333, 211, 1, 0, false, 0, "shortLargeOddRows"}, Shape{32, 45, 71, 1, 0, false, 0, "int"},
        Shape{32, 19, 5, 0.25, -7, false, 0, "intScaled"}, Shape{-32, 123, 45, 1, 0, false, 0, "float"},
        Shape{-32, 77, 31, 3.0, 10, false, 5, "floatNanScaled"}, Shape{-64, 99, 41, 1, 0, false, 0, "double"},
        Shape{-64, 3, 1, 1, 0, false, 1, "doubleNan"}, Shape{16, 1001, 7, 1, 32768, true, 0, "extension16"},
        Shape{-32, 31, 17, 1, 0, true, 0, "extensionFloat"}),
    [](const ::testing::TestParamInfo<Shape> &info) { return std::string(info.param.label); });

} // namespace
} // namespace solar::test

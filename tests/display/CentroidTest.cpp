// The automatic centroid on synthetic spots: Gaussian dark spots at known sub-pixel positions,
// hand-weighted pixels, the order of the seed search, the box sizes and the image border.
#include "display/Centroid.h"
#include "support/LinkLst.h"

#include <cmath>
#include <gtest/gtest.h>
#include <memory>

using namespace solar;

namespace {

constexpr std::int32_t Sky = 1000;

std::unique_ptr<IntArrayList> flatImage(int w, int h, std::int32_t value = Sky) {
    auto t = std::make_unique<IntArrayList>(w, h);
    for (int r = 0; r < h; ++r)
        for (int c = 0; c < w; ++c)
            t->SetValue(c, r, value);
    return t;
}

// A dark Gaussian spot of depth 600 and the given width on the bright sky, rounded to integers.
void addSpot(IntArrayList &t, long double cx, long double cy, long double sigma) {
    for (int r = 0; r < t.Rows(); ++r)
        for (int c = 0; c < t.Columns(); ++c) {
            const long double d2 = (c - cx) * (c - cx) + (r - cy) * (r - cy);
            const long double g = std::exp(-d2 / (2 * sigma * sigma));
            t.SetValue(c, r, t.GetValue(c, r) - static_cast<std::int32_t>(std::lround(600 * g)));
        }
}

// A disc that holds the whole image.
DiscMarks wholeDisc(int size, long double scale) {
    return MakeDiscMarks(size / 2.0L, size / 2.0L, size, scale);
}

} // namespace

TEST(Centroid, GaussianSpotsFoundWithinATenthOfAPixel) {
    const BoxParams box; // 8, 7, 0
    struct Case {
        long double cx, cy, sigma, scale;
        int clickX, clickY; // display pixels, a few pixels off the spot
    };
    const Case cases[] = {
        {30.3L, 22.7L, 2.0L, 1.0L, 28, 24},
        {40.85L, 41.15L, 1.5L, 1.0L, 44, 39},
        // Shown at 632 / 1024 scale: the click is in display pixels, the answer too.
        {20.4L, 33.6L, 2.0L, 0.6171875L, 14, 19},
    };
    for (const Case &k : cases) {
        auto t = flatImage(64, 64);
        addSpot(*t, k.cx, k.cy, k.sigma);
        const CentroidResult r =
            FindCentroid(*t, 64, 64, Sky, k.scale, k.clickX, k.clickY, box, wholeDisc(64, k.scale));
        ASSERT_TRUE(r.found) << k.cx;
        // The tolerance is a tenth of an image pixel, in display pixels.
        EXPECT_NEAR(double(r.x), double(k.cx * k.scale), double(0.1L * k.scale)) << k.cx;
        EXPECT_NEAR(double(r.y), double(k.cy * k.scale), double(0.1L * k.scale)) << k.cy;
    }
}

TEST(Centroid, WeightsAreDarknessCubedWithinTheRoundedRadius) {
    // Seed (10, 10) darkness 1000, diagonal (11, 11) darkness 500 at distance 1.41 (rounds to 1,
    // inside A = 1); (12, 11) at distance 2.24 lies outside. Weights 1000^3 and 500^3 (times
    // 1000^3 both): u = v = 10 + 1 * 0.125 / 1.125 = 10.1111.
    auto t = flatImage(32, 32);
    t->SetValue(10, 10, 0);
    t->SetValue(11, 11, 500);
    t->SetValue(12, 11, 0 + 100); // darker than the diagonal but outside the region
    BoxParams box;
    box.searchHalfWidth = 3;
    box.centroidHalfDiameter = 1;
    const CentroidResult r = FindCentroid(*t, 32, 32, Sky, 1.0L, 10, 10, box, wholeDisc(32, 1));
    ASSERT_TRUE(r.found);
    EXPECT_EQ(r.seedColumn, 10);
    EXPECT_EQ(r.seedRow, 10);
    EXPECT_NEAR(double(r.x), 10.0 + 0.125 / 1.125, 1e-12);
    EXPECT_NEAR(double(r.y), 10.0 + 0.125 / 1.125, 1e-12);
    EXPECT_EQ(r.passes, 1);
}

TEST(Centroid, SeedIsTheFirstDarkestPixelRowByRow) {
    BoxParams box;
    box.centroidHalfDiameter = 1;
    // Two equally dark pixels: the one in the earlier row wins even though it lies further right.
    auto t = flatImage(40, 40);
    t->SetValue(10, 12, 100);
    t->SetValue(16, 11, 100);
    CentroidResult r = FindCentroid(*t, 40, 40, Sky, 1.0L, 13, 12, box, wholeDisc(40, 1));
    ASSERT_TRUE(r.found);
    EXPECT_EQ(r.x, 16);
    EXPECT_EQ(r.y, 11);
    // In the same row the left one comes first.
    t->SetValue(16, 11, Sky);
    t->SetValue(16, 12, 100);
    r = FindCentroid(*t, 40, 40, Sky, 1.0L, 13, 12, box, wholeDisc(40, 1));
    EXPECT_EQ(r.x, 10);
    EXPECT_EQ(r.y, 12);
}

TEST(Centroid, NothingDarkerThanTheMaximumFindsNothing) {
    auto t = flatImage(20, 20);
    const CentroidResult r = FindCentroid(*t, 20, 20, Sky, 1.0L, 9, 11, BoxParams{}, wholeDisc(20, 1));
    EXPECT_FALSE(r.found);
    EXPECT_EQ(r.x, 9); // the click itself
    EXPECT_EQ(r.y, 11);
    // A click far outside the image finds nothing either.
    EXPECT_FALSE(FindCentroid(*t, 20, 20, Sky, 1.0L, 500, -300, BoxParams{}, wholeDisc(20, 1)).found);
}

TEST(Centroid, SearchBoxIsScaledToImagePixels) {
    // A dark pixel 14 image pixels right of the click: outside a box of half width 8 at scale 1,
    // inside at scale 0.5 (8 display pixels are 16 image pixels).
    auto t = flatImage(60, 60);
    t->SetValue(34, 30, 0);
    EXPECT_FALSE(FindCentroid(*t, 60, 60, Sky, 1.0L, 20, 30, BoxParams{}, wholeDisc(60, 1)).found);
    const CentroidResult r = FindCentroid(*t, 60, 60, Sky, 0.5L, 10, 15, BoxParams{}, wholeDisc(60, 0.5L));
    ASSERT_TRUE(r.found);
    EXPECT_EQ(r.x, 17); // 34 * 0.5
    EXPECT_EQ(r.y, 15);
}

TEST(Centroid, WindowsClippedAtTheImageBorder) {
    auto t = flatImage(16, 12);
    t->SetValue(0, 0, 0);
    CentroidResult r = FindCentroid(*t, 16, 12, Sky, 1.0L, 2, 1, BoxParams{}, wholeDisc(16, 1));
    ASSERT_TRUE(r.found);
    EXPECT_EQ(r.x, 0);
    EXPECT_EQ(r.y, 0);
    t->SetValue(0, 0, Sky);
    t->SetValue(15, 11, 0);
    r = FindCentroid(*t, 16, 12, Sky, 1.0L, 14, 10, BoxParams{}, wholeDisc(16, 1));
    ASSERT_TRUE(r.found);
    EXPECT_EQ(r.x, 15);
    EXPECT_EQ(r.y, 11);
}

TEST(Centroid, CentroidOffTheDiscIsNotFound) {
    // Disc of radius 5 about (10, 10); a spot at (18, 10) lies outside it.
    auto t = flatImage(24, 24);
    t->SetValue(18, 10, 0);
    const DiscMarks disc = MakeDiscMarks(10, 10, 5, 1.0L);
    const CentroidResult r = FindCentroid(*t, 24, 24, Sky, 1.0L, 17, 10, BoxParams{}, disc);
    EXPECT_FALSE(r.found);
    EXPECT_EQ(r.x, 18);
    // No disc radius in the header: never on the disc.
    EXPECT_FALSE(FindCentroid(*t, 24, 24, Sky, 1.0L, 17, 10, BoxParams{}, MakeDiscMarks(12, 12, 0, 1)).found);
}

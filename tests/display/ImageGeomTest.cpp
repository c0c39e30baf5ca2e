// The image window's arithmetic: window size and scale, disc and limb marks, the magnified
// drawing rectangle, spot labels, the magnifier's region, and a click turned into a measurement.
#include "display/ImageGeom.h"
#include "astro/HelioCoord.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace solar;

namespace {

constexpr long double Pi = 3.14159265358979323846264338327950288L;
constexpr long double Deg = Pi / 180.0L;
// Solar radii in one astronomical unit: 149597870.66 km / 696000 km.
constexpr long double RadiiPerAu = 149597870.66L / 696000.0L;

// Heliographic longitude and latitude of a disc point, by vectors: the point on the unit sphere
// seen at heliocentric angle rho from the disc centre in position angle theta (from solar north
// towards the right), then projected on the solar pole and on the central meridian's plane.
// The heliocentric angle is the point's angle asin(r) less its apparent angle r / distance,
// with the semi-diameter taken as exactly 1 / distance.
void byVectors(long double x, long double y, long double b0, long double p, long double &lon,
               long double &lat) {
    const long double r = std::sqrt(x * x + y * y);
    const long double rho = std::asin(r) - r / RadiiPerAu;
    const long double theta = std::atan2(x, y) - p;
    // Observer frame: right, up, towards the observer.
    const long double v[3] = {std::sin(rho) * std::sin(theta), std::sin(rho) * std::cos(theta),
                              std::cos(rho)};
    const long double pole[3] = {0, std::cos(b0), std::sin(b0)};
    const long double meridian[3] = {0, -std::sin(b0), std::cos(b0)};
    lat = std::asin(v[0] * pole[0] + v[1] * pole[1] + v[2] * pole[2]);
    lon = std::atan2(v[0], v[0] * meridian[0] + v[1] * meridian[1] + v[2] * meridian[2]);
}

HeliographicCoordObj geometry(long double b0Deg, long double pRad) {
    HeliographicCoordObj h;
    h.SetImageGeometry(1.0L, b0Deg, 0.0L, pRad, 1.0L / RadiiPerAu);
    return h;
}

} // namespace

TEST(ImageGeom, WindowSizeFromTheFirstImage) {
    // 1280 div 2 - 8 = 632 display pixels for 1024 image pixels: 632 / 1024 = 0.6171875.
    DisplaySize d = FitDisplay(1024, 1024, 1280);
    EXPECT_EQ(d.displayWidth, 632);
    EXPECT_EQ(d.defaultWidth, 632);
    EXPECT_EQ(d.displayHeight, 632);
    EXPECT_EQ(d.imageWidth, 1024);
    EXPECT_EQ(d.scale, 0.6171875L);
    // A small image keeps its size: scale 1.
    d = FitDisplay(400, 300, 1280);
    EXPECT_EQ(d.displayWidth, 400);
    EXPECT_EQ(d.displayHeight, 300);
    EXPECT_EQ(d.scale, 1.0L);
    // 1024 x 768: 632 * 0.75 = 474 rows.
    EXPECT_EQ(FitDisplay(1024, 768, 1280).displayHeight, 474);
    // 1264 x 5 at 632: 2.5 rows rounds to the even 2 (halves up would give 3).
    EXPECT_EQ(FitDisplay(1264, 5, 1280).displayHeight, 2);
    // A laptop screen 1366 x 768 leaving 580 rows: the square display narrows to 580 columns.
    d = FitDisplay(1024, 1024, 1366, 580);
    EXPECT_EQ(d.displayWidth, 580);
    EXPECT_EQ(d.displayHeight, 580);
    EXPECT_EQ(d.scale, 580.0L / 1024);
}

TEST(ImageGeom, DiscCentreAndLimbMarks) {
    // Centre (512, 512), radius 400 at scale 0.6171875: centre 316, radius 246.875; limbs at
    // 316 -/+ 246.875 = 69.125 and 562.875, rounded 69 and 563.
    const DiscMarks m = MakeDiscMarks(512, 512, 400, 0.6171875L);
    EXPECT_EQ(m.centreX, 316);
    EXPECT_EQ(m.centreY, 316);
    EXPECT_EQ(m.radius, 246.875L);
    EXPECT_EQ(m.left, 69);
    EXPECT_EQ(m.right, 563);
    EXPECT_EQ(m.top, 69);
    EXPECT_EQ(m.bottom, 563);
    // Halves go to the even neighbour: centre 0.5 * 5 = 2.5 -> 2, 0.5 * 7 = 3.5 -> 4.
    const DiscMarks h = MakeDiscMarks(5, 7, 2, 0.5L);
    EXPECT_EQ(h.centreX, 2);
    EXPECT_EQ(h.centreY, 4);
    EXPECT_EQ(h.left, 2);  // 2.5 - 1 = 1.5 -> 2
    EXPECT_EQ(h.right, 4); // 3.5 -> 4
}

TEST(ImageGeom, ViewingMagnifiesTheDiscToFillTheWindow) {
    // Disc of radius 200 about (300, 310) in a 600 x 500 client: the diameter 400 grows to the
    // shorter side 500, zoom 1.25, and the disc centre lands on the client centre (300, 250).
    DiscMarks disc;
    disc.centreX = 300;
    disc.centreY = 310;
    disc.radius = 200;
    const ViewTransform t = ViewingTransform(600, 500, disc);
    EXPECT_EQ(t.zoom, 1.25L);
    EXPECT_EQ(t.displayX(300), 300.0L);
    EXPECT_EQ(t.displayY(250), 310.0L);
    // The client's top edge shows the disc's top limb; its left edge lies 240 display pixels
    // left of the centre (300 / 1.25).
    EXPECT_EQ(t.displayY(0), 110.0L);
    EXPECT_EQ(t.displayX(0), 60.0L);
    // No radius: the display as it is.
    disc.radius = 0;
    EXPECT_EQ(ViewingTransform(600, 500, disc).displayX(17), 17.0L);
}

TEST(ImageGeom, SpotLabelsLeftOfTheBoxOrRightNearTheEdge) {
    // Box half 8, sky border 2, two characters: 100 - 8 - 2 - 10 - 5 = 75.
    SpotMarkGeometry g = SpotMark(100.4L, 50.6L, 8, 2, 2);
    EXPECT_EQ(g.box, (IntRect{92, 43, 108, 59}));
    EXPECT_EQ(g.textLeft, 75);
    EXPECT_EQ(g.textTop, 43);
    // 20 - 8 - 2 - 5 - 5 = 0 is not inside the window: 20 + 8 + 2 + 5 = 35.
    g = SpotMark(20, 30, 8, 2, 1);
    EXPECT_EQ(g.textLeft, 35);
    g = SpotMark(21, 30, 8, 2, 1);
    EXPECT_EQ(g.textLeft, 1);
}

TEST(ImageGeom, ClickBecomesMeasurement) {
    const DiscMarks disc = MakeDiscMarks(158, 158, 100, 2.0L); // centre 316, radius 200
    // P 0, B0 0: half a radius right of the centre on the centre row. Longitude
    // asin(0.5) - 0.5 / 214.939 rad = 29.8667 degrees; latitude 0; x = 0.5, y = 0.
    HeliographicCoordObj flat = geometry(0, 0);
    MeasRec rec;
    rec.ID = "Q";
    ASSERT_TRUE(FillMeasurement(rec, 416, 316, 38000.25, UnitSolarRadius, disc, flat));
    EXPECT_EQ(rec.ID.str(), "Q"); // the identifier is the entry window's business
    EXPECT_EQ(rec.Time, 38000.25);
    EXPECT_EQ(rec.Unit, UnitSolarRadius);
    EXPECT_EQ(rec.X, 416);
    EXPECT_EQ(rec.Y, 316);
    EXPECT_EQ(rec.XOff, 100);
    EXPECT_EQ(rec.YOff, 0);
    EXPECT_NEAR(double(rec.XRad), 0.5, 1e-15);
    EXPECT_NEAR(double(rec.YRad), 0.0, 1e-15);
    EXPECT_NEAR(double(rec.Long / Deg), 29.8667, 5e-5);
    EXPECT_NEAR(double(rec.Lat), 0.0, 1e-15);

    // Tilted and turned: B0 5 degrees, P 0.1 rad, a spot up and left at (256.5, 236.25).
    // Offsets (-59.5, 79.75) px, radii (-0.2975, 0.39875); x radii are divided by cos(latitude).
    HeliographicCoordObj tilted = geometry(5, 0.1L);
    ASSERT_TRUE(FillMeasurement(rec, 256.5L, 236.25L, 38001, UnitHeliographic, disc, tilted));
    long double lon = 0, lat = 0;
    byVectors(-0.2975L, 0.39875L, 5 * Deg, 0.1L, lon, lat);
    EXPECT_EQ(rec.XOff, -59.5L);
    EXPECT_EQ(rec.YOff, 79.75L);
    EXPECT_NEAR(double(rec.Long), double(lon), 1e-12);
    EXPECT_NEAR(double(rec.Lat), double(lat), 1e-12);
    EXPECT_NEAR(double(rec.XRad), double(-0.2975L / std::cos(lat)), 1e-12);
    EXPECT_NEAR(double(rec.YRad), 0.39875, 1e-15);
    EXPECT_EQ(rec.Unit, UnitHeliographic);

    // Beyond the limb: false, and the record keeps the last good measurement whole.
    const MeasRec before = rec;
    EXPECT_FALSE(FillMeasurement(rec, 316 + 210, 316, 39000, UnitPixels, disc, tilted));
    EXPECT_EQ(rec.Time, before.Time);
    EXPECT_EQ(rec.X, before.X);
    EXPECT_EQ(rec.XOff, before.XOff);
    EXPECT_EQ(rec.Long, before.Long);
    // An image without a disc radius measures nothing.
    EXPECT_FALSE(FillMeasurement(rec, 316, 316, 39000, UnitPixels, MakeDiscMarks(158, 158, 0, 2), flat));
    EXPECT_EQ(rec.X, before.X);
}

TEST(ImageGeom, CursorReadoutByUnit) {
    const DiscMarks disc = MakeDiscMarks(100, 100, 100, 1.0L);
    HeliographicCoordObj h = geometry(0, 0);
    ReadoutValues v;
    // 50 right, 30 up: x 0.5, y 0.3.
    ASSERT_TRUE(CursorReadout(150, 70, disc, h, UnitPixels, v));
    EXPECT_EQ(v.xPixels, 50);
    EXPECT_EQ(v.yPixels, 30);
    EXPECT_EQ(v.xCoord, 0);
    EXPECT_EQ(v.yCoord, 0);
    long double lon = 0, lat = 0;
    byVectors(0.5L, 0.3L, 0, 0, lon, lat);
    ASSERT_TRUE(CursorReadout(150, 70, disc, h, UnitSolarRadius, v));
    EXPECT_NEAR(double(v.xCoord), double(0.5L / std::cos(lat)), 1e-12);
    EXPECT_NEAR(double(v.yCoord), 0.3, 1e-15);
    ASSERT_TRUE(CursorReadout(150, 70, disc, h, UnitHeliographic, v));
    EXPECT_NEAR(double(v.xCoord), double(lon * 180 / Pi), 1e-9);
    EXPECT_NEAR(double(v.yCoord), double(lat * 180 / Pi), 1e-9);
    // Off the disc nothing is shown and the values stay.
    v.xPixels = 7;
    EXPECT_FALSE(CursorReadout(100 + 71, 100 - 71, disc, h, UnitPixels, v)); // 0.71 * sqrt 2 > 1
    EXPECT_EQ(v.xPixels, 7);

    // A recorded spot reads by its own unit.
    MeasRec rec;
    rec.XOff = 1.25L, rec.YOff = -2.5L, rec.XRad = 0.1L, rec.YRad = 0.2L, rec.Long = Pi / 6,
    rec.Lat = -Pi / 4;
    rec.Unit = UnitHeliographic;
    ReadoutValues s = SpotReadout(rec);
    EXPECT_EQ(s.xPixels, 1.25L);
    EXPECT_EQ(s.yPixels, -2.5L);
    EXPECT_NEAR(double(s.xCoord), 30.0, 1e-12);
    EXPECT_NEAR(double(s.yCoord), -45.0, 1e-12);
    rec.Unit = UnitSolarRadius;
    s = SpotReadout(rec);
    EXPECT_EQ(s.xCoord, 0.1L);
    EXPECT_EQ(s.yCoord, 0.2L);
    rec.Unit = UnitPixels;
    s = SpotReadout(rec);
    EXPECT_EQ(s.xCoord, 0);
    EXPECT_EQ(ReadoutCoordCaption(UnitHeliographic), "Heliographic Long, Lat");
    EXPECT_EQ(ReadoutCoordCaption(UnitSolarRadius), "Solar Radii");
}

TEST(ImageGeom, MagnifierRegionCrossAndScrollSteps) {
    // Region 24 about (100.3, 50.7): centre (100, 51), source 88..112 x 39..63, 0.12 display
    // pixels per magnified pixel (magnification 200 / 24 = 8.33). Cross at
    // Round((100.3 - 88 + 0.5) / 0.12) = Round(106.67) = 107 and Round(12.2 / 0.12) = 102.
    MagnifierView v = MagnifierRegion(100.3L, 50.7L, 24, 0, 0);
    EXPECT_EQ(v.source, (IntRect{88, 39, 112, 63}));
    EXPECT_NEAR(double(v.scaleX), 0.12, 1e-18);
    EXPECT_EQ(v.crossX, 107);
    EXPECT_EQ(v.crossY, 102);
    // The bars shift the cross by one magnified pixel per step.
    v = MagnifierRegion(100.3L, 50.7L, 24, 3, -2);
    EXPECT_EQ(v.crossX, 110);
    EXPECT_EQ(v.crossY, 100);
    long double x = 0, y = 0;
    MagnifierPosition(v, 3, -2, 100.3L, 50.7L, x, y);
    EXPECT_NEAR(double(x), 100.66, 1e-12);
    EXPECT_NEAR(double(y), 50.46, 1e-12);
    // Region 96: 200 / 96 = 2.08 times; region 2: 100 times.
    EXPECT_NEAR(double(200 / (MagnifierRegion(0, 0, 96, 0, 0).scaleX * 200)), 2.0833, 1e-4);
    EXPECT_NEAR(double(1 / MagnifierRegion(0, 0, 2, 0, 0).scaleX), 100.0, 1e-12);
    // Unset or unusable sizes: 24 for none, odd sizes down to even, the range kept.
    EXPECT_EQ(UsableRegionSize(0), 24);
    EXPECT_EQ(UsableRegionSize(1), 2);
    EXPECT_EQ(UsableRegionSize(25), 24);
    EXPECT_EQ(UsableRegionSize(200), 96);
    // The bar runs opposite to the size: 48 - 12 + 1 = 37 for 24; 48 for 2; 1 for 96.
    EXPECT_EQ(MagBarFromSize(24), 37);
    EXPECT_EQ(MagBarFromSize(2), 48);
    EXPECT_EQ(MagBarFromSize(96), 1);
    EXPECT_EQ(MagSizeFromBar(37), 24);
    EXPECT_EQ(MagSizeFromBar(1), 96);
    EXPECT_EQ(MagSizeFromBar(48), 2);
}

// The generator's projection against the program's own conversion (HeliographicCoordObj): a
// surface point drawn at a pixel must convert back to its latitude and its longitude from the
// central meridian within 0.01 deg, over the range of B0 and distance a year brings.
#include "DiscProjection.h"
#include "GenConfig.h"
#include "astro/HelioCoord.h"
#include "astro/SunEphem.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace solar::gen;

TEST(DiscProjection, ProgramConversionInvertsIt) {
    constexpr long double RadToDeg = 57.295779513082320877L;
    int checked = 0;
    for (long double d : {0.9833L, 1.0L, 1.0167L}) {
        for (long double b0 : {-7.25L, -3.0L, 0.0L, 7.25L}) {
            DiscGeometry g;
            g.distanceAu = d;
            g.b0Deg = b0;
            g.radiusPx = 440 / d;
            solar::HeliographicCoordObj conv;
            conv.SetImageGeometry(d, b0, 0, 0, solar::ProgramSolarRadiusKm / (d * solar::KmPerAu));
            for (long double lat = -60; lat <= 60; lat += 7.5L) {
                for (long double lon = -88; lon <= 88; lon += 4) {
                    const PixelPoint px = toPixel(g, {lat, lon});
                    if (!px.visible || px.mu < 0.1L) // the answer key stops at mu 0.2
                        continue;
                    const long double x = (px.col - 512) / g.radiusPx, y = (512 - px.row) / g.radiusPx;
                    long double gotLon = 999, gotLat = 999;
                    ASSERT_TRUE(conv.ToHeliographic(gotLon, gotLat, x, y)) << lat << " " << lon;
                    EXPECT_NEAR(static_cast<double>(gotLat * RadToDeg), static_cast<double>(lat), 0.01)
                        << "lon " << static_cast<double>(lon) << " B0 " << static_cast<double>(b0);
                    EXPECT_NEAR(static_cast<double>(gotLon * RadToDeg), static_cast<double>(lon), 0.01)
                        << "lat " << static_cast<double>(lat) << " B0 " << static_cast<double>(b0);
                    ++checked;
                }
            }
        }
    }
    EXPECT_GT(checked, 1000);
}

TEST(DiscProjection, NorthIsUpAndWestIsRight) {
    DiscGeometry g; // B0 = 0, 1 AU, radius 440 at (512, 512)
    const PixelPoint north = toPixel(g, {30, 0});
    EXPECT_NEAR(static_cast<double>(north.col), 512, 1e-9);
    EXPECT_LT(north.row, 512); // row 0 is the top of the view
    const PixelPoint west = toPixel(g, {0, 30});
    EXPECT_GT(west.col, 512);
    EXPECT_NEAR(static_cast<double>(west.row), 512, 1e-9);
    // Far side of the Sun, and the sub-observer point (mu 1, the disc centre).
    EXPECT_FALSE(toPixel(g, {0, 120}).visible);
    const PixelPoint centre = toPixel(g, {0, 0});
    EXPECT_NEAR(static_cast<double>(centre.mu), 1, 1e-12);
    // Orthographic view from afar: sin(30 deg) * 440 = 220 pixels, and a finite distance moves
    // the point outwards by under 1/200 of that.
    EXPECT_NEAR(static_cast<double>(512 - north.row), 220, 220 / 200.0);
}

TEST(DiscProjection, SpotRotationLaw) {
    // Newton and Nunn (1951): 14.38 - 2.77 sin^2(latitude); sin^2(30 deg) = 1/4, sin^2(90) = 1.
    EXPECT_NEAR(static_cast<double>(spotSiderealRate(0)), 14.38, 1e-12);
    EXPECT_NEAR(static_cast<double>(spotSiderealRate(30)), 14.38 - 2.77 / 4, 1e-12);
    EXPECT_NEAR(static_cast<double>(spotSiderealRate(-30)), 14.38 - 2.77 / 4, 1e-12);
    EXPECT_NEAR(static_cast<double>(spotSiderealRate(90)), 11.61, 1e-12);
}

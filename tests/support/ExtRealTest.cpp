// The 10-byte extended real against hand-built x87 byte patterns, and half-to-even rounding.
#include "support/ExtReal.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>

using namespace solar;

namespace {
std::array<std::uint8_t, 10> enc(long double v) {
    std::array<std::uint8_t, 10> b{};
    encodeExtended(v, b.data());
    return b;
}
} // namespace

TEST(ExtReal, KnownPatterns) {
    // 1.0: significand 0x8000000000000000, exponent 0x3FFF.
    EXPECT_EQ(enc(1.0L), (std::array<std::uint8_t, 10>{0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}));
    // -2.5 = -1.25 * 2^1: significand 0xA000000000000000, exponent 0x4000 with the sign bit.
    EXPECT_EQ(enc(-2.5L), (std::array<std::uint8_t, 10>{0, 0, 0, 0, 0, 0, 0, 0xA0, 0x00, 0xC0}));
    // 0.1 rounded to 64 bits: 0xCCCCCCCCCCCCCCCD, exponent 0x3FFB.
    EXPECT_EQ(enc(0.1L),
              (std::array<std::uint8_t, 10>{0xCD, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xFB, 0x3F}));
    EXPECT_EQ(enc(0.0L), (std::array<std::uint8_t, 10>{}));
}

TEST(ExtReal, RoundTripsAndSpecials) {
    for (long double v : {1.0L, -1.0L, 2415018.5L, 1e-300L, -3.14159265358979323846L, 1e4000L, 1e-4940L}) {
        auto b = enc(v);
        EXPECT_EQ(decodeExtended(b.data()), v);
    }
    auto inf = enc(INFINITY);
    EXPECT_TRUE(std::isinf(decodeExtended(inf.data())));
    auto nan = enc(NAN);
    EXPECT_TRUE(std::isnan(decodeExtended(nan.data())));
    // An unnormal (exponent set, integer bit clear) is not a number to the x87.
    std::array<std::uint8_t, 10> unnormal{0, 0, 0, 0, 0, 0, 0, 0x40, 0xFF, 0x3F};
    EXPECT_TRUE(std::isnan(decodeExtended(unnormal.data())));
}

TEST(ExtReal, RoundHalfEven) {
    EXPECT_EQ(roundHalfEven(0.5L), 0);
    EXPECT_EQ(roundHalfEven(1.5L), 2);
    EXPECT_EQ(roundHalfEven(2.5L), 2);
    EXPECT_EQ(roundHalfEven(-0.5L), 0);
    EXPECT_EQ(roundHalfEven(-1.5L), -2);
    EXPECT_EQ(roundHalfEven(-2.5L), -2);
    EXPECT_EQ(roundHalfEven(2.5000001L), 3);
    EXPECT_EQ(roundToInt(1e30L), INT64_MAX);
    EXPECT_EQ(roundToInt(NAN), 0);
}

#include "support/ExtReal.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace solar {

void encodeExtended(long double v, std::uint8_t out[10]) {
    std::uint64_t mant = 0;
    std::uint16_t se = 0;
    if (std::signbit(v))
        se = 0x8000;
    if (std::isnan(v)) {
        se |= 0x7FFF;
        mant = 0xC000000000000000ULL;
    } else if (std::isinf(v)) {
        se |= 0x7FFF;
        mant = 0x8000000000000000ULL;
    } else if (v != 0) {
        int e = 0;
        long double m = std::frexp(std::fabs(v), &e); // m in [0.5, 1)
        // value = m * 2^e = (m * 2^64) * 2^(e-64); the x87 significand is m * 2^64 with exponent e - 1.
        int biased = e - 1 + 16383;
        if (biased <= 0) {
            // Denormal: exponent field 0 means 2^(1-16383) with no integer bit.
            long double scaled = std::ldexp(std::fabs(v), 16382 + 63);
            mant = static_cast<std::uint64_t>(scaled);
            biased = 0;
        } else if (biased >= 0x7FFF) {
            biased = 0x7FFF;
            mant = 0x8000000000000000ULL;
        } else {
            mant = static_cast<std::uint64_t>(std::ldexp(m, 64));
        }
        se |= static_cast<std::uint16_t>(biased);
    }
    putU64(out, mant);
    putU16(out + 8, se);
}

long double decodeExtended(const std::uint8_t in[10]) {
    const std::uint64_t mant = getU64(in);
    const std::uint16_t se = getU16(in + 8);
    const bool neg = (se & 0x8000) != 0;
    const int exp = se & 0x7FFF;
    long double v;
    if (exp == 0x7FFF) {
        const std::uint64_t frac = mant & 0x7FFFFFFFFFFFFFFFULL;
        if ((mant >> 63) == 1 && frac == 0)
            v = std::numeric_limits<long double>::infinity();
        else
            v = std::numeric_limits<long double>::quiet_NaN();
    } else if (exp != 0 && (mant >> 63) == 0) {
        // Unnormal: the integer bit is missing where the exponent says it should stand.
        v = std::numeric_limits<long double>::quiet_NaN();
    } else {
        const int e = (exp == 0 ? 1 : exp) - 16383 - 63;
        v = std::ldexp(static_cast<long double>(mant), e);
    }
    return neg ? -v : v;
}

long double roundHalfEven(long double v) {
    if (!std::isfinite(v))
        return v;
    long double f = std::floor(v);
    long double d = v - f;
    if (d > 0.5L)
        return f + 1;
    if (d < 0.5L)
        return f;
    return std::fmod(f, 2.0L) == 0 ? f : f + 1;
}

std::int64_t roundToInt(long double v) {
    if (std::isnan(v))
        return 0;
    long double r = roundHalfEven(v);
    if (r >= 9223372036854775807.0L)
        return std::numeric_limits<std::int64_t>::max();
    if (r <= -9223372036854775808.0L)
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(r);
}

} // namespace solar

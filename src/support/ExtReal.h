#pragma once
// The 80-bit extended real as stored in the program's binary files (10 bytes, little-endian:
// 64-bit significand with explicit integer bit, then 15-bit exponent and sign), encoded and
// decoded bit by bit so that the files do not depend on the host's long double. Also the
// little-endian helpers and the half-to-even rounding used throughout.

#include <cstdint>
#include <cstring>

namespace solar {

// Encodes v into 10 bytes. Infinities and NaN keep their x87 patterns.
void encodeExtended(long double v, std::uint8_t out[10]);
// Decodes 10 bytes; pseudo-denormals are read by their value; unnormals,
// pseudo-NaN and pseudo-infinity (invalid operands to the x87) as NaN.
long double decodeExtended(const std::uint8_t in[10]);

// Rounds to the nearest integer, halves to the even neighbour (0.5 -> 0, 1.5 -> 2, 2.5 -> 2).
long double roundHalfEven(long double v);
// The same, as a 64-bit integer; values beyond its range saturate, NaN gives 0.
std::int64_t roundToInt(long double v);

// Little-endian field access for byte-exact records.
inline void putU16(std::uint8_t *p, std::uint16_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}
inline void putU32(std::uint8_t *p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}
inline void putI32(std::uint8_t *p, std::int32_t v) { putU32(p, static_cast<std::uint32_t>(v)); }
inline void putU64(std::uint8_t *p, std::uint64_t v) {
    for (int i = 0; i < 8; ++i)
        p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}
inline std::uint16_t getU16(const std::uint8_t *p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
inline std::uint32_t getU32(const std::uint8_t *p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
inline std::int32_t getI32(const std::uint8_t *p) { return static_cast<std::int32_t>(getU32(p)); }
inline std::uint64_t getU64(const std::uint8_t *p) {
    std::uint64_t v = 0;
    for (int i = 7; i >= 0; --i)
        v = (v << 8) | p[i];
    return v;
}
inline void putF32(std::uint8_t *p, float f) {
    std::uint32_t u;
    std::memcpy(&u, &f, 4);
    putU32(p, u);
}
inline float getF32(const std::uint8_t *p) {
    std::uint32_t u = getU32(p);
    float f;
    std::memcpy(&f, &u, 4);
    return f;
}
inline void putF64(std::uint8_t *p, double d) {
    std::uint64_t u;
    std::memcpy(&u, &d, 8);
    putU64(p, u);
}
inline double getF64(const std::uint8_t *p) {
    std::uint64_t u = getU64(p);
    double d;
    std::memcpy(&d, &u, 8);
    return d;
}

} // namespace solar

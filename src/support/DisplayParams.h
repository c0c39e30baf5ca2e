#pragma once
// The image display record (brightness, contrast and the palette ramp they give) and the
// centroid box record, with their byte images as the options file stores them.

#include "support/ExtReal.h"

#include <cstdint>

namespace solar {

struct DisplayParams {
    std::int32_t brightness = 0;    // -50..50
    std::int32_t contrast = 0;      // -50..50
    std::int32_t lowerIndex = 64;   // palette index where the grey ramp starts: 64 - brightness
    std::int32_t upperIndex = 127;  // where it ends: lowerIndex + Round(63 * contrastFactor)
    long double contrastFactor = 1; // 1.5 ^ (-contrast / 10)
    float lowFactor = -0.25f;       // display low = mean + sd * lowFactor
    float spanFactor = 2.0f;        // display high = display low + sd * spanFactor
    bool invert = false;
    bool originalMark = true;       // "Original Display" lamp lit
    bool defaultMark = true;        // "Default Settings" lamp lit
    std::uint8_t spare = 0;

    static constexpr int bytes = 38;

    void toBytes(std::uint8_t *p) const {
        putI32(p + 0, brightness);
        putI32(p + 4, contrast);
        putI32(p + 8, lowerIndex);
        putI32(p + 12, upperIndex);
        encodeExtended(contrastFactor, p + 16);
        putF32(p + 26, lowFactor);
        putF32(p + 30, spanFactor);
        p[34] = invert ? 1 : 0;
        p[35] = originalMark ? 1 : 0;
        p[36] = defaultMark ? 1 : 0;
        p[37] = spare;
    }
    void fromBytes(const std::uint8_t *p) {
        brightness = getI32(p + 0);
        contrast = getI32(p + 4);
        lowerIndex = getI32(p + 8);
        upperIndex = getI32(p + 12);
        contrastFactor = decodeExtended(p + 16);
        lowFactor = getF32(p + 26);
        spanFactor = getF32(p + 30);
        invert = p[34] != 0;
        originalMark = p[35] != 0;
        defaultMark = p[36] != 0;
        spare = p[37];
    }
};

// Centroid box record: peak-search box half width, centroid region half diameter, sky border.
struct BoxParams {
    std::uint8_t searchHalfWidth = 8;
    std::uint8_t centroidHalfDiameter = 7;
    std::uint8_t skyBorder = 0;

    static constexpr int bytes = 3;
    void toBytes(std::uint8_t *p) const {
        p[0] = searchHalfWidth;
        p[1] = centroidHalfDiameter;
        p[2] = skyBorder;
    }
    void fromBytes(const std::uint8_t *p) {
        searchHalfWidth = p[0];
        centroidHalfDiameter = p[1];
        skyBorder = p[2];
    }
};

} // namespace solar

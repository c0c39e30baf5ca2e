#pragma once
// What the parts of the FITS reader (GrFiles.cpp, FitsHeader.cpp, FitsPixels.cpp,
// DisplayRaster.cpp) share among themselves and nobody else needs: record sizes, the text and
// message helpers of the loader, the temporary-file names, the 32-bit clamp and the image size
// from which two threads share the work.

#include "support/ExtReal.h"

#include <cstdint>
#include <limits>
#include <string>

namespace solar::grfiles {

constexpr int RecordSize = 2880;
constexpr int CardSize = 80;

// The text less its trailing blanks.
std::string trimRight(std::string s);

// The message for a header that lacks a required value or holds an unusable one.
void requiredDataMessage();

// Names of the temporary files of the images loaded now, so that two images with the same base
// name do not write over (and later delete) each other's files.
std::string reserveStem(const std::string &userDir, const std::string &base);
void releaseStem(const std::string &userDir, const std::string &stem);

// Keeps a converted value within the pixel table's 32 bits.
inline std::int32_t clip32(std::int64_t v) {
    if (v > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (v < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(v);
}

// Images from this many pixels on are read, and their raster rows mapped, by two threads when
// the machine has a second core: below it, a second thread costs about what it saves.
constexpr std::int64_t TwoThreadPixels = std::int64_t{1} << 21;

} // namespace solar::grfiles

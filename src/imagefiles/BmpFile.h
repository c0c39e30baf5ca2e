#pragma once
// The temporary 8-bit raster file of a loaded image (BMPFileObj), the grey palette ramp
// (FillPalette), the display indices of brightness and contrast (UpdateIndices) with the
// program-wide current display record, and a reader for the raster file.

#include "support/DisplayParams.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace solar {

struct ImageDescription;

// The palette ramp into 256 entries of blue, green, red, 0: black below `lower`, white above
// `upper`, Round(255 * sqrt((i - lower) / (upper - lower))) between.
void FillPalette(std::int32_t lower, std::int32_t upper, std::uint8_t *palette);

// Lower index, contrast factor and upper index of a record from its brightness and contrast.
void ComputeIndices(DisplayParams &record);

// The record the adjustment dialog and the redisplay step work on, and the records the image
// loader uses. The windows fill these in; with no record set the loader keeps its own.
struct DisplayState {
    DisplayParams *current = nullptr;
    bool currentIsImageWindow = false;       // the current record belongs to the image window
    DisplayParams *imageWindow = nullptr;    // the image window's record
    const DisplayParams *defaults = nullptr; // the display defaults of the options
    std::function<void()> redisplayImageWindow;
};
DisplayState &displayState();

// ComputeIndices on the current record, then the image window redraws when the record is its own.
void UpdateIndices();

// Writes the raster file: Begin, palette into InfoBuffer(), WriteInfo, WriteRow per row, Finish;
// later any number of palette changes with RewritePalette. Deletes the file when destroyed.
class BMPFileObj {
public:
    static constexpr int FileHeaderSize = 14;
    static constexpr int InfoSize = 1064; // 40-byte bitmap header and 256 palette entries
    static constexpr int PixelOffset = FileHeaderSize + InfoSize;

    explicit BMPFileObj(std::string userDir);
    ~BMPFileObj();
    BMPFileObj(const BMPFileObj &) = delete;
    BMPFileObj &operator=(const BMPFileObj &) = delete;

    // The file is named after the image file's base name; SetStem gives another name (the
    // loader's unique one) to the next Begin.
    void SetStem(const std::string &stem) { stem_ = stem; }
    bool Begin(const ImageDescription &description);
    bool WriteInfo();
    // Appends a row of `count` bytes, padded with zeros to the row size; the bytes written.
    std::size_t WriteRow(const std::uint8_t *bytes, std::size_t count);
    bool Finish();
    bool RewritePalette();
    // Deletes the file (closing it first); the object can Begin again.
    void Discard();

    std::uint8_t *InfoBuffer() { return info_.data(); }
    std::uint8_t *Palette() { return info_.data() + 40; }
    const std::string &Path() const { return path_; }
    bool Complete() const { return complete_; }
    std::int32_t RowSize() const { return rowSize_; }

private:
    std::string userDir_;
    std::string stem_;
    std::array<std::uint8_t, InfoSize> info_{};
    std::array<std::uint8_t, FileHeaderSize> fileHeader_{};
    std::string path_;
    std::int32_t rowSize_ = 0;
    std::FILE *file_ = nullptr;
    bool fileHeaderWritten_ = false;
    bool infoWritten_ = false;
    std::int64_t totalPixelBytes_ = 0;
    std::int64_t rowsWritten_ = 0; // bytes of rows written so far
    bool complete_ = false;
    std::vector<std::uint8_t> pad_;
    std::vector<char> writeBuffer_; // the file's stdio buffer: rows go out in large writes
};

// A raster file read back: rows top first, each `width` indices; palette entries (b, g, r, 0).
struct RasterImage {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::array<std::uint8_t, 1024> palette{};
    std::vector<std::uint8_t> pixels;
};
// Reads a raster file of the layout BMPFileObj writes; false when it is not one or unreadable.
bool ReadRasterFile(const std::string &path, RasterImage &image);

} // namespace solar

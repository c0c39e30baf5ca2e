#include "imagefiles/BmpFile.h"

#include "imagefiles/GrFiles.h"
#include "support/ExtReal.h"
#include "support/Prompt.h"
#include "support/StringUt.h"
#include "support/Translate.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>

namespace solar {

void FillPalette(std::int32_t lower, std::int32_t upper, std::uint8_t *palette) {
    const long double span = static_cast<long double>(upper) - lower;
    for (int i = 0; i < 256; ++i) {
        std::uint8_t grey;
        if (i < lower)
            grey = 0;
        else if (i > upper)
            grey = 255;
        else if (span <= 0)
            grey = 255; // a ramp of no length: its one index is white
        else
            grey = static_cast<std::uint8_t>(roundToInt(255.0L * std::sqrt((i - lower) / span)));
        std::uint8_t *e = palette + 4 * i;
        e[0] = e[1] = e[2] = grey;
        e[3] = 0;
    }
}

void ComputeIndices(DisplayParams &record) {
    record.lowerIndex = 64 - record.brightness;
    record.contrastFactor = std::pow(1.5L, -static_cast<long double>(record.contrast) / 10.0L);
    record.upperIndex =
        static_cast<std::int32_t>(roundToInt(record.contrastFactor * 63.0L)) + record.lowerIndex;
}

DisplayState &displayState() {
    static DisplayState state;
    return state;
}

void UpdateIndices() {
    DisplayState &s = displayState();
    if (s.current == nullptr)
        return;
    ComputeIndices(*s.current);
    if (s.currentIsImageWindow && s.redisplayImageWindow)
        s.redisplayImageWindow();
}

namespace {

std::string upperCase(std::string s) {
    for (char &c : s)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return s;
}

// The upper-cased file name of a path less its extension.
std::string baseNameOf(const std::string &path) {
    std::string name =
        path.substr(path.find_last_of('/') == std::string::npos ? 0 : path.find_last_of('/') + 1);
    const auto dot = name.find_last_of('.');
    if (dot != std::string::npos)
        name.erase(dot);
    return upperCase(name);
}

} // namespace

BMPFileObj::BMPFileObj(std::string userDir) : userDir_(std::move(userDir)) {}

BMPFileObj::~BMPFileObj() {
    Discard();
}

void BMPFileObj::Discard() {
    if (file_ != nullptr) {
        std::fclose(file_);
        file_ = nullptr;
    }
    if (!path_.empty())
        std::remove(path_.c_str());
    path_.clear();
    fileHeaderWritten_ = infoWritten_ = complete_ = false;
}

bool BMPFileObj::Begin(const ImageDescription &description) {
    Discard();
    path_ = userDir_ + (stem_.empty() ? baseNameOf(description.name) : stem_) + ".BMP";
    rowSize_ =
        static_cast<std::int32_t>((static_cast<std::int64_t>(description.width) + 3) & ~std::int64_t{3});
    totalPixelBytes_ = static_cast<std::int64_t>(description.height) * rowSize_;
    rowsWritten_ = 0;

    fileHeader_.fill(0);
    fileHeader_[0] = 'B';
    fileHeader_[1] = 'M';
    putU32(fileHeader_.data() + 10, PixelOffset);
    std::uint8_t *h = info_.data();
    std::memset(h, 0, 40);
    putU32(h + 0, 40);
    putI32(h + 4, description.width);
    putI32(h + 8, -description.height);
    putU16(h + 12, 1);
    putU16(h + 14, 8);
    putU32(h + 32, 256);

    file_ = std::fopen(path_.c_str(), "wb");
    if (file_ == nullptr) {
        const int code = IOCodeFromErrno(errno);
        prompt().message(
            translate("BmpFile", "BMP File Error!"),
            arg(translate("BmpFile", "Unable to Create BMP File!\r\n\r\nFile Name: %1\r\nIOResult = %2"),
                {path_, std::to_string(code)}),
            Icon::Stop, Buttons::OK);
        path_.clear();
        return false;
    }
    // Rows go out in large writes. The buffer must be given: the C library keeps its small default
    // when asked for a size without one.
    writeBuffer_.resize(std::size_t{1} << 18);
    std::setvbuf(file_, writeBuffer_.data(), _IOFBF, writeBuffer_.size());
    fileHeaderWritten_ = std::fwrite(fileHeader_.data(), 1, FileHeaderSize, file_) == FileHeaderSize;
    return fileHeaderWritten_;
}

bool BMPFileObj::WriteInfo() {
    if (!fileHeaderWritten_ || file_ == nullptr)
        return false;
    infoWritten_ = std::fwrite(info_.data(), 1, InfoSize, file_) == InfoSize;
    return infoWritten_;
}

std::size_t BMPFileObj::WriteRow(const std::uint8_t *bytes, std::size_t count) {
    if (!infoWritten_ || file_ == nullptr || rowSize_ <= 0)
        return 0;
    const auto rowSize = static_cast<std::size_t>(rowSize_);
    count = std::min(count, rowSize);
    std::size_t written = std::fwrite(bytes, 1, count, file_);
    if (written == count && count < rowSize) {
        pad_.assign(rowSize - count, 0);
        written += std::fwrite(pad_.data(), 1, pad_.size(), file_);
    }
    rowsWritten_ += static_cast<std::int64_t>(written);
    return written;
}

bool BMPFileObj::Finish() {
    if (file_ == nullptr || !infoWritten_ || rowsWritten_ < totalPixelBytes_)
        return false;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    complete_ = closed;
    return complete_;
}

bool BMPFileObj::RewritePalette() {
    if (!complete_)
        return false;
    std::FILE *f = std::fopen(path_.c_str(), "r+b");
    if (f == nullptr) {
        const int code = IOCodeFromErrno(errno);
        prompt().message(
            translate("BmpFile", "BMP File Error!"),
            arg(translate("BmpFile",
                          "Error Accessing Temporary BMP File!\r\n\r\nFile Name: %1\r\nIOResult = %2"),
                {path_, std::to_string(code)}),
            Icon::Stop, Buttons::OK);
        return false;
    }
    bool ok =
        std::fseek(f, FileHeaderSize, SEEK_SET) == 0 && std::fwrite(info_.data(), 1, InfoSize, f) == InfoSize;
    ok = std::fclose(f) == 0 && ok;
    return ok;
}

bool ReadRasterFile(const std::string &path, RasterImage &image) {
    std::FILE *f = std::fopen(path.c_str(), "rb");
    if (f == nullptr)
        return false;
    std::uint8_t head[BMPFileObj::PixelOffset];
    bool ok = std::fread(head, 1, sizeof head, f) == sizeof head && head[0] == 'B' && head[1] == 'M' &&
              getU32(head + 10) == BMPFileObj::PixelOffset && getU32(head + 14) == 40 &&
              getU16(head + 28) == 8;
    const std::int32_t width = ok ? getI32(head + 18) : 0;
    const std::int32_t rawHeight = ok ? getI32(head + 22) : 0;
    ok = ok && width > 0 && width <= 65535 && rawHeight != 0 && rawHeight >= -65536 && rawHeight <= 65536;
    if (ok) {
        const bool topDown = rawHeight < 0;
        const std::int32_t height = topDown ? -rawHeight : rawHeight;
        const std::size_t rowSize = (static_cast<std::size_t>(width) + 3) & ~std::size_t{3};
        image.width = width;
        image.height = height;
        std::memcpy(image.palette.data(), head + 54, 1024);
        image.pixels.resize(static_cast<std::size_t>(width) * height);
        if (rowSize == static_cast<std::size_t>(width) && topDown) {
            ok = std::fread(image.pixels.data(), 1, image.pixels.size(), f) == image.pixels.size();
        } else {
            std::vector<std::uint8_t> row(rowSize);
            for (std::int32_t r = 0; ok && r < height; ++r) {
                ok = std::fread(row.data(), 1, rowSize, f) == rowSize;
                const std::int32_t target = topDown ? r : height - 1 - r;
                std::memcpy(image.pixels.data() + static_cast<std::size_t>(target) * width, row.data(),
                            width);
            }
        }
    }
    std::fclose(f);
    return ok;
}

} // namespace solar

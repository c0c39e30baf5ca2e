// The data pass of the FITS loader: stored values (8, 16, 32 bits, 32- and 64-bit reals, with
// BSCALE and BZERO) into the pixel table, the value range and the histogram.
#include "imagefiles/GrFiles.h"

#include "imagefiles/GrFilesParts.h"
#include "support/ExtReal.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace solar {

using namespace grfiles;

namespace {

constexpr long double TwoPow63 = 9223372036854775808.0L;

// Round(x) for a scaled value; false when x is not a number or lies beyond 64 bits.
inline bool roundScaled(long double x, std::int32_t &out) {
    if (!(x > -TwoPow63 && x < TwoPow63)) {
        out = 0;
        return false;
    }
    out = clip32(roundToInt(x));
    return true;
}

// Round(v) for floating-point data: the current rounding (to nearest, halves to even) of the CPU.
inline bool roundFloat(double v, std::int32_t &out) {
    if (!(v > -9223372036854775808.0 && v < 9223372036854775808.0)) {
        out = 0;
        return false;
    }
    out = clip32(std::llrint(v));
    return true;
}

// Round to nearest, halves to even, for |v| < 2^51: the sum with 1.5 * 2^52 has no fraction
// bits left, and IEEE addition rounds halves to even (strict floating point keeps both steps).
inline double nearestEven(double v) {
    constexpr double magic = 6755399441055744.0;
    return (v + magic) - magic;
}

inline std::uint16_t be16(const std::uint8_t *p) {
    return static_cast<std::uint16_t>((p[0] << 8) | p[1]);
}
inline std::uint32_t be32(const std::uint8_t *p) {
    return (static_cast<std::uint32_t>(p[0]) << 24) | (static_cast<std::uint32_t>(p[1]) << 16) |
           (static_cast<std::uint32_t>(p[2]) << 8) | p[3];
}

class ValueWindow {
public:
    explicit ValueWindow(GraphicsFileObj &image) : image_(image) {}

    void add(const std::int32_t *values, std::size_t n) {
        if (n == 0)
            return;
        if (counts_.empty()) {
            const std::int32_t low = *std::min_element(values, values + n);
            base_ = static_cast<std::int64_t>(low) - 1024; // some room below the first row
            counts_.assign(Size, 0);
        }
        std::uint32_t *c = counts_.data();
        const std::int64_t base = base_;
        std::size_t outside = 0;
        for (std::size_t i = 0; i < n; ++i) {
            const auto off = static_cast<std::uint64_t>(static_cast<std::int64_t>(values[i]) - base);
            if (off < Size)
                ++c[off];
            else
                ++outside;
        }
        if (outside == 0)
            return;
        spill_.clear();
        for (std::size_t i = 0; i < n; ++i)
            if (static_cast<std::uint64_t>(static_cast<std::int64_t>(values[i]) - base) >= Size)
                spill_.push_back(values[i]);
        image_.AddValues(spill_.data(), spill_.size());
    }
    void finish() {
        for (std::size_t k = 0; k < counts_.size(); ++k)
            if (counts_[k] != 0) {
                const auto v = static_cast<std::int32_t>(base_ + static_cast<std::int64_t>(k));
                image_.AddRepeatedValue(v, counts_[k]);
            }
        counts_.clear();
    }

private:
    static constexpr std::size_t Size = 65536;
    GraphicsFileObj &image_;
    std::vector<std::uint32_t> counts_;
    std::vector<std::int32_t> spill_;
    std::int64_t base_ = 0;
};

} // namespace

bool FITSFileObj::readData() {
    histogram_ = std::make_unique<HistogramObj>(256, header_.bitpix == 8 ? 1 : 256);
    description_.minimum = 2147483647;
    description_.maximum = 0;
    const int valueSize = std::abs(header_.bitpix) / 8;
    std::int64_t wanted = static_cast<std::int64_t>(header_.naxis1) * header_.naxis2;

    const long double bscale = header_.bscale;
    const long double bzero = header_.bzero;
    const bool plainOffset = bscale == 1.0L && bzero == std::floor(bzero) && std::fabs(bzero) < 9.0e15L;
    const std::int64_t offset = plainOffset ? static_cast<std::int64_t>(bzero) : 0;
    // 8 bits, and 16 bits in images large enough to repay it: a table of the integer kept for
    // every stored value, and a count of each stored value from which the statistics are made
    // once at the end. Otherwise each value is converted and counted as it comes.
    std::vector<std::int32_t> lut;
    std::vector<std::uint8_t> lutBad;
    std::vector<std::uint32_t> rawCount;
    const bool countRaw = header_.bitpix == 8 || (header_.bitpix == 16 && wanted >= 65536);
    if (countRaw) {
        const int n = header_.bitpix == 8 ? 256 : 65536;
        lut.resize(static_cast<std::size_t>(n));
        lutBad.resize(static_cast<std::size_t>(n));
        rawCount.assign(static_cast<std::size_t>(n), 0);
        for (int i = 0; i < n; ++i) {
            const std::int64_t v =
                header_.bitpix == 8 ? i : static_cast<std::int16_t>(static_cast<std::uint16_t>(i));
            const auto k = static_cast<std::size_t>(i);
            if (plainOffset)
                lut[k] = clip32(v + offset);
            else
                lutBad[k] = roundScaled(static_cast<long double>(v) * bscale + bzero, lut[k]) ? 0 : 1;
        }
    }

    bool conversionFailed = false;
    bool readFailed = false;
    constexpr std::size_t ChunkRecords = 64;
    std::vector<std::uint8_t> buffer(ChunkRecords * RecordSize);
    // Converts n stored values at p into out; true when one of them did not convert.
    const int bitpix = header_.bitpix;
    auto convert = [&](const std::uint8_t *p, std::size_t values, std::int32_t *out) {
        bool bad = false;
        switch (bitpix) {
        case 8:
            for (std::size_t i = 0; i < values; ++i) {
                out[i] = lut[p[i]];
                ++rawCount[p[i]];
            }
            break;
        case 16:
            if (countRaw) {
                for (std::size_t i = 0; i < values; ++i) {
                    const std::uint16_t raw = be16(p + 2 * i);
                    out[i] = lut[raw];
                    ++rawCount[raw];
                }
            } else {
                for (std::size_t i = 0; i < values; ++i) {
                    const auto raw = static_cast<std::int16_t>(be16(p + 2 * i));
                    if (plainOffset)
                        out[i] = clip32(raw + offset);
                    else
                        bad |= !roundScaled(raw * bscale + bzero, out[i]);
                }
            }
            break;
        case 32:
            for (std::size_t i = 0; i < values; ++i) {
                const auto raw = static_cast<std::int32_t>(be32(p + 4 * i));
                if (plainOffset)
                    out[i] = clip32(raw + offset);
                else
                    bad |= !roundScaled(raw * bscale + bzero, out[i]);
            }
            break;
        case -32: {
            bool outOfRange = false;
            for (std::size_t i = 0; i < values; ++i) {
                const std::uint32_t raw = be32(p + 4 * i);
                float f;
                std::memcpy(&f, &raw, 4);
                const bool inRange = f > -2147483648.0f && f < 2147483648.0f; // false for NaN
                out[i] = static_cast<std::int32_t>(nearestEven(inRange ? f : 0.0f));
                outOfRange |= !inRange;
            }
            if (outOfRange) { // values beyond 32 bits or not numbers: the careful conversion
                for (std::size_t i = 0; i < values; ++i) {
                    float f;
                    const std::uint32_t raw = be32(p + 4 * i);
                    std::memcpy(&f, &raw, 4);
                    if (!(f > -2147483648.0f && f < 2147483648.0f))
                        bad |= !roundFloat(f, out[i]);
                }
            }
            break;
        }
        case -64:
            for (std::size_t i = 0; i < values; ++i) {
                const std::uint64_t raw =
                    (static_cast<std::uint64_t>(be32(p + 8 * i)) << 32) | be32(p + 8 * i + 4);
                double d;
                std::memcpy(&d, &raw, 8);
                bad |= !roundFloat(d, out[i]);
            }
            break;
        default:
            break;
        }
        return bad;
    };
    if (bitpix != 8 && bitpix != 16 && bitpix != 32 && bitpix != -32 && bitpix != -64)
        return false;

    // Other types: values within a window of 65536 (placed by the first row) are counted one by
    // one and go into the statistics at the end; the rest go in as they come.
    ValueWindow window(*this);

    // Each row is converted straight into its row of the pixel table (zero-filled when made, so
    // columns of a row that never come stay 0).
    const std::size_t columns = static_cast<std::size_t>(header_.naxis1);
    std::size_t column = 0;
    int rowIndex = 0;
    std::int32_t *row = pixelTable_->MutableRow(0);
    while (wanted > 0 && row != nullptr) {
        const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), data_);
        if (got < buffer.size() && std::ferror(data_)) {
            readFailed = true;
            break;
        }
        const auto values = static_cast<std::size_t>(
            std::min<std::int64_t>(static_cast<std::int64_t>(got / valueSize), wanted));
        for (std::size_t k = 0; k < values && row != nullptr;) {
            const std::size_t take = std::min(values - k, columns - column);
            conversionFailed |= convert(buffer.data() + k * valueSize, take, row + column);
            column += take;
            k += take;
            if (column == columns) {
                if (!countRaw)
                    window.add(row, columns);
                row = pixelTable_->MutableRow(++rowIndex);
                column = 0;
            }
        }
        wanted -= static_cast<std::int64_t>(values);
        if (got < buffer.size())
            break; // end of file
    }
    if (column != 0 && row != nullptr && !countRaw)
        window.add(row, column); // a partly read row
    window.finish();
    for (std::size_t k = 0; k < rawCount.size(); ++k) {
        if (rawCount[k] == 0)
            continue;
        AddRepeatedValue(lut[k], rawCount[k]);
        conversionFailed |= lutBad[k] != 0;
    }
    pixelTable_->Rewind();
    // Values that did not convert, a failed read, or data that end before the image does.
    if (readFailed || conversionFailed || wanted > 0)
        return !AskToContinue();
    return true;
}

} // namespace solar

// The data pass of the FITS loader: stored values (8, 16, 32 bits, 32- and 64-bit reals, with
// BSCALE and BZERO) into the pixel table, the value range and the histogram.
#include "imagefiles/GrFiles.h"

#include "imagefiles/GrFilesParts.h"
#include "support/ExtReal.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <exception>
#include <limits>
#include <system_error>
#include <thread>
#include <vector>

#include <unistd.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// The value range and histogram of the rows one thread converts, added to the image's at the end
// (every sum is of integers, so the order in which the shares are added changes nothing).
struct ShareStats {
    ShareStats(int bins, long double binWidth) : histogram(bins, binWidth) {}
    void addValues(const std::int32_t *values, std::size_t n) {
        std::int32_t lo = minimum;
        std::int32_t hi = maximum;
        for (std::size_t i = 0; i < n; ++i) {
            lo = std::min(lo, values[i]);
            hi = std::max(hi, values[i]);
        }
        minimum = lo;
        maximum = hi;
        histogram.AddInts(values, n);
    }
    void addRepeated(std::int32_t value, std::uint32_t times) {
        minimum = std::min(minimum, value);
        maximum = std::max(maximum, value);
        histogram.AddIntRepeated(value, times);
    }

    std::int32_t minimum = std::numeric_limits<std::int32_t>::max();
    std::int32_t maximum = std::numeric_limits<std::int32_t>::min();
    HistogramObj histogram;
};

// Values within a window of 65536 (placed by the first row) are counted one by one and go into
// the statistics at the end; the rest go in as they come.
class ValueWindow {
public:
    explicit ValueWindow(ShareStats &stats) : stats_(stats) {}

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
        stats_.addValues(spill_.data(), spill_.size());
    }
    void finish() {
        for (std::size_t k = 0; k < counts_.size(); ++k)
            if (counts_[k] != 0) {
                const auto v = static_cast<std::int32_t>(base_ + static_cast<std::int64_t>(k));
                stats_.addRepeated(v, counts_[k]);
            }
        counts_.clear();
    }

private:
    static constexpr std::size_t Size = 65536;
    ShareStats &stats_;
    std::vector<std::uint32_t> counts_;
    std::vector<std::int32_t> spill_;
    std::int64_t base_ = 0;
};

// 32-bit reals rounded to 32-bit integers (to nearest, halves to even, as the CPU rounds); true
// when one of them lies beyond 32 bits or is not a number (such values are left for the careful
// conversion).
bool convertFloats(const std::uint8_t *p, std::size_t n, std::int32_t *out) {
    std::size_t i = 0;
    bool outOfRange = false;
#if defined(__SSE2__)
    // Four at a time: swap the bytes, convert under the current rounding. The conversion gives
    // 0x80000000 for a value beyond 32 bits or not a number, and for -2^31 itself, which the
    // careful conversion also takes.
    const __m128i indefinite = _mm_set1_epi32(std::numeric_limits<std::int32_t>::min());
    __m128i flags = _mm_setzero_si128();
    for (; i + 4 <= n; i += 4) {
        __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + 4 * i));
        x = _mm_or_si128(_mm_slli_epi16(x, 8), _mm_srli_epi16(x, 8));
        x = _mm_shufflehi_epi16(_mm_shufflelo_epi16(x, 0xB1), 0xB1);
        const __m128i r = _mm_cvtps_epi32(_mm_castsi128_ps(x));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + i), r);
        flags = _mm_or_si128(flags, _mm_cmpeq_epi32(r, indefinite));
    }
    outOfRange = _mm_movemask_epi8(flags) != 0;
#endif
    for (; i < n; ++i) {
        const std::uint32_t raw = be32(p + 4 * i);
        float f;
        std::memcpy(&f, &raw, 4);
        const bool inRange = f > -2147483648.0f && f < 2147483648.0f; // false for NaN
        out[i] = static_cast<std::int32_t>(nearestEven(inRange ? f : 0.0f));
        outOfRange |= !inRange;
    }
    return outOfRange;
}

// 16-bit integers plus a whole offset that cannot take them beyond 32 bits, each stored value
// counted (by its 16 bits) in the same pass, while its bytes are at hand.
void convertShorts(const std::uint8_t *p, std::size_t n, std::int32_t offset, std::int32_t *out,
                   std::uint32_t *rawCount) {
    std::size_t i = 0;
#if defined(__SSE2__) && defined(__x86_64__)
    // Eight at a time: swap the bytes, count the eight values from two 64-bit words, widen them
    // with their sign and add the offset.
    const __m128i add = _mm_set1_epi32(offset);
    for (; i + 8 <= n; i += 8) {
        __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p + 2 * i));
        x = _mm_or_si128(_mm_slli_epi16(x, 8), _mm_srli_epi16(x, 8));
        const auto low = static_cast<std::uint64_t>(_mm_cvtsi128_si64(x));
        const auto high = static_cast<std::uint64_t>(_mm_cvtsi128_si64(_mm_unpackhi_epi64(x, x)));
        ++rawCount[low & 0xFFFF];
        ++rawCount[(low >> 16) & 0xFFFF];
        ++rawCount[(low >> 32) & 0xFFFF];
        ++rawCount[low >> 48];
        ++rawCount[high & 0xFFFF];
        ++rawCount[(high >> 16) & 0xFFFF];
        ++rawCount[(high >> 32) & 0xFFFF];
        ++rawCount[high >> 48];
        const __m128i sign = _mm_srai_epi16(x, 15);
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + i),
                         _mm_add_epi32(_mm_unpacklo_epi16(x, sign), add));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + i + 4),
                         _mm_add_epi32(_mm_unpackhi_epi16(x, sign), add));
    }
#endif
    for (; i < n; ++i) {
        const std::uint16_t raw = be16(p + 2 * i);
        out[i] = static_cast<std::int16_t>(raw) + offset;
        ++rawCount[raw];
    }
}

// How the stored values of the image become the integers of the pixel table.
class Conversion {
public:
    explicit Conversion(const FitsHeader &h, std::int64_t pixels)
        : bitpix_(h.bitpix), bscale_(h.bscale), bzero_(h.bzero) {
        plainOffset_ = bscale_ == 1.0L && bzero_ == std::floor(bzero_) && std::fabs(bzero_) < 9.0e15L;
        offset_ = plainOffset_ ? static_cast<std::int64_t>(bzero_) : 0;
        // 8 bits, and 16 bits in images large enough to repay it: a count of each stored value
        // from which the statistics are made once at the end (with a table of the integer kept
        // for each unless the offset is plain and small). Otherwise each value is converted and
        // counted as it comes.
        countRaw_ = bitpix_ == 8 || (bitpix_ == 16 && pixels >= 65536);
        shortOffset_ = bitpix_ == 16 && plainOffset_ &&
                       offset_ >= std::numeric_limits<std::int32_t>::min() + 32768 &&
                       offset_ <= std::numeric_limits<std::int32_t>::max() - 32767;
        if (countRaw_ && !shortOffset_) {
            const int n = rawValues();
            lut_.resize(static_cast<std::size_t>(n));
            lutBad_.resize(static_cast<std::size_t>(n));
            for (int i = 0; i < n; ++i) {
                const auto k = static_cast<std::size_t>(i);
                if (plainOffset_)
                    lut_[k] = clip32(stored(i) + offset_);
                else
                    lutBad_[k] =
                        roundScaled(static_cast<long double>(stored(i)) * bscale_ + bzero_, lut_[k]) ? 0 : 1;
            }
        }
    }

    bool known() const {
        return bitpix_ == 8 || bitpix_ == 16 || bitpix_ == 32 || bitpix_ == -32 || bitpix_ == -64;
    }
    int valueSize() const { return std::abs(bitpix_) / 8; }
    bool countRaw() const { return countRaw_; }
    // Number of stored values a count of them holds.
    int rawValues() const { return bitpix_ == 8 ? 256 : 65536; }
    // The integer kept for a counted stored value, and whether it failed to convert.
    std::int32_t rawValue(std::size_t k, bool &bad) const {
        if (shortOffset_) {
            bad = false;
            return static_cast<std::int32_t>(stored(static_cast<int>(k)) + offset_);
        }
        bad = lutBad_[k] != 0;
        return lut_[k];
    }

    // Converts n stored values at p into out (counting them into rawCount when counted); true
    // when one of them did not convert.
    bool convert(const std::uint8_t *p, std::size_t values, std::int32_t *out,
                 std::uint32_t *rawCount) const {
        bool bad = false;
        switch (bitpix_) {
        case 8:
            for (std::size_t i = 0; i < values; ++i) {
                out[i] = lut_[p[i]];
                ++rawCount[p[i]];
            }
            break;
        case 16:
            if (countRaw_) {
                if (shortOffset_) {
                    convertShorts(p, values, static_cast<std::int32_t>(offset_), out, rawCount);
                } else {
                    for (std::size_t i = 0; i < values; ++i) {
                        const std::uint16_t raw = be16(p + 2 * i);
                        out[i] = lut_[raw];
                        ++rawCount[raw];
                    }
                }
            } else {
                for (std::size_t i = 0; i < values; ++i) {
                    const auto raw = static_cast<std::int16_t>(be16(p + 2 * i));
                    if (plainOffset_)
                        out[i] = clip32(raw + offset_);
                    else
                        bad |= !roundScaled(raw * bscale_ + bzero_, out[i]);
                }
            }
            break;
        case 32:
            for (std::size_t i = 0; i < values; ++i) {
                const auto raw = static_cast<std::int32_t>(be32(p + 4 * i));
                if (plainOffset_)
                    out[i] = clip32(raw + offset_);
                else
                    bad |= !roundScaled(raw * bscale_ + bzero_, out[i]);
            }
            break;
        case -32:
            if (convertFloats(p, values,
                              out)) { // values beyond 32 bits or not numbers: the careful conversion
                for (std::size_t i = 0; i < values; ++i) {
                    float f;
                    const std::uint32_t raw = be32(p + 4 * i);
                    std::memcpy(&f, &raw, 4);
                    if (!(f > -2147483648.0f && f < 2147483648.0f))
                        bad |= !roundFloat(f, out[i]);
                }
            }
            break;
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
    }

private:
    // The stored value of a count index: 8-bit values are unsigned, 16-bit ones signed.
    std::int64_t stored(int i) const {
        return bitpix_ == 8 ? i : static_cast<std::int16_t>(static_cast<std::uint16_t>(i));
    }

    int bitpix_;
    long double bscale_;
    long double bzero_;
    bool plainOffset_ = false;
    std::int64_t offset_ = 0;
    bool countRaw_ = false;
    bool shortOffset_ = false;
    std::vector<std::int32_t> lut_;
    std::vector<std::uint8_t> lutBad_;
};

// The rows [firstRow, endRow) of the image, read from the file and converted by one thread.
struct DataShare {
    DataShare(int firstRow, int endRow, const Conversion &conversion, long double binWidth)
        : firstRow(firstRow), endRow(endRow), stats(256, binWidth) {
        if (conversion.countRaw())
            rawCount.assign(static_cast<std::size_t>(conversion.rawValues()), 0);
    }

    int firstRow;
    int endRow;
    ShareStats stats;
    std::vector<std::uint32_t> rawCount;
    std::int64_t valuesRead = 0;
    bool conversionFailed = false;
    bool readFailed = false;
};

// Reads the values of the share's rows from the data that begin at dataStart in the file and
// converts each row straight into its row of the pixel table (zero-filled when made, so columns
// of a row that never come stay 0).
void readShare(int fd, std::int64_t dataStart, const Conversion &conversion, IntArrayList &table,
               DataShare &share) {
    const std::size_t valueSize = static_cast<std::size_t>(conversion.valueSize());
    const std::size_t columns = static_cast<std::size_t>(table.Columns());
    std::int64_t wanted =
        static_cast<std::int64_t>(share.endRow - share.firstRow) * static_cast<std::int64_t>(columns);
    std::int64_t position = dataStart + static_cast<std::int64_t>(share.firstRow) *
                                            static_cast<std::int64_t>(columns) *
                                            static_cast<std::int64_t>(valueSize);
    ValueWindow window(share.stats);
    constexpr std::size_t ChunkRecords = 64;
    std::vector<std::uint8_t> buffer(ChunkRecords * RecordSize);
    std::size_t column = 0;
    int rowIndex = share.firstRow;
    std::int32_t *row = table.MutableRow(rowIndex);
    while (wanted > 0 && row != nullptr) {
        // A whole chunk, or what is left of the share's values; fewer bytes only at the end of the file.
        const std::size_t ask = static_cast<std::size_t>(
            std::min<std::int64_t>(static_cast<std::int64_t>(buffer.size() / valueSize), wanted) *
            static_cast<std::int64_t>(valueSize));
        std::size_t got = 0;
        while (got < ask) {
            const ssize_t n = ::pread(fd, buffer.data() + got, ask - got,
                                      static_cast<off_t>(position + static_cast<std::int64_t>(got)));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                share.readFailed = true;
            if (n <= 0)
                break;
            got += static_cast<std::size_t>(n);
        }
        position += static_cast<std::int64_t>(got);
        const std::size_t values = got / valueSize;
        for (std::size_t k = 0; k < values && row != nullptr;) {
            const std::size_t take = std::min(values - k, columns - column);
            share.conversionFailed |=
                conversion.convert(buffer.data() + k * valueSize, take, row + column, share.rawCount.data());
            column += take;
            k += take;
            if (column == columns) {
                if (!conversion.countRaw())
                    window.add(row, columns);
                ++rowIndex;
                row = rowIndex < share.endRow ? table.MutableRow(rowIndex) : nullptr;
                column = 0;
            }
        }
        wanted -= static_cast<std::int64_t>(values);
        share.valuesRead += static_cast<std::int64_t>(values);
        if (got < ask)
            break; // end of file, or a read failure
    }
    if (column != 0 && row != nullptr && !conversion.countRaw())
        window.add(row, column); // a partly read row
    window.finish();
}

// Runs the work on the first share in this thread and on the second (when there is one) in
// another; without a thread to be had, one after the other.
template <class Share, class Work> void runShares(std::vector<Share> &shares, Work &&work) {
    if (shares.size() < 2) {
        work(shares[0]);
        return;
    }
    std::exception_ptr failure;
    std::thread second;
    try {
        second = std::thread([&] {
            try {
                work(shares[1]);
            } catch (...) {
                failure = std::current_exception();
            }
        });
    } catch (const std::system_error &) {
        work(shares[0]);
        work(shares[1]);
        return;
    }
    try {
        work(shares[0]);
    } catch (...) {
        second.join();
        throw;
    }
    second.join();
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace

bool FITSFileObj::readData() {
    histogram_ = std::make_unique<HistogramObj>(256, header_.bitpix == 8 ? 1 : 256);
    description_.minimum = 2147483647;
    description_.maximum = 0;
    const Conversion conversion(header_, static_cast<std::int64_t>(header_.naxis1) * header_.naxis2);
    if (!conversion.known())
        return false;
    const int fd = ::fileno(data_);
    const long dataStart = std::ftell(data_);
    if (fd < 0 || dataStart < 0)
        return !AskToContinue();

    // The shares: the whole image, or its upper and lower halves on two threads.
    IntArrayList &table = *pixelTable_;
    const int rows = table.Rows();
    const std::int64_t pixels = static_cast<std::int64_t>(rows) * table.Columns();
    const bool twoThreads = pixels >= TwoThreadPixels && std::thread::hardware_concurrency() >= 2;
    const long double binWidth = histogram_->BinWidth();
    std::vector<DataShare> shares;
    shares.reserve(2);
    shares.emplace_back(0, twoThreads ? rows / 2 : rows, conversion, binWidth);
    if (twoThreads)
        shares.emplace_back(rows / 2, rows, conversion, binWidth);
    runShares(shares, [&](DataShare &share) { readShare(fd, dataStart, conversion, table, share); });

    // The shares together (a file that ends in the upper half gives the lower one nothing).
    bool conversionFailed = false;
    bool readFailed = false;
    std::int64_t valuesRead = 0;
    for (std::size_t k = 0; k < shares.size(); ++k) {
        DataShare &s = shares[k];
        conversionFailed |= s.conversionFailed;
        readFailed |= s.readFailed;
        valuesRead += s.valuesRead;
        if (s.stats.histogram.Count() != 0) {
            description_.minimum = std::min(description_.minimum, s.stats.minimum);
            description_.maximum = std::max(description_.maximum, s.stats.maximum);
            histogram_->Merge(s.stats.histogram);
        }
        if (k > 0)
            for (std::size_t v = 0; v < s.rawCount.size(); ++v)
                shares[0].rawCount[v] += s.rawCount[v];
    }
    const std::vector<std::uint32_t> &rawCount = shares[0].rawCount;
    for (std::size_t k = 0; k < rawCount.size(); ++k) {
        if (rawCount[k] == 0)
            continue;
        bool bad = false;
        AddRepeatedValue(conversion.rawValue(k, bad), rawCount[k]);
        conversionFailed |= bad;
    }
    pixelTable_->Rewind();
    // Values that did not convert, a failed read, or data that end before the image does.
    if (readFailed || conversionFailed || valuesRead < pixels)
        return !AskToContinue();
    return true;
}

} // namespace solar

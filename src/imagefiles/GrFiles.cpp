#include "imagefiles/GrFiles.h"

#include "astro/DateTime.h"
#include "support/StringUt.h"
#include "support/ExtReal.h"
#include "support/Prompt.h"
#include "support/Translate.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>
#include <mutex>
#include <new>
#include <set>
#include <stdexcept>

namespace solar {

namespace {

constexpr std::array<std::string_view, 34> keywordTable = {
    "SIMPLE",   "EXTEND",   "BITPIX",   "NAXIS",    "NAXIS1",   "NAXIS2",   "NAXIS3", "BSCALE", "BZERO",
    "BLANK",    "XTENSION", "PCOUNT",   "GCOUNT",   "TFIELDS",  "RA",       "DEC",    "OBJECT", "EPOCH",
    "EQUINOX",  "OBSERVER", "DATE-OBS", "UT",       "TIME-OBS", "DISTANCE", "B0",     "L0",     "P_ANGLE",
    "SEMIDIAM", "FNDLMBXC", "FNDLMBYC", "FNDLMBMA", "EXP",      "FILTER",   "END"};

constexpr int RecordSize = 2880;
constexpr int CardSize = 80;

std::string upperCase(std::string s) {
    for (char &c : s)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return s;
}

std::string trimRight(std::string s) {
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
    return s;
}

std::string padTo18(std::string s) {
    if (s.size() < 18)
        s.append(18 - s.size(), ' ');
    return s;
}

// Decimal integer: optional sign, digits, within 32 bits.
bool parseInt32(std::string_view s, std::int32_t &out) {
    if (!s.empty() && s.front() == '+')
        s.remove_prefix(1);
    if (s.empty() || s.front() == '+')
        return false;
    std::int64_t v = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (r.ec != std::errc() || r.ptr != s.data() + s.size() || v < std::numeric_limits<std::int32_t>::min() ||
        v > std::numeric_limits<std::int32_t>::max())
        return false;
    out = static_cast<std::int32_t>(v);
    return true;
}

// Decimal real with "." as the point, whatever the user's locale; FITS's "D" exponent is taken
// as "E". Infinities and NaN are not numbers here.
bool parseReal(std::string_view s, long double &out) {
    std::string t(s);
    for (char &c : t)
        if (c == 'D' || c == 'd')
            c = 'E';
    std::size_t start = 0;
    if (!t.empty() && t[0] == '+')
        start = 1;
    const std::size_t digit = start < t.size() && t[start] == '-' ? start + 1 : start;
    if (digit >= t.size() || !((t[digit] >= '0' && t[digit] <= '9') || t[digit] == '.'))
        return false;
    long double v = 0;
    const auto r = std::from_chars(t.data() + start, t.data() + t.size(), v);
    if (r.ec != std::errc() || r.ptr != t.data() + t.size() || !std::isfinite(v))
        return false;
    out = v;
    return true;
}

void conversionMessage(std::string_view keyword, const std::string &token) {
    prompt().beep(BeepKind::Information);
    prompt().message(
        translate("GrFiles", "Numeric Conversion Error"),
        arg(translate("GrFiles", "Keyword field contains non-numeric data.\r\n\r\nKeyword: %1\r\nData: %2"),
            {std::string(keyword), token}),
        Icon::Information, Buttons::OK);
}

std::string notFitsText(const std::string &path) {
    return arg(translate("GrFiles",
                         "File is Not FITS Format!\r\nFile Name: %1\r\n\r\nChange the File Type via "
                         "\"File\" -> \"Image File Type...\""),
               {path});
}

void requiredDataMessage() {
    prompt().beep(BeepKind::Error);
    prompt().message(translate("GrFiles", "FITS File Error!"),
                     translate("GrFiles", "Required FITS Keyword Data is Missing or Faulty!"), Icon::Stop,
                     Buttons::OK);
}

// Names of the temporary files of the images loaded now, so that two images with the same base
// name do not write over (and later delete) each other's files.
std::mutex stemMutex;
std::set<std::string> stemsInUse;

std::string reserveStem(const std::string &userDir, const std::string &base) {
    std::lock_guard<std::mutex> lock(stemMutex);
    std::string stem = base;
    for (int n = 2; stemsInUse.count(userDir + stem) != 0; ++n)
        stem = base + "_" + std::to_string(n);
    stemsInUse.insert(userDir + stem);
    return stem;
}

void releaseStem(const std::string &userDir, const std::string &stem) {
    std::lock_guard<std::mutex> lock(stemMutex);
    stemsInUse.erase(userDir + stem);
}

// Keeps a converted value within the pixel table's 32 bits.
inline std::int32_t clip32(std::int64_t v) {
    if (v > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (v < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(v);
}

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

// Index of a value under a palette ramp, computed once per ramp: the smallest value that
// reaches each index above the lower one, and a table over the image's value range when it is
// small enough.
class IndexMap {
public:
    // minimum and maximum: the range of the values to be mapped.
    IndexMap(const FITSFileObj &image, std::int32_t lower, std::int32_t upper, std::int32_t minimum,
             std::int32_t maximum)
        : image_(image), lower_(lower), upper_(upper) {
        if (upper_ > lower_) {
            // DisplayIndex never decreases with the value: find where it reaches each index.
            const int steps = upper_ - lower_;
            first_.assign(static_cast<std::size_t>(steps) + 2, std::numeric_limits<std::int64_t>::max());
            for (int k = 1; k <= steps; ++k) {
                std::int64_t lo = std::numeric_limits<std::int32_t>::min();
                std::int64_t hi = std::numeric_limits<std::int32_t>::max();
                const int target = std::min(lower_ + k, 255);
                if (image_.DisplayIndex(static_cast<std::int32_t>(hi), lower_, upper_) < target)
                    continue; // never reached
                while (lo < hi) {
                    const std::int64_t mid = lo + (hi - lo) / 2;
                    if (image_.DisplayIndex(static_cast<std::int32_t>(mid), lower_, upper_) >= target)
                        hi = mid;
                    else
                        lo = mid + 1;
                }
                first_[static_cast<std::size_t>(k)] = lo;
            }
            first_[0] = std::numeric_limits<std::int64_t>::min();
        }
        minimum = std::min(minimum, 0);
        maximum = std::max(maximum, 0);
        const std::int64_t span = static_cast<std::int64_t>(maximum) - minimum;
        if (span >= 0 && span < (1 << 22) && !first_.empty()) {
            // The table in runs: every value from first_[k] up to first_[k + 1] has index lower + k.
            base_ = minimum;
            table_.resize(static_cast<std::size_t>(span) + 1);
            std::int64_t v = minimum;
            for (std::size_t k = 0; k + 1 < first_.size() && v <= maximum; ++k) {
                const std::int64_t end = std::min(first_[k + 1], static_cast<std::int64_t>(maximum) + 1);
                if (end > v) {
                    std::fill(table_.begin() + (v - minimum), table_.begin() + (end - minimum),
                              static_cast<std::uint8_t>(std::clamp(lower_ + static_cast<int>(k), 0, 255)));
                    v = end;
                }
            }
        }
    }

    // Every value of the image lies within the table when there is one (the range it was made
    // for includes 0, which unread pixels hold).
    void mapRow(const std::int32_t *values, std::uint8_t *out, std::size_t n) const {
        if (table_.empty()) {
            for (std::size_t j = 0; j < n; ++j)
                out[j] = slow(values[j]);
            return;
        }
        const std::uint8_t *t = table_.data();
        const std::int64_t base = base_;
        for (std::size_t j = 0; j < n; ++j)
            out[j] = t[static_cast<std::size_t>(static_cast<std::int64_t>(values[j]) - base)];
    }

    std::uint8_t operator()(std::int32_t v) const {
        const std::int64_t off = static_cast<std::int64_t>(v) - base_;
        if (off >= 0 && off < static_cast<std::int64_t>(table_.size()))
            return table_[static_cast<std::size_t>(off)];
        return slow(v);
    }

private:
    std::uint8_t slow(std::int32_t v) const {
        if (first_.empty())
            return image_.DisplayIndex(v, lower_, upper_);
        const auto it = std::upper_bound(first_.begin(), first_.end(), static_cast<std::int64_t>(v));
        const int k = static_cast<int>(it - first_.begin()) - 1;
        return static_cast<std::uint8_t>(std::clamp(lower_ + k, 0, 255));
    }

    const FITSFileObj &image_;
    std::int32_t lower_;
    std::int32_t upper_;
    std::vector<std::int64_t> first_;
    std::int64_t base_ = 0;
    std::vector<std::uint8_t> table_;
};

} // namespace

// ---------------------------------------------------------------------------------------------
// Header record and keyword helpers

void FitsHeader::toBytes(std::uint8_t *p) const {
    p[0] = simple ? 1 : 0;
    p[1] = extend ? 1 : 0;
    putI32(p + 2, bitpix);
    putI32(p + 6, naxis);
    putI32(p + 10, naxis1);
    putI32(p + 14, naxis2);
    putI32(p + 18, naxis3);
    encodeExtended(bscale, p + 22);
    encodeExtended(bzero, p + 32);
    putI32(p + 42, blank);
    xtension.toBytes(p + 46);
    putI32(p + 55, pcount);
    putI32(p + 59, gcount);
    putI32(p + 63, tfields);
    encodeExtended(rightAscension, p + 67);
    encodeExtended(declination, p + 77);
    encodeExtended(epoch, p + 87);
    putF32(p + 97, limbCentreX);
    putF32(p + 101, limbCentreY);
    putF32(p + 105, limbRadius);
    encodeExtended(distance, p + 109);
    encodeExtended(b0, p + 119);
    encodeExtended(l0, p + 129);
    encodeExtended(pAngle, p + 139);
    encodeExtended(semiDiameter, p + 149);
    object.toBytes(p + 159);
    observer.toBytes(p + 228);
    encodeExtended(exposure, p + 297);
    putF64(p + 307, observationMoment);
}

std::string_view KeywordText(int index) {
    return index >= 0 && index < static_cast<int>(keywordTable.size())
               ? keywordTable[static_cast<std::size_t>(index)]
               : std::string_view();
}

int KeywordIndex(std::string_view card) {
    for (int i = static_cast<int>(keywordTable.size()) - 1; i >= 0; --i)
        if (card.substr(0, keywordTable[static_cast<std::size_t>(i)].size()) ==
            keywordTable[static_cast<std::size_t>(i)])
            return i;
    return NoKeyword;
}

std::string ValueToken(std::string_view card) {
    if (card.size() <= 10)
        return {};
    if (card[10] == '\'') {
        std::size_t b = 11;
        while (b < card.size() && card[b] == ' ')
            ++b;
        const std::size_t e = card.find('\'', b);
        return std::string(card.substr(b, e == std::string_view::npos ? std::string_view::npos : e - b));
    }
    std::size_t b = 10;
    while (b < card.size() && card[b] == ' ')
        ++b;
    std::size_t e = b;
    while (e < card.size() && card[e] != ' ')
        ++e;
    return std::string(card.substr(b, e - b));
}

bool ParseSexagesimal(std::string_view token, bool declination, long double &value) {
    std::string t;
    for (char c : token)
        if (c != ' ')
            t.push_back(c);
    value = 0;
    if (t.empty())
        return true;
    std::array<std::string, 3> parts;
    std::size_t pos = 0;
    for (int i = 0; i < 3 && pos <= t.size(); ++i) {
        const std::size_t colon = i < 2 ? t.find(':', pos) : std::string::npos;
        parts[static_cast<std::size_t>(i)] =
            t.substr(pos, colon == std::string::npos ? std::string::npos : colon - pos);
        if (colon == std::string::npos) {
            pos = t.size() + 1;
            break;
        }
        pos = colon + 1;
    }
    std::array<long double, 3> v{0, 0, 0};
    for (std::size_t i = 0; i < 3; ++i) {
        const std::string part = parts[i].substr(0, 10);
        if (part.empty())
            continue; // an absent part
        if (!parseReal(part, v[i]))
            return false;
    }
    const bool negative = declination && parts[0].substr(0, 10).starts_with('-');
    value = negative ? v[0] - v[1] / 60 - v[2] / 3600 : v[0] + v[1] / 60 + v[2] / 3600;
    return true;
}

double ObservationMoment(std::string date, std::string time, long double timeObsSeconds) {
    const char sep = date.find('/') != std::string::npos ? '/' : '-';
    date = trimRight(date);
    bool yearFirst = false;
    if (date.size() > 8) {
        yearFirst = date[4] == sep;
    } else {
        // A day-month form with a two-digit year: 80..99 are 19xx, the rest 20xx.
        const auto last = date.find_last_of(sep);
        const std::size_t at = last == std::string::npos ? 0 : last + 1;
        std::int32_t yy = 0;
        const bool nineteen = parseInt32(date.substr(at), yy) && yy >= 80;
        date.insert(at, nineteen ? "19" : "20");
    }
    if (sep == '-') {
        const auto t = date.find('T');
        if (t != std::string::npos) {
            time = date.substr(t + 1);
            const auto dot = time.find('.');
            if (dot != std::string::npos)
                time.erase(dot);
            date.erase(t);
        }
    }

    double day = 0;
    {
        std::array<std::int32_t, 3> f{};
        std::size_t pos = 0;
        bool ok = true;
        for (int i = 0; i < 3 && ok; ++i) {
            while (pos < date.size() && date[pos] == ' ')
                ++pos;
            const std::size_t end = i < 2 ? date.find(sep, pos) : date.size();
            ok = end != std::string::npos &&
                 parseInt32(std::string_view(date).substr(pos, end - pos), f[static_cast<std::size_t>(i)]);
            pos = end + 1;
        }
        const int y = yearFirst ? f[0] : f[2];
        const int d = yearFirst ? f[2] : f[0];
        if (!ok || !TryEncodeDate(y, f[1], d, day)) {
            conversionMessage("DATE-OBS", date);
            day = 0;
        }
    }

    long double fraction = 0;
    const std::string clock = trimRight(time);
    if (clock.empty()) {
        fraction = timeObsSeconds / 86400.0L;
    } else {
        try {
            fraction = ParseClockTime(clock);
        } catch (const std::exception &) {
            conversionMessage("UT", time);
            fraction = 0;
        }
    }
    return static_cast<double>(day + fraction);
}

// ---------------------------------------------------------------------------------------------
// HistogramObj

HistogramObj::HistogramObj(int binCount, long double binWidth)
    : counts_(static_cast<std::size_t>(std::max(binCount, 1)), 0), lastBin_(std::max(binCount, 1) - 1),
      binWidth_(binWidth) {
    if (binWidth >= 1 && binWidth == std::floor(binWidth) && binWidth < 4294967296.0L) {
        intWidth_ = static_cast<std::int64_t>(binWidth);
        for (int s = 0; s < 32; ++s)
            if (intWidth_ == (std::int64_t{1} << s))
                intShift_ = s;
    }
    ZeroCounts();
}

void HistogramObj::ZeroCounts() {
    std::fill(counts_.begin(), counts_.end(), 0);
    count_ = 0;
    sum_ = sumSq_ = 0;
    intSum_ = 0;
    intSumSq_ = 0;
}

std::int64_t HistogramObj::binOf(long double x) const {
    const long double b = std::trunc(x / binWidth_);
    if (!(b < lastBin_))
        return lastBin_;
    return b < 0 ? 0 : static_cast<std::int64_t>(b);
}

void HistogramObj::Add(long double x) {
    if (!(x > 0))
        x = 0;
    ++counts_[static_cast<std::size_t>(binOf(x))];
    sum_ += x;
    sumSq_ += x * x;
    ++count_;
}

HistogramObj::ModeResult HistogramObj::Mode() const {
    ModeResult m;
    for (std::size_t i = 0; i < counts_.size(); ++i)
        if (counts_[i] > m.count) {
            m.count = counts_[i];
            m.bin = static_cast<std::int32_t>(i);
        }
    return m;
}

std::int32_t HistogramObj::FirstEmptyAboveMode() const {
    for (std::int32_t i = Mode().bin + 1; i <= lastBin_; ++i)
        if (counts_[static_cast<std::size_t>(i)] == 0)
            return i;
    return lastBin_;
}

void HistogramObj::AddIntRepeated(std::int32_t x, std::uint32_t times) {
    const std::uint64_t v = x < 0 ? 0u : static_cast<std::uint64_t>(x);
    const std::int64_t bin = intShift_ >= 0  ? static_cast<std::int64_t>(v >> intShift_)
                             : intWidth_ > 0 ? static_cast<std::int64_t>(v) / intWidth_
                                             : binOf(static_cast<long double>(v));
    counts_[static_cast<std::size_t>(bin > lastBin_ ? lastBin_ : bin)] += static_cast<std::int32_t>(times);
    intSum_ += v * times;
    intSumSq_ += static_cast<unsigned __int128>(v * v) * times;
    count_ += times;
}

void HistogramObj::AddInts(const std::int32_t *values, std::size_t n) {
    if (intShift_ < 0) {
        for (std::size_t i = 0; i < n; ++i)
            AddInt(values[i]);
        return;
    }
    // Four interleaved count arrays, so that runs of equal bins do not wait on each other.
    const std::size_t bins = counts_.size();
    scratch_.assign(4 * bins, 0);
    std::int32_t *c[4] = {scratch_.data(), scratch_.data() + bins, scratch_.data() + 2 * bins,
                          scratch_.data() + 3 * bins};
    const auto last = static_cast<std::uint32_t>(lastBin_);
    const int shift = intShift_;
    std::uint64_t s = 0;
    unsigned __int128 sq = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint32_t u = values[i] < 0 ? 0u : static_cast<std::uint32_t>(values[i]);
        const std::uint32_t b = u >> shift;
        ++c[i & 3][b > last ? last : b];
    }
    // The sums in a loop of their own, which the compiler can vectorise; 64 bits hold the sum of
    // fewer than 2^16 squares below 2^48.
    std::int32_t top = 0;
    for (std::size_t i = 0; i < n; ++i)
        top = std::max(top, values[i]);
    if (top < (1 << 24) && n < (1u << 16)) {
        std::uint64_t sq64 = 0;
        for (std::size_t i = 0; i < n; ++i) {
            const std::uint64_t u = values[i] < 0 ? 0u : static_cast<std::uint32_t>(values[i]);
            s += u;
            sq64 += u * u;
        }
        sq = sq64;
    } else {
        for (std::size_t i = 0; i < n; ++i) {
            const std::uint64_t u = values[i] < 0 ? 0u : static_cast<std::uint32_t>(values[i]);
            s += u;
            sq += u * u;
        }
    }
    for (std::size_t b = 0; b < bins; ++b)
        counts_[b] += c[0][b] + c[1][b] + c[2][b] + c[3][b];
    intSum_ += s;
    intSumSq_ += sq;
    count_ += static_cast<std::uint32_t>(n);
}

long double HistogramObj::sum() const {
    return sum_ + static_cast<long double>(intSum_);
}
long double HistogramObj::sumSq() const {
    return sumSq_ + static_cast<long double>(intSumSq_);
}

long double HistogramObj::Mean() const {
    return count_ == 0 ? 0 : sum() / count_;
}

long double HistogramObj::StdDev() const {
    if (count_ < 2)
        return 0;
    const long double n = count_;
    const long double s = sum();
    const long double var = (sumSq() - s * s / n) / (n - 1);
    return var > 0 ? std::sqrt(var) : 0;
}

// ---------------------------------------------------------------------------------------------
// GraphicsFileObj

GraphicsFileObj::GraphicsFileObj(std::string userDir) : raster_(userDir), userDir_(std::move(userDir)) {}

namespace {
std::function<void(const GraphicsFileObj *)> &releaseHook() {
    static std::function<void(const GraphicsFileObj *)> hook;
    return hook;
}
} // namespace

void GraphicsFileObj::SetReleaseHook(std::function<void(const GraphicsFileObj *)> hook) {
    releaseHook() = std::move(hook);
}

GraphicsFileObj::~GraphicsFileObj() {
    if (releaseHook())
        releaseHook()(this);
    discardTemporaryFiles();
}

void GraphicsFileObj::discardTemporaryFiles() {
    if (tempFilesExist_ && !headerListingPath_.empty())
        std::remove(headerListingPath_.c_str());
    tempFilesExist_ = false;
    headerListingPath_.clear();
    raster_.Discard();
    if (!stem_.empty())
        releaseStem(userDir_, stem_);
    stem_.clear();
}

bool GraphicsFileObj::AskToContinue() {
    const Answer a = prompt().message(
        translate("GrFiles", "File Errors Detected!"),
        arg(translate("GrFiles", "Errors were detected while loading and processing %1.  The "
                                 "resulting image may or may not be useable.\r\n\r\nPress \"OK\" "
                                 "to attempt to generate the image, \"Cancel\" to abort."),
            {displayName_}),
        Icon::Stop, Buttons::OKCancel);
    return a != Answer::OK;
}

// ---------------------------------------------------------------------------------------------
// FITSFileObj

FITSFileObj::FITSFileObj(std::string userDir)
    : GraphicsFileObj(std::move(userDir)), block_(RecordSize + 1, 0) {
    fileKind_ = 0;
}

FITSFileObj::~FITSFileObj() {
    closeData();
}

void FITSFileObj::closeData() {
    if (data_ != nullptr)
        std::fclose(data_);
    data_ = nullptr;
}

bool FITSFileObj::LoadTable() {
    return false;
}

bool FITSFileObj::HeaderIsValid() const {
    const FitsHeader &h = header_;
    bool ok =
        h.simple && (h.bitpix == 8 || h.bitpix == 16 || h.bitpix == 32 || h.bitpix == -32 || h.bitpix == -64);
    ok =
        ok && (h.naxis < 1 || h.naxis1 > 0) && (h.naxis < 2 || h.naxis2 > 0) && (h.naxis < 3 || h.naxis3 > 0);
    // The image must be one the pixel table can hold, its header must have ended, and the file
    // must hold at least half of the data the header announces (a shorter file cannot justify
    // the table, and a truncated one is reported when its data are read).
    ok = ok && sawEnd_ && h.naxis >= 2 && h.naxis1 <= IntArrayList::MaxColumns && h.naxis2 <= 65536;
    if (ok) {
        const std::int64_t declared =
            static_cast<std::int64_t>(h.naxis1) * h.naxis2 * (std::abs(h.bitpix) / 8);
        ok = dataAvailable_ * 2 >= declared;
    }
    return ok;
}

void FITSFileObj::parseCard(std::string_view card, bool &endSeen) {
    const int k = KeywordIndex(card);
    if (k == NoKeyword)
        return;
    const std::string token = ValueToken(card);
    const std::string_view kw = KeywordText(k);
    FitsHeader &h = header_;
    auto asInt = [&](std::int32_t &field) {
        std::int32_t v;
        if (parseInt32(token, v))
            field = v;
        else
            conversionMessage(kw, token);
    };
    auto asReal = [&](long double &field) {
        long double v;
        if (parseReal(token, v))
            field = v;
        else
            conversionMessage(kw, token);
    };
    auto asFloat = [&](float &field) {
        long double v;
        if (parseReal(token, v))
            field = static_cast<float>(v);
        else
            conversionMessage(kw, token);
    };
    switch (k) {
    case kwSIMPLE:
        h.simple = !token.empty() && token[0] == 'T';
        break;
    case kwEXTEND:
        h.extend = !token.empty() && token[0] == 'T';
        break;
    case kwBITPIX:
        asInt(h.bitpix);
        break;
    case kwNAXIS:
        asInt(h.naxis);
        break;
    case kwNAXIS1:
        asInt(h.naxis1);
        break;
    case kwNAXIS2:
        asInt(h.naxis2);
        break;
    case kwNAXIS3:
        asInt(h.naxis3);
        break;
    case kwBLANK:
        asInt(h.blank);
        break;
    case kwPCOUNT:
        asInt(h.pcount);
        break;
    case kwGCOUNT:
        asInt(h.gcount);
        break;
    case kwTFIELDS:
        asInt(h.tfields);
        break;
    case kwBSCALE:
        asReal(h.bscale);
        break;
    case kwBZERO:
        asReal(h.bzero);
        break;
    case kwEPOCH:
    case kwEQUINOX:
        asReal(h.epoch);
        break;
    case kwDISTANCE:
        asReal(h.distance);
        break;
    case kwB0:
        asReal(h.b0);
        break;
    case kwL0:
        asReal(h.l0);
        break;
    case kwP_ANGLE:
        asReal(h.pAngle);
        break;
    case kwSEMIDIAM:
        asReal(h.semiDiameter);
        break;
    case kwEXP:
        asReal(h.exposure);
        break;
    case kwFNDLMBXC:
        asFloat(h.limbCentreX);
        break;
    case kwFNDLMBYC:
        asFloat(h.limbCentreY);
        break;
    case kwFNDLMBMA:
        asFloat(h.limbRadius);
        break;
    case kwXTENSION:
        h.xtension = std::string_view(token).substr(0, 8);
        break;
    case kwRA:
    case kwDEC: {
        long double v = 0;
        if (!ParseSexagesimal(token, k == kwDEC, v))
            conversionMessage(kw, token);
        (k == kwRA ? h.rightAscension : h.declination) = v;
        break;
    }
    case kwOBJECT:
        h.object = upperCase(token.substr(0, 68));
        break;
    case kwOBSERVER:
        h.observer = std::string_view(token).substr(0, 68);
        break;
    case kwDATE_OBS:
        dateText_ = padTo18(token);
        break;
    case kwUT:
        timeText_ = padTo18(token);
        break;
    case kwTIME_OBS:
        if (token.find(':') != std::string::npos)
            timeText_ = padTo18(token);
        else
            asReal(timeObsSeconds_);
        break;
    case kwFILTER:
        break;
    case kwEND:
        endSeen = true;
        break;
    default:
        break;
    }
}

bool FITSFileObj::ReadHeader(const std::string &path) {
    // 1. Anything of an earlier load goes.
    pixelTable_.reset();
    discardTemporaryFiles();
    closeData();
    sawEnd_ = false;
    dataAvailable_ = 0;

    // 2. The file.
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        errno = EISDIR;
    } else {
        data_ = std::fopen(path.c_str(), "rb");
    }
    if (data_ == nullptr) {
        const int code = IOCodeFromErrno(errno);
        prompt().message(
            translate("GrFiles", "FITS File Error!"),
            arg(translate("GrFiles", "Unable to Open FITS File!\r\n\r\nFile Name: %1\r\nIOResult = %2"),
                {path, std::to_string(code)}),
            Icon::Stop, Buttons::OK);
        return false;
    }

    // 3. Names.
    const auto slash = path.find_last_of('/');
    const std::string fileName = upperCase(path.substr(slash == std::string::npos ? 0 : slash + 1));
    const auto dot = fileName.find_last_of('.');
    const std::string ext = dot == std::string::npos ? std::string() : fileName.substr(dot).substr(0, 4);
    baseName_ = dot == std::string::npos ? fileName : fileName.substr(0, dot);
    displayName_ = baseName_ + ext;
    stem_ = reserveStem(userDir_, baseName_);
    const std::string listingPath = userDir_ + stem_ + ".HDR";

    // 4. The header listing.
    // Like every text file of the program, the listing ends its lines with CR LF.
    std::FILE *listing = std::fopen(listingPath.c_str(), "wb");
    if (listing == nullptr) {
        const int code = IOCodeFromErrno(errno);
        prompt().message(
            translate("GrFiles", "File Error!"),
            arg(translate("GrFiles", "Unable to Open Temporary File!\r\n\r\nFile Name: %1\r\nIOResult = %2"),
                {listingPath, std::to_string(code)}),
            Icon::Stop, Buttons::OK);
        closeData();
        return false;
    }
    headerListingPath_ = listingPath;
    tempFilesExist_ = true;
    header_ = FitsHeader{};
    dateText_.clear();
    timeText_.clear();
    timeObsSeconds_ = 0;

    // 5. Its head.
    std::fputs(path.c_str(), listing);
    std::fputs("\r\n** FITS Header Information **\r\n\r\n", listing);

    // 6, 7. Record by record until END (past a data-less primary header to its extension).
    bool anyCard = false;
    bool dataless = false;
    for (;;) {
        const std::size_t got = std::fread(block_.data(), 1, RecordSize, data_);
        const std::size_t cards = got / CardSize;
        bool endSeen = false;
        for (std::size_t c = 0; c < cards; ++c) {
            anyCard = true;
            std::string_view card(reinterpret_cast<const char *>(block_.data()) + c * CardSize, 72);
            std::size_t len = card.size();
            while (len > 1 && card[len - 1] == ' ')
                --len;
            card = card.substr(0, len);
            std::fwrite(card.data(), 1, card.size(), listing);
            std::fputs("\r\n", listing);
            parseCard(card, endSeen);
            if (!header_.simple) {
                std::fclose(listing);
                prompt().beep(BeepKind::Error);
                prompt().message(translate("GrFiles", "FITS File Error!"), notFitsText(path), Icon::Stop,
                                 Buttons::OK);
                return false;
            }
        }
        if (endSeen) {
            dataless = header_.extend && header_.xtension.empty() && header_.naxis == 0;
            if (!dataless) {
                sawEnd_ = true;
                break;
            }
            continue;
        }
        if (got < static_cast<std::size_t>(RecordSize))
            break; // end of file (or a read failure) without END
    }
    std::fclose(listing);

    if (!anyCard) {
        // Not a single card: an empty or tiny file is no FITS file.
        prompt().beep(BeepKind::Error);
        prompt().message(translate("GrFiles", "FITS File Error!"), notFitsText(path), Icon::Stop,
                         Buttons::OK);
        return false;
    }

    // 8. The observation moment.
    if (!trimRight(dateText_).empty())
        header_.observationMoment = ObservationMoment(dateText_, timeText_, timeObsSeconds_);

    // 9. The description.
    if (!(dataless && !sawEnd_)) {
        description_ = ImageDescription{};
        description_.name = path.substr(0, 80);
        description_.kindText = ("FITS (BITPIX = " + std::to_string(header_.bitpix) + ")").substr(0, 40);
        description_.width = header_.naxis1;
        description_.height = header_.naxis2;
        description_.pixelCount = static_cast<std::int32_t>(
            std::clamp<std::int64_t>(static_cast<std::int64_t>(header_.naxis1) * header_.naxis2, 0,
                                     std::numeric_limits<std::int32_t>::max()));
        description_.discCentreX = static_cast<float>(header_.naxis1 / 2.0);
        description_.discCentreY = static_cast<float>(header_.naxis2 / 2.0);
        description_.discRadius = header_.limbRadius;
        const float r = header_.limbRadius;
        const std::int32_t side = std::max(header_.naxis1, header_.naxis2);
        if (std::isfinite(r) && r > 0)
            zoom_ = 380.0L / r;
        else
            zoom_ = side > 0 ? 760.0L / side : 1.0L;
    }

    // Room for data after the header.
    const long pos = std::ftell(data_);
    std::fseek(data_, 0, SEEK_END);
    const long size = std::ftell(data_);
    std::fseek(data_, pos, SEEK_SET);
    dataAvailable_ = pos >= 0 && size > pos ? size - pos : 0;

    // 10. Acceptance.
    if (!HeaderIsValid()) {
        requiredDataMessage();
        return false;
    }
    return true;
}

std::uint8_t FITSFileObj::DisplayIndex(std::int32_t value) const {
    const DisplayParams *cur = displayState().current;
    return cur != nullptr ? DisplayIndex(value, cur->lowerIndex, cur->upperIndex)
                          : DisplayIndex(value, 64, 127);
}

std::uint8_t FITSFileObj::DisplayIndex(std::int32_t value, std::int32_t lower, std::int32_t upper) const {
    const long double x = static_cast<long double>(value) - scaledLow_;
    std::int64_t index;
    if (x < 0)
        index = lower;
    else if (x > scaledRange_)
        index = upper;
    else if (scaledRange_ <= 0)
        // An empty display range (an image of one value): the value itself is mid-grey.
        index = lower + roundToInt((static_cast<long double>(upper) - lower) / 2);
    else
        index = lower + roundToInt(x / scaledRange_ * (static_cast<long double>(upper) - lower));
    return static_cast<std::uint8_t>(std::clamp<std::int64_t>(index, 0, 255));
}

bool FITSFileObj::Load(const std::string &path) {
    path_ = path;
    auto fail = [this] {
        closeData();
        pixelTable_.reset();
        discardTemporaryFiles();
        return false;
    };
    if (!ReadHeader(path))
        return fail();
    const std::string kind = trimRight(header_.xtension.str());
    if (header_.xtension.str() == "TABLE   " || kind == "TABLE" || kind == "BINTABLE" || kind == "A3DTABLE") {
        fail();
        return LoadTable();
    }
    try {
        pixelTable_ = std::make_unique<IntArrayList>(header_.naxis1, header_.naxis2);
    } catch (const std::exception &) {
        requiredDataMessage();
        return fail();
    }
    pixelTable_->Rewind();
    const bool dataResult = readData();
    closeData();
    if (!dataResult)
        return fail();
    if (!BuildDisplay())
        return fail();
    return true;
}

namespace {

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

bool FITSFileObj::BuildDisplay() {
    DisplayState &ds = displayState();
    DisplayParams defaults = ds.defaults != nullptr ? *ds.defaults : DisplayParams{};
    defaults.spare = 0;
    DisplayParams *window = ds.imageWindow != nullptr ? ds.imageWindow : &ownDisplay_;
    // 1, 2. A fresh copy of the defaults with the plain ramp; the defaults are put back at the end.
    *window = defaults;
    DisplayParams fresh = defaults;
    fresh.brightness = 0;
    fresh.contrast = 0;
    fresh.lowerIndex = 64;
    fresh.upperIndex = 127;
    fresh.contrastFactor = 1.0L;

    // 3, 4. Histogram values and the display range.
    const HistogramObj::ModeResult mode = histogram_->Mode();
    description_.modeBin = mode.bin;
    description_.modeCount = mode.count;
    description_.firstEmptyBin = histogram_->FirstEmptyAboveMode();
    const long double mean = histogram_->Mean();
    const long double sd = histogram_->StdDev();
    const std::int32_t low = clip32(roundToInt(mean + sd * static_cast<long double>(fresh.lowFactor)));
    const std::int32_t high = clip32(roundToInt(sd * static_cast<long double>(fresh.spanFactor) + low));
    description_.displayLow = low;
    description_.displayHigh = high;
    scaledLow_ = low;
    scaledRange_ = static_cast<long double>(high) - low;

    // 5. The raster file and its palette.
    raster_.SetStem(stem_);
    bool ok = raster_.Begin(description_);
    FillPalette(fresh.lowerIndex, fresh.upperIndex, raster_.Palette());
    ok = ok && raster_.WriteInfo();

    // 6. Hot pixels (far above the display range: more than twice its top) take the mean of
    // their diagonal neighbours; a display range that does not reach above 0 gives no such limit.
    IntArrayList &table = *pixelTable_;
    const int width = description_.width;
    const int height = description_.height;
    const bool filter = high > 0;
    const std::int64_t hot = 2 * static_cast<std::int64_t>(high);
    const IndexMap index(*this, fresh.lowerIndex, fresh.upperIndex, description_.minimum,
                         description_.maximum);
    std::vector<std::uint8_t> rowBytes(static_cast<std::size_t>(width));
    for (int i = 0; i < height; ++i) {
        const std::int32_t *row = table.Row(i);
        const std::int32_t *above = i > 0 ? table.Row(i - 1) : nullptr;
        const std::int32_t *below = i + 1 < height ? table.Row(i + 1) : nullptr;
        // Only diagonal neighbours count, none in the same row, so the row can be filtered
        // before its indices are taken.
        std::int32_t rowTop = std::numeric_limits<std::int32_t>::min();
        for (int j = 0; filter && j < width; ++j)
            rowTop = std::max(rowTop, row[j]);
        for (int j = 0; filter && rowTop > hot && j < width; ++j) {
            if (row[j] <= hot)
                continue;
            std::int64_t sum = 0;
            int count = 0;
            for (const std::int32_t *r : {above, below}) {
                if (r == nullptr)
                    continue;
                if (j > 0) {
                    sum += r[j - 1];
                    ++count;
                }
                if (j + 1 < width) {
                    sum += r[j + 1];
                    ++count;
                }
            }
            if (count > 0)
                table.SetValue(j, i, clip32(roundToInt(static_cast<long double>(sum) / count)));
        }
        index.mapRow(row, rowBytes.data(), rowBytes.size());
        if (ok)
            raster_.WriteRow(rowBytes.data(), rowBytes.size());
    }
    // 7.
    ok = ok && raster_.Finish();

    // 8. The image window's record becomes current, with the defaults and their indices.
    *window = defaults;
    if (window == ds.imageWindow) {
        ds.current = window;
        UpdateIndices();
    } else {
        ComputeIndices(*window);
    }
    return ok;
}

} // namespace solar

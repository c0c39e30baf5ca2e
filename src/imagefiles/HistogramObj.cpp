// HistogramObj: counts of values in equal bins, with the sums that give their mean and spread.
#include "imagefiles/GrFiles.h"

#include <algorithm>
#include <cmath>

namespace solar {

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

void HistogramObj::Merge(const HistogramObj &other) {
    for (std::size_t b = 0; b < counts_.size() && b < other.counts_.size(); ++b)
        counts_[b] += other.counts_[b];
    count_ += other.count_;
    sum_ += other.sum_;
    sumSq_ += other.sumSq_;
    intSum_ += other.intSum_;
    intSumSq_ += other.intSumSq_;
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
} // namespace solar

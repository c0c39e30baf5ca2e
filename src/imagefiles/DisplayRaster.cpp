// The display side of the FITS loader: the display index of a value, and the display range,
// hot-pixel pass and 8-bit raster file made after the data are read.
#include "imagefiles/GrFiles.h"

#include "imagefiles/GrFilesParts.h"
#include "support/ExtReal.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <limits>
#include <system_error>
#include <thread>
#include <vector>

namespace solar {

using namespace grfiles;

namespace {

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
        // The values come from a table far larger than the caches, read once: asking for them
        // 4 KB ahead keeps the lookups from waiting on memory (a 4096 x 4096 image maps in about
        // half the time).
        std::size_t j = 0;
        for (; j + 16 <= n; j += 16) {
            __builtin_prefetch(values + j + 1024);
            for (std::size_t k = j; k < j + 16; ++k)
                out[k] = t[static_cast<std::size_t>(static_cast<std::int64_t>(values[k]) - base)];
        }
        for (; j < n; ++j)
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

// Maps every row of the table into raster indices and writes them in order (to the raster when
// there is one), a block of rows at a time. In a large image a second thread maps blocks ahead
// into a ring of buffers while this one writes them in order, mapping blocks itself whenever
// the next one to write is not ready yet; the block a buffer holds is written before the
// buffer takes another.
void writeRaster(const IndexMap &index, const IntArrayList &table, BMPFileObj *raster) {
    const auto width = static_cast<std::size_t>(table.Columns());
    const int height = table.Rows();
    if (width == 0 || height == 0)
        return;
    const int blockRows = static_cast<int>(std::max<std::size_t>(1, (std::size_t{1} << 16) / width));
    const int blocks = (height + blockRows - 1) / blockRows;
    const std::size_t blockBytes = static_cast<std::size_t>(blockRows) * width;
    const bool twoThreads =
        static_cast<std::int64_t>(height) * static_cast<std::int64_t>(width) >= TwoThreadPixels &&
        std::thread::hardware_concurrency() >= 2;
    constexpr int MaxSlots = 8;
    const int slots = twoThreads ? MaxSlots : 1;
    std::vector<std::uint8_t> buffers(static_cast<std::size_t>(slots) * blockBytes);
    std::array<std::atomic<int>, MaxSlots> ready; // the block each buffer holds mapped
    for (std::atomic<int> &r : ready)
        r.store(-1);
    std::atomic<int> claimed{0}; // blocks taken for mapping
    std::atomic<int> written{0}; // blocks written

    auto buffer = [&](int k) { return buffers.data() + static_cast<std::size_t>(k % slots) * blockBytes; };
    // Takes the next block and maps it when its buffer is free; false when it is not free yet
    // or every block is taken.
    auto mapNext = [&] {
        int k = claimed.load();
        if (k >= blocks || k >= written.load() + slots || !claimed.compare_exchange_strong(k, k + 1))
            return false;
        const int end = std::min(height, (k + 1) * blockRows);
        std::uint8_t *out = buffer(k);
        for (int i = k * blockRows; i < end; ++i, out += width)
            index.mapRow(table.Row(i), out, width);
        ready[static_cast<std::size_t>(k % slots)].store(k);
        ready[static_cast<std::size_t>(k % slots)].notify_one();
        return true;
    };

    std::thread second;
    if (twoThreads) {
        try {
            second = std::thread([&] {
                while (claimed.load() < blocks) {
                    const int w = written.load();
                    if (!mapNext() && claimed.load() >= w + slots)
                        written.wait(w); // every buffer holds a block not yet written
                }
            });
        } catch (const std::system_error &) {
        }
    }
    for (int next = 0; next < blocks;) {
        std::atomic<int> &r = ready[static_cast<std::size_t>(next % slots)];
        const int held = r.load();
        if (held == next) {
            const int end = std::min(height, (next + 1) * blockRows);
            const std::uint8_t *bytes = buffer(next);
            for (int i = next * blockRows; raster != nullptr && i < end; ++i, bytes += width)
                raster->WriteRow(bytes, width);
            written.store(++next);
            written.notify_one();
        } else if (!mapNext()) {
            r.wait(held); // the second thread is mapping it
        }
    }
    if (second.joinable())
        second.join();
}

} // namespace

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
    // The filter runs top down before any row is mapped: a row changes only when it is filtered
    // itself, so each row sees the rows above it filtered and those below not yet, as when every
    // row is filtered just before it is mapped. No row needs it when no value is above the limit.
    if (filter && description_.maximum > hot) {
        for (int i = 0; i < height; ++i) {
            const std::int32_t *row = table.Row(i);
            const std::int32_t *above = i > 0 ? table.Row(i - 1) : nullptr;
            const std::int32_t *below = i + 1 < height ? table.Row(i + 1) : nullptr;
            // Only diagonal neighbours count, none in the same row.
            std::int32_t rowTop = std::numeric_limits<std::int32_t>::min();
            for (int j = 0; j < width; ++j)
                rowTop = std::max(rowTop, row[j]);
            for (int j = 0; rowTop > hot && j < width; ++j) {
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
        }
    }

    // The raster rows.
    const IndexMap index(*this, fresh.lowerIndex, fresh.upperIndex, description_.minimum,
                         description_.maximum);
    writeRaster(index, table, ok ? &raster_ : nullptr);
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

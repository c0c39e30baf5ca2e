#pragma once
// The image file classes: the FITS reader that turns one FITS file into a pixel table, a header
// listing, a value histogram and an 8-bit display raster; the recognised header values
// (FitsHeader) and the image's size, value and display ranges (ImageDescription).

#include "astro/HelioCoord.h"
#include "imagefiles/BmpFile.h"
#include "support/LinkLst.h"
#include "support/ShortStr.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace solar {

// What the raster writer and the image window need to know of an image.
struct ImageDescription {
    std::string name;     // the path given to Load, at most 80 characters
    std::string kindText; // "FITS (BITPIX = 16)", at most 40 characters
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t pixelCount = 0;
    std::int32_t minimum = 2147483647; // smallest stored value
    std::int32_t maximum = 0;          // largest stored value, never below 0
    std::int32_t firstEmptyBin = 0;    // first histogram bin above the mode bin with no count
    std::int32_t modeBin = 0;
    std::int32_t modeCount = 0;
    std::int32_t displayHigh = 0;
    std::int32_t displayLow = 0;
    float discCentreX = 0; // width / 2, image pixels
    float discCentreY = 0; // height / 2
    float discRadius = 0;  // the FNDLMBMA header value, image pixels (0 when the header has none)
};

// The values of the recognised header keywords. toBytes gives the packed 315-byte image of the
// record (extended reals in 10 bytes, short texts with their length byte).
struct FitsHeader {
    bool simple = false;
    bool extend = false;
    std::int32_t bitpix = 0;
    std::int32_t naxis = 0;
    std::int32_t naxis1 = 0;
    std::int32_t naxis2 = 0;
    std::int32_t naxis3 = 0;
    long double bscale = 1.0L;
    long double bzero = 0;
    std::int32_t blank = 0;
    ShortString<8> xtension;
    std::int32_t pcount = 0;
    std::int32_t gcount = 0;
    std::int32_t tfields = 0;
    long double rightAscension = 0; // hours (or degrees) as the header gives them
    long double declination = 0;    // degrees
    long double epoch = 0;          // EPOCH or EQUINOX, the later card wins
    float limbCentreX = 0;          // FNDLMBXC
    float limbCentreY = 0;          // FNDLMBYC
    float limbRadius = 0;           // FNDLMBMA
    long double distance = 0;       // astronomical units
    long double b0 = 0;             // degrees
    long double l0 = 0;             // degrees
    long double pAngle = 0;         // taken as radians by the coordinate conversion
    long double semiDiameter = 0;   // radians
    ShortString<68> object;         // upper-cased
    ShortString<68> observer;
    long double exposure = 0;
    double observationMoment = 0; // days since 1899-12-30 00:00, UT

    static constexpr int bytes = 315;
    void toBytes(std::uint8_t *p) const;

    // The view of the Sun the coordinate conversion needs, from the cards above.
    SolarViewGeometry viewGeometry() const { return {distance, b0, l0, pAngle, semiDiameter}; }
};

// The header keywords the reader knows, in table order; KeywordIndex gives NoKeyword (34) for
// a card that begins with none of them.
enum FitsKeyword : int {
    kwSIMPLE,
    kwEXTEND,
    kwBITPIX,
    kwNAXIS,
    kwNAXIS1,
    kwNAXIS2,
    kwNAXIS3,
    kwBSCALE,
    kwBZERO,
    kwBLANK,
    kwXTENSION,
    kwPCOUNT,
    kwGCOUNT,
    kwTFIELDS,
    kwRA,
    kwDEC,
    kwOBJECT,
    kwEPOCH,
    kwEQUINOX,
    kwOBSERVER,
    kwDATE_OBS,
    kwUT,
    kwTIME_OBS,
    kwDISTANCE,
    kwB0,
    kwL0,
    kwP_ANGLE,
    kwSEMIDIAM,
    kwFNDLMBXC,
    kwFNDLMBYC,
    kwFNDLMBMA,
    kwEXP,
    kwFILTER,
    kwEND,
    NoKeyword
};
// The keyword's text as the table holds it ("DATE-OBS").
std::string_view KeywordText(int index);
// Searches the table from the last entry down and returns the first entry the card begins with,
// so that "NAXIS1" wins over "NAXIS" and a card "EXPTIME" is read as EXP.
int KeywordIndex(std::string_view card);
// The value of a card: a quoted text from column 11 (inner and trailing blanks kept), or the run
// of non-blank characters from the first non-blank at or after column 11.
std::string ValueToken(std::string_view card);
// "hh:mm:ss" or "dd:mm:ss" (blanks ignored, up to three parts); for a declination a leading "-"
// applies to every part. False (value 0) when a part is not a number.
bool ParseSexagesimal(std::string_view token, bool declination, long double &value);
// The observation moment from the DATE-OBS text and the time text (UT or TIME-OBS with ":"),
// or, with an empty time text, from TIME-OBS seconds. Conversion failures are reported through
// the prompt and count as 0.
double ObservationMoment(std::string dateText, std::string timeText, long double timeObsSeconds);

// Counts values in equal bins and sums them and their squares.
class HistogramObj {
public:
    HistogramObj(int binCount, long double binWidth);
    void ZeroCounts();
    // A negative value counts as 0; values beyond the last bin go into it.
    void Add(long double x);
    // The same for an integer value (exact sums).
    void AddInt(std::int32_t x) {
        const std::int64_t v = x < 0 ? 0 : x;
        const std::int64_t bin = intShift_ >= 0  ? v >> intShift_
                                 : intWidth_ > 0 ? v / intWidth_
                                                 : binOf(static_cast<long double>(v));
        ++counts_[static_cast<std::size_t>(bin > lastBin_ ? lastBin_ : bin)];
        intSum_ += static_cast<std::uint64_t>(v);
        intSumSq_ +=
            static_cast<unsigned __int128>(static_cast<std::uint64_t>(v) * static_cast<std::uint64_t>(v));
        ++count_;
    }
    // AddInt of the same value `times` times.
    void AddIntRepeated(std::int32_t x, std::uint32_t times);
    // AddInt for a run of values.
    void AddInts(const std::int32_t *values, std::size_t n);
    // Adds the counts and sums of another histogram of the same bins.
    void Merge(const HistogramObj &other);
    struct ModeResult {
        std::int32_t bin = 0;
        std::int32_t count = 0;
    };
    // The bin with the highest count, the lowest such bin on ties; bin 0, count 0 when empty.
    ModeResult Mode() const;
    // The first bin above the mode bin with a count of 0; the last bin when there is none.
    std::int32_t FirstEmptyAboveMode() const;
    // Mean of the values added; 0 when there are none.
    long double Mean() const;
    // Sample standard deviation; 0 for fewer than two values.
    long double StdDev() const;

    std::int32_t LastBin() const { return lastBin_; }
    long double BinWidth() const { return binWidth_; }
    std::uint32_t Count() const { return count_; }
    const std::vector<std::int32_t> &Counts() const { return counts_; }

private:
    std::int64_t binOf(long double x) const;
    long double sum() const;
    long double sumSq() const;

    std::vector<std::int32_t> counts_;
    std::int32_t lastBin_ = 0;
    long double binWidth_ = 1;
    std::int64_t intWidth_ = 0; // the bin width when it is a whole number, else 0
    int intShift_ = -1;         // its power of two when it is one, else -1
    std::uint32_t count_ = 0;
    long double sum_ = 0;
    long double sumSq_ = 0;
    std::uint64_t intSum_ = 0;
    unsigned __int128 intSumSq_ = 0;
    std::vector<std::int32_t> scratch_;
};

// The abstract image file: its description, pixel table, histogram and raster writer.
class GraphicsFileObj {
public:
    // userDir: the user's folder (ending in "/") that receives the temporary files.
    explicit GraphicsFileObj(std::string userDir);
    virtual ~GraphicsFileObj();
    GraphicsFileObj(const GraphicsFileObj &) = delete;
    GraphicsFileObj &operator=(const GraphicsFileObj &) = delete;

    virtual bool Load(const std::string &path) = 0;

    // Called with every image object as it is destroyed (windows that belong to an image go with it).
    static void SetReleaseHook(std::function<void(const GraphicsFileObj *)> hook);

    // Widens the value range of the description to the value and adds it to the histogram.
    void AddValue(std::int32_t value) {
        if (value > description_.maximum)
            description_.maximum = value;
        if (value < description_.minimum)
            description_.minimum = value;
        histogram_->AddInt(value);
    }
    // AddValue for a run of values.
    void AddValues(const std::int32_t *values, std::size_t n) {
        std::int32_t lo = description_.minimum;
        std::int32_t hi = description_.maximum;
        for (std::size_t i = 0; i < n; ++i) {
            lo = std::min(lo, values[i]);
            hi = std::max(hi, values[i]);
        }
        description_.minimum = lo;
        description_.maximum = hi;
        histogram_->AddInts(values, n);
    }
    // AddValue of the same value `times` times.
    void AddRepeatedValue(std::int32_t value, std::uint32_t times) {
        description_.minimum = std::min(description_.minimum, value);
        description_.maximum = std::max(description_.maximum, value);
        histogram_->AddIntRepeated(value, times);
    }
    // The data-error question; true when the user chose to abort.
    bool AskToContinue();

    std::uint8_t FileKind() const { return fileKind_; }
    const ImageDescription &Description() const { return description_; }
    // The upper-cased file name with its extension cut to four characters ("SUN.FIT").
    const std::string &DisplayName() const { return displayName_; }
    // The upper-cased file name less its extension ("SUN"): the default name for a saved header.
    const std::string &BaseName() const { return baseName_; }
    // The header listing text file (".HDR" in the user folder), while it exists.
    const std::string &HeaderListingPath() const { return headerListingPath_; }
    // The temporary 8-bit raster (".BMP" in the user folder), once written.
    const std::string &RasterPath() const { return raster_.Path(); }
    // The pixel table and histogram of the last load, or null.
    IntArrayList *PixelTable() const { return pixelTable_.get(); }
    const HistogramObj *Histogram() const { return histogram_.get(); }
    // The raster writer: the image window refills its palette and rewrites it.
    BMPFileObj &Raster() { return raster_; }
    bool TemporaryFilesExist() const { return tempFilesExist_; }

protected:
    // Deletes the header listing (when made) and the raster file, and gives up their names.
    void discardTemporaryFiles();

    std::uint8_t fileKind_ = 3;
    ImageDescription description_;
    bool tempFilesExist_ = false;
    std::string displayName_;
    std::string baseName_;
    std::unique_ptr<IntArrayList> pixelTable_;
    std::unique_ptr<HistogramObj> histogram_;
    BMPFileObj raster_;
    std::string userDir_;
    std::string headerListingPath_;
    std::string stem_; // base name made unique among the images loaded now
};

class FITSFileObj : public GraphicsFileObj {
public:
    explicit FITSFileObj(std::string userDir);
    ~FITSFileObj() override;

    // Reads the whole file and builds its raster; false when the image cannot be used (the
    // user has been told why, except for a table extension). Leaves no temporary files behind
    // when it fails.
    bool Load(const std::string &path) override;
    // Opens the file and parses every header into Header() and the header listing.
    virtual bool ReadHeader(const std::string &path);
    virtual bool HeaderIsValid() const;
    // Table extensions are not images: always false, with no message.
    virtual bool LoadTable();

    // The 8-bit raster index of a data value under the current display record.
    std::uint8_t DisplayIndex(std::int32_t value) const;
    // The same under explicit lower and upper palette indices.
    std::uint8_t DisplayIndex(std::int32_t value, std::int32_t lower, std::int32_t upper) const;

    const FitsHeader &Header() const { return header_; }
    const std::string &DateText() const { return dateText_; }
    const std::string &TimeText() const { return timeText_; }
    // The magnification at which the image window draws the image: 380 / FNDLMBMA, or, without
    // a usable FNDLMBMA, the one that makes the longer side 760 pixels.
    long double Zoom() const { return zoom_; }
    bool HasLimbRadius() const { return header_.limbRadius > 0; }
    long double ScaledLow() const { return scaledLow_; }
    long double ScaledRange() const { return scaledRange_; }
    // Position of the image's record in the directory list; -99 for none.
    std::int32_t directoryIndex = -99;

private:
    bool readData();
    // Display range, hot-pixel pass and raster file; false when the raster could not be written.
    bool BuildDisplay();
    void parseCard(std::string_view card, bool &endSeen);
    void closeData();

    FitsHeader header_;
    std::string dateText_;
    std::string timeText_;
    long double timeObsSeconds_ = 0;
    long double zoom_ = 1;
    std::FILE *data_ = nullptr;
    std::vector<std::uint8_t> block_; // 2880-byte FITS record and a terminating zero
    long double scaledLow_ = 0;
    long double scaledRange_ = 0;
    std::string path_;
    bool sawEnd_ = false;            // the header ended with END
    std::int64_t dataAvailable_ = 0; // bytes of the file after the header
    DisplayParams ownDisplay_;       // stands in for the image window's record when there is none
};

} // namespace solar

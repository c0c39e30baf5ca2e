#pragma once
// The image importer: turns full-disk solar images from observatories (any BITPIX, primary or image
// extension, tile-compressed or not) into images of an exercise database that the program reads
// unchanged: disc centred at NAXIS / 2, solar north toward row 0, BITPIX 16, a fresh header of the
// program's keywords, named "<prefix>YYMMDDtHHMM.fts" and listed in "<prefix>list.txt".

#include <map>
#include <string>
#include <vector>

namespace solar {

// One image as read: physical values (BSCALE and BZERO applied), NaN where the file has no value;
// index = row * width + col, rows in file order. keys: the header cards of the image HDU (and of
// the primary header for keywords the image HDU lacks), values unquoted and trimmed.
struct RawImage {
    int width = 0, height = 0;
    std::vector<float> pixels;
    std::map<std::string, std::string> keys;
    float at(int col, int row) const { return pixels[static_cast<std::size_t>(row) * width + col]; }
};
// Reads the first image of a FITS file; false with a one-line reason.
bool readRawImage(const std::string &path, RawImage &out, std::string &error);

// A circle fitted to the limb: centre in 0-based pixel indices (col, row in file order).
struct LimbFit {
    bool found = false;
    double col = 0, row = 0, radius = 0;
    int edgePoints = 0; // edge points kept by the robust fit
};
// Finds the limb of a full-disk image: a first centre and radius from the bright area, edge points
// at the steepest fall along 360 rays from it (sub-pixel), a circle fitted with outliers rejected.
LimbFit fitLimb(const RawImage &img);

// Where the disc lies in the input and how it is turned: a point of the disc at (x, y) disc radii
// from the centre (x toward solar west, y toward solar north) lies at pixel
// (col, row) = (centreCol + a[0][0] x + a[0][1] y, centreRow + a[1][0] x + a[1][1] y).
struct ImportGeometry {
    double moment = 0; // days since 1899-12-30, UT
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    long double distanceAu = 0, b0Deg = 0, l0Deg = 0;
    double centreCol = 0, centreRow = 0, radiusPx = 0;
    double a[2][2] = {{1, 0}, {0, 1}};
    std::string orientationFrom; // which keywords gave B0, L0 and the distance
    std::string discFrom;        // which gave centre and radius
    std::string northFrom;       // which gave the turn
    bool solarP = false;         // the turn followed the SOLAR-P rule (see SolarPOrientation)
};
// How to take an image that gives SOLAR-P (the position angle of solar north) but no WCS rotation.
// Automatic: solar north up (toward the last row, the top as FITS viewers show it) when TELESCOP
// ends in "GONG" or the header places the disc with FNDLMBXC/YC/MA, since such images come from a
// pipeline that has turned them; otherwise as the sky shows it, solar north SOLAR-P east of
// celestial north, which lies toward the last row.
enum class SolarPOrientation { Automatic, NorthUp, Sky };

// Works out the geometry of an image (limb fit when the header places no disc); false with a reason.
bool findGeometry(const RawImage &img, ImportGeometry &geo, std::string &error,
                  SolarPOrientation orientation = SolarPOrientation::Automatic);
// True when the file's orientation depends on the SOLAR-P rule above (SOLAR-P and no WCS rotation
// or own P_ANGLE); reads the header only.
bool orientationFromSolarP(const std::string &path);

struct ImportOptions {
    int size = 1024;              // output width and height
    std::string prefix = "solar"; // five characters, as the directory file's reader expects
    SolarPOrientation orientation = SolarPOrientation::Automatic;
};

// The output image: BITPIX 16 values, row 0 toward solar north, disc at (size / 2, size / 2).
struct ImportedImage {
    int size = 0;
    double radiusPx = 0;
    std::vector<short> pixels;
};
// Hides the pixels that the program's reader would take for hot pixels (above twice the top of its
// default display range) the way the reader does, before the image is resampled and they are
// spread over several pixels; returns how many.
int hideHotPixels(RawImage &img);
// Resamples the disc to the output (each output pixel the mean of the input under it) and scales to
// 16 bits: v * 30000 / max(99.9th percentile of the disc, the reader's hot-pixel threshold), rounded,
// kept within 0..32767, so that the reader's threshold stays within the 16-bit range; pixels with
// no value (NaN) become 0 and values above the range 32767.
ImportedImage resampleDisc(const RawImage &img, const ImportGeometry &geo, int size);

// The output name "<prefix>YYMMDDtHHMM.fts" of an observation time.
std::string importedFileName(const std::string &prefix, const ImportGeometry &geo);
// Writes the output file beside its final name and renames it there once complete; false with a
// reason (no file left behind).
bool writeImportedFits(const std::string &path, const ImportedImage &out, const ImportGeometry &geo,
                       const std::string &sourceName, std::string &error);

// The candidate image files of a folder (names ending .fits, .fit, .fts, .fz, with or without .gz,
// any case), sorted by name.
std::vector<std::string> importCandidates(const std::string &folder);

// An import into one database folder: keeps its directory file up to date after every image.
class ImportImg {
public:
    // Opens the database folder (created when missing) and reads an existing "<prefix>list.txt".
    // False with a reason for a bad prefix or size, a folder that cannot be made or written, or a
    // directory file that cannot be read whole (it is never rewritten then).
    bool Open(const std::string &folder, const ImportOptions &options, std::string &error);
    // The same checks, leaving nothing behind (a missing folder is not made, but must be makeable).
    static bool Check(const std::string &folder, const ImportOptions &options, std::string &error);

    struct Result {
        bool ok = false;
        std::string message;    // one line naming the input file: what was written, or why not
        std::string outputName; // the file written
    };
    Result ImportFile(const std::string &path);

    // The directory file's lines, in time order.
    const std::vector<std::string> &Lines() const { return lines_; }
    std::string DirectoryPath() const;

private:
    std::string folder_;
    ImportOptions options_;
    std::vector<std::string> lines_;
    std::string listPath_;
};

} // namespace solar

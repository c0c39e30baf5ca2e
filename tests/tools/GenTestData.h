#pragma once
// Reading back what the generator wrote into the installation folder's IMAGES/: the FITS files
// (through cfitsio, a reader independent of the program's own) and the answer key.

#include <map>
#include <string>
#include <vector>

namespace solar::test {

// The generated database of this build.
std::string imagesDir();
// The instructors' folder with the answer key, beside IMAGES/.
std::string keyDir();

struct FitsData {
    std::map<std::string, std::string> keys; // values as cfitsio reads them, strings unquoted
    std::vector<std::string> comments;
    long width = 0, height = 0;
    int bitpix = 0;
    std::vector<int> pixels; // row-major, first row of the file first
    double num(const std::string &key) const;
    int at(int col, int row) const { return pixels[static_cast<std::size_t>(row) * width + col]; }
};
// Reads one image; fails the current test and returns false when cfitsio cannot read it.
bool readFits(const std::string &path, FitsData &out);

struct KeyRow {
    std::string file, date, time, spot;
    double moment = 0, b0 = 0, l0 = 0, col = 0, row = 0, lat = 0, cmLon = 0, carrLon = 0, mu = 0;
    double sidRate = 0, sidPeriod = 0, synRate = 0, synPeriod = 0;
};
std::vector<KeyRow> readAnswerKey(const std::string &path);

// The image file names of the directory file, in file order.
std::vector<std::string> directoryNames(const std::string &path);

} // namespace solar::test

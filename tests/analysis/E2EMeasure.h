#pragma once
// Measuring the generated sample image database the way a student does: each image is loaded and
// shown in the image window, each spot of the answer key is clicked (with automatic centroiding)
// in measure mode and recorded under its identifier in the entry window. Shared by the end-to-end
// tests of both analysis windows.

#include "astro/HelioCoord.h"
#include "support/Options.h"

#include <memory>
#include <string>
#include <vector>

namespace solar {
class FITSFileObj;
class MeasList;
class TImageForm1;
class TMeasDataForm1;
} // namespace solar

namespace solar::test {

// One line of "synth_answer_key.csv": a spot on one image.
struct KeySpot {
    std::string file, id;
    double moment = 0;          // image time, days since 1899-12-30
    double column = 0, row = 0; // image pixels
    double lat = 0, lon = 0;    // degrees; lon from the central meridian
    double mu = 0;              // cosine of the angle from disc centre
    double synodicRate = 0;     // degrees per day
    double synodicPeriod = 0;   // days
};

// The folder of the generated database (ending in "/") beside the test programs.
std::string sampleImageFolder();
// The answer key of the database in `folder` (it lies in INSTRUCTOR/ beside the image folder), in
// file order; empty when there is none.
std::vector<KeySpot> readAnswerKey(const std::string &folder);

// The image window and entry window of a measuring session, in the given measurement unit.
class E2EMeasurer {
public:
    explicit E2EMeasurer(int unit);
    ~E2EMeasurer();

    // Loads every image named in the key from `folder`, shows it and measures each of its spots
    // whose mu is at least `minMu` at the centroid near the key's position, then records it under
    // the key's identifier. Returns the number of measurements recorded; images that fail to
    // load or spots that cannot be measured are counted in `failures`.
    int measureAll(const std::vector<KeySpot> &key, const std::string &folder, double minMu,
                   std::vector<std::string> *failures = nullptr);

    MeasList &list();
    OptionsRecord options;
    HeliographicCoordObj helio;
    std::unique_ptr<TMeasDataForm1> entry;
    std::unique_ptr<TImageForm1> window;

private:
    std::string userDir_;
};

} // namespace solar::test

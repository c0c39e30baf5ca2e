#pragma once
// The synthetic image series: the plan of every image (time, header values, where each spot
// lies), the image itself (disc, limb darkening, spots, sky, noise, hot pixels), and the files
// written from them (FITS images, the "*list.txt" directory file and the instructors' answer key).

#include "DiscProjection.h"
#include "GenConfig.h"
#include "astro/SunEphem.h"

#include <cstdint>
#include <string>
#include <vector>

namespace solar::gen {

struct SpotState {
    std::string id;
    long double latDeg = 0;
    long double carrLonDeg = 0;    // Carrington longitude, 0..360
    long double cmLonDeg = 0;      // from the central meridian, west positive, -180..180
    PixelPoint pixel;              // true centre on the image
    long double angularRadius = 0; // penumbra radius as an angle at the Sun's centre, radians
};

// Header values exactly as written to the file (rounded to the digits written).
struct HeaderValues {
    std::string dateObs; // YYYY-MM-DD
    std::string timeObs; // hh:mm:ss
    long double distanceAu = 0;
    long double b0Deg = 0;
    long double l0Deg = 0;
    long double pAngleRad = 0;
    long double semiDiamRad = 0;
    long double centreX = 0, centreY = 0, radiusPx = 0;
    long double exposureSec = 0;
};

struct PlannedImage {
    int index = 0; // in time order
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    long double jdUt = 0;
    long double moment = 0; // days since 1899-12-30 00:00 UT
    std::string fileName;
    SunView sun; // full-precision ephemeris
    HeaderValues header;
    DiscGeometry geometry; // built from the header values
    std::vector<SpotState> spots;
};

struct SpotRates {
    std::string id;
    long double siderealRate = 0, siderealPeriod = 0; // degrees per day, days
    long double synodicRate = 0, synodicPeriod = 0;
};

struct SeriesPlan {
    std::vector<PlannedImage> images;
    std::vector<SpotRates> rates;
};

SeriesPlan planSeries(const GenConfig &cfg);

struct SynthImage {
    int width = 0, height = 0;
    std::vector<std::int16_t> pixels;           // row-major, row 0 first (the top of the view: north)
    std::vector<std::pair<int, int>> hotPixels; // (column, row)
    std::int16_t at(int col, int row) const { return pixels[static_cast<std::size_t>(row) * width + col]; }
};

// The relative intensity of the photosphere at mu: Eddington's grey-atmosphere law.
double limbDarkening(double mu);
// The intensity factor of a spot at a distance d from its centre, in units of its penumbra radius.
double spotFactor(double d);

SynthImage renderImage(const GenConfig &cfg, const PlannedImage &img);

// Writers; each returns an empty text on success, else what went wrong.
std::string writeFits(const std::string &path, const GenConfig &cfg, const PlannedImage &img,
                      const SynthImage &pixels);
std::string writeDirectory(const std::string &path, const SeriesPlan &plan);
std::string writeAnswerKey(const std::string &path, const GenConfig &cfg, const SeriesPlan &plan);

// The whole database into a folder (created when missing), and its answer key into keyFolder:
// a folder of its own, since every student browses the image folder. An answer key left in the
// image folder by an earlier run is removed.
std::string generateDatabase(const GenConfig &cfg, const std::string &folder, const std::string &keyFolder);

} // namespace solar::gen

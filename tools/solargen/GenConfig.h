#pragma once
// Every choice of the synthetic image database in one place: the series (start, cadence,
// weather gaps), the image (size, scale, light levels, noise) and the sunspots.

#include <cstdint>
#include <string>
#include <vector>

namespace solar::gen {

struct SpotSpec {
    std::string id;             // one letter, as the answer key names the spot
    long double latDeg;         // heliographic latitude at the first image
    long double cmLonDeg;       // longitude from the central meridian at the first image, west positive
    long double diameterPx;     // penumbra diameter in pixels at the disc centre (1 AU, nominal radius)
    long double driftLonDegDay; // proper motion in longitude, added to the rotation law
    long double driftLatDegDay; // proper motion in latitude
};

struct GenConfig {
    // Series: one image a day for `days` days from the start date, except the missing days
    // (0 = the start date); each at a Universal Time drawn between the two hours.
    int startYear = 2025, startMonth = 8, startDay = 25;
    int days = 15;
    std::vector<int> missingDays = {4, 9, 10};
    int earliestHour = 14, latestHour = 21;
    std::uint64_t seed = 20250825;

    // Files: names are prefix + YYMMDD + "t" + HHMM + ".fts" (the prefix has five characters).
    std::string prefix = "synth";
    std::string directoryName = "synthlist.txt";
    std::string answerKeyName = "synth_answer_key.csv";
    std::string observer = "Synthetic network (solargen)";
    // Texts of eight characters or more: the library pads shorter ones with blanks, which the
    // program's reader would keep.
    std::string object = "Sun, white light";

    // Image: square, disc centre at (size / 2, size / 2); the plate scale is fixed so the disc
    // radius is nominalRadiusPx at 1 AU and changes with the Earth's distance as a real one does.
    int size = 1024;
    long double nominalRadiusPx = 440;
    long double exposureSec = 0.012;
    double centreCounts = 10000; // disc-centre intensity in ADU
    double skyCounts = 60;       // sky far from the limb in ADU
    double aureoleCounts = 140;  // scattered light just outside the limb, fading outwards
    double gainElectrons = 2;    // electrons per ADU (photon noise)
    double readNoise = 3;        // ADU
    int hotPixels = 5;
    int hotPixelMin = 30000; // hot pixels lie between this and 32767

    // Sunspots: spread over the latitudes of a mid-cycle Sun.
    std::vector<SpotSpec> spots = {
        {"A", 8, -62, 22, 0.05, 0.01},    {"B", -14, -48, 30, -0.04, -0.01}, {"C", 22, -78, 16, 0.03, 0.0},
        {"D", -28, -70, 12, -0.06, 0.02}, {"E", 15, 22, 10, 0.0, 0.0},       {"F", -6, -112, 18, 0.02, 0.0},
    };
    // The answer key lists a spot on an image while mu (cosine of its distance from the disc
    // centre as seen on the sphere) is at least this: nearer the limb it is too thin to measure.
    long double keyMinMu = 0.2;
};

// Sidereal rotation rate of sunspots, degrees per day: Newton and Nunn (1951),
// MNRAS 111, 413: 14.38 - 2.77 sin^2(latitude).
long double spotSiderealRate(long double latDeg);
inline constexpr const char *RotationLawName = "Newton and Nunn (1951): 14.38 - 2.77 sin^2(lat) deg/day";

} // namespace solar::gen

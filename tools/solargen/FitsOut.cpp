// Writing one synthetic image as a FITS file with the keywords the program reads.
#include "Generator.h"

#include <fitsio.h>

#include <cstdio>

namespace solar::gen {
namespace {

std::string fitsError(int status, const std::string &path) {
    char text[FLEN_STATUS] = {};
    fits_get_errstatus(status, text);
    return path + ": " + text;
}

} // namespace

std::string writeFits(const std::string &path, const GenConfig &cfg, const PlannedImage &img,
                      const SynthImage &pixels) {
    fitsfile *f = nullptr;
    int status = 0;
    const std::string target = "!" + path; // "!" lets the library replace an older file
    fits_create_file(&f, target.c_str(), &status);
    if (status)
        return fitsError(status, path);
    long naxes[2] = {pixels.width, pixels.height};
    fits_create_img(f, SHORT_IMG, 2, naxes, &status);

    const HeaderValues &h = img.header;
    auto str = [&](const char *key, const std::string &value, const char *comment) {
        fits_write_key_str(f, key, value.c_str(), comment, &status);
    };
    auto num = [&](const char *key, long double value, int decimals, const char *comment) {
        fits_write_key_fixdbl(f, key, static_cast<double>(value), decimals, comment, &status);
    };
    str("DATE-OBS", h.dateObs, "date of observation (UT)");
    str("TIME-OBS", h.timeObs, "time of observation (UT)");
    str("OBJECT", cfg.object, "");
    str("OBSERVER", cfg.observer, "");
    num("EXP", h.exposureSec, 3, "[s] exposure time");
    num("DISTANCE", h.distanceAu, 9, "[AU] Earth-Sun distance");
    num("B0", h.b0Deg, 6, "[deg] heliographic latitude of disc centre");
    num("L0", h.l0Deg, 6, "[deg] Carrington longitude of disc centre");
    num("P_ANGLE", h.pAngleRad, 6, "[rad] position angle of solar north (image turned)");
    num("SEMIDIAM", h.semiDiamRad, 15, "[rad] 696000 km / DISTANCE");
    num("FNDLMBXC", h.centreX, 3, "[px] disc centre, column");
    num("FNDLMBYC", h.centreY, 3, "[px] disc centre, row");
    num("FNDLMBMA", h.radiusPx, 3, "[px] disc radius");
    fits_write_comment(f, "Synthetic full-disk white-light image with a known answer: not an observation.",
                       &status);
    fits_write_comment(f, "Made by the project's solargen tool. Row 1 is solar north (top of the view).",
                       &status);
    std::string law =
        std::string("Spots move by ") + RotationLawName + " sidereal plus a small proper motion.";
    fits_write_comment(f, law.c_str(), &status);
    fits_write_comment(f, "Limb darkening: Eddington grey atmosphere, I(mu)/I(1) = (2 + 3 mu) / 5.", &status);

    std::vector<short> data(pixels.pixels.begin(), pixels.pixels.end());
    fits_write_img(f, TSHORT, 1, static_cast<LONGLONG>(data.size()), data.data(), &status);
    int closeStatus = 0;
    fits_close_file(f, &closeStatus);
    if (status)
        return fitsError(status, path);
    if (closeStatus)
        return fitsError(closeStatus, path);
    return {};
}

} // namespace solar::gen

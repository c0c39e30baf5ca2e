// import_bench [FOLDER]: times the importer on a 4096 x 4096 Rice-compressed BITPIX 32 image with
// solar WCS keywords (read, geometry, resample to 1024 x 1024, write) and the limb fit on the same
// pixels. Run by hand: its figures depend on the machine.
#include "Generator.h"
#include "imagedb/ImportImg.h"

#include <fitsio.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

using namespace solar;
using Clock = std::chrono::steady_clock;

static double since(Clock::time_point t) {
    return std::chrono::duration<double>(Clock::now() - t).count();
}
// Processor time of this process: the figure that counts on a shared machine.
static double cpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

int main(int argc, char **argv) {
    const std::string folder =
        argc > 1 ? argv[1] : (std::filesystem::temp_directory_path() / "import_bench").string();
    std::filesystem::create_directories(folder);
    const std::string input = folder + "/big.fits";
    const int n = 4096;
    const double radius = 1900, cc = 2049.2, cr = 2040.7;
    if (!std::filesystem::exists(input)) {
        std::printf("drawing the %d x %d test image...\n", n, n);
        gen::GenConfig cfg;
        cfg.size = n;
        cfg.hotPixels = 0;
        cfg.nominalRadiusPx = radius;
        gen::PlannedImage plan;
        plan.geometry.distanceAu = 1;
        plan.geometry.b0Deg = 3;
        plan.geometry.radiusPx = radius;
        plan.geometry.centreCol = n - 1 - cc;
        plan.geometry.centreRow = cr;
        const gen::SynthImage sun = gen::renderImage(cfg, plan);
        std::vector<int> v(static_cast<std::size_t>(n) * n);
        for (int r = 0; r < n; ++r)
            for (int c = 0; c < n; ++c)
                v[static_cast<std::size_t>(r) * n + c] = sun.at(n - 1 - c, r) * 4;
        fitsfile *f = nullptr;
        int st = 0;
        fits_create_file(&f, ("!" + input + "[compress R]").c_str(), &st);
        long naxes[2] = {n, n};
        fits_create_img(f, LONG_IMG, 2, naxes, &st);
        const double scale = 959.63 / radius;
        auto d = [&](const char *k, double x) { fits_write_key_dbl(f, k, x, -12, "", &st); };
        fits_write_key_str(f, "DATE-OBS", "2025-05-01T12:00:00", "", &st);
        d("BSCALE", 0.25);
        d("BZERO", 0);
        fits_set_bscale(f, 1, 0, &st);
        d("CRPIX1", 2048.5), d("CRPIX2", 2048.5), d("CDELT1", scale), d("CDELT2", scale);
        d("CRVAL1", scale * (cc - 2047.5)), d("CRVAL2", scale * (cr - 2047.5)), d("CROTA2", 180);
        d("DSUN_OBS", 1.0075 * 1.4959787066e11), d("RSUN_OBS", 959.63 / 1.0075), d("CRLT_OBS", -4.1);
        d("CRLN_OBS", 100.5);
        fits_write_img(f, TINT, 1, static_cast<LONGLONG>(v.size()), v.data(), &st);
        fits_close_file(f, &st);
        if (st) {
            std::fprintf(stderr, "cannot write %s (status %d)\n", input.c_str(), st);
            return 1;
        }
    }
    std::vector<double> whole, limb, wholeCpu, limbCpu;
    for (int run = 0; run < 5; ++run) {
        const std::string db = folder + "/db" + std::to_string(run);
        std::filesystem::remove_all(db);
        ImportImg importer;
        std::string error;
        importer.Open(db, ImportOptions{}, error);
        auto t = Clock::now();
        double cpu = cpuSeconds();
        const ImportImg::Result r = importer.ImportFile(input);
        whole.push_back(since(t));
        wholeCpu.push_back(cpuSeconds() - cpu);
        if (!r.ok) {
            std::fprintf(stderr, "%s\n", r.message.c_str());
            return 1;
        }
        RawImage img;
        readRawImage(input, img, error);
        t = Clock::now();
        cpu = cpuSeconds();
        const LimbFit fit = fitLimb(img);
        limb.push_back(since(t));
        limbCpu.push_back(cpuSeconds() - cpu);
        if (run == 0)
            std::printf("limb fit: centre %.2f, %.2f radius %.2f (drawn at %.2f, %.2f radius %.2f)\n",
                        fit.col, fit.row, fit.radius, cc, cr, radius);
    }
    for (auto *v : {&whole, &limb, &wholeCpu, &limbCpu})
        std::sort(v->begin(), v->end());
    std::printf("import 4096 x 4096 Rice BITPIX 32 -> 1024 x 1024: median %.3f s wall, %.3f s processor"
                " (best %.3f, %.3f)\n",
                whole[2], wholeCpu[2], whole[0], wholeCpu[0]);
    std::printf("limb fit at 4096 x 4096: median %.1f ms wall, %.1f ms processor (best %.1f, %.1f)\n",
                limb[2] * 1000, limbCpu[2] * 1000, limb[0] * 1000, limbCpu[0] * 1000);
    return 0;
}

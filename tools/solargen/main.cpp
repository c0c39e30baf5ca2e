// solargen: writes the synthetic image database (FITS images, the "*list.txt" directory file and
// the answer key) into the folder given as the only argument, with the choices of GenConfig.h.
#include "Generator.h"

#include <chrono>
#include <cstdio>

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const solar::gen::GenConfig cfg;
    const std::string err = solar::gen::generateDatabase(cfg, argv[1]);
    if (!err.empty()) {
        std::fprintf(stderr, "solargen: %s\n", err.c_str());
        return 1;
    }
    const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("solargen: synthetic image database written to %s in %.2f s\n", argv[1], secs);
    return 0;
}

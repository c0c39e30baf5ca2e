// solargen: writes the synthetic image database (FITS images and the "*list.txt" directory file)
// into the first folder and its answer key into the second (by default "INSTRUCTOR" beside the
// first), with the choices of GenConfig.h.
#include "Generator.h"

#include <chrono>
#include <cstdio>
#include <filesystem>

int main(int argc, char **argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: %s IMAGE-FOLDER [ANSWER-KEY-FOLDER]\n", argv[0]);
        return 2;
    }
    const std::filesystem::path images = std::filesystem::path(argv[1]) / "";
    const std::string keyFolder =
        argc == 3 ? std::string(argv[2]) : (images.parent_path().parent_path() / "INSTRUCTOR").string();
    const auto start = std::chrono::steady_clock::now();
    const solar::gen::GenConfig cfg;
    const std::string err = solar::gen::generateDatabase(cfg, argv[1], keyFolder);
    if (!err.empty()) {
        std::fprintf(stderr, "solargen: %s\n", err.c_str());
        return 1;
    }
    const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("solargen: synthetic image database written to %s (answer key in %s) in %.2f s\n", argv[1],
                keyFolder.c_str(), secs);
    return 0;
}

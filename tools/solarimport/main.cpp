// solarimport: makes an exercise image database from full-disk solar FITS images.
//   solarimport [--size N] [--prefix ABCDE] [--orientation auto|north-up|sky] INPUT... DATABASE-FOLDER
// INPUT is a folder (its .fits/.fit/.fts/.fz files, also gzipped) or single files. One line per
// file: what it became, or why it was refused. Exit status 1 when any file was refused or there was
// nothing to import, 2 for a wrong command line or an unusable database folder (one that cannot be
// made or written, or whose directory file cannot be read).
#include "imagedb/ImportImg.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace {

int usage(const char *self) {
    std::fprintf(stderr,
                 "usage: %s [--size N] [--prefix ABCDE] [--orientation auto|north-up|sky]\n"
                 "          INPUT-FOLDER-OR-FILES... DATABASE-FOLDER\n"
                 "  --size N        width and height of the written images (default 1024)\n"
                 "  --prefix ABCDE  five characters that begin every image name (default \"solar\")\n"
                 "  --orientation   images that give SOLAR-P but no WCS rotation: auto (default;\n"
                 "                  north up when TELESCOP ends in GONG or FNDLMB* keywords place\n"
                 "                  the disc, else as the sky shows them), north-up (SOLAR-P only\n"
                 "                  recorded) or sky (turned by SOLAR-P)\n",
                 self);
    return 2;
}

} // namespace

int main(int argc, char **argv) {
    solar::ImportOptions options;
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if ((a == "--size" || a == "--prefix" || a == "--orientation") && i + 1 < argc) {
            const std::string v = argv[++i];
            if (a == "--prefix") {
                options.prefix = v;
            } else if (a == "--orientation") {
                if (v == "auto")
                    options.orientation = solar::SolarPOrientation::Automatic;
                else if (v == "north-up")
                    options.orientation = solar::SolarPOrientation::NorthUp;
                else if (v == "sky")
                    options.orientation = solar::SolarPOrientation::Sky;
                else
                    return usage(argv[0]);
            } else {
                char *end = nullptr;
                const long n = std::strtol(v.c_str(), &end, 10);
                if (*end || n <= 0 || n > 100000)
                    return usage(argv[0]);
                options.size = static_cast<int>(n);
            }
        } else if (a == "--help" || a == "-h") {
            usage(argv[0]);
            return 0;
        } else if (a.rfind("--", 0) == 0) {
            return usage(argv[0]);
        } else {
            args.push_back(a);
        }
    }
    if (args.size() < 2)
        return usage(argv[0]);
    const std::string folder = args.back();
    args.pop_back();

    std::vector<std::string> files;
    for (const std::string &a : args) {
        std::error_code ec;
        if (std::filesystem::is_directory(a, ec)) {
            const std::vector<std::string> found = solar::importCandidates(a);
            if (found.empty())
                std::fprintf(stderr, "solarimport: no FITS files in %s\n", a.c_str());
            files.insert(files.end(), found.begin(), found.end());
        } else {
            files.push_back(a);
        }
    }
    std::string error;
    if (files.empty()) {
        // Nothing to import: the database folder is checked but neither made nor touched.
        if (!solar::ImportImg::Check(folder, options, error)) {
            std::fprintf(stderr, "solarimport: %s\n", error.c_str());
            return 2;
        }
        std::fprintf(stderr, "solarimport: no images to import; %s was left as it was\n", folder.c_str());
        return 1;
    }
    solar::ImportImg importer;
    if (!importer.Open(folder, options, error)) {
        std::fprintf(stderr, "solarimport: %s\n", error.c_str());
        return 2;
    }
    int refused = 0, done = 0;
    const int total = static_cast<int>(files.size());
    for (int i = 0; i < total; ++i) {
        const solar::ImportImg::Result r = importer.ImportFile(files[static_cast<std::size_t>(i)]);
        std::fprintf(r.ok ? stdout : stderr, "[%d/%d] %s\n", i + 1, total, r.message.c_str());
        std::fflush(r.ok ? stdout : stderr);
        r.ok ? ++done : ++refused;
    }
    std::error_code ec;
    if (std::filesystem::is_regular_file(importer.DirectoryPath(), ec))
        std::printf("solarimport: %d image(s) written, %d refused; directory file %s lists %zu image(s)\n",
                    done, refused, importer.DirectoryPath().c_str(), importer.Lines().size());
    else
        std::printf("solarimport: %d image(s) written, %d refused; no directory file was written\n", done,
                    refused);
    return refused ? 1 : 0;
}

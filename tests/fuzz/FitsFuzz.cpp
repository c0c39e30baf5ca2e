// libFuzzer entry for the FITS reader: the input bytes are one FITS file, loaded once. Besides
// the sanitizers' findings, a failed load that leaves a temporary file behind is a finding.
#include "fuzz/SilentPrompt.h"
#include "imagefiles/GrFiles.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

struct Place {
    std::string file;
    std::string user;
    Place() {
        const auto dir =
            std::filesystem::temp_directory_path() / ("solarrtn_fuzz_" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir / "user");
        file = (dir / "in.fits").string();
        user = (dir / "user").string() + "/";
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    static solar::fuzz::SilentPrompt silent;
    static const Place place = [] {
        solar::setPrompt(&silent);
        return Place();
    }();
    std::FILE *f = std::fopen(place.file.c_str(), "wb");
    if (f == nullptr)
        std::abort();
    if (size > 0 && std::fwrite(data, 1, size, f) != size)
        std::abort();
    std::fclose(f);
    {
        solar::FITSFileObj image(place.user);
        const bool ok = image.Load(place.file);
        if (!ok && !std::filesystem::is_empty(place.user))
            std::abort(); // a failed load must leave nothing behind
        if (ok) {
            // The raster must be readable and match the pixel table's size.
            solar::RasterImage raster;
            if (!solar::ReadRasterFile(image.RasterPath(), raster) ||
                raster.width != image.Description().width || raster.height != image.Description().height)
                std::abort();
        }
    }
    if (!std::filesystem::is_empty(place.user))
        std::abort(); // the object takes its files with it
    return 0;
}

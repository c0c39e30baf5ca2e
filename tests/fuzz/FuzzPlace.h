#pragma once
// A private temporary folder per fuzz process, and the bytes of one input written to a file in it.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace solar::fuzz {

struct Place {
    std::string dir; // ends in "/"
    explicit Place(const std::string &name) {
        // Memory-backed when the machine has it: the savers flush every file to the disk.
        std::error_code ec;
        const auto base = std::filesystem::is_directory("/dev/shm", ec) && ::access("/dev/shm", W_OK) == 0
                              ? std::filesystem::path("/dev/shm")
                              : std::filesystem::temp_directory_path();
        const auto d = base / ("solarrtn_" + name + "_" + std::to_string(::getpid()));
        std::filesystem::create_directories(d);
        dir = d.string() + "/";
    }
    std::string write(const std::string &name, const std::uint8_t *data, std::size_t size) const {
        const std::string path = dir + name;
        std::FILE *f = std::fopen(path.c_str(), "wb");
        if (f == nullptr)
            std::abort();
        if (size > 0 && std::fwrite(data, 1, size, f) != size)
            std::abort();
        std::fclose(f);
        return path;
    }
};

} // namespace solar::fuzz

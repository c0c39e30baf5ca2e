// libFuzzer entry for image list files (".LST"): the input is one list file, matched against a
// small database. Every list line is either matched to a database line that holds it or named as
// unmatched, and the lines written back as a list file read back the same.
#include "fuzz/FuzzPlace.h"
#include "imagedb/ImageListFile.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    static const solar::fuzz::Place place("imagelist_fuzz");
    static const std::vector<std::string> database = {"2025/08/25    19:49 UT", "2025/08/26    14:02 UT *",
                                                      "2025/08/27    17:11 UT", "1998/03/05    16:30 UT"};
    const std::string path = place.write("IMAGES.LST", data, size);
    std::vector<std::string> lines;
    if (!solar::ReadImageListFile(path, lines))
        std::abort();
    if (lines != solar::SplitImageListText(std::string(reinterpret_cast<const char *>(data), size)))
        std::abort();

    const solar::ImageListMatch match = solar::MatchImageList(lines, database);
    std::size_t asking = 0;
    for (const std::string &l : lines)
        if (l.find_first_not_of(" \t\r") != std::string::npos)
            ++asking;
    if (match.databaseLines.size() + match.unmatched.size() != asking)
        std::abort();
    std::size_t next = 0;
    for (const std::string &l : lines) {
        const auto key = solar::ParseImageListLine(l);
        if (!key || next >= match.databaseLines.size())
            continue;
        const int i = match.databaseLines[next];
        if (i < 0 || i >= static_cast<int>(database.size()))
            std::abort();
        if (solar::DatabaseLineHolds(database[static_cast<std::size_t>(i)], *key))
            ++next;
    }

    // Round trip: what the program saves is what it reads.
    if (solar::SplitImageListText(solar::ImageListText(lines)) != lines)
        std::abort();
    return 0;
}

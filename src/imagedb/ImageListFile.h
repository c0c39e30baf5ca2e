#pragma once
// Image list files (".LST"): one loaded-image caption per line, CR LF after each. Reading a list
// back finds, for every line, the database line of the same date and minute.

#include <optional>
#include <string>
#include <vector>

namespace solar {

// What an image list line asks for: the date (before the first blank) and the time to the
// minute (after it, cut before its last ":"). A date written with "-", as DATE-OBS has it, is
// also looked for with the "/" of the database lines; "2005-03-07T13:45:07" is split at the "T".
struct ImageListKey {
    std::string date, time;
};

// Nothing for a blank line or a line without a date and a time holding ":".
std::optional<ImageListKey> ParseImageListLine(const std::string &line);
// True when the database line holds the key's time and its date (as written or with "/").
bool DatabaseLineHolds(const std::string &databaseLine, const ImageListKey &key);

// The lines of a list file without their line ends (CR LF, or a bare LF); false when the file
// cannot be read.
bool ReadImageListFile(const std::string &path, std::vector<std::string> &lines);
// The same for bytes already read.
std::vector<std::string> SplitImageListText(const std::string &bytes);
// The file image of the captions: each followed by CR LF.
std::string ImageListText(const std::vector<std::string> &captions);

// Which database line each list line asks for, in list order: the first database line that
// holds its key. Lines whose key matches no database line, and lines that are not blank but hold
// no key, are named in `unmatched`; blank lines are passed over.
struct ImageListMatch {
    std::vector<int> databaseLines;
    std::vector<std::string> unmatched;
};
ImageListMatch MatchImageList(const std::vector<std::string> &listLines,
                              const std::vector<std::string> &databaseLines);

} // namespace solar

#include "imagedb/ImageListFile.h"

#include <algorithm>
#include <cstdio>
#include <memory>

namespace solar {

namespace {

std::string trimRight(std::string s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.pop_back();
    return s;
}

std::string trimLeft(std::string s) {
    s.erase(0, s.find_first_not_of(' '));
    return s;
}

} // namespace

std::optional<ImageListKey> ParseImageListLine(const std::string &raw) {
    const std::string line = trimRight(raw);
    if (line.empty())
        return std::nullopt;
    ImageListKey key;
    const auto blank = line.find(' ');
    key.date = line.substr(0, blank);
    std::string time = blank == std::string::npos ? std::string() : trimLeft(line.substr(blank + 1));
    const auto t = key.date.find('T');
    if (time.empty() && t != std::string::npos) {
        time = key.date.substr(t + 1);
        key.date.resize(t);
    }
    const auto colon = time.rfind(':');
    if (key.date.empty() || colon == std::string::npos || colon == 0)
        return std::nullopt; // an empty time would be found in every database line
    key.time = time.substr(0, colon);
    return key;
}

bool DatabaseLineHolds(const std::string &line, const ImageListKey &key) {
    if (key.time.empty() || line.find(key.time) == std::string::npos)
        return false;
    if (line.find(key.date) != std::string::npos)
        return true;
    std::string slashed = key.date;
    std::replace(slashed.begin(), slashed.end(), '-', '/');
    return line.find(slashed) != std::string::npos;
}

std::vector<std::string> SplitImageListText(const std::string &bytes) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < bytes.size()) {
        std::size_t end = bytes.find('\n', at);
        if (end == std::string::npos)
            end = bytes.size();
        std::string line = bytes.substr(at, end - at);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        at = end + 1;
    }
    return lines;
}

bool ReadImageListFile(const std::string &path, std::vector<std::string> &lines) {
    lines.clear();
    struct Closer {
        void operator()(std::FILE *f) const { std::fclose(f); }
    };
    std::unique_ptr<std::FILE, Closer> f(std::fopen(path.c_str(), "rb"));
    if (!f)
        return false;
    std::string bytes;
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f.get())) > 0)
        bytes.append(buf, n);
    if (std::ferror(f.get()))
        return false;
    lines = SplitImageListText(bytes);
    return true;
}

std::string ImageListText(const std::vector<std::string> &captions) {
    std::string text;
    for (const std::string &c : captions)
        text += c + "\r\n";
    return text;
}

ImageListMatch MatchImageList(const std::vector<std::string> &listLines,
                              const std::vector<std::string> &databaseLines) {
    ImageListMatch match;
    for (const std::string &line : listLines) {
        if (trimRight(line).empty())
            continue;
        const auto key = ParseImageListLine(line);
        int found = -1;
        for (std::size_t i = 0; key && i < databaseLines.size(); ++i) {
            if (DatabaseLineHolds(databaseLines[i], *key)) {
                found = static_cast<int>(i);
                break;
            }
        }
        if (found >= 0)
            match.databaseLines.push_back(found);
        else
            match.unmatched.push_back(line);
    }
    return match;
}

} // namespace solar

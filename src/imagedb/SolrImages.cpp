#include "imagedb/SolrImages.h"

#include "astro/DateTime.h"
#include "astro/StringUt.h"
#include "support/Prompt.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <stdexcept>

namespace solar {
namespace {

// A field of exactly two decimal digits, or -1.
int twoDigits(std::string_view s, std::size_t pos) {
    if (pos + 2 > s.size())
        return -1;
    const char a = s[pos], b = s[pos + 1];
    if (!std::isdigit(static_cast<unsigned char>(a)) || !std::isdigit(static_cast<unsigned char>(b)))
        return -1;
    return (a - '0') * 10 + (b - '0');
}

std::string twoDigitText(int v) {
    char b[8];
    std::snprintf(b, sizeof b, "%02d", v);
    return b;
}

struct FileCloser {
    void operator()(std::FILE *f) const { std::fclose(f); }
};

} // namespace

bool SolrImgFileList::Equal(const void *a, const void *b) const {
    return static_cast<const SolrImgFileRec *>(a)->imageTime ==
           static_cast<const SolrImgFileRec *>(b)->imageTime;
}

bool SolrImgFileList::Greater(const void *a, const void *b) const {
    return static_cast<const SolrImgFileRec *>(a)->imageTime >
           static_cast<const SolrImgFileRec *>(b)->imageTime;
}

double SolrImgFileObj::ImageTimeFromName(std::string_view line) {
    std::string rest;
    for (std::size_t i = 5; i < line.size(); ++i)
        rest += static_cast<char>(std::toupper(static_cast<unsigned char>(line[i])));
    const int yy = twoDigits(rest, 0), month = twoDigits(rest, 2), day = twoDigits(rest, 4);
    const std::size_t t = rest.find('T');
    if (yy < 0 || month < 0 || day < 0 || t == std::string::npos)
        return 0;
    const int hour = twoDigits(rest, t + 1), minute = twoDigits(rest, t + 3);
    if (hour < 0 || minute < 0)
        return 0;
    // The century by text comparison of the two digits: "51".."99" are 19xx, "00".."50" 20xx.
    const int year = (rest.compare(0, 2, "50") > 0 ? 1900 : 2000) + yy;
    double date = 0, time = 0;
    if (!TryEncodeDate(year, month, day, date) || !TryEncodeTime(hour, minute, 0, 0, time))
        return 0;
    return date + time;
}

bool SolrImgFileObj::ReadDirectory(const std::string &fileName) {
    if (!records_.IsEmpty())
        records_.DeleteAll();
    ready_ = false;
    directoryFileName_ = fileName;

    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> f(std::fopen(fileName.c_str(), "rb"));
    if (!f) {
        const int code = IOCodeFromErrno(errno == 0 ? ENOENT : errno);
        prompt().message("Image Directory File Error!",
                         "Unable to Open Image Directory File!\r\n\r\nFile Name: " + fileName + "\r\n" +
                             IOErrorText(code),
                         Icon::Error, Buttons::OK);
        return false;
    }

    // Lines end in CR LF (a bare LF or a missing end on the last line are taken as well).
    auto addLine = [&](std::string &line) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        SolrImgFileRec rec;
        rec.imageTime = ImageTimeFromName(line);
        rec.fileName = std::string_view(line).substr(0, NameRoom);
        rec.loaded = false;
        if (rec.imageTime != 0)
            records_.Insert(&rec);
        line.clear();
    };
    std::string line;
    char buf[4096];
    std::size_t n;
    bool pending = false;
    while ((n = std::fread(buf, 1, sizeof buf, f.get())) > 0) {
        for (std::size_t i = 0; i < n; ++i) {
            if (buf[i] == '\n') {
                addLine(line);
                pending = false;
            } else {
                line += buf[i];
                pending = true;
            }
        }
    }
    if (std::ferror(f.get()))
        throw std::runtime_error("Read error in image directory file " + fileName);
    if (pending)
        addLine(line);
    records_.Reset();
    ready_ = true;
    return true;
}

void SolrImgFileObj::CloseDirectory() {
    records_.DeleteAll();
    ready_ = false;
    directoryFileName_.clear();
}

std::string SolrImgFileObj::DirectoryLine(const SolrImgFileRec &rec) {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, ms = 0;
    DecodeDate(rec.imageTime, year, month, day);
    DecodeTime(rec.imageTime, hour, minute, second, ms);
    char date[16];
    std::snprintf(date, sizeof date, "%04d/", year);
    std::string text = date + twoDigitText(month) + "/" + twoDigitText(day) + "    " + twoDigitText(hour) +
                       ":" + twoDigitText(minute) + " UT";
    if (rec.loaded)
        text += " *";
    return text;
}

std::vector<std::string> SolrImgFileObj::DirectoryLines() {
    std::vector<std::string> lines;
    records_.Reset();
    while (const auto *rec = records_.NextAs<SolrImgFileRec>())
        lines.push_back(DirectoryLine(*rec));
    records_.Reset();
    return lines;
}

} // namespace solar

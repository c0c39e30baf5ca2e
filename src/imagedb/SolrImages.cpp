#include "imagedb/SolrImages.h"

#include "astro/DateTime.h"
#include "support/Prompt.h"
#include "support/StringUt.h"
#include "support/Translate.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <memory>
#include <new>
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
        prompt().message(
            translate("SolrImages", "Image Directory File Error!"),
            arg(translate("SolrImages", "Unable to Open Image Directory File!\r\n\r\nFile Name: %1\r\n%2"),
                {fileName, IOErrorText(code)}),
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
    if (std::ferror(f.get())) {
        // A directory read only in part would offer a database with images missing: none at all.
        const int code = IOCodeFromErrno(errno == 0 ? EIO : errno);
        records_.DeleteAll();
        prompt().message(
            translate("SolrImages", "Image Directory File Error!"),
            arg(translate("SolrImages", "Unable to Read Image Directory File!\r\n\r\nFile Name: %1\r\n%2"),
                {fileName, IOErrorText(code)}),
            Icon::Error, Buttons::OK);
        return false;
    }
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

// ---------------------------------------------------------------------------------------------

namespace {
double timeOf(const void *item) {
    const FITSFileObj *image = *static_cast<FITSFileObj *const *>(item);
    return image->Header().observationMoment;
}
} // namespace

bool SolrImageList::Equal(const void *a, const void *b) const {
    return timeOf(a) == timeOf(b);
}

bool SolrImageList::Greater(const void *a, const void *b) const {
    return timeOf(a) > timeOf(b);
}

std::vector<FITSFileObj *> SolrImageList::Images() {
    std::vector<FITSFileObj *> images;
    Reset();
    while (void *item = Next())
        images.push_back(*static_cast<FITSFileObj **>(item));
    Reset();
    return images;
}

// ---------------------------------------------------------------------------------------------

SolrImagesObj::SolrImagesObj(std::string userDir) : userDir_(std::move(userDir)) {
    slots_.resize(static_cast<std::size_t>(lastSlot_) + 1);
    spareOwner_ = std::make_unique<FITSFileObj>(userDir_);
    spareOwner_->directoryIndex = -99;
    spare_ = spareOwner_.get();
}

// The slots own the images in the list; spareOwner_ owns the spare while it is out of it.
SolrImagesObj::~SolrImagesObj() = default;

std::string SolrImagesObj::DisplayNameOf(const std::string &path) {
    const auto slash = path.find_last_of('/');
    std::string name = path.substr(slash == std::string::npos ? 0 : slash + 1);
    for (char &c : name)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const auto dot = name.find_last_of('.');
    if (dot != std::string::npos && name.size() - dot > 4)
        name.resize(dot + 4);
    return name;
}

std::string SolrImagesObj::ListCaption(const FITSFileObj &image) {
    std::string date = image.DateText();
    if (date.size() < 18)
        date.append(18 - date.size(), ' ');
    return date + image.TimeText();
}

FITSFileObj *SolrImagesObj::Image(std::int32_t index) const {
    if (index < 0 || index > lastImage_)
        return nullptr;
    return slots_[static_cast<std::size_t>(index)].get();
}

int SolrImagesObj::AddImage(const std::string &path, std::int32_t directoryIndex) {
    lastAdded_ = -1;
    // The display name stands for the file: two files of one name are one image to the student.
    const std::string name = DisplayNameOf(path);
    for (std::int32_t i = 0; i <= lastImage_; ++i)
        if (slots_[static_cast<std::size_t>(i)]->DisplayName() == name)
            return 0;
    if (Full() && GrowSlots() == 0)
        return 0;

    if (!spareInList_ && spare_ && spare_->directoryIndex == directoryIndex)
        return PasteImage(cutPosition_);

    auto image = std::make_unique<FITSFileObj>(userDir_);
    const bool loaded = image->Load(path);
    if (loaded) {
        image->directoryIndex = directoryIndex;
        ++lastImage_;
        slots_[static_cast<std::size_t>(lastImage_)] = std::move(image);
        lastAdded_ = lastImage_;
    }
    CheckOrder();
    return loaded ? 1 : 0;
}

int SolrImagesObj::PasteImage(std::int32_t index) {
    // A spare already in the list would end up in two slots.
    if (spareInList_ || !spareOwner_)
        return 0;
    if (Full() && GrowSlots() == 0)
        return 0;
    if (index < 0 || index > lastImage_ + 1)
        index = lastImage_ + 1;
    for (std::int32_t i = lastImage_; i >= index; --i)
        slots_[static_cast<std::size_t>(i) + 1] = std::move(slots_[static_cast<std::size_t>(i)]);
    slots_[static_cast<std::size_t>(index)] = std::move(spareOwner_);
    spareInList_ = true;
    ++lastImage_;
    lastAdded_ = index;
    CheckOrder();
    return 1;
}

std::int32_t SolrImagesObj::CutImage(std::int32_t index) {
    if (index < 0 || index > lastImage_)
        return -1;
    releaseSpare();
    spareOwner_ = std::move(slots_[static_cast<std::size_t>(index)]);
    spare_ = spareOwner_.get();
    cutPosition_ = index;
    spareInList_ = false;
    for (std::int32_t i = index; i < lastImage_; ++i)
        slots_[static_cast<std::size_t>(i)] = std::move(slots_[static_cast<std::size_t>(i) + 1]);
    slots_[static_cast<std::size_t>(lastImage_)].reset();
    --lastImage_;
    CheckOrder();
    return spare_->directoryIndex;
}

void SolrImagesObj::releaseSpare() {
    // A spare that was pasted back belongs to its slot now.
    spareOwner_.reset();
    spare_ = nullptr;
}

int SolrImagesObj::GrowSlots() {
    const std::size_t wanted = static_cast<std::size_t>(lastSlot_) + 1 + 10;
    bool grown = false;
    if (growLimit_ == 0 || wanted <= static_cast<std::size_t>(growLimit_)) {
        try {
            slots_.resize(wanted);
            grown = true;
        } catch (const std::bad_alloc &) {
            grown = false;
        } catch (const std::length_error &) {
            grown = false;
        }
    }
    if (!grown) {
        prompt().message(translate("SolrImages", "GetMem Error!"),
                         translate("SolrImages", "Error occurred while increasing array size!"), Icon::Error,
                         Buttons::OK);
        return 0;
    }
    lastSlot_ += 10;
    return 1;
}

void SolrImagesObj::CheckOrder() {
    outOfOrder_ = false;
    for (std::int32_t i = 0; i < lastImage_; ++i) {
        if (slots_[static_cast<std::size_t>(i)]->Header().observationMoment >
            slots_[static_cast<std::size_t>(i) + 1]->Header().observationMoment) {
            outOfOrder_ = true;
            break;
        }
    }
}

void SolrImagesObj::SortImages() {
    SolrImageList sorted;
    for (std::int32_t i = 0; i <= lastImage_; ++i)
        sorted.Add(slots_[static_cast<std::size_t>(i)].release());
    std::int32_t i = 0;
    for (FITSFileObj *image : sorted.Images())
        slots_[static_cast<std::size_t>(i++)].reset(image);
    CheckOrder();
}

} // namespace solar

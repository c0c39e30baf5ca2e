#include "imagedb/ImportImg.h"
#include "imagedb/ImportParts.h"

#include "support/Translate.h"

#include <fitsio.h>

#include <cstdio>
#include <filesystem>
#include <limits>
#include <map>
#include <string>

namespace solar {

using namespace importparts;

std::string importparts::fitsText(int status) {
    char text[FLEN_STATUS] = {};
    fits_get_errstatus(status, text);
    return text;
}

namespace {

namespace fs = std::filesystem;

std::string trim(const std::string &s) {
    const std::size_t a = s.find_first_not_of(' ');
    if (a == std::string::npos)
        return {};
    return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

// A card value as text: quotes removed ('' is one quote), blanks trimmed.
std::string cardValue(const char *raw) {
    std::string v = trim(raw);
    if (v.size() >= 2 && v.front() == '\'') {
        std::string out;
        for (std::size_t i = 1; i < v.size(); ++i) {
            if (v[i] == '\'') {
                if (i + 1 < v.size() && v[i + 1] == '\'') {
                    out += '\'';
                    ++i;
                    continue;
                }
                break;
            }
            out += v[i];
        }
        return trim(out);
    }
    return v;
}

void readKeys(fitsfile *f, std::map<std::string, std::string> &keys, bool overwrite) {
    int status = 0, count = 0, more = 0;
    fits_get_hdrspace(f, &count, &more, &status);
    for (int i = 1; i <= count && !status; ++i) {
        char name[FLEN_KEYWORD] = {}, value[FLEN_VALUE] = {}, comment[FLEN_COMMENT] = {};
        if (fits_read_keyn(f, i, name, value, comment, &status))
            break;
        const std::string key = name;
        if (key.empty() || key == "COMMENT" || key == "HISTORY" || !value[0])
            continue;
        if (overwrite || !keys.count(key))
            keys[key] = cardValue(value);
    }
}

// An open FITS file, closed when it goes.
struct FitsFile {
    fitsfile *f = nullptr;
    FitsFile() = default;
    FitsFile(const FitsFile &) = delete;
    FitsFile &operator=(const FitsFile &) = delete;
    ~FitsFile() {
        int s = 0;
        if (f)
            fits_close_file(f, &s);
    }
};

// Opens the file and moves to its first image of at least two axes; fills the keys (the image
// header's, and the primary header's where the image header has none), width and height.
bool openImage(const std::string &path, FitsFile &file, RawImage &out, std::string &error) {
    out = RawImage();
    int status = 0;
    if (fits_open_diskfile(&file.f, path.c_str(), READONLY, &status)) {
        error = status == FILE_NOT_OPENED
                    ? translate("ImportImg", "cannot be opened")
                    : arg(translate("ImportImg", "not a readable FITS file (%1)"), {fitsText(status)});
        return false;
    }
    fitsfile *f = file.f;
    readKeys(f, out.keys, true);
    int found = 0;
    long dims[3] = {0, 0, 0};
    LONGLONG end = 0; // where the last unit read whole ends
    for (int i = 1; !status && !found; ++i) {
        int type = 0, moved = 0;
        if (fits_movabs_hdu(f, i, &type, &moved))
            break; // past the last unit (or a unit that cannot be read: see below)
        LONGLONG head = 0, data = 0, dataEnd = 0;
        if (!fits_get_hduaddrll(f, &head, &data, &dataEnd, &moved))
            end = (dataEnd + 2879) / 2880 * 2880;
        if (type != IMAGE_HDU)
            continue;
        int naxis = 0;
        fits_get_img_dim(f, &naxis, &status);
        if (status || naxis < 2)
            continue;
        fits_get_img_size(f, 3, dims, &status);
        if (!status && dims[0] > 1 && dims[1] > 1 && (naxis < 3 || dims[2] >= 1))
            found = i;
    }
    if (status) {
        error = arg(translate("ImportImg", "damaged FITS file (%1)"), {fitsText(status)});
        return false;
    }
    if (!found) {
        // A plain (not gzipped) file longer than its units read whole ends inside a header.
        std::error_code ec;
        const auto size = fs::file_size(path, ec);
        char start[9] = {};
        if (std::FILE *raw = std::fopen(path.c_str(), "rb")) {
            if (std::fread(start, 1, 8, raw) != 8)
                start[0] = 0;
            std::fclose(raw);
        }
        if (!ec && std::string(start) == "SIMPLE  " && static_cast<LONGLONG>(size) > end)
            error =
                arg(translate("ImportImg", "the file is cut short or damaged inside an extension header (%1 "
                                           "bytes after the last complete header and data unit)"),
                    {std::to_string(static_cast<LONGLONG>(size) - end)});
        else
            error = translate("ImportImg", "holds no image (tables or empty headers only)");
        return false;
    }
    if (found > 1)
        readKeys(f, out.keys, true);
    if (dims[0] > 20000 || dims[1] > 20000) {
        error = arg(translate("ImportImg", "image of %1 x %2 pixels is too large"),
                    {std::to_string(dims[0]), std::to_string(dims[1])});
        return false;
    }
    out.width = static_cast<int>(dims[0]);
    out.height = static_cast<int>(dims[1]);
    return true;
}

} // namespace

bool importparts::readRawHeader(const std::string &path, RawImage &out, std::string &error) {
    FitsFile file;
    return openImage(path, file, out, error);
}

bool readRawImage(const std::string &path, RawImage &out, std::string &error) {
    FitsFile file;
    if (!openImage(path, file, out, error))
        return false;
    const LONGLONG n = static_cast<LONGLONG>(out.width) * out.height;
    out.pixels.assign(static_cast<std::size_t>(n), 0.0f);
    float nan = std::numeric_limits<float>::quiet_NaN();
    int anyNull = 0, status = 0;
    // Only the first plane of a cube.
    if (fits_read_img(file.f, TFLOAT, 1, n, &nan, out.pixels.data(), &anyNull, &status)) {
        error = arg(translate("ImportImg", "the image data cannot be read, the file may be cut short (%1)"),
                    {fitsText(status)});
        return false;
    }
    return true;
}

} // namespace solar

#include "imagedb/ImportImg.h"
#include "imagedb/ImportParts.h"

#include "astro/SunEphem.h"
#include "imagedb/SolrImages.h"
#include "support/ListText.h"
#include "support/StringUt.h"
#include "support/Translate.h"

#include <fitsio.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include <fcntl.h>
#include <unistd.h>

namespace solar {

using namespace importparts;

namespace {

namespace fs = std::filesystem;

} // namespace

std::string importedFileName(const std::string &prefix, const ImportGeometry &geo) {
    char b[32];
    std::snprintf(b, sizeof b, "%02d%02d%02dt%02d%02d.fts", geo.year % 100, geo.month, geo.day, geo.hour,
                  geo.minute);
    return prefix + b;
}

bool writeImportedFits(const std::string &path, const ImportedImage &out, const ImportGeometry &geo,
                       const std::string &sourceName, std::string &error) {
    const std::string temp = path + ".part";
    std::error_code ec;
    fs::remove(temp, ec);
    fitsfile *f = nullptr;
    int status = 0;
    if (fits_create_diskfile(&f, temp.c_str(), &status)) {
        error = arg(translate("ImportImg", "cannot create %1 (%2)"), {temp, fitsText(status)});
        return false;
    }
    long naxes[2] = {out.size, out.size};
    fits_create_img(f, SHORT_IMG, 2, naxes, &status);
    auto str = [&](const char *key, const std::string &value, const char *comment) {
        fits_write_key_str(f, key, value.c_str(), comment, &status);
    };
    auto num = [&](const char *key, long double value, int decimals, const char *comment) {
        fits_write_key_fixdbl(f, key, static_cast<double>(value), decimals, comment, &status);
    };
    char date[16], time[16];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", geo.year, geo.month, geo.day);
    std::snprintf(time, sizeof time, "%02d:%02d:%02d", geo.hour, geo.minute, geo.second);
    // The header's values are those the program reads back: the semi-diameter from the distance as
    // written, the radius as written.
    long double distance = 0;
    ParseReal(FixedText(geo.distanceAu, 9), distance);
    str("DATE-OBS", date, "date of observation (UT)");
    str("TIME-OBS", time, "time of observation (UT)");
    str("OBJECT", "Sun, full disk", "");
    num("DISTANCE", distance, 9, "[AU] Earth-Sun distance");
    num("B0", geo.b0Deg, 6, "[deg] heliographic latitude of disc centre");
    num("L0", geo.l0Deg, 6, "[deg] Carrington longitude of disc centre");
    num("P_ANGLE", 0, 6, "[rad] image turned: solar north up");
    num("SEMIDIAM", ProgramSolarRadiusKm / (distance * KmPerAu), 15, "[rad] 696000 km / DISTANCE");
    num("FNDLMBXC", out.size / 2, 3, "[px] disc centre, column");
    num("FNDLMBYC", out.size / 2, 3, "[px] disc centre, row");
    num("FNDLMBMA", out.radiusPx, 3, "[px] disc radius");
    std::string name;
    for (char ch : sourceName)
        name += ch >= 32 && ch < 127 ? ch : '?';
    const std::string lines[] = {
        "Imported from " + name + " by solarimport. Row 1 is solar north (top of the view).",
        "B0, L0 and distance from " + geo.orientationFrom + "; disc from " + geo.discFrom +
            "; solar north from " + geo.northFrom + ".",
        "Hot pixels hidden; values scaled to 30000 at the 99.9th percentile of the disc or at the",
        "hot-pixel threshold (twice the top of the default display range), if higher; no value -> 0.",
    };
    for (const std::string &line : lines)
        fits_write_comment(f, line.c_str(), &status);
    fits_write_img(f, TSHORT, 1, static_cast<LONGLONG>(out.pixels.size()),
                   const_cast<short *>(out.pixels.data()), &status);
    int closeStatus = 0;
    fits_close_file(f, &closeStatus);
    if (!status)
        status = closeStatus;
    if (!status) {
        fs::rename(temp, path, ec);
        if (!ec)
            return true;
        error = arg(translate("ImportImg", "cannot rename %1: %2"), {temp, ec.message()});
    } else {
        error = arg(translate("ImportImg", "cannot write %1 (%2)"), {path, fitsText(status)});
    }
    fs::remove(temp, ec);
    return false;
}

std::vector<std::string> importCandidates(const std::string &folder) {
    std::vector<std::string> out;
    std::error_code ec;
    for (const auto &entry : fs::directory_iterator(folder, ec)) {
        if (!entry.is_regular_file(ec))
            continue;
        std::string name = upper(entry.path().filename().string());
        if (name.size() > 3 && name.compare(name.size() - 3, 3, ".GZ") == 0)
            name.resize(name.size() - 3);
        for (const char *ext : {".FITS", ".FIT", ".FTS", ".FZ"}) {
            const std::size_t n = std::char_traits<char>::length(ext);
            if (name.size() > n && name.compare(name.size() - n, n, ext) == 0) {
                out.push_back(entry.path().string());
                break;
            }
        }
    }
    std::sort(out.begin(), out.end());
    return out;
}

namespace {

bool checkOptions(const ImportOptions &options, std::string &error) {
    if (options.prefix.size() != 5 || !std::all_of(options.prefix.begin(), options.prefix.end(), [](char ch) {
            return std::isalnum(static_cast<unsigned char>(ch)) || ch == '_' || ch == '-';
        })) {
        error =
            arg(translate("ImportImg", "the name prefix must be five letters, digits, '_' or '-' (\"%1\")"),
                {options.prefix});
        return false;
    }
    if (options.size < 64 || options.size > 8192 || options.size % 2) {
        error = translate("ImportImg", "the image size must be an even number of pixels from 64 to 8192");
        return false;
    }
    return true;
}

std::string withSlash(const std::string &folder) {
    return folder.empty() || folder.back() == '/' ? folder : folder + "/";
}

// Whether a file can be made in the folder: a probe file made and removed at once.
bool folderWritable(const std::string &folder, std::string &error) {
    const std::string probe = folder + ".solarimport-probe-" + std::to_string(::getpid());
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (fd < 0) {
        error = arg(translate("ImportImg", "the database folder %1 cannot be written (%2)"),
                    {folder, std::strerror(errno)});
        return false;
    }
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

// The directory file's lines as they are on disk (CR LF, LF or CR endings; trailing blanks and
// empty lines dropped), or false with a reason naming the file. A file that exists must be read
// whole: a listing taken as empty would be rewritten without its earlier images.
bool readListing(const std::string &path, std::vector<std::string> &lines, std::string &error) {
    lines.clear();
    auto fail = [&](const std::string &why) {
        error = arg(
            translate("ImportImg", "the directory file %1 %2; it was left as it is and nothing was imported"),
            {path, why});
        return false;
    };
    std::error_code ec;
    const fs::file_status st = fs::status(path, ec);
    if (ec && ec != std::errc::no_such_file_or_directory)
        return fail(arg(translate("ImportImg", "cannot be read (%1)"), {ec.message()}));
    if (!fs::exists(st))
        return true;
    if (!fs::is_regular_file(st))
        return fail(translate("ImportImg", "is not a file"));
    std::FILE *in = std::fopen(path.c_str(), "rb");
    if (!in)
        return fail(arg(translate("ImportImg", "cannot be read (%1)"), {std::strerror(errno)}));
    std::string all;
    char buf[65536];
    std::size_t got = 0;
    while ((got = std::fread(buf, 1, sizeof buf, in)) > 0)
        all.append(buf, got);
    const bool failed = std::ferror(in) != 0;
    const int code = errno;
    std::fclose(in);
    if (failed)
        return fail(arg(translate("ImportImg", "cannot be read (%1)"), {std::strerror(code)}));
    std::string line;
    auto finish = [&] {
        while (!line.empty() && (line.back() == ' ' || line.back() == '\t'))
            line.pop_back();
        if (!line.empty())
            lines.push_back(line);
        line.clear();
    };
    for (const char ch : all) {
        if (ch == '\n' || ch == '\r') {
            finish();
        } else if (ch == '\x1a') {
            // The end-of-file mark of old DOS editors.
        } else if (static_cast<unsigned char>(ch) < 32 && ch != '\t') {
            return fail(translate("ImportImg", "is not a text file of image names"));
        } else {
            line += ch;
        }
    }
    finish();
    return true;
}

} // namespace

bool ImportImg::Check(const std::string &folder, const ImportOptions &options, std::string &error) {
    if (!checkOptions(options, error))
        return false;
    const std::string dir = withSlash(folder);
    std::error_code ec;
    if (fs::exists(dir, ec)) {
        if (!fs::is_directory(dir, ec)) {
            error = arg(translate("ImportImg", "the database folder %1 is not a folder"), {dir});
            return false;
        }
        std::vector<std::string> lines;
        return readListing(resolveNoCase(dir, options.prefix + "list.txt"), lines, error) &&
               folderWritable(dir, error);
    }
    // A folder still to be made: the nearest folder that exists must take it.
    fs::path up = fs::path(dir.empty() ? "." : dir).parent_path();
    while (!up.empty() && !fs::exists(up, ec))
        up = up.parent_path();
    const std::string parent = withSlash(up.empty() ? "." : up.string());
    if (!fs::is_directory(parent, ec) || !folderWritable(parent, error)) {
        error = arg(translate("ImportImg", "cannot make the database folder %1"), {dir});
        return false;
    }
    return true;
}

bool ImportImg::Open(const std::string &folder, const ImportOptions &options, std::string &error) {
    if (!checkOptions(options, error))
        return false;
    options_ = options;
    folder_ = withSlash(folder);
    lines_.clear();
    std::error_code ec;
    fs::create_directories(folder_, ec);
    if (!fs::is_directory(folder_, ec)) {
        error = arg(translate("ImportImg", "cannot make the database folder %1"), {folder_});
        return false;
    }
    // The directory file as it is spelt on disk.
    listPath_ = resolveNoCase(folder_, options_.prefix + "list.txt");
    return readListing(listPath_, lines_, error) && folderWritable(folder_, error);
}

std::string ImportImg::DirectoryPath() const {
    return listPath_;
}

ImportImg::Result ImportImg::ImportFile(const std::string &path) {
    Result res;
    const std::string shown = fileNamePart(path);
    auto refuse = [&](const std::string &why) {
        res.message = arg(translate("ImportImg", "%1: refused: %2"), {shown, why});
        return res;
    };
    RawImage img;
    std::string error;
    if (!readRawImage(path, img, error))
        return refuse(error);
    hideHotPixels(img);
    ImportGeometry geo;
    if (!findGeometry(img, geo, error, options_.orientation))
        return refuse(error);
    const std::string name = importedFileName(options_.prefix, geo);
    const std::string key = upper(name);
    for (const std::string &line : lines_)
        if (upper(line.substr(0, SolrImgFileObj::NameRoom)) == key)
            return refuse(
                arg(translate("ImportImg", "an image of the same minute is already in the database (%1)"),
                    {name}));
    if (!existingFileNoCase(folder_ + name).empty())
        return refuse(arg(translate("ImportImg", "a file %1 is already in the database folder"), {name}));
    const ImportedImage out = resampleDisc(img, geo, options_.size);
    if (out.pixels.empty())
        return refuse(translate("ImportImg", "no light on the solar disc"));
    if (!writeImportedFits(folder_ + name, out, geo, shown, error))
        return refuse(error);
    std::vector<std::string> lines = lines_;
    lines.push_back(name);
    std::stable_sort(lines.begin(), lines.end(), [](const std::string &a, const std::string &b) {
        return SolrImgFileObj::ImageTimeFromName(a) < SolrImgFileObj::ImageTimeFromName(b);
    });
    if (!writeTextLines(DirectoryPath(), lines, error)) {
        std::error_code ec;
        fs::remove(folder_ + name, ec);
        return refuse(
            arg(translate("ImportImg", "cannot write the directory file %1: %2"), {DirectoryPath(), error}));
    }
    lines_ = std::move(lines);
    res.ok = true;
    res.outputName = name;
    const std::string b = " (disc " + FixedText(geo.radiusPx, 1) + " px at " + FixedText(geo.centreCol, 1) +
                          ", " + FixedText(geo.centreRow, 1) + " from ";
    res.message = shown + " -> " + name + b + geo.discFrom + ")";
    if (geo.solarP)
        res.message += "; solar north from " + geo.northFrom;
    return res;
}

} // namespace solar

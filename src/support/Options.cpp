#include "support/Options.h"

#include "support/ListText.h"
#include "support/Prompt.h"
#include "support/StringUt.h"
#include "support/Translate.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <istream>
#include <iterator>
#include <ostream>
#include <sstream>
#include <system_error>
#include <thread>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace solar {

namespace {

const char *const DefaultVersion = "1.014";
const char *const DefaultPassword = "ZIRP";
const char *const CdImageFolder = "Program Files/VORN/Solar Rotation/IMAGES/";
std::string continueText() {
    return translate("Options", "Program will continue with defaults or alternative file.");
}
// The run-time's words for a read that runs into the end of the file.
std::string readBeyondEnd() {
    return translate("Options", "Read beyond end of file");
}
constexpr std::size_t MaxFolderLength = 184;
constexpr std::size_t DisplayOffset = 2106;

std::string withSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

// The words for a failed open or create, from the C library's error number.
// True when the two folders are one, however they are written.
bool sameFolder(const std::string &a, const std::string &b) {
    std::error_code ec;
    const bool same = fs::equivalent(a, b, ec);
    return ec ? fs::path(a).lexically_normal() == fs::path(b).lexically_normal() : same;
}

std::string errorText(int err) {
    return IOErrorText(IOCodeFromErrno(err));
}

std::string upper(std::string s) {
    for (char &c : s)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return s;
}

// A failure while reading the options file, with the run-time's words for it.
struct ReadFailure {
    std::string message;
};

// The fixed fields in file order: offset and a copy in each direction.
template <typename F> void forEachField(F &&f) {
    auto str71 = [&](std::size_t off, auto member) { f(off, std::size_t{72}, member); };
    str71(0, &OptionsRecord::FileVersion);
    str71(72, &OptionsRecord::LogoFile);
    str71(144, &OptionsRecord::TitleFile);
    str71(216, &OptionsRecord::OnHelpFile);
    str71(288, &OptionsRecord::MainHelpList);
    str71(360, &OptionsRecord::MeasHelpList);
    str71(432, &OptionsRecord::CentroidHelpList);
    str71(504, &OptionsRecord::LinearHelpList);
    str71(576, &OptionsRecord::RotationHelpList);
    str71(648, &OptionsRecord::UserHelpFile);
    str71(720, &OptionsRecord::ReminderFile);
    f(792, 256, &OptionsRecord::GongUrl);
    f(1048, 256, &OptionsRecord::HomeUrl);
    f(1304, 256, &OptionsRecord::ImagePath);
    f(1560, 256, &OptionsRecord::SpreadsheetProgram);
    f(1816, 256, &OptionsRecord::LogFileName);
    f(2072, 16, &OptionsRecord::ScrambledPassword);
    f(2088, 1, &OptionsRecord::PasswordLength);
    f(2089, 1, &OptionsRecord::MagRegionSize);
    f(2090, 5, &OptionsRecord::LabTable);
    f(2095, 1, &OptionsRecord::LoginRequired);
    f(2096, 1, &OptionsRecord::TestMode);
    f(2097, 1, &OptionsRecord::Centroiding);
    f(2098, 1, &OptionsRecord::CurveFitting);
    f(2099, 1, &OptionsRecord::ComputeSynodic);
    f(2100, 1, &OptionsRecord::ComputeRate);
    f(2101, 1, &OptionsRecord::ComputeSidereal);
    f(2102, 1, &OptionsRecord::PrintInColor);
    f(2103, 1, &OptionsRecord::MonochromeDisplay);
    f(2104, 1, &OptionsRecord::MagWindow);
    f(2105, 1, &OptionsRecord::ReadOutWindow);
    f(2106, 38, &OptionsRecord::Display);
    f(2144, 3, &OptionsRecord::Box);
    f(2147, 1, &OptionsRecord::RawDataFormat);
}

template <std::size_t N> void put(std::uint8_t *p, const ShortString<N> &s) {
    s.toBytes(p);
}
template <std::size_t N> void get(const std::uint8_t *p, ShortString<N> &s) {
    s.fromBytes(p);
}
void put(std::uint8_t *p, const std::array<std::uint8_t, 16> &a) {
    std::memcpy(p, a.data(), a.size());
}
void get(const std::uint8_t *p, std::array<std::uint8_t, 16> &a) {
    std::memcpy(a.data(), p, a.size());
}
void put(std::uint8_t *p, std::uint8_t v) {
    *p = v;
}
void get(const std::uint8_t *p, std::uint8_t &v) {
    v = *p;
}
void put(std::uint8_t *p, bool v) {
    *p = v ? 1 : 0;
}
void get(const std::uint8_t *p, bool &v) {
    v = *p != 0;
}
void put(std::uint8_t *p, const DisplayParams &d) {
    d.toBytes(p);
}
void get(const std::uint8_t *p, DisplayParams &d) {
    d.fromBytes(p);
}
void put(std::uint8_t *p, const BoxParams &b) {
    b.toBytes(p);
}
void get(const std::uint8_t *p, BoxParams &b) {
    b.fromBytes(p);
}

} // namespace

OptionsFileBytes encodeOptionsFile(const OptionsRecord &rec) {
    OptionsFileBytes out{};
    forEachField([&](std::size_t off, std::size_t, auto member) { put(out.data() + off, rec.*member); });
    return out;
}

void decodeOptionsFile(const std::uint8_t *bytes, std::size_t count, OptionsRecord &rec) {
    forEachField([&](std::size_t off, std::size_t size, auto member) {
        if (off + size <= count)
            get(bytes + off, rec.*member);
    });
}

std::string InstallationFolderFor(const std::string &programDir) {
    const std::string own = withSlash(programDir);
    std::error_code ec;
    if (!existingFileNoCase(own + "VORNLOGO.BMP").empty() ||
        fs::is_directory(resolveNoCase(own, "IMAGES/"), ec))
        return own;
    const fs::path shared = fs::path(own) / ".." / "share" / "SolarRtn";
    if (fs::is_directory(shared, ec)) {
        const fs::path clean = fs::weakly_canonical(shared, ec);
        return withSlash(ec ? shared.lexically_normal().string() : clean.string());
    }
    return own;
}

std::string ImageDirectoryFileIn(const std::string &folder) {
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    if (ec)
        return {};
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec)
            return {};
        const std::string name = upper(it->path().filename().string());
        if (name.size() >= 8 && name.compare(name.size() - 8, 8, "LIST.TXT") == 0 && it->is_regular_file(ec))
            return it->path().string();
    }
    return {};
}

bool FolderHoldsImageDirectory(const std::string &folder) {
    return !ImageDirectoryFileIn(folder).empty();
}

bool OptsObj::Initialize(const std::string &fileName, const std::string &version,
                         const OptsPlatform &platform) {
    bool quit = false;
    locateCdrom_ = platform.locateCdrom;

    Options.ProgramVersion = version;
    Options.OptionsFileName = fileName;
    std::string backup = fileName;
    if (const auto dot = backup.find('.'); dot != std::string::npos)
        backup.erase(dot, 4);
    Options.BackupFileName = backup + ".BAK";

    Options.InstallDir = withSlash(platform.programDir).substr(0, MaxFolderLength);
    Options.WorkDir = withSlash(platform.currentDir).substr(0, MaxFolderLength);

    // Started from a desktop menu, the current folder is the home folder: the options file, the
    // log and Users/ would land among the user's own files. Unless the home folder already holds
    // an options file, the per-user data folder serves instead.
    if (!platform.homeDir.empty() && !platform.fallbackDir.empty() &&
        sameFolder(Options.WorkDir.str(), withSlash(platform.homeDir)) &&
        existingFileNoCase(Options.WorkDir.str() + fileName).empty()) {
        const std::string folder = withSlash(platform.fallbackDir);
        std::error_code ec;
        fs::create_directories(folder, ec);
        if (fs::is_directory(folder, ec) && !FolderIsWriteProtected(folder)) {
            fs::current_path(folder, ec);
            Options.WorkDir = folder.substr(0, MaxFolderLength);
        }
    }

    if (FolderIsWriteProtected(Options.WorkDir.str())) {
        const std::string folder = withSlash(platform.fallbackDir);
        std::error_code ec;
        bool usable = fs::is_directory(folder, ec);
        if (!usable) {
            fs::create_directories(folder, ec);
            usable = fs::is_directory(folder, ec);
        }
        if (usable) {
            fs::current_path(folder, ec);
            Options.WorkDir = folder;
        } else {
            const std::string text = arg(
                translate("Options", "Path \"%1\" is write-protected!\r\n\r\nYou must provide a path to "
                                     "write-enabled storage.  If you are using removable storage,\r\nsuch "
                                     "as a USB device, please mount it before continuing, then select it in "
                                     "the dialog that follows."),
                {Options.WorkDir.str()});
            if (prompt().message(translate("Options", "Write-Enabled Storage Required"), text, Icon::Stop,
                                 Buttons::OKCancel) == Answer::Cancel) {
                prompt().requestQuit();
                quit = true;
            }
            const auto chosen =
                prompt().selectFolder(translate("Options", "Select Write-Enabled Storage"), folder, true);
            if (chosen && !chosen->empty()) {
                Options.WorkDir = withSlash(*chosen);
            } else if (!quit) {
                prompt().requestQuit();
                quit = true;
            }
        }
    }

    const std::string work = Options.WorkDir.str();
    const std::string install = Options.InstallDir.str();
    // The options file in whatever case it was copied or written.
    if (!ReadFile(existingFileNoCase(work + fileName))) {
        if (work == install || !ReadFile(existingFileNoCase(install + fileName)))
            SetDefaults();
    }
    Options.Administrator = false;
    return quit;
}

void SetFileDefaults(OptionsRecord &rec) {
    rec.FileVersion = DefaultVersion;
    rec.LogoFile = "VORNLOGO.BMP";
    rec.TitleFile = "SOLRTNSCRN.BMP";
    rec.OnHelpFile = "";
    rec.MainHelpList = "SOLRTNHLP.LST";
    rec.MeasHelpList = "SLRMEASHLP.LST";
    rec.CentroidHelpList = "SLRCNTRHLP.LST";
    rec.LinearHelpList = "LANALHLP.LST";
    rec.RotationHelpList = "RANALHLP.LST";
    rec.UserHelpFile = "";
    rec.ReminderFile = "REMINDER.ROT";
    rec.GongUrl = "https://gong.nso.edu/";
    rec.HomeUrl = "https://vorn.example.org/";
    rec.SpreadsheetProgram = "";
    rec.LogFileName = "VORNLOG.LOG";
    OptsObj scrambler;
    scrambler.ScramblePassword(DefaultPassword);
    rec.ScrambledPassword = scrambler.Options.ScrambledPassword;
    rec.PasswordLength = scrambler.Options.PasswordLength;
    rec.MagRegionSize = 24;
    rec.LabTable = "";
    rec.LoginRequired = true;
    rec.TestMode = false;
    rec.Centroiding = false;
    rec.CurveFitting = false;
    rec.ComputeSynodic = false;
    rec.ComputeRate = false;
    rec.ComputeSidereal = false;
    rec.PrintInColor = false;
    rec.MonochromeDisplay = false;
    rec.MagWindow = true;
    rec.ReadOutWindow = true;
    rec.Display = DisplayParams{};
    rec.Box = BoxParams{};
    rec.RawDataFormat = 2;
}

namespace {

// A text field is sound when its length byte fits its room and no control character is in it.
template <std::size_t N> bool soundText(const ShortString<N> &s) {
    if (s.len > N)
        return false;
    for (char c : s.view())
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return false;
    return true;
}

} // namespace

std::vector<std::string> ValidateOptions(OptionsRecord &rec, const std::string &installDir,
                                         const OptionsFileBytes *raw) {
    OptionsRecord def;
    SetFileDefaults(def);
    std::vector<std::string> fixed;
    auto text = [&](auto member, const char *name) {
        if (!soundText(rec.*member)) {
            rec.*member = def.*member;
            fixed.emplace_back(name);
        }
    };
    text(&OptionsRecord::LogoFile, "LogoFile");
    text(&OptionsRecord::TitleFile, "TitleFile");
    text(&OptionsRecord::OnHelpFile, "OnHelpFile");
    text(&OptionsRecord::MainHelpList, "MainHelpList");
    text(&OptionsRecord::MeasHelpList, "MeasHelpList");
    text(&OptionsRecord::CentroidHelpList, "CentroidHelpList");
    text(&OptionsRecord::LinearHelpList, "LinearHelpList");
    text(&OptionsRecord::RotationHelpList, "RotationHelpList");
    text(&OptionsRecord::UserHelpFile, "UserHelpFile");
    text(&OptionsRecord::ReminderFile, "ReminderFile");
    text(&OptionsRecord::GongUrl, "GongUrl");
    text(&OptionsRecord::HomeUrl, "HomeUrl");
    text(&OptionsRecord::SpreadsheetProgram, "SpreadsheetProgram");
    text(&OptionsRecord::LogFileName, "LogFileName");
    text(&OptionsRecord::LabTable, "LabTable");
    if (!soundText(rec.ImagePath)) {
        rec.ImagePath = withSlash(installDir) + "IMAGES/";
        fixed.emplace_back("ImagePath");
    } else if (!rec.ImagePath.empty() && rec.ImagePath.view().back() != '/') {
        // A folder typed without its final "/": the program's folders always end in one.
        if (rec.ImagePath.len < rec.ImagePath.room) {
            rec.ImagePath = rec.ImagePath.str() + "/";
        } else {
            rec.ImagePath = withSlash(installDir) + "IMAGES/";
            fixed.emplace_back("ImagePath");
        }
    }
    // The scrambled password is kept as stored; only its length must fit the 16 bytes.
    if (rec.PasswordLength > rec.ScrambledPassword.size()) {
        rec.ScrambledPassword = def.ScrambledPassword;
        rec.PasswordLength = def.PasswordLength;
        fixed.emplace_back("PasswordLength");
    }
    // The region dialog offers 2 to 96 pixels.
    if (rec.MagRegionSize < 2 || rec.MagRegionSize > 96) {
        rec.MagRegionSize = def.MagRegionSize;
        fixed.emplace_back("MagRegionSize");
    }
    // Flags: the file holds 0 or 1; any other byte was read as true and takes the default.
    if (raw != nullptr) {
        const std::pair<std::size_t, bool OptionsRecord::*> flags[] = {
            {2095, &OptionsRecord::LoginRequired},     {2096, &OptionsRecord::TestMode},
            {2097, &OptionsRecord::Centroiding},       {2098, &OptionsRecord::CurveFitting},
            {2099, &OptionsRecord::ComputeSynodic},    {2100, &OptionsRecord::ComputeRate},
            {2101, &OptionsRecord::ComputeSidereal},   {2102, &OptionsRecord::PrintInColor},
            {2103, &OptionsRecord::MonochromeDisplay}, {2104, &OptionsRecord::MagWindow},
            {2105, &OptionsRecord::ReadOutWindow}};
        const char *const names[] = {"LoginRequired",     "TestMode",    "Centroiding",     "CurveFitting",
                                     "ComputeSynodic",    "ComputeRate", "ComputeSidereal", "PrintInColor",
                                     "MonochromeDisplay", "MagWindow",   "ReadOutWindow"};
        for (std::size_t i = 0; i < std::size(flags); ++i) {
            if ((*raw)[flags[i].first] > 1) {
                rec.*flags[i].second = def.*flags[i].second;
                fixed.emplace_back(names[i]);
            }
        }
    }
    if (rec.RawDataFormat > 2) {
        rec.RawDataFormat = def.RawDataFormat;
        fixed.emplace_back("RawDataFormat");
    }

    // Display: brightness and contrast as the adjustment dialog offers them, finite factors and
    // 0/1 flags.
    DisplayParams &d = rec.Display;
    bool displayOk = (raw == nullptr || ((*raw)[DisplayOffset + 34] <= 1 && (*raw)[DisplayOffset + 35] <= 1 &&
                                         (*raw)[DisplayOffset + 36] <= 1)) &&
                     d.brightness >= -50 && d.brightness <= 50 && d.contrast >= -50 && d.contrast <= 50 &&
                     std::isfinite(d.lowFactor) && std::isfinite(d.spanFactor);
    // The ramp indices and the factor stay within what those ranges give (64 - 50 .. 64 + 50, a
    // ramp of 63 * 1.5^-5 .. 63 * 1.5^5 steps); a file may hold them rounded by another build.
    if (displayOk)
        displayOk = d.lowerIndex >= 14 && d.lowerIndex <= 114 && d.upperIndex >= d.lowerIndex &&
                    d.upperIndex <= d.lowerIndex + 480 && std::isfinite(d.contrastFactor) &&
                    d.contrastFactor >= 0.13L && d.contrastFactor <= 7.7L;
    if (!displayOk) {
        d = def.Display;
        fixed.emplace_back("DisplayParams");
    }
    // Box: the box dialog's ranges (search box 2..20 pixels, region 2..20 and not wider than the
    // box, sky border 0..10).
    const BoxParams &b = rec.Box;
    if (b.searchHalfWidth < 1 || b.searchHalfWidth > 10 || b.centroidHalfDiameter < 1 ||
        b.centroidHalfDiameter > b.searchHalfWidth || b.skyBorder > 10) {
        rec.Box = def.Box;
        fixed.emplace_back("BoxParams");
    }
    return fixed;
}

void OptsObj::SetDefaults() {
    SetFileDefaults(Options);
    // The image folder under the installation folder, in whatever case it was copied.
    std::string images = resolveNoCase(Options.InstallDir.str(), "IMAGES/");
    if (!FolderHoldsImageDirectory(images))
        images = (locateCdrom_ ? locateCdrom_() : std::string()) + CdImageFolder;
    Options.ImagePath = images;
}

bool OptsObj::ReadFile(const std::string &path) {
    std::error_code ec;
    // Only a plain file can be an options file; anything else (a folder) is passed over, never deleted.
    if (!fs::is_regular_file(path, ec))
        return false;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;

    auto discard = [&] {
        in.close();
        fs::remove(path, ec);
    };
    OptionsFileBytes bytes{};
    try {
        in.read(reinterpret_cast<char *>(bytes.data()), 72);
        if (in.gcount() != 72)
            throw ReadFailure{readBeyondEnd()};
        Options.FileVersion.fromBytes(bytes.data());
        if (!VersionMatches(Options.ProgramVersion.str(), Options.FileVersion.str())) {
            prompt().message(translate("Options", "Version Error"),
                             arg(translate("Options", "Options File %1 is obsolete."), {path}) + "\r\n" +
                                 continueText(),
                             Icon::Information, Buttons::OK);
            discard();
            return false;
        }
        in.read(reinterpret_cast<char *>(bytes.data()) + 72, OptionsFileSize - 72);
        const auto got = static_cast<std::size_t>(in.gcount()) + 72;
        decodeOptionsFile(bytes.data(), got, Options);
        if (got != OptionsFileSize)
            throw ReadFailure{readBeyondEnd()};
        ReadExtra(in);
        if (in.fail())
            throw ReadFailure{readBeyondEnd()};
        if (in.peek() != std::char_traits<char>::eof())
            throw ReadFailure{translate("Options", "EOF Not Reached!")};
        if (in.bad())
            throw ReadFailure{IOErrorText(106)};
    } catch (const ReadFailure &failure) {
        prompt().message(translate("Options", "File Error"),
                         arg(translate("Options", "Options File %1 is Invalid."), {path}) + "\r\n" +
                             continueText() + "\r\n\r\n" + failure.message,
                         Icon::Information, Buttons::OK);
        discard();
        return false;
    }
    in.close();
    const std::vector<std::string> fixed = ValidateOptions(Options, Options.InstallDir.str(), &bytes);
    if (!fixed.empty()) {
        std::string names;
        for (const std::string &f : fixed)
            names += (names.empty() ? "" : ", ") + f;
        prompt().message(
            translate("Options", "Options File Corrected"),
            arg(translate("Options", "Options File %1 held invalid values.\r\nThese settings take "
                                     "their default values: %2.\r\n\r\nSave the options to "
                                     "keep the corrected file."),
                {path, names}),
            Icon::Information, Buttons::OK);
    }
    return true;
}

namespace {

// Writes all of data to fd; false with errno set on failure.
bool writeAll(int fd, const std::string &data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Puts data at path through a file of a unique name beside it, renamed over path only when
// complete: a reader sees the old file or the new one, never a part. 0 or the errno.
int replaceFile(const std::string &path, const std::string &data) {
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return errno;
    int err = 0;
    if (::fchmod(fd, 0644) != 0 || !writeAll(fd, data) || ::fsync(fd) != 0)
        err = errno;
    if (::close(fd) != 0 && err == 0)
        err = errno;
    if (err == 0 && ::rename(temp.c_str(), path.c_str()) != 0)
        err = errno;
    if (err != 0)
        ::unlink(temp.c_str());
    return err;
}

} // namespace

OptionsFileLock::OptionsFileLock(const std::string &optionsPath, std::chrono::milliseconds wait)
    : path_(optionsPath + ".LCK") {
    using clock = std::chrono::steady_clock;
    const auto until = clock::now() + wait;
    for (unsigned attempt = 0;; ++attempt) {
        const int fd = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0) {
            ::close(fd);
            held_ = true;
            return;
        }
        if (errno != EEXIST) {
            error_ = errno;
            return;
        }
        // A lock left by a program that ended during its save: a save takes far less.
        std::error_code ec;
        const auto when = fs::last_write_time(path_, ec);
        if (!ec && fs::file_time_type::clock::now() - when > StaleAfter) {
            // Renamed aside first: of two programs that found it stale, only one removes it.
            const std::string aside = path_ + "." + std::to_string(::getpid()) + ".STALE";
            if (::rename(path_.c_str(), aside.c_str()) == 0)
                ::unlink(aside.c_str());
            continue;
        }
        if (clock::now() >= until) {
            error_ = EEXIST;
            return;
        }
        // Waits of 5 to 20 ms, varied so that programs started together do not keep meeting.
        std::this_thread::sleep_for(std::chrono::milliseconds(5 + (::getpid() + attempt * 7) % 16));
    }
}

OptionsFileLock::~OptionsFileLock() {
    if (held_)
        ::unlink(path_.c_str());
}

bool OptsObj::WriteFile(const std::string &folder) {
    const std::string path = folder + Options.OptionsFileName.str();
    const std::string backup = folder + Options.BackupFileName.str();

    auto fail = [&](const std::string &name, const std::string &why) {
        prompt().message(
            translate("Options", "Options File Error!"),
            arg(translate("Options", "Unable to save Options!\r\n\r\nFileName: %1\r\n"), {name}) + why,
            Icon::Error, Buttons::OK);
        return false;
    };

    // Programs on several machines may save into one shared folder: one at a time.
    const OptionsFileLock lock(path, SaveLockWait);
    if (!lock.held()) {
        if (lock.error() == EEXIST)
            return fail(path, arg(translate("Options", "The file is being saved by another program (lock "
                                                       "file %1). Please try again."),
                                  {lock.path()}));
        return fail(path, errorText(lock.error()));
    }

    std::error_code ec;
    if (fs::exists(path, ec)) {
        std::ifstream src(path, std::ios::binary);
        if (!src)
            return fail(path, errorText(errno));
        const std::string previous((std::istreambuf_iterator<char>(src)), std::istreambuf_iterator<char>());
        if (src.bad())
            return fail(path, IOErrorText(100));
        if (const int err = replaceFile(backup, previous))
            return fail(backup, errorText(err));
    }

    const OptionsFileBytes bytes = encodeOptionsFile(Options);
    std::ostringstream extra;
    WriteExtra(extra);
    if (!extra)
        return fail(path, IOErrorText(101));
    const std::string data = std::string(bytes.begin(), bytes.end()) + extra.str();
    if (const int err = replaceFile(path, data))
        return fail(path, errorText(err));
    return true;
}

bool OptsObj::VersionMatches(const std::string &a, const std::string &b) {
    auto significant = [](const std::string &v) {
        const auto dot = v.find('.');
        return dot == std::string::npos ? v.substr(0, 2) : v.substr(0, dot + 3);
    };
    return significant(a) == significant(b);
}

bool OptsObj::PasswordFits(const std::string &text) {
    return text.size() <= PasswordRoom && text.find('\0') == std::string::npos;
}

void OptsObj::ScramblePassword(const std::string &text) {
    // The record has room for 16 bytes; a longer text is cut rather than overrunning it, and
    // never inside a character of several bytes. Callers check PasswordFits first.
    std::size_t keep = std::min(text.size(), PasswordRoom);
    while (keep < text.size() && keep > 0 && (static_cast<unsigned char>(text[keep]) & 0xC0) == 0x80)
        --keep;
    const std::string pw = text.substr(0, keep);
    Options.PasswordLength = static_cast<std::uint8_t>(pw.size());
    for (std::size_t start = 0, word = 0; start < pw.size(); start += 4, ++word) {
        for (std::size_t i = 0; i < 4; ++i) {
            const std::size_t k = start + i;
            const auto c = k < pw.size() ? static_cast<std::uint8_t>(pw[k]) : std::uint8_t{0};
            Options.ScrambledPassword[word * 4 + i] = static_cast<std::uint8_t>(~c);
        }
    }
}

std::string OptsObj::UnscramblePassword() const {
    const std::size_t length = Options.PasswordLength;
    if (length == 0)
        return {};
    const std::size_t words =
        std::min<std::size_t>((length - 1) / 4 + 1, Options.ScrambledPassword.size() / 4);
    std::string text;
    for (std::size_t w = 0; w < words; ++w) {
        for (std::size_t i = 0; i < 4; ++i) {
            const auto c = static_cast<std::uint8_t>(~Options.ScrambledPassword[w * 4 + i]);
            if (c == 0)
                break;
            text += static_cast<char>(c);
        }
    }
    return text.substr(0, length);
}

bool OptsObj::FolderIsWriteProtected(const std::string &folder) {
    const std::string probe = folder + "Test.tmp";
    {
        std::ofstream f(probe, std::ios::binary | std::ios::trunc);
        if (!f)
            return true;
    }
    std::error_code ec;
    fs::remove(probe, ec);
    return false;
}

void OptsObj::ReadExtra(std::istream &) {}
void OptsObj::WriteExtra(std::ostream &) {}

OptionsSaver::OptionsSaver(OptionsRecord &workingCopy, OptsObj &opts,
                           std::function<void(bool)> enableSaveUpdates)
    : work_(workingCopy), opts_(opts), enableSaveUpdates_(std::move(enableSaveUpdates)) {}

void OptionsSaver::MarkOptionsChanged() {
    OptionsChangesPending = true;
    AllUsersSavePending = work_.Administrator;
    if (enableSaveUpdates_)
        enableSaveUpdates_(true);
    SaveUpdates1Click();
}

void OptionsSaver::ClearOptionsChanged() {
    OptionsChangesPending = false;
    if (enableSaveUpdates_)
        enableSaveUpdates_(false);
}

void OptionsSaver::SaveUpdates1Click() {
    const std::string text = arg(translate("Options", "Save Updated Parameters in %1?"),
                                 {work_.WorkDir.str() + work_.OptionsFileName.str()});
    if (prompt().message(translate("Options", "Save Option Changes?"), text, Icon::Question,
                         Buttons::YesNo) == Answer::Yes) {
        BusyCursor busy;
        opts_.Options = work_;
        opts_.WriteFile(work_.WorkDir.str());
        ClearOptionsChanged();
    }
    if (AllUsersSavePending)
        SaveOptionsForAllUsers();
}

void OptionsSaver::SaveOptionsForAllUsers() {
    if (!AllUsersSavePending)
        return;
    const std::string text = arg(translate("Options", "Save Updated Parameters in %1?"),
                                 {work_.InstallDir.str() + work_.OptionsFileName.str()});
    if (prompt().message(translate("Options", "Use As Defaults for All Users?"), text, Icon::Question,
                         Buttons::YesNo) != Answer::Yes)
        return;
    BusyCursor busy;
    opts_.Options = work_;
    if (!opts_.WriteFile(work_.InstallDir.str())) {
        work_.Administrator = false;
        opts_.Options.Administrator = false;
    }
    AllUsersSavePending = false;
}

void OptionsSaver::SaveOnClose() {
    if (OptionsChangesPending) {
        SaveUpdates1Click();
        OptionsChangesPending = false;
        AllUsersSavePending = false;
    } else if (AllUsersSavePending) {
        SaveOptionsForAllUsers();
    }
}

} // namespace solar

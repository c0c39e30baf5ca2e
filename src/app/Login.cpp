#include "app/Login.h"

#include "support/StringUt.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

namespace solar {

namespace {
// At most `room` bytes of a UTF-8 text, never cutting a character in two.
std::string cutUtf8(const std::string &s, std::size_t room) {
    if (s.size() <= room)
        return s;
    std::size_t n = room;
    while (n > 0 && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80)
        --n;
    return s.substr(0, n);
}
} // namespace

std::string SafeFolderName(std::string name) {
    // The name becomes one folder under "Users/": a "/" (or a "\\" that another system reads as
    // one) would lead the student's files into another folder, and "." or ".." is no new folder.
    for (char &c : name)
        if (c == '/' || c == '\\' || static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = '_';
    if (name.find_first_not_of('.') == std::string::npos)
        std::fill(name.begin(), name.end(), '_');
    return name;
}

std::string UserFolderNameFor(const std::string &student1) {
    std::string name = student1;
    if (const auto blank = student1.rfind(' '); blank != std::string::npos) {
        std::size_t first = 1; // the whole first character, also when it takes several bytes
        while (first < student1.size() && (static_cast<unsigned char>(student1[first]) & 0xC0) == 0x80)
            ++first;
        name = student1.substr(0, first) + student1.substr(blank + 1);
    }
    name = cutUtf8(name, 8);
    return SafeFolderName(name);
}

void LogFileObj::Setup(const std::string &tag, const std::string &path, const LoginRecord *login) {
    ProgramTag = tag;
    LogPath = path;
    Login = login;
    SetZone(Calendar, 0);
    LoginJulian = JulianDate(Calendar);
    LoginWritten = false;
    LogoutWritten = false;
    LastIOResult = 0;
}

namespace {
std::string line(const std::string &text) {
    return text + "\r\n";
}

std::string namesAndTable(const LoginRecord &login) {
    return line("Name1: " + login.Student1.str()) + line("Name2: " + login.Student2.str()) +
           line("Name3: " + login.Student3.str()) + line("Name4: " + login.Student4.str()) +
           line("Table: " + login.TableNumber.str());
}

std::string timeLine(const CalendarRec &cal) {
    return line("Date: " + DateText(cal)) + line("Time: " + ClockText(cal.local, 2, ':', ':', ""));
}
} // namespace

void LogFileObj::WriteLogin() {
    if (!Login || LogPath.empty())
        return;
    const std::string entry = line("Login: " + ProgramTag) + timeLine(Calendar) + namesAndTable(*Login) +
                              line("EndLogin: " + ProgramTag);
    append(entry, LoginWritten);
}

void LogFileObj::WriteLogout() {
    if (!Login || LogPath.empty())
        return;
    SetNow(Calendar);
    std::int32_t days = 0;
    ClockRec elapsed;
    SplitJulianDate(JulianDate(Calendar) - LoginJulian, days, elapsed);
    std::string elapsedText = "Elapsed Time: ";
    if (days != 0)
        elapsedText += std::to_string(days) + "Days, ";
    elapsedText += ClockText(elapsed, 2, ':', ':', "");
    const std::string entry = line("Logout: " + ProgramTag) + timeLine(Calendar) + namesAndTable(*Login) +
                              line(elapsedText) + line("EndLogout: " + ProgramTag);
    append(entry, LogoutWritten);
}

void LogFileObj::append(const std::string &text, bool &written) {
    // One write() of the whole entry to a file opened with O_APPEND: machines that share the log
    // on one drive each add their entry in one piece, never interleaved with another's.
    written = false;
    const int fd = ::open(LogPath.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        LastIOResult = IOCodeFromErrno(errno);
        return;
    }
    ssize_t n;
    do
        n = ::write(fd, text.data(), text.size());
    while (n < 0 && errno == EINTR);
    int code = 0;
    if (n < 0)
        code = IOCodeFromErrno(errno);
    else if (static_cast<std::size_t>(n) != text.size())
        code = 101; // a part of the entry: the disk is full
    // A shared drive may report a failed write only when the file is closed.
    if (::close(fd) != 0 && code == 0)
        code = errno == EINTR ? 0 : IOCodeFromErrno(errno);
    LastIOResult = code;
    written = code == 0;
}

// ---------------------------------------------------------------- the student's folder in use

namespace {

namespace fs = std::filesystem;

std::string hostName() {
    char buf[256] = {};
    if (::gethostname(buf, sizeof buf - 1) != 0)
        return "unknown";
    return buf;
}

// Differs between machines and between two starts of one machine, even where lab machines
// cloned from one image share their host name.
std::string bootId() {
    std::ifstream in("/proc/sys/kernel/random/boot_id");
    std::string id;
    in >> id;
    return id.empty() ? "-" : id;
}

// A mark left by a run that ended without removing it: a process of this machine (since its
// start) that is gone, or a mark older than a day (a lab session does not last that long).
bool markIsStale(const std::string &path) {
    std::ifstream in(path);
    std::string host, boot;
    long pid = 0;
    if (!(in >> host >> pid >> boot))
        return true; // unreadable or half-written: nobody holds it
    if (host == hostName() && boot == bootId())
        return pid <= 0 || (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH);
    std::error_code ec;
    const auto when = fs::last_write_time(path, ec);
    if (ec)
        return false;
    return fs::file_time_type::clock::now() - when > std::chrono::hours(24);
}

// Creates the mark whole or not at all: written under a name of this process first, then linked
// to the mark's name, which fails when the mark exists. Of two machines that try at once, one wins,
// and nobody ever reads a mark that is still empty.
bool createMark(const std::string &path) {
    const std::string temp = path + "." + hostName() + "." + std::to_string(::getpid()) + ".NEW";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    const std::string text = hostName() + " " + std::to_string(::getpid()) + " " + bootId() + "\n";
    bool ok = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::link(temp.c_str(), path.c_str()) == 0;
    ::unlink(temp.c_str());
    return ok;
}

} // namespace

UserFolderClaim ClaimUserFolder(const std::string &usersDir, const std::string &name) {
    UserFolderClaim claim;
    for (int n = 1; n <= 99; ++n) {
        const std::string folderName = n == 1 ? name : name + "-" + std::to_string(n);
        const std::string folder = usersDir + folderName + "/";
        std::error_code ec;
        fs::create_directories(folder, ec);
        if (!fs::is_directory(folder, ec)) {
            claim.folder = folder;
            return claim; // the caller reports the folder that cannot be made
        }
        const std::string mark = folder + UserFolderMarkName;
        bool got = createMark(mark);
        if (!got && markIsStale(mark)) {
            // The stale mark is first renamed aside: of two machines that found it stale at
            // once, only one can rename it, and only one can then create the new mark.
            const std::string aside = mark + "." + hostName() + "." + std::to_string(::getpid());
            fs::rename(mark, aside, ec);
            if (!ec) {
                fs::remove(aside, ec);
                got = createMark(mark);
            }
        }
        if (got) {
            claim.folder = folder;
            claim.mark = mark;
            claim.substitute = n > 1;
            return claim;
        }
    }
    claim.folder = usersDir + name + "/";
    return claim;
}

void ReleaseUserFolder(const UserFolderClaim &claim) {
    if (claim.mark.empty())
        return;
    std::ifstream in(claim.mark);
    std::string host;
    long pid = 0;
    // Only our own mark: a stale one may have been taken over since.
    if (in >> host >> pid && host == hostName() && pid == ::getpid()) {
        in.close();
        std::error_code ec;
        fs::remove(claim.mark, ec);
    }
}

} // namespace solar

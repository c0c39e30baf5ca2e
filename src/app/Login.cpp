#include "app/Login.h"

#include "astro/StringUt.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>

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
    // "a" opens for appending and creates a missing file.
    std::FILE *f = std::fopen(LogPath.c_str(), "ab");
    if (!f) {
        LastIOResult = IOCodeFromErrno(errno);
        return;
    }
    LastIOResult = 0;
    std::fwrite(text.data(), 1, text.size(), f);
    std::fclose(f);
    written = true;
}

} // namespace solar

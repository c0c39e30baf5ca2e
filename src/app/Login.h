#pragma once
// The login record (students, table, user folder name), the rule that turns the first name into
// the user folder name, and the login log that appends login and logout entries.

#include "astro/DateTime.h"
#include "support/ShortStr.h"

#include <string>

namespace solar {

struct LoginRecord {
    ShortString<40> Student1;
    ShortString<40> Student2;
    ShortString<40> Student3;
    ShortString<40> Student4;
    ShortString<4> TableNumber;
    ShortString<8> UserFolderName;
};

// First character followed by the characters after the last blank, at most 8 in all;
// a name without a blank gives its first 8 characters.
// The result is always a safe folder name (see SafeFolderName).
std::string UserFolderNameFor(const std::string &student1);
// A name that makes exactly one new folder: "/", "\" and control characters become "_", and a
// name of dots only ("." or "..") becomes as many "_". An empty name stays empty.
std::string SafeFolderName(std::string name);

class LogFileObj {
public:
    // Stores the tag, the log path and the (not owned) login record and takes the login moment.
    void Setup(const std::string &tag, const std::string &path, const LoginRecord *login);
    // Append the entries; a log that can be neither opened nor created gets no entry, silently.
    void WriteLogin();
    void WriteLogout();

    bool LoginWritten = false;
    bool LogoutWritten = false;
    int LastIOResult = 0; // code of the last failed open, 0 after success
    CalendarRec Calendar; // moment of login, later of logout; zone offset 0
    long double LoginJulian = 0;
    std::string ProgramTag;
    std::string LogPath;
    const LoginRecord *Login = nullptr;

private:
    void append(const std::string &text, bool &written);
};

} // namespace solar

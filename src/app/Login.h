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
    // Appends the whole entry in one write; a failed open or write leaves `written` false and
    // its code in LastIOResult.
    void append(const std::string &text, bool &written);
};

// The mark in a student's folder while a run uses it ("<host> <process id> <boot id>").
inline constexpr const char *UserFolderMarkName = "IN_USE.LCK";

// A student's folder taken for one run.
struct UserFolderClaim {
    std::string folder;      // ends in "/"; empty only when no folder name was given
    std::string mark;        // the mark created in it; empty when the folder could not be taken
    bool substitute = false; // the folder of the name was in use: this is "<name>-2/" or later
};
// Takes usersDir + name + "/" for this run, creating it when missing and leaving a mark in it.
// A folder marked by a run on another machine (or by a live process of this one) is in use: the
// next free "<name>-2", "<name>-3", ... is taken instead. A mark of a process that is gone, or
// older than a day, is taken over. When the folder cannot be made, `mark` stays empty.
UserFolderClaim ClaimUserFolder(const std::string &usersDir, const std::string &name);
// Removes the mark of a claim, when it is still this process's own.
void ReleaseUserFolder(const UserFolderClaim &claim);

} // namespace solar

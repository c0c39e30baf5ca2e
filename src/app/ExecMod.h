#pragma once
// The spreadsheet launcher ExecMod32Obj: starts a program on a document (no shell; the arguments
// are passed as a list, blanks and quotes intact) and remembers the process, so that a second
// request while it still runs can be refused. Also finds the desktop's default program for a
// file through its desktop entry.

#include <string>
#include <sys/types.h>
#include <vector>

namespace solar {

class ExecMod32Obj {
public:
    ExecMod32Obj() = default;
    ~ExecMod32Obj(); // forgets the process; the program itself keeps running
    ExecMod32Obj(const ExecMod32Obj &) = delete;
    ExecMod32Obj &operator=(const ExecMod32Obj &) = delete;

    // True while the remembered process of `program` (the same text) still runs; otherwise the
    // process is forgotten.
    bool IsRunning(const std::string &program);
    // Starts args (args[0] the executable, looked up on PATH when it holds no "/") in `folder`
    // (the current folder when empty) unless `program` still runs. Started and LastError tell
    // what happened; LastError uses the codes of ErrorReason.
    void Launch(const std::string &program, const std::vector<std::string> &args, const std::string &folder);

    bool Started = false;
    int LastError = 0;
    std::string Program;
    pid_t Pid = 0;

    // Codes of a start that failed: 2 file not found, 3 path not found, 4 too many open files,
    // 5 access denied, 8 not enough memory, 11 incorrect format, 267 invalid folder.
    static int CodeFromErrno(int err);
    // " - File Not Found" and the like for the codes above; "" for any other.
    static std::string ErrorReason(int code);
};

// The default program of the desktop for a document: the command line of its desktop entry.
struct AssociatedProgram {
    int code = 0;                  // above 32 on success; else 2, 3, 11 or 31 (see AssociationReason)
    std::vector<std::string> args; // the command, the document in place of its field code
    std::string program;           // args[0]
};
// MIME type by the file's extension (".csv" text/csv, ".xls" and the like), text/csv otherwise.
std::string spreadsheetMimeType(const std::string &fileName);
// The argument list of a desktop entry's Exec line for `document`: quoting and escapes undone,
// %f %F %u %U become the document (none: it goes last), %% becomes %, other field codes go.
// Empty when the entry has no usable Exec line.
std::vector<std::string> desktopEntryCommand(const std::string &entryText, const std::string &document);
// The desktop entry file named `id` (as "xdg-mime query default" answers) in the applications
// folders of XDG_DATA_HOME and XDG_DATA_DIRS; "" when none.
std::string findDesktopEntry(const std::string &id);
// Asks "xdg-mime query default" for the document's type and reads that entry. `document` is the
// full path; code 2 when it does not exist, 3 when its folder does not, 31 when the desktop names
// no program, 11 when the named entry cannot be used.
AssociatedProgram findAssociatedProgram(const std::string &document);
std::string AssociationReason(int code);

// Runs args without a shell and returns what it wrote on its standard output (at most 64 KiB);
// false when it could not run or did not end with status 0.
bool runForOutput(const std::vector<std::string> &args, std::string &output);

} // namespace solar

#include "app/ExecMod.h"

#include "support/Translate.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace fs = std::filesystem;

namespace solar {

namespace {

std::vector<char *> argvOf(const std::vector<std::string> &args) {
    std::vector<char *> v;
    for (const std::string &a : args)
        v.push_back(const_cast<char *>(a.c_str()));
    v.push_back(nullptr);
    return v;
}

std::string lowerExt(const std::string &name) {
    const auto dot = name.rfind('.');
    const auto slash = name.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return {};
    std::string e = name.substr(dot + 1);
    for (char &c : e)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return e;
}

} // namespace

ExecMod32Obj::~ExecMod32Obj() {
    // Nothing to release: the child is left to run; it is reaped when the program ends.
}

bool ExecMod32Obj::IsRunning(const std::string &program) {
    if (Program.empty())
        return false;
    if (Program == program && Pid > 0) {
        int status = 0;
        const pid_t r = waitpid(Pid, &status, WNOHANG);
        if (r == 0)
            return true;
    }
    Program.clear();
    Pid = 0;
    return false;
}

void ExecMod32Obj::Launch(const std::string &program, const std::vector<std::string> &args,
                          const std::string &folder) {
    if (IsRunning(program))
        return;
    Program = program;
    Started = false;
    LastError = 0;
    Pid = 0;
    if (args.empty() || args[0].empty()) {
        LastError = 2;
        Program.clear();
        return;
    }
    std::error_code ec;
    if (!folder.empty() && !fs::is_directory(folder, ec)) {
        LastError = 267;
        Program.clear();
        return;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!folder.empty())
        posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    // A relative program path means the program's own folder, not the document's the process
    // starts in.
    std::vector<std::string> command = args;
    const bool search = command[0].find('/') == std::string::npos;
    if (!search && command[0].front() != '/')
        command[0] = fs::absolute(command[0], ec).string();
    std::vector<char *> argv = argvOf(command);
    pid_t pid = 0;
    const int err = search ? posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ)
                           : posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (err != 0) {
        LastError = CodeFromErrno(err);
        Program.clear();
        return;
    }
    Started = true;
    Pid = pid;
}

int ExecMod32Obj::CodeFromErrno(int err) {
    switch (err) {
    case ENOENT:
        return 2;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return 3;
    case EMFILE:
    case ENFILE:
        return 4;
    case EACCES:
    case EPERM:
    case ETXTBSY:
        return 5;
    case ENOMEM:
    case EAGAIN:
        return 8;
    case ENOEXEC:
    case EISDIR:
        return 11;
    default:
        return 1000 + err;
    }
}

std::string ExecMod32Obj::ErrorReason(int code) {
    switch (code) {
    case 2:
        return translate("ExecMod", " - File Not Found");
    case 3:
        return translate("ExecMod", " - Path Not Found");
    case 4:
        return translate("ExecMod", " - Too Many Open Files");
    case 5:
        return translate("ExecMod", " - Access Denied");
    case 8:
        return translate("ExecMod", " - Not Enough Memory");
    case 11:
        return translate("ExecMod", " - Program Has Incorrect Format");
    case 14:
        return translate("ExecMod", " - Out of Memory");
    case 267:
        return translate("ExecMod", " - Directory Name is Invalid");
    default:
        return "";
    }
}

std::string AssociationReason(int code) {
    switch (code) {
    case 0:
        return translate("ExecMod", " - Out of Memory or Resources");
    case 2:
        return translate("ExecMod", " - File Not Found");
    case 3:
        return translate("ExecMod", " - Path Not Found");
    case 11:
        return translate("ExecMod", " - Error in Associated .EXE File");
    case 31:
        return translate("ExecMod", " - No Association for Specified File Type");
    default:
        return "";
    }
}

std::string spreadsheetMimeType(const std::string &fileName) {
    const std::string e = lowerExt(fileName);
    if (e == "xls")
        return "application/vnd.ms-excel";
    if (e == "xlsx")
        return "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet";
    if (e == "ods")
        return "application/vnd.oasis.opendocument.spreadsheet";
    if (e == "txt")
        return "text/plain";
    return "text/csv";
}

std::vector<std::string> desktopEntryCommand(const std::string &entryText, const std::string &document) {
    std::istringstream in(entryText);
    std::string line, exec;
    bool inEntry = false;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line[0] == '[') {
            inEntry = line == "[Desktop Entry]";
            continue;
        }
        if (inEntry && line.rfind("Exec=", 0) == 0) {
            exec = line.substr(5);
            break;
        }
    }
    // The value's own escapes ("\s", "\\"), then the words with their double-quote quoting.
    std::string value;
    for (std::size_t i = 0; i < exec.size(); ++i) {
        if (exec[i] == '\\' && i + 1 < exec.size()) {
            const char n = exec[++i];
            value += n == 's' ? ' ' : n == 'n' ? '\n' : n == 't' ? '\t' : n == 'r' ? '\r' : n;
        } else {
            value += exec[i];
        }
    }
    std::vector<std::string> words;
    std::vector<bool> quoted;
    std::string word;
    bool inWord = false, inQuote = false, wasQuoted = false;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (inQuote) {
            if (c == '"')
                inQuote = false;
            else if (c == '\\' && i + 1 < value.size() &&
                     std::string("\"`$\\").find(value[i + 1]) != std::string::npos)
                word += value[++i];
            else
                word += c;
        } else if (c == ' ' || c == '\t') {
            if (inWord) {
                words.push_back(word);
                quoted.push_back(wasQuoted);
                word.clear();
                inWord = wasQuoted = false;
            }
        } else if (c == '"') {
            inQuote = inWord = wasQuoted = true;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inQuote)
        return {}; // an unclosed quote: no usable command
    if (inWord) {
        words.push_back(word);
        quoted.push_back(wasQuoted);
    }
    std::vector<std::string> args;
    bool placed = false;
    for (std::size_t w = 0; w < words.size(); ++w) {
        const std::string &x = words[w];
        if (!quoted[w] && (x == "%f" || x == "%F" || x == "%u" || x == "%U")) {
            if (!placed && !document.empty())
                args.push_back(document);
            placed = true;
            continue;
        }
        std::string out;
        bool keep = true;
        for (std::size_t i = 0; i < x.size(); ++i) {
            if (x[i] == '%' && i + 1 < x.size()) {
                const char code = x[++i];
                if (code == '%')
                    out += '%';
                else if (!quoted[w] && (code == 'i' || code == 'c' || code == 'k') && x.size() == 2)
                    keep = false;
                // every other field code is dropped
            } else {
                out += x[i];
            }
        }
        if (keep && !out.empty())
            args.push_back(out);
    }
    if (!args.empty() && !placed && !document.empty())
        args.push_back(document);
    return args;
}

std::string findDesktopEntry(const std::string &id) {
    if (id.empty() || id.find('/') != std::string::npos)
        return {};
    std::vector<std::string> dirs;
    const char *home = std::getenv("HOME");
    const char *dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && *dataHome)
        dirs.emplace_back(dataHome);
    else if (home && *home)
        dirs.push_back(std::string(home) + "/.local/share");
    const char *dataDirs = std::getenv("XDG_DATA_DIRS");
    std::string all = dataDirs && *dataDirs ? dataDirs : "/usr/local/share:/usr/share";
    std::stringstream ss(all);
    for (std::string d; std::getline(ss, d, ':');)
        if (!d.empty())
            dirs.push_back(d);
    std::error_code ec;
    for (const std::string &d : dirs) {
        // "vendor-app.desktop" may also lie in the sub-folder "vendor/app.desktop".
        std::string rel = id;
        for (;;) {
            const std::string p = d + "/applications/" + rel;
            if (fs::is_regular_file(p, ec))
                return p;
            const auto dash = rel.find('-');
            if (dash == std::string::npos)
                break;
            rel[dash] = '/';
        }
    }
    return {};
}

bool runForOutput(const std::vector<std::string> &args, std::string &output) {
    output.clear();
    int fds[2];
    if (args.empty() || pipe2(fds, O_CLOEXEC) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<char *> argv = argvOf(args);
    pid_t pid = 0;
    const int err = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (err != 0) {
        close(fds[0]);
        return false;
    }
    char buf[4096];
    for (;;) {
        const ssize_t n = read(fds[0], buf, sizeof buf);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        if (output.size() < 65536)
            output.append(buf, static_cast<std::size_t>(n));
    }
    close(fds[0]);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

AssociatedProgram findAssociatedProgram(const std::string &document) {
    AssociatedProgram out;
    std::error_code ec;
    const fs::path doc(document);
    if (!doc.parent_path().empty() && !fs::is_directory(doc.parent_path(), ec)) {
        out.code = 3;
        return out;
    }
    if (!fs::is_regular_file(doc, ec)) {
        out.code = 2;
        return out;
    }
    std::string answer;
    if (!runForOutput({"xdg-mime", "query", "default", spreadsheetMimeType(document)}, answer)) {
        out.code = 31;
        return out;
    }
    // The answer may name several entries separated by ";": the first that can be used counts.
    answer.erase(std::remove(answer.begin(), answer.end(), '\n'), answer.end());
    std::stringstream ids(answer);
    bool named = false;
    for (std::string id; std::getline(ids, id, ';');) {
        id.erase(0, id.find_first_not_of(' '));
        if (id.empty())
            continue;
        named = true;
        const std::string entry = findDesktopEntry(id);
        if (entry.empty())
            continue;
        std::ifstream in(entry, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        out.args = desktopEntryCommand(text.str(), document);
        if (!out.args.empty()) {
            out.program = out.args[0];
            out.code = 42;
            return out;
        }
    }
    out.code = named ? 11 : 31;
    return out;
}

} // namespace solar

// Twenty program runs at once in one working folder, as on lab machines that share it: every
// login and logout entry reaches the log whole, the options file reads back valid with no
// temporary or lock file left, and each run has a student folder of its own.
#include "common/ScriptedPrompt.h"
#include "common/TempDir.h"
#include "support/Options.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

extern char **environ;

namespace fs = std::filesystem;

namespace solar::test {
namespace {

constexpr int Runs = 20;
constexpr int SavesPerRun = 10;

std::vector<std::string> crlfLines(const std::string &text) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find("\r\n", start)) != std::string::npos; start = at + 2)
        out.push_back(text.substr(start, at - start));
    EXPECT_EQ(start, text.size()) << "the log ends with a whole line";
    return out;
}

TEST(SharedWorkingFolder, TwentyRunsAtOnceLeaveWholeEntriesAValidOptionsFileAndOwnFolders) {
    TempDir work;
    std::vector<pid_t> pids;
    const std::string folder = work.dir();
    for (int i = 0; i < Runs; ++i) {
        std::string program = SHARED_FOLDER_DRIVER, run = std::to_string(i),
                    saves = std::to_string(SavesPerRun);
        std::string workArg = folder, runs = std::to_string(Runs);
        std::vector<char *> argv = {program.data(), workArg.data(), run.data(),
                                    runs.data(),    saves.data(),   nullptr};
        pid_t pid = 0;
        ASSERT_EQ(posix_spawn(&pid, SHARED_FOLDER_DRIVER, nullptr, nullptr, argv.data(), environ), 0);
        pids.push_back(pid);
    }
    for (pid_t pid : pids) {
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a run failed (its messages above)";
    }

    // 20 login entries of 9 lines and 20 logout entries of 10, each whole, one of each per run.
    const std::vector<std::string> lines = crlfLines(readFile(work.file("VORNLOG.LOG")));
    std::map<std::string, int> logins, logouts;
    std::size_t i = 0;
    while (i < lines.size()) {
        const bool login = lines[i] == "Login: VORN_ROT";
        ASSERT_TRUE(login || lines[i] == "Logout: VORN_ROT") << "line " << i << ": " << lines[i];
        const std::size_t size = login ? 9 : 10;
        ASSERT_LE(i + size, lines.size());
        EXPECT_EQ(lines[i + 3], "Name1: Ann Lee");
        EXPECT_EQ(lines[i + 7].rfind("Table: ", 0), 0u);
        if (!login) {
            EXPECT_EQ(lines[i + 8].rfind("Elapsed Time: ", 0), 0u);
        }
        EXPECT_EQ(lines[i + size - 1], login ? "EndLogin: VORN_ROT" : "EndLogout: VORN_ROT");
        ++(login ? logins : logouts)[lines[i + 7].substr(7)];
        i += size;
    }
    EXPECT_EQ(logins.size(), std::size_t{Runs});
    EXPECT_EQ(logouts.size(), std::size_t{Runs});
    for (const auto &[table, n] : logins)
        EXPECT_EQ(n, 1) << table;

    // The options file and its backup are each one run's whole save.
    ScriptedPrompt script; // any message fails the test
    for (const char *name : {"SOLNOPTS.INI", "SOLNOPTS.BAK"}) {
        EXPECT_EQ(fs::file_size(work.file(name)), OptionsFileSize) << name;
        OptsObj o;
        o.Options.ProgramVersion = "1.014";
        ASSERT_TRUE(o.ReadFile(work.file(name))) << name;
        const int table = std::stoi(o.Options.LabTable.str());
        EXPECT_TRUE(table >= 0 && table < Runs) << name;
    }

    // Nothing else in the folder: no temporary file, no lock.
    std::set<std::string> names;
    for (const auto &entry : fs::directory_iterator(work.dir()))
        names.insert(entry.path().filename().string());
    EXPECT_EQ(names, (std::set<std::string>{"SOLNOPTS.INI", "SOLNOPTS.BAK", "VORNLOG.LOG", "Users"}));

    // Each run wrote into a folder of its own, and left no mark behind.
    std::set<std::string> owners;
    int folders = 0;
    for (const auto &entry : fs::directory_iterator(work.file("Users"))) {
        ++folders;
        const std::string owner = readFile(entry.path().string() + "/OWNER.TXT");
        EXPECT_EQ(std::count(owner.begin(), owner.end(), '\n'), 1) << entry.path() << " was shared";
        owners.insert(owner);
        EXPECT_FALSE(fs::exists(entry.path() / "IN_USE.LCK"));
    }
    EXPECT_EQ(folders, Runs);
    EXPECT_EQ(owners.size(), std::size_t{Runs});
}

} // namespace
} // namespace solar::test

// The user folder name made from the first student's name, and the login log entries.

#include "app/Login.h"

#include "astro/DateTime.h"
#include "common/TempDir.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <vector>

#include <unistd.h>

namespace solar {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

TEST(LoginFolderName, FromTheFirstStudentsName) {
    EXPECT_EQ(UserFolderNameFor("Aaa Bbb Ccccc"), "ACcccc");
    EXPECT_EQ(UserFolderNameFor("Abcdefghijk"), "Abcdefgh");
    EXPECT_EQ(UserFolderNameFor("Abc "), "A");
    EXPECT_EQ(UserFolderNameFor("Jo Verylongname"), "JVerylon");
    EXPECT_EQ(UserFolderNameFor("Abc"), "Abc");
    EXPECT_EQ(UserFolderNameFor(""), "");
    // A "/" would make the folder a path: it becomes "_".
    EXPECT_EQ(UserFolderNameFor("Ann B/c"), "AB_c");
    EXPECT_EQ(UserFolderNameFor("../../etc"), ".._.._et");
    // UTF-8 names: the first character is taken whole, and the 8-byte cut never splits one
    // ("\xC3\x89" is E acute, "\xC3\xB6" o umlaut).
    EXPECT_EQ(UserFolderNameFor("\xC3\x89mile Zola"), "\xC3\x89Zola");
    EXPECT_EQ(UserFolderNameFor("Ann Str\xC3\xB6mberg"), "AStr\xC3\xB6mb");
    EXPECT_EQ(UserFolderNameFor("Ann Stromb\xC3\xB6rg"), "AStromb");
}

TEST(LoginFolderName, EveryNameStaysOneFolderInsideUsers) {
    // "." and ".." as a whole name (typed as the first name, or after the last blank) would be the
    // working folder or its parent; "\\" and control characters are no part of a folder name.
    EXPECT_EQ(UserFolderNameFor("."), "_");
    EXPECT_EQ(UserFolderNameFor(".."), "__");
    EXPECT_EQ(UserFolderNameFor("...."), "____");
    EXPECT_EQ(UserFolderNameFor("A .."), "A..") << "dots after a letter are an ordinary name";
    EXPECT_EQ(UserFolderNameFor("a\\b\tc"), "a_b_c");
    EXPECT_EQ(SafeFolderName(".."), "__");
    EXPECT_EQ(SafeFolderName(""), "");
    const std::filesystem::path users = "/work/Users";
    for (const std::string typed : {".", "..", "../x", "./..", "x/..", "\\..", "..\\", "\n", "A ..", "..."}) {
        const std::string name = UserFolderNameFor(typed);
        const auto folder = (users / name).lexically_normal();
        EXPECT_EQ(folder.parent_path(), users) << "typed \"" << typed << "\" gave \"" << name << "\"";
    }
}

std::vector<std::string> lines(const std::string &text) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (std::size_t p; (p = text.find("\r\n", start)) != std::string::npos; start = p + 2)
        out.push_back(text.substr(start, p - start));
    EXPECT_EQ(start, text.size()) << "the log ends with a whole CR LF line";
    return out;
}

// Moments counted by hand in days from 1899-12-30: 2000-01-01 is day 36526; 2000 has 366 days and
// 2001..2004 1461, so 2005-01-01 is 38353 and 2005-03-07 is 38353 + 31 + 28 + 6 = 38418.
constexpr double March7 = 38418;
constexpr double seconds(int h, int m, int s) {
    return (h * 3600.0 + m * 60.0 + s) / 86400.0;
}

struct LogFixture : ::testing::Test {
    TempDir dir;
    LoginRecord login;
    double now = 0;
    void SetUp() override {
        login.Student1 = "Aaa Bbb";
        login.Student2 = "Ccc";
        login.TableNumber = "12";
        SetNowSource([this] { return now; });
    }
    void TearDown() override { SetNowSource({}); }
};

TEST_F(LogFixture, LoginAndLogoutEntriesAcrossMidnight) {
    const std::string path = dir.file("VORNLOG.LOG");
    LogFileObj log;
    now = March7 + seconds(23, 59, 30);
    log.Setup("VORN_ROT", path, &login);
    log.WriteLogin();
    EXPECT_TRUE(log.LoginWritten);
    // 1 day 2 h 3 min 4 s later: 23:59:30 + 2:03:04 is 2:02:34 on the 9th.
    now = March7 + 1 + seconds(23, 59, 30) + seconds(2, 3, 4);
    log.WriteLogout();
    EXPECT_TRUE(log.LogoutWritten);
    EXPECT_EQ(log.LastIOResult, 0);

    const std::vector<std::string> expected = {"Login: VORN_ROT",
                                               "Date: 03-07-2005",
                                               "Time: 23:59:30.00",
                                               "Name1: Aaa Bbb",
                                               "Name2: Ccc",
                                               "Name3: ",
                                               "Name4: ",
                                               "Table: 12",
                                               "EndLogin: VORN_ROT",
                                               "Logout: VORN_ROT",
                                               "Date: 03-09-2005",
                                               "Time:  2:02:34.00",
                                               "Name1: Aaa Bbb",
                                               "Name2: Ccc",
                                               "Name3: ",
                                               "Name4: ",
                                               "Table: 12",
                                               "Elapsed Time: 1Days,  2:03:04.00",
                                               "EndLogout: VORN_ROT"};
    const auto got = lines(readFile(path));
    ASSERT_EQ(got.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(got[i], expected[i]) << "line " << i + 1;
}

TEST_F(LogFixture, SameDayLogoutHasNoDayCountAndEntriesAppend) {
    const std::string path = dir.file("VORNLOG.LOG");
    writeFile(path, "earlier\r\n");
    for (int run = 0; run < 2; ++run) {
        LogFileObj log;
        now = March7 + seconds(10, 0, 0) + run;
        log.Setup("VORN_ROT", path, &login);
        log.WriteLogin();
        now += seconds(0, 10, 0);
        log.WriteLogout();
    }
    const auto got = lines(readFile(path));
    ASSERT_EQ(got.size(), 1u + 2 * 19);
    EXPECT_EQ(got[0], "earlier");
    for (int run = 0; run < 2; ++run) {
        const std::size_t base = 1 + 19 * run;
        EXPECT_EQ(got[base], "Login: VORN_ROT");
        EXPECT_EQ(got[base + 1], run == 0 ? "Date: 03-07-2005" : "Date: 03-08-2005");
        EXPECT_EQ(got[base + 2], "Time: 10:00:00.00");
        EXPECT_EQ(got[base + 11], "Time: 10:10:00.00");
        EXPECT_EQ(got[base + 17], "Elapsed Time:  0:10:00.00");
        EXPECT_EQ(got[base + 18], "EndLogout: VORN_ROT");
    }
}

TEST_F(LogFixture, NothingIsWrittenWithoutRecordPathOrWritableFile) {
    now = March7;
    {
        SCOPED_TRACE("no login record");
        LogFileObj log;
        log.Setup("VORN_ROT", dir.file("A.LOG"), nullptr);
        log.WriteLogin();
        log.WriteLogout();
        EXPECT_FALSE(log.LoginWritten || log.LogoutWritten);
        EXPECT_FALSE(std::filesystem::exists(dir.file("A.LOG")));
    }
    {
        SCOPED_TRACE("empty path");
        LogFileObj log;
        log.Setup("VORN_ROT", "", &login);
        log.WriteLogin();
        EXPECT_FALSE(log.LoginWritten);
    }
    {
        // Tests run as root, where permissions do not stop writing: a log below a regular file
        // can be neither opened nor created.
        SCOPED_TRACE("log that cannot be created");
        writeFile(dir.file("plain"), "x");
        LogFileObj log;
        log.Setup("VORN_ROT", dir.file("plain") + "/VORNLOG.LOG", &login);
        log.WriteLogin();
        log.WriteLogout();
        EXPECT_FALSE(log.LoginWritten || log.LogoutWritten);
        EXPECT_EQ(log.LastIOResult, 3); // ENOTDIR: "Invalid File Name!"
        EXPECT_EQ(readFile(dir.file("plain")), "x");
    }
    {
        // Opens, but every write fails with ENOSPC: a full disk is no written entry.
        SCOPED_TRACE("full disk");
        LogFileObj log;
        log.Setup("VORN_ROT", "/dev/full", &login);
        log.WriteLogin();
        EXPECT_FALSE(log.LoginWritten);
        EXPECT_EQ(log.LastIOResult, 101); // "Disk Full!"
    }
}

TEST(UserFolder, SameNameInUseElsewhereGetsAFolderOfItsOwnAndAStaleMarkIsTakenOver) {
    TempDir dir;
    const std::string users = dir.dir() + "Users/";
    const UserFolderClaim first = ClaimUserFolder(users, "ALee");
    EXPECT_EQ(first.folder, users + "ALee/");
    EXPECT_FALSE(first.substitute);
    ASSERT_TRUE(std::filesystem::exists(first.mark));

    // A second run of the same name while the first is alive (here: this very process).
    const UserFolderClaim second = ClaimUserFolder(users, "ALee");
    EXPECT_EQ(second.folder, users + "ALee-2/");
    EXPECT_TRUE(second.substitute);

    // A run on another machine holds a third name; one of this machine that is gone held a fourth.
    std::filesystem::create_directories(users + "BKim");
    writeFile(users + "BKim/" + UserFolderMarkName, "lab-pc-07 4242 0f3e-other-boot\n");
    EXPECT_EQ(ClaimUserFolder(users, "BKim").folder, users + "BKim-2/");
    char host[256] = {};
    ASSERT_EQ(gethostname(host, sizeof host - 1), 0);
    std::filesystem::create_directories(users + "CRoe");
    std::string boot;
    std::ifstream("/proc/sys/kernel/random/boot_id") >> boot;
    writeFile(users + "CRoe/" + UserFolderMarkName,
              std::string(host) + " 999999999 " + (boot.empty() ? "-" : boot) + "\n");
    const UserFolderClaim stale = ClaimUserFolder(users, "CRoe");
    EXPECT_EQ(stale.folder, users + "CRoe/");
    EXPECT_FALSE(stale.substitute);

    // Released, the folder is free for the next run of that name.
    ReleaseUserFolder(first);
    EXPECT_FALSE(std::filesystem::exists(first.mark));
    EXPECT_EQ(ClaimUserFolder(users, "ALee").folder, users + "ALee/");
}

} // namespace
} // namespace solar

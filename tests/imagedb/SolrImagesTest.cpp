// The image directory file: times decoded from the names, time order, skipped lines, the list
// box lines and the message for a file that does not open. Expected moments are days since
// 1899-12-30 computed with Python's datetime ((datetime(...) - datetime(1899, 12, 30)) / 1 day).
#include "imagedb/SolrImages.h"

#include "common/ScriptedPrompt.h"
#include "common/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <set>

using namespace solar;
using solar::test::ScriptedPrompt;
using solar::test::TempDir;

namespace {

// One minute is 1/1440 day; decoding must be far closer than that.
constexpr double Tol = 1e-7;

std::vector<SolrImgFileRec> records(SolrImgFileObj &db) {
    std::vector<SolrImgFileRec> out;
    db.Records().Reset();
    while (const auto *r = db.Records().NextAs<SolrImgFileRec>())
        out.push_back(*r);
    return out;
}

} // namespace

TEST(SolrImgFileObj, TimesFromNames) {
    EXPECT_NEAR(SolrImgFileObj::ImageTimeFromName("xxxxx050307t1604.fts"), 38418.669444444444, Tol);
    EXPECT_NEAR(SolrImgFileObj::ImageTimeFromName("XXXXX050307T1604.FTS"), 38418.669444444444, Tol);
    // Two-digit years: text above "50" is the 1900s, "50" itself and below the 2000s.
    EXPECT_NEAR(SolrImgFileObj::ImageTimeFromName("abcde990102t0304.fts"), 36162.12777777778, Tol);
    EXPECT_NEAR(SolrImgFileObj::ImageTimeFromName("abcde501231t2359.fts"), 55153.99930555555, Tol);
    EXPECT_NEAR(SolrImgFileObj::ImageTimeFromName("abcde510601t0000.fts"), 18780.0, Tol);
    // The first "T" after the prefix starts the clock, wherever it stands.
    EXPECT_NEAR(SolrImgFileObj::ImageTimeFromName("abcde050306xyzt0830.fts"), 38417.354166666664, Tol);
    EXPECT_NEAR(SolrImgFileObj::ImageTimeFromName("ttttt050306_t0830.fts"), 38417.354166666664, Tol);
}

TEST(SolrImgFileObj, UnreadableNamesGiveNoTime) {
    for (const char *line :
         {"", "xxxxx", "xxxxx050307", "xxxxx051307t1604.fts", "xxxxx050230t1604.fts", "xxxxx050307t2504.fts",
          "xxxxx050307t1660.fts", "xxxxx0503o7t1604.fts", "xxxxx050307t16", "xxxxx050307.fts"})
        EXPECT_EQ(SolrImgFileObj::ImageTimeFromName(line), 0.0) << line;
}

TEST(SolrImgFileObj, ReadsInTimeOrderAndSkipsBadLines) {
    TempDir dir;
    const std::string path = dir.file("testlist.txt");
    // Out of order, a bad month, a short line, an empty line, a name longer than 22 characters,
    // two images at the same minute, and a last line without its CR LF.
    solar::test::writeFile(path, "xxxxx050307t1604.fts\r\n"
                                 "xxxxx051307t1604.fts\r\n"
                                 "short\r\n"
                                 "\r\n"
                                 "xxxxx050306t0830_a_rather_long_name.fts\r\n"
                                 "yyyyy050307t1604.fts\r\n"
                                 "xxxxx990102t0304.fts");
    ScriptedPrompt script;
    SolrImgFileObj db;
    EXPECT_TRUE(db.ReadDirectory(path));
    EXPECT_TRUE(db.Ready());
    EXPECT_EQ(db.DirectoryFileName(), path);
    const auto recs = records(db);
    ASSERT_EQ(recs.size(), 4u);
    EXPECT_EQ(recs[0].fileName.str(), "xxxxx990102t0304.fts");
    EXPECT_EQ(recs[1].fileName.str(), "xxxxx050306t0830_a_rat"); // the first 22 characters
    EXPECT_NEAR(recs[1].imageTime, 38417.354166666664, Tol);
    // Equal times are both kept.
    EXPECT_EQ(recs[2].imageTime, recs[3].imageTime);
    EXPECT_EQ(std::set<std::string>({recs[2].fileName.str(), recs[3].fileName.str()}),
              std::set<std::string>({"xxxxx050307t1604.fts", "yyyyy050307t1604.fts"})); // no CR kept
    EXPECT_NEAR(recs[2].imageTime, 38418.669444444444, Tol);
    for (const auto &r : recs)
        EXPECT_FALSE(r.loaded);
    EXPECT_TRUE(script.calls.empty());

    const auto lines = db.DirectoryLines();
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "1999/01/02    03:04 UT");
    EXPECT_EQ(lines[1], "2005/03/06    08:30 UT");
    SolrImgFileRec loaded = recs[2];
    loaded.loaded = true;
    EXPECT_EQ(SolrImgFileObj::DirectoryLine(loaded), "2005/03/07    16:04 UT *");

    // A second file replaces the first; closing forgets everything.
    const std::string other = dir.file("otherlist.txt");
    solar::test::writeFile(other, "abcde200101t1200.fts\r\n");
    EXPECT_TRUE(db.ReadDirectory(other));
    EXPECT_EQ(records(db).size(), 1u);
    db.CloseDirectory();
    EXPECT_FALSE(db.Ready());
    EXPECT_TRUE(db.DirectoryFileName().empty());
    EXPECT_TRUE(records(db).empty());
}

TEST(SolrImgFileObj, FileWithoutImagesIsStillReady) {
    TempDir dir;
    const std::string path = dir.file("emptylist.txt");
    solar::test::writeFile(path, "not an image\r\n");
    ScriptedPrompt script;
    SolrImgFileObj db;
    EXPECT_TRUE(db.ReadDirectory(path));
    EXPECT_TRUE(records(db).empty());
}

TEST(SolrImgFileObj, MissingFileIsReported) {
    TempDir dir;
    SolrImgFileObj db;
    {
        ScriptedPrompt script;
        solar::test::writeFile(dir.file("firstlist.txt"), "xxxxx050307t1604.fts\r\n");
        ASSERT_TRUE(db.ReadDirectory(dir.file("firstlist.txt")));
    }
    ScriptedPrompt script;
    script.expect("Image Directory File Error!");
    const std::string path = dir.file("nolist.txt");
    EXPECT_FALSE(db.ReadDirectory(path));
    EXPECT_FALSE(db.Ready());
    EXPECT_TRUE(records(db).empty()); // the records of the earlier file are gone
    const auto &m = script.lastMessage();
    EXPECT_EQ(m.text,
              "Unable to Open Image Directory File!\r\n\r\nFile Name: " + path + "\r\nFile Not Found!");
    EXPECT_EQ(m.icon, Icon::Error);
    EXPECT_EQ(m.buttons, Buttons::OK);
}

TEST(SolrImgFileObj, ReadErrorIsReportedNotThrown) {
    // A folder opens for reading but every read fails: the program must say so and go on.
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "biglist.txt");
    SolrImgFileObj db;
    ScriptedPrompt script;
    script.expect("Image Directory File Error!");
    const std::string path = dir.file("biglist.txt");
    bool read = true;
    EXPECT_NO_THROW(read = db.ReadDirectory(path));
    EXPECT_FALSE(read);
    EXPECT_FALSE(db.Ready());
    EXPECT_TRUE(records(db).empty());
    EXPECT_EQ(
        script.lastMessage().text.rfind("Unable to Read Image Directory File!\r\n\r\nFile Name: " + path, 0),
        0u);
}

TEST(SolrImgFileObj, LongLineKeepsTheTimeOfTheWholeLine) {
    // Found by fuzzing: the name keeps 22 characters, which may end inside the time stamp; the
    // record still carries the time of the whole line (1998-03-04 16:30).
    TempDir dir;
    const std::string path = dir.file("longlist.txt");
    solar::test::writeFile(path, "bbso_980304xxxxxxxT1630.fts\r\n");
    SolrImgFileObj db;
    ScriptedPrompt script;
    ASSERT_TRUE(db.ReadDirectory(path));
    const auto recs = records(db);
    ASSERT_EQ(recs.size(), 1u);
    EXPECT_EQ(recs[0].fileName.str(), "bbso_980304xxxxxxxT163");
    EXPECT_NEAR(recs[0].imageTime, 35858.0 + 990.0 / 1440.0, Tol);
    EXPECT_EQ(SolrImgFileObj::ImageTimeFromName(recs[0].fileName.view()), 0.0);
}

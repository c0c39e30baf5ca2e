// The list window's core: search across line breaks, the sizing rule, the save flow and the
// common print header texts.
#include "support/ListText.h"
#include "common/ScriptedPrompt.h"
#include "common/TempDir.h"
#include "support/PrintHdr.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace solar;
using namespace solar::test;

namespace {

// Line 4 ends with "Sun" and line 5 starts with three blanks and "Spot".
const std::vector<std::string> kReport = {
    "Observing log",                      // 0
    "Clear sky, seeing good",             // 1
    "Sunspot group near the limb",        // 2
    "Filter changed",                     // 3
    "The large spot seen on the Sun",     // 4
    "   Spot A moved west by 13 degrees", // 5
    "End of log",                         // 6
};

} // namespace

TEST(ListTextSearch, PhraseAcrossTwoLinesSelectsTheLineWhereItStarts) {
    EXPECT_EQ(findTextLine(kReport, "sun spot", 0, false), 4);
    // Case-dependent, the lower-case phrase is not in the text.
    EXPECT_EQ(findTextLine(kReport, "sun spot", 0, true), -1);
    EXPECT_EQ(findTextLine(kReport, "Sun Spot", 0, true), 4);
    // A match that starts in the appended line gives that line: "spot a" begins in line 5.
    EXPECT_EQ(findTextLine(kReport, "spot a", 4, false), 5);
    // "sunspot" is in line 2: the earliest line from the start wins.
    EXPECT_EQ(findTextLine(kReport, "SUNSPOT", 0, false), 2);
    EXPECT_EQ(findTextLine(kReport, "sunspot", 3, false), -1);
}

TEST(ListTextSearch, StartLineAndEndOfList) {
    const int count = static_cast<int>(kReport.size());
    // From the cursor on the last line nothing is left to search.
    EXPECT_EQ(findTextLine(kReport, "end of log", count, false), -1);
    // Starting on the last line itself searches it alone.
    EXPECT_EQ(findTextLine(kReport, "end of log", count - 1, false), count - 1);
    // The last line is also found through the pair before it.
    EXPECT_EQ(findTextLine(kReport, "end of log", 0, false), count - 1);
    EXPECT_EQ(findTextLine(kReport, "observing", 1, false), -1);
    EXPECT_EQ(findTextLine({"only line here"}, "line", 0, false), 0);
    EXPECT_EQ(findTextLine({"only line here"}, "nothing", 0, false), -1);
    EXPECT_EQ(findTextLine({}, "x", 0, false), -1);
}

TEST(ListTextSearch, LeadingBlanksAreDroppedBeforeJoining) {
    // "west by" needs no blanks; "by 13" is inside line 5 after its leading blanks were dropped;
    // a key made of the leading blanks themselves is not in the trimmed text.
    EXPECT_EQ(findTextLine(kReport, "by 13", 0, false), 5);
    EXPECT_EQ(findTextLine({"   x", "y"}, "   x", 0, false), -1);
    EXPECT_EQ(findTextLine({"a   ", "b"}, "a    b", 0, false), 0); // trailing blanks stay
}

TEST(ListTextSizing, HeightAndWidthRules) {
    // By hand: 22.3 x 16 = 356.8 -> 357; (3 + 1.3) x 16 = 68.8 -> 69; (21 + 1.3) x 16 = 356.8.
    EXPECT_EQ(listClientHeight(30, 16), 357);
    EXPECT_EQ(listClientHeight(22, 16), 357);
    EXPECT_EQ(listClientHeight(21, 16), 357);
    EXPECT_EQ(listClientHeight(3, 16), 69);
    EXPECT_EQ(listClientHeight(1, 20), 46); // 2.3 x 20
    // Width: the widest line, at least 200, plus 30, at most the screen width - 10.
    EXPECT_EQ(listClientWidth(120, 1024), 230);
    EXPECT_EQ(listClientWidth(500, 1024), 530);
    EXPECT_EQ(listClientWidth(1200, 1024), 1014);
}

TEST(ListTextSave, UpperCasesOnlyTheFileNamePart) {
    EXPECT_EQ(upperFileNamePart("/home/ann/users/report.txt"), "/home/ann/users/REPORT.TXT");
    EXPECT_EQ(upperFileNamePart("notes.Hdr"), "NOTES.HDR");
    EXPECT_EQ(folderPart("/a/b/c.txt"), "/a/b/");
    EXPECT_EQ(fileNamePart("/a/b/c.txt"), "c.txt");
}

TEST(ListTextNames, NamesFromListFilesAreFoundOnDiskWithoutRegardToCase) {
    TempDir t;
    std::filesystem::create_directories(t.file("Images/Day1"));
    writeFile(t.file("Images/Day1/sun0825.fts"), "x");
    writeFile(t.file("Images/Day1/SUN0826.FTS"), "x");
    writeFile(t.file("Images/Day1/Sun0826.fts"), "x"); // an exact spelling wins over another case
    EXPECT_EQ(resolveNoCase(t.dir(), "IMAGES/day1/SUN0825.FTS"), t.dir() + "Images/Day1/sun0825.fts");
    EXPECT_EQ(resolveNoCase(t.dir(), "images/DAY1/"), t.dir() + "Images/Day1/");
    EXPECT_EQ(resolveNoCase(t.dir(), "Images/Day1/Sun0826.fts"), t.dir() + "Images/Day1/Sun0826.fts");
    EXPECT_EQ(resolveNoCase(t.dir(), "images/nothing.fts"), t.dir() + "Images/nothing.fts");
    EXPECT_EQ(existingFileNoCase(t.dir() + "Images/Day1/SUN0825.FTS"), t.dir() + "Images/Day1/sun0825.fts");
    EXPECT_EQ(existingFileNoCase(t.dir() + "Images/Day1/missing.fts"), "");
    EXPECT_EQ(existingFileNoCase(t.dir() + "IMAGES"), ""); // a folder is no file
}

TEST(ListTextSave, OverwriteQuestionNoShowsTheDialogAgain) {
    TempDir dir;
    writeFile(dir.file("OLD.TXT"), "old");
    ScriptedPrompt p;
    p.answerFile(dir.file("old.txt"));
    p.expect("Replace Existing File?", Answer::No);
    p.answerFile(dir.file("old.txt"));
    p.expect("Replace Existing File?", Answer::Yes);
    FileDialogSetup setup;
    setup.title = "Save Report in Text File";
    const auto path = chooseSavePath(setup);
    ASSERT_TRUE(path);
    EXPECT_EQ(*path, dir.dir() + "OLD.TXT");
    const auto msgs = p.messages();
    ASSERT_EQ(msgs.size(), 2u);
    EXPECT_EQ(msgs[0].text, "OLD.TXT Already Exists!\r\n\r\nDo You Want to Overwrite It?");
    EXPECT_EQ(msgs[0].icon, Icon::Question);
    EXPECT_EQ(msgs[0].buttons, Buttons::YesNo);
    // The second dialog proposes the name chosen the first time.
    ASSERT_EQ(p.calls.size(), 4u);
    EXPECT_EQ(p.calls[2].file.fileName, "OLD.TXT");
    EXPECT_EQ(p.calls[2].file.folder, dir.dir());

    p.answerFile("");
    EXPECT_FALSE(chooseSavePath(setup));
}

TEST(ListTextSave, WritesLinesWithCrLfAndReportsFailure) {
    TempDir dir;
    std::string error;
    ASSERT_TRUE(writeTextLines(dir.file("A.TXT"), {"first", "", "  third"}, error));
    EXPECT_EQ(readFile(dir.file("A.TXT")), "first\r\n\r\n  third\r\n");
    ASSERT_TRUE(writeTextLines(dir.file("A.TXT"), {}, error));
    EXPECT_EQ(readFile(dir.file("A.TXT")), "");
    EXPECT_FALSE(writeTextLines(dir.file("missing/A.TXT"), {"x"}, error));
    EXPECT_FALSE(error.empty());
}

TEST(PrintHeader, JobTitleAndFirstLine) {
    PrintContext saved = printContext();
    printContext().students[0] = "Ann Smith";
    printContext().labTable.clear();
    std::tm when{};
    when.tm_year = 2005 - 1900;
    when.tm_mon = 2;
    when.tm_mday = 7;
    when.tm_hour = 16;
    when.tm_min = 4;
    when.tm_sec = 9;
    EXPECT_EQ(printJobTitle(), "VORN Solar Rotation Exercise - Ann Smith");
    EXPECT_EQ(printStampText(when), "2005/03/07 16:04:09");
    EXPECT_EQ(printFirstLine(when), "2005/03/07 16:04:09     Laboratory Table Number (Not Recorded)");
    printContext().labTable = "12";
    EXPECT_EQ(printFirstLine(when), "2005/03/07 16:04:09     Laboratory Table Number 12");
    printContext() = saved;
}

// Image list files: what a line asks for, which database line answers it, the lines that match
// none, and the file written by Save List read back line for line.
#include "imagedb/ImageListFile.h"

#include "common/TempDir.h"

#include <gtest/gtest.h>

namespace solar {
namespace {

const std::vector<std::string> Database = {"2005/03/07    16:04 UT", "2005/03/08    16:04 UT *",
                                           "2005/03/09    09:30 UT"};

TEST(ImageListFile, LinesMatchTheirDatabaseLinesAndTheOthersAreNamed) {
    // The captions as Save List writes them, a DATE-OBS style line, and lines that ask for
    // nothing of this database; a blank line asks for nothing at all.
    const std::vector<std::string> list = {"2005/03/08        16:04:00",
                                           "2005-03-09T09:30:12",
                                           "",
                                           "2005/03/07        16:05:00",
                                           "rubbish",
                                           "2005/03/07 :",
                                           "2005/03/07        16:04:59"};
    const ImageListMatch m = MatchImageList(list, Database);
    EXPECT_EQ(m.databaseLines, (std::vector<int>{1, 2, 0}));
    // ":" with no time before it once matched every line of the date.
    EXPECT_EQ(m.unmatched,
              (std::vector<std::string>{"2005/03/07        16:05:00", "rubbish", "2005/03/07 :"}));
}

TEST(ImageListFile, WrittenCaptionsReadBackTheSame) {
    test::TempDir dir;
    const std::vector<std::string> captions = {"2005/03/07        16:04:00", "", "2005/03/09  09:30:00 "};
    test::writeFile(dir.file("A.LST"), ImageListText(captions));
    EXPECT_EQ(test::readFile(dir.file("A.LST")),
              "2005/03/07        16:04:00\r\n\r\n2005/03/09  09:30:00 \r\n");
    std::vector<std::string> back;
    ASSERT_TRUE(ReadImageListFile(dir.file("A.LST"), back));
    EXPECT_EQ(back, captions);
    // A list edited elsewhere: bare LF, no end on the last line.
    EXPECT_EQ(SplitImageListText("a\nb\r\nc"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_FALSE(ReadImageListFile(dir.file("none.LST"), back));
}

} // namespace
} // namespace solar

// Help topic lists, topic texts, the viewer's layout, the reminder, and the shipped help itself:
// every entry of every list names a topic that exists and every related topic is a link that
// leads somewhere.
#include "support/Helplst.h"
#include "common/ScriptedPrompt.h"
#include "common/TempDir.h"
#include "support/ListText.h"
#include "support/Translate.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace fs = std::filesystem;

namespace solar::test {
namespace {

std::vector<std::string> titles(HelpList &list) {
    std::vector<std::string> out;
    for (int i = 0; i < list.Count(); ++i)
        out.push_back(list.GetEntry(i)->Title.str());
    return out;
}

std::unique_ptr<HelpList> readList(const std::string &text) {
    auto list = std::make_unique<HelpList>();
    std::istringstream in(text);
    list->Read(in);
    return list;
}

TEST(HelpList, HeadingsNestBlankSeparatorsAndAnyQuoteCharacter) {
    const auto owner = readList("\"Measuring\" \"begin\"\r\n"
                                "\"Centroid\" \"centroid.txt\"\r\n"
                                "  'Inner' |BEGIN|\n"
                                "#It's here# 'deep.txt'\n"
                                "\"x\" \"end\"\n"
                                "\"x\" \"end\"\n"
                                "\"Results\" \"results.txt\"\n"
                                "\n"
                                "\n"
                                "\"Tail\" \"tail.txt\"\n");
    HelpList &list = *owner;
    EXPECT_EQ(titles(list), (std::vector<std::string>{"-Measuring-", "  Centroid", "", "  -Inner-",
                                                      "    It's here", "", "Results", "", "Tail"}));
    EXPECT_TRUE(list.Loaded);
    EXPECT_EQ(list.GetEntry(1)->Key.str(), "centroid.txt");
    EXPECT_EQ(list.GetEntry(4)->Key.str(), "deep.txt");
    EXPECT_TRUE(isHelpHeading(*list.GetEntry(3)));
    EXPECT_TRUE(isHelpBlank(*list.GetEntry(2)));
    EXPECT_EQ(FindTopic(list, "  it's HERE ", 0, false), 4);
    EXPECT_EQ(FindTopic(list, "it's here", 0, true), -1);
    EXPECT_EQ(FindTopic(list, "Results", 7, false), -1);
}

TEST(HelpList, LongLinesAreReadTo80CharactersAndUnbalancedEndsStayAtTheMargin) {
    const std::string title(70, 'T');
    // Title field of 72 characters with its quotes: the key starts at column 74 and is cut at 80.
    const auto owner =
        readList("\"" + title + "\" \"abcdefghij.txt\"\n\"a\" \"end\"\n\"a\" \"end\"\n\"Next\" \"n.txt\"\n");
    HelpList &list = *owner;
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.GetEntry(0)->Title.str(), title.substr(0, 65));
    EXPECT_EQ(list.GetEntry(0)->Key.str(), "abcdef");
    EXPECT_EQ(list.GetEntry(1)->Title.str(), "");
    EXPECT_EQ(list.GetEntry(2)->Title.str(), "Next");
}

TEST(HelpList, MissingFileIsReportedTwiceAndGivesNoList) {
    ScriptedPrompt p;
    p.expect("Help File Error");
    p.expect("File Error");
    EXPECT_EQ(LoadHelpList("/nonexistent/HELP.LST"), nullptr);
    EXPECT_NE(p.messages()[0].text.find("Help List File /nonexistent/HELP.LST is Invalid."),
              std::string::npos);
    EXPECT_EQ(
        p.messages()[1].text.rfind("Cannot Access Help List.\r\nFile Name: /nonexistent/HELP.LST\r\n\r\n", 0),
        0u);
    HelpList empty;
    EXPECT_EQ(empty.GetEntry(0), nullptr);
}

TEST(HelpList, StudentsListDropsTheInstructorsHeadingsAndTopics) {
    const auto owner = readList("\"Student's Guide\" \"begin\"\n"
                                "\"Logging In\" \"student.hlp\"\n"
                                "\"Your Class Report\" \"student.hlp\"\n" // about the class report
                                "\"Measuring\" \"student.hlp\"\n"
                                "\"For the Instructor\" \"begin\"\n" // nested heading
                                "\"Hidden\" \"misc.hlp\"\n"
                                "\"x\" \"end\"\n"
                                "\"Stays\" \"student.hlp\"\n"
                                "\"x\" \"end\"\n"
                                "\"Instructor's Guide\" \"begin\"\n"
                                "\"Software Options\" \"INSTRUCT.HLP\"\n"
                                "\"The Class Report\" \"classrep.hlp\"\n"
                                "\"x\" \"end\"\n"
                                "\"Odd One\" \"data/instruct.hlp\"\n"
                                "\"The Answer Key\" \"science.hlp\"\n"
                                "\"The Science\" \"begin\"\n"
                                "\"Why Sunspots?\" \"science.hlp\"\n"
                                "\"x\" \"end\"\n");
    const auto shown = WithoutInstructorTopics(*owner);
    EXPECT_EQ(titles(*shown),
              (std::vector<std::string>{"-Student's Guide-", "  Logging In", "  Measuring", "", "  Stays", "",
                                        "-The Science-", "  Why Sunspots?"}));
    EXPECT_EQ(shown->GetEntry(4)->Key.str(), "student.hlp");
    EXPECT_EQ(owner->Count(), 20); // the instructor's own list is left whole
}

TEST(HelpText, SingleAndSeveralTopicFiles) {
    std::istringstream single("\nFirst\nSecond *x*\n");
    HelpTopicText one = ExtractHelpTopic(single, "Anything");
    EXPECT_TRUE(one.found);
    EXPECT_EQ(one.lines, (std::vector<std::string>{"", "First", "Second *x*"}));

    const std::string several = "*Overview*\r\nabout\r\n*Details*\r\nd1\r\nd2\r\n*  Other *\r\no1\r\n";
    std::istringstream a(several), b(several), c(several), d(several);
    EXPECT_EQ(ExtractHelpTopic(a, "Overview").lines, (std::vector<std::string>{"about"}));
    EXPECT_EQ(ExtractHelpTopic(b, "   details").lines, (std::vector<std::string>{"d1", "d2"}));
    EXPECT_EQ(ExtractHelpTopic(c, "OTHER").lines, (std::vector<std::string>{"o1"}));
    EXPECT_FALSE(ExtractHelpTopic(d, "Missing").found);
    std::istringstream empty("");
    EXPECT_FALSE(ExtractHelpTopic(empty, "x").found);
}

TEST(HelpText, LayoutFramesWrapsAndFindsTheRelatedTopicsLine) {
    std::string longLine;
    for (int i = 0; i < 20; ++i)
        longLine += "word ";
    longLine.pop_back(); // 99 characters
    const HelpDisplay d = LayoutHelpText({"Intro", longLine, "Related Topics:", "Centroid"});
    ASSERT_EQ(d.lines.size(), 7u);
    EXPECT_EQ(d.lines.front(), " ");
    EXPECT_EQ(d.lines.back(), " ");
    EXPECT_EQ(d.lines[1], "  Intro  ");
    // The wrapped pieces: at most 72 characters each, framed, and together the whole line.
    std::string joined;
    for (int i = 2; i <= 3; ++i) {
        const std::string &l = d.lines[i];
        ASSERT_GE(l.size(), 4u);
        EXPECT_EQ(l.substr(0, 2), "  ");
        EXPECT_EQ(l.substr(l.size() - 2), "  ");
        EXPECT_LE(l.size() - 4, 72u);
        joined += (joined.empty() ? "" : " ") + l.substr(2, l.size() - 4);
    }
    EXPECT_EQ(joined, longLine);
    EXPECT_EQ(d.relatedLine, 4);
    EXPECT_FALSE(isHelpLinkLine(d, 3));
    EXPECT_TRUE(isHelpLinkLine(d, 5));
    EXPECT_TRUE(isHelpLinkLine(LayoutHelpText({"x"}), 1)); // no related line: every line links
}

TEST(Reminder, JoinsTheLinesAndAddsTheChoiceOrReportsAMissingFile) {
    TempDir t;
    writeFile(t.file("REMINDER.ROT"), "Save your data.\r\nRecord results.\r\n");
    ScriptedPrompt p;
    p.expect("** Exercise Finished? **", Answer::Cancel);
    EXPECT_EQ(ShowReminderFile(t.file("REMINDER.ROT"), "** Exercise Finished? **"), Answer::Cancel);
    EXPECT_EQ(p.lastMessage().text,
              "Save your data.\r\nRecord results.\r\n\r\nSelect \"OK\" to Quit Exercise, "
              "\"Cancel\" to Continue.");
    EXPECT_EQ(p.lastMessage().buttons, Buttons::OKCancel);
    EXPECT_EQ(p.lastMessage().icon, Icon::Stop);

    p.expect("File Error!");
    EXPECT_FALSE(ShowReminderFile(t.file("NONE.ROT"), "x").has_value());
    EXPECT_EQ(p.lastMessage().text.substr(0, 40), "Cannot Access Reminder File!\r\nFile Name:");
}

// ---- The help that ships with the program.

const std::string DataDir = std::string(SOLARRTN_SOURCE_DIR) + "/data/";

// A shipped file by the name a list gives it, in any case.
std::string resolveHelpPath(const std::string &folder, const std::string &name) {
    const std::string found = existingFileNoCase(folder + name);
    return found.empty() ? folder + name : found;
}

std::string lower(std::string s) {
    for (char &c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

const char *const ShippedLists[] = {"SOLRTNHLP.LST", "SLRMEASHLP.LST", "SLRCNTRHLP.LST", "LANALHLP.LST",
                                    "RANALHLP.LST"};

// Every entry of every list in `dir` opens its own topic there, and every link leads to a topic.
void checkShippedHelp(const std::string &dir) {
    ScriptedPrompt p; // any message fails the test
    int topics = 0;
    for (const char *name : ShippedLists) {
        SCOPED_TRACE(dir + name);
        std::unique_ptr<HelpList> list = LoadHelpList(resolveHelpPath(dir, name));
        ASSERT_NE(list, nullptr);
        for (int i = 0; i < list->Count(); ++i) {
            const HelpEntry e = *list->GetEntry(i);
            if (isHelpBlank(e) || isHelpHeading(e))
                continue;
            const std::string title = e.Title.str().substr(e.Title.str().find_first_not_of(' '));
            SCOPED_TRACE(title);
            const std::string path = resolveHelpPath(dir, e.Key.str());
            std::ifstream in(path, std::ios::binary);
            ASSERT_TRUE(in) << path;
            // The line that starts the topic must be the topic's own heading, not another one
            // that happens to contain its title.
            std::string line, first;
            std::getline(in, first);
            if (!first.empty() && first[0] == '*') {
                std::ifstream scan(path, std::ios::binary);
                while (std::getline(scan, line))
                    if (line.find('*') != std::string::npos &&
                        lower(line).find(lower(title)) != std::string::npos)
                        break;
                EXPECT_EQ(lower(line), "*" + lower(title) + "*");
            }
            in.seekg(0);
            const HelpTopicText text = ExtractHelpTopic(in, title);
            ASSERT_TRUE(text.found);
            const HelpDisplay shown = LayoutHelpText(text.lines);
            EXPECT_GT(shown.lines.size(), 4u);
            for (const std::string &l : text.lines)
                EXPECT_LE(l.size(), 72u) << l;
            ASSERT_GE(shown.relatedLine, 0) << "no related topics";
            for (std::size_t k = shown.relatedLine + 1; k < shown.lines.size(); ++k) {
                const std::string &l = shown.lines[k];
                if (l.find_first_not_of(' ') == std::string::npos)
                    continue;
                EXPECT_GE(FindTopic(*list, l, 0, false), 0) << "dead link: " << l;
            }
            ++topics;
        }
    }
    EXPECT_GE(topics, 40);
    EXPECT_TRUE(fs::exists(resolveHelpPath(dir, "REMINDER.ROT")));
}

TEST(ShippedHelp, EveryEntryOfEveryListOpensItsOwnTopicAndEveryLinkLeadsToATopic) {
    checkShippedHelp(DataDir);
}

// The Spanish help: the same lists and topics, entry for entry, and the students' list keeps no
// trace of the instructor's guide.
TEST(ShippedHelp, SpanishHelpMatchesTheEnglishEntryForEntry) {
    const std::string es = DataDir + "es/";
    checkShippedHelp(es);
    ScriptedPrompt p;
    for (const char *name : ShippedLists) {
        SCOPED_TRACE(name);
        const auto english = LoadHelpList(resolveHelpPath(DataDir, name));
        const auto spanish = LoadHelpList(resolveHelpPath(es, name));
        ASSERT_TRUE(english && spanish);
        ASSERT_EQ(spanish->Count(), english->Count());
        for (int i = 0; i < english->Count(); ++i) {
            EXPECT_EQ(spanish->GetEntry(i)->Key.str(), english->GetEntry(i)->Key.str()) << i;
            EXPECT_EQ(isHelpBlank(*spanish->GetEntry(i)), isHelpBlank(*english->GetEntry(i))) << i;
        }
        EXPECT_EQ(titles(*WithoutInstructorTopics(*spanish)).size(),
                  titles(*WithoutInstructorTopics(*english)).size());
    }
    const auto main = LoadHelpList(es + "SOLRTNHLP.LST");
    const auto students = WithoutInstructorTopics(*main);
    EXPECT_EQ(FindTopic(*students, "Guía del profesor", 0, false), -1);
    EXPECT_EQ(FindTopic(*students, "-Guía del estudiante-", 0, false), 0);
    EXPECT_GE(FindTopic(*main, "-Guía del profesor-", 0, false), 0);
}

// Restores English however the test ends.
struct SpanishForTheTest {
    SpanishForTheTest() { setUiLanguage("es"); }
    ~SpanishForTheTest() { setUiLanguage("en"); }
};

TEST(HelpLanguage, TheLanguagesFolderIsReadWhenItHoldsTheFileElseTheEnglishOne) {
    TempDir t;
    fs::create_directory(t.path() / "es");
    writeFile(t.file("TOPICS.LST"), "\"Topic\" \"text.hlp\"\n");
    writeFile(t.file("es/topics.lst"), "\"Tema\" \"text.hlp\"\n"); // found in any case
    writeFile(t.file("text.hlp"), "English text.\n");
    writeFile(t.file("REMINDER.ROT"), "Save your data.\n");
    writeFile(t.file("es/REMINDER.ROT"), "Guarde sus datos.\n");
    ScriptedPrompt p;

    // English: the installation folder's own files, whatever the language folders hold.
    EXPECT_EQ(LanguageFile(t.dir(), "TOPICS.LST"), t.dir() + "TOPICS.LST");
    EXPECT_EQ(titles(*LoadHelpList(t.file("TOPICS.LST"))), std::vector<std::string>{"Topic"});
    {
        SpanishForTheTest spanish;
        EXPECT_EQ(titles(*LoadHelpList(t.file("TOPICS.LST"))), std::vector<std::string>{"Tema"});
        EXPECT_EQ(LanguageFile(t.file("TOPICS.LST")), t.file("es/topics.lst"));
        // Not translated: the English file.
        EXPECT_EQ(LanguageFile(t.dir(), "text.hlp"), t.file("text.hlp"));
        EXPECT_EQ(LanguageFile(t.dir(), "none.hlp"), t.file("none.hlp"));
        EXPECT_EQ(LanguageFile(t.dir(), ""), t.dir());
        p.expect("** Exercise Finished? **", Answer::OK);
        ShowReminderFile(t.file("REMINDER.ROT"), "** Exercise Finished? **");
        EXPECT_EQ(p.lastMessage().text.substr(0, 19), "Guarde sus datos.\r\n");
        // A language without a folder of its own reads English.
        setUiLanguage("de");
        EXPECT_EQ(LanguageFile(t.file("TOPICS.LST")), t.file("TOPICS.LST"));
    }
    EXPECT_EQ(uiLanguage(), "en");
    p.expect("** Exercise Finished? **", Answer::OK);
    ShowReminderFile(t.file("REMINDER.ROT"), "** Exercise Finished? **");
    EXPECT_EQ(p.lastMessage().text.substr(0, 17), "Save your data.\r\n");
}

// The viewer finds the links under the Spanish heading as under the English one.
TEST(HelpText, SpanishRelatedTopicsHeadingMarksTheLinks) {
    const HelpDisplay d = LayoutHelpText({"Texto.", "Temas relacionados:", "Centroide automático"});
    EXPECT_EQ(d.relatedLine, 2);
    EXPECT_FALSE(isHelpLinkLine(d, 1));
    EXPECT_TRUE(isHelpLinkLine(d, 3));
}

TEST(ShippedHelp, NoHelpTextPrintsTheAnswerKeysRatesOrPeriods) {
    std::ifstream key(std::string(SOLARRTN_BIN_DIR) + "/INSTRUCTOR/synth_answer_key.csv");
    if (!key)
        GTEST_SKIP() << "the sample database is made by the solarimages target";
    std::string help;
    for (const auto &entry : fs::recursive_directory_iterator(DataDir))
        if (lower(entry.path().extension().string()) == ".hlp")
            help += readFile(entry.path().string());
    // The last four numbers of every line: sidereal rate and period, synodic rate and period.
    std::string line;
    std::getline(key, line);
    int values = 0;
    while (std::getline(key, line)) {
        std::vector<std::string> cells;
        std::stringstream ss(line);
        for (std::string c; std::getline(ss, c, ',');)
            cells.push_back(c);
        ASSERT_GE(cells.size(), 5u);
        for (std::size_t i = cells.size() - 5; i < cells.size() - 1; ++i, ++values)
            EXPECT_EQ(help.find(cells[i]), std::string::npos) << cells[i];
    }
    EXPECT_GT(values, 0);
}

} // namespace
} // namespace solar::test

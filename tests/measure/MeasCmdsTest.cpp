// Save Data, Clear all Data and Load Data driven through the scripted prompt: every question and
// branch, the remembered names and folders, the saved flag, and failures that keep the data.
#include "measure/MeasCmds.h"

#include "common/ScriptedPrompt.h"
#include "common/TempDir.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace solar;
using solar::test::readFile;
using solar::test::ScriptedPrompt;
using solar::test::TempDir;
using solar::test::writeFile;

namespace {

MeasRec rec(const char *id, double time) {
    MeasRec r;
    r.ID = id;
    r.Time = time;
    r.Long = 0.25L;
    return r;
}

std::vector<std::string> ids(MeasList &list) {
    std::vector<std::string> out;
    for (const auto &r : list.records())
        out.push_back(r.ID.str() + "@" + std::to_string(static_cast<int>(r.Time)));
    return out;
}

// A data file of records in the given order, written record by record.
void writeRecords(const std::string &path, const std::vector<MeasRec> &recs) {
    std::string bytes;
    std::uint8_t b[93];
    for (const auto &r : recs) {
        encodeMeasRecord(r, b);
        bytes.append(reinterpret_cast<const char *>(b), 93);
    }
    writeFile(path, bytes);
}

struct Fixture {
    TempDir dir;
    ScriptedPrompt script;
    MeasList list;
    MeasFileState state;
    std::string user() const { return dir.dir(); }
};

} // namespace

TEST(SaveData, DefaultsAskBeforeReplacingAndRemember) {
    Fixture f;
    f.list.Insert(rec("B", 100));
    f.list.Insert(rec("A", 101));
    f.state.DataSaved = false;

    // First save: base name in the user folder; a lower-case name is taken upper-cased.
    f.script.answerFile(f.dir.file("mydata.dat"));
    f.script.expect("Data File Written");
    ASSERT_TRUE(SaveData1Click(f.list, f.state, f.user()));
    ASSERT_EQ(f.script.calls[0].kind, "save");
    EXPECT_EQ(f.script.calls[0].caption, "Save Solar Rotation Measurement Data");
    EXPECT_EQ(f.script.calls[0].file.fileName, "SOLRTN_DATA.DAT");
    EXPECT_EQ(f.script.calls[0].file.folder, f.user());
    EXPECT_EQ(f.script.calls[0].file.filter, "Solar Rotation Data Files|*.DAT");
    const std::string path = f.dir.file("MYDATA.DAT");
    EXPECT_EQ(f.script.lastMessage().text, "Measurement Data Written to " + path + ".");
    EXPECT_EQ(f.script.lastMessage().icon, Icon::Information);
    EXPECT_EQ(readFile(path).size(), 186u);
    EXPECT_TRUE(f.state.DataSaved);
    EXPECT_EQ(f.state.SaveFileName, "MYDATA.DAT");
    EXPECT_EQ(f.state.SaveFolder, f.user());

    // Second save proposes the remembered name; No to the replace question runs the dialog
    // again, and cancelling it leaves the file and the (now false) saved flag alone.
    f.script.clear();
    f.list.Insert(rec("C", 102));
    f.state.DataSaved = false;
    f.script.answerFile(path);
    f.script.expect("Replace Existing File?", Answer::No);
    f.script.answerFile("");
    EXPECT_FALSE(SaveData1Click(f.list, f.state, f.user()));
    EXPECT_EQ(f.script.calls[0].file.fileName, "MYDATA.DAT");
    EXPECT_EQ(f.script.messages()[0].text, "MYDATA.DAT Already Exists!\r\n\r\nDo You Want to Overwrite It?");
    EXPECT_EQ(f.script.messages()[0].buttons, Buttons::YesNo);
    EXPECT_EQ(f.script.calls[2].kind, "save");
    EXPECT_EQ(readFile(path).size(), 186u);
    EXPECT_FALSE(f.state.DataSaved);

    // Yes replaces it.
    f.script.answerFile(path);
    f.script.expect("Replace Existing File?", Answer::Yes);
    f.script.expect("Data File Written");
    EXPECT_TRUE(SaveData1Click(f.list, f.state, f.user()));
    EXPECT_EQ(readFile(path).size(), 279u);
}

TEST(SaveData, FailedSaveSaysSoAndKeepsTheOldFile) {
    Fixture f;
    const std::string path = f.dir.file("OLD.DAT");
    writeFile(path, "previous contents");
    std::filesystem::create_directory(path + ".part"); // the temporary file cannot be made
    f.list.Insert(rec("A", 1));
    f.state.DataSaved = false;
    f.script.answerFile(path);
    f.script.expect("Replace Existing File?", Answer::Yes);
    f.script.expect("Data File Not Written");
    EXPECT_FALSE(SaveData1Click(f.list, f.state, f.user()));
    EXPECT_NE(f.script.lastMessage().text.find(path), std::string::npos);
    EXPECT_EQ(f.script.lastMessage().icon, Icon::Error);
    EXPECT_FALSE(f.state.DataSaved);
    EXPECT_EQ(readFile(path), "previous contents");
}

TEST(ClearAllData, QuestionBranches) {
    Fixture f;
    f.list.Insert(rec("A", 1));
    f.state.DataSaved = false;

    f.script.expect("Data Will Be Lost!", Answer::Cancel);
    EXPECT_FALSE(ClearallData1Click(f.list, f.state, f.user()));
    EXPECT_EQ(f.list.Count(), 1);
    EXPECT_FALSE(f.state.DataSaved);
    EXPECT_EQ(f.script.messages()[0].text,
              "You have not saved your measurement data!\r\n\r\nDo you want to save it now?");
    EXPECT_EQ(f.script.messages()[0].buttons, Buttons::YesNoCancel);

    // Yes, then the save dialog cancelled: the data the user wanted to keep stay.
    f.script.expect("Data Will Be Lost!", Answer::Yes);
    f.script.answerFile("");
    EXPECT_FALSE(ClearallData1Click(f.list, f.state, f.user()));
    EXPECT_EQ(f.list.Count(), 1);

    // Yes and a real save: saved, then cleared.
    f.script.expect("Data Will Be Lost!", Answer::Yes);
    f.script.answerFile(f.dir.file("K.DAT"));
    f.script.expect("Data File Written");
    f.script.expect("Data Cleared");
    EXPECT_TRUE(ClearallData1Click(f.list, f.state, f.user()));
    EXPECT_TRUE(f.list.IsEmpty());
    EXPECT_EQ(readFile(f.dir.file("K.DAT")).size(), 93u);

    // No: cleared without saving.
    f.list.Insert(rec("A", 1));
    f.state.DataSaved = false;
    f.script.expect("Data Will Be Lost!", Answer::No);
    f.script.expect("Data Cleared");
    EXPECT_TRUE(ClearallData1Click(f.list, f.state, f.user()));
    EXPECT_TRUE(f.list.IsEmpty());
    EXPECT_TRUE(f.state.DataSaved);
    EXPECT_EQ(f.script.lastMessage().text, "Measurement data cleared.");

    // Saved data: no question.
    f.list.Insert(rec("A", 1));
    f.script.expect("Data Cleared");
    EXPECT_TRUE(ClearallData1Click(f.list, f.state, f.user()));
    EXPECT_EQ(f.list.ItemSize(), sizeof(MeasRec));
}

TEST(LoadData, IntoAnEmptyListInOrderWithDefaultsFromTheSave) {
    Fixture f;
    f.state.SaveFileName = "RUN1.DAT";
    f.state.SaveFolder = f.user();
    // Out of order in the file, and named in lower case on the disk.
    writeRecords(f.dir.file("run1.dat"), {rec("B", 5), rec("A", 7), rec("A", 6)});

    f.script.answerFile(f.dir.file("nothere.dat"));
    f.script.expect("File Not Found!");
    f.script.answerFile(f.dir.file("run1.dat"));
    f.script.expect("Data File Loaded");
    ASSERT_TRUE(Load3Click(f.list, f.state, "/unused/"));
    EXPECT_EQ(f.script.calls[0].caption, "Load Solar Rotation Measurement Data");
    EXPECT_EQ(f.script.calls[0].file.fileName, "RUN1.DAT");
    EXPECT_EQ(f.script.calls[0].file.folder, f.user());
    EXPECT_EQ(f.script.messages()[0].text, "Unable to Load " + f.dir.file("NOTHERE.DAT") + "!");
    EXPECT_EQ(f.script.messages()[0].icon, Icon::Error);
    EXPECT_EQ(f.script.lastMessage().text, "Measurement Data loaded from " + f.dir.file("RUN1.DAT") + ".");
    EXPECT_EQ(ids(f.list), (std::vector<std::string>{"A@6", "A@7", "B@5"}));
    EXPECT_TRUE(f.state.DataSaved);
    EXPECT_EQ(f.state.LoadFileName, "RUN1.DAT");

    // An empty file loads nothing and still reports.
    MeasList empty;
    writeFile(f.dir.file("EMPTY.DAT"), "");
    f.script.answerFile(f.dir.file("EMPTY.DAT"));
    f.script.expect("Data File Loaded");
    EXPECT_TRUE(Load3Click(empty, f.state, f.user()));
    EXPECT_TRUE(empty.IsEmpty());
}

TEST(LoadData, MergeAndReplaceBranches) {
    Fixture f;
    writeRecords(f.dir.file("F.DAT"), {rec("A", 1), rec("C", 3)});
    f.list.Insert(rec("A", 1));
    f.list.Insert(rec("B", 2));

    // Cancel: nothing read.
    f.script.answerFile(f.dir.file("F.DAT"));
    f.script.expect("Merge with current data?", Answer::Cancel);
    EXPECT_FALSE(Load3Click(f.list, f.state, f.user()));
    EXPECT_EQ(f.list.Count(), 2);

    // Merge keeps duplicates and marks the data unsaved.
    f.script.answerFile(f.dir.file("F.DAT"));
    f.script.expect("Merge with current data?", Answer::Yes);
    f.script.expect("Data File Loaded");
    EXPECT_TRUE(Load3Click(f.list, f.state, f.user()));
    EXPECT_EQ(ids(f.list), (std::vector<std::string>{"A@1", "A@1", "B@2", "C@3"}));
    EXPECT_EQ(f.script.lastMessage().text,
              "Measurement Data from " + f.dir.file("F.DAT") + "\r\n merged with current data.");
    EXPECT_FALSE(f.state.DataSaved);

    // Replace with unsaved data: Cancel to "Are You Sure?" keeps everything.
    f.script.answerFile(f.dir.file("F.DAT"));
    f.script.expect("Merge with current data?", Answer::No);
    f.script.expect("Are You Sure?", Answer::Cancel);
    EXPECT_FALSE(Load3Click(f.list, f.state, f.user()));
    EXPECT_EQ(f.list.Count(), 4);
    EXPECT_EQ(f.script.lastMessage().text, "Unsaved data will be lost!");
    EXPECT_EQ(f.script.lastMessage().buttons, Buttons::OKCancel);

    // OK overwrites.
    f.script.answerFile(f.dir.file("F.DAT"));
    f.script.expect("Merge with current data?", Answer::No);
    f.script.expect("Are You Sure?", Answer::OK);
    f.script.expect("Data File Loaded");
    EXPECT_TRUE(Load3Click(f.list, f.state, f.user()));
    EXPECT_EQ(ids(f.list), (std::vector<std::string>{"A@1", "C@3"}));
    EXPECT_EQ(f.script.lastMessage().text,
              "Measurement Data loaded from " + f.dir.file("F.DAT") + ".\r\n\r\nExisting data overwritten!");
    EXPECT_TRUE(f.state.DataSaved);

    // Replace with saved data asks nothing more.
    f.list.Insert(rec("Z", 9));
    f.script.answerFile(f.dir.file("F.DAT"));
    f.script.expect("Merge with current data?", Answer::No);
    f.script.expect("Data File Loaded");
    EXPECT_TRUE(Load3Click(f.list, f.state, f.user()));
    EXPECT_EQ(ids(f.list), (std::vector<std::string>{"A@1", "C@3"}));
}

TEST(LoadData, DamagedFileChangesNothing) {
    Fixture f;
    f.list.Insert(rec("A", 1));
    f.state.DataSaved = false;
    writeFile(f.dir.file("BAD.DAT"), std::string(94, '\0'));
    f.script.answerFile(f.dir.file("BAD.DAT"));
    f.script.expect("Merge with current data?", Answer::No);
    f.script.expect("Are You Sure?", Answer::OK);
    f.script.expect("Data File Not Loaded");
    EXPECT_FALSE(Load3Click(f.list, f.state, f.user()));
    EXPECT_EQ(ids(f.list), (std::vector<std::string>{"A@1"}));
    EXPECT_FALSE(f.state.DataSaved);
    EXPECT_NE(f.script.lastMessage().text.find(f.dir.file("BAD.DAT")), std::string::npos);
    EXPECT_NE(f.script.lastMessage().text.find("94 bytes"), std::string::npos);
}

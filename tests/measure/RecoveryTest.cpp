// The last-resort copy of unsaved measurements: written as data-file records by the handler of a
// fatal signal or an uncaught exception, never when everything is saved, and offered back.
#include "measure/Recovery.h"

#include "common/ScriptedPrompt.h"
#include "common/TempDir.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <stdexcept>

namespace solar {
namespace {

namespace fs = std::filesystem;

void fill(MeasList &list) {
    MeasRec a;
    a.ID = "A";
    a.Time = 38418.5;
    a.Long = 0.25L;
    a.Lat = -0.125L;
    MeasRec b = a;
    b.ID = "B";
    b.Time = 38419.25;
    b.X = 512.5L;
    list.Insert(a);
    list.Insert(b);
}

std::vector<std::string> encodedRecords(MeasList &list) {
    std::vector<std::string> out;
    for (const MeasRec &r : list.records()) {
        std::uint8_t bytes[MeasRecordBytes];
        encodeMeasRecord(r, bytes);
        out.emplace_back(reinterpret_cast<const char *>(bytes), MeasRecordBytes);
    }
    return out;
}

// An exception that nothing catches: leaving a noexcept function ends in std::terminate.
[[noreturn]] void escape() {
    throw std::runtime_error("escaped");
}
void uncaught() noexcept {
    escape();
}

struct RecoveryFixture : ::testing::Test {
    test::TempDir user;
    MeasList list;
    void SetUp() override {
        SetRecoveryFolder(user.dir());
        fill(list);
    }
    void TearDown() override {
        MeasList empty;
        UpdateRecoveryCopy(empty, false);
        SetRecoveryFolder("");
    }
    std::string copyPath() const { return user.file(RecoveryFileName); }
};

TEST_F(RecoveryFixture, CopyHoldsTheUnsavedRecordsAndNothingOnceSaved) {
    list.Item(1); // a window's cursor on the second record
    UpdateRecoveryCopy(list, true);
    EXPECT_EQ(list.CursorIndex(), 1) << "the copy leaves the list's cursor where it was";
    ASSERT_TRUE(WriteRecoveryCopy());
    EXPECT_EQ(test::readFile(copyPath()).size(), 2 * MeasRecordBytes);
    std::vector<MeasRec> back;
    std::string reason;
    ASSERT_TRUE(readMeasFile(copyPath(), back, reason)) << reason;
    MeasList again;
    for (const MeasRec &r : back)
        again.Insert(r);
    EXPECT_EQ(encodedRecords(again), encodedRecords(list));
    EXPECT_FALSE(fs::exists(copyPath() + ".part"));

    fs::remove(copyPath());
    UpdateRecoveryCopy(list, false); // saved: nothing to rescue
    EXPECT_FALSE(WriteRecoveryCopy());
    EXPECT_FALSE(fs::exists(copyPath()));
}

TEST_F(RecoveryFixture, FatalSignalAndUncaughtExceptionWriteTheCopy) {
    UpdateRecoveryCopy(list, true);
    EXPECT_EXIT(
        {
            InstallRecoveryHandlers();
            std::raise(SIGSEGV);
        },
        ::testing::KilledBySignal(SIGSEGV), "");
    EXPECT_EQ(test::readFile(copyPath()).size(), 2 * MeasRecordBytes) << "written by the signal handler";
    fs::remove(copyPath());
    EXPECT_EXIT(
        {
            InstallRecoveryHandlers();
            uncaught();
        },
        ::testing::KilledBySignal(SIGABRT), "");
    EXPECT_EQ(test::readFile(copyPath()).size(), 2 * MeasRecordBytes) << "written by the terminate handler";
}

TEST_F(RecoveryFixture, CopyIsOfferedAtTheNextStartYesLoadsNoKeepsIt) {
    UpdateRecoveryCopy(list, true);
    ASSERT_TRUE(WriteRecoveryCopy());
    {
        test::ScriptedPrompt script;
        script.expect("Recovered Measurements", Answer::No);
        MeasList fresh;
        EXPECT_EQ(OfferRecoveredMeasurements(user.dir(), fresh), 0);
        EXPECT_TRUE(fresh.IsEmpty());
        EXPECT_FALSE(fs::exists(copyPath()));
        EXPECT_TRUE(fs::exists(user.file(RecoveredFileName))) << "kept for a later Load Data";
    }
    ASSERT_TRUE(WriteRecoveryCopy());
    test::ScriptedPrompt script;
    script.expect("Recovered Measurements", Answer::Yes);
    MeasList fresh;
    EXPECT_EQ(OfferRecoveredMeasurements(user.dir(), fresh), 2);
    EXPECT_EQ(encodedRecords(fresh), encodedRecords(list));
    EXPECT_FALSE(fs::exists(copyPath()));
    EXPECT_NE(script.lastMessage().text.find("2 measurements"), std::string::npos);
    // Nothing left: no question at the start after that.
    EXPECT_EQ(OfferRecoveredMeasurements(user.dir(), fresh), 0);
}

} // namespace
} // namespace solar

// A failing command is reported and the program goes on.
#include "support/Guarded.h"

#include "common/ScriptedPrompt.h"

#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

namespace solar {
namespace {

TEST(Guarded, EscapingFailuresAreReportedAndTheResultPassesThrough) {
    test::ScriptedPrompt script;
    EXPECT_TRUE(RunGuarded([] { return true; }));
    EXPECT_FALSE(RunGuarded([] { return false; }));
    EXPECT_TRUE(script.messages().empty());

    script.expect("Command Failed");
    EXPECT_FALSE(
        RunGuarded([]() -> bool { throw std::runtime_error("Read error in image directory file X"); }));
    EXPECT_EQ(script.lastMessage().text, FailedCommandText("Read error in image directory file X"));
    EXPECT_EQ(script.lastMessage().icon, Icon::Error);
    script.expect("Command Failed");
    EXPECT_FALSE(RunGuarded([]() -> bool {
        std::vector<int> v;
        return v.at(3) == 0;
    }));
    script.expect("Command Failed");
    EXPECT_FALSE(RunGuarded([]() -> bool { throw 42; }));
    EXPECT_NE(script.lastMessage().text.find("An unexpected error occurred."), std::string::npos);
}

} // namespace
} // namespace solar

#include "common/ScriptedPrompt.h"

#include <gtest/gtest.h>

namespace solar::test {

namespace {
const char *buttonsName(Buttons b) {
    switch (b) {
    case Buttons::OK:
        return "OK";
    case Buttons::OKCancel:
        return "OKCancel";
    case Buttons::YesNo:
        return "YesNo";
    case Buttons::YesNoCancel:
        return "YesNoCancel";
    }
    return "?";
}
} // namespace

std::string describe(const PromptCall &c) {
    return c.kind + " [" + c.caption + "] " + c.text + " (" + buttonsName(c.buttons) + ")";
}

ScriptedPrompt::ScriptedPrompt() { setPrompt(this); }

ScriptedPrompt::~ScriptedPrompt() {
    setPrompt(nullptr);
    EXPECT_TRUE(queue_.empty()) << queue_.size() << " scripted answer(s) were never asked for";
}

void ScriptedPrompt::answer(Answer a) { queue_.push_back({"answer", a, {}, false}); }
void ScriptedPrompt::expect(const std::string &caption, Answer a) { queue_.push_back({"answer", a, caption, false}); }
void ScriptedPrompt::answerFile(const std::string &path) { queue_.push_back({"file", Answer::OK, path, false}); }
void ScriptedPrompt::answerFolder(const std::string &folder) {
    queue_.push_back({"folder", Answer::OK, folder, false});
}
void ScriptedPrompt::answerPrint(bool confirmed) { queue_.push_back({"print", Answer::OK, {}, confirmed}); }

ScriptedPrompt::Queued ScriptedPrompt::take(const std::string &kind, const std::string &what) {
    if (queue_.empty()) {
        ADD_FAILURE() << "unexpected prompt: " << what;
        return {kind, Answer::Cancel, {}, false};
    }
    Queued q = queue_.front();
    if (q.kind != kind) {
        ADD_FAILURE() << "prompt " << what << " found a queued " << q.kind << " answer";
        return {kind, Answer::Cancel, {}, false};
    }
    queue_.pop_front();
    return q;
}

std::vector<PromptCall> ScriptedPrompt::messages() const {
    std::vector<PromptCall> out;
    for (const auto &c : calls)
        if (c.kind == "message")
            out.push_back(c);
    return out;
}

const PromptCall &ScriptedPrompt::lastMessage() const {
    static const PromptCall none;
    for (auto it = calls.rbegin(); it != calls.rend(); ++it)
        if (it->kind == "message")
            return *it;
    ADD_FAILURE() << "no message was shown";
    return none;
}

Answer ScriptedPrompt::message(const std::string &caption, const std::string &text, Icon icon, Buttons buttons) {
    PromptCall c{"message", caption, text, icon, buttons, {}};
    calls.push_back(c);
    Queued q = take("answer", describe(c));
    if (!q.text.empty()) {
        EXPECT_EQ(q.text, caption) << "a different message came: " << describe(c);
    }
    return q.answer;
}

void ScriptedPrompt::beep(BeepKind) { calls.push_back({"beep", {}, {}, Icon::None, Buttons::OK, {}}); }

std::optional<std::string> ScriptedPrompt::openFile(const FileDialogSetup &setup) {
    calls.push_back({"open", setup.title, setup.fileName, Icon::None, Buttons::OK, setup});
    Queued q = take("file", "open dialog [" + setup.title + "]");
    if (q.text.empty())
        return std::nullopt;
    return q.text;
}

std::optional<std::string> ScriptedPrompt::saveFile(const FileDialogSetup &setup) {
    calls.push_back({"save", setup.title, setup.fileName, Icon::None, Buttons::OK, setup});
    Queued q = take("file", "save dialog [" + setup.title + "]");
    if (q.text.empty())
        return std::nullopt;
    return q.text;
}

std::optional<std::string> ScriptedPrompt::selectFolder(const std::string &title, const std::string &start,
                                                        bool) {
    calls.push_back({"folder", title, start, Icon::None, Buttons::OK, {}});
    Queued q = take("folder", "folder dialog [" + title + "]");
    if (q.text.empty())
        return std::nullopt;
    return q.text;
}

void ScriptedPrompt::setBusy(bool busy) { busyDepth += busy ? 1 : -1; }
void ScriptedPrompt::requestQuit() { ++quitRequests; }

bool ScriptedPrompt::takePrintAnswer(const std::string &caption) {
    calls.push_back({"print", caption, {}, Icon::None, Buttons::OK, {}});
    return take("print", "print dialog").flag;
}

} // namespace solar::test

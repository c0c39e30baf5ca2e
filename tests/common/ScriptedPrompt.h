#pragma once
// A prompt for tests: every call is recorded, every answer comes from a queue that the test
// fills beforehand. A call with no answer queued, or answers left over at the end, fails the test.

#include "support/Prompt.h"

#include <deque>
#include <string>
#include <vector>

namespace solar::test {

struct PromptCall {
    std::string kind; // "message", "beep", "open", "save", "folder", "print"
    std::string caption;
    std::string text;
    Icon icon = Icon::None;
    Buttons buttons = Buttons::OK;
    FileDialogSetup file; // for open and save
};

class ScriptedPrompt : public Prompt {
public:
    ScriptedPrompt();           // installs itself as the prompt
    ~ScriptedPrompt() override; // restores the default; fails the test if answers are left

    // Queued answers, taken in order. Every message box takes one (plain notices included), so an
    // unexpected box fails the test; `expect` also checks the caption of the box that takes it.
    void answer(Answer a);
    void expect(const std::string &caption, Answer a = Answer::OK);
    void answerFile(const std::string &path); // for open/save dialogs; "" means cancelled
    void answerFolder(const std::string &folder);
    void answerPrint(bool confirmed);

    std::vector<PromptCall> calls;
    int busyDepth = 0;
    int quitRequests = 0;

    // Messages only (beeps and dialogs left out).
    std::vector<PromptCall> messages() const;
    // The last message, failing the test when there is none.
    const PromptCall &lastMessage() const;
    void clear() { calls.clear(); }
    std::size_t pendingAnswers() const { return queue_.size(); }

    Answer message(const std::string &caption, const std::string &text, Icon icon, Buttons buttons) override;
    void beep(BeepKind kind) override;
    std::optional<std::string> openFile(const FileDialogSetup &setup) override;
    std::optional<std::string> saveFile(const FileDialogSetup &setup) override;
    std::optional<std::string> selectFolder(const std::string &title, const std::string &start,
                                            bool allowCreate) override;
    void setBusy(bool busy) override;
    void requestQuit() override;

    // Used by the window flavour for the print dialog.
    bool takePrintAnswer(const std::string &caption);

private:
    struct Queued {
        std::string kind; // "answer", "file", "folder", "print"
        Answer answer = Answer::OK;
        std::string text;
        bool flag = false;
    };
    Queued take(const std::string &kind, const std::string &what);
    std::deque<Queued> queue_;
};

std::string describe(const PromptCall &c);

} // namespace solar::test

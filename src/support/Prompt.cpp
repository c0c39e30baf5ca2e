#include "support/Prompt.h"

namespace solar {
namespace {

// Answers like a user who closes every box: used only before the program installs its own.
class SilentPrompt final : public Prompt {
public:
    Answer message(const std::string &, const std::string &, Icon, Buttons buttons) override {
        return buttons == Buttons::OK ? Answer::OK : (buttons == Buttons::YesNo ? Answer::No : Answer::Cancel);
    }
    void beep(BeepKind) override {}
    std::optional<std::string> openFile(const FileDialogSetup &) override { return std::nullopt; }
    std::optional<std::string> saveFile(const FileDialogSetup &) override { return std::nullopt; }
    std::optional<std::string> selectFolder(const std::string &, const std::string &, bool) override {
        return std::nullopt;
    }
    void setBusy(bool) override {}
    void requestQuit() override {}
};

SilentPrompt silent;
Prompt *current = &silent;

} // namespace

Prompt &prompt() { return *current; }
void setPrompt(Prompt *p) { current = p ? p : &silent; }

} // namespace solar

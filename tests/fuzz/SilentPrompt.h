#pragma once
// A prompt for unattended runs (fuzzing, seed writing): every question is answered OK or Yes,
// every dialog cancelled, and nothing is shown.

#include "support/Prompt.h"

namespace solar::fuzz {

class SilentPrompt final : public Prompt {
public:
    Answer message(const std::string &, const std::string &, Icon, Buttons buttons) override {
        return buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel ? Answer::Yes : Answer::OK;
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

} // namespace solar::fuzz

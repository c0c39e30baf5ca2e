#pragma once
// The window side of the prompt interface: real Qt dialogs, the print dialog, and the one
// place where modal windows of the program are run (so tests can answer them).

#include "support/Prompt.h"

#include <functional>

class QDialog;
class QPrinter;
class QWidget;

namespace solar {

class UiPrompt : public Prompt {
public:
    // Shows the print dialog for `printer`; true when the user confirmed it.
    virtual bool printDialog(QPrinter &printer) = 0;
};

// The ui prompt in force (a QtPrompt unless a test installed another).
UiPrompt &uiPrompt();
void setUiPrompt(UiPrompt *p); // also installs it as the core prompt

class QtPrompt final : public UiPrompt {
public:
    Answer message(const std::string &caption, const std::string &text, Icon icon, Buttons buttons) override;
    void beep(BeepKind kind) override;
    std::optional<std::string> openFile(const FileDialogSetup &setup) override;
    std::optional<std::string> saveFile(const FileDialogSetup &setup) override;
    std::optional<std::string> selectFolder(const std::string &title, const std::string &start,
                                            bool allowCreate) override;
    void setBusy(bool busy) override;
    void requestQuit() override;
    bool printDialog(QPrinter &printer) override;
};

// Runs a modal dialog and returns its result code (QDialog::Accepted / Rejected or a done() value).
// Tests replace the runner to fill in and close dialogs without an event loop.
using ModalRunner = std::function<int(QDialog &)>;
int runModal(QDialog &dialog);
void setModalRunner(ModalRunner runner); // empty runner: QDialog::exec

// Converts a "Desc|*.EXT|Other|*.*" filter into Qt's "Desc (*.EXT);;Other (*.*)".
std::string qtFilter(const std::string &filter);

} // namespace solar

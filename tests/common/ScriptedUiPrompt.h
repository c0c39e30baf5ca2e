#pragma once
// The scripted prompt for window tests: adds the print dialog (a confirmed print goes to a PDF
// file chosen by the test) and answers modal dialogs through a queue of handlers.

#include "common/ScriptedPrompt.h"
#include "support/QtPrompt.h"

#include <QDialog>
#include <deque>
#include <functional>

namespace solar::test {

class ScriptedUiPrompt : public UiPrompt {
public:
    ScriptedUiPrompt();  // installs itself as both prompts and as the modal runner
    ~ScriptedUiPrompt() override;

    ScriptedPrompt script; // queue answers and read calls here

    // Where a confirmed print goes (a PDF file); empty: a temporary file.
    std::string pdfPath;

    // Handlers for modal dialogs, taken in order: each gets the dialog, may fill and click it,
    // and returns the dialog's result. A modal dialog with no handler queued fails the test.
    using DialogHandler = std::function<int(QDialog &)>;
    void onDialog(DialogHandler h) { dialogs_.push_back(std::move(h)); }
    std::vector<std::string> dialogsShown; // class names of the dialogs run modally

    Answer message(const std::string &caption, const std::string &text, Icon icon, Buttons buttons) override {
        return script.message(caption, text, icon, buttons);
    }
    void beep(BeepKind kind) override { script.beep(kind); }
    std::optional<std::string> openFile(const FileDialogSetup &setup) override { return script.openFile(setup); }
    std::optional<std::string> saveFile(const FileDialogSetup &setup) override { return script.saveFile(setup); }
    std::optional<std::string> selectFolder(const std::string &title, const std::string &start,
                                            bool allowCreate) override {
        return script.selectFolder(title, start, allowCreate);
    }
    void setBusy(bool busy) override { script.setBusy(busy); }
    void requestQuit() override { script.requestQuit(); }
    bool printDialog(QPrinter &printer) override;

private:
    int runDialog(QDialog &d);
    std::deque<DialogHandler> dialogs_;
};

} // namespace solar::test

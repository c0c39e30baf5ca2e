#pragma once
// The one way the program talks to the user outside its own windows: message boxes, beeps,
// file and folder dialogs and the busy cursor. The windows install a real implementation;
// tests install a scripted one that records every call and answers from a queue.

#include <optional>
#include <string>

namespace solar {

enum class Icon { None, Error, Stop, Exclamation, Question, Information };
enum class Buttons { OK, OKCancel, YesNo, YesNoCancel };
enum class Answer { OK, Cancel, Yes, No };
enum class BeepKind { Default, Error, Exclamation, Information };

// File dialog set-up. `filter` uses the "Description|*.EXT|Other|*.*" form; `folder` ends in "/".
struct FileDialogSetup {
    std::string title;
    std::string filter;
    std::string defaultExt; // without or with a leading "." / "*."
    std::string fileName;   // proposed name (no folder)
    std::string folder;     // start folder
};

class Prompt {
public:
    virtual ~Prompt() = default;
    virtual Answer message(const std::string &caption, const std::string &text, Icon icon,
                           Buttons buttons) = 0;
    virtual void beep(BeepKind kind) = 0;
    // Full path of the chosen file, or nothing when the dialog was cancelled. A save dialog
    // never asks about overwriting by itself: callers ask their own question.
    virtual std::optional<std::string> openFile(const FileDialogSetup &setup) = 0;
    virtual std::optional<std::string> saveFile(const FileDialogSetup &setup) = 0;
    // Chosen folder ending in "/", or nothing when cancelled.
    virtual std::optional<std::string> selectFolder(const std::string &title, const std::string &start,
                                                    bool allowCreate) = 0;
    virtual void setBusy(bool busy) = 0;
    // Asks the application to end once control returns to its event loop.
    virtual void requestQuit() = 0;
};

// The prompt in force. Never null: before one is installed a silent default answers Cancel/No.
Prompt &prompt();
void setPrompt(Prompt *p);

// Hourglass for the lifetime of the object.
class BusyCursor {
public:
    BusyCursor() { prompt().setBusy(true); }
    ~BusyCursor() { prompt().setBusy(false); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

} // namespace solar

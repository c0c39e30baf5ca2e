#pragma once
// The main window's options, spreadsheet, web and help commands and the hooks they fill in:
// the options dialog (with the instructor's login path), the spreadsheet launcher, the two web
// pages, the help windows and the quit reminder.

#include <memory>
#include <string>

#include <QObject>

namespace solar {

class ExecMod32Obj;
class HelpCenter;
class TSolarRtn;

// What the main window keeps for these commands (a child object of the window).
class ShellExtras : public QObject {
    Q_OBJECT
public:
    explicit ShellExtras(TSolarRtn &window);
    ~ShellExtras() override;
    static ShellExtras &of(TSolarRtn &window);

    std::unique_ptr<ExecMod32Obj> Launcher; // made at the first Spreadsheet
    HelpCenter *Help = nullptr;
};

// Sets the main window's hooks (help list loading, reminder, instructor login); run before the
// window's start-up.
void installShellHooks(TSolarRtn &window);

// Opens the address in the desktop's browser; a failure of the browser is not reported.
void OpenWebPage(const std::string &address);

// The spreadsheet document as the configured program's argument: a name that begins with "-"
// is passed as "./" and the name, so that the program does not take it for an option.
std::string DocumentArgument(const std::string &name);
// The message when no program can open the document (full path) with the association's code.
std::string NoSpreadsheetText(const std::string &document, int code);

// The options dialog on the options object's record; true when it was closed with OK, and then
// the working copy has taken the record and the change is marked.
bool runOptionsDialog(TSolarRtn &window);

} // namespace solar

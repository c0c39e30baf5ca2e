#include "app/ShellCmds.h"

#include "app/ExecMod.h"
#include "app/OptionsDlg.h"
#include "app/Passwd.h"
#include "app/VORN_ROT.h"
#include "support/Helptxt.h"
#include "support/ListText.h"
#include "support/Prompt.h"
#include "support/QtPrompt.h"

#include <QAction>
#include <QDesktopServices>
#include <QMenu>
#include <QUrl>

namespace solar {

ShellExtras::ShellExtras(TSolarRtn &window) : QObject(&window) {
    setObjectName("ShellExtras");
    Help = new HelpCenter(&window);
}

ShellExtras::~ShellExtras() = default;

ShellExtras &ShellExtras::of(TSolarRtn &window) {
    auto *x = window.findChild<ShellExtras *>("ShellExtras", Qt::FindDirectChildrenOnly);
    if (!x)
        x = new ShellExtras(window);
    return *x;
}

void installShellHooks(TSolarRtn &w) {
    ShellExtras &x = ShellExtras::of(w);
    HelpCenter *help = x.Help;
    // The instructors' topics (the answer key among them) only with the options access.
    help->InstructorAccess = [&w] { return w.OptionsAccess; };
    w.LoadMainHelpList = [help](const std::string &path) {
        if (helpState().ActiveList == help->MainList.get())
            helpState().ActiveList = nullptr;
        help->MainList = LoadHelpList(path);
    };
    w.ShowReminder = [](const std::string &path, const std::string &caption) {
        return ShowReminderFile(path, caption);
    };
    w.InstructorLogin = [&w] {
        OptsObj current;
        current.Options = w.Options;
        TPasswordDlg pw(&w);
        pw.SetPassword(current.UnscramblePassword());
        if (!pw.ask())
            return;
        runOptionsDialog(w);
        w.SetupHelpMenu();
        if (!w.Options.TestMode) {
            const Answer a = prompt().message("Retain Options Access?",
                                              "Do you want to retain access to the Options dialog\r\n(via "
                                              "\"File\"->\"Preferences\" from the "
                                              "Main Menu) for\r\nthe remainder of this session?",
                                              Icon::Question, Buttons::YesNo);
            w.OptionsAccess = a == Answer::Yes;
            if (w.OptionsAccess) {
                w.Preferences1->menuAction()->setEnabled(true);
                w.Preferences1->menuAction()->setVisible(true);
                w.PrefSep->setVisible(true);
            }
        }
    };
}

bool runOptionsDialog(TSolarRtn &w) {
    TOptionsDlg dlg(w.OptionsObj, &w);
    if (runModal(dlg) != QDialog::Accepted)
        return false;
    // The working copy's user folder belongs to this run; StartExercise recomputes it when empty.
    const std::string userDir = w.Options.UserDir.str();
    w.Options = w.OptionsObj->Options;
    if (w.Options.UserDir.empty())
        w.Options.UserDir = userDir;
    w.MarkOptionsChanged();
    return true;
}

void OpenWebPage(const std::string &address) {
    BusyCursor busy;
    QDesktopServices::openUrl(QUrl::fromUserInput(QString::fromStdString(address)));
}

std::string DocumentArgument(const std::string &name) {
    // A name that begins with "-" would be read as an option.
    return !name.empty() && name.front() == '-' ? "./" + name : name;
}

std::string NoSpreadsheetText(const std::string &document, int code) {
    std::string what;
    switch (code) {
    case 2:
        what = "The file to open was not found:";
        break;
    case 3:
        what = "The folder of the file to open was not found:";
        break;
    case 11:
        what = "No spreadsheet program is set in the options, and the program this desktop names for "
               "the file's type cannot be started. The file:";
        break;
    default:
        what = "No spreadsheet program is set in the options, and this desktop has no program for "
               "files of this type (CSV). The file:";
        break;
    }
    std::string todo = code == 2 || code == 3
                           ? "Check the file's name and folder and choose it again."
                           : "Start your spreadsheet program yourself and open the file from it. To "
                             "make this command work, the instructor can set a spreadsheet program "
                             "in File > Preferences, or a default program for CSV files on this "
                             "desktop.";
    return what + "\r\n" + document + "\r\n\r\n" + todo +
           "\r\n\r\n(For the instructor: Code = " + std::to_string(code) + AssociationReason(code) + ")";
}

// ---------------------------------------------------------------- main window commands

void TSolarRtn::Parameters1Click() {
    if (!OptionsAccess) {
        prompt().message(
            "USER OPTIONS!",
            "INSTRUCTOR: Many features of this software are controlled by\r\noption switches and "
            "parameters that enable you to tailor the\r\nexercise to your own needs and "
            "preferences.\r\n\r\nSee the technical documentation for details and instructions!",
            Icon::Exclamation, Buttons::OK);
        return;
    }
    if (runOptionsDialog(*this)) {
        SetupHelpMenu();
        ClientArea->update();
    }
    StartExercise();
}

void TSolarRtn::Spreadsheet1Click() {
    FileDialogSetup setup;
    setup.title = "Select data to pass to spreadsheet.";
    setup.filter =
        "Comma-Separated Values (*.CSV)|*.CSV|Excel Spreadsheets (*.XLS)|*.XLS|All Files (*.*)|*.*";
    setup.defaultExt = ".CSV";
    setup.fileName = LastCsvFile;
    setup.folder = LastCsvDir;
    std::string folder, name;
    if (auto chosen = prompt().openFile(setup)) {
        folder = folderPart(*chosen);
        name = fileNamePart(*chosen);
    }
    ShellExtras &x = ShellExtras::of(*this);
    if (!x.Launcher)
        x.Launcher = std::make_unique<ExecMod32Obj>();
    std::string program = Options.SpreadsheetProgram.str();
    std::vector<std::string> args;
    if (program.empty()) {
        const AssociatedProgram assoc = findAssociatedProgram(folder + name);
        if (assoc.code <= 32) {
            prompt().message("Cannot Run Spreadsheet!", NoSpreadsheetText(folder + name, assoc.code),
                             Icon::Exclamation, Buttons::OK);
            return;
        }
        program = assoc.program;
        args = assoc.args;
    } else {
        // The program starts in the file's folder with the file's name alone.
        args = {program};
        if (!name.empty())
            args.push_back(DocumentArgument(name));
    }
    if (x.Launcher->IsRunning(program)) {
        prompt().beep(BeepKind::Default);
        prompt().message(
            "Module Already Loaded",
            "The Spreadsheet Program is Already Running.\r\n\r\nUse Alt-Tab to Scan Current Modules.",
            Icon::Information, Buttons::OK);
        return;
    }
    x.Launcher->Launch(program, args, folder);
    if (!x.Launcher->Started)
        prompt().message("Cannot Run Spreadsheet!",
                         "Unable to Execute " + program + "\r\n\r\n" +
                             "Code = " + std::to_string(x.Launcher->LastError) +
                             ExecMod32Obj::ErrorReason(x.Launcher->LastError),
                         Icon::Exclamation, Buttons::OK);
}

void TSolarRtn::OnHelp1Click() {
    if (Options.OnHelpFile.empty())
        return;
    ShellExtras::of(*this).Help->showSingleTopic("On Help", Options.OnHelpFile.str(),
                                                 Options.InstallDir.str());
}

void TSolarRtn::User1Click() {
    if (Options.UserHelpFile.empty())
        return;
    ShellExtras::of(*this).Help->showSingleTopic("User Help", Options.UserHelpFile.str(),
                                                 Options.InstallDir.str());
}

void TSolarRtn::Topics1Click() {
    HelpCenter *help = ShellExtras::of(*this).Help;
    help->showTopics(help->MainList.get(), Options.InstallDir.str());
}

void TSolarRtn::GONGProject1Click() {
    OpenWebPage(Options.GongUrl.str());
}

void TSolarRtn::ProjectVORN1Click() {
    OpenWebPage(Options.HomeUrl.str());
}

} // namespace solar

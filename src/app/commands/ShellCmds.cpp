#include "app/commands/ShellCmds.h"

#include "app/ExecMod.h"
#include "app/OptionsDlg.h"
#include "app/Passwd.h"
#include "app/VORN_ROT.h"
#include "support/Helptxt.h"
#include "support/ListText.h"
#include "support/Prompt.h"
#include "support/QtPrompt.h"

#include <QAction>
#include <QCoreApplication>
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
            const Answer a = prompt().message(ShellExtras::tr("Retain Options Access?").toStdString(),
                                              ShellExtras::tr("Do you want to retain access to the Options "
                                                              "dialog\r\n(via \"File\"->\"Preferences\" from "
                                                              "the Main Menu) for\r\nthe remainder of this "
                                                              "session?")
                                                  .toStdString(),
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
    QString what;
    switch (code) {
    case 2:
        what = QCoreApplication::translate("solar::ShellExtras", "The file to open was not found:");
        break;
    case 3:
        what = QCoreApplication::translate("solar::ShellExtras",
                                           "The folder of the file to open was not found:");
        break;
    case 11:
        what = QCoreApplication::translate(
            "solar::ShellExtras",
            "No spreadsheet program is set in the options, and the program this desktop "
            "names for the file's type cannot be started. The file:");
        break;
    default:
        what = QCoreApplication::translate(
            "solar::ShellExtras", "No spreadsheet program is set in the options, and this desktop has no "
                                  "program for files of this type (CSV). The file:");
        break;
    }
    const QString todo =
        code == 2 || code == 3
            ? QCoreApplication::translate("solar::ShellExtras",
                                          "Check the file's name and folder and choose it again.")
            : QCoreApplication::translate("solar::ShellExtras",
                                          "Start your spreadsheet program yourself and open the file from "
                                          "it. To make this command work, the instructor can set a "
                                          "spreadsheet program in File > Preferences, or a default "
                                          "program for CSV files on this desktop.");
    return what.toStdString() + "\r\n" + document + "\r\n\r\n" + todo.toStdString() + "\r\n\r\n" +
           QCoreApplication::translate("solar::ShellExtras", "(For the instructor: Code = %1)")
               .arg(QString::fromStdString(std::to_string(code) + AssociationReason(code)))
               .toStdString();
}

// ---------------------------------------------------------------- main window commands

void TSolarRtn::Parameters1Click() {
    if (!OptionsAccess) {
        prompt().message(
            tr("USER OPTIONS!").toStdString(),
            tr("INSTRUCTOR: Many features of this software are controlled by\r\noption switches and "
               "parameters that enable you to tailor the\r\nexercise to your own needs and "
               "preferences.\r\n\r\nSee the technical documentation for details and instructions!")
                .toStdString(),
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
    setup.title = tr("Select data to pass to spreadsheet.").toStdString();
    setup.filter = tr("Comma-Separated Values (*.CSV)").toStdString() + "|*.CSV|" +
                   tr("Excel Spreadsheets (*.XLS)").toStdString() + "|*.XLS|" +
                   tr("All Files (*.*)").toStdString() + "|*.*";
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
            prompt().message(tr("Cannot Run Spreadsheet!").toStdString(),
                             NoSpreadsheetText(folder + name, assoc.code), Icon::Exclamation, Buttons::OK);
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
            tr("Module Already Loaded").toStdString(),
            tr("The Spreadsheet Program is Already Running.\r\n\r\nUse Alt-Tab to Scan Current Modules.")
                .toStdString(),
            Icon::Information, Buttons::OK);
        return;
    }
    x.Launcher->Launch(program, args, folder);
    if (!x.Launcher->Started)
        prompt().message(tr("Cannot Run Spreadsheet!").toStdString(),
                         tr("Unable to Execute %1\r\n\r\nCode = %2")
                             .arg(QString::fromStdString(program),
                                  QString::fromStdString(std::to_string(x.Launcher->LastError) +
                                                         ExecMod32Obj::ErrorReason(x.Launcher->LastError)))
                             .toStdString(),
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

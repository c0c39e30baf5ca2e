// The stages of the exercise on the main window: the login, the start of the exercise (the
// student's folder, the log, the print heading), Run (finding the image database) and the
// commands each stage enables.
#include "app/VORN_ROT.h"

#include "app/LoginDlg.h"
#include "app/MountMsg.h"
#include "app/StrInput.h"
#include "support/PrintHdr.h"
#include "support/QtPrompt.h"
#include "support/StringUt.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <algorithm>
#include <cctype>
#include <filesystem>

namespace fs = std::filesystem;

namespace solar {

namespace {

bool sameNoCase(const std::string &a, const std::string &b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

const char *const CdImageFolder = "Program Files/VORN/Solar Rotation/IMAGES/";

} // namespace

void TSolarRtn::StartExercise() {
    Login1->setEnabled(false);
    if (!ExerciseStarted) {
        LoginRec = LoginRecord{};
        LoginRec.Student1 = "Solar Rotation Module";
        LoginRec.UserFolderName = "SOLRTN";
        DisplayStage = 1;
        ExerciseStarted = true;
        ClientArea->update();
    }
    if (Options.UserDir.empty()) {
        // A login closed without OK leaves no folder name: such a run files under "NOLOG".
        std::string name = SafeFolderName(LoginRec.UserFolderName.str());
        if (name.empty())
            name = "NOLOG";
        // Students of the same name on two machines that share the working folder each get a
        // folder of their own: one in use elsewhere is not taken.
        UserFolder = ClaimUserFolder(Options.WorkDir.str() + "Users/", name);
        const std::string folder = UserFolder.folder.substr(0, 255);
        Options.UserDir = folder;
        std::error_code ec;
        if (!fs::is_directory(folder, ec)) {
            prompt().message(tr("Write-Enabled Storage Required").toStdString(),
                             tr("Unable to create directory \"%1\"\r\n\r\nApplication will terminate!")
                                 .arg(QString::fromStdString(folder))
                                 .toStdString(),
                             Icon::Error, Buttons::OK);
            requestQuit();
        } else if (UserFolder.substitute) {
            prompt().message(
                tr("Student Folder In Use").toStdString(),
                tr("The folder \"%1\" is in use by another login.\r\n\r\nYour files will be kept "
                   "in \"%2\".")
                    .arg(QString::fromStdString(Options.WorkDir.str() + "Users/" + name + "/"),
                         QString::fromStdString(folder))
                    .toStdString(),
                Icon::Information, Buttons::OK);
        }
    }
    if (Options.TestMode) {
        OptionsAccess = true;
        Preferences1->menuAction()->setEnabled(true);
        Preferences1->menuAction()->setVisible(true);
        PrefSep->setVisible(true);
    }
    Run1->setEnabled(true);
    setWindowTitle(tr(MainCaption));

    std::string logPath = Options.LogFileName.str();
    std::replace(logPath.begin(), logPath.end(), '\\', '/');
    if (logPath.find('/') == std::string::npos)
        logPath = Options.WorkDir.str() + logPath;
    // One login, one login entry: a later start (after the options dialog) keeps the log object
    // of the first, whose logout entry then gives the whole time of the run.
    if (!LogFile) {
        logOwner_ = std::make_unique<LogFileObj>();
        LogFile = logOwner_.get();
        LogFile->Setup("VORN_ROT", logPath, &LoginRec);
        LogFile->WriteLogin();
        ReportLogFailure(*LogFile, LogFile->LoginWritten);
    }

    // Every printout is headed by the names and table of this login.
    PrintContext &pc = printContext();
    pc.students[0] = LoginRec.Student1.str();
    pc.students[1] = LoginRec.Student2.str();
    pc.students[2] = LoginRec.Student3.str();
    pc.students[3] = LoginRec.Student4.str();
    pc.labTable = LoginRec.TableNumber.empty() ? Options.LabTable.str() : LoginRec.TableNumber.str();
    if (MeasDataForm)
        OfferRecovery();
}

std::string TSolarRtn::LocateCdromDrive() {
    if (Env.opticalMounts) {
        const auto mounts = Env.opticalMounts();
        if (!mounts.empty())
            return mounts.front();
    }
    TStrIpDlg dlg(this);
    dlg.setWindowTitle(tr("CDROM Drive?"));
    dlg.Label1->setText(tr("Please Enter Folder of CDROM:"));
    dlg.EditStr->setMaxLength(184);
    dlg.EditStr->clear();
    if (runModal(dlg) != QDialog::Accepted)
        return "";
    return withSlash(dlg.EditStr->text().trimmed().toStdString());
}

void TSolarRtn::Run1Click() {
    if (!folderHoldsListFile(Options.ImagePath.str())) {
        bool found = false;
        const std::string installed = installFile("IMAGES/");
        if (folderHoldsListFile(installed)) {
            Options.ImagePath = installed;
            found = true;
        } else {
            // Any mounted medium holding the images; else the one LocateCdromDrive names.
            std::string root, path;
            if (Env.opticalMounts) {
                for (const std::string &m : Env.opticalMounts()) {
                    const std::string p = resolveNoCase(m, CdImageFolder);
                    if (folderHoldsListFile(p)) {
                        root = m;
                        path = p;
                        break;
                    }
                }
            }
            if (root.empty()) {
                root = LocateCdromDrive();
                path = root.empty() ? std::string(CdImageFolder) : resolveNoCase(root, CdImageFolder);
            }
            Options.ImagePath = path;
            if (root.empty() || !folderHoldsListFile(path)) {
                TMountCDROM dlg(this);
                dlg.Path = root;
                dlg.MediaName = tr("Rotation Lab Installation CD-ROM").toStdString();
                dlg.FolderName = tr("Solar Images (IMAGES/)").toStdString();
                dlg.InstallDir = Options.InstallDir.str();
                dlg.FormActivate();
                if (runModal(dlg) != QDialog::Accepted)
                    return;
                if (dlg.Browsed) {
                    Options.ImagePath = dlg.Path;
                    found = true;
                }
            }
        }
        if (found) {
            OptionsObj->Options.ImagePath = Options.ImagePath;
            MarkOptionsChanged();
        }
    }
    Run1->setEnabled(false);
    ImageDatabase1->menuAction()->setEnabled(true);
    MeasurementData1->menuAction()->setEnabled(true);
    DisplayStage = 2;
    StartPicture = QImage();
    for (QWidget *w :
         std::initializer_list<QWidget *>{ImageLbl, ImageList1, DBLbl, ListBox1, SortLbl, SortLed})
        w->show();
    ClientArea->update();
}

void TSolarRtn::ReportLogFailure(const LogFileObj &log, bool written) {
    if (written || log.LogPath.empty() || log.LastIOResult == 0)
        return;
    prompt().message(tr("Log File Error!").toStdString(),
                     tr("Unable to write to the login log!\r\n\r\nFileName: %1\r\n")
                             .arg(QString::fromStdString(log.LogPath))
                             .toStdString() +
                         IOErrorText(log.LastIOResult),
                     Icon::Exclamation, Buttons::OK);
}

void TSolarRtn::EnableDataCommands(bool on) {
    ViewEdit1->setEnabled(on);
    SaveData1->setEnabled(on);
    ClearallData1->setEnabled(on);
    Analysis1->menuAction()->setEnabled(on && Options.RawDataFormat != 0);
}

void TSolarRtn::AfterCsvExport() {
    if (Options.RawDataFormat != 0)
        Analysis1->menuAction()->setEnabled(true);
    Spreadsheet1->setEnabled(true);
}

void TSolarRtn::Login1Click() {
    {
        TLoginDlg dlg(&LoginRec, Options.LabTable.str(), this);
        runModal(dlg);
    }
    if (sameNoCase(LoginRec.Student1.str(), "Instructor") && InstructorLogin)
        InstructorLogin();
    BusyCursor busy;
    DisplayStage = 1;
    ExerciseStarted = true;
    StartExercise();
    ClientArea->update();
}

} // namespace solar

// The main window: start-up checks, the three stages and their pictures, login, the search for
// the image database, the enabling of the command set and the end of the exercise.
#include "analysis/LinrAnal.h"
#include "analysis/RateLat.h"
#include "analysis/RsltsDlg.h"
#include "analysis/RsltsLst.h"
#include "app/About.h"
#include "app/LoginDlg.h"
#include "app/MountMsg.h"
#include "app/StrInput.h"
#include "app/VORN_ROT.h"
#include "common/ScriptedUiPrompt.h"
#include "common/TempDir.h"
#include "measure/MeasDataWin.h"
#include "support/Helptxt.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace solar::test {
namespace {

const std::string DataDir = std::string(SOLARRTN_SOURCE_DIR) + "/data/";

// One machine for one test: an installation folder with the pictures and the cursor, a working
// folder, a fallback folder and a screen of 1024 x 768.
struct Machine {
    TempDir install, work, other;
    std::vector<std::string> mounts;
    int width = 1024, height = 768;

    Machine() {
        QApplication::setQuitOnLastWindowClosed(false);
        for (const char *f :
             {"VORNLOGO.BMP", "SOLRTNSCRN.BMP", "XPXHAIR.CUR", "SOLRTNHLP.LST", "REMINDER.ROT"})
            fs::copy_file(DataDir + f, install.file(f));
        // An empty medium, so that the option defaults find no images and ask nothing.
        fs::create_directories(other.file("cdrom"));
        mounts = {other.dir() + "cdrom/"};
    }
    StartupEnv env() const {
        StartupEnv e;
        e.installDir = install.dir();
        e.currentDir = work.dir();
        e.fallbackDir = other.dir() + "fallback/";
        e.screenWidth = width;
        e.screenHeight = height;
        auto m = mounts;
        e.opticalMounts = [m] { return m; };
        return e;
    }
    // An options file in the working folder: the defaults changed by `change`.
    template <class F> void optionsFile(F change) {
        OptsObj o;
        o.Options.InstallDir = install.dir();
        o.SetDefaults();
        o.Options.ImagePath = other.dir() + "nowhere/";
        change(o.Options);
        const OptionsFileBytes bytes = encodeOptionsFile(o.Options);
        writeFile(work.file("SOLNOPTS.INI"), std::string(bytes.begin(), bytes.end()));
    }
    std::string log() const {
        return fs::exists(work.file("VORNLOG.LOG")) ? readFile(work.file("VORNLOG.LOG")) : "";
    }
};

// Pixel (x, y) of an 8-bit palette BMP read straight from its bytes: 14-byte file header,
// 40-byte info header, 256 BGRx palette entries, rows bottom-up padded to four bytes.
QRgb bmpPixel(const std::string &bytes, int x, int y) {
    auto u32 = [&](int at) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at])) |
               static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8 |
               static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 2])) << 16 |
               static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 3])) << 24;
    };
    const int offset = static_cast<int>(u32(10)), w = static_cast<int>(u32(18)),
              h = static_cast<int>(u32(22));
    const int row = (w + 3) & ~3;
    const auto index = static_cast<unsigned char>(bytes[offset + (h - 1 - y) * row + x]);
    const int entry = 54 + 4 * index;
    return qRgb(static_cast<unsigned char>(bytes[entry + 2]), static_cast<unsigned char>(bytes[entry + 1]),
                static_cast<unsigned char>(bytes[entry]));
}

// What the client area shows, painted the way the window paints it.
QImage painted(TSolarRtn &w) {
    QImage img(634, 436, QImage::Format_RGB32);
    img.fill(qRgb(1, 2, 3));
    QPainter p(&img);
    w.FormPaint(p);
    return img;
}

void expectPicture(TSolarRtn &w, const std::string &file) {
    const std::string bytes = readFile(DataDir + file);
    const QImage img = painted(w);
    for (QPoint pt : {QPoint(0, 0), QPoint(317, 60), QPoint(317, 270), QPoint(600, 400), QPoint(633, 435)})
        EXPECT_EQ(img.pixel(pt) & 0xFFFFFF, bmpPixel(bytes, pt.x(), pt.y()) & 0xFFFFFF)
            << file << " at " << pt.x() << "," << pt.y();
}

bool on(QAction *a) {
    return a->isEnabled();
}
bool on(QMenu *m) {
    return m->menuAction()->isEnabled();
}

int countOf(const std::string &text, const std::string &what) {
    int n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

// Answers the login dialog with a first name and a table, confirming "Login Completed?".
void answerLogin(ScriptedUiPrompt &ui, const QString &name, const QString &table) {
    ui.script.expect("Login Completed?", Answer::Yes);
    ui.onDialog([name, table](QDialog &d) {
        auto &dlg = dynamic_cast<TLoginDlg &>(d);
        dlg.Stud1->setText(name);
        dlg.LabTbl->setText(table);
        dlg.OKBtnClick();
        return dlg.result();
    });
}

// ---------------------------------------------------------------------------------------------

TEST(MainWindowStart, StartsBeforeLoginShowingTheLogoWithTheCrossHairLoaded) {
    Machine m;
    ScriptedUiPrompt ui;
    TSolarRtn w(m.env());
    EXPECT_TRUE(ui.script.messages().empty());
    EXPECT_FALSE(w.QuitRequested);
    EXPECT_EQ(SolarRtn, &w);
    EXPECT_EQ(w.DisplayStage, 0);
    EXPECT_EQ(w.windowTitle(), "VORN Exercise - Rotation of The Sun");
    EXPECT_EQ(w.ClientArea->size(), QSize(634, 436));
    EXPECT_EQ(w.pos(), QPoint(0, 0));
    EXPECT_FALSE(w.windowFlags() & Qt::WindowMaximizeButtonHint);
    expectPicture(w, "VORNLOGO.BMP");
    // The cursor file written by tools/makepictures.py has its hot spot at 16,16 of 32 x 32.
    ASSERT_TRUE(w.CrossHairLoaded);
    EXPECT_EQ(w.CrossHair.hotSpot(), QPoint(16, 16));
    EXPECT_EQ(w.CrossHair.pixmap().size(), QSize(32, 32));
    EXPECT_EQ(w.DataBaseName, "SOLRTN_DATA");
    EXPECT_EQ(w.ImageListBaseName, "SOLRTN_IMAGES");
    EXPECT_TRUE(w.DataSaved);
    EXPECT_TRUE(w.ConfirmClearAll);
    EXPECT_FALSE(w.OptionsAccess);
    EXPECT_TRUE(w.Options.UserDir.empty());
    EXPECT_EQ(w.Options.WorkDir.str(), m.work.dir());
    EXPECT_EQ(w.Options.InstallDir.str(), m.install.dir());
    EXPECT_EQ(w.LogFile, nullptr); // no log entry before the login
    EXPECT_FALSE(fs::exists(m.work.file("VORNLOG.LOG")));
}

TEST(MainWindowStart, ScreenSmallerThan800x600IsRefusedAndQuits) {
    for (QSize screen : {QSize(800, 599), QSize(799, 600)}) {
        Machine m;
        m.width = screen.width();
        m.height = screen.height();
        ScriptedUiPrompt ui;
        ui.script.expect("Screen Resolution Not Adequate!", Answer::OK);
        TSolarRtn w(m.env());
        const PromptCall &c = ui.script.lastMessage();
        EXPECT_EQ(c.icon, Icon::Error);
        EXPECT_EQ(c.buttons, Buttons::OK);
        EXPECT_NE(c.text.find("\r\nWith a Screen Resolution of Less Than 800x600 Pixels!\r\n\r\n"
                              "See Windows Help for information on changing the screen resolution."),
                  std::string::npos);
        EXPECT_EQ(ui.script.quitRequests, 1);
        EXPECT_TRUE(w.QuitRequested);
    }
    Machine m;
    m.width = 800;
    m.height = 600;
    ScriptedUiPrompt ui;
    TSolarRtn w(m.env());
    EXPECT_TRUE(ui.script.messages().empty());
    EXPECT_EQ(ui.script.quitRequests, 0);
    EXPECT_FALSE(w.QuitRequested);
}

TEST(MainWindowStart, DemonstrationModeStartsTheExerciseAtOnceAndClosesWithoutAsking) {
    Machine m;
    m.optionsFile([](OptionsRecord &o) { o.LoginRequired = false; });
    {
        ScriptedUiPrompt ui;
        TSolarRtn w(m.env());
        EXPECT_TRUE(ui.script.messages().empty());
        EXPECT_EQ(w.DisplayStage, 1);
        EXPECT_TRUE(w.ExerciseStarted);
        EXPECT_TRUE(w.OptionsAccess);
        EXPECT_EQ(w.LoginRec.Student1.str(), "Solar Rotation Module");
        EXPECT_EQ(w.LoginRec.UserFolderName.str(), "SOLRTN");
        EXPECT_EQ(w.Options.UserDir.str(), m.work.dir() + "Users/SOLRTN/");
        EXPECT_TRUE(fs::is_directory(m.work.file("Users/SOLRTN")));
        EXPECT_FALSE(on(w.Login1));
        EXPECT_TRUE(on(w.Run1));
        expectPicture(w, "SOLRTNSCRN.BMP");
        EXPECT_TRUE(w.PictureLoaded);
        w.show();
        EXPECT_TRUE(w.close()); // no quit question queued: any box fails the test
    }
    const std::string log = m.log();
    EXPECT_EQ(log.rfind("Login: VORN_ROT\r\n", 0), 0u);
    EXPECT_NE(log.find("Name1: Solar Rotation Module\r\n"), std::string::npos);
    EXPECT_NE(log.find("Logout: VORN_ROT\r\n"), std::string::npos);
    EXPECT_NE(log.find("EndLogout: VORN_ROT\r\n"), std::string::npos);
}

TEST(MainWindowStart, UserFolderThatCannotBeMadeEndsTheProgram) {
    Machine m;
    m.optionsFile([](OptionsRecord &o) { o.LoginRequired = false; });
    writeFile(m.work.file("Users"), "a file where the folder should be");
    ScriptedUiPrompt ui;
    ui.script.expect("Write-Enabled Storage Required", Answer::OK);
    TSolarRtn w(m.env());
    EXPECT_EQ(ui.script.lastMessage().text, "Unable to create directory \"" + m.work.dir() +
                                                "Users/SOLRTN/\"\r\n\r\nApplication will terminate!");
    EXPECT_EQ(ui.script.lastMessage().icon, Icon::Error);
    EXPECT_EQ(ui.script.quitRequests, 1);
    EXPECT_TRUE(w.QuitRequested);
}

TEST(MainWindowLogin, LoginStartsTheExerciseWithTitlePictureAndLogEntry) {
    Machine m;
    ScriptedUiPrompt ui;
    TSolarRtn w(m.env());
    answerLogin(ui, "Aaa Bbb Ccccc", "7");
    w.Login1Click();
    EXPECT_EQ(ui.dialogsShown, std::vector<std::string>{"solar::TLoginDlg"});
    EXPECT_EQ(w.DisplayStage, 1);
    EXPECT_TRUE(w.ExerciseStarted);
    EXPECT_FALSE(on(w.Login1));
    EXPECT_TRUE(on(w.Run1));
    EXPECT_FALSE(w.OptionsAccess);
    // "A" + "Ccccc": the first letter and the word after the last blank.
    EXPECT_EQ(w.Options.UserDir.str(), m.work.dir() + "Users/ACcccc/");
    EXPECT_TRUE(fs::is_directory(m.work.file("Users/ACcccc")));
    expectPicture(w, "SOLRTNSCRN.BMP");
    const std::string log = m.log();
    EXPECT_EQ(log.rfind("Login: VORN_ROT\r\nDate: ", 0), 0u);
    EXPECT_NE(log.find("\r\nName1: Aaa Bbb Ccccc\r\nName2: \r\nName3: \r\nName4: \r\nTable: 7\r\nEndLogin: "
                       "VORN_ROT\r\n"),
              std::string::npos);
    EXPECT_EQ(log.find("Logout"), std::string::npos);
}

TEST(MainWindowLogin, LoginWindowClosedWithoutOkFilesTheRunUnderNolog) {
    Machine m;
    ScriptedUiPrompt ui;
    TSolarRtn w(m.env());
    ui.onDialog([](QDialog &) { return int(QDialog::Rejected); }); // the title-bar close box
    w.Login1Click();
    EXPECT_EQ(w.DisplayStage, 1);
    EXPECT_TRUE(w.LoginRec.Student1.empty());
    EXPECT_EQ(w.Options.UserDir.str(), m.work.dir() + "Users/NOLOG/");
    EXPECT_TRUE(fs::is_directory(m.work.file("Users/NOLOG")));
}

TEST(MainWindowLogin, InstructorNameInAnyCaseTakesTheInstructorPath) {
    Machine m;
    ScriptedUiPrompt ui;
    TSolarRtn w(m.env());
    int instructorRuns = 0;
    w.InstructorLogin = [&] { ++instructorRuns; };
    answerLogin(ui, "instructor", "");
    w.Login1Click();
    EXPECT_EQ(instructorRuns, 1);
    EXPECT_EQ(w.DisplayStage, 1); // and the exercise starts all the same
    EXPECT_TRUE(on(w.Run1));
}

TEST(MainWindowLogin, TestModeGrantsOptionsAccessAndShowsPreferences) {
    Machine m;
    m.optionsFile([](OptionsRecord &o) { o.TestMode = true; });
    ScriptedUiPrompt ui;
    TSolarRtn w(m.env());
    EXPECT_FALSE(w.PrefSep->isVisible());
    answerLogin(ui, "Ann Lee", "");
    w.Login1Click();
    EXPECT_TRUE(w.OptionsAccess);
    EXPECT_TRUE(w.PrefSep->isVisible());
    EXPECT_TRUE(on(w.Preferences1));
}

TEST(MainWindowLogin, LogFileWithAFolderIsTakenAsGivenAPlainNameLiesInTheWorkingFolder) {
    Machine m;
    const std::string elsewhere = m.other.dir() + "class.log";
    m.optionsFile([&](OptionsRecord &o) {
        o.LoginRequired = false;
        o.LogFileName = elsewhere;
    });
    ScriptedUiPrompt ui;
    TSolarRtn w(m.env());
    EXPECT_EQ(w.LogFile->LogPath, elsewhere);
    EXPECT_NE(readFile(elsewhere).find("Login: VORN_ROT"), std::string::npos);
    EXPECT_FALSE(fs::exists(m.work.file("VORNLOG.LOG")));
}

// ---------------------------------------------------------------------------------------------

TEST(MainWindowRun, ImagesInTheInstallationFolderAreFoundAndOfferedForSaving) {
    Machine m;
    m.optionsFile([](OptionsRecord &) {}); // image path: an empty folder
    fs::create_directories(m.install.file("IMAGES"));
    writeFile(m.install.file("IMAGES/x20010101list.txt"), "");
    ScriptedUiPrompt ui;
    TSolarRtn w(m.env());
    answerLogin(ui, "Ann Lee", "");
    w.Login1Click();

    ui.script.expect("Save Option Changes?", Answer::No);
    w.Run1Click();
    EXPECT_TRUE(ui.dialogsShown.size() == 1); // the login only: no media dialog
    EXPECT_EQ(ui.script.lastMessage().text, "Save Updated Parameters in " + m.work.dir() + "SOLNOPTS.INI?");
    EXPECT_EQ(w.Options.ImagePath.str(), m.install.dir() + "IMAGES/");
    EXPECT_EQ(w.OptionsObj->Options.ImagePath.str(), m.install.dir() + "IMAGES/");
    EXPECT_TRUE(w.OptionsChangesPending());
    EXPECT_TRUE(on(w.SaveUpdates1));
    EXPECT_EQ(w.DisplayStage, 2);
    EXPECT_FALSE(on(w.Run1));
    EXPECT_FALSE(w.ListBox1->isHidden());
    EXPECT_FALSE(w.ImageList1->isHidden());
    EXPECT_FALSE(w.SortLed->isHidden());
    EXPECT_FALSE(w.DBLbl->isHidden());
    EXPECT_TRUE(w.StartPicture.isNull());

    // The end: the reminder (OK quits), then the pending options.
    ui.script.expect("** Exercise Finished? **", Answer::OK);
    ui.script.expect("Save Option Changes?", Answer::Yes);
    w.show();
    EXPECT_TRUE(w.close());
    EXPECT_FALSE(w.OptionsChangesPending());
    EXPECT_FALSE(on(w.SaveUpdates1));
    // ImagePath lies at offset 1304 of the options file: a length byte and 255 characters.
    const std::string file = readFile(m.work.file("SOLNOPTS.INI"));
    ASSERT_EQ(file.size(), 2148u);
    const std::string expected = m.install.dir() + "IMAGES/";
    EXPECT_EQ(static_cast<unsigned char>(file[1304]), expected.size());
    EXPECT_EQ(file.substr(1305, expected.size()), expected);
    EXPECT_NE(m.log().find("Logout: VORN_ROT"), std::string::npos);
}

TEST(MainWindowRun, ValidImagePathAsksNothing) {
    Machine m;
    fs::create_directories(m.other.file("db"));
    writeFile(m.other.file("db/SUNLIST.TXT"), "");
    m.optionsFile([&](OptionsRecord &o) {
        o.LoginRequired = false;
        o.ImagePath = m.other.dir() + "db/";
    });
    ScriptedUiPrompt ui;
    TSolarRtn w(m.env());
    w.Run1Click();
    EXPECT_TRUE(ui.script.calls.empty());
    EXPECT_EQ(w.DisplayStage, 2);
    EXPECT_EQ(w.Options.ImagePath.str(), m.other.dir() + "db/");
    EXPECT_FALSE(w.OptionsChangesPending());
}

TEST(MainWindowRun, MountedMediumHoldingTheImagesIsTakenWithoutAsking) {
    Machine m;
    // The disc's folders in another case than the program names them.
    const std::string disc = m.other.dir() + "disc/";
    fs::create_directories(disc + "program files/vorn/Solar Rotation/images");
    writeFile(disc + "program files/vorn/Solar Rotation/images/Sun_List.Txt", "");
    m.mounts = {m.other.dir() + "cdrom/", disc};
    m.optionsFile([](OptionsRecord &o) { o.LoginRequired = false; });
    ScriptedUiPrompt ui;
    TSolarRtn w(m.env());
    w.Run1Click();
    EXPECT_TRUE(ui.script.calls.empty());
    EXPECT_TRUE(ui.dialogsShown.empty());
    EXPECT_EQ(w.Options.ImagePath.str(), disc + "program files/vorn/Solar Rotation/images/");
    EXPECT_EQ(w.DisplayStage, 2);
}

TEST(MainWindowRun, NothingFoundAsksForTheMediumAndCancelStaysInStageOne) {
    Machine m;
    m.optionsFile([](OptionsRecord &o) { o.LoginRequired = false; });
    m.mounts.clear();
    ScriptedUiPrompt ui;
    TSolarRtn w(m.env());

    ui.onDialog([](QDialog &d) {
        auto &s = dynamic_cast<TStrIpDlg &>(d);
        EXPECT_EQ(s.windowTitle(), "CDROM Drive?");
        EXPECT_EQ(s.Label1->text(), "Please Enter Folder of CDROM:");
        EXPECT_TRUE(s.EditStr->text().isEmpty());
        return int(QDialog::Rejected);
    });
    ui.onDialog([](QDialog &d) {
        auto &mount = dynamic_cast<TMountCDROM &>(d);
        EXPECT_EQ(mount.Memo1->toPlainText(),
                  "Please mount Rotation Lab Installation CD-ROM on drive indicated, or supply correct path "
                  "to Solar Images (IMAGES/).");
        EXPECT_TRUE(mount.CDRPathEd->text().isEmpty());
        return int(QDialog::Rejected);
    });
    w.Run1Click();
    EXPECT_EQ(ui.dialogsShown, (std::vector<std::string>{"solar::TStrIpDlg", "solar::TMountCDROM"}));
    EXPECT_EQ(w.DisplayStage, 1);
    EXPECT_TRUE(on(w.Run1));
    EXPECT_FALSE(on(w.ImageDatabase1));
    EXPECT_TRUE(w.ListBox1->isHidden());
    EXPECT_FALSE(w.OptionsChangesPending());

    // Again: the medium's folder typed in, then a folder browsed in the media dialog.
    const std::string typed = m.other.dir() + "disc";
    const std::string browsed = m.other.dir() + "picked/";
    fs::create_directories(typed);
    ui.onDialog([typed](QDialog &d) {
        auto &s = dynamic_cast<TStrIpDlg &>(d);
        s.EditStr->setText(QString::fromStdString(typed));
        return int(QDialog::Accepted);
    });
    ui.onDialog([&](QDialog &d) {
        auto &mount = dynamic_cast<TMountCDROM &>(d);
        EXPECT_EQ(mount.CDRPathEd->text().toStdString(), typed + "/");
        mount.CDRPathEdDblClick();
        mount.OKBtnClick();
        return mount.result();
    });
    ui.script.answerFolder(browsed); // taken by the double-click in the media dialog
    ui.script.expect("Save Option Changes?", Answer::No);
    w.Run1Click();
    EXPECT_EQ(w.Options.ImagePath.str(), browsed);
    EXPECT_EQ(w.OptionsObj->Options.ImagePath.str(), browsed);
    EXPECT_TRUE(w.OptionsChangesPending());
    EXPECT_EQ(w.DisplayStage, 2);
}

TEST(MainWindowRun, MediaDialogClosedWithOkWithoutBrowsingGoesOnButChangesNoOption) {
    Machine m;
    m.optionsFile([](OptionsRecord &o) { o.LoginRequired = false; });
    ScriptedUiPrompt ui;
    TSolarRtn w(m.env());
    ui.onDialog([](QDialog &d) {
        auto &mount = dynamic_cast<TMountCDROM &>(d);
        mount.OKBtnClick();
        return mount.result();
    });
    w.Run1Click();
    EXPECT_EQ(ui.dialogsShown, std::vector<std::string>{"solar::TMountCDROM"});
    EXPECT_EQ(w.Options.ImagePath.str(), m.other.dir() + "cdrom/Program Files/VORN/Solar Rotation/IMAGES/");
    EXPECT_FALSE(w.OptionsChangesPending());
    EXPECT_EQ(w.DisplayStage, 2);
}

// ---------------------------------------------------------------------------------------------

TEST(MainWindowCommands, EnablingFollowsTheStages) {
    Machine m;
    fs::create_directories(m.other.file("db"));
    writeFile(m.other.file("db/alist.txt"), "");
    m.optionsFile([&](OptionsRecord &o) { o.ImagePath = m.other.dir() + "db/"; });
    ScriptedUiPrompt ui;
    TSolarRtn w(m.env());
    // Stage 0: Login, Preferences, Help and Exit.
    EXPECT_TRUE(on(w.Login1));
    EXPECT_TRUE(on(w.Preferences1));
    EXPECT_TRUE(on(w.Parameters1));
    EXPECT_FALSE(on(w.SaveUpdates1));
    EXPECT_TRUE(on(w.Exit1));
    EXPECT_TRUE(on(w.Help1));
    EXPECT_TRUE(on(w.AboutThisExercise1));
    EXPECT_FALSE(on(w.Run1));
    EXPECT_FALSE(on(w.ImageDatabase1));
    EXPECT_FALSE(on(w.MeasurementData1));
    EXPECT_FALSE(on(w.Images1));
    EXPECT_FALSE(on(w.Analysis1));
    EXPECT_FALSE(w.N1->isVisible());
    EXPECT_FALSE(w.PrefSep->isVisible());

    answerLogin(ui, "Ann Lee", "");
    w.Login1Click();
    // Stage 1: Run; Login off for good.
    EXPECT_TRUE(on(w.Run1));
    EXPECT_FALSE(on(w.Login1));
    EXPECT_FALSE(on(w.ImageDatabase1));

    w.Run1Click();
    // Stage 2: the two data menus with their design states inside.
    EXPECT_FALSE(on(w.Run1));
    EXPECT_FALSE(on(w.Login1));
    EXPECT_TRUE(on(w.ImageDatabase1));
    EXPECT_TRUE(on(w.MeasurementData1));
    EXPECT_TRUE(on(w.Load1));
    EXPECT_TRUE(on(w.Load3));
    for (QAction *a :
         {w.Search1, w.Print1, w.SelectAll1, w.LoadSelected1, w.ViewEdit1, w.SaveData1, w.ClearallData1,
          w.ResultsList1, w.Spreadsheet1, w.Paste1, w.PasteLast1, w.AnimateOff1})
        EXPECT_FALSE(on(a)) << a->text().toStdString();
    EXPECT_FALSE(on(w.ImageListMenu1));
    EXPECT_FALSE(on(w.Images1));
    EXPECT_FALSE(on(w.Animation1));
    EXPECT_FALSE(on(w.Analysis1));
}

TEST(MainWindowCommands, PopupTwinsChangeWithTheirMenuItems) {
    Machine m;
    ScriptedUiPrompt ui;
    TSolarRtn w(m.env());
    // The loaded-image pop-up holds the very Images actions.
    const QList<QAction *> popup1 = w.PopupMenu1->actions();
    EXPECT_EQ(popup1, (QList<QAction *>{w.DisplayImage1, w.SortImageList1, w.Cut1, w.Paste1, w.PasteLast1,
                                        w.ClearAllImages1}));
    // The database pop-up has its own captions, kept in step.
    QStringList captions;
    for (QAction *a : w.PopupMenu2->actions())
        captions << a->text();
    EXPECT_EQ(captions,
              (QStringList{"Select &All", "&Load Selected Image(s)", "&Search List...", "&Print List..."}));
    const std::pair<QAction *, QAction *> twins[] = {{w.SelectAll1, w.SelectAll2},
                                                     {w.LoadSelected1, w.LoadSelected2},
                                                     {w.Search1, w.Search2},
                                                     {w.Print1, w.Print2}};
    for (auto [item, twin] : twins) {
        EXPECT_FALSE(twin->isEnabled());
        item->setEnabled(true);
        EXPECT_TRUE(twin->isEnabled());
        item->setEnabled(false);
        EXPECT_FALSE(twin->isEnabled());
    }
}

TEST(MainWindowCommands, DataCommandsOpenTheAnalysisOnlyBeyondPixels) {
    for (int format : {0, 1, 2}) {
        Machine m;
        m.optionsFile([format](OptionsRecord &o) { o.RawDataFormat = static_cast<std::uint8_t>(format); });
        ScriptedUiPrompt ui;
        TSolarRtn w(m.env());
        w.EnableDataCommands(true);
        EXPECT_TRUE(on(w.ViewEdit1) && on(w.SaveData1) && on(w.ClearallData1));
        EXPECT_EQ(on(w.Analysis1), format != 0) << "format " << format;
        w.EnableDataCommands(false);
        EXPECT_FALSE(on(w.ViewEdit1) || on(w.SaveData1) || on(w.ClearallData1) || on(w.Analysis1));
        w.AfterCsvExport();
        EXPECT_TRUE(on(w.Spreadsheet1));
        EXPECT_EQ(on(w.Analysis1), format != 0) << "format " << format;
        // A data list report that wrote no file leaves Spreadsheet off.
        w.MeasDataForm->hooks().csvExported(false, "", "");
        EXPECT_FALSE(on(w.Spreadsheet1));
    }
}

TEST(MainWindowCommands, HelpMenuFollowsTheHelpOptions) {
    Machine m;
    m.optionsFile([](OptionsRecord &o) {
        o.OnHelpFile = "";
        o.UserHelpFile = "USERHELP.TXT";
        o.MainHelpList = "";
    });
    ScriptedUiPrompt ui;
    TSolarRtn w(m.env());
    EXPECT_FALSE(w.OnHelp1->isVisible());
    EXPECT_FALSE(on(w.OnHelp1));
    EXPECT_FALSE(w.OnHelpSep->isVisible());
    EXPECT_TRUE(w.User1->isVisible());
    EXPECT_TRUE(on(w.User1));
    EXPECT_TRUE(w.UserSep->isVisible());
    EXPECT_FALSE(on(w.Topics1));
    EXPECT_TRUE(w.Topics1->isVisible());

    std::vector<std::string> loaded;
    w.LoadMainHelpList = [&](const std::string &path) { loaded.push_back(path); };
    w.Options.MainHelpList = "SOLRTNHLP.LST";
    w.Options.OnHelpFile = "ONHELP.TXT";
    w.SetupHelpMenu();
    EXPECT_TRUE(on(w.Topics1));
    EXPECT_TRUE(w.OnHelp1->isVisible() && on(w.OnHelp1) && w.OnHelpSep->isVisible());
    EXPECT_EQ(loaded, std::vector<std::string>{m.install.dir() + "SOLRTNHLP.LST"});
}

TEST(MainWindowCommands, AboutBoxSaysWhereTheProgramWrites) {
    Machine m;
    ScriptedUiPrompt ui;
    TSolarRtn w(m.env());
    QString shown;
    ui.onDialog([&](QDialog &d) {
        shown = dynamic_cast<TAboutBox &>(d).Folders->text();
        return int(QDialog::Accepted);
    });
    w.AboutThisExercise1Click();
    EXPECT_TRUE(shown.contains(QString::fromStdString(m.work.dir()))) << shown.toStdString();
}

TEST(MainWindowCommands, HelpTopicsOfferTheInstructorsGuideOnlyWithOptionsAccess) {
    for (const bool testMode : {false, true}) {
        SCOPED_TRACE(testMode ? "test mode" : "student");
        Machine m;
        m.optionsFile([&](OptionsRecord &o) { o.TestMode = testMode; });
        ScriptedUiPrompt ui;
        TSolarRtn w(m.env());
        answerLogin(ui, "Ann Lee", "");
        w.Login1Click();
        ASSERT_EQ(w.OptionsAccess, testMode);
        QStringList rows;
        ui.onDialog([&](QDialog &d) {
            auto &dlg = dynamic_cast<THelpLstDlg &>(d);
            for (int i = 0; i < dlg.HlpLstBox->count(); ++i)
                rows << dlg.HlpLstBox->item(i)->text().trimmed();
            return int(QDialog::Rejected);
        });
        w.Topics1Click();
        ASSERT_TRUE(rows.contains("-Student's Guide-"));
        EXPECT_TRUE(rows.contains("Why Sunspots?"));
        for (const char *instructors :
             {"-Instructor's Guide-", "The Answer Key", "Software Options", "Instructor Access and Password"})
            EXPECT_EQ(rows.contains(instructors), testMode) << instructors;
        if (!testMode) {
            EXPECT_FALSE(rows.last().isEmpty()) << "no separator left at the end";
        }
    }
}

// ---------------------------------------------------------------------------------------------

TEST(MainWindowClose, UnsavedDataCancelKeepsTheProgramNoGoesOnToTheQuitQuestion) {
    Machine m;
    ScriptedUiPrompt ui;
    TSolarRtn w(m.env());
    answerLogin(ui, "Ann Lee", "");
    w.Login1Click();
    w.show();
    w.DataSaved = false;

    ui.script.expect("Data Will Be Lost!", Answer::Cancel);
    EXPECT_FALSE(w.close());
    const PromptCall &c = ui.script.lastMessage();
    EXPECT_EQ(c.text, "You have not saved your measurement data!\r\n\r\nDo you want to save it now?");
    EXPECT_EQ(c.buttons, Buttons::YesNoCancel);
    EXPECT_EQ(c.icon, Icon::Question);
    EXPECT_FALSE(w.CloseConfirmed);

    // No to saving, No to quitting: still open, nothing logged out.
    ui.script.expect("Data Will Be Lost!", Answer::No);
    ui.script.expect("** Exercise Finished? **", Answer::No);
    EXPECT_FALSE(w.close());
    EXPECT_EQ(ui.script.lastMessage().text, "Are You Sure You Want to Quit This Exercise?");
    EXPECT_EQ(ui.script.lastMessage().icon, Icon::Stop);
    EXPECT_EQ(ui.script.lastMessage().buttons, Buttons::YesNo);
    EXPECT_EQ(m.log().find("Logout"), std::string::npos);

    // No to saving, Yes to quitting: closes without saving and writes the logout entry once.
    ui.script.expect("Data Will Be Lost!", Answer::No);
    ui.script.expect("** Exercise Finished? **", Answer::Yes);
    EXPECT_TRUE(w.close());
    EXPECT_TRUE(w.CloseConfirmed);
    const std::string log = m.log();
    EXPECT_EQ(countOf(log, "\nLogout: VORN_ROT\r\n"), 1);
    EXPECT_NE(log.find("Elapsed Time: "), std::string::npos);
    EXPECT_EQ(w.LogFile, nullptr);
}

TEST(MainWindowClose, SavingAtCloseThatIsCancelledKeepsTheProgramAndTheData) {
    Machine m;
    ScriptedUiPrompt ui;
    TSolarRtn w(m.env());
    answerLogin(ui, "Ann Lee", "");
    w.Login1Click();
    w.show();
    MeasRec rec;
    rec.ID = "A";
    rec.Time = 38418.5;
    w.MeasDataForm->list().Insert(rec);
    w.DataSaved = false;
    w.EnableDataCommands(true);
    EXPECT_TRUE(on(w.SaveData1));

    // Yes to saving, then the file dialog cancelled: the window stays with its data.
    ui.script.expect("Data Will Be Lost!", Answer::Yes);
    ui.script.answerFile("");
    EXPECT_FALSE(w.close());
    EXPECT_FALSE(w.DataSaved);
    EXPECT_EQ(w.MeasDataForm->list().Count(), 1);

    // Yes again and a file chosen: written (one 93-byte record), then the quit question.
    const std::string target = w.Options.UserDir.str() + "RUN1.DAT";
    ui.script.expect("Data Will Be Lost!", Answer::Yes);
    ui.script.answerFile(target);
    ui.script.expect("Data File Written");
    ui.script.expect("** Exercise Finished? **", Answer::Yes);
    EXPECT_TRUE(w.close());
    EXPECT_TRUE(w.DataSaved);
    EXPECT_EQ(fs::file_size(target), 93u);
    EXPECT_EQ(w.LastDataSaveFile, "RUN1.DAT");
}

TEST(MainWindowCommands, ClearAllDataEmptiesTheListAndDisablesTheDataCommands) {
    Machine m;
    m.optionsFile([](OptionsRecord &o) { o.LoginRequired = false; });
    ScriptedUiPrompt ui;
    TSolarRtn w(m.env());
    MeasRec rec;
    rec.ID = "B";
    w.MeasDataForm->list().Insert(rec);
    w.EnableDataCommands(true);
    ASSERT_TRUE(on(w.ClearallData1));
    ui.script.expect("Data Cleared");
    w.ClearallData1->trigger();
    EXPECT_TRUE(w.MeasDataForm->list().IsEmpty());
    EXPECT_FALSE(on(w.ClearallData1));
    EXPECT_FALSE(on(w.SaveData1));
    EXPECT_FALSE(on(w.ViewEdit1));
    EXPECT_FALSE(on(w.Analysis1));
}

TEST(MainWindowClose, UnrecordedSineResultMustBeRecordedBeforeClosing) {
    Machine m;
    m.optionsFile([](OptionsRecord &o) { o.LoginRequired = false; });
    ScriptedUiPrompt ui;
    TSolarRtn w(m.env());
    w.show();
    bool pending = true;
    int records = 0;
    w.SineResultPending = [&] { return pending; };
    w.RecordSineResult = [&] { ++records; }; // the record dialog cancelled: still pending

    ui.script.expect("Result Not Recorded!", Answer::Yes);
    EXPECT_FALSE(w.close());
    EXPECT_EQ(records, 1);
    EXPECT_EQ(ui.script.lastMessage().text,
              "You have not recorded your current result!\r\n\r\nDo you want to record it now?");

    ui.script.expect("Result Not Recorded!", Answer::Cancel);
    EXPECT_FALSE(w.close());
    EXPECT_EQ(records, 1);

    w.RecordSineResult = [&] {
        ++records;
        pending = false;
    };
    ui.script.expect("Result Not Recorded!", Answer::Yes);
    EXPECT_TRUE(w.close()); // demonstration mode: no quit question
    EXPECT_EQ(records, 2);
}

TEST(MainWindowClose, ReminderIsShownOnlyWhenRunning) {
    Machine m;
    fs::create_directories(m.other.file("db"));
    writeFile(m.other.file("db/alist.txt"), "");
    m.optionsFile([&](OptionsRecord &o) { o.ImagePath = m.other.dir() + "db/"; });
    ScriptedUiPrompt ui;
    TSolarRtn w(m.env());
    answerLogin(ui, "Ann Lee", "");
    w.Login1Click();
    w.show();
    std::vector<std::string> reminders;
    std::optional<Answer> reminderAnswer = Answer::Cancel;
    w.ShowReminder = [&](const std::string &path, const std::string &caption) {
        reminders.push_back(path + "|" + caption);
        return reminderAnswer;
    };
    // Stage 1: never the reminder, only the quit question.
    ui.script.expect("** Exercise Finished? **", Answer::No);
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(reminders.empty());

    w.Run1Click();
    // Stage 2: the reminder's Cancel stays, its OK closes; no quit question when it was shown.
    EXPECT_FALSE(w.close());
    ASSERT_EQ(reminders.size(), 1u);
    EXPECT_EQ(reminders[0], m.install.dir() + "REMINDER.ROT|** Exercise Finished? **");
    // A reminder that could not be shown is followed by the quit question.
    reminderAnswer = std::nullopt;
    ui.script.expect("** Exercise Finished? **", Answer::No);
    EXPECT_FALSE(w.close());
    reminderAnswer = Answer::OK;
    EXPECT_TRUE(w.close());
    EXPECT_EQ(reminders.size(), 3u);
}

TEST(MainWindowClose, ExitCommandRunsTheCloseQuestions) {
    Machine m;
    ScriptedUiPrompt ui;
    TSolarRtn w(m.env());
    w.show();
    int ends = 0;
    QObject::connect(&w, &TSolarRtn::exerciseClosed, [&] { ++ends; });
    ui.script.expect("** Exercise Finished? **", Answer::No);
    w.Exit1->trigger();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(ends, 0);
    ui.script.expect("** Exercise Finished? **", Answer::Yes);
    w.Exit1->trigger();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(ends, 1); // the program ends even while other windows are open
}

TEST(MainWindowCommands, RecordedResultEnablesTheListAndItsCsvTheSpreadsheet) {
    for (int format : {0, 2}) {
        Machine m;
        m.optionsFile([format](OptionsRecord &o) {
            o.LoginRequired = false;
            o.RawDataFormat = static_cast<std::uint8_t>(format);
            o.ComputeSynodic = true;
        });
        ScriptedUiPrompt ui;
        TSolarRtn w(m.env());
        EXPECT_FALSE(on(w.ResultsList1));
        EXPECT_FALSE(on(w.RateLatitude1));
        RsltsRec rec;
        rec.SpotID = "A";
        rec.RtnRate = 12.0L;
        ui.onDialog([format](QDialog &d) {
            auto &dlg = dynamic_cast<TRsltsForm1 &>(d);
            // The dialog reads the options: the period follows from the rate only for longitudes.
            EXPECT_EQ(dlg.PrdEd->text().toStdString(), format == 2 ? "30.00000" : "");
            dlg.OKBtn->click();
            return dlg.result();
        });
        ASSERT_TRUE(RecordResult(&w, rec));
        EXPECT_TRUE(on(w.ResultsList1));
        EXPECT_TRUE(on(w.RateLatitude1));
        w.RateLatitude1Click();
        ASSERT_NE(w.findChild<TRateLatForm1 *>(), nullptr);
        EXPECT_EQ(w.findChild<TRateLatForm1 *>()->Points().size(), 1u);
        // A result recorded while the plot stands open appears when the student returns to it.
        rec.SpotID = "B";
        ui.onDialog([](QDialog &d) {
            auto &dlg = dynamic_cast<TRsltsForm1 &>(d);
            dlg.OKBtn->click();
            return dlg.result();
        });
        ASSERT_TRUE(RecordResult(&w, rec));
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(w.findChild<TRateLatForm1 *>(), &activate);
        EXPECT_EQ(w.findChild<TRateLatForm1 *>()->Points().size(), 2u);
        w.ResultsList1Click();
        EXPECT_TRUE(w.RsltsListForm->isVisible());
        EXPECT_EQ(w.RsltsListForm->list().Count(), 2);

        ui.script.answerFile("");
        w.RsltsListForm->ForSpreadsheetCSV1Click();
        EXPECT_FALSE(on(w.Spreadsheet1));
        ui.script.answerFile(m.work.file("r.csv"));
        ui.script.expect("CSV File Written");
        w.RsltsListForm->ForSpreadsheetCSV1Click();
        EXPECT_TRUE(on(w.Spreadsheet1));
        EXPECT_EQ(w.LastCsvFile, "R.CSV");
        EXPECT_EQ(w.LastCsvDir, m.work.dir());
        EXPECT_EQ(on(w.Analysis1), format != 0) << format;
        w.RsltsListForm->hide();
    }
}

TEST(MainWindowCommands, PlotFitDataOpensTheLinearAnalysisForHeliographicData) {
    for (int format : {0, 2}) {
        Machine m;
        m.optionsFile([format](OptionsRecord &o) { o.RawDataFormat = static_cast<std::uint8_t>(format); });
        ScriptedUiPrompt ui;
        TSolarRtn w(m.env());
        ASSERT_NE(w.LinearAnalysis, nullptr);
        // Pixels: nothing opens (a modal window without a handler would fail the test).
        if (format == 0) {
            w.FindPeriod1Click();
            continue;
        }
        bool shown = false;
        ui.onDialog([&](QDialog &d) {
            auto *a = dynamic_cast<TLinearAnalysis *>(&d);
            shown = a == w.LinearAnalysis && a->IDListForm == w.IDListForm;
            return int(QDialog::Rejected);
        });
        w.FindPeriod1Click();
        EXPECT_TRUE(shown);
    }
}

} // namespace
} // namespace solar::test

// The instructor's options dialog and password dialogs, the instructor login, the options command,
// the spreadsheet launcher with a stand-in program, and the web links.
#include "app/ExecMod.h"
#include "app/LoginDlg.h"
#include "app/OptionsDlg.h"
#include "app/Passwd.h"
#include "app/VORN_ROT.h"
#include "app/commands/ShellCmds.h"
#include "astro/DateTime.h"
#include "common/ScriptedUiPrompt.h"
#include "common/TempDir.h"
#include "display/BoxDlg.h"
#include "display/MgRgnDlg.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QSpinBox>
#include <QThread>
#include <QUrl>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <sys/wait.h>
#include <thread>

namespace fs = std::filesystem;

namespace solar::test {
namespace {

const std::string DataDir = std::string(SOLARRTN_SOURCE_DIR) + "/data/";

OptsObj defaults() {
    OptsObj o;
    o.Options.InstallDir = "/opt/solarrtn/";
    o.Options.OptionsFileName = "SOLNOPTS.INI";
    o.SetDefaults();
    return o;
}

std::string bytes(const OptionsRecord &r) {
    const OptionsFileBytes b = encodeOptionsFile(r);
    return std::string(b.begin(), b.end());
}

TEST(OptionsDialog, EachControlChangesExactlyItsField) {
    struct Case {
        const char *name;
        std::function<void(TOptionsDlg &)> act;
        std::function<void(OptionsRecord &)> change;
    };
    auto flip = [](QCheckBox *TOptionsDlg::*box) {
        return [box](TOptionsDlg &d) { (d.*box)->setChecked(!(d.*box)->isChecked()); };
    };
    auto type = [](QLineEdit *TOptionsDlg::*edit, const char *text) {
        return [edit, text](TOptionsDlg &d) { (d.*edit)->setText(text); };
    };
    const Case cases[] = {
        {"DemoBox", flip(&TOptionsDlg::DemoBox),
         [](OptionsRecord &r) { r.LoginRequired = !r.LoginRequired; }},
        {"TestBox", flip(&TOptionsDlg::TestBox), [](OptionsRecord &r) { r.TestMode = !r.TestMode; }},
        {"CntrBox", flip(&TOptionsDlg::CntrBox), [](OptionsRecord &r) { r.Centroiding = !r.Centroiding; }},
        {"FitBox", flip(&TOptionsDlg::FitBox), [](OptionsRecord &r) { r.CurveFitting = !r.CurveFitting; }},
        {"RateBox", flip(&TOptionsDlg::RateBox), [](OptionsRecord &r) { r.ComputeRate = !r.ComputeRate; }},
        {"PrdBox", flip(&TOptionsDlg::PrdBox),
         [](OptionsRecord &r) { r.ComputeSynodic = !r.ComputeSynodic; }},
        {"SidrBox", flip(&TOptionsDlg::SidrBox),
         [](OptionsRecord &r) { r.ComputeSidereal = !r.ComputeSidereal; }},
        {"PrClrBox", flip(&TOptionsDlg::PrClrBox),
         [](OptionsRecord &r) { r.PrintInColor = !r.PrintInColor; }},
        {"MDsplyBox", flip(&TOptionsDlg::MDsplyBox),
         [](OptionsRecord &r) { r.MonochromeDisplay = !r.MonochromeDisplay; }},
        {"CrsrWinBox", flip(&TOptionsDlg::CrsrWinBox), [](OptionsRecord &r) { r.MagWindow = !r.MagWindow; }},
        {"RdOutWinBox", flip(&TOptionsDlg::RdOutWinBox),
         [](OptionsRecord &r) { r.ReadOutWindow = !r.ReadOutWindow; }},
        {"AdminBox", flip(&TOptionsDlg::AdminBox),
         [](OptionsRecord &r) { r.Administrator = !r.Administrator; }},
        {"RawDataGrp", [](TOptionsDlg &d) { d.RawData[0]->click(); },
         [](OptionsRecord &r) { r.RawDataFormat = 0; }},
        {"TblNumEd", type(&TOptionsDlg::TblNumEd, "T12345"), [](OptionsRecord &r) { r.LabTable = "T123"; }},
        {"LogoEd", type(&TOptionsDlg::LogoEd, "LOGO2.BMP"),
         [](OptionsRecord &r) { r.LogoFile = "LOGO2.BMP"; }},
        {"TitleEd", type(&TOptionsDlg::TitleEd, "T.BMP"), [](OptionsRecord &r) { r.TitleFile = "T.BMP"; }},
        {"ImagePathEd", type(&TOptionsDlg::ImagePathEd, "/data/sun"),
         [](OptionsRecord &r) { r.ImagePath = "/data/sun"; }},
        {"SpShtEd", type(&TOptionsDlg::SpShtEd, "/usr/bin/calc"),
         [](OptionsRecord &r) { r.SpreadsheetProgram = "/usr/bin/calc"; }},
        {"LogFlEd", type(&TOptionsDlg::LogFlEd, "/var/log/lab.log"),
         [](OptionsRecord &r) { r.LogFileName = "/var/log/lab.log"; }},
        {"MnHlpEd", type(&TOptionsDlg::MnHlpEd, "M.LST"), [](OptionsRecord &r) { r.MainHelpList = "M.LST"; }},
        {"MeasHlpEd", type(&TOptionsDlg::MeasHlpEd, "ME.LST"),
         [](OptionsRecord &r) { r.MeasHelpList = "ME.LST"; }},
        {"CntrHlpEd", type(&TOptionsDlg::CntrHlpEd, "C.LST"),
         [](OptionsRecord &r) { r.CentroidHelpList = "C.LST"; }},
        {"LAnalHlpEd", type(&TOptionsDlg::LAnalHlpEd, "L.LST"),
         [](OptionsRecord &r) { r.LinearHelpList = "L.LST"; }},
        {"RAnalHlpEd", type(&TOptionsDlg::RAnalHlpEd, "R.LST"),
         [](OptionsRecord &r) { r.RotationHelpList = "R.LST"; }},
        {"UsrHlpEd", type(&TOptionsDlg::UsrHlpEd, "U.TXT"),
         [](OptionsRecord &r) { r.UserHelpFile = "U.TXT"; }},
        {"RmdrEd", type(&TOptionsDlg::RmdrEd, "Q.ROT"), [](OptionsRecord &r) { r.ReminderFile = "Q.ROT"; }},
        {"GONGEd", type(&TOptionsDlg::GONGEd, "https://g.example/"),
         [](OptionsRecord &r) { r.GongUrl = "https://g.example/"; }},
        {"VORNEd", type(&TOptionsDlg::VORNEd, "https://v.example/"),
         [](OptionsRecord &r) { r.HomeUrl = "https://v.example/"; }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedUiPrompt ui;
        OptsObj o = defaults();
        OptionsRecord expected = o.Options;
        TOptionsDlg dlg(&o);
        c.act(dlg);
        dlg.OKBtnClick();
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
        c.change(expected);
        EXPECT_EQ(bytes(o.Options), bytes(expected));
    }
}

TEST(OptionsDialog, AnalysisBoxesFollowTheRawDataFormat) {
    ScriptedUiPrompt ui;
    OptsObj o = defaults();
    o.Options.RawDataFormat = 0;
    o.Options.ComputeRate = true;
    TOptionsDlg dlg(&o);
    EXPECT_EQ(dlg.PageControl1->currentIndex(), 0);
    for (QCheckBox *b : {dlg.FitBox, dlg.PrdBox, dlg.RateBox, dlg.SidrBox})
        EXPECT_FALSE(b->isEnabled());
    dlg.RawData[2]->click();
    EXPECT_TRUE(dlg.FitBox->isEnabled());
    EXPECT_TRUE(dlg.PrdBox->isEnabled());
    EXPECT_TRUE(dlg.SidrBox->isEnabled());
    EXPECT_FALSE(dlg.RateBox->isEnabled());
    // A disabled box keeps its tick and its value.
    dlg.OKBtnClick();
    EXPECT_TRUE(o.Options.ComputeRate);
    EXPECT_EQ(o.Options.RawDataFormat, 2);
}

TEST(OptionsDialog, CancelRestoresEverythingIncludingTheSubDialogs) {
    ScriptedUiPrompt ui;
    OptsObj o = defaults();
    const OptionsRecord before = o.Options;
    TOptionsDlg dlg(&o);
    ui.onDialog([](QDialog &d) {
        auto &box = dynamic_cast<TBoxDlgForm1 &>(d);
        box.BoxWdEd->setValue(20);
        box.OKBtnClick();
        return box.result();
    });
    dlg.BoxBtnClick();
    ui.onDialog([](QDialog &d) {
        auto &rgn = dynamic_cast<TMagnRgnDlg &>(d);
        EXPECT_EQ(rgn.windowTitle(), "Set Default Mag Rgn Size");
        rgn.BoxWdEd->setValue(40);
        rgn.OKBtnClick();
        return rgn.result();
    });
    dlg.RgnBtnClick();
    EXPECT_EQ(o.Options.Box.searchHalfWidth, 10);
    EXPECT_EQ(o.Options.MagRegionSize, 40);
    dlg.TestBox->setChecked(true);
    dlg.LogoEd->setText("OTHER.BMP");
    dlg.PWEd->setText("changed");
    dlg.CancelBtnClick();
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_EQ(bytes(o.Options), bytes(before));

    // Closing by the title bar counts as Cancel.
    TOptionsDlg again(&o);
    ui.onDialog([](QDialog &d) {
        auto &rgn = dynamic_cast<TMagnRgnDlg &>(d);
        rgn.BoxWdEd->setValue(50);
        rgn.OKBtnClick();
        return rgn.result();
    });
    again.RgnBtnClick();
    again.reject();
    EXPECT_EQ(bytes(o.Options), bytes(before));
}

// Handler that types `text` into a password dialog of either kind and presses its OK.
template <class Dlg> ScriptedUiPrompt::DialogHandler typeInto(const char *text) {
    return [text](QDialog &d) {
        auto &dlg = dynamic_cast<Dlg &>(d);
        dlg.Password->setText(text);
        dlg.OKBtnClick();
        return dlg.result();
    };
}

TEST(PasswordDialogs, NewPasswordIsConfirmedByTypingItTwice) {
    ScriptedUiPrompt ui;
    OptsObj o = defaults();
    const std::string old = o.UnscramblePassword();
    {
        // Typed differently: the old password stays, the other change counts.
        TOptionsDlg dlg(&o);
        EXPECT_EQ(dlg.PWEd->text().toStdString(), old);
        EXPECT_EQ(dlg.PWEd->maxLength(), 16);
        dlg.PWEd->setText("Secret9");
        dlg.CntrBox->setChecked(true);
        ui.onDialog(typeInto<TPasswordDlg1>("secret9"));
        ui.script.expect("Password Not Changed!");
        dlg.OKBtnClick();
        EXPECT_EQ(ui.script.lastMessage().icon, Icon::Error);
        EXPECT_EQ(o.UnscramblePassword(), old);
        EXPECT_TRUE(o.Options.Centroiding);
    }
    {
        TOptionsDlg dlg(&o);
        dlg.PWEd->setText("Secret9");
        ui.onDialog(typeInto<TPasswordDlg1>("Secret9"));
        ui.script.expect("Password Confirmed");
        dlg.OKBtnClick();
        EXPECT_EQ(ui.script.lastMessage().text,
                  "Password Change is Confirmed.\r\n\r\nYou Must Save SOLNOPTS.INI To Complete the Change.");
        EXPECT_EQ(o.UnscramblePassword(), "Secret9");
    }
    {
        // Sixteen accented letters fill the field but take 32 bytes: refused before any
        // confirmation, as it could never be typed back whole.
        TOptionsDlg dlg(&o);
        dlg.PWEd->setText(QString(16, QChar(0xE9)));
        ui.script.expect("Password Not Changed!");
        const std::size_t shown = ui.dialogsShown.size();
        dlg.OKBtnClick();
        EXPECT_EQ(ui.dialogsShown.size(), shown);
        EXPECT_EQ(ui.script.lastMessage().text.rfind("The New Password Takes 32 Bytes; at Most 16 Fit.", 0),
                  0u);
        EXPECT_EQ(o.UnscramblePassword(), "Secret9");
        // Eight of them fit, are confirmed and read back as typed.
        TOptionsDlg again(&o);
        again.PWEd->setText(QString(8, QChar(0xE9)));
        static const std::string eight = QString(8, QChar(0xE9)).toStdString();
        ui.onDialog(typeInto<TPasswordDlg1>(eight.c_str()));
        ui.script.expect("Password Confirmed");
        again.OKBtnClick();
        EXPECT_EQ(QString::fromStdString(o.UnscramblePassword()), QString(8, QChar(0xE9)));
        o.ScramblePassword("Secret9");
    }
    {
        // The same password again asks nothing.
        TOptionsDlg dlg(&o);
        dlg.OKBtnClick();
        EXPECT_EQ(o.UnscramblePassword(), "Secret9");
    }
    {
        // Nor does a stored password with bytes that are no text: it stays as it was.
        o.ScramblePassword("\xC3\x28z");
        TOptionsDlg dlg(&o);
        dlg.OKBtnClick();
        EXPECT_EQ(o.UnscramblePassword(), "\xC3\x28z");
    }
}

TEST(PasswordDialogs, ThreeWrongEntriesDenyAccessARightOneWithinThreeGrantsIt) {
    ScriptedUiPrompt ui;
    TPasswordDlg dlg;
    dlg.SetPassword("Key");
    ui.onDialog(typeInto<TPasswordDlg>("key"));
    ui.onDialog(typeInto<TPasswordDlg>("Key"));
    EXPECT_TRUE(dlg.ask());
    EXPECT_EQ(dlg.Attempts, 2);

    dlg.SetPassword("Key");
    for (int i = 0; i < 3; ++i)
        ui.onDialog(typeInto<TPasswordDlg>("nope"));
    ui.script.expect("Options Access Denied!");
    EXPECT_FALSE(dlg.ask());
    EXPECT_EQ(ui.script.lastMessage().text, "Too Many Invalid Passwords!");
}

// ---- The main window's commands.

struct Machine {
    TempDir install, work, other;
    Machine() {
        QApplication::setQuitOnLastWindowClosed(false);
        for (const char *f :
             {"VORNLOGO.BMP", "SOLRTNSCRN.BMP", "XPXHAIR.CUR", "SOLRTNHLP.LST", "REMINDER.ROT"})
            fs::copy_file(DataDir + f, install.file(f));
    }
    StartupEnv env() const {
        StartupEnv e;
        e.installDir = install.dir();
        e.currentDir = work.dir();
        e.fallbackDir = other.dir() + "fallback/";
        e.screenWidth = 1366;
        e.screenHeight = 768;
        const std::string cd = other.dir();
        e.opticalMounts = [cd] { return std::vector<std::string>{cd}; };
        return e;
    }
    void optionsFile(const std::function<void(OptionsRecord &)> &change) {
        OptsObj o;
        o.Options.InstallDir = install.dir();
        o.SetDefaults();
        change(o.Options);
        const OptionsFileBytes b = encodeOptionsFile(o.Options);
        writeFile(work.file("SOLNOPTS.INI"), std::string(b.begin(), b.end()));
    }
};

void answerLogin(ScriptedUiPrompt &ui, const QString &name) {
    ui.script.expect("Login Completed?", Answer::Yes);
    ui.onDialog([name](QDialog &d) {
        auto &dlg = dynamic_cast<TLoginDlg &>(d);
        dlg.Stud1->setText(name);
        dlg.OKBtnClick();
        return dlg.result();
    });
}

TEST(InstructorAccess, InstructorLoginLeadsThroughThePasswordToTheOptions) {
    Machine m;
    auto now = std::make_shared<double>(38418.5); // 2005-03-07 12:00
    SetNowSource([now] { return *now; });
    struct Restore {
        ~Restore() { SetNowSource({}); }
    } restore;
    ScriptedUiPrompt ui;
    TSolarRtn w(m.env());
    const std::string password = w.OptionsObj->UnscramblePassword();
    // Without access the options command only shows the notice.
    ui.script.expect("USER OPTIONS!");
    w.Parameters1Click();
    EXPECT_TRUE(ui.dialogsShown.empty());

    answerLogin(ui, "iNsTrUcToR");
    ui.onDialog([password](QDialog &d) {
        auto &dlg = dynamic_cast<TPasswordDlg &>(d);
        dlg.Password->setText(QString::fromStdString(password));
        dlg.OKBtnClick();
        return dlg.result();
    });
    ui.onDialog([](QDialog &d) {
        auto &dlg = dynamic_cast<TOptionsDlg &>(d);
        dlg.CntrBox->setChecked(true);
        dlg.OKBtnClick();
        return dlg.result();
    });
    ui.script.expect("Save Option Changes?", Answer::No);
    ui.script.expect("Retain Options Access?", Answer::Yes);
    w.Login1Click();
    EXPECT_EQ(ui.dialogsShown,
              (std::vector<std::string>{"solar::TLoginDlg", "solar::TPasswordDlg", "solar::TOptionsDlg"}));
    EXPECT_TRUE(w.Options.Centroiding);
    EXPECT_TRUE(w.OptionsChangesPending());
    EXPECT_TRUE(w.OptionsAccess);
    EXPECT_TRUE(w.Preferences1->menuAction()->isVisible());
    EXPECT_TRUE(w.PrefSep->isVisible());
    EXPECT_EQ(w.LoginRec.Student1.str(), "iNsTrUcToR");

    // Now the options command opens the dialog; Cancel keeps the working copy; the exercise
    // starts again, still under the one login of the run.
    ui.onDialog([](QDialog &d) {
        auto &dlg = dynamic_cast<TOptionsDlg &>(d);
        dlg.CntrBox->setChecked(false);
        dlg.CancelBtnClick();
        return dlg.result();
    });
    *now += 5.0 / 1440; // five minutes later
    w.Parameters1Click();
    EXPECT_TRUE(w.Options.Centroiding);
    EXPECT_TRUE(w.OptionsObj->Options.Centroiding);

    // One login entry, one logout entry, and the elapsed time from the login: 8 minutes.
    *now += 3.0 / 1440;
    w.FormClose();
    const std::string log = readFile(m.work.file("VORNLOG.LOG"));
    auto entries = [&log](const std::string &head) {
        int n = 0;
        for (auto at = log.find(head + ": VORN_ROT\r\nDate: "); at != std::string::npos;
             at = log.find(head + ": VORN_ROT\r\nDate: ", at + 1))
            n += at == 0 || log[at - 1] == '\n';
        return n;
    };
    EXPECT_EQ(entries("Login"), 1);
    EXPECT_EQ(entries("Logout"), 1);
    EXPECT_NE(log.find("\r\nElapsed Time:  0:08:00.00\r\n"), std::string::npos) << log;
}

// ---- Spreadsheet launch with a stand-in program that the test writes.

bool exited(pid_t pid) {
    siginfo_t info{};
    return waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
           info.si_pid == pid;
}

template <class F> bool waitFor(F done) {
    for (int i = 0; i < 200 && !done(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    return done();
}

TEST(Spreadsheet, StandInProgramStartsOnceAtATimeWithTheFileNameIntact) {
    Machine m;
    const std::string tools = m.other.dir() + "my tools/";
    const std::string data = m.other.dir() + "data dir/";
    fs::create_directories(tools);
    fs::create_directories(data);
    const std::string program = tools + "stand in";
    const std::string argsFile = m.other.file("args.txt"), hold = m.other.file("hold");
    writeFile(program, "#!/bin/sh\nprintf '%s\\n' \"$PWD\" \"$@\" > \"" + argsFile + ".new\"\nmv \"" +
                           argsFile + ".new\" \"" + argsFile + "\"\nwhile [ -e \"" + hold +
                           "\" ]; do sleep 0.05; done\n");
    fs::permissions(program, fs::perms::owner_all);
    const std::string document = "it's \"odd\" list.CSV";
    writeFile(data + document, "a,b\r\n");
    m.optionsFile([&](OptionsRecord &r) { r.SpreadsheetProgram = program; });

    ScriptedUiPrompt ui;
    TSolarRtn w(m.env());
    writeFile(hold, "");
    ui.script.answerFile(data + document);
    w.Spreadsheet1Click();
    ASSERT_TRUE(waitFor([&] { return fs::exists(argsFile); }));
    EXPECT_EQ(readFile(argsFile), data.substr(0, data.size() - 1) + "\n" + document + "\n");
    EXPECT_EQ(ui.script.calls.front().file.title, "Select data to pass to spreadsheet.");

    // While it runs: refused with a beep.
    ui.script.answerFile(data + document);
    ui.script.expect("Module Already Loaded");
    w.Spreadsheet1Click();
    EXPECT_EQ(ui.script.calls[ui.script.calls.size() - 2].kind, "beep");

    // Once it has ended: started again.
    const pid_t first = ShellExtras::of(w).Launcher->Pid;
    fs::remove(hold);
    fs::remove(argsFile);
    ASSERT_TRUE(waitFor([&] { return exited(first); }));
    ui.script.answerFile(data + document);
    w.Spreadsheet1Click();
    ASSERT_TRUE(waitFor([&] { return fs::exists(argsFile); }));
    EXPECT_NE(ShellExtras::of(w).Launcher->Pid, first);
    EXPECT_EQ(ui.script.messages().size(), 1u);
}

// A document whose name begins with "-" reaches the program as "./-name", not as an option.
TEST(Spreadsheet, DocumentNameWithALeadingDashIsNotAnOption) {
    Machine m;
    const std::string program = m.other.file("stand-in"), argsFile = m.other.file("args.txt");
    writeFile(program, "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"" + argsFile + ".new\"\nmv \"" + argsFile +
                           ".new\" \"" + argsFile + "\"\n");
    fs::permissions(program, fs::perms::owner_all);
    const std::string data = m.other.dir() + "data/";
    fs::create_directories(data);
    writeFile(data + "-rf.CSV", "1\r\n");
    m.optionsFile([&](OptionsRecord &r) { r.SpreadsheetProgram = program; });
    ScriptedUiPrompt ui;
    TSolarRtn w(m.env());
    ui.script.answerFile(data + "-rf.CSV");
    w.Spreadsheet1Click();
    ASSERT_TRUE(waitFor([&] { return fs::exists(argsFile); }));
    EXPECT_EQ(readFile(argsFile), "./-rf.CSV\n");
}

TEST(Spreadsheet, ProgramThatCannotStartIsReportedWithItsCode) {
    Machine m;
    TempDir t;
    writeFile(t.file("x.csv"), "1\r\n");
    writeFile(t.file("plain"), "not a program\n");
    m.optionsFile([&](OptionsRecord &r) { r.SpreadsheetProgram = t.file("missing"); });
    ScriptedUiPrompt ui;
    TSolarRtn w(m.env());
    ui.script.answerFile(t.file("x.csv"));
    ui.script.expect("Cannot Run Spreadsheet!");
    w.Spreadsheet1Click();
    EXPECT_EQ(ui.script.lastMessage().text,
              "Unable to Execute " + t.file("missing") + "\r\n\r\nCode = 2 - File Not Found");

    w.Options.SpreadsheetProgram = t.file("plain"); // not executable
    ui.script.answerFile(t.file("x.csv"));
    ui.script.expect("Cannot Run Spreadsheet!");
    w.Spreadsheet1Click();
    EXPECT_EQ(ui.script.lastMessage().text,
              "Unable to Execute " + t.file("plain") + "\r\n\r\nCode = 5 - Access Denied");
}

// Sets environment variables for one test and puts them back afterwards.
class EnvScope {
public:
    void set(const char *name, const std::string &value) {
        remember(name);
        setenv(name, value.c_str(), 1);
    }
    void unset(const char *name) {
        remember(name);
        unsetenv(name);
    }
    ~EnvScope() {
        for (auto &[name, value] : saved_)
            value ? setenv(name.c_str(), value->c_str(), 1) : unsetenv(name.c_str());
    }

private:
    void remember(const char *name) {
        const char *v = std::getenv(name);
        saved_.emplace_back(name, v ? std::optional<std::string>(v) : std::nullopt);
    }
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

TEST(Spreadsheet, WithoutAConfiguredProgramTheDesktopDefaultStartsOnTheFullPath) {
    std::string out;
    if (!runForOutput({"xdg-mime", "--version"}, out))
        GTEST_SKIP() << "xdg-mime is not installed";
    Machine m;
    TempDir xdg;
    fs::create_directories(xdg.file("data/applications"));
    fs::create_directories(xdg.file("config"));
    const std::string program = xdg.file("fake calc"), argsFile = xdg.file("args.txt");
    writeFile(program, "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"" + argsFile + ".new\"\nmv \"" + argsFile +
                           ".new\" \"" + argsFile + "\"\n");
    fs::permissions(program, fs::perms::owner_all);
    EnvScope env;
    env.set("XDG_CONFIG_HOME", xdg.file("config"));
    env.set("XDG_CONFIG_DIRS", xdg.file("config"));
    env.set("XDG_DATA_HOME", xdg.file("data"));
    env.set("XDG_DATA_DIRS", xdg.file("data"));
    env.unset("XDG_CURRENT_DESKTOP");
    env.unset("DESKTOP_SESSION");
    env.unset("KDE_FULL_SESSION");
    env.unset("GNOME_DESKTOP_SESSION_ID");
    const std::string doc = m.other.dir() + "my data/RESULTS 1.CSV";
    fs::create_directories(m.other.file("my data"));
    writeFile(doc, "1\r\n");

    ScriptedUiPrompt ui;
    TSolarRtn w(m.env());
    // No program for the type yet.
    writeFile(xdg.file("config/mimeapps.list"), "[Default Applications]\n");
    ui.script.answerFile(doc);
    ui.script.expect("Cannot Run Spreadsheet!");
    w.Spreadsheet1Click();
    // In plain words: what happened, the file with its folder, what to do, and the code.
    const std::string text = ui.script.lastMessage().text;
    EXPECT_NE(text.find("No spreadsheet program is set"), std::string::npos) << text;
    EXPECT_NE(text.find("\r\n" + doc + "\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("File > Preferences"), std::string::npos) << text;
    EXPECT_NE(text.find("Code = 31 - No Association for Specified File Type"), std::string::npos) << text;

    writeFile(xdg.file("data/applications/fake-calc.desktop"),
              "[Desktop Entry]\nType=Application\nName=Fake\nMimeType=text/csv;\nExec=\"" + program +
                  "\" --csv %F\n");
    writeFile(xdg.file("config/mimeapps.list"), "[Default Applications]\ntext/csv=fake-calc.desktop\n");
    ui.script.answerFile(doc);
    w.Spreadsheet1Click();
    ASSERT_TRUE(waitFor([&] { return fs::exists(argsFile); }));
    EXPECT_EQ(readFile(argsFile), "--csv\n" + doc + "\n");
}

TEST(Spreadsheet, DesktopEntryFieldCodesOtherThanTheFileAreDropped) {
    EXPECT_EQ(desktopEntryCommand("[Desktop Action x]\nExec=wrong\n[Desktop Entry]\nExec=calc --icon %i %U\n",
                                  "/a b"),
              (std::vector<std::string>{"calc", "--icon", "/a b"}));
    EXPECT_EQ(desktopEntryCommand("[Desktop Entry]\nExec=gnumeric\n", "/a b"),
              (std::vector<std::string>{"gnumeric", "/a b"}));
}

// ---- Web links.

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    std::vector<std::string> urls;
    Q_INVOKABLE void open(const QUrl &url) { urls.push_back(url.toString().toStdString()); }
};

TEST(WebLinks, BothItemsOpenTheirOptionAddressInTheBrowser) {
    Machine m;
    m.optionsFile([](OptionsRecord &r) {
        r.GongUrl = "https://gong.example.org/";
        r.HomeUrl = "https://vorn.example.org/home";
    });
    ScriptedUiPrompt ui;
    TSolarRtn w(m.env());
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("https", &catcher, "open");
    w.GONGProject1->trigger();
    w.ProjectVORN1->trigger();
    QDesktopServices::unsetUrlHandler("https");
    EXPECT_EQ(catcher.urls,
              (std::vector<std::string>{"https://gong.example.org/", "https://vorn.example.org/home"}));
}

} // namespace
} // namespace solar::test

#include "ShellCmdsTest.moc"

// The program in Spanish: the catalogues built beside the program translate the main window and
// its messages, and the help centre reads the Spanish help files of the installation's "es/".
#include "app/Language.h"
#include "app/LoginDlg.h"
#include "app/VORN_ROT.h"
#include "common/ScriptedUiPrompt.h"
#include "common/TempDir.h"
#include "support/Helptxt.h"
#include "support/Translate.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QTranslator>
#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace solar::test {
namespace {

const std::string DataDir = std::string(SOLARRTN_SOURCE_DIR) + "/data/";

// Spanish for one test; English again however it ends.
struct SpanishSession {
    bool installed;
    SpanishSession() : installed(installLanguage("es", std::string(SOLARRTN_BIN_DIR) + "/")) {}
    ~SpanishSession() {
        for (QTranslator *t : QCoreApplication::instance()->findChildren<QTranslator *>()) {
            QCoreApplication::removeTranslator(t);
            delete t;
        }
        setTranslator(nullptr);
        setUiLanguage("en");
    }
};

// An installation folder with the pictures, the help in English and its Spanish translation.
struct SpanishMachine {
    TempDir install, work, other;
    SpanishMachine() {
        QApplication::setQuitOnLastWindowClosed(false);
        fs::copy(DataDir, install.path(), fs::copy_options::recursive);
        fs::create_directories(other.file("cdrom"));
    }
    StartupEnv env() const {
        StartupEnv e;
        e.installDir = install.dir();
        e.currentDir = work.dir();
        e.fallbackDir = other.dir() + "fallback/";
        e.screenWidth = 1024;
        e.screenHeight = 768;
        const std::vector<std::string> mounts{other.dir() + "cdrom/"};
        e.opticalMounts = [mounts] { return mounts; };
        return e;
    }
};

TEST(Spanish, MainWindowLoginQuestionAndHelpTopicInSpanish) {
    SpanishSession spanish;
    ASSERT_TRUE(spanish.installed) << "no Spanish catalogues in " SOLARRTN_BIN_DIR "/translations";
    ASSERT_EQ(uiLanguage(), "es");
    SpanishMachine m;
    ScriptedUiPrompt ui;
    TSolarRtn w(m.env());
    EXPECT_EQ(w.File1->title(), "&Archivo");

    // The first topic of the student's guide, from the Spanish help list and text.
    QStringList rows;
    ui.onDialog([&](QDialog &d) {
        auto &dlg = dynamic_cast<THelpLstDlg &>(d);
        for (int i = 0; i < dlg.HlpLstBox->count(); ++i)
            rows << dlg.HlpLstBox->item(i)->text();
        dlg.HlpLstBox->setCurrentRow(1);
        dlg.Read1Click();
        return dlg.result();
    });
    w.Topics1Click();
    ASSERT_GE(rows.size(), 2);
    EXPECT_EQ(rows[0], "-Guía del estudiante-");
    EXPECT_EQ(rows[1], "  Visión general de la práctica");
    EXPECT_FALSE(rows.contains("-Guía del profesor-")); // students see no instructor's guide
    ASSERT_NE(HelpCenter::instance(), nullptr);
    THelpWin *viewer = HelpCenter::instance()->Viewer;
    ASSERT_TRUE(viewer->isVisible());
    EXPECT_TRUE(viewer->windowTitle().endsWith("Visión general de la práctica"));
    QStringList shown;
    for (int i = 0; i < viewer->ListBox1->count(); ++i)
        shown << viewer->ListBox1->item(i)->text();
    EXPECT_EQ(shown.value(1), "  Usted medirá la velocidad de rotación del Sol siguiendo manchas  ");
    EXPECT_TRUE(shown.contains("  Temas relacionados:  "));
    // Its links lead to Spanish topics.
    EXPECT_EQ(viewer->RelatedLine, shown.indexOf("  Temas relacionados:  "));
    viewer->close();

    // The login question in Spanish.
    ui.script.expect("¿Sesión iniciada?", Answer::Yes);
    ui.onDialog([](QDialog &d) {
        auto &dlg = dynamic_cast<TLoginDlg &>(d);
        dlg.Stud1->setText("Ana López");
        dlg.OKBtnClick();
        return dlg.result();
    });
    w.Login1Click();
    EXPECT_EQ(ui.script.lastMessage().caption, "¿Sesión iniciada?");
    EXPECT_EQ(ui.script.lastMessage().text, "¿Ha terminado de iniciar la sesión?");
}

} // namespace
} // namespace solar::test

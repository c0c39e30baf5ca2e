// The login dialog driven as the main window shows it: filled in, confirmed or corrected.

#include "app/LoginDlg.h"

#include "common/ScriptedUiPrompt.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace solar {
namespace {

using test::ScriptedUiPrompt;

LoginRecord earlierRecord() {
    LoginRecord r;
    r.Student1 = "Old Name";
    r.Student2 = "Other";
    r.TableNumber = "3";
    r.UserFolderName = "KEEP";
    return r;
}

TEST(LoginDlg, OpensEmptyWithTheProposedTable) {
    ScriptedUiPrompt ui;
    LoginRecord rec = earlierRecord();
    TLoginDlg dlg(&rec, "7");
    EXPECT_EQ(dlg.windowTitle().toStdString(), "Student Accounting");
    EXPECT_EQ(rec.Student1.str(), "");
    EXPECT_EQ(rec.Student2.str(), "");
    EXPECT_EQ(rec.TableNumber.str(), "");
    EXPECT_EQ(rec.UserFolderName.str(), "KEEP") << "the user folder name stays until OK";
    for (QLineEdit *e : {dlg.Stud1, dlg.Stud2, dlg.Stud3, dlg.Stud4}) {
        EXPECT_TRUE(e->text().isEmpty());
        EXPECT_EQ(e->maxLength(), 40);
    }
    EXPECT_EQ(dlg.LabTbl->text().toStdString(), "7");
    EXPECT_EQ(dlg.OKBtn->text().toStdString(), "&OK");
    EXPECT_EQ(dlg.findChildren<QPushButton *>().size(), 1) << "no Cancel button";
    QStringList labels;
    for (QLabel *l : dlg.findChildren<QLabel *>())
        labels << l->text();
    for (const char *t : {"Enter Student Name(s)  (Firstname...Lastname)",
                          "Student #1:", "Student #4:", "Laboratory Table Number:"})
        EXPECT_TRUE(labels.contains(t)) << t;
    EXPECT_TRUE(ui.script.calls.empty());
}

TEST(LoginDlg, NoReturnsForCorrectionsYesStoresTheLogin) {
    ScriptedUiPrompt ui;
    LoginRecord rec = earlierRecord();
    TLoginDlg dlg(&rec, "7");
    ui.script.expect("Login Completed?", Answer::No);
    ui.script.expect("Login Completed?", Answer::Yes);
    ui.onDialog([&](QDialog &d) {
        dlg.Stud1->setText("Aaa Bbb Ccccc");
        dlg.Stud3->setText("Third");
        dlg.OKBtn->click();
        EXPECT_NE(d.result(), QDialog::Accepted) << "No keeps the dialog open";
        EXPECT_EQ(rec.UserFolderName.str(), "KEEP");
        dlg.Stud1->setText("Aaa Bbb Cccccc");
        dlg.LabTbl->setText("12");
        dlg.OKBtn->click();
        return d.result();
    });
    EXPECT_EQ(runModal(dlg), QDialog::Accepted);
    const auto &m = ui.script.lastMessage();
    EXPECT_EQ(m.text, "Have You Finished Logging In?");
    EXPECT_EQ(m.icon, Icon::Question);
    EXPECT_EQ(m.buttons, Buttons::YesNo);
    EXPECT_EQ(rec.Student1.str(), "Aaa Bbb Cccccc");
    EXPECT_EQ(rec.Student2.str(), "");
    EXPECT_EQ(rec.Student3.str(), "Third");
    EXPECT_EQ(rec.TableNumber.str(), "12");
    EXPECT_EQ(rec.UserFolderName.str(), "ACccccc"); // "A" and "Cccccc"
}

TEST(LoginDlg, EmptyNameIsRecordedAsNotLoggedInAfterOK) {
    ScriptedUiPrompt ui;
    LoginRecord rec = earlierRecord();
    TLoginDlg dlg(&rec, "");
    ui.script.expect("No Entry!", Answer::Cancel);
    ui.script.expect("No Entry!", Answer::OK);
    ui.onDialog([&](QDialog &d) {
        dlg.OKBtn->click();
        EXPECT_NE(d.result(), QDialog::Accepted) << "Cancel returns to the dialog";
        dlg.OKBtn->click();
        return d.result();
    });
    EXPECT_EQ(runModal(dlg), QDialog::Accepted);
    const auto &m = ui.script.lastMessage();
    EXPECT_EQ(m.text, "You Didn't Enter Anything!");
    EXPECT_EQ(m.icon, Icon::Exclamation);
    EXPECT_EQ(m.buttons, Buttons::OKCancel);
    EXPECT_EQ(rec.Student1.str(), "*** Student Did Not Log In Properly ***");
    EXPECT_EQ(rec.UserFolderName.str(), "NOLOG");
}

TEST(LoginDlg, EntriesAreCutToTheirRoom) {
    ScriptedUiPrompt ui;
    LoginRecord rec;
    TLoginDlg dlg(&rec, "");
    ui.script.expect("Login Completed?", Answer::Yes);
    dlg.Stud1->setText(QString(45, 'a'));
    // 39 letters and an e acute (two bytes in UTF-8): the record's 40 bytes hold the letters only.
    dlg.Stud2->setText(QString(39, 'b') + QString::fromUtf8("\xC3\xA9"));
    dlg.LabTbl->setText("12345");
    dlg.OKBtn->click();
    EXPECT_EQ(rec.Student1.str(), std::string(40, 'a'));
    EXPECT_EQ(rec.Student2.str(), std::string(39, 'b'));
    EXPECT_EQ(rec.TableNumber.str(), "1234");
}

TEST(LoginDlg, WithoutARecordNothingIsStored) {
    ScriptedUiPrompt ui;
    ui.script.expect("Cannot Record Login!");
    TLoginDlg dlg(nullptr, "7");
    EXPECT_EQ(ui.script.lastMessage().text, "Login Record Not Assigned!");
    EXPECT_EQ(ui.script.lastMessage().icon, Icon::Exclamation);
    dlg.Stud1->setText("Aaa Bbb");
    dlg.OKBtn->click(); // closes without a question
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(ui.script.messages().size(), 1u);
}

} // namespace
} // namespace solar

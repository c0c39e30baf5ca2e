// The "Class Report..." command and window in a running program (demonstration mode): shown to
// the instructor only, it reports on the working folder's students against the answer key in the
// installation folder's INSTRUCTOR/, and saves the report as CSV and PDF and prints it.
#include "analysis/ClassRptWin.h"
#include "app/VORN_ROT.h"

#include "analysis/ClassFixture.h"
#include "common/ScriptedUiPrompt.h"
#include "common/TempDir.h"
#include "common/TestMachine.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace solar::test {
namespace {

int pages(const std::string &pdf) {
    int n = 0;
    for (std::size_t at = pdf.find("/Type /Page"); at != std::string::npos;
         at = pdf.find("/Type /Page", at + 1))
        n += pdf.compare(at, 12, "/Type /Pages") != 0;
    return n;
}

TEST(ClassRptWin, InstructorReportsOnTheClassSavesAndPrints) {
    TestMachine m;
    ScriptedUiPrompt ui;
    QApplication::setQuitOnLastWindowClosed(false);
    m.writeOptions([](OptionsRecord &o) { o.LoginRequired = true; });
    const std::string key = writeClassKey(m.install.file("INSTRUCTOR/synth_answer_key.csv"));
    AnswerKey k;
    std::string reason;
    ASSERT_TRUE(readAnswerKey(key, k, reason));
    writeCarefulAndCareless(m.work.dir(), k);

    auto w = std::make_unique<TSolarRtn>(m.env(1366, 768));
    // A student never sees the command, and its handler does nothing.
    w->UpdateClassReportCommand();
    EXPECT_FALSE(w->ClassReport1->isVisible());
    w->ClassReport1Click();
    EXPECT_TRUE(ui.script.calls.empty());
    w->OptionsAccess = true; // the instructor's password was given
    w->UpdateClassReportCommand();
    ASSERT_TRUE(w->ClassReport1->isVisible());

    w->ClassReport1Click();
    auto *form = w->findChild<TClassRptForm1 *>();
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->Report().keyPath, key);
    const std::vector<std::string> lines = form->lines();
    ASSERT_GE(lines.size(), 8u);
    EXPECT_NE(lines[1].find(key), std::string::npos);
    int rows = 0;
    for (const std::string &l : lines)
        rows += l.rfind(" 1 CAREFUL ", 0) == 0 || l.rfind(" 2 CARELESS ", 0) == 0;
    EXPECT_EQ(rows, 2);
    ASSERT_EQ(form->Pages1->count(), 2);
    EXPECT_EQ(form->Plot1->pixmap().size(), QSize(760, 560));
    // A screen reader hears the points and the law the plot draws.
    const QString said = form->Plot1->accessibleDescription();
    EXPECT_TRUE(said.startsWith("Points: student 1 at latitude ")) << said.toStdString();
    EXPECT_TRUE(said.contains("student 2 at latitude ")) << said.toStdString();
    EXPECT_TRUE(said.contains("Answer key law: rate = ")) << said.toStdString();

    // CSV and PDF beside the student folders; the print goes through the print dialog.
    ui.script.answerFile(m.work.file("CLASS.CSV"));
    ui.script.expect("CSV File Written");
    form->CommaDelimitClick();
    const std::string csv = readFile(m.work.file("CLASS.CSV"));
    EXPECT_EQ(csv.rfind("\"Class Report\"\r\n", 0), 0u);
    EXPECT_NE(csv.find("1,\"CAREFUL\",5,10,10,"), std::string::npos);
    ui.script.answerFile(m.work.file("CLASS.PDF"));
    ui.script.expect("PDF File Written");
    form->SavePdf1Click();
    const std::string pdf = readFile(m.work.file("CLASS.PDF"));
    EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);
    EXPECT_EQ(pages(pdf), 2); // the lines, then the plot
    TempDir out;
    ui.pdfPath = out.file("print.pdf");
    ui.script.answerPrint(true);
    form->Print1Click();
    EXPECT_GE(pages(readFile(ui.pdfPath)), 2);
    EXPECT_EQ(ui.script.pendingAnswers(), 0u);
    w->FormClose();
}

} // namespace
} // namespace solar::test

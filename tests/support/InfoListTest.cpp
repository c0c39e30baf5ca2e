// The generic list window, the search dialog and the header viewer, run offscreen.
#include "support/InfoList.h"
#include "common/ScriptedUiPrompt.h"
#include "common/TempDir.h"
#include "imagefiles/GrFiles.h"
#include "imagefiles/HdrView.h"
#include "support/Getsstr.h"
#include "support/PrintHdr.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <regex>

using namespace solar;
using namespace solar::test;

namespace {

std::vector<std::string> numbered(int n) {
    std::vector<std::string> out;
    for (int i = 0; i < n; ++i)
        out.push_back("Line " + std::to_string(i));
    return out;
}

// Answers the search dialog: types `text`, sets the case box and presses a button.
ScriptedUiPrompt::DialogHandler search(const std::string &text, bool fromTop, bool caseDependent = false) {
    return [=](QDialog &d) {
        auto &dlg = dynamic_cast<TGetSrchStrDlg &>(d);
        EXPECT_EQ(dlg.windowTitle(), "Find Text String");
        dlg.SrchStr1->setText(QString::fromStdString(text));
        dlg.CaseCheck->setChecked(caseDependent);
        (fromTop ? dlg.FromTopBtn : dlg.FromCursorBtn)->click();
        return dlg.result();
    };
}

const std::vector<std::string> kLog = {
    "Observing log",        "Clear sky", "Filter changed", "Seeing good", "The large spot seen on the Sun",
    "   Spot A moved west", "End"};

} // namespace

TEST(InfoListWindow, SizingFollowsTheLineCount) {
    ScriptedUiPrompt ui;
    for (int n : {30, 3}) {
        TInfoListForm1 w;
        w.setLines(numbered(n));
        w.show();
        QApplication::processEvents();
        const int h = w.ListBox1->sizeHintForRow(0);
        ASSERT_GT(h, 0);
        // 30 lines: 22.3 line heights; 3 lines: 4.3 line heights (rounded to whole pixels).
        const double lines = n == 30 ? 22.3 : 4.3;
        EXPECT_NEAR(w.ListBox1->height(), lines * h, 0.5) << n << " lines of height " << h;
        EXPECT_GE(w.ListBox1->width(), 230);
        w.hide();
    }
}

TEST(InfoListWindow, SearchSelectsTheLineWhereThePhraseStarts) {
    ScriptedUiPrompt ui;
    TInfoListForm1 w;
    w.setLines(kLog);
    ui.onDialog(search("sun spot", true));
    w.Search1Click();
    EXPECT_EQ(w.ListBox1->currentRow(), 4);
    EXPECT_EQ(w.CurrentLine, 4);

    // From the cursor on the last line there is nothing more to find.
    w.ListBox1->setCurrentRow(6);
    ui.onDialog(search("sun spot", false));
    ui.script.expect("String Not Found");
    w.Search1Click();
    EXPECT_EQ(ui.script.lastMessage().text, "\"sun spot\" Not Found.");
    EXPECT_EQ(ui.script.lastMessage().icon, Icon::Information);
    EXPECT_EQ(w.ListBox1->currentRow(), 6);

    // Case-dependent search for the lower-case phrase finds nothing; Cancel and an empty text
    // search nothing and say nothing.
    ui.onDialog(search("sun spot", true, true));
    ui.script.expect("String Not Found");
    w.Search1Click();
    ui.onDialog([](QDialog &d) {
        dynamic_cast<TGetSrchStrDlg &>(d).CnclBtn->click();
        return d.result();
    });
    w.Search1Click();
    ui.onDialog(search("", true));
    w.Search1Click();
    EXPECT_EQ(w.searchDialog().Start, SearchStart::None);
}

TEST(InfoListWindow, OneLineList) {
    ScriptedUiPrompt ui;
    TInfoListForm1 w;
    w.setLines({"FITS header of SUN.FIT"});
    ui.onDialog(search("header", true));
    w.Search1Click();
    EXPECT_EQ(w.ListBox1->currentRow(), 0);
}

TEST(InfoListWindow, SaveAsTextAsksBeforeReplacing) {
    ScriptedUiPrompt ui;
    TempDir dir;
    TInfoListForm1::setUserDirSource([&] { return dir.dir(); });
    TInfoListForm1 w;
    w.BaseName = "SOLRTN_MEAS";
    w.setLines({"Spot   Date", "A   03-07-2005", ""});

    ui.script.answerFile(dir.file("report.txt"));
    ui.script.expect("Text File Written");
    w.SaveasText1Click();
    const std::string report = dir.dir() + "REPORT.TXT";
    EXPECT_EQ(readFile(report), "Spot   Date\r\nA   03-07-2005\r\n\r\n");
    EXPECT_EQ(ui.script.lastMessage().text, "Report Text Written to " + report + ".");
    EXPECT_TRUE(w.ReportWritten);
    EXPECT_TRUE(w.Print1->isChecked());
    const PromptCall &first = ui.script.calls.front();
    EXPECT_EQ(first.kind, "save");
    EXPECT_EQ(first.file.title, "Save Report in Text File");
    EXPECT_EQ(first.file.folder, dir.dir());
    EXPECT_EQ(first.file.fileName, "SOLRTN_MEAS.TXT");
    EXPECT_EQ(first.file.filter.rfind("Text Files (*.TXT)|*.TXT|Image Header Text (*.HDR)|*.HDR", 0), 0u);

    // No returns to the dialog; the next choice is a new file.
    w.setLines({"second"});
    ui.script.clear();
    ui.script.answerFile(dir.file("report.txt"));
    ui.script.expect("Replace Existing File?", Answer::No);
    ui.script.answerFile(dir.file("other.txt"));
    ui.script.expect("Text File Written");
    w.SaveasText1Click();
    EXPECT_EQ(readFile(report), "Spot   Date\r\nA   03-07-2005\r\n\r\n");
    EXPECT_EQ(readFile(dir.dir() + "OTHER.TXT"), "second\r\n");
    EXPECT_EQ(ui.script.calls[2].file.fileName, "REPORT.TXT");
    EXPECT_EQ(w.TextFileName, "OTHER.TXT");

    // Yes replaces the file.
    ui.script.answerFile(dir.file("Report.Txt"));
    ui.script.expect("Replace Existing File?", Answer::Yes);
    ui.script.expect("Text File Written");
    w.SaveasText1Click();
    EXPECT_EQ(readFile(report), "second\r\n");

    // Cancelled: nothing written; a folder that does not exist: an error, not a success.
    ui.script.answerFile("");
    w.SaveasText1Click();
    EXPECT_FALSE(w.ReportWritten);
    ui.script.answerFile(dir.file("gone/x.txt"));
    ui.script.expect("File Error!");
    w.SaveasText1Click();
    EXPECT_FALSE(w.ReportWritten);
    EXPECT_EQ(ui.script.lastMessage().icon, Icon::Error);
    TInfoListForm1::setUserDirSource({});
}

TEST(InfoListWindow, PrintsToPdfOverSeveralPages) {
    ScriptedUiPrompt ui;
    TempDir dir;
    printContext().students[0] = "Ann Smith";
    TInfoListForm1 w;
    w.setWindowTitle("Sunspot Position Measurements");
    w.setLines(numbered(300));

    ui.script.answerPrint(false);
    w.Print1Click();
    EXPECT_FALSE(w.ReportWritten);

    ui.pdfPath = dir.file("list.pdf");
    ui.script.answerPrint(true);
    w.Print1Click();
    EXPECT_TRUE(w.ReportWritten);
    EXPECT_TRUE(w.Print1->isChecked());
    EXPECT_TRUE(w.isEnabled());
    EXPECT_EQ(ui.script.busyDepth, 0);
    const std::string pdf = readFile(ui.pdfPath);
    ASSERT_GT(pdf.size(), 1000u);
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    // 300 lines of 10-point text cannot fit one page: the page tree counts more than one.
    std::smatch m;
    ASSERT_TRUE(std::regex_search(pdf, m, std::regex("/Type /Pages[^>]*/Count (\\d+)")));
    EXPECT_GT(std::stoi(m[1]), 1);
    // Where poppler's pdftotext is installed, the printed text is read back as well.
    if (std::system("command -v pdftotext >/dev/null 2>&1") == 0) {
        const std::string text = dir.file("list.txt");
        ASSERT_EQ(std::system(("pdftotext -layout '" + ui.pdfPath + "' '" + text + "'").c_str()), 0);
        const std::string printed = readFile(text);
        EXPECT_NE(printed.find("Laboratory Table Number (Not Recorded)"), std::string::npos);
        EXPECT_NE(printed.find("Ann Smith"), std::string::npos);
        EXPECT_NE(printed.find("Sunspot Position Measurements"), std::string::npos);
        EXPECT_LT(printed.find("Line 0"), printed.find("Line 299"));
        EXPECT_NE(printed.find("Line 299"), std::string::npos);
    }
    printContext() = PrintContext{};
}

TEST(InfoListWindow, MenusPopUpAndDescendantHandlers) {
    ScriptedUiPrompt ui;
    struct Editing : TInfoListForm1 {
        int edits = 0;
        void EditSelectedLine1Click() override { ++edits; }
    } w;
    EXPECT_FALSE(w.ForSpreadsheet1->isEnabled());
    EXPECT_FALSE(w.ForReload1->isVisible());
    EXPECT_FALSE(w.UndoEditDelete1->isEnabled());
    EXPECT_EQ(w.CurrentLine, -1);

    ui.script.expect("Not Available");
    w.CommaDelimitClick();
    EXPECT_EQ(ui.script.lastMessage().text, "Comma-Delimited Output not Available for Displayed Material.");

    // Menu items and pop-up items reach the descendant's handler.
    w.EditSelectedLine1->trigger();
    w.Edit2->trigger();
    EXPECT_EQ(w.edits, 2);

    w.setLines(kLog);
    w.show();
    QApplication::processEvents();
    const QPoint at = w.ListBox1->visualItemRect(w.ListBox1->item(2)).center();
    auto rightClick = [&] {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(at),
                          w.ListBox1->viewport()->mapToGlobal(QPointF(at)), Qt::RightButton, Qt::RightButton,
                          Qt::NoModifier);
        QApplication::sendEvent(w.ListBox1->viewport(), &press);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at),
                            w.ListBox1->viewport()->mapToGlobal(QPointF(at)), Qt::RightButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(w.ListBox1->viewport(), &release);
    };
    w.ListBox1->setCurrentRow(2);
    rightClick();
    EXPECT_EQ(w.CurrentLine, 2);
    EXPECT_TRUE(w.PopupMenu1->isVisible());
    w.PopupMenu1->hide();
    w.Edit1->menuAction()->setVisible(false);
    rightClick();
    EXPECT_FALSE(w.PopupMenu1->isVisible());
}

TEST(HeaderViewer, ShowsTheListingOnceAndReusesTheWindow) {
    ScriptedUiPrompt ui;
    TempDir dir;
    writeFile(dir.file("SUN.HDR"),
              "/data/sun.fits\r\n** FITS Header Information **\r\n\r\nSIMPLE  =  T\r\n \r\n");
    std::unique_ptr<TInfoListForm1> window;
    ASSERT_TRUE(ViewHeader(window, "", "SUN.FIT", dir.file("SUN.HDR"), "SUN"));
    ASSERT_TRUE(window);
    EXPECT_EQ(window->windowTitle(), "SUN.FIT");
    EXPECT_EQ(window->lines(), (std::vector<std::string>{"/data/sun.fits", "** FITS Header Information **",
                                                         "", "SIMPLE  =  T", " "}));
    EXPECT_FALSE(window->Edit1->menuAction()->isVisible());
    EXPECT_TRUE(window->isVisible());

    TInfoListForm1 *first = window.get();
    window->hide();
    ASSERT_TRUE(ViewHeader(window, "", "SUN.FIT", dir.file("SUN.HDR"), "SUN"));
    EXPECT_EQ(window.get(), first);
    EXPECT_TRUE(window->isVisible());

    // Its save dialog starts with the header filter and the header's own name.
    ui.script.answerFile("");
    window->SaveasText1Click();
    const PromptCall &save = ui.script.calls.back();
    EXPECT_EQ(save.file.fileName, "SUN.HDR");
    EXPECT_EQ(save.file.filter.rfind("Image Header Text (*.HDR)|*.HDR|Text Files (*.TXT)|*.TXT|", 0), 0u);

    std::unique_ptr<TInfoListForm1> none;
    ui.script.expect("File Error!");
    EXPECT_FALSE(ViewHeader(none, "", "X.FIT", dir.file("X.HDR"), "X"));
    EXPECT_FALSE(none);
}

TEST(HeaderViewer, ShowsTheListingThatTheFitsReaderWrote) {
    ScriptedUiPrompt ui;
    TempDir dir;
    // A 2 x 2 image of bytes, built card by card: each card 80 characters, the header and the
    // data each padded to 2880 bytes.
    auto card = [](std::string text) { return text.append(80 - text.size(), ' '); };
    std::string fits = card("SIMPLE  =                    T") + card("BITPIX  =                    8") +
                       card("NAXIS   =                    2") + card("NAXIS1  =                    2") +
                       card("NAXIS2  =                    2") + card("FNDLMBMA=                  1.0") +
                       card("END");
    fits.append(2880 - fits.size(), ' ');
    fits += std::string("\x01\x02\x03\x04", 4);
    fits.append(2880 * 2 - fits.size(), '\0');
    writeFile(dir.file("sun.fits"), fits);

    FITSFileObj image(dir.dir());
    ASSERT_TRUE(image.Load(dir.file("sun.fits")));
    std::unique_ptr<TInfoListForm1> window;
    ASSERT_TRUE(ViewHeader(window, image, ""));
    EXPECT_EQ(window->windowTitle(), "SUN.FIT");
    const std::vector<std::string> lines = window->lines();
    ASSERT_GE(lines.size(), 10u);
    EXPECT_EQ(lines[0], dir.file("sun.fits"));
    EXPECT_EQ(lines[1], "** FITS Header Information **");
    EXPECT_EQ(lines[3], "SIMPLE  =                    T");
    EXPECT_EQ(lines[9], "END");

    ui.script.answerFile("");
    window->SaveasText1Click();
    EXPECT_EQ(ui.script.calls.back().file.fileName, "SUN.HDR");
}

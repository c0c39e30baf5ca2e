// The help windows: choosing a topic, headings and blank lines in the topic list, following
// related-topic links, going back, a missing topic file, and the printout.
#include "support/Helptxt.h"
#include "common/ScriptedUiPrompt.h"
#include "common/TempDir.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>
#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace solar::test {
namespace {

// Three topics that link to each other in one file, one in a file of its own, and one whose file
// is missing.
struct HelpFiles {
    TempDir t;
    HelpFiles() {
        writeFile(t.file("TOPICS.LST"),
                  "\"Measuring\" \"begin\"\r\n\"Alpha\" \"abc.hlp\"\r\n\"Beta\" \"ABC.HLP\"\r\n"
                  "\"x\" \"end\"\r\n\"Gamma\" \"abc.hlp\"\r\n\"Solo\" \"solo.txt\"\r\n"
                  "\"Lost\" \"lost.txt\"\r\n\"Long\" \"long.txt\"\r\n\"Longer\" \"long.txt\"\r\n");
        writeFile(t.file("abc.hlp"), "*Alpha*\r\nAlpha text, not a link: Beta\r\nRelated Topics:\r\nBeta\r\n"
                                     "*Beta*\r\nBeta text\r\nRelated Topics:\r\n  Gamma  \r\nNowhere\r\n"
                                     "*Gamma*\r\nGamma text\r\n");
        writeFile(t.file("solo.txt"), "A topic of its own.\r\n");
        // Two topics longer than any window, the first linking to the second from its foot.
        std::string longText = "*Long*\r\n";
        for (int i = 0; i < 120; ++i)
            longText += "Long line " + std::to_string(i) + "\r\n";
        longText += "Related Topics:\r\nLonger\r\n*Longer*\r\n";
        for (int i = 0; i < 120; ++i)
            longText += "Longer line " + std::to_string(i) + "\r\n";
        writeFile(t.file("long.txt"), longText);
    }
};

// Handler that picks the entry `row` of the topic list dialog (Read/Print Topic).
ScriptedUiPrompt::DialogHandler pick(int row) {
    return [row](QDialog &d) {
        auto &dlg = dynamic_cast<THelpLstDlg &>(d);
        dlg.HlpLstBox->setCurrentRow(row);
        dlg.Read1Click();
        return dlg.result();
    };
}

int rowOf(QListWidget *list, const QString &text) {
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text().trimmed() == text)
            return i;
    return -1;
}

TEST(HelpViewer, TopicListLinksAndBack) {
    HelpFiles f;
    ScriptedUiPrompt ui;
    QWidget owner;
    auto *center = new HelpCenter(&owner);
    HelpList *list = center->listFor(f.t.file("topics.lst")); // found in any case
    ASSERT_NE(list, nullptr);
    THelpWin &v = *center->Viewer;

    // A heading answers with its name; a blank line beeps; then Alpha is chosen.
    ui.onDialog([](QDialog &d) {
        auto &dlg = dynamic_cast<THelpLstDlg &>(d);
        EXPECT_EQ(dlg.HlpLstBox->item(0)->text().toStdString(), "-Measuring-");
        EXPECT_EQ(dlg.HlpLstBox->item(1)->text().toStdString(), "  Alpha");
        dlg.HlpLstBox->setCurrentRow(0);
        dlg.Read1Click();
        dlg.HlpLstBox->setCurrentRow(3);
        dlg.Read1Click();
        dlg.HlpLstBox->setCurrentRow(1);
        dlg.Read1Click();
        return dlg.result();
    });
    ui.script.expect("Topic Heading");
    center->showTopics(list, f.t.dir());
    EXPECT_EQ(ui.script.messages()[0].text, "Select a Topic Under \"-Measuring-\"");
    EXPECT_EQ(ui.script.calls[1].kind, "beep");
    EXPECT_EQ(v.windowTitle().toStdString(), "Help - Alpha");
    EXPECT_EQ(v.ListBox1->item(1)->text().toStdString(), "  Alpha text, not a link: Beta  ");
    EXPECT_FALSE(v.Back1->isEnabled());

    // Above the related-topics line nothing is a link; below it, Beta opens, then Gamma.
    v.ListBox1DblClick(1);
    EXPECT_EQ(v.windowTitle().toStdString(), "Help - Alpha");
    v.ListBox1DblClick(rowOf(v.ListBox1, "Beta"));
    EXPECT_EQ(v.windowTitle().toStdString(), "Help - Beta");
    EXPECT_EQ(list->SelectedIndex, 2);
    v.ListBox1DblClick(rowOf(v.ListBox1, "Nowhere")); // no such topic: stays
    EXPECT_EQ(v.windowTitle().toStdString(), "Help - Beta");
    v.ListBox1DblClick(rowOf(v.ListBox1, "Gamma"));
    EXPECT_EQ(v.windowTitle().toStdString(), "Help - Gamma");
    EXPECT_EQ(v.historyTitles(), (std::vector<std::string>{"  Alpha", "  Beta", "Gamma"}));
    EXPECT_TRUE(v.Back1->isEnabled());

    v.Back1Click();
    EXPECT_EQ(v.windowTitle().toStdString(), "Help - Beta");
    v.Back1Click();
    EXPECT_EQ(v.windowTitle().toStdString(), "Help - Alpha");
    EXPECT_FALSE(v.Back1->isEnabled());

    // Show Help Topics from the viewer: a topic whose file is missing leaves the window as it was.
    ui.onDialog(pick(6));
    ui.script.expect("Help Not Available");
    v.Topics1Click();
    EXPECT_EQ(v.windowTitle().toStdString(), "Help - Alpha");
    EXPECT_EQ(v.historyTitles(), (std::vector<std::string>{"  Alpha"}));
    ui.onDialog(pick(5));
    v.Topics1Click();
    EXPECT_EQ(v.windowTitle().toStdString(), "Help - Solo");
    EXPECT_EQ(v.ListBox1->item(1)->text().toStdString(), "  A topic of its own.  ");

    // Closing forgets the history.
    v.Close1Click();
    EXPECT_TRUE(v.historyTitles().empty());

    // The printout: a PDF with something in it.
    TempDir out;
    ui.pdfPath = out.file("topic.pdf");
    ui.script.answerPrint(true);
    v.Print1Click();
    EXPECT_GT(fs::file_size(out.file("topic.pdf")), 500u);
}

// Events as the window system delivers them, through the window, where a modal window blocks them.
void windowMouse(QWidget *w, QEvent::Type type, QPoint at) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, QPointF(at), QPointF(w->mapToGlobal(at)), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(w->windowHandle(), &e);
}

// Help asked from a modal window opens over it and can be scrolled, followed and closed while
// that window stays open; each new topic starts at its top; closing gives the focus back.
TEST(HelpViewer, UsableOverTheModalWindowThatAskedForIt) {
    HelpFiles f;
    ScriptedUiPrompt ui;
    QWidget main;
    main.show();
    auto *center = new HelpCenter(&main);
    THelpWin &v = *center->Viewer;
    QDialog analysis(&main);
    analysis.setWindowModality(Qt::ApplicationModal);
    analysis.show();
    ASSERT_EQ(QApplication::activeModalWidget(), &analysis);

    ui.onDialog(pick(7)); // Long
    showHelpTopics(f.t.file("TOPICS.LST"), &analysis);
    ASSERT_EQ(v.windowTitle().toStdString(), "Help - Long");
    ASSERT_TRUE(v.isVisible());
    EXPECT_EQ(v.windowHandle()->transientParent(), analysis.windowHandle());
    EXPECT_EQ(v.ListBox1->verticalScrollBar()->value(), 0);

    // The wheel scrolls; a double click on the link at the foot follows it.
    const QPoint listAt = v.ListBox1->viewport()->mapTo(&v, QPoint(20, 20));
    QWheelEvent wheel(QPointF(listAt), QPointF(v.mapToGlobal(listAt)), QPoint(), QPoint(0, -120 * 100),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(v.windowHandle(), &wheel);
    QScrollBar *bar = v.ListBox1->verticalScrollBar();
    EXPECT_GT(bar->value(), 0);
    const int linkRow = rowOf(v.ListBox1, "Longer");
    ASSERT_GT(linkRow, 0);
    v.ListBox1->scrollToItem(v.ListBox1->item(linkRow));
    const QPoint link =
        v.ListBox1->viewport()->mapTo(&v, v.ListBox1->visualItemRect(v.ListBox1->item(linkRow)).center());
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                              QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease})
        windowMouse(&v, type, link);
    ASSERT_EQ(v.windowTitle().toStdString(), "Help - Longer");
    v.ListBox1->doItemsLayout();
    EXPECT_EQ(v.ListBox1->verticalScrollBar()->value(), 0);
    v.Back1Click();
    EXPECT_EQ(v.windowTitle().toStdString(), "Help - Long");

    // Closing returns the focus to the analysis window, which is still open.
    v.Close1Click();
    QApplication::processEvents();
    EXPECT_FALSE(v.isVisible());
    EXPECT_TRUE(analysis.isVisible());
    EXPECT_EQ(QApplication::activeWindow(), &analysis);
    // The analysis window closes: the viewer stays with the program, not with it.
    analysis.hide();
    EXPECT_EQ(v.parentWidget(), &main);
}

TEST(HelpViewer, NoListMeansNoDialogButAMessage) {
    ScriptedUiPrompt ui;
    QWidget owner;
    auto *center = new HelpCenter(&owner);
    ui.script.expect("Help File Error");
    ui.script.expect("File Error");
    ui.script.expect("Select Help Topic");
    showHelpTopics("/nonexistent/LIST.LST", &owner);
    EXPECT_EQ(ui.script.lastMessage().text, "No Help List to Display!");
    EXPECT_TRUE(ui.dialogsShown.empty());
    EXPECT_FALSE(center->Viewer->isVisible());
}

} // namespace
} // namespace solar::test

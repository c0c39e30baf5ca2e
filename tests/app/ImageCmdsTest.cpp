// The main window's image commands on the generated sample database: the directory, loading
// with the progress window, cut, paste and sort with the lamp, clear all, image list files, the
// animation, the header window and the search. Expected database lines are written from the
// file names (synthYYMMDDtHHMM.fts); expected loaded-image lines from the DATE-OBS and TIME-OBS
// cards read straight out of each file's first header record.
#include "app/VORN_ROT.h"

#include "common/ScriptedUiPrompt.h"
#include "common/TempDir.h"
#include "common/TestMachine.h"
#include "display/ImagMeas.h"
#include "imagedb/AnimDlg.h"
#include "imagedb/ImgPgrGage.h"
#include "imagedb/SolrImages.h"
#include "imagefiles/HdrView.h"
#include "measure/MeasDataWin.h"
#include "measure/Recovery.h"
#include "support/Getsstr.h"
#include "support/InfoList.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace solar::test {
namespace {

const std::string SampleDir = std::string(SOLARRTN_BIN_DIR) + "/IMAGES/";

// The first lines of the sample directory file, as its names give them.
const char *const SampleLines[] = {"2025/08/25    19:49 UT", "2025/08/26    14:02 UT",
                                   "2025/08/27    17:11 UT", "2025/08/28    17:45 UT",
                                   "2025/08/30    18:17 UT"};
const char *const SampleFiles[] = {"synth250825t1949.fts", "synth250826t1402.fts", "synth250827t1711.fts",
                                   "synth250828t1745.fts", "synth250830t1817.fts"};

// The value of a quoted card in the file's first 2880 bytes.
std::string cardText(const std::string &file, const std::string &key) {
    const std::string head = readFile(file).substr(0, 2880);
    for (std::size_t at = 0; at + 80 <= head.size(); at += 80) {
        const std::string c = head.substr(at, 80);
        if (c.compare(0, key.size(), key) == 0 && (c[key.size()] == ' ' || c[key.size()] == '=')) {
            const auto q1 = c.find('\'');
            const auto q2 = c.find('\'', q1 + 1);
            return c.substr(q1 + 1, q2 - q1 - 1);
        }
    }
    return "";
}

// The loaded-image line of a sample file: the date and the time, each padded to 18 characters
// as the reader keeps them.
std::string captionOf(const std::string &file) {
    std::string date = cardText(SampleDir + file, "DATE-OBS");
    date.resize(18, ' ');
    std::string time = cardText(SampleDir + file, "TIME-OBS");
    time.resize(18, ' ');
    return date + time;
}

// A demonstration-mode start with the sample database as image path, run to the lists. Unless
// `realWindow`, the image window is replaced by a record of what it was asked to show.
struct Session : TestMachine {
    ScriptedUiPrompt ui;
    std::unique_ptr<TSolarRtn> w;
    std::vector<std::pair<std::string, int>> shown;
    std::vector<const FITSFileObj *> removed;

    // prepare: runs before the main window starts (files of an earlier run, answers to queue).
    explicit Session(bool realWindow = false, const std::function<void(Session &)> &prepare = {}) {
        QApplication::setQuitOnLastWindowClosed(false);
        writeOptions([](OptionsRecord &o) {
            o.LoginRequired = false;
            o.ImagePath = SampleDir;
        });
        StartupEnv e = env(1024, 768);
        if (prepare)
            prepare(*this);
        w = std::make_unique<TSolarRtn>(e);
        w->Run1Click();
        if (realWindow)
            return;
        w->ShowImageHook = [this](FITSFileObj &image, int index) {
            shown.emplace_back(image.DisplayName(), index);
        };
        w->ImageRemovedHook = [this](const FITSFileObj *image) { removed.push_back(image); };
    }
    ~Session() { w->FormClose(); }

    void loadDirectory(const std::string &file = SampleDir + "synthlist.txt") {
        ui.script.answerFile(file);
        w->Load1Click();
    }
    // Selects the given database lines and loads them.
    void load(std::initializer_list<int> rows) {
        w->ListBox1->clearSelection();
        for (int r : rows)
            w->ListBox1->item(r)->setSelected(true);
        w->ListBox1DblClick();
    }
    std::vector<std::string> lines(QListWidget *list) const {
        std::vector<std::string> out;
        for (int i = 0; i < list->count(); ++i)
            out.push_back(list->item(i)->text().toStdString());
        return out;
    }
    std::vector<std::string> captions(std::initializer_list<int> files) const {
        std::vector<std::string> out;
        for (int f : files)
            out.push_back(captionOf(SampleFiles[f]));
        return out;
    }
    int beeps() const {
        int n = 0;
        for (const auto &c : ui.script.calls)
            n += c.kind == "beep";
        return n;
    }
};

bool on(QAction *a) {
    return a->isEnabled();
}
bool on(QMenu *m) {
    return m->menuAction()->isEnabled();
}

// ---------------------------------------------------------------------------------------------

TEST(ImageDirectory, DirectoryInAnyOrderAndCaseIsListedInTimeOrderAndItsImagesLoad) {
    Session s;
    TempDir db;
    // Lines out of time order and upper-cased; the files on disk keep their lower-case names.
    for (int i : {2, 0, 1})
        fs::copy_file(SampleDir + SampleFiles[i], db.file(SampleFiles[i]));
    writeFile(db.file("MYLIST.TXT"),
              "SYNTH250827T1711.FTS\r\nSYNTH250825T1949.FTS\r\nSYNTH250826T1402.FTS\r\n");
    EXPECT_FALSE(on(s.w->LoadSelected1));
    s.loadDirectory(db.file("MYLIST.TXT"));
    EXPECT_EQ(s.ui.script.calls.front().file.title, "Load Image Directory");
    EXPECT_EQ(s.ui.script.calls.front().file.folder, SampleDir);
    EXPECT_TRUE(s.ui.script.messages().empty());
    EXPECT_EQ(s.lines(s.w->ListBox1),
              (std::vector<std::string>{SampleLines[0], SampleLines[1], SampleLines[2]}));
    EXPECT_EQ(s.w->Options.ImagePath.str(), db.dir());
    for (QAction *a : {s.w->LoadSelected1, s.w->SelectAll1, s.w->Search1, s.w->Print1, s.w->LoadSelected2})
        EXPECT_TRUE(on(a)) << a->text().toStdString();
    EXPECT_TRUE(on(s.w->ImageListMenu1));

    s.load({2});
    EXPECT_TRUE(s.ui.script.messages().empty());
    EXPECT_EQ(s.lines(s.w->ImageList1), s.captions({2}));
    EXPECT_EQ(s.w->ListBox1->item(2)->text().toStdString(), std::string(SampleLines[2]) + " *");
    ASSERT_EQ(s.shown.size(), 1u);
    EXPECT_EQ(s.shown[0], std::make_pair(std::string("SYNTH250827T1711.FTS"), 0));

    // The same file again is not read again: the marks stay.
    s.loadDirectory(db.file("MYLIST.TXT"));
    EXPECT_EQ(s.w->ListBox1->item(2)->text().toStdString(), std::string(SampleLines[2]) + " *");
    EXPECT_EQ(s.w->ImageList1->count(), 1);

    // Another file clears the images without asking; one that does not open is reported twice.
    s.ui.script.answerFile(db.file("nolist.txt"));
    s.ui.script.expect("Image Directory File Error!");
    s.ui.script.expect("Cannot Access Images!");
    s.w->Load1Click();
    EXPECT_EQ(s.ui.script.lastMessage().text, "The Solar Image Files cannot be accessed!");
    EXPECT_EQ(s.w->ImageList1->count(), 0);
    EXPECT_EQ(s.w->ListBox1->count(), 0);
    EXPECT_FALSE(on(s.w->Images1));
}

TEST(ImageLoading, SeveralLinesLoadWithProgressAndAlreadyLoadedLinesOnlyBeep) {
    Session s;
    s.loadDirectory();
    s.ui.script.expect("No Images Selected!");
    s.w->ListBox1DblClick();

    s.load({0, 1, 2});
    EXPECT_TRUE(s.ui.script.messages().size() == 1);
    EXPECT_EQ(s.lines(s.w->ImageList1), s.captions({0, 1, 2}));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(s.w->ListBox1->item(i)->text().toStdString(), std::string(SampleLines[i]) + " *");
    EXPECT_EQ(s.w->ListBox1->item(3)->text().toStdString(), SampleLines[3]);
    EXPECT_EQ(s.shown.size(), 3u);
    EXPECT_EQ(s.w->ImageList1->currentRow(), 2);
    // Progress finished at 3 of 3, OK offered.
    TGaugeForm2 &g = *s.w->GaugeForm;
    EXPECT_EQ(g.TotalVal->text(), "3");
    EXPECT_EQ(g.LoadedVal->text(), "3");
    EXPECT_EQ(g.PercentVal->text(), "100.000");
    EXPECT_EQ(g.Gauge->progress(), 100);
    EXPECT_FALSE(g.OKBtn->isHidden());
    EXPECT_TRUE(g.CancelBtn->isHidden());
    // The enabling table after a load.
    EXPECT_TRUE(on(s.w->Images1));
    EXPECT_TRUE(on(s.w->SaveList1));
    EXPECT_TRUE(on(s.w->PrintList1));
    EXPECT_TRUE(on(s.w->Animation1));
    EXPECT_FALSE(on(s.w->SortImageList1));
    EXPECT_TRUE(s.w->SortLed->lit());
    EXPECT_EQ(s.w->SortLed->colour(), QColor(0, 255, 0));

    // Line 1 is loaded already: one beep, one new image.
    s.load({1, 3});
    EXPECT_EQ(s.beeps(), 1);
    EXPECT_EQ(s.lines(s.w->ImageList1), s.captions({0, 1, 2, 3}));
    EXPECT_EQ(g.LoadedVal->text(), "2");
}

TEST(ImageLoading, OneImageLeavesTheAnimationMenuOffAndCancelStopsAfterTheFirst) {
    Session s;
    s.loadDirectory();
    s.load({4});
    EXPECT_FALSE(on(s.w->Animation1));
    EXPECT_TRUE(s.w->SortLed->lit());
    EXPECT_EQ(s.w->SortLed->colour(), QColor(0, 255, 0));

    // Cancel pressed while the second image is about to load.
    bool menusWaited = true;
    QObject::connect(s.w->GaugeForm, &TGaugeForm2::stepped, s.w->GaugeForm, [&](int n) {
        menusWaited = menusWaited && !s.w->menuBar()->isEnabled() && !s.w->ListBox1->isEnabled();
        if (n == 1)
            QMetaObject::invokeMethod(s.w->GaugeForm, "CancelBtnClick", Qt::QueuedConnection);
    });
    s.ui.script.expect("Cancel Current Processing?", Answer::Yes);
    s.load({0, 1, 2});
    EXPECT_EQ(s.ui.script.lastMessage().text, "Terminate Image Loading?");
    EXPECT_EQ(s.lines(s.w->ImageList1), s.captions({4, 0}));
    EXPECT_EQ(s.w->ListBox1->item(0)->text().toStdString(), std::string(SampleLines[0]) + " *");
    EXPECT_EQ(s.w->ListBox1->item(1)->text().toStdString(), SampleLines[1]);
    EXPECT_FALSE(s.w->GaugeForm->Running());
    EXPECT_TRUE(menusWaited);
    EXPECT_TRUE(s.w->menuBar()->isEnabled());
    EXPECT_TRUE(s.w->ListBox1->isEnabled());
    // 09:49 on the 25th after the 30th: out of order.
    EXPECT_EQ(s.w->SortLed->colour(), QColor(255, 0, 0));
    EXPECT_TRUE(on(s.w->SortImageList1));
}

TEST(ImageList, CutPasteAndSortKeepLinesSlotsAndMarksTogether) {
    Session s;
    s.loadDirectory();
    s.load({0, 1, 2, 3, 4});
    const FITSFileObj *fourth = s.w->Images->Image(3);

    s.w->ImageList1->setCurrentRow(3);
    s.w->Cut1Click();
    EXPECT_EQ(s.removed, std::vector<const FITSFileObj *>{fourth});
    EXPECT_EQ(s.lines(s.w->ImageList1), s.captions({0, 1, 2, 4}));
    EXPECT_EQ(s.w->ImageList1->currentRow(), 2);
    EXPECT_EQ(s.w->ListBox1->item(3)->text().toStdString(), SampleLines[3]);
    EXPECT_TRUE(on(s.w->Paste1));
    EXPECT_TRUE(on(s.w->PasteLast1));

    s.w->PasteLast1Click();
    EXPECT_EQ(s.lines(s.w->ImageList1), s.captions({0, 1, 2, 4, 3}));
    EXPECT_EQ(s.w->Images->Image(4), fourth);
    EXPECT_EQ(s.w->ImageList1->currentRow(), 4);
    EXPECT_EQ(s.w->ListBox1->item(3)->text().toStdString(), std::string(SampleLines[3]) + " *");
    EXPECT_FALSE(on(s.w->Paste1));
    EXPECT_EQ(s.w->SortLed->colour(), QColor(255, 0, 0));
    EXPECT_TRUE(on(s.w->SortImageList1));

    s.shown.clear();
    s.w->SortImageList1Click();
    EXPECT_EQ(s.lines(s.w->ImageList1), s.captions({0, 1, 2, 3, 4}));
    EXPECT_EQ(s.w->ImageList1->currentRow(), 4);
    ASSERT_EQ(s.shown.size(), 1u);
    EXPECT_EQ(s.shown[0].second, 4);
    EXPECT_EQ(s.w->SortLed->colour(), QColor(0, 255, 0));
    EXPECT_FALSE(on(s.w->SortImageList1));

    // Paste at the chosen line: the cut first image goes before line 2.
    s.w->ImageList1->setCurrentRow(0);
    s.w->Cut1Click();
    EXPECT_EQ(s.w->ImageList1->currentRow(), 0);
    s.w->ImageList1->setCurrentRow(2);
    s.w->Paste1Click();
    EXPECT_EQ(s.lines(s.w->ImageList1), s.captions({1, 2, 0, 3, 4}));
    EXPECT_EQ(s.w->ImageList1->currentRow(), 2);
}

TEST(ImageList, LoadingACutLineAgainPutsTheImageBackWhereItWas) {
    Session s;
    s.loadDirectory();
    s.load({0, 1, 2});
    const FITSFileObj *second = s.w->Images->Image(1);
    s.w->ImageList1->setCurrentRow(1);
    s.w->Cut1Click();
    s.load({1});
    EXPECT_EQ(s.lines(s.w->ImageList1), s.captions({0, 1, 2}));
    EXPECT_EQ(s.w->Images->Image(1), second);
    EXPECT_EQ(s.w->ImageList1->currentRow(), 1);
    EXPECT_EQ(s.w->ListBox1->item(1)->text().toStdString(), std::string(SampleLines[1]) + " *");
    EXPECT_FALSE(s.w->Images->OutOfOrder());
}

TEST(ImageList, CutOfTheOnlyImageOrWithoutALineChosen) {
    Session s;
    s.loadDirectory();
    s.load({2});
    // Nothing chosen: nothing is cut, and database line 0 keeps its state.
    s.w->ImageList1->setCurrentRow(-1);
    s.w->Cut1Click();
    EXPECT_EQ(s.w->ImageList1->count(), 1);
    EXPECT_FALSE(on(s.w->Paste1));

    s.w->ImageList1->setCurrentRow(0);
    s.w->Cut1Click();
    EXPECT_EQ(s.w->ImageList1->count(), 0);
    EXPECT_FALSE(on(s.w->Images1));
    EXPECT_FALSE(s.w->SortLed->lit());
    EXPECT_EQ(s.w->ListBox1->item(2)->text().toStdString(), SampleLines[2]);
}

TEST(ImageList, ClearAllAsksAndThenUnloadsEverything) {
    Session s;
    s.loadDirectory();
    s.load({0, 2});
    s.ui.script.expect("Verify Clear Images", Answer::No);
    s.w->ClearAllImages1Click();
    EXPECT_EQ(s.ui.script.lastMessage().text, "Are You Sure You Want to Remove all the Images?");
    EXPECT_EQ(s.w->ImageList1->count(), 2);

    s.w->ImageList1->setCurrentRow(0);
    s.w->Cut1Click();
    s.ui.script.expect("Verify Clear Images", Answer::Yes);
    s.w->ClearAllImages1Click();
    EXPECT_EQ(s.w->ImageList1->count(), 0);
    EXPECT_EQ(s.w->Images->Count(), 0);
    EXPECT_EQ(s.lines(s.w->ListBox1)[0], SampleLines[0]);
    EXPECT_EQ(s.lines(s.w->ListBox1)[2], SampleLines[2]);
    for (QAction *a : {s.w->Paste1, s.w->PasteLast1, s.w->SaveList1, s.w->PrintList1})
        EXPECT_FALSE(on(a));
    EXPECT_FALSE(on(s.w->Images1));
    EXPECT_FALSE(s.w->SortLed->lit());
    // Every image, the cut one included, was given up by the image window first.
    EXPECT_EQ(s.removed.size(), 3u);
    // The marks are gone: the lines load again.
    s.load({0});
    EXPECT_EQ(s.beeps(), 0);
    EXPECT_EQ(s.w->ImageList1->count(), 1);
}

TEST(ImageListFile, SaveAndLoadGiveTheSameImagesInTheSameOrder) {
    Session s;
    s.loadDirectory();
    s.load({2});
    s.load({0});
    s.load({1});
    const std::string user = s.w->Options.UserDir.str();
    s.ui.script.answerFile(user + "mylist.lst");
    s.ui.script.expect("Image List File Written");
    s.w->SaveList1Click();
    const PromptCall &dialog = s.ui.script.calls[s.ui.script.calls.size() - 2];
    EXPECT_EQ(dialog.file.title, "Save Image List");
    EXPECT_EQ(dialog.file.fileName, "SOLRTN_IMAGES.LST");
    EXPECT_EQ(dialog.file.folder, user);
    EXPECT_EQ(s.ui.script.lastMessage().text, "Image List Written to MYLIST.LST.");
    EXPECT_FALSE(on(s.w->SaveList1));
    const auto c = s.captions({2, 0, 1});
    EXPECT_EQ(readFile(user + "MYLIST.LST"), c[0] + "\r\n" + c[1] + "\r\n" + c[2] + "\r\n");

    // Saved again over the same name after Yes to the question.
    s.ui.script.answerFile(user + "MYLIST.LST");
    s.ui.script.expect("Replace Existing File?", Answer::Yes);
    s.ui.script.expect("Image List File Written");
    s.w->SaveList1Click();

    s.ui.script.expect("Verify Clear Images", Answer::Yes);
    s.w->ClearAllImages1Click();
    // A name that is not there is refused and the dialog comes back; then the file in another case.
    s.ui.script.answerFile(user + "none.lst");
    s.ui.script.expect("File Not Found!");
    s.ui.script.answerFile(user + "mylist.lst");
    s.w->LoadList1Click();
    EXPECT_EQ(s.ui.script.messages().back().text, "Unable to Load NONE.LST!");
    EXPECT_EQ(s.lines(s.w->ImageList1), c);
    EXPECT_FALSE(on(s.w->SaveList1));
    EXPECT_TRUE(on(s.w->PrintList1));
    EXPECT_EQ(s.w->SortLed->colour(), QColor(255, 0, 0));
    EXPECT_EQ(s.w->LastImageListFile, "MYLIST.LST");

    // Loading a list clears what is loaded without asking; blank lines are passed over, and the
    // lines that ask for no image of this database are named once the others are loaded.
    writeFile(user + "OTHER.LST", "\r\n1999-01-01        10:00:00\r\n" + c[1] + "\r\nno time here\r\n");
    s.ui.script.answerFile(user + "OTHER.LST");
    s.ui.script.expect("Images Not Found");
    s.w->LoadList1Click();
    EXPECT_EQ(s.lines(s.w->ImageList1), (std::vector<std::string>{c[1]}));
    EXPECT_EQ(s.ui.script.lastMessage().text, "2 lines of OTHER.LST match no image of the "
                                              "database:\r\n\r\n1999-01-01        10:00:00\r\nno time here");
}

TEST(Animation, OnStepsThroughTheListAndOffStopsAtTheNextTick) {
    Session s;
    s.loadDirectory();
    s.w->Animate1Click(); // nothing loaded: nothing happens
    EXPECT_FALSE(s.w->ImageTimer->isActive());
    s.load({0, 1, 2});
    EXPECT_EQ(s.w->ImageTimer->interval(), 1000);
    s.w->Animate1Click();
    EXPECT_TRUE(s.w->ImageTimer->isActive());
    EXPECT_FALSE(on(s.w->Animate1));
    EXPECT_TRUE(on(s.w->AnimateOff1));
    s.shown.clear();
    s.w->ImageTimerTimer();
    s.w->ImageTimerTimer();
    s.w->ImageTimerTimer();
    ASSERT_EQ(s.shown.size(), 3u);
    EXPECT_EQ(s.shown[0].second, 0); // after the last line comes the first
    EXPECT_EQ(s.shown[1].second, 1);
    EXPECT_EQ(s.shown[2].second, 2);
    s.w->AnimateOff1Click();
    EXPECT_TRUE(on(s.w->Animate1));
    EXPECT_FALSE(on(s.w->AnimateOff1));
    EXPECT_TRUE(s.w->ImageTimer->isActive());
    s.w->ImageTimerTimer();
    EXPECT_FALSE(s.w->ImageTimer->isActive());
    EXPECT_EQ(s.shown.size(), 3u);
}

TEST(Animation, RateFromOneTo1000IsTakenOthersAreRefused) {
    Session s;
    s.ui.onDialog([&](QDialog &d) {
        auto &dlg = dynamic_cast<TAnimRateDlg &>(d);
        dlg.FormActivate();
        EXPECT_EQ(dlg.RateEd->text(), "1000");
        EXPECT_EQ(dlg.RateEd->maxLength(), 4);
        for (const char *bad : {"0", "1001", "", "1x"}) {
            dlg.RateEd->setText(bad);
            dlg.OKBtnClick();
            EXPECT_EQ(dlg.result(), QDialog::Rejected) << bad;
        }
        dlg.RateEd->setText("1");
        dlg.OKBtnClick();
        return dlg.result();
    });
    s.ui.script.expect("Value Out of Range");
    s.ui.script.expect("Value Out of Range");
    s.ui.script.expect("Invalid Entry!");
    s.ui.script.expect("Invalid Entry!");
    s.w->SetRate1Click();
    const auto msgs = s.ui.script.messages();
    EXPECT_EQ(msgs[0].text, "Milliseconds must be between 1 and 1000.");
    EXPECT_EQ(msgs[2].text, "\"\" is not a valid integer!");
    EXPECT_EQ(msgs[3].text, "\"1x\" is not a valid integer!");
    EXPECT_EQ(s.w->ImageTimer->interval(), 1);

    s.ui.onDialog([&](QDialog &d) {
        auto &dlg = dynamic_cast<TAnimRateDlg &>(d);
        dlg.FormActivate();
        EXPECT_EQ(dlg.RateEd->text(), "1");
        dlg.RateEd->setText("1000");
        dlg.OKBtnClick();
        return dlg.result();
    });
    s.w->SetRate1Click();
    EXPECT_EQ(s.w->ImageTimer->interval(), 1000);
}

TEST(ImageHeader, ViewHeaderChoosesTheFirstLineAndShowsItsListing) {
    Session s;
    s.loadDirectory();
    s.load({1});
    s.w->ImageList1->setCurrentRow(-1);
    s.w->ViewFITSHeader1Click();
    EXPECT_EQ(s.w->ImageList1->currentRow(), 0);
    TInfoListForm1 *found = nullptr;
    for (QWidget *t : QApplication::topLevelWidgets())
        if (auto *f = dynamic_cast<TInfoListForm1 *>(t); f && f->isVisible())
            found = f;
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->windowTitle(), "SYNTH250826T1402.FTS");
    // The listing: the file's path, a heading, a blank line, then the cards from SIMPLE on.
    ASSERT_GT(found->ListBox1->count(), 4);
    EXPECT_EQ(found->ListBox1->item(0)->text().toStdString(), SampleDir + "synth250826t1402.fts");
    EXPECT_EQ(found->ListBox1->item(3)->text().left(6), "SIMPLE");
    // The window goes with its image.
    s.ui.script.expect("Verify Clear Images", Answer::Yes);
    s.w->ClearAllImages1Click();
    for (QWidget *t : QApplication::topLevelWidgets())
        EXPECT_NE(t, found);
}

TEST(ImageHeader, OneWindowPerImageForBothCommandsGoingWithTheImage) {
    Session s(true);
    s.loadDirectory();
    s.load({0, 1});
    s.w->ImageList1->setCurrentRow(1);
    s.w->ImageList1DblClick(); // the image window shows the second image
    s.w->ViewFITSHeader1Click();
    s.w->ImageForm->ViewFITSHeader1Click();
    auto visibleHeaders = [] {
        std::vector<TInfoListForm1 *> out;
        for (QWidget *t : QApplication::topLevelWidgets())
            if (auto *f = dynamic_cast<TInfoListForm1 *>(t); f && f->isVisible())
                out.push_back(f);
        return out;
    };
    const FITSFileObj *image = s.w->Images->Image(1);
    ASSERT_EQ(visibleHeaders().size(), 1u) << "both commands show the image's one window";
    EXPECT_EQ(visibleHeaders()[0], HeaderWindowOf(*image));
    // Cut, the image waits as the spare and keeps its window; the next cut releases it and the
    // window goes with it.
    s.w->Cut1Click();
    EXPECT_NE(HeaderWindowOf(*image), nullptr);
    s.w->ImageList1->setCurrentRow(0);
    s.w->Cut1Click();
    EXPECT_TRUE(visibleHeaders().empty());
}

TEST(Recovery, MeasurementsKeptByAFaultAreOfferedAtTheNextStartOfTheSameUser) {
    Session s(false, [](Session &p) {
        // The demonstration user's folder holds the copy a fatal fault wrote.
        const std::string user = p.work.dir() + "Users/SOLRTN/";
        fs::create_directories(user);
        MeasList kept;
        MeasRec r;
        r.ID = "A";
        r.Time = 45894.8;
        kept.Insert(r);
        std::string reason;
        ASSERT_TRUE(writeMeasFile(user + RecoveryFileName, kept, reason));
        p.ui.script.expect("Recovered Measurements", Answer::Yes);
    });
    EXPECT_EQ(s.w->MeasDataForm->list().Count(), 1);
    EXPECT_FALSE(s.w->DataSaved) << "recovered data are not saved yet";
    EXPECT_TRUE(on(s.w->SaveData1));
    // From now on the copy follows the list: a fault now would write it again.
    const std::string copy = s.w->Options.UserDir.str() + RecoveryFileName;
    EXPECT_FALSE(fs::exists(copy));
    ASSERT_TRUE(WriteRecoveryCopy());
    EXPECT_EQ(readFile(copy).size(), MeasRecordBytes);
    s.w->DataSaved = true;
    s.w->RefreshRecoveryCopy();
    EXPECT_FALSE(WriteRecoveryCopy());
}

TEST(DatabaseList, SearchFindsALineAcrossLineEndsAndSaysWhenNothingIsFound) {
    Session s;
    s.loadDirectory();
    auto search = [&](const QString &text, bool fromTop) {
        s.ui.onDialog([text, fromTop](QDialog &d) {
            auto &dlg = dynamic_cast<TGetSrchStrDlg &>(d);
            dlg.SrchStr1->setText(text);
            fromTop ? dlg.FromTopBtnClick() : dlg.FromCursorBtnClick();
            return dlg.result();
        });
        s.w->Search1Click();
    };
    s.w->ListBox1->item(0)->setSelected(true);
    search("2025/08/27", true);
    EXPECT_EQ(s.w->ListBox1->currentRow(), 2);
    // The chosen line for loading stays chosen.
    EXPECT_TRUE(s.w->ListBox1->item(0)->isSelected());
    // End of line 3 and start of line 4 report line 3 (index 3).
    search("45 UT 2025/08/30", true);
    EXPECT_EQ(s.w->ListBox1->currentRow(), 3);
    s.ui.script.expect("String Not Found");
    search("2025/08/25", false);
    EXPECT_EQ(s.ui.script.lastMessage().text, "\"2025/08/25\" Not Found.");
}

TEST(ImageWindowLink, ImagesGoToTheImageWindowWhichLetsGoOfThemAndLocksPreferencesWhileMeasuring) {
    Session s(true);
    ASSERT_NE(s.w->ImageForm, nullptr);
    s.loadDirectory();
    s.load({0, 1});
    EXPECT_TRUE(s.w->ImageForm->isVisible());
    EXPECT_EQ(s.w->ImageForm->Image(), s.w->Images->Image(1));
    EXPECT_EQ(s.w->ImageForm->ShownImage, 1);
    // Line 0 cut and appended after it: the image on show becomes line 0 and the window's
    // number follows it.
    const FITSFileObj *onShow = s.w->ImageForm->Image();
    s.w->ImageList1->setCurrentRow(0);
    s.w->Cut1Click();
    EXPECT_EQ(s.w->ImageForm->Image(), onShow);
    EXPECT_EQ(s.w->ImageForm->ShownImage, 0);
    s.w->PasteLast1Click();
    EXPECT_EQ(s.w->ImageForm->ShownImage, 0);
    s.w->ImageList1->setCurrentRow(-1);
    s.w->DisplayImage1Click();
    EXPECT_EQ(s.w->ImageForm->Image(), s.w->Images->Image(0));
    EXPECT_TRUE(s.w->ImageForm->Animation1->menuAction()->isEnabled());

    // Animation from the image window's own menu: its File and Window menus wait meanwhile.
    s.w->ImageForm->Start1Click();
    EXPECT_TRUE(s.w->ImageTimer->isActive());
    EXPECT_FALSE(s.w->ImageForm->File1->menuAction()->isEnabled());
    EXPECT_TRUE(s.w->ImageForm->Stop1->isEnabled());
    s.w->ImageForm->Stop1Click();
    EXPECT_TRUE(s.w->ImageForm->File1->menuAction()->isEnabled());
    EXPECT_TRUE(s.w->AnimationStopRequest);

    s.w->ImageForm->Measure1Click();
    EXPECT_FALSE(s.w->Preferences1->menuAction()->isEnabled());
    s.w->ImageForm->close();
    EXPECT_TRUE(s.w->Preferences1->menuAction()->isEnabled());

    // Cutting the image on show closes the window and leaves it without an image.
    s.w->DisplayImage1Click();
    EXPECT_TRUE(s.w->ImageForm->isVisible());
    s.w->Cut1Click();
    EXPECT_FALSE(s.w->ImageForm->isVisible());
    EXPECT_EQ(s.w->ImageForm->Image(), nullptr);
    EXPECT_EQ(s.w->MeasDataForm->hooks().imageWindowWidth(), s.w->ImageForm->frameGeometry().width());
}

TEST(DatabaseList, PrintedListsCarryTheirHeadingAndEveryLine) {
    Session s;
    s.loadDirectory();
    s.load({0, 3});
    TempDir out;
    s.ui.pdfPath = out.file("list.pdf");
    s.ui.script.answerPrint(false);
    s.w->PrintList1Click();
    EXPECT_FALSE(fs::exists(s.ui.pdfPath));
    s.ui.script.answerPrint(true);
    s.w->PrintList1Click();
    ASSERT_TRUE(fs::exists(s.ui.pdfPath));
    EXPECT_TRUE(s.w->isEnabled());
    // Where poppler's pdftotext is installed, the printed text is read back as well.
    if (std::system("command -v pdftotext >/dev/null 2>&1") == 0) {
        const std::string text = out.file("list.txt");
        ASSERT_EQ(std::system(("pdftotext -layout '" + s.ui.pdfPath + "' '" + text + "'").c_str()), 0);
        const std::string printed = readFile(text);
        EXPECT_NE(printed.find("List of Loaded Images"), std::string::npos);
        EXPECT_NE(printed.find("VORN Exercise - Rotation of The Sun"), std::string::npos);
        for (const std::string &c : s.captions({0, 3}))
            EXPECT_NE(printed.find(c.substr(0, 10)), std::string::npos) << c;
        EXPECT_NE(printed.find(cardText(SampleDir + SampleFiles[3], "TIME-OBS")), std::string::npos);
    }
}

TEST(DatabaseList, MouseOnTheListsShowsTheImageAndSelectAllChoosesEveryLine) {
    Session s;
    s.loadDirectory();
    s.w->SelectAll1Click();
    EXPECT_EQ(s.w->ListBox1->selectedItems().size(), s.w->ListBox1->count());
    s.load({0, 1});
    s.w->ImageList1->setCurrentRow(-1);
    s.shown.clear();
    s.w->ImageList1MouseDown(Qt::LeftButton, 5, 5);
    EXPECT_EQ(s.w->ImageList1->currentRow(), 0);
    s.w->ImageList1MouseUp(Qt::LeftButton, 5, 5);
    ASSERT_EQ(s.shown.size(), 1u);
    EXPECT_EQ(s.shown[0].second, 0);
    // A release without its press shows nothing.
    s.w->ImageList1MouseUp(Qt::LeftButton, 5, 5);
    EXPECT_EQ(s.shown.size(), 1u);
    // Right button: the pop-up menus of the two lists.
    s.w->ImageList1MouseDown(Qt::RightButton, 5, 5);
    s.w->ImageList1MouseUp(Qt::RightButton, 5, 5);
    EXPECT_TRUE(s.w->PopupMenu1->isVisible());
    s.w->PopupMenu1->hide();
    s.w->ListBox1MouseDown(Qt::RightButton, 5, 5);
    s.w->ListBox1MouseUp(Qt::RightButton, 5, 5);
    EXPECT_TRUE(s.w->PopupMenu2->isVisible());
    s.w->PopupMenu2->hide();
    EXPECT_EQ(s.shown.size(), 1u);
    // The progress window writes hours and minutes: 1.5 h is 1 Hr 30.00 Min.
    EXPECT_EQ(TGaugeForm2::HoursText(1.5), "1 Hr 30.00 Min");
    EXPECT_EQ(TGaugeForm2::HoursText(0.0125), "0 Hr 0.75 Min");
}

// A right click beside the lines of the database list opens the pop-up and keeps the lines the
// student chose, so that Load Selected Image(s) loads them.
TEST(DatabaseList, RightClickBesideTheLinesKeepsTheSelection) {
    Session s;
    s.w->show();
    s.loadDirectory();
    QListWidget *lb = s.w->ListBox1;
    ASSERT_GE(lb->count(), 3);
    lb->item(0)->setSelected(true);
    lb->item(2)->setSelected(true);
    const QRect last = lb->visualItemRect(lb->item(lb->count() - 1));
    const QPoint beside(5, last.bottom() + 6);
    ASSERT_LT(beside.y(), lb->viewport()->height()) << "the list has no room below its lines";
    ASSERT_EQ(lb->itemAt(beside), nullptr);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::RightButton : Qt::NoButton;
        QMouseEvent e(type, QPointF(beside), lb->viewport()->mapToGlobal(QPointF(beside)), Qt::RightButton,
                      held, Qt::NoModifier);
        QApplication::sendEvent(lb->viewport(), &e);
    }
    EXPECT_TRUE(s.w->PopupMenu2->isVisible());
    s.w->PopupMenu2->hide();
    EXPECT_EQ(lb->selectedItems().size(), 2);
    EXPECT_TRUE(lb->item(0)->isSelected() && lb->item(2)->isSelected());
    s.w->ListBox1DblClick();
    EXPECT_EQ(s.w->Images->Count(), 2);
}

} // namespace
} // namespace solar::test

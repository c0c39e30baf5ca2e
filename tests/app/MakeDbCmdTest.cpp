// "Make Image Database..." in the main window: shown only with the options access or in test or
// demonstration mode; a folder of images (three sample images and one that is not FITS) becomes a
// database that the Image Directory command opens, while refused files alone make none; Cancel in
// the progress window stops it; images that give SOLAR-P alone are turned as the instructor
// chooses; a directory file that cannot be read stops it before anything is written.
#include "app/VORN_ROT.h"

#include "common/ScriptedUiPrompt.h"
#include "common/TempDir.h"
#include "common/TestMachine.h"
#include "imagedb/ImgPgrGage.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace solar::test {
namespace {

const std::string SampleDir = std::string(SOLARRTN_BIN_DIR) + "/IMAGES/";

struct Demo : TestMachine {
    TempDir images, db;
    ScriptedUiPrompt ui;
    std::unique_ptr<TSolarRtn> w;
    Demo() {
        QApplication::setQuitOnLastWindowClosed(false);
        writeOptions([](OptionsRecord &o) {
            o.LoginRequired = false;
            o.ImagePath = SampleDir;
        });
        w = std::make_unique<TSolarRtn>(env(1024, 768));
        w->Run1Click();
        for (const char *f : {"synth250826t1402.fts", "synth250825t1949.fts", "synth250827t1711.fts"})
            fs::copy_file(SampleDir + f, images.file(std::string("obs_") + f));
        writeFile(images.file("readme.fits"), "not an image");
    }
    ~Demo() { w->FormClose(); }
    void run(bool cancelOnce = false, Answer openNow = Answer::No) {
        ui.script.answerFolder(images.dir());
        ui.script.answerFolder(db.dir());
        if (cancelOnce)
            ui.script.expect("Cancel Current Processing?", Answer::Yes);
        ui.script.expect("Make Image Database", openNow);
        w->MakeImageDatabase1Click();
    }
};

} // namespace

TEST(MakeDbCmd, ShownOnlyToTheInstructorOrInTestOrDemonstrationMode) {
    Demo d;
    d.w->UpdateMakeDatabaseCommand();
    EXPECT_TRUE(d.w->MakeImageDatabase1->isVisible());
    d.w->Options.LoginRequired = true;
    d.w->OptionsAccess = false;
    d.w->Options.TestMode = false;
    d.w->UpdateMakeDatabaseCommand();
    EXPECT_FALSE(d.w->MakeImageDatabase1->isVisible());
    d.w->MakeImageDatabase1Click(); // hidden: no dialog at all
    EXPECT_TRUE(d.ui.script.calls.empty());
    d.w->OptionsAccess = true;
    d.w->UpdateMakeDatabaseCommand();
    EXPECT_TRUE(d.w->MakeImageDatabase1->isVisible());
}

TEST(MakeDbCmd, FolderOfImagesBecomesADatabaseTheDirectoryCommandOpens) {
    Demo d;
    d.run();
    const std::string text = d.ui.script.lastMessage().text;
    EXPECT_NE(text.find("3 image(s) written"), std::string::npos) << text;
    EXPECT_NE(text.find("1 file(s) refused:\r\nreadme.fits: refused: "), std::string::npos) << text;
    EXPECT_EQ(readFile(d.db.file("solarlist.txt")),
              "solar250825t1949.fts\r\nsolar250826t1402.fts\r\nsolar250827t1711.fts\r\n");
    EXPECT_EQ(d.w->Options.ImagePath.str(), d.db.dir());

    d.ui.script.answerFile(d.db.file("solarlist.txt"));
    d.w->Load1Click();
    ASSERT_EQ(d.w->ListBox1->count(), 3);
    EXPECT_EQ(d.w->ListBox1->item(0)->text().toStdString(), "2025/08/25    19:49 UT");
}

// The closing note offers to open the new database; Yes does what Image Directory > Load does.
TEST(MakeDbCmd, YesOpensTheNewDatabaseAtOnce) {
    Demo d;
    d.run(false, Answer::Yes);
    EXPECT_EQ(d.ui.script.lastMessage().buttons, Buttons::YesNo);
    EXPECT_NE(d.ui.script.lastMessage().text.find("Open the new image database now?"), std::string::npos);
    ASSERT_EQ(d.w->ListBox1->count(), 3);
    EXPECT_EQ(d.w->ListBox1->item(0)->text().toStdString(), "2025/08/25    19:49 UT");
    EXPECT_TRUE(d.w->LoadSelected1->isEnabled());
}

// A folder whose only files are refused leaves no directory file: the note names none and does
// not offer to open a database.
TEST(MakeDbCmd, NothingWrittenNamesNoDirectoryFileAndOffersNothing) {
    Demo d;
    for (const auto &e : fs::directory_iterator(d.images.path()))
        if (e.path().filename() != "readme.fits")
            fs::remove(e.path());
    d.run();
    const PromptCall &note = d.ui.script.lastMessage();
    EXPECT_EQ(note.buttons, Buttons::OK);
    EXPECT_EQ(note.icon, Icon::Exclamation);
    EXPECT_NE(note.text.find("0 image(s) written"), std::string::npos) << note.text;
    EXPECT_NE(note.text.find("No directory file was made"), std::string::npos) << note.text;
    EXPECT_NE(note.text.find("readme.fits: refused: "), std::string::npos) << note.text;
    EXPECT_EQ(note.text.find("list.txt"), std::string::npos) << note.text;
    EXPECT_EQ(note.text.find("Open the new"), std::string::npos) << note.text;
    EXPECT_FALSE(fs::exists(d.db.file("solarlist.txt")));
    EXPECT_NE(d.w->Options.ImagePath.str(), d.db.dir());
}

TEST(MakeDbCmd, CancelStopsAfterTheImageInHand) {
    Demo d;
    std::string shownFile;
    QObject::connect(d.w->GaugeForm, &TGaugeForm2::stepped, [&](int n) {
        if (n == 1) {
            shownFile = d.w->GaugeForm->FileVal->text().toStdString();
            d.w->GaugeForm->CancelBtnClick();
        }
    });
    d.run(true);
    const std::string text = d.ui.script.lastMessage().text;
    EXPECT_NE(text.find("Stopped after 1 of 4 file(s)."), std::string::npos) << text;
    // The progress window names the file in hand.
    EXPECT_EQ(shownFile, "obs_synth250826t1402.fts");
    bool captioned = false;
    for (const QLabel *l : d.w->GaugeForm->findChildren<QLabel *>())
        captioned = captioned || l->text() == "Current Image File:";
    EXPECT_TRUE(captioned);
    EXPECT_EQ(readFile(d.db.file("solarlist.txt")), "solar250825t1949.fts\r\n"); // files go in name order
}

TEST(MakeDbCmd, SolarPImagesAreTurnedAsChosenAndAnUnreadableListingStopsIt) {
    Demo d;
    // One image whose orientation rests on SOLAR-P: the program's DISTANCE card becomes SOLAR-P.
    for (const auto &e : fs::directory_iterator(d.images.path()))
        fs::remove(e.path());
    std::string bytes = readFile(SampleDir + "synth250826t1402.fts");
    const std::size_t card = bytes.find("DISTANCE=");
    ASSERT_NE(card, std::string::npos);
    std::string solarP = "SOLAR-P =                -17.5";
    solarP.resize(80, ' ');
    bytes.replace(card, 80, solarP);
    writeFile(d.images.file("halpha.fts"), bytes);

    d.ui.script.answerFolder(d.images.dir());
    d.ui.script.answerFolder(d.db.dir());
    d.ui.script.expect("Image Orientation", Answer::No);
    d.ui.script.expect("Image Orientation", Answer::No); // as the sky shows it
    d.ui.script.expect("Make Image Database");
    d.w->MakeImageDatabase1Click();
    const std::string written = readFile(d.db.file("solar250826t1402.fts"));
    EXPECT_NE(written.find("solar north from the user: as the sky shows it"), std::string::npos);

    // A directory file that is a folder (root may read any file) cannot be read: nothing is written.
    TempDir db;
    fs::create_directory(db.file("solarlist.txt"));
    d.ui.script.answerFolder(d.images.dir());
    d.ui.script.answerFolder(db.dir());
    d.ui.script.expect("Image Orientation", Answer::Yes);
    d.ui.script.expect("Make Image Database");
    d.w->MakeImageDatabase1Click();
    EXPECT_EQ(d.ui.script.lastMessage().icon, Icon::Error);
    EXPECT_NE(d.ui.script.lastMessage().text.find(db.file("solarlist.txt")), std::string::npos)
        << d.ui.script.lastMessage().text;
    std::vector<std::string> names;
    for (const auto &e : fs::directory_iterator(db.path()))
        names.push_back(e.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"solarlist.txt"});
}

} // namespace solar::test

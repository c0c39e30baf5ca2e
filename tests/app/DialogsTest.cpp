// The media dialog of the main window and the platform layer
// (optical media in /proc/mounts, case-blind look-ups, the cursor file).
#include "app/MountMsg.h"
#include "app/Platform.h"
#include "common/ScriptedUiPrompt.h"
#include "common/TempDir.h"

#include <QApplication>
#include <QImageReader>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace solar::test {
namespace {

const std::string DataDir = std::string(SOLARRTN_SOURCE_DIR) + "/data/";

TEST(MountDialog, ActivationFillsInstructionAndAsksForTheMediumOnlyWithoutAPath) {
    int locates = 0;
    TMountCDROM dlg;
    dlg.MediaName = "Rotation Lab Installation CD-ROM";
    dlg.FolderName = "Solar Images (IMAGES/)";
    dlg.LocateCdrom = [&] {
        ++locates;
        return std::string("/media/cdrom/");
    };
    dlg.Browsed = true;
    dlg.FormActivate();
    EXPECT_EQ(dlg.windowTitle(), "Mount Data Media");
    EXPECT_EQ(dlg.Memo1->toPlainText(),
              "Please mount Rotation Lab Installation CD-ROM on drive indicated, or "
              "supply correct path to Solar Images (IMAGES/).");
    EXPECT_EQ(locates, 1);
    EXPECT_EQ(dlg.CDRPathEd->text(), "/media/cdrom/");
    EXPECT_FALSE(dlg.Browsed);

    TMountCDROM given;
    given.Path = "/mnt/disc/";
    given.LocateCdrom = [&] {
        ++locates;
        return std::string("/elsewhere/");
    };
    given.FormActivate();
    EXPECT_EQ(locates, 1);
    EXPECT_EQ(given.CDRPathEd->text(), "/mnt/disc/");
}

TEST(MountDialog, BrowsingStartsAtAnExistingFieldFolderElseTheInstallationFolder) {
    TempDir t;
    ScriptedUiPrompt ui;
    TMountCDROM dlg;
    dlg.InstallDir = "/opt/solarrtn/";
    dlg.FolderName = "Solar Images (IMAGES/)";
    dlg.FormActivate();

    dlg.CDRPathEd->setText("/no/such/folder/");
    ui.script.answerFolder(""); // cancelled: nothing changes
    dlg.CDRPathEdDblClick();
    EXPECT_EQ(ui.script.calls.back().kind, "folder");
    EXPECT_EQ(ui.script.calls.back().text, "/opt/solarrtn/");
    EXPECT_FALSE(dlg.Browsed);
    EXPECT_EQ(dlg.CDRPathEd->text(), "/no/such/folder/");

    dlg.CDRPathEd->setText(QString::fromStdString(t.dir()));
    ui.script.answerFolder(t.file("images")); // a folder without its final "/"
    dlg.CDRPathEdDblClick();
    EXPECT_EQ(ui.script.calls.back().text, t.dir());
    EXPECT_TRUE(dlg.Browsed);
    EXPECT_EQ(dlg.CDRPathEd->text().toStdString(), t.dir() + "images/");
}

TEST(MountDialog, DoubleClickOnThePathBrowsesAndOkAddsTheFinalSlash) {
    ScriptedUiPrompt ui;
    TMountCDROM dlg;
    dlg.InstallDir = "/opt/solarrtn/";
    dlg.FormActivate();
    ui.script.answerFolder("/media/disc\\IMAGES");
    const QPointF at(5, 5);
    QMouseEvent dbl(QEvent::MouseButtonDblClick, at, dlg.CDRPathEd->mapToGlobal(at), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(dlg.CDRPathEd, &dbl);
    EXPECT_TRUE(dlg.Browsed);
    EXPECT_EQ(dlg.CDRPathEd->text(), "/media/disc/IMAGES/");

    dlg.CDRPathEd->setText("/typed/path");
    dlg.OKBtn->click();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.Path, "/typed/path/");
}

// ---------------------------------------------------------------------------------------------

TEST(PlatformLayer, OpticalMediaAreReadFromTheMountTable) {
    // Lines in the form of /proc/mounts (fstab(5)): a blank in a path is written "\040".
    const std::string mounts = "proc /proc proc rw,relatime 0 0\n"
                               "/dev/sda1 / ext4 rw,relatime 0 0\n"
                               "/dev/sr0 /media/ann/SOLAR\\040ROTATION iso9660 ro,nosuid 0 0\n"
                               "/dev/sr1 /mnt/dvd udf ro 0 0\n"
                               "/dev/sdb1 /media/ann/USB vfat rw 0 0\n"
                               "broken line\n";
    EXPECT_EQ(opticalMountsIn(mounts), (std::vector<std::string>{"/media/ann/SOLAR ROTATION/", "/mnt/dvd/"}));
    EXPECT_TRUE(opticalMountsIn("").empty());
}

TEST(PlatformLayer, FoldersAndCaseBlindLookUps) {
    EXPECT_EQ(withSlash("a\\b"), "a/b/");
    EXPECT_EQ(withSlash("/x/"), "/x/");
    EXPECT_EQ(withSlash(""), "");

    TempDir t;
    fs::create_directories(t.file("Images/Sub"));
    EXPECT_FALSE(folderHoldsListFile(t.dir() + "Images/"));
    fs::create_directories(t.file("Images/fakelist.txt")); // a folder is no directory file
    EXPECT_FALSE(folderHoldsListFile(t.dir() + "Images/"));
    writeFile(t.file("Images/SOLAR_LIST.TXT"), "");
    EXPECT_TRUE(folderHoldsListFile(t.dir() + "Images/"));
    EXPECT_FALSE(folderHoldsListFile(t.dir() + "missing/"));
    EXPECT_FALSE(folderHoldsListFile(""));

    EXPECT_EQ(resolveNoCase(t.dir(), "IMAGES/SUB/"), t.dir() + "Images/Sub/");
    EXPECT_EQ(resolveNoCase(t.dir(), "images/Absent/"), t.dir() + "Images/Absent/");
    EXPECT_EQ(resolveNoCase(t.dir(), "VORNLOGO.BMP"), t.dir() + "VORNLOGO.BMP");
}

TEST(PlatformLayer, CursorFileHotSpotAndImage) {
    // A hand-built cursor directory: reserved 0, type 2, one entry of 32 x 32 with hot spot 3,29.
    std::string head = {0, 0, 2, 0, 1, 0, 32, 32, 2, 0, 3, 0, 29, 0, 0, 0, 0, 0, 22, 0, 0, 0};
    int x = -1, y = -1;
    ASSERT_TRUE(curHotSpot(head, x, y));
    EXPECT_EQ(x, 3);
    EXPECT_EQ(y, 29);
    std::string icon = head;
    icon[2] = 1; // an icon file, not a cursor
    EXPECT_FALSE(curHotSpot(icon, x, y));
    EXPECT_FALSE(curHotSpot(head.substr(0, 21), x, y));

    // The shipped cursor: Qt's reader takes it, 32 x 32, hot spot at the centre.
    QImageReader reader(QString::fromStdString(DataDir + "XPXHAIR.CUR"), "cur");
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
    EXPECT_EQ(image.size(), QSize(32, 32));
    // Centre open (transparent), arm pixels black, their rims white: as the script draws it.
    EXPECT_EQ(qAlpha(image.pixel(16, 16)), 0);
    EXPECT_EQ(image.pixel(16, 5) & 0xFFFFFFu, 0x000000u);
    EXPECT_EQ(qAlpha(image.pixel(16, 5)), 255);
    EXPECT_EQ(image.pixel(15, 5) & 0xFFFFFFu, 0xFFFFFFu);
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    QCursor cursor;
    ASSERT_TRUE(loadCursorFile(DataDir + "XPXHAIR.CUR", cursor));
    EXPECT_EQ(cursor.hotSpot(), QPoint(16, 16));
    TempDir t;
    writeFile(t.file("bad.cur"), "not a cursor at all, just text");
    EXPECT_FALSE(loadCursorFile(t.file("bad.cur"), cursor));
    EXPECT_FALSE(loadCursorFile(t.file("missing.cur"), cursor));
}

} // namespace
} // namespace solar::test

// A measuring session on the screen the test runs on (see ScreenTestMain): every window inside
// the screen area with no helper over another window's buttons or menu, a click on the magnified
// view measuring the spot under the cursor, the keyboard going to the spot identifier, the disc
// filling the viewing window for any image size, and clicks resolved at the device pixel ratio.
#include "app/Options.h"
#include "app/Platform.h"
#include "app/VORN_ROT.h"
#include "astro/HelioCoord.h"
#include "common/ScriptedUiPrompt.h"
#include "common/TempDir.h"
#include "display/CrsrWndw.h"
#include "display/ImagMeas.h"
#include "display/RdOutWin.h"
#include "imagefiles/FitsMaker.h"
#include "imagefiles/GrFiles.h"
#include "measure/MeasDataWin.h"
#include "support/InfoList.h"
#include "support/QtPrompt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace fs = std::filesystem;

namespace solar::test {
namespace {

const std::string SampleDir = std::string(SOLARRTN_BIN_DIR) + "/IMAGES/";
constexpr double RadToDeg = 57.295779513082320877;

void click(QWidget *w, QPointF at) {
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
        QMouseEvent e(type, at, w->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
}

void key(QWidget *target, int k, const QString &text = {}) {
    ASSERT_NE(target, nullptr);
    QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
}

QRect available() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// Visible buttons and menu bars of a window, in screen coordinates.
std::vector<QRect> controlsOf(QWidget *window) {
    std::vector<QRect> out;
    for (QWidget *c : window->findChildren<QWidget *>())
        if (c->isVisible() && c->window() == window &&
            (qobject_cast<QAbstractButton *>(c) || qobject_cast<QMenuBar *>(c)))
            out.emplace_back(c->mapToGlobal(QPoint(0, 0)), c->size());
    return out;
}

// A 16-bit square image of a bright disc (radius 0.45 of the side, about the middle) on a dark sky.
std::string discImage(int side) {
    std::vector<int> values(static_cast<std::size_t>(side) * side);
    const double c = (side - 1) / 2.0, r = 0.45 * side;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            values[static_cast<std::size_t>(y) * side + x] =
                (x - c) * (x - c) + (y - c) * (y - c) <= r * r ? 3000 : 10;
    return imageFile(16, side, side, be16(values),
                     {quoted("DATE-OBS", "2005-03-07"), quoted("UT", "16:04:00"), kv("DISTANCE", "1.0"),
                      kv("B0", "0.0"), kv("L0", "0.0"), kv("P_ANGLE", "0.0"),
                      kv("SEMIDIAM", "0.004652472638342832"), kv("CRPIX1", std::to_string(c + 1)),
                      kv("CRPIX2", std::to_string(c + 1)), kv("FNDLMBMA", std::to_string(r))});
}

} // namespace

TEST(ScreenLayout, MeasuringSessionFitsTheScreenWithNoHelperOverAnyControl) {
    std::ifstream keyFile(std::string(SOLARRTN_BIN_DIR) + "/INSTRUCTOR/synth_answer_key.csv");
    if (!keyFile)
        GTEST_SKIP() << "no generated images in " << SampleDir;
    std::string line;
    std::getline(keyFile, line);
    std::getline(keyFile, line); // the first spot of the first image
    std::vector<std::string> f;
    std::stringstream ss(line);
    for (std::string cell; std::getline(ss, cell, ',');)
        f.push_back(cell);
    const double column = std::stod(f[7]), row = std::stod(f[8]), lat = std::stod(f[9]),
                 lon = std::stod(f[10]);

    QApplication::setQuitOnLastWindowClosed(false);
    TempDir install, work, other;
    ScriptedUiPrompt ui;
    const std::string data = std::string(SOLARRTN_SOURCE_DIR) + "/data/";
    for (const char *name :
         {"VORNLOGO.BMP", "SOLRTNSCRN.BMP", "XPXHAIR.CUR", "SOLRTNHLP.LST", "REMINDER.ROT"})
        fs::copy_file(data + name, install.file(name));
    OptsObj o;
    o.Options.InstallDir = install.dir();
    o.SetDefaults();
    o.Options.LoginRequired = false;
    o.Options.ImagePath = SampleDir;
    const OptionsFileBytes bytes = encodeOptionsFile(o.Options);
    writeFile(work.file("SOLNOPTS.INI"), std::string(bytes.begin(), bytes.end()));
    StartupEnv e;
    e.installDir = install.dir();
    e.currentDir = work.dir();
    e.fallbackDir = other.dir() + "fallback/";
    e.screenWidth = available().width();
    e.screenHeight = available().height();
    e.opticalMounts = [] { return std::vector<std::string>{}; };
    TSolarRtn w(e);
    w.show();
    w.Run1Click();
    ui.script.answerFile(SampleDir + "synthlist.txt");
    w.Load1Click();
    w.ListBox1->item(0)->setSelected(true);
    w.ListBox1DblClick();
    w.DisplayImage1Click();
    TImageForm1 &img = *w.ImageForm;
    ASSERT_TRUE(img.isVisible());
    EXPECT_FALSE(img.Measuring);

    // A click on the magnified view: the spot under the cursor is measured, the answer key's
    // first spot to 0.3 degrees (the disc centre is rounded to a display pixel, up to 0.26
    // degrees at this spot's mu of 0.475), and the identifier box takes the keys.
    const QPointF at(double(img.Viewing.offsetX + column * img.Size.scale * img.Viewing.zoom),
                     double(img.Viewing.offsetY + row * img.Size.scale * img.Viewing.zoom));
    click(img.View, at);
    QApplication::processEvents();
    EXPECT_TRUE(img.Measuring);
    TMeasDataForm1 &entry = *w.MeasDataForm;
    EXPECT_NEAR(double(entry.Pending.Lat) * RadToDeg, lat, 0.3);
    EXPECT_NEAR(double(entry.Pending.Long) * RadToDeg, lon, 0.3);
    EXPECT_EQ(QApplication::focusWidget(), static_cast<QWidget *>(entry.IDEd));
    key(QApplication::focusWidget(), Qt::Key_A, "A");
    key(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(entry.list().Count(), 1u);

    // The header window opens too; then every window lies inside the screen area, and no
    // helper covers a button or menu of another window.
    img.ViewFITSHeader1Click();
    std::vector<QWidget *> windows;
    for (QWidget *t : QApplication::topLevelWidgets())
        if (t->isVisible())
            windows.push_back(t);
    const std::vector<QWidget *> helpers{img.ReadOut, img.CursorWindow, &entry};
    for (QWidget *h : helpers)
        EXPECT_TRUE(h->isVisible()) << h->windowTitle().toStdString();
    for (QWidget *t : windows) {
        EXPECT_TRUE(available().contains(t->frameGeometry()))
            << t->windowTitle().toStdString() << " at " << t->frameGeometry().x() << ","
            << t->frameGeometry().y() << " " << t->frameGeometry().width() << "x"
            << t->frameGeometry().height();
        for (QWidget *h : helpers) {
            if (h == t)
                continue;
            for (const QRect &c : controlsOf(t))
                EXPECT_FALSE(h->frameGeometry().intersects(c))
                    << h->windowTitle().toStdString() << " covers a control of "
                    << t->windowTitle().toStdString();
        }
    }
    // The header window opens beside the image window, and Escape closes it.
    TInfoListForm1 *header = nullptr;
    for (QWidget *t : windows)
        if (auto *list = qobject_cast<TInfoListForm1 *>(t))
            header = list;
    ASSERT_NE(header, nullptr);
    EXPECT_FALSE(header->frameGeometry().intersects(img.frameGeometry()));
    key(header->ListBox1, Qt::Key_Escape);
    EXPECT_FALSE(header->isVisible());
    // Showing an image again in the open window (as the animation does) leaves the focus where it is.
    w.activateWindow();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), &w);
    w.DisplayImage1Click();
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), &w);
    w.FormClose();
}

TEST(ScreenLayout, DiscFillsTheViewingWindowAndEachSizeKeepsItsOwnScale) {
    ScriptedUiPrompt ui;
    TempDir user, files;
    OptionsRecord options;
    options.RawDataFormat = UnitSolarRadius;
    options.MagRegionSize = 24;
    HeliographicCoordObj helio;
    TMeasDataForm1 entry;
    TImageForm1 w(options, helio, entry);
    for (int side : {512, 2048, 1024}) {
        SCOPED_TRACE(side);
        writeFile(files.file("DISC.FTS"), discImage(side));
        FITSFileObj image(user.dir());
        ASSERT_TRUE(image.Load(files.file("DISC.FTS")));
        w.ShowImage(image, 0);
        EXPECT_TRUE(available().contains(w.frameGeometry()))
            << w.frameGeometry().x() << "," << w.frameGeometry().y() << " " << w.frameGeometry().width()
            << "x" << w.frameGeometry().height();
        EXPECT_NEAR(double(w.Size.scale), double(w.ClientWidth()) / side, 1e-12);
        // The limb touches the window's edges in the middle of each; the corners are sky.
        const QImage &f = w.ScreenImage();
        const int last = f.width() - 1, mid = f.width() / 2;
        for (QPoint p : {QPoint(1, mid), QPoint(last - 1, mid), QPoint(mid, 1), QPoint(mid, last - 1)})
            EXPECT_GT(qGray(f.pixel(p)), 128) << p.x() << "," << p.y();
        EXPECT_LT(qGray(f.pixel(3, 3)), 64);
        // Half a radius right of the centre reads x = 0.5 at this image's own scale.
        w.Measure1Click();
        const long double r = 0.45L * side * w.Size.scale;
        const long double cx = w.Disc.centreX;
        click(w.View, QPointF(double(cx + r / 2), double(w.Disc.centreY)));
        EXPECT_NEAR(double(entry.Pending.XRad), 0.5, 0.5 / double(r) + 1e-9);
        entry.close();
    }
}

TEST(ScreenLayout, ClickResolvesTheDevicePixelUnderTheCursor) {
    ScriptedUiPrompt ui;
    TempDir user, files;
    OptionsRecord options;
    options.RawDataFormat = UnitPixels;
    options.MagRegionSize = 24;
    HeliographicCoordObj helio;
    TMeasDataForm1 entry;
    TImageForm1 w(options, helio, entry);
    writeFile(files.file("DISC.FTS"), discImage(1024));
    FITSFileObj image(user.dir());
    ASSERT_TRUE(image.Load(files.file("DISC.FTS")));
    w.ShowImage(image, 0);
    const qreal ratio = w.View->devicePixelRatioF();
    // The drawing has one pixel per device pixel.
    EXPECT_EQ(w.ScreenImage().width(), qRound(w.ClientWidth() * ratio));
    w.Measure1Click();
    // Clicks one device pixel apart are measured one device pixel apart, a fraction of an image
    // pixel on this 1024-pixel image.
    const qreal step = 1.0 / ratio;
    const QPointF at(w.Disc.centreX + 20.0, w.Disc.centreY + 10.0);
    click(w.View, at);
    const long double x0 = entry.Pending.X;
    click(w.View, at + QPointF(step, step));
    EXPECT_NEAR(double(entry.Pending.X - x0), step, 1e-9);
    EXPECT_NEAR(double(entry.Pending.YOff), -(10.0 + step), 1e-9);
    EXPECT_LT(step / double(w.Size.scale), ratio > 1 ? 1.0 : 2.0) << "image pixels per device pixel";
}

// The program's own dialogs during a long operation: the arrow over them, the busy cursor after.
TEST(ScreenLayout, FileDialogsShowTheArrowDuringALongOperation) {
    TempDir folder;
    setUiPrompt(nullptr);
    uiPrompt().setBusy(true);
    std::vector<Qt::CursorShape> seen;
    const auto closeDialog = [&seen] {
        seen.push_back(QGuiApplication::overrideCursor()->shape());
        if (QWidget *dialog = QApplication::activeModalWidget())
            dialog->close();
    };
    QTimer::singleShot(0, closeDialog);
    EXPECT_FALSE(uiPrompt().openFile(FileDialogSetup{"Open", "All (*.*)|*.*", "", "", folder.dir()}));
    QTimer::singleShot(0, closeDialog);
    EXPECT_FALSE(uiPrompt().selectFolder("Folder", folder.dir(), true));
    EXPECT_EQ(seen, (std::vector<Qt::CursorShape>{Qt::ArrowCursor, Qt::ArrowCursor}));
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    uiPrompt().setBusy(false);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(ScreenLayout, XWaylandIsPreferredInAWaylandSession) {
    EXPECT_EQ(preferredQtPlatform(nullptr, "wayland", "wayland-0", ":0"), "xcb");
    EXPECT_EQ(preferredQtPlatform(nullptr, nullptr, "wayland-0", ":1"), "xcb");
    // No XWayland, a platform chosen by the user, or an X11 session: Qt decides.
    EXPECT_EQ(preferredQtPlatform(nullptr, "wayland", "wayland-0", nullptr), "");
    EXPECT_EQ(preferredQtPlatform("wayland", "wayland", "wayland-0", ":0"), "");
    EXPECT_EQ(preferredQtPlatform(nullptr, "x11", nullptr, ":0"), "");
}

} // namespace solar::test

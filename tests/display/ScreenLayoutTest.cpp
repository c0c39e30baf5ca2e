// A measuring session on the screen the test runs on (see ScreenTestMain): every window inside
// the screen area with no helper over another window's buttons or menu, a click on the magnified
// view measuring the spot under the cursor, the keyboard going to the spot identifier, the disc
// filling the viewing window for any image size, and clicks resolved at the device pixel ratio.
#include "analysis/ClassRptWin.h"
#include "analysis/LinrAnal.h"
#include "analysis/RateLat.h"
#include "analysis/RotnAnal.h"
#include "analysis/RsltsLst.h"
#include "app/About.h"
#include "app/LoginDlg.h"
#include "app/MountMsg.h"
#include "app/OptionsDlg.h"
#include "app/Passwd.h"
#include "app/Platform.h"
#include "app/StrInput.h"
#include "app/VORN_ROT.h"
#include "astro/HelioCoord.h"
#include "common/ScriptedUiPrompt.h"
#include "common/TempDir.h"
#include "display/BoxDlg.h"
#include "display/CrsrWndw.h"
#include "display/ImagMeas.h"
#include "display/MgRgnDlg.h"
#include "display/RdOutWin.h"
#include "imagedb/ImgPgrGage.h"
#include "imagefiles/FitsMaker.h"
#include "imagefiles/GrFiles.h"
#include "measure/IDListForm.h"
#include "measure/MeasDataWin.h"
#include "support/Helptxt.h"
#include "support/InfoList.h"
#include "support/Options.h"
#include "support/QtPrompt.h"
#include "support/ScreenFit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QWindow>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iostream>
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

// The main window on the sample database: the program's data files in its installation folder,
// no login, started (Run) and the sample directory loaded.
struct SampleSession {
    TempDir install, work, other;
    ScriptedUiPrompt ui;
    std::unique_ptr<TSolarRtn> w;
    SampleSession() {
        QApplication::setQuitOnLastWindowClosed(false);
        const std::string data = std::string(SOLARRTN_SOURCE_DIR) + "/data/";
        for (const fs::directory_entry &f : fs::directory_iterator(data))
            if (f.is_regular_file())
                fs::copy_file(f.path(), install.file(f.path().filename().string()));
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
        w = std::make_unique<TSolarRtn>(e);
        w->show();
        w->Run1Click();
        ui.script.answerFile(SampleDir + "synthlist.txt");
        w->Load1Click();
    }
};

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

    SampleSession session;
    TSolarRtn &w = *session.w;
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

TEST(ScreenLayout, HelperKeepsItsPlaceAndFindsTheFreeRoom) {
    const QRect area = available();
    QWidget mainWindow;
    QWidget helper(&mainWindow, Qt::Tool);
    helper.resize(200, 150);
    screenfit::keepInside(&helper);
    const QPoint placed = area.topLeft() + QPoint(area.width() / 3, area.height() / 2);
    screenfit::placeFrame(&helper, placed);
    helper.show();
    QApplication::processEvents();
    ASSERT_EQ(screenfit::frameRect(&helper).topLeft(), placed);
    // Shown again and framed anew, the window is reported for a moment at its place inside the
    // frame, past the area's corner: it goes back where it was placed, not into the corner (over
    // the main window's menu).
    helper.windowHandle()->setPosition(area.topLeft() - QPoint(5, 5));
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
    EXPECT_EQ(screenfit::frameRect(&helper).topLeft(), placed);

    // Every wanted place covers the main window or the image window: the free room is taken.
    mainWindow.resize(area.size() / 2);
    screenfit::placeFrame(&mainWindow, area.topLeft());
    mainWindow.show();
    QApplication::processEvents();
    const QRect main = screenfit::frameRect(&mainWindow);
    const QRect image(QPoint(area.right() + 1 - area.width() / 3, area.top()),
                      QSize(area.width() / 3, area.height()));
    screenfit::placeAmong(&helper, {main.topLeft(), main.center(), image.topLeft()}, {main, image});
    QApplication::processEvents();
    const QRect got = screenfit::frameRect(&helper);
    EXPECT_TRUE(area.contains(got));
    EXPECT_FALSE(got.intersects(main));
    EXPECT_FALSE(got.intersects(image));
    // With no free room left, the place covering least is kept.
    EXPECT_TRUE(screenfit::freeRoom(got.size(), area.topLeft(), {area}, area).isEmpty());
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

// Every window and dialog of the program, opened over the running main window: inside the
// available area, clear of the main window's menu where the screen has room elsewhere, and wide
// enough for its whole caption.
TEST(ScreenLayout, EveryWindowAndDialogFitsTheScreenClearOfTheMainMenu) {
    if (!std::ifstream(SampleDir + "synthlist.txt"))
        GTEST_SKIP() << "no generated images in " << SampleDir;
    SampleSession session;
    TSolarRtn &w = *session.w;
    ScriptedUiPrompt &ui = session.ui;
    ASSERT_GE(w.ListBox1->count(), 2);

    std::vector<std::string> opened;
    const auto check = [&](QWidget *t, const std::string &page = {}) {
        QApplication::processEvents();
        const std::string name = t->windowTitle().toStdString() + (page.empty() ? "" : ", " + page) + " (" +
                                 t->metaObject()->className() + ")";
        opened.push_back(name);
        const QRect f = t->frameGeometry();
        EXPECT_TRUE(available().contains(f))
            << name << " at " << f.x() << "," << f.y() << " " << f.width() << "x" << f.height();
        if (t != &w) {
            const QRect main = w.frameGeometry();
            const QRect menu(
                main.topLeft(),
                QPoint(main.right(), w.menuBar()->mapToGlobal(QPoint(0, w.menuBar()->height() - 1)).y()));
            const QSize least =
                t->minimumSizeHint()
                    .expandedTo(t->minimumSize())
                    .grownBy(QMargins(0, 0, f.width() - t->width(), f.height() - t->height()));
            if (least.height() <= available().bottom() - menu.bottom() ||
                least.width() <= available().right() - menu.right()) {
                EXPECT_FALSE(f.intersects(menu))
                    << name << " at " << f.x() << "," << f.y() << " " << f.width() << "x" << f.height()
                    << " covers the main window's menu, foot at y " << menu.bottom();
            }
        }
        if ((t->windowType() & Qt::Tool) != Qt::Tool && !t->windowTitle().trimmed().isEmpty()) {
            // The caption in bold beside an icon and three buttons of at least 24 pixels each.
            QFont bold = t->font();
            bold.setBold(true);
            EXPECT_GE(t->width(), QFontMetrics(bold).horizontalAdvance(t->windowTitle()) + 100)
                << name << " cuts its caption";
        }
    };
    // A modal dialog: shown as its modal run shows it, checked, then closed with `result`.
    const auto inspect = [&](int result = QDialog::Rejected, std::function<void(QDialog &)> inside = {}) {
        return [&check, result, inside](QDialog &d) {
            d.show();
            check(&d);
            if (inside)
                inside(d);
            d.hide();
            return result;
        };
    };

    check(&w);
    // Loading two images shows the progress window.
    w.ListBox1->item(0)->setSelected(true);
    w.ListBox1->item(1)->setSelected(true);
    w.ListBox1DblClick();
    w.ImageList1->setCurrentRow(0);
    w.DisplayImage1Click();
    TImageForm1 &img = *w.ImageForm;
    img.Measure1Click();
    click(img.View, QPointF(img.Disc.centreX + 10.0, double(img.Disc.centreY)));
    QApplication::processEvents();
    for (QWidget *t : std::initializer_list<QWidget *>{&img, img.ReadOut, img.CursorWindow, w.MeasDataForm})
        check(t);
    w.MeasDataForm->IDEd->setText("A");
    w.MeasDataForm->OkBtn1Click();
    // The progress window as loading images and as Make Image Database show it.
    for (const char *caption : {"Loading Images", "Making Image Database"}) {
        TGaugeForm2 gauge(&w);
        gauge.StartProgress(caption, "Stop?", 2);
        check(&gauge);
        gauge.hide();
    }
    img.ViewFITSHeader1Click();
    for (QWidget *t : QApplication::topLevelWidgets())
        if (t->isVisible() && qobject_cast<TInfoListForm1 *>(t))
            check(t);

    // The image window's dialogs and the magnifier's.
    ui.onDialog(inspect());
    img.Adjust1Click();
    ui.onDialog(inspect());
    img.CursorWindow->SetRegionSize1Click();
    ui.onDialog(inspect());
    img.SetRate1Click();
    // The main window's dialogs.
    ui.onDialog(inspect());
    w.Search1Click();
    ui.onDialog(inspect());
    w.AboutThisExercise1Click();
    {
        LoginRecord login;
        TLoginDlg dlg(&login, "3", &w);
        ui.onDialog(inspect());
        runModal(dlg);
        TPasswordDlg password(&w);
        ui.onDialog(inspect());
        runModal(password);
        TPasswordDlg1 confirm("secret", &w);
        ui.onDialog(inspect());
        runModal(confirm);
        TStrIpDlg drive(&w);
        drive.setWindowTitle("CDROM Drive?");
        ui.onDialog(inspect());
        runModal(drive);
        TMountCDROM mount(&w);
        mount.MediaName = "Rotation Lab Installation CD-ROM";
        mount.FolderName = "Solar Images (IMAGES/)";
        mount.FormActivate();
        ui.onDialog(inspect());
        runModal(mount);
        std::uint8_t size = 24;
        ui.onDialog(inspect());
        TMagnRgnDlg::editDefaultSize(size, &w);
        BoxParams box;
        TBoxDlgForm1 boxDlg(box, &w);
        ui.onDialog(inspect());
        runModal(boxDlg);
        TOptionsDlg options(w.OptionsObj, &w);
        ui.onDialog(inspect());
        runModal(options);
        TEditDataForm1 edit(w.MeasDataForm->list(), nullptr, &w);
        ui.onDialog(inspect());
        runModal(edit);
    }
    // The measurement list and its data list window.
    w.ViewEdit1Click();
    ASSERT_NE(w.DataListForm, nullptr);
    check(w.DataListForm);
    // Help: the topic list, then the viewer.
    ui.onDialog(inspect(QDialog::Accepted, [](QDialog &d) {
        auto &topics = dynamic_cast<THelpLstDlg &>(d);
        for (int i = 0; i < topics.HlpLstBox->count(); ++i)
            if (!topics.HlpLstBox->item(i)->text().trimmed().isEmpty() &&
                !topics.HlpLstBox->item(i)->text().startsWith('-')) {
                topics.HlpLstBox->setCurrentRow(i);
                topics.Read1Click();
                break;
            }
    }));
    w.Topics1Click();
    for (QWidget *t : QApplication::topLevelWidgets())
        if (t->isVisible() && qobject_cast<THelpWin *>(t))
            check(t);

    // The linear analysis with its spot list and result dialog, then the results, the rate
    // against latitude and the sine-curve analysis with its parameter dialog.
    ui.onDialog(inspect(QDialog::Rejected, [&](QDialog &) {
        ui.onDialog(inspect(QDialog::Rejected, [](QDialog &d) {
            auto &ids = dynamic_cast<TIDListForm1 &>(d);
            ids.ListBox1->setCurrentRow(0);
            ids.LoadSelection1Click();
        }));
        w.LinearAnalysis->LongitudeValues1Click();
        ui.onDialog(inspect(QDialog::Rejected));
        w.LinearAnalysis->RecordResults1Click();
    }));
    w.FindPeriod1Click();
    {
        RsltsRec r;
        r.SpotID = "A";
        r.MeanLat = 0.2L;
        r.SynPeriod = 27.0L;
        r.RtnRate = 13.3L;
        TRsltsListForm1 *list = TRsltsListForm1::instance();
        ASSERT_NE(list, nullptr);
        list->AddResult(r);
    }
    w.ResultsList1Click();
    check(TRsltsListForm1::instance());
    w.RateLatitude1Click();
    for (QWidget *t : QApplication::topLevelWidgets())
        if (t->isVisible() && qobject_cast<TRateLatForm1 *>(t))
            check(t);
    ui.onDialog(inspect(QDialog::Rejected, [&](QDialog &) {
        ui.onDialog(inspect());
        runModal(*w.RotnAnalysis->SinParmsForm);
    }));
    w.RotnAnalysis->Execute();

    // The instructor's class report, on each of its pages.
    w.UpdateClassReportCommand();
    ASSERT_TRUE(w.ClassReport1->isVisible());
    w.ClassReport1Click();
    auto *report = w.findChild<TClassRptForm1 *>();
    ASSERT_NE(report, nullptr);
    ASSERT_EQ(report->Pages1->count(), 2);
    for (int page = 0; page < report->Pages1->count(); ++page) {
        report->Pages1->setCurrentIndex(page);
        check(report, report->Pages1->tabText(page).remove('&').toStdString());
        EXPECT_TRUE(report->Pages1->currentWidget()->isVisible());
    }

    std::string list;
    for (const std::string &n : opened)
        list += "\n  " + n;
    RecordProperty("windows", list);
    std::cout << "Windows and dialogs checked (" << opened.size() << "):" << list << "\n";
    EXPECT_GE(opened.size(), 34u);
    w.FormClose();
}

// A window moved by the user stays where it is put, even partly off the screen to the side and
// below, through the checks that keep a late frame's title bar on the screen; only a title bar
// above the available area is brought down to its top, left where it was put sideways.
TEST(ScreenLayout, WindowTheUserMovesStaysWhereItIsPut) {
    const auto settle = [](int ms) {
        QEventLoop loop;
        QTimer::singleShot(ms, &loop, &QEventLoop::quit);
        loop.exec();
    };
    QMainWindow w;
    w.setWindowTitle("Moved");
    w.menuBar()->addMenu("&File");
    w.resize(400, 300);
    screenfit::keepInside(&w);
    w.show();
    settle(300);
    const QRect area = available();
    ASSERT_TRUE(area.contains(w.frameGeometry()));
    ASSERT_NE(w.frameGeometry(), w.geometry()) << "the platform gives no frame";

    const QPoint partlyOff(area.right() - 150, area.bottom() - 100);
    w.move(partlyOff); // a top-level's position is its frame's
    settle(600);       // the move's own check and any quarter-second checks
    EXPECT_EQ(w.frameGeometry().topLeft(), partlyOff);
    w.activateWindow();
    settle(50);
    EXPECT_EQ(w.frameGeometry().topLeft(), partlyOff);

    w.move(area.left() + 40, area.top() - 10);
    settle(50);
    EXPECT_EQ(w.frameGeometry().topLeft(), QPoint(area.left() + 40, area.top()));
}

// A message box is wide enough for its whole caption, however short its text.
TEST(ScreenLayout, MessageBoxShowsItsWholeCaption) {
    setUiPrompt(nullptr);
    int width = 0, needed = 0;
    QTimer::singleShot(0, [&] {
        if (QWidget *box = QApplication::activeModalWidget()) {
            QFont bold = box->font();
            bold.setBold(true);
            width = box->width();
            needed = QFontMetrics(bold).horizontalAdvance(box->windowTitle()) + 100;
            box->close();
        }
    });
    uiPrompt().message("Invalid Synodic Period!", "Too short.", Icon::Exclamation, Buttons::OK);
    EXPECT_GE(width, needed);
    EXPECT_GT(needed, 100);
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

// The image window on a small hand-made FITS image: window size, disc and limb marks, inverted
// drawing, a press and drag with the live read-out, a release measured at the cursor or at the
// centroid, the magnifier's scroll steps, recorded spots drawn again, and closing.
#include "astro/HelioCoord.h"
#include "common/ScriptedUiPrompt.h"
#include "common/TempDir.h"
#include "display/CrsrWndw.h"
#include "display/ImagMeas.h"
#include "display/RdOutWin.h"
#include "imagefiles/FitsMaker.h"
#include "imagefiles/GrFiles.h"
#include "measure/MeasDataWin.h"
#include "support/Options.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace solar::test {
namespace {

constexpr int Side = 64;
constexpr std::int32_t Sky = 1000;
constexpr long double SpotX = 40.3L, SpotY = 28.6L; // image pixels; the disc centre is (32, 32)
constexpr long double Deg = 3.14159265358979323846264338327950288L / 180.0L;

// 64 x 64 16-bit image of a flat disc (radius 20 by FNDLMBMA) at 1000 with one dark Gaussian
// spot, observed 2005-03-07 16:04:00 UT from 1 AU, B0 = P = 0, semi-diameter one solar radius
// seen from 1 AU (1 / 214.93946933908046 rad).
std::string testImage(bool withLimb = true) {
    std::vector<int> values;
    for (int r = 0; r < Side; ++r)
        for (int c = 0; c < Side; ++c) {
            const long double d2 = (c - SpotX) * (c - SpotX) + (r - SpotY) * (r - SpotY);
            values.push_back(Sky - static_cast<int>(std::lround(600 * std::exp(-d2 / 8.0L))));
        }
    std::vector<std::string> cards{quoted("DATE-OBS", "2005-03-07"),
                                   quoted("UT", "16:04:00"),
                                   kv("DISTANCE", "1.0"),
                                   kv("B0", "0.0"),
                                   kv("L0", "0.0"),
                                   kv("P_ANGLE", "0.0"),
                                   kv("SEMIDIAM", "0.004652472638342832")};
    if (withLimb)
        cards.push_back(kv("FNDLMBMA", "20.0"));
    return imageFile(16, Side, Side, be16(values), cards);
}

// 2005-03-07 is Julian day 2453436.5, moment 2453436.5 - 2415018.5 = 38418 days; 16:04 is 964 min.
const double Moment = 38418.0 + 964.0 / 1440.0;

void mouse(QWidget *w, QEvent::Type type, Qt::MouseButton button, int x, int y) {
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent e(type, QPointF(x, y), w->mapToGlobal(QPointF(x, y)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

struct Fixture {
    ScriptedUiPrompt ui;
    TempDir user;
    TempDir files;
    OptionsRecord options;
    HeliographicCoordObj helio;
    TMeasDataForm1 entry;
    int enabled = 0;
    std::vector<bool> measuring;
    std::unique_ptr<TImageForm1> window;
    std::unique_ptr<FITSFileObj> image;

    explicit Fixture(int unit = UnitSolarRadius, bool centroiding = false, bool withLimb = true) {
        options.RawDataFormat = static_cast<std::uint8_t>(unit);
        options.Centroiding = centroiding;
        options.MagWindow = true;
        options.ReadOutWindow = true;
        options.MagRegionSize = 24;
        MeasWindowHooks h;
        h.unit = [this] { return int(options.RawDataFormat); };
        h.enableMeasurementCommands = [this] { ++enabled; };
        entry.setHooks(h);
        ImageWindowHooks wh;
        wh.measuringChanged = [this](bool on) { measuring.push_back(on); };
        window = std::make_unique<TImageForm1>(options, helio, entry, wh);
        const std::string path = files.file("SPOT.FTS");
        writeFile(path, testImage(withLimb));
        image = std::make_unique<FITSFileObj>(user.dir());
        EXPECT_TRUE(image->Load(path));
        window->ShowImage(*image, 0);
    }
    ~Fixture() {
        window.reset();
        image.reset();
    }
    QRgb pixel(int x, int y) const { return window->ScreenImage().pixel(x, y); }
};

} // namespace

TEST(ImageWindow, ShowsTheImageInViewingThenMeasuringMode) {
    Fixture fx;
    TImageForm1 &w = *fx.window;
    // 64 pixels fit in any screen half: scale 1; centre (32, 32); radius 20; limbs at 12 and 52.
    EXPECT_EQ(w.Size.displayWidth, Side);
    EXPECT_EQ(w.Size.scale, 1.0L);
    EXPECT_EQ(w.ClientWidth(), Side);
    EXPECT_EQ(w.ClientHeight(), Side);
    EXPECT_EQ(w.Disc.centreX, 32);
    EXPECT_EQ(w.Disc.left, 12);
    EXPECT_EQ(w.Disc.bottom, 52);
    EXPECT_EQ(w.Zoom, 1.6L); // the disc's diameter 40 fills the 64 pixels
    EXPECT_EQ(w.windowTitle().toStdString(), "2005-03-07        16:04:00          ");
    EXPECT_FALSE(w.Measuring);
    EXPECT_EQ(fx.helio.SemiDiameter(), 0.004652472638342832L);
    ASSERT_FALSE(w.Bitmap.isNull());
    EXPECT_EQ(w.Bitmap.width(), Side);

    // Measuring: the whole image; a magenta cross at the centre and ticks at the limbs.
    w.Measure1Click();
    EXPECT_TRUE(w.Measuring);
    EXPECT_EQ(fx.measuring, std::vector<bool>{true});
    const QRgb magenta = qRgb(255, 0, 255);
    EXPECT_EQ(fx.pixel(32 - 15, 32), magenta);
    EXPECT_EQ(fx.pixel(32, 32 + 15), magenta);
    EXPECT_EQ(fx.pixel(12, 32 - 15), magenta); // left limb tick
    EXPECT_EQ(fx.pixel(32 + 15, 52), magenta); // bottom limb tick
    EXPECT_TRUE(w.ReadOut->isVisible());
    EXPECT_TRUE(w.CursorWindow->isVisible());
    EXPECT_TRUE(fx.entry.isVisible());
    EXPECT_TRUE(w.ShowHide1->isChecked());
    // Before the first click the magnifier is an empty window, not a black square.
    const auto magnifierCentre = [&] { return w.CursorWindow->grab().toImage().pixelColor(100, 100); };
    const QColor background = w.CursorWindow->palette().window().color();
    EXPECT_EQ(magnifierCentre(), background);

    // The sky drawn plain, then inverted: every channel becomes 255 less itself.
    const QRgb plain = fx.pixel(3, 60);
    w.Display.invert = true;
    w.Repaint();
    const QRgb inverted = fx.pixel(3, 60);
    EXPECT_EQ(qRed(inverted), 255 - qRed(plain));
    EXPECT_EQ(qGreen(inverted), 255 - qGreen(plain));

    // Another image shown: viewing again, companions closed, and nothing of the last spot left
    // in the read-out or the magnifier.
    w.FormMouseDown(Qt::LeftButton, 42, 32);
    w.FormMouseUp(Qt::LeftButton, 42, 32);
    ASSERT_EQ(w.ReadOut->XDispP->value(), 10);
    ASSERT_EQ(w.CursorWindow->windowTitle(), "Locate Centroid");
    ASSERT_NE(magnifierCentre(), background);
    w.ShowImage(*fx.image, 0);
    EXPECT_EQ(magnifierCentre(), background);
    EXPECT_EQ(w.ReadOut->XDispP->value(), 0);
    EXPECT_EQ(w.ReadOut->windowTitle(), "Cursor Position");
    EXPECT_EQ(w.CursorWindow->windowTitle(), "Cursor Region");
    EXPECT_FALSE(w.Measuring);
    EXPECT_FALSE(w.ReadOut->isVisible());
    EXPECT_FALSE(w.ShowHide1->isChecked());
    EXPECT_FALSE(fx.entry.isVisible());
}

TEST(ImageWindow, PressDragAndReleaseMeasureAtTheCursor) {
    Fixture fx(UnitSolarRadius);
    TImageForm1 &w = *fx.window;
    // While measuring a press starts the drag; 10 pixels right of centre.
    w.Measure1Click();
    mouse(w.View, QEvent::MouseButtonPress, Qt::LeftButton, 42, 32);
    EXPECT_TRUE(w.Measuring);
    EXPECT_TRUE(w.Dragging);
    EXPECT_EQ(w.ReadOut->windowTitle(), "Cursor Position");
    EXPECT_EQ(w.ReadOut->XDispP->value(), 10);
    EXPECT_EQ(w.ReadOut->YDispP->value(), 0);
    EXPECT_NEAR(double(w.ReadOut->XDispR->value()), 0.5, 1e-15);
    // Dragging 6 up and 4 left: offsets (6, 6) and radii (0.3, 0.3) before the latitude division.
    mouse(w.View, QEvent::MouseMove, Qt::LeftButton, 38, 26);
    EXPECT_EQ(w.ReadOut->XDispP->text(), "6.00");
    EXPECT_EQ(w.ReadOut->YDispP->text(), "6.00");
    EXPECT_EQ(w.ReadOut->YDispR->text(), "0.30000");
    EXPECT_EQ(w.CursorWindow->windowTitle(), "Cursor Region");
    // Outside the client area the live read-out stops.
    mouse(w.View, QEvent::MouseMove, Qt::LeftButton, 80, 26);
    EXPECT_EQ(w.ReadOut->XDispP->text(), "6.00");

    // Released half a radius right of centre on the centre row: x 0.5, y 0, longitude
    // asin(0.5) - 0.5 / 214.939 rad = 29.8667 degrees (P = B0 = 0), latitude 0.
    mouse(w.View, QEvent::MouseButtonRelease, Qt::LeftButton, 42, 32);
    EXPECT_FALSE(w.Dragging);
    const MeasRec &m = fx.entry.Pending;
    EXPECT_EQ(m.Time, Moment);
    EXPECT_EQ(m.Unit, UnitSolarRadius);
    EXPECT_EQ(m.X, 42);
    EXPECT_EQ(m.Y, 32);
    EXPECT_EQ(m.XOff, 10);
    EXPECT_EQ(m.YOff, 0);
    EXPECT_NEAR(double(m.XRad), 0.5, 1e-15);
    EXPECT_NEAR(double(m.YRad), 0.0, 1e-15);
    EXPECT_NEAR(double(m.Long / Deg), 29.8667, 5e-5);
    EXPECT_NEAR(double(m.Lat), 0.0, 1e-15);
    EXPECT_EQ(fx.entry.XEd->text(), "0.50000");
    EXPECT_TRUE(fx.entry.isVisible());
    EXPECT_EQ(w.ReadOut->windowTitle(), "Spot Position");
    EXPECT_EQ(w.CursorWindow->windowTitle(), "Locate Centroid");
    // The click mark: a magenta square of the region size (24) about the click, columns and
    // rows 30..53 and 20..43.
    EXPECT_EQ(fx.pixel(30, 25), qRgb(255, 0, 255));
    EXPECT_EQ(fx.pixel(42 + 11, 40), qRgb(255, 0, 255));
    EXPECT_EQ(fx.pixel(40, 32 + 11), qRgb(255, 0, 255));
    EXPECT_NE(fx.pixel(42 + 12, 40), qRgb(255, 0, 255));
    // The magnifier enlarges 30..53 x 20..43 by 200 / 24 = 8.33: the mark's four sides lie on
    // its four edges (image column 53 is magnifier columns 192..199). Its cross, at
    // Round((42 - 30 + 0.5) / 0.12) = 104 both ways, is white inside a black outline, on the
    // magenta centre cross (magnifier x 90, image x 40) as on the grey disc (magnifier y 110,
    // image (42, 33)).
    const QImage &mag = w.CursorWindow->Canvas;
    EXPECT_EQ(w.CursorWindow->View.crossX, 104);
    const QRgb magenta = qRgb(255, 0, 255), white = qRgb(255, 255, 255), black = qRgb(0, 0, 0);
    for (QPoint side : {QPoint(3, 60), QPoint(60, 3), QPoint(196, 60), QPoint(60, 196)})
        EXPECT_EQ(mag.pixel(side), magenta) << side.x() << "," << side.y();
    EXPECT_EQ(mag.pixel(90, 104), white);
    EXPECT_EQ(mag.pixel(90, 103), black);
    EXPECT_EQ(mag.pixel(90, 105), black);
    EXPECT_EQ(mag.pixel(104, 110), white);
    EXPECT_EQ(mag.pixel(103, 110), black);
    EXPECT_EQ(mag.pixel(105, 110), black);

    // The magnifier's bars move the position by 24 / 200 = 0.12 display pixels per step.
    w.CursorWindow->HorzScroll->setValue(5);
    EXPECT_NEAR(double(m.X), 42.6, 1e-12);
    EXPECT_NEAR(double(m.XOff), 10.6, 1e-12);
    EXPECT_NEAR(double(m.XRad), 0.53, 1e-12);
    EXPECT_NEAR(double(w.ReadOut->XDispP->value()), 10.6, 1e-12);
    EXPECT_EQ(fx.entry.XEd->text(), "0.53000");
    // Beyond the limb (22 pixels out on a radius of 20) nothing changes.
    w.CursorWindow->HorzScroll->setValue(100);
    EXPECT_NEAR(double(m.XOff), 10.6, 1e-12);
    EXPECT_EQ(fx.entry.XEd->text(), "0.53000");

    // Recorded: drawn again as a green box of the peak-search half width (8) with its label.
    fx.entry.IDEd->setText("a");
    fx.entry.OkBtn1Click();
    ASSERT_EQ(fx.entry.list().Count(), 1);
    const int sx = 43; // Round(42.6)
    EXPECT_EQ(fx.pixel(sx - 8, 26), qRgb(0, 128, 0));
    EXPECT_EQ(fx.pixel(sx + 8, 38), qRgb(0, 128, 0));
    EXPECT_EQ(w.CursorWindow->windowTitle(), "Spot A");

    // A release beyond the limb measures nothing: the entry window keeps the last record.
    mouse(w.View, QEvent::MouseButtonPress, Qt::LeftButton, 2, 2);
    mouse(w.View, QEvent::MouseButtonRelease, Qt::LeftButton, 2, 2);
    EXPECT_NEAR(double(fx.entry.Pending.X), 42.6, 1e-12);

    // Closing: the entry window finishes (measurements exist), Preferences come back.
    w.close();
    EXPECT_EQ(fx.enabled, 1);
    EXPECT_FALSE(fx.entry.isVisible());
    EXPECT_FALSE(w.CursorWindow->isVisible());
    EXPECT_EQ(fx.measuring.back(), false);
}

// The keyboard alone: the arrow keys move the cross-hair by one image pixel (ten with Shift), the
// read-out and magnifier follow it, and Enter or Space measures exactly as a click on that pixel.
TEST(ImageWindow, KeyboardMovesTheCrossHairAndMeasuresLikeAClick) {
    Fixture fx(UnitSolarRadius);
    TImageForm1 &w = *fx.window;
    const auto key = [&](int k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QKeyEvent e(QEvent::KeyPress, k, mods);
        QApplication::sendEvent(w.View, &e);
        return e.isAccepted();
    };
    EXPECT_EQ(w.View->focusPolicy(), Qt::StrongFocus);
    // An Enter meant for a window that has just closed shows the cross and measures nothing.
    EXPECT_TRUE(key(Qt::Key_Return));
    EXPECT_TRUE(w.Measuring);
    EXPECT_TRUE(fx.entry.XEd->text().isEmpty());
    w.CrossCol = w.CrossRow = -1;
    // The first key in viewing switches to measuring with the cross at the disc centre (32, 32).
    EXPECT_TRUE(key(Qt::Key_Right));
    EXPECT_TRUE(w.Measuring);
    EXPECT_EQ(w.CrossCol, 33);
    EXPECT_EQ(w.CrossRow, 32);
    EXPECT_EQ(w.ReadOut->XDispP->value(), 1);
    EXPECT_EQ(w.CursorWindow->windowTitle(), "Cursor Region");
    key(Qt::Key_Right, Qt::ShiftModifier); // 43
    key(Qt::Key_Left);                     // 42
    key(Qt::Key_Down, Qt::ShiftModifier);  // row 42
    key(Qt::Key_Up, Qt::ShiftModifier);    // row 32
    key(Qt::Key_Up);
    key(Qt::Key_Down);
    EXPECT_EQ(w.CrossCol, 42);
    EXPECT_EQ(w.CrossRow, 32);
    EXPECT_EQ(w.ReadOut->XDispP->text(), "10.00");
    EXPECT_EQ(w.ReadOut->YDispR->text(), "0.00000");
    EXPECT_NE(w.View->accessibleDescription().indexOf("Cross-hair at image column 42, row 32"), -1)
        << w.View->accessibleDescription().toStdString();
    // A key the image does not use goes on to the window.
    EXPECT_FALSE(key(Qt::Key_A));

    // Enter measures at the cross: the record, read-out, magnifier and entry window are those of
    // a click on (42, 32), byte for byte.
    EXPECT_TRUE(key(Qt::Key_Return));
    const MeasRec byKey = fx.entry.Pending;
    EXPECT_EQ(byKey.X, 42);
    EXPECT_EQ(byKey.Y, 32);
    EXPECT_EQ(byKey.XOff, 10);
    EXPECT_EQ(fx.entry.XEd->text(), "0.50000");
    EXPECT_TRUE(fx.entry.isVisible());
    EXPECT_EQ(w.ReadOut->windowTitle(), "Spot Position");
    EXPECT_EQ(w.CursorWindow->windowTitle(), "Locate Centroid");
    EXPECT_EQ(fx.pixel(30, 25), qRgb(255, 0, 255)); // the click mark
    fx.entry.Pending = MeasRec{};
    mouse(w.View, QEvent::MouseButtonPress, Qt::LeftButton, 42, 32);
    mouse(w.View, QEvent::MouseButtonRelease, Qt::LeftButton, 42, 32);
    std::uint8_t a[MeasRecordBytes], b[MeasRecordBytes];
    encodeMeasRecord(byKey, a);
    encodeMeasRecord(fx.entry.Pending, b);
    EXPECT_EQ(std::memcmp(a, b, MeasRecordBytes), 0);

    // Space measures too; the cross stops at the image's edge.
    for (int i = 0; i < 6; ++i)
        key(Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(w.CrossCol, 0);
    key(Qt::Key_Right, Qt::ShiftModifier);
    key(Qt::Key_Right, Qt::ShiftModifier);
    key(Qt::Key_Right, Qt::ShiftModifier); // column 30: 2 pixels left of the centre
    EXPECT_TRUE(key(Qt::Key_Space));
    EXPECT_EQ(fx.entry.Pending.X, 30);
    EXPECT_EQ(fx.entry.Pending.XOff, -2);

    // At a display scale of one half a key still steps one image pixel, half a display pixel:
    // image column 42 lies at display 21, 5 pixels right of the centre (16) on a radius of 10.
    w.ShowImage(*fx.image, 0);
    w.Size.scale = 0.5L;
    key(Qt::Key_Right);
    EXPECT_EQ(w.Disc.centreX, 16);
    EXPECT_EQ(w.CrossCol, 33);
    for (int i = 0; i < 9; ++i)
        key(Qt::Key_Right);
    key(Qt::Key_Enter);
    EXPECT_EQ(fx.entry.Pending.X, 21);
    EXPECT_EQ(fx.entry.Pending.XOff, 5);
    EXPECT_NEAR(double(fx.entry.Pending.XRad), 0.5, 1e-15);
}

TEST(ImageWindow, CentroidingMeasuresTheDarkestSpotNearTheClick) {
    Fixture fx(UnitHeliographic, true);
    TImageForm1 &w = *fx.window;
    w.Measure1Click();
    // No scroll bars on the magnifier: a centroid cannot be shifted by hand.
    EXPECT_FALSE(w.CursorWindow->HorzScroll->isVisible());
    EXPECT_EQ(w.CursorWindow->width(), 200);
    mouse(w.View, QEvent::MouseButtonPress, Qt::LeftButton, 38, 31);
    mouse(w.View, QEvent::MouseButtonRelease, Qt::LeftButton, 38, 31);
    const MeasRec &m = fx.entry.Pending;
    // Within a tenth of a pixel of the spot's true centre.
    EXPECT_NEAR(double(m.X), double(SpotX), 0.1);
    EXPECT_NEAR(double(m.Y), double(SpotY), 0.1);
    EXPECT_EQ(m.Unit, UnitHeliographic);
    EXPECT_EQ(w.CursorWindow->windowTitle(), "Auto Centroid");
    // Degrees in the read-out: the record's longitude in radians times 57.29578.
    EXPECT_NEAR(double(w.ReadOut->XDispR->value()), double(m.Long * 57.295779513082320877L), 1e-12);
    EXPECT_GT(m.Long, 0);
    EXPECT_GT(m.Lat, 0); // above the centre row

    // On the flat disc far from the spot no pixel is darker than the maximum: nothing measured.
    const long double before = m.X;
    mouse(w.View, QEvent::MouseButtonPress, Qt::LeftButton, 20, 50);
    mouse(w.View, QEvent::MouseButtonRelease, Qt::LeftButton, 20, 50);
    EXPECT_EQ(fx.entry.Pending.X, before);
}

TEST(ImageWindow, ReadOutFollowsTheUnit) {
    Fixture fx(UnitPixels);
    TImageForm1 &w = *fx.window;
    w.Measure1Click();
    EXPECT_FALSE(w.ReadOut->XDispR->isVisibleTo(w.ReadOut));
    EXPECT_FALSE(w.ReadOut->CoordLbl->isVisibleTo(w.ReadOut));
    EXPECT_EQ(w.ReadOut->width(), 164);
    w.ReadOut->close();
    fx.options.RawDataFormat = UnitHeliographic;
    w.ReadOut->show();
    EXPECT_EQ(w.ReadOut->CoordLbl->text(), "Heliographic Long, Lat");
    EXPECT_EQ(w.ReadOut->width(), 352);
    // Show/Hide closes a shown read-out and shows a hidden one; Auto Display toggles the option.
    w.CursorReadOut1Click();
    EXPECT_FALSE(w.ReadOut->isVisible());
    EXPECT_FALSE(w.ShowHide2->isChecked());
    w.CursorReadOut1Click();
    EXPECT_TRUE(w.ShowHide2->isChecked());
    w.AutoDisplayROClick();
    EXPECT_FALSE(fx.options.ReadOutWindow);
    EXPECT_FALSE(w.AutoDisplayRO->isChecked());
}

TEST(ImageWindow, TwoRecordedSpotsWithTheirLabels) {
    Fixture fx(UnitPixels);
    TImageForm1 &w = *fx.window;
    const auto record = [&](int x, int y, const char *id) {
        mouse(w.View, QEvent::MouseButtonPress, Qt::LeftButton, x, y);
        mouse(w.View, QEvent::MouseButtonRelease, Qt::LeftButton, x, y);
        fx.entry.IDEd->setText(id);
        fx.entry.OkBtn1Click();
    };
    w.Measure1Click();
    record(40, 44, "A");
    record(14, 26, "B");
    ASSERT_EQ(fx.entry.list().Count(), 2);
    const QRgb green = qRgb(0, 128, 0);
    const auto greenIn = [&](int x0, int y0, int x1, int y1) {
        int n = 0;
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x)
                n += fx.pixel(x, y) == green;
        return n;
    };
    // Boxes of half width 8 about each spot.
    EXPECT_EQ(fx.pixel(32, 40), green);
    EXPECT_EQ(fx.pixel(6, 26), green);
    // A's label left of its box (40 - 8 - 5 - 5 = 22); B's would start at 14 - 18 = -4, so it goes
    // right of the box (14 + 8 + 5 = 27).
    EXPECT_GT(greenIn(22, 36, 31, 50), 0);
    EXPECT_GT(greenIn(27, 18, 40, 31), 0);
    // Nothing green left of B's box.
    EXPECT_EQ(greenIn(0, 18, 5, 34), 0);
}

TEST(ImageWindow, ImageWithoutDiscRadiusSaysWhyNothingIsMeasured) {
    Fixture fx(UnitHeliographic, false, false);
    TImageForm1 &w = *fx.window;
    EXPECT_EQ(w.Disc.radius, 0);
    mouse(w.View, QEvent::MouseButtonPress, Qt::LeftButton, 40, 30);
    fx.ui.script.expect("No Solar Disc Radius!");
    mouse(w.View, QEvent::MouseButtonRelease, Qt::LeftButton, 40, 30);
    EXPECT_EQ(fx.ui.script.lastMessage().icon, Icon::Exclamation);
    EXPECT_EQ(fx.entry.Pending.X, 0); // nothing handed on
    // With centroiding the same.
    fx.options.Centroiding = true;
    mouse(w.View, QEvent::MouseButtonPress, Qt::LeftButton, 40, 30);
    fx.ui.script.expect("No Solar Disc Radius!");
    mouse(w.View, QEvent::MouseButtonRelease, Qt::LeftButton, 40, 30);
    EXPECT_EQ(fx.entry.Pending.X, 0);
}

TEST(ImageWindow, RemovedImageIsForgotten) {
    Fixture fx;
    TImageForm1 &w = *fx.window;
    w.ImageRemoved(fx.image.get());
    EXPECT_EQ(w.Image(), nullptr);
    EXPECT_FALSE(w.isVisible());
    // A press on the empty window does nothing.
    mouse(w.View, QEvent::MouseButtonPress, Qt::LeftButton, 32, 32);
    EXPECT_FALSE(w.Measuring);
}

// End to end on the generated image database: each spot the answer key lists on the first image,
// measured at the key's pixel position and at the centroid near it, converted through the image's
// own header, lands on the key's latitude and longitude from the central meridian (the generator
// projects the spots independently).
TEST(ImageWindow, GeneratedImageSpotsMeasureToTheAnswerKey) {
    const std::string folder = std::string(SOLARRTN_BIN_DIR) + "/IMAGES/";
    std::ifstream key(std::string(SOLARRTN_BIN_DIR) + "/INSTRUCTOR/synth_answer_key.csv");
    if (!key)
        GTEST_SKIP() << "no generated images in " << folder;
    struct Spot {
        std::string file, id;
        double moment, column, row, lat, lon, mu;
    };
    std::vector<Spot> spots;
    std::string line;
    std::getline(key, line); // column names
    while (std::getline(key, line)) {
        std::vector<std::string> f;
        std::stringstream ss(line);
        for (std::string cell; std::getline(ss, cell, ',');)
            f.push_back(cell);
        ASSERT_GE(f.size(), 13u) << line;
        if (!spots.empty() && f[0] != spots.front().file)
            break;
        spots.push_back({f[0], f[6], std::stod(f[3]), std::stod(f[7]), std::stod(f[8]), std::stod(f[9]),
                         std::stod(f[10]), std::stod(f[12])});
    }
    ASSERT_FALSE(spots.empty());

    ScriptedUiPrompt ui;
    TempDir user;
    OptionsRecord options;
    options.RawDataFormat = UnitHeliographic;
    options.MagRegionSize = 24;
    HeliographicCoordObj helio;
    TMeasDataForm1 entry;
    MeasWindowHooks h;
    h.unit = [&] { return int(options.RawDataFormat); };
    entry.setHooks(h);
    TImageForm1 w(options, helio, entry);
    FITSFileObj image(user.dir());
    ASSERT_TRUE(image.Load(folder + spots.front().file));
    w.ShowImage(image, 0);
    w.Measure1Click();
    const long double s = w.Size.scale;
    int centroided = 0;
    for (const Spot &spot : spots) {
        // The key's pixel position (image pixels), clicked in whole display pixels.
        const int X = static_cast<int>(std::lround(spot.column * s));
        const int Y = static_cast<int>(std::lround(spot.row * s));
        // At the cursor: the click is up to half a display pixel (1.3 image pixels at the smallest
        // scale) from the spot, up to 0.75 degrees at the key's smallest mu of 0.2.
        options.Centroiding = false;
        entry.Pending = MeasRec{};
        w.FormMouseDown(Qt::LeftButton, X, Y);
        w.FormMouseUp(Qt::LeftButton, X, Y);
        EXPECT_NEAR(entry.Pending.Time, spot.moment, 1e-6) << spot.id;
        EXPECT_NEAR(double(entry.Pending.Lat * 57.295779513082320877L), spot.lat, 1.0) << spot.id;
        EXPECT_NEAR(double(entry.Pending.Long * 57.295779513082320877L), spot.lon, 1.0) << spot.id;
        // At the key's exact position, as the magnifier's bars place it: the generator's own
        // projection to 0.002 degrees (its key gives 4 decimals).
        w.MoveMeasurement(spot.column * s, spot.row * s);
        EXPECT_NEAR(double(entry.Pending.Lat * 57.295779513082320877L), spot.lat, 0.002) << spot.id;
        EXPECT_NEAR(double(entry.Pending.Long * 57.295779513082320877L), spot.lon, 0.002) << spot.id;
        // At the centroid, for spots whose search box stays on the disc (nearer the limb the sky,
        // darker than any spot, holds the darkest pixel and the centroid falls off the disc).
        if (spot.mu < 0.4)
            continue;
        ++centroided;
        options.Centroiding = true;
        entry.Pending = MeasRec{};
        w.FormMouseDown(Qt::LeftButton, X, Y);
        w.FormMouseUp(Qt::LeftButton, X, Y);
        // The centroid, weighted against the image maximum, sits within a pixel of the spot's
        // centre: about 0.3 degrees at mu 0.4.
        EXPECT_NEAR(double(entry.Pending.Lat * 57.295779513082320877L), spot.lat, 0.4) << spot.id;
        EXPECT_NEAR(double(entry.Pending.Long * 57.295779513082320877L), spot.lon, 0.4) << spot.id;
    }
    EXPECT_GE(centroided, 1);
}

} // namespace solar::test

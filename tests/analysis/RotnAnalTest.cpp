// The sine-curve analysis window offscreen: plot pixels at positions worked out here from the
// plot's geometry, the sliders' one-day throw, the parameter dialog's guards, the refinement, and
// the questions about an unrecorded result.
#include "analysis/RotnAnal.h"

#include "analysis/AnalPrint.h"
#include "analysis/RotnPlot.h"
#include "analysis/RsltsDlg.h"
#include "common/ScriptedUiPrompt.h"
#include "common/TempDir.h"
#include "support/Options.h"
#include "support/QtPrintHdr.h"
#include "support/StringUt.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>

using namespace solar;
using solar::test::ScriptedUiPrompt;
using solar::test::TempDir;

namespace {

constexpr long double Pi = 3.14159265358979323846264338327950288L;
constexpr double Origin = 45894.75; // first measurement, 2025-08-25 18:00 UT

QRgb rgb(std::uint32_t bgr) {
    return qRgb(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

// Spot "B" on the sine X = sin(2 pi (t - T0) / P), one image a day.
struct Fixture {
    ScriptedUiPrompt ui;
    OptionsRecord options;
    MeasList list;
    std::unique_ptr<TRotnAnalysis> win;
    static constexpr long double T0 = Origin + 6.3L, P = 27.2L;

    explicit Fixture(int days = 10) {
        options.CurveFitting = true;
        for (int d = 0; d < days; ++d) {
            MeasRec m;
            m.ID = "B";
            m.Time = Origin + d;
            m.Unit = 1;
            m.XRad = std::sin(2 * Pi * (m.Time - T0) / P);
            m.XOff = m.XRad * 430;
            m.Long = std::asin(m.XRad);
            m.Lat = (d % 2 ? 10.0L : 12.0L) * Pi / 180;
            list.Insert(m);
        }
        win = std::make_unique<TRotnAnalysis>(options, list);
        win->FormShow();
        IDEntry e;
        e.ID = "B";
        e.FirstTime = Origin;
        e.LastTime = Origin + days - 1;
        win->LoadSpot(e);
    }
    // The estimate, with the parameter dialog answered by `handler`.
    void estimate(ScriptedUiPrompt::DialogHandler handler = [](QDialog &d) {
        static_cast<TSinParmsForm1 &>(d).OKBtnClick();
        return d.result();
    }) {
        ui.onDialog(std::move(handler));
        win->InitialEstimate1Click();
    }
};

TEST(RotnAnalysisWindow, PlotPixelsOfFrameMeasurementAndCurve) {
    Fixture f;
    f.estimate();
    ASSERT_TRUE(f.win->TScroll->isEnabled());
    // The window fits a 1366 x 768 screen with room for the panel and the title bar.
    EXPECT_LE(f.win->width(), 1366);
    EXPECT_LE(f.win->height(), 640);
    const QImage &img = f.win->Plot;
    ASSERT_EQ(img.size(), QSize(668, 361));
    const QRgb navy = rgb(0x800000), yellow = rgb(0x00FFFF), white = rgb(0xFFFFFF), fuchsia = rgb(0xFF00FF);
    EXPECT_EQ(img.pixel(5, 350), navy);
    // Axes: x = 60 from y 20 to 320, y = 170 from x 60 to 660.
    EXPECT_EQ(img.pixel(60, 21), yellow);
    EXPECT_EQ(img.pixel(60, 319), yellow);
    EXPECT_EQ(img.pixel(659, 170), yellow);
    EXPECT_NE(img.pixel(661, 170), yellow);
    // Half-radius ticks reach x = 70, the others x = 65 (every 15 pixels from y = 20).
    EXPECT_EQ(img.pixel(69, 95), yellow);
    EXPECT_EQ(img.pixel(64, 50), yellow);
    EXPECT_NE(img.pixel(69, 50), yellow);
    // Day ticks every 20 pixels, y 160..180.
    EXPECT_EQ(img.pixel(80, 161), yellow);
    EXPECT_EQ(img.pixel(640, 179), yellow);
    EXPECT_NE(img.pixel(90, 161), yellow);

    // The spot starts east (X < 0): plot position 4 days, offset 80 pixels. Day 2's circle
    // around (60 + 80 + 40, 170 - 150 X).
    const long double x2 = std::sin(2 * Pi * (Origin + 2 - Fixture::T0) / Fixture::P);
    const int px = 60 + 80 + 40, py = 170 - static_cast<int>(std::lround(150 * x2));
    EXPECT_EQ(img.pixel(px - 3, py), white);
    EXPECT_EQ(img.pixel(px, py - 3), white);
    EXPECT_NE(img.pixel(px, py), white);

    // The curve: column i is fit time (i - 80) / 20 + origin - 37000, drawn at
    // 170 - round(150 sin(2 pi (t - T0) / P)) with the estimate's T0 and P. Columns away from the
    // circles: before the first measurement.
    for (int i : {5, 33, 61}) {
        const long double t = (i - 80) / 20.0L + Origin - 37000;
        const long double v = std::sin(2 * Pi * (t - SinTZero) / SinPeriod);
        EXPECT_EQ(img.pixel(i + 60, 170 - static_cast<int>(std::lround(150 * v))), fuchsia) << "column " << i;
    }
    // The T-zero mark on the axis in the curve's colour.
    const int tx = 60 + static_cast<int>(std::lround((f.win->Bases.TZeroBase - Origin) * 20 + 80));
    EXPECT_EQ(img.pixel(tx - 3, 170), fuchsia);

    // Monochrome: white ground, black axes.
    f.options.MonochromeDisplay = true;
    f.win->FormShow();
    EXPECT_EQ(f.win->Plot.pixel(5, 350), qRgb(255, 255, 255));
    EXPECT_EQ(f.win->Plot.pixel(60, 100), qRgb(0, 0, 0));
}

// Positions across the disc are positive toward the west limb: "(W)" labels the upper half of the
// plot, "(E)" the lower. Each label is compared with the text drawn alone.
TEST(RotnAnalysisWindow, WestLabelsThePositiveSide) {
    Fixture f;
    const QImage &img = f.win->Plot;
    const QRgb navy = rgb(0x800000);
    const auto labelAt = [&](int x, int y, const char *text) {
        QImage ref = img.copy();
        ref.fill(navy);
        QPainter p(&ref);
        QFont font = f.win->font();
        font.setBold(false);
        p.setFont(font);
        p.setPen(QColor(rgb(0x00FFFF)));
        p.drawText(x, y + p.fontMetrics().ascent(), text);
        p.end();
        int inked = 0;
        for (int yy = y - 2; yy < y + 22; ++yy)
            for (int xx = x - 4; xx < x + 28; ++xx) {
                inked += ref.pixel(xx, yy) != navy;
                if (ref.pixel(xx, yy) != img.pixel(xx, yy))
                    return false;
            }
        return inked > 0;
    };
    EXPECT_TRUE(labelAt(29, 122, "(W)"));
    EXPECT_TRUE(labelAt(31, 195, "(E)"));
}

// The initial-estimate dialog shows its T-zero fit time as a date and time beside the box.
TEST(RotnAnalysisWindow, ParameterDialogShowsTZeroAsADate) {
    TSinParmsForm1 d;
    d.TZroEd->setText("9000.5"); // 37000 + 9000.5 days after 1899-12-30: 2025-12-09 12:00 UT
    EXPECT_EQ(d.TZroDate->text(), "(2025/12/09 12:00:00 UT)");
    d.TZroEd->setText("x");
    EXPECT_EQ(d.TZroDate->text(), "");
}

TEST(RotnAnalysisWindow, SlidersReadingsAndPlotPosition) {
    Fixture f;
    f.estimate();
    const long double t0 = SinTZero, p0 = SinPeriod;
    EXPECT_EQ(f.win->TReading->text(), FixedText(t0 + 37000 + 2415018.5L, 5));
    // A full throw is one day in either mode.
    f.win->TScroll->setValue(f.win->TScroll->maximum());
    EXPECT_NEAR(static_cast<double>(SinTZero - t0), 1.0, 1e-12);
    // A day away from the estimate fits worse: the RMS box turns red.
    EXPECT_EQ(f.win->RMSDisp->palette().color(QPalette::Text), QColor(255, 0, 0));
    f.win->TScroll->setValue(f.win->TScroll->minimum());
    EXPECT_NEAR(static_cast<double>(SinTZero - t0), -1.0, 1e-12);
    f.win->TScroll->setValue(0);
    f.win->CFToggle->setChecked(true); // fine
    EXPECT_EQ(f.win->TScroll->maximum(), 10000);
    f.win->PScroll->setValue(10000);
    EXPECT_NEAR(static_cast<double>(SinPeriod - p0), 1.0, 1e-12);
    EXPECT_EQ(f.win->PReading->text(), FixedText(SinPeriod, 5));
    // RMS box: solar radii, as the positions are, in scientific notation.
    EXPECT_EQ(f.win->RMSLbl->text(), "Fit (RMS Solar Radii)");
    const std::string rms = f.win->RMSDisp->text().toStdString();
    EXPECT_NE(rms.find("E-"), std::string::npos) << rms;
    EXPECT_NEAR(std::stod(rms), static_cast<double>(SineRMS(f.win->Points)), 1e-9) << rms;
    f.win->PRstBtnClick();
    EXPECT_EQ(f.win->PScroll->value(), 0);
    EXPECT_NEAR(static_cast<double>(SinPeriod - p0), 1.0, 1e-12);

    // Plot position: left down to 0 days, right while the last point stays left of x = 660.
    while (f.win->PosLftBtn->isEnabled())
        f.win->PosLftBtnClick();
    EXPECT_EQ(f.win->PlotPosition, 0);
    while (f.win->PosRtBtn->isEnabled())
        f.win->PosRtBtnClick();
    // The last point (day 9) at 60 + 180 + 20 x position: first position with x >= 660 is 21.
    EXPECT_EQ(f.win->PlotPosition, 21);
    EXPECT_TRUE(f.ui.script.calls.empty());

    // Without "Curve Fitting" the Fit Sine Curve menu holds the estimate only.
    f.options.CurveFitting = false;
    f.win->FormShow();
    EXPECT_FALSE(f.win->ComputeFit1->isVisible());
    EXPECT_FALSE(f.win->FitSep->isVisible());
    EXPECT_TRUE(f.win->InitialEstimate1->isVisible());
}

TEST(RotnAnalysisWindow, ParameterDialogRefusesBadEntriesAndFitRecovers) {
    Fixture f;
    // Period 0, then a word: both refused with the dialog left open; then a good pair.
    f.estimate([&](QDialog &d) {
        auto &form = static_cast<TSinParmsForm1 &>(d);
        form.PrdEd->setText("0");
        f.ui.script.expect("Invalid Curve Fit Parameter!");
        form.OKBtnClick();
        EXPECT_EQ(form.result(), QDialog::Rejected);
        form.TZroEd->setText("soon");
        f.ui.script.expect("Invalid Curve Fit Parameter!");
        form.OKBtnClick();
        EXPECT_NE(f.ui.script.lastMessage().text.find("\"soon\""), std::string::npos);
        // A start 1.5 days and 2 days away from the truth.
        form.TZroEd->setText(QString::fromStdString(FixedText(Fixture::T0 - 37000 + 1.5L, 6)));
        form.PrdEd->setText(QString::fromStdString(FixedText(Fixture::P - 2, 6)));
        form.OKBtnClick();
        return form.result();
    });
    EXPECT_NEAR(static_cast<double>(SinPeriod), static_cast<double>(Fixture::P - 2), 1e-6);
    EXPECT_FALSE(f.win->Recorded);
    EXPECT_TRUE(f.win->ComputeFit1->isVisible());
    f.win->ComputeFit1Click();
    EXPECT_NEAR(static_cast<double>(SinPeriod), static_cast<double>(Fixture::P), 1e-4);
    EXPECT_NEAR(static_cast<double>(SinTZero + 37000 - Fixture::T0), 0.0, 1e-4);
    EXPECT_TRUE(f.win->CFToggle->isChecked()); // fine after a fit
    EXPECT_EQ(f.win->TScroll->value(), 0);
    EXPECT_EQ(f.win->PReading->text(), FixedText(SinPeriod, 5));
}

TEST(RotnAnalysisWindow, UnrecordedResultQuestionsAndRecording) {
    Fixture f;
    f.estimate();
    ASSERT_FALSE(f.win->Recorded);
    // Cancel keeps everything.
    f.ui.script.expect("Result Not Recorded!", Answer::Cancel);
    EXPECT_FALSE(f.win->Reset());
    EXPECT_EQ(f.win->SpotID, "B");
    EXPECT_TRUE(f.win->TScroll->isEnabled());
    // Yes with the result dialog cancelled keeps the fit too.
    f.ui.script.expect("Result Not Recorded!", Answer::Yes);
    f.ui.onDialog([](QDialog &) { return int(QDialog::Rejected); });
    EXPECT_FALSE(f.win->Reset());
    EXPECT_EQ(f.win->SpotID, "B");
    EXPECT_FALSE(f.win->Recorded);
    EXPECT_TRUE(f.win->TScroll->isEnabled());

    // Yes records first: the result dialog gets the sine's record.
    RsltsRec seen;
    f.ui.onDialog([&](QDialog &d) {
        auto &form = static_cast<TRsltsForm1 &>(d);
        seen = form.Rec;
        form.OKBtnClick();
        return form.result();
    });
    f.ui.script.expect("Result Not Recorded!", Answer::Yes);
    f.ui.script.expect("Results Saved");
    EXPECT_TRUE(f.win->Reset());
    EXPECT_EQ(seen.SpotID.str(), "B");
    EXPECT_EQ(seen.RtnRate, 1.0L);
    EXPECT_EQ(seen.SidPeriod, 0);
    EXPECT_NEAR(static_cast<double>(seen.TZero - (SinTZero + 37000)), 0.0, 1e-9);
    EXPECT_EQ(seen.SynPeriod, SinPeriod);
    EXPECT_TRUE(f.win->Recorded);
    // After the reset nothing is left to estimate or record.
    EXPECT_TRUE(f.win->SpotID.empty());
    EXPECT_TRUE(f.win->Points.empty());
    EXPECT_FALSE(f.win->FitSineCurve1->menuAction()->isEnabled());
    EXPECT_FALSE(f.win->RecordResults1->isEnabled());
    EXPECT_EQ(f.win->TReading->text(), "0.00000");

    // Printing: a page goes out, and the window is back in its screen colours and enabled.
    TempDir out;
    f.ui.pdfPath = out.file("window.pdf");
    f.ui.script.answerPrint(true);
    f.win->PrintWindow1Click();
    EXPECT_GT(std::filesystem::file_size(f.ui.pdfPath), 1000u);
    EXPECT_FALSE(f.win->Monochrome);
    EXPECT_TRUE(f.win->isEnabled());
}

// Printing takes the window as the student sees it (curve drawn, controls live) in the printing
// colours, and leaves the screen as it was.
TEST(RotnAnalysisWindow, PrintingKeepsTheCurveOnPaperAndOnScreen) {
    Fixture f;
    f.win->resize(f.win->sizeHint());
    f.win->show();
    f.estimate();
    f.win->TScroll->setValue(40);
    const auto curveAt = [](int i) {
        const long double t = (i - 80) / 20.0L + Origin - 37000;
        return QPoint(
            i + 60, 170 - static_cast<int>(std::lround(150 * std::sin(2 * Pi * (t - SinTZero) / SinPeriod))));
    };
    const QRgb fuchsia = rgb(0xFF00FF);
    ASSERT_EQ(f.win->Plot.pixel(curveAt(33)), fuchsia);
    const QString rms = f.win->RMSDisp->text();

    TempDir out;
    f.ui.pdfPath = out.file("window.pdf");
    f.ui.script.answerPrint(true);
    f.win->PrintWindow1Click();
    // On paper: the curve in the monochrome scheme ("Print in Color" is off), and the reset
    // button's caption in the enabled text colour, not greyed.
    const QImage &shot = lastPrintedWindowImage();
    ASSERT_FALSE(shot.isNull());
    const QPoint plotAt = f.win->Display1->mapTo(f.win.get(), QPoint(0, 0));
    const rotnplot::Scheme mono = rotnplot::ColourScheme(true);
    EXPECT_EQ(shot.pixel(plotAt + curveAt(33)) | 0xFF000000, rgb(mono.sine));
    const QRect button(f.win->TZRstBtn->mapTo(f.win.get(), QPoint(0, 0)), f.win->TZRstBtn->size());
    int darkest = 255;
    for (int y = button.top(); y <= button.bottom(); ++y)
        for (int x = button.left(); x <= button.right(); ++x)
            darkest = std::min(darkest, qGray(shot.pixel(x, y)));
    const QColor text = f.win->TZRstBtn->palette().color(QPalette::Active, QPalette::ButtonText);
    EXPECT_LE(darkest, qGray(text.rgb()) + 40);
    // On screen: the curve in its colours again, the window enabled, the reading unchanged.
    EXPECT_TRUE(f.win->isEnabled());
    EXPECT_EQ(f.win->Plot.pixel(curveAt(33)), fuchsia);
    EXPECT_EQ(f.win->RMSDisp->text(), rms);
    f.win->hide();
}

} // namespace

// The rate-against-latitude window on a small results list: points with their errors, the pixels
// of a point, its bar and a law in colour and monochrome, saving as PNG and PDF, and printing.

#include "analysis/RateLat.h"
#include "common/ScriptedUiPrompt.h"
#include "common/TempDir.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QImage>
#include <cmath>

using namespace solar;
using namespace solar::test;

namespace {

const long double Rad = 3.14159265358979323846L / 180;

// A heliographic spot: longitudes from a line of `rate` crossing at tZero, with small wiggles.
void LineSpot(const char *id, double latDeg, double rate, double tZero, std::vector<MeasRec> &meas,
              std::vector<RsltsRec> &res) {
    const double wiggle[] = {0.2, -0.3, 0.1, 0.25, -0.2};
    RsltsRec r;
    r.SpotID = id;
    for (int i = 0; i < 5; ++i) {
        MeasRec m;
        m.ID = id;
        m.Unit = UnitHeliographic;
        m.Time = tZero - 3 + 1.5 * i;
        m.Long = (rate * (m.Time - tZero) + wiggle[i]) * Rad;
        m.Lat = latDeg * Rad;
        meas.push_back(m);
    }
    r.FirstTime = meas[meas.size() - 5].Time;
    r.LastTime = meas.back().Time;
    r.MeanLat = latDeg * Rad;
    r.TZero = tZero;
    r.RtnRate = rate;
    r.SynPeriod = 360 / rate;
    res.push_back(r);
}

QColor Bgr(std::uint32_t c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

} // namespace

TEST(RateLatWindow, PlotsSavesAndPrintsTheResults) {
    ScriptedUiPrompt ui;
    TempDir tmp;
    std::vector<MeasRec> meas;
    std::vector<RsltsRec> res;
    LineSpot("A", 5, 13.35, 45896.5, meas, res);
    LineSpot("B", -20, 13.0, 45898.2, meas, res);
    LineSpot("C", 28, 12.7, 45899.9, meas, res);
    // A sine-curve result: the fitted period, and the amplitude 1.0 where the rate would be.
    RsltsRec sine;
    sine.SpotID = "s"; // retyped in lower case in the result dialog
    sine.TZero = 45897.0;
    sine.SynPeriod = 27.0;
    sine.RtnRate = 1.0;
    sine.MeanLat = 10 * Rad;
    for (int i = 0; i < 6; ++i) {
        MeasRec m;
        m.ID = "S";
        m.Unit = UnitSolarRadius;
        m.Time = 45894.0 + 1.3 * i;
        m.XRad = std::sin(2 * 3.14159265358979 * (m.Time - sine.TZero) / 27.0) + 0.004 * ((i % 3) - 1);
        meas.push_back(m);
    }
    sine.FirstTime = 45894.0;
    sine.LastTime = 45894.0 + 6.5;
    res.push_back(sine);
    RsltsRec none; // recorded without a rate or a period
    none.SpotID = "Z";
    res.push_back(none);
    bool mono = false;
    setRateLatSources({[&] { return res; }, [&] { return meas; }, [&] { return mono; }, [] { return true; },
                       [&] { return tmp.dir(); }});

    TRateLatForm1 &w = ShowRateLatitude(nullptr);
    ASSERT_EQ(w.Points().size(), 4u);
    for (const RatePoint &p : w.Points()) {
        EXPECT_GT(p.Sigma, 0) << p.ID;
        EXPECT_EQ(p.NumPts, p.Sine ? 6 : 5);
    }
    EXPECT_TRUE(w.Points()[3].Sine);
    EXPECT_NEAR(double(w.Points()[3].SynRate), 360 / 27.0, 1e-12);
    EXPECT_FALSE(w.Points()[0].Sine);
    EXPECT_NEAR(double(w.Points()[0].SynRate), 13.35, 1e-12);
    EXPECT_TRUE(w.Fit().Ok && w.Fit().Weighted);
    const std::vector<std::string> table = w.TableLines();
    bool noted = false;
    for (const std::string &l : table)
        noted = noted || l.find("1 recorded result(s) without a rotation rate") != std::string::npos;
    EXPECT_TRUE(noted);

    // The student's law could overlap the published one: off for the pixel checks.
    w.FitBox->setChecked(false);
    // Colour: navy background, the first spot's point in orange with its bar, Newton & Nunn in white.
    const RateLatGeometry &g = w.Geometry();
    QImage img = w.PlotImage(false);
    EXPECT_EQ(img.pixelColor(2, 2), Bgr(0x800000));
    const PlotPointGeom &a = g.Points[0];
    EXPECT_EQ(img.pixelColor(a.at.x, a.at.y), Bgr(0x009FE6));
    EXPECT_EQ(img.pixelColor(a.at.x, a.barTop), Bgr(0x009FE6));
    EXPECT_EQ(img.pixelColor(a.at.x, a.barBottom), Bgr(0x009FE6));
    // The law at latitude -30: a pixel of the curve in the law's colour (a polyline through
    // sampled points, so within a pixel of the exact height at any plot size).
    const int x = g.XOf(-30);
    const int y = g.YOf(14.38L - 2.77L * std::pow(std::sin(30 * Rad), 2));
    const auto onCurve = [&](const QImage &i, const QColor &c) {
        return i.pixelColor(x, y - 1) == c || i.pixelColor(x, y) == c || i.pixelColor(x, y + 1) == c;
    };
    EXPECT_TRUE(onCurve(img, QColor(Qt::white)));
    // Monochrome: white paper, black ink.
    img = w.PlotImage(true);
    EXPECT_EQ(img.pixelColor(2, 2), QColor(Qt::white));
    EXPECT_EQ(img.pixelColor(a.at.x, a.at.y), QColor(Qt::black));
    EXPECT_TRUE(onCurve(img, QColor(Qt::black)));

    w.FitBox->setChecked(true);
    // Saved picture: the plot as shown, under an upper-case name; then a PDF.
    ui.script.answerFile(tmp.file("rates.png"));
    ui.script.expect("Picture Saved");
    w.SavePng1Click();
    QImage saved(QString::fromStdString(tmp.file("RATES.PNG")));
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32), w.PlotImage(false));
    ui.script.answerFile(tmp.file("rates.pdf"));
    ui.script.expect("Picture Saved");
    w.SavePdf1Click();
    EXPECT_EQ(readFile(tmp.file("RATES.PDF")).substr(0, 4), "%PDF");
    EXPECT_FALSE(std::filesystem::exists(tmp.file("RATES.PDF.part")));

    ui.pdfPath = tmp.file("print.pdf");
    ui.script.answerPrint(true);
    w.Print1Click();
    EXPECT_GT(std::filesystem::file_size(tmp.file("print.pdf")), 1000u);
    delete &w; // the next ShowRateLatitude makes a fresh window
}

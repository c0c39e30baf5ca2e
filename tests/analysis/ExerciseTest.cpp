// The whole exercise as a student does it, in one program window: login, Run, the sample image
// directory and all its images, spots measured and analysed in each unit, every result recorded,
// the results saved as text and CSV, and the end with no question left unanswered. Every prompt
// is scripted: an unexpected one fails the test.
#include "analysis/ClassFixture.h"
#include "analysis/ClassRpt.h"
#include "analysis/E2EMeasure.h"
#include "analysis/LinrAnal.h"
#include "analysis/RotnAnal.h"
#include "analysis/RsltsDlg.h"
#include "analysis/RsltsLst.h"
#include "app/LoginDlg.h"
#include "app/VORN_ROT.h"
#include "common/ScriptedUiPrompt.h"
#include "common/TempDir.h"
#include "common/TestMachine.h"
#include "display/ImagMeas.h"
#include "imagedb/SolrImages.h"
#include "imagefiles/GrFiles.h"
#include "measure/IDListForm.h"
#include "measure/MeasDataWin.h"
#include "support/Options.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace fs = std::filesystem;
using namespace solar;
using namespace solar::test;

namespace {


std::string upper(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::toupper(c)); });
    return s;
}

struct Exercise : TestMachine {
    TempDir out;
    ScriptedUiPrompt ui;
    std::vector<KeySpot> key = readAnswerKey(sampleImageFolder());
    std::unique_ptr<TSolarRtn> w;

    Exercise() {
        QApplication::setQuitOnLastWindowClosed(false);
        writeOptions([](OptionsRecord &o) {
            o.LoginRequired = true;
            o.ImagePath = sampleImageFolder();
            o.RawDataFormat = UnitHeliographic;
            o.Centroiding = true;
            o.CurveFitting = true;
            o.ComputeSidereal = true;
        });
        w = std::make_unique<TSolarRtn>(env(1366, 768));
    }

    // Measures `ids` on every loaded image where the key has them far enough from the limb for
    // the centroid, then leaves the entry window with Finished.
    void measure(const std::set<std::string> &ids) {
        for (int row = 0; row < w->ImageList1->count(); ++row) {
            w->ImageList1->setCurrentRow(row);
            w->DisplayImage1Click();
            TImageForm1 &img = *w->ImageForm;
            const FITSFileObj *shown = w->Images->Image(row);
            ASSERT_NE(shown, nullptr);
            if (!img.Measuring)
                img.Measure1Click();
            for (const KeySpot &s : key) {
                if (!ids.count(s.id) || s.mu < 0.3 || upper(s.file) != shown->DisplayName())
                    continue;
                const int X = static_cast<int>(std::lround(s.column * img.Size.scale));
                const int Y = static_cast<int>(std::lround(s.row * img.Size.scale));
                img.FormMouseDown(Qt::LeftButton, X, Y);
                img.FormMouseUp(Qt::LeftButton, X, Y);
                w->MeasDataForm->IDEd->setText(QString::fromStdString(s.id));
                w->MeasDataForm->OkBtn1Click();
            }
        }
        w->MeasDataForm->CnclBtn1->click(); // Finished
    }

    // Picks `id` in the spot-ID list when it is shown.
    void pickSpot(const std::string &id) {
        ui.onDialog([id](QDialog &d) {
            auto &list = static_cast<TIDListForm1 &>(d);
            for (int row = 0; row < list.ListBox1->count(); ++row)
                if (list.ListBox1->item(row)->text().startsWith(QString::fromStdString(id + " ")))
                    list.ListBox1->setCurrentRow(row);
            list.LoadSelection1Click();
            return list.result();
        });
    }
    void confirmResult() {
        ui.onDialog([](QDialog &d) {
            static_cast<TRsltsForm1 &>(d).OKBtnClick();
            return d.result();
        });
    }
};

TEST(WholeExercise, StudentMeasuresAnalysesRecordsSavesAndQuits) {
    Exercise x;
    if (x.key.empty())
        GTEST_SKIP() << "no generated images";
    TSolarRtn &w = *x.w;

    // Login and Run.
    x.ui.script.expect("Login Completed?", Answer::Yes);
    x.ui.onDialog([](QDialog &d) {
        auto &dlg = static_cast<TLoginDlg &>(d);
        dlg.Stud1->setText("Ada Student");
        dlg.LabTbl->setText("7");
        dlg.OKBtnClick();
        return dlg.result();
    });
    w.Login1Click();
    w.Run1Click();
    ASSERT_EQ(w.DisplayStage, 2);

    // The image directory and every image in it.
    x.ui.script.answerFile(sampleImageFolder() + "synthlist.txt");
    w.Load1Click();
    w.SelectAll1Click();
    w.ListBox1DblClick();
    ASSERT_EQ(w.ImageList1->count(), 12);

    // Heliographic: spots A and B in the linear analysis, fitted by least squares as they load.
    x.measure({"A", "B"});
    ASSERT_TRUE(w.FindPeriod1->isEnabled());
    x.ui.onDialog([&](QDialog &d) {
        auto &lin = dynamic_cast<TLinearAnalysis &>(d);
        for (const char *id : {"A", "B"}) {
            x.pickSpot(id);
            lin.LongitudeValues1Click();
        }
        x.confirmResult();
        x.confirmResult();
        x.ui.script.expect("Results Saved");
        lin.RecordResults1Click();
        lin.Exit1Click();
        return lin.result();
    });
    w.FindPeriod1Click();

    // A second session in solar radii: the heliographic data saved and cleared first.
    x.ui.script.expect("Data Will Be Lost!", Answer::Yes);
    const std::string own = w.Options.UserDir.str(); // the student's folder under Users/
    x.ui.script.answerFile(own + "HELIO.DAT");
    x.ui.script.expect("Data File Written");
    x.ui.script.expect("Data Cleared");
    w.ClearallData1Click();
    EXPECT_TRUE(fs::exists(own + "HELIO.DAT"));

    // Solar radii: spots C and D in the sine-curve analysis.
    w.Options.RawDataFormat = UnitSolarRadius;
    x.measure({"C", "D"});
    ASSERT_TRUE(w.FindPeriod1->isEnabled());
    std::vector<long double> periods;
    x.ui.onDialog([&](QDialog &d) {
        auto &sine = dynamic_cast<TRotnAnalysis &>(d);
        for (const char *id : {"C", "D"}) {
            x.pickSpot(id);
            sine.LoadDataset1Click();
            x.ui.onDialog([](QDialog &p) {
                static_cast<TSinParmsForm1 &>(p).OKBtnClick();
                return p.result();
            });
            sine.InitialEstimate1Click();
            sine.ComputeFit1Click();
            periods.push_back(SinPeriod);
            x.confirmResult();
            x.ui.script.expect("Results Saved");
            sine.RecordResults1Click();
        }
        sine.Exit1Click();
        return sine.result();
    });
    w.FindPeriod1Click();
    ASSERT_EQ(periods.size(), 2u);
    EXPECT_NEAR(static_cast<double>(periods[0]), 27.595, 0.2);
    EXPECT_NEAR(static_cast<double>(periods[1]), 28.270, 0.2);

    // The results list, saved as text and as CSV.
    EXPECT_TRUE(w.ResultsList1->isEnabled());
    w.ResultsList1Click();
    const std::string text = own + "RESULTS.TXT", csv = own + "RESULTS.CSV";
    x.ui.script.answerFile(text);
    x.ui.script.expect("Text File Written");
    w.RsltsListForm->SaveasText1Click();
    x.ui.script.answerFile(csv);
    x.ui.script.expect("CSV File Written");
    w.RsltsListForm->ForSpreadsheetCSV1Click();
    const std::string table = readFile(text), sheet = readFile(csv);
    for (const char *id : {"A", "B", "C", "D"}) {
        EXPECT_NE(table.find(std::string("\r\n") + id + "   "), std::string::npos) << id;
        EXPECT_NE(sheet.find(std::string("\"") + id + "\","), std::string::npos) << id;
    }
    EXPECT_EQ(sheet.find("nan"), std::string::npos);
    EXPECT_EQ(sheet.find("inf"), std::string::npos);

    // The end: the unsaved measurements are saved when asked, then the quit question.
    x.ui.script.expect("Data Will Be Lost!", Answer::Yes);
    x.ui.script.answerFile(own + "SOLRTN_DATA.DAT");
    x.ui.script.expect("Data File Written");
    x.ui.script.expect("** Exercise Finished? **", Answer::OK);
    EXPECT_TRUE(w.close());
    EXPECT_TRUE(fs::exists(own + "SOLRTN_DATA.DAT"));
    EXPECT_EQ(x.ui.script.pendingAnswers(), 0u);

    // The instructor's class report: this student's folder and two made-up students.
    const std::string keyPath = sampleImageFolder() + "../INSTRUCTOR/synth_answer_key.csv";
    AnswerKey key;
    std::string reason;
    ASSERT_TRUE(readAnswerKey(keyPath, key, reason)) << reason;
    writeCarefulAndCareless(x.work.dir(), key);
    const ClassReport r = BuildClassReport(x.work.dir(), keyPath);
    ASSERT_EQ(r.students.size(), 3u);
    std::map<std::string, const StudentReport *> row;
    for (const StudentReport &s : r.students)
        row[s.name] = &s;
    const StudentReport &ada = *row.at(fs::path(own).parent_path().filename().string());
    // Every spot measured above (mu >= 0.3), matched whatever the unit, none left over.
    int measured = 0;
    std::set<std::string> images;
    for (const KeySpot &s : x.key)
        if (s.mu >= 0.3 && std::string("ABCD").find(s.id) != std::string::npos) {
            ++measured;
            images.insert(s.file);
        }
    EXPECT_EQ(ada.measurements, measured);
    EXPECT_EQ(ada.matched, measured);
    EXPECT_EQ(ada.images, int(images.size()));
    EXPECT_EQ(ada.dataFiles, 2);
    EXPECT_EQ(ada.reportFiles, 2);
    // The centroid finds the spots within a fraction of a degree (a pixel is 0.13 degrees at the
    // disc centre, more towards the limb).
    EXPECT_LT(double(ada.latMedian), 0.3);
    EXPECT_LT(double(ada.lonLargest), 1.5);
    ASSERT_EQ(ada.spots.size(), 4u);
    for (const SpotFit &f : ada.spots) {
        ASSERT_TRUE(f.ok) << f.keyId;
        EXPECT_NEAR(double(f.rate), double(f.keyRate), 0.2) << f.keyId;
    }
    // The four recorded results (text table and CSV alike, counted once) against the key.
    ASSERT_EQ(ada.results.size(), 4u);
    for (const ResultCheck &c : ada.results) {
        EXPECT_EQ(c.keyId, c.result.id);
        if (c.result.rate > 0) {
            EXPECT_NEAR(double(c.result.rate), double(c.keyRate), 0.2) << c.keyId;
        }
        if (c.result.synPeriod > 0) {
            EXPECT_NEAR(double(c.result.synPeriod), double(c.keySynPeriod), 0.4) << c.keyId;
        }
    }
    EXPECT_TRUE(ada.notes.empty());
    // The made-up students: exact positions give the key's rates; the careless click is 3 degrees
    // off and spot A carries two IDs.
    const StudentReport &good = *row.at("CAREFUL"), &bad = *row.at("CARELESS");
    EXPECT_NEAR(double(good.latLargest), 0, 1e-6);
    EXPECT_NEAR(double(good.fit("A")->rate), double(good.fit("A")->keyRate), 0.02);
    EXPECT_EQ(bad.matched, bad.measurements);
    EXPECT_NEAR(double(bad.latLargest), 3.0, 1e-3);
    EXPECT_EQ(bad.fit("A")->studentIds, (std::vector<std::string>{"A", "Z"}));
    EXPECT_EQ(bad.notes.size(), 1u);
    // One summary per key spot; A and B by all three students.
    ASSERT_GE(r.spots.size(), 4u);
    EXPECT_EQ(r.spots[0].students, 3);
    EXPECT_LT(double(r.spots[0].spread), 0.2);
}

} // namespace

namespace {

// Clearing or loading measurement data lets the sine analysis go of its spot, but first offers
// to record its unrecorded result: Cancel keeps the result (and its question at the close).
TEST(WholeExercise, NewMeasurementDataOfferToRecordTheSineResultFirst) {
    Exercise x;
    TSolarRtn &w = *x.w;
    w.Options.RawDataFormat = UnitSolarRadius;
    for (int d = 0; d < 6; ++d) {
        MeasRec m;
        m.ID = "C";
        m.Time = 45894.8 + d;
        m.XRad = std::sin(0.23L * (d - 2.6L));
        m.XOff = m.XRad * 440;
        m.Long = std::asin(m.XRad);
        w.MeasDataForm->list().Insert(m);
    }
    w.EnableDataCommands(true);
    TRotnAnalysis &sine = *w.RotnAnalysis;
    sine.FormShow();
    IDEntry e;
    e.ID = "C";
    sine.LoadSpot(e);
    x.ui.onDialog([](QDialog &p) {
        static_cast<TSinParmsForm1 &>(p).OKBtnClick();
        return p.result();
    });
    sine.InitialEstimate1Click();
    ASSERT_TRUE(w.SineResultPending());

    x.ui.script.expect("Data Cleared");
    x.ui.script.expect("Result Not Recorded!", Answer::Cancel);
    w.ClearallData1Click();
    EXPECT_TRUE(w.MeasDataForm->list().IsEmpty());
    EXPECT_EQ(sine.SpotID, "C");
    EXPECT_TRUE(w.SineResultPending());

    // Loading a data file: No drops the result and the spot.
    MeasList one;
    MeasRec r;
    r.ID = "E";
    r.Time = 45900.5;
    one.Insert(r);
    std::string reason;
    ASSERT_TRUE(writeMeasFile(x.out.file("ONE.DAT"), one, reason)) << reason;
    x.ui.script.answerFile(x.out.file("ONE.DAT"));
    x.ui.script.expect("Data File Loaded");
    x.ui.script.expect("Result Not Recorded!", Answer::No);
    w.Load3Click();
    EXPECT_FALSE(w.SineResultPending());
    EXPECT_TRUE(sine.SpotID.empty());
    EXPECT_TRUE(sine.Points.empty());
    EXPECT_EQ(w.MeasDataForm->list().Count(), 1);
}

} // namespace

// The result dialog and the results list driven through the scripted prompts: what the dialog
// computes and keeps per unit and option, refusals that keep it open, recording into the list,
// delete and undo against later results, edit in place, and the CSV and text reports.
#include "analysis/RsltsDlg.h"
#include "analysis/RsltsLst.h"

#include "common/ScriptedUiPrompt.h"
#include "common/TempDir.h"
#include "measure/IDListForm.h"
#include "support/StringUt.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace solar;
using solar::test::readFile;
using solar::test::ScriptedUiPrompt;
using solar::test::TempDir;

namespace {

constexpr long double Deg = 0.017453292519943295769L;

RsltsRec linear(const std::string &id, long double rate) {
    RsltsRec r;
    r.SpotID = id;
    r.FirstTime = 45894.826366;
    r.LastTime = 45901.5;
    r.MeanLat = 8.0L * Deg;
    r.LatRMS = 0.02L * Deg;
    r.LongRMS = 0.31L * Deg;
    r.TZero = 45898.25;
    r.RtnRate = rate;
    return r;
}

std::string text(QLineEdit *ed) {
    return ed->text().toStdString();
}

struct Results {
    ScriptedUiPrompt ui;
    TempDir dir;
    ResultSettings settings;
    int recorded = 0;
    TRsltsListForm1 win;
    Results() {
        setResultSettingsSource([this] { return settings; });
        setResultRecordedHook([this] { ++recorded; });
        TInfoListForm1::setUserDirSource([this] { return dir.dir(); });
    }
    ~Results() {
        setResultSettingsSource({});
        setResultRecordedHook({});
        TInfoListForm1::setUserDirSource({});
    }
    // Records through the dialog, letting `fill` look at and change it before OK.
    bool record(RsltsRec rec, std::function<void(TRsltsForm1 &)> fill = {}) {
        ui.onDialog([fill](QDialog &d) {
            auto &dlg = dynamic_cast<TRsltsForm1 &>(d);
            if (fill)
                fill(dlg);
            dlg.OKBtn->click();
            return dlg.result();
        });
        return RecordResult(nullptr, rec);
    }
    std::vector<std::string> ids() {
        std::vector<std::string> out;
        for (const RsltsRec &r : win.list().records())
            out.push_back(r.SpotID.str());
        return out;
    }
};

} // namespace

TEST(RsltsDlg, ComputesKeepsAndRefusesPerUnitAndOption) {
    Results p;
    // Heliographic with every Compute option: the rate stays as the fit gave it, the periods follow.
    p.settings = {UnitHeliographic, true, true, true};
    ASSERT_TRUE(p.record(linear("A", 13.2L), [](TRsltsForm1 &d) {
        EXPECT_EQ(text(d.RtnRtEd), "13.20000");
        EXPECT_EQ(text(d.PrdEd), "27.27273");
        EXPECT_EQ(text(d.SidrEd), "25.37780");
        EXPECT_EQ(text(d.TZEd), "2460916.75000");
        EXPECT_EQ(text(d.LatEd), "8.00");
        EXPECT_TRUE(d.PrdEd->isReadOnly() && d.RtnRtEd->isReadOnly() && d.SidrEd->isReadOnly());
    }));
    RsltsRec a = p.win.list().records().at(0);
    EXPECT_EQ(a.RtnRate, 13.2L);
    EXPECT_EQ(a.SynPeriod, 360 / 13.2L); // exact, not the 5-decimal text
    EXPECT_EQ(p.recorded, 1);

    // A rate of 10 shows empty but is kept when the student types nothing; a rate of 0 gives no
    // period rather than a division by zero.
    p.settings = {UnitHeliographic, false, false, true};
    ASSERT_TRUE(p.record(linear("B", 10.0L), [](TRsltsForm1 &d) {
        EXPECT_EQ(text(d.RtnRtEd), "");
        EXPECT_FALSE(d.PrdEd->isReadOnly());
        d.PrdEd->setText("26");
        d.PrdEdExit();
        EXPECT_EQ(text(d.SidrEd), "24.27220");
    }));
    p.settings = {UnitHeliographic, true, false, true};
    ASSERT_TRUE(p.record(linear("C", 0), [](TRsltsForm1 &d) {
        EXPECT_EQ(text(d.PrdEd), "");
        EXPECT_EQ(text(d.SidrEd), "");
    }));
    auto recs = p.win.list().records();
    ASSERT_EQ(recs.size(), 3u);
    EXPECT_EQ(recs[1].RtnRate, 10.0L);
    EXPECT_EQ(recs[1].SynPeriod, 26.0L);
    EXPECT_EQ(FixedText(recs[1].SidPeriod, 5), "24.27220");
    EXPECT_EQ(recs[2].SynPeriod, 0.0L);
    EXPECT_EQ(recs[2].SidPeriod, 0.0L);

    // Solar radii, the rate computed from a period of 0: none, not infinity. A cleared rate box in
    // the pixel unit (both boxes editable there) is the student's "none", 1.0.
    p.settings = {UnitSolarRadius, false, true, false};
    RsltsRec sine = linear("D", 1.0L);
    ASSERT_TRUE(p.record(sine, [](TRsltsForm1 &d) { EXPECT_EQ(text(d.RtnRtEd), ""); }));
    EXPECT_EQ(p.win.list().records().at(3).RtnRate, 0.0L);
    p.settings = {UnitPixels, false, false, false};
    ASSERT_TRUE(p.record(linear("E", 14.0L), [](TRsltsForm1 &d) {
        EXPECT_FALSE(d.PrdEd->isReadOnly());
        EXPECT_FALSE(d.RtnRtEd->isReadOnly());
        EXPECT_EQ(text(d.RtnRtEd), "14.00000");
        d.RtnRtEd->clear();
    }));
    EXPECT_EQ(p.win.list().records().at(4).RtnRate, 1.0L);

    // Unparsable or negative entries: each box says so, the dialog stays open; fixed, OK records.
    p.settings = {UnitHeliographic, false, false, false};
    p.ui.onDialog([&p](QDialog &d) {
        auto &dlg = dynamic_cast<TRsltsForm1 &>(d);
        dlg.PrdEd->setText("27,3");
        dlg.SidrEd->setText("-5");
        p.ui.script.expect("Invalid Synodic Period!");
        p.ui.script.expect("Invalid Sidereal Period!");
        dlg.OKBtn->click();
        EXPECT_NE(dlg.result(), QDialog::Accepted);
        EXPECT_EQ(p.ui.script.lastMessage().text, "\"-5\" is not a valid period!");
        dlg.PrdEd->setText(" 27.3 ");
        dlg.SidrEd->clear();
        dlg.OKBtn->click();
        return dlg.result();
    });
    RsltsRec f = linear("F", 13.0L);
    ASSERT_TRUE(RecordResult(nullptr, f));
    EXPECT_EQ(f.SynPeriod, 27.3L);

    // Cancel records nothing.
    p.ui.onDialog([](QDialog &d) { return dynamic_cast<TRsltsForm1 &>(d).CancelBtn->click(), d.result(); });
    RsltsRec g = linear("G", 13.0L);
    EXPECT_FALSE(RecordResult(nullptr, g));
    EXPECT_EQ(p.win.list().Count(), 6);
    EXPECT_EQ(p.recorded, 6);
}

TEST(RsltsLst, DeleteUndoAfterLaterResultsEditInPlaceAndReports) {
    Results p;
    p.settings = {UnitHeliographic, true, false, true};
    for (const char *id : {"B", "D", "F"})
        ASSERT_TRUE(p.record(linear(id, 13.5L)));
    p.win.show();
    QListWidget *lb = p.win.ListBox1;
    ASSERT_EQ(lb->count(), 2 + 3 + 4);
    EXPECT_EQ(lb->item(1)->text().toStdString(),
              " ID     Span  (Julian Day)  (Degs/Day) Synodic   Sidereal   Lat    Lat   Long");
    EXPECT_EQ(lb->item(7)->text().toStdString(), "*  T-Zero is the time the spot crosses the apparent");

    // A click on a header line moves to the first record, one below the records to the last.
    lb->setCurrentRow(0);
    EXPECT_EQ(lb->currentRow(), 2);
    lb->setCurrentRow(8);
    EXPECT_EQ(lb->currentRow(), 4);

    // Delete D, record C and A, undo: D is back between C and F.
    lb->setCurrentRow(3);
    p.ui.script.expect("Confirm", Answer::Yes);
    p.win.DeleteSelectedLine1Click();
    EXPECT_EQ(p.ids(), (std::vector<std::string>{"B", "F"}));
    EXPECT_EQ(lb->currentRow(), 2);
    EXPECT_TRUE(p.win.UndoDelete1->isEnabled());
    ASSERT_TRUE(p.record(linear("C", 13.0L)));
    ASSERT_TRUE(p.record(linear("A", 13.0L)));
    p.win.UndoDelete1Click();
    EXPECT_EQ(p.ids(), (std::vector<std::string>{"A", "B", "C", "D", "F"}));
    EXPECT_EQ(lb->currentItem()->text().left(4).toStdString(), "D   ");
    EXPECT_FALSE(p.win.UndoDelete1->isEnabled());

    // Editing the ID keeps the row; undo brings the old record back in place. An edit undo stays
    // on its record when a result comes in ahead of it.
    lb->setCurrentRow(2 + 1);
    p.ui.onDialog([](QDialog &d) {
        auto &dlg = dynamic_cast<TRsltsForm1 &>(d);
        dlg.IDEd->setText("Z");
        dlg.OKBtn->click();
        return dlg.result();
    });
    p.win.EditSelectedLine1Click();
    EXPECT_EQ(p.ids(), (std::vector<std::string>{"A", "Z", "C", "D", "F"}));
    EXPECT_EQ(lb->item(3)->text().left(4).toStdString(), "Z   ");
    ASSERT_TRUE(p.record(linear("0", 13.0L)));
    p.win.UndoDelete1Click();
    EXPECT_EQ(p.ids(), (std::vector<std::string>{"0", "A", "B", "C", "D", "F"}));

    // The CSV: written, the hook told, the output flag set; the rate of 10 appears there.
    ASSERT_TRUE(p.record(linear("R", 10.0L)));
    bool written = false;
    std::string folder, file;
    p.win.CsvExported = [&](bool w, const std::string &d, const std::string &f) {
        written = w, folder = d, file = f;
    };
    p.ui.script.answerFile(p.dir.file("rates.csv"));
    p.ui.script.expect("CSV File Written");
    p.win.ForSpreadsheetCSV1Click();
    EXPECT_TRUE(written);
    EXPECT_EQ(folder, p.dir.dir());
    EXPECT_EQ(file, "RATES.CSV");
    EXPECT_TRUE(p.win.ReportWritten);
    const std::string csv = readFile(p.dir.file("RATES.CSV"));
    EXPECT_NE(csv.find("\r\n\"R\",6.67,2460916.75000,10.00000,36.00000,32.77009,8.00,0.02,0.31\r\n"),
              std::string::npos)
        << csv;

    // Cancelled: nothing written, and the hook hears so.
    p.ui.script.answerFile("");
    p.win.ForSpreadsheetCSV1Click();
    EXPECT_FALSE(written);
    EXPECT_FALSE(p.win.ReportWritten);

    // The text report holds the lines as shown, the rate of 10 left empty.
    p.ui.script.answerFile(p.dir.file("rates.txt"));
    p.ui.script.expect("Text File Written");
    p.win.SaveasText1Click();
    const std::string txt = readFile(p.dir.file("RATES.TXT"));
    EXPECT_NE(
        txt.find("\r\nR       6.67  2460916.75000            36.00000  32.77009    8.00  0.02  0.31\r\n"),
        std::string::npos)
        << txt;
}

TEST(IDListForm, ListsSpotsAndGivesTheChosenOne) {
    ScriptedUiPrompt ui;
    MeasList list;
    MeasRec m;
    for (auto [id, t] : {std::pair{"B", 45895.5}, {"A", 45894.25}, {"A", 45896.75}}) {
        m.ID = id;
        m.Time = t;
        list.Insert(m);
    }
    TIDListForm1 dlg;
    dlg.BuildSpotList(list);
    ui.onDialog([](QDialog &d) {
        auto &f = dynamic_cast<TIDListForm1 &>(d);
        EXPECT_EQ(f.ListBox1->count(), 2);
        EXPECT_EQ(f.ListBox1->item(0)->text().toStdString(), "A   08-25-2025  6:00 to 08-27-2025 18:00");
        f.ListBox1->setCurrentRow(1);
        f.LoadSelection1->trigger();
        return f.result();
    });
    EXPECT_EQ(dlg.exec(), QDialog::Accepted);
    EXPECT_EQ(dlg.SelectedID, "B");
    EXPECT_EQ(dlg.SelectedEntry.FirstTime, 45895.5);
    ui.onDialog([](QDialog &d) {
        dynamic_cast<TIDListForm1 &>(d).Close1->trigger();
        return d.result();
    });
    dlg.exec();
    EXPECT_EQ(dlg.SelectedID, "");
}

// The entry, edit and list windows driven through the scripted prompts: recording with the
// duplicate rule, labels and lines per unit, edit in place, delete and undo, and the reports.
#include "measure/MeasDataWin.h"

#include "common/ScriptedUiPrompt.h"
#include "common/TempDir.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QValidator>
#include <gtest/gtest.h>

using namespace solar;
using solar::test::readFile;
using solar::test::ScriptedUiPrompt;
using solar::test::TempDir;

namespace {

constexpr long double RadPerDeg = 0.017453292519943295769L;
// 2005-03-07 16:04:00 UT and the next day at the same time (days since 1899-12-30).
constexpr double T1 = 38418.0 + 964.0 / 1440.0;
constexpr double T2 = T1 + 1.0;

MeasRec measured(double time, long double longDeg, long double latDeg) {
    MeasRec r;
    r.Time = time;
    r.Unit = 9; // the entry window puts the unit in force here
    r.X = 300.5L;
    r.Y = 200.25L;
    r.XOff = 44.5L;
    r.YOff = -12.126L;
    r.XRad = 0.123454L;
    r.YRad = -0.5L;
    r.Long = longDeg * RadPerDeg;
    r.Lat = latDeg * RadPerDeg;
    return r;
}

// The program around the windows, as far as they reach it.
struct Program {
    ScriptedUiPrompt ui;
    TempDir dir;
    int unit = 2;
    bool saved = true;
    int enabled = 0, repaints = 0, saves = 0;
    bool csvWritten = false;
    std::string csvFolder, csvFile;
    TMeasDataForm1 entry;
    std::unique_ptr<TDataListForm1> listWin;

    Program() {
        MeasWindowHooks h;
        h.unit = [this] { return unit; };
        h.userDir = [this] { return dir.dir(); };
        h.dataSaved = [this] { return saved; };
        h.setDataSaved = [this](bool s) { saved = s; };
        h.enableMeasurementCommands = [this] { ++enabled; };
        h.saveData = [this] {
            ++saves;
            saved = true;
        };
        h.repaintImage = [this] { ++repaints; };
        h.csvExported = [this](bool w, const std::string &folder, const std::string &file) {
            csvWritten = w;
            csvFolder = folder;
            csvFile = file;
        };
        entry.setHooks(h);
        TInfoListForm1::setUserDirSource([this] { return dir.dir(); });
    }
    ~Program() { TInfoListForm1::setUserDirSource({}); }

    void record(double time, const char *id, long double longDeg = 10, long double latDeg = -5) {
        entry.ShowMeasurement(measured(time, longDeg, latDeg));
        entry.IDEd->setText(id);
        entry.OkBtn1Click();
    }
    TDataListForm1 &list() {
        if (!listWin)
            listWin = std::make_unique<TDataListForm1>(entry);
        listWin->show();
        return *listWin;
    }
    std::vector<std::string> ids() {
        std::vector<std::string> out;
        for (const auto &r : entry.list().records())
            out.push_back(r.ID.str() + (r.Time == T1 ? "@1" : "@2"));
        return out;
    }
};

std::string line(TDataListForm1 &w, int i) {
    return w.ListBox1->item(i)->text().toStdString();
}

} // namespace

TEST(MeasEntry, RecordingAndTheDuplicateRule) {
    Program p;
    p.entry.show();
    p.entry.ShowMeasurement(measured(T1, 29.86672L, -5.5L));
    EXPECT_EQ(p.entry.DateEd->text(), "2005/03/07");
    EXPECT_EQ(p.entry.TimeEd->text(), "16:04:00");
    EXPECT_EQ(p.entry.XEd->text(), "29.86672");
    EXPECT_EQ(p.entry.YEd->text(), "-5.50000");
    EXPECT_FALSE(p.entry.OkBtn1->isEnabled());

    p.ui.script.expect("No Spot ID!");
    p.entry.OkBtn1Click();
    EXPECT_EQ(p.ui.script.lastMessage().text, "Please enter an ID for the spot you just measured.");
    EXPECT_TRUE(p.entry.list().IsEmpty());

    // Identifiers are single-byte characters; anything else cannot be typed.
    QString accented = QString::fromUtf8("\xC3\xA9"), ok = "a1-";
    int pos = 0;
    EXPECT_EQ(p.entry.IDEd->validator()->validate(accented, pos), QValidator::Invalid);
    EXPECT_EQ(p.entry.IDEd->validator()->validate(ok, pos), QValidator::Acceptable);
    p.entry.IDEd->setText("ab");
    EXPECT_TRUE(p.entry.OkBtn1->isEnabled());
    p.entry.OkBtn1Click();
    ASSERT_EQ(p.entry.list().Count(), 1);
    const MeasRec stored = p.entry.list().records()[0];
    EXPECT_EQ(stored.ID.str(), "AB");
    EXPECT_EQ(stored.Unit, 2); // the unit in force, not what the image window sent
    EXPECT_EQ(stored.X, 300.5L);
    EXPECT_FALSE(p.entry.OkBtn1->isEnabled());
    EXPECT_EQ(p.repaints, 1);
    EXPECT_FALSE(p.saved);

    // "a" against "A" on the same image is refused; on another image it is a new record.
    p.record(T1, "A");
    p.ui.script.expect("ID Already Used!");
    p.record(T1, "a");
    EXPECT_EQ(p.ui.script.lastMessage().text, "Please enter an unused ID for the spot you just measured.");
    EXPECT_EQ(p.ui.script.lastMessage().icon, Icon::Error);
    p.record(T2, "a");
    EXPECT_EQ(p.ids(), (std::vector<std::string>{"A@1", "A@2", "AB@1"}));

    // Finished: the data commands open up and the data count as unsaved; the boxes empty.
    p.saved = true;
    p.entry.CnclBtn1Click();
    EXPECT_EQ(p.enabled, 1);
    EXPECT_FALSE(p.saved);
    EXPECT_TRUE(p.entry.DateEd->text().isEmpty());
    EXPECT_FALSE(p.entry.isVisible());
}

TEST(MeasEntry, LabelsAndCoordinatesPerUnit) {
    Program p;
    p.unit = 0;
    p.entry.show();
    p.entry.ShowMeasurement(measured(T1, 1, 2));
    EXPECT_EQ(p.entry.XLbl->text(), "X:");
    EXPECT_EQ(p.entry.UnitLbl->text(), "Unit is Pixels");
    EXPECT_EQ(p.entry.MeasLbl->text(), "Position of Spot Relative to Image Center");
    EXPECT_TRUE(p.entry.LongLbl->text().isEmpty());
    EXPECT_EQ(p.entry.XEd->text(), "44.50");
    EXPECT_EQ(p.entry.YEd->text(), "-12.13");
    EXPECT_TRUE(p.entry.XEd->toolTip().isEmpty());
    p.entry.hide();

    p.unit = 1;
    p.entry.show();
    p.entry.ShowMeasurement(measured(T1, 1, 2));
    EXPECT_EQ(p.entry.UnitLbl->text(), "Unit is Solar Radius");
    EXPECT_EQ(p.entry.XEd->text(), "0.12345");
    EXPECT_EQ(p.entry.YLbl->text(), "Y:");
    p.entry.hide();

    p.unit = 2;
    p.entry.show();
    EXPECT_EQ(p.entry.XLbl->text(), "Long:");
    EXPECT_EQ(p.entry.YLbl->text(), "Lat:");
    EXPECT_EQ(p.entry.UnitLbl->text(), "Unit is Degrees");
    EXPECT_EQ(p.entry.MeasLbl->text(), "Heliographic Coordinates");
    EXPECT_EQ(p.entry.LongLbl->text(), "Longitude is \"Apparent\", measured from image center.");
    EXPECT_EQ(p.entry.XEd->toolTip(), "wrt image center line");
}

// The entry window keeps its size, and its buttons their place, from one showing to the next in
// every unit (the headings of the solar-radius and pixel units are shorter or empty).
TEST(MeasEntry, KeepsItsSizeAndItsButtonsPlaceInEveryUnit) {
    Program p;
    p.unit = 1;
    p.entry.show();
    QApplication::processEvents();
    const QSize size = p.entry.size();
    const QPoint record = p.entry.OkBtn1->pos(), finished = p.entry.CnclBtn1->pos();
    p.entry.hide();
    for (int unit : {1, 0, 2, 1}) {
        SCOPED_TRACE(unit);
        p.unit = unit;
        p.entry.show();
        QApplication::processEvents();
        EXPECT_EQ(p.entry.size(), size);
        EXPECT_EQ(p.entry.OkBtn1->pos(), record);
        EXPECT_EQ(p.entry.CnclBtn1->pos(), finished);
        p.entry.hide();
    }
}

TEST(MeasListWindow, HeaderLinesAndClicksOnThemPerUnit) {
    Program p;
    p.record(T1, "A", 12.5L, -3.25L);
    p.record(T2, "A", 25.0L, -3.0L);
    auto &w = p.list();
    EXPECT_EQ(w.windowTitle(), "Sunspot Position Measurements");
    EXPECT_EQ(w.HeaderCount, 5);
    ASSERT_EQ(w.ListBox1->count(), 7);
    EXPECT_EQ(line(w, 0), "Coordinates are Heliographic latitude, and longitude");
    EXPECT_EQ(line(w, 4), "Spot   Date       UT     Julian Date       Long      Lat");
    // Julian date 2415018.5 + 38418.669444 = 2453437.169444; the same spot on two images in order.
    EXPECT_EQ(line(w, 5), "A   03-07-2005 16:04:00 2453437.169444   12.50000  -3.25000");
    EXPECT_EQ(line(w, 6), "A   03-08-2005 16:04:00 2453438.169444   25.00000  -3.00000");
    w.ListBox1->setCurrentRow(2);
    EXPECT_EQ(w.ListBox1->currentRow(), 5);
    EXPECT_TRUE(w.ForReload1->isVisible());
    EXPECT_TRUE(w.ForSpreadsheet1->isEnabled());
    EXPECT_EQ(w.EditSelectedLine1->text(), "Edit Selected Measurement...");
    EXPECT_EQ(w.Delete2->text(), "Delete Selected Measurement");

    w.hide();
    p.unit = 0;
    w.show();
    EXPECT_EQ(w.HeaderCount, 4);
    EXPECT_EQ(line(w, 1), "Units are pixels.");
    EXPECT_EQ(line(w, 4), "A   03-07-2005 16:04:00 2453437.169444     44.50   -12.13");
    w.ListBox1->setCurrentRow(1);
    EXPECT_EQ(w.ListBox1->currentRow(), 4);
    w.hide();
    p.unit = 1;
    w.show();
    EXPECT_EQ(line(w, 1), "Units are solar radii.");
    EXPECT_EQ(line(w, 4), "A   03-07-2005 16:04:00 2453437.169444   0.12345 -0.50000");
}

TEST(MeasListWindow, EditKeepsThePlaceAndUndoRestoresIt) {
    Program p;
    p.record(T1, "A");
    p.record(T1, "B");
    p.record(T1, "C");
    auto &w = p.list();
    p.saved = true;
    w.FormShow();
    const std::string before = line(w, 6);
    w.ListBox1->setCurrentRow(6);

    // An empty identifier keeps the dialog open; a used one is refused; then "z" is taken.
    p.ui.onDialog([&](QDialog &d) {
        auto &e = dynamic_cast<TEditDataForm1 &>(d);
        EXPECT_EQ(e.IDEd->text(), "B");
        EXPECT_EQ(e.OkBtn1->text(), "&OK");
        EXPECT_EQ(e.MeasLbl->text(), "Heliographic Coordinates");
        e.IDEd->clear();
        p.ui.script.expect("No Spot ID!");
        e.OkBtn1Click();
        EXPECT_EQ(p.ui.script.lastMessage().text, "Please enter a valid ID for the spot.");
        EXPECT_NE(e.result(), QDialog::Accepted);
        e.IDEd->setText("c");
        p.ui.script.expect("ID Already Used!");
        e.OkBtn1Click();
        EXPECT_NE(e.result(), QDialog::Accepted);
        e.IDEd->setText("z");
        e.OkBtn1Click();
        return e.result();
    });
    w.ListBox1DblClick();
    EXPECT_EQ(p.ids(), (std::vector<std::string>{"A@1", "Z@1", "C@1"}));
    EXPECT_EQ(line(w, 6).substr(0, 4), "Z   ");
    EXPECT_EQ(line(w, 6).substr(4), before.substr(4));
    EXPECT_FALSE(w.Saved);
    EXPECT_FALSE(p.saved);
    EXPECT_FALSE(w.ForReload1->isChecked());
    EXPECT_TRUE(w.UndoEditDelete1->isEnabled());
    EXPECT_TRUE(w.UndoEditDelete2->isEnabled());

    w.UndoEditDelete1Click();
    EXPECT_EQ(p.ids(), (std::vector<std::string>{"A@1", "B@1", "C@1"}));
    EXPECT_EQ(line(w, 6), before);
    EXPECT_FALSE(w.UndoEditDelete1->isEnabled());

    // Cancel changes nothing.
    p.ui.onDialog([](QDialog &d) {
        auto &e = dynamic_cast<TEditDataForm1 &>(d);
        e.IDEd->setText("Q");
        e.CnclBtn1Click();
        return e.result();
    });
    w.EditSelectedLine1Click();
    EXPECT_EQ(p.ids(), (std::vector<std::string>{"A@1", "B@1", "C@1"}));
}

TEST(MeasListWindow, DeleteAndUndoRestoreTheLine) {
    Program p;
    p.record(T1, "A");
    p.record(T2, "A");
    p.record(T1, "B");
    auto &w = p.list();
    const std::vector<std::string> before = w.lines();
    w.ListBox1->setCurrentRow(5);

    p.ui.script.expect("Confirm", Answer::No);
    w.DeleteSelectedLine1Click();
    EXPECT_EQ(w.lines(), before);
    EXPECT_EQ(p.ui.script.lastMessage().text, "Delete Highlighted Entry from List?");

    p.ui.script.expect("Confirm", Answer::Yes);
    w.DeleteSelectedLine1Click();
    EXPECT_EQ(p.ids(), (std::vector<std::string>{"A@2", "B@1"}));
    EXPECT_EQ(w.ListBox1->count(), 7);
    EXPECT_EQ(line(w, 5), before[6]);
    EXPECT_FALSE(p.saved);

    w.UndoEditDelete2->trigger();
    EXPECT_EQ(p.ids(), (std::vector<std::string>{"A@1", "A@2", "B@1"}));
    EXPECT_EQ(w.lines(), before);
    EXPECT_EQ(w.ListBox1->currentRow(), 5);

    // The last record too.
    w.ListBox1->setCurrentRow(7);
    p.ui.script.expect("Confirm", Answer::Yes);
    w.DeleteSelectedLine1Click();
    w.UndoEditDelete1Click();
    EXPECT_EQ(w.lines(), before);
    EXPECT_EQ(p.ids(), (std::vector<std::string>{"A@1", "A@2", "B@1"}));
}

TEST(MeasListWindow, LinesFollowRecordingWhileOpen) {
    Program p;
    p.record(T1, "B");
    p.saved = true;
    auto &w = p.list();
    EXPECT_EQ(w.ListBox1->count(), 6);
    EXPECT_TRUE(w.ForReload1->isChecked());
    p.record(T1, "A"); // sorts before B: the line must appear before B's
    ASSERT_EQ(w.ListBox1->count(), 7);
    EXPECT_EQ(line(w, 5).substr(0, 4), "A   ");
    EXPECT_EQ(line(w, 6).substr(0, 4), "B   ");
    EXPECT_FALSE(w.ForReload1->isChecked());
    // Closing the list must not mark the new measurement as saved.
    w.Close1Click();
    EXPECT_FALSE(p.saved);
}

TEST(MeasListWindow, ReportsAndSaveForReload) {
    Program p;
    p.record(T1, "A", -12.345678L, 5.0L);
    auto &w = p.list();
    p.saved = false;
    w.FormShow();
    EXPECT_FALSE(w.ForReload1->isChecked());
    w.SaveDAT1Click();
    EXPECT_EQ(p.saves, 1);
    EXPECT_TRUE(w.Saved);
    EXPECT_TRUE(w.ForReload1->isChecked());

    p.ui.script.answerFile(p.dir.file("meas.csv"));
    p.ui.script.expect("CSV File Written");
    w.CommaDelimitClick();
    const auto &save = p.ui.script.calls[0];
    EXPECT_EQ(save.caption, "Save Report in .CSV File for Spreadsheet?");
    EXPECT_EQ(save.file.fileName, "SOLRTN_MEAS.CSV");
    EXPECT_EQ(save.file.folder, p.dir.dir());
    EXPECT_EQ(save.file.filter, "Comma-Delimited Text  (*.CSV) |*.CSV");
    const std::string path = p.dir.file("MEAS.CSV");
    EXPECT_EQ(p.ui.script.lastMessage().text, "Spreadsheet File (.CSV) Written to " + path + ".");
    EXPECT_EQ(readFile(path),
              "\"Coordinates are Heliographic latitude, and longitude measured from the image "
              "center.\"\r\n\"Units are degrees.\"\r\n \r\n"
              "\"Spot\",\"Date\",\"UT\",\"Julian Date\",\"Long\",\"Lat\"\r\n"
              "\"A\",03-07-2005,16:04:00 ,2453437.169444,-12.34568,5.00000\r\n");
    EXPECT_TRUE(w.ReportWritten);
    EXPECT_TRUE(p.csvWritten);
    EXPECT_EQ(p.csvFolder, p.dir.dir());
    EXPECT_EQ(p.csvFile, "MEAS.CSV");

    // A cancelled report writes nothing: the flag falls and the main window hears of it.
    p.ui.script.answerFile("");
    w.CommaDelimitClick();
    EXPECT_FALSE(w.ReportWritten);
    EXPECT_FALSE(p.csvWritten);

    // Text as displayed goes through the generic window with this window's base name.
    p.ui.script.answerFile(p.dir.file("list.txt"));
    p.ui.script.expect("Text File Written");
    w.SaveasText1Click();
    EXPECT_EQ(p.ui.script.calls.back().kind, "message");
    EXPECT_EQ(readFile(p.dir.file("LIST.TXT")).substr(0, 52),
              "Coordinates are Heliographic latitude, and longitude");
}

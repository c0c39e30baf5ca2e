#pragma once
// The measurement windows: TMeasDataForm1 (entry of each measured spot under an identifier; owner
// of the MeasList), TEditDataForm1 (modal change of one stored identifier) and TDataListForm1 (the
// list of all measurements with edit, delete, undo and the text and CSV reports).

#include "measure/MeasData.h"
#include "support/InfoList.h"

#include <QDialog>
#include <QList>
#include <QRect>
#include <functional>
#include <memory>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace solar {

// What the measurement windows need from the rest of the program. Every member may be left
// empty; the defaults are unit 2, no user folder, and no action.
struct MeasWindowHooks {
    std::function<int()> unit;                       // the RawDataFormat option now
    std::function<std::string()> userDir;            // the user's data folder, ending in "/"
    std::function<bool()> dataSaved;                 // the main window's saved flag
    std::function<void(bool)> setDataSaved;          // sets it
    std::function<void()> enableMeasurementCommands; // View/Edit, Save Data, Clear all Data, Analysis
    std::function<void()> saveData;                  // the main window's Save Data command
    std::function<void()> repaintImage;              // the image window draws the new mark
    std::function<int()> imageWindowWidth;           // frame width, for placing the entry window beside it
    // After a CSV export: whether a file was written, and its folder and file name.
    std::function<void(bool written, const std::string &folder, const std::string &file)> csvExported;

    int Unit() const { return unit ? unit() : UnitHeliographic; }
};

class TMeasDataForm1 : public QDialog {
    Q_OBJECT
public:
    explicit TMeasDataForm1(QWidget *parent = nullptr);
    ~TMeasDataForm1() override;

    void setHooks(MeasWindowHooks hooks) { Hooks = std::move(hooks); }
    const MeasWindowHooks &hooks() const { return Hooks; }
    MeasList &list() { return *List; }

    QLineEdit *IDEd, *DateEd, *TimeEd, *XEd, *YEd;
    QLabel *XLbl, *YLbl, *UnitLbl, *MeasLbl, *LongLbl;
    QPushButton *OkBtn1, *CnclBtn1;
    MeasRec Pending; // the measurement waiting for its identifier

    // Called by the image window after each click on a spot.
    virtual void ShowMeasurement(const MeasRec &rec);
    virtual void FormShow();
    virtual void IDEdChange();
    virtual void OkBtn1Click();
    virtual void CnclBtn1Click();
    virtual void FormClose();

    // Places the window at the bottom of the screen area, left of the image window whose frame
    // is `imageFrame` (right edge of the area when empty), clear of `avoid` where it can;
    // returns its frame.
    QRect PlaceBeside(const QRect &imageFrame, const QList<QRect> &avoid = {});
    // Brings the window forward with the keyboard in the identifier box.
    void FocusIdentifier();

    // Sets the labels of the coordinate boxes for the unit.
    void SetUnitLabels(int unit, bool headingToo);

signals:
    // The measurement list gained a record (an open list window shows it at once).
    void measurementsChanged();

protected:
    struct NoList {};
    TMeasDataForm1(QWidget *parent, NoList); // the edit dialog: no list of its own
    void showEvent(QShowEvent *event) override;
    // Finished, Escape and the title bar all end here.
    void reject() override;
    // Shows the pending record's date, time and coordinates for the unit.
    void ShowPending(int unit);
    // True when another record of the list (not `except`) on the same image has this identifier.
    static bool IdUsedOnImage(MeasList &list, const std::string &upperId, double time, const void *except);

    MeasWindowHooks Hooks;
    std::unique_ptr<MeasList> List;

private:
    void build();
};

// Modal: changes the identifier of one measurement. OK copies nothing by itself; the caller takes
// Pending (with its new identifier) when runModal returns Accepted.
class TEditDataForm1 : public TMeasDataForm1 {
    Q_OBJECT
public:
    // `list` and `stored` let the dialog refuse an identifier already used on the same image.
    TEditDataForm1(MeasList &list, const MeasRec *stored, QWidget *parent = nullptr);

    // Shows the record and puts its identifier into IDEd.
    void OpenFor(const MeasRec &rec, int unit);
    void FormShow() override;
    void OkBtn1Click() override;
    void CnclBtn1Click() override;
    void FormClose() override {}

private:
    MeasList &TheList;
    const MeasRec *Stored;
};

class TDataListForm1 : public TInfoListForm1 {
    Q_OBJECT
public:
    TDataListForm1(TMeasDataForm1 &entry, QWidget *parent = nullptr);

    int HeaderCount = 4;

    void FormCreate() override;
    void FormShow() override;
    void Close1Click() override;
    void ListBox1Click() override;
    void ListBox1DblClick() override;
    void EditSelectedLine1Click() override;
    void DeleteSelectedLine1Click() override;
    void UndoEditDelete1Click() override;
    void SaveDAT1Click() override;
    void CommaDelimitClick() override;

    // Header lines and one line per record for the unit now in force; forgets the undo step.
    void FillList();
    bool undoAvailable() const { return UndoEditDelete1->isEnabled(); }

private:
    struct UndoSlot {
        int index = -1;
        std::string line;
        MeasRec record;
        bool isDelete = false;
    };
    void setUndoEnabled(bool on);
    void markChanged();

    TMeasDataForm1 &Entry;
    UndoSlot Undo;
};

} // namespace solar

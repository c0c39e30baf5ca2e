#pragma once
// The results list window "Solar Rotation Results from Sunspots": owner of the RsltsList, shown
// as a text table with edit, delete, one-step undo, search, print and the text and CSV reports.

#include "analysis/RsltsData.h"
#include "support/InfoList.h"

#include <functional>
#include <string>

namespace solar {

class TRsltsListForm1 : public TInfoListForm1 {
    Q_OBJECT
public:
    explicit TRsltsListForm1(QWidget *parent = nullptr);
    ~TRsltsListForm1() override;

    // The window that RecordResult fills: the last one made that still exists.
    static TRsltsListForm1 *instance();

    RsltsList &list() { return List; }
    // Inserts a result at its sorted place; an open window shows it at once.
    void AddResult(const RsltsRec &rec);

    // After a CSV report: whether a file was written, and its folder and file name.
    std::function<void(bool written, const std::string &folder, const std::string &file)> CsvExported;

    // Menu items under their own names (the generic window's actions, retitled).
    QAction *Exit1, *ForSpreadsheetCSV1, *UndoDelete1, *UndoDelete2, *EditSelectedLine2, *DeleteSelectedLine2;

    static constexpr int FirstDataLine = 2;
    int LastDataLine = 1; // index of the last record line (below the first when there is none)

    // The table: header lines, one line per record, the note on T-zero.
    void FillList();

    void FormCreate() override;
    void FormShow() override;
    void ListBox1Click() override;
    void ListBox1DblClick() override;
    void EditSelectedLine1Click() override;
    void DeleteSelectedLine1Click() override;
    void UndoEditDelete1Click() override;
    void CommaDelimitClick() override;
    void UndoDelete1Click() { UndoEditDelete1Click(); }
    void ForSpreadsheetCSV1Click() { CommaDelimitClick(); }

private:
    struct UndoSlot {
        bool active = false;
        bool isDelete = false;
        int position = -1; // index in the list
        RsltsRec record;
    };
    void setUndo(const UndoSlot &u);
    bool hasRecords() const { return LastDataLine >= FirstDataLine; }

    RsltsList List;
    UndoSlot Undo;
};

} // namespace solar

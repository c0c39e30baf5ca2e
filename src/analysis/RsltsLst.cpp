#include "analysis/RsltsLst.h"

#include "analysis/RateLat.h"
#include "analysis/RsltsDlg.h"
#include "support/ListText.h"
#include "support/Prompt.h"
#include "support/Translate.h"

#include <QGuiApplication>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <algorithm>

namespace solar {

namespace {
TRsltsListForm1 *&current() {
    static TRsltsListForm1 *window = nullptr;
    return window;
}
QString qs(const std::string &s) {
    return QString::fromStdString(s);
}
} // namespace

TRsltsListForm1::TRsltsListForm1(QWidget *parent) : TInfoListForm1(parent) {
    Exit1 = Close1;
    ForSpreadsheetCSV1 = ForSpreadsheet1;
    UndoDelete1 = UndoEditDelete1;
    UndoDelete2 = UndoEditDelete2;
    EditSelectedLine2 = Edit2;
    DeleteSelectedLine2 = Delete2;
    TRsltsListForm1::FormCreate();
    current() = this;
}

TRsltsListForm1::~TRsltsListForm1() {
    if (current() == this)
        current() = nullptr;
}

TRsltsListForm1 *TRsltsListForm1::instance() {
    return current();
}

void TRsltsListForm1::FormCreate() {
    TInfoListForm1::FormCreate();
    setWindowTitle(tr("Solar Rotation Results from Sunspots"));
    List1->setTitle(tr("&File"));
    AsDisplayed1->setText(tr("As &Displayed (.TXT)"));
    ForSpreadsheet1->setText(tr("For &Spreadsheet (.CSV)"));
    ForSpreadsheet1->setEnabled(true);
    Close1->setText(tr("E&xit"));
    QAction *rateLat = new QAction(tr("Rate against &Latitude..."), this);
    rateLat->setObjectName("RateLatitude1");
    List1->insertAction(Close1, rateLat);
    connect(rateLat, &QAction::triggered, this, [this] { ShowRateLatitude(this); });
    DeleteSelectedLine1->setText(tr("&Delete Selected Line..."));
    Edit2->setText(tr("&Edit Selected Line..."));
    Delete2->setText(tr("&Delete Selected Line..."));
    UndoEditDelete2->setText(tr("&Undo Delete"));
    BaseName = "SOLRTN_RSLTS";
    List.DeleteAll();
    Undo = UndoSlot{};
    setUndo(Undo);
    LastDataLine = FirstDataLine - 1;
}

void TRsltsListForm1::setUndo(const UndoSlot &u) {
    Undo = u;
    UndoEditDelete1->setEnabled(u.active);
    UndoEditDelete2->setEnabled(u.active);
}

void TRsltsListForm1::FillList() {
    const int row = ListBox1->currentRow();
    std::vector<std::string> lines = RsltsHeaderLines();
    for (const RsltsRec &r : List.records())
        lines.push_back(RsltsLine(r));
    LastDataLine = static_cast<int>(lines.size()) - 1;
    for (const std::string &l : RsltsFooterLines())
        lines.push_back(l);
    setLines(lines);
    if (row >= 0 && hasRecords())
        ListBox1->setCurrentRow(std::clamp(row, FirstDataLine, LastDataLine));
}

void TRsltsListForm1::AddResult(const RsltsRec &rec) {
    RsltsRec clean = rec;
    SanitizeResult(clean);
    List.Reset();
    List.Insert(clean);
    const int index = List.CursorIndex();
    // A pending undo refers to a position; records inserted before it move it down.
    if (Undo.active && index <= Undo.position) {
        UndoSlot u = Undo;
        ++u.position;
        setUndo(u);
    }
    if (isVisible())
        FillList();
}

void TRsltsListForm1::FormShow() {
    FillList();
    const QFontMetrics fm(ListBox1->font());
    const int clientWidth = fm.horizontalAdvance(ListBox1->item(0)->text()) + 30;
    const int rows = std::min(ListBox1->count() + 1, 16);
    const int clientHeight = rows * lineHeight();
    QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect area = s ? s->availableGeometry() : QRect(0, 0, 800, 600);
    const int w = std::min(clientWidth + 2 * ListBox1->frameWidth(), area.width() - 20);
    const int h = std::min(clientHeight + 2 * ListBox1->frameWidth() + menuBar()->sizeHint().height(),
                           area.height() - 60);
    resize(w, h);
    move(area.center().x() - width() / 2, area.center().y() - height() / 2);
    Print1->setChecked(ReportWritten);
}

void TRsltsListForm1::ListBox1Click() {
    const int row = ListBox1->currentRow();
    if (hasRecords() && row >= 0) {
        if (row < FirstDataLine) {
            ListBox1->setCurrentRow(FirstDataLine);
            return; // the row change comes back here
        }
        if (row > LastDataLine) {
            ListBox1->setCurrentRow(LastDataLine);
            return;
        }
    }
    TInfoListForm1::ListBox1Click();
}

void TRsltsListForm1::ListBox1DblClick() {
    EditSelectedLine1Click();
}

void TRsltsListForm1::EditSelectedLine1Click() {
    ListBox1Click();
    const int line = ListBox1->currentRow();
    const int position = line - FirstDataLine;
    if (!hasRecords() || line < FirstDataLine || line > LastDataLine)
        return;
    const RsltsRec *stored = List.ItemAs<RsltsRec>(position);
    if (stored == nullptr)
        return;
    const RsltsRec before = *stored;
    RsltsRec edited = before;
    if (!EditResult(this, edited))
        return;
    // In place: the list is not re-sorted, so an edited ID keeps its row.
    if (RsltsRec *r = List.ItemAs<RsltsRec>(position)) {
        *r = edited;
        ListBox1->item(line)->setText(qs(RsltsLine(edited)));
        setUndo({true, false, position, before});
    }
}

void TRsltsListForm1::DeleteSelectedLine1Click() {
    ListBox1Click();
    const int line = ListBox1->currentRow();
    const int position = line - FirstDataLine;
    if (!hasRecords() || line < FirstDataLine || line > LastDataLine)
        return;
    if (prompt().message(tr("Confirm").toStdString(), tr("Delete Highlighted Entry from List?").toStdString(),
                         Icon::Question, Buttons::YesNo) != Answer::Yes)
        return;
    const RsltsRec *stored = List.ItemAs<RsltsRec>(position);
    if (stored == nullptr)
        return;
    const RsltsRec kept = *stored;
    List.Item(position);
    List.DeleteCurrent();
    FillList();
    if (hasRecords())
        ListBox1->setCurrentRow(position == 0 ? FirstDataLine : std::min(line - 1, LastDataLine));
    setUndo({true, true, position, kept});
}

void TRsltsListForm1::UndoEditDelete1Click() {
    if (!Undo.active)
        return;
    int position = Undo.position;
    if (Undo.isDelete) {
        // Back at its old place while that place is still in order, else at its sorted place
        // (other results may have come in since).
        const void *before = position > 0 ? List.Item(position - 1) : nullptr;
        const void *after = position >= 0 ? List.Item(position) : nullptr;
        const bool fitsBefore = position == 0 || (before && !List.Greater(before, &Undo.record));
        const bool fitsAfter = after == nullptr || !List.Greater(&Undo.record, after);
        if (position >= 0 && position <= List.Count() && fitsBefore && fitsAfter) {
            if (position == 0)
                List.InsertFirst(&Undo.record);
            else {
                List.Item(position - 1);
                List.InsertAfter(&Undo.record);
            }
        } else {
            List.Reset();
            List.Insert(&Undo.record);
        }
        position = List.CursorIndex();
    } else if (RsltsRec *r = List.ItemAs<RsltsRec>(position)) {
        *r = Undo.record;
    }
    setUndo(UndoSlot{});
    FillList();
    if (position >= 0 && hasRecords())
        ListBox1->setCurrentRow(std::clamp(position + FirstDataLine, FirstDataLine, LastDataLine));
}

void TRsltsListForm1::CommaDelimitClick() {
    if (ReportFolder.empty())
        ReportFolder = userDir();
    if (CSVFileName.empty())
        CSVFileName = BaseName + ".CSV";
    FileDialogSetup setup;
    setup.title = tr("Save Report in .CSV File for Spreadsheet?").toStdString();
    setup.filter = CsvFilter;
    setup.defaultExt = "*.CSV";
    setup.fileName = CSVFileName;
    setup.folder = ReportFolder;
    const std::optional<std::string> path = chooseSavePath(setup);
    bool written = false;
    if (path) {
        CSVFileName = fileNamePart(*path);
        ReportFolder = folderPart(*path);
        std::string error;
        {
            BusyCursor busy;
            written = writeRsltsCsv(*path, List.records(), error);
        }
        if (written)
            prompt().message(tr("CSV File Written").toStdString(),
                             arg(tr("Spreadsheet File (.CSV) Written to %1.").toStdString(), {*path}),
                             Icon::Information, Buttons::OK);
        else
            prompt().message(
                tr("File Error!").toStdString(),
                arg(tr("Unable to Write Spreadsheet File!\r\n\r\nFile Name: %1\r\n%2").toStdString(),
                    {*path, error}),
                Icon::Error, Buttons::OK);
    }
    ReportWritten = written;
    Print1->setChecked(ReportWritten);
    if (CsvExported)
        CsvExported(written, ReportFolder, CSVFileName);
}

} // namespace solar

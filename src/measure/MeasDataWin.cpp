#include "measure/MeasDataWin.h"
#include "support/ScreenFit.h"

#include "astro/DateTime.h"
#include "measure/MeasCmds.h"
#include "support/Prompt.h"
#include "support/QtPrompt.h"
#include "support/StringUt.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QVBoxLayout>
#include <cctype>
#include <cstdio>

namespace solar {

namespace {

std::string upperId(const std::string &s) {
    std::string out = s.substr(0, 3);
    for (char &c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

QString qs(const std::string &s) {
    return QString::fromStdString(s);
}

} // namespace

// ---------------------------------------------------------------- entry window

TMeasDataForm1::TMeasDataForm1(QWidget *parent) : QDialog(parent), List(std::make_unique<MeasList>()) {
    build();
}

TMeasDataForm1::TMeasDataForm1(QWidget *parent, NoList) : QDialog(parent) {
    build();
}

TMeasDataForm1::~TMeasDataForm1() = default;

void TMeasDataForm1::build() {
    setWindowTitle(tr("Sunspot Measurement Data"));
    auto *grid = new QGridLayout;
    MeasLbl = new QLabel(tr("Heliographic Coordinates"), this);
    UnitLbl = new QLabel(tr("Unit is Degrees"), this);
    LongLbl = new QLabel(tr("Longitude is \"Apparent\", measured from image center."), this);
    auto *idLbl = new QLabel(tr("Spot ID:"), this);
    auto *dateLbl = new QLabel(tr("Date:"), this);
    auto *timeLbl = new QLabel(tr("UT:"), this);
    XLbl = new QLabel(tr("Long:"), this);
    YLbl = new QLabel(tr("Lat:"), this);
    IDEd = new QLineEdit(this);
    IDEd->setMaxLength(3);
    // The identifier is stored as single bytes: printable ASCII only.
    IDEd->setValidator(new QRegularExpressionValidator(QRegularExpression("[\\x20-\\x7E]{0,3}"), IDEd));
    DateEd = new QLineEdit(this);
    TimeEd = new QLineEdit(this);
    XEd = new QLineEdit(this);
    YEd = new QLineEdit(this);
    for (QLineEdit *e : {DateEd, TimeEd, XEd, YEd})
        e->setReadOnly(true);
    grid->addWidget(idLbl, 0, 0);
    grid->addWidget(IDEd, 0, 1);
    grid->addWidget(dateLbl, 1, 0);
    grid->addWidget(DateEd, 1, 1);
    grid->addWidget(timeLbl, 2, 0);
    grid->addWidget(TimeEd, 2, 1);
    grid->addWidget(MeasLbl, 3, 0, 1, 2);
    grid->addWidget(XLbl, 4, 0);
    grid->addWidget(XEd, 4, 1);
    grid->addWidget(YLbl, 5, 0);
    grid->addWidget(YEd, 5, 1);
    grid->addWidget(UnitLbl, 6, 0, 1, 2);
    grid->addWidget(LongLbl, 7, 0, 1, 2);
    idLbl->setBuddy(IDEd);
    dateLbl->setBuddy(DateEd);
    timeLbl->setBuddy(TimeEd);
    XLbl->setBuddy(XEd);
    YLbl->setBuddy(YEd);
    IDEd->setAccessibleName(tr("Spot ID"));
    IDEd->setAccessibleDescription(
        tr("Identifier of the measured spot, up to three characters; Enter records it."));
    DateEd->setAccessibleName(tr("Image date"));
    TimeEd->setAccessibleName(tr("Image time (UT)"));
    XEd->setAccessibleName(tr("Longitude"));
    YEd->setAccessibleName(tr("Latitude"));
    OkBtn1 = new QPushButton(tr("&Record"), this);
    CnclBtn1 = new QPushButton(tr("&Finished"), this);
    OkBtn1->setEnabled(false);
    OkBtn1->setAutoDefault(false);
    OkBtn1->setDefault(true); // Enter in the identifier box records
    CnclBtn1->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(OkBtn1);
    buttons->addWidget(CnclBtn1);
    auto *outer = new QVBoxLayout(this);
    outer->addLayout(grid);
    outer->addLayout(buttons);
    // The headings change with the unit: room for the longest of each, so that the window keeps
    // its size and its buttons their place in every unit.
    const QFontMetrics fm(MeasLbl->font());
    MeasLbl->setMinimumWidth(fm.horizontalAdvance(tr("Position of Spot Relative to Image Center")));
    LongLbl->setMinimumSize(LongLbl->sizeHint());
    screenfit::keepCaptionWhole(this);

    connect(IDEd, &QLineEdit::textChanged, this, [this] { IDEdChange(); });
    connect(OkBtn1, &QPushButton::clicked, this, [this] { OkBtn1Click(); });
    connect(CnclBtn1, &QPushButton::clicked, this, [this] { CnclBtn1Click(); });
}

void TMeasDataForm1::SetUnitLabels(int unit, bool headingToo) {
    const bool helio = unit != UnitPixels && unit != UnitSolarRadius;
    XLbl->setText(helio ? tr("Long:") : QString("X:"));
    YLbl->setText(helio ? tr("Lat:") : QString("Y:"));
    UnitLbl->setText(unit == UnitPixels        ? tr("Unit is Pixels")
                     : unit == UnitSolarRadius ? tr("Unit is Solar Radius")
                                               : tr("Unit is Degrees"));
    XEd->setToolTip(helio ? tr("wrt image center line") : QString());
    XEd->setAccessibleName(helio ? tr("Longitude") : QString("X"));
    YEd->setAccessibleName(helio ? tr("Latitude") : QString("Y"));
    const QString where = helio ? tr("Heliographic, apparent longitude measured from the image center line. ")
                                : tr("Position of the spot relative to the image center. ");
    XEd->setAccessibleDescription(where + UnitLbl->text());
    YEd->setAccessibleDescription(where + UnitLbl->text());
    if (headingToo) {
        MeasLbl->setText(helio ? tr("Heliographic Coordinates")
                               : tr("Position of Spot Relative to Image Center"));
        LongLbl->setText(helio ? tr("Longitude is \"Apparent\", measured from image center.") : QString());
    }
}

void TMeasDataForm1::FormShow() {
    adjustSize();
    const QRect area = screenfit::availableArea(this);
    const int imageWidth = Hooks.imageWindowWidth ? Hooks.imageWindowWidth() : 0;
    PlaceBeside(QRect(area.right() + 1 - imageWidth, area.top(), imageWidth, area.height()),
                screenfit::mainWindowFrame(this));
    SetUnitLabels(Hooks.Unit(), true);
}

QRect TMeasDataForm1::PlaceBeside(const QRect &imageFrame, const QList<QRect> &avoid) {
    const QRect area = screenfit::availableArea(this);
    const QSize own = screenfit::frameRectAt(this, QPoint(0, 0)).size();
    const int right = imageFrame.width() > 0 ? imageFrame.left() : area.right() + 1;
    // At the bottom, 32 pixels up where there is room; else right down at the bottom.
    screenfit::placeAmong(this,
                          {QPoint(right - own.width(), area.bottom() + 1 - own.height() - 32),
                           QPoint(right - own.width(), area.bottom() + 1 - own.height())},
                          avoid);
    return screenfit::frameRect(this);
}

void TMeasDataForm1::FocusIdentifier() {
    if (!isVisible())
        show();
    raise();
    activateWindow();
    IDEd->setFocus(Qt::OtherFocusReason);
}

void TMeasDataForm1::ShowPending(int unit) {
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, sec = 0, ms = 0;
    DecodeDate(Pending.Time, y, mo, d);
    DecodeTime(Pending.Time, h, mi, sec, ms);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d/%02d/%02d", y, mo, d);
    DateEd->setText(buf);
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", h, mi, sec);
    TimeEd->setText(buf);
    switch (unit) {
    case UnitPixels:
        XEd->setText(qs(FixedText(Pending.XOff, 2)));
        YEd->setText(qs(FixedText(Pending.YOff, 2)));
        break;
    case UnitSolarRadius:
        XEd->setText(qs(FixedText(Pending.XRad, 5)));
        YEd->setText(qs(FixedText(Pending.YRad, 5)));
        break;
    default:
        XEd->setText(qs(FixedText(Pending.Long * MeasRadToDeg, 5)));
        YEd->setText(qs(FixedText(Pending.Lat * MeasRadToDeg, 5)));
    }
}

void TMeasDataForm1::ShowMeasurement(const MeasRec &rec) {
    const int unit = Hooks.Unit();
    Pending = rec;
    IDEd->clear();
    ShowPending(unit);
    Pending.Unit = static_cast<std::uint8_t>(unit);
    IDEdChange();
}

void TMeasDataForm1::IDEdChange() {
    OkBtn1->setEnabled(!IDEd->text().isEmpty());
}

bool TMeasDataForm1::IdUsedOnImage(MeasList &list, const std::string &id, double time, const void *except) {
    list.Reset();
    while (!list.AtLast()) {
        const MeasRec *r = list.NextAs<MeasRec>();
        if (r != except && r->Time == time && r->ID.view() == id)
            return true;
    }
    return false;
}

void TMeasDataForm1::OkBtn1Click() {
    const std::string typed = IDEd->text().toStdString();
    if (typed.empty()) {
        prompt().message(tr("No Spot ID!").toStdString(),
                         tr("Please enter an ID for the spot you just measured.").toStdString(), Icon::Error,
                         Buttons::OK);
        return;
    }
    const std::string id = upperId(typed);
    if (IdUsedOnImage(*List, id, Pending.Time, nullptr)) {
        prompt().message(tr("ID Already Used!").toStdString(),
                         tr("Please enter an unused ID for the spot you just measured.").toStdString(),
                         Icon::Error, Buttons::OK);
        return;
    }
    Pending.ID = id;
    List->Insert(Pending);
    OkBtn1->setEnabled(false);
    // A measurement not yet in a file must be offered for saving whatever closes the program next.
    if (Hooks.setDataSaved)
        Hooks.setDataSaved(false);
    emit measurementsChanged();
    if (Hooks.repaintImage)
        Hooks.repaintImage();
}

void TMeasDataForm1::CnclBtn1Click() {
    reject();
}

void TMeasDataForm1::FormClose() {
    for (QLineEdit *e : {IDEd, DateEd, TimeEd, XEd, YEd})
        e->clear();
}

void TMeasDataForm1::showEvent(QShowEvent *event) {
    FormShow();
    QDialog::showEvent(event);
}

void TMeasDataForm1::reject() {
    // However the entry window is left, recorded data become reachable from the menus.
    if (List) {
        if (!List->IsEmpty()) {
            if (Hooks.enableMeasurementCommands)
                Hooks.enableMeasurementCommands();
            if (Hooks.setDataSaved)
                Hooks.setDataSaved(false);
        }
        FormClose();
    }
    QDialog::reject();
}

// ---------------------------------------------------------------- edit dialog

TEditDataForm1::TEditDataForm1(MeasList &list, const MeasRec *stored, QWidget *parent)
    : TMeasDataForm1(parent, NoList{}), TheList(list), Stored(stored) {
    setModal(true);
    OkBtn1->setText(tr("&OK"));
    CnclBtn1->setText(tr("&Cancel"));
    OkBtn1->setEnabled(true);
    MeasLbl->setText(tr("Heliographic Coordinates"));
    LongLbl->setText(tr("Longitude is \"apparent\", measured from image center."));
    disconnect(IDEd, &QLineEdit::textChanged, this, nullptr);
}

void TEditDataForm1::OpenFor(const MeasRec &rec, int unit) {
    // The record keeps the unit it was measured in: only its identifier is edited here.
    Pending = rec;
    ShowPending(unit);
    IDEd->setText(qs(rec.ID.str()));
}

void TEditDataForm1::FormShow() {
    QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen();
    adjustSize();
    if (s)
        move(s->geometry().center() - rect().center());
    SetUnitLabels(Hooks.Unit(), false);
}

void TEditDataForm1::OkBtn1Click() {
    const std::string typed = IDEd->text().toStdString();
    if (typed.empty()) {
        prompt().message(tr("No Spot ID!").toStdString(),
                         tr("Please enter a valid ID for the spot.").toStdString(), Icon::Error, Buttons::OK);
        return;
    }
    // Identifiers are kept in upper case, and one identifier names one spot per image, as when
    // recording.
    const std::string id = upperId(typed);
    if (IdUsedOnImage(TheList, id, Pending.Time, Stored)) {
        prompt().message(tr("ID Already Used!").toStdString(),
                         tr("Please enter an unused ID for the spot.").toStdString(), Icon::Error,
                         Buttons::OK);
        return;
    }
    Pending.ID = id;
    accept();
}

void TEditDataForm1::CnclBtn1Click() {
    reject();
}

// ---------------------------------------------------------------- list window

TDataListForm1::TDataListForm1(TMeasDataForm1 &entry, QWidget *parent)
    : TInfoListForm1(parent), Entry(entry) {
    TDataListForm1::FormCreate();
    // A measurement recorded while the list is open appears at once, so lines and records agree.
    connect(&Entry, &TMeasDataForm1::measurementsChanged, this, [this] {
        if (isVisible()) {
            FillList();
            Saved = Entry.hooks().dataSaved ? Entry.hooks().dataSaved() : Saved;
            ForReload1->setChecked(Saved);
        }
    });
}

void TDataListForm1::FormCreate() {
    TInfoListForm1::FormCreate();
    setWindowTitle(tr("Sunspot Position Measurements"));
    EditSelectedLine1->setText(tr("Edit Selected Measurement..."));
    DeleteSelectedLine1->setText(tr("Delete Selected Measurement"));
    Edit2->setText(tr("Edit Selected Measurement..."));
    Delete2->setText(tr("Delete Selected Measurement"));
    ForSpreadsheet1->setEnabled(true);
    ForReload1->setVisible(true);
    ForReloadSep->setVisible(true);
    BaseName = "SOLRTN_MEAS";
}

void TDataListForm1::setUndoEnabled(bool on) {
    UndoEditDelete1->setEnabled(on);
    UndoEditDelete2->setEnabled(on);
}

void TDataListForm1::FillList() {
    const int unit = Entry.hooks().Unit();
    std::vector<std::string> out = MeasHeaderLines(unit);
    HeaderCount = static_cast<int>(out.size());
    MeasList &list = Entry.list();
    list.Reset();
    while (!list.AtLast())
        out.push_back(MeasLine(*list.NextAs<MeasRec>(), unit));
    setLines(out);
    // An undo step refers to lines that are gone now.
    Undo = UndoSlot{};
    setUndoEnabled(false);
}

void TDataListForm1::FormShow() {
    FillList();
    Saved = Entry.hooks().dataSaved ? Entry.hooks().dataSaved() : true;
    ForReload1->setChecked(Saved);
    TInfoListForm1::FormShow();
}

void TDataListForm1::Close1Click() {
    // Changes made here have reached the main window already; closing must never mark data saved
    // that were recorded or loaded since this window was shown.
    if (!Saved && Entry.hooks().setDataSaved)
        Entry.hooks().setDataSaved(false);
    TInfoListForm1::Close1Click();
}

void TDataListForm1::ListBox1Click() {
    const int row = ListBox1->currentRow();
    if (row >= 0 && row < HeaderCount && ListBox1->count() > HeaderCount) {
        ListBox1->setCurrentRow(HeaderCount);
        return; // the row change comes back here with the record line
    }
    TInfoListForm1::ListBox1Click();
}

void TDataListForm1::ListBox1DblClick() {
    EditSelectedLine1Click();
}

void TDataListForm1::markChanged() {
    Saved = false;
    // The main window learns it at once, so that leaving the program offers to save the change.
    if (Entry.hooks().setDataSaved)
        Entry.hooks().setDataSaved(false);
    setUndoEnabled(true);
    ForReload1->setChecked(Saved);
}

void TDataListForm1::EditSelectedLine1Click() {
    const int line = ListBox1->currentRow();
    const int index = line - HeaderCount;
    MeasList &list = Entry.list();
    MeasRec *stored = index >= 0 ? list.ItemAs<MeasRec>(index) : nullptr;
    if (!stored)
        return;
    // The undo step is taken only when the edit is made, so a cancelled edit keeps the last one.
    const UndoSlot before{index, ListBox1->item(line)->text().toStdString(), *stored, false};

    TEditDataForm1 dlg(list, stored, this);
    dlg.setHooks(Entry.hooks());
    dlg.OpenFor(*stored, Entry.hooks().Unit());
    dlg.FormShow();
    if (runModal(dlg) == QDialog::Accepted) {
        Undo = before;
        *stored = dlg.Pending; // in place: the record keeps its position
        ListBox1->item(line)->setText(qs(MeasLine(*stored, Entry.hooks().Unit())));
        markChanged();
    }
    ForReload1->setChecked(Saved);
}

void TDataListForm1::DeleteSelectedLine1Click() {
    const int line = ListBox1->currentRow();
    const int index = line - HeaderCount;
    MeasList &list = Entry.list();
    if (index < 0 || !list.Item(index))
        return;
    if (prompt().message(tr("Confirm").toStdString(), tr("Delete Highlighted Entry from List?").toStdString(),
                         Icon::Question, Buttons::YesNo) != Answer::Yes)
        return;
    const std::string text = ListBox1->item(line)->text().toStdString();
    delete ListBox1->takeItem(line);
    ListBox1->setCurrentRow(std::max(line - 1, 0));
    const MeasRec *rec = list.ItemAs<MeasRec>(index);
    if (rec) {
        Undo = {index, text, *rec, true};
        list.Item(index);
        list.DeleteCurrent();
    }
    markChanged();
}

void TDataListForm1::UndoEditDelete1Click() {
    if (!undoAvailable() || Undo.index < 0)
        return;
    MeasList &list = Entry.list();
    const int line = Undo.index + HeaderCount;
    if (Undo.isDelete) {
        // Back at the place it was taken from, so that lines and records still agree.
        if (Undo.index == 0 || !list.Item(Undo.index - 1))
            list.InsertFirst(&Undo.record);
        else
            list.InsertAfter(&Undo.record);
        ListBox1->insertItem(line, qs(Undo.line));
    } else if (MeasRec *r = list.ItemAs<MeasRec>(Undo.index)) {
        *r = Undo.record;
        ListBox1->item(line)->setText(qs(Undo.line));
    }
    ListBox1->setCurrentRow(line);
    Undo = UndoSlot{};
    setUndoEnabled(false);
}

void TDataListForm1::SaveDAT1Click() {
    if (Entry.hooks().saveData)
        Entry.hooks().saveData();
    Saved = Entry.hooks().dataSaved ? Entry.hooks().dataSaved() : Saved;
    ForReload1->setChecked(Saved);
}

void TDataListForm1::CommaDelimitClick() {
    if (ReportFolder.empty())
        ReportFolder = userDir();
    if (CSVFileName.empty())
        CSVFileName = BaseName + ".CSV";
    const std::string path = chooseSavePath(tr("Save Report in .CSV File for Spreadsheet?").toStdString(),
                                            tr("Comma-Delimited Text  (*.CSV) ").toStdString() + "|*.CSV",
                                            "*.CSV", CSVFileName, ReportFolder);
    if (path.empty()) {
        // No report was written: the flag and the main window's Spreadsheet command say so.
        ReportWritten = false;
        Print1->setChecked(false);
        if (Entry.hooks().csvExported)
            Entry.hooks().csvExported(false, ReportFolder, CSVFileName);
        return;
    }
    CSVFileName = fileNamePart(path);
    ReportFolder = folderPart(path);
    std::string reason;
    bool written;
    {
        BusyCursor busy;
        written = writeMeasCsv(path, Entry.list(), Entry.hooks().Unit(), reason);
    }
    if (written)
        prompt().message(tr("CSV File Written").toStdString(),
                         tr("Spreadsheet File (.CSV) Written to %1.").arg(qs(path)).toStdString(),
                         Icon::Information, Buttons::OK);
    else
        prompt().message(tr("File Error!").toStdString(),
                         tr("Unable to Write Spreadsheet File!\r\n\r\nFile Name: %1\r\n%2")
                             .arg(qs(path), qs(reason))
                             .toStdString(),
                         Icon::Error, Buttons::OK);
    ReportWritten = written;
    Print1->setChecked(ReportWritten);
    if (Entry.hooks().csvExported)
        Entry.hooks().csvExported(written, ReportFolder, CSVFileName);
}

} // namespace solar

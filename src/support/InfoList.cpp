#include "support/InfoList.h"
#include "support/ScreenFit.h"

#include "support/Accessible.h"
#include "support/Getsstr.h"
#include "support/ListText.h"
#include "support/PrintHdr.h"
#include "support/Prompt.h"
#include "support/QtPrintHdr.h"
#include "support/QtPrompt.h"

#include <QCloseEvent>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QScreen>

namespace solar {
namespace {

std::function<std::string()> &userDirSource() {
    static std::function<std::string()> source;
    return source;
}

// The filter list with entry `index` moved to the front, so the dialog starts with it.
std::string filterStartingWith(const std::string &filter, int index) {
    std::vector<std::string> parts;
    std::size_t from = 0;
    for (;;) {
        const std::size_t bar = filter.find('|', from);
        parts.push_back(filter.substr(from, bar == std::string::npos ? std::string::npos : bar - from));
        if (bar == std::string::npos)
            break;
        from = bar + 1;
    }
    const int entries = static_cast<int>(parts.size()) / 2;
    if (index <= 0 || index >= entries)
        return filter;
    std::string out = parts[2 * index] + "|" + parts[2 * index + 1];
    for (int i = 0; i < entries; ++i)
        if (i != index)
            out += "|" + parts[2 * i] + "|" + parts[2 * i + 1];
    return out;
}

} // namespace

const char *const TInfoListForm1::TextFilter =
    "Text Files (*.TXT)|*.TXT|Image Header Text (*.HDR)|*.HDR|Image Display Info (*.IMG)|*.IMG|"
    "Astrometric Solution Text (*.SLN)|*.SLN|Reference Field Info (*.RFL)|*.RFL|All Files (*.*)|*.*";
const char *const TInfoListForm1::CsvFilter = "Comma-Delimited Text  (*.CSV) |*.CSV";

namespace {
// The descriptions of the filters above: the file dialog shows them translated (qtFilter).
[[maybe_unused]] const char *const FilterDescriptions[] = {
    QT_TRANSLATE_NOOP("solar::FileFilter", "Text Files (*.TXT)"),
    QT_TRANSLATE_NOOP("solar::FileFilter", "Image Header Text (*.HDR)"),
    QT_TRANSLATE_NOOP("solar::FileFilter", "Image Display Info (*.IMG)"),
    QT_TRANSLATE_NOOP("solar::FileFilter", "Astrometric Solution Text (*.SLN)"),
    QT_TRANSLATE_NOOP("solar::FileFilter", "Reference Field Info (*.RFL)"),
    QT_TRANSLATE_NOOP("solar::FileFilter", "All Files (*.*)"),
    QT_TRANSLATE_NOOP("solar::FileFilter", "Comma-Delimited Text  (*.CSV) "),
};
} // namespace

void TInfoListForm1::setUserDirSource(std::function<std::string()> source) {
    userDirSource() = std::move(source);
}

std::string TInfoListForm1::userDir() {
    std::string dir = userDirSource() ? userDirSource()() : std::string();
    if (!dir.empty() && dir.back() != '/')
        dir += '/';
    return dir;
}

TInfoListForm1::TInfoListForm1(QWidget *parent) : QMainWindow(parent) {
    ListBox1 = new QListWidget(this);
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListBox1->setUniformItemSizes(true);
    // The sizing rule, not the list's own minimum, decides how small a short list opens.
    ListBox1->setMinimumSize(1, 1);
    ListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setBold(true);
    ListBox1->setFont(font);
    setCentralWidget(ListBox1);
    // The list is read under the window's caption; blank lines are read as such.
    a11y::nameBlankLines(ListBox1);
    ListBox1->setAccessibleName(tr("List"));
    connect(this, &QWidget::windowTitleChanged, ListBox1, &QWidget::setAccessibleName);

    List1 = menuBar()->addMenu(tr("&List"));
    Search1 = List1->addAction(tr("&Search..."));
    Print1 = List1->addAction(tr("&Print..."));
    Print1->setCheckable(true);
    SaveData1 = List1->addMenu(tr("Save &Data"));
    ForReload1 = SaveData1->addAction(tr("For &Reload (.DAT)..."));
    ForReload1->setCheckable(true);
    ForReloadSep = SaveData1->addSeparator();
    AsDisplayed1 = SaveData1->addAction(tr("As &Displayed (.TXT)..."));
    ForSpreadsheet1 = SaveData1->addAction(tr("For &Spreadsheet (.CSV)..."));
    List1->addSeparator();
    Close1 = List1->addAction(tr("&Close"));

    Edit1 = menuBar()->addMenu(tr("&Edit"));
    UndoEditDelete1 = Edit1->addAction(tr("&Undo Edit/Delete"));
    EditSelectedLine1 = Edit1->addAction(tr("&Edit Selected Line..."));
    DeleteSelectedLine1 = Edit1->addAction(tr("&Delete Selected Line"));

    PopupMenu1 = new QMenu(this);
    Edit2 = PopupMenu1->addAction(tr("&Edit"));
    Delete2 = PopupMenu1->addAction(tr("&Delete"));
    UndoEditDelete2 = PopupMenu1->addAction(tr("&Undo Edit/Delete..."));

    ForReload1->setVisible(false);
    ForReloadSep->setVisible(false);
    UndoEditDelete1->setEnabled(false);
    UndoEditDelete2->setEnabled(false);

    connect(Search1, &QAction::triggered, this, [this] { Search1Click(); });
    connect(Print1, &QAction::triggered, this, [this] {
        Print1->setChecked(ReportWritten); // the mark shows the flag, not the click
        Print1Click();
    });
    connect(ForReload1, &QAction::triggered, this, [this] { SaveDAT1Click(); });
    connect(AsDisplayed1, &QAction::triggered, this, [this] { SaveasText1Click(); });
    connect(ForSpreadsheet1, &QAction::triggered, this, [this] { CommaDelimitClick(); });
    connect(Close1, &QAction::triggered, this, [this] { Close1Click(); });
    connect(UndoEditDelete1, &QAction::triggered, this, [this] { UndoEditDelete1Click(); });
    connect(EditSelectedLine1, &QAction::triggered, this, [this] { EditSelectedLine1Click(); });
    connect(DeleteSelectedLine1, &QAction::triggered, this, [this] { DeleteSelectedLine1Click(); });
    connect(Edit2, &QAction::triggered, this, [this] { EditSelectedLine1Click(); });
    connect(Delete2, &QAction::triggered, this, [this] { DeleteSelectedLine1Click(); });
    connect(UndoEditDelete2, &QAction::triggered, this, [this] { UndoEditDelete1Click(); });
    connect(ListBox1, &QListWidget::currentRowChanged, this, [this](int) { ListBox1Click(); });
    connect(ListBox1, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem *) { ListBox1DblClick(); });
    a11y::onEnter(ListBox1, [this] { ListBox1DblClick(); });
    ListBox1->viewport()->installEventFilter(this);

    TInfoListForm1::FormCreate();
}

TInfoListForm1::~TInfoListForm1() = default;

void TInfoListForm1::FormCreate() {
    ReportWritten = false;
    Saved = false;
    CSVFileName.clear();
    TextFileName.clear();
    ReportFolder.clear();
    BaseName.clear();
    CurrentLine = -1;
    ForSpreadsheet1->setEnabled(false);
}

std::vector<std::string> TInfoListForm1::lines() const {
    std::vector<std::string> out;
    out.reserve(static_cast<std::size_t>(ListBox1->count()));
    for (int i = 0; i < ListBox1->count(); ++i)
        out.push_back(ListBox1->item(i)->text().toStdString());
    return out;
}

void TInfoListForm1::setLines(const std::vector<std::string> &lines) {
    ListBox1->clear();
    for (const std::string &line : lines)
        addLine(line);
}

void TInfoListForm1::addLine(const std::string &line) {
    ListBox1->addItem(QString::fromStdString(line));
}

bool TInfoListForm1::loadLines(const std::string &path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray all = file.readAll();
    std::vector<std::string> out;
    std::string current;
    for (char c : all) {
        if (c == '\n') {
            if (!current.empty() && current.back() == '\r')
                current.pop_back();
            out.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty())
        out.push_back(current);
    setLines(out);
    return true;
}

TGetSrchStrDlg &TInfoListForm1::searchDialog() {
    if (!searchDlg_)
        searchDlg_ = new TGetSrchStrDlg(this);
    return *searchDlg_;
}

int TInfoListForm1::lineHeight() const {
    // Every row of the list has the height of a line of text in the list's font.
    int height = QFontMetrics(ListBox1->font()).height();
    if (ListBox1->count() > 0)
        height = std::max(height, ListBox1->sizeHintForRow(0));
    return std::max(height, 5);
}

int TInfoListForm1::textWidth() const {
    const QFontMetrics fm(ListBox1->font());
    int width = 0;
    for (int i = 0; i < ListBox1->count(); ++i)
        width = std::max(width, fm.horizontalAdvance(ListBox1->item(i)->text()));
    return width;
}

void TInfoListForm1::keyPressEvent(QKeyEvent *event) {
    // Escape leaves the list as "&Close" does.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        Close1Click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void TInfoListForm1::Close1Click() {
    hide();
}

void TInfoListForm1::FormActivate() {
    searchDialog().Reset();
}

void TInfoListForm1::FormClose() {}

void TInfoListForm1::FormShow() {
    const QRect area = screenfit::availableArea(this);
    const int clientHeight = listClientHeight(ListBox1->count(), lineHeight());
    const int clientWidth = listClientWidth(textWidth(), area.width());
    resize(clientWidth, clientHeight + menuBar()->sizeHint().height());
    // Beside the image window when there is room, never past the screen's edges.
    screenfit::centreBeside(this);
    screenfit::clearMainMenu(this);
    screenfit::keepInside(this);
    Print1->setChecked(ReportWritten);
}

void TInfoListForm1::Print1Click() {
    QPrinter &printer = programPrinter();
    if (!uiPrompt().printDialog(printer))
        return;
    bool printed = false;
    {
        BusyCursor busy;
        setEnabled(false);
        printed = PrintList(printer);
        setEnabled(true);
    }
    // A job that never started is not a printed report.
    if (printed)
        ReportWritten = true;
    Print1->setChecked(ReportWritten);
}

bool TInfoListForm1::PrintList(QPrinter &printer) {
    printer.setDocName(QString::fromStdString(printJobTitle()));
    QPainter painter;
    if (!painter.begin(&printer)) {
        prompt().message(tr("Print Error!").toStdString(),
                         tr("Unable to Start the Print Job!\r\n\r\nDocument: %1")
                             .arg(QString::fromStdString(printJobTitle()))
                             .toStdString(),
                         Icon::Error, Buttons::OK);
        return false;
    }
    painter.setFont(printTextFont());
    PrintHeaderLayout layout;
    const int y = drawPrintHeaderAndCaption(painter, printer, windowTitle(), &layout);
    QStringList lines;
    for (int i = 0; i < ListBox1->count(); ++i)
        lines << ListBox1->item(i)->text();
    drawPagedLines(painter, printer, layout, y, lines);
    PrintAfterLines(painter, printer);
    painter.end();
    return true;
}

void TInfoListForm1::PrintAfterLines(QPainter &, QPrinter &) {}

void TInfoListForm1::SaveasText1Click() {
    if (ReportFolder.empty())
        ReportFolder = userDir();
    if (TextFileName.empty() && !BaseName.empty())
        TextFileName = BaseName + ".TXT";
    FileDialogSetup setup;
    setup.title = tr("Save Report in Text File").toStdString();
    setup.filter = filterStartingWith(TextFilter, SaveFilterIndex);
    setup.defaultExt = "*.TXT";
    setup.fileName = TextFileName;
    setup.folder = ReportFolder;
    const std::optional<std::string> path = chooseSavePath(setup);
    ReportWritten = false;
    if (path) {
        TextFileName = fileNamePart(*path);
        ReportFolder = folderPart(*path);
        std::string error;
        if (writeTextLines(*path, lines(), error)) {
            ReportWritten = true;
            prompt().message(
                tr("Text File Written").toStdString(),
                tr("Report Text Written to %1.").arg(QString::fromStdString(*path)).toStdString(),
                Icon::Information, Buttons::OK);
        } else {
            prompt().message(tr("File Error!").toStdString(),
                             tr("Unable to Write Text File!\r\n\r\nFile Name: %1\r\n")
                                     .arg(QString::fromStdString(*path))
                                     .toStdString() +
                                 error,
                             Icon::Error, Buttons::OK);
        }
    }
    Print1->setChecked(ReportWritten);
}

void TInfoListForm1::CommaDelimitClick() {
    prompt().message(tr("Not Available").toStdString(),
                     tr("Comma-Delimited Output not Available for Displayed Material.").toStdString(),
                     Icon::Information, Buttons::OK);
}

void TInfoListForm1::EditSelectedLine1Click() {}
void TInfoListForm1::DeleteSelectedLine1Click() {}
void TInfoListForm1::UndoEditDelete1Click() {}
void TInfoListForm1::ListBox1DblClick() {}
void TInfoListForm1::SaveDAT1Click() {}

void TInfoListForm1::ListBox1MouseDown(Qt::MouseButton button) {
    if (button == Qt::LeftButton)
        LeftDown = true;
    else if (button == Qt::RightButton)
        RightDown = true;
}

void TInfoListForm1::ListBox1MouseUp(Qt::MouseButton button, QPoint pos) {
    const bool rightClick = button == Qt::RightButton && RightDown;
    if (button == Qt::LeftButton)
        LeftDown = false;
    else if (button == Qt::RightButton)
        RightDown = false;
    CurrentLine = ListBox1->currentRow();
    if (rightClick && CurrentLine >= 0 && Edit1->menuAction()->isVisible()) {
        PopupPos = ListBox1->viewport()->mapToGlobal(pos);
        PopupMenu1->popup(PopupPos);
    }
}

void TInfoListForm1::ListBox1Click() {
    CurrentLine = ListBox1->currentRow();
}

void TInfoListForm1::Search1Click() {
    TGetSrchStrDlg &dlg = searchDialog();
    dlg.setWindowTitle(tr("Find Text String"));
    runModal(dlg);
    int start = 0;
    switch (dlg.Start) {
    case SearchStart::None:
        return;
    case SearchStart::Top:
        start = 0;
        break;
    case SearchStart::Cursor:
        start = ListBox1->currentRow() + 1;
        break;
    }
    const int found = findTextLine(lines(), dlg.SearchText, start, dlg.CaseDependent);
    if (found >= 0) {
        ListBox1->setCurrentRow(found);
        ListBox1->scrollToItem(ListBox1->item(found));
        ListBox1->setFocus();
        return;
    }
    prompt().message(tr("String Not Found").toStdString(),
                     tr("\"%1\" Not Found.").arg(QString::fromStdString(dlg.SearchText)).toStdString(),
                     Icon::Information, Buttons::OK);
}

void TInfoListForm1::showEvent(QShowEvent *event) {
    FormShow();
    QMainWindow::showEvent(event);
}

void TInfoListForm1::closeEvent(QCloseEvent *event) {
    // Closing hides the window; it is shown again by its owner.
    FormClose();
    event->accept();
}

void TInfoListForm1::changeEvent(QEvent *event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
    QMainWindow::changeEvent(event);
}

bool TInfoListForm1::eventFilter(QObject *watched, QEvent *event) {
    if (watched == ListBox1->viewport()) {
        if (event->type() == QEvent::MouseButtonPress)
            ListBox1MouseDown(static_cast<QMouseEvent *>(event)->button());
        else if (event->type() == QEvent::MouseButtonRelease) {
            // The press has already made the line under the mouse current.
            auto *me = static_cast<QMouseEvent *>(event);
            ListBox1MouseUp(me->button(), me->position().toPoint());
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace solar

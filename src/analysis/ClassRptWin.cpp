#include "analysis/ClassRptWin.h"

#include "analysis/ClassPdf.h"
#include "support/ListText.h"
#include "support/Prompt.h"
#include "support/QtPrompt.h"
#include "support/ScreenFit.h"
#include "support/StringUt.h"
#include "support/Translate.h"

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QPrinter>
#include <QScrollArea>
#include <QTabWidget>

#include <algorithm>
#include <cmath>

namespace solar {

TClassRptForm1::TClassRptForm1(QWidget *parent) : TInfoListForm1(parent) {
    setWindowTitle(tr(Caption));
    BaseName = "SOLRTN_CLASS";
    // Two pages: the report's lines (the generic list) and the plot.
    Pages1 = new QTabWidget(this);
    QWidget *list = takeCentralWidget();
    Pages1->addTab(list, tr("&Report"));
    Plot1 = new QLabel;
    Plot1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto *scroll = new QScrollArea;
    scroll->setWidget(Plot1);
    Pages1->addTab(scroll, tr("Rates against &Latitude"));
    setCentralWidget(Pages1);
    Pages1->setAccessibleName(tr("Class report pages"));
    scroll->setAccessibleName(tr("Rates against latitude"));
    Plot1->setAccessibleName(tr("Plot of the students' rates against latitude"));

    // Nothing to edit: the report only reads the students' files.
    Edit1->menuAction()->setVisible(false);
    ForSpreadsheet1->setEnabled(true);
    SavePdf1 = SaveData1->addAction(tr("As P&DF Document (.PDF)..."), this, &TClassRptForm1::SavePdf1Click);
    QAction *before = Close1;
    Refresh1 = new QAction(tr("Read &Again"), this);
    WorkFolder1 = new QAction(tr("Working &Folder..."), this);
    AnswerKey1 = new QAction(tr("Answer &Key..."), this);
    List1->insertAction(before, Refresh1);
    List1->insertAction(before, WorkFolder1);
    List1->insertAction(before, AnswerKey1);
    List1->insertSeparator(before);
    connect(Refresh1, &QAction::triggered, this, [this] { Build(WorkDir, KeyPath); });
    connect(WorkFolder1, &QAction::triggered, this, &TClassRptForm1::WorkFolder1Click);
    connect(AnswerKey1, &QAction::triggered, this, &TClassRptForm1::AnswerKey1Click);
}

void TClassRptForm1::Build(const std::string &workDir, const std::string &keyPath) {
    BusyCursor busy;
    WorkDir = workDir;
    KeyPath = keyPath;
    Report_ = BuildClassReport(workDir, keyPath);
    setLines(ClassReportLines(Report_));
    const RateLatGeometry g = ClassPlotGeometry(Report_);
    const qreal dpr = std::max<qreal>(1, devicePixelRatioF());
    QImage img(QSize(g.Width, g.Height) * dpr, QImage::Format_RGB32);
    img.setDevicePixelRatio(dpr);
    {
        QPainter p(&img);
        PaintClassPlot(p, Report_, g, false, true);
    }
    Plot1->setPixmap(QPixmap::fromImage(img));
    Plot1->setFixedSize(g.Width, g.Height);
    // What the plot shows, for a screen reader: every student's points, then the law drawn.
    QStringList said;
    for (const RatePoint &p : ClassRatePoints(Report_))
        said << tr("student %1 at latitude %2 degrees, sidereal rate %3 degrees per day")
                    .arg(QString::fromStdString(p.ID), QString::fromStdString(FixedText(p.LatDeg, 2)),
                         QString::fromStdString(FixedText(p.ExactRate, 4)));
    QString text = said.isEmpty() ? tr("No points.") : tr("Points: %1.").arg(said.join("; "));
    if (const LawFit law = ReferenceLaw(Report_); law.Ok)
        text += tr(" %1 law: rate = %2 %3 %4 sin squared of the latitude, degrees per day.")
                    .arg(Report_.haveKey ? tr("Answer key") : tr("Class median"),
                         QString::fromStdString(FixedText(law.A, 3)), law.B >= 0 ? "+" : "-",
                         QString::fromStdString(FixedText(std::fabs(law.B), 3)));
    Plot1->setAccessibleDescription(text);
    // Reports are saved beside the student folders, never into one of them.
    if (ReportFolder.empty())
        ReportFolder = Report_.workDir;
}

void TClassRptForm1::FormShow() {
    // Within the available area frame included, and below the main window's menu where it fits.
    const QSize most = screenfit::maxClientSize(this);
    resize(std::min(most.width(), 1000), std::min(most.height(), 760));
    screenfit::centreBeside(this);
    screenfit::clearMainMenu(this);
    screenfit::keepInside(this);
    Print1->setChecked(ReportWritten);
}

void TClassRptForm1::CommaDelimitClick() {
    FileDialogSetup setup;
    setup.title = tr("Save Class Report in .CSV File for Spreadsheet?").toStdString();
    setup.filter = CsvFilter;
    setup.defaultExt = "*.CSV";
    setup.fileName = CSVFileName.empty() ? BaseName + ".CSV" : CSVFileName;
    setup.folder = ReportFolder;
    const std::optional<std::string> path = chooseSavePath(setup);
    if (!path)
        return;
    CSVFileName = fileNamePart(*path);
    ReportFolder = folderPart(*path);
    std::string error;
    if (writeTextLines(*path, ClassReportCsvLines(Report_), error)) {
        ReportWritten = true;
        prompt().message(tr("CSV File Written").toStdString(),
                         arg(tr("Spreadsheet File (.CSV) Written to %1.").toStdString(), {*path}),
                         Icon::Information, Buttons::OK);
    } else {
        prompt().message(
            tr("File Error!").toStdString(),
            arg(tr("Unable to Write CSV File!\r\n\r\nFile Name: %1\r\n%2").toStdString(), {*path, error}),
            Icon::Error, Buttons::OK);
    }
    Print1->setChecked(ReportWritten);
}

void TClassRptForm1::SavePdf1Click() {
    FileDialogSetup setup;
    setup.title = tr("Save Class Report as PDF Document").toStdString();
    setup.filter = tr("PDF Document (*.PDF)|*.PDF|All Files|*.*").toStdString();
    setup.defaultExt = "*.PDF";
    setup.fileName = BaseName + ".PDF";
    setup.folder = ReportFolder;
    const std::optional<std::string> path = chooseSavePath(setup);
    if (!path)
        return;
    ReportFolder = folderPart(*path);
    std::string error;
    bool ok = false;
    {
        BusyCursor busy;
        ok = writeClassReportPdf(*path, Report_, std::string(Caption) + " - " + Report_.workDir, error);
    }
    if (ok) {
        ReportWritten = true;
        prompt().message(tr("PDF File Written").toStdString(),
                         arg(tr("Class Report Written to %1.").toStdString(), {*path}), Icon::Information,
                         Buttons::OK);
    } else {
        prompt().message(tr("File Error!").toStdString(), error, Icon::Error, Buttons::OK);
    }
    Print1->setChecked(ReportWritten);
}

// The plot on a page of its own after the report's lines, in black on white paper.
void TClassRptForm1::PrintAfterLines(QPainter &painter, QPrinter &printer) {
    printer.newPage();
    const RateLatGeometry g = ClassPlotGeometry(Report_);
    const QRect page = painter.viewport();
    const double scale = std::min(double(page.width()) / g.Width, double(page.height()) / g.Height);
    painter.save();
    painter.scale(scale, scale);
    PaintClassPlot(painter, Report_, g, true);
    painter.restore();
}

void TClassRptForm1::WorkFolder1Click() {
    const auto folder = prompt().selectFolder(
        tr("Working Folder of the Class (holding Users/)").toStdString(), WorkDir, false);
    if (!folder)
        return;
    ReportFolder.clear();
    Build(*folder, KeyPath);
}

void TClassRptForm1::AnswerKey1Click() {
    FileDialogSetup setup;
    setup.title = tr("Answer Key of the Image Database").toStdString();
    setup.filter = tr("Answer Keys (*.CSV)|*.CSV|All Files|*.*").toStdString();
    setup.defaultExt = "*.CSV";
    setup.fileName = fileNamePart(KeyPath);
    setup.folder = folderPart(KeyPath);
    const auto path = prompt().openFile(setup);
    if (path)
        Build(WorkDir, *path);
}

TClassRptForm1 &ShowClassReport(QWidget *parent, const std::string &workDir, const std::string &keyPath) {
    static QPointer<TClassRptForm1> form;
    if (!form)
        form = new TClassRptForm1(parent);
    form->Build(workDir, keyPath);
    form->FormShow();
    form->show();
    form->raise();
    return *form;
}

} // namespace solar

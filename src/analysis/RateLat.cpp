#include "analysis/RateLat.h"
#include "analysis/RateLatPaint.h"
#include "support/ScreenFit.h"

#include "support/ListText.h"
#include "support/PrintHdr.h"
#include "support/Prompt.h"
#include "support/QtPrintHdr.h"
#include "support/QtPrompt.h"
#include "support/StringUt.h"
#include "support/Translate.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrinter>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <memory>

namespace solar {
namespace {

RateLatSources &sources() {
    static RateLatSources s;
    return s;
}

std::string Fixed(long double v, int decimals) {
    return FixedText(v, decimals);
}

std::string Signed(long double v, int decimals) {
    return (v >= 0 ? "+ " : "- ") + Fixed(std::fabs(v), decimals);
}

} // namespace

void setRateLatSources(RateLatSources s) {
    sources() = std::move(s);
}

TRateLatForm1::TRateLatForm1(QWidget *parent) : QMainWindow(parent) {
    setWindowTitle(tr(Caption));
    QMenu *file = menuBar()->addMenu(tr("&File"));
    Print1 = file->addAction(tr("&Print..."), this, &TRateLatForm1::Print1Click);
    QMenu *save = file->addMenu(tr("Save &Picture"));
    SavePng1 = save->addAction(tr("As &PNG Image..."), this, &TRateLatForm1::SavePng1Click);
    SavePdf1 = save->addAction(tr("As P&DF Document..."), this, &TRateLatForm1::SavePdf1Click);
    file->addSeparator();
    Exit1 = file->addAction(tr("E&xit"), this, &QWidget::hide);

    auto *central = new QWidget(this);
    auto *col = new QVBoxLayout(central);
    Display1 = new QLabel(central);
    Display1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    col->addWidget(Display1, 0);
    auto *boxes = new QHBoxLayout;
    for (const RotationLaw &l : PublishedLaws()) {
        auto *b = new QCheckBox(QString::fromStdString(l.Name).replace("&", "&&"), central);
        b->setChecked(LawBoxes.empty()); // the sunspot law the sample database follows
        connect(b, &QCheckBox::toggled, this, &TRateLatForm1::Redraw);
        boxes->addWidget(b);
        LawBoxes.push_back(b);
    }
    FitBox = new QCheckBox(tr("Your Law"), central);
    FitBox->setChecked(true);
    RuleBox = new QCheckBox(tr("365.25-Day Rule"), central);
    connect(FitBox, &QCheckBox::toggled, this, &TRateLatForm1::Redraw);
    connect(RuleBox, &QCheckBox::toggled, this, &TRateLatForm1::Redraw);
    boxes->addWidget(FitBox);
    boxes->addWidget(RuleBox);
    boxes->addStretch(1);
    col->addLayout(boxes);
    Table1 = new QPlainTextEdit(central);
    Table1->setReadOnly(true);
    Table1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Table1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    Table1->setAccessibleName(tr("Rates against latitude, table"));
    Display1->setAccessibleName(tr("Rotation rate against latitude, plot"));
    col->addWidget(Table1, 1);
    setCentralWidget(central);
}

bool TRateLatForm1::Monochrome() const {
    return sources().monochrome && sources().monochrome();
}

std::vector<bool> TRateLatForm1::LawsShown() const {
    std::vector<bool> v;
    for (QCheckBox *b : LawBoxes)
        v.push_back(b->isChecked());
    return v;
}

namespace {
// The largest client size the window can have below the main window's menu (on the whole
// available area when the main window is hidden).
QSize roomBelowMenu(const QWidget *w) {
    const QRect area = screenfit::availableArea(w);
    const QRect strip = screenfit::mainMenuStrip(w);
    const int taken = strip.isEmpty() ? 0 : std::clamp(strip.bottom() + 1 - area.top(), 0, area.height() / 2);
    return screenfit::maxClientSize(w, taken);
}
} // namespace

void TRateLatForm1::FormShow() {
    Reload();
    // The plot's natural size where the screen has room for it, below the main window's menu.
    const QSize room = roomBelowMenu(this);
    resize(std::min(room.width(), 800), std::min(room.height(), 900));
}

bool TRateLatForm1::event(QEvent *e) {
    if (e->type() == QEvent::WindowActivate)
        Reload();
    return QMainWindow::event(e);
}

void TRateLatForm1::Reload() {
    Points_.clear();
    NoRate = 0;
    const std::vector<RsltsRec> recs = sources().results ? sources().results() : std::vector<RsltsRec>{};
    const std::vector<MeasRec> meas = sources().measures ? sources().measures() : std::vector<MeasRec>{};
    for (const RsltsRec &r : recs) {
        RatePoint p;
        if (PointOfResult(r, meas, p))
            Points_.push_back(p);
        else
            ++NoRate;
    }
    Fit_ = FitStudentLaw(Points_);
    Redraw();
}

void TRateLatForm1::Redraw() {
    // The screen gives the plot what is left after the menu, the check boxes and at least six
    // table lines.
    const int h = std::clamp(roomBelowMenu(this).height() - 230, 300, 560);
    Geom = ComputeRateLatGeometry(Points_, LawsShown(), FitBox->isChecked() ? &Fit_ : nullptr, 760, h);
    // Sharp on a HiDPI screen: painted at the screen's pixel ratio, shown at the plot's size.
    const qreal dpr = std::max<qreal>(1, devicePixelRatioF());
    QImage img(QSize(Geom.Width, Geom.Height) * dpr, QImage::Format_RGB32);
    img.setDevicePixelRatio(dpr);
    {
        QPainter p(&img);
        PaintPlot(p, Monochrome(), true);
    }
    Display1->setPixmap(QPixmap::fromImage(img));
    Display1->setFixedSize(Geom.Width, Geom.Height);
    QStringList lines;
    for (const std::string &l : TableLines(true))
        lines << QString::fromStdString(l);
    Table1->setPlainText(lines.join('\n'));
    // What the plot shows, for a screen reader: every point, then the fitted law.
    QStringList said;
    for (const RatePoint &p : Points_)
        said << tr("spot %1 at latitude %2 degrees, sidereal rate %3 degrees per day")
                    .arg(QString::fromStdString(p.ID), QString::fromStdString(Fixed(p.LatDeg, 2)),
                         QString::fromStdString(Fixed(p.ExactRate, 4)));
    QString text = Points_.empty() ? tr("No points.") : tr("Points: %1.").arg(said.join("; "));
    if (Fit_.Ok)
        text += tr(" Your law: rate = %1 %2 sin squared of the latitude, degrees per day.")
                    .arg(QString::fromStdString(Fixed(Fit_.A, 3)), QString::fromStdString(Signed(Fit_.B, 3)));
    else if (!Points_.empty())
        text += " " + QString::fromStdString(DiffRotText(Fit_.Message));
    Display1->setAccessibleDescription(text);
}

std::vector<std::string> TRateLatForm1::TableLines(bool translated) const {
    // English as printed; on the screen each text in the language of the user interface.
    const auto text = [translated](const char *english) {
        return translated ? QCoreApplication::translate("solar::TRateLatForm1", english).toStdString()
                          : std::string(english);
    };
    std::vector<std::string> out;
    char buf[200];
    // The column titles line up with the columns of the lines below (a translation keeps them so).
    out.push_back(
        text(QT_TR_NOOP("Spot  Mean Lat   Synodic   Sidereal (Degs/Day)      Std Error  Residual")));
    out.push_back(
        text(QT_TR_NOOP(" ID    (Degs)  (Degs/Day)  365.25-Day    At T-Zero  (Degs/Day) (Degs/Day)")));
    for (std::size_t i = 0; i < Points_.size(); ++i) {
        const RatePoint &p = Points_[i];
        const std::string err = p.Sigma > 0 ? Fixed(p.Sigma, 4) : text(QT_TR_NOOP("  none"));
        const std::string res = Fit_.Ok && i < Fit_.Residuals.size() ? Fixed(Fit_.Residuals[i], 4) : "";
        std::snprintf(buf, sizeof buf, "%-4s %8s %10s %11s %12s %10s %10s", p.ID.c_str(),
                      Fixed(p.LatDeg, 2).c_str(), Fixed(p.SynRate, 4).c_str(), Fixed(p.RuleRate, 4).c_str(),
                      Fixed(p.ExactRate, 4).c_str(), err.c_str(), res.c_str());
        out.push_back(buf);
    }
    out.push_back("");
    if (Points_.empty())
        out.push_back(text(QT_TR_NOOP("No results with a rotation rate have been recorded yet.")));
    if (NoRate > 0)
        out.push_back(
            arg(text(QT_TR_NOOP("%1 recorded result(s) without a rotation rate or period are not shown.")),
                {std::to_string(NoRate)}));
    if (Fit_.Ok) {
        std::string l = text(QT_TR_NOOP("Your law: rate = ")) + Fixed(Fit_.A, 3);
        if (Fit_.HasErrors)
            l += " (\xC2\xB1" + Fixed(Fit_.SeA, 3) + ")";
        l += " " + Signed(Fit_.B, 3);
        if (Fit_.HasErrors)
            l += " (\xC2\xB1" + Fixed(Fit_.SeB, 3) + ")";
        l += text(QT_TR_NOOP(" sin\xC2\xB2(lat) degrees per day, sidereal at T-zero"));
        out.push_back(l);
        out.push_back(
            text(Fit_.Weighted ? QT_TR_NOOP("Weighted by 1 / (standard error)\xC2\xB2 of each rate")
                               : QT_TR_NOOP("Every point counted alike (not every rate has an error)")) +
            (Fit_.HasErrors ? "" : text(QT_TR_NOOP("; two points leave no room for standard errors"))) + ".");
    } else if (!Points_.empty()) {
        out.push_back(translated ? DiffRotText(Fit_.Message) : Fit_.Message);
    }
    out.push_back(text(QT_TR_NOOP(
        "Sidereal at T-zero: the synodic rate plus the true sidereal motion of the central meridian")));
    out.push_back(text(QT_TR_NOOP(
        "(Carrington rate plus the rate of change of L0); the 365.25-day rule adds 0.98563 always.")));
    return out;
}

QImage TRateLatForm1::PlotImage(bool mono) const {
    QImage img(Geom.Width, Geom.Height, QImage::Format_RGB32);
    QPainter p(&img);
    PaintPlot(p, mono);
    return img;
}

void TRateLatForm1::PaintPlot(QPainter &p, bool mono, bool translated) const {
    RateLatPaintStyle style;
    style.mono = mono;
    style.showRule = RuleBox->isChecked();
    style.translated = translated;
    if (translated) {
        style.fitName = tr("Your law").toStdString();
        style.emptyText = tr("No results recorded").toStdString();
    }
    PaintRateLat(p, Geom, Points_, Fit_, style);
}

void TRateLatForm1::Print1Click() {
    QPrinter &printer = programPrinter();
    if (!uiPrompt().printDialog(printer))
        return;
    BusyCursor busy;
    setEnabled(false);
    // On paper the plot is in colour only with "Print in Color".
    const bool mono = !(sources().printInColor && sources().printInColor());
    printer.setDocName(QString::fromStdString(printJobTitle()));
    QPainter p;
    if (p.begin(&printer)) {
        p.setFont(QFont("Helvetica", 10, QFont::Bold));
        PrintHeaderLayout layout;
        const int y = drawPrintHeaderAndCaption(p, printer, Caption, &layout);
        const QRect page = p.viewport();
        const double scale =
            std::min(double(page.width()) / Geom.Width, double(page.height() - y) / Geom.Height / 1.5);
        p.save();
        p.translate(0, y);
        p.scale(scale, scale);
        PaintPlot(p, mono);
        p.restore();
        QStringList lines;
        for (const std::string &l : TableLines())
            lines << QString::fromStdString(l);
        p.setFont(printTextFont());
        layout.lineHeight = QFontMetrics(p.font(), p.device()).height();
        drawPagedLines(p, printer, layout, y + int(Geom.Height * scale) + layout.lineHeight, lines);
        p.end();
    }
    setEnabled(true);
}

std::string TRateLatForm1::ChooseFile(const char *title, const char *ext, const char *filter) {
    FileDialogSetup setup;
    setup.title = tr(title).toStdString();
    setup.filter = tr(filter).toStdString();
    setup.defaultExt = ext;
    setup.fileName = std::string("SOLRTN_RATELAT.") + ext;
    setup.folder = !LastFolder.empty() ? LastFolder : (sources().folder ? sources().folder() : std::string());
    const std::optional<std::string> path = chooseSavePath(setup);
    if (!path)
        return {};
    LastFolder = folderPart(*path);
    return *path;
}

namespace {
// Moves the finished file over the target; a failed write leaves no part file behind.
bool Commit(bool written, const std::string &temp, const std::string &path) {
    std::error_code ec;
    if (written)
        std::filesystem::rename(temp, path, ec);
    if (!written || ec) {
        std::filesystem::remove(temp, ec);
        return false;
    }
    return true;
}
void Report(bool ok, const std::string &path) {
    if (ok)
        prompt().message(
            QCoreApplication::translate("solar::TRateLatForm1", "Picture Saved").toStdString(),
            arg(QCoreApplication::translate("solar::TRateLatForm1", "Plot Saved in %1.").toStdString(),
                {path}),
            Icon::Information, Buttons::OK);
    else
        prompt().message(
            QCoreApplication::translate("solar::TRateLatForm1", "Picture Not Saved").toStdString(),
            arg(QCoreApplication::translate("solar::TRateLatForm1", "The plot could not be written to %1.")
                    .toStdString(),
                {path}),
            Icon::Error, Buttons::OK);
}
} // namespace

void TRateLatForm1::SavePng1Click() {
    const std::string path = ChooseFile(QT_TR_NOOP("Save Plot as PNG Image"), "PNG",
                                        QT_TR_NOOP("PNG Image (*.PNG)|*.PNG|All Files|*.*"));
    if (path.empty())
        return;
    const std::string temp = path + ".part";
    const bool ok = Commit(PlotImage(Monochrome()).save(QString::fromStdString(temp), "PNG"), temp, path);
    Report(ok, path);
}

void TRateLatForm1::SavePdf1Click() {
    const std::string path = ChooseFile(QT_TR_NOOP("Save Plot as PDF Document"), "PDF",
                                        QT_TR_NOOP("PDF Document (*.PDF)|*.PDF|All Files|*.*"));
    if (path.empty())
        return;
    const std::string temp = path + ".part";
    bool written = false;
    {
        QPdfWriter pdf(QString::fromStdString(temp));
        pdf.setResolution(72); // one plot pixel to the point
        pdf.setPageSize(QPageSize(QSizeF(Geom.Width, Geom.Height), QPageSize::Point));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setTitle(Caption);
        QPainter p;
        if (p.begin(&pdf)) {
            PaintPlot(p, Monochrome());
            written = p.end();
        }
    }
    std::error_code ec;
    written = written && std::filesystem::file_size(temp, ec) > 0 && !ec;
    Report(Commit(written, temp, path), path);
}

TRateLatForm1 &ShowRateLatitude(QWidget *parent) {
    static QPointer<TRateLatForm1> form;
    if (!form) {
        form = new TRateLatForm1(parent);
        screenfit::keepClearOfMenu(form);
    }
    form->FormShow();
    form->show();
    form->raise();
    return *form;
}

} // namespace solar

#include "analysis/RsltsDlg.h"

#include "analysis/RsltsLst.h"
#include "measure/MeasData.h"
#include "support/Prompt.h"
#include "support/QtPrompt.h"
#include "support/StringUt.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace solar {

namespace {

std::function<ResultSettings()> &settingsSource() {
    static std::function<ResultSettings()> source;
    return source;
}

std::function<void()> &recordedHook() {
    static std::function<void()> hook;
    return hook;
}

QString qs(const std::string &s) {
    return QString::fromStdString(s);
}

// The whole text (blanks around it allowed) as a finite real.
bool parseReal(const QString &text, long double &value) {
    return ParseReal(text.trimmed().toStdString(), value);
}

std::string fixed5(long double v) {
    return FixedText(v, 5);
}

QLineEdit *box(QWidget *parent) {
    auto *ed = new QLineEdit(parent);
    ed->setMinimumWidth(120);
    return ed;
}

} // namespace

void setResultSettingsSource(std::function<ResultSettings()> source) {
    settingsSource() = std::move(source);
}

ResultSettings currentResultSettings() {
    return settingsSource() ? settingsSource()() : ResultSettings{};
}

void setResultRecordedHook(std::function<void()> hook) {
    recordedHook() = std::move(hook);
}

TRsltsForm1::TRsltsForm1(const ResultSettings &settings, QWidget *parent)
    : QDialog(parent), Settings(settings) {
    setWindowTitle(tr("Rotation Results"));
    IDEd = box(this);
    IDEd->setMaxLength(3);
    PrdEd = box(this);
    RtnRtEd = box(this);
    SidrEd = box(this);
    TZEd = box(this);
    LatEd = box(this);
    LatSDEd = box(this);
    LongSDEd = box(this);
    for (QLineEdit *ro : {TZEd, LatEd, LatSDEd, LongSDEd})
        setEditable(ro, false);

    auto *grid = new QGridLayout;
    int row = 0;
    auto add = [&](const QString &label, QWidget *w) {
        grid->addWidget(new QLabel(label, this), row, 0);
        grid->addWidget(w, row, 1);
        w->setAccessibleName(label);
        ++row;
    };
    add(tr("Spot ID"), IDEd);
    add(tr("Synodic Period (Days)"), PrdEd);
    add(tr("Rtn. Rate (Degs/Day)"), RtnRtEd);
    add(tr("Sidereal Period (Days)"), SidrEd);
    add(tr("T-Zero (Julian Day)"), TZEd);
    add(tr("Mean Latitude"), LatEd);

    auto *fit = new QGroupBox(tr("Fit (RMS Error)"), this);
    auto *fitGrid = new QGridLayout(fit);
    fitGrid->addWidget(new QLabel(tr("Lat"), fit), 0, 0);
    fitGrid->addWidget(LatSDEd, 0, 1);
    fitGrid->addWidget(new QLabel(tr("Long"), fit), 1, 0);
    fitGrid->addWidget(LongSDEd, 1, 1);
    LatSDEd->setAccessibleName(tr("Fit RMS error, latitude (degrees)"));
    LongSDEd->setAccessibleName(tr("Fit RMS error, longitude (degrees)"));
    LatEd->setAccessibleDescription(tr("Degrees"));

    OKBtn = new QPushButton(tr("OK"), this);
    CancelBtn = new QPushButton(tr("Cancel"), this);
    OKBtn->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(fit);
    layout->addLayout(buttons);

    connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(PrdEd, &QLineEdit::editingFinished, this, [this] { PrdEdExit(); });
}

void TRsltsForm1::setEditable(QLineEdit *ed, bool editable) {
    ed->setReadOnly(!editable);
    // Only boxes the student may change take part in the tab order.
    ed->setFocusPolicy(editable ? Qt::StrongFocus : Qt::NoFocus);
}

void TRsltsForm1::FormShow() {
    SanitizeResult(Rec);
    IDEd->setText(qs(Rec.SpotID.str()));
    LatEd->setText(qs(FixedText(Rec.MeanLat * RsltsRadToDeg, 2)));
    LatSDEd->setText(qs(FixedText(Rec.LatRMS * RsltsRadToDeg, 2)));
    LongSDEd->setText(qs(FixedText(Rec.LongRMS * RsltsRadToDeg, 2)));

    const auto rateText = [this] { return Rec.RtnRate > NoRateLimit ? qs(fixed5(Rec.RtnRate)) : QString(); };
    const auto periodText = [this] { return Rec.SynPeriod != 0 ? qs(fixed5(Rec.SynPeriod)) : QString(); };
    if (Settings.Unit == UnitSolarRadius) {
        // The sine analysis gives the period; the rate follows from it when so chosen.
        setEditable(PrdEd, false);
        if (Settings.ComputeRate) {
            setEditable(RtnRtEd, false);
            Rec.RtnRate = RateOfPeriod(Rec.SynPeriod); // 0 (none) without a period
        } else {
            setEditable(RtnRtEd, true);
        }
    } else if (Settings.Unit == UnitHeliographic) {
        // The linear analysis gives the rate; the period follows from it when so chosen.
        setEditable(RtnRtEd, false);
        if (Settings.ComputeSynodic) {
            setEditable(PrdEd, false);
            Rec.SynPeriod = PeriodOfRate(Rec.RtnRate); // 0 (none) without a rate
        } else {
            setEditable(PrdEd, true);
        }
    } else {
        // Pixel measurements give neither: both are the student's to fill in.
        setEditable(PrdEd, true);
        setEditable(RtnRtEd, true);
    }
    PrdEd->setText(periodText());
    RtnRtEd->setText(rateText());

    if (Settings.ComputeSidereal) {
        setEditable(SidrEd, false);
        Rec.SidPeriod = SiderealOf(Rec.SynPeriod);
    } else {
        setEditable(SidrEd, true);
    }
    SidrEd->setText(Rec.SidPeriod != 0 ? qs(fixed5(Rec.SidPeriod)) : QString());
    TZEd->setText(qs(JulianDayText(Rec.TZero)));

    shownPeriod_ = PrdEd->text();
    shownRate_ = RtnRtEd->text();
    shownSidereal_ = SidrEd->text();
}

void TRsltsForm1::PrdEdExit() {
    if (!Settings.ComputeSidereal || PrdEd->text().trimmed().isEmpty() || PrdEd->isReadOnly())
        return;
    long double v = 0;
    if (!parseReal(PrdEd->text(), v) || v < 0) {
        prompt().message(tr("Invalid Synodic Period!").toStdString(),
                         tr("\"%1\" is not a valid period!").arg(PrdEd->text()).toStdString(),
                         Icon::Exclamation, Buttons::OK);
        return;
    }
    const long double sid = SiderealOf(v);
    SidrEd->setText(sid != 0 ? qs(fixed5(sid)) : QString());
}

void TRsltsForm1::OKBtnClick() {
    bool ok = true;
    Rec.SpotID = IDEd->text().left(3).toStdString();

    // A box left as shown keeps the value behind it; an empty box is "none".
    const auto take = [&](QLineEdit *ed, const QString &shown, long double &field, long double emptyValue,
                          bool allowNegative, const QString &caption, const QString &invalid) {
        const QString text = ed->text();
        if (text == shown)
            return;
        if (text.trimmed().isEmpty()) {
            field = emptyValue;
            return;
        }
        long double v = 0;
        if (!parseReal(text, v) || (!allowNegative && v < 0)) {
            prompt().message(caption.toStdString(), invalid.arg(text).toStdString(), Icon::Exclamation,
                             Buttons::OK);
            ok = false;
            return;
        }
        field = v;
    };
    take(PrdEd, shownPeriod_, Rec.SynPeriod, 0, false, tr("Invalid Synodic Period!"),
         tr("\"%1\" is not a valid period!"));
    if (Settings.ComputeSidereal)
        Rec.SidPeriod = SiderealOf(Rec.SynPeriod); // follows the period even if the box was not left
    else
        take(SidrEd, shownSidereal_, Rec.SidPeriod, 0, false, tr("Invalid Sidereal Period!"),
             tr("\"%1\" is not a valid period!"));
    // A rate the student cleared counts as none (1.0); one left as shown keeps the analysis's value.
    take(RtnRtEd, shownRate_, Rec.RtnRate, 1.0L, true, tr("Invalid Rotation Rate!"),
         tr("\"%1\" is not a valid rotation rate!"));
    SanitizeResult(Rec);
    if (ok)
        accept();
}

bool EditResult(QWidget *parent, RsltsRec &rec) {
    TRsltsForm1 dlg(currentResultSettings(), parent);
    dlg.Rec = rec;
    dlg.FormShow();
    if (runModal(dlg) != QDialog::Accepted)
        return false;
    rec = dlg.Rec;
    return true;
}

bool RecordResult(QWidget *parent, RsltsRec &rec) {
    if (!EditResult(parent, rec))
        return false;
    TRsltsListForm1 *list = TRsltsListForm1::instance();
    if (list == nullptr) {
        // Normally the main window made it at start-up; otherwise it lives with the caller's window.
        list = new TRsltsListForm1(parent ? parent->window() : nullptr);
        list->setWindowFlag(Qt::Window);
    }
    list->AddResult(rec);
    if (recordedHook())
        recordedHook()();
    return true;
}

} // namespace solar

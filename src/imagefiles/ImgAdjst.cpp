#include "imagefiles/ImgAdjst.h"

#include "imagefiles/BmpFile.h"
#include "support/ExtReal.h"
#include "support/QtPrompt.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

namespace solar {
namespace {

// Read-out of a scroll position: the position divided by 10 with one decimal.
QString readout(int position) {
    const int a = position < 0 ? -position : position;
    return QString("%1%2.%3").arg(position < 0 ? "-" : "").arg(a / 10).arg(a % 10);
}

QScrollBar *makeScroll(QWidget *parent) {
    auto *s = new QScrollBar(Qt::Horizontal, parent);
    s->setRange(-100, 100);
    s->setSingleStep(1);
    s->setPageStep(10);
    s->setMinimumWidth(220);
    return s;
}

} // namespace

IndicatorLamp::IndicatorLamp(QWidget *parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void IndicatorLamp::setLit(bool lit) {
    if (lit_ == lit)
        return;
    lit_ = lit;
    update();
}

void IndicatorLamp::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(lit_ ? QColor(0, 230, 0) : QColor(0, 70, 0));
    const int d = std::min(width(), height()) - 2;
    p.drawEllipse(1, 1, d, d);
}

TImgAdjstDlg::TImgAdjstDlg(DisplayParams &record, bool forImageWindow, DisplayParams &defaults,
                           std::function<void()> redisplay, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), record_(record),
      forImageWindow_(forImageWindow), defaults_(defaults), redisplay_(std::move(redisplay)) {
    setWindowTitle(tr("Adjust Image Display Parameters"));

    BriteScroll = makeScroll(this);
    CntrstScroll = makeScroll(this);
    BriteRO = new QLabel("0.0", this);
    CntrstRO = new QLabel("0.0", this);
    BriteRO->setMinimumWidth(50);
    CntrstRO->setMinimumWidth(50);
    BriteRO->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    CntrstRO->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    BriteScroll->setAccessibleName(tr("Brightness"));
    CntrstScroll->setAccessibleName(tr("Contrast"));
    for (QScrollBar *s : {BriteScroll, CntrstScroll}) {
        s->setAccessibleDescription(tr("The value shown beside the bar is the position divided by 10."));
        s->setFocusPolicy(Qt::StrongFocus);
        s->setInvertedControls(false); // Right raises, as on a slider
    }
    InvrtChk = new QCheckBox(tr("&Invert Display"), this);
    InvrtChk->setToolTip(tr("Switch black/white values"));
    SaveChk = new QCheckBox(tr("&Use Settings as Defaults"), this);
    SaveChk->setToolTip(tr("Apply current settings to all images when loaded."));
    OrigBtn1 = new QPushButton(tr("Original"), this);
    OrigBtn1->setToolTip(tr("Restore image file orientation, zero brightness & contrast settings."));
    OrigLED = new IndicatorLamp(this);
    DfltBtn1 = new QPushButton(tr("Default"), this);
    DfltBtn1->setToolTip(tr("Restore default orientation, brightness and contrast."));
    DfltLED = new IndicatorLamp(this);
    ApplyBtn = new QPushButton(tr("&Apply Changes"), this);
    ApplyBtn->setToolTip(tr("Regenerate image using current settings."));
    OkBtn1 = new QPushButton(tr("&OK"), this);
    CnclBtn1 = new QPushButton(tr("&Cancel"), this);
    OkBtn1->setDefault(true);

    auto *bars = new QGridLayout;
    bars->addWidget(new QLabel(tr("Brightness"), this), 0, 0);
    bars->addWidget(BriteScroll, 0, 1);
    bars->addWidget(BriteRO, 0, 2);
    bars->addWidget(new QLabel(tr("Contrast"), this), 1, 0);
    bars->addWidget(CntrstScroll, 1, 1);
    bars->addWidget(CntrstRO, 1, 2);

    auto *lamps = new QGridLayout;
    lamps->addWidget(new QLabel(tr("Original Display"), this), 0, 0, Qt::AlignHCenter);
    lamps->addWidget(new QLabel(tr("Default Settings"), this), 0, 1, Qt::AlignHCenter);
    lamps->addWidget(OrigLED, 1, 0, Qt::AlignHCenter);
    lamps->addWidget(DfltLED, 1, 1, Qt::AlignHCenter);
    lamps->addWidget(OrigBtn1, 2, 0);
    lamps->addWidget(DfltBtn1, 2, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(ApplyBtn);
    buttons->addStretch();
    buttons->addWidget(OkBtn1);
    buttons->addWidget(CnclBtn1);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bars);
    layout->addWidget(InvrtChk);
    layout->addLayout(lamps);
    layout->addWidget(SaveChk);
    layout->addLayout(buttons);

    // The scroll handlers answer the user; the dialog sets positions with signals blocked.
    connect(BriteScroll, &QScrollBar::valueChanged, this, &TImgAdjstDlg::BriteScrollChange);
    connect(CntrstScroll, &QScrollBar::valueChanged, this, &TImgAdjstDlg::CntrstScrollChange);
    connect(InvrtChk, &QCheckBox::clicked, this, &TImgAdjstDlg::InvrtChkClick);
    connect(ApplyBtn, &QPushButton::clicked, this, &TImgAdjstDlg::ApplyBtnClick);
    connect(OrigBtn1, &QPushButton::clicked, this, &TImgAdjstDlg::OrigBtn1Click);
    connect(DfltBtn1, &QPushButton::clicked, this, &TImgAdjstDlg::DfltBtn1Click);
    connect(OkBtn1, &QPushButton::clicked, this, &TImgAdjstDlg::OkBtn1Click);
    connect(CnclBtn1, &QPushButton::clicked, this, &TImgAdjstDlg::CnclBtn1Click);

    // Adjusting the defaults themselves: there is nothing further to copy them to.
    if (!forImageWindow_)
        SaveChk->setEnabled(false);

    Backup = record_;

    adjustSize();
    if (QScreen *s = QGuiApplication::primaryScreen()) {
        const QRect screen = s->geometry();
        if (forImageWindow_)
            move(screen.left() + (screen.width() - width()) / 2, screen.bottom() + 1 - height() - 30);
        else
            move(screen.left() + (screen.width() - width()) / 2,
                 screen.top() + (screen.height() - height()) / 2);
    }
}

void TImgAdjstDlg::setPositions(int brite, int contrast) {
    const QSignalBlocker b1(BriteScroll);
    const QSignalBlocker b2(CntrstScroll);
    BriteScroll->setValue(brite);
    CntrstScroll->setValue(contrast);
    BriteRO->setText(readout(BriteScroll->value()));
    CntrstRO->setText(readout(CntrstScroll->value()));
}

void TImgAdjstDlg::redisplay() {
    if (forImageWindow_ && redisplay_)
        redisplay_();
}

int TImgAdjstDlg::execute() {
    FormActivate();
    return runModal(*this);
}

void TImgAdjstDlg::FormActivate() {
    setPositions(2 * record_.brightness, 2 * record_.contrast);
    OldInvert = record_.invert;
    OrigLED->setLit(record_.originalMark);
    DfltLED->setLit(record_.defaultMark);
    InvrtChk->setChecked(record_.invert);
    ApplyBtn->setEnabled(false);
}

void TImgAdjstDlg::BriteScrollChange(int position) {
    BriteRO->setText(readout(position));
    OrigLED->setLit(false);
    DfltLED->setLit(false);
    ReadControls();
}

void TImgAdjstDlg::CntrstScrollChange(int position) {
    CntrstRO->setText(readout(position));
    OrigLED->setLit(false);
    DfltLED->setLit(false);
    ReadControls();
}

void TImgAdjstDlg::ReadControls() {
    record_.brightness = static_cast<std::int32_t>(roundToInt(BriteScroll->value() * 0.5L));
    record_.contrast = static_cast<std::int32_t>(roundToInt(CntrstScroll->value() * 0.5L));
    ComputeIndices(record_);
    record_.originalMark = OrigLED->isLit();
    record_.defaultMark = DfltLED->isLit();
    record_.invert = InvrtChk->isChecked();
    redisplay();
}

void TImgAdjstDlg::updateApply() {
    const bool differs = InvrtChk->isChecked() != OldInvert;
    ApplyBtn->setEnabled(forImageWindow_ && differs);
    if (differs) {
        OrigLED->setLit(false);
        DfltLED->setLit(false);
    }
}

void TImgAdjstDlg::InvrtChkClick() {
    updateApply();
}

void TImgAdjstDlg::ApplyBtnClick() {
    ReadControls();
    OldInvert = record_.invert;
    redisplay();
    done(Retry);
}

void TImgAdjstDlg::OrigBtn1Click() {
    setPositions(0, 0);
    InvrtChk->setChecked(false);
    ReadControls();
    updateApply();
    OrigLED->setLit(true);
    DfltLED->setLit(false);
}

void TImgAdjstDlg::DfltBtn1Click() {
    OldInvert = record_.invert;
    if (&record_ != &defaults_) {
        record_ = defaults_;
        record_.spare = 0;
    }
    setPositions(2 * record_.brightness, 2 * record_.contrast);
    InvrtChk->setChecked(record_.invert);
    ReadControls();
    updateApply();
    OrigLED->setLit(false);
    DfltLED->setLit(true);
}

void TImgAdjstDlg::OkBtn1Click() {
    DfltLED->setLit(DfltLED->isLit() || SaveChk->isChecked());
    ReadControls();
    if (SaveChk->isEnabled() && SaveChk->isChecked() && &record_ != &defaults_)
        defaults_ = record_;
    done(QDialog::Accepted);
}

void TImgAdjstDlg::CnclBtn1Click() {
    record_ = Backup;
    redisplay();
    done(QDialog::Rejected);
}

void TImgAdjstDlg::reject() {
    // Escape and the window's close box cancel too: the record goes back to its backup.
    record_ = Backup;
    redisplay();
    QDialog::reject();
}

bool TImgAdjstDlg::adjustImage(DisplayParams &windowRecord, DisplayParams &defaults, int imageNumber,
                               std::function<void()> redisplay, QWidget *parent) {
    // The window's record becomes the current display record, drawn by the image window.
    displayState().current = &windowRecord;
    displayState().currentIsImageWindow = true;
    TImgAdjstDlg dlg(windowRecord, true, defaults, std::move(redisplay), parent);
    dlg.setWindowTitle(tr("Adjust Image %1 Display Parameters").arg(imageNumber));
    int result;
    do {
        result = dlg.execute();
    } while (result == Retry);
    return result == QDialog::Accepted;
}

bool TImgAdjstDlg::setDefaults(DisplayParams &defaults, QWidget *parent) {
    displayState().current = &defaults;
    displayState().currentIsImageWindow = false;
    TImgAdjstDlg dlg(defaults, false, defaults, {}, parent);
    dlg.setWindowTitle(tr("Set Image Display Parameters"));
    return dlg.execute() == QDialog::Accepted;
}

} // namespace solar

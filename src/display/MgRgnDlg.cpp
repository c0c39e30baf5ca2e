#include "display/MgRgnDlg.h"

#include "display/ImageGeom.h"
#include "support/QtPrompt.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QSpinBox>

namespace solar {

TMagnRgnDlg::TMagnRgnDlg(std::uint8_t defaultSize, std::function<void()> repaintMagnifier, QWidget *parent)
    : QDialog(parent), RegionSize(UsableRegionSize(defaultSize)), SavedSize(RegionSize),
      DefaultSize(defaultSize), repaint_(std::move(repaintMagnifier)) {
    setWindowTitle(tr("Set Magnification"));
    auto *sizeLbl = new QLabel(tr("Region Size in Pixels:"), this);
    BoxWdEd = new QSpinBox(this);
    BoxWdEd->setRange(2, 96);
    BoxWdEd->setSingleStep(2);
    MgnLbl = new QLabel(tr("Magnification -->"), this);
    BoxWdScroll = new QScrollBar(Qt::Horizontal, this);
    BoxWdScroll->setRange(1, 48);
    BoxWdScroll->setPageStep(8);
    sizeLbl->setBuddy(BoxWdEd);
    BoxWdEd->setAccessibleName(tr("Region Size in Pixels"));
    BoxWdScroll->setAccessibleName(tr("Magnification"));
    BoxWdScroll->setAccessibleDescription(
        tr("Right raises the magnification: a smaller region fills the magnifier."));
    BoxWdScroll->setFocusPolicy(Qt::StrongFocus);
    BoxWdScroll->setInvertedControls(false); // Right raises the magnification, as on a slider
    DfltBtn = new QPushButton(tr("&Default"), this);
    DfltBtn->setToolTip(tr("Restore internal default values."));
    OKBtn = new QPushButton(tr("OK"), this);
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(tr("Cancel"), this);
    auto *grid = new QGridLayout(this);
    grid->addWidget(sizeLbl, 0, 0);
    grid->addWidget(BoxWdEd, 0, 1);
    grid->addWidget(MgnLbl, 1, 0);
    grid->addWidget(BoxWdScroll, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(DfltBtn);
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    grid->addLayout(buttons, 2, 0, 1, 2);

    connect(BoxWdScroll, &QScrollBar::valueChanged, this, [this](int p) { BoxWdScrollChange(p); });
    connect(BoxWdEd, &QSpinBox::valueChanged, this, [this](int v) { BoxWdEdChange(v); });
    connect(DfltBtn, &QPushButton::clicked, this, [this] { DfltBtnClick(); });
    connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    connect(CancelBtn, &QPushButton::clicked, this, [this] { reject(); });
}

void TMagnRgnDlg::showEvent(QShowEvent *event) {
    if (!event->spontaneous())
        FormActivate();
    QDialog::showEvent(event);
}

void TMagnRgnDlg::FormActivate() {
    SavedSize = RegionSize;
    BoxWdEd->setValue(RegionSize);
    BoxWdScroll->setValue(MagBarFromSize(RegionSize));
}

void TMagnRgnDlg::BoxWdScrollChange(int position) {
    if (BoxWdScroll->isHidden()) // the default-size editor has no bar
        return;
    RegionSize = MagSizeFromBar(position);
    if (repaint_)
        repaint_();
    BoxWdEd->setValue(RegionSize);
}

void TMagnRgnDlg::BoxWdEdChange(int value) {
    BoxWdScroll->setValue(MagBarFromSize(value));
}

void TMagnRgnDlg::DfltBtnClick() {
    BoxWdEd->setValue(UsableRegionSize(DefaultSize));
}

void TMagnRgnDlg::OKBtnClick() {
    RegionSize = BoxWdEd->value();
    accept();
}

void TMagnRgnDlg::CancelBtnClick() {
    RegionSize = SavedSize;
    if (repaint_)
        repaint_();
}

void TMagnRgnDlg::reject() {
    CancelBtnClick();
    QDialog::reject();
}

bool TMagnRgnDlg::editDefaultSize(std::uint8_t &size, QWidget *parent) {
    TMagnRgnDlg dlg(size, {}, parent);
    dlg.setWindowTitle(tr("Set Default Mag Rgn Size"));
    dlg.DfltBtn->hide();
    dlg.MgnLbl->hide();
    dlg.BoxWdScroll->hide();
    dlg.FormActivate();
    if (runModal(dlg) != QDialog::Accepted)
        return false;
    size = static_cast<std::uint8_t>(UsableRegionSize(dlg.RegionSize));
    return true;
}

} // namespace solar

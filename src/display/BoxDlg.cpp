#include "display/BoxDlg.h"

#include "support/QtPrompt.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QSpinBox>

namespace solar {

TBoxDlgForm1::TBoxDlgForm1(BoxParams &working, QWidget *parent) : QDialog(parent), working_(working) {
    setWindowTitle(tr("\"Box\" Parameters"));
    auto spin = [this](int lo, int hi) {
        auto *s = new QSpinBox(this);
        s->setRange(lo, hi);
        return s;
    };
    BoxWdEd = spin(2, 20);
    ImgWdEd = spin(2, 20);
    SkyWdEd = spin(0, 10);
    BoxWdEd->setAccessibleName(tr("Box Width for Peak Search"));
    ImgWdEd->setAccessibleName(tr("Region Diameter for Centroid"));
    SkyWdEd->setAccessibleName(tr("Width of Sky Border"));
    for (QSpinBox *s : {BoxWdEd, ImgWdEd, SkyWdEd})
        s->setAccessibleDescription(tr("In pixels"));
    DfltBtn = new QPushButton(tr("&Defaults"), this);
    DfltBtn->setToolTip(tr("Restore internal default values."));
    OKBtn = new QPushButton(tr("OK"), this);
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(tr("Cancel"), this);
    auto *grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("All Values in Pixels:"), this), 0, 0, 1, 2);
    grid->addWidget(new QLabel(tr("Box Width for Peak Search"), this), 1, 0);
    grid->addWidget(BoxWdEd, 1, 1);
    grid->addWidget(new QLabel(tr("Region Diameter for Centroid"), this), 2, 0);
    grid->addWidget(ImgWdEd, 2, 1);
    grid->addWidget(new QLabel(tr("Width of Sky \"Border\""), this), 3, 0);
    grid->addWidget(SkyWdEd, 3, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(DfltBtn);
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    grid->addLayout(buttons, 4, 0, 1, 2);

    connect(BoxWdEd, &QSpinBox::valueChanged, this, [this](int v) { BoxWdEdChange(v); });
    connect(ImgWdEd, &QSpinBox::valueChanged, this, [this](int v) { ImgWdEdChange(v); });
    connect(DfltBtn, &QPushButton::clicked, this, [this] { DfltBtnClick(); });
    connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TBoxDlgForm1::showEvent(QShowEvent *event) {
    if (!event->spontaneous()) {
        FormActivate();
        adjustSize();
        if (QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen())
            move(s->geometry().center() - rect().center());
    }
    QDialog::showEvent(event);
}

void TBoxDlgForm1::FormActivate() {
    // Box first: a stored box narrower than the region is then widened to the region.
    BoxWdEd->setValue(2 * working_.searchHalfWidth);
    ImgWdEd->setValue(2 * working_.centroidHalfDiameter);
    SkyWdEd->setValue(working_.skyBorder);
}

void TBoxDlgForm1::BoxWdEdChange(int value) {
    if (value < ImgWdEd->value())
        ImgWdEd->setValue(value);
}

void TBoxDlgForm1::ImgWdEdChange(int value) {
    if (value > BoxWdEd->value())
        BoxWdEd->setValue(value);
}

void TBoxDlgForm1::DfltBtnClick() {
    BoxWdEd->setValue(16);
    ImgWdEd->setValue(14);
    SkyWdEd->setValue(0);
}

void TBoxDlgForm1::OKBtnClick() {
    working_.searchHalfWidth = static_cast<std::uint8_t>(BoxWdEd->value() / 2);
    working_.centroidHalfDiameter = static_cast<std::uint8_t>(ImgWdEd->value() / 2);
    working_.skyBorder = static_cast<std::uint8_t>(SkyWdEd->value());
    accept();
}

bool TBoxDlgForm1::editBox(BoxParams &options, QWidget *parent) {
    BoxParams working = options;
    TBoxDlgForm1 dlg(working, parent);
    dlg.FormActivate();
    if (runModal(dlg) != QDialog::Accepted)
        return false;
    options = working;
    return true;
}

} // namespace solar

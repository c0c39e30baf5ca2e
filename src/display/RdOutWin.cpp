#include "display/RdOutWin.h"
#include "support/Accessible.h"

#include "support/Options.h"
#include "support/StringUt.h"

#include <QCloseEvent>
#include <QGridLayout>

namespace solar {

TNumDisplay::TNumDisplay(int decimals, QWidget *parent) : QLabel(parent), decimals_(decimals) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont f("Monospace");
    f.setStyleHint(QFont::TypeWriter);
    f.setPointSize(12);
    setFont(f);
    setStyleSheet("background: black; color: #00ff00;");
    setMinimumWidth(130);
    setValue(0);
}

void TNumDisplay::setValue(long double value) {
    value_ = value;
    setText(QString::fromStdString(FixedText(value, decimals_)));
}

TRdOutDisp::TRdOutDisp(OptionsRecord &options, QWidget *parent)
    // A tool window of the image window: above it, below message boxes and dialogs.
    : QWidget(parent, Qt::Tool), options_(options) {
    setWindowTitle(tr("Cursor Position"));
    XLbl = new QLabel("X:", this);
    YLbl = new QLabel("Y:", this);
    PxlLbl = new QLabel(tr("Pixels"), this);
    CoordLbl = new QLabel(tr("Heliographic Long, Lat"), this);
    XDispP = new TNumDisplay(2, this);
    YDispP = new TNumDisplay(2, this);
    XDispR = new TNumDisplay(5, this);
    YDispR = new TNumDisplay(5, this);
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(6, 4, 6, 6);
    grid->addWidget(PxlLbl, 0, 1, Qt::AlignHCenter);
    grid->addWidget(CoordLbl, 0, 2, Qt::AlignHCenter);
    grid->addWidget(XLbl, 1, 0);
    grid->addWidget(XDispP, 1, 1);
    grid->addWidget(XDispR, 1, 2);
    grid->addWidget(YLbl, 2, 0);
    grid->addWidget(YDispP, 2, 1);
    grid->addWidget(YDispR, 2, 2);
    a11y::exposeAsWindow(this);
    XDispP->setAccessibleDescription(tr("X offset from the disc centre, pixels"));
    YDispP->setAccessibleDescription(tr("Y offset from the disc centre, pixels"));
    XDispR->setAccessibleDescription(tr("X in solar radii, or heliographic longitude in degrees"));
    YDispR->setAccessibleDescription(tr("Y in solar radii, or heliographic latitude in degrees"));
}

void TRdOutDisp::FormShow() {
    const int unit = options_.RawDataFormat;
    const bool coords = unit != UnitPixels;
    XDispR->setVisible(coords);
    YDispR->setVisible(coords);
    CoordLbl->setVisible(coords);
    if (coords)
        CoordLbl->setText(QString::fromStdString(ReadoutCoordCaption(unit)));
    setFixedWidth(coords ? 352 : 164);
}

void TRdOutDisp::ShowValues(const std::string &caption, const ReadoutValues &values) {
    setWindowTitle(QString::fromStdString(caption));
    XDispP->setValue(values.xPixels);
    YDispP->setValue(values.yPixels);
    XDispR->setValue(values.xCoord);
    YDispR->setValue(values.yCoord);
}

void TRdOutDisp::showEvent(QShowEvent *event) {
    if (!event->spontaneous()) {
        FormShow();
        emit shownChanged(true);
    }
    QWidget::showEvent(event);
}

void TRdOutDisp::closeEvent(QCloseEvent *event) {
    emit shownChanged(false);
    QWidget::closeEvent(event);
}

} // namespace solar

#include "imagedb/AnimDlg.h"

#include "support/Prompt.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace solar {

TAnimRateDlg::TAnimRateDlg(int &rate, QWidget *parent) : QDialog(parent), rate_(rate) {
    setWindowTitle(tr("Set Animation Rate"));
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    Label1 = new QLabel(tr("Animation Timer Interval"), this);
    RateEd = new QLineEdit(this);
    RateEd->setMaxLength(4);
    RateEd->setToolTip(tr("Milliseconds, 1 - 1000"));
    RateEd->setAccessibleName(tr("Animation Timer Interval"));
    RateEd->setAccessibleDescription(tr("Milliseconds, 1 - 1000"));
    OKBtn = new QPushButton(tr("OK"), this);
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(tr("Cancel"), this);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(RateEd);
    layout->addLayout(buttons);
    // Wide enough for the whole caption beside the frame's buttons, which most window managers
    // draw in a bold face.
    QFont captionFont = font();
    captionFont.setBold(true);
    setMinimumWidth(QFontMetrics(captionFont).horizontalAdvance(windowTitle()) + 120);
    connect(OKBtn, &QPushButton::clicked, this, &TAnimRateDlg::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TAnimRateDlg::showEvent(QShowEvent *event) {
    FormActivate();
    QDialog::showEvent(event);
}

void TAnimRateDlg::FormActivate() {
    RateEd->setText(QString::number(rate_));
}

void TAnimRateDlg::OKBtnClick() {
    const QString text = RateEd->text();
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok) {
        prompt().message(tr("Invalid Entry!").toStdString(),
                         tr("\"%1\" is not a valid integer!").arg(text).toStdString(), Icon::Exclamation,
                         Buttons::OK);
        return;
    }
    if (value < 1 || value > 1000) {
        prompt().message(tr("Value Out of Range").toStdString(),
                         tr("Milliseconds must be between 1 and 1000.").toStdString(), Icon::Information,
                         Buttons::OK);
        return;
    }
    rate_ = value;
    accept();
}

} // namespace solar

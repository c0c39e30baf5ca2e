#include "app/StrInput.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace solar {

TStrIpDlg::TStrIpDlg(QWidget *parent) : QDialog(parent) {
    setObjectName("StrIpDlg");
    Label1 = new QLabel(this);
    EditStr = new QLineEdit(this);
    EditStr->setMaxLength(20);
    // Read under the prompt the caller puts in the label.
    Label1->setBuddy(EditStr);
    OKBtn = new QPushButton(tr("&OK"), this);
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(tr("&Cancel"), this);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(EditStr);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace solar

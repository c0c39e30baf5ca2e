#include "app/About.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace solar {

TAboutBox::TAboutBox(const std::string &installDir, QWidget *parent) : QDialog(parent) {
    setObjectName("AboutBox");
    setWindowTitle(tr("About This Exercise"));
    auto *panel = new QFrame(this);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);

    ProgramIcon = new QLabel(panel);
    ProgramIcon->setFixedSize(96, 66);
    ProgramIcon->setScaledContents(true);
    const QPixmap logo(QString::fromStdString(installDir + "VORNLOGO.BMP"));
    if (!logo.isNull())
        ProgramIcon->setPixmap(logo);
    ProductName = new QLabel(tr("VORN Laboratory Exercises in Astronomy"), panel);
    QFont bold = ProductName->font();
    bold.setBold(true);
    ProductName->setFont(bold);
    Version = new QLabel(panel);
    Exercise1 = new QLabel(panel);
    Exercise1->setFont(bold);
    Folders = new QLabel(panel);
    Folders->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *texts = new QVBoxLayout;
    texts->addWidget(ProductName);
    texts->addWidget(Exercise1);
    texts->addWidget(Version);
    texts->addWidget(Folders);
    texts->addStretch();
    auto *inner = new QHBoxLayout(panel);
    inner->addWidget(ProgramIcon, 0, Qt::AlignTop);
    inner->addLayout(texts);

    OKButton = new QPushButton(tr("OK"), this);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addWidget(OKButton, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace solar

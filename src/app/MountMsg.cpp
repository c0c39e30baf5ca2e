#include "app/MountMsg.h"

#include "app/Platform.h"
#include "support/Prompt.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <filesystem>

namespace solar {

TMountCDROM::TMountCDROM(QWidget *parent) : QDialog(parent) {
    setObjectName("MountCDROM");
    setWindowTitle(tr("Mount Data Media"));
    Memo1 = new QPlainTextEdit(this);
    Memo1->setReadOnly(true);
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setBackgroundRole(QPalette::Button);
    Memo1->viewport()->setAutoFillBackground(false);
    Memo1->setFixedSize(380, 60);
    CDRPathEd = new QLineEdit(this);
    CDRPathEd->installEventFilter(this);
    Memo1->setAccessibleName(tr("Message"));
    CDRPathEd->setAccessibleName(tr("Folder of the media"));
    CDRPathEd->setAccessibleDescription(tr("Double-click or press F4 to browse for the folder."));
    BrowseLbl = new QLabel(tr("(Double-Click to Browse)"), this);
    OKBtn = new QPushButton(tr("&OK"), this);
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(tr("&Cancel"), this);
    connect(OKBtn, &QPushButton::clicked, this, &TMountCDROM::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Memo1);
    layout->addWidget(CDRPathEd);
    layout->addWidget(BrowseLbl);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TMountCDROM::FormActivate() {
    Memo1->setPlainText(tr("Please mount %1 on drive indicated, or supply correct path to %2.")
                            .arg(QString::fromStdString(MediaName), QString::fromStdString(FolderName)));
    if (Path.empty() && LocateCdrom)
        Path = LocateCdrom();
    CDRPathEd->setText(QString::fromStdString(Path));
    Browsed = false;
}

void TMountCDROM::CDRPathEdDblClick() {
    std::string start = CDRPathEd->text().toStdString();
    std::error_code ec;
    if (start.empty() || !std::filesystem::is_directory(start, ec))
        start = InstallDir;
    const auto chosen = prompt().selectFolder(
        tr("Select the folder of %1").arg(QString::fromStdString(FolderName)).toStdString(), start, false);
    if (!chosen)
        return;
    CDRPathEd->setText(QString::fromStdString(withSlash(*chosen)));
    Browsed = true;
}

void TMountCDROM::OKBtnClick() {
    Path = withSlash(CDRPathEd->text().toStdString());
    accept();
}

bool TMountCDROM::eventFilter(QObject *watched, QEvent *event) {
    if (watched == CDRPathEd && event->type() == QEvent::MouseButtonDblClick) {
        CDRPathEdDblClick();
        return true;
    }
    // The keyboard's double-click: F4 opens the browse dialog.
    if (watched == CDRPathEd && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->key() == Qt::Key_F4) {
        CDRPathEdDblClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace solar

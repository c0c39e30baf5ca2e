#include "app/LoginDlg.h"

#include "support/Prompt.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace solar {

namespace {
const int NameRoom = 40;
const int TableRoom = 4;

// At most `room` bytes of the UTF-8 text, never cutting a character in two.
std::string cutUtf8(const QString &text, std::size_t room) {
    std::string s = text.toStdString();
    if (s.size() <= room)
        return s;
    std::size_t n = room;
    while (n > 0 && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80)
        --n;
    return s.substr(0, n);
}
} // namespace

TLoginDlg::TLoginDlg(LoginRecord *login, const std::string &labTable, QWidget *parent)
    : QDialog(parent), login_(login), labTable_(labTable) {
    setWindowTitle(tr("Student Accounting"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    QFont f = font();
    f.setPixelSize(14);
    f.setBold(true);
    setFont(f);

    auto *frame = new QFrame(this);
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto *grid = new QGridLayout(frame);
    grid->addWidget(new QLabel(tr("Enter Student Name(s)  (Firstname...Lastname)"), frame), 0, 0, 1, 2);
    QLineEdit **names[] = {&Stud1, &Stud2, &Stud3, &Stud4};
    for (int i = 0; i < 4; ++i) {
        *names[i] = new QLineEdit(frame);
        (*names[i])->setMaxLength(NameRoom);
        (*names[i])->setMinimumWidth(320);
        grid->addWidget(new QLabel(tr("Student #%1:").arg(i + 1), frame), i + 1, 0, Qt::AlignRight);
        grid->addWidget(*names[i], i + 1, 1);
        (*names[i])->setAccessibleName(tr("Student #%1").arg(i + 1));
        (*names[i])->setAccessibleDescription(tr("Firstname Lastname"));
    }
    LabTbl = new QLineEdit(frame);
    LabTbl->setMaxLength(TableRoom);
    LabTbl->setMaximumWidth(80);
    LabTbl->setAccessibleName(tr("Laboratory Table Number"));
    grid->addWidget(new QLabel(tr("Laboratory Table Number:"), frame), 5, 0, Qt::AlignRight);
    grid->addWidget(LabTbl, 5, 1, Qt::AlignLeft);

    OKBtn = new QPushButton(tr("&OK"), this);
    OKBtn->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
    FormCreate();
}

void TLoginDlg::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (const QScreen *s = screen()) {
        QRect r = frameGeometry();
        r.moveCenter(s->availableGeometry().center());
        move(r.topLeft());
    }
}

void TLoginDlg::FormCreate() {
    if (!login_) {
        prompt().message(tr("Cannot Record Login!").toStdString(),
                         tr("Login Record Not Assigned!").toStdString(), Icon::Exclamation, Buttons::OK);
        return;
    }
    login_->Student1 = "";
    login_->Student2 = "";
    login_->Student3 = "";
    login_->Student4 = "";
    login_->TableNumber = "";
    Stud1->setText(QString::fromStdString(login_->Student1.str()));
    Stud2->setText(QString::fromStdString(login_->Student2.str()));
    Stud3->setText(QString::fromStdString(login_->Student3.str()));
    Stud4->setText(QString::fromStdString(login_->Student4.str()));
    LabTbl->setText(QString::fromStdString(labTable_));
}

void TLoginDlg::OKBtnClick() {
    if (!login_) {
        accept();
        return;
    }
    login_->Student1 = cutUtf8(Stud1->text(), NameRoom);
    login_->Student2 = cutUtf8(Stud2->text(), NameRoom);
    login_->Student3 = cutUtf8(Stud3->text(), NameRoom);
    login_->Student4 = cutUtf8(Stud4->text(), NameRoom);
    login_->TableNumber = cutUtf8(LabTbl->text(), TableRoom);

    if (!login_->Student1.empty()) {
        if (prompt().message(tr("Login Completed?").toStdString(),
                             tr("Have You Finished Logging In?").toStdString(), Icon::Question,
                             Buttons::YesNo) == Answer::Yes) {
            login_->UserFolderName = UserFolderNameFor(login_->Student1.str());
            accept();
        }
    } else if (prompt().message(tr("No Entry!").toStdString(), tr("You Didn't Enter Anything!").toStdString(),
                                Icon::Exclamation, Buttons::OKCancel) == Answer::OK) {
        login_->Student1 = "*** Student Did Not Log In Properly ***";
        login_->UserFolderName = "NOLOG";
        accept();
    }
}

} // namespace solar

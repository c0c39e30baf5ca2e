#include "app/Passwd.h"

#include "support/Prompt.h"
#include "support/QtPrompt.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QVBoxLayout>

namespace solar {

namespace {

class MaskStyle : public QProxyStyle {
public:
    explicit MaskStyle(QChar mask) : mask_(mask) {}
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *ret) const override {
        if (hint == SH_LineEdit_PasswordCharacter)
            return mask_.unicode();
        return QProxyStyle::styleHint(hint, option, widget, ret);
    }

private:
    QChar mask_;
};

void buildLayout(QDialog &dlg, QLabel *label, QLineEdit *edit, QPushButton *ok, QPushButton *cancel) {
    auto *v = new QVBoxLayout(&dlg);
    v->addWidget(label);
    v->addWidget(edit);
    auto *h = new QHBoxLayout;
    h->addStretch();
    h->addWidget(ok);
    h->addWidget(cancel);
    v->addLayout(h);
    ok->setDefault(true);
}

} // namespace

void setPasswordMask(QLineEdit *edit, QChar mask) {
    auto *style = new MaskStyle(mask);
    style->setParent(edit);
    edit->setStyle(style);
    edit->setEchoMode(QLineEdit::Password);
}

TPasswordDlg::TPasswordDlg(QWidget *parent) : QDialog(parent) {
    setObjectName("PasswordDlg");
    setWindowTitle(tr("Password Required"));
    Label1 = new QLabel(tr("Enter password:"), this);
    Password = new QLineEdit(this);
    Password->setMaxLength(16);
    setPasswordMask(Password, '*');
    Password->setAccessibleName(tr("Password"));
    OKBtn = new QPushButton(tr("OK"), this);
    CancelBtn = new QPushButton(tr("Cancel"), this);
    buildLayout(*this, Label1, Password, OKBtn, CancelBtn);
    connect(OKBtn, &QPushButton::clicked, this, &TPasswordDlg::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
}

void TPasswordDlg::SetPassword(const std::string &password) {
    Expected = password.substr(0, 16);
    Attempts = 0;
}

void TPasswordDlg::OKBtnClick() {
    ++Attempts;
    if (Password->text().toStdString() == Expected) {
        done(QDialog::Accepted);
        return;
    }
    if (Attempts < 3) {
        done(Retry);
        return;
    }
    prompt().message(tr("Options Access Denied!").toStdString(),
                     tr("Too Many Invalid Passwords!").toStdString(), Icon::Error, Buttons::OK);
    done(QDialog::Rejected);
}

bool TPasswordDlg::ask() {
    int result;
    do {
        Password->clear();
        Password->setFocus();
        result = runModal(*this);
    } while (result == Retry);
    return result == QDialog::Accepted;
}

TPasswordDlg1::TPasswordDlg1(const std::string &newPassword, QWidget *parent)
    : QDialog(parent), newPassword_(newPassword) {
    setObjectName("PasswordDlg1");
    setWindowTitle(tr("Confirm Password Change"));
    Label1 = new QLabel(tr("Re-enter new password:"), this);
    Password = new QLineEdit(this);
    Password->setMaxLength(16);
    setPasswordMask(Password, '#');
    Password->setAccessibleName(tr("New password again"));
    OKBtn = new QPushButton(tr("&OK"), this);
    CancelBtn = new QPushButton(tr("&Cancel"), this);
    buildLayout(*this, Label1, Password, OKBtn, CancelBtn);
    connect(OKBtn, &QPushButton::clicked, this, &TPasswordDlg1::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    Confirmed = false;
}

void TPasswordDlg1::OKBtnClick() {
    Confirmed = Password->text().toStdString() == newPassword_;
    done(QDialog::Accepted);
}

} // namespace solar

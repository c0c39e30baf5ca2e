#pragma once
// The instructor's password dialogs: TPasswordDlg ("Password Required", three attempts) and
// TPasswordDlg1 ("Confirm Password Change", the new password typed a second time).

#include <QDialog>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace solar {

// Shows the edit's text as `mask` characters instead of the desktop's dots.
void setPasswordMask(QLineEdit *edit, QChar mask);

class TPasswordDlg : public QDialog {
    Q_OBJECT
public:
    // The result of a wrong entry while attempts remain: the caller shows the dialog again.
    static constexpr int Retry = 4;

    explicit TPasswordDlg(QWidget *parent = nullptr);

    QLabel *Label1;
    QLineEdit *Password;
    QPushButton *OKBtn, *CancelBtn;

    std::string Expected; // at most 16 characters
    int Attempts = 0;

    void SetPassword(const std::string &password);
    void OKBtnClick();
    // Shows the dialog with an empty field until it ends with OK or Cancel; true for OK.
    bool ask();
};

class TPasswordDlg1 : public QDialog {
    Q_OBJECT
public:
    // newPassword: the text the options dialog wants to store.
    explicit TPasswordDlg1(const std::string &newPassword, QWidget *parent = nullptr);

    QLabel *Label1;
    QLineEdit *Password;
    QPushButton *OKBtn, *CancelBtn;
    bool Confirmed = false;

    void OKBtnClick();

private:
    std::string newPassword_;
};

} // namespace solar

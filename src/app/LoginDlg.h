#pragma once
// The login dialog "Student Accounting": up to four student names and the laboratory table
// number, written into the main window's login record.

#include "app/Login.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace solar {

class TLoginDlg : public QDialog {
    Q_OBJECT
public:
    // login: the record to fill (may be null: the dialog then only says it cannot record);
    // labTable: the proposed table number (the LabTable option of the working copy).
    TLoginDlg(LoginRecord *login, const std::string &labTable, QWidget *parent = nullptr);

    void FormCreate();
    void OKBtnClick();

    QLineEdit *Stud1 = nullptr;
    QLineEdit *Stud2 = nullptr;
    QLineEdit *Stud3 = nullptr;
    QLineEdit *Stud4 = nullptr;
    QLineEdit *LabTbl = nullptr;
    QPushButton *OKBtn = nullptr;

protected:
    void showEvent(QShowEvent *event) override; // centred on the screen

private:
    LoginRecord *login_;
    std::string labTable_;
};

} // namespace solar

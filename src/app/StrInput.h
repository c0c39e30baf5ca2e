#pragma once
// The small string-input dialog: a caption and a prompt set by the caller, one edit field of
// at most 20 characters (unless the caller allows more), OK and Cancel.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace solar {

class TStrIpDlg : public QDialog {
    Q_OBJECT
public:
    explicit TStrIpDlg(QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QLineEdit *EditStr = nullptr;
    QPushButton *OKBtn = nullptr;
    QPushButton *CancelBtn = nullptr;
};

} // namespace solar

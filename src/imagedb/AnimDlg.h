#pragma once
// The animation rate dialog: the interval of the main window's animation timer in milliseconds
// (1 to 1000), edited in place of one shared integer.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace solar {

class TAnimRateDlg : public QDialog {
    Q_OBJECT
public:
    // rate: the shared interval, shown on activation and set by a valid OK.
    explicit TAnimRateDlg(int &rate, QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QLineEdit *RateEd = nullptr;
    QPushButton *OKBtn = nullptr;
    QPushButton *CancelBtn = nullptr;

public slots:
    void FormActivate();
    // Takes the entry when it is an integer from 1 to 1000 and closes; otherwise says why and
    // stays open.
    void OKBtnClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    int &rate_;
};

} // namespace solar

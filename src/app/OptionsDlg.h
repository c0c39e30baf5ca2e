#pragma once
// The instructor's options dialog TOptionsDlg ("Software Options"): three pages bound to the
// options record (General, Files, Help Files), the Image, Box and Mag Rgn buttons for the
// display defaults, the centroid box and the magnifier region, and the password change.

#include "support/Options.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace solar {

class TOptionsDlg : public QDialog {
    Q_OBJECT
public:
    // opts: the options object whose record the dialog edits (nullptr: nothing to edit).
    explicit TOptionsDlg(OptsObj *opts, QWidget *parent = nullptr);

    QPushButton *ImagBtn, *BoxBtn, *RgnBtn, *OKBtn, *CancelBtn;
    QTabWidget *PageControl1;
    QWidget *OptsTab, *FilesTab, *HelpTab;
    QCheckBox *DemoBox, *TestBox, *CntrBox, *FitBox, *RateBox, *PrdBox, *SidrBox, *PrClrBox, *MDsplyBox,
        *CrsrWinBox, *RdOutWinBox, *AdminBox;
    QGroupBox *RawDataGrp;
    QRadioButton *RawData[3];
    QLineEdit *PWEd, *TblNumEd;
    QLineEdit *LogoEd, *TitleEd, *ImagePathEd, *SpShtEd, *LogFlEd;
    QLineEdit *MnHlpEd, *MeasHlpEd, *CntrHlpEd, *LAnalHlpEd, *RAnalHlpEd, *UsrHlpEd, *RmdrEd, *GONGEd,
        *VORNEd;

    OptionsRecord Backup;
    // The password as the field showed it: only a different text counts as a change (a stored
    // password with bytes the field cannot show is kept unless the instructor types a new one).
    QString ShownPassword;

    int rawDataIndex() const;
    void setRawDataIndex(int index);

public slots:
    void FormActivate();
    void OKBtnClick();
    void CancelBtnClick();
    void reject() override; // the title bar's close counts as Cancel
    void BoxBtnClick();
    void RgnBtnClick();
    void ImagBtnClick();
    void ImagePathEdDblClick();
    void SpShtEdDblClick();
    void RawDataGrpClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    OptsObj *opts_;
};

} // namespace solar

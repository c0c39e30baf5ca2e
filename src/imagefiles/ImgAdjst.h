#pragma once
// The image adjustment dialog: brightness, contrast and inversion of a display record, with
// lamps for the original and the default settings, for the image on screen or for the defaults.

#include "support/DisplayParams.h"

#include <QDialog>
#include <QWidget>
#include <functional>

class QCheckBox;
class QLabel;
class QPushButton;
class QScrollBar;

namespace solar {

// A round indicator lamp, lit or out.
class IndicatorLamp : public QWidget {
    Q_OBJECT
public:
    explicit IndicatorLamp(QWidget *parent = nullptr);
    bool isLit() const { return lit_; }
    void setLit(bool lit);
    QSize sizeHint() const override { return {18, 18}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool lit_ = false;
};

class TImgAdjstDlg : public QDialog {
    Q_OBJECT
public:
    // The modal result of "&Apply Changes": the caller opens the dialog again.
    static constexpr int Retry = 4;

    // `record` is the display record the dialog changes. When `forImageWindow` is set it belongs
    // to the image window, and `redisplay` draws the image again after each change. `defaults`
    // are the display defaults of the options ("Default Settings", "Use Settings as Defaults").
    TImgAdjstDlg(DisplayParams &record, bool forImageWindow, DisplayParams &defaults,
                 std::function<void()> redisplay, QWidget *parent = nullptr);

    // Sets the controls from the record (as each showing of the dialog does) and runs it modally.
    int execute();

    // The image window's "&Adjust...": shows the dialog again after each "&Apply Changes" until it
    // closes with OK or Cancel; true for OK. `imageNumber` counts the loaded images from 1.
    static bool adjustImage(DisplayParams &windowRecord, DisplayParams &defaults, int imageNumber,
                            std::function<void()> redisplay, QWidget *parent = nullptr);
    // The options dialog's "&Image": adjusts the defaults themselves; true for OK.
    static bool setDefaults(DisplayParams &defaults, QWidget *parent = nullptr);

    QScrollBar *BriteScroll;
    QScrollBar *CntrstScroll;
    QLabel *BriteRO;
    QLabel *CntrstRO;
    QCheckBox *InvrtChk;
    QCheckBox *SaveChk;
    QPushButton *OrigBtn1;
    IndicatorLamp *OrigLED;
    QPushButton *DfltBtn1;
    IndicatorLamp *DfltLED;
    QPushButton *ApplyBtn;
    QPushButton *OkBtn1;
    QPushButton *CnclBtn1;

    // The record as it was when the dialog was created; Cancel restores it.
    DisplayParams Backup;
    // The invert value the image was last drawn with.
    bool OldInvert = false;

public slots:
    void FormActivate();
    void BriteScrollChange(int position);
    void CntrstScrollChange(int position);
    void ReadControls();
    void InvrtChkClick();
    void ApplyBtnClick();
    void OrigBtn1Click();
    void DfltBtn1Click();
    void OkBtn1Click();
    void CnclBtn1Click();
    void reject() override;

private:
    void setPositions(int brite, int contrast);
    void updateApply();
    void redisplay();

    DisplayParams &record_;
    bool forImageWindow_;
    DisplayParams &defaults_;
    std::function<void()> redisplay_;
};

} // namespace solar

#pragma once
// The centroid settings dialog TBoxDlgForm1 ("Box" Parameters): the peak-search box width, the
// centroid region diameter and the sky border, all in pixels; the box is never narrower than
// the region.

#include "support/DisplayParams.h"

#include <QDialog>

class QPushButton;
class QSpinBox;

namespace solar {

class TBoxDlgForm1 : public QDialog {
    Q_OBJECT
public:
    // working: the centroid box values the dialog shows and, on OK, changes.
    explicit TBoxDlgForm1(BoxParams &working, QWidget *parent = nullptr);

    // The options dialog's "Box" button: copies the options' values in, runs the dialog and on OK
    // copies them back. True on OK.
    static bool editBox(BoxParams &options, QWidget *parent = nullptr);

    QSpinBox *BoxWdEd, *ImgWdEd, *SkyWdEd;
    QPushButton *DfltBtn, *OKBtn, *CancelBtn;

    void FormActivate();
    void BoxWdEdChange(int value);
    void ImgWdEdChange(int value);
    void DfltBtnClick();
    void OKBtnClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    BoxParams &working_;
};

} // namespace solar

#pragma once
// The region-size dialog TMagnRgnDlg ("Set Magnification"): the side of the square region that
// the magnifier enlarges, with a bar that runs opposite to the size so that right magnifies more.

#include <QDialog>
#include <cstdint>
#include <functional>

class QLabel;
class QPushButton;
class QScrollBar;
class QSpinBox;

namespace solar {

class TMagnRgnDlg : public QDialog {
    Q_OBJECT
public:
    // defaultSize: the options' MagRegionSize ("&Default" and the starting size); repaintMagnifier
    // lets the magnifier follow the bar live.
    TMagnRgnDlg(std::uint8_t defaultSize, std::function<void()> repaintMagnifier, QWidget *parent = nullptr);

    // The options dialog's editor of the default size itself: "Set Default Mag Rgn Size", no bar,
    // no "&Default". True (and `size` changed) on OK.
    static bool editDefaultSize(std::uint8_t &size, QWidget *parent = nullptr);

    QSpinBox *BoxWdEd;
    QScrollBar *BoxWdScroll;
    QLabel *MgnLbl;
    QPushButton *DfltBtn, *OKBtn, *CancelBtn;

    int RegionSize; // the magnifier's region size, display pixels
    int SavedSize;  // for Cancel
    std::uint8_t DefaultSize;

    void FormActivate();
    void BoxWdScrollChange(int position);
    void BoxWdEdChange(int value);
    void DfltBtnClick();
    void OKBtnClick();
    void CancelBtnClick();
    void reject() override; // Cancel, Escape and the title bar

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::function<void()> repaint_;
};

} // namespace solar

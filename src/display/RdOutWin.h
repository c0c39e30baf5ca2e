#pragma once
// The cursor read-out TRdOutDisp: the cursor's or the measured spot's offsets from the disc
// centre in pixels, and its solar radii or heliographic longitude and latitude.

#include "display/ImageGeom.h"

#include <QLabel>
#include <QWidget>
#include <string>

namespace solar {

struct OptionsRecord;

// A numeric display with a fixed number of decimals.
class TNumDisplay : public QLabel {
    Q_OBJECT
public:
    TNumDisplay(int decimals, QWidget *parent = nullptr);
    void setValue(long double value);
    long double value() const { return value_; }

private:
    int decimals_;
    long double value_ = 0;
};

class TRdOutDisp : public QWidget {
    Q_OBJECT
public:
    explicit TRdOutDisp(OptionsRecord &options, QWidget *parent = nullptr);

    QLabel *XLbl, *YLbl, *PxlLbl, *CoordLbl;
    TNumDisplay *XDispP, *YDispP; // 2 decimals
    TNumDisplay *XDispR, *YDispR; // 5 decimals

    // Adapts the window to the measurement unit.
    void FormShow();
    // Caption and the four numbers.
    void ShowValues(const std::string &caption, const ReadoutValues &values);

signals:
    void shownChanged(bool shown); // shown, or closed

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    OptionsRecord &options_;
};

} // namespace solar

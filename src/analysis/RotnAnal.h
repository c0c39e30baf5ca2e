#pragma once
// The sine-curve rotation analysis window TRotnAnalysis ("Solar Rotation Analysis") and its
// parameter dialog TSinParmsForm1: one spot's solar-radius positions plotted against time, the
// initial estimate of T-zero and period, the sliders that adjust them, the refinement, and the
// period recorded as a result.

#include "analysis/SinWave.h"
#include "measure/IDList.h"
#include "measure/MeasData.h"

#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAction;
class QCheckBox;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPainter;
class QPushButton;
class QScrollBar;

namespace solar {

class LstSqrObj;
class TIDListForm1;
struct OptionsRecord;

// "Initial Curve Fit Parameters": T-zero (fit-time days) and period, stays on top.
class TSinParmsForm1 : public QDialog {
    Q_OBJECT
public:
    explicit TSinParmsForm1(QWidget *parent = nullptr);

    QLineEdit *TZroEd = nullptr;
    QLabel *TZroDate = nullptr; // the moment of TZroEd as a date and time, kept up to date
    QLineEdit *PrdEd = nullptr;
    QPushButton *OKBtn = nullptr;
    QPushButton *CancelBtn = nullptr;

    // Writes SinTZero and SinPeriod into the boxes (6 decimals).
    void FormShow();
    // The date and time (UT) of the T-zero box's fit time, or an empty text when it is no number.
    static std::string TZeroDateText(const QString &fitDays);
    // Stores both boxes into SinTZero and SinPeriod and closes with OK; a box that is no number,
    // a period of 0 or less, or a value out of range is reported, nothing is stored and the dialog
    // stays open.
    void OKBtnClick();
};

// A plain reading of a number with a fixed count of decimals, in the reading colour.
class TReadingBox : public QLabel {
    Q_OBJECT
public:
    TReadingBox(int digits, QWidget *parent = nullptr);
    void setValue(long double v, int decimals = 5);
    void setColours(std::uint32_t text, std::uint32_t background);
    std::string text() const { return text_; }

private:
    std::string text_;
};

// What the window needs of the rest of the program. Empty functions are skipped.
struct RotnAnalysisHooks {
    // The help topic dialog and viewer for a topic list file (full path).
    std::function<void(const std::string &topicListPath)> showHelp;
};

class TRotnAnalysis;

// The plot image, drawn by the window.
class TRotnPlotView : public QWidget {
public:
    explicit TRotnPlotView(TRotnAnalysis &form, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TRotnAnalysis &form_;
};

class TRotnAnalysis : public QDialog {
    Q_OBJECT
public:
    // options: the main window's working copy (Curve Fitting, Monochrome Display, Print in Color,
    // the help list and installation folder); measurements: the measurement list of the entry
    // window; idList: the spot-ID dialog (made here when none is given).
    TRotnAnalysis(OptionsRecord &options, MeasList &measurements, TIDListForm1 *idList = nullptr,
                  RotnAnalysisHooks hooks = {}, QWidget *parent = nullptr);
    ~TRotnAnalysis() override;

    static constexpr const char *Caption = QT_TR_NOOP("Solar Rotation Analysis");
    RotnAnalysisHooks Hooks;

    // Runs FormShow and the window modally.
    int Execute();

    // ---- Components ----
    QMenuBar *MainMenu1 = nullptr;
    QMenu *File1 = nullptr, *FitSineCurve1 = nullptr;
    QAction *LoadDataset1 = nullptr, *InitialEstimate1 = nullptr, *FitSep = nullptr, *ComputeFit1 = nullptr,
            *RecordResults1 = nullptr, *PrintWindow1 = nullptr, *Exit1 = nullptr, *Help1 = nullptr;
    TRotnPlotView *Display1 = nullptr;
    QLabel *RMSLbl = nullptr, *TLbl = nullptr, *PLbl = nullptr, *CrsLbl = nullptr, *FineLbl = nullptr,
           *PosLbl = nullptr;
    QLineEdit *RMSDisp = nullptr;
    TReadingBox *TReading = nullptr, *PReading = nullptr;
    QScrollBar *TScroll = nullptr, *PScroll = nullptr;
    QPushButton *TZRstBtn = nullptr, *PRstBtn = nullptr, *PosLftBtn = nullptr, *PosRtBtn = nullptr;
    QCheckBox *CFToggle = nullptr; // checked: fine
    TSinParmsForm1 *SinParmsForm = nullptr;

    // ---- State ----
    std::string SpotID; // empty: no dataset
    IDEntry Entry;
    std::vector<MeasRec> Points; // the loaded spot, in list order
    long double PlotOrigin = 0;  // moment of the first point: x = 0 of the time axis
    long double LastTime = 0;
    int PlotPosition = 0; // whole days
    int PlotOffsetPx = 0; // round(plot position x 20)
    SineBases Bases;      // T-zero base (0 = none) and period base
    bool SlidersLive = false;
    bool Monochrome = false;
    long double PreviousRMS = 0;
    long double MeanLat = 0, LatSD = 0;
    bool Recorded = true;
    QImage Plot; // Display1's image

    // ---- Handlers ----
    void FormShow();
    // Draws the plot image again and shows it.
    void FormPaint();
    // Draws the plot onto any painter of at least 668 x 361 pixels.
    void DrawPlot(QPainter &painter);
    // Asks about an unrecorded result, then empties the analysis. False when the student cancels.
    bool Reset();
    void LoadDataset1Click();
    // Loads the first run of records of `id` from the measurement list (the spot-ID dialog's part
    // of LoadDataset1Click is done).
    void LoadSpot(const IDEntry &entry);
    void InitialEstimate1Click();
    void ComputeFit1Click();
    void RecordResults1Click();
    void PrintWindow1Click();
    void Exit1Click();
    void Help1Click();
    void PosLftBtnClick();
    void PosRtBtnClick();
    void TScrollChange();
    void PScrollChange();
    void TZRstBtnClick();
    void PRstBtnClick();
    void CFToggleChange();

    // Slider maximum M of the present mode (1000 coarse, 10000 fine).
    int SliderMax() const;
    // The scheme's colours on the readings and the RMS box.
    void ApplyReadingColours();
    // Julian date of the T-zero reading.
    static long double TZeroJulian(long double sinTZero);

private:
    void buildControls();
    void sliderSetUp(bool fine);
    void setSliders(int t, int p);
    void showReadings();
    void setRmsColour(bool worse);
    void updatePositionButtons();
    void enableEstimateControls(bool on);

    OptionsRecord &options_;
    MeasList &measurements_;
    TIDListForm1 *idList_;
    std::unique_ptr<TIDListForm1> ownIdList_;
    std::unique_ptr<LstSqrObj> solver_;
    bool rmsWorse_ = false;
};

} // namespace solar

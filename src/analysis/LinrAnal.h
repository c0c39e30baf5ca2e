#pragma once
// The linear analysis of heliographic measurements: up to six spots' longitudes (or latitudes)
// plotted against time, a straight line per spot fitted by two sliders or by least squares, and
// the results recorded into the results list. The plot itself is painted by LinrAnalPaint.

#include "analysis/CurveFit.h"
#include "analysis/LinrAnalPaint.h"
#include "analysis/LinrPlot.h"
#include "support/Prompt.h"

#include <QDialog>
#include <QImage>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QCheckBox;
class QLabel;
class QLCDNumber;
class QMenu;
class QMenuBar;
class QPushButton;
class QScrollBar;
class QTimer;

namespace solar {

class MeasList;
class TIDListForm1;
struct OptionsRecord;

class TLinearAnalysis : public QDialog {
    Q_OBJECT
public:
    static constexpr int MaxDatasets = 6;

    // options: the main window's working copy ("Curve Fitting", "Print in Color", "Monochrome
    // Display", help list); list: the measurement list of the entry window.
    TLinearAnalysis(const OptionsRecord &options, MeasList &list, QWidget *parent = nullptr);
    ~TLinearAnalysis() override;

    // The program's spot-ID dialog (shared with the other analysis window); unset, the window
    // makes its own at the first show.
    TIDListForm1 *IDListForm = nullptr;
    // Shows the help topics of this window; unset, Help stays disabled.
    std::function<void()> ShowHelp;

    // ---- Components ----
    QMenuBar *MenuBar = nullptr;
    QMenu *File1 = nullptr, *Dataset1 = nullptr, *Load1 = nullptr, *PopupMenu1 = nullptr;
    QAction *LongitudeValues1 = nullptr, *LatitudeValues1 = nullptr, *Select1 = nullptr, *Delete1 = nullptr,
            *ClearAll1 = nullptr, *RecordResults1 = nullptr, *PrintScreen1 = nullptr, *Exit1 = nullptr,
            *Help1 = nullptr;
    TLinrPlotView *Display1 = nullptr;
    QLCDNumber *RMSReading = nullptr, *TReading = nullptr, *SlReading = nullptr;
    QLabel *RMSLbl = nullptr, *TLbl = nullptr, *SlLbl = nullptr, *CrsLbl = nullptr, *FineLbl = nullptr;
    QScrollBar *TScroll = nullptr, *SlScroll = nullptr;
    QPushButton *TZRstBtn = nullptr, *SlRstBtn = nullptr, *PosLftBtn = nullptr, *PosRtBtn = nullptr;
    QCheckBox *CFToggle = nullptr; // checked: fine
    QTimer *PlotTimer = nullptr;

    // ---- State ----
    std::int32_t PlotPosition = 0; // whole days
    int PlotStep = 0;
    long double SlopeBase = 0;
    long double TRange = 0, SlopeRange = 0;
    bool SlidersLive = false;
    bool LeftDown = false, RightDown = false;
    struct ColorSlot {
        std::uint32_t Color;
        bool InUse;
    };
    ColorSlot ColorTable[MaxDatasets];
    std::vector<LinrAnalObj> Datasets; // the last index is Datasets.size() - 1
    LinrPlotState Plot;                // mode, selection, colours, origin, offset
    LstSqrObj Solver;

    int Mode() const { return Plot.Mode; }
    int Selected() const { return Plot.Selected; }
    int Last() const { return static_cast<int>(Datasets.size()) - 1; }
    // The plot as last drawn.
    const QImage &PlotImage() const { return Display1->Image; }

    // ---- Handlers ----
    void FormShow();
    void FormPaint();
    bool FormCloseQuery();
    void LongitudeValues1Click();
    void LatitudeValues1Click();
    void Select1Click();
    void Delete1Click();
    void ClearAll1Click();
    void RecordResults1Click();
    void PrintScreen1Click();
    void Exit1Click();
    void Help1Click();
    void Display1MouseDown(Qt::MouseButton button, int X, int Y);
    void Display1MouseUp(Qt::MouseButton button, int X, int Y);
    // Keys on the plot: Up and Down (or 1 to 6) select a dataset as a click on its label does,
    // Left and Right move the plot a day. True when the key was taken.
    bool Display1KeyDown(int key);
    // The datasets and the selected fit, for a screen reader.
    void DescribePlot();
    void PosLftBtnMouseDown();
    void PosRtBtnMouseDown();
    void PosBtnMouseUp();
    void PlotTimerTimer();
    void TScrollChange();
    void SlScrollChange();
    void TZRstBtnClick();
    void SlRstBtnClick();
    void CFToggleChange();

protected:
    void showEvent(QShowEvent *event) override;
    void reject() override; // Escape, the title bar and Exit: FormCloseQuery decides

private:
    void build();
    void LoadDataset(int mode);
    // Removes dataset i after asking about unrecorded results; false when the student cancelled.
    bool RemoveDataset(int i);
    // Asks about unrecorded results; Yes records them first.
    Answer AskRecordFirst();
    bool AllRecorded() const;
    void ResetWindow();
    void UpdateMenus();
    void CoarseFineSetup();
    void ApplyColors();
    void ShowReading(QLCDNumber *reading, long double value, bool withSign);

    const OptionsRecord &Options;
    MeasList &List;
    std::unique_ptr<TIDListForm1> ownIDList_;
};

} // namespace solar

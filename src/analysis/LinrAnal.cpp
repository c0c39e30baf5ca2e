#include "analysis/LinrAnal.h"

#include "analysis/AnalPrint.h"
#include "analysis/DiffRot.h"

#include "analysis/RsltsDlg.h"
#include "astro/DateTime.h"
#include "measure/IDListForm.h"
#include "measure/MeasData.h"
#include "support/Options.h"
#include "support/PrintHdr.h"
#include "support/QtPrompt.h"
#include "support/StringUt.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLCDNumber>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>
#include <iterator>

namespace solar {

using namespace linrplot;
using namespace linrpaint;

namespace {

constexpr long double DegToRad = 0.017453292519943295769L;

// Colours as 0x00BBGGRR.
constexpr std::uint32_t White = 0xFFFFFF, Silver = 0xC0C0C0, Red = 0x0000FF, Lime = 0x00FF00;
static_assert(TLinearAnalysis::MaxDatasets == std::size(SpotColours));
constexpr const std::uint32_t (&DatasetColors)[TLinearAnalysis::MaxDatasets] = SpotColours;

constexpr int SliderMax = 1000;

} // namespace

// ---------------------------------------------------------------------------------------------

TLinearAnalysis::TLinearAnalysis(const OptionsRecord &options, MeasList &list, QWidget *parent)
    : QDialog(parent), Options(options), List(list) {
    setWindowTitle(tr("Solar Rotation Analysis"));
    build();
    // FormCreate.
    Plot.Datasets = &Datasets;
    Plot.Mode = ModeNone;
    Plot.Selected = -1;
    for (int i = 0; i < MaxDatasets; ++i)
        ColorTable[i] = {DatasetColors[i], false};
    ResetWindow();
    UpdateMenus();
}

TLinearAnalysis::~TLinearAnalysis() = default;

void TLinearAnalysis::build() {
    MenuBar = new QMenuBar(this);
    File1 = MenuBar->addMenu(tr("&File"));
    Dataset1 = File1->addMenu(tr("&Dataset"));
    Load1 = Dataset1->addMenu(tr("&Load"));
    LongitudeValues1 =
        Load1->addAction(tr("&Longitude Values..."), this, [this] { LongitudeValues1Click(); });
    LatitudeValues1 = Load1->addAction(tr("L&atitude Values..."), this, [this] { LatitudeValues1Click(); });
    Select1 = Dataset1->addAction(tr("&Select..."), this, [this] { Select1Click(); });
    Delete1 = Dataset1->addAction(tr("&Remove Selected Dataset..."), this, [this] { Delete1Click(); });
    ClearAll1 = Dataset1->addAction(tr("&Clear All Datasets..."), this, [this] { ClearAll1Click(); });
    RecordResults1 = File1->addAction(tr("&Record Results..."), this, [this] { RecordResults1Click(); });
    PrintScreen1 = File1->addAction(tr("&Print Window..."), this, [this] { PrintScreen1Click(); });
    File1->addSeparator();
    Exit1 = File1->addAction(tr("E&xit"), this, [this] { Exit1Click(); });
    Help1 = MenuBar->addAction(tr("&Help"), this, [this] { Help1Click(); });
    // The pop-up shares the two remove actions, so both always change together.
    PopupMenu1 = new QMenu(this);
    PopupMenu1->addAction(Delete1);
    PopupMenu1->addAction(ClearAll1);

    Display1 = new TLinrPlotView(this);
    Display1->pressed = [this](Qt::MouseButton b, int x, int y) { Display1MouseDown(b, x, y); };
    Display1->released = [this](Qt::MouseButton b, int x, int y) { Display1MouseUp(b, x, y); };

    auto reading = [this](int digits) {
        auto *r = new QLCDNumber(digits, this);
        r->setSegmentStyle(QLCDNumber::Flat);
        r->setSmallDecimalPoint(true);
        r->setFixedHeight(30);
        r->setAutoFillBackground(true);
        return r;
    };
    RMSReading = reading(7);
    TReading = reading(12);
    SlReading = reading(8);
    RMSLbl = new QLabel(tr("Fit (RMS Degs)"), this);
    TLbl = new QLabel(tr("T-Zero (X Intercept - Julian Day)"), this);
    SlLbl = new QLabel(tr("Slope (Degrees per Day)"), this);

    auto slider = [this] {
        auto *s = new QScrollBar(Qt::Horizontal, this);
        s->setRange(-SliderMax, SliderMax);
        s->setSingleStep(1);
        s->setPageStep(50);
        return s;
    };
    TScroll = slider();
    SlScroll = slider();
    connect(TScroll, &QScrollBar::valueChanged, this, [this] { TScrollChange(); });
    connect(SlScroll, &QScrollBar::valueChanged, this, [this] { SlScrollChange(); });
    TZRstBtn = new QPushButton(tr("Reset the T-Zero Slider"), this);
    SlRstBtn = new QPushButton(tr("Reset the Slope Slider"), this);
    connect(TZRstBtn, &QPushButton::clicked, this, [this] { TZRstBtnClick(); });
    connect(SlRstBtn, &QPushButton::clicked, this, [this] { SlRstBtnClick(); });
    CFToggle = new QCheckBox(this);
    CFToggle->setToolTip(tr("Coarse or fine slider steps"));
    connect(CFToggle, &QCheckBox::toggled, this, [this] { CFToggleChange(); });
    CrsLbl = new QLabel(tr("Coarse"), this);
    FineLbl = new QLabel(tr("Fine"), this);
    PosLftBtn = new QPushButton("<<", this);
    PosRtBtn = new QPushButton(">>", this);
    PosLftBtn->setToolTip(tr("Move the plot one day to the left"));
    PosRtBtn->setToolTip(tr("Move the plot one day to the right"));
    connect(PosLftBtn, &QPushButton::pressed, this, [this] { PosLftBtnMouseDown(); });
    connect(PosRtBtn, &QPushButton::pressed, this, [this] { PosRtBtnMouseDown(); });
    connect(PosLftBtn, &QPushButton::released, this, [this] { PosBtnMouseUp(); });
    connect(PosRtBtn, &QPushButton::released, this, [this] { PosBtnMouseUp(); });
    // Names for a screen reader. The sliders take the arrow and page keys, the position buttons
    // move the plot while Space holds them, and the plot's own keys select datasets.
    TScroll->setAccessibleName(tr("T-Zero slider"));
    TScroll->setAccessibleDescription(tr("Moves the line's zero crossing; the slope stays."));
    SlScroll->setAccessibleName(tr("Slope slider"));
    SlScroll->setAccessibleDescription(tr("Changes the slope, the rotation rate; the zero crossing stays."));
    // Right and Page Up raise a slider, as on any slider (a scroll bar would invert them).
    for (QScrollBar *s : {TScroll, SlScroll}) {
        s->setFocusPolicy(Qt::StrongFocus);
        s->setInvertedControls(false);
    }
    CFToggle->setAccessibleName(tr("Fine slider steps"));
    CFToggle->setAccessibleDescription(tr("Off: coarse slider ranges; on: a hundredth of them."));
    PosLftBtn->setAccessibleName(tr("Plot position left"));
    PosLftBtn->setAccessibleDescription(tr("Moves the plot one day to the left, repeating while held."));
    PosRtBtn->setAccessibleName(tr("Plot position right"));
    PosRtBtn->setAccessibleDescription(tr("Moves the plot one day to the right, repeating while held."));
    Display1->setAccessibleName(tr("Longitude or latitude against time, plot"));
    Display1->keyPressed = [this](int key) { return Display1KeyDown(key); };
    // Tab follows the layout: the plot row, then the switch, the sliders and their resets.
    QWidget *order[] = {PosLftBtn, Display1, PosRtBtn, CFToggle, TScroll, SlScroll, TZRstBtn, SlRstBtn};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    PlotTimer = new QTimer(this);
    PlotTimer->setInterval(250);
    connect(PlotTimer, &QTimer::timeout, this, [this] { PlotTimerTimer(); });

    auto *top = new QVBoxLayout(this);
    top->setMenuBar(MenuBar);
    top->setContentsMargins(6, 4, 6, 6);
    top->setSpacing(4);
    auto *plotRow = new QHBoxLayout;
    plotRow->addWidget(PosLftBtn);
    plotRow->addWidget(Display1);
    plotRow->addWidget(PosRtBtn);
    PosLftBtn->setFixedWidth(28);
    PosRtBtn->setFixedWidth(28);
    top->addLayout(plotRow);
    auto *grid = new QGridLayout;
    grid->addWidget(RMSLbl, 0, 0);
    grid->addWidget(TLbl, 0, 1);
    grid->addWidget(SlLbl, 0, 2);
    grid->addWidget(RMSReading, 1, 0);
    grid->addWidget(TReading, 1, 1);
    grid->addWidget(SlReading, 1, 2);
    grid->addWidget(TScroll, 2, 1);
    grid->addWidget(SlScroll, 2, 2);
    grid->addWidget(TZRstBtn, 3, 1);
    grid->addWidget(SlRstBtn, 3, 2);
    auto *toggle = new QHBoxLayout;
    toggle->addWidget(CrsLbl);
    toggle->addWidget(CFToggle);
    toggle->addWidget(FineLbl);
    toggle->addStretch();
    grid->addLayout(toggle, 2, 0);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(2, 2);
    top->addLayout(grid);
    setSizeGripEnabled(false);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

// ---- Showing and drawing ---------------------------------------------------------------------

void TLinearAnalysis::showEvent(QShowEvent *event) {
    FormShow();
    QDialog::showEvent(event);
    // Centred in the screen's available area; the window is smaller than a 1366 x 768 screen.
    if (const QScreen *screen = this->screen()) {
        const QRect avail = screen->availableGeometry();
        const QSize size = frameGeometry().size();
        move(avail.x() + std::max(0, (avail.width() - size.width()) / 2),
             avail.y() + std::max(0, (avail.height() - size.height()) / 2));
    }
}

void TLinearAnalysis::FormShow() {
    if (!IDListForm) {
        if (!ownIDList_)
            ownIDList_ = std::make_unique<TIDListForm1>(this);
        IDListForm = ownIDList_.get();
    }
    IDListForm->BuildSpotList(List);
    LeftDown = RightDown = false;
    Plot.Monochrome = Options.MonochromeDisplay;
    Help1->setEnabled(ShowHelp && !Options.LinearHelpList.empty());
    ApplyColors();
    FormPaint();
}

void TLinearAnalysis::ApplyColors() {
    const QColor normal = qcolor(Plot.Monochrome ? White : Lime);
    for (QLCDNumber *r : {RMSReading, TReading, SlReading}) {
        QPalette pal = r->palette();
        pal.setColor(QPalette::WindowText, normal);
        pal.setColor(QPalette::Window, Qt::black);
        r->setPalette(pal);
    }
}

void TLinearAnalysis::ShowReading(QLCDNumber *reading, long double value, bool withSign) {
    if (!std::isfinite(value))
        value = 0; // no reading ever shows a value that is not a number
    if (!withSign)
        value = std::fabs(value);
    const QString text = QString::fromStdString(FixedText(value, 5));
    if (text.size() > reading->digitCount())
        reading->setDigitCount(int(text.size()));
    reading->display(text);
}

void TLinearAnalysis::FormPaint() {
    {
        QPainter p(&Display1->Image);
        Plot.Font = font();
        DrawLinearPlot(p, Plot);
    }
    Display1->update();
    DescribePlot();
    if (Plot.Selected < 0)
        return;
    LinrAnalObj &d = Datasets[std::size_t(Plot.Selected)];
    const bool better = d.PrevRMS == 0 || d.RMS <= d.PrevRMS || !std::isfinite(d.RMS);
    QPalette pal = RMSReading->palette();
    pal.setColor(QPalette::WindowText,
                 qcolor(better ? (Plot.Monochrome ? White : Lime) : (Plot.Monochrome ? Silver : Red)));
    RMSReading->setPalette(pal);
    ShowReading(RMSReading, d.RMS, false);
    d.PrevRMS = std::isfinite(d.RMS) ? d.RMS : 0;
    if (Plot.Mode == ModeLongitude) {
        long double jd = 0;
        if (d.TZero != 0) {
            CalendarRec cal;
            SetMoment(cal, d.TZero);
            jd = JulianDate(cal);
        }
        ShowReading(TReading, jd, false);
        ShowReading(SlReading, d.RtnRate, true);
    } else if (Plot.Mode == ModeLatitude) {
        ShowReading(TReading, d.MeanLat * RadToDeg, true);
    }
}

// ---- Loading ----------------------------------------------------------------------------------

void TLinearAnalysis::LongitudeValues1Click() {
    LoadDataset(ModeLongitude);
}

void TLinearAnalysis::LatitudeValues1Click() {
    LoadDataset(ModeLatitude);
}

void TLinearAnalysis::LoadDataset(int mode) {
    if (Last() >= MaxDatasets - 1)
        return;
    Plot.Mode = mode;
    if (!IDListForm)
        FormShow();
    // The spots as the measurement list holds them now.
    IDListForm->BuildSpotList(List);
    IDListForm->setWindowTitle(mode == ModeLongitude ? tr("Load Longitude Values")
                                                     : tr("Load Latitude Values"));
    IDListForm->exec();
    const std::string id = IDListForm->SelectedID.substr(0, 3);
    if (id.empty())
        return;
    for (std::size_t i = 0; i < Datasets.size(); ++i) {
        if (Datasets[i].SpotID.str() != id)
            continue;
        const QString already = mode == ModeLongitude ? tr("Longitude values for Spot \"%1\" already loaded.")
                                                      : tr("Latitude values for Spot \"%1\" already loaded.");
        prompt().message(tr("Data Already Loaded").toStdString(),
                         already.arg(QString::fromStdString(id)).toStdString(), Icon::Information,
                         Buttons::OK);
        Plot.Selected = int(i);
        // The sliders start again from the line now selected.
        TZRstBtnClick();
        SlRstBtnClick();
        FormPaint();
        return;
    }

    LinrAnalObj d;
    d.SpotID = id;
    d.Entry = IDListForm->SelectedEntry;
    d.Recorded = true;
    d.LineShown = false;
    // The first run of this spot's records in the list (the list is sorted by spot, then time).
    List.Reset();
    while (!List.AtLast()) {
        const MeasRec *r = List.NextAs<MeasRec>();
        if (r->ID.str() != id) {
            if (!d.Points.empty())
                break;
            continue;
        }
        if (d.Points.empty()) {
            d.FirstTime = r->Time;
            d.RefTime = r->Time;
            PlotPosition = 4 + (r->XOff >= 0 ? 3 : 0);
            Plot.PlotOffset = PlotOffset(PlotPosition);
        }
        d.Points.push_back(*r);
        d.LastTime = r->Time;
    }
    if (d.Points.empty()) {
        // The spot list was older than the measurement list.
        prompt().message(
            tr("No Measurements").toStdString(),
            tr("There are no measurements of spot \"%1\".").arg(QString::fromStdString(id)).toStdString(),
            Icon::Information, Buttons::OK);
        return;
    }
    for (ColorSlot &c : ColorTable)
        if (!c.InUse) {
            d.Color = c.Color;
            c.InUse = true;
            break;
        }
    if (mode == ModeLongitude) {
        d.Slope = 12.0L;
        SlopeBase = 12.0L;
        d.Period = 0;
        d.RtnRate = 12.0L;
        const long double m = (static_cast<long double>(d.LastTime) + d.FirstTime) / 2;
        d.Intercept = (d.FirstTime - m) * 12.0L;
        d.TZero = static_cast<double>(m);
        d.RMS = LineRMS(d);
        d.PrevRMS = 0;
    }
    Datasets.push_back(std::move(d));
    Plot.Selected = Last();
    UpdateMenus();
    PosLftBtn->setEnabled(true);
    PosRtBtn->setEnabled(true);
    // One kind of dataset at a time.
    (mode == ModeLongitude ? LatitudeValues1 : LongitudeValues1)->setEnabled(false);

    LinrAnalObj &s = Datasets.back();
    if (mode == ModeLongitude) {
        ShowReading(RMSReading, 0, false);
        ApplyColors();
        TLbl->setText(tr("T-Zero (X Intercept - Julian Day)"));
        ShowReading(TReading, 0, false);
        ShowReading(SlReading, 0, true);
        if (Options.CurveFitting) {
            s.LineShown = FitLine(s, Solver);
            if (s.LineShown)
                RecordResults1->setEnabled(true);
            FormPaint();
            return;
        }
        CFToggle->setEnabled(true);
        {
            const QSignalBlocker block(CFToggle);
            CFToggle->setChecked(false);
        }
        CoarseFineSetup();
        for (QWidget *w : std::initializer_list<QWidget *>{TScroll, SlScroll, TZRstBtn, SlRstBtn})
            w->setEnabled(true);
        s.LineShown = true;
        s.Recorded = false;
        RecordResults1->setEnabled(true);
        FormPaint();
        return;
    }
    s.LineShown = true;
    ShowReading(RMSReading, 0, false);
    TLbl->setText(tr("Mean Latitude (Degs)"));
    ShowReading(TReading, 0, true);
    ShowReading(SlReading, 0, true);
    FormPaint();
}

void TLinearAnalysis::UpdateMenus() {
    const int n = int(Datasets.size());
    Load1->menuAction()->setEnabled(n < MaxDatasets);
    Select1->setEnabled(n >= 2);
    ClearAll1->setEnabled(n >= 2);
    Delete1->setEnabled(n >= 1);
    if (n == 0) {
        LongitudeValues1->setEnabled(true);
        LatitudeValues1->setEnabled(true);
    }
}

// ---- Sliders ----------------------------------------------------------------------------------

void TLinearAnalysis::CoarseFineSetup() {
    const bool fine = CFToggle->isChecked();
    TRange = fine ? DaysAcross / 200.0L : DaysAcross / 2.0L;
    SlopeRange = fine ? 1.0L : 100.0L;
    SlidersLive = false;
    if (Plot.Selected >= 0) {
        LinrAnalObj &d = Datasets[std::size_t(Plot.Selected)];
        d.TZeroOffset = d.TZero - static_cast<long double>(d.FirstTime);
        TScroll->setValue(0);
        SlopeBase = d.Slope;
        SlScroll->setValue(0);
    }
    CrsLbl->setEnabled(!fine);
    FineLbl->setEnabled(fine);
    SlidersLive = true;
}

void TLinearAnalysis::CFToggleChange() {
    CoarseFineSetup();
}

void TLinearAnalysis::TScrollChange() {
    if (!SlidersLive || Plot.Selected < 0)
        return;
    LinrAnalObj &d = Datasets[std::size_t(Plot.Selected)];
    const long double offset = TScroll->value() * TRange / SliderMax + d.TZeroOffset;
    d.Intercept = -offset * d.Slope;
    d.TZero = static_cast<double>(offset + d.FirstTime);
    d.RMS = LineRMS(d);
    FormPaint();
}

void TLinearAnalysis::SlScrollChange() {
    if (!SlidersLive || Plot.Selected < 0)
        return;
    LinrAnalObj &d = Datasets[std::size_t(Plot.Selected)];
    const long double s = SlScroll->value() * SlopeRange / SliderMax + SlopeBase;
    if (std::fabs(d.Slope) >= 1e-10L)
        d.Intercept = s * d.Intercept / d.Slope; // the zero crossing stays
    else if (d.TZero != 0)
        // From a flat line the crossing is the T-zero the student set, not the reference time.
        d.Intercept = -(d.TZero - static_cast<long double>(d.FirstTime)) * s;
    d.Slope = s;
    d.RtnRate = s;
    d.RMS = LineRMS(d);
    FormPaint();
}

void TLinearAnalysis::TZRstBtnClick() {
    if (Plot.Selected < 0)
        return;
    LinrAnalObj &d = Datasets[std::size_t(Plot.Selected)];
    d.TZeroOffset = d.TZero - static_cast<long double>(d.FirstTime);
    const QSignalBlocker block(TScroll);
    TScroll->setValue(0);
}

void TLinearAnalysis::SlRstBtnClick() {
    if (Plot.Selected < 0)
        return;
    SlopeBase = Datasets[std::size_t(Plot.Selected)].Slope;
    const QSignalBlocker block(SlScroll);
    SlScroll->setValue(0);
}

// ---- Plot position ----------------------------------------------------------------------------

void TLinearAnalysis::PosLftBtnMouseDown() {
    PlotStep = -1;
    PlotTimerTimer();
    PlotTimer->start();
}

void TLinearAnalysis::PosRtBtnMouseDown() {
    PlotStep = 1;
    PlotTimerTimer();
    PlotTimer->start();
}

void TLinearAnalysis::PosBtnMouseUp() {
    PlotTimer->stop();
}

void TLinearAnalysis::PlotTimerTimer() {
    // Far enough to move any dataset off the axis, short of overflowing the offset.
    PlotPosition = std::clamp(PlotPosition + PlotStep, -100000, 100000);
    Plot.PlotOffset = PlotOffset(PlotPosition);
    FormPaint();
}

// ---- Selecting --------------------------------------------------------------------------------

void TLinearAnalysis::Display1MouseDown(Qt::MouseButton button, int, int) {
    LeftDown = button == Qt::LeftButton;
    RightDown = button == Qt::RightButton;
}

void TLinearAnalysis::Display1MouseUp(Qt::MouseButton button, int X, int Y) {
    if (button == Qt::LeftButton && LeftDown) {
        LeftDown = false;
        int best = -1;
        double bestDist = 50.0;
        for (std::size_t i = 0; i < Datasets.size(); ++i) {
            const double dist = std::hypot(double(X - Datasets[i].LabelX), double(Y - Datasets[i].LabelY));
            if (dist < bestDist) {
                bestDist = dist;
                best = int(i);
            }
        }
        if (best < 0)
            return;
        Plot.Selected = best;
        TZRstBtnClick();
        SlRstBtnClick();
        FormPaint();
    } else if (button == Qt::RightButton && RightDown) {
        RightDown = false;
        if (Delete1->isEnabled() || ClearAll1->isEnabled())
            PopupMenu1->popup(Display1->mapToGlobal(QPoint(X + 20, Y + 20)));
    }
}

bool TLinearAnalysis::Display1KeyDown(int key) {
    const int count = int(Datasets.size());
    int pick = -1;
    if (key == Qt::Key_Up || key == Qt::Key_PageUp)
        pick = Plot.Selected - 1;
    else if (key == Qt::Key_Down || key == Qt::Key_PageDown)
        pick = Plot.Selected + 1;
    else if (key >= Qt::Key_1 && key <= Qt::Key_6)
        pick = key - Qt::Key_1;
    else if ((key == Qt::Key_Left || key == Qt::Key_Right) && PosLftBtn->isEnabled()) {
        PlotPosition += key == Qt::Key_Left ? -1 : 1;
        Plot.PlotOffset = PlotOffset(PlotPosition);
        FormPaint();
        return true;
    } else
        return false;
    // As a click on the dataset's label.
    if (pick >= 0 && pick < count && pick != Plot.Selected) {
        Plot.Selected = pick;
        TZRstBtnClick();
        SlRstBtnClick();
        FormPaint();
    }
    return true;
}

void TLinearAnalysis::DescribePlot() {
    QStringList names;
    for (std::size_t i = 0; i < Datasets.size(); ++i)
        names << QString::fromStdString(Datasets[i].SpotID.str()) +
                     (int(i) == Plot.Selected ? tr(" (selected)") : QString());
    QString said =
        names.isEmpty()
            ? tr("No datasets. ")
            : tr("Datasets: %1. Up and Down select, Left and Right move the plot. ").arg(names.join(", "));
    if (Plot.Selected >= 0 && Plot.Selected < int(Datasets.size())) {
        const LinrAnalObj &d = Datasets[std::size_t(Plot.Selected)];
        if (Plot.Mode == ModeLongitude && d.LineShown) {
            long double jd = 0;
            if (d.TZero != 0) {
                CalendarRec cal;
                SetMoment(cal, d.TZero);
                jd = JulianDate(cal);
            }
            said += tr("Fit of %1: rate %2 degrees per day, T-zero Julian day %3, RMS %4 degrees.")
                        .arg(QString::fromStdString(d.SpotID.str()),
                             QString::fromStdString(FixedText(d.RtnRate, 5)),
                             QString::fromStdString(FixedText(jd, 5)),
                             QString::fromStdString(FixedText(d.RMS, 5)));
        } else if (Plot.Mode == ModeLatitude) {
            said += tr("Mean latitude of %1: %2 degrees, standard deviation %3 degrees.")
                        .arg(QString::fromStdString(d.SpotID.str()),
                             QString::fromStdString(FixedText(d.MeanLat * RadToDeg, 5)),
                             QString::fromStdString(FixedText(d.LatSD * RadToDeg, 5)));
        }
    }
    Display1->setAccessibleDescription(said);
}

void TLinearAnalysis::Select1Click() {
    prompt().message(
        tr("Click Label to Select").toStdString(),
        tr("Click on the dataset ID label on the graph to select the dataset\r\nThe label of the "
           "currently selected dataset is highlighted by a rectangle.")
            .toStdString(),
        Icon::Information, Buttons::OK);
}

// ---- Removing ---------------------------------------------------------------------------------

Answer TLinearAnalysis::AskRecordFirst() {
    const Answer a = prompt().message(
        tr("Results Not Recorded!").toStdString(),
        tr("You have not recorded your results.\r\n\r\nDo you want to record them now?").toStdString(),
        Icon::Question, Buttons::YesNoCancel);
    if (a == Answer::Yes)
        RecordResults1Click();
    return a;
}

bool TLinearAnalysis::AllRecorded() const {
    for (const LinrAnalObj &d : Datasets)
        if (!d.Recorded)
            return false;
    return true;
}

bool TLinearAnalysis::RemoveDataset(int i) {
    if (i < 0 || i > Last())
        return false;
    if (!Datasets[std::size_t(i)].Recorded) {
        const Answer a = AskRecordFirst();
        // Yes with the result dialog cancelled keeps the dataset, whose result would be lost.
        if (a == Answer::Cancel || (a == Answer::Yes && !Datasets[std::size_t(i)].Recorded))
            return false;
    }
    for (ColorSlot &c : ColorTable)
        if (c.Color == Datasets[std::size_t(i)].Color)
            c.InUse = false;
    Datasets.erase(Datasets.begin() + i);
    if (Plot.Selected >= i)
        --Plot.Selected;
    if (Plot.Selected < 0 && !Datasets.empty())
        Plot.Selected = 0;
    if (Datasets.empty()) {
        ResetWindow();
    } else {
        // The sliders start again from the line now selected, not from the removed one.
        TZRstBtnClick();
        SlRstBtnClick();
    }
    return true;
}

void TLinearAnalysis::ResetWindow() {
    for (QLCDNumber *r : {RMSReading, TReading, SlReading})
        ShowReading(r, 0, false);
    for (QWidget *w : std::initializer_list<QWidget *>{TScroll, SlScroll, TZRstBtn, SlRstBtn, CrsLbl, FineLbl,
                                                       CFToggle, PosLftBtn, PosRtBtn})
        w->setEnabled(false);
    RecordResults1->setEnabled(false);
    Plot.Mode = ModeNone;
    Plot.Selected = -1;
    SlidersLive = false;
    if (isVisible())
        FormPaint();
}

void TLinearAnalysis::Delete1Click() {
    if (Plot.Selected < 0)
        return;
    const std::string id = Datasets[std::size_t(Plot.Selected)].SpotID.str();
    if (prompt().message(tr("Verify Deletion").toStdString(),
                         tr("Remove dataset \"%1\" from plot?").arg(QString::fromStdString(id)).toStdString(),
                         Icon::Question, Buttons::YesNo) != Answer::Yes)
        return;
    RemoveDataset(Plot.Selected);
    UpdateMenus();
    FormPaint();
}

void TLinearAnalysis::ClearAll1Click() {
    if (prompt().message(tr("Verify Delete All").toStdString(),
                         tr("Remove all datasets from plot?").toStdString(), Icon::Question,
                         Buttons::YesNo) != Answer::Yes)
        return;
    if (Datasets.size() == 1) {
        RemoveDataset(0);
    } else {
        if (!AllRecorded()) {
            const Answer a = AskRecordFirst();
            if (a == Answer::Cancel || (a == Answer::Yes && !AllRecorded()))
                return;
        }
        Datasets.clear();
        for (ColorSlot &c : ColorTable)
            c.InUse = false;
        ResetWindow();
    }
    UpdateMenus();
    FormPaint();
}

// ---- Recording --------------------------------------------------------------------------------

void TLinearAnalysis::RecordResults1Click() {
    for (LinrAnalObj &d : Datasets) {
        if (d.Recorded)
            continue;
        RsltsRec rec;
        rec.SpotID = d.Entry.ID.str().empty() ? d.SpotID : d.Entry.ID;
        rec.FirstTime = d.Entry.FirstTime;
        rec.LastTime = d.Entry.LastTime;
        rec.MeanLat = d.MeanLat;
        rec.LatRMS = d.LatSD;
        rec.LongRMS = d.RMS * DegToRad;
        rec.SidPeriod = 0;
        rec.TZero = d.TZero;
        rec.SynPeriod = d.Period;
        rec.RtnRate = d.RtnRate;
        SanitizeResult(rec);
        if (!RecordResult(this, rec))
            return; // Cancel ends the command; the rest stay unrecorded
        d.Recorded = true;
    }
    prompt().message(tr("Results Saved").toStdString(), tr("Result data added to list.").toStdString(),
                     Icon::Information, Buttons::OK);
    RecordResults1->setEnabled(false);
}

bool TLinearAnalysis::FormCloseQuery() {
    // The datasets stay with the window, so closing loses nothing even when recording is cancelled.
    return AllRecorded() || AskRecordFirst() != Answer::Cancel;
}

void TLinearAnalysis::reject() {
    PlotTimer->stop();
    if (FormCloseQuery())
        QDialog::reject();
}

void TLinearAnalysis::Exit1Click() {
    reject();
}

void TLinearAnalysis::Help1Click() {
    if (ShowHelp)
        ShowHelp();
}

// ---- Printing ---------------------------------------------------------------------------------

void TLinearAnalysis::PrintScreen1Click() {
    printAnalysisWindow(*this, Options, [this](bool monochrome) {
        Plot.Monochrome = monochrome;
        ApplyColors();
        FormPaint();
    });
}

} // namespace solar

#include "analysis/RotnAnal.h"

#include "analysis/AnalPrint.h"
#include "analysis/CurveFit.h"
#include "analysis/RotnPlot.h"
#include "analysis/RsltsData.h"
#include "analysis/RsltsDlg.h"
#include "astro/DateTime.h"
#include "measure/IDListForm.h"
#include "support/Options.h"
#include "support/Prompt.h"
#include "support/QtPrompt.h"
#include "support/StringUt.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>
#include <cmath>
#include <stdexcept>

namespace solar {

namespace {

QColor qcolour(std::uint32_t c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

// The whole text of an edit box as a real; false when it is no number.
bool parseEntry(const QString &text, long double &out) {
    std::string s = text.toStdString();
    if (s.find_first_not_of(' ') == std::string::npos)
        return false;
    try {
        out = NumberToken(s, '\n');
    } catch (const std::invalid_argument &) {
        return false;
    }
    return std::isfinite(out);
}

} // namespace

// ---------------------------------------------------------------------------------------------
// TSinParmsForm1

TSinParmsForm1::TSinParmsForm1(QWidget *parent) : QDialog(parent) {
    setObjectName("SinParmsForm1");
    setWindowTitle(tr("Initial Curve Fit Parameters"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    TZroEd = new QLineEdit(this);
    PrdEd = new QLineEdit(this);
    OKBtn = new QPushButton(tr("OK"), this);
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(tr("Cancel"), this);
    connect(OKBtn, &QPushButton::clicked, this, &TSinParmsForm1::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("TZero (Days):"), this), 0, 0);
    grid->addWidget(TZroEd, 0, 1);
    TZroDate = new QLabel(this);
    TZroDate->setMinimumWidth(TZroDate->fontMetrics().horizontalAdvance("(8888/88/88 88:88:88 UT)") + 8);
    grid->addWidget(TZroDate, 0, 2);
    connect(TZroEd, &QLineEdit::textChanged, this,
            [this](const QString &t) { TZroDate->setText(QString::fromStdString(TZeroDateText(t))); });
    grid->addWidget(new QLabel(tr("Period (Days):"), this), 1, 0);
    grid->addWidget(PrdEd, 1, 1);
    TZroEd->setAccessibleName(tr("TZero (Days)"));
    TZroEd->setAccessibleDescription(tr("Fit-time days: the moment less 37000 days"));
    PrdEd->setAccessibleName(tr("Period (Days)"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TSinParmsForm1::FormShow() {
    TZroEd->setText(QString::fromStdString(FixedText(SinTZero, 6)));
    PrdEd->setText(QString::fromStdString(FixedText(SinPeriod, 6)));
}

std::string TSinParmsForm1::TZeroDateText(const QString &fitDays) {
    long double days = 0;
    if (!parseEntry(fitDays, days) || std::fabs(days) > 1e6)
        return "";
    // Fit time counts days from the moment 37000 (2001-04-19 00:00 UT); to the nearest second.
    const double moment = std::round(double(days + FitTimeOffset) * 86400.0) / 86400.0;
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, ms = 0;
    if (!DecodeDate(moment, y, mo, d))
        return "";
    DecodeTime(moment, h, mi, s, ms);
    const auto two = [](int v) { return std::string(v < 10 ? "0" : "") + std::to_string(v); };
    return "(" + std::to_string(y) + "/" + two(mo) + "/" + two(d) + " " + two(h) + ":" + two(mi) + ":" +
           two(s) + " UT)";
}

void TSinParmsForm1::OKBtnClick() {
    long double tzero = 0, period = 0;
    const bool tOk = parseEntry(TZroEd->text(), tzero);
    const bool pOk = parseEntry(PrdEd->text(), period);
    std::string field;
    if (!tOk || !pOk || !ValidSineParameters(tzero, period, field)) {
        const bool tBad = !tOk || (pOk && field == "T-Zero");
        const QLineEdit *bad = tBad ? TZroEd : PrdEd;
        const QString text =
            tBad ? tr("\"%1\" is not a valid T-Zero!")
                 : tr("\"%1\" is not a valid period!\r\n\r\nThe period must be more than 0 days.");
        prompt().message(tr("Invalid Curve Fit Parameter!").toStdString(),
                         text.arg(bad->text()).toStdString(), Icon::Exclamation, Buttons::OK);
        return;
    }
    SinTZero = tzero;
    SinPeriod = period;
    accept();
}

// ---------------------------------------------------------------------------------------------
// TReadingBox

TReadingBox::TReadingBox(int digits, QWidget *parent) : QLabel(parent) {
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    f.setPointSize(12);
    f.setBold(true);
    setFont(f);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setAutoFillBackground(true);
    setMinimumWidth(fontMetrics().horizontalAdvance(QString(digits + 1, QChar('8'))) + 8);
    setValue(0);
}

void TReadingBox::setValue(long double v, int decimals) {
    text_ = std::isfinite(v) ? FixedText(v, decimals) : std::string();
    setText(QString::fromStdString(text_));
}

void TReadingBox::setColours(std::uint32_t text, std::uint32_t background) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, qcolour(text));
    p.setColor(QPalette::Window, qcolour(background));
    setPalette(p);
}

// ---------------------------------------------------------------------------------------------
// The plot view

TRotnPlotView::TRotnPlotView(TRotnAnalysis &form, QWidget *parent) : QWidget(parent), form_(form) {
    setFixedSize(rotnplot::Width, rotnplot::Height);
}

void TRotnPlotView::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.drawImage(0, 0, form_.Plot);
}

// ---------------------------------------------------------------------------------------------
// TRotnAnalysis

TRotnAnalysis::TRotnAnalysis(OptionsRecord &options, MeasList &measurements, TIDListForm1 *idList,
                             RotnAnalysisHooks hooks, QWidget *parent)
    : QDialog(parent), Hooks(std::move(hooks)), options_(options), measurements_(measurements),
      idList_(idList), solver_(std::make_unique<LstSqrObj>()) {
    setObjectName("RotnAnalysis");
    setWindowTitle(tr(Caption));
    Plot = QImage(rotnplot::Width, rotnplot::Height, QImage::Format_RGB32);
    buildControls();
    SinParmsForm = new TSinParmsForm1(this);
    // FormCreate: no dataset, sliders and their labels off, nothing to record.
    Recorded = true;
    SlidersLive = false;
    enableEstimateControls(false);
    FitSineCurve1->setEnabled(false);
    FitSineCurve1->menuAction()->setEnabled(false);
    PosLftBtn->setEnabled(false);
    PosRtBtn->setEnabled(false);
    TZRstBtn->setEnabled(false);
    PRstBtn->setEnabled(false);
    ApplyReadingColours();
    FormPaint();
}

TRotnAnalysis::~TRotnAnalysis() = default;

void TRotnAnalysis::buildControls() {
    MainMenu1 = new QMenuBar(this);
    File1 = MainMenu1->addMenu(tr("&File"));
    LoadDataset1 = File1->addAction(tr("&Load Dataset..."), this, &TRotnAnalysis::LoadDataset1Click);
    FitSineCurve1 = File1->addMenu(tr("Fit &Sine Curve"));
    InitialEstimate1 =
        FitSineCurve1->addAction(tr("Initial &Estimate..."), this, &TRotnAnalysis::InitialEstimate1Click);
    FitSep = FitSineCurve1->addSeparator();
    ComputeFit1 = FitSineCurve1->addAction(tr("Compute &Fit"), this, &TRotnAnalysis::ComputeFit1Click);
    RecordResults1 = File1->addAction(tr("&Record Results..."), this, &TRotnAnalysis::RecordResults1Click);
    PrintWindow1 = File1->addAction(tr("&Print Window..."), this, &TRotnAnalysis::PrintWindow1Click);
    File1->addSeparator();
    Exit1 = File1->addAction(tr("E&xit"), this, &TRotnAnalysis::Exit1Click);
    Help1 = MainMenu1->addAction(tr("&Help"), this, &TRotnAnalysis::Help1Click);

    Display1 = new TRotnPlotView(*this, this);

    RMSLbl = new QLabel(tr("Fit (RMS Solar Radii)"), this);
    RMSDisp = new QLineEdit(this);
    RMSDisp->setReadOnly(true);
    RMSDisp->setFocusPolicy(Qt::NoFocus);
    RMSDisp->setMinimumWidth(RMSDisp->fontMetrics().horizontalAdvance("-8.888888888E-88") + 16);
    TLbl = new QLabel(tr("T-Zero (Julian Day)"), this);
    TReading = new TReadingBox(12, this);
    PLbl = new QLabel(tr("Synodic Period (Days)"), this);
    PReading = new TReadingBox(8, this);
    TScroll = new QScrollBar(Qt::Horizontal, this);
    PScroll = new QScrollBar(Qt::Horizontal, this);
    for (QScrollBar *s : {TScroll, PScroll}) {
        s->setRange(-1000, 1000);
        s->setPageStep(10);
        s->setMinimumWidth(300);
    }
    connect(TScroll, &QScrollBar::valueChanged, this, [this] { TScrollChange(); });
    connect(PScroll, &QScrollBar::valueChanged, this, [this] { PScrollChange(); });
    TZRstBtn = new QPushButton(tr("Reset the T-Zero Slider"), this);
    PRstBtn = new QPushButton(tr("Reset the Period Slider"), this);
    connect(TZRstBtn, &QPushButton::clicked, this, &TRotnAnalysis::TZRstBtnClick);
    connect(PRstBtn, &QPushButton::clicked, this, &TRotnAnalysis::PRstBtnClick);
    CrsLbl = new QLabel(tr("Coarse"), this);
    FineLbl = new QLabel(tr("Fine"), this);
    CFToggle = new QCheckBox(this);
    CFToggle->setToolTip(tr("Coarse or fine slider steps"));
    connect(CFToggle, &QCheckBox::toggled, this, [this] { CFToggleChange(); });
    PosLbl = new QLabel(tr("Plot Position"), this);
    PosLftBtn = new QPushButton("<", this);
    PosRtBtn = new QPushButton(">", this);
    PosLftBtn->setFixedWidth(40);
    PosRtBtn->setFixedWidth(40);
    connect(PosLftBtn, &QPushButton::clicked, this, &TRotnAnalysis::PosLftBtnClick);
    connect(PosRtBtn, &QPushButton::clicked, this, &TRotnAnalysis::PosRtBtnClick);
    // Names for a screen reader; the sliders and buttons take the keyboard (arrow and page keys,
    // Space).
    RMSDisp->setAccessibleName(tr("Fit (RMS Solar Radii)"));
    TScroll->setAccessibleName(tr("T-Zero slider"));
    TScroll->setAccessibleDescription(tr("Moves T-zero; a full throw is one day either way."));
    PScroll->setAccessibleName(tr("Period slider"));
    PScroll->setAccessibleDescription(tr("Changes the synodic period; a full throw is one day either way."));
    // Right and Page Up raise a slider, as on any slider (a scroll bar would invert them).
    for (QScrollBar *s : {TScroll, PScroll}) {
        s->setFocusPolicy(Qt::StrongFocus);
        s->setInvertedControls(false);
    }
    CFToggle->setAccessibleName(tr("Fine slider steps"));
    CFToggle->setAccessibleDescription(tr("Off: coarse steps of 0.001 day; on: fine steps of 0.0001 day."));
    PosLftBtn->setAccessibleName(tr("Plot position left"));
    PosLftBtn->setAccessibleDescription(tr("Moves the plot one day to the left."));
    PosRtBtn->setAccessibleName(tr("Plot position right"));
    PosRtBtn->setAccessibleDescription(tr("Moves the plot one day to the right."));
    Display1->setAccessibleName(tr("Sine-curve plot"));
    // Tab follows the layout: the switch and position buttons beside the plot, then each slider
    // with its reset button.
    QWidget *order[] = {CFToggle, PosLftBtn, PosRtBtn, TScroll, TZRstBtn, PScroll, PRstBtn};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    // Right of the plot: the fit, the coarse/fine switch and the plot position.
    auto *side = new QVBoxLayout;
    side->addWidget(RMSLbl);
    side->addWidget(RMSDisp);
    side->addSpacing(16);
    auto *toggle = new QHBoxLayout;
    toggle->addWidget(CrsLbl);
    toggle->addWidget(CFToggle);
    toggle->addWidget(FineLbl);
    toggle->addStretch();
    side->addLayout(toggle);
    side->addSpacing(16);
    side->addWidget(PosLbl);
    auto *pos = new QHBoxLayout;
    pos->addWidget(PosLftBtn);
    pos->addWidget(PosRtBtn);
    pos->addStretch();
    side->addLayout(pos);
    side->addStretch();

    auto *top = new QHBoxLayout;
    top->addWidget(Display1);
    top->addLayout(side);

    // Under the plot: each reading with its slider and reset button.
    auto *grid = new QGridLayout;
    grid->addWidget(TLbl, 0, 0);
    grid->addWidget(TReading, 0, 1);
    grid->addWidget(TScroll, 0, 2);
    grid->addWidget(TZRstBtn, 0, 3);
    grid->addWidget(PLbl, 1, 0);
    grid->addWidget(PReading, 1, 1);
    grid->addWidget(PScroll, 1, 2);
    grid->addWidget(PRstBtn, 1, 3);
    grid->setColumnStretch(2, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(MainMenu1);
    layout->addLayout(top);
    layout->addLayout(grid);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

int TRotnAnalysis::Execute() {
    FormShow();
    return runModal(*this);
}

void TRotnAnalysis::FormShow() {
    if (!idList_) {
        ownIdList_ = std::make_unique<TIDListForm1>(this);
        idList_ = ownIdList_.get();
    }
    idList_->BuildSpotList(measurements_);
    FitSep->setVisible(options_.CurveFitting);
    ComputeFit1->setVisible(options_.CurveFitting);
    Monochrome = options_.MonochromeDisplay;
    Help1->setEnabled(!options_.RotationHelpList.empty() && Hooks.showHelp);
    ApplyReadingColours();
    // Whole on the screen, centred on its available part.
    adjustSize();
    if (QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen()) {
        const QRect desk = s->availableGeometry();
        const int x = desk.left() + std::max(0, (desk.width() - frameGeometry().width()) / 2);
        const int y = desk.top() + std::max(0, (desk.height() - frameGeometry().height()) / 2);
        move(x, y);
    }
    FormPaint();
}

long double TRotnAnalysis::TZeroJulian(long double sinTZero) {
    return sinTZero + FitTimeOffset + JulianDateBase();
}

int TRotnAnalysis::SliderMax() const {
    return TScroll->maximum();
}

void TRotnAnalysis::ApplyReadingColours() {
    const rotnplot::Scheme s = rotnplot::ColourScheme(Monochrome);
    // Lit digits on a dark face in either scheme.
    TReading->setColours(s.readings, 0x000000);
    PReading->setColours(s.readings, 0x000000);
    setRmsColour(rmsWorse_);
}

void TRotnAnalysis::setRmsColour(bool worse) {
    rmsWorse_ = worse;
    const rotnplot::Scheme s = rotnplot::ColourScheme(Monochrome);
    QPalette p = RMSDisp->palette();
    p.setColor(QPalette::Text, qcolour(worse ? s.rmsWorse : s.readings));
    p.setColor(QPalette::Base, qcolour(0x000000));
    RMSDisp->setPalette(p);
}

void TRotnAnalysis::FormPaint() {
    QPainter painter(&Plot);
    DrawPlot(painter);
    painter.end();
    Display1->update();
    // What the plot shows, for a screen reader.
    QString said = SpotID.empty() ? tr("No dataset loaded.")
                                  : tr("Spot %1, %2 measurements of its position in solar radii.")
                                        .arg(QString::fromStdString(SpotID))
                                        .arg(Points.size());
    if (!SpotID.empty() && TScroll->isEnabled())
        said += tr(" Sine fit: T-zero Julian day %1, synodic period %2 days, RMS %3.")
                    .arg(QString::fromStdString(TReading->text()), QString::fromStdString(PReading->text()),
                         RMSDisp->text());
    Display1->setAccessibleDescription(said);
}

void TRotnAnalysis::DrawPlot(QPainter &painter) {
    using namespace rotnplot;
    const Scheme scheme = ColourScheme(Monochrome);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(0, 0, Width, Height, qcolour(scheme.background));
    painter.setBrush(Qt::NoBrush);
    QFont font = this->font();
    font.setBold(false);
    painter.setFont(font);
    const int ascent = painter.fontMetrics().ascent();
    auto textAt = [&](int x, int y, const std::string &s) {
        painter.drawText(x, y + ascent, QString::fromStdString(s));
    };

    painter.setPen(QPen(qcolour(scheme.axes), 1, Qt::SolidLine));
    for (const Segment &l : FrameLines())
        painter.drawLine(l.x1, l.y1, l.x2, l.y2);
    // The English axis title stands letter by letter (the one-letter labels); a translation is
    // turned a quarter and centred on the vertical axis, where its letters would not fit stacked.
    const QString title = tr("Spot Position");
    const bool stacked = title == "Spot Position";
    for (const Label &l : FrameLabels(Height))
        if (l.text.size() != 1 || stacked)
            textAt(l.x, l.y, l.text);
    if (!stacked) {
        painter.save();
        painter.translate(16, (Top + Bottom) / 2);
        painter.rotate(-90);
        painter.drawText(-painter.fontMetrics().horizontalAdvance(title) / 2, ascent / 2, title);
        painter.restore();
    }

    if (!SpotID.empty()) {
        painter.setPen(QPen(qcolour(scheme.points), 1));
        textAt(15, Height - 25, tr("Spot ID: %1").arg(QString::fromStdString(SpotID)).toStdString());
        for (const MeasRec &m : Points) {
            const int x = TimeX(m.Time, PlotOrigin, PlotOffsetPx);
            const int y = RadiusY(m.XRad);
            painter.drawEllipse(QRect(x - 3, y - 3, 6, 6));
        }
        LatitudeStats(Points, MeanLat, LatSD);
        if (MeanLat != 0)
            textAt(150, Height - 25, LatitudeLine(MeanLat, LatSD));
        if (Bases.TZeroBase != 0) {
            painter.setPen(QPen(qcolour(scheme.sine), 1));
            const int x = TimeX(Bases.TZeroBase, PlotOrigin, PlotOffsetPx);
            painter.drawEllipse(QRect(x - 3, AxisY - 3, 6, 6));
        }
    }

    // The curve belongs to the estimate, whether or not the window is disabled (as it is while
    // it prints).
    if (TScroll->isEnabledTo(this)) {
        painter.setPen(QPen(qcolour(scheme.sine), 1));
        for (int i = 0; i <= 600; ++i)
            painter.drawPoint(i + Left, RadiusY(SinValue(ColumnFitTime(i, PlotOffsetPx, PlotOrigin))));
        const long double rms = SineRMS(Points);
        // A redraw of the same curve keeps the reading's colour.
        if (rms != PreviousRMS)
            setRmsColour(!(PreviousRMS == 0 || rms <= PreviousRMS));
        RMSDisp->setText(QString::fromStdString(RmsText(rms)));
        PreviousRMS = rms;
    }
}

void TRotnAnalysis::enableEstimateControls(bool on) {
    for (QWidget *w : std::initializer_list<QWidget *>{TLbl, TScroll, PLbl, PScroll, RMSLbl, CrsLbl, FineLbl,
                                                       CFToggle, TZRstBtn, PRstBtn})
        w->setEnabled(on);
    ComputeFit1->setEnabled(on);
    RecordResults1->setEnabled(on);
}

void TRotnAnalysis::setSliders(int t, int p) {
    TScroll->setValue(t);
    PScroll->setValue(p);
}

void TRotnAnalysis::showReadings() {
    TReading->setValue(TZeroJulian(SinTZero));
    PReading->setValue(SinPeriod);
}

bool TRotnAnalysis::Reset() {
    if (!Recorded) {
        const Answer a = prompt().message(
            tr("Result Not Recorded!").toStdString(),
            tr("You have not recorded your current result!\r\n\r\nDo you want to record it now?")
                .toStdString(),
            Icon::Question, Buttons::YesNoCancel);
        if (a == Answer::Cancel)
            return false;
        if (a == Answer::Yes) {
            RecordResults1Click();
            // The result dialog cancelled: the fit stays for the student to record.
            if (!Recorded)
                return false;
        }
    }
    SlidersLive = false;
    SpotID.clear();
    // The old points go too, so that nothing can be estimated or recorded without a spot.
    Points.clear();
    Bases.TZeroBase = 0;
    FitSineCurve1->setEnabled(false);
    FitSineCurve1->menuAction()->setEnabled(false);
    PosLftBtn->setEnabled(false);
    PosRtBtn->setEnabled(false);
    CFToggle->blockSignals(true);
    CFToggle->setChecked(false);
    CFToggle->blockSignals(false);
    for (QScrollBar *s : {TScroll, PScroll})
        s->setRange(-1000, 1000);
    setSliders(0, 0);
    enableEstimateControls(false);
    Recorded = true;
    TReading->setValue(0);
    PReading->setValue(0);
    MeanLat = 0;
    LatSD = 0;
    RMSDisp->clear();
    PreviousRMS = 0;
    rmsWorse_ = false;
    ApplyReadingColours();
    FormPaint();
    return true;
}

void TRotnAnalysis::LoadDataset1Click() {
    if (!idList_)
        FormShow();
    idList_->setWindowTitle(tr("Load Dataset"));
    idList_->BuildSpotList(measurements_);
    idList_->exec();
    if (idList_->SelectedID.empty())
        return;
    if (!Reset())
        return;
    LoadSpot(idList_->SelectedEntry);
}

void TRotnAnalysis::LoadSpot(const IDEntry &entry) {
    SpotID = entry.ID.str().substr(0, 3);
    Entry = entry;
    Points.clear();
    bool inRun = false;
    for (const MeasRec &m : measurements_.records()) {
        if (m.ID.str() == SpotID) {
            if (!inRun) {
                PlotOrigin = m.Time;
                PlotPosition = rotnplot::StartPosition(m.XOff);
                PlotOffsetPx = rotnplot::PlotOffset(PlotPosition);
                inRun = true;
            }
            Points.push_back(m);
            LastTime = m.Time;
        } else if (inRun) {
            break;
        }
    }
    Bases.TZeroBase = 0;
    FitSineCurve1->setEnabled(!Points.empty());
    FitSineCurve1->menuAction()->setEnabled(!Points.empty());
    updatePositionButtons();
    RMSDisp->clear();
    TReading->setValue(0);
    PReading->setValue(0);
    FormPaint();
}

void TRotnAnalysis::sliderSetUp(bool fine) {
    const int M = fine ? 10000 : 1000;
    SlidersLive = false;
    TScroll->setRange(-M, M);
    PScroll->setRange(-M, M);
    CrsLbl->setEnabled(!fine);
    FineLbl->setEnabled(fine);
    Bases.TZeroBase = SinTZero + FitTimeOffset;
    Bases.PeriodBase = SinPeriod;
    setSliders(0, 0);
    SlidersLive = true;
}

void TRotnAnalysis::InitialEstimate1Click() {
    if (!EstimateSine(Points, *solver_, Bases)) {
        FormPaint();
        return;
    }
    SinParmsForm->FormShow();
    if (runModal(*SinParmsForm) != QDialog::Accepted) {
        FormPaint(); // the estimate's T-zero mark
        return;
    }
    enableEstimateControls(true);
    RMSDisp->setEnabled(true);
    CFToggle->blockSignals(true);
    CFToggle->setChecked(false);
    CFToggle->blockSignals(false);
    sliderSetUp(false);
    showReadings();
    setSliders(0, 0);
    SlidersLive = true;
    setRmsColour(false);
    PreviousRMS = SineRMS(Points);
    Recorded = false;
    Bases.PeriodBase = SinPeriod;
    FormPaint();
}

void TRotnAnalysis::ComputeFit1Click() {
    if (Points.empty() || !TScroll->isEnabledTo(this))
        return;
    SineFitReport report;
    {
        BusyCursor busy;
        report = ComputeSineFit(Points, Bases);
    }
    showReadings();
    setRmsColour(false);
    PreviousRMS = SineRMS(Points);
    CFToggle->blockSignals(true);
    CFToggle->setChecked(true);
    CFToggle->blockSignals(false);
    sliderSetUp(true);
    FormPaint();
    if (report.limitReached)
        prompt().message(
            tr("Curve Fit Stopped").toStdString(),
            tr("The fit did not settle within its step limit.\r\n\r\nThe best curve found so far is "
               "shown; Compute Fit can be run again from it.")
                .toStdString(),
            Icon::Information, Buttons::OK);
}

void TRotnAnalysis::RecordResults1Click() {
    if (SpotID.empty() || !RecordResults1->isEnabled())
        return;
    if (!(SinPeriod > 0)) {
        prompt().message(tr("Invalid Synodic Period!").toStdString(),
                         tr("A period of %1 days cannot be recorded.\r\n\r\nMove the period slider to a "
                            "period of more than 0 days.")
                             .arg(QString::fromStdString(FixedText(SinPeriod, 5)))
                             .toStdString(),
                         Icon::Exclamation, Buttons::OK);
        return;
    }
    RsltsRec rec;
    rec.SpotID = SpotID;
    rec.FirstTime = Entry.FirstTime;
    rec.LastTime = Entry.LastTime;
    rec.MeanLat = MeanLat;
    rec.LatRMS = LatSD;
    // The RMS in solar radii goes into the angle field as it is.
    rec.LongRMS = SineRMS(Points);
    rec.SidPeriod = 0;
    rec.TZero = SinTZero + FitTimeOffset;
    rec.SynPeriod = SinPeriod;
    rec.RtnRate = SinAmpl;
    if (!RecordResult(this, rec))
        return;
    prompt().message(tr("Results Saved").toStdString(), tr("Result data added to list.").toStdString(),
                     Icon::Information, Buttons::OK);
    RecordResults1->setEnabled(false);
    Recorded = true;
}

void TRotnAnalysis::PrintWindow1Click() {
    printAnalysisWindow(*this, options_, [this](bool monochrome) {
        Monochrome = monochrome;
        ApplyReadingColours();
        FormPaint();
    });
}

void TRotnAnalysis::Exit1Click() {
    accept();
}

void TRotnAnalysis::Help1Click() {
    if (Hooks.showHelp && !options_.RotationHelpList.empty())
        Hooks.showHelp(options_.InstallDir.str() + options_.RotationHelpList.str());
}

void TRotnAnalysis::updatePositionButtons() {
    PlotOffsetPx = rotnplot::PlotOffset(PlotPosition);
    PosLftBtn->setEnabled(PlotPosition > 0);
    PosRtBtn->setEnabled(rotnplot::TimeX(LastTime, PlotOrigin, PlotOffsetPx) < rotnplot::Right);
}

void TRotnAnalysis::PosLftBtnClick() {
    if (SpotID.empty() || PlotPosition <= 0)
        return;
    --PlotPosition;
    updatePositionButtons();
    FormPaint();
}

void TRotnAnalysis::PosRtBtnClick() {
    if (SpotID.empty() || rotnplot::TimeX(LastTime, PlotOrigin, PlotOffsetPx) >= rotnplot::Right)
        return;
    ++PlotPosition;
    updatePositionButtons();
    FormPaint();
}

void TRotnAnalysis::TScrollChange() {
    if (!SlidersLive)
        return;
    SinTZero = static_cast<long double>(TScroll->value()) / SliderMax() + (Bases.TZeroBase - FitTimeOffset);
    TReading->setValue(TZeroJulian(SinTZero));
    FormPaint();
}

void TRotnAnalysis::PScrollChange() {
    if (!SlidersLive)
        return;
    SinPeriod = static_cast<long double>(PScroll->value()) / PScroll->maximum() + Bases.PeriodBase;
    PReading->setValue(SinPeriod);
    FormPaint();
}

void TRotnAnalysis::TZRstBtnClick() {
    Bases.TZeroBase = SinTZero + FitTimeOffset;
    TScroll->setValue(0);
}

void TRotnAnalysis::PRstBtnClick() {
    Bases.PeriodBase = SinPeriod;
    PScroll->setValue(0);
}

void TRotnAnalysis::CFToggleChange() {
    sliderSetUp(CFToggle->isChecked());
}

} // namespace solar

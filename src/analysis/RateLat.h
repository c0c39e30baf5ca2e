#pragma once
// The "Rotation Rate against Latitude" window: every recorded result as its sidereal rate against
// its mean latitude, beside the published rotation laws and the student's own fitted law, with a
// table of the rates and residuals; printed, or saved as a PNG or PDF picture.

#include "analysis/DiffRot.h"
#include "analysis/RsltsData.h"

#include <QMainWindow>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QCheckBox;
class QLabel;
class QPainter;
class QPlainTextEdit;
class QPrinter;

namespace solar {

// What the window reads from the rest of the program when it is shown.
struct RateLatSources {
    std::function<std::vector<RsltsRec>()> results; // the results list
    std::function<std::vector<MeasRec>()> measures; // the measurement list
    std::function<bool()> monochrome;               // "Monochrome Display"
    std::function<bool()> printInColor;             // "Print in Color"
    std::function<std::string()> folder;            // default folder of saved pictures, ending in "/"
};
void setRateLatSources(RateLatSources sources);

class TRateLatForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TRateLatForm1(QWidget *parent = nullptr);

    static constexpr const char *Caption = QT_TR_NOOP("Rotation Rate against Latitude");

    // Reads the results again and redraws, at the window's natural size (each time it is shown).
    void FormShow();
    // Reads the results again and redraws; also whenever the window is activated, so results
    // recorded or edited while it stood open appear when the student comes back to it.
    void Reload();
    // The picture of the plot, painted in colour or monochrome.
    QImage PlotImage(bool mono) const;
    // Paints the plot (frame, ticks, curves, bars, points, labels, legend) in the geometry's pixels;
    // `translated`: its texts in the language of the user interface, as on the screen.
    void PaintPlot(QPainter &p, bool mono, bool translated = false) const;

    const std::vector<RatePoint> &Points() const { return Points_; }
    const LawFit &Fit() const { return Fit_; }
    const RateLatGeometry &Geometry() const { return Geom; }
    // The table and its notes: English as printed, or translated as on the screen.
    std::vector<std::string> TableLines(bool translated = false) const;

    QLabel *Display1 = nullptr;
    QPlainTextEdit *Table1 = nullptr;
    std::vector<QCheckBox *> LawBoxes; // one per published law
    QCheckBox *FitBox = nullptr, *RuleBox = nullptr;
    QAction *Print1 = nullptr, *SavePng1 = nullptr, *SavePdf1 = nullptr, *Exit1 = nullptr;

public slots:
    void Redraw();
    void Print1Click();
    void SavePng1Click();
    void SavePdf1Click();

protected:
    bool event(QEvent *e) override;

private:
    std::vector<bool> LawsShown() const;
    bool Monochrome() const;
    std::string ChooseFile(const char *title, const char *ext, const char *filter);

    std::vector<RatePoint> Points_;
    LawFit Fit_;
    RateLatGeometry Geom;
    int NoRate = 0; // results without any rate
    std::string LastFolder;
};

// Shows the program's one rate-against-latitude window (made at first use), refreshed.
TRateLatForm1 &ShowRateLatitude(QWidget *parent);

} // namespace solar

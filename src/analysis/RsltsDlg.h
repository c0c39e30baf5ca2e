#pragma once
// The "Rotation Results" dialog in which the student checks and completes one result, and
// RecordResult, the one road by which the analysis windows put a result into the results list.

#include "analysis/RsltsData.h"

#include <QDialog>
#include <functional>

class QLineEdit;
class QPushButton;

namespace solar {

// What the dialog takes from the options: the measurement unit (0 pixels, 1 solar radii,
// 2 heliographic) and the three "Compute ..." switches.
struct ResultSettings {
    int Unit = 2;
    bool ComputeSynodic = false;
    bool ComputeRate = false;
    bool ComputeSidereal = false;
};

// The main window installs the source of the settings and what happens after a result went into
// the list (its Results List item is enabled). Unset: the defaults above, and nothing.
void setResultSettingsSource(std::function<ResultSettings()> source);
ResultSettings currentResultSettings();
void setResultRecordedHook(std::function<void()> hook);

class TRsltsForm1 : public QDialog {
    Q_OBJECT
public:
    explicit TRsltsForm1(const ResultSettings &settings, QWidget *parent = nullptr);

    // The record passed in before showing and taken back after OK.
    RsltsRec Rec;
    ResultSettings Settings;

    QLineEdit *IDEd, *PrdEd, *RtnRtEd, *SidrEd, *TZEd, *LatEd, *LatSDEd, *LongSDEd;
    QPushButton *OKBtn, *CancelBtn;

public slots:
    void FormShow();
    void PrdEdExit();
    void OKBtnClick();

private:
    void setEditable(QLineEdit *ed, bool editable);
    // The texts FormShow put into the three number boxes: a box left as shown keeps the record's
    // own value (not the 5-decimal text, and not 1.0 for a rate shown empty).
    QString shownPeriod_, shownRate_, shownSidereal_;
};

// Shows the dialog on `rec` (modal). Cancel: false, `rec` unchanged. OK: `rec` becomes the
// edited record, which is inserted into the results list; the recorded hook runs; true.
bool RecordResult(QWidget *parent, RsltsRec &rec);
// The dialog alone: true and the edited record on OK.
bool EditResult(QWidget *parent, RsltsRec &rec);

} // namespace solar

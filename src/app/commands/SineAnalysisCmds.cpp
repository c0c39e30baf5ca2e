// The main window's side of the sine-curve analysis: the window made at start-up, opened by
// Plot/Fit Data for solar-radius measurements, asked about an unrecorded result at the close, and
// reset when the measurement data are replaced or cleared.
#include "analysis/RotnAnal.h"
#include "app/VORN_ROT.h"
#include "measure/MeasDataWin.h"
#include "support/Helptxt.h"

namespace solar {

void TSolarRtn::createRotnAnalysis() {
    RotnAnalysisHooks hooks;
    hooks.showHelp = [this](const std::string &path) { showHelpTopics(path, RotnAnalysis); };
    RotnAnalysis = new TRotnAnalysis(Options, MeasDataForm->list(), IDListForm, hooks, this);
    SineResultPending = [this] { return RotnAnalysis && !RotnAnalysis->Recorded; };
    RecordSineResult = [this] {
        if (RotnAnalysis)
            RotnAnalysis->RecordResults1Click();
    };
}

void TSolarRtn::OpenRotnAnalysis() {
    if (RotnAnalysis)
        RotnAnalysis->Execute();
}

void TSolarRtn::ResetRotnAnalysis() {
    if (RotnAnalysis)
        RotnAnalysis->Reset();
}

} // namespace solar

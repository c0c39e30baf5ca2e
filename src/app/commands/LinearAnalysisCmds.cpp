// The main window's side of the linear analysis: made at start-up with the other long-lived
// windows, on the entry window's measurement list and the working options.
#include "analysis/LinrAnal.h"
#include "app/VORN_ROT.h"
#include "measure/MeasDataWin.h"
#include "support/Helptxt.h"

namespace solar {

void TSolarRtn::createLinearAnalysis() {
    LinearAnalysis = new TLinearAnalysis(Options, MeasDataForm->list(), this);
    LinearAnalysis->IDListForm = IDListForm; // shared with the sine-curve analysis
    LinearAnalysis->ShowHelp = [this] {
        showHelpTopics(Options.InstallDir.str() + Options.LinearHelpList.str(), LinearAnalysis);
    };
}

} // namespace solar

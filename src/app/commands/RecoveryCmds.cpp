// The main window's side of the unsaved-measurement copy (measure/Recovery.h).
#include "app/VORN_ROT.h"

#include "measure/MeasDataWin.h"
#include "measure/Recovery.h"

namespace solar {

void TSolarRtn::RefreshRecoveryCopy() {
    if (MeasDataForm)
        UpdateRecoveryCopy(MeasDataForm->list(), !DataSaved);
}

void TSolarRtn::OfferRecovery() {
    if (Options.UserDir.empty() || !MeasDataForm)
        return;
    SetRecoveryFolder(Options.UserDir.str());
    if (OfferRecoveredMeasurements(Options.UserDir.str(), MeasDataForm->list()) > 0) {
        DataSaved = false;
        EnableDataCommands(true);
        emit MeasDataForm->measurementsChanged();
    }
    RefreshRecoveryCopy();
}

} // namespace solar

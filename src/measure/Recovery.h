#pragma once
// The last resort for unsaved measurements: a copy of the measurement list, encoded as the data
// file's 93-byte records whenever the list or its saved state changes, that a fatal signal or an
// uncaught exception writes to "RECOVER.DAT" in the user folder before the program ends; and the
// offer of that file at the next start of the same user.

#include "measure/MeasData.h"

#include <string>

namespace solar {

constexpr const char *RecoveryFileName = "RECOVER.DAT";
// What a recovery file the user does not load now is kept as, for a later Load Data.
constexpr const char *RecoveredFileName = "RECOVERED.DAT";

// Installs the handlers for the fatal signals (also on an alternate stack, so that a stack
// overflow is caught) and the terminate handler. Each writes the copy once, then lets the
// program end as it would have.
void InstallRecoveryHandlers();
// The folder (ending in "/") that receives the recovery file; "" writes nowhere.
void SetRecoveryFolder(const std::string &userDir);
// Encodes the list (its cursor is left where it was). `unsaved` false: there is nothing to
// rescue and the handlers write nothing.
void UpdateRecoveryCopy(MeasList &list, bool unsaved);
// What the handlers do, using only calls that are safe in a signal handler: writes the copy
// beside the recovery file and renames it over it. False when there was nothing to write or the
// write failed.
bool WriteRecoveryCopy();

// At the start of an exercise: when the user folder holds a recovery file, asks whether to load
// it. Yes adds its measurements to the list and deletes the file; No keeps it as
// RecoveredFileName. Returns the number of measurements added.
int OfferRecoveredMeasurements(const std::string &userDir, MeasList &list);

} // namespace solar

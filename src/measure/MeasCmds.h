#pragma once
// The main window's measurement data commands (Save Data, Clear all Data, Load Data) as free
// functions on the measurement list and the remembered file names, so that the main window's
// handlers only call them and then enable or disable their menu items by the result.

#include "measure/MeasData.h"
#include "support/ListText.h" // the path helpers

#include <string>

namespace solar {

// What the main window remembers between uses of the data file dialogs, and its saved flag.
struct MeasFileState {
    std::string SaveFileName; // file name without folder, as last saved
    std::string SaveFolder;   // ends in "/"
    std::string LoadFileName;
    std::string LoadFolder;
    std::string BaseName = "SOLRTN_DATA";
    bool DataSaved = true; // false while the list holds measurements not written to a file
};

// The data file dialogs' set-up.
extern const char *const MeasFileFilter; // "Solar Rotation Data Files|*.DAT"
extern const char *const MeasFileExt;    // "*.DAT"
extern const char *const MeasSaveTitle;  // "Save Solar Rotation Measurement Data"
extern const char *const MeasLoadTitle;  // "Load Solar Rotation Measurement Data"

// "&Save Data": asks for a file (default folder `userDir`), asks before replacing one, writes the
// list. True when the file was written (DataSaved is then true); false when cancelled or when
// writing failed (reported, DataSaved unchanged, an existing file untouched).
bool SaveData1Click(MeasList &list, MeasFileState &state, const std::string &userDir);

// "&Clear all Data...": offers to save unsaved data first, then empties the list. True when the
// list was cleared: the caller then disables View/Edit, Save Data, Clear all Data and Analysis
// and the sine-curve analysis window. A save that was offered, accepted and then cancelled or
// failed stops the command with the data kept.
bool ClearallData1Click(MeasList &list, MeasFileState &state, const std::string &userDir);

// "&Load Data...": asks for a file, then whether to merge with or replace the current data, reads
// it and inserts every record in list order. True when records were read: the caller then
// enables View/Edit, Save Data, Clear all Data (Analysis unless the unit is pixels), shows the
// data list window again if it was open and resets the sine-curve analysis. A file that cannot be
// read or holds invalid records is reported and changes nothing.
bool Load3Click(MeasList &list, MeasFileState &state, const std::string &userDir);

// Runs a save dialog until the user picks a file that does not exist or agrees to replace it.
// The chosen path comes back with its file name upper-cased and `ext` added when it has none;
// "" when the user cancelled.
std::string chooseSavePath(const std::string &title, const std::string &filter, const std::string &ext,
                           const std::string &fileName, const std::string &folder);

} // namespace solar

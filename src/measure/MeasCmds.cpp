#include "measure/MeasCmds.h"

#include "support/ListText.h"

#include "support/Prompt.h"
#include "support/Translate.h"

#include <cctype>
#include <filesystem>
#include <vector>

namespace solar {

const char *const MeasFileFilter = "Solar Rotation Data Files|*.DAT";
const char *const MeasFileExt = "*.DAT";
const char *const MeasSaveTitle = "Save Solar Rotation Measurement Data";
const char *const MeasLoadTitle = "Load Solar Rotation Measurement Data";

namespace fs = std::filesystem;

namespace {

bool isFile(const std::string &path) {
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(fs::path(path), ec);
}

// The file dialog's filter and titles in the user's language (the constants above hold the English).
std::string measFilter() {
    return translate("MeasCmds", "Solar Rotation Data Files") + "|*.DAT";
}
std::string measSaveTitle() {
    return translate("MeasCmds", "Save Solar Rotation Measurement Data");
}
std::string measLoadTitle() {
    return translate("MeasCmds", "Load Solar Rotation Measurement Data");
}

// "*.DAT" or ".DAT" or "DAT" -> ".DAT".
std::string dotExt(const std::string &ext) {
    std::string e = ext;
    if (!e.empty() && e[0] == '*')
        e.erase(0, 1);
    if (!e.empty() && e[0] != '.')
        return "." + e;
    return e;
}

} // namespace

std::string chooseSavePath(const std::string &title, const std::string &filter, const std::string &ext,
                           const std::string &fileName, const std::string &folder) {
    FileDialogSetup setup{title, filter, ext, fileName, folder};
    for (;;) {
        const auto chosen = prompt().saveFile(setup);
        if (!chosen || chosen->empty())
            return {};
        std::string path = upperFileNamePart(*chosen);
        if (fileNamePart(path).find('.') == std::string::npos)
            path += dotExt(ext);
        if (!isFile(path))
            return path;
        const Answer a = prompt().message(
            translate("MeasCmds", "Replace Existing File?"),
            arg(translate("MeasCmds", "%1 Already Exists!\r\n\r\nDo You Want to Overwrite It?"),
                {fileNamePart(path)}),
            Icon::Question, Buttons::YesNo);
        if (a == Answer::Yes || a == Answer::OK)
            return path;
        setup.fileName = fileNamePart(path);
        setup.folder = folderPart(path);
    }
}

bool SaveData1Click(MeasList &list, MeasFileState &state, const std::string &userDir) {
    if (state.SaveFolder.empty())
        state.SaveFolder = !state.LoadFolder.empty() ? state.LoadFolder : userDir;
    if (state.SaveFileName.empty())
        state.SaveFileName = !state.LoadFileName.empty() ? state.LoadFileName : state.BaseName + ".DAT";

    const std::string path =
        chooseSavePath(measSaveTitle(), measFilter(), MeasFileExt, state.SaveFileName, state.SaveFolder);
    if (path.empty())
        return false;
    state.SaveFileName = fileNamePart(path);
    state.SaveFolder = folderPart(path);

    std::string reason;
    bool ok;
    {
        BusyCursor busy;
        ok = writeMeasFile(path, list, reason);
    }
    if (!ok) {
        prompt().message(
            translate("MeasCmds", "Data File Not Written"),
            arg(translate("MeasCmds", "Unable to write the measurement data to %1:\r\n%2\r\n\r\nAn "
                                      "earlier file of that name is unchanged, and your measurements "
                                      "are still in the program. Please try another folder or file "
                                      "name."),
                {path, reason}),
            Icon::Error, Buttons::OK);
        return false;
    }
    prompt().message(translate("MeasCmds", "Data File Written"),
                     arg(translate("MeasCmds", "Measurement Data Written to %1."), {path}), Icon::Information,
                     Buttons::OK);
    state.DataSaved = true;
    return true;
}

bool ClearallData1Click(MeasList &list, MeasFileState &state, const std::string &userDir) {
    if (!state.DataSaved) {
        const Answer a = prompt().message(
            translate("MeasCmds", "Data Will Be Lost!"),
            translate("MeasCmds", "You have not saved your measurement data!\r\n\r\nDo you want "
                                  "to save it now?"),
            Icon::Question, Buttons::YesNoCancel);
        if (a == Answer::Cancel)
            return false;
        // Clearing after a save that did not happen would lose what the user asked to keep.
        if (a == Answer::Yes && !SaveData1Click(list, state, userDir))
            return false;
    }
    list.DeleteAll();
    state.DataSaved = true;
    prompt().message(translate("MeasCmds", "Data Cleared"),
                     translate("MeasCmds", "Measurement data cleared."), Icon::Information, Buttons::OK);
    return true;
}

bool Load3Click(MeasList &list, MeasFileState &state, const std::string &userDir) {
    if (state.LoadFolder.empty())
        state.LoadFolder = !state.SaveFolder.empty() ? state.SaveFolder : userDir;
    if (state.LoadFileName.empty())
        state.LoadFileName = !state.SaveFileName.empty() ? state.SaveFileName : state.BaseName + ".DAT";

    FileDialogSetup setup{measLoadTitle(), measFilter(), MeasFileExt, state.LoadFileName, state.LoadFolder};
    std::string path, onDisk;
    for (;;) {
        const auto chosen = prompt().openFile(setup);
        if (!chosen || chosen->empty())
            return false;
        path = upperFileNamePart(*chosen);
        onDisk = existingFileNoCase(*chosen);
        if (!onDisk.empty())
            break;
        prompt().message(translate("MeasCmds", "File Not Found!"),
                         arg(translate("MeasCmds", "Unable to Load %1!"), {path}), Icon::Error, Buttons::OK);
        setup.fileName = fileNamePart(path);
        setup.folder = folderPart(path);
    }

    enum class Mode { Load, Merge, Replace, Overwrite } mode = Mode::Load;
    if (!list.IsEmpty()) {
        const Answer a =
            prompt().message(translate("MeasCmds", "Merge with current data?"),
                             translate("MeasCmds", "Do you want to merge the file data with your "
                                                   "current data?"),
                             Icon::Question, Buttons::YesNoCancel);
        if (a == Answer::Cancel)
            return false;
        if (a == Answer::Yes) {
            mode = Mode::Merge;
        } else if (state.DataSaved) {
            mode = Mode::Replace;
        } else {
            if (prompt().message(translate("MeasCmds", "Are You Sure?"),
                                 translate("MeasCmds", "Unsaved data will be lost!"), Icon::Error,
                                 Buttons::OKCancel) != Answer::OK)
                return false;
            mode = Mode::Overwrite;
        }
    }
    state.LoadFileName = fileNamePart(path);
    state.LoadFolder = folderPart(path);

    // The whole file is read and checked before the list is touched, so that a damaged file never
    // costs the measurements already held.
    std::vector<MeasRec> recs;
    std::string reason;
    bool ok;
    {
        BusyCursor busy;
        ok = readMeasFile(onDisk, recs, reason);
        if (ok) {
            if (mode == Mode::Replace || mode == Mode::Overwrite)
                list.DeleteAll();
            for (const MeasRec &r : recs)
                list.Insert(r);
        }
    }
    if (!ok) {
        prompt().message(
            translate("MeasCmds", "Data File Not Loaded"),
            arg(translate("MeasCmds", "Unable to load measurement data from %1:\r\n%2\r\n\r\nNothing "
                                      "was loaded; your current measurement data are unchanged."),
                {path, reason}),
            Icon::Error, Buttons::OK);
        return false;
    }

    std::string text;
    switch (mode) {
    case Mode::Merge:
        text = arg(translate("MeasCmds", "Measurement Data from %1\r\n merged with current data."), {path});
        break;
    case Mode::Overwrite:
        text =
            arg(translate("MeasCmds", "Measurement Data loaded from %1.\r\n\r\nExisting data overwritten!"),
                {path});
        break;
    default:
        text = arg(translate("MeasCmds", "Measurement Data loaded from %1."), {path});
    }
    state.DataSaved = mode != Mode::Merge;
    prompt().message(translate("MeasCmds", "Data File Loaded"), text, Icon::Information, Buttons::OK);
    return true;
}

} // namespace solar

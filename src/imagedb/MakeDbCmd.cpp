// The main window's "Make Image Database..." command: the instructor picks a folder of downloaded
// full-disk images and a folder for the database; images whose orientation rests on their SOLAR-P
// card alone are taken as the instructor chooses; each image is imported with a progress window,
// and a closing note lists what was written and what was refused, and why.
#include "app/VORN_ROT.h"
#include "imagedb/ImgPgrGage.h"
#include "imagedb/ImportImg.h"
#include "support/ListText.h"

#include <QDir>
#include <QMenu>

namespace solar {
namespace {

// How to take the images whose orientation rests on their SOLAR-P card alone: asked only when the
// folder holds such images. False when the instructor cancelled.
bool chooseOrientation(const std::vector<std::string> &files, SolarPOrientation &orientation) {
    orientation = SolarPOrientation::Automatic;
    std::size_t inQuestion = 0;
    {
        BusyCursor busy;
        for (const std::string &file : files)
            inQuestion += orientationFromSolarP(file) ? 1 : 0;
    }
    if (inQuestion == 0)
        return true;
    const std::string caption = "Image Orientation";
    const Answer byFile = prompt().message(
        caption,
        std::to_string(inQuestion) +
            " of the images give the solar P angle (SOLAR-P) but no WCS rotation.\r\n\r\n"
            "Yes: decide for each image: solar north up for GONG images and images with FNDLMB* disc "
            "keywords, turned by SOLAR-P (as the sky shows them) otherwise.\r\n"
            "No: choose one orientation for all of them.",
        Icon::Question, Buttons::YesNoCancel);
    if (byFile == Answer::Yes)
        return true;
    if (byFile != Answer::No)
        return false;
    const Answer northUp = prompt().message(caption,
                                            "Are these images already turned solar north up?\r\n\r\n"
                                            "Yes: solar north up; SOLAR-P is only recorded.\r\n"
                                            "No: as the sky shows them; they are turned by SOLAR-P.",
                                            Icon::Question, Buttons::YesNoCancel);
    if (northUp == Answer::Yes)
        orientation = SolarPOrientation::NorthUp;
    else if (northUp == Answer::No)
        orientation = SolarPOrientation::Sky;
    return northUp == Answer::Yes || northUp == Answer::No;
}

} // namespace

void TSolarRtn::UpdateMakeDatabaseCommand() {
    MakeImageDatabase1->setVisible(OptionsAccess || Options.TestMode || !Options.LoginRequired);
}

void TSolarRtn::MakeImageDatabase1Click() {
    UpdateMakeDatabaseCommand();
    if (!MakeImageDatabase1->isVisible())
        return;
    const std::string caption = "Make Image Database";
    const auto source = prompt().selectFolder("Folder of Downloaded Solar Images (FITS)",
                                              QDir::homePath().toStdString() + "/", false);
    if (!source)
        return;
    const std::vector<std::string> files = importCandidates(*source);
    if (files.empty()) {
        prompt().message(
            caption, "No FITS images (.fits, .fit, .fts, .fz, also gzipped) were found in\r\n\r\n" + *source,
            Icon::Information, Buttons::OK);
        return;
    }
    const auto target = prompt().selectFolder("Folder for the Image Database", *source, true);
    if (!target)
        return;
    ImportOptions options;
    if (!chooseOrientation(files, options.orientation))
        return;
    ImportImg importer;
    std::string error;
    if (!importer.Open(*target, options, error)) {
        prompt().message(caption, "The image database cannot be made:\r\n\r\n" + error, Icon::Error,
                         Buttons::OK);
        return;
    }

    const int total = static_cast<int>(files.size());
    GaugeForm->StartProgress("Making Image Database", "Stop Making the Image Database?", total);
    int written = 0, n = 0;
    std::vector<std::string> refused;
    bool cancelled = false;
    for (const std::string &file : files) {
        GaugeForm->StepProgress(fileNamePart(file), n);
        if (!GaugeForm->Running()) {
            cancelled = true;
            break;
        }
        const ImportImg::Result r = importer.ImportFile(file);
        r.ok ? ++written : (refused.push_back(r.message), 0);
        ++n;
    }
    if (GaugeForm->Running()) {
        GaugeForm->StepProgress("", n);
        GaugeForm->FinishProgress();
        GaugeForm->hide();
    }

    // The directory file exists once an image is listed in it (written now or before); with none
    // there is no database to name or to open.
    const bool listed = !importer.Lines().empty();
    std::string text = std::to_string(written) + " image(s) written to " + *target;
    text += listed ? "\r\nDirectory file: " + importer.DirectoryPath() + " (" +
                         std::to_string(importer.Lines().size()) + " image(s))"
                   : "\r\nNo directory file was made: there is no image to list.";
    if (cancelled)
        text += "\r\n\r\nStopped after " + std::to_string(n) + " of " + std::to_string(total) + " file(s).";
    if (!refused.empty()) {
        text += "\r\n\r\n" + std::to_string(refused.size()) + " file(s) refused:";
        for (std::size_t i = 0; i < refused.size() && i < 12; ++i)
            text += "\r\n" + refused[i];
        if (refused.size() > 12)
            text += "\r\n...";
    }
    const Icon icon = refused.empty() && !cancelled ? Icon::Information : Icon::Exclamation;
    if (!listed) {
        prompt().message(caption, text, icon, Buttons::OK);
        return;
    }
    // The directory dialog starts in the new database.
    Options.ImagePath = importer.DirectoryPath().substr(0, importer.DirectoryPath().rfind('/') + 1);
    const bool canOpen = Run1->isEnabled() || ImageDatabase1->menuAction()->isEnabled();
    if (!canOpen) {
        text += "\r\n\r\nOnce the exercise has started, open it with File > Run, then File > Image "
                "Database > Image Directory > Load.";
        prompt().message(caption, text, icon, Buttons::OK);
        return;
    }
    text += "\r\n\r\nOpen the new image database now?";
    if (prompt().message(caption, text, Icon::Question, Buttons::YesNo) != Answer::Yes)
        return;
    if (Run1->isEnabled())
        Run1Click();
    if (ImageDatabase1->menuAction()->isEnabled())
        LoadDirectoryFile(importer.DirectoryPath());
}

} // namespace solar

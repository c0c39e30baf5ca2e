// The main window's "Make Image Database..." command: the instructor picks a folder of downloaded
// full-disk images and a folder for the database; images whose orientation rests on their SOLAR-P
// card alone are taken as the instructor chooses; each image is imported with a progress window,
// and a closing note lists what was written and what was refused, and why.
#include "app/VORN_ROT.h"
#include "imagedb/ImgPgrGage.h"
#include "imagedb/ImportImg.h"
#include "support/ListText.h"

#include <QCoreApplication>
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
    const std::string caption =
        QCoreApplication::translate("solar::TSolarRtn", "Image Orientation").toStdString();
    const Answer byFile = prompt().message(
        caption,
        QCoreApplication::translate(
            "solar::TSolarRtn",
            "%1 of the images give the solar P angle (SOLAR-P) but no WCS rotation.\r\n\r\n"
            "Yes: decide for each image: solar north up for GONG images and images with FNDLMB* disc "
            "keywords, turned by SOLAR-P (as the sky shows them) otherwise.\r\n"
            "No: choose one orientation for all of them.")
            .arg(QString::number(inQuestion))
            .toStdString(),
        Icon::Question, Buttons::YesNoCancel);
    if (byFile == Answer::Yes)
        return true;
    if (byFile != Answer::No)
        return false;
    const Answer northUp =
        prompt().message(caption,
                         QCoreApplication::translate("solar::TSolarRtn",
                                                     "Are these images already turned solar north up?\r\n\r\n"
                                                     "Yes: solar north up; SOLAR-P is only recorded.\r\n"
                                                     "No: as the sky shows them; they are turned by SOLAR-P.")
                             .toStdString(),
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
    const std::string caption = tr("Make Image Database").toStdString();
    const auto source = prompt().selectFolder(tr("Folder of Downloaded Solar Images (FITS)").toStdString(),
                                              QDir::homePath().toStdString() + "/", false);
    if (!source)
        return;
    const std::vector<std::string> files = importCandidates(*source);
    if (files.empty()) {
        prompt().message(caption,
                         tr("No FITS images (.fits, .fit, .fts, .fz, also gzipped) were found in\r\n\r\n%1")
                             .arg(QString::fromStdString(*source))
                             .toStdString(),
                         Icon::Information, Buttons::OK);
        return;
    }
    const auto target =
        prompt().selectFolder(tr("Folder for the Image Database").toStdString(), *source, true);
    if (!target)
        return;
    ImportOptions options;
    if (!chooseOrientation(files, options.orientation))
        return;
    ImportImg importer;
    std::string error;
    if (!importer.Open(*target, options, error)) {
        prompt().message(caption,
                         tr("The image database cannot be made:\r\n\r\n%1")
                             .arg(QString::fromStdString(error))
                             .toStdString(),
                         Icon::Error, Buttons::OK);
        return;
    }

    const int total = static_cast<int>(files.size());
    GaugeForm->StartProgress(tr("Making Image Database").toStdString(),
                             tr("Stop Making the Image Database?").toStdString(), total);
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
    auto qs = [](const std::string &t) { return QString::fromStdString(t); };
    std::string text =
        tr("%1 image(s) written to %2").arg(QString::number(written), qs(*target)).toStdString();
    text +=
        "\r\n" + (listed ? tr("Directory file: %1 (%2 image(s))")
                               .arg(qs(importer.DirectoryPath()), QString::number(importer.Lines().size()))
                         : tr("No directory file was made: there is no image to list."))
                     .toStdString();
    if (cancelled)
        text += "\r\n\r\n" + tr("Stopped after %1 of %2 file(s).")
                                 .arg(QString::number(n), QString::number(total))
                                 .toStdString();
    if (!refused.empty()) {
        text += "\r\n\r\n" + tr("%1 file(s) refused:").arg(QString::number(refused.size())).toStdString();
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
        text += "\r\n\r\n" + tr("Once the exercise has started, open it with File > Run, then File > Image "
                                "Database > Image Directory > Load.")
                                 .toStdString();
        prompt().message(caption, text, icon, Buttons::OK);
        return;
    }
    text += "\r\n\r\n" + tr("Open the new image database now?").toStdString();
    if (prompt().message(caption, text, Icon::Question, Buttons::YesNo) != Answer::Yes)
        return;
    if (Run1->isEnabled())
        Run1Click();
    if (ImageDatabase1->menuAction()->isEnabled())
        LoadDirectoryFile(importer.DirectoryPath());
}

} // namespace solar

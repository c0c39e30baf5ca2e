// The main window's file and exit commands: the measurement data (view and edit, save, load,
// clear, find the period), the saving of changed options, and the questions and saves of the close.
#include "app/VORN_ROT.h"

#include "analysis/LinrAnal.h"
#include "measure/MeasCmds.h"
#include "measure/MeasDataWin.h"
#include "support/QtPrompt.h"

#include <QCloseEvent>
#include <QTimer>

namespace solar {

bool TSolarRtn::FormCloseQuery() {
    if (!DataSaved) {
        const Answer a = prompt().message(
            tr("Data Will Be Lost!").toStdString(),
            tr("You have not saved your measurement data!\r\n\r\nDo you want to save it now?").toStdString(),
            Icon::Question, Buttons::YesNoCancel);
        if (a == Answer::Cancel)
            return false;
        if (a == Answer::Yes) {
            SaveData1Click();
            // A save that was cancelled or failed must not end the program with the data.
            if (!DataSaved)
                return false;
        }
    }
    if (SineResultPending && SineResultPending()) {
        const Answer a = prompt().message(
            tr("Result Not Recorded!").toStdString(),
            tr("You have not recorded your current result!\r\n\r\nDo you want to record it now?")
                .toStdString(),
            Icon::Question, Buttons::YesNoCancel);
        if (a == Answer::Cancel)
            return false;
        if (a == Answer::Yes) {
            if (RecordSineResult)
                RecordSineResult();
            if (SineResultPending())
                return false;
        }
    }
    bool canClose = false;
    if (CloseConfirmed || (!Options.LoginRequired && LoginRec.UserFolderName.str() == "SOLRTN")) {
        canClose = true;
    } else {
        std::optional<Answer> answer;
        if (DisplayStage == 2 && !Options.ReminderFile.empty() && ShowReminder)
            answer = ShowReminder(installFile(Options.ReminderFile.str()),
                                  tr("** Exercise Finished? **").toStdString());
        if (!answer)
            answer = prompt().message(tr("** Exercise Finished? **").toStdString(),
                                      tr("Are You Sure You Want to Quit This Exercise?").toStdString(),
                                      Icon::Stop, Buttons::YesNo);
        canClose = *answer == Answer::OK || *answer == Answer::Yes;
    }
    CloseConfirmed = canClose;
    if (canClose)
        saver_->SaveOnClose();
    return canClose;
}

void TSolarRtn::FormClose() {
    if (LogFile) {
        LogFile->WriteLogout();
        ReportLogFailure(*LogFile, LogFile->LogoutWritten);
        logOwner_.reset();
        LogFile = nullptr;
    }
    ReleaseUserFolder(UserFolder);
    ImageTimer->stop();
    releaseImageStores();
}

void TSolarRtn::closeEvent(QCloseEvent *event) {
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
    emit exerciseClosed();
}

void TSolarRtn::MarkOptionsChanged() {
    saver_->MarkOptionsChanged();
}
void TSolarRtn::ClearOptionsChanged() {
    saver_->ClearOptionsChanged();
}
void TSolarRtn::SaveOptionsForAllUsers() {
    saver_->SaveOptionsForAllUsers();
}
void TSolarRtn::SaveUpdates1Click() {
    saver_->SaveUpdates1Click();
}
bool TSolarRtn::OptionsChangesPending() const {
    return saver_->OptionsChangesPending;
}
bool TSolarRtn::AllUsersSavePending() const {
    return saver_->AllUsersSavePending;
}

void TSolarRtn::Exit1Click() {
    close();
}

MeasFileState TSolarRtn::measFiles() const {
    MeasFileState s;
    s.SaveFileName = LastDataSaveFile;
    s.SaveFolder = LastDataSaveDir;
    s.LoadFileName = LastDataLoadFile;
    s.LoadFolder = LastDataLoadDir;
    s.BaseName = DataBaseName;
    s.DataSaved = DataSaved;
    return s;
}

void TSolarRtn::setMeasFiles(const MeasFileState &s) {
    LastDataSaveFile = s.SaveFileName;
    LastDataSaveDir = s.SaveFolder;
    LastDataLoadFile = s.LoadFileName;
    LastDataLoadDir = s.LoadFolder;
    DataSaved = s.DataSaved;
    RefreshRecoveryCopy();
}

void TSolarRtn::ViewEdit1Click() {
    if (!DataListForm)
        DataListForm = new TDataListForm1(*MeasDataForm, this);
    DataListForm->show();
    DataListForm->raise();
}

void TSolarRtn::SaveData1Click() {
    MeasFileState s = measFiles();
    solar::SaveData1Click(MeasDataForm->list(), s, Options.UserDir.str());
    setMeasFiles(s);
}

void TSolarRtn::Load3Click() {
    MeasFileState s = measFiles();
    const bool loaded = solar::Load3Click(MeasDataForm->list(), s, Options.UserDir.str());
    setMeasFiles(s);
    if (loaded) {
        EnableDataCommands(true);
        emit MeasDataForm->measurementsChanged();
        ResetRotnAnalysis();
    }
}

void TSolarRtn::ClearallData1Click() {
    MeasFileState s = measFiles();
    const bool cleared = solar::ClearallData1Click(MeasDataForm->list(), s, Options.UserDir.str());
    setMeasFiles(s);
    if (cleared) {
        EnableDataCommands(false);
        emit MeasDataForm->measurementsChanged();
        // The sine analysis lets go of its spot (offering to record an unrecorded result first).
        ResetRotnAnalysis();
    }
}
void TSolarRtn::FindPeriod1Click() {
    if (Options.RawDataFormat == UnitHeliographic) {
        runModal(*LinearAnalysis);
        return;
    }
    if (Options.RawDataFormat == UnitSolarRadius) {
        OpenRotnAnalysis();
        return;
    }
}

} // namespace solar

// The main window's side of the results: the results list and spot-ID windows made at start-up,
// the result dialog reading the options, Results List enabled by the first recorded result, and
// the Analysis and Spreadsheet items after a CSV report of the results.
#include "analysis/RsltsDlg.h"
#include "analysis/RsltsLst.h"
#include "app/VORN_ROT.h"
#include "measure/IDListForm.h"

#include <QAction>
#include <QMenu>

namespace solar {

void TSolarRtn::createResultWindows() {
    RsltsListForm = new TRsltsListForm1(this);
    RsltsListForm->setWindowFlag(Qt::Window);
    RsltsListForm->CsvExported = [this](bool written, const std::string &folder, const std::string &file) {
        ResultsCsvExported(written, folder, file);
    };
    IDListForm = new TIDListForm1(this);
    setResultSettingsSource([this] {
        ResultSettings s;
        s.Unit = Options.RawDataFormat;
        s.ComputeSynodic = Options.ComputeSynodic;
        s.ComputeRate = Options.ComputeRate;
        s.ComputeSidereal = Options.ComputeSidereal;
        return s;
    });
    setResultRecordedHook([this] { ResultsList1->setEnabled(true); });
}

void TSolarRtn::ResultsCsvExported(bool written, const std::string &folder, const std::string &file) {
    const bool analysis = Analysis1->menuAction()->isEnabled() || written;
    Analysis1->menuAction()->setEnabled(analysis && Options.RawDataFormat != 0);
    if (written) {
        LastCsvDir = folder;
        LastCsvFile = file;
        Spreadsheet1->setEnabled(true);
    }
    // Not written: a spreadsheet file of an earlier report stays available as it was.
}

void TSolarRtn::ResultsList1Click() {
    if (RsltsListForm->isVisible())
        RsltsListForm->raise();
    else
        RsltsListForm->show();
    RsltsListForm->activateWindow();
}

} // namespace solar

// The main window's side of the class report: the File menu's "Class Report..." command, shown
// to the instructor only (options access, test mode or demonstration mode, as Make Image
// Database...), which reports on the working folder's students against the answer key beside
// the program.
#include "analysis/ClassRpt.h"
#include "analysis/ClassRptWin.h"
#include "app/VORN_ROT.h"

#include <QAction>

namespace solar {

void TSolarRtn::UpdateClassReportCommand() {
    ClassReport1->setVisible(OptionsAccess || Options.TestMode || !Options.LoginRequired);
}

void TSolarRtn::ClassReport1Click() {
    UpdateClassReportCommand();
    if (!ClassReport1->isVisible())
        return;
    ShowClassReport(this, Options.WorkDir.str(), defaultAnswerKeyPath(Options.InstallDir.str()));
}

} // namespace solar

#include "common/ScriptedUiPrompt.h"

#include <QDir>
#include <QPrinter>
#include <gtest/gtest.h>

namespace solar::test {

ScriptedUiPrompt::ScriptedUiPrompt() {
    setUiPrompt(this);
    setModalRunner([this](QDialog &d) { return runDialog(d); });
}

ScriptedUiPrompt::~ScriptedUiPrompt() {
    setModalRunner({});
    setUiPrompt(nullptr);
    EXPECT_TRUE(dialogs_.empty()) << dialogs_.size() << " dialog handler(s) were never used";
}

int ScriptedUiPrompt::runDialog(QDialog &d) {
    dialogsShown.push_back(d.metaObject()->className());
    if (dialogs_.empty()) {
        ADD_FAILURE() << "unexpected modal dialog " << d.metaObject()->className();
        return QDialog::Rejected;
    }
    DialogHandler h = std::move(dialogs_.front());
    dialogs_.pop_front();
    return h(d);
}

bool ScriptedUiPrompt::printDialog(QPrinter &printer) {
    const bool ok = script.takePrintAnswer("print");
    if (ok) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(
            pdfPath.empty() ? (QDir::tempPath() + "/solarrtn_test_print.pdf").toStdString() : pdfPath));
    }
    return ok;
}

} // namespace solar::test

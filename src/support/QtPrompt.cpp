#include "support/QtPrompt.h"
#include "support/ScreenFit.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QSpacerItem>
#include <QTimer>
#include <algorithm>

namespace solar {
namespace {

QtPrompt qtPrompt;
UiPrompt *currentUi = nullptr;
ModalRunner modalRunner;

QString q(const std::string &s) {
    return QString::fromStdString(s);
}

// Texts of message boxes use "\r\n" for line breaks.
QString boxText(const std::string &s) {
    QString t = q(s);
    t.replace("\r\n", "\n");
    return t;
}

std::string withSlash(QString dir) {
    if (!dir.isEmpty() && !dir.endsWith('/'))
        dir += '/';
    return dir.toStdString();
}

// While a busy cursor is on, a dialog shows the ordinary arrow; the busy cursor returns after.
class ArrowWhileAsking {
public:
    ArrowWhileAsking() : busy_(QGuiApplication::overrideCursor() != nullptr) {
        if (busy_)
            QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~ArrowWhileAsking() {
        if (busy_)
            QGuiApplication::restoreOverrideCursor();
    }
    ArrowWhileAsking(const ArrowWhileAsking &) = delete;
    ArrowWhileAsking &operator=(const ArrowWhileAsking &) = delete;

private:
    bool busy_;
};

QString defaultSuffix(const std::string &ext) {
    QString s = q(ext);
    while (s.startsWith('*') || s.startsWith('.'))
        s.remove(0, 1);
    return s;
}

} // namespace

UiPrompt &uiPrompt() {
    return currentUi ? *currentUi : static_cast<UiPrompt &>(qtPrompt);
}

void setUiPrompt(UiPrompt *p) {
    currentUi = p;
    setPrompt(p ? static_cast<Prompt *>(p) : static_cast<Prompt *>(&qtPrompt));
}

std::string qtFilter(const std::string &filter) {
    const QStringList parts = q(filter).split('|');
    QStringList out;
    // Qt reads the patterns from the last parenthesised group of each entry.
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString pattern = parts[i + 1];
        pattern.replace(';', ' ');
        // Descriptions the program marks for translation in "solar::FileFilter" (the pattern stays).
        const QString description =
            QCoreApplication::translate("solar::FileFilter", parts[i].toUtf8().constData());
        out << description + " (" + pattern + ")";
    }
    return out.join(";;").toStdString();
}

Answer QtPrompt::message(const std::string &caption, const std::string &text, Icon icon, Buttons buttons) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(q(caption));
    box.setText(boxText(text));

    switch (icon) {
    case Icon::Error:
    case Icon::Stop:
        box.setIcon(QMessageBox::Critical);
        break;
    case Icon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::None:
        break;
    }
    switch (buttons) {
    case Buttons::OK:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::OKCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    // The box sizes itself to its text; a strut (once its layout is final) keeps the whole caption
    // in its title bar.
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
        grid->addItem(
            new QSpacerItem(screenfit::captionWidth(&box), 0, QSizePolicy::Fixed, QSizePolicy::Fixed),
            grid->rowCount(), 0, 1, std::max(1, grid->columnCount()));
    // A busy cursor must not hide the arrow over a question.
    int r = 0;
    {
        const ArrowWhileAsking arrow;
        r = box.exec();
    }
    switch (r) {
    case QMessageBox::Ok:
        return Answer::OK;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
}

void QtPrompt::beep(BeepKind) {
    QApplication::beep();
}

std::optional<std::string> QtPrompt::openFile(const FileDialogSetup &setup) {
    QFileDialog dlg(QApplication::activeWindow(), q(setup.title), q(setup.folder), q(qtFilter(setup.filter)));
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
    dlg.setFileMode(QFileDialog::ExistingFile);
    dlg.setDefaultSuffix(defaultSuffix(setup.defaultExt));
    if (!setup.fileName.empty())
        dlg.selectFile(q(setup.fileName));
    const ArrowWhileAsking arrow;
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return std::nullopt;
    return dlg.selectedFiles().first().toStdString();
}

std::optional<std::string> QtPrompt::saveFile(const FileDialogSetup &setup) {
    QFileDialog dlg(QApplication::activeWindow(), q(setup.title), q(setup.folder), q(qtFilter(setup.filter)));
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setOption(QFileDialog::DontConfirmOverwrite, true);
    dlg.setDefaultSuffix(defaultSuffix(setup.defaultExt));
    if (!setup.fileName.empty())
        dlg.selectFile(q(setup.fileName));
    const ArrowWhileAsking arrow;
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return std::nullopt;
    return dlg.selectedFiles().first().toStdString();
}

std::optional<std::string> QtPrompt::selectFolder(const std::string &title, const std::string &start,
                                                  bool allowCreate) {
    QFileDialog dlg(QApplication::activeWindow(), q(title), q(start));
    dlg.setFileMode(QFileDialog::Directory);
    dlg.setOption(QFileDialog::ShowDirsOnly, true);
    dlg.setOption(QFileDialog::ReadOnly, !allowCreate);
    const ArrowWhileAsking arrow;
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return std::nullopt;
    return withSlash(dlg.selectedFiles().first());
}

void QtPrompt::setBusy(bool busy) {
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}

void QtPrompt::requestQuit() {
    // Ends the program as soon as its event loop runs (or at once when it already runs).
    QTimer::singleShot(0, qApp, [] { QApplication::exit(1); });
}

bool QtPrompt::printDialog(QPrinter &printer) {
    QPrintDialog dlg(&printer, QApplication::activeWindow());
    const ArrowWhileAsking arrow;
    return dlg.exec() == QDialog::Accepted;
}

int runModal(QDialog &dialog) {
    screenfit::keepCaptionWhole(&dialog);
    screenfit::keepClearOfMenu(&dialog);
    if (modalRunner)
        return modalRunner(dialog);
    const ArrowWhileAsking arrow;
    return dialog.exec();
}

void setModalRunner(ModalRunner runner) {
    modalRunner = std::move(runner);
}

} // namespace solar

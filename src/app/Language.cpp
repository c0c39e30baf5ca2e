#include "app/Language.h"

#include "support/Translate.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstring>

namespace solar {
namespace {

std::string qtTranslate(const char *context, const char *text) {
    return QCoreApplication::translate(context, text).toStdString();
}

} // namespace

std::string chooseLanguage(int argc, char **argv) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--lang") == 0)
            return argv[i + 1];
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--lang=", 7) == 0)
            return argv[i] + 7;
    const QString name = QLocale::system().name(); // "es_ES", "C", ...
    return name.left(name.indexOf('_')).toStdString();
}

bool installLanguage(const std::string &code, const std::string &installDir) {
    if (code.empty() || code == "en" || code == "C")
        return false;
    const QDir folder(QString::fromStdString(installDir) + "translations");
    const QStringList ours =
        folder.entryList({QString("solarrtn_*_%1.qm").arg(QString::fromStdString(code))}, QDir::Files);
    if (ours.isEmpty())
        return false;
    auto *app = QCoreApplication::instance();
    for (const QString &file : ours) {
        auto *t = new QTranslator(app);
        if (t->load(folder.filePath(file)))
            QCoreApplication::installTranslator(t);
        else
            delete t;
    }
    // Qt's own texts (file dialogs, standard buttons) where the system has them.
    auto *qt = new QTranslator(app);
    if (qt->load("qtbase_" + QString::fromStdString(code), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    setTranslator(&qtTranslate);
    setUiLanguage(code);
    return true;
}

} // namespace solar

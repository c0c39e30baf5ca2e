// solarclass: the instructor's class report from the command line.
//   solarclass WORKING-FOLDER [--key FILE] [--csv OUT] [--pdf OUT]
// Reads every student folder under WORKING-FOLDER/Users/ (nothing is written there) and prints the
// report; --csv and --pdf also write it as a CSV file and a PDF document. Without --key the answer
// key beside the program is used ("INSTRUCTOR/", else "IMAGES/" of its installation folder), and
// without any key the students are compared with the class median. Exit status 0 when the report
// was made, 1 when an output file could not be written, 2 for a wrong command line.
#include "analysis/ClassPdf.h"
#include "analysis/ClassRpt.h"
#include "support/ListText.h"
#include "support/Options.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace {

int usage(const char *self) {
    std::fprintf(stderr,
                 "usage: %s WORKING-FOLDER [--key FILE] [--csv OUT] [--pdf OUT]\n"
                 "  --key FILE  the answer key (default: the one beside the program; none: class median)\n"
                 "  --csv OUT   also write the report as a CSV file\n"
                 "  --pdf OUT   also write the report and its plot as a PDF document\n",
                 self);
    return 2;
}

std::string programFolder() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string("./") : exe.parent_path().string() + "/";
}

} // namespace

int main(int argc, char **argv) {
    std::string work, key, csv, pdf;
    bool keyGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if ((a == "--key" || a == "--csv" || a == "--pdf") && i + 1 < argc) {
            (a == "--key" ? key : a == "--csv" ? csv : pdf) = argv[++i];
            keyGiven = keyGiven || a == "--key";
        } else if (a == "--help" || a == "-h") {
            usage(argv[0]);
            return 0;
        } else if (a.rfind("--", 0) == 0 || !work.empty()) {
            return usage(argv[0]);
        } else {
            work = a;
        }
    }
    if (work.empty())
        return usage(argv[0]);
    if (work.back() != '/')
        work += '/';
    if (!keyGiven) {
        // Installed: beside the program's share folder; built: the build's bin/ beside tools/.
        const std::string own = programFolder();
        key = solar::defaultAnswerKeyPath(solar::InstallationFolderFor(own));
        if (key.empty())
            key = solar::defaultAnswerKeyPath(solar::InstallationFolderFor(
                (std::filesystem::path(own) / ".." / "bin").lexically_normal().string() + "/"));
    }

    const solar::ClassReport report = solar::BuildClassReport(work, key);
    for (const std::string &l : solar::ClassReportLines(report))
        std::printf("%s\n", l.c_str());
    int status = 0;
    if (!csv.empty()) {
        std::string error;
        if (solar::writeTextLines(csv, solar::ClassReportCsvLines(report), error)) {
            std::fprintf(stderr, "solarclass: CSV written to %s\n", csv.c_str());
        } else {
            std::fprintf(stderr, "solarclass: %s: %s\n", csv.c_str(), error.c_str());
            status = 1;
        }
    }
    if (!pdf.empty()) {
        // Fonts and the PDF writer need a Gui application; no screen is needed.
        if (!std::getenv("QT_QPA_PLATFORM"))
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
        int qargc = 1;
        QGuiApplication app(qargc, argv);
        std::string error;
        if (solar::writeClassReportPdf(pdf, report, "Class Report - " + work, error)) {
            std::fprintf(stderr, "solarclass: PDF written to %s\n", pdf.c_str());
        } else {
            std::fprintf(stderr, "solarclass: %s\n", error.c_str());
            status = 1;
        }
    }
    return status;
}

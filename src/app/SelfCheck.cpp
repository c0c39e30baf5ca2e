#include "app/SelfCheck.h"

#include "app/Platform.h"
#include "imagedb/SolrImages.h"
#include "imagefiles/GrFiles.h"
#include "support/ListText.h"
#include "support/Options.h"

#include <QCursor>
#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <ostream>

namespace fs = std::filesystem;

namespace solar {

int RunSelfCheck(const std::string &installDir, std::ostream &out) {
    int failures = 0;
    auto report = [&](bool ok, const std::string &what) {
        out << (ok ? "ok     " : "FAILED ") << what << "\n";
        if (!ok)
            ++failures;
    };
    out << "installation folder: " << installDir << "\n";
    for (const char *picture : {"VORNLOGO.BMP", "SOLRTNSCRN.BMP"}) {
        const std::string path = existingFileNoCase(installDir + picture);
        report(!path.empty() && !QImage(QString::fromStdString(path)).isNull(),
               std::string("picture ") + picture);
    }
    QCursor cursor;
    report(loadCursorFile(existingFileNoCase(installDir + "XPXHAIR.CUR"), cursor), "cursor XPXHAIR.CUR");

    // The sample database: its directory file, and the first image it names read completely.
    const std::string images = resolveNoCase(installDir, "IMAGES/");
    const std::string directory = ImageDirectoryFileIn(images);
    report(!directory.empty(), "image directory file in " + images);
    if (directory.empty())
        return 1;
    SolrImgFileObj db;
    const bool read = db.ReadDirectory(directory) && db.Records().Count() > 0;
    report(read, "image directory " + fileNamePart(directory) + " (" + std::to_string(db.Records().Count()) +
                     " images)");
    if (!read)
        return 1;
    const auto *first = db.Records().ItemAs<SolrImgFileRec>(0);
    std::string name = first->fileName.str();
    name.erase(name.find_last_not_of(' ') + 1);
    std::error_code ec;
    const std::string tempDir = (fs::temp_directory_path(ec) / "solarrtn-selfcheck-XXXXXX").string();
    std::string temp = tempDir;
    const bool tempMade = ::mkdtemp(temp.data()) != nullptr;
    FITSFileObj image(tempMade ? temp + "/" : std::string());
    const bool loaded = tempMade && image.Load(resolveNoCase(images, name));
    report(loaded && image.Description().width > 0, "first image " + name);
    if (tempMade)
        fs::remove_all(temp, ec);
    return failures == 0 ? 0 : 1;
}

} // namespace solar

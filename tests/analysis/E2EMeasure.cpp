#include "analysis/E2EMeasure.h"

#include "display/ImagMeas.h"
#include "imagefiles/GrFiles.h"
#include "measure/MeasDataWin.h"

#include <QLineEdit>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

namespace solar::test {

std::string sampleImageFolder() {
    return std::string(SOLARRTN_BIN_DIR) + "/IMAGES/";
}

std::vector<KeySpot> readAnswerKey(const std::string &folder) {
    std::vector<KeySpot> spots;
    std::ifstream key(folder + "../INSTRUCTOR/synth_answer_key.csv");
    if (!key)
        return spots;
    std::string line;
    std::getline(key, line); // column names
    while (std::getline(key, line)) {
        std::vector<std::string> f;
        std::stringstream ss(line);
        for (std::string cell; std::getline(ss, cell, ',');)
            f.push_back(cell);
        if (f.size() < 17)
            continue;
        KeySpot s;
        s.file = f[0];
        s.id = f[6];
        s.moment = std::stod(f[3]);
        s.column = std::stod(f[7]);
        s.row = std::stod(f[8]);
        s.lat = std::stod(f[9]);
        s.lon = std::stod(f[10]);
        s.mu = std::stod(f[12]);
        s.synodicRate = std::stod(f[15]);
        s.synodicPeriod = std::stod(f[16]);
        spots.push_back(s);
    }
    return spots;
}

E2EMeasurer::E2EMeasurer(int unit) {
    options.RawDataFormat = static_cast<std::uint8_t>(unit);
    options.Centroiding = true;
    options.MagRegionSize = 24;
    userDir_ = (std::filesystem::temp_directory_path() /
                ("solarrtn_e2e_" + std::to_string(reinterpret_cast<std::uintptr_t>(this))))
                   .string() +
               "/";
    std::filesystem::create_directories(userDir_);
    entry = std::make_unique<TMeasDataForm1>();
    MeasWindowHooks h;
    h.unit = [this] { return int(options.RawDataFormat); };
    entry->setHooks(h);
    window = std::make_unique<TImageForm1>(options, helio, *entry);
}

E2EMeasurer::~E2EMeasurer() {
    window.reset();
    entry.reset();
    std::error_code ec;
    std::filesystem::remove_all(userDir_, ec);
}

MeasList &E2EMeasurer::list() {
    return entry->list();
}

int E2EMeasurer::measureAll(const std::vector<KeySpot> &key, const std::string &folder, double minMu,
                            std::vector<std::string> *failures) {
    // The spots of each image, images in the key's order.
    std::vector<std::string> files;
    std::map<std::string, std::vector<const KeySpot *>> byFile;
    for (const KeySpot &s : key) {
        if (!byFile.count(s.file))
            files.push_back(s.file);
        byFile[s.file].push_back(&s);
    }
    auto fail = [&](const std::string &what) {
        if (failures)
            failures->push_back(what);
    };
    int recorded = 0;
    for (const std::string &file : files) {
        FITSFileObj image(userDir_);
        if (!image.Load(folder + file)) {
            fail(file + ": not loaded");
            continue;
        }
        window->ShowImage(image, 0);
        if (!window->Measuring)
            window->Measure1Click();
        const long double scale = window->Size.scale;
        for (const KeySpot *s : byFile[file]) {
            if (s->mu < minMu)
                continue;
            // A click at the key's position in whole display pixels; the centroid finds the spot.
            const int X = static_cast<int>(std::lround(s->column * scale));
            const int Y = static_cast<int>(std::lround(s->row * scale));
            entry->Pending = MeasRec{};
            window->FormMouseDown(Qt::LeftButton, X, Y);
            window->FormMouseUp(Qt::LeftButton, X, Y);
            if (entry->Pending.Time != s->moment && std::fabs(entry->Pending.Time - s->moment) > 1e-6) {
                fail(file + " " + s->id + ": not measured");
                continue;
            }
            entry->IDEd->setText(QString::fromStdString(s->id));
            entry->OkBtn1Click();
            ++recorded;
        }
        // The shown image goes away with this scope.
        window->ImageRemoved(&image);
    }
    return recorded;
}

} // namespace solar::test

#include "app/Platform.h"

#include "support/Options.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QImageReader>
#include <QPixmap>
#include <QScreen>
#include <QStandardPaths>
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace solar {

namespace {

// /proc/mounts writes blanks, tabs, newlines and backslashes in paths as three-digit octal escapes.
std::string unescapeMount(const std::string &s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 3 < s.size() && std::isdigit(static_cast<unsigned char>(s[i + 1])) &&
            std::isdigit(static_cast<unsigned char>(s[i + 2])) &&
            std::isdigit(static_cast<unsigned char>(s[i + 3]))) {
            out += static_cast<char>((s[i + 1] - '0') * 64 + (s[i + 2] - '0') * 8 + (s[i + 3] - '0'));
            i += 3;
        } else {
            out += s[i];
        }
    }
    return out;
}

} // namespace

StartupEnv StartupEnv::fromSystem() {
    StartupEnv env;
    env.installDir = InstallationFolderFor(programFolder());
    std::error_code ec;
    env.currentDir = withSlash(fs::current_path(ec).string());
    env.fallbackDir = userFallbackFolder();
    env.homeDir = withSlash(QDir::homePath().toStdString());
    if (QScreen *s = QGuiApplication::primaryScreen()) {
        env.screenWidth = s->size().width();
        env.screenHeight = s->size().height();
    }
    env.opticalMounts = systemOpticalMounts;
    return env;
}

std::string programFolder() {
    return withSlash(QCoreApplication::applicationDirPath().toStdString());
}

std::string preferredQtPlatform(const char *qpaPlatform, const char *sessionType, const char *waylandDisplay,
                                const char *x11Display) {
    const auto set = [](const char *v) { return v != nullptr && *v != '\0'; };
    if (set(qpaPlatform))
        return "";
    const bool wayland = set(waylandDisplay) || (set(sessionType) && std::string(sessionType) == "wayland");
    return wayland && set(x11Display) ? "xcb" : "";
}

std::string userFallbackFolder() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return withSlash(data.toStdString()) + "VORN/SolarRtn/";
}

std::vector<std::string> opticalMountsIn(const std::string &mountsText) {
    std::vector<std::string> out;
    std::istringstream in(mountsText);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string device, folder, type;
        if (!(fields >> device >> folder >> type))
            continue;
        if (type == "iso9660" || type == "udf")
            out.push_back(withSlash(unescapeMount(folder)));
    }
    return out;
}

std::vector<std::string> systemOpticalMounts() {
    std::ifstream f("/proc/mounts");
    std::stringstream ss;
    ss << f.rdbuf();
    return opticalMountsIn(ss.str());
}

std::string withSlash(std::string folder) {
    std::replace(folder.begin(), folder.end(), '\\', '/');
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder;
}

bool folderHoldsListFile(const std::string &folder) {
    return !folder.empty() && FolderHoldsImageDirectory(withSlash(folder));
}

bool curHotSpot(const std::string &bytes, int &x, int &y) {
    // ICONDIR: reserved 0, type 2 (cursor), count; then 16-byte entries whose planes and
    // bit-count words hold the hot spot.
    if (bytes.size() < 22)
        return false;
    auto u16 = [&](std::size_t at) {
        return static_cast<int>(static_cast<unsigned char>(bytes[at]) |
                                (static_cast<unsigned char>(bytes[at + 1]) << 8));
    };
    if (u16(0) != 0 || u16(2) != 2 || u16(4) < 1)
        return false;
    x = u16(6 + 4);
    y = u16(6 + 6);
    return true;
}

bool loadCursorFile(const std::string &path, QCursor &cursor) {
    std::ifstream f(path, std::ios::binary);
    if (!f)
        return false;
    std::stringstream ss;
    ss << f.rdbuf();
    int hx = 0, hy = 0;
    if (!curHotSpot(ss.str(), hx, hy))
        return false;
    QImageReader reader(QString::fromStdString(path), "cur");
    const QImage image = reader.read();
    if (image.isNull())
        return false;
    cursor = QCursor(QPixmap::fromImage(image), hx, hy);
    return true;
}

} // namespace solar

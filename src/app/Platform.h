#pragma once
// The window side's view of the machine: installation and per-user folders, screen size,
// mounted optical media, case-blind file look-ups on disk and the cursor file reader.

#include "support/ListText.h" // resolveNoCase

#include <QCursor>
#include <functional>
#include <string>
#include <vector>

namespace solar {

// Everything the main window learns from the machine at start-up; tests give their own.
struct StartupEnv {
    std::string installDir;  // installation folder (InstallationFolderFor), ending in "/"
    std::string currentDir;  // the current folder, ending in "/"
    std::string fallbackDir; // per-user folder when the working folder is write-protected
    std::string homeDir;     // the user's home folder (empty in tests that give none)
    int screenWidth = 0;
    int screenHeight = 0;
    // Mount folders of optical media, each ending in "/".
    std::function<std::vector<std::string>()> opticalMounts;

    static StartupEnv fromSystem();
};

// The window system to ask Qt for, from the session's environment (null: not set): "xcb" in a
// Wayland session that offers X11 through XWayland, where the program can place its measuring
// windows side by side; "" to leave Qt's own choice (a platform the user set, X11, or Wayland
// without XWayland, where the helpers still open as tool windows of the image window).
std::string preferredQtPlatform(const char *qpaPlatform, const char *sessionType, const char *waylandDisplay,
                                const char *x11Display);

// Folder of the program file, ending in "/".
std::string programFolder();
// The user's data folder + "VORN/SolarRtn/".
std::string userFallbackFolder();

// Mount folders (ending in "/") of the iso9660 and udf file systems in a /proc/mounts text;
// octal escapes such as "\040" for a blank are decoded.
std::vector<std::string> opticalMountsIn(const std::string &mountsText);
// The same for the running system.
std::vector<std::string> systemOpticalMounts();

// Appends "/" when missing (an empty text stays empty); "\" becomes "/".
std::string withSlash(std::string folder);
// True when folder holds a regular file whose name ends in "list.txt", in any case.
bool folderHoldsListFile(const std::string &folder);

// Hot spot of a Windows .CUR file (first image), or false when the bytes are no cursor file.
bool curHotSpot(const std::string &bytes, int &x, int &y);
// Cursor from a .CUR file with the file's hot spot; false leaves cursor unchanged.
bool loadCursorFile(const std::string &path, QCursor &cursor);

} // namespace solar

#pragma once
// The folders of one main-window test: an installation folder laid with the program's pictures,
// cursor, main help list and reminder; a working folder for the options file, the log and the
// user folders; and a spare folder (fallback, media, outputs).

#include "app/Platform.h"
#include "common/TempDir.h"
#include "support/Options.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace solar::test {

struct TestMachine {
    TempDir install, work, other;

    TestMachine() {
        const std::string data = std::string(SOLARRTN_SOURCE_DIR) + "/data/";
        for (const char *f : {"VORNLOGO.BMP", "SOLRTNSCRN.BMP", "XPXHAIR.CUR", "SOLRTNHLP.LST", "REMINDER.ROT"})
            std::filesystem::copy_file(data + f, install.file(f));
    }

    // The working folder's options file: the defaults, changed by `change`.
    void writeOptions(const std::function<void(OptionsRecord &)> &change) const {
        OptsObj o;
        o.Options.InstallDir = install.dir();
        o.SetDefaults();
        change(o.Options);
        const OptionsFileBytes bytes = encodeOptionsFile(o.Options);
        writeFile(work.file("SOLNOPTS.INI"), std::string(bytes.begin(), bytes.end()));
    }

    // The start-up environment of a machine with a screen of that size and no optical media.
    StartupEnv env(int screenWidth, int screenHeight) const {
        StartupEnv e;
        e.installDir = install.dir();
        e.currentDir = work.dir();
        e.fallbackDir = other.dir() + "fallback/";
        e.screenWidth = screenWidth;
        e.screenHeight = screenHeight;
        e.opticalMounts = [] { return std::vector<std::string>{}; };
        return e;
    }
};

} // namespace solar::test

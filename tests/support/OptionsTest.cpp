// The options file (byte layout, reading failures, backup), the folders found at start-up, the
// password scrambling and the questions of the option saving.

#include "support/Options.h"

#include "common/ScriptedPrompt.h"
#include "common/TempDir.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <vector>

namespace fs = std::filesystem;

namespace solar {
namespace {

using test::readFile;
using test::ScriptedPrompt;
using test::TempDir;
using test::writeFile;

const std::string Continue = "Program will continue with defaults or alternative file.";

// Writes a short string at `off`: length byte, the characters, then `fill` up to the room.
void putText(std::string &file, std::size_t off, std::size_t room, const std::string &text, char fill = 0) {
    file[off] = static_cast<char>(text.size());
    for (std::size_t i = 0; i < room; ++i)
        file[off + 1 + i] = i < text.size() ? text[i] : fill;
}

// An options file laid out byte by byte from the offset table of the file format, with
// leftovers after the strings' ends, as a file from an earlier save may hold them.
std::string handBuiltFile(const std::string &version = "1.014") {
    std::string f(2148, '\0');
    putText(f, 0, 71, version);
    putText(f, 72, 71, "MYLOGO.BMP", 'x');
    putText(f, 144, 71, "MYTITLE.BMP");
    putText(f, 216, 71, "ONHELP.TXT");
    putText(f, 288, 71, "MAIN.LST");
    putText(f, 360, 71, "MEAS.LST");
    putText(f, 432, 71, "CNTR.LST");
    putText(f, 504, 71, "LIN.LST");
    putText(f, 576, 71, "ROT.LST");
    putText(f, 648, 71, "USER.TXT");
    putText(f, 720, 71, "REMIND.ROT", '?');
    putText(f, 792, 255, "http://gong.test/");
    putText(f, 1048, 255, "http://home.test/");
    putText(f, 1304, 255, "/data/images/");
    putText(f, 1560, 255, "/usr/bin/sheet");
    putText(f, 1816, 255, "/var/log/LAB.LOG");
    // Password "ab" scrambled: complements of 'a' (0x61), 'b' (0x62), the zero byte, then leftovers.
    const unsigned char pw[16] = {0x9E, 0x9D, 0xFF, 0x55, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    for (int i = 0; i < 16; ++i)
        f[2072 + i] = static_cast<char>(pw[i]);
    f[2088] = 2;  // PasswordLength
    f[2089] = 32; // MagRegionSize
    putText(f, 2090, 4, "12");
    const char flags[11] = {0, 1, 1, 0, 1, 0, 1, 0, 1, 0, 1}; // LoginRequired .. ReadOutWindow
    for (int i = 0; i < 11; ++i)
        f[2095 + i] = flags[i];
    // DisplayParams: brightness 5, contrast -3, lower 59, upper 140 (little-endian int32),
    // contrast factor 1.5 as x87 extended (significand C000..., exponent 3FFF),
    // low factor -0.5f (BF000000), span factor 3.0f (40400000), invert 1, original 0, default 0.
    // clang-format off
    const unsigned char disp[38] = {
        5, 0, 0, 0,                                     // brightness
        0xFD, 0xFF, 0xFF, 0xFF,                         // contrast
        59, 0, 0, 0,                                    // lower index
        140, 0, 0, 0,                                   // upper index
        0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x3F,          // contrast factor
        0, 0, 0, 0xBF,                                  // low factor
        0, 0, 0x40, 0x40,                               // span factor
        1, 0, 0, 0};                                    // invert, original, default, spare
    // clang-format on
    for (int i = 0; i < 38; ++i)
        f[2106 + i] = static_cast<char>(disp[i]);
    f[2144] = 9;
    f[2145] = 6;
    f[2146] = 2;
    f[2147] = 1; // RawDataFormat
    return f;
}

OptsObj freshObj(const std::string &version = "1.014") {
    OptsObj o;
    o.Options.ProgramVersion = version;
    o.Options.OptionsFileName = "SOLNOPTS.INI";
    o.Options.BackupFileName = "SOLNOPTS.BAK";
    return o;
}

OptsPlatform platformFor(const std::string &program, const std::string &current, const std::string &fallback,
                         int *cdromCalls = nullptr) {
    OptsPlatform p;
    p.programDir = program;
    p.currentDir = current;
    p.fallbackDir = fallback;
    p.locateCdrom = [cdromCalls] {
        if (cdromCalls)
            ++*cdromCalls;
        return std::string("/media/cdrom/");
    };
    return p;
}

// Keeps the current folder across a test that may change it.
struct KeepCurrentFolder {
    fs::path saved = fs::current_path();
    ~KeepCurrentFolder() { fs::current_path(saved); }
};

TEST(OptionsFile, HandBuiltFileReadsIntoTheFieldsAndWritesBackIdentical) {
    TempDir dir;
    const std::string bytes = handBuiltFile();
    writeFile(dir.file("SOLNOPTS.INI"), bytes);
    ScriptedPrompt script;
    OptsObj o = freshObj();
    ASSERT_TRUE(o.ReadFile(dir.file("SOLNOPTS.INI")));
    const OptionsRecord &r = o.Options;
    EXPECT_EQ(r.FileVersion.str(), "1.014");
    EXPECT_EQ(r.LogoFile.str(), "MYLOGO.BMP");
    EXPECT_EQ(r.TitleFile.str(), "MYTITLE.BMP");
    EXPECT_EQ(r.OnHelpFile.str(), "ONHELP.TXT");
    EXPECT_EQ(r.MainHelpList.str(), "MAIN.LST");
    EXPECT_EQ(r.MeasHelpList.str(), "MEAS.LST");
    EXPECT_EQ(r.CentroidHelpList.str(), "CNTR.LST");
    EXPECT_EQ(r.LinearHelpList.str(), "LIN.LST");
    EXPECT_EQ(r.RotationHelpList.str(), "ROT.LST");
    EXPECT_EQ(r.UserHelpFile.str(), "USER.TXT");
    EXPECT_EQ(r.ReminderFile.str(), "REMIND.ROT");
    EXPECT_EQ(r.GongUrl.str(), "http://gong.test/");
    EXPECT_EQ(r.HomeUrl.str(), "http://home.test/");
    EXPECT_EQ(r.ImagePath.str(), "/data/images/");
    EXPECT_EQ(r.SpreadsheetProgram.str(), "/usr/bin/sheet");
    EXPECT_EQ(r.LogFileName.str(), "/var/log/LAB.LOG");
    EXPECT_EQ(r.PasswordLength, 2);
    EXPECT_EQ(o.UnscramblePassword(), "ab");
    EXPECT_EQ(r.MagRegionSize, 32);
    EXPECT_EQ(r.LabTable.str(), "12");
    EXPECT_FALSE(r.LoginRequired);
    EXPECT_TRUE(r.TestMode);
    EXPECT_TRUE(r.Centroiding);
    EXPECT_FALSE(r.CurveFitting);
    EXPECT_TRUE(r.ComputeSynodic);
    EXPECT_FALSE(r.ComputeRate);
    EXPECT_TRUE(r.ComputeSidereal);
    EXPECT_FALSE(r.PrintInColor);
    EXPECT_TRUE(r.MonochromeDisplay);
    EXPECT_FALSE(r.MagWindow);
    EXPECT_TRUE(r.ReadOutWindow);
    EXPECT_EQ(r.Display.brightness, 5);
    EXPECT_EQ(r.Display.contrast, -3);
    EXPECT_EQ(r.Display.lowerIndex, 59);
    EXPECT_EQ(r.Display.upperIndex, 140);
    EXPECT_EQ(r.Display.contrastFactor, 1.5L);
    EXPECT_EQ(r.Display.lowFactor, -0.5f);
    EXPECT_EQ(r.Display.spanFactor, 3.0f);
    EXPECT_TRUE(r.Display.invert);
    EXPECT_FALSE(r.Display.originalMark);
    EXPECT_FALSE(r.Display.defaultMark);
    EXPECT_EQ(r.Box.searchHalfWidth, 9);
    EXPECT_EQ(r.Box.centroidHalfDiameter, 6);
    EXPECT_EQ(r.Box.skyBorder, 2);
    EXPECT_EQ(r.RawDataFormat, 1);
    EXPECT_EQ(script.calls.size(), 0u);

    TempDir out;
    ASSERT_TRUE(o.WriteFile(out.dir()));
    EXPECT_EQ(readFile(out.file("SOLNOPTS.INI")), bytes);
    EXPECT_FALSE(fs::exists(out.file("SOLNOPTS.BAK"))) << "no earlier file, no backup";
    EXPECT_EQ(std::distance(fs::directory_iterator(out.path()), fs::directory_iterator()), 1)
        << "nothing but the options file is left in the folder";
}

TEST(OptionsFile, ReadFileFailures) {
    TempDir dir;
    const std::string path = dir.file("SOLNOPTS.INI");
    {
        SCOPED_TRACE("missing file: silently false");
        ScriptedPrompt script;
        OptsObj o = freshObj();
        EXPECT_FALSE(o.ReadFile(path));
        EXPECT_TRUE(script.calls.empty());
    }
    {
        SCOPED_TRACE("version 1.014 read by a program of version 1.020");
        writeFile(path, handBuiltFile("1.014"));
        ScriptedPrompt script;
        script.expect("Version Error");
        OptsObj o = freshObj("1.020");
        EXPECT_FALSE(o.ReadFile(path));
        EXPECT_EQ(script.lastMessage().text, "Options File " + path + " is obsolete.\r\n" + Continue);
        EXPECT_EQ(script.lastMessage().icon, Icon::Information);
        EXPECT_EQ(script.lastMessage().buttons, Buttons::OK);
        EXPECT_FALSE(fs::exists(path)) << "the obsolete file is deleted";
    }
    {
        SCOPED_TRACE("version 1.014 read by a program of version 1.019");
        writeFile(path, handBuiltFile("1.014"));
        ScriptedPrompt script;
        OptsObj o = freshObj("1.019");
        EXPECT_TRUE(o.ReadFile(path));
        EXPECT_TRUE(fs::exists(path));
    }
    struct Damaged {
        const char *what;
        std::string bytes;
        std::string error;
    };
    const Damaged damaged[] = {
        {"2147 bytes", handBuiltFile().substr(0, 2147), "Read beyond end of file"},
        {"2149 bytes", handBuiltFile() + "!", "EOF Not Reached!"},
        {"shorter than the version", handBuiltFile().substr(0, 40), "Read beyond end of file"},
    };
    for (const auto &d : damaged) {
        SCOPED_TRACE(d.what);
        writeFile(path, d.bytes);
        ScriptedPrompt script;
        script.expect("File Error");
        OptsObj o = freshObj();
        EXPECT_FALSE(o.ReadFile(path));
        EXPECT_EQ(script.lastMessage().text,
                  "Options File " + path + " is Invalid.\r\n" + Continue + "\r\n\r\n" + d.error);
        EXPECT_EQ(script.lastMessage().icon, Icon::Information);
        EXPECT_FALSE(fs::exists(path)) << "the damaged file is deleted";
    }
    {
        SCOPED_TRACE("a folder in place of the file is passed over and kept");
        fs::create_directory(path);
        ScriptedPrompt script;
        OptsObj o = freshObj();
        EXPECT_FALSE(o.ReadFile(path));
        EXPECT_TRUE(fs::is_directory(path));
    }
}

TEST(OptionsFile, InvalidValuesTakeTheirDefaultsWithOneMessageAndTheSaveReadsBackQuietly) {
    TempDir dir;
    std::string bytes = handBuiltFile();
    bytes[2106] = 60;                          // brightness 60 (the dialog stops at 50)
    bytes[2110] = static_cast<char>(0x38);     // contrast -200 (0xFFFFFF38)
    bytes[2147] = 7;                           // RawDataFormat beyond heliographic
    bytes[2097] = 2;                           // Centroiding flag neither 0 nor 1
    bytes[2089] = 0;                           // MagRegionSize 0
    bytes[2088] = 20;                          // PasswordLength beyond the 16 bytes
    bytes[72] = static_cast<char>(80);         // LogoFile length beyond its room of 71
    putText(bytes, 1816, 255, "LAB\nLOG");     // LogFileName with a line break
    bytes[2145] = 12;                          // centroid region wider than the search box
    putText(bytes, 1304, 255, "/data/images"); // ImagePath without its final "/": mended quietly
    const std::string path = dir.file("SOLNOPTS.INI");
    writeFile(path, bytes);
    ScriptedPrompt script;
    script.expect("Options File Corrected");
    OptsObj o = freshObj();
    o.Options.InstallDir = dir.dir();
    ASSERT_TRUE(o.ReadFile(path));
    EXPECT_EQ(script.lastMessage().text,
              "Options File " + path +
                  " held invalid values.\r\nThese settings take their default values: "
                  "LogoFile, LogFileName, PasswordLength, MagRegionSize, Centroiding, "
                  "RawDataFormat, DisplayParams, BoxParams.\r\n\r\n"
                  "Save the options to keep the corrected file.");
    const OptionsRecord &r = o.Options;
    EXPECT_EQ(r.Display.brightness, 0);
    EXPECT_EQ(r.Display.contrast, 0);
    EXPECT_EQ(r.Display.upperIndex, 127);
    EXPECT_EQ(r.RawDataFormat, 2);
    EXPECT_FALSE(r.Centroiding);
    EXPECT_TRUE(r.TestMode) << "the sound flags around it stay as read";
    EXPECT_EQ(r.MagRegionSize, 24);
    EXPECT_EQ(o.UnscramblePassword(), "ZIRP");
    EXPECT_EQ(r.LogoFile.str(), "VORNLOGO.BMP");
    EXPECT_EQ(r.LogFileName.str(), "VORNLOG.LOG");
    EXPECT_EQ(r.Box.searchHalfWidth, 8);
    EXPECT_EQ(r.Box.centroidHalfDiameter, 7);
    EXPECT_EQ(r.ImagePath.str(), "/data/images/");
    EXPECT_EQ(r.TitleFile.str(), "MYTITLE.BMP");

    // What the program writes reads back without a word and to the same bytes.
    ASSERT_TRUE(o.WriteFile(dir.dir()));
    OptsObj again = freshObj();
    ASSERT_TRUE(again.ReadFile(path));
    EXPECT_EQ(encodeOptionsFile(again.Options), encodeOptionsFile(o.Options));
    EXPECT_EQ(script.messages().size(), 1u);
}

TEST(OptionsStart, OptionsFileAndImageFolderFoundInAnyCase) {
    TempDir install, work;
    fs::create_directory(install.path() / "images");
    writeFile((install.path() / "images" / "synthlist.txt").string(), "x");
    std::string file = handBuiltFile();
    putText(file, 72, 71, "LOWER.BMP");
    writeFile(work.file("solnopts.ini"), file);
    ScriptedPrompt script;
    OptsObj o;
    o.Initialize("SOLNOPTS.INI", "1.014", platformFor(install.dir(), work.dir(), work.dir() + "never/"));
    EXPECT_EQ(o.Options.LogoFile.str(), "LOWER.BMP");
    // Without any options file the defaults look for the image folder in any case as well.
    fs::remove(work.file("solnopts.ini"));
    OptsObj d;
    int cdrom = 0;
    d.Initialize("SOLNOPTS.INI", "1.014",
                 platformFor(install.dir(), work.dir(), work.dir() + "never/", &cdrom));
    EXPECT_EQ(d.Options.ImagePath.str(), install.dir() + "images/");
    EXPECT_EQ(cdrom, 0);
}

TEST(OptionsStart, InstallationFolderBesideTheProgramOrUnderShare) {
    TempDir root;
    fs::create_directories(root.path() / "bin");
    fs::create_directories(root.path() / "share" / "SolarRtn");
    // An installation under a prefix: the program in bin/, its folder in share/SolarRtn/.
    EXPECT_EQ(InstallationFolderFor(root.dir() + "bin/"), root.dir() + "share/SolarRtn/");
    // A build (or a copy into one folder): the pictures lie beside the program.
    writeFile(root.dir() + "bin/vornlogo.bmp", "x");
    EXPECT_EQ(InstallationFolderFor(root.dir() + "bin/"), root.dir() + "bin/");
    // Neither: the program's own folder.
    TempDir bare;
    EXPECT_EQ(InstallationFolderFor(bare.dir()), bare.dir());
}

TEST(OptionsFile, ShortFileKeepsTheFieldsReadBeforeTheError) {
    TempDir dir;
    const std::string path = dir.file("SOLNOPTS.INI");
    writeFile(path, handBuiltFile().substr(0, 1000)); // up to and with HomeUrl's start
    ScriptedPrompt script;
    script.expect("File Error");
    OptsObj o = freshObj();
    o.Options.HomeUrl = "untouched";
    EXPECT_FALSE(o.ReadFile(path));
    EXPECT_EQ(o.Options.ReminderFile.str(), "REMIND.ROT"); // ends at byte 792
    EXPECT_EQ(o.Options.GongUrl.str(), "");                // 792..1048 not wholly read
    EXPECT_EQ(o.Options.HomeUrl.str(), "untouched");
}

TEST(OptionsFile, WriteKeepsTheEarlierFileAsBackup) {
    TempDir dir;
    const std::string old = handBuiltFile();
    writeFile(dir.file("SOLNOPTS.INI"), old);
    ScriptedPrompt script;
    OptsObj o = freshObj();
    ASSERT_TRUE(o.ReadFile(dir.file("SOLNOPTS.INI")));
    o.Options.LabTable = "9";
    ASSERT_TRUE(o.WriteFile(dir.dir()));
    EXPECT_EQ(readFile(dir.file("SOLNOPTS.BAK")), old);
    const std::string now = readFile(dir.file("SOLNOPTS.INI"));
    ASSERT_EQ(now.size(), 2148u);
    EXPECT_EQ(now.substr(2090, 2), std::string("\x01"
                                               "9"));
    EXPECT_EQ(now.substr(0, 2090), old.substr(0, 2090));

    // An empty earlier file is kept as an empty backup, and the save goes on.
    writeFile(dir.file("SOLNOPTS.INI"), "");
    ASSERT_TRUE(o.WriteFile(dir.dir()));
    EXPECT_EQ(readFile(dir.file("SOLNOPTS.BAK")), "");
    const std::string now2 = readFile(dir.file("SOLNOPTS.INI"));

    // A second save replaces the older backup.
    o.Options.LabTable = "10";
    ASSERT_TRUE(o.WriteFile(dir.dir()));
    EXPECT_EQ(readFile(dir.file("SOLNOPTS.BAK")), now2);
    EXPECT_EQ(now2, now);
}

TEST(OptionsFile, WriteFailureIsReportedWithTheFileName) {
    TempDir dir;
    writeFile(dir.file("plain"), "x");
    const std::string folder = dir.file("plain") + "/"; // a regular file cannot hold files
    ScriptedPrompt script;
    script.expect("Options File Error!");
    OptsObj o = freshObj();
    EXPECT_FALSE(o.WriteFile(folder));
    // ENOTDIR gives the I/O code 3, "Invalid File Name!" in the program's error words.
    EXPECT_EQ(script.lastMessage().text,
              "Unable to save Options!\r\n\r\nFileName: " + folder + "SOLNOPTS.INI\r\nInvalid File Name!");
    EXPECT_EQ(script.lastMessage().icon, Icon::Error);
}

TEST(OptionsFile, SaveWaitsForTheLockOfAnotherProgramAndTakesOverAStaleOne) {
    TempDir dir;
    const std::string lockFile = dir.file("SOLNOPTS.INI.LCK");
    writeFile(lockFile, ""); // another program is saving
    ScriptedPrompt script;
    script.expect("Options File Error!");
    OptsObj o = freshObj();
    SetFileDefaults(o.Options);
    o.SaveLockWait = std::chrono::milliseconds(150);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(o.WriteFile(dir.dir()));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(150));
    EXPECT_EQ(script.lastMessage().text,
              "Unable to save Options!\r\n\r\nFileName: " + dir.file("SOLNOPTS.INI") +
                  "\r\nThe file is being saved by another program (lock file " + lockFile +
                  "). Please try again.");
    EXPECT_FALSE(fs::exists(dir.file("SOLNOPTS.INI")));
    EXPECT_TRUE(fs::exists(lockFile)) << "another program's lock stays";

    // Left by a program that ended during its save: taken over, and gone after the save.
    fs::last_write_time(lockFile, fs::file_time_type::clock::now() - std::chrono::minutes(1));
    EXPECT_TRUE(o.WriteFile(dir.dir()));
    EXPECT_EQ(fs::file_size(dir.file("SOLNOPTS.INI")), OptionsFileSize);
    std::vector<std::string> names;
    for (const auto &entry : fs::directory_iterator(dir.dir()))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"SOLNOPTS.INI"}) << "no lock and no temporary file left";
}

TEST(OptionsStart, HomeFolderAsWorkingFolderGivesWayToTheDataFolderUnlessItHoldsTheOptions) {
    KeepCurrentFolder keep;
    TempDir home, install;
    const std::string data = home.dir() + ".local/share/VORN/SolarRtn/";
    ScriptedPrompt script;
    {
        auto platform = platformFor(install.dir(), home.path().string(), data);
        platform.homeDir = home.dir();
        OptsObj o;
        EXPECT_FALSE(o.Initialize("SOLNOPTS.INI", "1.014", platform));
        EXPECT_EQ(o.Options.WorkDir.str(), data);
        EXPECT_TRUE(fs::is_directory(data));
        EXPECT_TRUE(fs::equivalent(fs::current_path(), data));
    }
    {
        // An instructor who keeps the options in the home folder on purpose keeps it.
        fs::current_path(keep.saved);
        writeFile(home.file("SOLNOPTS.INI"), handBuiltFile());
        auto platform = platformFor(install.dir(), home.dir(), data);
        platform.homeDir = home.path().string();
        OptsObj o;
        o.Initialize("SOLNOPTS.INI", "1.014", platform);
        EXPECT_EQ(o.Options.WorkDir.str(), home.dir());
        EXPECT_EQ(o.Options.LogoFile.str(), "MYLOGO.BMP");
    }
}

TEST(OptionsVersion, VersionMatches) {
    EXPECT_TRUE(OptsObj::VersionMatches("1.014", "1.014"));
    EXPECT_TRUE(OptsObj::VersionMatches("1.014", "1.015"));
    EXPECT_TRUE(OptsObj::VersionMatches("1.014", "1.01"));
    EXPECT_TRUE(OptsObj::VersionMatches("1.019", "1.014"));
    EXPECT_FALSE(OptsObj::VersionMatches("1.014", "1.02"));
    EXPECT_FALSE(OptsObj::VersionMatches("1.020", "1.014"));
    EXPECT_FALSE(OptsObj::VersionMatches("2.014", "1.014"));
    EXPECT_TRUE(OptsObj::VersionMatches("12", "123")); // no ".": the first two characters
    EXPECT_FALSE(OptsObj::VersionMatches("1", "1.0"));
    EXPECT_TRUE(OptsObj::VersionMatches("", ""));
}

TEST(OptionsPassword, Scrambling) {
    OptsObj o;
    o.Options.ScrambledPassword.fill(0x11);
    o.ScramblePassword("Abcde");
    EXPECT_EQ(o.Options.PasswordLength, 5);
    // Two words: ~"Abcd" and ~"e" followed by a zero byte; the words after them keep their bytes.
    const std::uint8_t expected[16] = {0xBE, 0x9D, 0x9C, 0x9B, 0x9A, 0xFF, 0xFF, 0xFF,
                                       0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(o.Options.ScrambledPassword[i], expected[i]) << "byte " << i;
    for (int i = 8; i < 16; ++i)
        EXPECT_EQ(o.Options.ScrambledPassword[i], expected[i]) << "byte " << i;
    EXPECT_EQ(o.UnscramblePassword(), "Abcde");

    o.ScramblePassword("");
    EXPECT_EQ(o.Options.PasswordLength, 0);
    EXPECT_EQ(o.UnscramblePassword(), "");
    EXPECT_EQ(o.Options.ScrambledPassword[0], 0xBE) << "an empty password changes no word";

    o.ScramblePassword("WXYZ");
    EXPECT_EQ(o.UnscramblePassword(), "WXYZ");
    o.ScramblePassword("0123456789abcdef");
    EXPECT_EQ(o.UnscramblePassword(), "0123456789abcdef");
    o.ScramblePassword("xy"); // the later words still hold the longer password's bytes
    EXPECT_EQ(o.UnscramblePassword(), "xy");
    o.ScramblePassword("0123456789abcdefEXTRA"); // more than the room: cut to 16
    EXPECT_EQ(o.Options.PasswordLength, 16);
    EXPECT_EQ(o.UnscramblePassword(), "0123456789abcdef");
}

TEST(OptionsPassword, OnlyPasswordsTheFileHoldsWholeFitAndTheyReadBackAsTyped) {
    const std::string e = "\xC3\xA9"; // "é": two bytes in UTF-8
    std::string eight, sixteen;
    for (int i = 0; i < 8; ++i)
        eight += e;
    sixteen = eight + eight;
    EXPECT_FALSE(OptsObj::PasswordFits(sixteen)); // 16 letters, 32 bytes
    EXPECT_FALSE(OptsObj::PasswordFits("0123456789abcdefg"));
    EXPECT_FALSE(OptsObj::PasswordFits(std::string("ab\0c", 4)));
    EXPECT_TRUE(OptsObj::PasswordFits("0123456789abcdef"));
    ASSERT_TRUE(OptsObj::PasswordFits(eight));
    OptsObj o;
    o.ScramblePassword(eight);
    EXPECT_EQ(o.UnscramblePassword(), eight);
    // A text cut to the room loses whole letters only.
    o.ScramblePassword("a" + eight);
    EXPECT_EQ(o.UnscramblePassword(), "a" + eight.substr(0, 14));
}

TEST(OptionsStart, DefaultsWhenNoFileAnywhere) {
    TempDir install, work;
    fs::create_directory(install.path() / "IMAGES");
    writeFile((install.path() / "IMAGES" / "gong_list.txt").string(), "x"); // lower case matches too
    ScriptedPrompt script;
    int cdrom = 0;
    OptsObj o;
    EXPECT_FALSE(o.Initialize(
        "SOLNOPTS.INI", "1.014",
        platformFor(install.path().string(), work.path().string(), work.dir() + "never/", &cdrom)));
    const OptionsRecord &r = o.Options;
    EXPECT_EQ(r.ProgramVersion.str(), "1.014");
    EXPECT_EQ(r.OptionsFileName.str(), "SOLNOPTS.INI");
    EXPECT_EQ(r.BackupFileName.str(), "SOLNOPTS.BAK");
    EXPECT_EQ(r.InstallDir.str(), install.dir());
    EXPECT_EQ(r.WorkDir.str(), work.dir());
    EXPECT_EQ(r.ImagePath.str(), install.dir() + "IMAGES/");
    EXPECT_EQ(cdrom, 0);
    EXPECT_EQ(r.FileVersion.str(), "1.014");
    EXPECT_EQ(r.LogoFile.str(), "VORNLOGO.BMP");
    EXPECT_EQ(r.TitleFile.str(), "SOLRTNSCRN.BMP");
    EXPECT_EQ(r.OnHelpFile.str(), "");
    EXPECT_EQ(r.MainHelpList.str(), "SOLRTNHLP.LST");
    EXPECT_EQ(r.RotationHelpList.str(), "RANALHLP.LST");
    EXPECT_EQ(r.UserHelpFile.str(), "");
    EXPECT_EQ(r.ReminderFile.str(), "REMINDER.ROT");
    EXPECT_EQ(r.SpreadsheetProgram.str(), "");
    EXPECT_EQ(r.LogFileName.str(), "VORNLOG.LOG");
    EXPECT_EQ(r.PasswordLength, 4);
    EXPECT_EQ(o.UnscramblePassword(), "ZIRP");
    EXPECT_EQ(r.ScrambledPassword[0], 0xFF - 'Z');
    EXPECT_EQ(r.MagRegionSize, 24);
    EXPECT_EQ(r.LabTable.str(), "");
    EXPECT_TRUE(r.LoginRequired);
    EXPECT_FALSE(r.Administrator);
    EXPECT_FALSE(r.TestMode || r.Centroiding || r.CurveFitting || r.ComputeSynodic || r.ComputeRate ||
                 r.ComputeSidereal || r.PrintInColor || r.MonochromeDisplay);
    EXPECT_TRUE(r.MagWindow);
    EXPECT_TRUE(r.ReadOutWindow);
    EXPECT_EQ(r.Display.lowerIndex, 64) << "the display record's own defaults";
    EXPECT_EQ(r.RawDataFormat, 2);
    EXPECT_TRUE(script.calls.empty());
    EXPECT_FALSE(fs::exists(work.file("SOLNOPTS.INI"))) << "nothing is written until the user agrees";
    EXPECT_FALSE(fs::exists(work.file("Test.tmp"))) << "the write probe is removed";
}

TEST(OptionsStart, ImagePathOnTheCdWhenTheInstallationHasNoImages) {
    TempDir install, work;
    ScriptedPrompt script;
    int cdrom = 0;
    OptsObj o;
    o.Initialize("SOLNOPTS.INI", "1.014",
                 platformFor(install.dir(), work.dir(), work.dir() + "never/", &cdrom));
    EXPECT_EQ(cdrom, 1);
    EXPECT_EQ(o.Options.ImagePath.str(), "/media/cdrom/Program Files/VORN/Solar Rotation/IMAGES/");
}

TEST(OptionsStart, WorkingFolderFileFirstThenInstallationFileThenDefaults) {
    TempDir install, work;
    std::string installFile = handBuiltFile();
    putText(installFile, 72, 71, "INSTALL.BMP");
    std::string workFile = handBuiltFile();
    putText(workFile, 72, 71, "WORK.BMP");
    workFile[2096] = 1; // also Administrator is never in the file; it starts false
    const auto platform = platformFor(install.dir(), work.dir(), work.dir() + "never/");
    {
        SCOPED_TRACE("both files: the working folder's");
        writeFile(install.file("SOLNOPTS.INI"), installFile);
        writeFile(work.file("SOLNOPTS.INI"), workFile);
        ScriptedPrompt script;
        OptsObj o;
        o.Options.Administrator = true;
        o.Initialize("SOLNOPTS.INI", "1.014", platform);
        EXPECT_EQ(o.Options.LogoFile.str(), "WORK.BMP");
        EXPECT_FALSE(o.Options.Administrator);
    }
    {
        SCOPED_TRACE("damaged working folder file: reported, deleted, the installation's read");
        writeFile(work.file("SOLNOPTS.INI"), workFile.substr(0, 2147));
        ScriptedPrompt script;
        script.expect("File Error");
        OptsObj o;
        o.Initialize("SOLNOPTS.INI", "1.014", platform);
        EXPECT_EQ(o.Options.LogoFile.str(), "INSTALL.BMP");
        EXPECT_EQ(o.Options.ImagePath.str(), "/data/images/");
        EXPECT_FALSE(fs::exists(work.file("SOLNOPTS.INI")));
        EXPECT_TRUE(fs::exists(install.file("SOLNOPTS.INI")));
    }
    {
        SCOPED_TRACE("obsolete installation file: reported, deleted, the defaults");
        writeFile(install.file("SOLNOPTS.INI"), handBuiltFile("1.020"));
        ScriptedPrompt script;
        script.expect("Version Error");
        OptsObj o;
        o.Initialize("SOLNOPTS.INI", "1.014", platform);
        EXPECT_EQ(o.Options.LogoFile.str(), "VORNLOGO.BMP");
        EXPECT_FALSE(fs::exists(install.file("SOLNOPTS.INI")));
    }
}

TEST(OptionsStart, WorkingFolderIsTheInstallationFolderReadsOnce) {
    TempDir install;
    writeFile(install.file("SOLNOPTS.INI"), handBuiltFile("0.9"));
    ScriptedPrompt script;
    script.expect("Version Error"); // asked once: the same folder is not tried twice
    OptsObj o;
    o.Initialize("SOLNOPTS.INI", "1.014",
                 platformFor(install.dir(), install.path().string(), "/nonexistent/"));
    EXPECT_EQ(o.Options.LogoFile.str(), "VORNLOGO.BMP");
}

// Tests run as root, where folder permissions do not stop writing: a write-protected working
// folder is made as a path below a regular file, where no file can ever be created.
TEST(OptionsStart, WriteProtectedWorkingFolderUsesThePerUserFolder) {
    KeepCurrentFolder keep;
    TempDir dir, install;
    writeFile(dir.file("plain"), "x");
    const std::string protectedDir = dir.file("plain") + "/sub/";
    EXPECT_TRUE(OptsObj::FolderIsWriteProtected(protectedDir));
    EXPECT_FALSE(OptsObj::FolderIsWriteProtected(dir.dir()));

    const std::string fallback = dir.dir() + "home/user/VORN/SolarRtn/";
    ScriptedPrompt script;
    OptsObj o;
    EXPECT_FALSE(o.Initialize("SOLNOPTS.INI", "1.014", platformFor(install.dir(), protectedDir, fallback)));
    EXPECT_EQ(o.Options.WorkDir.str(), fallback);
    EXPECT_TRUE(fs::is_directory(fallback));
    EXPECT_TRUE(fs::equivalent(fs::current_path(), fallback));
    EXPECT_TRUE(script.calls.empty());
}

TEST(OptionsStart, NoWritableFolderAsksForStorage) {
    KeepCurrentFolder keep;
    TempDir dir, install, chosen;
    writeFile(dir.file("plain"), "x");
    const std::string protectedDir = dir.file("plain") + "/sub/";
    const std::string fallback = dir.file("plain") + "/VORN/SolarRtn/"; // cannot be created either
    const auto platform = platformFor(install.dir(), protectedDir, fallback);
    const std::string text =
        "Path \"" + protectedDir + "\" is write-protected!\r\n\r\n" +
        "You must provide a path to write-enabled storage.  If you are using removable "
        "storage,\r\nsuch as a USB device, please mount it before continuing, then select "
        "it in the dialog that follows.";
    {
        SCOPED_TRACE("OK, then a folder chosen");
        ScriptedPrompt script;
        script.expect("Write-Enabled Storage Required", Answer::OK);
        script.answerFolder(chosen.path().string());
        OptsObj o;
        EXPECT_FALSE(o.Initialize("SOLNOPTS.INI", "1.014", platform));
        EXPECT_EQ(script.messages().at(0).text, text);
        EXPECT_EQ(script.messages().at(0).icon, Icon::Stop);
        EXPECT_EQ(script.messages().at(0).buttons, Buttons::OKCancel);
        EXPECT_EQ(script.calls.at(1).kind, "folder");
        EXPECT_EQ(script.calls.at(1).text, fallback) << "the dialog opens at the per-user folder";
        EXPECT_EQ(o.Options.WorkDir.str(), chosen.dir());
        EXPECT_EQ(script.quitRequests, 0);
    }
    {
        SCOPED_TRACE("OK, then no folder");
        ScriptedPrompt script;
        script.expect("Write-Enabled Storage Required", Answer::OK);
        script.answerFolder("");
        OptsObj o;
        EXPECT_TRUE(o.Initialize("SOLNOPTS.INI", "1.014", platform));
        EXPECT_EQ(script.quitRequests, 1);
    }
    {
        SCOPED_TRACE("Cancel: the program ends even when a folder is chosen afterwards");
        ScriptedPrompt script;
        script.expect("Write-Enabled Storage Required", Answer::Cancel);
        script.answerFolder(chosen.path().string());
        OptsObj o;
        EXPECT_TRUE(o.Initialize("SOLNOPTS.INI", "1.014", platform));
        EXPECT_EQ(script.quitRequests, 1);
    }
}

// The option saving of the main window, with a working copy as the window keeps it.
struct SaverFixture : ::testing::Test {
    TempDir work, install;
    OptsObj opts;
    OptionsRecord copy;
    std::vector<bool> enabled;
    int busyWhileWriting = -1;
    ScriptedPrompt *script = nullptr;

    void SetUp() override {
        opts.Options.ProgramVersion = "1.014";
        opts.Options.OptionsFileName = "SOLNOPTS.INI";
        opts.Options.BackupFileName = "SOLNOPTS.BAK";
        opts.Options.WorkDir = work.dir();
        opts.Options.InstallDir = install.dir();
        opts.SetDefaults();
        copy = opts.Options;
    }
    OptionsSaver saver() {
        return OptionsSaver(copy, opts, [this](bool on) {
            enabled.push_back(on);
            if (!on && script)
                busyWhileWriting = script->busyDepth;
        });
    }
    std::string saveText(const std::string &folder) {
        return "Save Updated Parameters in " + folder + "SOLNOPTS.INI?";
    }
};

TEST_F(SaverFixture, YesSavesTheWorkingCopyUnderTheHourglass) {
    ScriptedPrompt s;
    script = &s;
    OptionsSaver sv = saver();
    copy.LabTable = "7"; // changed only in the working copy
    s.expect("Save Option Changes?", Answer::Yes);
    sv.MarkOptionsChanged();
    EXPECT_EQ(s.messages().size(), 1u) << "no all-users question without Administrator";
    EXPECT_EQ(s.lastMessage().text, saveText(work.dir()));
    EXPECT_EQ(s.lastMessage().icon, Icon::Question);
    EXPECT_EQ(s.lastMessage().buttons, Buttons::YesNo);
    EXPECT_EQ(enabled, (std::vector<bool>{true, false}));
    EXPECT_EQ(busyWhileWriting, 1);
    EXPECT_EQ(s.busyDepth, 0);
    EXPECT_FALSE(sv.OptionsChangesPending);
    const std::string file = readFile(work.file("SOLNOPTS.INI"));
    ASSERT_EQ(file.size(), 2148u);
    EXPECT_EQ(file.substr(2090, 2), std::string("\x01"
                                                "7"));
    EXPECT_EQ(opts.Options.LabTable.str(), "7");
}

TEST_F(SaverFixture, NoKeepsTheChangesPending) {
    ScriptedPrompt s;
    OptionsSaver sv = saver();
    s.expect("Save Option Changes?", Answer::No);
    sv.MarkOptionsChanged();
    EXPECT_TRUE(sv.OptionsChangesPending);
    EXPECT_EQ(enabled, (std::vector<bool>{true}));
    EXPECT_FALSE(fs::exists(work.file("SOLNOPTS.INI")));

    // At the end of the exercise it is offered again; after it nothing stays pending.
    s.expect("Save Option Changes?", Answer::No);
    sv.SaveOnClose();
    EXPECT_FALSE(sv.OptionsChangesPending);
    EXPECT_FALSE(sv.AllUsersSavePending);
}

TEST_F(SaverFixture, AdministratorIsOfferedBothSavesAndARefusalStaysPending) {
    ScriptedPrompt s;
    OptionsSaver sv = saver();
    copy.Administrator = true;
    s.expect("Save Option Changes?", Answer::Yes);
    s.expect("Use As Defaults for All Users?", Answer::No);
    sv.MarkOptionsChanged();
    EXPECT_EQ(s.lastMessage().text, saveText(install.dir()));
    EXPECT_EQ(s.lastMessage().buttons, Buttons::YesNo);
    EXPECT_TRUE(fs::exists(work.file("SOLNOPTS.INI")));
    EXPECT_FALSE(fs::exists(install.file("SOLNOPTS.INI")));
    EXPECT_FALSE(sv.OptionsChangesPending);
    EXPECT_TRUE(sv.AllUsersSavePending);

    // Asked again when the exercise ends: only the all-users question.
    s.expect("Use As Defaults for All Users?", Answer::Yes);
    sv.SaveOnClose();
    EXPECT_TRUE(fs::exists(install.file("SOLNOPTS.INI")));
    EXPECT_FALSE(sv.AllUsersSavePending);
    EXPECT_TRUE(copy.Administrator) << "a successful write keeps the setting for the run";
    EXPECT_EQ(s.busyDepth, 0);
    sv.SaveOptionsForAllUsers(); // nothing pending: no question
}

TEST_F(SaverFixture, FailedAllUsersWriteDropsAdministrator) {
    writeFile(install.file("plain"), "x");
    copy.InstallDir = install.file("plain") + "/";
    ScriptedPrompt s;
    OptionsSaver sv = saver();
    copy.Administrator = true;
    s.expect("Save Option Changes?", Answer::No);
    s.expect("Use As Defaults for All Users?", Answer::Yes);
    s.expect("Options File Error!");
    sv.MarkOptionsChanged();
    EXPECT_FALSE(copy.Administrator);
    EXPECT_FALSE(opts.Options.Administrator);
    EXPECT_FALSE(sv.AllUsersSavePending);
    EXPECT_TRUE(sv.OptionsChangesPending);
}

TEST_F(SaverFixture, FailedSaveStillClearsThePendingFlag) {
    writeFile(work.file("plain"), "x");
    copy.WorkDir = work.file("plain") + "/";
    ScriptedPrompt s;
    OptionsSaver sv = saver();
    s.expect("Save Option Changes?", Answer::Yes);
    s.expect("Options File Error!");
    sv.MarkOptionsChanged();
    EXPECT_FALSE(sv.OptionsChangesPending);
    EXPECT_EQ(enabled, (std::vector<bool>{true, false}));
}

} // namespace
} // namespace solar

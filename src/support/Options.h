#pragma once
// The options record every part of the program reads, the options object that finds the working
// folders and reads and writes the 2148-byte options file "SOLNOPTS.INI", and the main window's
// saving of changed options (questions, working copy, all-users defaults).

#include "support/DisplayParams.h"
#include "support/ShortStr.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace solar {

struct OptionsRecord {
    ShortString<71> ProgramVersion;
    ShortString<71> OptionsFileName;
    ShortString<71> BackupFileName;
    ShortString<71> FileVersion;
    ShortString<255> InstallDir; // ends in "/", at most 184 characters
    ShortString<255> WorkDir;    // ends in "/", at most 184 characters
    ShortString<255> UserDir;
    ShortString<255> ImagePath; // ends in "/"
    ShortString<71> LogoFile;
    ShortString<71> TitleFile;
    ShortString<71> OnHelpFile;
    ShortString<71> MainHelpList;
    ShortString<71> MeasHelpList;
    ShortString<71> CentroidHelpList;
    ShortString<71> LinearHelpList;
    ShortString<71> RotationHelpList;
    ShortString<71> UserHelpFile;
    ShortString<71> ReminderFile;
    ShortString<255> GongUrl;
    ShortString<255> HomeUrl;
    ShortString<255> SpreadsheetProgram;
    ShortString<255> LogFileName;
    std::array<std::uint8_t, 16> ScrambledPassword{};
    std::uint8_t PasswordLength = 0;
    std::uint8_t MagRegionSize = 0;
    ShortString<4> LabTable;
    bool LoginRequired = false;
    bool Administrator = false;
    bool TestMode = false;
    bool Centroiding = false;
    bool CurveFitting = false;
    bool ComputeSynodic = false;
    bool ComputeRate = false;
    bool ComputeSidereal = false;
    bool PrintInColor = false;
    bool MonochromeDisplay = false;
    bool MagWindow = false;
    bool ReadOutWindow = false;
    DisplayParams Display;          // the display defaults (the file's DisplayParams field)
    BoxParams Box;                  // the centroid box (the file's BoxParams field)
    std::uint8_t RawDataFormat = 0; // 0 pixels, 1 solar radii, 2 heliographic
};

constexpr std::size_t OptionsFileSize = 2148;
using OptionsFileBytes = std::array<std::uint8_t, OptionsFileSize>;

// The file image of the record: only the fields the file holds, at their fixed offsets.
OptionsFileBytes encodeOptionsFile(const OptionsRecord &rec);
// Fills the file's fields from the first `count` bytes; a field not wholly inside them is left
// as it was (a short file keeps what was read before the error).
void decodeOptionsFile(const std::uint8_t *bytes, std::size_t count, OptionsRecord &rec);
inline void decodeOptionsFile(const OptionsFileBytes &bytes, OptionsRecord &rec) {
    decodeOptionsFile(bytes.data(), bytes.size(), rec);
}

// The defaults of every field the file holds, except ImagePath (searched for by SetDefaults).
void SetFileDefaults(OptionsRecord &rec);

// Checks every field the file holds against what the program itself can store: texts within
// their room and free of control characters, flags 0 or 1, numbers within the ranges of their
// dialogs, display indices within what brightness and contrast give. A bad field takes its
// default (ImagePath: installDir + "IMAGES/"); an ImagePath without its final "/" gets one.
// With the file image `raw` the flag bytes are checked as well (the record holds them as bool).
// Returns the names of the fields that were replaced.
std::vector<std::string> ValidateOptions(OptionsRecord &rec, const std::string &installDir,
                                         const std::array<std::uint8_t, 2148> *raw = nullptr);

// The folder the pictures, cursor and images are read from, for a program file in `programDir`
// (ending in "/"): that folder itself when it holds the logo picture or an "IMAGES" folder (a
// build, or a copy to one folder), else "../share/SolarRtn/" beside it when that exists (an
// installation under a prefix); the result ends in "/".
std::string InstallationFolderFor(const std::string &programDir);

// True when folder (ending in "/") holds a file whose name ends in "LIST.TXT", in any case:
// an image database directory file.
bool FolderHoldsImageDirectory(const std::string &folder);
// The path of the first such file, or "" when there is none.
std::string ImageDirectoryFileIn(const std::string &folder);

// What the core cannot find out by itself, handed in by the window side.
struct OptsPlatform {
    std::string programDir;  // folder of the program file, ending in "/"
    std::string currentDir;  // the current folder
    std::string fallbackDir; // per-user folder used when the working folder is write-protected
                             // or is the home folder without an options file
    std::string homeDir;     // the user's home folder; empty: not known
    std::function<std::string()> locateCdrom; // root of the image CD ("/media/cdrom/") or ""
};

class OptsObj {
public:
    OptsObj() = default; // every field zero or empty
    virtual ~OptsObj() = default;

    // Finds the folders, reads the options file from the working folder, else from the
    // installation folder, else applies the defaults. True when the program should end
    // (the user refused to provide writable storage); the quit request has then been made.
    bool Initialize(const std::string &fileName, const std::string &version, const OptsPlatform &platform);
    // Every field of the file takes its default; ImagePath is searched for.
    void SetDefaults();
    // True when the file at path was read completely; a bad file is reported and deleted. Fields
    // out of range take their defaults, and one message says so.
    bool ReadFile(const std::string &path);
    // Writes folder + OptionsFileName, keeping the previous file as BackupFileName. Both are
    // written under a unique name beside them and renamed into place, under OptionsFileLock.
    bool WriteFile(const std::string &folder);
    // True when the two versions agree up to the second digit after the first ".".
    static bool VersionMatches(const std::string &a, const std::string &b);
    // Room of the password in the file, in bytes: the password is compared byte for byte as the
    // UTF-8 text typed, so a letter outside ASCII takes two to four of them.
    static constexpr std::size_t PasswordRoom = 16;
    // True when text can be stored and typed back: at most PasswordRoom bytes, no zero byte.
    static bool PasswordFits(const std::string &text);
    void ScramblePassword(const std::string &text);
    std::string UnscramblePassword() const;
    // True when no file can be created in folder (ending in "/").
    static bool FolderIsWriteProtected(const std::string &folder);

    OptionsRecord Options;
    // How long a save waits for another program's save of the same file.
    std::chrono::milliseconds SaveLockWait{10000};

protected:
    // Hooks for descendants: more data after the fixed fields. A read past the end of the file
    // sets the stream's fail state and is reported as a damaged file.
    virtual void ReadExtra(std::istream &in);
    virtual void WriteExtra(std::ostream &out);

private:
    std::function<std::string()> locateCdrom_;
};

// The lock that lets one program at a time save an options file into a folder that several
// machines share: the file optionsPath + ".LCK", created with O_CREAT | O_EXCL and removed when
// the lock ends. A lock file older than StaleAfter was left by a program that ended during its
// save and is taken over. Waits at most `wait` for another program's save.
class OptionsFileLock {
public:
    static constexpr std::chrono::seconds StaleAfter{30};
    explicit OptionsFileLock(const std::string &optionsPath,
                             std::chrono::milliseconds wait = std::chrono::milliseconds(10000));
    ~OptionsFileLock();
    OptionsFileLock(const OptionsFileLock &) = delete;
    OptionsFileLock &operator=(const OptionsFileLock &) = delete;

    bool held() const { return held_; }
    // Why the lock was not had: EEXIST when another program held it all the wait, else the
    // error of creating the lock file.
    int error() const { return error_; }
    const std::string &path() const { return path_; }

private:
    std::string path_;
    bool held_ = false;
    int error_ = 0;
};

// The main window's saving of changed options: the two pending flags and the questions.
class OptionsSaver {
public:
    // workingCopy: the main window's working copy; enableSaveUpdates switches "Save Updates".
    OptionsSaver(OptionsRecord &workingCopy, OptsObj &opts, std::function<void(bool)> enableSaveUpdates);

    void MarkOptionsChanged();
    void ClearOptionsChanged();
    void SaveUpdates1Click();
    void SaveOptionsForAllUsers();
    // The end of the exercise: pending changes are offered (then both flags are cleared),
    // else a pending all-users save.
    void SaveOnClose();

    bool OptionsChangesPending = false;
    bool AllUsersSavePending = false;

private:
    OptionsRecord &work_;
    OptsObj &opts_;
    std::function<void(bool)> enableSaveUpdates_;
};

} // namespace solar

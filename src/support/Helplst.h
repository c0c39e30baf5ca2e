#pragma once
// Help topic lists and help texts, without windows: reading a help list file into indented
// entries (headings, topics, blank separators), finding a topic by title, taking one topic's
// text out of a help text file, laying it out for the viewer, and the quit reminder.

#include "support/LinkLst.h"
#include "support/Prompt.h"
#include "support/ShortStr.h"

#include <cstdint>
#include <istream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace solar {

// One line of a topic list: 138 bytes. A heading has the key "begin"; a blank separator has an
// empty title and key.
struct HelpEntry {
    ShortString<65> Title; // with its indentation
    ShortString<71> Key;   // topic file, relative to the help folder
};
static_assert(sizeof(HelpEntry) == 138);

inline bool isHelpHeading(const HelpEntry &e) {
    return e.Key.view() == "begin";
}
inline bool isHelpBlank(const HelpEntry &e) {
    return e.Title.empty() && e.Key.empty();
}

class SelectList {
public:
    SelectList();
    virtual ~SelectList() = default;

    // Reads the list from a stream; every line counts up to its 80th character.
    void Read(std::istream &in);
    // Reads the file; a missing or unreadable file is reported ("Help File Error") and leaves the
    // list not loaded. True when loaded.
    bool ReadFile(const std::string &path);

    // The entry at index, or nullptr (also when the list is not loaded).
    const HelpEntry *GetEntry(int index);
    int Count() const { return Entries.Count(); }

    LinkList Entries;
    std::int16_t LastFetched = -1;
    bool Loaded = false;
    std::int16_t Error = 0;
};

class HelpList : public SelectList {
public:
    std::int32_t SelectedIndex = 0;
};

// The help file to read for the user-interface language: folder + "<language>/" + name when the
// language is not English and the installation holds that translation (any case of its name),
// otherwise folder + name. Help lists, help texts and the reminder are read through it, so a
// file missing from the language's folder is shown in English.
std::string LanguageFile(const std::string &folder, const std::string &name);
// The same for a full path: its folder and file name.
std::string LanguageFile(const std::string &path);

// Reads the list at path; on failure also says "Cannot Access Help List." and gives nothing.
std::unique_ptr<HelpList> LoadHelpList(const std::string &path);

// Topics for instructors only: those in the instructor's help text "instruct.hlp", and any topic
// or heading about the instructor, the answer key, the options or the class report.
bool IsInstructorTopic(const HelpEntry &e);
// A copy of the list as a student may see it: without the instructors' topics, and without a
// heading for instructors together with everything under it; separators stay single.
std::unique_ptr<HelpList> WithoutInstructorTopics(HelpList &list);

// Index of the first entry from start on whose title equals `title`, both trimmed of blanks and,
// unless caseDependent, compared in lower case; -1 when none.
int FindTopic(HelpList &list, const std::string &title, int start, bool caseDependent);

// Result of looking a topic up in an open help text file.
struct HelpTopicText {
    bool found = false;
    std::vector<std::string> lines; // the topic's lines, without the end marker
};
// A file whose first line starts with "*" holds several topics, each starting after a line with
// "*" and the title and ending before a line that starts and ends with "*"; any other file is one
// topic. Lines longer than MaxHelpLine characters are cut there.
constexpr std::size_t MaxHelpLine = 4096;
HelpTopicText ExtractHelpTopic(std::istream &in, const std::string &title);

// The viewer's lines: a blank line first and last, each text line framed by two blanks on each
// side and wrapped at 72 columns. relatedLine: index of the last short line that mentions
// "RELATED TOPICS" (the links follow it), -1 when there is none.
struct HelpDisplay {
    std::vector<std::string> lines;
    int relatedLine = -1;
};
HelpDisplay LayoutHelpText(const std::vector<std::string> &text);

// Whether a double-clicked viewer line may be followed as a link.
inline bool isHelpLinkLine(const HelpDisplay &d, int line) {
    return line >= 0 && line > d.relatedLine;
}

// The quit reminder: the file's lines joined (at most 1023 characters) followed by the choice,
// in a message box with the caption, the OK/Cancel buttons and the stop icon. Returns the
// answer, or nothing when the file could not be read (reported as "File Error!").
std::optional<Answer> ShowReminderFile(const std::string &path, const std::string &caption);

} // namespace solar

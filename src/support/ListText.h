#pragma once
// The window-free core of the generic list window: the text search that runs across line
// breaks, the window height rule, and the save-as-text flow with its overwrite question.

#include "support/Prompt.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace solar {

// Index of the line where `text` is first found from line `start` on, or -1. Each line is taken
// without its leading blanks and, unless it is the last, joined by one blank to the next line
// (also without leading blanks), so a phrase broken across two lines is found; a match that
// starts in the appended part gives the next line. Case-independent unless `caseDependent`.
int findTextLine(const std::vector<std::string> &lines, std::string_view text, int start, bool caseDependent);

// Client height of a list window for `lineCount` lines of `lineHeight` pixels: 22.3 lines when
// more than 21, else the lines plus 1.3; rounded half to even.
int listClientHeight(int lineCount, int lineHeight);
// Client width for the widest line `textWidth` (at least 200) on a screen `screenWidth` wide.
int listClientWidth(int textWidth, int screenWidth);

// ASCII upper case of the file-name part of a path; the folder stays as given.
std::string upperFileNamePart(const std::string &path);
// The folder part of a path, ending in "/" (empty for a bare name), and the file-name part.
std::string folderPart(const std::string &path);
std::string fileNamePart(const std::string &path);

// Walks the relative path from `base` (a folder ending in "/", or empty for the current folder),
// matching each part to the names on disk without regard to case; the result uses the names found
// (the given spelling where nothing matches) and ends in "/" when `relative` does.
std::string resolveNoCase(const std::string &base, const std::string &relative);
// The regular file on disk whose name matches that of `path` without regard to case (the path
// itself when it exists as spelt), or "" when there is none.
std::string existingFileNoCase(const std::string &path);

// Runs the save dialog until the user picks a name to use or cancels. The chosen file-name part is
// upper-cased; an existing file is used only after Yes to "Replace Existing File?", and No shows
// the dialog again. Nothing when cancelled.
std::optional<std::string> chooseSavePath(FileDialogSetup setup);

// Writes the lines, each ended by CR LF, beside the target and renames it over the target once
// everything is written. On failure returns false and `error` says why.
bool writeTextLines(const std::string &path, const std::vector<std::string> &lines, std::string &error);

} // namespace solar

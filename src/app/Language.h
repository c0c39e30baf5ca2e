#pragma once
// The language of the user interface: chosen with "--lang xx" or taken from the desktop, and
// installed as Qt's own catalogue plus the program's catalogues in the installation folder's
// "translations/". File names, binary files, the log and the reports do not change with it.

#include <string>

namespace solar {

// The code after "--lang" among the arguments, else the desktop's language ("es", "de", ...).
std::string chooseLanguage(int argc, char **argv);

// Installs the catalogues of `code` and the core's translator; English (nothing installed, false)
// when the program has no catalogue for it.
bool installLanguage(const std::string &code, const std::string &installDir);

} // namespace solar

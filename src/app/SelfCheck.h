#pragma once
// "SolarRtn --self-check": finds the installation folder as a normal start does and checks, without
// opening a window, that the pictures, the cursor and the sample image database are there and
// readable. Used after an installation; prints one line per check.

#include <iosfwd>
#include <string>

namespace solar {

// Returns 0 when every check passed, else 1.
int RunSelfCheck(const std::string &installDir, std::ostream &out);

} // namespace solar

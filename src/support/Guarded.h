#pragma once
// Commands that fail must not end the program: a failure that escapes a command is reported to
// the user in plain words and the program goes on with the data it holds.

#include <functional>
#include <string>

namespace solar {

// Runs `command`. An exception that escapes it is reported ("Command Failed") and false is
// returned; otherwise the command's own result.
bool RunGuarded(const std::function<bool()> &command);
// The message shown for a failed command whose cause is described by `what`.
std::string FailedCommandText(const std::string &what);

} // namespace solar

#include "support/Guarded.h"

#include "support/Prompt.h"
#include "support/Translate.h"

#include <exception>
#include <new>

namespace solar {

std::string FailedCommandText(const std::string &what) {
    return arg(translate("Guarded",
                         "The command could not be completed:\r\n%1\r\n\r\nThe program goes on; your "
                         "measurements are kept. Save them with \"Save Data...\" before trying again."),
               {what});
}

bool RunGuarded(const std::function<bool()> &command) {
    std::string what;
    try {
        return command();
    } catch (const std::bad_alloc &) {
        what = translate("Guarded", "Not enough memory.");
    } catch (const std::exception &e) {
        what = e.what();
    } catch (...) {
        what = translate("Guarded", "An unexpected error occurred.");
    }
    // One report at a time: a failure while the report is open (a paint handler that fails
    // again as the box uncovers it) must not stack boxes. The report itself must not throw.
    static bool reporting = false;
    if (reporting)
        return false;
    reporting = true;
    try {
        prompt().message(translate("Guarded", "Command Failed"), FailedCommandText(what), Icon::Error,
                         Buttons::OK);
    } catch (...) {
    }
    reporting = false;
    return false;
}

} // namespace solar

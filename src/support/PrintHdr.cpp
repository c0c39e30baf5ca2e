#include "support/PrintHdr.h"

#include <cstdio>

namespace solar {

PrintContext &printContext() {
    static PrintContext context;
    return context;
}

std::string printJobTitle() {
    return "VORN Solar Rotation Exercise - " + printContext().students[0];
}

std::string printStampText(const std::tm &when) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04d/%02d/%02d %02d:%02d:%02d", when.tm_year + 1900, when.tm_mon + 1,
                  when.tm_mday, when.tm_hour, when.tm_min, when.tm_sec);
    return buf;
}

std::string printFirstLine(const std::tm &when) {
    const std::string &table = printContext().labTable;
    return printStampText(when) + "     Laboratory Table Number " +
           (table.empty() ? "(Not Recorded)" : table);
}

std::tm printNow() {
    const std::time_t now = std::time(nullptr);
    std::tm out{};
    localtime_r(&now, &out);
    return out;
}

} // namespace solar

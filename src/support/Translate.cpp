#include "support/Translate.h"

#include <vector>

namespace solar {
namespace {

Translator &current() {
    static Translator t = nullptr;
    return t;
}

std::string &language() {
    static std::string code = "en";
    return code;
}

} // namespace

std::string translate(const char *context, const char *text) {
    if (text == nullptr)
        return {};
    return current() ? current()(context, text) : std::string(text);
}

void setTranslator(Translator t) { current() = t; }

const std::string &uiLanguage() { return language(); }

void setUiLanguage(const std::string &code) { language() = code.empty() ? "en" : code; }

std::string arg(const std::string &pattern, std::initializer_list<std::string> args) {
    const std::vector<std::string> a(args);
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const std::size_t n = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (n < a.size()) {
                out += a[n];
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

} // namespace solar

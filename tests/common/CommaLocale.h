#pragma once
// Switches the C library's numeric locale to one whose decimal separator is a comma, as Qt does
// at start-up on a German, Spanish or French desktop, and back at the end of the scope. A machine
// without such a locale gets one compiled with localedef into a temporary folder (LOCPATH).

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace solar::test {

class CommaLocale {
public:
    CommaLocale() {
        const char *old = std::setlocale(LC_NUMERIC, nullptr);
        saved_ = old ? old : "C";
        for (const char *name : {"de_DE.UTF-8", "es_ES.UTF-8", "fr_FR.UTF-8", "it_IT.UTF-8", "nl_NL.UTF-8",
                                 "ru_RU.UTF-8", "de_DE", "fr_FR"})
            if (use(name))
                return;
        namespace fs = std::filesystem;
        std::error_code ec;
        dir_ = fs::temp_directory_path(ec) / ("solarrtn-locale-" + std::to_string(::getpid()));
        fs::create_directories(dir_, ec);
        const std::string target = (dir_ / "de_DE.UTF-8").string();
        const std::string cmd = "localedef -i de_DE -f UTF-8 '" + target + "' >/dev/null 2>&1";
        (void)std::system(cmd.c_str()); // warnings give a non-zero status with a usable locale
        if (fs::exists(fs::path(target) / "LC_NUMERIC", ec)) {
            ::setenv("LOCPATH", dir_.c_str(), 1);
            if (use("de_DE.UTF-8"))
                return;
        }
        why_ = "no locale with a decimal comma is installed (de_DE.UTF-8, es_ES.UTF-8, fr_FR.UTF-8, ...) "
               "and localedef could not make one; install the locales package";
    }
    ~CommaLocale() {
        std::setlocale(LC_NUMERIC, saved_.c_str());
        if (!dir_.empty()) {
            std::error_code ec;
            std::filesystem::remove_all(dir_, ec);
        }
    }
    CommaLocale(const CommaLocale &) = delete;
    CommaLocale &operator=(const CommaLocale &) = delete;

    bool ok() const { return why_.empty(); }
    const std::string &why() const { return why_; }

private:
    bool use(const char *name) {
        if (!std::setlocale(LC_NUMERIC, name))
            return false;
        if (std::strcmp(std::localeconv()->decimal_point, ",") == 0)
            return true;
        std::setlocale(LC_NUMERIC, saved_.c_str());
        return false;
    }

    std::string saved_;
    std::string why_;
    std::filesystem::path dir_;
};

} // namespace solar::test

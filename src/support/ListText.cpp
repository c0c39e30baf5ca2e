#include "support/ListText.h"
#include "support/Translate.h"

#include "support/ExtReal.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace solar {
namespace {

std::string lowered(std::string_view s) {
    std::string out(s);
    for (char &c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::string searchForm(const std::string &line, bool caseDependent) {
    const std::size_t first = line.find_first_not_of(' ');
    const std::string trimmed = first == std::string::npos ? std::string() : line.substr(first);
    return caseDependent ? trimmed : lowered(trimmed);
}

} // namespace

int findTextLine(const std::vector<std::string> &lines, std::string_view text, int start,
                 bool caseDependent) {
    const int count = static_cast<int>(lines.size());
    if (text.empty() || start < 0 || start >= count)
        return -1;
    const std::string key = caseDependent ? std::string(text) : lowered(text);
    for (int i = start; i < count; ++i) {
        std::string window = searchForm(lines[i], caseDependent);
        const std::size_t ownLength = window.size();
        const bool last = i + 1 >= count;
        if (!last)
            window += ' ' + searchForm(lines[i + 1], caseDependent);
        const std::size_t p = window.find(key);
        if (p != std::string::npos)
            return p < ownLength ? i : i + 1;
        // The pair (i, i + 1) covered the last line as well: nothing is left to look at.
        if (i + 1 >= count - 1)
            break;
    }
    return -1;
}

int listClientHeight(int lineCount, int lineHeight) {
    const long double lines = lineCount > 21 ? 22.3L : lineCount + 1.3L;
    return static_cast<int>(roundToInt(lines * lineHeight));
}

int listClientWidth(int textWidth, int screenWidth) {
    const int width = (textWidth < 200 ? 200 : textWidth) + 30;
    return width > screenWidth - 10 ? screenWidth - 10 : width;
}

std::string folderPart(const std::string &path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string fileNamePart(const std::string &path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string upperFileNamePart(const std::string &path) {
    std::string name = fileNamePart(path);
    for (char &c : name)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return folderPart(path) + name;
}

namespace {
std::string lowerAscii(std::string s) {
    for (char &c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return s;
}
} // namespace

std::string resolveNoCase(const std::string &base, const std::string &relative) {
    namespace fs = std::filesystem;
    std::string folder = base; // always ends in "/" (or is empty) between the parts
    std::string last;
    std::size_t at = 0;
    bool any = false;
    while (at <= relative.size()) {
        std::size_t slash = relative.find('/', at);
        if (slash == std::string::npos)
            slash = relative.size();
        const std::string part = relative.substr(at, slash - at);
        at = slash + 1;
        if (part.empty())
            continue;
        if (any)
            folder += last + "/";
        std::string chosen = part;
        std::error_code ec;
        if (!fs::exists(folder + part, ec)) {
            const std::string wanted = lowerAscii(part);
            for (fs::directory_iterator it(folder.empty() ? fs::path(".") : fs::path(folder), ec), end;
                 !ec && it != end; it.increment(ec)) {
                const std::string name = it->path().filename().string();
                if (lowerAscii(name) == wanted) {
                    chosen = name;
                    break;
                }
            }
        }
        last = chosen;
        any = true;
    }
    if (!any)
        return base;
    std::string result = folder + last;
    if (!relative.empty() && relative.back() == '/')
        result += '/';
    return result;
}

std::string existingFileNoCase(const std::string &path) {
    const std::string resolved = resolveNoCase(folderPart(path), fileNamePart(path));
    std::error_code ec;
    return std::filesystem::is_regular_file(resolved, ec) ? resolved : std::string();
}

std::optional<std::string> chooseSavePath(FileDialogSetup setup) {
    for (;;) {
        const std::optional<std::string> chosen = prompt().saveFile(setup);
        if (!chosen || chosen->empty())
            return std::nullopt;
        const std::string path = upperFileNamePart(*chosen);
        std::error_code ec;
        if (!std::filesystem::exists(path, ec))
            return path;
        const Answer a =
            prompt().message(translate("ListText", "Replace Existing File?"),
                             arg(translate("ListText", "%1 Already Exists!\r\n\r\nDo You Want to "
                                                       "Overwrite It?"),
                                 {fileNamePart(path)}),
                             Icon::Question, Buttons::YesNo);
        if (a == Answer::Yes)
            return path;
        // No: the dialog comes back with the name the user had chosen.
        setup.folder = folderPart(path);
        setup.fileName = fileNamePart(path);
    }
}

bool writeTextLines(const std::string &path, const std::vector<std::string> &lines, std::string &error) {
    const std::string temp = path + ".part";
    std::FILE *f = std::fopen(temp.c_str(), "wb");
    if (!f) {
        error = std::strerror(errno);
        return false;
    }
    bool ok = true;
    for (const std::string &line : lines) {
        if (std::fwrite(line.data(), 1, line.size(), f) != line.size() || std::fwrite("\r\n", 1, 2, f) != 2) {
            ok = false;
            break;
        }
    }
    if (!ok)
        error = std::strerror(errno);
    if (std::fclose(f) != 0 && ok) {
        ok = false;
        error = std::strerror(errno);
    }
    if (ok) {
        std::error_code ec;
        std::filesystem::rename(temp, path, ec);
        if (ec) {
            ok = false;
            error = ec.message();
        }
    }
    if (!ok) {
        std::error_code ignored;
        std::filesystem::remove(temp, ignored);
    }
    return ok;
}

} // namespace solar

#include "support/Helplst.h"

#include "support/ListText.h"
#include "support/Prompt.h"
#include "support/StringUt.h"
#include "support/Translate.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <fstream>

namespace solar {

namespace {

constexpr std::size_t ListLineRoom = 80;

std::string lower(std::string s) {
    for (char &c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string trimmed(const std::string &s) {
    const auto b = s.find_first_not_of(' ');
    if (b == std::string::npos)
        return {};
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

// One line of a text file without its end (LF or CR LF), cut to `room` characters; false at the
// end of the stream. The rest of a longer line is skipped without being kept.
bool readLine(std::istream &in, std::string &line, std::size_t room) {
    line.clear();
    if (!in.good())
        return false;
    bool any = false;
    std::streambuf *buf = in.rdbuf();
    for (;;) {
        const int c = buf->sbumpc();
        if (c == std::char_traits<char>::eof()) {
            in.setstate(std::ios::eofbit);
            break;
        }
        any = true;
        if (c == '\n')
            break;
        if (line.size() < room)
            line.push_back(static_cast<char>(c));
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return any;
}

void addEntry(LinkList &list, const std::string &title, const std::string &key) {
    HelpEntry e;
    e.Title = title;
    e.Key = key;
    list.Reset();
    if (!list.IsEmpty())
        list.Item(list.LastIndex());
    list.InsertAfter(&e);
}

} // namespace

SelectList::SelectList() : Entries(sizeof(HelpEntry)) {}

void SelectList::Read(std::istream &in) {
    Entries.DeleteAll();
    Loaded = false;
    std::string indent;
    bool previousBlank = true;
    std::string line;
    while (readLine(in, line, ListLineRoom)) {
        std::string rest = line;
        const std::string title = QuotedToken(rest, ' ');
        const std::string key = QuotedToken(rest, ' ');
        const std::string k = lower(key);
        if (k == "begin") {
            if (!previousBlank)
                addEntry(Entries, "", "");
            addEntry(Entries, indent + "-" + title + "-", "begin");
            indent += "  ";
            previousBlank = false;
        } else if (k == "end") {
            indent.erase(indent.size() >= 2 ? indent.size() - 2 : 0);
            if (!previousBlank)
                addEntry(Entries, "", "");
            previousBlank = true;
        } else if (title.empty() && key.empty()) {
            if (!previousBlank)
                addEntry(Entries, "", "");
            previousBlank = true;
        } else {
            addEntry(Entries, indent + title, key);
            previousBlank = false;
        }
    }
    Loaded = true;
    Error = 0;
    Entries.Reset();
    LastFetched = -1;
}

std::string LanguageFile(const std::string &folder, const std::string &name) {
    const std::string &language = uiLanguage();
    if (!name.empty() && !language.empty() && language != "en") {
        const std::string translated = existingFileNoCase(resolveNoCase(folder, language + "/" + name));
        if (!translated.empty())
            return translated;
    }
    return folder + name;
}

std::string LanguageFile(const std::string &path) {
    return LanguageFile(folderPart(path), fileNamePart(path));
}

bool SelectList::ReadFile(const std::string &givenPath) {
    const std::string path = givenPath.empty() ? givenPath : LanguageFile(givenPath);
    Error = 2;
    Entries.DeleteAll();
    Loaded = false;
    std::ifstream in;
    int code = 2;
    if (!path.empty()) {
        errno = 0;
        in.open(path, std::ios::binary);
        if (!in)
            code = IOCodeFromErrno(errno ? errno : ENOENT);
    }
    if (path.empty() || !in) {
        Error = static_cast<std::int16_t>(code);
        prompt().message(
            translate("Helplst", "Help File Error"),
            arg(translate("Helplst", "Help List File %1 is Invalid.\r\nProgram will continue with "
                                     "defaults or alternative file.\r\n\r\n"),
                {path}) +
                IOErrorText(code),
            Icon::Information, Buttons::OK);
        Entries.Reset();
        return false;
    }
    Read(in);
    if (in.bad()) {
        // A read error part-way: what was read does not count.
        Entries.DeleteAll();
        Loaded = false;
        Error = 100;
        prompt().message(
            translate("Helplst", "Help File Error"),
            arg(translate("Helplst", "Help List File %1 is Invalid.\r\nProgram will continue with "
                                     "defaults or alternative file.\r\n\r\n"),
                {path}) +
                IOErrorText(100),
            Icon::Information, Buttons::OK);
        return false;
    }
    return true;
}

const HelpEntry *SelectList::GetEntry(int index) {
    if (!Loaded)
        return nullptr;
    const auto *e = Entries.ItemAs<HelpEntry>(index);
    if (e)
        LastFetched = static_cast<std::int16_t>(index);
    return e;
}

std::unique_ptr<HelpList> LoadHelpList(const std::string &path) {
    auto list = std::make_unique<HelpList>();
    if (!list->ReadFile(path)) {
        prompt().message(
            translate("Helplst", "File Error"),
            arg(translate("Helplst", "Cannot Access Help List.\r\nFile Name: %1\r\n\r\n"), {path}) +
                IOErrorText(2),
            Icon::Exclamation, Buttons::OK);
        return nullptr;
    }
    list->SelectedIndex = 0;
    return list;
}

bool IsInstructorTopic(const HelpEntry &e) {
    std::string key = lower(e.Key.str());
    if (const auto slash = key.find_last_of('/'); slash != std::string::npos)
        key.erase(0, slash + 1);
    if (key == "instruct.hlp")
        return true;
    const std::string title = lower(e.Title.str());
    // The same words in the Spanish help lists.
    for (const char *word : {"instructor", "answer key", "class report", "options", "profesor",
                             "clave de respuestas", "informe de la clase", "opciones"})
        if (title.find(word) != std::string::npos)
            return true;
    return false;
}

std::unique_ptr<HelpList> WithoutInstructorTopics(HelpList &list) {
    auto out = std::make_unique<HelpList>();
    out->Loaded = list.Loaded;
    bool lastBlank = true; // no separator at the top
    std::size_t skipDeeperThan = std::string::npos;
    for (int i = 0; i < list.Count(); ++i) {
        const HelpEntry *e = list.GetEntry(i);
        if (!e)
            break;
        const std::string title = e->Title.str();
        const std::size_t indent = std::min(title.find_first_not_of(' '), title.size());
        if (skipDeeperThan != std::string::npos) {
            // Inside an instructors' heading: everything indented under it goes too.
            if (isHelpBlank(*e) || indent > skipDeeperThan)
                continue;
            skipDeeperThan = std::string::npos;
        }
        if (isHelpBlank(*e)) {
            if (!lastBlank)
                addEntry(out->Entries, "", "");
            lastBlank = true;
            continue;
        }
        if (IsInstructorTopic(*e)) {
            if (isHelpHeading(*e))
                skipDeeperThan = indent;
            continue;
        }
        addEntry(out->Entries, title, e->Key.str());
        lastBlank = false;
    }
    if (lastBlank && out->Count() > 0) {
        out->Entries.Reset();
        out->Entries.Item(out->Entries.LastIndex());
        out->Entries.DeleteCurrent();
    }
    out->Entries.Reset();
    out->SelectedIndex = 0;
    return out;
}

int FindTopic(HelpList &list, const std::string &title, int start, bool caseDependent) {
    const std::string want = caseDependent ? trimmed(title) : lower(trimmed(title));
    for (int i = std::max(start, 0); i < list.Count(); ++i) {
        const HelpEntry *e = list.GetEntry(i);
        if (!e)
            break;
        const std::string t = trimmed(e->Title.str());
        if ((caseDependent ? t : lower(t)) == want)
            return i;
    }
    return -1;
}

HelpTopicText ExtractHelpTopic(std::istream &in, const std::string &title) {
    HelpTopicText out;
    std::string line;
    if (!readLine(in, line, MaxHelpLine))
        return out; // an empty file holds no text
    if (line.empty() || line[0] != '*') {
        out.found = true;
        do
            out.lines.push_back(line);
        while (readLine(in, line, MaxHelpLine));
        return out;
    }
    std::string want = title;
    want.erase(0,
               want.find_first_not_of(' ') == std::string::npos ? want.size() : want.find_first_not_of(' '));
    want = lower(want);
    // The start: the first line, the first one included, with "*" and the title.
    do {
        if (line.find('*') != std::string::npos && lower(line).find(want) != std::string::npos) {
            out.found = true;
            break;
        }
    } while (readLine(in, line, MaxHelpLine));
    if (!out.found)
        return out;
    while (readLine(in, line, MaxHelpLine)) {
        if (!line.empty() && line.front() == '*' && line.back() == '*')
            break;
        out.lines.push_back(line);
    }
    return out;
}

HelpDisplay LayoutHelpText(const std::vector<std::string> &text) {
    HelpDisplay d;
    d.lines.emplace_back(" ");
    auto add = [&d](const std::string &piece) {
        d.lines.push_back("  " + piece + "  ");
        if (piece.size() < 73) {
            std::string upper = piece;
            for (char &c : upper)
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            // The heading of the links, in the help texts of every language.
            if (upper.find("RELATED TOPICS") != std::string::npos ||
                upper.find("TEMAS RELACIONADOS") != std::string::npos)
                d.relatedLine = static_cast<int>(d.lines.size()) - 1;
        }
    };
    for (const std::string &line : text) {
        if (line.size() < 73) {
            add(line);
            continue;
        }
        WrapState w;
        WrapInit(w, line, 72);
        while (!w.done)
            add(WrapNextLine(w));
        WrapDone(w);
    }
    d.lines.emplace_back(" ");
    return d;
}

std::optional<Answer> ShowReminderFile(const std::string &givenPath, const std::string &caption) {
    const std::string path = LanguageFile(givenPath);
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        const int code = IOCodeFromErrno(errno ? errno : ENOENT);
        prompt().message(
            translate("Helplst", "File Error!"),
            arg(translate("Helplst", "Cannot Access Reminder File!\r\nFile Name: %1\r\n\r\n"), {path}) +
                IOErrorText(code),
            Icon::Error, Buttons::OK);
        return std::nullopt;
    }
    std::string text;
    std::string line;
    while (readLine(in, line, 255)) {
        text += line + "\r\n";
        if (text.size() >= 1023)
            break;
    }
    if (text.size() > 1023)
        text.resize(1023);
    text += translate("Helplst", "\r\nSelect \"OK\" to Quit Exercise, \"Cancel\" to Continue.");
    return prompt().message(caption, text, Icon::Stop, Buttons::OKCancel);
}

} // namespace solar

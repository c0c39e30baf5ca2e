// libFuzzer entry for the help text reader and the viewer's layout: the first line of the input
// is the topic title, the rest one help text file. Besides the sanitizers' findings, a shown line
// wider than 72 characters and its frame, or a related-topics line outside the text, is a finding.
#include "fuzz/SilentPrompt.h"
#include "support/Helplst.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    static solar::fuzz::SilentPrompt silent;
    solar::setPrompt(&silent);
    const std::string bytes(reinterpret_cast<const char *>(data), size);
    const std::size_t cut = bytes.find('\n');
    const std::string title = bytes.substr(0, cut);
    std::istringstream in(cut == std::string::npos ? std::string() : bytes.substr(cut + 1));
    const solar::HelpTopicText text = solar::ExtractHelpTopic(in, title);
    if (!text.found && !text.lines.empty())
        std::abort();
    for (const std::string &l : text.lines)
        if (l.size() > solar::MaxHelpLine)
            std::abort();
    const solar::HelpDisplay shown = solar::LayoutHelpText(text.lines);
    if (shown.lines.size() < 2 || shown.lines.front() != " " || shown.lines.back() != " ")
        std::abort();
    for (std::size_t i = 1; i + 1 < shown.lines.size(); ++i) {
        const std::string &l = shown.lines[i];
        if (l.size() < 4 || l.size() > 76 || l.compare(0, 2, "  ") != 0 ||
            l.compare(l.size() - 2, 2, "  ") != 0)
            std::abort();
    }
    if (shown.relatedLine < -1 || shown.relatedLine >= static_cast<int>(shown.lines.size()) - 1)
        std::abort();
    return 0;
}

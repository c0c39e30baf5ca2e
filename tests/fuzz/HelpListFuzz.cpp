// libFuzzer entry for the help list reader: the input bytes are one help list file. Besides the
// sanitizers' findings, a list that breaks its own shape is a finding: titles and keys longer
// than their room, a blank separator first or twice in a row, or a title that FindTopic cannot
// find again.
#include "fuzz/SilentPrompt.h"
#include "support/Helplst.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    static solar::fuzz::SilentPrompt silent;
    solar::setPrompt(&silent);
    std::istringstream in(std::string(reinterpret_cast<const char *>(data), size));
    solar::HelpList list;
    list.Read(in);
    if (!list.Loaded)
        std::abort();
    bool previousBlank = true;
    for (int i = 0; i < list.Count(); ++i) {
        const solar::HelpEntry *e = list.GetEntry(i);
        if (e == nullptr || e->Title.len > 65 || e->Key.len > 71)
            std::abort();
        const bool blank = solar::isHelpBlank(*e);
        if (blank && previousBlank)
            std::abort();
        previousBlank = blank;
        if (!blank) {
            const int found = solar::FindTopic(list, e->Title.str(), 0, true);
            if (found < 0 || found > i)
                std::abort();
        }
    }
    return 0;
}

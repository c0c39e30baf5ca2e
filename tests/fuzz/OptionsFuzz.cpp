// libFuzzer entry for the options file ("SOLNOPTS.INI"): the input is the file after its version
// field (which is set to the program's, so every input reaches the fields). A file that reads must
// hold only values the program can use, and what the program then writes must read back the same
// without a complaint.
#include "fuzz/FuzzPlace.h"
#include "fuzz/SilentPrompt.h"
#include "imagefiles/BmpFile.h"
#include "support/Options.h"

#include <cstring>
#include <vector>

namespace {

// Counts the messages; answers like the silent prompt.
class CountingPrompt final : public solar::Prompt {
public:
    int messages = 0;
    solar::Answer message(const std::string &, const std::string &, solar::Icon, solar::Buttons) override {
        ++messages;
        return solar::Answer::OK;
    }
    void beep(solar::BeepKind) override {}
    std::optional<std::string> openFile(const solar::FileDialogSetup &) override { return std::nullopt; }
    std::optional<std::string> saveFile(const solar::FileDialogSetup &) override { return std::nullopt; }
    std::optional<std::string> selectFolder(const std::string &, const std::string &, bool) override {
        return std::nullopt;
    }
    void setBusy(bool) override {}
    void requestQuit() override {}
};

solar::OptsObj freshObject(const solar::fuzz::Place &place) {
    solar::OptsObj o;
    o.Options.ProgramVersion = "1.014";
    o.Options.OptionsFileName = "SOLNOPTS.INI";
    o.Options.BackupFileName = "SOLNOPTS.BAK";
    o.Options.InstallDir = place.dir;
    return o;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    static CountingPrompt counting;
    static const solar::fuzz::Place place = [] {
        solar::setPrompt(&counting);
        return solar::fuzz::Place("options_fuzz");
    }();
    std::vector<std::uint8_t> bytes(72, 0);
    bytes[0] = 5;
    std::memcpy(bytes.data() + 1, "1.014", 5);
    bytes.insert(bytes.end(), data, data + size);
    const std::string path = place.write("SOLNOPTS.INI", bytes.data(), bytes.size());

    solar::OptsObj first = freshObject(place);
    counting.messages = 0;
    if (!first.ReadFile(path))
        return 0; // short or long files are refused (and deleted)
    // Only values the program can use: a second check finds nothing, and the display indices can
    // be computed from the brightness and contrast.
    solar::OptionsRecord checked = first.Options;
    if (!solar::ValidateOptions(checked, place.dir).empty())
        std::abort();
    solar::ComputeIndices(checked.Display);
    if (first.Options.RawDataFormat > 2 || first.Options.PasswordLength > 16)
        std::abort();

    // Round trip: written, read back without a complaint, the same bytes.
    if (!first.WriteFile(place.dir))
        std::abort();
    solar::OptsObj second = freshObject(place);
    counting.messages = 0;
    if (!second.ReadFile(path) || counting.messages != 0)
        std::abort();
    if (solar::encodeOptionsFile(first.Options) != solar::encodeOptionsFile(second.Options))
        std::abort();
    return 0;
}

// libFuzzer entry for the measurement data file (".DAT", 93-byte records): the input is one data
// file. A file that reads must give lines in every unit, and the list saved from it, and the
// recovery copy made of it, must read back record for record.
#include "fuzz/FuzzPlace.h"
#include "fuzz/SilentPrompt.h"
#include "measure/MeasData.h"
#include "measure/Recovery.h"

#include <cstring>
#include <vector>

namespace {

std::vector<std::uint8_t> encoded(const std::vector<solar::MeasRec> &recs) {
    std::vector<std::uint8_t> out(recs.size() * solar::MeasRecordBytes);
    for (std::size_t i = 0; i < recs.size(); ++i)
        solar::encodeMeasRecord(recs[i], out.data() + i * solar::MeasRecordBytes);
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    static solar::fuzz::SilentPrompt silent;
    static const solar::fuzz::Place place = [] {
        solar::setPrompt(&silent);
        solar::fuzz::Place p("measdata_fuzz");
        solar::SetRecoveryFolder(p.dir);
        return p;
    }();
    const std::string path = place.write("IN.DAT", data, size);
    std::vector<solar::MeasRec> recs;
    std::string reason;
    if (!solar::readMeasFile(path, recs, reason)) {
        if (reason.empty())
            std::abort(); // a refusal always says why
        return 0;
    }
    solar::MeasList list;
    for (const solar::MeasRec &r : recs) {
        list.Insert(r);
        for (int unit = 0; unit <= 2; ++unit) {
            if (solar::MeasLine(r, unit).empty() || solar::MeasCsvLine(r, unit).empty())
                std::abort();
        }
    }
    const std::vector<std::uint8_t> expected = encoded(list.records());

    // Saved and read back.
    const std::string saved = place.dir + "SAVED.DAT";
    std::vector<solar::MeasRec> back;
    if (!solar::writeMeasFile(saved, list, reason) || !solar::readMeasFile(saved, back, reason) ||
        encoded(back) != expected)
        std::abort();

    // The recovery copy of the same list.
    solar::UpdateRecoveryCopy(list, true);
    if (solar::WriteRecoveryCopy() != !list.IsEmpty())
        std::abort();
    if (!list.IsEmpty()) {
        back.clear();
        if (!solar::readMeasFile(place.dir + solar::RecoveryFileName, back, reason) ||
            encoded(back) != expected)
            std::abort();
    }
    return 0;
}

// libFuzzer entry for the image directory file ("*list.txt"): the input is one directory file.
// Every record kept must carry a time, the records must be in time order, the list box must get
// one line per record, and the stored name must not give another time.
#include "fuzz/FuzzPlace.h"
#include "fuzz/SilentPrompt.h"
#include "imagedb/SolrImages.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    static solar::fuzz::SilentPrompt silent;
    static const solar::fuzz::Place place = [] {
        solar::setPrompt(&silent);
        return solar::fuzz::Place("directory_fuzz");
    }();
    const std::string path = place.write("synthlist.txt", data, size);
    solar::SolrImgFileObj db;
    if (!db.ReadDirectory(path))
        std::abort(); // a readable file is always a (possibly empty) directory
    double last = -1e300;
    int count = 0;
    db.Records().Reset();
    while (const auto *rec = db.Records().NextAs<solar::SolrImgFileRec>()) {
        if (rec->imageTime == 0 || rec->imageTime < last ||
            rec->fileName.len > solar::SolrImgFileObj::NameRoom)
            std::abort();
        // The stored name is the start of the line: it gives the line's time, or none when the
        // time stamp ran past the characters kept.
        const double fromName = solar::SolrImgFileObj::ImageTimeFromName(rec->fileName.view());
        if (fromName != 0 && fromName != rec->imageTime)
            std::abort();
        last = rec->imageTime;
        ++count;
    }
    if (static_cast<int>(db.DirectoryLines().size()) != count)
        std::abort();
    return 0;
}

#pragma once
// The image database as read from an image directory file ("*list.txt"): one record per image,
// its time taken from the file name, kept in time order. The store of loaded images belongs
// in this unit too.

#include "support/LinkLst.h"
#include "support/ShortStr.h"

#include <string>
#include <string_view>
#include <vector>

namespace solar {

// Directory record, 32 bytes as the list stores it: image time (days since 1899-12-30, UT),
// the first 22 characters of the directory line, and the loaded marker.
struct SolrImgFileRec {
    double imageTime = 0;
    ShortString<22> fileName;
    bool loaded = false;
};
static_assert(sizeof(SolrImgFileRec) == 32, "the directory record is 32 bytes");

// Directory records in time order.
class SolrImgFileList : public SortedList {
public:
    SolrImgFileList() : SortedList(sizeof(SolrImgFileRec)) {}
    ~SolrImgFileList() override { DeleteAll(); }
    bool Equal(const void *a, const void *b) const override;
    bool Greater(const void *a, const void *b) const override;
};

class SolrImgFileObj {
public:
    // Characters of a directory line kept as the image's file name.
    static constexpr std::size_t NameRoom = 22;

    // Reads a directory file: one image file name per line; lines whose name gives no time are
    // left out. A file that does not open is reported ("Image Directory File Error!") and leaves
    // the store empty and not ready. Returns Ready().
    bool ReadDirectory(const std::string &fileName);
    // Deletes every record and forgets the file; the caller empties the database list box.
    void CloseDirectory();
    // The database list box's lines, line i for record i: "YYYY/MM/DD    hh:mm UT", and " *"
    // after an image that has been loaded.
    std::vector<std::string> DirectoryLines();
    static std::string DirectoryLine(const SolrImgFileRec &rec);

    // The image time encoded in a directory line: after a five-character prefix the name holds
    // YYMMDD, then "T" (any case) and HHMM; two-digit years above "50" are 19xx, the others 20xx.
    // 0 when the date or time cannot be read.
    static double ImageTimeFromName(std::string_view line);

    bool Ready() const { return ready_; }
    const std::string &DirectoryFileName() const { return directoryFileName_; }
    SolrImgFileList &Records() { return records_; }

private:
    bool ready_ = false;
    SolrImgFileList records_;
    std::string directoryFileName_;
};

} // namespace solar

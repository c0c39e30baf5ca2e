#pragma once
// The image database as read from an image directory file ("*list.txt"): one record per image,
// its time taken from the file name, kept in time order; and the store of the images loaded into
// memory (SolrImagesObj) with its slots, the spare left by a cut, and its out-of-order flag.

#include "imagefiles/GrFiles.h"
#include "support/LinkLst.h"
#include "support/ShortStr.h"

#include <cstdint>
#include <memory>
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

// Loaded images in time order: the items are image-object pointers (the list does not own the
// images), ordered by observation moment; images of the same moment keep their order.
class SolrImageList : public SortedList {
public:
    SolrImageList() : SortedList(sizeof(FITSFileObj *)) {}
    ~SolrImageList() override { DeleteAll(); }
    void Add(FITSFileObj *image) { Insert(&image); }
    // The pointers in list order.
    std::vector<FITSFileObj *> Images();
    bool Equal(const void *a, const void *b) const override;
    bool Greater(const void *a, const void *b) const override;
};

// The images loaded into memory. Slot i holds line i of the loaded-image list. A cut image is
// kept as the spare until the next cut, so that loading its directory line again puts the same
// object back instead of reading the file again.
class SolrImagesObj {
public:
    // userDir: the user's folder (ending in "/") that receives the images' temporary files.
    explicit SolrImagesObj(std::string userDir);
    ~SolrImagesObj();
    SolrImagesObj(const SolrImagesObj &) = delete;
    SolrImagesObj &operator=(const SolrImagesObj &) = delete;

    // Loads the image at path (or pastes back the spare when it came from the same directory
    // line) and returns 1, or 0 when the image is already loaded (same display name), no slot
    // could be made, or the file could not be read. LastAddedSlot() says where it went.
    int AddImage(const std::string &path, std::int32_t directoryIndex);
    // Inserts the spare at index (a negative index or one beyond the last image appends it);
    // 1 on success, 0 when the spare is already in the list or no slot could be made.
    int PasteImage(std::int32_t index);
    // Takes the image at index out of the list into the spare (releasing the previous spare)
    // and returns its directory index; -1 for an index out of range. The caller deletes the
    // list line.
    std::int32_t CutImage(std::int32_t index);
    // Ten more slots; 0 (after "GetMem Error!") when they cannot be had.
    int GrowSlots();
    void CheckOrder();
    // Puts the loaded images into time order (stable for equal times) and clears the flag.
    void SortImages();

    // The display name a file would get when loaded: the upper-cased file name with its
    // extension cut to four characters counting the dot ("SUN.FITS" -> "SUN.FIT").
    static std::string DisplayNameOf(const std::string &path);
    // The image's line in the loaded-image list: date text padded to 18 characters, time text.
    static std::string ListCaption(const FITSFileObj &image);

    bool OutOfOrder() const { return outOfOrder_; }
    std::int32_t LastSlot() const { return lastSlot_; }
    std::int32_t LastImage() const { return lastImage_; }
    std::int32_t Count() const { return lastImage_ + 1; }
    bool Full() const { return lastImage_ == lastSlot_; }
    // The image in slot index, or null.
    FITSFileObj *Image(std::int32_t index) const;
    FITSFileObj *Spare() const { return spare_; }
    std::int32_t CutPosition() const { return cutPosition_; }
    bool SpareInList() const { return spareInList_; }
    std::int32_t LastAddedSlot() const { return lastAdded_; }
    // The folder for the temporary files of images loaded from now on (the user folder is made
    // only after the login, when the store already exists).
    void SetUserDir(const std::string &userDir) { userDir_ = userDir; }
    // Tests make the slot array refuse to grow.
    void SetGrowLimit(std::int32_t maxSlots) { growLimit_ = maxSlots; }

private:
    void releaseSpare();

    std::string userDir_;
    bool outOfOrder_ = false;
    std::int32_t lastSlot_ = 9;
    std::int32_t lastImage_ = -1;
    std::vector<std::unique_ptr<FITSFileObj>> slots_;
    FITSFileObj *spare_ = nullptr;            // the spare, in a slot or in spareOwner_
    std::unique_ptr<FITSFileObj> spareOwner_; // holds the spare while it is out of the list
    std::int32_t cutPosition_ = -99;
    bool spareInList_ = false;
    std::int32_t lastAdded_ = -1;
    std::int32_t growLimit_ = 0; // 0: no limit but the memory
};

} // namespace solar

// The loaded-image store: growth of the slots, cut and paste with the spare, the out-of-order
// flag and sorting. The images are small hand-built FITS files whose DATE-OBS and TIME-OBS give
// their moments; expected orders follow from those times as written in each test.
#include "imagedb/SolrImages.h"

#include "common/ScriptedPrompt.h"
#include "common/TempDir.h"
#include "imagefiles/FitsMaker.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace solar::test {
namespace {

struct Store {
    TempDir files, user;
    ScriptedPrompt p;

    // A 2 x 2 16-bit image taken on 2005-03-07 at the given time of day.
    std::string image(const std::string &name, const std::string &time) {
        const std::string path = files.file(name);
        writeFile(path, imageFile(16, 2, 2, be16({1, 2, 3, 4}),
                                  {quoted("DATE-OBS", "2005-03-07"), quoted("TIME-OBS", time)}));
        return path;
    }
};

std::vector<std::string> names(const SolrImagesObj &s) {
    std::vector<std::string> out;
    for (int i = 0; i < s.Count(); ++i)
        out.push_back(s.Image(i)->DisplayName());
    return out;
}

TEST(SolrImagesObj, StartsEmptyWithTenSlotsAndAnEmptySpare) {
    Store st;
    SolrImagesObj s(st.user.dir());
    EXPECT_EQ(s.LastSlot(), 9);
    EXPECT_EQ(s.LastImage(), -1);
    EXPECT_EQ(s.CutPosition(), -99);
    ASSERT_NE(s.Spare(), nullptr);
    EXPECT_EQ(s.Spare()->directoryIndex, -99);
    EXPECT_FALSE(s.SpareInList());
    EXPECT_FALSE(s.OutOfOrder());
    // Nothing to cut; the answer is no directory line at all (never line 0).
    EXPECT_EQ(s.CutImage(0), -1);
    EXPECT_EQ(s.CutImage(-1), -1);
}

TEST(SolrImagesObj, EleventhImageGrowsTheSlotsSilentlyAndRefusedGrowthIsReported) {
    Store st;
    SolrImagesObj s(st.user.dir());
    for (int i = 0; i < 11; ++i) {
        const std::string name = "img" + std::to_string(i) + ".fts";
        ASSERT_EQ(s.AddImage(st.image(name, "10:" + std::to_string(10 + i) + ":00"), i), 1) << name;
        EXPECT_EQ(s.LastAddedSlot(), i);
    }
    EXPECT_EQ(s.LastSlot(), 19);
    EXPECT_EQ(s.Count(), 11);
    EXPECT_TRUE(st.p.messages().empty());
    EXPECT_EQ(s.Image(10)->directoryIndex, 10);
    EXPECT_EQ(s.Image(11), nullptr);

    SolrImagesObj small(st.user.dir());
    small.SetGrowLimit(10);
    for (int i = 0; i < 10; ++i)
        ASSERT_EQ(small.AddImage(st.image("s" + std::to_string(i) + ".fts", "09:00:00"), i), 1);
    st.p.expect("GetMem Error!");
    EXPECT_EQ(small.AddImage(st.image("s10.fts", "09:00:00"), 10), 0);
    EXPECT_EQ(st.p.lastMessage().text, "Error occurred while increasing array size!");
    EXPECT_EQ(small.Count(), 10);
    EXPECT_EQ(small.LastSlot(), 9);
    EXPECT_TRUE(small.Full());
}

TEST(SolrImagesObj, SameFileNameInAnyCaseOrFolderIsNotLoadedTwice) {
    Store st;
    SolrImagesObj s(st.user.dir());
    ASSERT_EQ(s.AddImage(st.image("sun0307.fts", "10:00:00"), 0), 1);
    std::filesystem::create_directories(st.files.file("other"));
    const std::string again = st.files.file("other/SUN0307.FTS");
    std::filesystem::copy_file(st.files.file("sun0307.fts"), again);
    EXPECT_EQ(s.AddImage(again, 5), 0);
    EXPECT_EQ(s.Count(), 1);
    // A four-letter extension is cut to three letters in the display name, so the names compare
    // the same way: "LONG.FITS" is shown as "LONG.FIT".
    EXPECT_EQ(SolrImagesObj::DisplayNameOf("/x/long.fits"), "LONG.FIT");
    EXPECT_EQ(SolrImagesObj::DisplayNameOf("/x/noext"), "NOEXT");
    ASSERT_EQ(s.AddImage(st.image("long.fits", "11:00:00"), 1), 1);
    EXPECT_EQ(s.AddImage(st.files.file("long.fits"), 1), 0);
    EXPECT_EQ(names(s), (std::vector<std::string>{"SUN0307.FTS", "LONG.FIT"}));
    EXPECT_TRUE(st.p.messages().empty());
}

TEST(SolrImagesObj, TemporaryFilesGoToTheUserFolderInForceAtLoading) {
    Store st;
    TempDir later;
    SolrImagesObj s(st.user.dir());
    s.SetUserDir(later.dir());
    ASSERT_EQ(s.AddImage(st.image("a.fts", "09:00:00"), 0), 1);
    EXPECT_EQ(std::filesystem::path(s.Image(0)->RasterPath()).parent_path(), later.path());
    EXPECT_EQ(std::filesystem::path(s.Image(0)->HeaderListingPath()).parent_path(), later.path());
}

TEST(SolrImagesObj, UnreadableFileAddsNothing) {
    Store st;
    SolrImagesObj s(st.user.dir());
    st.p.expect("FITS File Error!");
    EXPECT_EQ(s.AddImage(st.files.file("missing.fts"), 3), 0);
    EXPECT_EQ(s.Count(), 0);
    EXPECT_EQ(s.LastAddedSlot(), -1);
}

TEST(SolrImagesObj, CutKeepsTheImageAsSpareAndLoadingItsLineAgainPutsItBack) {
    Store st;
    SolrImagesObj s(st.user.dir());
    for (int i = 0; i < 5; ++i)
        ASSERT_EQ(s.AddImage(st.image("i" + std::to_string(i) + ".fts", "1" + std::to_string(i) + ":00:00"),
                             20 + i),
                  1);
    FITSFileObj *third = s.Image(2);
    const std::string raster = third->RasterPath();
    ASSERT_TRUE(std::filesystem::exists(raster));

    EXPECT_EQ(s.CutImage(2), 22);
    EXPECT_EQ(s.Spare(), third);
    EXPECT_EQ(s.CutPosition(), 2);
    EXPECT_FALSE(s.SpareInList());
    EXPECT_EQ(names(s), (std::vector<std::string>{"I0.FTS", "I1.FTS", "I3.FTS", "I4.FTS"}));

    // Same directory line again: the very object comes back at its old place, the file unread
    // (it is gone from disk, so a read would fail).
    std::filesystem::remove(st.files.file("i2.fts"));
    EXPECT_EQ(s.AddImage(st.files.file("i2.fts"), 22), 1);
    EXPECT_EQ(s.LastAddedSlot(), 2);
    EXPECT_EQ(s.Image(2), third);
    EXPECT_TRUE(s.SpareInList());
    EXPECT_FALSE(s.OutOfOrder());
    // Pasting again would put one object into two slots.
    EXPECT_EQ(s.PasteImage(0), 0);
    EXPECT_EQ(s.Count(), 5);

    // The next cut releases nothing that is in the list; the one after releases the spare and
    // with it its temporary files.
    EXPECT_EQ(s.CutImage(0), 20);
    EXPECT_TRUE(std::filesystem::exists(raster));
    EXPECT_EQ(s.CutImage(1), 22);
    EXPECT_EQ(s.Spare(), third);
    EXPECT_EQ(s.CutImage(0), 21);
    EXPECT_FALSE(std::filesystem::exists(raster));
    EXPECT_EQ(names(s), (std::vector<std::string>{"I3.FTS", "I4.FTS"}));
}

TEST(SolrImagesObj, PasteInsertsAtTheLineOrAppendsAndSetsTheOrderFlag) {
    Store st;
    SolrImagesObj s(st.user.dir());
    ASSERT_EQ(s.AddImage(st.image("a.fts", "09:00:00"), 0), 1);
    EXPECT_FALSE(s.OutOfOrder()); // one image is always in order
    ASSERT_EQ(s.AddImage(st.image("b.fts", "10:00:00"), 1), 1);
    ASSERT_EQ(s.AddImage(st.image("c.fts", "11:00:00"), 2), 1);
    EXPECT_FALSE(s.OutOfOrder());

    // 11:00 pasted in front of 09:00: out of order.
    ASSERT_EQ(s.CutImage(2), 2);
    ASSERT_EQ(s.PasteImage(0), 1);
    EXPECT_EQ(s.LastAddedSlot(), 0);
    EXPECT_EQ(names(s), (std::vector<std::string>{"C.FTS", "A.FTS", "B.FTS"}));
    EXPECT_TRUE(s.OutOfOrder());

    // Paste Last, or a paste with no line chosen, appends.
    ASSERT_EQ(s.CutImage(0), 2);
    ASSERT_EQ(s.PasteImage(-1), 1);
    EXPECT_EQ(names(s), (std::vector<std::string>{"A.FTS", "B.FTS", "C.FTS"}));
    EXPECT_FALSE(s.OutOfOrder());

    // Times 10:00 then 09:00 are out of order; sorting restores 09:00, 10:00, 11:00.
    ASSERT_EQ(s.CutImage(0), 0);
    ASSERT_EQ(s.PasteImage(1), 1);
    EXPECT_EQ(names(s), (std::vector<std::string>{"B.FTS", "A.FTS", "C.FTS"}));
    EXPECT_TRUE(s.OutOfOrder());
    s.SortImages();
    EXPECT_EQ(names(s), (std::vector<std::string>{"A.FTS", "B.FTS", "C.FTS"}));
    EXPECT_FALSE(s.OutOfOrder());
}

TEST(SolrImagesObj, SortedListOrdersByMomentKeepingEqualTimesInOrder) {
    Store st;
    SolrImagesObj s(st.user.dir());
    // Insert order d, b, e, a, c; d and e share 12:00.
    const char *files[][2] = {{"d.fts", "12:00:00"},
                              {"b.fts", "08:30:00"},
                              {"e.fts", "12:00:00"},
                              {"a.fts", "08:00:00"},
                              {"c.fts", "09:00:00"}};
    for (int i = 0; i < 5; ++i)
        ASSERT_EQ(s.AddImage(st.image(files[i][0], files[i][1]), i), 1);
    EXPECT_TRUE(s.OutOfOrder());
    SolrImageList list;
    for (int i = 0; i < s.Count(); ++i)
        list.Add(s.Image(i));
    std::vector<std::string> order;
    for (FITSFileObj *f : list.Images())
        order.push_back(f->DisplayName());
    EXPECT_EQ(order, (std::vector<std::string>{"A.FTS", "B.FTS", "C.FTS", "D.FTS", "E.FTS"}));
    s.SortImages();
    EXPECT_EQ(names(s), order);
}

TEST(SolrImagesObj, ListCaptionIsTheDateTextPaddedTo18ThenTheTimeText) {
    Store st;
    SolrImagesObj s(st.user.dir());
    ASSERT_EQ(s.AddImage(st.image("a.fts", "13:45:07"), 0), 1);
    // DATE-OBS "2005-03-07" is 10 characters: 8 blanks make 18.
    const std::string caption = SolrImagesObj::ListCaption(*s.Image(0));
    EXPECT_EQ(caption.substr(0, 26), "2005-03-07        13:45:07");
    EXPECT_EQ(caption.find_first_not_of(' ', 26), std::string::npos);
}

} // namespace
} // namespace solar::test

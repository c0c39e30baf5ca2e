// The list containers: cursor rules of LinkList, the walk and tie rules of SortedList.Insert
// (checked against an array model and a stable sort), and the pixel table's Append and Flush.
#include "support/LinkLst.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <random>
#include <stdexcept>
#include <vector>

using namespace solar;

namespace {

struct Rec {
    std::int32_t key;
    std::int32_t tag; // tells equal keys apart
};

class RecList : public SortedList {
public:
    RecList() : SortedList(sizeof(Rec)) {}
    bool Equal(const void *a, const void *b) const override { return k(a) == k(b); }
    bool Greater(const void *a, const void *b) const override { return k(a) > k(b); }

private:
    static std::int32_t k(const void *p) { return static_cast<const Rec *>(p)->key; }
};

// Every record by the iteration idiom the program uses: Reset, then Next until AtLast.
std::vector<Rec> walk(LinkList &list) {
    std::vector<Rec> out;
    list.Reset();
    while (!list.AtLast())
        out.push_back(*list.NextAs<Rec>());
    return out;
}

using V = std::vector<std::int32_t>;
V tags(LinkList &list) {
    V out;
    for (const Rec &r : walk(list))
        out.push_back(r.tag);
    return out;
}

// Records {key, tag} laid out as given (the cursor ends on the last), or put in by Insert.
void append(LinkList &list, std::initializer_list<Rec> recs) {
    for (const Rec &r : recs)
        list.InsertAfter(&r);
}
void insert(RecList &list, std::initializer_list<Rec> recs) {
    for (const Rec &r : recs)
        list.Insert(&r);
}

} // namespace

TEST(LinkList, EmptyListAndCopies) {
    LinkList list(sizeof(Rec));
    EXPECT_TRUE(list.IsEmpty() && list.AtFirst() && list.AtLast());
    EXPECT_TRUE(walk(list).empty());
    EXPECT_EQ(list.Next(), nullptr);
    EXPECT_EQ(list.CursorIndex(), -1);
    EXPECT_EQ(list.Item(0), nullptr);
    EXPECT_EQ(list.Prev(), nullptr);
    list.DeleteCurrent(); // nothing to delete

    Rec r{7, 1};
    list.InsertFirst(&r);
    r.key = 99; // the list kept its own copy
    EXPECT_EQ(list.ItemAs<Rec>(0)->key, 7);
    list.ItemAs<Rec>(0)->key = 8; // editing in place through the returned pointer
    EXPECT_EQ(walk(list)[0].key, 8);
    list.InsertFirst(nullptr);
    list.InsertAfter(nullptr);
    EXPECT_EQ(list.Count(), 1);
}

TEST(LinkList, CursorRules) {
    LinkList list(sizeof(Rec));
    append(list, {{0, 0}, {1, 1}, {2, 2}});
    EXPECT_EQ(list.CursorIndex(), 2);
    EXPECT_EQ(list.LastIndex(), 2);
    EXPECT_EQ(tags(list), (V{0, 1, 2}));

    // Past the end: none and cursor -1; the next Next starts again at the first item.
    EXPECT_EQ(list.Next(), nullptr);
    EXPECT_EQ(list.CursorIndex(), -1);
    EXPECT_EQ(list.NextAs<Rec>()->key, 0);

    // Item moves the cursor both ways; out of range leaves it where it was.
    EXPECT_EQ(list.ItemAs<Rec>(2)->key, 2);
    EXPECT_EQ(list.ItemAs<Rec>(1)->key, 1);
    EXPECT_EQ(list.Item(3), nullptr);
    EXPECT_EQ(list.Item(-1), nullptr);
    EXPECT_EQ(list.CursorIndex(), 1);
    list.Reset(); // from no current node Item walks from the first
    EXPECT_EQ(list.ItemAs<Rec>(1)->key, 1);

    // InsertAfter in the middle; InsertFirst from anywhere.
    append(list, {{5, 5}});
    EXPECT_EQ(list.CursorIndex(), 2);
    Rec front{9, 9};
    list.InsertFirst(&front);
    EXPECT_EQ(list.CursorIndex(), 0);
    EXPECT_EQ(tags(list), (V{9, 0, 1, 5, 2}));

    // Prev off the first item leaves no current node.
    list.Item(0);
    EXPECT_EQ(list.Prev(), nullptr);
    EXPECT_EQ(list.CursorIndex(), -1);
}

TEST(LinkList, DeleteCurrent) {
    LinkList list(sizeof(Rec));
    append(list, {{0, 0}, {1, 1}, {2, 2}});
    list.Item(1);
    list.DeleteCurrent(); // the previous item becomes current
    EXPECT_EQ(list.CursorIndex(), 0);
    EXPECT_EQ(list.CurrentAs<Rec>()->key, 0);
    EXPECT_EQ(tags(list), (V{0, 2}));

    list.Item(0);
    list.DeleteCurrent(); // the first: no current node, cursor -1
    EXPECT_EQ(list.CursorIndex(), -1);
    EXPECT_EQ(list.Current(), nullptr);
    EXPECT_EQ(list.NextAs<Rec>()->key, 2);
    EXPECT_TRUE(list.AtFirst() && list.AtLast());

    list.DeleteCurrent(); // the only item: empty, first and last none
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.LastIndex(), -1);
    EXPECT_TRUE(walk(list).empty());

    append(list, {{4, 4}, {6, 6}}); // usable again; deleting the last fixes the chain's end
    list.DeleteCurrent();
    EXPECT_EQ(tags(list), (V{4}));
    list.DeleteAll();
    EXPECT_TRUE(list.IsEmpty());
    append(list, {{1, 1}});
    list.Init(4); // releases what it held (a leak checker would see it otherwise)
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.ItemSize(), 4);
}

TEST(SortedList, TieRules) {
    RecList list;
    insert(list, {{3, 3}, {1, 1}, {2, 2}, {2, 20}}); // ordered, duplicates kept
    EXPECT_EQ(list.CurrentAs<Rec>()->tag, 20);       // the new item is current
    EXPECT_EQ(tags(list), (V{1, 20, 2, 3}));         // walked back from 2: before it

    // Forward walk (cursor on 1): after all equal items.
    RecList fwd;
    append(fwd, {{1, 1}, {5, 2}, {5, 3}, {9, 4}});
    fwd.Item(0);
    insert(fwd, {{5, 5}});
    EXPECT_EQ(tags(fwd), (V{1, 2, 3, 5, 4}));

    // Backward walk (cursor on 9): before the equal items it passed.
    RecList back;
    append(back, {{1, 1}, {5, 2}, {5, 3}, {9, 4}});
    insert(back, {{5, 5}});
    EXPECT_EQ(tags(back), (V{1, 5, 2, 3, 4}));

    // Equal to the first: directly after the first; smaller: the new first.
    RecList first;
    append(first, {{1, 1}, {1, 2}, {4, 3}});
    insert(first, {{1, 9}});
    EXPECT_EQ(tags(first), (V{1, 9, 2, 3}));
    insert(first, {{0, 7}});
    EXPECT_EQ(first.CursorIndex(), 0);
    EXPECT_EQ(tags(first), (V{7, 1, 9, 2, 3}));

    // Equal records arriving one after another each walk back to the first and land after it.
    RecList same;
    insert(same, {{5, 1}, {5, 2}, {5, 3}});
    EXPECT_EQ(tags(same), (V{1, 3, 2}));

    // No current node: the walk starts at the first item.
    RecList reset;
    insert(reset, {{2, 1}, {4, 2}});
    reset.Reset();
    insert(reset, {{3, 3}});
    EXPECT_EQ(reset.CursorIndex(), 1);
    EXPECT_EQ(tags(reset), (V{1, 3, 2}));
}

// The tie rules written as positions in an array: a forward search puts the new record before
// the first greater one after the cursor; a backward search puts it after the last smaller one
// before the cursor, or at index 1 when there is none and the first is not greater.
std::vector<Rec> modelInsert(const std::vector<Rec> &input) {
    std::vector<Rec> v;
    std::size_t cursor = 0;
    for (const Rec &r : input) {
        std::size_t at = 0;
        if (v.empty()) {
            at = 0;
        } else if (r.key > v[cursor].key) {
            at = cursor + 1;
            while (at < v.size() && v[at].key <= r.key)
                ++at;
        } else {
            std::size_t j = cursor + 1;
            while (j > 0 && v[j - 1].key >= r.key)
                --j;
            at = j > 0 ? j : (v[0].key > r.key ? 0 : 1);
        }
        v.insert(v.begin() + static_cast<std::ptrdiff_t>(at), r);
        cursor = at;
    }
    return v;
}

class CountingList : public RecList {
public:
    mutable int comparisons = 0;
    bool Greater(const void *a, const void *b) const override {
        ++comparisons;
        return RecList::Greater(a, b);
    }
};

TEST(SortedList, RandomInsertsAgainstModels) {
    std::mt19937 rng(20261207);
    const auto byKey = [](Rec a, Rec b) { return a.key < b.key; };
    for (int round = 0; round < 300; ++round) {
        const int n = 1 + static_cast<int>(rng() % 40);
        const int keyRange = 1 + static_cast<int>(rng() % (round % 2 ? 8 : 1000)); // ties or few
        std::vector<Rec> input;
        for (int i = 0; i < n; ++i)
            input.push_back(Rec{static_cast<std::int32_t>(rng() % keyRange), i});
        std::vector<Rec> sorted = input;
        std::stable_sort(sorted.begin(), sorted.end(), byKey);

        for (const std::vector<Rec> *order : {&input, &sorted}) {
            RecList list;
            for (const Rec &r : *order)
                list.Insert(&r);
            const std::vector<Rec> got = walk(list);
            // Ascending, nothing lost, and every tie where the rules put it.
            ASSERT_EQ(got.size(), input.size());
            EXPECT_TRUE(std::is_sorted(got.begin(), got.end(), byKey));
            V gotTags, modelTags;
            for (const Rec &r : got)
                gotTags.push_back(r.tag);
            for (const Rec &r : modelInsert(*order))
                modelTags.push_back(r.tag);
            EXPECT_EQ(gotTags, modelTags);
            EXPECT_TRUE(std::equal(got.begin(), got.end(), sorted.begin(),
                                   [](Rec a, Rec b) { return a.key == b.key; }));
        }
    }
}

TEST(SortedList, InOrderInputCostsTwoComparisonsEach) {
    // Loading a saved file, already in order with distinct keys: one step from the last insert.
    CountingList list;
    for (int i = 0; i < 1000; ++i) {
        Rec r{i, i};
        list.Insert(&r);
    }
    EXPECT_LE(list.comparisons, 2 * 1000);
    EXPECT_EQ(list.Count(), 1000);
}

TEST(IntArrayList, AppendFlushAndAccess) {
    // 3 columns, 2 rows, 7 values: the first six fill the rows, the seventh is dropped.
    IntArrayList t(3, 2);
    EXPECT_EQ(t.Columns(), 3);
    EXPECT_EQ(t.Rows(), 2);
    EXPECT_EQ(t.RowList().ItemSize(), 12);
    EXPECT_EQ(t.RowList().Count(), 2);
    t.Rewind();
    for (int v = 1; v <= 7; ++v)
        t.Append(v * 10);
    t.Flush();
    const std::int32_t expected[2][3] = {{10, 20, 30}, {40, 50, 60}};
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(t.GetValue(c, r), expected[r][c]);
    EXPECT_EQ(std::memcmp(t.Row(1), expected[1], sizeof expected[1]), 0);
    // The rows list holds the same rows.
    auto *row0 = static_cast<const std::int32_t *>(t.RowList().Item(0));
    EXPECT_EQ(std::memcmp(row0, expected[0], sizeof expected[0]), 0);

    // Out of range reads 0 and writes nothing.
    EXPECT_EQ(t.GetValue(3, 0), 0);
    EXPECT_EQ(t.GetValue(0, 2), 0);
    EXPECT_EQ(t.GetValue(-1, 0), 0);
    EXPECT_EQ(t.Row(2), nullptr);
    t.SetValue(3, 0, 5);
    t.SetValue(0, 2, 5);
    t.SetValue(1, 1, -7);
    EXPECT_EQ(t.GetValue(1, 1), -7);
    const std::int32_t values[3] = {1, 2, 3};
    EXPECT_EQ(t.SetRow(2, values), 0);
    EXPECT_EQ(t.SetRow(0, values), 3);
    EXPECT_EQ(t.GetValue(2, 0), 3);

    // A row filled in place is the stored row, seen by every reader.
    std::int32_t *row1 = t.MutableRow(1);
    ASSERT_NE(row1, nullptr);
    row1[2] = 99;
    EXPECT_EQ(t.GetValue(2, 1), 99);
    EXPECT_EQ(static_cast<const std::int32_t *>(t.RowList().Item(1))[2], 99);
    EXPECT_EQ(t.MutableRow(2), nullptr);
    EXPECT_EQ(t.MutableRow(-1), nullptr);
}

TEST(IntArrayList, FlushOfAPartRowKeepsTheBufferTail) {
    // Four values into 3x2: row 1 gets the fourth value and the buffer's tail from row 0.
    IntArrayList t(3, 2);
    t.Rewind();
    for (int v : {1, 2, 3, 4})
        t.Append(v);
    t.Flush();
    EXPECT_EQ(t.GetValue(0, 1), 4);
    EXPECT_EQ(t.GetValue(1, 1), 2);
    EXPECT_EQ(t.GetValue(2, 1), 3);
    // A second fill after Rewind starts again at row 0.
    t.Rewind();
    t.Append(100);
    t.Flush();
    EXPECT_EQ(t.GetValue(0, 0), 100);
}

TEST(IntArrayList, SizeLimits) {
    EXPECT_THROW(IntArrayList(16384, 1), std::length_error);
    IntArrayList widest(16383, 1);
    EXPECT_EQ(widest.RowList().ItemSize(), 65532);
    IntArrayList empty(0, 5);
    EXPECT_EQ(empty.Rows(), 0);
    empty.Append(1); // nothing to fill
    empty.Flush();
    EXPECT_EQ(empty.GetValue(0, 0), 0);
}

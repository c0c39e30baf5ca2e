#pragma once
// The list containers that carry every list of the program: LinkList (a doubly linked list of
// byte copies of fixed-size records with one built-in cursor), SortedList (insertion in ascending
// order under a comparison that each descendant supplies) and IntArrayList (the pixel table).

#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <vector>

namespace solar {

// Records are stored as byte copies; reads return a pointer into the stored copy, valid until
// that item is deleted or the list is emptied. Walk a list with Reset, then Next until AtLast.
class LinkList {
public:
    explicit LinkList(std::uint16_t itemSize = 0);
    virtual ~LinkList();
    LinkList(const LinkList &) = delete;
    LinkList &operator=(const LinkList &) = delete;

    // Empties the list (releasing any items it still holds) and sets the item size.
    void Init(std::uint16_t itemSize);
    // Deletes every item, from the last backwards.
    void DeleteAll();
    // A copy of the record becomes the first item and the current one. A null record does nothing.
    void InsertFirst(const void *record);
    // A copy of the record goes directly after the current item (first when there is none) and
    // becomes current. A null record does nothing.
    void InsertAfter(const void *record);
    // Deletes the current item; the previous one becomes current (none after deleting the first).
    void DeleteCurrent();
    // No current item; the next Next gives the first.
    void Reset();
    // Moves on and returns the new current record; past the end gives nullptr and no current item.
    void *Next();
    // Moves back and returns the new current record, or nullptr.
    void *Prev();
    // The record at a zero-based index, moving the cursor there step by step from where it
    // stands; nullptr (cursor unchanged) for an index out of range.
    void *Item(std::int32_t index);
    // The current record, or nullptr.
    void *Current() const;

    bool IsEmpty() const { return first_ == nullptr; }
    bool AtFirst() const { return current_ == first_; }
    bool AtLast() const { return current_ == last_; }

    std::int32_t CursorIndex() const { return cursorIndex_; }
    std::int32_t LastIndex() const { return lastIndex_; }
    std::int32_t Count() const { return lastIndex_ + 1; }
    std::uint16_t ItemSize() const { return itemSize_; }

    // Typed views of the same operations for records that are trivially copyable structs.
    template <class T> T *NextAs() { return checked<T>(Next()); }
    template <class T> T *PrevAs() { return checked<T>(Prev()); }
    template <class T> T *ItemAs(std::int32_t index) { return checked<T>(Item(index)); }
    template <class T> T *CurrentAs() const { return checked<T>(Current()); }

private:
    struct Node {
        Node *next = nullptr;
        Node *prev = nullptr;
        std::uint8_t *data = nullptr;
    };
    template <class T> static T *checked(void *p) {
        static_assert(std::is_trivially_copyable_v<T>, "lists hold byte copies of plain records");
        return static_cast<T *>(p);
    }
    Node *newNode(const void *record) const;

    std::int32_t cursorIndex_ = -1;
    std::int32_t lastIndex_ = -1;
    Node *first_ = nullptr;
    Node *last_ = nullptr;
    Node *current_ = nullptr;
    std::uint16_t itemSize_ = 0;
};

// A LinkList kept in ascending order by Insert. Descendants say when two records have the same
// key (Equal) and when one sorts after the other (Greater); Insert uses only Greater.
class SortedList : public LinkList {
public:
    explicit SortedList(std::uint16_t itemSize = 0) : LinkList(itemSize) {}

    virtual bool Equal(const void *a, const void *b) const = 0;
    virtual bool Greater(const void *a, const void *b) const = 0;

    // Inserts a copy at its place, searching from the current item; equal records are all kept.
    // Walking forward, a new record lands after the records equal to it; walking backward, before
    // the equal ones it passed, except that a record equal to the first lands directly after it.
    // The new record becomes current.
    void Insert(const void *record);
};

// A table of 32-bit integers. Rows and columns count from 0. A loader fills it in raster order:
// Rewind, one Append per value, Flush; or it converts straight into MutableRow. The rows lie one
// after another in one zero-filled block (a large one is mapped fresh from the system, so its
// zeros cost nothing until a page is written) until RowList is first asked for: then they move
// into a LinkList, one item each, and row pointers taken before no longer refer to the table.
class IntArrayList {
public:
    // The row length in bytes is a 16-bit item size, so a table holds at most 16383 columns:
    // more columns (or more than 65536 rows) throw std::length_error. A table with no columns
    // or no rows is empty: it stores nothing and reads 0.
    static constexpr int MaxColumns = 16383;
    IntArrayList(int columns, int rows);
    ~IntArrayList();
    IntArrayList(const IntArrayList &) = delete;
    IntArrayList &operator=(const IntArrayList &) = delete;

    // Stores the value when the row exists and the column is within it; otherwise nothing.
    void SetValue(int column, int row, std::int32_t value);
    // Copies Columns() integers into the row; the number copied, 0 when the row does not exist.
    int SetRow(int row, const std::int32_t *values);
    // The stored value, or 0 when the row or the column does not exist.
    std::int32_t GetValue(int column, int row) const;
    // Direct access to a row of Columns() integers, or nullptr when the row does not exist.
    const std::int32_t *Row(int row) const;
    // The same row for filling in place (a loader converts straight into it); nullptr when absent.
    std::int32_t *MutableRow(int row);

    void Rewind();
    // Puts the value into the row being filled; a full row goes into the table. Values after the
    // last row are dropped.
    void Append(std::int32_t value);
    // Stores a partly filled row (the rest of it as the buffer held it) and resets the row list.
    void Flush();

    int Columns() const { return columns_; }
    int Rows() const { return rows_; }
    // The rows as a LinkList, for callers that walk them (see above).
    LinkList &RowList();

private:
    void releaseBlock();

    int columns_ = 0;
    int rows_ = 0;
    std::vector<std::int32_t> rowBuffer_;
    int fillColumn_ = 0;
    int fillRow_ = 0;
    std::int32_t *block_ = nullptr; // the rows while they lie in one block
    std::size_t blockBytes_ = 0;
    bool blockMapped_ = false; // block_ came from mmap rather than calloc
    bool listed_ = false;      // the rows have moved into rowList_
    LinkList rowList_;
    std::vector<std::int32_t *> rowIndex_; // where each row is, for access without a walk
};

} // namespace solar

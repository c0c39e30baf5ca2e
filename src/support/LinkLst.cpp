#include "support/LinkLst.h"

#include "support/Translate.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <stdexcept>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace solar {

// ---------------------------------------------------------------- LinkList

LinkList::LinkList(std::uint16_t itemSize) {
    Init(itemSize);
}

LinkList::~LinkList() {
    DeleteAll();
}

void LinkList::Init(std::uint16_t itemSize) {
    // Items still held would be unreachable afterwards: release them rather than leak them.
    DeleteAll();
    first_ = last_ = current_ = nullptr;
    cursorIndex_ = -1;
    lastIndex_ = -1;
    itemSize_ = itemSize;
}

void LinkList::DeleteAll() {
    current_ = last_;
    cursorIndex_ = lastIndex_;
    while (current_ != nullptr)
        DeleteCurrent();
}

LinkList::Node *LinkList::newNode(const void *record) const {
    auto *node = new Node;
    try {
        node->data = new std::uint8_t[itemSize_ > 0 ? itemSize_ : 1];
    } catch (...) {
        delete node;
        throw;
    }
    if (itemSize_ > 0)
        std::memcpy(node->data, record, itemSize_);
    return node;
}

void LinkList::InsertFirst(const void *record) {
    if (record == nullptr)
        return;
    Node *node = newNode(record);
    node->next = first_;
    if (first_ != nullptr)
        first_->prev = node;
    else
        last_ = node;
    first_ = node;
    current_ = node;
    cursorIndex_ = 0;
    ++lastIndex_;
}

void LinkList::InsertAfter(const void *record) {
    if (record == nullptr)
        return;
    if (current_ == nullptr) {
        InsertFirst(record);
        return;
    }
    Node *node = newNode(record);
    node->prev = current_;
    node->next = current_->next;
    if (current_->next != nullptr)
        current_->next->prev = node;
    else
        last_ = node;
    current_->next = node;
    current_ = node;
    ++cursorIndex_;
    ++lastIndex_;
}

void LinkList::DeleteCurrent() {
    Node *node = current_;
    if (node == nullptr)
        return;
    if (node->prev != nullptr)
        node->prev->next = node->next;
    else
        first_ = node->next;
    if (node->next != nullptr)
        node->next->prev = node->prev;
    else
        last_ = node->prev;
    current_ = node->prev;
    --cursorIndex_;
    --lastIndex_;
    delete[] node->data;
    delete node;
}

void LinkList::Reset() {
    current_ = nullptr;
    cursorIndex_ = -1;
}

void *LinkList::Next() {
    if (current_ != nullptr) {
        current_ = current_->next;
        ++cursorIndex_;
    } else {
        current_ = first_;
        cursorIndex_ = 0;
    }
    if (current_ == nullptr) {
        cursorIndex_ = -1;
        return nullptr;
    }
    return current_->data;
}

void *LinkList::Prev() {
    if (current_ == nullptr)
        return nullptr;
    current_ = current_->prev;
    --cursorIndex_;
    return current_ != nullptr ? current_->data : nullptr;
}

void *LinkList::Item(std::int32_t index) {
    if (index < 0 || index > lastIndex_)
        return nullptr;
    if (index == cursorIndex_)
        return Current();
    void *record = nullptr;
    if (index > cursorIndex_) {
        while (cursorIndex_ != index)
            record = Next();
    } else {
        while (cursorIndex_ != index)
            record = Prev();
    }
    return record;
}

void *LinkList::Current() const {
    return current_ != nullptr ? current_->data : nullptr;
}

// ---------------------------------------------------------------- SortedList

void SortedList::Insert(const void *record) {
    if (record == nullptr)
        return;
    if (IsEmpty()) {
        InsertAfter(record);
        return;
    }
    if (Current() == nullptr)
        Next(); // the first item
    const void *item = Current();
    if (Greater(record, item)) {
        // Forward: stop at the last item or at the first one that sorts after the new record.
        while (!AtLast() && !Greater(item, record))
            item = Next();
        if (Greater(item, record))
            Prev();
        InsertAfter(record);
    } else {
        // Backward: stop at the first item or at the first one the new record sorts after.
        while (!AtFirst() && !Greater(record, item))
            item = Prev();
        if (AtFirst() && Greater(item, record))
            InsertFirst(record);
        else
            InsertAfter(record);
    }
}

// ---------------------------------------------------------------- IntArrayList

namespace {

// Blocks from this size on are mapped from the system: fresh pages read as zeros without being
// written, and the system may back them with large pages, which take far fewer faults to fill.
constexpr std::size_t MappedBlockBytes = std::size_t{1} << 22;

} // namespace

IntArrayList::IntArrayList(int columns, int rows) {
    if (columns > MaxColumns)
        throw std::length_error(translate("LinkLst", "a pixel table holds at most 16383 columns"));
    if (rows > 65536)
        throw std::length_error(translate("LinkLst", "a pixel table holds at most 65536 rows"));
    if (columns <= 0 || rows <= 0)
        columns = rows = 0;
    columns_ = columns;
    rows_ = rows;
    rowBuffer_.assign(static_cast<std::size_t>(columns), 0);
    rowList_.Init(static_cast<std::uint16_t>(columns * 4));
    const std::size_t rowLength = static_cast<std::size_t>(columns);
    blockBytes_ = rowLength * static_cast<std::size_t>(rows) * sizeof(std::int32_t);
    if (blockBytes_ == 0)
        return;
    rowIndex_.resize(static_cast<std::size_t>(rows)); // before the block, which nothing would free on a throw
#if defined(__linux__)
    if (blockBytes_ >= MappedBlockBytes) {
        void *p = ::mmap(nullptr, blockBytes_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (p != MAP_FAILED) {
            ::madvise(p, blockBytes_, MADV_HUGEPAGE); // only a hint: without it the table still works
            block_ = static_cast<std::int32_t *>(p);
            blockMapped_ = true;
        }
    }
#endif
    if (block_ == nullptr)
        block_ = static_cast<std::int32_t *>(std::calloc(blockBytes_, 1));
    if (block_ == nullptr)
        throw std::bad_alloc();
    for (std::size_t r = 0; r < rowIndex_.size(); ++r)
        rowIndex_[r] = block_ + r * rowLength;
}

IntArrayList::~IntArrayList() {
    releaseBlock();
}

void IntArrayList::releaseBlock() {
    if (block_ == nullptr)
        return;
#if defined(__linux__)
    if (blockMapped_)
        ::munmap(block_, blockBytes_);
    else
#endif
        std::free(block_);
    block_ = nullptr;
}

LinkList &IntArrayList::RowList() {
    if (!listed_) {
        try {
            for (std::int32_t *row : rowIndex_)
                rowList_.InsertAfter(row);
        } catch (...) {
            rowList_.DeleteAll(); // the rows stay in the block
            throw;
        }
        rowList_.Reset();
        for (std::int32_t *&row : rowIndex_)
            row = static_cast<std::int32_t *>(rowList_.Next());
        rowList_.Reset();
        releaseBlock();
        listed_ = true;
    }
    return rowList_;
}

void IntArrayList::SetValue(int column, int row, std::int32_t value) {
    if (row < 0 || row >= rows_ || column < 0 || column >= columns_)
        return;
    rowIndex_[static_cast<std::size_t>(row)][column] = value;
}

int IntArrayList::SetRow(int row, const std::int32_t *values) {
    if (row < 0 || row >= rows_ || values == nullptr)
        return 0;
    std::memcpy(rowIndex_[static_cast<std::size_t>(row)], values, static_cast<std::size_t>(columns_) * 4);
    return columns_;
}

std::int32_t IntArrayList::GetValue(int column, int row) const {
    if (row < 0 || row >= rows_ || column < 0 || column >= columns_)
        return 0;
    return rowIndex_[static_cast<std::size_t>(row)][column];
}

const std::int32_t *IntArrayList::Row(int row) const {
    if (row < 0 || row >= rows_)
        return nullptr;
    return rowIndex_[static_cast<std::size_t>(row)];
}

std::int32_t *IntArrayList::MutableRow(int row) {
    if (row < 0 || row >= rows_)
        return nullptr;
    return rowIndex_[static_cast<std::size_t>(row)];
}

void IntArrayList::Rewind() {
    fillColumn_ = 0;
    fillRow_ = 0;
    rowList_.Reset();
}

void IntArrayList::Append(std::int32_t value) {
    if (columns_ == 0)
        return;
    rowBuffer_[static_cast<std::size_t>(fillColumn_)] = value;
    if (++fillColumn_ >= columns_) {
        SetRow(fillRow_, rowBuffer_.data());
        if (fillRow_ < rows_)
            ++fillRow_;
        fillColumn_ = 0;
    }
}

void IntArrayList::Flush() {
    if (fillColumn_ != 0 && fillRow_ < rows_)
        SetRow(fillRow_, rowBuffer_.data());
    rowList_.Reset();
}

} // namespace solar

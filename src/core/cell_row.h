#pragma once
// One row of the cell table: every cell's text stored end to end in one buffer, with the end
// of each cell. A class of 10000 students and 500 grades holds five million short texts; as
// separate strings they take 32 bytes each before their text, and reading or writing a file
// would spend its time building and visiting them. Here a row is two allocations.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace marklow {

class TCellRow {
public:
    TCellRow() = default;
    explicit TCellRow(size_t count) : ends_(count, 0) {}
    TCellRow(std::initializer_list<std::string_view> cells);
    explicit TCellRow(const std::vector<std::string>& cells);
    // A row from its texts end to end and the end of each cell, as readers build it; fails
    // with std::invalid_argument unless the ends rise to the text's size.
    static TCellRow FromParts(std::string text, std::vector<uint32_t> ends);
    // The same for a reader whose loop produces rising ends by construction; checked only in
    // debug builds, because this runs once per row of every file opened.
    static TCellRow Adopt(std::string text, std::vector<uint32_t> ends);

    size_t size() const { return ends_.size(); }
    bool empty() const { return ends_.empty(); }

    // Valid until the row changes.
    std::string_view operator[](size_t i) const {
        size_t from = i == 0 ? 0 : ends_[i - 1];
        return std::string_view(text_.data() + from, ends_[i] - from);
    }

    void Set(size_t i, std::string_view text);
    void Append(std::string_view text);
    // Growing adds empty cells at the end.
    void Resize(size_t count);
    void Insert(size_t i, std::string_view text = {});
    void Erase(size_t i);
    // Moves one cell, shifting those between.
    void Move(size_t from, size_t to);
    // Every cell empty, the count kept.
    void ClearTexts();
    void Reserve(size_t cells, size_t bytes);

    // All texts end to end, for scans over a whole row.
    std::string_view Text() const { return text_; }
    const std::vector<uint32_t>& Ends() const { return ends_; }

    std::vector<std::string> ToVector() const;

    bool operator==(const TCellRow& other) const = default;

    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = std::string_view;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = std::string_view;

        const_iterator() = default;
        const_iterator(const TCellRow* row, size_t i) : row_(row), i_(i) {}
        std::string_view operator*() const { return (*row_)[i_]; }
        const_iterator& operator++() {
            ++i_;
            return *this;
        }
        const_iterator operator++(int) {
            const_iterator old = *this;
            ++i_;
            return old;
        }
        bool operator==(const const_iterator& o) const { return i_ == o.i_; }

    private:
        const TCellRow* row_ = nullptr;
        size_t i_ = 0;
    };
    const_iterator begin() const { return const_iterator(this, 0); }
    const_iterator end() const { return const_iterator(this, size()); }

private:
    size_t Start(size_t i) const { return i == 0 ? 0 : ends_[i - 1]; }
    void Shift(size_t from, int64_t delta);
    static void CheckLength(size_t total);

    std::string text_;
    std::vector<uint32_t> ends_;

};

} // namespace marklow

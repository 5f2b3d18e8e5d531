#include "cell_row.h"

#include <algorithm>
#include <cassert>
#include <limits>
#include <stdexcept>

namespace marklow {

TCellRow::TCellRow(std::initializer_list<std::string_view> cells) {
    size_t bytes = 0;
    for (std::string_view c : cells) bytes += c.size();
    Reserve(cells.size(), bytes);
    for (std::string_view c : cells) Append(c);
}

TCellRow::TCellRow(const std::vector<std::string>& cells) {
    size_t bytes = 0;
    for (const std::string& c : cells) bytes += c.size();
    Reserve(cells.size(), bytes);
    for (const std::string& c : cells) Append(c);
}

TCellRow TCellRow::FromParts(std::string text, std::vector<uint32_t> ends) {
    uint32_t at = 0;
    for (uint32_t e : ends) {
        if (e < at) throw std::invalid_argument("cell ends out of order");
        at = e;
    }
    if (at != text.size()) throw std::invalid_argument("cell ends do not match the text");
    return Adopt(std::move(text), std::move(ends));
}

TCellRow TCellRow::Adopt(std::string text, std::vector<uint32_t> ends) {
    assert(std::is_sorted(ends.begin(), ends.end()));
    assert((ends.empty() ? 0 : ends.back()) == text.size());
    TCellRow row;
    row.text_ = std::move(text);
    row.ends_ = std::move(ends);
    return row;
}

void TCellRow::CheckLength(size_t total) {
    if (total > std::numeric_limits<uint32_t>::max()) throw std::length_error("row too long");
}

void TCellRow::Shift(size_t from, int64_t delta) {
    if (delta == 0) return;
    for (size_t k = from; k < ends_.size(); ++k)
        ends_[k] = static_cast<uint32_t>(static_cast<int64_t>(ends_[k]) + delta);
}

void TCellRow::Set(size_t i, std::string_view text) {
    size_t from = Start(i);
    size_t old = ends_[i] - from;
    if (text.size() > old) CheckLength(text_.size() + (text.size() - old));
    // replace copes with a text taken from this row.
    text_.replace(from, old, text.data(), text.size());
    Shift(i, static_cast<int64_t>(text.size()) - static_cast<int64_t>(old));
}

void TCellRow::Append(std::string_view text) {
    CheckLength(text_.size() + text.size());
    text_.append(text);
    ends_.push_back(static_cast<uint32_t>(text_.size()));
}

void TCellRow::Resize(size_t count) {
    if (count < ends_.size()) text_.resize(Start(count));
    ends_.resize(count, static_cast<uint32_t>(text_.size()));
}

void TCellRow::Insert(size_t i, std::string_view text) {
    CheckLength(text_.size() + text.size());
    size_t from = Start(i);
    text_.insert(from, text.data(), text.size());
    ends_.insert(ends_.begin() + static_cast<std::ptrdiff_t>(i),
                 static_cast<uint32_t>(from));
    Shift(i, static_cast<int64_t>(text.size()));
}

void TCellRow::Erase(size_t i) {
    size_t from = Start(i);
    size_t n = ends_[i] - from;
    text_.erase(from, n);
    ends_.erase(ends_.begin() + static_cast<std::ptrdiff_t>(i));
    Shift(i, -static_cast<int64_t>(n));
}

void TCellRow::Move(size_t from, size_t to) {
    if (from == to) return;
    std::string moved(operator[](from));
    Erase(from);
    Insert(to, moved);
}

void TCellRow::ClearTexts() {
    text_.clear();
    std::fill(ends_.begin(), ends_.end(), 0u);
}

void TCellRow::Reserve(size_t cells, size_t bytes) {
    ends_.reserve(cells);
    text_.reserve(bytes);
}

std::vector<std::string> TCellRow::ToVector() const {
    std::vector<std::string> out;
    out.reserve(size());
    for (std::string_view c : *this) out.emplace_back(c);
    return out;
}

} // namespace marklow

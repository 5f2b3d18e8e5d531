#include "real_list.h"

#include "text.h"

#include <algorithm>
#include <cctype>

namespace marklow {

int TRealList::Add(std::string text) {
    items_.push_back(Item{std::move(text), nullptr});
    return Count() - 1;
}

int TRealList::Add(std::string text, double value) {
    items_.push_back(Item{std::move(text), std::make_unique<TReal>(TReal{value})});
    return Count() - 1;
}

void TRealList::Insert(int index, std::string text, double value) {
    items_.insert(items_.begin() + index,
                  Item{std::move(text), std::make_unique<TReal>(TReal{value})});
}

void TRealList::Delete(int index) { items_.erase(items_.begin() + index); }

void TRealList::Exchange(int i, int j) {
    std::swap(items_[static_cast<size_t>(i)], items_[static_cast<size_t>(j)]);
}

bool TRealList::HasBox(int i) const {
    return i >= 0 && i < Count() && items_[static_cast<size_t>(i)].Box != nullptr;
}

const std::string& TRealList::Text(int i) const {
    static const std::string none;
    if (i < 0 || i >= Count()) return none;
    return items_[static_cast<size_t>(i)].Text;
}

double TRealList::Value(int i) const {
    if (!HasBox(i)) return 0;
    return items_[static_cast<size_t>(i)].Box->Value;
}

void TRealList::SetValue(int i, double x) {
    if (i < 0 || i >= Count()) return;
    auto& box = items_[static_cast<size_t>(i)].Box;
    if (!box) box = std::make_unique<TReal>();
    box->Value = x;
}

std::string TRealList::ValueText(int i) const { return FormatNumber(Value(i)); }

void TRealList::SetValueText(int i, const std::string& s) { SetValue(i, ParseNumber(s)); }

void TRealList::SortByValue() {
    // An exchange sort: equal values keep no particular order, exactly as the tables have
    // always been sorted, so files written before and after agree.
    int n = Count();
    for (int i = 0; i <= n - 2; ++i)
        for (int j = i; j <= n - 1; ++j)
            if (Value(j) > Value(i)) Exchange(i, j);
}

void TRealList::SortByText() {
    auto lower = [](const std::string& s) {
        std::string r = s;
        for (char& c : r) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return r;
    };
    std::stable_sort(items_.begin(), items_.end(),
                     [&](const Item& a, const Item& b) { return lower(a.Text) < lower(b.Text); });
}

void TRealList::CopyFrom(const TRealList& other) {
    if (this == &other) return;
    items_.clear();
    items_.reserve(other.items_.size());
    for (const auto& it : other.items_)
        items_.push_back(
            Item{it.Text, it.Box ? std::make_unique<TReal>(*it.Box) : nullptr});
}

bool TRealList::operator==(const TRealList& other) const {
    if (Count() != other.Count()) return false;
    for (int i = 0; i < Count(); ++i)
        if (Text(i) != other.Text(i) || Value(i) != other.Value(i) ||
            HasBox(i) != other.HasBox(i))
            return false;
    return true;
}

} // namespace marklow

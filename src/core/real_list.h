#pragma once
// TReal and TRealList: the form of both letter tables (texts, each with a number box).

#include <memory>
#include <string>
#include <vector>

namespace marklow {

struct TReal {
    double Value = 0;
};

class TRealList {
public:
    struct Item {
        std::string Text;
        std::unique_ptr<TReal> Box;
    };

    TRealList() = default;
    TRealList(const TRealList& other) { CopyFrom(other); }
    TRealList& operator=(const TRealList& other) {
        if (this != &other) CopyFrom(other);
        return *this;
    }
    TRealList(TRealList&&) = default;
    TRealList& operator=(TRealList&&) = default;

    int Count() const { return static_cast<int>(items_.size()); }
    bool Empty() const { return items_.empty(); }
    void Clear() { items_.clear(); }

    // Appends an item without a box; returns its index.
    int Add(std::string text);
    // Appends an item with its number.
    int Add(std::string text, double value);
    void Insert(int index, std::string text, double value);
    void Delete(int index);
    void Exchange(int i, int j);

    // Outside the list: Text gives an empty text, Value 0, and SetValue does nothing.
    const std::string& Text(int i) const;
    void SetText(int i, std::string text) { items_[static_cast<size_t>(i)].Text = std::move(text); }
    bool HasBox(int i) const;

    double Value(int i) const;
    void SetValue(int i, double x);
    std::string ValueText(int i) const;
    void SetValueText(int i, const std::string& s);

    void SortByValue();
    void SortByText();
    void CopyFrom(const TRealList& other);

    bool operator==(const TRealList& other) const;

private:
    std::vector<Item> items_;
};

} // namespace marklow

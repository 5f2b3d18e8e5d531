#pragma once
// The texts a TStringGrid1 shows. The grid keeps no copy of them: the main grid reads the
// gradebook's own cell table, the dialogs' grids read small tables of their own.

#include <QString>

#include <algorithm>
#include <vector>

namespace marklow {

// Moves the item at `from` to `to`, shifting those in between by one.
template <typename V> void MoveItem(V& v, int from, int to) {
    if (from < to)
        std::rotate(v.begin() + from, v.begin() + from + 1, v.begin() + to + 1);
    else if (to < from)
        std::rotate(v.begin() + to, v.begin() + from, v.begin() + from + 1);
}

// Where index i ends up after that move.
inline int MovedIndex(int i, int from, int to) {
    if (i == from) return to;
    if (from < to && i > from && i <= to) return i - 1;
    if (to < from && i >= to && i < from) return i + 1;
    return i;
}

class TGridTable {
public:
    virtual ~TGridTable() = default;
    virtual int ColCount() const = 0;
    virtual int RowCount() const = 0;
    virtual void SetColCount(int n) = 0;
    virtual void SetRowCount(int n) = 0;
    // Empty text outside the table.
    virtual QString Text(int c, int r) const = 0;
    virtual void SetText(int c, int r, const QString& text) = 0;
    // Moves one row or column to another index, shifting those in between by one.
    virtual void MoveRow(int from, int to) = 0;
    virtual void MoveColumn(int from, int to) = 0;
};

// A table that holds its texts itself.
class TTextTable final : public TGridTable {
public:
    TTextTable(int cols = 0, int rows = 0);

    int ColCount() const override { return cols_; }
    int RowCount() const override { return static_cast<int>(cells_.size()); }
    void SetColCount(int n) override;
    void SetRowCount(int n) override;
    QString Text(int c, int r) const override;
    void SetText(int c, int r, const QString& text) override;
    void MoveRow(int from, int to) override;
    void MoveColumn(int from, int to) override;

private:
    int cols_ = 0;
    std::vector<std::vector<QString>> cells_; // rows of cells
};

} // namespace marklow

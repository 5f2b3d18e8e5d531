#include "grid_table.h"

#include <algorithm>

namespace marklow {

namespace {
bool Inside(int i, int n) {
    return i >= 0 && i < n;
}
} // namespace

TTextTable::TTextTable(int cols, int rows) {
    SetColCount(cols);
    SetRowCount(rows);
}

void TTextTable::SetColCount(int n) {
    cols_ = std::max(n, 0);
    for (auto& row : cells_)
        row.resize(static_cast<size_t>(cols_));
}

void TTextTable::SetRowCount(int n) {
    cells_.resize(static_cast<size_t>(std::max(n, 0)),
                  std::vector<QString>(static_cast<size_t>(cols_)));
}

QString TTextTable::Text(int c, int r) const {
    if (!Inside(c, cols_) || !Inside(r, RowCount())) return QString();
    return cells_[static_cast<size_t>(r)][static_cast<size_t>(c)];
}

void TTextTable::SetText(int c, int r, const QString& text) {
    if (!Inside(c, cols_) || !Inside(r, RowCount())) return;
    cells_[static_cast<size_t>(r)][static_cast<size_t>(c)] = text;
}

void TTextTable::MoveRow(int from, int to) {
    if (!Inside(from, RowCount()) || !Inside(to, RowCount())) return;
    MoveItem(cells_, from, to);
}

void TTextTable::MoveColumn(int from, int to) {
    if (!Inside(from, cols_) || !Inside(to, cols_)) return;
    for (auto& row : cells_)
        MoveItem(row, from, to);
}

} // namespace marklow

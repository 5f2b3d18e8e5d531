#pragma once
// A grid table whose texts are made up on demand ("c:r"), so a table of any size costs
// nothing; it counts what is read, so tests can tell a grid reads only what it shows.

#include "grid_table.h"

#include <QString>

namespace marklow {

class TLazyTable final : public TGridTable {
public:
    TLazyTable(int cols, int rows) : cols_(cols), rows_(rows) {}
    int ColCount() const override { return cols_; }
    int RowCount() const override { return rows_; }
    void SetColCount(int n) override { cols_ = n; }
    void SetRowCount(int n) override { rows_ = n; }
    QString Text(int c, int r) const override {
        ++reads;
        return QString("%1:%2").arg(c).arg(r);
    }
    void SetText(int, int, const QString&) override {}
    void MoveRow(int, int) override {}
    void MoveColumn(int, int) override {}
    mutable long reads = 0;

private:
    int cols_, rows_;
};

} // namespace marklow

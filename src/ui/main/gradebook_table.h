#pragma once
// The gradebook's own cell table as the grid sees it; the grid keeps no copy of the texts.

#include "gradebook.h"
#include "grid_table.h"

#include <QString>

#include <string_view>

namespace marklow {

inline QString ToQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

class TGradebookTable final : public TGridTable {
public:
    explicit TGradebookTable(TGradebook& gb) : gb_(gb) {}

    int ColCount() const override { return gb_.ColCount(); }
    int RowCount() const override { return gb_.RowCount(); }
    void SetColCount(int n) override { gb_.SetColCount(n); }
    void SetRowCount(int n) override { gb_.SetRowCount(n); }
    QString Text(int c, int r) const override {
        if (!Inside(c, r)) return QString();
        return ToQString(gb_.Cell(c, r));
    }
    void SetText(int c, int r, const QString& text) override {
        if (Inside(c, r)) gb_.SetCell(c, r, text.toStdString());
    }
    void MoveRow(int from, int to) override { gb_.MoveRow(from, to); }
    void MoveColumn(int from, int to) override { gb_.MoveColumn(from, to); }

private:
    bool Inside(int c, int r) const {
        return c >= 0 && r >= 0 && c < gb_.ColCount() && r < gb_.RowCount();
    }
    TGradebook& gb_;
};

} // namespace marklow

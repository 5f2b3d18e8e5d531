#pragma once
// The gradebook's own cell table as the grid sees it; the grid keeps no copy of the texts.
// What the grid writes goes through the document: the editor's text is typing (one undo step
// per visit to a cell), and a dragged row or column first completes that step.

#include "gradebook_document.h"
#include "grid_table.h"
#include "translations.h"

#include <QString>

#include <string_view>

namespace marklow {

inline QString ToQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

class TGradebookTable final : public TGridTable {
public:
    explicit TGradebookTable(TGradebookDocument& doc) : doc_(doc) {}

    int ColCount() const override { return Gb().ColCount(); }
    int RowCount() const override { return Gb().RowCount(); }
    void SetColCount(int n) override { Gb().SetColCount(n); }
    void SetRowCount(int n) override { Gb().SetRowCount(n); }
    QString Text(int c, int r) const override {
        if (!Inside(c, r)) return QString();
        if (c == 0 && r == 0) return CoreText(Gb().Cell(0, 0)); // "Average"
        return ToQString(Gb().Cell(c, r));
    }
    void SetText(int c, int r, const QString& text) override {
        if (Inside(c, r)) doc_.EditCell(c, r, text.toStdString());
    }
    // The move itself is recorded by the window's moved notification.
    void MoveRow(int from, int to) override {
        doc_.CommitCellEdit();
        Gb().MoveRow(from, to);
    }
    void MoveColumn(int from, int to) override {
        doc_.CommitCellEdit();
        Gb().MoveColumn(from, to);
    }

private:
    TGradebook& Gb() const { return doc_.Gradebook(); }
    bool Inside(int c, int r) const {
        return c >= 0 && r >= 0 && c < Gb().ColCount() && r < Gb().RowCount();
    }
    TGradebookDocument& doc_;
};

} // namespace marklow

#pragma once
// Shows one of the options dialog's working tables in a TStringGrid1. The texts stay in the
// Qt-free table (UTF-8); the grid sees them as QStrings.

#include "grid_table.h"
#include "options_rules.h"
#include "translations.h"

#include <string>
#include <vector>

namespace marklow {

class TOptionGridTable final : public TGridTable {
public:
    void SetSource(TOptionTable* table) { table_ = table; }
    // A column whose cells hold one of the core's words ("Yes"): shown in the window's
    // language, stored in English.
    void SetWordColumn(int c, std::vector<std::string> words) {
        wordColumn_ = c;
        words_ = std::move(words);
    }
    TOptionTable* Source() const { return table_; }

    int ColCount() const override { return table_ ? table_->ColCount() : 0; }
    int RowCount() const override { return table_ ? table_->RowCount() : 0; }
    // The working tables have a fixed number of columns.
    void SetColCount(int) override {}
    void SetRowCount(int n) override {
        if (table_) table_->SetRowCount(n);
    }
    QString Text(int c, int r) const override {
        if (!table_) return QString();
        // The headers are the core's captions.
        if (r == 0 || c == wordColumn_) return CoreText(table_->Text(c, r));
        return QString::fromStdString(table_->Text(c, r));
    }
    void SetText(int c, int r, const QString& text) override {
        if (!table_) return;
        // The word as shown comes back from the editor: stored as the core's word.
        if (c == wordColumn_ && r > 0)
            for (const std::string& word : words_)
                if (text == CoreText(word)) {
                    table_->SetText(c, r, word);
                    return;
                }
        table_->SetText(c, r, text.toStdString());
    }
    void MoveRow(int from, int to) override {
        if (table_) table_->MoveRow(from, to);
    }
    void MoveColumn(int, int) override {}

private:
    TOptionTable* table_ = nullptr;
    int wordColumn_ = -1;
    std::vector<std::string> words_;
};

} // namespace marklow

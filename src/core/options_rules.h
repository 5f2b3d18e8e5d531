#pragma once
// The rules of the options dialog's grids, without any window: the small tables the grids
// show, filling them from the gradebook's lists and reading them back, the total of the
// category percentages, the key filters of the category grid, the letter tables' sorts and the
// remapping of the grades' category indexes when categories are deleted, cleared or loaded.

#include "gradebook.h"
#include "real_list.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace marklow {

// A small text table with one header row. Numbers are shown with FormatNumber and read back
// as shown: a cell holds no digit the teacher cannot see.
class TOptionTable {
public:
    explicit TOptionTable(int cols = 0) : cols_(cols) {}

    int ColCount() const { return cols_; }
    int RowCount() const { return static_cast<int>(rows_.size()); }
    int LastRow() const { return RowCount() - 1; }
    // New rows are empty; rows removed from the end take their cells with them.
    void SetRowCount(int n);

    // Empty text outside the table.
    const std::string& Text(int c, int r) const;
    // The text as typed; outside the table nothing happens.
    void SetText(int c, int r, std::string text);
    // The number as FormatNumber shows it.
    void SetNumber(int c, int r, double value);
    // The cell's number as the grid shows it: ParseNumber of the text, rounded to 3
    // significant digits; 0 when the text is not a number.
    double Number(int c, int r) const;

    void ClearRow(int r);
    // The rows below move up one; the row count drops by one.
    void DeleteRow(int r);
    void MoveRow(int from, int to);
    // Whether every cell of the row is blank.
    bool RowBlank(int r) const;

    bool operator==(const TOptionTable&) const = default;

private:
    struct TCell {
        std::string Text;
        bool operator==(const TCell&) const = default;
    };
    TCell* At(int c, int r);
    const TCell* At(int c, int r) const;

    int cols_ = 0;
    std::vector<std::vector<TCell>> rows_;
};

// After an edit of column 0: when the last row's column 0 is no longer blank a new empty row
// is appended, so that one empty row always stays at the bottom for typing. Only a name (a
// letter) makes a row: the last row is never stored, so a percentage or a drop switch typed
// there alone must not turn it into a nameless category. Returns whether a row was added.
bool KeepSpareRow(TOptionTable& table);

// --- the categories grid: "Category", "Percentage of Grade", "Drop the Lowest" ---
inline constexpr int kCategoryNameCol = 0;
inline constexpr int kCategoryPercentCol = 1;
inline constexpr int kCategoryDropCol = 2;

TOptionTable MakeCategoryTable();
// Header, one row per category, one empty row.
void FillCategoryTable(TOptionTable& table, const TCategoryList& list);
void FillCategoryTable(TOptionTable& table, const std::vector<TCategory>& list);
// Every row but the header and the last: name unchanged, the percentage as a number (0 when
// it is not one), drop the lowest when the cell reads "Yes".
std::vector<TCategory> ReadCategoryTable(const TOptionTable& table);
// The sum of the percentages of the rows that are stored: every row but the header, and the
// last only once it has a name.
double CategoryTotal(const TOptionTable& table);
// A blank and the total with 4 significant digits: " 99.9".
std::string TotalText(double total);
// The names the grade editor offers: column 0 of every category row, and of the last row when
// it holds anything but blanks.
std::vector<std::string> CategoryChoices(const TOptionTable& table);
// The question before deleting a row; empty when the row cannot be deleted (the header, the
// empty last row, or a grid without categories).
std::string CategoryDeleteQuestion(const TOptionTable& table, int row);

// The general number format with the given number of significant digits, rounded half away
// from zero on the shortest decimal form; FormatSignificant(x, 3) == FormatNumber(x).
std::string FormatSignificant(double value, int digits);

// --- key filters of the categories grid ---
// The percentage column takes digits and "."; a comma is a decimal point; everything else is
// dropped, typed or pasted alike.
std::string FilterPercentText(std::string_view text);
// A character typed into the drop-the-lowest column never reaches the cell: Y, y, T and t set
// "Yes", and so does the first letter of the window's own word for it (J for "Ja", S for
// "Sí"); a blank toggles, anything else empties it.
std::string DropLowestAfterKey(std::string_view current, char32_t key, char32_t yesKey = 0);
// Text pasted into the drop-the-lowest column: "Yes" when it starts (after blanks) with Y or T
// or the letter of the window's word.
std::string DropLowestFromText(std::string_view text, char32_t yesKey = 0);
std::string ToggleDropLowest(std::string_view current);
// The word a category's drop-the-lowest cell holds when it is on.
const std::string& DropLowestWord();

// --- remapping the grades' category indexes (the dialog's grade copies) ---
// After deleting category k: its grades go to category 0, those after it move down one.
void RemapAfterCategoryDelete(std::vector<TGrade>& grades, int k);
// After New: every grade in category 0.
void ResetCategoryIndexes(std::vector<TGrade>& grades);
// After loading `count` categories (and on OK): indexes at or past the count become 0.
void ClampCategoryIndexes(std::vector<TGrade>& grades, int count);

// --- the letter grids ---
enum class TLetterGrid { LettersToNumbers, NumbersToLetters };

TOptionTable MakeLetterTable(TLetterGrid which);
// Header ("Letters", "Numbers" or the reverse), one row per entry in stored order, one empty
// row. Numbers are shown with FormatNumber.
void FillLetterTable(TOptionTable& table, TLetterGrid which, const TRealList& list);
// Every row after the header whose column 0 is not blank, then sorted: letters to numbers by
// letter (case-insensitive), numbers to letters by number, highest first. Numbers are read
// from their texts (the tables are kept with 3 significant digits in every file).
TRealList ReadLetterTable(const TOptionTable& table, TLetterGrid which);
// Sorts the grid's entries by number, highest first, dropping rows with a blank column 0.
// A grid of at most one entry is left as it is. Returns whether it was sorted.
bool SortLetterTable(TOptionTable& table, TLetterGrid which);
// The question before deleting a row; empty when the row cannot be deleted.
std::string LetterDeleteQuestion(const TOptionTable& table, TLetterGrid which, int row);
std::string LetterNewQuestion(TLetterGrid which);
// Why OK cannot take a table: it gains a letter that is a code for excused, missing or late
// work (EX, M, MI, L), which `before` (the gradebook's table) did not have. An older file's
// table keeps such a letter. Empty when the table may be taken.
std::string ReservedLetterRefusal(const TRealList& before, const TRealList& after);

// The missing score as the options dialog reads it: a number from 0 to 100, else nothing.
std::optional<double> MissingPercentFromText(std::string_view text);

// --- the Weights page ---
// The text of a grade in the grade chooser: its name, or "(unnamed, column N)".
std::string GradeChoiceText(const TGradebook& gb, int column);

} // namespace marklow

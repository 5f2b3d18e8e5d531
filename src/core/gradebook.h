#pragma once
// The one open gradebook: its cell table with a student on every student row and a grade on
// every grade column, the categories, both letter tables, the description and the switches.
//
// Layout of the cell table, addressed (column, row):
//   (0,0) "Average"  (1,0) overall class average  (c,0) class average of grade c
//   (0,1) overall student average  (1,1) "Name"   (c,1) name of grade c
//   (0,r) average of student r     (1,r) name of student r   (c,r) the entry as typed
// Rows 2..LastStudentRow carry a TStudent, columns 2..LastGradeColumn a TGrade. In edit mode
// one spare row and one spare column without objects follow them.

#include "cell_row.h"
#include "real_list.h"
#include "work_policy_fields.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace marklow {

inline constexpr int32_t kLastUserOrder = 2147483647;

struct TStudent {
    std::string Notes;
    std::string Name;
    std::string ID;
    // The LMS's own number of the student (Canvas's "ID" column), kept from a roster so the
    // Canvas export can write it back; not the school's ID.
    std::string LmsId;
    // The login or e-mail a roster import brought; not the teacher's notes.
    std::string Login;
    int32_t UserOrder = kLastUserOrder;
    double Average = 0;
    bool HasAverage = false;
    bool ColumnHasEntry = false;
    double ColumnValue = 0;
    bool HasInvalidEntry = false;
    std::string ShortLabel;
    bool ShortLabelUnique = false;
};

struct TGrade {
    double Weight = 0;
    double Points = 0;
    int32_t CategoryIndex = 0;
    std::string Notes;
    bool ExtraCredit = false;
    bool OmitClassAverage = false;
    bool Curve = false;
    double CurveAmount = 0;
    std::string Name;
    double Date = 0;
    int32_t UserOrder = 0;
    double ClassAverage = 0;
    bool InStudentAverage = false;
    double StudentValue = 0;
    bool HasClassAverage = false;
    bool HasInvalidEntry = false;
    double EffectiveWeight = 0;
    std::string ShortLabel;
    bool ShortLabelUnique = false;
};

struct TCategory {
    std::string Name;
    double Percent = 0;
    bool DropLowest = false;
    double WeightSum = 0;
    double WeightedSum = 0;
    int32_t Count = 0;
    TGrade* Lowest = nullptr;
    bool UnequalWeights = false;
};

class TCategoryList {
public:
    TCategoryList() : DefaultCategory(std::make_unique<TCategory>()) {
        DefaultCategory->Percent = 100;
    }
    TCategoryList(const TCategoryList&) = delete;
    TCategoryList& operator=(const TCategoryList&) = delete;
    TCategoryList(TCategoryList&&) = default;
    // Takes the other list's categories but keeps this list's notification: the receiver of
    // OnModeChange belongs to the list's owner, not to the categories moved in.
    TCategoryList& operator=(TCategoryList&& other) noexcept;

    std::function<void()> OnModeChange;
    std::unique_ptr<TCategory> DefaultCategory;
    double TotalPercent = 0;
    bool HasExtraCredit = false;

    int Count() const { return static_cast<int>(items_.size()); }
    // The number of categories the averages work with: 1 while the list is empty.
    int CategoryCount() const { return items_.empty() ? 1 : Count(); }
    // The category a grade's index stands for. -1 (none chosen) and indexes beyond the list
    // (files can hold them) both mean category 0.
    TCategory& Category(int i) const;
    TCategory& Item(int i) const { return *items_[static_cast<size_t>(i)]; }

    TCategory& Add(std::string name, double percent, bool dropLowest);
    void Add(std::unique_ptr<TCategory> category) { items_.push_back(std::move(category)); }
    void Delete(int i) { items_.erase(items_.begin() + i); }
    void Clear() { items_.clear(); }
    // Moves the categories (not the notification) of another list into this one.
    void TakeItemsFrom(TCategoryList& other) { items_ = std::move(other.items_); }
    // Replaces the categories with copies of the given ones (name, percent, drop the lowest;
    // the work fields start afresh); the notification and the default category stay.
    void ReplaceItems(const std::vector<TCategory>& items);

private:
    std::vector<std::unique_ptr<TCategory>> items_;
};

// Program-wide preferences that the model reads.
struct TModelPreferences {
    double DefaultPoints = 100;
    double DefaultWeight = 1;
    bool OmitZeros = true;
    bool ShowHints = true;
    // New gradebooks take "8,5" as 8.5: the window's language writes numbers so.
    bool DecimalCommaForNew = false;
};

class TGradebook {
public:
    TGradebook();
    TGradebook(const TGradebook&) = delete;
    TGradebook& operator=(const TGradebook&) = delete;

    TCategoryList Categories;
    TRealList LetterToNumber;
    TRealList NumberToLetter;
    std::string Password;
    std::string Teacher;
    std::string ClassName;
    std::string ClassNumber;
    bool PointsAreWeights = false;
    bool ShowLetters = false;
    bool GradesInUserOrder = true;
    bool StudentsInUserOrder = false;
    TModelPreferences Preferences;
    TWorkPolicy Work; // kept in the file's trailer
    // Entries may write their number with a decimal comma ("8,5" is 8.5, "," as "."). Kept in
    // the file, so the same file gives the same numbers in every language.
    bool DecimalComma = false;
    // The day blanks are judged against for missing work; today unless a test sets it.
    double Today = 0;

    // --- the cell table ---
    int ColCount() const { return colCount_; }
    int RowCount() const { return static_cast<int>(rows_.size()); }
    // Growing adds empty cells; shrinking releases the objects of the rows or columns removed.
    void SetColCount(int n);
    void SetRowCount(int n);

    // A cell's text, valid until its row changes.
    std::string_view Cell(int c, int r) const { return rows_[Index(r)].cells[Index(c)]; }
    void SetCell(int c, int r, std::string_view text) { rows_[Index(r)].cells.Set(Index(c), text); }
    const TCellRow& RowCells(int r) const { return rows_[Index(r)].cells; }
    // Replaces the cells of a row, padded or cut to the column count.
    void SetRowCells(int r, TCellRow cells);
    // Appends a row of the given cells, padded or cut to the column count; readers build each
    // row once instead of filling an empty one.
    void AppendRow(TCellRow cells);

    TStudent* StudentAt(int r) const;
    TGrade* GradeAt(int c) const;
    void AttachStudent(int r, std::unique_ptr<TStudent> student);
    void AttachGrade(int c, std::unique_ptr<TGrade> grade);
    std::unique_ptr<TStudent> DetachStudent(int r);
    std::unique_ptr<TGrade> DetachGrade(int c);

    int LastGradeColumn() const { return gradeCount_ + 1; }
    int LastStudentRow() const { return studentCount_ + 1; }
    int GradeCount() const { return gradeCount_; }
    int StudentCount() const { return studentCount_; }

    // Inserting adds an empty row or column at the index; deleting releases its object.
    void InsertRow(int r);
    void DeleteRow(int r);
    void InsertColumn(int c);
    void DeleteColumn(int c);
    // Moves one row or column, its cells and its object together, shifting those between.
    void MoveRow(int from, int to);
    void MoveColumn(int from, int to);
    // Removes a row (column) and hands back its cells and its object, so that putting them
    // back at the same index gives the table exactly as it was (undo of a deletion).
    struct TTakenRow {
        TCellRow Cells;
        std::unique_ptr<TStudent> Student;
    };
    struct TTakenColumn {
        TCellRow Cells; // one text per row, from row 0
        std::unique_ptr<TGrade> Grade;
    };
    TTakenRow TakeRow(int r);
    void PutRow(int r, TTakenRow row);
    TTakenColumn TakeColumn(int c);
    void PutColumn(int c, TTakenColumn column);
    // Puts every row (column) in a new place at once: new row k is old row order[k], with its
    // cells and its object. `order` must name every row (column) of the table exactly once,
    // else std::invalid_argument is thrown and nothing changes. Each row's cells are rebuilt
    // once, so a whole sort costs one pass over the table, never one move per item.
    void PermuteRows(const std::vector<int>& order);
    void PermuteColumns(const std::vector<int>& order);

    // --- operations ---
    void ClearAll();
    bool EditMode() const { return editMode_; }
    // Frozen header rows and columns of the current mode.
    int FixedRows() const { return editMode_ ? 1 : 2; }
    int FixedCols() const { return editMode_ ? 1 : 2; }
    // Switches the mode, gives the table the shape of the new mode and raises OnModeChange.
    void SetEditMode(bool on);
    // Brings the table into the normal shape of its mode: in edit mode one spare row and
    // column after the last student and grade, in move mode none. Only a row or column that
    // carries no object is taken for a spare one.
    void FitSpareCells();

    void SetGradesInUserOrder(bool on);
    void SetStudentsInUserOrder(bool on);

    double WeightOf(const TGrade& g) const { return PointsAreWeights ? g.Points : g.Weight; }
    void SetWeight(TGrade& g, double w) const {
        if (!PointsAreWeights) g.Weight = w;
    }

    // New objects with the creation defaults.
    std::unique_ptr<TGrade> NewGrade() const;
    std::unique_ptr<TStudent> NewStudent() const { return std::make_unique<TStudent>(); }

    void CategoryNames(std::vector<std::string>& list) const;
    void MakeStudentLabels();
    void MakeGradeLabels();

    // Replaces the whole document with another one (a file read into a fresh gradebook),
    // keeping this gradebook's notification and preferences, then raises OnModeChange.
    void ReplaceDocument(TGradebook&& other);

    // Empties the gradebook as the New command does: no students, grades, categories,
    // password or class name and number; captions "Average" and "Name"; edit mode.
    void MakeEmpty();

private:
    struct TRow {
        TCellRow cells;
        std::unique_ptr<TStudent> student;
    };
    static size_t Index(int i) { return static_cast<size_t>(i); }

    std::vector<TRow> rows_;
    std::vector<std::unique_ptr<TGrade>> cols_;
    int colCount_ = 0;
    int gradeCount_ = 0;
    int studentCount_ = 0;
    bool editMode_ = true;
};

void CopyGrade(TGrade& dst, const TGrade& src);
void ApplyGradeSettings(TGrade& dst, const TGrade& src);
void CopyStudent(TStudent& dst, const TStudent& src);

// The order that undoes PermuteRows/PermuteColumns(order): result[order[k]] = k.
std::vector<int> InversePermutation(const std::vector<int>& order);

// Short chart labels from names; exposed for the two label passes and their tests.
struct TLabel {
    std::string Text;
    bool Unique = false;
};
std::vector<TLabel> MakeShortLabels(const std::vector<std::string>& names);

} // namespace marklow

#pragma once
// The decisions behind typing into the gradebook grid, apart from any window: which cells may
// be entered and left, where Enter and Tab go, which keys mark the gradebook modified, how
// names typed into the spare row and column become students and grades, what is painted over
// a cell, and how wide a column must be.

#include "new_objects.h"

#include <QString>
#include <Qt>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace marklow {

class TGradebook;

inline constexpr int kMinColumnWidth = 64;

// False for a cell of the spare column or row of edit mode that holds text: such an entry
// belongs to no grade or student and would vanish with them.
bool MayLeaveCell(const TGradebook& gb, int c, int r);

// A score needs a named student and a named grade; names and the averages' cells do not.
bool MayEnterCell(const TGradebook& gb, int c, int r);

// The status bar's prompt for the current cell.
QString EntryPrompt(int c, int r);

// Where Enter and Tab move from (c, r): right along the grade-name row, down elsewhere.
// Consume false leaves the key to the grid's own handling.
struct TWalk {
    bool Consume = false;
    int Col = 0;
    int Row = 0;
};
TWalk WalkForward(int c, int r, int colCount, int rowCount);
// Shift+Tab: left along the grade-name row, up elsewhere, never into the name row.
TWalk WalkBack(int c, int r);
// Ctrl+Home: the first score, (2, 2); while it has no named student or grade, the name that is
// missing, so that what is typed next never lands on a name already there.
std::pair<int, int> FirstEntryCell(const TGradebook& gb);
// Whether the cursor may go to (c, r) by the rules of typing, asked without leaving the cell.
bool TakesCursor(const TGradebook& gb, int c, int r);

// What is painted over the ordinary drawing of (c, r) in the header look, if anything:
// "Name" in (1, 1) of edit mode, and curved entries while the curve is shown.
std::optional<std::string> OverpaintText(const TGradebook& gb, int c, int r, bool showCurve);

// What may be wrong with the entry in (c, r), shown where it is: an entry that is neither a
// number nor a known letter, or more points than its grade has (not in extra credit, where
// that is the point). The averages are not affected; the teacher may mean it.
// Excused and Missing are no problems, but drawn and announced apart from ordinary entries.
enum class TEntryProblem { None, Invalid, AbovePoints, Excused, Missing };
TEntryProblem EntryProblem(const TGradebook& gb, int c, int r);
// The status bar's prompt while the cursor is on (c, r): why its entry is marked, else the
// entry prompt.
QString CellPrompt(const TGradebook& gb, int c, int r);

// An upper bound of a text's width from the widths of its characters, so that the texts
// that cannot be the widest of a column need not be measured.
class TWidthBound {
public:
    // asciiWidth gives the advance of each ASCII character, maxWidth bounds any character.
    TWidthBound(const std::function<int(char)>& asciiWidth, int maxWidth);
    long long operator()(std::string_view text) const;

private:
    std::array<int, 128> ascii_{};
    int otherByte_ = 0;
};

// The widest text of column c plus 10, at least kMinColumnWidth.
int FitWidth(const TGradebook& gb, int c, const std::function<int(std::string_view)>& measure,
             const TWidthBound& bound);
// FitWidth of every column, in one pass over the rows as they lie in memory.
std::vector<int> FitWidths(const TGradebook& gb,
                           const std::function<int(std::string_view)>& measure,
                           const TWidthBound& bound);

bool CanDeleteStudent(const TGradebook& gb, int r);
bool CanDeleteGrade(const TGradebook& gb, int c);
// Move mode needs at least one student and one grade.
bool CanToggleMode(const TGradebook& gb);

} // namespace marklow

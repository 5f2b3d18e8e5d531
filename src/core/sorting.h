#pragma once
// The order of the student rows and the grade columns: the sorts, the teacher's own order
// (UserOrder and the two user-order switches), and where a new student or grade goes.
//
// A sort is computed first and applied as one permutation of the table (PermuteRows,
// PermuteColumns): the order of tied items is the one the classic exchange procedure gives
// (for i, for j >= i: exchange items i and j when j belongs before i), but the procedure runs
// on integer ranks, never on rows.

#include "gradebook.h"

#include <cstdint>
#include <vector>

namespace marklow {

enum class TStudentSortKey { UserOrder, Name, Average, ID };
enum class TGradeSortKey { UserOrder, Name, Date, Category };

// The exchange procedure over items ranked 0, 1, ... (equal ranks are ties, never exchanged):
// for i from 0 to n - 2 and j from i to n - 1, items i and j change places when rank j is
// below rank i. Returns the original index of the item that ends at each place.
std::vector<int> ExchangeSortOrder(const std::vector<int>& ranks);

// Texts compared byte by byte as unsigned codes, a text that starts a longer one first; case
// matters, so "Zoe" comes before "adam".
bool TextBefore(std::string_view a, std::string_view b);

// The new order of every row (column) of the table for a sort: new row k is old row
// result[k], ready for PermuteRows (PermuteColumns). Rows 0-1 and the spare row (columns 0-1
// and the spare column) keep their places. Names come from the name cells, the averages are
// the ones last computed. Fewer than two students (grades): the identity.
std::vector<int> SortStudentsOrder(const TGradebook& gb, TStudentSortKey key);
std::vector<int> SortGradesOrder(const TGradebook& gb, TGradeSortKey key);

// Every student's (grade's) UserOrder, top row (left column) first, and putting them back:
// turning a user-order switch off overwrites them, so its undo needs the old ones.
std::vector<int32_t> StudentUserOrders(const TGradebook& gb);
void RestoreStudentUserOrders(TGradebook& gb, const std::vector<int32_t>& orders);
std::vector<int32_t> GradeUserOrders(const TGradebook& gb);
void RestoreGradeUserOrders(TGradebook& gb, const std::vector<int32_t>& orders);

// One sort as a reversible step: what the menu command changes, and only that.
struct TSortStep {
    bool Students = true;      // rows of students, or columns of grades
    std::vector<int> Order;    // the permutation applied; empty when nothing moves
    bool SwitchBefore = false; // StudentsInUserOrder (GradesInUserOrder) before and after
    bool SwitchAfter = false;
    // Set when the sort records the present order as the teacher's (the switch goes from on
    // to off): every UserOrder before the recording, in the order before the sort.
    std::vector<int32_t> UserOrdersBefore;
    bool Recorded = false;

    // Whether applying it changes anything at all. "by User Input" while the list is already
    // in the teacher's order changes nothing.
    bool Changes() const { return !Order.empty() || SwitchBefore != SwitchAfter || Recorded; }
};

TSortStep PlanStudentSort(const TGradebook& gb, TStudentSortKey key);
TSortStep PlanGradeSort(const TGradebook& gb, TGradeSortKey key);
// Redo: records the teacher's order when due, sets the switch, moves the rows or columns.
void ApplySortStep(TGradebook& gb, const TSortStep& step);
// Undo: the exact earlier state (places, UserOrder values and the switch).
void RevertSortStep(TGradebook& gb, const TSortStep& step);

// Where a new student (grade) goes: the cursor's row (column), or the first student row
// (grade column) when the cursor is above (left of) them, never past the place after the last
// student (grade), so in edit mode the spare row (column) stays last.
int NewStudentRow(const TGradebook& gb, int currentRow);
int NewGradeColumn(const TGradebook& gb, int currentColumn);

} // namespace marklow

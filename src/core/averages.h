#pragma once
// The averages: every number shown beside the entries is derived from their texts here.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace marklow {

class TGradebook;
class TCategoryList;
struct TGrade;
struct TEntry;

// The percentage an entry is worth in grade g, curve included; nothing when the entry does
// not count (blank, invalid, a number in a grade out of 0 points, or a percentage beyond
// kMaxEntryPercent). Missing work is worth its TEntry's Value, the gradebook's missing score.
std::optional<double> EntryPercent(const TGrade& g, const TEntry& entry);
// A number or letter whose percentage in grade g lies beyond kMaxEntryPercent either way or
// is no number at all (1e308 points out of 100, or with the curve added): an invalid entry,
// as everywhere entries are judged.
bool PercentOverflows(const TGrade& g, const TEntry& entry);
// The same entry in points of grade g, curve included: what counts as EntryPercent's
// percentage of g's Points. Nothing when the entry does not count, or g is out of 0 points.
std::optional<double> EntryPoints(const TGrade& g, const TEntry& entry);

// A student's weighted average computed in a wider type, for percentages and weights whose
// double sums overflow. The terms are the student's counted entries in column order, each
// with its category's index; nothing when no double holds the result.
struct TWideTerm {
    size_t Category;
    double Weight;
    double Percent;
    bool ExtraCredit;
};
std::optional<double> WideStudentAverage(const TCategoryList& list,
                                         const std::vector<TWideTerm>& terms);

// Each returns the display text of its cell and stores the results in the objects.
std::string StudentAverage(TGradebook& gb, int r);
std::string ColumnAverage(TGradebook& gb, int c);
std::string OverallStudentAverage(TGradebook& gb);
std::string OverallColumnAverage(TGradebook& gb);

// Every average of the table, written into its cells.
void RecomputeAll(TGradebook& gb);

// What the grid does after the entry of cell (c, r) changed: the row's and the column's
// averages and both overall cells; the spare row and column of edit mode get none.
void UpdateAveragesForCell(TGradebook& gb, int c, int r);

void ComputeEffectiveWeights(TGradebook& gb);

// "*" when invalid entries were met, the average, "=" and the letter when letters are shown.
std::string AverageText(const TGradebook& gb, bool invalid, bool hasAverage, double average);

} // namespace marklow

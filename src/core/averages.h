#pragma once
// The averages: every number shown beside the entries is derived from their texts here.

#include <optional>
#include <string>

namespace marklow {

class TGradebook;
struct TGrade;
struct TEntry;

// The percentage an entry is worth in grade g, curve included; nothing when the entry does
// not count (blank, invalid, or a number in a grade out of 0 points).
std::optional<double> EntryPercent(const TGrade& g, const TEntry& entry);

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

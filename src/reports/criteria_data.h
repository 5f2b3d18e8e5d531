#pragma once
// What the grading criteria report prints, computed from a gradebook it only reads: each
// category's share and each grade's share of the final grade, by the same rules as the
// averages' effective weights.

#include <string>
#include <vector>

namespace marklow {

class TGradebook;

struct TCategoryRow {
    std::string Name;
    double Percent = 0;       // as entered
    double ScaledPercent = 0; // of the categories' total; 0 when they add up to 0
    bool DropLowest = false;
    bool UnequalWeights = false; // which grade is dropped depends on the student
};

struct TGradeRow {
    int Column = 0;
    std::string Category; // the name of the grade's category
    double Weight = 0;
    double Points = 0;
    bool ExtraCredit = false;
    double EffectiveWeight = 0; // the fraction of the final grade
};

struct TCriteria {
    double TotalPercent = 0;
    bool HasExtraCredit = false;
    std::vector<TCategoryRow> Categories; // the list's categories, none when it is empty
    std::vector<TGradeRow> Grades;        // every grade column in column order
};

TCriteria ComputeCriteria(const TGradebook& gb);

} // namespace marklow

#include "chart_labels.h"

namespace marklow {

TChartLabels MakeChartLabels(const TGradebook& gb) {
    TChartLabels labels;
    std::vector<std::string> names;
    names.reserve(static_cast<size_t>(gb.StudentCount()));
    for (int r = 2; r <= gb.LastStudentRow(); ++r)
        names.emplace_back(gb.Cell(1, r));
    labels.Students = MakeShortLabels(names);
    names.clear();
    for (int c = 2; c <= gb.LastGradeColumn(); ++c)
        names.emplace_back(gb.Cell(c, 1));
    labels.Grades = MakeShortLabels(names);
    return labels;
}

} // namespace marklow

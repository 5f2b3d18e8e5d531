#pragma once
// The charts' short labels of every student and grade, made from the name cells (the objects'
// names are refreshed only when saving) without touching the gradebook.

#include "gradebook.h"

#include <string>
#include <vector>

namespace marklow {

struct TChartLabels {
    std::vector<TLabel> Students; // row r at index r - 2
    std::vector<TLabel> Grades;   // column c at index c - 2

    const std::string& Student(int r) const { return Students[static_cast<size_t>(r - 2)].Text; }
    const std::string& Grade(int c) const { return Grades[static_cast<size_t>(c - 2)].Text; }
};

TChartLabels MakeChartLabels(const TGradebook& gb);

} // namespace marklow

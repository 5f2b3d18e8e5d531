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

// The same labels as MakeShortLabels, in time linear in the number of names: the replacement
// search remembers, per first character, how far the taken candidates already reach, since a
// label once taken stays taken. A class of 10,000 students runs out of two-character labels,
// and the plain search then scans thousands of candidates per student against every label.
std::vector<TLabel> MakeShortLabelsQuick(const std::vector<std::string>& names);

} // namespace marklow

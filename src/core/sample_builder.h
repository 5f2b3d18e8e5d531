#pragma once
// Builds whole gradebooks in code: for tests, benchmarks and the shipped sample class.

#include "gradebook.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace marklow {

// The common letter scale: letters typed as entries and the thresholds from A+ to F.
void SetStandardLetterTables(TGradebook& gb);

// Appends a student (in move mode; the caller fixes the mode afterwards) and returns its row.
int AddStudent(TGradebook& gb, const std::string& name, const std::string& id = "");
// Appends a grade column and returns its index.
int AddGrade(TGradebook& gb, const std::string& name, double points, int category = 0);

struct TBuildOptions {
    int Students = 30;
    int Grades = 10;
    int Categories = 4;        // 0: no categories
    bool DropLowest = true;    // the first category drops its lowest grade
    bool LetterTables = true;
    bool EditMode = false;
    uint32_t Seed = 1;
    // Share of entries, in percent, of each kind besides plain numbers.
    int LetterShare = 10;
    int BlankShare = 5;
    int InvalidShare = 1;
    int CommentShare = 3;
    int SlashShare = 2;
};

// A gradebook of the given size with a realistic mix of entries, averages not yet computed.
std::unique_ptr<TGradebook> BuildGradebook(const TBuildOptions& options);

} // namespace marklow

#pragma once
// What a detailed progress report tells parents about one student: the results by category
// as the student's average counts them (the dropped grade included), every grade with its
// score, percentage, letter and class average, and the final average. Numbers only; the
// report turns them into captions.

#include "entry.h"

#include <optional>
#include <string>
#include <vector>

namespace marklow {

class TGradebook;

// One category of a student's average, counted as StudentAverage counts it.
struct TCategoryResult {
    bool Counts = false;   // the student has a counted entry in it
    double Average = 0;    // the category's weighted mean, lowest dropped; valid when Counts
    int DroppedColumn = 0; // the grade column left out by "Drop the Lowest", or 0
};

// Every category of student row r (CategoryCount of them, in list order) and the weighted
// average they give, without touching the gradebook's work fields.
struct TStudentBreakdown {
    std::vector<TCategoryResult> Categories;
    bool HasAverage = false;
    double Average = 0;
};
TStudentBreakdown BreakDownStudent(const TGradebook& gb, int r);

// The class's average of each category: the mean of the category averages of the students
// who have one; nothing for a category no student has an entry in.
std::vector<std::optional<double>> ClassCategoryAverages(const TGradebook& gb);

struct TDetailGrade {
    int Column = 0;
    std::string Name;
    double Date = 0; // day number; 0 when none
    double Points = 0;
    EntryKind Kind = EntryKind::Blank;
    std::string Score;      // the entry without "/" and comment; invalid ones as typed
    bool Curved = false;    // the grade's curve was added to this entry
    double CurveAmount = 0; // points
    std::optional<double> Percent;
    std::string Letter; // empty for extra credit and below every threshold
    std::optional<double> ClassAverage;
    std::string Comment; // what was typed after the score
    bool Dropped = false;
    bool ExtraCredit = false;
    bool Counted = true; // the grade has a weight, so it takes part in the averages
};

struct TDetailCategory {
    int Slot = 0; // index in the category list
    std::string Name;
    double Percent = 0; // as the teacher set it
    double Share = 0;   // of the final grade, in percent of all categories' percentages
    bool DropLowest = false;
    std::optional<double> StudentAverage;
    std::optional<double> ClassAverage;
    std::vector<TDetailGrade> Grades;
};

struct TProgressDetail {
    int Row = 0;
    std::string Name, ID, Notes;
    std::optional<double> Average; // the student's average as the gradebook holds it
    std::string Letter;
    bool HasInvalidEntry = false;
    // The categories that hold at least one grade column up to lastGrade.
    std::vector<TDetailCategory> Categories;
};

// The report of student row r over grade columns 2..lastGrade. classCategories comes from
// ClassCategoryAverages of the same gradebook.
TProgressDetail MakeProgressDetail(const TGradebook& gb, int r, int lastGrade,
                                   const std::vector<std::optional<double>>& classCategories);

// The text typed after an entry's score: after its first blank, blanks trimmed.
std::string EntryComment(std::string_view entry);

} // namespace marklow

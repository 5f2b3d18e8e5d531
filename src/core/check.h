#pragma once
// The gradebook check: every problem the editing lets through (blank names, grades that
// cannot count, invalid entries, inconsistent categories), with the place to go for each.
//
// A finding is 12 bytes: what kind of message and where. Its text is made only when it is
// shown, from the gradebook as it stands, so a class whose five million entries are all
// invalid costs 60 MB of findings, not gigabytes of strings.

#include <cstdint>
#include <string>
#include <vector>

namespace marklow {

class TGradebook;

// Where a finding leads.
struct TErrorFinder {
    enum : uint8_t { EntryCell = 0, Grade = 1, Student = 2, CategoryField = 3, CategoryOnly = 4 };
    uint8_t Kind = CategoryOnly;
    // EntryCell and Grade: the column; Student: the row; categories: the category index.
    int32_t X = 0;
    // EntryCell: the row; CategoryField: 0 name, 1 percent, 2 drop the lowest; else 0.
    int32_t Y = 0;

    bool operator==(const TErrorFinder&) const = default;
};

enum class TCheckMessage : uint8_t {
    BlankGradeName,        // "Grade name number %d is blank"
    PointsZero,            // "Points for grade "%s" is zero or blank"
    WeightZero,            // "Weight for grade "%s" is zero or blank"
    BlankStudentName,      // "Student name number %d is blank"
    PercentTotal,          // "Percent of grade entries do not total 100"
    InvalidEntry,          // "Entry of "%s" for grade "%s" & student "%s" is invalid" (an error)
    BlankCategory,         // "Category in row %d is blank"
    CategoryPercentZero,   // "Percent of grade for category "%s" is zero"
    CategoryWithoutGrades, // "Category "%s" has no grades assigned"
    DropNeedsTwo,          // "Category "%s" needs at least two grades assigned to drop the lowest"
    UnequalDropWeights,    // "Weights are not equal dropping this lowest in category "%s""
    MissingWork,           // "Student "%s" has missing work for grade "%s"" (per student)
    ReservedLetter,        // a letter of Letters to Numbers that is a code for excused work...
    HeavyExtraCredit,      // an extra-credit grade weighs as much as a regular one (extra_credit.h)
};

struct TFinding {
    TCheckMessage Message;
    TErrorFinder Finder;
};

struct TCheckResult {
    // In the order the window lists them: grades, students, entries column by column, missing
    // work student by student, the categories, then the letters.
    std::vector<TFinding> Findings;
    int64_t Errors = 0;
    int64_t Warnings = 0;
    int64_t GradeEntries = 0; // every entry cell, blank or not
    int64_t BlankEntries = 0;
};

// Runs the whole check. Reading only: an out-of-range category index is taken as category 0,
// as the averages take it (RepairCategoryIndexes makes that explicit).
TCheckResult RunCheck(const TGradebook& gb);

bool IsError(TCheckMessage message);
// "Error" or "Warning".
const char* SeverityText(TCheckMessage message);

// The finding's text (UTF-8), with the names and entries as they stand in the gradebook. The
// texts are put in as they are, in one pass: a name holding "%s" or "%1" prints as typed.
std::string FindingText(const TGradebook& gb, const TFinding& finding);

// Sets every grade's category index that lies outside the category list to 0 (-1, "none
// chosen", stays). The check does this silently: it changes no average and is not an edit the
// teacher made, so the caller must not mark the gradebook modified. Returns how many changed.
int RepairCategoryIndexes(TGradebook& gb);

// What the check needs of the category averaging, read without touching the gradebook's work
// fields: the percent total of all categories and, per category, how many grades count and
// whether a drop-the-lowest category's grades differ in weight (the same results as
// ComputeEffectiveWeights leaves in TotalPercent, Count and UnequalWeights).
struct TCategoryTally {
    int32_t Count = 0;
    bool UnequalWeights = false;
};
struct TCategoryTallies {
    double TotalPercent = 0;
    std::vector<TCategoryTally> Categories; // one per CategoryCount()
};
TCategoryTallies TallyCategories(const TGradebook& gb);

} // namespace marklow

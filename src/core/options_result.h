#pragma once
// What the options dialog edits and what its OK changes, without any window.
//
// The dialog works on a TOptionsWork made from the gradebook when it is shown (the grids'
// tables, one copy of the settings of every grade, the switches and the description); the
// gradebook is not touched while it is open. OK turns the work into a TOptionsResult, and the
// document applies that with ApplyOptions as one undoable step: CaptureOptions takes the values
// the result replaces, so undo applies those back and gives the exact gradebook of before.

#include "gradebook.h"
#include "options_rules.h"
#include "real_list.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace marklow {

// The settings of a grade that the grade editor panel edits.
struct TGradeSettings {
    double Weight = 0;
    double Points = 0;
    int32_t CategoryIndex = 0;
    bool ExtraCredit = false;
    bool OmitClassAverage = false;
    bool Curve = false;
    double CurveAmount = 0;
};

TGradeSettings SettingsOf(const TGrade& g);
void ApplySettings(TGrade& g, const TGradeSettings& s);
// Equal field by field; a NaN read from a file equals itself.
bool SameSettings(const TGradeSettings& a, const TGradeSettings& b);

struct TOptionsWork {
    TOptionTable CategoryGrid = MakeCategoryTable();
    TOptionTable L2NGrid = MakeLetterTable(TLetterGrid::LettersToNumbers);
    TOptionTable N2LGrid = MakeLetterTable(TLetterGrid::NumbersToLetters);
    // One copy per grade column, in column order: entry k is the grade of column k + 2.
    std::vector<TGrade> GradeCopies;
    // The copy shown on the Weights page; -1 before any was shown.
    int CurrentGradeIndex = -1;
    bool PointsAreWeights = false;
    bool ShowLetters = false;
    std::string Teacher;
    std::string ClassName;
    std::string ClassNumber;
    TWorkPolicy Work; // missing work
    bool DecimalComma = false;
};

// The working copies of a showing: letter grids, toggles, description, category grid and one
// copy of each grade (CopyGrade), none shown yet.
TOptionsWork MakeOptionsWork(const TGradebook& gb);

struct TOptionsResult {
    // In the order OK writes them back.
    TRealList LetterToNumber;
    TRealList NumberToLetter;
    bool ShowLetters = false;
    bool PointsAreWeights = false;
    std::string Teacher;
    std::string ClassName;
    std::string ClassNumber;
    TWorkPolicy Work;
    bool DecimalComma = false;
    std::vector<TCategory> Categories; // name, percent and drop the lowest
    // The grades whose settings change: (column, new settings), columns ascending.
    std::vector<std::pair<int, TGradeSettings>> Grades;

    // Whether anything the averages or their texts depend on changes (letter tables, the
    // letter switch, points as weights, a category's percent or drop-the-lowest switch, the
    // number of categories, any grade setting, the missing-work settings); without it the
    // recompute can be skipped.
    bool AffectsAverages = false;
    // Whether the curved display of some entry changes (a grade's curve or its amount, or
    // the value of a letter while some grade is curved): the grid must be redrawn.
    bool CurveChanged = false;
};

// The result of OK: every working copy read back in the order OK writes them (letter tables
// sorted, the category grid without its empty row, each copy's category index below the
// category count, else 0), only the grades whose settings differ from the gradebook's, and
// the two flags compared with the gradebook.
TOptionsResult MakeOptionsResult(const TGradebook& gb, const TOptionsWork& work);

// Writes the result into the gradebook in that order. The category list keeps its
// notification. Columns without a grade are skipped. Averages are not recomputed.
void ApplyOptions(TGradebook& gb, const TOptionsResult& result);

// The gradebook's present values of everything `like` changes, with its flags, so that
// ApplyOptions(gb, CaptureOptions(gb, r)) after ApplyOptions(gb, r) restores the gradebook.
TOptionsResult CaptureOptions(const TGradebook& gb, const TOptionsResult& like);
// The same with every grade column.
TOptionsResult CaptureOptions(const TGradebook& gb);

} // namespace marklow

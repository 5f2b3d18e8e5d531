#pragma once
// How an entry appears in the printed reports: as typed, as a number, as a letter or both,
// and whether its cell is shaded as curved.

#include "entry.h"

#include <string>
#include <string_view>

namespace marklow {

class TGradebook;
class TRealList;
struct TGrade;

enum class TPrintGrade {
    ExactlyAsEntered = 0,
    NumbersOnly = 1,
    LettersOnly = 2,
    NumbersAndLetters = 3
};

struct TPrintedGrade {
    std::string Text;
    // The entry is a number or a letter that received its column's curve.
    bool Shade = false;
    // Excused or Missing: the report prints its word for it, Text holding the points that
    // counted for missing work.
    EntryKind Kind = EntryKind::Blank;
};

// The printed text of entry s in grade g. A number or letter prints with the curve added, a
// letter as its share of g's points; its letter comes from the entry's percentage as the
// averages compute it and is empty below every threshold. A number in a grade out of 0 points has no percentage and an
// extra-credit grade no letter of its own: both print as the number alone. decimalComma reads
// "8,5" as 8.5, as the gradebook's switch says.
TPrintedGrade FormatPrintedGrade(std::string_view s, const TGrade& g, TPrintGrade mode,
                                 const TRealList& letterToNumber, const TRealList& numberToLetter,
                                 bool decimalComma = false);

// The printed text of entry (c, r) with the gradebook's rules for excused and missing work
// (a blank past its date while blanks count as missing); as typed in ExactlyAsEntered.
TPrintedGrade FormatPrintedEntry(const TGradebook& gb, int c, int r, TPrintGrade mode);

} // namespace marklow

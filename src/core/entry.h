#pragma once
// How an entry typed into the cell table is read, and the two letter tables' lookups.

#include "real_list.h"

#include <string>
#include <string_view>

namespace marklow {

class TGradebook;

// Excused work counts nowhere; missing work counts as the gradebook's missing score.
enum class EntryKind { Blank = 0, Number = 1, Letter = 2, Invalid = 3, Excused = 4, Missing = 5 };

struct TEntry {
    EntryKind Kind = EntryKind::Blank;
    double Value = 0;
    bool Curve = false;     // the column's curve applies (the entry does not start with "/")
    bool FromBlank = false; // a Missing entry that is an empty cell past the grade's date
};

// "EX" excuses, "M" and "MI" mark missing work (any case). A letter table that holds one of
// them keeps it as a letter, so older files compute as before.
bool IsReservedEntryWord(std::string_view core);

// With decimalComma, a number may have one "," in place of its "." ("8,5", ",5"); a text with
// both, or two commas, is no number.
TEntry ReadEntry(std::string_view text, const TRealList& letterToNumber,
                 bool decimalComma = false);
// The entry without a leading "/" and cut before its first blank.
std::string_view EntryCore(std::string_view text);

// The letter's percentage, or -1 when the table has no such letter (the last duplicate wins).
double LetterValue(const TRealList& letterToNumber, std::string_view letter);
// The letter of the highest threshold reached, or empty text.
std::string LetterOf(const TRealList& numberToLetter, double percent);
int LetterIndex(const TRealList& numberToLetter, double percent);

// Display text of an entry with the curve added; the entry as typed when it is neither a
// number nor a letter.
// With decimalComma the number is shown with a comma too.
std::string CurvedText(std::string_view entry, double curveAmount, const TRealList& letterToNumber,
                       bool decimalComma = false);

// "%s entry of "%s" for student %s is invalid" for cell (c, r), naming the grade (row 1).
std::string InvalidEntryMessage(const TGradebook& gradebook, int c, int r);

} // namespace marklow

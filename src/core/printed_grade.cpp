#include "printed_grade.h"

#include "averages.h"
#include "entry.h"
#include "gradebook.h"
#include "text.h"
#include "work_policy.h"

#include <cmath>
#include <optional>

namespace marklow {

TPrintedGrade FormatPrintedGrade(std::string_view s, const TGrade& g, TPrintGrade mode,
                                 const TRealList& letterToNumber, const TRealList& numberToLetter,
                                 bool decimalComma) {
    TPrintedGrade result;
    if (mode == TPrintGrade::ExactlyAsEntered) {
        result.Text = s;
        return result;
    }
    TEntry e = ReadEntry(s, letterToNumber, decimalComma);
    if (e.Kind != EntryKind::Number && e.Kind != EntryKind::Letter) {
        // Blanks and invalid entries print as typed and are never shaded.
        result.Text = s;
        return result;
    }
    bool curved = g.Curve && e.Curve;
    double value = e.Value + (curved ? g.CurveAmount : 0);
    // A number beyond a double, with its curve or as a percentage, is no score: as typed.
    if (!std::isfinite(value) || PercentOverflows(g, e)) {
        result.Text = s;
        return result;
    }
    result.Shade = curved;
    // A letter stands for a percentage; on paper it prints as the points the averages count
    // (B+ in a 10-point grade is 8.8), as the LMS export gives it. Out of 0 points it has no
    // points and keeps its percentage.
    if (e.Kind == EntryKind::Letter) {
        if (std::optional<double> points = EntryPoints(g, e)) value = *points;
    }
    std::string number = FormatNumber(value);
    // Extra points are no grade of their own: a letter of them ("5=F") would misinform.
    // Out of 0 points a number has no percentage, so no letter either.
    std::optional<double> percent;
    if (mode != TPrintGrade::NumbersOnly && !g.ExtraCredit) percent = EntryPercent(g, e);
    if (!percent) {
        result.Text = number;
        return result;
    }
    // Below every threshold the letter is empty: "Letters only" prints an empty cell and
    // "Numbers and Letters" prints "58=".
    std::string letter = LetterOf(numberToLetter, *percent);
    if (mode == TPrintGrade::LettersOnly)
        result.Text = letter;
    else
        result.Text = number + "=" + letter;
    return result;
}

TPrintedGrade FormatPrintedEntry(const TGradebook& gb, int c, int r, TPrintGrade mode) {
    const TGrade& g = *gb.GradeAt(c);
    const std::string_view text = gb.Cell(c, r);
    if (mode != TPrintGrade::ExactlyAsEntered) {
        const TEntry e = ReadGradeEntry(gb, g, text);
        if (e.Kind == EntryKind::Excused) {
            TPrintedGrade p;
            p.Kind = e.Kind;
            return p;
        }
        if (e.Kind == EntryKind::Missing) {
            TPrintedGrade p;
            p.Kind = e.Kind;
            if (auto points = EntryPoints(g, e)) p.Text = FormatNumber(*points);
            return p;
        }
    }
    return FormatPrintedGrade(text, g, mode, gb.LetterToNumber, gb.NumberToLetter,
                              gb.DecimalComma);
}

} // namespace marklow

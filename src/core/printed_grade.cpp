#include "printed_grade.h"

#include "averages.h"
#include "entry.h"
#include "gradebook.h"
#include "text.h"

namespace marklow {

TPrintedGrade FormatPrintedGrade(std::string_view s, const TGrade& g, TPrintGrade mode,
                                 const TRealList& letterToNumber, const TRealList& numberToLetter) {
    TPrintedGrade result;
    if (mode == TPrintGrade::ExactlyAsEntered) {
        result.Text = s;
        return result;
    }
    TEntry e = ReadEntry(s, letterToNumber);
    if (e.Kind != EntryKind::Number && e.Kind != EntryKind::Letter) {
        // Blanks and invalid entries print as typed and are never shaded.
        result.Text = s;
        return result;
    }
    bool curved = g.Curve && e.Curve;
    result.Shade = curved;
    std::string number = FormatNumber(e.Value + (curved ? g.CurveAmount : 0));
    std::string letter;
    if (mode != TPrintGrade::NumbersOnly) {
        auto percent = EntryPercent(g, e);
        if (percent) letter = LetterOf(numberToLetter, *percent);
    }
    // Without a letter the number stands alone rather than vanish or read "85=".
    if (mode == TPrintGrade::NumbersOnly || letter.empty())
        result.Text = number;
    else if (mode == TPrintGrade::LettersOnly)
        result.Text = letter;
    else
        result.Text = number + "=" + letter;
    return result;
}

} // namespace marklow

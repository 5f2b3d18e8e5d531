#include "entry.h"

#include "gradebook.h"
#include "messages.h"
#include "text.h"

#include <cmath>
#include <optional>

namespace marklow {

std::string_view EntryCore(std::string_view text) {
    if (!text.empty() && text.front() == '/') text.remove_prefix(1);
    size_t blank = text.find(' ');
    if (blank != std::string_view::npos) text = text.substr(0, blank);
    return text;
}

namespace {
// "8,5" as "8.5"; nothing when the text has a "." as well or more than one ",".
std::optional<std::string> CommaAsPoint(std::string_view core) {
    const size_t comma = core.find(',');
    if (core.find('.') != std::string_view::npos || core.find(',', comma + 1) != core.npos)
        return std::nullopt;
    std::string text(core);
    text[comma] = '.';
    return text;
}
} // namespace

TEntry ReadEntry(std::string_view text, const TRealList& letterToNumber, bool decimalComma) {
    TEntry e;
    if (text.empty()) return e;
    e.Curve = text.front() != '/';
    size_t at = e.Curve ? 0 : 1;
    char c = at < text.size() ? text[at] : '\0';
    if (at < text.size() && c == ' ') return e;
    if (at < text.size() && (c == '+' || c == '-' || c == '.' || (c >= '0' && c <= '9') ||
                             (decimalComma && c == ','))) {
        std::string_view core = EntryCore(text);
        std::optional<double> v;
        if (decimalComma && core.find(',') != std::string_view::npos) {
            if (auto point = CommaAsPoint(core)) v = ConvertNumber(*point);
        } else {
            v = ConvertNumber(core);
        }
        if (v) {
            e.Kind = EntryKind::Number;
            e.Value = *v;
        } else {
            e.Kind = EntryKind::Invalid;
        }
        return e;
    }
    std::string_view core = EntryCore(text);
    double value = LetterValue(letterToNumber, core);
    if (value == -1) {
        e.Kind = EntryKind::Invalid;
        if (core.size() == 2 && (core[0] | 0x20) == 'e' && (core[1] | 0x20) == 'x')
            e.Kind = EntryKind::Excused;
        else if ((core.size() == 1 && (core[0] | 0x20) == 'm') ||
                 (core.size() == 2 && (core[0] | 0x20) == 'm' && (core[1] | 0x20) == 'i'))
            e.Kind = EntryKind::Missing;
    } else {
        e.Kind = EntryKind::Letter;
        e.Value = value;
    }
    return e;
}

bool IsReservedEntryWord(std::string_view core) {
    const std::string word = NormalizeLetter(core);
    return word == "EX" || word == "M" || word == "MI" || word == "L";
}

namespace {
// NormalizeLetter(a) == b without building a string; b is already normalised.
bool NormalizedEquals(std::string_view a, std::string_view b) {
    a = TrimBlanks(a);
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char c = a[i];
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c != b[i]) return false;
    }
    return true;
}
} // namespace

double LetterValue(const TRealList& letterToNumber, std::string_view letter) {
    std::string wanted = NormalizeLetter(letter);
    double result = -1;
    for (int i = 0; i < letterToNumber.Count(); ++i)
        if (NormalizedEquals(letterToNumber.Text(i), wanted)) result = letterToNumber.Value(i);
    return result;
}

int LetterIndex(const TRealList& numberToLetter, double percent) {
    for (int i = 0; i < numberToLetter.Count(); ++i)
        if (numberToLetter.Value(i) <= percent) return i;
    return 0;
}

std::string LetterOf(const TRealList& numberToLetter, double percent) {
    for (int i = 0; i < numberToLetter.Count(); ++i)
        if (numberToLetter.Value(i) <= percent) return numberToLetter.Text(i);
    return std::string();
}

std::string CurvedText(std::string_view entry, double curveAmount,
                       const TRealList& letterToNumber, bool decimalComma) {
    TEntry e = ReadEntry(entry, letterToNumber, decimalComma);
    if (entry.empty() || (e.Kind != EntryKind::Number && e.Kind != EntryKind::Letter))
        return std::string(entry);
    double shown = e.Curve ? e.Value + curveAmount : e.Value;
    // Beyond a double with the curve: shown as typed, like any entry that is no score.
    if (!std::isfinite(shown)) return std::string(entry);
    std::string_view core = EntryCore(entry);
    // What follows the core in the entry: the blank and the comment.
    size_t coreEnd = static_cast<size_t>(core.data() - entry.data()) + core.size();
    std::string number = FormatNumber(shown);
    if (decimalComma)
        for (char& ch : number)
            if (ch == '.') ch = ',';
    return number + std::string(entry.substr(coreEnd));
}

std::string InvalidEntryMessage(const TGradebook& gradebook, int c, int r) {
    return FormatMessage("%1 entry of \"%2\" for student %3 is invalid",
                         {std::string(gradebook.Cell(c, 1)), std::string(gradebook.Cell(c, r)),
                          std::string(gradebook.Cell(1, r))});
}

} // namespace marklow

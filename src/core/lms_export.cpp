#include "lms_export.h"

#include "averages.h"
#include "csv_export.h"
#include "entry.h"
#include "gradebook.h"
#include "text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <unordered_set>

namespace marklow {

namespace {

using TKind = TLmsWarning::TKind;

// What Canvas reads in the points row for a column it must not import.
constexpr std::string_view kReadOnly = "(read only)";

bool IsNameBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view TrimNameBlanks(std::string_view text) {
    size_t b = 0, e = text.size();
    while (b < e && IsNameBlank(text[b]))
        ++b;
    while (e > b && IsNameBlank(text[e - 1]))
        --e;
    return text.substr(b, e - b);
}

// Digits of a plain decimal text from its first nonzero digit on.
int SignificantDigits(const char* begin, const char* end) {
    int n = 0;
    bool started = false;
    for (const char* p = begin; p != end; ++p) {
        if (*p < '0' || *p > '9') continue;
        started = started || *p != '0';
        if (started) ++n;
    }
    return n;
}

// A grade whose entries can be given in points: out of a positive, finite number of them.
bool HasPoints(const TGrade& g) {
    return g.Points > 0 && std::isfinite(g.Points);
}

// The fixed columns of each format, before the grades.
std::vector<std::string_view> LeadingHeaders(TLmsFormat format) {
    switch (format) {
    case TLmsFormat::Canvas:
        return {"Student", "ID", "SIS User ID", "SIS Login ID", "Section"};
    case TLmsFormat::Moodle:
        return {"ID number", "Full name", "Email address"};
    case TLmsFormat::Scores:
        break;
    }
    return {"Name", "ID"};
}

std::vector<std::string_view> TrailingHeaders(TLmsFormat format) {
    if (format == TLmsFormat::Scores) return {"Average", "Letter"};
    return {};
}

// Each grade's column title: its name without surrounding blanks; a blank name becomes
// "Grade N" (N counting the grades from 1) and a name already taken, by an earlier grade or a
// fixed column, gets " [2]", " [3]"... Brackets, since Canvas reads "(12)" at the end of a
// title as the number of an assignment of its own.
std::vector<std::string> GradeTitles(const TGradebook& gb, TLmsFormat format,
                                     std::vector<TLmsWarning>& warnings) {
    std::unordered_set<std::string> taken;
    for (std::string_view h : LeadingHeaders(format))
        taken.emplace(h);
    for (std::string_view h : TrailingHeaders(format))
        taken.emplace(h);
    std::vector<std::string> titles;
    for (int c = 2; c <= gb.LastGradeColumn(); ++c) {
        std::string base(TrimNameBlanks(gb.Cell(c, 1)));
        bool renamed = base.empty();
        if (renamed) base = "Grade " + std::to_string(c - 1);
        std::string title = base;
        for (int k = 2; taken.count(title); ++k) {
            title = base + " [" + std::to_string(k) + "]";
            renamed = true;
        }
        taken.insert(title);
        if (renamed) warnings.push_back({TKind::Renamed, c, 0, 0});
        titles.push_back(std::move(title));
    }
    return titles;
}

// A field an importer matches on: character for character as stored.
void AppendField(std::string& out, std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        out += text;
    else
        out += CsvField(text);
}

// A field only people read (names, titles, letters): never a formula for a spreadsheet.
void AppendTextField(std::string& out, std::string_view text) {
    if (!LooksLikeFormula(text))
        AppendField(out, text);
    else
        out += CsvTextField(text);
}

struct TStudentWarnings {
    std::vector<TLmsWarning> Ids, Entries;
};

// One row of scores: each grade's points, blank where there are none to give.
void AppendScores(const TGradebook& gb, int r, const std::vector<bool>& withPoints,
                  std::string& out, std::vector<TLmsWarning>* unreadable) {
    const TCellRow& cells = gb.RowCells(r);
    for (int c = 2; c <= gb.LastGradeColumn(); ++c) {
        out += ',';
        if (!withPoints[static_cast<size_t>(c - 2)]) continue;
        std::string_view text = cells[static_cast<size_t>(c)];
        if (text.empty()) continue;
        TEntry e = ReadEntry(text, gb.LetterToNumber);
        if (e.Kind == EntryKind::Blank) continue;
        if (auto points = EntryPoints(*gb.GradeAt(c), e))
            out += LmsNumber(*points);
        else if (unreadable)
            unreadable->push_back({TKind::Unreadable, c, r, 0});
    }
}

} // namespace

const char* LmsFormatName(TLmsFormat format) {
    switch (format) {
    case TLmsFormat::Canvas:
        return "canvas";
    case TLmsFormat::Moodle:
        return "moodle";
    case TLmsFormat::Scores:
        break;
    }
    return "scores";
}

std::optional<TLmsFormat> LmsFormatNamed(std::string_view name) {
    for (TLmsFormat f : {TLmsFormat::Canvas, TLmsFormat::Moodle, TLmsFormat::Scores})
        if (name == LmsFormatName(f)) return f;
    return std::nullopt;
}

std::string LmsNumber(double value) {
    // Fixed notation of the smallest double takes 330 characters.
    char buf[400];
    const double a = std::fabs(value);
    if (value == 0 || !std::isfinite(value)) return "0"; // -0 as well
    if (a < 1e15 && value == std::trunc(value)) {
        auto r = std::to_chars(buf, buf + sizeof buf, static_cast<int64_t>(value));
        return std::string(buf, r.ptr);
    }
    // Most scores have a digit or two after the point: the first scale at which the value is
    // a whole number that divides back to it exactly gives the shortest text that reads back
    // as this double, as the general conversion below would, in a fraction of its time.
    static constexpr double kScale[] = {10, 100, 1000, 10000};
    for (int k = 0; k < 4; ++k) {
        const double scaled = std::nearbyint(value * kScale[k]);
        if (!(std::fabs(scaled) < 1e15) || scaled / kScale[k] != value) continue;
        auto r = std::to_chars(buf + 1, buf + sizeof buf, static_cast<int64_t>(std::fabs(scaled)));
        char* digits = buf + 1;
        size_t n = static_cast<size_t>(r.ptr - digits), fraction = static_cast<size_t>(k) + 1;
        std::string out = value < 0 ? "-" : "";
        if (n <= fraction) {
            out += "0.";
            out.append(fraction - n, '0');
            out.append(digits, n);
        } else {
            out.append(digits, n - fraction);
            out += '.';
            out.append(digits + n - fraction, fraction);
        }
        return out;
    }
    // The shortest text that reads back as this double, unless that takes more digits than a
    // typed decimal can have (0.30000000000000004): then 15 of them.
    auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    if (SignificantDigits(buf, r.ptr) <= 15) return std::string(buf, r.ptr);
    int exponent = static_cast<int>(std::floor(std::log10(a)));
    if (a >= std::pow(10.0, exponent + 1)) ++exponent;
    if (a < std::pow(10.0, exponent)) --exponent;
    r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed,
                      std::max(0, 14 - exponent));
    const char* end = r.ptr;
    if (std::string_view(buf, static_cast<size_t>(end - buf)).find('.') != std::string_view::npos) {
        while (end[-1] == '0')
            --end;
        if (end[-1] == '.') --end;
    }
    return std::string(buf, static_cast<size_t>(end - buf));
}

std::string CanvasStudentName(std::string_view name) {
    std::string_view t = TrimNameBlanks(name);
    if (t.find(',') != std::string_view::npos) return std::string(t);
    std::vector<std::string_view> words;
    for (size_t i = 0; i < t.size();) {
        size_t end = i;
        while (end < t.size() && !IsNameBlank(t[end]))
            ++end;
        words.push_back(t.substr(i, end - i));
        i = end;
        while (i < t.size() && IsNameBlank(t[i]))
            ++i;
    }
    // The surname is the last word but a suffix ("Jr.", "III") or a number, which go with it.
    auto trailing = [](std::string_view w) {
        static const std::string_view suffixes[] = {"Jr", "Jr.", "Sr", "Sr.", "II", "III", "IV"};
        for (std::string_view s : suffixes)
            if (w == s) return true;
        for (char c : w)
            if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c & 0x80)) return false;
        return true;
    };
    size_t last = words.size();
    while (last > 0 && trailing(words[last - 1]))
        --last;
    if (last < 2) return std::string(t); // one word, or nothing to put before it
    const char* surname = words[last - 1].data();
    std::string out(surname, static_cast<size_t>(t.data() + t.size() - surname));
    out += ", ";
    out += TrimNameBlanks(t.substr(0, static_cast<size_t>(surname - t.data())));
    return out;
}

std::string EmailInNotes(std::string_view notes) {
    auto isSeparator = [](char c) {
        return static_cast<unsigned char>(c) <= ' ' ||
               std::string_view(",;<>()[]\"'").find(c) != std::string_view::npos;
    };
    auto isLocal = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               std::string_view(".!#$%&*+/=?^_`{|}~-").find(c) != std::string_view::npos;
    };
    auto isDomain = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '.' || c == '-';
    };
    size_t i = 0;
    while (i < notes.size()) {
        while (i < notes.size() && isSeparator(notes[i]))
            ++i;
        size_t start = i;
        while (i < notes.size() && !isSeparator(notes[i]))
            ++i;
        std::string_view word = notes.substr(start, i - start);
        if (word.substr(0, 7) == "mailto:") word.remove_prefix(7);
        while (!word.empty() && (word.back() == '.' || word.back() == ':'))
            word.remove_suffix(1); // the end of a sentence
        size_t at = word.find('@');
        if (at == std::string_view::npos || at == 0 || word.find('@', at + 1) != word.npos)
            continue;
        std::string_view local = word.substr(0, at), domain = word.substr(at + 1);
        bool ok = domain.find('.') != domain.npos && domain.front() != '.' &&
                  domain.front() != '-' && domain.find("..") == domain.npos;
        for (char c : local)
            ok = ok && isLocal(c);
        for (char c : domain)
            ok = ok && isDomain(c);
        if (ok) return std::string(word);
    }
    return std::string();
}

TLmsExport ExportForLms(const TGradebook& gb, TLmsFormat format, bool bom) {
    TLmsExport ex;
    std::vector<TLmsWarning> gradeWarnings;
    ex.Titles = GradeTitles(gb, format, gradeWarnings);
    std::vector<bool> withPoints;
    for (int c = 2; c <= gb.LastGradeColumn(); ++c) {
        withPoints.push_back(HasPoints(*gb.GradeAt(c)));
        if (!withPoints.back()) gradeWarnings.push_back({TKind::NoPoints, c, 0, 0});
    }
    // Columns are warned about in column order whatever the reason.
    std::stable_sort(
        gradeWarnings.begin(), gradeWarnings.end(),
        [](const TLmsWarning& a, const TLmsWarning& b) { return a.Column < b.Column; });

    std::string& out = ex.Csv;
    // About the length of the entries typed plus the names, so appending rarely moves it.
    size_t estimate = 64;
    for (int r = 2; r <= gb.LastStudentRow(); ++r)
        estimate += gb.RowCells(r).Text().size() + 64;
    out.reserve(estimate);
    if (bom) out += "\xEF\xBB\xBF";
    bool first = true;
    for (std::string_view h : LeadingHeaders(format)) {
        if (!first) out += ',';
        first = false;
        out += h;
    }
    for (const std::string& t : ex.Titles) {
        out += ',';
        AppendTextField(out, t);
    }
    for (std::string_view h : TrailingHeaders(format)) {
        out += ',';
        out += h;
    }
    out += "\r\n";
    if (format == TLmsFormat::Canvas) {
        out += "Points Possible,,,,";
        for (int c = 2; c <= gb.LastGradeColumn(); ++c) {
            const TGrade& g = *gb.GradeAt(c);
            out += ',';
            // Canvas counts the scores of an assignment out of 0 points on top of the others,
            // as the averages count extra credit.
            if (!withPoints[static_cast<size_t>(c - 2)])
                out += kReadOnly;
            else
                out += g.ExtraCredit ? "0" : LmsNumber(g.Points);
        }
        out += "\r\n";
    }

    TStudentWarnings warned;
    std::unordered_map<std::string_view, int> ids;
    ids.reserve(static_cast<size_t>(gb.StudentCount()));
    for (int r = 2; r <= gb.LastStudentRow(); ++r) {
        const TStudent& s = *gb.StudentAt(r);
        std::string_view name = gb.Cell(1, r);
        std::string_view id = TrimBlanks(s.ID);
        if (!id.empty()) {
            auto [it, added] = ids.emplace(id, r);
            if (!added) warned.Ids.push_back({TKind::SameId, 0, r, it->second});
            if (LooksLikeFormula(id)) warned.Ids.push_back({TKind::FormulaId, 0, r, 0});
        }
        switch (format) {
        case TLmsFormat::Canvas:
            if (id.empty()) warned.Ids.push_back({TKind::NoId, 0, r, 0});
            // Defused after the name is rearranged and trimmed, so that no blank taken off
            // the front brings a formula back.
            AppendTextField(out, CanvasStudentName(name));
            out += ",,";
            AppendField(out, id);
            out += ",,";
            break;
        case TLmsFormat::Moodle: {
            std::string email = EmailInNotes(s.Notes);
            if (id.empty()) {
                // A row without any identifier takes the grades of the row above it in
                // Moodle's import, or stops the import when it comes first.
                warned.Ids.push_back({email.empty() ? TKind::NoIdLeftOut : TKind::NoId, 0, r, 0});
                if (email.empty()) continue;
            }
            if (LooksLikeFormula(email)) warned.Ids.push_back({TKind::FormulaEmail, 0, r, 0});
            AppendField(out, id);
            out += ',';
            AppendTextField(out, name);
            out += ',';
            AppendField(out, email);
            break;
        }
        case TLmsFormat::Scores:
            AppendTextField(out, name);
            out += ',';
            AppendField(out, id);
            break;
        }
        AppendScores(gb, r, withPoints, out, &warned.Entries);
        if (format == TLmsFormat::Scores) {
            out += ',';
            if (s.HasAverage && std::isfinite(s.Average)) {
                out += LmsNumber(s.Average);
                out += ',';
                AppendTextField(out, LetterOf(gb.NumberToLetter, s.Average));
            } else {
                out += ',';
            }
        }
        out += "\r\n";
        ++ex.Students;
    }
    ex.Warnings = std::move(gradeWarnings);
    // A student's ID problems before the entries, each group in row order.
    ex.Warnings.insert(ex.Warnings.end(), warned.Ids.begin(), warned.Ids.end());
    ex.Warnings.insert(ex.Warnings.end(), warned.Entries.begin(), warned.Entries.end());
    return ex;
}

std::string LmsWarningText(const TGradebook& gb, const TLmsExport& exported, const TLmsWarning& w) {
    // "student \"Ann Lee\"", or "the student in row 4" for one without a name.
    auto student = [&](int r) {
        std::string_view name = TrimBlanks(gb.Cell(1, r));
        if (name.empty()) return "the student in row " + std::to_string(r - 1);
        return "student \"" + std::string(name) + "\"";
    };
    auto sentence = [](std::string text) {
        if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = char(text[0] - 'a' + 'A');
        return text;
    };
    auto grade = [&](int c) { return "\"" + exported.Titles[static_cast<size_t>(c - 2)] + "\""; };
    switch (w.Kind) {
    case TKind::NoId:
        return sentence(student(w.Row)) + " has no ID: the import cannot match the row by ID";
    case TKind::NoIdLeftOut:
        return sentence(student(w.Row)) + " has no ID and no e-mail address: left out";
    case TKind::SameId:
        return sentence(student(w.Row)) + " has the ID \"" +
               std::string(TrimBlanks(gb.StudentAt(w.Row)->ID)) + "\" of " + student(w.OtherRow) +
               ": the import gives both rows to one student";
    case TKind::Unreadable:
        return grade(w.Column) + " entry of \"" + std::string(gb.Cell(w.Column, w.Row)) +
               "\" for " + student(w.Row) + " cannot be read: left blank";
    case TKind::NoPoints:
        return "Grade " + grade(w.Column) + " is out of no points: its entries are left blank";
    case TKind::FormulaId:
    case TKind::FormulaEmail: {
        const bool id = w.Kind == TKind::FormulaId;
        const TStudent& s = *gb.StudentAt(w.Row);
        return sentence(student(w.Row)) + " has the " + (id ? "ID" : "e-mail address") + " \"" +
               (id ? std::string(TrimBlanks(s.ID)) : EmailInNotes(s.Notes)) +
               "\", which a spreadsheet would run as a formula: written as it is, so that the "
               "import can match it; open the file in a spreadsheet only with care";
    }
    case TKind::Renamed: {
        std::string_view typed = TrimBlanks(gb.Cell(w.Column, 1));
        std::string what = typed.empty() ? "Grade " + std::to_string(w.Column - 1) + " has no name"
                                         : "Grade name \"" + std::string(typed) + "\" is taken";
        return what + ": written as " + grade(w.Column);
    }
    }
    return std::string();
}

} // namespace marklow

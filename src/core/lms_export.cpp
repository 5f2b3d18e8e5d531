#include "lms_export.h"

#include "averages.h"
#include "csv_export.h"
#include "entry.h"
#include "gradebook.h"
#include "text.h"
#include "work_policy.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
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
bool IsAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Where `word` (lower case) stands in `text`, compared without case; npos when nowhere.
size_t FindNoCase(std::string_view text, std::string_view word, size_t from = 0) {
    for (size_t i = from; i + word.size() <= text.size(); ++i) {
        size_t k = 0;
        while (k < word.size() && AsciiLower(text[i + k]) == word[k])
            ++k;
        if (k == word.size()) return i;
    }
    return std::string_view::npos;
}

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
        if (format == TLmsFormat::Canvas && !renamed) {
            std::string safe = CanvasSafeTitle(base);
            if (safe != base) {
                warnings.push_back({TKind::RenamedForCanvas, c, 0, 0});
                base = std::move(safe);
            }
        }
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
                  TLmsFormat format, std::string& out, std::vector<TLmsWarning>* unreadable,
                  std::vector<TLmsWarning>* aboveMaximum, bool cap) {
    const TCellRow& cells = gb.RowCells(r);
    for (int c = 2; c <= gb.LastGradeColumn(); ++c) {
        out += ',';
        if (!withPoints[static_cast<size_t>(c - 2)]) continue;
        std::string_view text = cells[static_cast<size_t>(c)];
        const TGrade& g = *gb.GradeAt(c);
        if (text.empty() && !gb.Work.BlankIsMissing) continue;
        TEntry e = ReadGradeEntry(gb, g, text);
        if (e.Kind == EntryKind::Blank) continue;
        // Canvas imports "EX" as excused; elsewhere excused work has no score to give.
        if (e.Kind == EntryKind::Excused) {
            if (format == TLmsFormat::Canvas) out += "EX";
            continue;
        }
        if (auto points = EntryPoints(g, e)) {
            double v = *points;
            // Extra credit has no maximum of its own in Moodle either: its points are one.
            if (aboveMaximum && v > g.Points) {
                aboveMaximum->push_back({TKind::AboveMaximum, c, r, 0});
                if (cap) v = g.Points;
            }
            out += LmsNumber(v);
        } else if (unreadable)
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
    // Beyond 15 integer digits the exact binary value shows digits nobody typed
    // (12345678901234567890 is 12345678901234567168): 15 significant digits, then zeros.
    if (a >= 1e15) {
        auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
        *r.ptr = '\0'; // for atoi
        const std::string_view sci(buf, static_cast<size_t>(r.ptr - buf));
        const size_t e = sci.find('e');
        const int exponent = std::atoi(sci.data() + e + 1);
        std::string out;
        for (char ch : sci.substr(0, e))
            if (ch != '.') out += ch;
        out.append(static_cast<size_t>(exponent - 14), '0');
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

std::string CanvasSafeTitle(std::string_view title) {
    std::string out(title);
    // Two-word phrases lose their blank; "unposted" is split after "un".
    static constexpr std::string_view kPhrases[] = {"final score",  "current score",
                                                    "final grade",  "current grade",
                                                    "final points", "current points"};
    for (std::string_view phrase : kPhrases)
        for (size_t at = FindNoCase(out, phrase); at != std::string::npos;
             at = FindNoCase(out, phrase, at + 1))
            out[at + phrase.find(' ')] = '-';
    for (size_t at = FindNoCase(out, "unposted"); at != std::string::npos;
         at = FindNoCase(out, "unposted", at + 3))
        out.insert(at + 2, 1, '-');
    // "Quiz (12)" would file the column under Canvas's assignment 12.
    size_t e = out.size();
    while (e > 0 && (out[e - 1] == ' ' || out[e - 1] == '\t'))
        --e;
    if (e >= 3 && out[e - 1] == ')') {
        size_t b = e - 1;
        while (b > 0 && IsAsciiDigit(out[b - 1]))
            --b;
        if (b < e - 1 && b > 0 && out[b - 1] == '(') {
            out[b - 1] = '[';
            out[e - 1] = ']';
        }
    }
    return out;
}

std::string StudentEmail(const TStudent& s) {
    std::string login = EmailInNotes(s.Login);
    return login.empty() ? EmailInNotes(s.Notes) : login;
}

std::string StudentUsername(const TStudent& s) {
    std::string_view login = TrimBlanks(s.Login);
    if (login.find('@') != std::string_view::npos) return std::string();
    return std::string(login);
}

const char* MoodleIdentifierName(TMoodleIdentifier id) {
    switch (id) {
    case TMoodleIdentifier::Email:
        return "email";
    case TMoodleIdentifier::Username:
        return "username";
    case TMoodleIdentifier::IdNumber:
        break;
    }
    return "idnumber";
}

std::optional<TMoodleIdentifier> MoodleIdentifierNamed(std::string_view name) {
    for (TMoodleIdentifier id :
         {TMoodleIdentifier::IdNumber, TMoodleIdentifier::Email, TMoodleIdentifier::Username})
        if (name == MoodleIdentifierName(id)) return id;
    return std::nullopt;
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

TLmsExport ExportForLms(const TGradebook& gb, TLmsFormat format, const TLmsOptions& options) {
    TLmsExport ex;
    ex.Options = options;
    const bool bom = options.Bom;
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
    if (format == TLmsFormat::Moodle && options.Identifier == TMoodleIdentifier::Username)
        out += ",Username";
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
            out += ',';
            // Canvas matches its own number first, then the SIS User ID.
            AppendField(out, TrimBlanks(s.LmsId));
            out += ',';
            AppendField(out, id);
            out += ",,";
            break;
        case TLmsFormat::Moodle: {
            const std::string email = StudentEmail(s);
            const std::string username = StudentUsername(s);
            std::string_view chosen = options.Identifier == TMoodleIdentifier::Email ? email
                                      : options.Identifier == TMoodleIdentifier::Username
                                          ? std::string_view(username)
                                          : id;
            // A row whose identifier is blank takes the grades of the row above it in
            // Moodle's import, or stops the import when it comes first.
            if (chosen.empty()) {
                warned.Ids.push_back({TKind::NoIdLeftOut, 0, r, 0});
                continue;
            }
            if (LooksLikeFormula(email)) warned.Ids.push_back({TKind::FormulaEmail, 0, r, 0});
            AppendField(out, id);
            out += ',';
            AppendTextField(out, name);
            out += ',';
            AppendField(out, email);
            if (options.Identifier == TMoodleIdentifier::Username) {
                out += ',';
                AppendField(out, username);
            }
            break;
        }
        case TLmsFormat::Scores:
            AppendTextField(out, name);
            out += ',';
            AppendField(out, id);
            break;
        }
        AppendScores(gb, r, withPoints, format, out, &warned.Entries,
                     format == TLmsFormat::Moodle ? &warned.Entries : nullptr,
                     options.CapAtPoints);
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
    case TKind::NoIdLeftOut: {
        const TMoodleIdentifier id = exported.Options.Identifier;
        const char* what = id == TMoodleIdentifier::Email      ? "no e-mail address"
                           : id == TMoodleIdentifier::Username ? "no username"
                                                               : "no ID number";
        return sentence(student(w.Row)) + " has " + what +
               ", which the import is to identify students by: left out";
    }
    case TKind::AboveMaximum: {
        const TGrade& g = *gb.GradeAt(w.Column);
        return grade(w.Column) + " entry of \"" + std::string(gb.Cell(w.Column, w.Row)) + "\" for " +
               student(w.Row) + " is above the grade's " + LmsNumber(g.Points) +
               " points, which Moodle refuses: " +
               (exported.Options.CapAtPoints ? "written as " + LmsNumber(g.Points)
                                             : std::string("written as it is"));
    }
    case TKind::RenamedForCanvas:
        return "Grade name \"" + std::string(TrimBlanks(gb.Cell(w.Column, 1))) +
               "\" would be dropped or misfiled by Canvas: written as " + grade(w.Column);
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

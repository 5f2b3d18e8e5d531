// Reading a class list's CSV and recognising its columns (roster_import.h).

#include "roster_import.h"

#include "text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <span>

namespace marklow {

namespace {

// Whether the bytes are well-formed UTF-8 (no overlong forms, surrogates or values past
// U+10FFFF).
bool IsUtf8(std::string_view s) {
    size_t i = 0;
    const size_t n = s.size();
    while (i < n) {
        const auto b = static_cast<unsigned char>(s[i]);
        if (b < 0x80) {
            ++i;
            continue;
        }
        size_t len;
        unsigned char lo = 0x80, hi = 0xBF;
        if (b >= 0xC2 && b <= 0xDF) {
            len = 2;
        } else if (b >= 0xE0 && b <= 0xEF) {
            len = 3;
            if (b == 0xE0) lo = 0xA0;
            if (b == 0xED) hi = 0x9F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            len = 4;
            if (b == 0xF0) lo = 0x90;
            if (b == 0xF4) hi = 0x8F;
        } else {
            return false;
        }
        if (n - i < len) return false;
        for (size_t k = 1; k < len; ++k) {
            const auto c = static_cast<unsigned char>(s[i + k]);
            if (c < (k == 1 ? lo : 0x80) || c > (k == 1 ? hi : 0xBF)) return false;
        }
        i += len;
    }
    return true;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// UTF-16 after its byte order mark; unpaired surrogates become U+FFFD. A NUL stays a NUL, so
// the check after decoding still finds it.
std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size());
    auto unit = [&](size_t i) {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char32_t>(bigEndian ? (a << 8 | b) : (b << 8 | a));
    };
    const size_t n = bytes.size() & ~size_t{1};
    for (size_t i = 0; i < n; i += 2) {
        char32_t u = unit(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 3 < n) {
            char32_t v = unit(i + 2);
            if (v >= 0xDC00 && v <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (v - 0xDC00));
                i += 2;
                continue;
            }
        }
        AppendUtf8(out, (u >= 0xD800 && u <= 0xDFFF) ? char32_t{0xFFFD} : u);
    }
    return out;
}

std::string Thousands(size_t n) {
    std::string digits = std::to_string(n);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<size_t>(at), ",");
    return digits;
}

// Splits the text into records. Returns the error, or "" when read whole (or, with
// maxRecords, when that many were read: delimiter detection looks at the start only).
class TCsvSplitter {
public:
    TCsvSplitter(std::string_view text, char delimiter) : text_(text), delim_(delimiter) {}

    // Calls field(text) for each field and end() after each record's last one.
    template <typename Field, typename End>
    std::string Run(Field&& field, End&& end, size_t maxRecords = SIZE_MAX) {
        size_t at = 0, records = 0;
        int line = 1;
        std::string value;
        while (at < text_.size() && records < maxRecords) {
            const size_t start = at;
            const int startLine = line;
            // A completely empty line is no record.
            if (text_[at] == '\r' || text_[at] == '\n') {
                at = SkipBreak(at, line);
                continue;
            }
            bool recordDone = false;
            while (!recordDone) {
                value.clear();
                if (at < text_.size() && text_[at] == '"') {
                    ++at;
                    for (;;) {
                        size_t q = text_.find('"', at);
                        if (q == std::string_view::npos || q - start > kMaxRosterRecordBytes) {
                            if (q == std::string_view::npos &&
                                text_.size() - start <= kMaxRosterRecordBytes)
                                return "Line " + std::to_string(startLine) +
                                       " opens a quoted field that is never closed.";
                            return TooLong(startLine);
                        }
                        CountBreaks(at, q, line);
                        value.append(text_.substr(at, q - at));
                        at = q + 1;
                        if (at < text_.size() && text_[at] == '"') {
                            value += '"';
                            ++at;
                            continue;
                        }
                        break;
                    }
                }
                // Unquoted text, or what follows a closing quote, up to the delimiter or the
                // line's end.
                size_t stop = at;
                while (stop < text_.size() && text_[stop] != delim_ && text_[stop] != '\r' &&
                       text_[stop] != '\n')
                    ++stop;
                if (stop - start > kMaxRosterRecordBytes) return TooLong(startLine);
                value.append(text_.substr(at, stop - at));
                field(value);
                at = stop;
                if (at < text_.size() && text_[at] == delim_) {
                    ++at;
                    continue;
                }
                recordDone = true;
            }
            if (at - start > kMaxRosterRecordBytes) return TooLong(startLine);
            if (++records > kMaxRosterRecords)
                return "The file has more than " + Thousands(kMaxRosterRecords) +
                       " lines; a class list is far shorter.";
            end(startLine);
            if (at < text_.size()) at = SkipBreak(at, line);
        }
        return {};
    }

private:
    static std::string TooLong(int line) {
        return "Line " + std::to_string(line) +
               " is longer than 1 MB, so this is not a class list (or a quote in it is never "
               "closed).";
    }
    size_t SkipBreak(size_t at, int& line) const {
        if (text_[at] == '\r' && at + 1 < text_.size() && text_[at + 1] == '\n') ++at;
        ++line;
        return at + 1;
    }
    void CountBreaks(size_t from, size_t to, int& line) const {
        for (size_t i = from; i < to; ++i)
            if (text_[i] == '\n' || (text_[i] == '\r' && (i + 1 >= to || text_[i + 1] != '\n')))
                ++line;
    }

    std::string_view text_;
    char delim_;
};

// The delimiter that splits the first records into the same number of fields, more than one.
// Ties go to the tab, then the semicolon: names hold commas ("Lee, Ann;4471"), rarely those.
char DetectDelimiter(std::string_view text) {
    constexpr std::array<char, 3> candidates{'\t', ';', ','};
    char best = ',';
    size_t bestAlike = 0, bestFields = 0;
    for (char d : candidates) {
        std::vector<size_t> counts;
        size_t fields = 0;
        TCsvSplitter splitter(text, d);
        splitter.Run([&](const std::string&) { ++fields; },
                     [&](int) {
                         counts.push_back(fields);
                         fields = 0;
                     },
                     50);
        if (counts.empty() || counts[0] < 2) continue;
        const size_t alike =
            static_cast<size_t>(std::count(counts.begin(), counts.end(), counts[0]));
        if (alike > bestAlike || (alike == bestAlike && counts[0] > bestFields)) {
            best = d;
            bestAlike = alike;
            bestFields = counts[0];
        }
    }
    return best;
}

} // namespace

std::string_view TRosterTable::Field(size_t row, size_t col) const {
    const size_t first = rowStarts_[row];
    if (col >= rowStarts_[row + 1] - first) return {};
    const size_t i = first + col;
    const size_t from = i == 0 ? 0 : fieldEnds_[i - 1];
    return std::string_view(text_).substr(from, fieldEnds_[i] - from);
}

namespace {

// UTF-16 without a byte order mark (some exports and "Unicode text" from older programs): most
// of the first code units are ASCII characters, a NUL byte beside each. Returns whether it is,
// with *bigEndian telling which byte comes first.
bool LooksLikeUtf16(std::string_view bytes, bool* bigEndian) {
    // A class list is more than a few characters; two bytes such as "N\0" are no text.
    const size_t units = std::min<size_t>(bytes.size() / 2, 4096);
    if (units < 4) return false;
    size_t little = 0, big = 0;
    auto ascii = [](char c) { return c != '\0' && static_cast<unsigned char>(c) < 0x80; };
    for (size_t i = 0; i < units; ++i) {
        const char a = bytes[2 * i], b = bytes[2 * i + 1];
        if (ascii(a) && b == '\0') ++little;
        if (a == '\0' && ascii(b)) ++big;
    }
    if (little * 10 >= units * 6 && big == 0) {
        *bigEndian = false;
        return true;
    }
    if (big * 10 >= units * 6 && little == 0) {
        *bigEndian = true;
        return true;
    }
    return false;
}

} // namespace

TRosterTable ReadRosterCsv(std::string_view bytes) {
    TRosterTable table;
    if (bytes.size() > kMaxRosterBytes) {
        table.Error = "The file is larger than 128 MB, so it is not a class list.";
        return table;
    }
    std::string decoded;
    std::string_view text = bytes;
    auto starts = [&](std::string_view prefix) { return bytes.substr(0, prefix.size()) == prefix; };
    if (starts("\xEF\xBB\xBF")) {
        table.Encoding = TRosterEncoding::Utf8Bom;
        text.remove_prefix(3);
    } else if (starts("\xFF\xFE") || starts("\xFE\xFF")) {
        const bool big = bytes[0] == '\xFE';
        table.Encoding = big ? TRosterEncoding::Utf16Be : TRosterEncoding::Utf16Le;
        decoded = Utf16ToUtf8(bytes.substr(2), big);
        text = decoded;
    } else if (bool big = false;
               text.find('\0') != std::string_view::npos && LooksLikeUtf16(bytes, &big)) {
        table.Encoding = big ? TRosterEncoding::Utf16Be : TRosterEncoding::Utf16Le;
        decoded = Utf16ToUtf8(bytes, big);
        text = decoded;
    }
    if (text.find('\0') != std::string_view::npos) {
        table.Error = "The file holds NUL bytes, so it is not a text file. Save the class list "
                      "as CSV (comma-separated values) and import that.";
        return table;
    }
    // A byte order mark before bytes that are not UTF-8 (a list edited in an older program
    // after the export) is not believed either.
    if ((table.Encoding == TRosterEncoding::Utf8 || table.Encoding == TRosterEncoding::Utf8Bom) &&
        !IsUtf8(text)) {
        table.Encoding = TRosterEncoding::Windows1252;
        decoded = Cp1252ToUtf8(text);
        text = decoded;
    }
    // Excel writes "sep=;" as a first line to name the delimiter.
    if (text.size() >= 5 && text.substr(0, 4) == "sep=" &&
        (text.size() == 5 || text[5] == '\r' || text[5] == '\n')) {
        table.Delimiter = text[4];
        text.remove_prefix(5);
    } else {
        table.Delimiter = DetectDelimiter(text);
    }

    table.rowStarts_.push_back(0);
    size_t fields = 0;
    TCsvSplitter splitter(text, table.Delimiter);
    std::string error = splitter.Run(
        [&](const std::string& value) {
            table.text_ += value;
            table.fieldEnds_.push_back(static_cast<uint32_t>(table.text_.size()));
            ++fields;
        },
        [&](int line) {
            table.rowStarts_.push_back(static_cast<uint32_t>(table.fieldEnds_.size()));
            table.lines_.push_back(line);
            table.columns_ = std::max(table.columns_, fields);
            fields = 0;
        });
    if (error.empty() && table.lines_.empty()) error = "The file is empty: it holds no class list.";
    if (!error.empty()) {
        TRosterTable failed;
        failed.Error = std::move(error);
        return failed;
    }
    return table;
}

std::string RosterEncodingName(TRosterEncoding encoding) {
    switch (encoding) {
    case TRosterEncoding::Utf8:
        return "UTF-8";
    case TRosterEncoding::Utf8Bom:
        return "UTF-8 with byte order mark";
    case TRosterEncoding::Utf16Le:
    case TRosterEncoding::Utf16Be:
        return "UTF-16";
    case TRosterEncoding::Windows1252:
        return "Windows-1252";
    }
    return {};
}

std::string RosterDelimiterName(char delimiter) {
    switch (delimiter) {
    case ',':
        return "comma";
    case ';':
        return "semicolon";
    case '\t':
        return "tab";
    default:
        return std::string("\"") + delimiter + "\"";
    }
}

std::string RosterFormatName(TRosterFormat format) {
    switch (format) {
    case TRosterFormat::Canvas:
        return "Canvas gradebook export";
    case TRosterFormat::Moodle:
        return "Moodle export";
    case TRosterFormat::Blackboard:
        return "Blackboard download";
    case TRosterFormat::GoogleClassroom:
        return "Google Classroom export";
    case TRosterFormat::Generic:
        return "Class list";
    case TRosterFormat::Unrecognised:
        return "Columns not recognised";
    }
    return {};
}

namespace {

// A header name as compared: lower-case letters and digits only ("E-mail address" gives
// "emailaddress"), accented Latin letters as their plain ones ("Prénom" gives "prenom",
// "Schüler" "schuler"), so headers in German, Spanish and French compare as English do.
std::string HeaderKey(std::string_view name) {
    // The plain letters of U+00C0..U+00FF, lower case; '.' where there is none.
    static constexpr std::string_view kLatin1 = "aaaaaaaceeeeiiiidnooooo.ouuuuyts"
                                                "aaaaaaaceeeeiiiidnooooo.ouuuuyty";
    std::string key;
    for (size_t i = 0; i < name.size(); ++i) {
        const auto b = static_cast<unsigned char>(name[i]);
        if (b >= 'A' && b <= 'Z') {
            key += static_cast<char>(b - 'A' + 'a');
        } else if ((b >= 'a' && b <= 'z') || (b >= '0' && b <= '9')) {
            key += static_cast<char>(b);
        } else if (b == 0xC3 && i + 1 < name.size()) {
            const auto next = static_cast<unsigned char>(name[i + 1]);
            if (next >= 0x80 && next <= 0xBF) {
                ++i;
                const char plain = kLatin1[next - 0x80];
                if (next == 0x9F) // sharp s
                    key += "ss";
                else if (next == 0x86 || next == 0xA6) // ae
                    key += "ae";
                else if (plain != '.')
                    key += plain;
            }
        } else if (b == 0xC5 && i + 1 < name.size() &&
                   (static_cast<unsigned char>(name[i + 1]) == 0x92 ||
                    static_cast<unsigned char>(name[i + 1]) == 0x93)) {
            ++i; // oe
            key += "oe";
        }
    }
    return key;
}

// The headers each column is known by, in order of preference: English, then what German,
// Spanish and French exports of Moodle, Canvas and Blackboard and the schools' own lists
// write, as HeaderKey gives them.
constexpr std::string_view kFirstHeaders[] = {"firstname", "givenname", "forename", "first",
                                              "vorname",   "rufname",   "nombre",   "nombres",
                                              "prenom",    "prenoms"};
constexpr std::string_view kLastHeaders[] = {
    "lastname",  "surname",  "familyname",     "last", "nachname",     "familienname",
    "apellidos", "apellido", "primerapellido", "nom",  "nomdefamille", "nomfamille"};
constexpr std::string_view kNameHeaders[] = {"student",
                                             "name",
                                             "studentname",
                                             "fullname",
                                             "sortablename",
                                             "displayname",
                                             "pupil",
                                             "learner",
                                             "schuler",
                                             "schueler",
                                             "schulerin",
                                             "schuelerin",
                                             "teilnehmer",
                                             "teilnehmerin",
                                             "vollstandigername",
                                             "vollername",
                                             "anzeigename",
                                             "estudiante",
                                             "alumno",
                                             "alumna",
                                             "nombrecompleto",
                                             "nombreyapellidos",
                                             "apellidosynombre",
                                             "apellidosnombre",
                                             "nombre",
                                             "etudiant",
                                             "etudiante",
                                             "eleve",
                                             "nomcomplet",
                                             "nometprenom",
                                             "prenometnom",
                                             "nom"};
// The SIS columns that tell a Canvas export from a plain list.
constexpr std::string_view kSisUserHeaders[] = {"sisuserid",        "sisbenutzerid",
                                                "idusuariosis",     "iddeusuariosis",
                                                "idutilisateursis", "iddutilisateursis"};
constexpr std::string_view kSisLoginHeaders[] = {
    "sisloginid",        "sisanmeldeid",     "sisanmeldekennung", "iddeiniciodesesionsis",
    "idiniciosesionsis", "iddeconnexionsis", "idconnexionsis"};
// Blackboard's student ID and user name, Moodle's ID number and e-mail address.
constexpr std::string_view kStudentIdHeaders[] = {"studentid",       "studentenid",    "schulerid",
                                                  "teilnehmerid",    "iddeestudiante", "iddealumno",
                                                  "idestudiante",    "iddeletudiant",  "idetudiant",
                                                  "numerodetudiant", "numeroetudiant"};
constexpr std::string_view kUserNameHeaders[] = {"username",        "benutzername",
                                                 "anmeldename",     "nombredeusuario",
                                                 "nomdutilisateur", "nomutilisateur"};
constexpr std::string_view kIdNumberHeaders[] = {"idnumber", "idnummer", "numerodeid", "numeroid",
                                                 "numerodidentification"};
constexpr std::string_view kEmailHeaders[] = {"email",
                                              "emailaddress",
                                              "emailadresse",
                                              "direcciondecorreo",
                                              "direccionemail",
                                              "correoelectronico",
                                              "direcciondecorreoelectronico",
                                              "adressedecourriel",
                                              "adresseemail",
                                              "adressecourriel",
                                              "courriel"};

// The first of the names, in this order of preference, that a column has.
int Pick(const std::vector<std::string>& keys, std::span<const std::string_view> names) {
    for (std::string_view name : names)
        for (size_t c = 0; c < keys.size(); ++c)
            if (keys[c] == name) return static_cast<int>(c);
    return -1;
}

bool HasAny(const std::vector<std::string>& keys, std::span<const std::string_view> names) {
    return Pick(keys, names) >= 0;
}

// The lists one after the other, in order of preference.
int PickFirst(const std::vector<std::string>& keys,
              std::initializer_list<std::span<const std::string_view>> lists) {
    for (const auto& names : lists)
        if (int c = Pick(keys, names); c >= 0) return c;
    return -1;
}

constexpr std::string_view kSchoolIdHeaders[] = {"studentid", "idnumber", "studentnumber",
                                                 "studentno", "sisid",    "schoolid"};
constexpr std::string_view kOtherNumberHeaders[] = {
    "matrikelnummer",     "schulernummer",      "schuelernummer",
    "numerodeestudiante", "numerodealumno",     "numerodematricula",
    "matricula",          "numerodidentifiant", "identifiant"};
constexpr std::string_view kUserIdHeaders[] = {"id",         "userid",    "kennung",
                                               "benutzerid", "idusuario", "idutilisateur"};
constexpr std::string_view kMailHeaders[] = {"mail"};
constexpr std::string_view kLoginHeaders[] = {"loginid", "login"};
constexpr std::string_view kGermanName[] = {"name"};

constexpr std::string_view kCanvasIdHeaders[] = {"id"};
constexpr std::string_view kSectionHeaders[] = {"section", "abschnitt", "seccion"};

// Without its SIS columns a Canvas export is told by its "Points Possible" row, which a
// school's own list with an ID and a section column does not have.
bool HasCanvasPointsRow(const TRosterTable& table) {
    for (size_t r = 1; r < std::min<size_t>(table.RowCount(), 4); ++r)
        if (IsCanvasExtraLabel(table.Field(r, 0))) return true;
    return false;
}

// Google Classroom writes a "Points" row and a "Class average" row under its header, their
// label in a name column.
bool HasClassroomRows(const TRosterTable& table, const TRosterColumns& cols) {
    for (size_t r = 1; r < std::min<size_t>(table.RowCount(), 4); ++r)
        for (int c : {cols.First, cols.Last, 0})
            if (c >= 0 && IsClassroomExtraLabel(table.Field(r, static_cast<size_t>(c))))
                return true;
    return false;
}

} // namespace

TRosterLayout RecogniseRoster(const TRosterTable& table) {
    TRosterLayout layout;
    if (table.RowCount() == 0) return layout;
    std::vector<std::string> keys;
    for (size_t c = 0; c < table.FieldCount(0); ++c)
        keys.push_back(HeaderKey(table.Field(0, c)));

    TRosterColumns& cols = layout.Columns;
    cols.First = Pick(keys, kFirstHeaders);
    cols.Last = Pick(keys, kLastHeaders);
    // German lists write "Name, Vorname": beside a first name, Name is the family name.
    if (cols.First >= 0 && cols.Last < 0 && keys[static_cast<size_t>(cols.First)] == "vorname")
        cols.Last = Pick(keys, kGermanName);
    if (cols.First < 0 || cols.Last < 0 || cols.First == cols.Last) {
        // One name column serves better than half a name.
        int name = Pick(keys, kNameHeaders);
        if (name >= 0) {
            cols.Name = name;
            cols.First = cols.Last = -1;
        } else {
            cols.First = cols.Last = -1;
        }
    }
    // Canvas writes its own user number as "ID" beside the school's "SIS User ID", and the
    // login as "SIS Login ID"; with "first and last name" on, the name comes in two columns.
    const bool canvas = cols.HasNames() &&
                        (HasAny(keys, kSisUserHeaders) || HasAny(keys, kSisLoginHeaders) ||
                         (HasAny(keys, kCanvasIdHeaders) && HasAny(keys, kSectionHeaders) &&
                          HasCanvasPointsRow(table)));
    if (canvas) {
        cols.Id = Pick(keys, kSisUserHeaders);
        cols.LmsId = Pick(keys, kCanvasIdHeaders);
        cols.Login = PickFirst(keys, {kSisLoginHeaders, kLoginHeaders, kEmailHeaders});
        layout.Format = TRosterFormat::Canvas;
        return layout;
    }
    // The school's own number first; Canvas's and the LMS's user numbers last.
    cols.Id = PickFirst(keys, {kSisUserHeaders, kSchoolIdHeaders, kIdNumberHeaders,
                               kStudentIdHeaders, kOtherNumberHeaders, kUserIdHeaders});
    cols.Login = PickFirst(
        keys, {kEmailHeaders, kMailHeaders, kSisLoginHeaders, kLoginHeaders, kUserNameHeaders});
    if (!cols.HasNames() && cols.Id < 0 && cols.Login < 0) {
        layout.Columns = TRosterColumns{};
        layout.Columns.Header = false;
        return layout;
    }
    const bool twoNames = cols.First >= 0 && cols.Last >= 0;
    if (twoNames && HasAny(keys, kStudentIdHeaders) && HasAny(keys, kUserNameHeaders))
        layout.Format = TRosterFormat::Blackboard;
    else if (twoNames && cols.Id < 0 && HasAny(keys, kEmailHeaders) &&
             HasClassroomRows(table, cols))
        layout.Format = TRosterFormat::GoogleClassroom;
    else if (twoNames && (HasAny(keys, kIdNumberHeaders) || HasAny(keys, kEmailHeaders)))
        layout.Format = TRosterFormat::Moodle;
    else
        layout.Format = TRosterFormat::Generic;
    return layout;
}

int FindRosterColumn(const TRosterTable& table, std::string_view nameOrNumber) {
    int number = 0;
    auto [end, ec] =
        std::from_chars(nameOrNumber.data(), nameOrNumber.data() + nameOrNumber.size(), number);
    if (ec == std::errc() && end == nameOrNumber.data() + nameOrNumber.size())
        return number >= 1 && static_cast<size_t>(number) <= table.ColumnCount() ? number - 1 : -1;
    if (table.RowCount() == 0) return -1;
    const std::string key = HeaderKey(nameOrNumber);
    if (key.empty()) return -1;
    for (size_t c = 0; c < table.FieldCount(0); ++c)
        if (HeaderKey(table.Field(0, c)) == key) return static_cast<int>(c);
    return -1;
}

} // namespace marklow

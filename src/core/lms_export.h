#pragma once
// The grades as a learning-management system imports them: numbers only, one row per
// student, in the columns Canvas or Moodle expect, or a plain table of points for any other
// system. What File > Export for LMS and `marklow-cli export-lms` write, byte for byte.
//
// A score is the entry in points with the curve added as the averages add it (a letter is its
// percentage of the grade's points); a comment after it is dropped. Entries the averages do
// not count are left blank and listed among the warnings, so no text ever reaches a column an
// importer reads as numbers. Names, titles and letters that a spreadsheet would take for a
// formula get a leading apostrophe (CsvTextField); the fields an importer matches students on
// (IDs, e-mail addresses) are never changed, and a warning says which look like formulas.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace marklow {

class TGradebook;
struct TStudent;

enum class TLmsFormat { Canvas, Moodle, Scores };

// What Moodle's import is told identifies a student ("Identify user by").
enum class TMoodleIdentifier { IdNumber, Email, Username };
const char* MoodleIdentifierName(TMoodleIdentifier id); // "idnumber", "email", "username"
std::optional<TMoodleIdentifier> MoodleIdentifierNamed(std::string_view name);

struct TLmsOptions {
    bool Bom = false;
    // Moodle refuses a whole import for one score above the grade's maximum: write such a
    // score as the grade's points instead of as it is.
    bool CapAtPoints = false;
    TMoodleIdentifier Identifier = TMoodleIdentifier::IdNumber;
};

// "canvas", "moodle", "scores".
const char* LmsFormatName(TLmsFormat format);
std::optional<TLmsFormat> LmsFormatNamed(std::string_view name);

struct TLmsWarning {
    enum class TKind : uint8_t {
        NoId,        // Row has no ID (Canvas, Moodle): the system cannot match it by ID
        NoIdLeftOut, // Row lacks the identifier Moodle is told to match on: left out
        AboveMaximum,     // (Column, Row) is above the grade's points (Moodle): capped or not
        RenamedForCanvas, // grade Column's name would be dropped or misfiled by Canvas
        SameId,      // Row has the ID of OtherRow, above it
        Unreadable,  // the entry of (Column, Row) is not counted: left blank
        NoPoints,    // grade Column is out of no points: its entries are left blank
        Renamed,     // grade Column's name is blank or taken: written as its title
        // Row's ID (or, for Moodle, e-mail address) starts like a spreadsheet formula. The
        // importer matches it character for character, so it is written as it is, where
        // names and titles get an apostrophe before them.
        FormulaId,
        FormulaEmail,
    };
    TKind Kind;
    int Column = 0;
    int Row = 0;
    int OtherRow = 0;
};

struct TLmsExport {
    std::string Csv;
    // Grade warnings first, in column order, then the students' in row order.
    std::vector<TLmsWarning> Warnings;
    // The title each grade's column is written under, one per grade column from column 2.
    std::vector<std::string> Titles;
    int Students = 0; // rows of students written
    TLmsOptions Options;
};

// The whole file: RFC 4180, UTF-8, rows ending in CR LF. bom starts it with a UTF-8 byte
// order mark, for Excel; Canvas and Moodle read UTF-8 without one. The spare row and column
// of edit mode are left out. The scores table's averages are read as the last RecomputeAll
// left them, so the gradebook is not changed.
TLmsExport ExportForLms(const TGradebook& gb, TLmsFormat format, const TLmsOptions& options);
inline TLmsExport ExportForLms(const TGradebook& gb, TLmsFormat format, bool bom = false) {
    TLmsOptions options;
    options.Bom = bom;
    return ExportForLms(gb, format, options);
}

// A grade title as Canvas's import takes it: Canvas drops a column whose name holds "Final
// Score", "Current Score", "Final Grade", "Current Grade", "Final Points", "Current Points"
// or "Unposted" (in any case), and reads "(digits)" at its end as its own assignment number.
// Such words are joined by a hyphen ("Final-Grade") and the number put in brackets.
std::string CanvasSafeTitle(std::string_view title);

// The warning in plain English, naming the student, the grade and the entry as typed.
std::string LmsWarningText(const TGradebook& gb, const TLmsExport& exported,
                           const TLmsWarning& warning);

// How a student is named in Canvas: "Lee, Ann" for "Ann Lee" (the last word first, with a
// suffix or number after it: "King Jr., Martin"), a name with a comma or of one word as typed.
std::string CanvasStudentName(std::string_view name);

// The first e-mail address in a student's notes, or empty text.
std::string EmailInNotes(std::string_view notes);
// The student's e-mail address: the login kept from a roster when it is one, else the first
// address in the notes.
std::string StudentEmail(const TStudent& s);
// The student's login name for Moodle: the login kept from a roster unless it is an address.
std::string StudentUsername(const TStudent& s);

// A number as every importer reads it: decimal with a dot, at most 15 significant digits, so
// an entry typed with up to 15 digits comes out as typed and a sum such as 0.1 + 0.2 as 0.3.
// Never an exponent: 12345678901234567890 is written 12345678901234600000, not with digits no
// double holds.
std::string LmsNumber(double value);

} // namespace marklow

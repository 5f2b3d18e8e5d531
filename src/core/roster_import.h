#pragma once
// Class lists from a school's learning-management system (Canvas, Moodle, Blackboard) or any
// CSV with a name column: reading the file whatever its delimiter and encoding, recognising
// its columns, and planning what an import adds to the gradebook and fills in. The plan is
// made reading only the gradebook; ApplyRosterImport and RevertRosterImport carry it out and
// back, so an import is one reversible step that stores only what it adds.

#include "clipboard_data.h"
#include "gradebook.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace marklow {

// --- reading ---

// A class list is a few hundred kilobytes; far larger files are something else.
inline constexpr size_t kMaxRosterBytes = size_t{128} << 20;
// One record, quoted line breaks included: a 500-column gradebook export stays far below it.
inline constexpr size_t kMaxRosterRecordBytes = size_t{1} << 20;
inline constexpr size_t kMaxRosterRecords = 1000000;

enum class TRosterEncoding { Utf8, Utf8Bom, Utf16Le, Utf16Be, Windows1252 };

// The records of a CSV file, every field as UTF-8 without its quotes. Completely empty lines
// are left out.
class TRosterTable {
public:
    // Why the file cannot be read as a class list; there are no records then.
    std::string Error;
    TRosterEncoding Encoding = TRosterEncoding::Utf8;
    char Delimiter = ',';

    size_t RowCount() const { return rowStarts_.empty() ? 0 : rowStarts_.size() - 1; }
    size_t FieldCount(size_t row) const { return rowStarts_[row + 1] - rowStarts_[row]; }
    // Empty beyond the end of the row.
    std::string_view Field(size_t row, size_t col) const;
    // The line of the file where the record starts, counted from 1.
    int LineOf(size_t row) const { return lines_[row]; }
    // The fields of the widest record.
    size_t ColumnCount() const { return columns_; }

private:
    friend TRosterTable ReadRosterCsv(std::string_view bytes);
    std::string text_;                // every field, end to end
    std::vector<uint32_t> fieldEnds_; // the end of each field in text_
    std::vector<uint32_t> rowStarts_; // each record's first field in fieldEnds_, then the end
    std::vector<int> lines_;
    size_t columns_ = 0;
};

// Reads CSV bytes: UTF-8 with or without its byte order mark, UTF-16 with one, otherwise
// Windows-1252; comma, semicolon or tab as the delimiter, whichever splits the first records
// alike (an Excel "sep=" first line decides); quoted fields may hold delimiters, line breaks
// and doubled quotes. NUL bytes, an empty file, a record beyond kMaxRosterRecordBytes or a
// quote that never closes give Error.
TRosterTable ReadRosterCsv(std::string_view bytes);

std::string RosterEncodingName(TRosterEncoding encoding);
std::string RosterDelimiterName(char delimiter);

// --- columns ---

enum class TRosterFormat { Canvas, Moodle, Blackboard, GoogleClassroom, Generic, Unrecognised };
std::string RosterFormatName(TRosterFormat format);

// Column indexes, -1 for none. Names come from Name, or from First and Last.
struct TRosterColumns {
    int Name = -1;
    int First = -1;
    int Last = -1;
    int Id = -1;
    int Login = -1; // an e-mail address or a login name
    // The first record holds the columns' names, not a student.
    bool Header = true;
    // The LMS's own number of the student (Canvas's "ID"), which is not the school's ID: kept
    // for writing back, never shown as the student's ID.
    int LmsId = -1;

    bool HasNames() const { return Name >= 0 || First >= 0 || Last >= 0; }
    bool operator==(const TRosterColumns&) const = default;
};

struct TRosterLayout {
    TRosterFormat Format = TRosterFormat::Unrecognised;
    TRosterColumns Columns;
};

// A window offers this many columns to choose from at most: a list whose first line has a
// million fields would otherwise cost a million items in each choice.
inline constexpr size_t kMaxRosterColumnsOffered = 200;

// The columns a teacher may choose from, in order: the first `cap` of the table, and any of
// `recognised` past them.
std::vector<int> OfferedRosterColumns(const TRosterTable& table, const TRosterColumns& recognised,
                                      size_t cap = kMaxRosterColumnsOffered);

// The format and columns that the first record's names give (compared without case, blanks
// or punctuation). Nothing recognised: Unrecognised, no columns, and no header.
TRosterLayout RecogniseRoster(const TRosterTable& table);

// Rows an LMS writes among its students: Canvas's "Points Possible" (with leading blanks),
// "Manual Posting" and its test student (no SIS User ID and a login that is a hash, or the
// name "Student, Test"); Google Classroom's "Points" and "Class average".
bool IsClassroomExtraLabel(std::string_view field);
bool IsCanvasExtraLabel(std::string_view field);
bool IsCanvasTestStudent(std::string_view name, std::string_view sisId, std::string_view login);

// The column a header name or a number counted from 1 stands for; -1 when none.
int FindRosterColumn(const TRosterTable& table, std::string_view nameOrNumber);

// --- names ---

enum class TNameOrder {
    AsInFile,  // "Lee, Ann" stays; separate columns give "Lee, Ann" too
    FirstLast, // "Lee, Ann" and separate columns give "Ann Lee"
};

// The order a class's own names follow: "Ann Lee" when more of its names are written so than
// "Lee, Ann"; otherwise, and for a class without names, the file's own form is kept.
TNameOrder ClassNameOrder(const TGradebook& gb);

// The name a student gets from a name field, or from first and last name fields.
std::string RosterName(std::string_view name, std::string_view first, std::string_view last,
                       bool separate, TNameOrder order);

// --- the plan ---

struct TRosterChoices {
    TRosterColumns Columns;
    TNameOrder Order = TNameOrder::AsInFile;
    TRosterFormat Format = TRosterFormat::Unrecognised; // Canvas leaves out its own rows
};

enum class TRosterOutcome {
    Added,
    MatchedById,
    MatchedByName,
    Repeated,    // the same student as an earlier line
    NoName,      // a record without a name
    NotAStudent, // an LMS's "Points Possible" or "Class average" row, Canvas's test student
};

struct TRosterLine {
    int Line = 0;
    std::string Name, ID, Login, LmsId;
    TRosterOutcome Outcome = TRosterOutcome::NoName;
    int Row = 0;        // the student's row (for Added, where it will stand)
    int SameAsLine = 0; // Repeated: the earlier line
    bool Fills = false; // a matched student gets this line's ID or login
};

// An ID or login filled into a student already in the gradebook.
struct TRosterFill {
    int Row = 0;
    std::string OldID, NewID, OldLogin, NewLogin;
};

// The LMS's own number of a matched student, taken from a newer export; not shown.
struct TRosterLmsId {
    int Row = 0;
    std::string Old, New;
};

// What applying changes, and all an undo step keeps.
struct TRosterChange {
    TPastePlan Added;
    std::vector<TRosterFill> Fills;
    std::vector<TRosterLmsId> LmsIds;
    bool Changes() const { return Added.Changes() || !Fills.empty() || !LmsIds.empty(); }
};

struct TRosterPlan {
    // Why nothing can be imported (no name column); the rest is empty then.
    std::string Error;
    std::vector<TRosterLine> Lines;
    TRosterChange Change;
    // Rows of students in the gradebook that no line matched: they are kept.
    std::vector<int> NotOnRoster;
    int Added = 0, MatchedById = 0, MatchedByName = 0, Repeated = 0, Skipped = 0;
};

// Matches each line as Paste matches a record: a line with an ID finds the student with that
// ID, else a student without an ID of the same normalised name; a line without an ID the
// first student of that name. A name is looked for in both orders ("Lee, Ann" and "Ann Lee").
// Students not found are added at the bottom with the line's name, ID and login; a matched
// student without an ID gets the line's, and one without a login the line's login.
TRosterPlan PlanRosterImport(const TGradebook& gb, const TRosterTable& table,
                             const TRosterChoices& choices);

// Carries out a change planned on this gradebook as it is now, new students' averages
// included. Throws std::logic_error, changing nothing, when the table has another shape.
void ApplyRosterImport(TGradebook& gb, const TRosterChange& change);
// Takes an applied change back: the gradebook is again exactly as before.
void RevertRosterImport(TGradebook& gb, const TRosterChange& change);

// The plan as text: the counts, then the students added, the lines skipped and the students
// not on the roster, one a line after two blanks.
std::string RosterSummaryText(const TGradebook& gb, const TRosterPlan& plan);

} // namespace marklow

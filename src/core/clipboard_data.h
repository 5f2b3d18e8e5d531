#pragma once
// What the clipboard carries between gradebooks, and how a paste changes one.
//
// Copy builds the student block (the "Marklow Student" and "Marklow Average" formats) and a
// tab-separated text for spreadsheets. Paste is planned first, reading only the gradebook:
// which record matches which row, which students are appended, whether an "Averages" grade
// is appended and which cells it gets. ApplyPaste and RevertPaste then carry the plan out and
// back, so a paste is one reversible step that stores only what it adds.

#include "gradebook.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace marklow {

enum class TClipboardFormat { Students, Averages };

// The block holds its count in 16 bits: LastStudentRow, so at most 65534 students.
inline constexpr int kMaxClipboardStudents = 65534;
// A name in a file is a short text: 255 bytes of Windows-1252, one byte a character.
inline constexpr size_t kMaxNameBytes = 255;

struct TClipboardCopy {
    // Why nothing can be copied (a class larger than the block can count); the rest is
    // empty then.
    std::string Error;
    std::string Block; // the student block, byte for byte
    std::string Text;  // tab-separated, a header line first, lines ended by "\n"
    // Texts the block could not hold whole (no Windows-1252 form, or cut at 255 bytes).
    std::vector<std::string> LostTexts;
};

// The block and the text of a copy command, from the gradebook as it stands. For Averages
// every student's average is computed afresh (the stored ones are not trusted); for Students
// each record carries HasAverage and Average as they stand. Nothing when there is no student
// (the clipboard stays as it is).
std::optional<TClipboardCopy> BuildClipboardCopy(const TGradebook& gb, TClipboardFormat format);

// The warning for texts that went onto the clipboard with "?" in place of what the block
// cannot hold, one text per line after the first.
std::string LostTextsMessage(const std::vector<std::string>& texts);

// A student's weighted average, computed without touching the gradebook's work fields; the
// same numbers StudentAverage stores in Average and HasAverage.
struct TFreshAverage {
    bool HasAverage = false;
    double Average = 0;
};
// One per student row, top row first.
std::vector<TFreshAverage> FreshStudentAverages(const TGradebook& gb);

// --- paste ---

// Plain text from another program: one name per line. A line ends at CR, LF or CRLF; the
// name is the text before the line's first tab (a spreadsheet row's first column), without
// blanks around it, with other control characters as blanks and cut to the 255 characters a
// file keeps of a name; lines whose name is blank are skipped. Text without any line break
// is not a list: the cell editor takes it.
struct TPlainTextNames {
    bool HasLineBreak = false;
    std::vector<std::string> Names;
};
TPlainTextNames ReadPlainTextNames(std::string_view text);

// The normalised name that records and rows are matched by: NameMatchKey (case folded, NFC,
// without surrounding blanks).
std::string NormalizedName(std::string_view name);

struct TPastePlan {
    // The row of the first appended student (LastStudentRow + 1 when planned); appended
    // students stand in order from there, before the spare row of edit mode.
    int FirstNewRow = 0;
    // The appended students with their name, ID, notes and user order.
    std::vector<TStudent> NewStudents;
    // The "Averages" grade, when the averages format was pasted; it is inserted at
    // AveragesColumn (LastGradeColumn + 1 when planned), before the spare column.
    std::optional<TGrade> AveragesGrade;
    int AveragesColumn = 0;
    // Cells of the "Averages" column: (row, text), each row at most once.
    std::vector<std::pair<int, std::string>> AverageCells;
    // "File Read Error" when the block ended before its count; the students read before
    // that point are in the plan all the same. Reported after applying.
    std::string Error;

    // Whether applying changes the gradebook.
    bool Changes() const { return !NewStudents.empty() || AveragesGrade.has_value(); }
};

// Plans the paste of a student block's records (the format says whether averages come too).
// A record with an ID finds the row whose student has that ID (both without surrounding
// blanks); failing that, or without an ID, the first row with the same normalised name (for a
// record with an ID only a row whose student has no ID); failing that, the record is
// appended. Rows appended by the same paste are found like the others.
TPastePlan PlanPaste(const TGradebook& gb, TClipboardFormat format,
                     const std::vector<TStudent>& records, bool complete = true);
// Plans the paste of names from plain text (records without an ID).
TPastePlan PlanNamesPaste(const TGradebook& gb, const std::vector<std::string>& names);

// Carries out a plan made on this gradebook as it is now. Throws std::logic_error, changing
// nothing, when the table no longer has the shape the plan was made for.
void ApplyPaste(TGradebook& gb, const TPastePlan& plan);
// Takes an applied plan back out: the gradebook is again exactly as before ApplyPaste.
void RevertPaste(TGradebook& gb, const TPastePlan& plan);

// The caption of the pasted averages grade and its notes.
inline constexpr const char* kAveragesGradeName = "Averages";
inline constexpr const char* kAveragesGradeNotes = "Pasted Averages";

} // namespace marklow

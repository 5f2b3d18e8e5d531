#pragma once
// The gradebook as CSV (RFC 4180, UTF-8) for a spreadsheet or a learning management system:
// what File > Export CSV... and `marklow-cli export-csv` write, byte for byte.

#include <string>
#include <string_view>

namespace marklow {

class TGradebook;

// One header row "Name,ID,Average,Letter" and the grades' names; one row per student with
// the average, its letter and every entry as typed; a last row "Class Average" with the
// class's mean and each grade's class average. Rows end in CR LF. The spare row and column
// of edit mode are left out. Averages are read as the last RecomputeAll left them (the
// window keeps them current), so the gradebook is not changed. bom starts the text with a
// UTF-8 byte order mark, which Excel needs to read UTF-8.
std::string GradebookCsv(const TGradebook& gb, bool bom);

// One field: quoted when it holds a comma, a quote, CR or LF; quotes doubled.
std::string CsvField(std::string_view text);

// Whether a spreadsheet opening the file would take the text for a formula: it starts with
// = + - @ | % a tab or CR and is not a plain number ("-2" and "+1.5e3" stay numbers).
bool LooksLikeFormula(std::string_view text);

// A text field a spreadsheet shows as text: a leading apostrophe before anything that looks
// like a formula (the apostrophe is how spreadsheets mark typed text), then CsvField.
std::string CsvTextField(std::string_view text);

} // namespace marklow

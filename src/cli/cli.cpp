#include "cli.h"
#include "cli_common.h"

#include "averages.h"
#include "csv_export.h"
#include "entry.h"
#include "gradebook.h"
#include "gradebook_file.h"
#include "output_file.h"
#include "safe_save.h"
#include "text.h"

#include <memory>
#include <optional>
#include <ostream>
#include <sstream>

namespace marklow::cli {

namespace {

constexpr const char* kHelp = R"(Usage:
  marklow-cli show FILE [--letters | --no-letters] [--no-omit-zeros] [--password TEXT]
  marklow-cli export-csv FILE [-o OUT] [--bom] [--no-omit-zeros] [--password TEXT]
  marklow-cli export-lms FILE --format canvas|moodle|scores [-o OUT] [--bom]
              [--identify idnumber|email|username] [--cap-at-points]
              [--no-omit-zeros] [--password TEXT]
  marklow-cli convert IN OUT [--password TEXT]
  marklow-cli print gradebook FILE -o OUT.pdf [--portrait | --landscape]
              [--grade exact|numbers|letters|both] [--shade-curved]
              [--omit-after-last-entry] [--ids] [--paper letter|a4] [--password TEXT]
  marklow-cli print progress FILE -o OUT.pdf [--student NAME] [--portrait | --landscape]
              [--grade MODE] [--shade-curved] [--omit-after-last-entry] [--paper P]
  marklow-cli print progress FILE --detailed (-o OUT.pdf | --split DIR [--force])
              [--student NAME] [--portrait | --landscape] [--omit-after-last-entry]
              [--paper P]
  marklow-cli print criteria FILE -o OUT.pdf [--portrait | --landscape] [--paper P]
  marklow-cli print chart FILE -o OUT.pdf [--grade K | --student K] [--detail]
              [--histogram [--single-letter] [--letter-stats]] [--portrait | --landscape]
  marklow-cli check FILE [--password TEXT]
  marklow-cli stats FILE [--grade K | --student K]
              [--histogram [--single-letter] [--letter-stats]] [--password TEXT]
  marklow-cli recovery [list] [--folder DIR]
  marklow-cli import-roster CLASS.gbd ROSTER.csv [--dry-run] [--name-order first-last|as-is]
              [--name-column COL | --first-column COL --last-column COL] [--id-column COL]
              [--login-column COL] [--no-header] [--password TEXT]
  marklow-cli --help

Reads Marklow gradebooks (.gbd, versions 2.0 and 1.0).

  show        Prints the gradebook's table with every average recomputed: one line per
              row (the class averages, the names of the grades, then one per student), cells
              separated by a tab. Inside a cell \\ \t \r \n stand for a backslash, a tab, a
              carriage return and a line feed.
                --letters, --no-letters  show the letter beside each average, or not
                                         (default: as saved in the file)
                --no-omit-zeros          count zero entries in class averages
  export-csv  Writes CSV (RFC 4180, UTF-8) for a spreadsheet or a learning-management
              system: Name, ID, Average, Letter, then each grade's entries as typed, and a
              last row with the class averages.
                -o OUT                   write to OUT instead of standard output: a file
                                         is replaced whole (never through a symbolic
                                         link, never a read-only one); a device or a
                                         pipe (/dev/stdout, /dev/null) is written into
                --bom                    start with a UTF-8 byte order mark (for Excel)
  export-lms  Writes the grades as a learning-management system imports them (CSV, UTF-8):
              numbers only, each score in points with the curve added, a letter as its
              percentage of the grade's points; comments are dropped. An entry that
              cannot be read is left blank, and each one is told on standard error (a
              line each, \\ \t \r \n as for show), as are students without an ID, IDs
              held twice, renamed grades and grades out of no points.
                --format canvas          Student, ID, SIS User ID, SIS Login ID, Section,
                                         a column per grade and a "Points Possible" row
                                         (extra credit out of 0; (read only) for a grade
                                         out of no points). Names as "Last, First"; ID is
                                         Canvas's own number from an imported roster.
                                         Titles Canvas would drop or misfile, such as
                                         Final Grade and Quiz (2), become Final-Grade
                                         and Quiz [2].
                --format moodle          ID number, Full name, Email address (the roster's
                                         or the first in the notes), a column per grade;
                                         a student without the identifier is left out
                --identify WHAT          moodle: what Moodle's import identifies students
                                         by: idnumber (default), email or username (adds
                                         a Username column)
                --cap-at-points          moodle: write a score above the grade's points
                                         (a curve, extra points) as the points; Moodle
                                         refuses the whole file for one such score
                --format scores          Name, ID, each grade's points, Average, Letter
                -o OUT, --bom, --no-omit-zeros  as for export-csv
  convert     Writes IN as a version 2.0 gradebook to OUT. An existing OUT is kept as
              its backup (period1.gbd becomes period1.Backup.gbd).
  print       Writes a printed report of FILE to OUT.pdf, as the program prints it; needs
              no display. An existing OUT is replaced only once the new PDF is complete.
              gradebook: the whole table, grade columns in groups of 8 (portrait, the
              default) or 12 (landscape).
                --grade MODE             exact: entries as typed (default); numbers: the
                                         points with the curve added; letters; both: 85=B
                                         (58= below every threshold; extra credit: points)
                --shade-curved           shade entries that received a curve
                --omit-after-last-entry  leave out trailing grades nobody has an entry in
                --ids                    print student IDs instead of names
                --paper letter|a4        default: Letter where the locale measures in US
                                         units, else A4
              progress: a page (or more) per student: the grades in three columns.
                --student NAME           only the first student of that name
                --detailed               the report to send home: title, class, date,
                                         name and ID; each category with its share and
                                         the student's and the class's average; each
                                         grade with date, points possible, score (curve
                                         as "+5 curve"), percentage, letter, class
                                         average and comment; the final average, the
                                         teacher's comment (the student's notes) and a
                                         signature line
                --split DIR              instead of -o: one PDF per student in DIR, named
                                         after the student (NAME.pdf; characters no file
                                         system takes become _, a second Ann gets
                                         "Ann (2).pdf"); nothing is written when a PDF
                                         of those names is there already, or a link
                --force                  with --split: overwrite the PDFs already there
              criteria: the categories and each grade's share of the final grade.
              chart: the chart of the series that stats prints (the same --grade K,
              --student K, --histogram, --single-letter, --letter-stats), drawn as the
              chart window draws it (a line graph, or bars for a histogram) on a
              landscape page.
                --detail                 instead, the chart's description, its ranges
                                         and every item with its value and name (portrait)
              An option a report does not take is wrong usage; with nothing to print
              (progress reports of a class without students) the exit status is 2.
  check       Checks the gradebook as Edit > Check Gradebook does: one line per finding,
              SEVERITY<tab>DESCRIPTION (Warning or Error; in names \\ \t \r \n as for
              show), then the lines "Errors: N", "Warnings: N", "Grade Entries: N" and
              "Blank Entries: N". The file is never written.
  stats       Prints the series of the chart window: one item per line, LABEL<tab>VALUE,
              highest value first (the chart's short labels; percentages with 3
              significant digits), then the statistics line shown under the chart
              ("Count 5, Mean 85, Std Dev 5").
                --grade K                0 (the default): every grade's class average;
                                         K: the students' results in grade K (column K+1)
                --student K              0: every student's average; K: student K's
                                         results in each grade (row K+1)
                --histogram              the letter ranges of the Numbers to Letters
                                         table with their counts, LETTER<tab>COUNT
                --single-letter          merge ranges whose letters begin alike (B+ B B-)
                --letter-stats           statistics of letter points: the lowest range
                                         scores 0, each range above one more
  recovery    Lists the recovery copies of unsaved changes, newest first, one per line:
              COPY<tab>NAME<tab>ORIGINAL<tab>WRITTEN<tab>STATE. NAME is the gradebook's
              title ("Untitled" when never saved), ORIGINAL its file ("-" when none),
              WRITTEN the time in UTC, STATE "left over" (the program that wrote it is
              gone: the next start offers it) or "in use by process N". A copy is a
              gradebook file: show COPY prints it.
                --folder DIR             the folder to list (default:
                                         $XDG_DATA_HOME/Brindlecraft/Marklow/recovery)
  import-roster
              Adds the students of a class list to CLASS.gbd, as File > Import Roster
              does: a CSV (comma, semicolon or tab; UTF-8, UTF-16 or Windows-1252) from
              Canvas, Moodle, Blackboard or any list with a name column. Students are
              matched by ID, then by name (either order); the others are added, with the
              list's ID and e-mail or login (as notes). A matched student without an ID or
              notes gets them; nobody is removed or renamed. Prints what it does (added,
              matched, skipped lines, students not on the list), then writes CLASS.gbd and
              keeps the earlier file as its backup.
                --dry-run                only print what would be done
                --name-order first-last  "Lee, Ann" and separate columns give "Ann Lee";
                             as-is       names stay as in the file, and separate
                                         columns give "Lee, Ann"; without the option,
                                         first-last when most of the class's names are
                                         "Ann Lee", else as-is
                --name-column COL and the others: the columns to take, by header name or
                                         number from 1, where the headers are not
                                         recognised; --no-header: the first line is a
                                         student

  --password TEXT  the password of a protected gradebook

Exit status: 0 done; 1 wrong usage; 2 a file cannot be read or written, is not a regular
file, or is damaged ("File Read Error" and where its data went wrong); 3 the file has
a password and --password is missing or wrong; 4 the file's version is not recognised;
5 check listed at least one finding.
)";

struct TOptions {
    std::vector<std::string> Files;
    std::optional<std::string> Password;
    std::optional<bool> Letters;
    bool OmitZeros = true;
    std::optional<std::string> Output;
    bool Bom = false;
    bool Help = false;
};

// Options may stand anywhere after the command; "--password=TEXT" works as well.
TOptions Parse(const std::vector<std::string>& args, const std::string& command) {
    TOptions o;
    bool showOptions = command == "show";
    bool exportOptions = command == "export-csv";
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](const std::string& name) {
            if (a.size() > name.size() && a.compare(0, name.size() + 1, name + "=") == 0)
                return a.substr(name.size() + 1);
            if (i + 1 >= args.size()) throw TUsageError{name + " needs a value"};
            return args[++i];
        };
        auto is = [&](const std::string& name) {
            return a == name || a.compare(0, name.size() + 1, name + "=") == 0;
        };
        if (a == "--help" || a == "-h") {
            o.Help = true;
        } else if (is("--password")) {
            o.Password = value("--password");
        } else if (showOptions && (a == "--letters" || a == "--no-letters")) {
            bool on = a == "--letters";
            if (o.Letters && *o.Letters != on)
                throw TUsageError{"--letters and --no-letters exclude each other"};
            o.Letters = on;
        } else if ((showOptions || exportOptions) && a == "--no-omit-zeros") {
            o.OmitZeros = false;
        } else if (exportOptions && a == "-o") {
            if (i + 1 >= args.size()) throw TUsageError{"-o needs a value"};
            o.Output = args[++i];
            if (o.Output->empty()) throw TUsageError{"-o needs a file name, not an empty text"};
        } else if (exportOptions && is("--output")) {
            o.Output = value("--output");
            if (o.Output->empty())
                throw TUsageError{"--output needs a file name, not an empty text"};
        } else if (exportOptions && a == "--bom") {
            o.Bom = true;
        } else if (a.size() > 1 && a[0] == '-') {
            throw TUsageError{"unknown option " + a};
        } else {
            o.Files.push_back(a);
        }
    }
    return o;
}

} // namespace

int OpenGradebookFile(const std::string& path, const std::optional<std::string>& password,
                      TGradebook& gb, std::ostream& err) {
    try {
        std::string bytes = ReadFileBytes(path);
        auto check = [&](const std::string& stored) {
            return stored.empty() || (password && *password == stored);
        };
        TReadResult result = ReadGradebook(bytes, gb, check);
        switch (result.Status) {
        case TReadResult::TStatus::Loaded:
            return 0;
        case TReadResult::TStatus::PasswordRefused:
            err << "marklow-cli: " << path << ": Password is incorrect\n";
            return kPassword;
        case TReadResult::TStatus::UnknownVersion:
            err << "marklow-cli: " << path << ": unrecognised gradebook version \""
                << result.Version << "\"\n";
            return kUnknownVersion;
        }
    } catch (const TFileSystemError& e) {
        err << "marklow-cli: " << e.what() << "\n";
    } catch (const TFileReadError& e) {
        err << "marklow-cli: " << path << ": " << e.what();
        if (!e.Reason().empty()) err << ": " << e.Reason();
        err << "\n";
    }
    return kUnreadable;
}

namespace {

int Open(const std::string& path, const TOptions& o, TGradebook& gb, std::ostream& err) {
    return OpenGradebookFile(path, o.Password, gb, err);
}

// Opens the one FILE that show and export-csv take, with the OmitZeros option applied.
int OpenOne(const char* command, const TOptions& o, TGradebook& gb, std::ostream& err) {
    if (o.Files.size() != 1) throw TUsageError{std::string(command) + " needs exactly one FILE"};
    gb.Preferences.OmitZeros = o.OmitZeros;
    return Open(o.Files[0], o, gb, err);
}

int Show(const TOptions& o, std::ostream& out, std::ostream& err) {
    TGradebook gb;
    if (int status = OpenOne("show", o, gb, err)) return status;
    if (o.Letters) gb.ShowLetters = *o.Letters;
    RecomputeAll(gb);
    std::string text;
    for (int r = 0; r <= gb.LastStudentRow(); ++r) {
        const TCellRow& cells = gb.RowCells(r);
        for (int c = 0; c <= gb.LastGradeColumn(); ++c) {
            if (c > 0) text += '\t';
            text += EscapeCell(cells[static_cast<size_t>(c)]);
        }
        text += '\n';
    }
    out << text;
    return out ? kShown : kUnreadable;
}

int ExportCsv(const TOptions& o, std::ostream& out, std::ostream& err) {
    TGradebook gb;
    if (int status = OpenOne("export-csv", o, gb, err)) return status;
    RecomputeAll(gb);
    std::string csv = GradebookCsv(gb, o.Bom);
    if (!o.Output) {
        out << csv;
        return out ? kShown : kUnreadable;
    }
    std::string error = WriteOutputFile(*o.Output, csv);
    if (!error.empty()) {
        err << "marklow-cli: " << error << "\n";
        return kUnreadable;
    }
    return kShown;
}

int Convert(const TOptions& o, std::ostream& err) {
    if (o.Files.size() != 2) throw TUsageError{"convert needs IN and OUT"};
    TGradebook gb;
    if (int status = Open(o.Files[0], o, gb, err)) return status;
    // The stored average texts are those the program would show after opening the file.
    RecomputeAll(gb);
    std::vector<std::string> lost;
    std::string bytes;
    try {
        bytes = WriteGradebook(gb, &lost);
    } catch (const TFileWriteError& e) {
        err << "marklow-cli: " << o.Files[1] << ": " << e.what() << "\n";
        return kUnreadable;
    }
    if (o.Files[1].empty()) throw TUsageError{"convert needs OUT to be a file name"};
    // A gradebook file is saved as the window saves it; /dev/stdout and pipes take it straight.
    std::string error = CheckOutputTarget(o.Files[1]).Kind == TOutputTarget::TKind::Stream
                            ? WriteOutputFile(o.Files[1], bytes)
                            : SaveFileSafely(o.Files[1], bytes);
    if (!error.empty()) {
        err << "marklow-cli: " << error << "\n";
        return kUnreadable;
    }
    for (const std::string& text : lost)
        err << "marklow-cli: warning: not stored whole: \"" << text << "\"\n";
    return kShown;
}

} // namespace

std::string OutputValue(TArgReader& reader) {
    const std::string option = reader.Word().substr(0, reader.Word().find('='));
    std::string value = reader.Value();
    if (value.empty()) throw TUsageError{option + " needs a file name, not an empty text"};
    return value;
}

namespace {

void AppendHex(std::string& out, const char* prefix, unsigned value, int digits) {
    static const char kHex[] = "0123456789abcdef";
    out += prefix;
    for (int d = digits - 1; d >= 0; --d)
        out += kHex[(value >> (4 * d)) & 0xF];
}

// The escape for a control character at text[i], or false for any other; *length is its
// length in bytes (C1 characters are two in UTF-8).
bool ControlEscape(std::string_view text, size_t i, std::string& out, size_t* length) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (b < 0x20 || b == 0x7F) {
        AppendHex(out, "\\x", b, 2);
        *length = 1;
        return true;
    }
    if (b == 0xC2 && i + 1 < text.size()) {
        const auto next = static_cast<unsigned char>(text[i + 1]);
        if (next >= 0x80 && next <= 0x9F) {
            AppendHex(out, "\\u", next, 4);
            *length = 2;
            return true;
        }
    }
    return false;
}

} // namespace

std::string EscapeControls(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        size_t length = 1;
        if (text[i] == '\t' || text[i] == '\n' || !ControlEscape(text, i, out, &length))
            out += text[i];
        i += length;
    }
    return out;
}

std::string EscapeCell(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        switch (ch) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        default:
            if (size_t length = 1; ControlEscape(text, i, out, &length))
                i += length - 1;
            else
                out += ch;
        }
    }
    return out;
}

namespace {

int RunCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << kHelp;
        return kUsage;
    }
    const std::string& command = args[0];
    if (command == "--help" || command == "-h" || command == "help") {
        out << kHelp;
        return kShown;
    }
    try {
        for (const TCommand& extra : ExtraCommands())
            if (command == extra.Name) return extra.Run(args, out, err);
        if (command != "show" && command != "export-csv" && command != "convert")
            throw TUsageError{"unknown command " + command};
        TOptions o = Parse(args, command);
        if (o.Help) {
            out << kHelp;
            return kShown;
        }
        if (command == "show") return Show(o, out, err);
        if (command == "export-csv") return ExportCsv(o, out, err);
        return Convert(o, err);
    } catch (const TUsageError& e) {
        err << "marklow-cli: " << e.Message << "\nTry 'marklow-cli --help'.\n";
        return kUsage;
    }
}

} // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    // Messages quote names and paths from files a teacher was sent: whatever reaches the
    // terminal carries no control sequence.
    std::ostringstream messages;
    const int status = RunCommand(args, out, messages);
    err << EscapeControls(messages.str());
    return status;
}

} // namespace marklow::cli

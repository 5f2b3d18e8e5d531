// marklow-cli import-roster CLASS.gbd ROSTER.csv [--dry-run]: a class list from a school's
// learning-management system into the gradebook, with the summary File > Import Roster shows.

#include "cli_common.h"

#include "gradebook.h"
#include "gradebook_file.h"
#include "roster_import.h"
#include "safe_save.h"

#include <ostream>

namespace marklow::cli {

namespace {

struct TColumnOption {
    const char* Name;
    int TRosterColumns::*Field;
};

constexpr TColumnOption kColumnOptions[] = {
    {"--name-column", &TRosterColumns::Name},   {"--first-column", &TRosterColumns::First},
    {"--last-column", &TRosterColumns::Last},   {"--id-column", &TRosterColumns::Id},
    {"--login-column", &TRosterColumns::Login},
};

} // namespace

int RunImportRoster(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    TArgReader reader(args);
    std::vector<std::string> files;
    std::optional<std::string> password;
    bool dryRun = false, noHeader = false;
    std::optional<TNameOrder> order;
    std::vector<std::pair<int TRosterColumns::*, std::string>> columns;
    while (reader.Next()) {
        if (reader.Is("--password")) {
            password = reader.Value();
        } else if (reader.Word() == "--dry-run") {
            dryRun = true;
        } else if (reader.Word() == "--no-header") {
            noHeader = true;
        } else if (reader.Is("--name-order")) {
            const std::string v = reader.Value();
            if (v == "first-last")
                order = TNameOrder::FirstLast;
            else if (v == "as-is")
                order = TNameOrder::AsInFile;
            else
                throw TUsageError{"--name-order takes first-last or as-is"};
        } else if (reader.IsOption()) {
            bool known = false;
            for (const TColumnOption& o : kColumnOptions) {
                if (reader.Is(o.Name)) {
                    columns.emplace_back(o.Field, reader.Value());
                    known = true;
                    break;
                }
            }
            if (!known) throw TUsageError{"unknown option " + reader.Word()};
        } else {
            files.push_back(reader.Word());
        }
    }
    if (files.size() != 2) throw TUsageError{"import-roster needs CLASS.gbd and ROSTER.csv"};
    const std::string& classPath = files[0];
    const std::string& rosterPath = files[1];

    TGradebook gb;
    if (int status = OpenGradebookFile(classPath, password, gb, err)) return status;
    TRosterTable table;
    try {
        table = ReadRosterCsv(ReadFileBytes(rosterPath));
    } catch (const TFileSystemError& e) {
        err << "marklow-cli: " << e.what() << "\n";
        return kUnreadable;
    }
    if (!table.Error.empty()) {
        err << "marklow-cli: " << rosterPath << ": " << table.Error << " Nothing was changed.\n";
        return kUnreadable;
    }

    TRosterLayout layout = RecogniseRoster(table);
    // Without --name-order new students are named as the class names its students.
    TRosterChoices choices{layout.Columns, order.value_or(ClassNameOrder(gb)), layout.Format};
    if (noHeader) choices.Columns.Header = false;
    if (!columns.empty()) {
        // Columns named by hand replace the recognised names; ids and logins stay.
        TRosterColumns& c = choices.Columns;
        for (const auto& [field, value] : columns) {
            if (field == &TRosterColumns::Name || field == &TRosterColumns::First ||
                field == &TRosterColumns::Last)
                c.Name = c.First = c.Last = -1;
        }
        for (const auto& [field, value] : columns) {
            const int col = FindRosterColumn(table, value);
            if (col < 0) throw TUsageError{rosterPath + " has no column \"" + value + "\""};
            c.*field = col;
        }
        if (!noHeader && layout.Format == TRosterFormat::Unrecognised) {
            // A column given by its header's name means the first line is a header.
            bool byName = false;
            for (const auto& [field, value] : columns)
                byName |= value.find_first_not_of("0123456789") != std::string::npos;
            c.Header = byName;
        }
    }

    TRosterPlan plan = PlanRosterImport(gb, table, choices);
    if (!plan.Error.empty()) {
        err << "marklow-cli: " << rosterPath << ": " << plan.Error
            << " (--name-column, or --first-column and --last-column)\nNothing was changed.\n";
        return kUnreadable;
    }
    out << "Roster: " << RosterFormatName(layout.Format) << ", "
        << RosterEncodingName(table.Encoding) << ", " << RosterDelimiterName(table.Delimiter)
        << "-separated, " << table.RowCount() << " lines\n";
    out << RosterSummaryText(gb, plan);
    if (dryRun) {
        out << "Nothing was written (--dry-run).\n";
        return out ? kShown : kUnreadable;
    }
    if (!plan.Change.Changes()) {
        out << "Nothing to change; " << classPath << " was not written.\n";
        return out ? kShown : kUnreadable;
    }
    // Only the new students' averages are new (they have no entries); every other byte of
    // the class stays as it was stored.
    ApplyRosterImport(gb, plan.Change);
    std::vector<std::string> lost;
    std::string bytes;
    try {
        bytes = WriteGradebook(gb, &lost);
    } catch (const TFileWriteError& e) {
        err << "marklow-cli: " << classPath << ": " << e.what() << "\n";
        return kUnreadable;
    }
    std::string error = SaveFileSafely(classPath, bytes);
    if (!error.empty()) {
        err << "marklow-cli: " << error << "\n";
        return kUnreadable;
    }
    for (const std::string& text : lost)
        err << "marklow-cli: warning: not stored whole: \"" << text << "\"\n";
    out << "Wrote " << classPath << "; the earlier file is " << BackupPathFor(classPath) << "\n";
    return out ? kShown : kUnreadable;
}

} // namespace marklow::cli

// marklow-cli check FILE [--password TEXT]: the gradebook check, one finding a line, then the
// four counters. The file is only read.

#include "cli_common.h"

#include "check.h"
#include "gradebook.h"

#include <ostream>

namespace marklow::cli {

namespace {

// Exit status when the check listed at least one finding.
constexpr int kFindingsListed = 5;

} // namespace

int RunCheckCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    TArgReader reader(args);
    std::vector<std::string> files;
    std::optional<std::string> password;
    while (reader.Next()) {
        if (reader.Is("--password"))
            password = reader.Value();
        else if (reader.IsOption())
            throw TUsageError{"unknown option " + reader.Word()};
        else
            files.push_back(reader.Word());
    }
    if (files.size() != 1) throw TUsageError{"check needs exactly one FILE"};
    TGradebook gb;
    if (int status = OpenGradebookFile(files[0], password, gb, err)) return status;

    TCheckResult result = RunCheck(gb);
    std::string text;
    for (const TFinding& f : result.Findings) {
        text += SeverityText(f.Message);
        text += '\t';
        text += EscapeCell(FindingText(gb, f));
        text += '\n';
        // Millions of invalid entries: hand the text on in pieces.
        if (text.size() > (1u << 20)) {
            out << text;
            text.clear();
        }
    }
    text += "Errors: " + std::to_string(result.Errors) + "\n";
    text += "Warnings: " + std::to_string(result.Warnings) + "\n";
    text += "Grade Entries: " + std::to_string(result.GradeEntries) + "\n";
    text += "Blank Entries: " + std::to_string(result.BlankEntries) + "\n";
    out << text;
    if (!out) return kUnreadable;
    return result.Findings.empty() ? kShown : kFindingsListed;
}

} // namespace marklow::cli

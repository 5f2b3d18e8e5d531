// marklow-cli export-lms FILE --format canvas|moodle|scores [-o OUT]: the grades as a
// learning-management system imports them. The warnings go to standard error.

#include "cli_common.h"

#include "averages.h"
#include "gradebook.h"
#include "lms_export.h"
#include "output_file.h"

#include <ostream>

namespace marklow::cli {

int RunExportLms(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    TArgReader reader(args);
    std::vector<std::string> files;
    std::optional<std::string> password, output;
    std::optional<TLmsFormat> format;
    bool omitZeros = true;
    TLmsOptions options;
    while (reader.Next()) {
        if (reader.Is("--password")) {
            password = reader.Value();
        } else if (reader.Is("--format")) {
            std::string name = reader.Value();
            format = LmsFormatNamed(name);
            if (!format) throw TUsageError{"unknown format " + name + " (canvas, moodle, scores)"};
        } else if (reader.Is("-o") || reader.Is("--output")) {
            output = OutputValue(reader);
        } else if (reader.Word() == "--bom") {
            options.Bom = true;
        } else if (reader.Word() == "--cap-at-points") {
            options.CapAtPoints = true;
        } else if (reader.Is("--identify")) {
            std::string name = reader.Value();
            auto id = MoodleIdentifierNamed(name);
            if (!id) throw TUsageError{"--identify takes idnumber, email or username"};
            options.Identifier = *id;
        } else if (reader.Word() == "--no-omit-zeros") {
            omitZeros = false;
        } else if (reader.IsOption()) {
            throw TUsageError{"unknown option " + reader.Word()};
        } else {
            files.push_back(reader.Word());
        }
    }
    if (files.size() != 1) throw TUsageError{"export-lms needs exactly one FILE"};
    if (!format) throw TUsageError{"export-lms needs --format canvas, moodle or scores"};
    TGradebook gb;
    gb.Preferences.OmitZeros = omitZeros;
    if (int status = OpenGradebookFile(files[0], password, gb, err)) return status;
    RecomputeAll(gb);
    TLmsExport exported = ExportForLms(gb, *format, options);
    if (!output) {
        out << exported.Csv;
        if (!out) return kUnreadable;
    } else {
        std::string error = WriteOutputFile(*output, exported.Csv);
        if (!error.empty()) {
            err << "marklow-cli: " << error << "\n";
            return kUnreadable;
        }
    }
    // One line each: a line break in a name is written as for show.
    std::string warnings;
    for (const TLmsWarning& w : exported.Warnings)
        warnings += "marklow-cli: warning: " + EscapeCell(LmsWarningText(gb, exported, w)) + "\n";
    err << warnings;
    return kShown;
}

} // namespace marklow::cli

#include "cli_common.h"

namespace marklow::cli {

int RunPrint(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunCheckCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunStats(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunRecovery(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunImportRoster(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunExportLms(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Each command in a file of its own adds one line here.
const std::vector<TCommand>& ExtraCommands() {
    static const std::vector<TCommand> commands = {
        {"print", RunPrint},
        {"check", RunCheckCommand},
        {"stats", RunStats},
        {"recovery", RunRecovery},
        {"import-roster", RunImportRoster},
        {"export-lms", RunExportLms},
    };
    return commands;
}

} // namespace marklow::cli

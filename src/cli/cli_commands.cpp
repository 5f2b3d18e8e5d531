#include "cli_common.h"

namespace marklow::cli {

// Each command in a file of its own adds one line here.
const std::vector<TCommand>& ExtraCommands() {
    static const std::vector<TCommand> commands = {
    };
    return commands;
}

} // namespace marklow::cli

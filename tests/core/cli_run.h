#pragma once
// Runs marklow-cli in the test's process and keeps what it said.

#include "cli.h"

#include <sstream>
#include <string>
#include <vector>

namespace marklow::testing {

struct TCliResult {
    int status;
    std::string out, err;
};

inline TCliResult Cli(std::vector<std::string> args) {
    std::ostringstream out, err;
    int status = cli::Run(args, out, err);
    return {status, out.str(), err.str()};
}

inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

} // namespace marklow::testing

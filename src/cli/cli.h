#pragma once
// marklow-cli: shows, exports and converts gradebooks from a terminal. The whole program is
// Run, so tests drive it in-process with their own streams.

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace marklow::cli {

enum ExitCode {
    kShown = 0,
    kUsage = 1,
    kUnreadable = 2, // the file cannot be read (or, for convert and -o, written)
    kPassword = 3,
    kUnknownVersion = 4,
};

// args are the words after the program's name. Texts on out and err are UTF-8.
int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// A cell of `show`: backslash, tab, carriage return and line feed written as \\ \t \r \n.
std::string EscapeCell(std::string_view text);

} // namespace marklow::cli

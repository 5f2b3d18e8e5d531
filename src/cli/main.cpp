#include "cli.h"
#include "unicode_text.h"

#include <cstdlib>
#include <iostream>

namespace {

// Names sort as the environment's language does (LC_ALL, LC_COLLATE, LANG, as the C library
// reads them); "C" and "POSIX" keep the root order.
std::string EnvironmentLanguage() {
    for (const char* name : {"LC_ALL", "LC_COLLATE", "LANG"}) {
        const char* v = std::getenv(name);
        if (!v || !*v) continue;
        std::string value(v);
        value = value.substr(0, value.find_first_of(".@"));
        return value == "C" || value == "POSIX" ? std::string() : value;
    }
    return {};
}

} // namespace

int main(int argc, char** argv) {
    marklow::SetCollationLanguage(EnvironmentLanguage());
    std::vector<std::string> args(argv + 1, argv + argc);
    return marklow::cli::Run(args, std::cout, std::cerr);
}

#pragma once
// What the commands of marklow-cli share: the usage error, opening a gradebook file with the
// exit statuses of every command, a small reader of options, and the list of commands that
// live in files of their own.

#include "cli.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace marklow {
class TGradebook;
}

namespace marklow::cli {

// Thrown for wrong usage; Run prints it with a hint and exits with kUsage.
struct TUsageError {
    std::string Message;
};

// Reads the gradebook at path into gb. Returns 0, or kUnreadable, kPassword or
// kUnknownVersion with the reason on err.
int OpenGradebookFile(const std::string& path, const std::optional<std::string>& password,
                      TGradebook& gb, std::ostream& err);

// Walks the words after the command: options may stand anywhere, "--name=VALUE" works as
// well as "--name VALUE", and every other word is a file.
class TArgReader {
public:
    explicit TArgReader(const std::vector<std::string>& args) : args_(args) {}
    // Moves to the next word; false at the end.
    bool Next() { return ++i_ < args_.size(); }
    const std::string& Word() const { return args_[i_]; }
    // The word is this option, with or without "=VALUE".
    bool Is(const std::string& name) const {
        const std::string& a = Word();
        return a == name || a.compare(0, name.size() + 1, name + "=") == 0;
    }
    // The value of the current option; throws TUsageError when it has none.
    std::string Value() {
        const std::string& a = Word();
        size_t eq = a.find('=');
        if (a.size() > 2 && a[0] == '-' && eq != std::string::npos) return a.substr(eq + 1);
        if (i_ + 1 >= args_.size()) throw TUsageError{a + " needs a value"};
        return args_[++i_];
    }
    bool IsOption() const { return Word().size() > 1 && Word()[0] == '-'; }

private:
    const std::vector<std::string>& args_;
    size_t i_ = 0; // args_[0] is the command
};

// The file name after -o or --output; an empty one is a usage error, said in words.
std::string OutputValue(TArgReader& reader);

// Escapes the control characters of text bound for a terminal: ESC, BEL and the rest of
// C0 and C1 but tab and line feed, as \x1b and \u009b, so that a name in a gradebook cannot
// move the cursor, retitle the window or ring.
std::string EscapeControls(std::string_view text);

struct TCommand {
    const char* Name;
    // args[0] is the command's name. May throw TUsageError.
    int (*Run)(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
};

// Commands kept in files of their own (cli_commands.cpp lists them).
const std::vector<TCommand>& ExtraCommands();

} // namespace marklow::cli

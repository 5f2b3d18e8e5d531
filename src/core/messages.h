#pragma once
// The texts the core hands to a window or the command line: fixed English templates with
// numbered places %1..%9, all of them in one table. The command line prints them as they
// are; a window finds the template a finished text was made from (ParseMessage), shows its
// translation and puts the parts back in. The core itself never depends on a language.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace marklow {

struct TMessageTemplate {
    std::string_view Text;
    // The parts are themselves phrases of this table ("a device", "letters"), not names.
    bool PhraseParts = false;
};

// Every template, the ones with more literal text first, so a parse finds the most specific.
std::span<const TMessageTemplate> MessageTemplates();

// The template with %1..%9 replaced by the parts; a place without a part stays as written.
std::string FormatMessage(std::string_view pattern, const std::vector<std::string>& parts);

struct TParsedMessage {
    const TMessageTemplate* Template = nullptr;
    std::vector<std::string> Parts; // by number: Parts[0] is %1
};

// The template and parts that FormatMessage made text from; nothing for any other text.
std::optional<TParsedMessage> ParseMessage(std::string_view text);

} // namespace marklow

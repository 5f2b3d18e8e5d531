#include "messages.h"

#include <algorithm>
#include <array>

namespace marklow {

namespace {

// The translation tools read this table: both are QT_TRANSLATE_NOOP to them (see
// scripts/update-translations.sh), so "core" is the translations' context.
constexpr TMessageTemplate MessageText(std::string_view, std::string_view text) {
    return {text, false};
}
constexpr TMessageTemplate PhraseText(std::string_view, std::string_view text) {
    return {text, true};
}

// Keep in step with the producers: messages_test makes each and parses it back.
constexpr TMessageTemplate kTemplates[] = {
    // The check.
    MessageText("core", "Entry of \"%1\" for grade \"%2\" & student \"%3\" is invalid"),
    MessageText("core", "Category \"%1\" needs at least two grades assigned to drop the lowest"),
    MessageText("core", "Weights are not equal dropping this lowest in category \"%1\""),
    MessageText("core", "Percent of grade for category \"%1\" is zero"),
    MessageText("core", "Category \"%1\" has no grades assigned"),
    MessageText("core", "Points for grade \"%1\" is zero or blank"),
    MessageText("core", "Weight for grade \"%1\" is zero or blank"),
    MessageText("core", "Grade name number %1 is blank"),
    MessageText("core", "Student name number %1 is blank"),
    MessageText("core", "Category in row %1 is blank"),
    MessageText("core", "Percent of grade entries do not total 100"),
    MessageText("core", "Extra-credit grade \"%1\" weighs as much as a regular grade of its "
                        "category: a full score adds a whole grade to the average"),
    MessageText("core", "Error"),
    MessageText("core", "Warning"),
    // Typing into the grid.
    MessageText("core", "%1 entry of \"%2\" for student %3 is invalid"),
    // The clipboard.
    MessageText("core",
                "The class has %1 students; a copy can carry at most %2. Nothing was copied."),
    MessageText(
        "core",
        "These texts hold characters that the clipboard's class list cannot carry; they were "
        "copied with \"?\" in their place:\n%1"),
    // Files.
    PhraseText("core", "%1: Not a regular file (%2)"),
    MessageText("core", "a named pipe"),
    MessageText("core", "a socket"),
    MessageText("core", "a device"),
    MessageText("core", "a special file"),
    MessageText("core", "%1: File is too large"),
    MessageText("core", "%1: The file is read-only, so it was not saved. Save it under another "
                        "name, or make it writable first."),
    MessageText("core", "%1: Is a symbolic link, and exports and printouts are never written "
                        "through one. Name the file it points to."),
    MessageText("core", "%1: Not saved: the old file cannot be kept as the backup, because there "
                        "is no room for a copy of it (%2) and this folder cannot give it a second "
                        "name. Free some space, or save under another name."),
    MessageText("core", "The output file has no name"),
    PhraseText("core", "Too many %1 to be stored in the file"),
    MessageText("core", "items in a list"),
    MessageText("core", "categories"),
    MessageText("core", "letters"),
    MessageText("core", "grades"),
    MessageText("core", "students"),
    MessageText("core", "The password has characters or a length that the file cannot hold"),
    MessageText("core", "File Read Error\n%1"),
    MessageText("core", "File Read Error"),
    // Class lists that cannot be imported.
    MessageText("core", "Line %1 opens a quoted field that is never closed."),
    MessageText("core", "Line %1 is longer than 1 MB, so this is not a class list (or a quote in "
                        "it is never closed)."),
    MessageText("core", "The file has more than %1 lines; a class list is far shorter."),
    MessageText("core", "The file is larger than 128 MB, so it is not a class list."),
    MessageText("core", "The file holds NUL bytes, so it is not a text file. Save the class list "
                        "as CSV (comma-separated values) and import that."),
    MessageText("core", "The file is empty: it holds no class list."),
    MessageText("core", "The class list has no column of names. It needs a column named Name or "
                        "Student, or First name and Last name; or choose the columns."),
    // The options dialog.
    MessageText("core", "Delete Number %1 to Letter %2"),
    MessageText("core", "Delete Letter %1 to Number %2"),
    MessageText("core", "Discard Number to Letter table"),
    MessageText("core", "Discard Letter to Number table"),
    MessageText("core", "Delete Category - %1"),
    MessageText("core", "(unnamed, column %1)"),
    MessageText("core", "Percentage of Grade"),
    MessageText("core", "Drop the Lowest"),
    MessageText("core", "Yes"),
    MessageText("core", "Category"),
    MessageText("core", "Letters"),
    MessageText("core", "Numbers"),
    // The grid's corner.
    MessageText("core", "Average"),
    // The chart window.
    MessageText("core", "Count %1, Mean %2 of %3, Std Dev %4"),
    MessageText("core", "Count %1, Mean %2, Std Dev %3"),
    MessageText("core", "Median %1, Min %2, Max %3"),
    MessageText("core", "Class Averages"),
    MessageText("core", "Student Averages"),
};

// The number of the place starting at pattern[i] ("%1".."%9"), or 0.
int PlaceAt(std::string_view pattern, size_t i) {
    if (pattern[i] != '%' || i + 1 >= pattern.size()) return 0;
    const char d = pattern[i + 1];
    return d >= '1' && d <= '9' ? d - '0' : 0;
}

// Matches text against pattern from the given positions; parts found are put by number.
bool Match(std::string_view pattern, size_t p, std::string_view text, size_t t,
           std::array<std::optional<std::string_view>, 9>& parts) {
    while (p < pattern.size()) {
        if (int n = PlaceAt(pattern, p)) {
            // The shortest part that lets the rest match; a place at the end takes the rest.
            for (size_t end = t; end <= text.size(); ++end) {
                parts[static_cast<size_t>(n - 1)] = text.substr(t, end - t);
                if (Match(pattern, p + 2, text, end, parts)) return true;
            }
            parts[static_cast<size_t>(n - 1)].reset();
            return false;
        }
        if (t >= text.size() || pattern[p] != text[t]) return false;
        ++p;
        ++t;
    }
    return t == text.size();
}

} // namespace

std::span<const TMessageTemplate> MessageTemplates() {
    return kTemplates;
}

std::string FormatMessage(std::string_view pattern, const std::vector<std::string>& parts) {
    std::string out;
    out.reserve(pattern.size());
    for (size_t i = 0; i < pattern.size(); ++i) {
        const int n = PlaceAt(pattern, i);
        if (n && static_cast<size_t>(n) <= parts.size()) {
            out += parts[static_cast<size_t>(n - 1)];
            ++i;
        } else {
            out += pattern[i];
        }
    }
    return out;
}

std::optional<TParsedMessage> ParseMessage(std::string_view text) {
    for (const TMessageTemplate& t : kTemplates) {
        std::array<std::optional<std::string_view>, 9> parts;
        if (!Match(t.Text, 0, text, 0, parts)) continue;
        TParsedMessage parsed;
        parsed.Template = &t;
        const auto last = std::find_if(parts.rbegin(), parts.rend(),
                                       [](const auto& part) { return part.has_value(); });
        const size_t count = static_cast<size_t>(parts.rend() - last);
        for (size_t i = 0; i < count; ++i)
            parsed.Parts.emplace_back(parts[i] ? std::string(*parts[i]) : std::string());
        return parsed;
    }
    return std::nullopt;
}

} // namespace marklow

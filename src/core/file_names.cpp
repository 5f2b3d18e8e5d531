#include "file_names.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace marklow {

namespace {

bool Forbidden(unsigned char ch) {
    // Control characters, and what Windows refuses in a name.
    return ch < 0x20 || ch == 0x7F ||
           std::string_view("/\\<>:\"|?*").find(static_cast<char>(ch)) != std::string_view::npos;
}

std::string AsciiUpper(std::string_view s) {
    std::string out(s);
    for (char& ch : out)
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    return out;
}

// CON, PRN, AUX, NUL, COM1-9, LPT1-9, also before an extension ("nul.txt"): Windows opens the
// device instead of the file.
bool DeviceName(std::string_view name) {
    std::string base = AsciiUpper(name.substr(0, name.find('.')));
    while (!base.empty() && base.back() == ' ')
        base.pop_back();
    if (base == "CON" || base == "PRN" || base == "AUX" || base == "NUL") return true;
    return base.size() == 4 && (base.rfind("COM", 0) == 0 || base.rfind("LPT", 0) == 0) &&
           base[3] >= '1' && base[3] <= '9';
}

// Blanks at the start; blanks and dots at the end, which Windows drops from a name.
std::string Trim(std::string s) {
    size_t end = s.size();
    while (end > 0 && (s[end - 1] == ' ' || s[end - 1] == '.'))
        --end;
    size_t start = 0;
    while (start < end && s[start] == ' ')
        ++start;
    return s.substr(start, end - start);
}

// At most maxBytes, never inside a UTF-8 character.
std::string CutBytes(std::string s, size_t maxBytes) {
    if (s.size() <= maxBytes) return s;
    size_t at = maxBytes;
    while (at > 0 && (static_cast<unsigned char>(s[at]) & 0xC0) == 0x80)
        --at;
    s.resize(at);
    return s;
}

} // namespace

std::string SafeFileName(std::string_view name, size_t maxBytes, std::string_view fallback) {
    std::string out;
    out.reserve(name.size());
    for (size_t i = 0; i < name.size(); ++i) {
        const unsigned char ch = static_cast<unsigned char>(name[i]);
        // C1 control characters (U+0080 to U+009F) are two bytes in UTF-8.
        if (ch == 0xC2 && i + 1 < name.size() && static_cast<unsigned char>(name[i + 1]) >= 0x80 &&
            static_cast<unsigned char>(name[i + 1]) <= 0x9F) {
            out += '_';
            ++i;
            continue;
        }
        out += Forbidden(ch) ? '_' : static_cast<char>(ch);
    }
    out = Trim(CutBytes(Trim(std::move(out)), maxBytes));
    if (out.empty() || out == "." || out == "..") out = std::string(fallback);
    if (DeviceName(out)) out.insert(0, "_");
    return out;
}

std::vector<std::string> UniqueFileNames(const std::vector<std::string>& names, size_t maxBytes,
                                         std::string_view fallback) {
    std::vector<std::string> out;
    out.reserve(names.size());
    std::unordered_set<std::string> taken; // upper-cased, as case-blind file systems see them
    taken.reserve(names.size() * 2);
    for (const std::string& name : names)
        out.push_back(SafeFileName(name, maxBytes, fallback));
    // Plain names first, so "Ann (2)" typed by the teacher keeps its own name and a second
    // "Ann" takes the next free number.
    std::vector<bool> duplicate(out.size(), false);
    for (size_t i = 0; i < out.size(); ++i)
        duplicate[i] = !taken.insert(AsciiUpper(out[i])).second;
    // The next number to try for each name, so a thousand "Ann"s take linear time.
    std::unordered_map<std::string, int> next;
    for (size_t i = 0; i < out.size(); ++i) {
        if (!duplicate[i]) continue;
        int& n = next.try_emplace(AsciiUpper(out[i]), 2).first->second;
        for (;; ++n) {
            const std::string suffix = " (" + std::to_string(n) + ")";
            std::string candidate =
                Trim(CutBytes(out[i], maxBytes > suffix.size() ? maxBytes - suffix.size() : 0)) +
                suffix;
            if (taken.insert(AsciiUpper(candidate)).second) {
                out[i] = std::move(candidate);
                break;
            }
        }
    }
    return out;
}

} // namespace marklow

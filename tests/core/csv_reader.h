#pragma once
// A strict RFC 4180 reader for checking what the exports write: CR LF between records, a
// field either plain (no quote, comma, CR or LF inside) or quoted with doubled quotes, every
// record as long as the first. Anything else is an error, so a sloppy writer cannot pass.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace marklow::testing {

using TCsvTable = std::vector<std::vector<std::string>>;

// The records, or nothing with *error set.
inline std::optional<TCsvTable> ReadCsvStrictly(std::string_view text, std::string* error) {
    TCsvTable table;
    std::vector<std::string> record;
    std::string field;
    size_t i = 0;
    auto fail = [&](const std::string& why) {
        if (error) *error = why + " at byte " + std::to_string(i);
        return std::nullopt;
    };
    while (i < text.size()) {
        field.clear();
        if (text[i] == '"') {
            for (++i;; ++i) {
                if (i >= text.size()) return fail("unterminated quoted field");
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        field += '"';
                        ++i;
                    } else {
                        ++i;
                        break;
                    }
                } else {
                    field += text[i];
                }
            }
        } else {
            while (i < text.size() && text[i] != ',' && text[i] != '\r' && text[i] != '\n') {
                if (text[i] == '"') return fail("quote inside a plain field");
                field += text[i++];
            }
        }
        record.push_back(field);
        if (i >= text.size()) return fail("last record without CR LF");
        if (text[i] == ',') {
            ++i;
            continue;
        }
        if (text.substr(i, 2) != "\r\n") return fail("line end other than CR LF");
        i += 2;
        if (!table.empty() && record.size() != table[0].size())
            return fail("record of " + std::to_string(record.size()) + " fields, not " +
                        std::to_string(table[0].size()));
        table.push_back(std::move(record));
        record.clear();
    }
    return table;
}

} // namespace marklow::testing

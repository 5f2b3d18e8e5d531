#include "chart_labels.h"

#include <algorithm>
#include <unordered_map>

namespace marklow {

namespace {

// The first character of a UTF-8 text (a stray byte is a character of its own).
std::string FirstCharacter(const std::string& s) {
    if (s.empty()) return std::string();
    unsigned char b = static_cast<unsigned char>(s[0]);
    size_t len = b < 0xC0 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
    return s.substr(0, std::min(len, s.size()));
}

std::string LabelCharacters() {
    std::string s;
    for (char c = 'A'; c <= 'Y'; ++c)
        s += c;
    for (char c = 'a'; c <= 'y'; ++c)
        s += c;
    for (char c = '0'; c <= '8'; ++c)
        s += c;
    return s;
}

} // namespace

std::vector<TLabel> MakeShortLabelsQuick(const std::vector<std::string>& names) {
    std::vector<TLabel> labels(names.size());
    // How many unique labels carry each text.
    std::unordered_map<std::string, int> taken;
    taken.reserve(names.size() * 2);
    for (size_t i = 0; i < names.size(); ++i) {
        // The label of a name on its own is the plain rule, without any replacement.
        labels[i].Text = MakeShortLabels({names[i]})[0].Text;
        labels[i].Unique = taken.find(labels[i].Text) == taken.end();
        if (labels[i].Unique) taken.emplace(labels[i].Text, 1);
    }
    const std::string set = LabelCharacters();
    const size_t n = set.size();
    // Candidates before these positions are known to be taken.
    std::unordered_map<std::string, size_t> secondFrom;
    size_t pairFrom = 0;
    auto free = [&](const std::string& candidate) {
        auto it = taken.find(candidate);
        return it == taken.end() || it->second == 0;
    };
    for (size_t i = 0; i < labels.size(); ++i) {
        if (labels[i].Unique) continue;
        const std::string first = FirstCharacter(names[i]);
        std::string found;
        size_t& s = secondFrom[first];
        for (; s < n; ++s) {
            std::string candidate = first + set[s];
            if (free(candidate)) {
                found = std::move(candidate);
                break;
            }
        }
        for (; found.empty() && pairFrom < n * n; ++pairFrom) {
            std::string candidate{set[pairFrom / n], set[pairFrom % n]};
            if (free(candidate)) found = std::move(candidate);
        }
        if (found.empty()) continue;
        ++taken[found];
        labels[i] = {std::move(found), true};
    }
    return labels;
}

TChartLabels MakeChartLabels(const TGradebook& gb) {
    TChartLabels labels;
    std::vector<std::string> names;
    names.reserve(static_cast<size_t>(gb.StudentCount()));
    for (int r = 2; r <= gb.LastStudentRow(); ++r)
        names.emplace_back(gb.Cell(1, r));
    labels.Students = MakeShortLabelsQuick(names);
    names.clear();
    for (int c = 2; c <= gb.LastGradeColumn(); ++c)
        names.emplace_back(gb.Cell(c, 1));
    labels.Grades = MakeShortLabelsQuick(names);
    return labels;
}

} // namespace marklow

#include "csv_export.h"

#include "entry.h"
#include "gradebook.h"
#include "text.h"

#include <optional>
#include <vector>

namespace marklow {

namespace {

// The mean of the students' averages, by the same rule as the overall average cell.
std::optional<double> ClassMean(const TGradebook& gb) {
    double sum = 0;
    int n = 0;
    for (int r = 2; r <= gb.LastStudentRow(); ++r) {
        const TStudent& s = *gb.StudentAt(r);
        if (s.HasAverage) {
            sum += s.Average;
            ++n;
        }
    }
    if (gb.StudentCount() < 2 || n < 2) return std::nullopt;
    return sum / n;
}

} // namespace

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string out = "\"";
    for (char ch : text) {
        if (ch == '"') out += '"';
        out += ch;
    }
    out += '"';
    return out;
}

bool LooksLikeFormula(std::string_view text) {
    if (text.empty() || std::string_view("=+-@|%\t\r").find(text[0]) == std::string_view::npos)
        return false;
    // A plain decimal number, signed, perhaps with an exponent.
    size_t i = text[0] == '+' || text[0] == '-' ? 1 : 0;
    bool digits = false, point = false;
    for (; i < text.size(); ++i) {
        const char ch = text[i];
        if (ch >= '0' && ch <= '9') {
            digits = true;
        } else if (ch == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digits && i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        const size_t exponent = j;
        while (j < text.size() && text[j] >= '0' && text[j] <= '9')
            ++j;
        if (j > exponent) i = j;
    }
    return !(digits && i == text.size());
}

std::string CsvTextField(std::string_view text) {
    if (!LooksLikeFormula(text)) return CsvField(text);
    std::string defused = "'";
    defused += text;
    return CsvField(defused);
}

std::string GradebookCsv(const TGradebook& gb, bool bom) {
    std::string csv = bom ? "\xEF\xBB\xBF" : "";
    auto row = [&](const std::vector<std::string>& fields) {
        for (size_t i = 0; i < fields.size(); ++i) {
            if (i > 0) csv += ',';
            // An entry typed as "-2" stays a number; names, IDs and comments never run.
            csv += CsvTextField(fields[i]);
        }
        csv += "\r\n";
    };
    auto average = [&](std::optional<double> v, std::vector<std::string>& fields) {
        fields.push_back(v ? FormatNumber(*v) : "");
        fields.push_back(v ? LetterOf(gb.NumberToLetter, *v) : "");
    };
    std::vector<std::string> fields = {"Name", "ID", "Average", "Letter"};
    for (int c = 2; c <= gb.LastGradeColumn(); ++c)
        fields.emplace_back(gb.Cell(c, 1));
    row(fields);
    for (int r = 2; r <= gb.LastStudentRow(); ++r) {
        const TStudent& s = *gb.StudentAt(r);
        fields = {std::string(gb.Cell(1, r)), s.ID};
        average(s.HasAverage ? std::optional<double>(s.Average) : std::nullopt, fields);
        for (int c = 2; c <= gb.LastGradeColumn(); ++c)
            fields.emplace_back(gb.Cell(c, r));
        row(fields);
    }
    fields = {"Class Average", ""};
    average(ClassMean(gb), fields);
    for (int c = 2; c <= gb.LastGradeColumn(); ++c) {
        const TGrade& g = *gb.GradeAt(c);
        fields.push_back(g.HasClassAverage ? FormatNumber(g.ClassAverage) : "");
    }
    row(fields);
    return csv;
}

} // namespace marklow

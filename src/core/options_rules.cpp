#include "options_rules.h"

#include "entry.h"

#include "messages.h"
#include "text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace marklow {

namespace {

const std::string kEmpty;
const std::string kYes = "Yes";

size_t Index(int i) {
    return static_cast<size_t>(i);
}

} // namespace

// --- TOptionTable ---

void TOptionTable::SetRowCount(int n) {
    rows_.resize(Index(std::max(n, 0)));
    for (auto& row : rows_)
        row.resize(Index(cols_));
}

TOptionTable::TCell* TOptionTable::At(int c, int r) {
    if (c < 0 || r < 0 || c >= cols_ || r >= RowCount()) return nullptr;
    return &rows_[Index(r)][Index(c)];
}

const TOptionTable::TCell* TOptionTable::At(int c, int r) const {
    if (c < 0 || r < 0 || c >= cols_ || r >= RowCount()) return nullptr;
    return &rows_[Index(r)][Index(c)];
}

const std::string& TOptionTable::Text(int c, int r) const {
    const TCell* cell = At(c, r);
    return cell ? cell->Text : kEmpty;
}

void TOptionTable::SetText(int c, int r, std::string text) {
    if (TCell* cell = At(c, r)) cell->Text = std::move(text);
}

void TOptionTable::SetNumber(int c, int r, double value) {
    if (TCell* cell = At(c, r)) cell->Text = FormatNumber(value);
}

double TOptionTable::Number(int c, int r) const {
    const TCell* cell = At(c, r);
    return cell ? ShownNumber(ParseNumber(cell->Text)) : 0;
}

void TOptionTable::ClearRow(int r) {
    if (r < 0 || r >= RowCount()) return;
    for (auto& cell : rows_[Index(r)])
        cell = TCell{};
}

void TOptionTable::DeleteRow(int r) {
    if (r < 0 || r >= RowCount()) return;
    rows_.erase(rows_.begin() + r);
}

void TOptionTable::MoveRow(int from, int to) {
    const int n = RowCount();
    if (from < 0 || to < 0 || from >= n || to >= n || from == to) return;
    if (from < to)
        std::rotate(rows_.begin() + from, rows_.begin() + from + 1, rows_.begin() + to + 1);
    else
        std::rotate(rows_.begin() + to, rows_.begin() + from, rows_.begin() + from + 1);
}

bool TOptionTable::RowBlank(int r) const {
    for (int c = 0; c < cols_; ++c)
        if (!IsBlank(Text(c, r))) return false;
    return true;
}

bool KeepSpareRow(TOptionTable& table) {
    const int last = table.LastRow();
    if (last < 1 || IsBlank(table.Text(0, last))) return false;
    table.SetRowCount(table.RowCount() + 1);
    return true;
}

// --- the categories grid ---

TOptionTable MakeCategoryTable() {
    TOptionTable t(3);
    FillCategoryTable(t, std::vector<TCategory>{});
    return t;
}

namespace {

void FillCategoryHeader(TOptionTable& table) {
    table.SetText(kCategoryNameCol, 0, "Category");
    table.SetText(kCategoryPercentCol, 0, "Percentage of Grade");
    table.SetText(kCategoryDropCol, 0, "Drop the Lowest");
}

void FillCategoryRow(TOptionTable& table, int r, const TCategory& c) {
    table.ClearRow(r);
    table.SetText(kCategoryNameCol, r, c.Name);
    table.SetNumber(kCategoryPercentCol, r, c.Percent);
    if (c.DropLowest) table.SetText(kCategoryDropCol, r, kYes);
}

} // namespace

void FillCategoryTable(TOptionTable& table, const TCategoryList& list) {
    table.SetRowCount(0);
    table.SetRowCount(list.Count() + 2);
    FillCategoryHeader(table);
    for (int i = 0; i < list.Count(); ++i)
        FillCategoryRow(table, i + 1, list.Item(i));
}

void FillCategoryTable(TOptionTable& table, const std::vector<TCategory>& list) {
    const int n = static_cast<int>(list.size());
    table.SetRowCount(0);
    table.SetRowCount(n + 2);
    FillCategoryHeader(table);
    for (int i = 0; i < n; ++i)
        FillCategoryRow(table, i + 1, list[Index(i)]);
}

std::vector<TCategory> ReadCategoryTable(const TOptionTable& table) {
    std::vector<TCategory> out;
    for (int r = 1; r <= table.RowCount() - 2; ++r) {
        TCategory c;
        c.Name = table.Text(kCategoryNameCol, r);
        c.Percent = table.Number(kCategoryPercentCol, r);
        c.DropLowest = table.Text(kCategoryDropCol, r) == kYes;
        out.push_back(std::move(c));
    }
    return out;
}

double CategoryTotal(const TOptionTable& table) {
    // The rows that are stored: a percentage typed into the nameless last row is no category
    // and must not count. A name there is one (the grid is about to add its spare row), as
    // CategoryChoices offers it.
    double sum = 0;
    for (int r = 1; r <= table.RowCount() - 2; ++r)
        sum += table.Number(kCategoryPercentCol, r);
    const int last = table.LastRow();
    if (last >= 1 && !IsBlank(table.Text(kCategoryNameCol, last)))
        sum += table.Number(kCategoryPercentCol, last);
    return sum;
}

std::string TotalText(double total) {
    return " " + FormatSignificant(total, 4);
}

std::vector<std::string> CategoryChoices(const TOptionTable& table) {
    std::vector<std::string> names;
    for (int r = 1; r <= table.RowCount() - 2; ++r)
        names.push_back(table.Text(kCategoryNameCol, r));
    const int last = table.LastRow();
    if (last >= 1 && !IsBlank(table.Text(kCategoryNameCol, last)))
        names.push_back(table.Text(kCategoryNameCol, last));
    return names;
}

std::string CategoryDeleteQuestion(const TOptionTable& table, int row) {
    if (table.RowCount() <= 2 || row < 1 || row >= table.LastRow()) return {};
    return FormatMessage("Delete Category - %1", {table.Text(kCategoryNameCol, row)});
}

// --- numbers ---

std::string FormatSignificant(double value, int digitsWanted) {
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
    if (value == 0) return "0";
    const size_t want = Index(std::clamp(digitsWanted, 1, 15));
    // The shortest decimal form that reads back as the same double.
    char buf[64];
    auto res =
        std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific);
    std::string_view s(buf, static_cast<size_t>(res.ptr - buf));
    const size_t e = s.find('e');
    std::string all;
    for (size_t i = 0; i < e; ++i)
        if (s[i] >= '0' && s[i] <= '9') all.push_back(s[i]);
    int exp = 0;
    std::from_chars(s.data() + e + 1 + (s[e + 1] == '+' ? 1 : 0), s.data() + s.size(), exp);

    // Round half away from zero on those digits.
    std::string digits = all.substr(0, want);
    if (all.size() > want && all[want] >= '5') {
        int i = static_cast<int>(digits.size()) - 1;
        while (i >= 0 && digits[Index(i)] == '9')
            digits[Index(i--)] = '0';
        if (i >= 0) {
            ++digits[Index(i)];
        } else {
            digits.insert(digits.begin(), '1');
            digits.pop_back();
            ++exp;
        }
    }
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out = value < 0 ? "-" : "";
    if (exp < static_cast<int>(want) && exp >= -5) {
        if (exp < 0) {
            out += "0.";
            out.append(Index(-exp - 1), '0');
            out += digits;
        } else {
            const size_t whole = Index(exp + 1);
            std::string intPart = digits.substr(0, std::min(digits.size(), whole));
            intPart.append(whole - intPart.size(), '0');
            out += intPart;
            if (digits.size() > whole) out += "." + digits.substr(whole);
        }
    } else {
        out += digits[0];
        if (digits.size() > 1) out += "." + digits.substr(1);
        out += "E" + std::to_string(exp);
    }
    return out;
}

// --- key filters ---

std::string FilterPercentText(std::string_view text) {
    std::string out;
    for (char ch : text) {
        if ((ch >= '0' && ch <= '9') || ch == '.')
            out.push_back(ch);
        else if (ch == ',')
            out.push_back('.');
    }
    return out;
}

namespace {

char32_t LowerAscii(char32_t c) {
    return c >= U'A' && c <= U'Z' ? c - U'A' + U'a' : c;
}

} // namespace

std::string DropLowestAfterKey(std::string_view current, char32_t key, char32_t yesKey) {
    if (yesKey != 0 && yesKey != U' ' && LowerAscii(key) == LowerAscii(yesKey)) return kYes;
    switch (key) {
    case U'Y':
    case U'y':
    case U'T':
    case U't':
        return kYes;
    case U' ':
        return ToggleDropLowest(current);
    default:
        return {};
    }
}

std::string DropLowestFromText(std::string_view text, char32_t yesKey) {
    std::string_view t = TrimBlanks(text);
    if (t.empty()) return {};
    return DropLowestAfterKey({}, static_cast<unsigned char>(t.front()), yesKey);
}

const std::string& DropLowestWord() {
    return kYes;
}

std::string ToggleDropLowest(std::string_view current) {
    return current == kYes ? std::string() : kYes;
}

// --- remapping ---

void RemapAfterCategoryDelete(std::vector<TGrade>& grades, int k) {
    for (TGrade& g : grades) {
        if (g.CategoryIndex == k)
            g.CategoryIndex = 0;
        else if (g.CategoryIndex > k)
            --g.CategoryIndex;
    }
}

void ResetCategoryIndexes(std::vector<TGrade>& grades) {
    for (TGrade& g : grades)
        g.CategoryIndex = 0;
}

void ClampCategoryIndexes(std::vector<TGrade>& grades, int count) {
    for (TGrade& g : grades)
        if (g.CategoryIndex >= count) g.CategoryIndex = 0;
}

// --- the letter grids ---

namespace {

int NumberCol(TLetterGrid which) {
    return which == TLetterGrid::LettersToNumbers ? 1 : 0;
}
int LetterCol(TLetterGrid which) {
    return which == TLetterGrid::LettersToNumbers ? 0 : 1;
}

} // namespace

TOptionTable MakeLetterTable(TLetterGrid which) {
    TOptionTable t(2);
    FillLetterTable(t, which, TRealList{});
    return t;
}

void FillLetterTable(TOptionTable& table, TLetterGrid which, const TRealList& list) {
    table.SetRowCount(0);
    table.SetRowCount(list.Count() + 2);
    table.SetText(LetterCol(which), 0, "Letters");
    table.SetText(NumberCol(which), 0, "Numbers");
    for (int i = 0; i < list.Count(); ++i) {
        table.SetText(NumberCol(which), i + 1, list.ValueText(i));
        table.SetText(LetterCol(which), i + 1, list.Text(i));
    }
}

TRealList ReadLetterTable(const TOptionTable& table, TLetterGrid which) {
    TRealList list;
    for (int r = 1; r < table.RowCount(); ++r) {
        if (IsBlank(table.Text(0, r))) continue;
        list.Add(table.Text(LetterCol(which), r), ParseNumber(table.Text(NumberCol(which), r)));
    }
    if (which == TLetterGrid::NumbersToLetters)
        list.SortByValue();
    else
        list.SortByText();
    return list;
}

bool SortLetterTable(TOptionTable& table, TLetterGrid which) {
    if (table.RowCount() < 4) return false;
    TRealList list = ReadLetterTable(table, which);
    list.SortByValue();
    FillLetterTable(table, which, list);
    return true;
}

std::string LetterDeleteQuestion(const TOptionTable& table, TLetterGrid which, int row) {
    if (row < 1 || row >= table.LastRow()) return {};
    return FormatMessage(which == TLetterGrid::NumbersToLetters ? "Delete Number %1 to Letter %2"
                                                                : "Delete Letter %1 to Number %2",
                         {table.Text(0, row), table.Text(1, row)});
}

std::string LetterNewQuestion(TLetterGrid which) {
    return which == TLetterGrid::NumbersToLetters ? "Discard Number to Letter table"
                                                  : "Discard Letter to Number table";
}

std::string ReservedLetterRefusal(const TRealList& before, const TRealList& after) {
    for (int i = 0; i < after.Count(); ++i) {
        const std::string& letter = after.Text(i);
        if (!IsReservedEntryWord(letter)) continue;
        bool kept = false;
        for (int j = 0; j < before.Count() && !kept; ++j)
            kept = NormalizeLetter(before.Text(j)) == NormalizeLetter(letter);
        if (!kept)
            return FormatMessage("\"%1\" cannot be a letter: EX excuses a student, M and MI mark "
                                 "missing work and L late work",
                                 {NormalizeLetter(letter)});
    }
    return {};
}

std::optional<double> MissingPercentFromText(std::string_view text) {
    auto v = ConvertNumber(TrimBlanks(text));
    if (!v || !(*v >= 0 && *v <= 100)) return std::nullopt;
    return *v;
}

// --- the Weights page ---

std::string GradeChoiceText(const TGradebook& gb, int column) {
    std::string name(gb.Cell(column, 1));
    if (!IsBlank(name)) return name;
    return FormatMessage("(unnamed, column %1)", {std::to_string(column - 1)});
}

} // namespace marklow

#include "check.h"

#include "averages.h"
#include "entry.h"
#include "extra_credit.h"
#include "gradebook.h"
#include "messages.h"
#include "text.h"
#include "work_policy.h"

#include <cmath>
#include <functional>
#include <unordered_map>

namespace marklow {

namespace {

// The index the averages use for a grade's category: -1 and anything outside the list mean
// category 0.
int CategorySlot(const TCategoryList& list, int32_t index) {
    return index >= 0 && index < list.Count() ? index : 0;
}

class TFindingSink {
public:
    explicit TFindingSink(TCheckResult& result) : result_(result) {}
    void Add(TCheckMessage message, uint8_t kind, int32_t x, int32_t y) {
        result_.Findings.push_back({message, {kind, x, y}});
        Count(message, 1);
    }
    void Count(TCheckMessage message, int64_t n) {
        if (IsError(message))
            result_.Errors += n;
        else
            result_.Warnings += n;
    }

private:
    TCheckResult& result_;
};

void CheckGrades(const TGradebook& gb, TFindingSink& sink) {
    const TRegularWeights regular = RegularWeights(gb);
    for (int c = 2; c <= gb.LastGradeColumn(); ++c) {
        if (IsBlank(gb.Cell(c, 1)))
            sink.Add(TCheckMessage::BlankGradeName, TErrorFinder::Grade, c, 0);
        const TGrade* g = gb.GradeAt(c);
        if (!g) continue;
        // Negative values (and a NaN from a damaged file) cannot count either: reported as 0.
        const bool noPoints = !(g->Points > 0);
        if (gb.PointsAreWeights) {
            if (!g->ExtraCredit && noPoints)
                sink.Add(TCheckMessage::PointsZero, TErrorFinder::Grade, c, 0);
        } else {
            // Numeric entries of a grade out of 0 points cannot count, extra credit or not.
            if (noPoints) sink.Add(TCheckMessage::PointsZero, TErrorFinder::Grade, c, 0);
            if (!g->ExtraCredit && !(g->Weight > 0))
                sink.Add(TCheckMessage::WeightZero, TErrorFinder::Grade, c, 0);
        }
        if (g->ExtraCredit &&
            WeighsAsAWholeGrade(gb.WeightOf(*g), regular.Mean(gb.Categories, g->CategoryIndex)))
            sink.Add(TCheckMessage::HeavyExtraCredit, TErrorFinder::Grade, c, 0);
    }
}

void CheckStudents(const TGradebook& gb, TFindingSink& sink) {
    for (int r = 2; r <= gb.LastStudentRow(); ++r)
        if (IsBlank(gb.Cell(1, r)))
            sink.Add(TCheckMessage::BlankStudentName, TErrorFinder::Student, r, 0);
}

// The kind of each entry. Texts that do not start like a number are looked up in the letter
// table, and a class repeats a handful of them ("A", "B+", "abs"): each is read once.
class TEntryKinds {
public:
    TEntryKinds(const TRealList& letterToNumber, bool decimalComma)
        : letters_(letterToNumber), decimalComma_(decimalComma) {}
    TEntry Of(std::string_view text) {
        const char first = text.front();
        if ((first >= '0' && first <= '9') || first == '.' || first == '-' || first == '+')
            return ReadEntry(text, letters_, decimalComma_);
        auto it = seen_.find(text);
        if (it != seen_.end()) return it->second;
        TEntry entry = ReadEntry(text, letters_, decimalComma_);
        // Bounded: a class of all different texts is read entry by entry.
        if (seen_.size() < kMaxSeen) seen_.emplace(std::string(text), entry);
        return entry;
    }

private:
    static constexpr size_t kMaxSeen = 4096;
    struct THash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const { return std::hash<std::string_view>()(s); }
    };
    const TRealList& letters_;
    bool decimalComma_;
    std::unordered_map<std::string, TEntry, THash, std::equal_to<>> seen_;
};

// Reads the table row by row (the way it is stored) and lists the invalid entries column by
// column, rows in order within each column, as the window shows them.
void CheckEntries(const TGradebook& gb, TCheckResult& result, TFindingSink& sink) {
    const int grades = gb.GradeCount();
    const int students = gb.StudentCount();
    if (grades == 0 || students == 0) return;
    struct TCell {
        int32_t Column, Row;
    };
    std::vector<TCell> invalid, missing;
    const bool blankIsMissing = gb.Work.BlankIsMissing;
    std::vector<size_t> perColumn(static_cast<size_t>(grades) + 1, 0);
    int64_t blank = 0;
    TEntryKinds kinds(gb.LetterToNumber, gb.DecimalComma);
    // Columns where no entry of up to 1e300 can reach a percentage beyond a double, so that
    // only the rare huge numbers are worked out in full.
    std::vector<const TGrade*> grade(static_cast<size_t>(gb.ColCount()), nullptr);
    std::vector<char> pastDue(grade.size(), 0);
    for (int c = 2; c <= gb.LastGradeColumn(); ++c) {
        const TGrade* g = gb.GradeAt(c);
        grade[static_cast<size_t>(c)] = g;
        pastDue[static_cast<size_t>(c)] = blankIsMissing && PastDue(*g, gb.Today);
    }
    for (int r = 2; r <= gb.LastStudentRow(); ++r) {
        const TCellRow& cells = gb.RowCells(r);
        for (int c = 2; c <= gb.LastGradeColumn(); ++c) {
            std::string_view text = cells[static_cast<size_t>(c)];
            if (text.empty()) {
                ++blank;
                if (pastDue[static_cast<size_t>(c)]) missing.push_back({c, r});
                continue;
            }
            const TEntry entry = kinds.Of(text);
            if (entry.Kind == EntryKind::Blank) {
                ++blank;
                if (pastDue[static_cast<size_t>(c)]) missing.push_back({c, r});
            } else if (entry.Kind == EntryKind::Missing) {
                missing.push_back({c, r});
            } else if (entry.Kind == EntryKind::Invalid ||
                       PercentOverflows(*grade[static_cast<size_t>(c)], entry)) {
                invalid.push_back({c, r});
                ++perColumn[static_cast<size_t>(c - 1)];
            }
        }
    }
    result.GradeEntries = static_cast<int64_t>(grades) * students;
    result.BlankEntries = blank;
    // Counting sort by column; stable, so rows stay in order.
    for (size_t i = 1; i < perColumn.size(); ++i)
        perColumn[i] += perColumn[i - 1];
    const size_t first = result.Findings.size();
    result.Findings.resize(first + invalid.size());
    for (const TCell& cell : invalid) {
        size_t& slot = perColumn[static_cast<size_t>(cell.Column - 2)];
        result.Findings[first + slot++] = {TCheckMessage::InvalidEntry,
                                           {TErrorFinder::EntryCell, cell.Column, cell.Row}};
    }
    sink.Count(TCheckMessage::InvalidEntry, static_cast<int64_t>(invalid.size()));
    // Found row by row: each student's missing work together, in column order.
    for (const TCell& cell : missing)
        sink.Add(TCheckMessage::MissingWork, TErrorFinder::EntryCell, cell.Column, cell.Row);
}

// A letter an older file holds that is now a code: it keeps counting as the letter.
void CheckLetters(const TGradebook& gb, TFindingSink& sink) {
    for (int i = 0; i < gb.LetterToNumber.Count(); ++i)
        if (IsReservedEntryWord(gb.LetterToNumber.Text(i)))
            sink.Add(TCheckMessage::ReservedLetter, TErrorFinder::CategoryOnly, i, 0);
}

void CheckCategories(const TGradebook& gb, TFindingSink& sink) {
    const TCategoryList& list = gb.Categories;
    if (list.Count() == 0) return;
    TCategoryTallies tallies = TallyCategories(gb);
    // Percents such as 33.4 + 33.3 + 33.3 add up to 99.99999999999999 in doubles.
    if (!(std::fabs(tallies.TotalPercent - 100) <= 1e-9))
        sink.Add(TCheckMessage::PercentTotal, TErrorFinder::CategoryField, 0, 1);
    for (int i = 0; i < list.Count(); ++i) {
        const TCategory& k = list.Item(i);
        const TCategoryTally& t = tallies.Categories[static_cast<size_t>(i)];
        if (IsBlank(k.Name))
            sink.Add(TCheckMessage::BlankCategory, TErrorFinder::CategoryField, i, 0);
        if (k.Percent == 0)
            sink.Add(TCheckMessage::CategoryPercentZero, TErrorFinder::CategoryField, i, 1);
        if (t.Count == 0)
            sink.Add(TCheckMessage::CategoryWithoutGrades, TErrorFinder::CategoryOnly, i, 0);
        if (t.Count < 2 && k.DropLowest)
            sink.Add(TCheckMessage::DropNeedsTwo, TErrorFinder::CategoryField, i, 2);
        if (t.Count > 1 && k.DropLowest && t.UnequalWeights)
            sink.Add(TCheckMessage::UnequalDropWeights, TErrorFinder::CategoryOnly, i, 0);
    }
}

std::string TextAt(const TGradebook& gb, int c, int r) {
    if (c < 0 || c >= gb.ColCount() || r < 0 || r >= gb.RowCount()) return std::string();
    return std::string(gb.Cell(c, r));
}

std::string CategoryName(const TGradebook& gb, int i) {
    if (i < 0 || i >= gb.Categories.Count()) return std::string();
    return gb.Categories.Item(i).Name;
}

} // namespace

TCategoryTallies TallyCategories(const TGradebook& gb) {
    const TCategoryList& list = gb.Categories;
    TCategoryTallies t;
    const int n = list.CategoryCount();
    t.Categories.resize(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i)
        t.TotalPercent += list.Category(i).Percent;
    std::vector<double> lowest(static_cast<size_t>(n), 0);
    for (int c = 2; c <= gb.LastGradeColumn(); ++c) {
        const TGrade* g = gb.GradeAt(c);
        if (!g || g->ExtraCredit) continue;
        const double w = gb.WeightOf(*g);
        if (!(w > 0)) continue;
        const size_t k = static_cast<size_t>(CategorySlot(list, g->CategoryIndex));
        TCategoryTally& tally = t.Categories[k];
        if (list.Category(static_cast<int>(k)).DropLowest) {
            if (tally.Count == 0) {
                lowest[k] = w;
            } else if (w != lowest[k]) {
                tally.UnequalWeights = true;
                if (w < lowest[k]) lowest[k] = w;
            }
        }
        ++tally.Count;
    }
    return t;
}

TCheckResult RunCheck(const TGradebook& gb) {
    TCheckResult result;
    TFindingSink sink(result);
    CheckGrades(gb, sink);
    CheckStudents(gb, sink);
    CheckEntries(gb, result, sink);
    CheckCategories(gb, sink);
    CheckLetters(gb, sink);
    return result;
}

bool IsError(TCheckMessage message) {
    return message == TCheckMessage::InvalidEntry;
}

const char* SeverityText(TCheckMessage message) {
    return IsError(message) ? "Error" : "Warning";
}

std::string FindingText(const TGradebook& gb, const TFinding& finding) {
    const int x = finding.Finder.X;
    const int y = finding.Finder.Y;
    const std::string grade = TextAt(gb, x, 1);
    switch (finding.Message) {
    case TCheckMessage::BlankGradeName:
        return FormatMessage("Grade name number %1 is blank", {std::to_string(x - 1)});
    case TCheckMessage::PointsZero:
        return FormatMessage("Points for grade \"%1\" is zero or blank", {grade});
    case TCheckMessage::WeightZero:
        return FormatMessage("Weight for grade \"%1\" is zero or blank", {grade});
    case TCheckMessage::BlankStudentName:
        return FormatMessage("Student name number %1 is blank", {std::to_string(x - 1)});
    case TCheckMessage::PercentTotal:
        return "Percent of grade entries do not total 100";
    case TCheckMessage::InvalidEntry:
        return FormatMessage("Entry of \"%1\" for grade \"%2\" & student \"%3\" is invalid",
                             {TextAt(gb, x, y), grade, TextAt(gb, 1, y)});
    case TCheckMessage::BlankCategory:
        return FormatMessage("Category in row %1 is blank", {std::to_string(x + 1)});
    case TCheckMessage::CategoryPercentZero:
        return FormatMessage("Percent of grade for category \"%1\" is zero", {CategoryName(gb, x)});
    case TCheckMessage::CategoryWithoutGrades:
        return FormatMessage("Category \"%1\" has no grades assigned", {CategoryName(gb, x)});
    case TCheckMessage::DropNeedsTwo:
        return FormatMessage(
            "Category \"%1\" needs at least two grades assigned to drop the lowest",
            {CategoryName(gb, x)});
    case TCheckMessage::MissingWork:
        return FormatMessage("Student \"%1\" has missing work for grade \"%2\"",
                             {TextAt(gb, 1, y), grade});
    case TCheckMessage::ReservedLetter: {
        const std::string letter =
            x >= 0 && x < gb.LetterToNumber.Count() ? gb.LetterToNumber.Text(x) : std::string();
        return FormatMessage("Letter \"%1\" is also the code for excused, missing or late work; "
                             "entries of it count as the letter",
                             {letter});
    }
    case TCheckMessage::HeavyExtraCredit:
        return FormatMessage("Extra-credit grade \"%1\" weighs as much as a regular grade of its "
                             "category: a full score adds a whole grade to the average",
                             {grade});
    case TCheckMessage::UnequalDropWeights:
        return FormatMessage("Weights are not equal dropping this lowest in category \"%1\"",
                             {CategoryName(gb, x)});
    }
    return std::string();
}

int RepairCategoryIndexes(TGradebook& gb) {
    const int count = gb.Categories.CategoryCount();
    int repaired = 0;
    for (int c = 2; c <= gb.LastGradeColumn(); ++c) {
        TGrade* g = gb.GradeAt(c);
        // -1 means "none chosen"; below it, or at or past the end, the index points nowhere.
        if (g && (g->CategoryIndex >= count || g->CategoryIndex < -1)) {
            g->CategoryIndex = 0;
            ++repaired;
        }
    }
    return repaired;
}

} // namespace marklow

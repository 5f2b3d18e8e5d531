#include "clipboard_data.h"

#include "averages.h"
#include "entry.h"
#include "file_trailer.h"
#include "gradebook_file.h"
#include "messages.h"
#include "text.h"
#include "unicode_text.h"
#include "work_policy.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <unordered_map>

namespace marklow {

namespace {

int CategorySlot(const TCategoryList& list, int32_t index) {
    return index >= 0 && index < list.Count() ? index : 0;
}

// A field of the copied text: tabs and line breaks inside a name would split its row.
void AppendField(std::string& out, std::string_view text) {
    for (char ch : text)
        out += (ch == '\t' || ch == '\r' || ch == '\n') ? ' ' : ch;
}

} // namespace

std::vector<TFreshAverage> FreshStudentAverages(const TGradebook& gb) {
    // The weighted average of each student, step for step as StudentAverage computes it, with
    // the category work fields kept here instead of in the gradebook.
    const TCategoryList& list = gb.Categories;
    const int categories = list.CategoryCount();
    struct TColumn {
        const TGrade* Grade;
        size_t Cell; // the column's index in a row's cells
        size_t Category;
        double Weight;
    };
    std::vector<TColumn> cols;
    for (int c = 2; c <= gb.LastGradeColumn(); ++c) {
        const TGrade* g = gb.GradeAt(c);
        const double w = gb.WeightOf(*g);
        if (!(w > 0)) continue; // takes no part in any average
        cols.push_back({g, static_cast<size_t>(c),
                        static_cast<size_t>(CategorySlot(list, g->CategoryIndex)), w});
    }
    struct TSum {
        double WeightSum, WeightedSum;
        int Count;
        bool HasLowest;
        double LowestValue, LowestWeight;
    };
    std::vector<TSum> sums(static_cast<size_t>(categories));
    std::vector<TFreshAverage> result;
    result.reserve(static_cast<size_t>(gb.StudentCount()));
    for (int r = 2; r <= gb.LastStudentRow(); ++r) {
        std::fill(sums.begin(), sums.end(), TSum{0, 0, 0, false, 0, 0});
        const TCellRow& cells = gb.RowCells(r);
        for (const TColumn& col : cols) {
            TEntry e = ReadGradeEntry(gb, *col.Grade, cells[col.Cell]);
            if (e.Kind == EntryKind::Blank) continue;
            auto pct = EntryPercent(*col.Grade, e);
            if (!pct) continue;
            TSum& k = sums[col.Category];
            if (!col.Grade->ExtraCredit) {
                if (list.Category(static_cast<int>(col.Category)).DropLowest &&
                    (!k.HasLowest || k.LowestValue > *pct)) {
                    k.HasLowest = true;
                    k.LowestValue = *pct;
                    k.LowestWeight = col.Weight;
                }
                ++k.Count;
                k.WeightSum += col.Weight;
            }
            k.WeightedSum += col.Weight * *pct;
        }
        TFreshAverage a;
        double total = 0;
        bool overflow = false;
        for (int i = 0; i < categories; ++i) {
            TSum& k = sums[static_cast<size_t>(i)];
            const TCategory& cat = list.Category(i);
            if (cat.DropLowest && k.Count > 1) {
                k.WeightSum -= k.LowestWeight;
                k.WeightedSum -= k.LowestWeight * k.LowestValue;
            }
            if (k.Count > 0) {
                overflow |= !std::isfinite(k.WeightSum) || !std::isfinite(k.WeightedSum);
                a.Average += k.WeightedSum * cat.Percent / k.WeightSum;
                total += cat.Percent;
            }
        }
        overflow |= !std::isfinite(total);
        if (total > 0) {
            a.Average /= total;
            a.HasAverage = true;
        } else {
            a.Average = 0;
        }
        if (overflow || (a.HasAverage && !std::isfinite(a.Average))) {
            // As StudentAverage does: the row again, its sums in a wider type.
            std::vector<TWideTerm> terms;
            for (const TColumn& col : cols) {
                auto pct =
                    EntryPercent(*col.Grade, ReadGradeEntry(gb, *col.Grade, cells[col.Cell]));
                if (pct) terms.push_back({col.Category, col.Weight, *pct, col.Grade->ExtraCredit});
            }
            auto wide = WideStudentAverage(list, terms);
            a.HasAverage = wide.has_value();
            a.Average = wide.value_or(0);
        }
        result.push_back(a);
    }
    return result;
}

std::optional<TClipboardCopy> BuildClipboardCopy(const TGradebook& gb, TClipboardFormat format) {
    if (gb.StudentCount() == 0) return std::nullopt;
    TClipboardCopy copy;
    if (gb.StudentCount() > kMaxClipboardStudents) {
        copy.Error = FormatMessage(
            "The class has %1 students; a copy can carry at most %2. Nothing was copied.",
            {std::to_string(gb.StudentCount()), std::to_string(kMaxClipboardStudents)});
        return copy;
    }
    const bool averages = format == TClipboardFormat::Averages;
    std::vector<TFreshAverage> fresh;
    if (averages) fresh = FreshStudentAverages(gb);

    TWholeTexts whole, logins;
    TLostTexts lost(&whole);
    TByteWriter out(copy.Block);
    out.UInt16(static_cast<uint16_t>(gb.LastStudentRow()));
    copy.Text = averages ? "Name\tID\tAverage\tLetter\n" : "Name\tID\n";
    TStudent record;
    for (int r = 2; r <= gb.LastStudentRow(); ++r) {
        const TStudent& s = *gb.StudentAt(r);
        record.Name = gb.Cell(1, r);
        record.ID = s.ID;
        record.Notes = s.Notes;
        record.UserOrder = s.UserOrder;
        const auto index = static_cast<uint32_t>(r - 2);
        if (!s.Login.empty()) logins.Add(TTextPlace::StudentLogin, index, 0, s.Login);
        lost.At(index);
        if (averages) {
            const TFreshAverage& a = fresh[static_cast<size_t>(r - 2)];
            record.HasAverage = a.HasAverage;
            record.Average = a.Average;
        } else {
            record.HasAverage = s.HasAverage;
            record.Average = s.Average;
        }
        WriteStudentWithAverage(out, record, &lost);

        AppendField(copy.Text, record.Name);
        copy.Text += '\t';
        AppendField(copy.Text, record.ID);
        if (averages) {
            const bool shown = record.HasAverage && std::isfinite(record.Average);
            copy.Text += '\t';
            // Exact, as the block holds it: a spreadsheet rounds for itself.
            if (shown) copy.Text += ExactPlainNumberText(record.Average);
            copy.Text += '\t';
            if (shown) AppendField(copy.Text, LetterOf(gb.NumberToLetter, record.Average));
        }
        copy.Text += '\n';
    }
    // A reader of the block takes `count` records; the exact texts follow them.
    AppendTrailer(out, {{std::string(kTextSectionTag), whole.TakePayload()},
                        {std::string(kStudentSectionTag), logins.TakePayload()}});
    copy.LostTexts = lost.Texts();
    return copy;
}

std::string LostTextsMessage(const std::vector<std::string>& texts) {
    std::string list;
    for (const std::string& t : texts)
        list += (list.empty() ? "" : "\n") + t;
    return FormatMessage("These texts hold characters that the clipboard's class list cannot "
                         "carry; they were copied with \"?\" in their place:\n%1",
                         {list});
}

TPlainTextNames ReadPlainTextNames(std::string_view text) {
    TPlainTextNames result;
    size_t at = 0;
    while (at <= text.size()) {
        size_t end = text.find_first_of("\r\n", at);
        std::string_view line =
            text.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at);
        size_t tab = line.find('\t');
        // Cut here, before anything is inserted: a name holds what a file keeps of it.
        std::string name = CleanPastedName(line.substr(0, tab), kMaxNameBytes);
        if (!name.empty()) result.Names.push_back(std::move(name));
        if (end == std::string_view::npos) break;
        result.HasLineBreak = true;
        at = end + 1;
        if (text[end] == '\r' && at < text.size() && text[at] == '\n') ++at;
    }
    return result;
}

std::string NormalizedName(std::string_view name) {
    return NameMatchKey(name);
}

namespace {

// Finds the row of a record: by ID first, then by normalised name. Each map keeps the first
// row that has its key.
class TRowMatcher {
public:
    void Add(int row, std::string_view nameCell, std::string_view id) {
        std::string name = NormalizedName(nameCell);
        std::string_view trimmedId = TrimBlanks(id);
        if (trimmedId.empty())
            byNameNoId_.try_emplace(name, row);
        else
            byId_.try_emplace(std::string(trimmedId), row);
        byName_.try_emplace(std::move(name), row);
    }

    // 0 when no row matches.
    int Find(std::string_view id, std::string_view name) const {
        std::string key = NormalizedName(name);
        std::string_view trimmedId = TrimBlanks(id);
        if (trimmedId.empty()) return Lookup(byName_, key);
        if (int row = Lookup(byId_, std::string(trimmedId))) return row;
        // Another ID on a row with the same name is another student.
        return Lookup(byNameNoId_, key);
    }

    void Reserve(size_t n) {
        byName_.reserve(n);
        byNameNoId_.reserve(n);
        byId_.reserve(n);
    }

private:
    using TMap = std::unordered_map<std::string, int>;
    static int Lookup(const TMap& map, const std::string& key) {
        auto it = map.find(key);
        return it == map.end() ? 0 : it->second;
    }
    TMap byId_, byName_, byNameNoId_;
};

TGrade AveragesGrade(const TGradebook& gb) {
    TGrade g = *gb.NewGrade();
    // The pasted averages are percentages: out of 100 points, never curved.
    g.Points = 100;
    g.Curve = false;
    g.CurveAmount = 0;
    g.Notes = kAveragesGradeNotes;
    g.Name = kAveragesGradeName;
    return g;
}

} // namespace

TPastePlan PlanPaste(const TGradebook& gb, TClipboardFormat format,
                     const std::vector<TStudent>& records, bool complete) {
    TPastePlan plan;
    plan.FirstNewRow = gb.LastStudentRow() + 1;
    const bool averages = format == TClipboardFormat::Averages;
    if (averages) {
        plan.AveragesGrade = AveragesGrade(gb);
        plan.AveragesColumn = gb.LastGradeColumn() + 1;
    }
    if (!complete) plan.Error = TFileReadError().what();

    TRowMatcher matcher;
    matcher.Reserve(static_cast<size_t>(gb.StudentCount()) + records.size());
    for (int r = 2; r <= gb.LastStudentRow(); ++r)
        matcher.Add(r, gb.Cell(1, r), gb.StudentAt(r)->ID);

    // Where each row's average went in AverageCells, so a row written twice keeps the last.
    std::vector<int> cellIndex;
    if (averages) cellIndex.assign(static_cast<size_t>(plan.FirstNewRow) + records.size(), -1);
    for (const TStudent& record : records) {
        int row = matcher.Find(record.ID, record.Name);
        if (row == 0) {
            row = plan.FirstNewRow + static_cast<int>(plan.NewStudents.size());
            TStudent added;
            CopyStudent(added, record);
            plan.NewStudents.push_back(std::move(added));
            matcher.Add(row, record.Name, record.ID);
        }
        // An average that is no number (a damaged block) is not pasted. The text is the
        // exact value, so averages built on pasted ones do not drift.
        if (!averages || !record.HasAverage || !std::isfinite(record.Average)) continue;
        int& at = cellIndex[static_cast<size_t>(row)];
        if (at < 0) {
            at = static_cast<int>(plan.AverageCells.size());
            plan.AverageCells.emplace_back(row, ExactNumberText(record.Average));
        } else {
            plan.AverageCells[static_cast<size_t>(at)].second = ExactNumberText(record.Average);
        }
    }
    return plan;
}

TPastePlan PlanNamesPaste(const TGradebook& gb, const std::vector<std::string>& names) {
    std::vector<TStudent> records(names.size());
    for (size_t i = 0; i < names.size(); ++i)
        records[i].Name = names[i];
    return PlanPaste(gb, TClipboardFormat::Students, records);
}

void ApplyPaste(TGradebook& gb, const TPastePlan& plan) {
    if (plan.FirstNewRow != gb.LastStudentRow() + 1 || plan.FirstNewRow > gb.RowCount() ||
        (plan.AveragesGrade &&
         (plan.AveragesColumn != gb.LastGradeColumn() + 1 || plan.AveragesColumn > gb.ColCount())))
        throw std::logic_error("The paste was planned for another shape of the table");
    const int col = plan.AveragesColumn;
    if (plan.AveragesGrade) {
        gb.InsertColumn(col);
        gb.AttachGrade(col, std::make_unique<TGrade>(*plan.AveragesGrade));
        gb.SetCell(col, 1, kAveragesGradeName);
    }
    for (size_t i = 0; i < plan.NewStudents.size(); ++i) {
        const int r = plan.FirstNewRow + static_cast<int>(i);
        gb.InsertRow(r);
        auto s = gb.NewStudent();
        CopyStudent(*s, plan.NewStudents[i]);
        gb.AttachStudent(r, std::move(s));
        gb.SetCell(1, r, plan.NewStudents[i].Name);
    }
    for (const auto& [row, text] : plan.AverageCells)
        gb.SetCell(col, row, text);
}

void RevertPaste(TGradebook& gb, const TPastePlan& plan) {
    const int added = static_cast<int>(plan.NewStudents.size());
    if (gb.LastStudentRow() != plan.FirstNewRow - 1 + added ||
        (plan.AveragesGrade && gb.LastGradeColumn() != plan.AveragesColumn))
        throw std::logic_error("The paste to take back is not the last change of the table");
    // From the bottom up, so each removal shifts only the spare row.
    for (int i = added - 1; i >= 0; --i)
        gb.DeleteRow(plan.FirstNewRow + i);
    if (plan.AveragesGrade) gb.DeleteColumn(plan.AveragesColumn);
}

} // namespace marklow

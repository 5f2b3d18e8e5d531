#include "progress_detail.h"

#include "averages.h"
#include "gradebook.h"
#include "lms_export.h"
#include "text.h"
#include "work_policy.h"

#include <cmath>

namespace marklow {

namespace {

int CategorySlot(const TCategoryList& list, int32_t index) {
    return index >= 0 && index < list.Count() ? index : 0;
}

} // namespace

TStudentBreakdown BreakDownStudent(const TGradebook& gb, int r) {
    // StudentAverage step for step, with the category work fields kept here.
    const TCategoryList& list = gb.Categories;
    struct TSum {
        double WeightSum = 0, WeightedSum = 0;
        int Count = 0;
        int Lowest = 0; // column
        double LowestValue = 0, LowestWeight = 0;
    };
    std::vector<TSum> sums(static_cast<size_t>(list.CategoryCount()));
    std::vector<TWideTerm> terms;
    TStudentBreakdown b;
    b.Categories.resize(sums.size());
    if (gb.GradeCount() == 0) return b;
    const TCellRow& cells = gb.RowCells(r);
    for (int c = 2; c <= gb.LastGradeColumn(); ++c) {
        const TGrade& g = *gb.GradeAt(c);
        const double w = gb.WeightOf(g);
        if (!(w > 0)) continue;
        TEntry e = ReadGradeEntry(gb, g, cells[static_cast<size_t>(c)]);
        if (e.Kind == EntryKind::Blank) continue;
        auto pct = EntryPercent(g, e);
        if (!pct) continue;
        const size_t slot = static_cast<size_t>(CategorySlot(list, g.CategoryIndex));
        terms.push_back({slot, w, *pct, g.ExtraCredit});
        TSum& k = sums[slot];
        if (!g.ExtraCredit) {
            if (list.Category(static_cast<int>(slot)).DropLowest &&
                (!k.Lowest || k.LowestValue > *pct)) {
                k.Lowest = c;
                k.LowestValue = *pct;
                k.LowestWeight = w;
            }
            ++k.Count;
            k.WeightSum += w;
        }
        k.WeightedSum += w * *pct;
    }
    double total = 0;
    bool overflow = false;
    for (size_t i = 0; i < sums.size(); ++i) {
        TSum& k = sums[i];
        const TCategory& cat = list.Category(static_cast<int>(i));
        TCategoryResult& out = b.Categories[i];
        if (cat.DropLowest && k.Count > 1) {
            k.WeightSum -= k.LowestWeight;
            k.WeightedSum -= k.LowestWeight * k.LowestValue;
            out.DroppedColumn = k.Lowest;
        }
        if (k.Count > 0) {
            overflow |= !std::isfinite(k.WeightSum) || !std::isfinite(k.WeightedSum);
            out.Counts = true;
            out.Average = k.WeightedSum / k.WeightSum;
            b.Average += k.WeightedSum * cat.Percent / k.WeightSum;
            total += cat.Percent;
        }
    }
    overflow |= !std::isfinite(total);
    if (total > 0) {
        b.Average /= total;
        b.HasAverage = true;
    } else {
        b.Average = 0;
    }
    if (overflow || (b.HasAverage && !std::isfinite(b.Average))) {
        // As StudentAverage does: the sums again in a wider type.
        auto wide = WideStudentAverage(list, terms);
        b.HasAverage = wide.has_value();
        b.Average = wide.value_or(0);
    }
    return b;
}

std::vector<std::optional<double>> ClassCategoryAverages(const TGradebook& gb) {
    const size_t n = static_cast<size_t>(gb.Categories.CategoryCount());
    std::vector<long double> sum(n, 0);
    std::vector<int> count(n, 0);
    for (int r = 2; r <= gb.LastStudentRow(); ++r) {
        TStudentBreakdown b = BreakDownStudent(gb, r);
        for (size_t i = 0; i < n; ++i) {
            const TCategoryResult& k = b.Categories[i];
            if (!k.Counts || !std::isfinite(k.Average)) continue;
            sum[i] += k.Average;
            ++count[i];
        }
    }
    std::vector<std::optional<double>> result(n);
    for (size_t i = 0; i < n; ++i)
        if (count[i] > 0) result[i] = static_cast<double>(sum[i] / count[i]);
    return result;
}

std::string EntryComment(std::string_view entry) {
    const size_t blank = entry.find(' ');
    if (blank == std::string_view::npos) return {};
    return std::string(TrimBlanks(entry.substr(blank + 1)));
}

TProgressDetail MakeProgressDetail(const TGradebook& gb, int r, int lastGrade,
                                   const std::vector<std::optional<double>>& classCategories) {
    const TCategoryList& list = gb.Categories;
    const TStudent& s = *gb.StudentAt(r);
    TProgressDetail d;
    d.Row = r;
    d.Name = gb.Cell(1, r);
    d.ID = s.ID;
    // Earlier roster imports put the login or e-mail in the notes: a note that is nothing but
    // that is no comment of the teacher's.
    const std::string_view note = TrimBlanks(s.Notes);
    const bool onlyLogin = !note.empty() && ((!s.Login.empty() && note == TrimBlanks(s.Login)) ||
                                             EmailInNotes(note) == note);
    if (!onlyLogin) d.Notes = s.Notes;
    d.HasInvalidEntry = s.HasInvalidEntry;
    if (s.HasAverage) {
        d.Average = s.Average;
        d.Letter = LetterOf(gb.NumberToLetter, s.Average);
    }
    const TStudentBreakdown b = BreakDownStudent(gb, r);
    double totalPercent = 0;
    for (int i = 0; i < list.CategoryCount(); ++i)
        totalPercent += list.Category(i).Percent;

    // Categories in list order, each holding its grades in column order.
    std::vector<TDetailCategory> all(static_cast<size_t>(list.CategoryCount()));
    for (size_t i = 0; i < all.size(); ++i) {
        const TCategory& cat = list.Category(static_cast<int>(i));
        TDetailCategory& k = all[i];
        k.Slot = static_cast<int>(i);
        k.Name = cat.Name;
        k.Percent = cat.Percent;
        k.Share = totalPercent != 0 ? cat.Percent * 100 / totalPercent : 0;
        k.DropLowest = cat.DropLowest;
        const TCategoryResult& res = b.Categories[i];
        if (res.Counts && std::isfinite(res.Average)) k.StudentAverage = res.Average;
        if (i < classCategories.size()) k.ClassAverage = classCategories[i];
    }
    const int last = std::min(lastGrade, gb.LastGradeColumn());
    for (int c = 2; c <= last; ++c) {
        const TGrade& g = *gb.GradeAt(c);
        const size_t slot = static_cast<size_t>(CategorySlot(list, g.CategoryIndex));
        const std::string_view text = gb.Cell(c, r);
        TDetailGrade dg;
        dg.Column = c;
        dg.Name = gb.Cell(c, 1);
        dg.Date = g.Date;
        dg.Points = g.Points;
        dg.ExtraCredit = g.ExtraCredit;
        dg.Counted = gb.WeightOf(g) > 0;
        dg.Dropped = b.Categories[slot].DroppedColumn == c;
        if (g.HasClassAverage) dg.ClassAverage = g.ClassAverage;
        const TEntry e = ReadGradeEntry(gb, g, text);
        dg.Kind = e.Kind;
        if (e.Kind == EntryKind::Number || e.Kind == EntryKind::Letter ||
            e.Kind == EntryKind::Missing) {
            dg.Percent = EntryPercent(g, e);
            // Without a percentage (out of 0 points, beyond a double) the averages judge the
            // entry invalid, and so does the report.
            if (!dg.Percent) dg.Kind = EntryKind::Invalid;
        }
        if (dg.Kind == EntryKind::Invalid) {
            dg.Score = text;
            dg.Percent.reset();
        } else if (dg.Kind != EntryKind::Blank) {
            // A blank counted as missing has no score of its own.
            if (!e.FromBlank) dg.Score = EntryCore(text);
            dg.Comment = EntryComment(text);
            dg.Curved = g.Curve && e.Curve && g.CurveAmount != 0;
            dg.CurveAmount = dg.Curved ? g.CurveAmount : 0;
            // Extra points are no grade of their own: no letter for them.
            if (dg.Percent && !g.ExtraCredit) dg.Letter = LetterOf(gb.NumberToLetter, *dg.Percent);
        }
        all[slot].Grades.push_back(std::move(dg));
    }
    for (TDetailCategory& k : all)
        if (!k.Grades.empty()) d.Categories.push_back(std::move(k));
    return d;
}

} // namespace marklow

#include "averages.h"

#include "entry.h"
#include "gradebook.h"
#include "text.h"
#include "work_policy.h"

#include <cmath>
#include <vector>

namespace marklow {

namespace {

// Points as a percentage of the grade's points. Out of 100 points they are the percentage
// itself: x * 100 / 100 is not always x, and a pasted average must count as it was copied.
double PointsPercent(double points, double outOf) {
    if (outOf == 100) return points;
    const double pct = points * 100 / outOf;
    // 1e308 out of 1e308 is 100 percent, though 1e308 * 100 is beyond a double.
    return std::isfinite(pct) ? pct : points / outOf * 100;
}

// The percentage before the test that a double holds it; nothing for blanks, invalid entries
// and numbers in a grade out of 0 points.
std::optional<double> RawPercent(const TGrade& g, const TEntry& entry) {
    double pct;
    if (entry.Kind == EntryKind::Number) {
        // A grade out of 0 points cannot turn points into a percentage.
        if (g.Points == 0) return std::nullopt;
        pct = PointsPercent(entry.Value, g.Points);
    } else if (entry.Kind == EntryKind::Letter) {
        pct = entry.Value;
    } else if (entry.Kind == EntryKind::Missing) {
        return entry.Value; // the missing score, never curved
    } else {
        return std::nullopt;
    }
    if (g.Curve && entry.Curve && g.Points != 0) pct += PointsPercent(g.CurveAmount, g.Points);
    return pct;
}

} // namespace

std::optional<double> EntryPercent(const TGrade& g, const TEntry& entry) {
    auto pct = RawPercent(g, entry);
    if (pct && !(std::fabs(*pct) <= kMaxEntryPercent)) return std::nullopt;
    return pct;
}

bool PercentOverflows(const TGrade& g, const TEntry& entry) {
    auto pct = RawPercent(g, entry);
    return pct && !(std::fabs(*pct) <= kMaxEntryPercent);
}

std::optional<double> EntryPoints(const TGrade& g, const TEntry& entry) {
    if (g.Points == 0 || !EntryPercent(g, entry)) return std::nullopt;
    // Straight from the entry rather than back from the percentage, so 17.3 stays 17.3.
    double points = entry.Value;
    if (entry.Kind == EntryKind::Missing) {
        points = entry.Value * g.Points / 100;
        return std::isfinite(points) ? std::optional<double>(points) : std::nullopt;
    }
    if (entry.Kind == EntryKind::Letter && g.Points != 100) points = entry.Value * g.Points / 100;
    if (g.Curve && entry.Curve) points += g.CurveAmount;
    if (!std::isfinite(points)) return std::nullopt;
    return points;
}

std::optional<double> WideStudentAverage(const TCategoryList& list,
                                         const std::vector<TWideTerm>& terms) {
    // The double sums' steps, each in long double, whose range holds any sum of products of
    // doubles; only the result must fit a double again.
    struct TSums {
        long double WeightSum = 0, WeightedSum = 0;
        int Count = 0;
        const TWideTerm* Lowest = nullptr;
    };
    std::vector<TSums> sums(static_cast<size_t>(list.CategoryCount()));
    for (const TWideTerm& t : terms) {
        TSums& k = sums[t.Category];
        if (!t.ExtraCredit) {
            if (list.Category(static_cast<int>(t.Category)).DropLowest &&
                (!k.Lowest || k.Lowest->Percent > t.Percent))
                k.Lowest = &t;
            ++k.Count;
            k.WeightSum += t.Weight;
        }
        k.WeightedSum += static_cast<long double>(t.Weight) * t.Percent;
    }
    long double average = 0, total = 0;
    for (size_t i = 0; i < sums.size(); ++i) {
        TSums& k = sums[i];
        const TCategory& cat = list.Category(static_cast<int>(i));
        if (cat.DropLowest && k.Count > 1) {
            k.WeightSum -= k.Lowest->Weight;
            k.WeightedSum -= static_cast<long double>(k.Lowest->Weight) * k.Lowest->Percent;
        }
        if (k.Count > 0) {
            average += k.WeightedSum * cat.Percent / k.WeightSum;
            total += cat.Percent;
        }
    }
    if (!(total > 0)) return std::nullopt;
    const double result = static_cast<double>(average / total);
    if (!std::isfinite(result)) return std::nullopt;
    return result;
}

std::string AverageText(const TGradebook& gb, bool invalid, bool hasAverage, double average) {
    std::string text = invalid ? "*" : "";
    if (hasAverage) {
        text += FormatNumber(average);
        if (gb.ShowLetters) text += "=" + LetterOf(gb.NumberToLetter, average);
    }
    return text;
}

namespace {

// What a column contributes, looked up once per pass instead of once per cell.
struct ColumnInfo {
    TGrade* grade;
    TCategory* category;
    double weight;
};

std::vector<ColumnInfo> Columns(TGradebook& gb) {
    std::vector<ColumnInfo> cols;
    cols.reserve(static_cast<size_t>(gb.GradeCount()));
    for (int c = 2; c <= gb.LastGradeColumn(); ++c) {
        TGrade* g = gb.GradeAt(c);
        cols.push_back({g, &gb.Categories.Category(g->CategoryIndex), gb.WeightOf(*g)});
    }
    return cols;
}

void ResetCategories(TGradebook& gb) {
    for (int i = 0; i < gb.Categories.CategoryCount(); ++i) {
        TCategory& k = gb.Categories.Category(i);
        k.WeightSum = k.WeightedSum = 0;
        k.Count = 0;
        k.Lowest = nullptr;
        k.UnequalWeights = false;
    }
    gb.Categories.TotalPercent = 0;
}

// Per-student state of the weighted average, fed one column at a time.
struct StudentPass {
    TGradebook& gb;
    TStudent& s;

    void Begin() {
        ResetCategories(gb);
        s.Average = 0;
        s.HasAverage = false;
        s.HasInvalidEntry = false;
    }

    void Add(const ColumnInfo& col, const TEntry& e) {
        TGrade& g = *col.grade;
        g.InStudentAverage = false;
        // Excused work counts neither points earned nor points possible.
        if (e.Kind == EntryKind::Blank || e.Kind == EntryKind::Excused) return;
        auto pct = EntryPercent(g, e);
        if (!pct) {
            s.HasInvalidEntry = true;
            return;
        }
        TCategory& k = *col.category;
        g.InStudentAverage = true;
        g.StudentValue = *pct;
        if (!g.ExtraCredit) {
            if (k.DropLowest && (!k.Lowest || k.Lowest->StudentValue > g.StudentValue))
                k.Lowest = &g;
            ++k.Count;
            k.WeightSum += col.weight;
        }
        k.WeightedSum += col.weight * g.StudentValue;
    }

    std::string Finish(const std::vector<ColumnInfo>& cols) {
        TCategoryList& list = gb.Categories;
        bool overflow = false;
        for (int i = 0; i < list.CategoryCount(); ++i) {
            TCategory& k = list.Category(i);
            if (k.DropLowest && k.Count > 1) {
                double w = gb.WeightOf(*k.Lowest);
                k.WeightSum -= w;
                k.WeightedSum -= w * k.Lowest->StudentValue;
            }
            if (k.Count > 0) {
                overflow |= !std::isfinite(k.WeightSum) || !std::isfinite(k.WeightedSum);
                s.Average += k.WeightedSum * k.Percent / k.WeightSum;
                list.TotalPercent += k.Percent;
            }
        }
        overflow |= !std::isfinite(list.TotalPercent);
        if (list.TotalPercent > 0) {
            s.Average /= list.TotalPercent;
            s.HasAverage = true;
        }
        if (overflow || (s.HasAverage && !std::isfinite(s.Average))) Widen(cols);
        return AverageText(gb, s.HasInvalidEntry, s.HasAverage, s.Average);
    }

    // A double sum overflowed (or weights cancelled to 0): the same average from the work
    // fields in a wider type. One no double can hold is no average, and marked.
    void Widen(const std::vector<ColumnInfo>& cols) {
        const TCategoryList& list = gb.Categories;
        std::vector<TWideTerm> terms;
        for (const ColumnInfo& col : cols) {
            const TGrade& g = *col.grade;
            if (!(col.weight > 0) || !g.InStudentAverage) continue;
            size_t slot = 0;
            while (slot + 1 < static_cast<size_t>(list.CategoryCount()) &&
                   &list.Category(static_cast<int>(slot)) != col.category)
                ++slot;
            terms.push_back({slot, col.weight, g.StudentValue, g.ExtraCredit});
        }
        auto wide = WideStudentAverage(list, terms);
        s.HasAverage = wide.has_value();
        s.Average = wide.value_or(0);
        if (!wide) s.HasInvalidEntry = true;
    }
};

// Per-column state of the class average.
struct ColumnPass {
    double sum = 0;
    int n = 0;
    bool invalid = false;
    bool skipped = false; // extra credit or "Don't compute class average"
};

void BeginColumn(TGrade& g, ColumnPass& p) {
    g.ClassAverage = 0;
    g.HasClassAverage = false;
    g.HasInvalidEntry = false;
    p = ColumnPass{};
    p.skipped = g.ExtraCredit || g.OmitClassAverage;
}

void AddToColumn(const TGradebook& gb, const TGrade& g, TStudent& s, const TEntry& e,
                 ColumnPass& p) {
    s.ColumnHasEntry = false;
    if (e.Kind == EntryKind::Blank || e.Kind == EntryKind::Excused) return;
    auto pct = EntryPercent(g, e);
    if (!pct) {
        p.invalid = true;
        return;
    }
    s.ColumnHasEntry = true;
    s.ColumnValue = *pct;
    p.sum += *pct;
    // Under "Omit zeros" an entry worth exactly 0 percent is left out of the count.
    if (!gb.Preferences.OmitZeros || *pct != 0) ++p.n;
}

// The column's sum again in a wider type: the mean of finite percentages always fits a
// double, their sum need not. Only columns whose double sum overflowed come here.
double WideColumnMean(const TGradebook& gb, const TGrade& g, int c, int n) {
    long double sum = 0;
    for (int r = 2; r <= gb.LastStudentRow(); ++r)
        if (auto pct = EntryPercent(g, ReadGradeEntry(gb, g, gb.Cell(c, r)))) sum += *pct;
    return static_cast<double>(sum / n);
}

std::string FinishColumn(const TGradebook& gb, TGrade& g, int c, const ColumnPass& p) {
    if (p.skipped) return std::string();
    g.HasInvalidEntry = p.invalid;
    if (p.n > 0) {
        g.ClassAverage = p.sum / p.n;
        if (!std::isfinite(g.ClassAverage)) g.ClassAverage = WideColumnMean(gb, g, c, p.n);
        g.HasClassAverage = true;
    }
    return AverageText(gb, g.HasInvalidEntry, g.HasClassAverage, g.ClassAverage);
}

// The mean of averages that have one, summed in a wider type when the double sum overflowed.
template <typename TItems, typename THas, typename TValue>
double OverallMean(double sum, int n, const TItems& each, THas has, TValue value) {
    double mean = sum / n;
    if (std::isfinite(mean)) return mean;
    long double wide = 0;
    each([&](const auto& item) {
        if (has(item)) wide += value(item);
    });
    return static_cast<double>(wide / n);
}

std::string OverallText(const TGradebook& gb, double mean, int n) {
    if (n < 2) return std::string();
    std::string text = FormatNumber(mean);
    if (gb.ShowLetters) text += "=" + LetterOf(gb.NumberToLetter, mean);
    return text;
}

} // namespace

std::string StudentAverage(TGradebook& gb, int r) {
    TStudent& s = *gb.StudentAt(r);
    StudentPass pass{gb, s};
    pass.Begin(); // also with no grades: an average left from before must not stay
    if (gb.GradeCount() == 0) return std::string();
    const auto& cells = gb.RowCells(r);
    auto cols = Columns(gb);
    for (size_t i = 0; i < cols.size(); ++i) {
        if (!(cols[i].weight > 0)) continue;
        pass.Add(cols[i], ReadGradeEntry(gb, *cols[i].grade, cells[i + 2]));
    }
    return pass.Finish(cols);
}

std::string ColumnAverage(TGradebook& gb, int c) {
    if (gb.StudentCount() == 0) return std::string();
    TGrade& g = *gb.GradeAt(c);
    ColumnPass p;
    BeginColumn(g, p);
    if (p.skipped) return std::string();
    for (int r = 2; r <= gb.LastStudentRow(); ++r)
        AddToColumn(gb, g, *gb.StudentAt(r), ReadGradeEntry(gb, g, gb.Cell(c, r)), p);
    return FinishColumn(gb, g, c, p);
}

std::string OverallStudentAverage(TGradebook& gb) {
    if (gb.StudentCount() < 2) return std::string();
    double sum = 0;
    int n = 0;
    for (int r = 2; r <= gb.LastStudentRow(); ++r) {
        const TStudent& s = *gb.StudentAt(r);
        if (s.HasAverage) sum += s.Average, ++n;
    }
    if (n < 2) return std::string();
    auto each = [&](auto&& f) {
        for (int r = 2; r <= gb.LastStudentRow(); ++r)
            f(*gb.StudentAt(r));
    };
    return OverallText(gb,
                       OverallMean(
                           sum, n, each, [](const TStudent& s) { return s.HasAverage; },
                           [](const TStudent& s) { return s.Average; }),
                       n);
}

std::string OverallColumnAverage(TGradebook& gb) {
    if (gb.GradeCount() < 2) return std::string();
    double sum = 0;
    int n = 0;
    for (int c = 2; c <= gb.LastGradeColumn(); ++c) {
        const TGrade& g = *gb.GradeAt(c);
        if (g.HasClassAverage) sum += g.ClassAverage, ++n;
    }
    if (n < 2) return std::string();
    auto each = [&](auto&& f) {
        for (int c = 2; c <= gb.LastGradeColumn(); ++c)
            f(*gb.GradeAt(c));
    };
    return OverallText(gb,
                       OverallMean(
                           sum, n, each, [](const TGrade& g) { return g.HasClassAverage; },
                           [](const TGrade& g) { return g.ClassAverage; }),
                       n);
}

void RecomputeAll(TGradebook& gb) {
    // One pass over the table: each entry is read once and feeds both its student's
    // average and its column's class average. The results, work fields included, are those
    // of running every StudentAverage and then every ColumnAverage.
    auto cols = Columns(gb);
    std::vector<ColumnPass> passes(cols.size());
    int lastCounted = -1;
    for (size_t i = 0; i < cols.size(); ++i) {
        BeginColumn(*cols[i].grade, passes[i]);
        if (!passes[i].skipped) lastCounted = static_cast<int>(i);
    }
    const bool anyGrade = !cols.empty();
    for (int r = 2; r <= gb.LastStudentRow(); ++r) {
        TStudent& s = *gb.StudentAt(r);
        const auto& cells = gb.RowCells(r);
        StudentPass pass{gb, s};
        pass.Begin();
        bool lastHas = false;
        double lastValue = 0;
        for (size_t i = 0; i < cols.size(); ++i) {
            const bool inStudent = cols[i].weight > 0;
            const bool inColumn = !passes[i].skipped;
            if (!inStudent && !inColumn) continue;
            TEntry e = ReadGradeEntry(gb, *cols[i].grade, cells[i + 2]);
            if (inStudent) pass.Add(cols[i], e);
            if (inColumn) {
                AddToColumn(gb, *cols[i].grade, s, e, passes[i]);
                if (static_cast<int>(i) == lastCounted) {
                    lastHas = s.ColumnHasEntry;
                    lastValue = s.ColumnValue;
                }
            }
        }
        if (anyGrade)
            gb.SetCell(0, r, pass.Finish(cols));
        else
            gb.SetCell(0, r, std::string());
        // The column work fields end as the last counted column leaves them.
        if (lastCounted >= 0) {
            s.ColumnHasEntry = lastHas;
            if (lastHas) s.ColumnValue = lastValue;
        }
    }
    if (gb.StudentCount() > 0) gb.SetCell(0, 1, OverallStudentAverage(gb));
    for (size_t i = 0; i < cols.size(); ++i) {
        std::string text = gb.StudentCount() > 0 ? FinishColumn(gb, *cols[i].grade,
                                                                static_cast<int>(i) + 2, passes[i])
                                                 : std::string();
        gb.SetCell(static_cast<int>(i) + 2, 0, std::move(text));
    }
    if (!cols.empty()) gb.SetCell(1, 0, OverallColumnAverage(gb));
}

void UpdateAveragesForCell(TGradebook& gb, int c, int r) {
    if (c < 2 || r < 2) return;
    if (r <= gb.LastStudentRow() && gb.StudentAt(r)) {
        gb.SetCell(0, r, StudentAverage(gb, r));
        gb.SetCell(0, 1, OverallStudentAverage(gb));
    }
    if (c <= gb.LastGradeColumn() && gb.GradeAt(c)) {
        gb.SetCell(c, 0, ColumnAverage(gb, c));
        gb.SetCell(1, 0, OverallColumnAverage(gb));
    }
}

void ComputeEffectiveWeights(TGradebook& gb) {
    TCategoryList& list = gb.Categories;
    list.HasExtraCredit = false;
    ResetCategories(gb);
    double total = 0;
    for (int i = 0; i < list.CategoryCount(); ++i)
        total += list.Category(i).Percent;
    list.TotalPercent = total;
    for (const ColumnInfo& col : Columns(gb)) {
        TGrade& g = *col.grade;
        if (g.ExtraCredit) {
            list.HasExtraCredit = true;
            continue;
        }
        if (!(col.weight > 0)) continue;
        TCategory& k = *col.category;
        k.WeightSum += col.weight;
        if (k.DropLowest) {
            if (!k.Lowest) {
                k.Lowest = &g;
            } else if (col.weight != gb.WeightOf(*k.Lowest)) {
                k.UnequalWeights = true;
                if (col.weight < gb.WeightOf(*k.Lowest)) k.Lowest = &g;
            }
        }
        ++k.Count;
    }
    for (int i = 0; i < list.CategoryCount(); ++i) {
        TCategory& k = list.Category(i);
        if (k.DropLowest && k.Count > 0) k.WeightSum -= gb.WeightOf(*k.Lowest);
    }
    for (const ColumnInfo& col : Columns(gb)) {
        const TCategory& k = *col.category;
        col.grade->EffectiveWeight =
            (k.WeightSum == 0 || list.TotalPercent == 0)
                ? 0
                : col.weight * k.Percent / (k.WeightSum * list.TotalPercent);
    }
}

} // namespace marklow

#include "criteria_data.h"

#include "gradebook.h"

namespace marklow {

namespace {
struct TWork {
    double WeightSum = 0;
    int Count = 0;
    const TGrade* Lowest = nullptr;
    bool UnequalWeights = false;
};
} // namespace

TCriteria ComputeCriteria(const TGradebook& gb) {
    const TCategoryList& list = gb.Categories;
    TCriteria out;
    const int slots = list.CategoryCount();
    // The slot a grade's category index stands for, exactly as the list resolves it.
    auto slotOf = [&](const TGrade& g) {
        const TCategory* k = &list.Category(g.CategoryIndex);
        for (int i = 0; i < list.Count(); ++i)
            if (&list.Item(i) == k) return i;
        return 0;
    };
    for (int i = 0; i < slots; ++i)
        out.TotalPercent += list.Category(i).Percent;
    std::vector<TWork> work(static_cast<size_t>(slots));
    std::vector<int> slot(static_cast<size_t>(std::max(0, gb.GradeCount())));
    for (int c = 2; c <= gb.LastGradeColumn(); ++c) {
        const TGrade& g = *gb.GradeAt(c);
        slot[static_cast<size_t>(c - 2)] = slotOf(g);
        if (g.ExtraCredit) {
            out.HasExtraCredit = true;
            continue;
        }
        const double w = gb.WeightOf(g);
        if (!(w > 0)) continue;
        const TCategory& k = list.Category(g.CategoryIndex);
        TWork& s = work[static_cast<size_t>(slot[static_cast<size_t>(c - 2)])];
        s.WeightSum += w;
        if (k.DropLowest) {
            if (!s.Lowest) {
                s.Lowest = &g;
            } else if (w != gb.WeightOf(*s.Lowest)) {
                s.UnequalWeights = true;
                if (w < gb.WeightOf(*s.Lowest)) s.Lowest = &g;
            }
        }
        ++s.Count;
    }
    for (int i = 0; i < slots; ++i) {
        TWork& s = work[static_cast<size_t>(i)];
        if (list.Category(i).DropLowest && s.Count > 0) s.WeightSum -= gb.WeightOf(*s.Lowest);
    }
    for (int i = 0; i < list.Count(); ++i) {
        const TCategory& k = list.Item(i);
        TCategoryRow row;
        row.Name = k.Name;
        row.Percent = k.Percent;
        // Categories that add up to 0 give no scale: 0, never a division by zero.
        row.ScaledPercent = out.TotalPercent == 0 ? 0 : k.Percent * 100 / out.TotalPercent;
        row.DropLowest = k.DropLowest;
        row.UnequalWeights = work[static_cast<size_t>(i)].UnequalWeights;
        out.Categories.push_back(row);
    }
    for (int c = 2; c <= gb.LastGradeColumn(); ++c) {
        const TGrade& g = *gb.GradeAt(c);
        const TCategory& k = list.Category(g.CategoryIndex);
        const TWork& s = work[static_cast<size_t>(slot[static_cast<size_t>(c - 2)])];
        TGradeRow row;
        row.Column = c;
        row.Category = k.Name;
        row.Weight = gb.WeightOf(g);
        row.Points = g.Points;
        row.ExtraCredit = g.ExtraCredit;
        row.EffectiveWeight = (s.WeightSum == 0 || out.TotalPercent == 0)
                                  ? 0
                                  : row.Weight * k.Percent / (s.WeightSum * out.TotalPercent);
        out.Grades.push_back(row);
    }
    return out;
}

} // namespace marklow

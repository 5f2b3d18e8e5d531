#include "extra_credit.h"

#include "gradebook.h"

namespace marklow {

namespace {

// The averages' index for a grade's category: -1 and anything outside the list mean 0.
size_t Slot(const TCategoryList& list, int index) {
    return static_cast<size_t>(index >= 0 && index < list.Count() ? index : 0);
}

} // namespace

double TRegularWeights::Mean(const TCategoryList& list, int categoryIndex) const {
    const size_t k = Slot(list, categoryIndex);
    if (k >= Categories.size() || Categories[k].Count == 0) return 0;
    return Categories[k].Weight / Categories[k].Count;
}

TRegularWeights RegularWeights(const TGradebook& gb, int skipColumn) {
    return RegularWeights(gb, skipColumn, gb.PointsAreWeights);
}

TRegularWeights RegularWeights(const TGradebook& gb, int skipColumn, bool pointsAreWeights) {
    TRegularWeights result;
    result.Categories.resize(static_cast<size_t>(gb.Categories.CategoryCount()));
    for (int c = 2; c <= gb.LastGradeColumn(); ++c) {
        const TGrade* g = gb.GradeAt(c);
        if (c == skipColumn || !g || g->ExtraCredit) continue;
        const double w = pointsAreWeights ? g->Points : g->Weight;
        if (!(w > 0)) continue;
        TRegularWeights::TSum& sum = result.Categories[Slot(gb.Categories, g->CategoryIndex)];
        sum.Weight += w;
        ++sum.Count;
    }
    return result;
}

bool WeighsAsAWholeGrade(double weight, double regularMean) {
    // The mean of equal weights may come out a rounding step above them (0.1 three times).
    return regularMean > 0 && weight > 0 && weight >= regularMean * (1 - 1e-12);
}

std::vector<int> HeavyExtraCreditColumns(const TGradebook& gb) {
    std::vector<int> columns;
    const TRegularWeights regular = RegularWeights(gb);
    for (int c = 2; c <= gb.LastGradeColumn(); ++c) {
        const TGrade* g = gb.GradeAt(c);
        if (g && g->ExtraCredit &&
            WeighsAsAWholeGrade(gb.WeightOf(*g), regular.Mean(gb.Categories, g->CategoryIndex)))
            columns.push_back(c);
    }
    return columns;
}

} // namespace marklow

#pragma once
// Extra credit that counts like a whole grade. An extra-credit grade adds its weighted
// percentage to its category without adding weight, so with the default weight 1 among
// homework of weight 1 a full bonus adds as much as another perfect homework: averages of
// 120 to 150 percent. The check and the grade dialog warn about it.

#include <vector>

namespace marklow {

class TGradebook;
class TCategoryList;

// The weights of the regular grades (not extra credit, weight above 0) of each category, as
// the averages count them; one entry per CategoryCount().
struct TRegularWeights {
    struct TSum {
        double Weight = 0;
        int Count = 0;
    };
    std::vector<TSum> Categories;
    // The mean weight of a regular grade of the category a grade's index stands for, or 0
    // when the category has none.
    double Mean(const TCategoryList& list, int categoryIndex) const;
};

// Over every grade column but `skipColumn` (the grade being edited, which is not counted
// among the regular grades it is compared with), the grades weighing their points or their
// weights as the gradebook's switch says, or as `pointsAreWeights` says when given.
TRegularWeights RegularWeights(const TGradebook& gb, int skipColumn = -1);
TRegularWeights RegularWeights(const TGradebook& gb, int skipColumn, bool pointsAreWeights);

// Whether extra credit of this weight counts as much as a whole regular grade: its weight is
// at least the mean weight of its category's regular grades. A category without regular
// grades does not count at all, so its extra credit cannot lift anything.
bool WeighsAsAWholeGrade(double weight, double regularMean);

// The extra-credit grade columns that weigh as a whole grade, left to right.
std::vector<int> HeavyExtraCreditColumns(const TGradebook& gb);

} // namespace marklow

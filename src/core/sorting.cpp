#include "sorting.h"

#include "grade_date.h"
#include "unicode_text.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <stdexcept>
#include <string_view>

namespace marklow {

namespace {

constexpr uint64_t kRankBits = 0xFFFFFFFF00000000ull;

size_t Index(int i) {
    return static_cast<size_t>(i);
}

// Dense ranks of n items under a strict order: tied items share a rank.
template <typename Less> std::vector<int> Ranks(size_t n, Less less) {
    std::vector<int> byKey(n);
    std::iota(byKey.begin(), byKey.end(), 0);
    std::sort(byKey.begin(), byKey.end(), less);
    std::vector<int> rank(n);
    int current = 0;
    for (size_t k = 0; k < n; ++k) {
        if (k > 0 && less(byKey[k - 1], byKey[k])) ++current;
        rank[Index(byKey[k])] = current;
    }
    return rank;
}

// An average that is not a number compares as 0 (no average).
double Finite(double v) {
    return std::isnan(v) ? 0 : v;
}

// The whole-table order that puts the items of rows (columns) 2.. in the sorted order.
std::vector<int> TableOrder(size_t tableSize, const std::vector<int>& itemOrder) {
    std::vector<int> order(tableSize);
    std::iota(order.begin(), order.end(), 0);
    for (size_t k = 0; k < itemOrder.size(); ++k)
        order[k + 2] = itemOrder[k] + 2;
    return order;
}

bool IsIdentity(const std::vector<int>& order) {
    for (size_t k = 0; k < order.size(); ++k)
        if (order[k] != static_cast<int>(k)) return false;
    return true;
}

} // namespace

std::vector<int> ExchangeSortOrder(const std::vector<int>& ranks) {
    // Rank in the high half, item in the low half: `a < (x & kRankBits)` holds exactly when
    // a's rank is below x's, so the item travels with its rank in one word.
    const size_t n = ranks.size();
    std::vector<uint64_t> v(n);
    for (size_t k = 0; k < n; ++k)
        v[k] = (static_cast<uint64_t>(static_cast<uint32_t>(ranks[k])) << 32) | k;
    std::vector<uint64_t> smallest(n);
    for (size_t k = 0; k < n; ++k)
        smallest[k] = v[k] & kRankBits;
    std::sort(smallest.begin(), smallest.end());
    if (std::adjacent_find(smallest.begin(), smallest.end()) == smallest.end()) {
        // No ties (names and IDs, as a rule): the procedure ends in the one sorted order.
        std::sort(v.begin(), v.end());
    } else {
        // The procedure itself, with one shortcut: once place i holds the smallest rank left,
        // nothing later can be exchanged with it. It writes only when items are exchanged.
        for (size_t i = 0; i + 1 < n; ++i) {
            uint64_t x = v[i];
            uint64_t rank = x & kRankBits;
            for (size_t j = i + 1; j < n && rank != smallest[i]; ++j) {
                uint64_t a = v[j];
                if (a < rank) {
                    v[j] = x;
                    x = a;
                    rank = a & kRankBits;
                }
            }
            v[i] = x;
        }
    }
    std::vector<int> order(n);
    for (size_t k = 0; k < n; ++k)
        order[k] = static_cast<int>(v[k] & 0xFFFFFFFFu);
    return order;
}

bool TextBefore(std::string_view a, std::string_view b) {
    // char_traits<char> compares as unsigned char, and a prefix comes first.
    return a.compare(b) < 0;
}

std::vector<int> SortStudentsOrder(const TGradebook& gb, TStudentSortKey key) {
    const int n = gb.LastStudentRow() - 1;
    if (n < 2) return TableOrder(Index(gb.RowCount()), {});
    std::vector<const TStudent*> s(Index(n));
    for (int k = 0; k < n; ++k)
        s[Index(k)] = gb.StudentAt(k + 2);
    static const TStudent kNone;
    auto at = [&](int k) -> const TStudent& { return s[Index(k)] ? *s[Index(k)] : kNone; };
    std::vector<int> ranks;
    switch (key) {
    case TStudentSortKey::UserOrder:
        ranks = Ranks(Index(n), [&](int a, int b) { return at(a).UserOrder < at(b).UserOrder; });
        break;
    case TStudentSortKey::Name: {
        // The collation's keys, once per row; the sort compares bytes.
        std::vector<std::string> names(Index(n));
        for (int k = 0; k < n; ++k)
            names[Index(k)] = CollationKey(gb.Cell(1, k + 2));
        ranks = Ranks(Index(n),
                      [&](int a, int b) { return TextBefore(names[Index(a)], names[Index(b)]); });
        break;
    }
    case TStudentSortKey::Average:
        // Highest first.
        ranks = Ranks(Index(n),
                      [&](int a, int b) { return Finite(at(a).Average) > Finite(at(b).Average); });
        break;
    case TStudentSortKey::ID:
        ranks = Ranks(Index(n), [&](int a, int b) { return TextBefore(at(a).ID, at(b).ID); });
        break;
    }
    return TableOrder(Index(gb.RowCount()), ExchangeSortOrder(ranks));
}

std::vector<int> SortGradesOrder(const TGradebook& gb, TGradeSortKey key) {
    const int n = gb.LastGradeColumn() - 1;
    if (n < 2) return TableOrder(Index(gb.ColCount()), {});
    std::vector<const TGrade*> g(Index(n));
    for (int k = 0; k < n; ++k)
        g[Index(k)] = gb.GradeAt(k + 2);
    static const TGrade kNone;
    auto at = [&](int k) -> const TGrade& { return g[Index(k)] ? *g[Index(k)] : kNone; };
    std::vector<int> ranks;
    switch (key) {
    case TGradeSortKey::UserOrder:
        ranks = Ranks(Index(n), [&](int a, int b) { return at(a).UserOrder < at(b).UserOrder; });
        break;
    case TGradeSortKey::Name: {
        std::vector<std::string> names(Index(n));
        for (int k = 0; k < n; ++k)
            names[Index(k)] = CollationKey(gb.Cell(k + 2, 1));
        ranks = Ranks(Index(n),
                      [&](int a, int b) { return TextBefore(names[Index(a)], names[Index(b)]); });
        break;
    }
    case TGradeSortKey::Date: {
        // Grades without a date come after every dated one.
        auto key = [&](int k) {
            const double d = at(k).Date;
            return IsGivenDate(d) ? d : std::numeric_limits<double>::infinity();
        };
        ranks = Ranks(Index(n), [&](int a, int b) { return key(a) < key(b); });
        break;
    }
    case TGradeSortKey::Category:
        ranks = Ranks(Index(n),
                      [&](int a, int b) { return at(a).CategoryIndex < at(b).CategoryIndex; });
        break;
    }
    return TableOrder(Index(gb.ColCount()), ExchangeSortOrder(ranks));
}

std::vector<int32_t> StudentUserOrders(const TGradebook& gb) {
    std::vector<int32_t> out;
    out.reserve(Index(gb.StudentCount()));
    for (int r = 2; r <= gb.LastStudentRow(); ++r)
        out.push_back(gb.StudentAt(r) ? gb.StudentAt(r)->UserOrder : kLastUserOrder);
    return out;
}

void RestoreStudentUserOrders(TGradebook& gb, const std::vector<int32_t>& orders) {
    for (size_t k = 0; k < orders.size(); ++k)
        if (TStudent* s = gb.StudentAt(static_cast<int>(k) + 2)) s->UserOrder = orders[k];
}

std::vector<int32_t> GradeUserOrders(const TGradebook& gb) {
    std::vector<int32_t> out;
    out.reserve(Index(gb.GradeCount()));
    for (int c = 2; c <= gb.LastGradeColumn(); ++c)
        out.push_back(gb.GradeAt(c) ? gb.GradeAt(c)->UserOrder : kLastUserOrder);
    return out;
}

void RestoreGradeUserOrders(TGradebook& gb, const std::vector<int32_t>& orders) {
    for (size_t k = 0; k < orders.size(); ++k)
        if (TGrade* g = gb.GradeAt(static_cast<int>(k) + 2)) g->UserOrder = orders[k];
}

namespace {

// The switch goes on for "by User Input" and off for every other sort; going from on to off
// records the present order first. "by User Input" while already on changes nothing: the
// present order is the teacher's (rows dragged since are part of it).
TSortStep Plan(bool students, bool switchOn, bool userOrderKey, int count, std::vector<int> order,
               std::vector<int32_t> userOrders) {
    TSortStep step;
    step.Students = students;
    step.SwitchBefore = switchOn;
    step.SwitchAfter = userOrderKey;
    if (userOrderKey && switchOn) return step;
    if (switchOn && !userOrderKey && count > 0) {
        step.Recorded = true;
        step.UserOrdersBefore = std::move(userOrders);
    }
    if (!IsIdentity(order)) step.Order = std::move(order);
    return step;
}

} // namespace

TSortStep PlanStudentSort(const TGradebook& gb, TStudentSortKey key) {
    bool user = key == TStudentSortKey::UserOrder;
    bool on = gb.StudentsInUserOrder;
    if (user && on) return Plan(true, on, user, 0, {}, {});
    return Plan(true, on, user, gb.StudentCount(), SortStudentsOrder(gb, key),
                on && !user ? StudentUserOrders(gb) : std::vector<int32_t>{});
}

TSortStep PlanGradeSort(const TGradebook& gb, TGradeSortKey key) {
    bool user = key == TGradeSortKey::UserOrder;
    bool on = gb.GradesInUserOrder;
    if (user && on) return Plan(false, on, user, 0, {}, {});
    return Plan(false, on, user, gb.GradeCount(), SortGradesOrder(gb, key),
                on && !user ? GradeUserOrders(gb) : std::vector<int32_t>{});
}

void ApplySortStep(TGradebook& gb, const TSortStep& step) {
    // The recording is the switch's own: from on to off it stores each present index.
    if (step.Students) {
        gb.SetStudentsInUserOrder(step.SwitchAfter);
        if (!step.Order.empty()) gb.PermuteRows(step.Order);
    } else {
        gb.SetGradesInUserOrder(step.SwitchAfter);
        if (!step.Order.empty()) gb.PermuteColumns(step.Order);
    }
}

void RevertSortStep(TGradebook& gb, const TSortStep& step) {
    if (step.Students) {
        if (!step.Order.empty()) gb.PermuteRows(InversePermutation(step.Order));
        if (step.Recorded) RestoreStudentUserOrders(gb, step.UserOrdersBefore);
        gb.StudentsInUserOrder = step.SwitchBefore;
    } else {
        if (!step.Order.empty()) gb.PermuteColumns(InversePermutation(step.Order));
        if (step.Recorded) RestoreGradeUserOrders(gb, step.UserOrdersBefore);
        gb.GradesInUserOrder = step.SwitchBefore;
    }
}

int NewStudentRow(const TGradebook& gb, int currentRow) {
    return std::clamp(currentRow, 2, gb.LastStudentRow() + 1);
}

int NewGradeColumn(const TGradebook& gb, int currentColumn) {
    return std::clamp(currentColumn, 2, gb.LastGradeColumn() + 1);
}

} // namespace marklow

#include "gradebook_file.h"
#include "sample_builder.h"
#include "sorting.h"
#include "unicode_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <numeric>
#include <random>
#include <stdexcept>
#include <string>

using namespace marklow;

namespace {

// Names of the student rows, top first.
std::vector<std::string> RowNames(const TGradebook& gb) {
    std::vector<std::string> out;
    for (int r = 2; r <= gb.LastStudentRow(); ++r)
        out.emplace_back(gb.Cell(1, r));
    return out;
}

std::vector<std::string> ColumnNames(const TGradebook& gb) {
    std::vector<std::string> out;
    for (int c = 2; c <= gb.LastGradeColumn(); ++c)
        out.emplace_back(gb.Cell(c, 1));
    return out;
}

std::unique_ptr<TGradebook> Class(const std::vector<std::string>& names) {
    auto gb = std::make_unique<TGradebook>();
    gb->SetEditMode(false);
    for (const auto& n : names)
        AddStudent(*gb, n);
    return gb;
}

void SortStudents(TGradebook& gb, TStudentSortKey key) {
    ApplySortStep(gb, PlanStudentSort(gb, key));
}
void SortGrades(TGradebook& gb, TGradeSortKey key) {
    ApplySortStep(gb, PlanGradeSort(gb, key));
}

// The sort exactly as the procedure reads: exchange the objects in a list, then move the rows
// one at a time from the last list item up. The oracle for the ranked version.
using TStudentExchange = std::function<bool(const TStudent& i, const TStudent& j)>;
void LiteralSortStudents(TGradebook& gb, const TStudentExchange& exchange) {
    std::vector<TStudent*> list;
    for (int r = 2; r <= gb.LastStudentRow(); ++r) {
        gb.StudentAt(r)->Name = std::string(gb.Cell(1, r));
        list.push_back(gb.StudentAt(r));
    }
    const int n = static_cast<int>(list.size());
    if (n < 2) return;
    for (int i = 0; i < n - 1; ++i)
        for (int j = i; j < n; ++j)
            if (exchange(*list[size_t(i)], *list[size_t(j)]))
                std::swap(list[size_t(i)], list[size_t(j)]);
    for (int i = n - 1; i >= 0; --i) {
        int j = 2;
        while (gb.StudentAt(j) != list[size_t(i)])
            ++j;
        if (j != i + 2) gb.MoveRow(j, i + 2);
    }
}

using TGradeExchange = std::function<bool(const TGrade& i, const TGrade& j)>;
void LiteralSortGrades(TGradebook& gb, const TGradeExchange& exchange) {
    std::vector<TGrade*> list;
    for (int c = 2; c <= gb.LastGradeColumn(); ++c) {
        gb.GradeAt(c)->Name = std::string(gb.Cell(c, 1));
        list.push_back(gb.GradeAt(c));
    }
    const int n = static_cast<int>(list.size());
    if (n < 2) return;
    for (int i = 0; i < n - 1; ++i)
        for (int j = i; j < n; ++j)
            if (exchange(*list[size_t(i)], *list[size_t(j)]))
                std::swap(list[size_t(i)], list[size_t(j)]);
    for (int i = n - 1; i >= 0; --i) {
        int j = 2;
        while (gb.GradeAt(j) != list[size_t(i)])
            ++j;
        if (j != i + 2) gb.MoveColumn(j, i + 2);
    }
}

// Byte-wise text order written out by hand, independent of the library's compare.
bool BytesGreater(const std::string& a, const std::string& b) {
    for (size_t k = 0; k < a.size() && k < b.size(); ++k)
        if (a[k] != b[k])
            return static_cast<unsigned char>(a[k]) > static_cast<unsigned char>(b[k]);
    return a.size() > b.size();
}

// A class full of ties: few distinct names, IDs, averages, dates, categories and orders.
std::unique_ptr<TGradebook> TiedClass(uint32_t seed, bool editMode) {
    TBuildOptions o;
    o.Students = 40;
    o.Grades = 25;
    o.Seed = seed;
    o.EditMode = editMode;
    auto gb = BuildGradebook(o);
    std::mt19937 rng(seed);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<uint32_t>(n)); };
    const char* names[] = {"Ann", "ann", "Ann Lee", "Bob", "", "Zoe", "\xC3\x89lise"};
    const double averages[] = {0, 75, 90, 82.5};
    const int32_t orders[] = {3, 7, 7, kLastUserOrder, -2};
    for (int r = 2; r <= gb->LastStudentRow(); ++r) {
        gb->SetCell(1, r, names[pick(7)]);
        gb->StudentAt(r)->ID = names[pick(7)];
        gb->StudentAt(r)->Average = averages[pick(4)];
        gb->StudentAt(r)->UserOrder = orders[pick(5)];
    }
    for (int c = 2; c <= gb->LastGradeColumn(); ++c) {
        gb->SetCell(c, 1, names[pick(7)]);
        gb->GradeAt(c)->Date = 45000 + pick(3);
        gb->GradeAt(c)->CategoryIndex = pick(4) - 1;
        gb->GradeAt(c)->UserOrder = orders[pick(5)];
    }
    return gb;
}

} // namespace

TEST(ExchangeSort, TiesLandWhereTheProcedurePutsThem) {
    // 90, 75, 90 by average: both 90s first, the first 90 ahead of the second.
    EXPECT_EQ(ExchangeSortOrder({0, 1, 0}), (std::vector<int>{0, 2, 1}));
    // The procedure is not stable: two tied items ahead of a smaller one come out reversed.
    EXPECT_EQ(ExchangeSortOrder({1, 1, 0}), (std::vector<int>{2, 1, 0}));
    EXPECT_EQ(ExchangeSortOrder({}), std::vector<int>{});
    EXPECT_EQ(ExchangeSortOrder({5}), std::vector<int>{0});
    EXPECT_EQ(ExchangeSortOrder({3, 2, 1, 0}), (std::vector<int>{3, 2, 1, 0}));
    EXPECT_EQ(ExchangeSortOrder({2, 0, 3, 1}), (std::vector<int>{1, 3, 0, 2}));
    EXPECT_EQ(ExchangeSortOrder({2, 0, 2, 1}), (std::vector<int>{1, 3, 2, 0}));
    EXPECT_EQ(ExchangeSortOrder({2, 2, 0, 1}), (std::vector<int>{2, 3, 0, 1}));
}

TEST(SortStudents, ByAverageHighestFirstWithTiesInExchangeOrder) {
    auto gb = Class({"First 90", "Middle 75", "Second 90"});
    gb->StudentAt(2)->Average = 90;
    gb->StudentAt(3)->Average = 75;
    gb->StudentAt(4)->Average = 90;
    SortStudents(*gb, TStudentSortKey::Average);
    EXPECT_EQ(RowNames(*gb), (std::vector<std::string>{"First 90", "Second 90", "Middle 75"}));

    auto reversed = Class({"A 75", "B 75", "C 90"});
    reversed->StudentAt(2)->Average = 75;
    reversed->StudentAt(3)->Average = 75;
    reversed->StudentAt(4)->Average = 90;
    SortStudents(*reversed, TStudentSortKey::Average);
    EXPECT_EQ(RowNames(*reversed), (std::vector<std::string>{"C 90", "B 75", "A 75"}));
}

TEST(SortStudents, NamesFollowTheCollationAndIDsByteOrder) {
    SetCollationLanguage("");
    auto gb = Class({"adam", "Zoe", "Anna", "Ann", "", "\xC3\x89mile", "bea"});
    SortStudents(*gb, TStudentSortKey::Name);
    // Letters before case, a prefix before the longer name, empty first, and the accented
    // initial with its letter.
    EXPECT_EQ(RowNames(*gb),
              (std::vector<std::string>{"", "adam", "Ann", "Anna", "bea", "\xC3\x89mile", "Zoe"}));
    EXPECT_FALSE(gb->StudentsInUserOrder);

    auto ids = Class({"a", "b", "c", "d"});
    ids->StudentAt(2)->ID = "s10";
    ids->StudentAt(3)->ID = "";
    ids->StudentAt(4)->ID = "S9";
    ids->StudentAt(5)->ID = "s1";
    SortStudents(*ids, TStudentSortKey::ID);
    EXPECT_EQ(RowNames(*ids), (std::vector<std::string>{"b", "c", "d", "a"}));
}

TEST(SortStudents, NameSortReadsTheNameCellsNotTheStaleObjects) {
    auto gb = Class({"Bea", "Al"});
    gb->StudentAt(2)->Name = "Aaa"; // stale: the cell was retyped since
    SortStudents(*gb, TStudentSortKey::Name);
    EXPECT_EQ(RowNames(*gb), (std::vector<std::string>{"Al", "Bea"}));
}

TEST(SortStudents, TheTeachersOrderIsRecordedAndRestored) {
    auto gb = Class({"Cy", "Al", "Bo"});
    gb->StudentsInUserOrder = true;
    gb->MoveRow(4, 2); // dragged by hand: Bo, Cy, Al
    SortStudents(*gb, TStudentSortKey::Name);
    EXPECT_EQ(RowNames(*gb), (std::vector<std::string>{"Al", "Bo", "Cy"}));
    EXPECT_EQ(gb->StudentAt(3)->UserOrder, 2); // Bo's place when the order was recorded
    // A second sort records nothing new.
    SortStudents(*gb, TStudentSortKey::Average);
    EXPECT_EQ(gb->StudentAt(3)->UserOrder, 2);
    // Added while sorted: last in the teacher's order.
    AddStudent(*gb, "Al Late");
    SortStudents(*gb, TStudentSortKey::UserOrder);
    EXPECT_TRUE(gb->StudentsInUserOrder);
    EXPECT_EQ(RowNames(*gb), (std::vector<std::string>{"Bo", "Cy", "Al", "Al Late"}));
}

TEST(SortStudents, UserInputWhileInTheTeachersOrderChangesNothing) {
    auto gb = Class({"Cy", "Al", "Bo"});
    gb->StudentsInUserOrder = true;
    gb->StudentAt(2)->UserOrder = 9; // stale recording from long ago
    gb->MoveRow(4, 2);
    const std::string before = WriteGradebook(*gb);
    TSortStep step = PlanStudentSort(*gb, TStudentSortKey::UserOrder);
    EXPECT_FALSE(step.Changes());
    ApplySortStep(*gb, step);
    EXPECT_EQ(WriteGradebook(*gb), before);
}

TEST(SortStudents, TooFewStudentsChangeOnlyTheSwitch) {
    auto gb = Class({"Solo"});
    gb->StudentsInUserOrder = true;
    TSortStep step = PlanStudentSort(*gb, TStudentSortKey::Name);
    EXPECT_TRUE(step.Order.empty());
    EXPECT_TRUE(step.Changes());
    ApplySortStep(*gb, step);
    EXPECT_FALSE(gb->StudentsInUserOrder);
    EXPECT_EQ(gb->StudentAt(2)->UserOrder, 2);
    RevertSortStep(*gb, step);
    EXPECT_TRUE(gb->StudentsInUserOrder);
    EXPECT_EQ(gb->StudentAt(2)->UserOrder, kLastUserOrder);

    TGradebook empty;
    TSortStep none = PlanStudentSort(empty, TStudentSortKey::Name);
    EXPECT_FALSE(none.Recorded);
    ApplySortStep(empty, none);
    EXPECT_EQ(empty.RowCount(), 3);
}

TEST(SortGrades, ByDateByCategoryAndByName) {
    TGradebook gb;
    gb.SetEditMode(false);
    for (const char* n : {"quiz", "Test", "Lab", "HW"})
        AddGrade(gb, n, 10);
    gb.GradeAt(2)->Date = 45010;
    gb.GradeAt(3)->Date = 45001;
    gb.GradeAt(4)->Date = 45020;
    gb.GradeAt(5)->Date = 45001;
    SortGrades(gb, TGradeSortKey::Date);
    EXPECT_EQ(ColumnNames(gb), (std::vector<std::string>{"Test", "HW", "quiz", "Lab"}));
    EXPECT_FALSE(gb.GradesInUserOrder);

    gb.GradeAt(2)->CategoryIndex = 2;
    gb.GradeAt(3)->CategoryIndex = 0;
    gb.GradeAt(4)->CategoryIndex = -1;
    gb.GradeAt(5)->CategoryIndex = 1;
    SortGrades(gb, TGradeSortKey::Category);
    EXPECT_EQ(ColumnNames(gb), (std::vector<std::string>{"quiz", "HW", "Lab", "Test"}));

    SortGrades(gb, TGradeSortKey::Name);
    EXPECT_EQ(ColumnNames(gb), (std::vector<std::string>{"HW", "Lab", "quiz", "Test"}));
    SortGrades(gb, TGradeSortKey::UserOrder);
    EXPECT_EQ(ColumnNames(gb), (std::vector<std::string>{"quiz", "Test", "Lab", "HW"}));
}

TEST(SortGrades, GradesWithoutADateComeLastByDate) {
    // 0 is no date, and so is a value no calendar shows; a date before 1899 is still a date.
    TGradebook gb;
    gb.SetEditMode(false);
    for (const char* n : {"none", "late", "nan", "early", "old", "huge"})
        AddGrade(gb, n, 10);
    gb.GradeAt(2)->Date = 0;
    gb.GradeAt(3)->Date = 46010;
    gb.GradeAt(4)->Date = std::numeric_limits<double>::quiet_NaN();
    gb.GradeAt(5)->Date = 46001;
    gb.GradeAt(6)->Date = -5;
    gb.GradeAt(7)->Date = 1e300;
    SortGrades(gb, TGradeSortKey::Date);
    const std::vector<std::string> names = ColumnNames(gb);
    ASSERT_EQ(names.size(), 6u);
    EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 3),
              (std::vector<std::string>{"old", "early", "late"}));
    std::vector<std::string> undated(names.begin() + 3, names.end());
    std::sort(undated.begin(), undated.end());
    EXPECT_EQ(undated, (std::vector<std::string>{"huge", "nan", "none"}));
}

TEST(Sorting, EveryKeyMatchesTheProcedureOnClassesFullOfTies) {
    const std::vector<std::pair<TStudentSortKey, TStudentExchange>> studentSorts = {
        {TStudentSortKey::UserOrder, [](auto& i, auto& j) { return i.UserOrder > j.UserOrder; }},
        {TStudentSortKey::Name,
         [](auto& i, auto& j) { return BytesGreater(CollationKey(i.Name), CollationKey(j.Name)); }},
        {TStudentSortKey::Average, [](auto& i, auto& j) { return j.Average > i.Average; }},
        {TStudentSortKey::ID, [](auto& i, auto& j) { return BytesGreater(i.ID, j.ID); }},
    };
    const std::vector<std::pair<TGradeSortKey, TGradeExchange>> gradeSorts = {
        {TGradeSortKey::UserOrder, [](auto& i, auto& j) { return i.UserOrder > j.UserOrder; }},
        {TGradeSortKey::Name,
         [](auto& i, auto& j) { return BytesGreater(CollationKey(i.Name), CollationKey(j.Name)); }},
        {TGradeSortKey::Date, [](auto& i, auto& j) { return j.Date < i.Date; }},
        {TGradeSortKey::Category,
         [](auto& i, auto& j) { return i.CategoryIndex > j.CategoryIndex; }},
    };
    for (uint32_t seed = 1; seed <= 6; ++seed) {
        bool editMode = seed % 2 == 0;
        for (const auto& [key, exchange] : studentSorts) {
            auto fast = TiedClass(seed, editMode);
            auto slow = TiedClass(seed, editMode);
            fast->PermuteRows(SortStudentsOrder(*fast, key));
            LiteralSortStudents(*slow, exchange);
            EXPECT_EQ(WriteGradebook(*fast), WriteGradebook(*slow))
                << "seed " << seed << " key " << static_cast<int>(key);
        }
        for (const auto& [key, exchange] : gradeSorts) {
            auto fast = TiedClass(seed, editMode);
            auto slow = TiedClass(seed, editMode);
            fast->PermuteColumns(SortGradesOrder(*fast, key));
            LiteralSortGrades(*slow, exchange);
            EXPECT_EQ(WriteGradebook(*fast), WriteGradebook(*slow))
                << "seed " << seed << " key " << static_cast<int>(key);
        }
    }
}

TEST(Sorting, SpareRowAndColumnStayLastInEditMode) {
    auto gb = TiedClass(3, true);
    const int rows = gb->RowCount(), cols = gb->ColCount();
    SortStudents(*gb, TStudentSortKey::Name);
    SortGrades(*gb, TGradeSortKey::Name);
    ASSERT_EQ(gb->RowCount(), rows);
    ASSERT_EQ(gb->ColCount(), cols);
    EXPECT_EQ(gb->StudentAt(rows - 1), nullptr);
    EXPECT_EQ(gb->GradeAt(cols - 1), nullptr);
    for (int r = 2; r < rows - 1; ++r)
        EXPECT_NE(gb->StudentAt(r), nullptr);
    EXPECT_EQ(gb->Cell(1, 1), "Name");
    EXPECT_EQ(gb->Cell(0, 0), "Average");
}

TEST(Sorting, UndoGivesBackTheIdenticalGradebook) {
    for (bool editMode : {false, true}) {
        auto gb = TiedClass(11, editMode);
        gb->StudentsInUserOrder = true;
        gb->GradesInUserOrder = true;
        const std::string before = WriteGradebook(*gb);
        const std::vector<int32_t> orders = StudentUserOrders(*gb);
        for (auto key : {TStudentSortKey::Name, TStudentSortKey::Average, TStudentSortKey::ID}) {
            TSortStep step = PlanStudentSort(*gb, key);
            ApplySortStep(*gb, step);
            EXPECT_NE(WriteGradebook(*gb), before);
            RevertSortStep(*gb, step);
            EXPECT_EQ(WriteGradebook(*gb), before);
            EXPECT_EQ(StudentUserOrders(*gb), orders); // the recording is undone too
        }
        for (auto key : {TGradeSortKey::Name, TGradeSortKey::Date, TGradeSortKey::Category}) {
            TSortStep step = PlanGradeSort(*gb, key);
            ApplySortStep(*gb, step);
            RevertSortStep(*gb, step);
            EXPECT_EQ(WriteGradebook(*gb), before);
        }
        // Two steps undone in reverse order.
        TSortStep first = PlanStudentSort(*gb, TStudentSortKey::Name);
        ApplySortStep(*gb, first);
        TSortStep second = PlanStudentSort(*gb, TStudentSortKey::UserOrder);
        ApplySortStep(*gb, second);
        RevertSortStep(*gb, second);
        RevertSortStep(*gb, first);
        EXPECT_EQ(WriteGradebook(*gb), before);
    }
}

TEST(Permutation, MovesCellsAndObjectsTogetherAndRefusesNonsense) {
    auto gb = TiedClass(5, false);
    TStudent* s = gb->StudentAt(3);
    std::string rowText(gb->RowCells(3).Text());
    TGrade* g = gb->GradeAt(4);
    std::string entry(gb->Cell(4, 6));
    std::vector<int> rows(size_t(gb->RowCount()));
    std::iota(rows.begin(), rows.end(), 0);
    std::swap(rows[3], rows[7]);
    gb->PermuteRows(rows);
    EXPECT_EQ(gb->StudentAt(7), s);
    EXPECT_EQ(gb->RowCells(7).Text(), rowText);
    std::vector<int> cols(size_t(gb->ColCount()));
    std::iota(cols.begin(), cols.end(), 0);
    std::rotate(cols.begin() + 2, cols.begin() + 4, cols.end()); // column 4 becomes column 2
    gb->PermuteColumns(cols);
    EXPECT_EQ(gb->GradeAt(2), g);
    EXPECT_EQ(gb->Cell(2, 6), entry);
    gb->PermuteColumns(InversePermutation(cols));
    EXPECT_EQ(gb->GradeAt(4), g);

    const std::string before = WriteGradebook(*gb);
    std::vector<int> duplicate = rows;
    duplicate[2] = duplicate[3];
    EXPECT_THROW(gb->PermuteRows(duplicate), std::invalid_argument);
    EXPECT_THROW(gb->PermuteRows({0, 1}), std::invalid_argument);
    std::vector<int> outside = cols;
    outside.back() = gb->ColCount();
    EXPECT_THROW(gb->PermuteColumns(outside), std::invalid_argument);
    EXPECT_THROW(InversePermutation({0, 0}), std::invalid_argument);
    EXPECT_EQ(WriteGradebook(*gb), before);
    EXPECT_EQ(InversePermutation({2, 0, 1}), (std::vector<int>{1, 2, 0}));
}

TEST(Permutation, CellsOfEveryLengthArriveWhole) {
    TGradebook gb;
    gb.SetEditMode(false);
    for (int c = 0; c < 9; ++c)
        AddGrade(gb, "G" + std::to_string(c), 10);
    for (int r = 0; r < 5; ++r)
        AddStudent(gb, "S" + std::to_string(r));
    std::mt19937 rng(4);
    for (int r = 0; r < gb.RowCount(); ++r)
        for (int c = 0; c < gb.ColCount(); ++c)
            gb.SetCell(c, r, std::string(rng() % 20, static_cast<char>('a' + (r * 7 + c) % 26)));
    std::vector<std::vector<std::string>> before;
    for (int r = 0; r < gb.RowCount(); ++r)
        before.push_back(gb.RowCells(r).ToVector());
    std::vector<int> order(size_t(gb.ColCount()));
    std::iota(order.begin(), order.end(), 0);
    for (int round = 0; round < 5; ++round) {
        std::shuffle(order.begin(), order.end(), rng);
        gb.PermuteColumns(order);
        for (int r = 0; r < gb.RowCount(); ++r)
            for (size_t k = 0; k < order.size(); ++k)
                ASSERT_EQ(gb.Cell(int(k), r), before[size_t(r)][size_t(order[k])]);
        gb.PermuteColumns(InversePermutation(order));
        for (int r = 0; r < gb.RowCount(); ++r)
            ASSERT_EQ(gb.RowCells(r).ToVector(), before[size_t(r)]);
    }
}

TEST(Placement, NewStudentsAndGradesGoToTheCursor) {
    auto gb = Class({"A", "B", "C", "D", "E"}); // rows 2..6, move mode
    EXPECT_EQ(NewStudentRow(*gb, 5), 5);
    EXPECT_EQ(NewStudentRow(*gb, 6), 6); // the last student moves down
    EXPECT_EQ(NewStudentRow(*gb, 1), 2);
    EXPECT_EQ(NewStudentRow(*gb, 0), 2);
    gb->SetEditMode(true);                // spare row 7
    EXPECT_EQ(NewStudentRow(*gb, 1), 2);  // the grade-name row
    EXPECT_EQ(NewStudentRow(*gb, 7), 7);  // on the spare row: last, the spare after it
    EXPECT_EQ(NewStudentRow(*gb, 40), 7); // never past the spare row
    TGradebook empty;
    EXPECT_EQ(NewStudentRow(empty, 2), 2);
    EXPECT_EQ(NewGradeColumn(empty, 1), 2);
    for (const char* n : {"Q1", "Q2", "Q3"})
        AddGrade(*gb, n, 10);
    gb->FitSpareCells();
    EXPECT_EQ(NewGradeColumn(*gb, 3), 3);
    EXPECT_EQ(NewGradeColumn(*gb, 0), 2);
    EXPECT_EQ(NewGradeColumn(*gb, gb->ColCount() - 1), gb->ColCount() - 1);
}

TEST(UserOrder, NewGradesComeLastInTheTeachersOrder) {
    TGradebook gb;
    EXPECT_EQ(gb.NewGrade()->UserOrder, kLastUserOrder);
    gb.SetEditMode(false);
    AddGrade(gb, "Old", 10);
    AddGrade(gb, "Older", 10);
    gb.GradeAt(2)->UserOrder = 5;
    gb.GradeAt(3)->UserOrder = 4;
    gb.GradesInUserOrder = false;
    int c = gb.LastGradeColumn() + 1;
    gb.SetColCount(c + 1);
    gb.AttachGrade(c, gb.NewGrade());
    gb.SetCell(c, 1, "New");
    gb.MoveColumn(c, 2);
    SortGrades(gb, TGradeSortKey::UserOrder);
    EXPECT_EQ(ColumnNames(gb), (std::vector<std::string>{"Older", "Old", "New"}));
}

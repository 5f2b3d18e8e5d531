// Sorting a class of 10000 students and 500 grades: computing the order with the exchange
// procedure on ranks and applying it as one permutation, and undoing it. Also the OK of the
// grade dialog on the same class: the grade changed (or inserted) and every average again.

#include "averages.h"
#include "gradebook.h"
#include "property_edits.h"
#include "sample_builder.h"
#include "sorting.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <numeric>
#include <random>
#include <string>

using namespace marklow;

namespace {

TGradebook& Large() {
    static std::unique_ptr<TGradebook> gb = [] {
        TBuildOptions o;
        o.Students = 10000;
        o.Grades = 500;
        auto b = BuildGradebook(o);
        RecomputeAll(*b);
        // Dates spread over a school year, so a date sort has work to do.
        std::mt19937 rng(7);
        for (int c = 2; c <= b->LastGradeColumn(); ++c)
            b->GradeAt(c)->Date = 45500 + static_cast<double>(rng() % 200);
        // Shuffle the rows and IDs, so neither order is already sorted.
        for (int r = b->LastStudentRow(); r > 2; --r)
            b->MoveRow(r, 2 + static_cast<int>(rng() % static_cast<uint32_t>(r - 1)));
        return b;
    }();
    return *gb;
}

// The same class full of ties, which the exchange procedure has to order one by one: whole
// percent averages, 40 different names and 40 different IDs.
TGradebook& Tied() {
    static std::unique_ptr<TGradebook> gb = [] {
        TBuildOptions o;
        o.Students = 10000;
        o.Grades = 500;
        auto b = BuildGradebook(o);
        RecomputeAll(*b);
        std::mt19937 rng(9);
        for (int r = 2; r <= b->LastStudentRow(); ++r) {
            TStudent& s = *b->StudentAt(r);
            s.Average = std::round(s.Average);
            b->SetCell(1, r, "Student " + std::to_string(rng() % 40));
            s.ID = "S" + std::to_string(rng() % 40);
        }
        return b;
    }();
    return *gb;
}

// Plan and apply, the step the sort command takes; undone outside the timing.
template <typename Key> void Sort(benchmark::State& state, TGradebook& gb, Key key) {
    for (auto _ : state) {
        TSortStep step;
        if constexpr (std::is_same_v<Key, TStudentSortKey>)
            step = PlanStudentSort(gb, key);
        else
            step = PlanGradeSort(gb, key);
        ApplySortStep(gb, step);
        state.PauseTiming();
        RevertSortStep(gb, step);
        state.ResumeTiming();
    }
}

void BM_SortStudentsByName(benchmark::State& s) {
    Sort(s, Large(), TStudentSortKey::Name);
}
void BM_SortStudentsByAverage(benchmark::State& s) {
    Sort(s, Large(), TStudentSortKey::Average);
}
void BM_SortStudentsByID(benchmark::State& s) {
    Sort(s, Large(), TStudentSortKey::ID);
}
void BM_SortGradesByName(benchmark::State& s) {
    Sort(s, Large(), TGradeSortKey::Name);
}
void BM_SortGradesByDate(benchmark::State& s) {
    Sort(s, Large(), TGradeSortKey::Date);
}
void BM_SortGradesByCategory(benchmark::State& s) {
    Sort(s, Large(), TGradeSortKey::Category);
}
void BM_SortTiedStudentsByName(benchmark::State& s) {
    Sort(s, Tied(), TStudentSortKey::Name);
}
void BM_SortTiedStudentsByAverage(benchmark::State& s) {
    Sort(s, Tied(), TStudentSortKey::Average);
}
void BM_SortTiedStudentsByID(benchmark::State& s) {
    Sort(s, Tied(), TStudentSortKey::ID);
}
BENCHMARK(BM_SortStudentsByName)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortStudentsByAverage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortStudentsByID)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortTiedStudentsByName)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortTiedStudentsByAverage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortTiedStudentsByID)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortGradesByName)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortGradesByDate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortGradesByCategory)->Unit(benchmark::kMillisecond);

// Undo: the inverse permutation (and the recorded orders put back).
template <typename Key> void Undo(benchmark::State& state, Key key) {
    TGradebook& gb = Large();
    for (auto _ : state) {
        state.PauseTiming();
        TSortStep step;
        if constexpr (std::is_same_v<Key, TStudentSortKey>)
            step = PlanStudentSort(gb, key);
        else
            step = PlanGradeSort(gb, key);
        ApplySortStep(gb, step);
        state.ResumeTiming();
        RevertSortStep(gb, step);
    }
}

void BM_UndoSortStudents(benchmark::State& s) {
    Undo(s, TStudentSortKey::Name);
}
void BM_UndoSortGrades(benchmark::State& s) {
    Undo(s, TGradeSortKey::Name);
}
BENCHMARK(BM_UndoSortStudents)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoSortGrades)->Unit(benchmark::kMillisecond);

// The exchange procedure alone on 10000 ranks arranged four ways: random with many ties,
// reversed, nearly sorted, and a shuffle of distinct ranks (about half of all steps exchange).
void BM_ExchangeProcedure(benchmark::State& state) {
    const int n = 10000;
    std::vector<int> ranks(n);
    std::mt19937 rng(3);
    for (int k = 0; k < n; ++k) {
        switch (state.range(0)) {
        case 0:
            ranks[size_t(k)] = static_cast<int>(rng() % 100);
            break;
        case 1:
            ranks[size_t(k)] = n - k;
            break;
        default:
            ranks[size_t(k)] = rng() % 20 == 0 ? static_cast<int>(rng() % n) : k;
            break;
        }
    }
    if (state.range(0) == 3) {
        std::iota(ranks.begin(), ranks.end(), 0);
        std::shuffle(ranks.begin(), ranks.end(), rng);
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(ExchangeSortOrder(ranks).data());
}
BENCHMARK(BM_ExchangeProcedure)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// Grade Properties OK: one grade's points changed, then RecomputeAll.
void BM_GradePropertiesOk(benchmark::State& state) {
    TGradebook& gb = Large();
    for (auto _ : state) {
        TGradeEdit edit;
        edit.Column = 200;
        CopyGrade(edit.Grade, *gb.GradeAt(200));
        edit.Grade.Date = gb.GradeAt(200)->Date;
        edit.Grade.Points += 10;
        edit.NameCell = std::string(gb.Cell(200, 1));
        edit.Defaults = GradeDefaultsOf(gb);
        ExchangeGradeEdit(gb, edit);
        RecomputeAll(gb);
        state.PauseTiming();
        ExchangeGradeEdit(gb, edit);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_GradePropertiesOk)->Unit(benchmark::kMillisecond);

// New grade OK: a column inserted at the cursor, then RecomputeAll.
void BM_NewGradeOk(benchmark::State& state) {
    TGradebook& gb = Large();
    for (auto _ : state) {
        TGradeEdit edit;
        edit.Column = 3;
        edit.IsNew = true;
        edit.Grade = *gb.NewGrade();
        edit.NameCell = "Essay";
        edit.Defaults = GradeDefaultsOf(gb);
        InsertGrade(gb, edit);
        RecomputeAll(gb);
        state.PauseTiming();
        RemoveInsertedGrade(gb, edit);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_NewGradeOk)->Unit(benchmark::kMillisecond);

} // namespace

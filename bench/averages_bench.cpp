// The averages against the cost of reading every entry once.

#include "averages.h"
#include "entry.h"
#include "gradebook.h"
#include "sample_builder.h"

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

using namespace marklow;

namespace {

TGradebook& Class(int students, int grades) {
    static std::map<std::pair<int, int>, std::unique_ptr<TGradebook>> cache;
    auto& gb = cache[{students, grades}];
    if (!gb) {
        TBuildOptions o;
        o.Students = students;
        o.Grades = grades;
        o.Categories = 4;
        gb = BuildGradebook(o);
        RecomputeAll(*gb);
    }
    return *gb;
}

void Sizes(benchmark::internal::Benchmark* b) {
    b->Args({30, 10})->Args({2000, 200})->Args({10000, 500});
}

// One keystroke: the row, the column and both overall cells.
void BM_Keystroke(benchmark::State& state) {
    TGradebook& gb = Class(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    int c = gb.LastGradeColumn() / 2 + 1, r = gb.LastStudentRow() / 2 + 1;
    bool flip = false;
    for (auto _ : state) {
        gb.SetCell(c, r, flip ? "41" : "42");
        flip = !flip;
        UpdateAveragesForCell(gb, c, r);
        benchmark::DoNotOptimize(gb.Cell(1, 0).data());
    }
}
BENCHMARK(BM_Keystroke)->Apply(Sizes)->Unit(benchmark::kMicrosecond);

void BM_RecomputeAll(benchmark::State& state) {
    TGradebook& gb = Class(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        RecomputeAll(gb);
        benchmark::DoNotOptimize(gb.Cell(1, 0).data());
    }
    state.SetItemsProcessed(state.iterations() * gb.StudentCount() * gb.GradeCount());
}
BENCHMARK(BM_RecomputeAll)->Apply(Sizes)->Unit(benchmark::kMillisecond);

// The floor: reading every entry once and nothing else.
void BM_ReadEntryFloor(benchmark::State& state) {
    TGradebook& gb = Class(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        double sum = 0;
        for (int r = 2; r <= gb.LastStudentRow(); ++r) {
            const auto& cells = gb.RowCells(r);
            for (int c = 2; c <= gb.LastGradeColumn(); ++c)
                sum += ReadEntry(cells[static_cast<size_t>(c)], gb.LetterToNumber).Value;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * gb.StudentCount() * gb.GradeCount());
}
BENCHMARK(BM_ReadEntryFloor)->Apply(Sizes)->Unit(benchmark::kMillisecond);

} // namespace

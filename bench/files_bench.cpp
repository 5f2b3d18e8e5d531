// Reading and writing the gradebook file against copying the same bytes in memory.

#include "big_class.h"
#include "gradebook.h"
#include "gradebook_file.h"
#include "sample_builder.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

using namespace marklow;

namespace {

struct Fixture {
    std::unique_ptr<TGradebook> gb;
    std::string bytes;
};

Fixture& Large() {
    static Fixture f = [] {
        TBuildOptions o;
        o.Students = 10000;
        o.Grades = 500;
        Fixture x;
        x.gb = BuildGradebook(o);
        x.bytes = WriteGradebook(*x.gb);
        return x;
    }();
    return f;
}

// The same class with every student's name outside Windows-1252 (ten scripts in turn), so
// every name is kept whole in the file's trailer as well as in its Windows-1252 form.
Fixture& LargeForeignNames() {
    static Fixture f = [] {
        TBuildOptions o;
        o.Students = 10000;
        o.Grades = 500;
        Fixture x;
        x.gb = BuildGradebook(o);
        NameInTenScripts(*x.gb);
        x.bytes = WriteGradebook(*x.gb);
        return x;
    }();
    return f;
}

// The floor: the file's bytes copied into a new buffer, as a read from memory costs.
void BM_CopyFloor(benchmark::State& state) {
    const std::string& bytes = Large().bytes;
    for (auto _ : state) {
        std::string copy(bytes);
        benchmark::DoNotOptimize(copy.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}
BENCHMARK(BM_CopyFloor)->Unit(benchmark::kMillisecond);

// Two more references that bound what the table itself costs, whatever the file: copying
// every cell text into a new table (a reader must build one), and visiting every cell once
// (a writer must read them all).
void BM_TableCopyReference(benchmark::State& state) {
    TGradebook& gb = *Large().gb;
    for (auto _ : state) {
        std::vector<TCellRow> rows;
        rows.reserve(static_cast<size_t>(gb.RowCount()));
        for (int r = 0; r < gb.RowCount(); ++r)
            rows.push_back(gb.RowCells(r));
        benchmark::DoNotOptimize(rows.data());
        state.PauseTiming();
        rows = {};
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(Large().bytes.size()));
}
BENCHMARK(BM_TableCopyReference)->Unit(benchmark::kMillisecond);

void BM_TableVisitReference(benchmark::State& state) {
    TGradebook& gb = *Large().gb;
    for (auto _ : state) {
        size_t sum = 0;
        for (int r = 0; r < gb.RowCount(); ++r)
            for (std::string_view cell : gb.RowCells(r))
                sum += cell.size();
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(Large().bytes.size()));
}
BENCHMARK(BM_TableVisitReference)->Unit(benchmark::kMillisecond);

void BM_ReadGradebook(benchmark::State& state) {
    const std::string& bytes = (state.range(0) ? LargeForeignNames() : Large()).bytes;
    for (auto _ : state) {
        state.PauseTiming();
        auto open = std::make_unique<TGradebook>();
        state.ResumeTiming();
        ReadGradebook(bytes, *open, {});
        benchmark::DoNotOptimize(open->Cell(2, 2).data());
        // Releasing the table is not part of reading it.
        state.PauseTiming();
        open.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}
// 0: the ordinary class; 1: every name outside Windows-1252.
BENCHMARK(BM_ReadGradebook)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_WriteGradebook(benchmark::State& state) {
    Fixture& f = state.range(0) ? LargeForeignNames() : Large();
    for (auto _ : state) {
        std::string bytes = WriteGradebook(*f.gb);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(f.bytes.size()));
}
BENCHMARK(BM_WriteGradebook)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

// The undo stack at 10,000 students x 500 grades: undo and redo of the biggest steps, the
// memory a long history holds, and the short labels of a large class.

#include "averages.h"
#include "commands.h"
#include "gradebook_document.h"
#include "sample_builder.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <memory>
#include <string>

using namespace marklow;

namespace {

std::unique_ptr<TGradebookDocument> Document(int students, int grades) {
    auto doc = std::make_unique<TGradebookDocument>();
    TBuildOptions o;
    o.Students = students;
    o.Grades = grades;
    o.Categories = 4;
    doc->Gradebook().ReplaceDocument(std::move(*BuildGradebook(o)));
    RecomputeAll(doc->Gradebook());
    return doc;
}

size_t HeapInUse() { return mallinfo2().uordblks; }

// One step back and one forward per iteration; the first deletion, with its RecomputeAll,
// is outside the timing.
void BM_UndoRedoDeleteGrade(benchmark::State& state) {
    auto doc = Document(10000, 500);
    doc->Push(new TDeleteGradeCommand(*doc, 250, 2));
    for (auto _ : state) {
        doc->Undo();
        doc->Redo();
    }
}
BENCHMARK(BM_UndoRedoDeleteGrade)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_UndoRedoDeleteStudent(benchmark::State& state) {
    auto doc = Document(10000, 500);
    doc->Push(new TDeleteStudentCommand(*doc, 5000, 2));
    for (auto _ : state) {
        doc->Undo();
        doc->Redo();
    }
}
BENCHMARK(BM_UndoRedoDeleteStudent)->Unit(benchmark::kMillisecond)->Iterations(10);

// Undo of one typed score, averages of its row and column included.
void BM_UndoTypedCell(benchmark::State& state) {
    auto doc = Document(10000, 500);
    TGradebook& gb = doc->Gradebook();
    doc->EditCell(300, 7000, "88");
    UpdateAveragesForCell(gb, 300, 7000);
    doc->CommitCellEdit();
    for (auto _ : state) {
        doc->Undo();
        state.PauseTiming();
        doc->Redo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UndoTypedCell)->Unit(benchmark::kMicrosecond);

// What 1,000 typed cells cost the history.
void BM_StackOfThousandTypedCells(benchmark::State& state) {
    auto doc = Document(10000, 500);
    TGradebook& gb = doc->Gradebook();
    double bytes = 0;
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // Texts of their own each round, so that every cell really changes.
        const std::string texts[] = {std::to_string(70 + round) + " late", "C+", "B-"};
        ++round;
        doc->ResetHistory();
        malloc_trim(0);
        const size_t before = HeapInUse();
        state.ResumeTiming();
        for (int i = 0; i < 1000; ++i) {
            const int c = 2 + i % 500, r = 2 + (i * 37) % 10000;
            doc->EditCell(c, r, texts[(i + round) % 3]);
            UpdateAveragesForCell(gb, c, r);
            doc->CommitCellEdit();
        }
        state.PauseTiming();
        bytes = static_cast<double>(HeapInUse()) - static_cast<double>(before);
        if (bytes < 0) bytes = 0;
        state.ResumeTiming();
    }
    state.counters["stack_KB"] = bytes / 1024;
    state.counters["steps"] = doc->UndoStack().count();
}
BENCHMARK(BM_StackOfThousandTypedCells)->Unit(benchmark::kMillisecond)->Iterations(3);

// 10,000 names over a handful of initials, where most labels clash.
void BM_MakeStudentLabels(benchmark::State& state) {
    TGradebook gb;
    gb.SetEditMode(false);
    const char* names[] = {"Ann Lee", "Al Low", "Bea Moss", "Ben Ma", "Cy Ng"};
    for (int i = 0; i < state.range(0); ++i) AddStudent(gb, names[i % 5]);
    for (auto _ : state) gb.MakeStudentLabels();
}
BENCHMARK(BM_MakeStudentLabels)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

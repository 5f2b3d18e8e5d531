// The options dialog with a class of 10000 students and 500 grades: opening it (working
// copies of the 500 grades, never of the class), and its OK applied to the gradebook, with
// the recompute of every average when the change affects them.

#include "averages.h"
#include "big_class.h"
#include "options_result.h"
#include "sample_builder.h"

#ifdef MARKLOW_BENCH_OPTIONS_DIALOG
#include "options_dialog.h"
#include "prompts.h"

#include <QApplication>
#endif

#include <benchmark/benchmark.h>

#include <memory>

using namespace marklow;

namespace {

// OK after a category's percentage changed: the result, applying it, and every average.
void BM_OkWithChangedCategories(benchmark::State& state) {
    TGradebook& gb = BigClass();
    TOptionsWork work = MakeOptionsWork(gb);
    bool flip = false;
    for (auto _ : state) {
        flip = !flip;
        work.CategoryGrid.SetText(kCategoryPercentCol, 1, flip ? "42" : "43");
        work.GradeCopies[7].CategoryIndex = flip ? 1 : 0;
        TOptionsResult r = MakeOptionsResult(gb, work);
        ApplyOptions(gb, r);
        if (r.AffectsAverages) RecomputeAll(gb);
        benchmark::DoNotOptimize(gb.Cell(0, 1).data());
    }
}
BENCHMARK(BM_OkWithChangedCategories)->Unit(benchmark::kMillisecond);

// OK after only the description changed: nothing affects the averages, so no recompute.
void BM_OkWithoutAverageChanges(benchmark::State& state) {
    TGradebook& gb = BigClass();
    TOptionsWork work = MakeOptionsWork(gb);
    bool flip = false;
    for (auto _ : state) {
        flip = !flip;
        work.ClassName = flip ? "Period 1" : "Period 2";
        TOptionsResult r = MakeOptionsResult(gb, work);
        if (r.AffectsAverages) state.SkipWithError("the description affected the averages");
        ApplyOptions(gb, r);
        if (r.AffectsAverages) RecomputeAll(gb);
    }
}
BENCHMARK(BM_OkWithoutAverageChanges)->Unit(benchmark::kMillisecond);

// Undo of such an OK: the values captured before, applied back, and every average.
void BM_UndoOptions(benchmark::State& state) {
    TGradebook& gb = BigClass();
    TOptionsWork work = MakeOptionsWork(gb);
    for (auto& g : work.GradeCopies)
        g.Points += 1;
    const TOptionsResult next = MakeOptionsResult(gb, work);
    const TOptionsResult old = CaptureOptions(gb, next);
    bool forward = true;
    for (auto _ : state) {
        ApplyOptions(gb, forward ? next : old);
        RecomputeAll(gb);
        forward = !forward;
    }
    if (!forward) ApplyOptions(gb, old);
}
BENCHMARK(BM_UndoOptions)->Unit(benchmark::kMillisecond);

#ifdef MARKLOW_BENCH_OPTIONS_DIALOG
QApplication& App() {
    static int argc = 1;
    static char name[] = "bench_options";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv); // lives to the end, like the program's
    }();
    return *app;
}

// Opening the dialog on the Weights page and closing it: every page filled from the class.
void BM_OpenDialog(benchmark::State& state) {
    App();
    TGradebook& gb = BigClass();
    ScopedPrompts prompts;
    TNewOptionsDlg dlg;
    TOptionsRequest r;
    r.Page = static_cast<int>(state.range(0));
    r.CurrentColumn = 250;
    for (auto _ : state) {
        prompts.Script.DialogActions.push_back([](QDialog& d) {
            QApplication::processEvents(); // lays out and paints the page
            d.reject();
        });
        benchmark::DoNotOptimize(dlg.Run(gb, r));
    }
}
BENCHMARK(BM_OpenDialog)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
#endif

} // namespace

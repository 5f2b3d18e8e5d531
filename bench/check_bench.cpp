// The clipboard and the check at 10000 students and 500 grades: Copy Averages, pasting a whole
// class's averages back (every record found by name), the gradebook check, and the check
// window opening and scrolling when every one of the five million entries is invalid.

#include "averages.h"
#include "big_class.h"
#include "check.h"
#include "clipboard_data.h"
#include "gradebook_file.h"
#include "sample_builder.h"

#ifdef MARKLOW_BENCH_CHECK_WINDOW
#include "check_form.h"

#include <QApplication>
#include <QScrollBar>
#include <QTableView>
#endif

#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <string>

using namespace marklow;

namespace {

// Every entry invalid: the most findings a class of this size can have.
TGradebook& AllInvalid() {
    static std::unique_ptr<TGradebook> gb = [] {
        TBuildOptions o;
        o.Students = 10000;
        o.Grades = 500;
        o.Categories = 0;
        auto built = BuildGradebook(o);
        for (int r = 2; r <= built->LastStudentRow(); ++r)
            for (int c = 2; c <= built->LastGradeColumn(); ++c)
                built->SetCell(c, r, "?");
        return built;
    }();
    return *gb;
}

// Resident memory in MB.
double ResidentMb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024;
    return 0;
}

void BM_CopyAverages(benchmark::State& state) {
    const TGradebook& gb = BigClass();
    for (auto _ : state) {
        auto copy = BuildClipboardCopy(gb, TClipboardFormat::Averages);
        benchmark::DoNotOptimize(copy->Block.data());
    }
}
BENCHMARK(BM_CopyAverages)->Unit(benchmark::kMillisecond);

// The whole paste as the program runs it: read the block, plan, apply, recompute; the class
// is taken back to its state between rounds.
void BM_PasteAveragesAllMatched(benchmark::State& state) {
    TGradebook& gb = BigClass();
    const std::string block = BuildClipboardCopy(gb, TClipboardFormat::Averages)->Block;
    for (auto _ : state) {
        TStudentBlock read = ReadStudentBlock(block);
        TPastePlan plan = PlanPaste(gb, TClipboardFormat::Averages, read.Students, read.Complete);
        ApplyPaste(gb, plan);
        RecomputeAll(gb);
        state.PauseTiming();
        if (!plan.NewStudents.empty()) state.SkipWithError("records were not matched");
        RevertPaste(gb, plan);
        RecomputeAll(gb);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PasteAveragesAllMatched)->Unit(benchmark::kMillisecond);

void BM_Check(benchmark::State& state) {
    const TGradebook& gb = state.range(0) ? AllInvalid() : BigClass();
    size_t findings = 0;
    for (auto _ : state) {
        TCheckResult result = RunCheck(gb);
        findings = result.Findings.size();
        benchmark::DoNotOptimize(result.Findings.data());
    }
    state.counters["findings"] = static_cast<double>(findings);
}
BENCHMARK(BM_Check)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

#ifdef MARKLOW_BENCH_CHECK_WINDOW
QApplication& App() {
    static int argc = 1;
    static char name[] = "bench_check";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *app;
}

// Check Gradebook on the all-invalid class: the check, filling the window, showing it and
// scrolling from top to bottom in twenty steps, each painted.
void BM_CheckWindowFiveMillionFindings(benchmark::State& state) {
    App();
    const TGradebook& gb = AllInvalid();
    TCheckForm form;
    const double before = ResidentMb();
    double peak = 0;
    for (auto _ : state) {
        form.Fill(gb);
        form.show();
        QApplication::processEvents();
        QScrollBar* bar = form.ListView1->verticalScrollBar();
        for (int step = 1; step <= 20; ++step) {
            bar->setValue(bar->maximum() / 20 * step);
            form.ListView1->viewport()->repaint();
        }
        peak = std::max(peak, ResidentMb() - before);
        state.PauseTiming();
        form.hide();
        form.Empty();
        state.ResumeTiming();
    }
    state.counters["rows"] = static_cast<double>(5000000);
    state.counters["extra_MB"] = peak;
}
BENCHMARK(BM_CheckWindowFiveMillionFindings)->Unit(benchmark::kMillisecond)->Iterations(3);
#endif

} // namespace

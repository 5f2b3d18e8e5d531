// Detailed progress reports of a big class: 2000 students by 50 grades to one PDF (a page or
// more a student), its first preview page, and one PDF per student for 200 of them.

#include "averages.h"
#include "detailed_progress_form.h"
#include "file_names.h"
#include "gradebook.h"
#include "output.h"
#include "page_source.h"
#include "report_run.h"
#include "sample_builder.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

using namespace marklow;

namespace {

QGuiApplication& App() {
    static int argc = 1;
    static char name[] = "bench_detailed_progress";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv); // lives to the end, like the program's
    }();
    return *app;
}

const TGradebook& Class(int students, int grades) {
    static std::map<std::pair<int, int>, std::unique_ptr<TGradebook>> classes;
    auto& gb = classes[{students, grades}];
    if (!gb) {
        TBuildOptions o;
        o.Students = students;
        o.Grades = grades;
        gb = BuildGradebook(o);
        for (int c = 2; c <= gb->LastGradeColumn(); c += 7) {
            gb->GradeAt(c)->Curve = true;
            gb->GradeAt(c)->CurveAmount = 5;
        }
        for (int r = 2; r <= gb->LastStudentRow(); r += 3)
            gb->StudentAt(r)->Notes = "Works steadily; homework is on time and complete.";
        RecomputeAll(*gb);
    }
    return *gb;
}

void BM_DetailedProgressPdf(benchmark::State& state) {
    App();
    const TGradebook& gb = Class(2000, 50);
    PrintOptions options;
    QString path = QStringLiteral("/tmp/marklow-bench-detailed.pdf");
    int pages = 0;
    for (auto _ : state) {
        TDetailedProgressForm form;
        form.SetSource(gb, options);
        TOutputStatus s = WritePdfFile(form.Quickxrp1, path);
        if (s.Result != TOutputResult::Done) state.SkipWithError("the PDF was not written");
        pages = s.Pages;
    }
    state.counters["pages"] = pages;
    state.counters["pdf_mb"] = static_cast<double>(QFileInfo(path).size()) / (1024 * 1024);
    QFile::remove(path);
}
BENCHMARK(BM_DetailedProgressPdf)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

// The layout alone, every page with its items, nothing painted.
void BM_DetailedProgressLayout(benchmark::State& state) {
    App();
    const TGradebook& gb = Class(2000, 50);
    PrintOptions options;
    int pages = 0;
    for (auto _ : state) {
        TDetailedProgressForm form;
        form.SetSource(gb, options);
        TReportRun run(form.Quickxrp1);
        pages = 0;
        while (auto page = run.NextPage())
            ++pages;
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_DetailedProgressLayout)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void BM_DetailedProgressFirstPage(benchmark::State& state) {
    App();
    const TGradebook& gb = Class(2000, 50);
    PrintOptions options;
    for (auto _ : state) {
        TDetailedProgressForm form;
        form.SetSource(gb, options);
        TReportPages pages(form.Quickxrp1);
        benchmark::DoNotOptimize(pages.Page(0));
    }
}
BENCHMARK(BM_DetailedProgressFirstPage)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DetailedProgressSplit(benchmark::State& state) {
    App();
    const TGradebook& gb = Class(200, 50);
    const QString dir = QStringLiteral("/tmp/marklow-bench-split");
    QDir().mkpath(dir);
    std::vector<std::string> names;
    for (int r = 2; r <= gb.LastStudentRow(); ++r)
        names.emplace_back(gb.Cell(1, r));
    for (auto _ : state) {
        const std::vector<std::string> files = UniqueFileNames(names);
        TDetailedProgressForm form;
        PrintOptions options;
        options.AllStudents = false;
        form.SetSource(gb, options);
        for (size_t i = 0; i < files.size(); ++i) {
            options.SelectedStudent = static_cast<int>(i);
            TOutputStatus s = WritePdfFile(
                form.Quickxrp1, QDir(dir).filePath(QString::fromStdString(files[i] + ".pdf")));
            if (s.Result != TOutputResult::Done) state.SkipWithError("a PDF was not written");
        }
    }
    QDir(dir).removeRecursively();
}
BENCHMARK(BM_DetailedProgressSplit)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

} // namespace

// The chart printouts of big classes: the chart of 2000 and 10000 students' averages (bars,
// and the letter histogram) to a one-page PDF, the description and detail of 2000 students
// (about 70 pages) to PDF, and the detail preview's first page. Each includes gathering the
// series, as a print from marklow-cli does.

#include "averages.h"
#include "chart_print_form.h"
#include "gradebook.h"
#include "output.h"
#include "page_source.h"
#include "sample_builder.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <memory>

using namespace marklow;

namespace {

QGuiApplication& App() {
    static int argc = 1;
    static char name[] = "bench_chart_print";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv); // lives to the end, like the program's
    }();
    return *app;
}

const TGradebook& Class(int students) {
    static std::map<int, std::unique_ptr<TGradebook>> classes;
    auto& gb = classes[students];
    if (!gb) {
        TBuildOptions o;
        o.Students = students;
        o.Grades = 20;
        gb = BuildGradebook(o);
        RecomputeAll(*gb);
    }
    return *gb;
}

TChartSelection StudentAverages(bool histogram) {
    TChartSelection s;
    s.DataType = TDataType::Student;
    s.Histogram = histogram;
    return s;
}

const QString kPath = QStringLiteral("/tmp/marklow-bench-chart-print.pdf");

// range(0): students; range(1): 1 for the histogram.
void BM_PdfChartGraphic(benchmark::State& state) {
    App();
    const TGradebook& gb = Class(static_cast<int>(state.range(0)));
    const bool histogram = state.range(1) != 0;
    TChartLook look = DefaultChartLook(true);
    for (auto _ : state) {
        TFormChartPrint form;
        form.SetSource(gb, MakeChartPrintSource(gb, StudentAverages(histogram), look));
        TOutputStatus s = WritePdfFile(form.GraphicReport, kPath);
        if (s.Result != TOutputResult::Done) state.SkipWithError("the PDF was not written");
    }
    std::remove(kPath.toLocal8Bit().constData());
}
BENCHMARK(BM_PdfChartGraphic)
    ->Args({2000, 0})
    ->Args({2000, 1})
    ->Args({10000, 0})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_PdfChartDetail(benchmark::State& state) {
    App();
    const TGradebook& gb = Class(static_cast<int>(state.range(0)));
    int pages = 0;
    for (auto _ : state) {
        TFormChartPrint form;
        form.SetSource(gb, MakeChartPrintSource(gb, StudentAverages(true), DefaultChartLook(true)));
        TOutputStatus s = WritePdfFile(form.DetailReport, kPath);
        if (s.Result != TOutputResult::Done) state.SkipWithError("the PDF was not written");
        pages = s.Pages;
    }
    state.counters["pages"] = pages;
    std::remove(kPath.toLocal8Bit().constData());
}
BENCHMARK(BM_PdfChartDetail)->Arg(2000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PreviewChartDetailFirstPage(benchmark::State& state) {
    App();
    const TGradebook& gb = Class(10000);
    TFormChartPrint form;
    form.SetSource(gb, MakeChartPrintSource(gb, StudentAverages(true), DefaultChartLook(true)));
    for (auto _ : state) {
        TReportPages pages(form.DetailReport);
        benchmark::DoNotOptimize(pages.Page(0));
    }
}
BENCHMARK(BM_PreviewChartDetailFirstPage)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

// The charts at 10000 students x 500 grades: gathering, ordering and the statistics of each
// kind of series, the short labels, the chart window's opening with its lists filled, and a
// repaint of a 10000-bar chart.

#include "averages.h"
#include "big_class.h"
#include "chart_labels.h"
#include "chart_stats.h"
#include "graph_layout.h"
#include "sample_builder.h"

#include <benchmark/benchmark.h>

#include <memory>

#ifdef MARKLOW_BENCH_CHART_WINDOW
#include "chart_form.h"
#include "my_graph.h"

#include <QApplication>
#include <QImage>
#include <QRadioButton>
#endif

using namespace marklow;

namespace {

const TChartLabels& BigLabels() {
    static TChartLabels labels = MakeChartLabels(BigClass());
    return labels;
}

void Series(benchmark::State& state, TDataType type, int entry, bool histogram) {
    const TGradebook& gb = BigClass();
    const TChartLabels& labels = BigLabels();
    TChartSelection s;
    s.DataType = type;
    s.Entry = entry;
    s.Histogram = histogram;
    s.SingleLetter = histogram;
    s.LetterStats = histogram;
    for (auto _ : state) {
        TChartResult r = ComputeChart(gb, labels, s);
        benchmark::DoNotOptimize(r.Stats.Mean);
    }
}

void BM_ClassAverages(benchmark::State& state) {
    Series(state, TDataType::Grade, 0, false);
}
void BM_OneGrade(benchmark::State& state) {
    Series(state, TDataType::Grade, 250, false);
}
void BM_OneGradeHistogram(benchmark::State& state) {
    Series(state, TDataType::Grade, 250, true);
}
void BM_StudentAverages(benchmark::State& state) {
    Series(state, TDataType::Student, 0, false);
}
void BM_StudentAveragesHistogram(benchmark::State& state) {
    Series(state, TDataType::Student, 0, true);
}
void BM_OneStudent(benchmark::State& state) {
    Series(state, TDataType::Student, 5000, false);
}

void BM_ShortLabels(benchmark::State& state) {
    for (auto _ : state) {
        TChartLabels labels = MakeChartLabels(BigClass());
        benchmark::DoNotOptimize(labels.Students.data());
    }
}

BENCHMARK(BM_ClassAverages)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OneGrade)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OneGradeHistogram)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StudentAverages)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StudentAveragesHistogram)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OneStudent)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShortLabels)->Unit(benchmark::kMillisecond);

#ifdef MARKLOW_BENCH_CHART_WINDOW

QApplication& App() {
    static int argc = 1;
    static char name[] = "bench_charts";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv); // lives to the end, like the program's
    }();
    return *app;
}

// Filling the window for the class (labels, both lists, the first chart) and showing it.
void BM_ChartWindowOpen(benchmark::State& state) {
    App();
    const TGradebook& gb = BigClass();
    TChartForm form;
    form.resize(1280, 800);
    for (auto _ : state) {
        form.Prepare(gb, 1, 1);
        form.show();
        QApplication::processEvents();
        state.PauseTiming();
        form.hide();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ChartWindowOpen)->Unit(benchmark::kMillisecond)->Iterations(5);

// Switching the open window to the 10000 student averages, painted.
void BM_ChartWindowStudentAverages(benchmark::State& state) {
    App();
    const TGradebook& gb = BigClass();
    TChartForm form;
    form.resize(1280, 800);
    form.Prepare(gb, 1, 1);
    form.show();
    QApplication::processEvents();
    for (auto _ : state) {
        form.StudentRadio->setChecked(true);
        form.Graph1->repaint();
        state.PauseTiming();
        form.GradeRadio->setChecked(true);
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ChartWindowStudentAverages)->Unit(benchmark::kMillisecond)->Iterations(5);

// A graph of the 10000 student averages as 2-D bars.
TMyGraph& BigGraph() {
    static TMyGraph* graph = [] {
        App();
        auto* g = new TMyGraph;
        g->resize(1280, 720);
        TChartSelection s;
        s.DataType = TDataType::Student;
        TChartResult r = ComputeChart(BigClass(), BigLabels(), s);
        g->SetPointCount(static_cast<int>(r.ChartData.size()));
        for (size_t i = 0; i < r.ChartData.size(); ++i) {
            g->SetPointLabel(static_cast<int>(i) + 1, r.ChartData[i].Label);
            g->SetPointValue(static_cast<int>(i) + 1, r.ChartData[i].Value);
        }
        g->SetChartType(kChart2DBar);
        g->SetChartTitle("Student Averages");
        g->SetStatsLine(r.StatsLine);
        return g;
    }();
    return *graph;
}

void BM_Repaint10000Bars(benchmark::State& state) {
    TMyGraph& graph = BigGraph();
    QImage image(graph.size(), QImage::Format_ARGB32_Premultiplied);
    graph.render(&image); // lays out once; repaints play the kept primitives
    for (auto _ : state) {
        graph.render(&image);
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK(BM_Repaint10000Bars)->Unit(benchmark::kMillisecond);

// The layout that a change of data or size costs once.
void BM_Layout10000Bars(benchmark::State& state) {
    TMyGraph& graph = BigGraph();
    const TGraphFonts fonts = graph.Fonts();
    for (auto _ : state) {
        TGraphLayout l = LayoutGraph(graph.Model(), 1280, 720, TQtTextMeasure(fonts));
        benchmark::DoNotOptimize(l.Items.data());
    }
}
BENCHMARK(BM_Layout10000Bars)->Unit(benchmark::kMillisecond);

#endif

} // namespace

// The reports of big classes. The gradebook report: the preview's first page and page turns at 2000
// students by 500 grades (thousands of pages), counting every page, the memory all that
// takes, a PDF of 2000 by 50 (about 450 pages), and how soon Cancel stops a PDF. Progress
// reports of 2000 students by 50 grades (2000 pages) and the criteria of 500 grades.

#include "averages.h"
#include "big_class.h"
#include "criteria_form.h"
#include "gbook_form.h"
#include "gradebook.h"
#include "output.h"
#include "page_source.h"
#include "painter.h"
#include "progress_form.h"
#include "sample_builder.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <chrono>
#include <fstream>
#include <map>
#include <memory>
#include <string>

using namespace marklow;

namespace {

QGuiApplication& App() {
    static int argc = 1;
    static char name[] = "bench_reports";
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
        RecomputeAll(*gb);
    }
    return *gb;
}

// Resident and peak resident memory of the process, in MB.
double StatusMb(const char* key) {
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(key, 0) == 0) return std::stod(line.substr(std::string(key).size())) / 1024;
    return 0;
}

// A page painted as the preview paints it at 100 %.
void PaintAt100(const TReportPage& page) {
    const double scale = 96 / 25.4;
    QImage image(QSize(qRound(page.PaperMm.width() * scale), qRound(page.PaperMm.height() * scale)),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter p(&image);
    PaintPage(p, page, QRectF(0, 0, image.width(), image.height()));
}

PrintOptions Options() {
    PrintOptions o;
    o.PrintGrade = TPrintGrade::NumbersAndLetters;
    o.ShadeCurved = true;
    return o;
}

void BM_PreviewFirstPage(benchmark::State& state) {
    App();
    const TGradebook& gb = Class(2000, 500);
    PrintOptions options = Options();
    for (auto _ : state) {
        TGBookForm form;
        form.SetSource(gb, options);
        TReportPages pages(form.Quickxrp1);
        PaintAt100(*pages.Page(0));
    }
}
BENCHMARK(BM_PreviewFirstPage)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PreviewNextPage(benchmark::State& state) {
    App();
    const TGradebook& gb = Class(2000, 500);
    PrintOptions options = Options();
    TGBookForm form;
    form.SetSource(gb, options);
    TReportPages pages(form.Quickxrp1);
    int page = 0;
    for (auto _ : state) {
        auto p = pages.Page(++page); // never cached: each is laid out and painted anew
        if (!p)
            page = 0;
        else
            PaintAt100(*p);
    }
}
BENCHMARK(BM_PreviewNextPage)->Unit(benchmark::kMillisecond)->UseRealTime();

// End pressed at once: counting every page up to the last, then laying it out.
void BM_PreviewLastPage(benchmark::State& state) {
    App();
    const TGradebook& gb = Class(2000, 500);
    PrintOptions options = Options();
    int count = 0;
    for (auto _ : state) {
        TGBookForm form;
        form.SetSource(gb, options);
        TReportPages pages(form.Quickxrp1);
        pages.CountAll();
        count = pages.Counted();
        PaintAt100(*pages.Page(count - 1));
    }
    state.counters["pages"] = count;
}
BENCHMARK(BM_PreviewLastPage)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// Memory of a preview whatever the page count: every page counted, then leafed through
// (every tenth page laid out and painted); the growth of the process's resident memory.
void BM_PreviewMemory(benchmark::State& state) {
    App();
    const TGradebook& gb = Class(2000, 500);
    PrintOptions options = Options();
    double before = StatusMb("VmRSS:");
    int count = 0;
    for (auto _ : state) {
        TGBookForm form;
        form.SetSource(gb, options);
        TReportPages pages(form.Quickxrp1);
        pages.CountAll();
        count = pages.Counted();
        for (int i = 0; i < count; i += 10)
            PaintAt100(*pages.Page(i));
        state.counters["rss_growth_mb"] = StatusMb("VmRSS:") - before;
    }
    state.counters["pages"] = count;
    state.counters["rss_mb"] = StatusMb("VmRSS:");
}
BENCHMARK(BM_PreviewMemory)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

// Writes the gradebook report to path once an iteration; counts its pages, the time a page
// takes and the bytes a page holds.
void WriteGradebookPdfs(benchmark::State& state, const TGradebook& gb, const PrintOptions& options,
                        const QString& path) {
    int pages = 0;
    double seconds = 0;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        TGBookForm form;
        form.SetSource(gb, options);
        TOutputStatus s = WritePdfFile(form.Quickxrp1, path);
        if (s.Result != TOutputResult::Done) state.SkipWithError("the PDF was not written");
        pages = s.Pages;
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    state.counters["pages"] = pages;
    if (pages > 0) {
        state.counters["ms_per_page"] =
            seconds * 1000 / static_cast<double>(state.iterations()) / pages;
        std::ifstream pdf(path.toLocal8Bit().constData(), std::ios::binary | std::ios::ate);
        state.counters["bytes_per_page"] = static_cast<double>(pdf.tellg()) / pages;
    }
}

void BM_PdfGradebook(benchmark::State& state) {
    App();
    const TGradebook& gb = Class(2000, static_cast<int>(state.range(0)));
    PrintOptions options = Options();
    options.Orientation = TReportOrientation::Landscape;
    QString path = QStringLiteral("/tmp/marklow-bench-reports.pdf");
    double before = StatusMb("VmRSS:");
    WriteGradebookPdfs(state, gb, options, path);
    state.counters["rss_growth_mb"] = StatusMb("VmRSS:") - before;
    state.counters["peak_rss_mb"] = StatusMb("VmHWM:");
    std::remove(path.toLocal8Bit().constData());
}
// The class of the printing measurements: 2000 by 50 in portrait as marklow-cli prints it.
void BM_PdfGradebookPortrait(benchmark::State& state) {
    App();
    const TGradebook& gb = Class(2000, 50);
    PrintOptions options;
    QString path = QStringLiteral("/tmp/marklow-bench-portrait.pdf");
    WriteGradebookPdfs(state, gb, options, path);
    std::remove(path.toLocal8Bit().constData());
}
BENCHMARK(BM_PdfGradebookPortrait)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// The same with every name in another script in turn: Chinese from a font of outlines,
// Arabic joined, Hindi reordered and given its text, emoji from a font of symbols.
void BM_PdfGradebookScripts(benchmark::State& state) {
    App();
    static std::unique_ptr<TGradebook> gb = [] {
        TBuildOptions o;
        o.Students = 2000;
        o.Grades = 50;
        auto built = BuildGradebook(o);
        NameInTenScripts(*built);
        RecomputeAll(*built);
        return built;
    }();
    QString path = QStringLiteral("/tmp/marklow-bench-scripts.pdf");
    WriteGradebookPdfs(state, *gb, PrintOptions(), path);
    std::remove(path.toLocal8Bit().constData());
}
BENCHMARK(BM_PdfGradebookScripts)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

BENCHMARK(BM_PdfGradebook)->Arg(50)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

// From the moment Cancel is seen (the progress answers false) to the file being given up.
void BM_PdfCancel(benchmark::State& state) {
    App();
    const TGradebook& gb = Class(2000, 500);
    PrintOptions options = Options();
    QString path = QStringLiteral("/tmp/marklow-bench-cancel.pdf");
    for (auto _ : state) {
        TGBookForm form;
        form.SetSource(gb, options);
        auto start = std::chrono::steady_clock::now();
        std::chrono::steady_clock::time_point cancelled;
        WritePdfFile(form.Quickxrp1, path, {}, [&](int, int) {
            if (std::chrono::steady_clock::now() - start < std::chrono::milliseconds(300))
                return true;
            cancelled = std::chrono::steady_clock::now();
            return false;
        });
        std::chrono::duration<double> latency = std::chrono::steady_clock::now() - cancelled;
        state.SetIterationTime(latency.count());
    }
}
BENCHMARK(BM_PdfCancel)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

// The slowest single page of a PDF, which bounds how long Cancel can wait in the
// progress window: it is asked before every page.
void BM_PdfSlowestPage(benchmark::State& state) {
    App();
    const TGradebook& gb = Class(2000, 500);
    PrintOptions options = Options();
    QString path = QStringLiteral("/tmp/marklow-bench-slowest.pdf");
    double slowest = 0;
    for (auto _ : state) {
        TGBookForm form;
        form.SetSource(gb, options);
        auto last = std::chrono::steady_clock::now();
        WritePdfFile(form.Quickxrp1, path, {1, 200}, [&](int, int) {
            auto now = std::chrono::steady_clock::now();
            slowest = std::max(slowest, std::chrono::duration<double>(now - last).count());
            last = now;
            return true;
        });
    }
    state.counters["slowest_page_ms"] = slowest * 1000;
    std::remove(path.toLocal8Bit().constData());
}
BENCHMARK(BM_PdfSlowestPage)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void BM_ProgressPreviewFirstPage(benchmark::State& state) {
    App();
    const TGradebook& gb = Class(2000, 50);
    PrintOptions options = Options();
    for (auto _ : state) {
        TRprogform form;
        form.SetSource(gb, options);
        TReportPages pages(form.Quickxrp1);
        PaintAt100(*pages.Page(0));
    }
}
BENCHMARK(BM_ProgressPreviewFirstPage)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ProgressPdf(benchmark::State& state) {
    App();
    const TGradebook& gb = Class(2000, 50);
    PrintOptions options = Options();
    QString path = QStringLiteral("/tmp/marklow-bench-progress.pdf");
    int pages = 0;
    double before = StatusMb("VmRSS:");
    for (auto _ : state) {
        TRprogform form;
        form.SetSource(gb, options);
        TOutputStatus s = WritePdfFile(form.Quickxrp1, path);
        if (s.Result != TOutputResult::Done) state.SkipWithError("the PDF was not written");
        pages = s.Pages;
    }
    state.counters["pages"] = pages;
    state.counters["rss_growth_mb"] = StatusMb("VmRSS:") - before;
    std::remove(path.toLocal8Bit().constData());
}
BENCHMARK(BM_ProgressPdf)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void BM_CriteriaPdf(benchmark::State& state) {
    App();
    const TGradebook& gb = Class(30, 500);
    PrintOptions options;
    QString path = QStringLiteral("/tmp/marklow-bench-criteria.pdf");
    int pages = 0;
    for (auto _ : state) {
        TGradeCriForm form;
        form.SetSource(gb, options);
        TOutputStatus s = WritePdfFile(form.Quickxrp1, path);
        if (s.Result != TOutputResult::Done) state.SkipWithError("the PDF was not written");
        pages = s.Pages;
    }
    state.counters["pages"] = pages;
    std::remove(path.toLocal8Bit().constData());
}
BENCHMARK(BM_CriteriaPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

// Renders "Print Chart", the preview of both printouts and PDFs of the chart printouts in
// every chart type on Letter and A4 into a folder, for looking at them; not a test.
//   chart_print_screenshots FOLDER

#include "averages.h"
#include "chart_form.h"
#include "chart_print_form.h"
#include "gradebook.h"
#include "gradebook_file.h"
#include "output.h"
#include "page_source.h"
#include "preview_window.h"
#include "print_chart_dlg.h"
#include "safe_save.h"
#include "sample_builder.h"

#include <QApplication>
#include <QComboBox>
#include <QToolButton>

#include <cstdio>

using namespace marklow;

namespace {

void Save(QWidget& w, const QString& path) {
    w.show();
    QApplication::processEvents();
    w.grab().save(path);
    std::printf("%s\n", qPrintable(path));
}

void Pdf(TQuickRep& report, QPageSize::PageSizeId paper, const QString& path) {
    report.Page.Paper = paper;
    TOutputStatus s = WritePdfFile(report, path);
    std::printf("%s: %d page(s)%s\n", qPrintable(path), s.Pages,
                s.Result == TOutputResult::Done ? "" : " FAILED");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: chart_print_screenshots FOLDER\n");
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]) + "/";

    TGradebook sample;
    ReadGradebook(ReadFileBytes(MARKLOW_DATA_DIR "/sample-class.gbd"), sample,
                  [](const std::string&) { return true; });
    RecomputeAll(sample);

    TChartForm window;
    window.resize(1200, 800);
    window.Prepare(sample, 5, 2);
    TChartPrintController controller(&window);
    TPrintChartDlg& dlg = controller.Dialog();
    dlg.RadioGroup1->SetItemIndex(1);
    Save(dlg, folder + "print_chart_dialog.png");

    TFormChartPrint form;
    form.SetSource(sample, ChartPrintSourceOf(window));
    TPreviewForm preview;
    preview.resize(1000, 760);
    preview.SetPages(std::make_unique<TReportPages>(form.GraphicReport));
    Save(preview, folder + "preview_graphic.png");
    preview.SetPages(std::make_unique<TReportPages>(form.DetailReport));
    Save(preview, folder + "preview_detail.png");
    preview.SetPages(nullptr);

    struct TCase {
        const char* Name;
        TChartLook Look;
        TChartSelection Selection;
    };
    TChartSelection grade;
    grade.Entry = 4;
    TChartSelection histogram = grade;
    histogram.Histogram = true;
    TChartSelection averages;
    averages.DataType = TDataType::Student;
    const TCase cases[] = {
        {"line", {"Line", false, false}, grade},
        {"bars2d", {"2D bar", false, true}, grade},
        {"bars3d_horizontal", {"3D bar", true, true}, grade},
        {"bars3d", {"3D bar", false, true}, histogram},
        {"area", {"Area", false, false}, averages},
    };
    for (const TCase& c : cases) {
        form.SetSource(sample, MakeChartPrintSource(sample, c.Selection, c.Look));
        for (auto paper : {QPageSize::Letter, QPageSize::A4}) {
            const QString suffix = paper == QPageSize::Letter ? "_letter" : "_a4";
            Pdf(form.GraphicReport, paper, folder + c.Name + suffix + ".pdf");
        }
    }
    form.SetSource(sample, MakeChartPrintSource(sample, histogram, DefaultChartLook(true)));
    Pdf(form.DetailReport, QPageSize::Letter, folder + "detail_letter.pdf");

    TBuildOptions o;
    o.Students = 2000;
    o.Grades = 10;
    auto big = BuildGradebook(o);
    RecomputeAll(*big);
    TChartSelection all;
    all.DataType = TDataType::Student;
    form.SetSource(*big, MakeChartPrintSource(*big, all, {"2D bar", false, false}));
    Pdf(form.GraphicReport, QPageSize::Letter, folder + "big_bars.pdf");
    all.Histogram = true;
    form.SetSource(*big, MakeChartPrintSource(*big, all, DefaultChartLook(true)));
    Pdf(form.GraphicReport, QPageSize::A4, folder + "big_histogram.pdf");
    Pdf(form.DetailReport, QPageSize::A4, folder + "big_detail.pdf");
    return 0;
}

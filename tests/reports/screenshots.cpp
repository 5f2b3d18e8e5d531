// Renders the print dialog, the preview and the printing progress window to PNG files in
// the folder given (default /tmp), for looking at them. Not a test.

#include "averages.h"
#include "criteria_form.h"
#include "gbook_form.h"
#include "gradebook.h"
#include "gradebook_file.h"
#include "new_print_dlg.h"
#include "output.h"
#include "preview_window.h"
#include "print_progress.h"
#include "progress_form.h"
#include "safe_save.h"
#include "sample_builder.h"

#include <QApplication>
#include <QDir>

#include <iostream>

using namespace marklow;

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QString dir = argc > 1 ? argv[1] : "/tmp";
    TGradebook gb;
    std::string bytes = ReadFileBytes(MARKLOW_DATA_DIR "/sample-class.gbd");
    ReadGradebook(bytes, gb, [](const std::string&) { return true; });
    RecomputeAll(gb);
    auto save = [&](QWidget& w, const char* name) {
        w.grab().save(QDir(dir).filePath(name));
        std::cout << QDir(dir).filePath(name).toStdString() << "\n";
    };

    TNewPrintDlg dlg;
    dlg.Open(gb);
    dlg.show();
    dlg.adjustSize();
    QApplication::processEvents();
    save(dlg, "print-dialog-gradebook.png");
    dlg.RadioGroup1->SetItemIndex(1);
    QApplication::processEvents();
    save(dlg, "print-dialog-criteria.png");
    dlg.RadioGroup1->SetItemIndex(2);
    dlg.SelectedButton->setChecked(true);
    QApplication::processEvents();
    save(dlg, "print-dialog-progress.png");

    PrintOptions options;
    options.Orientation = TReportOrientation::Landscape;
    options.ShadeCurved = true;
    options.PrintGrade = TPrintGrade::NumbersAndLetters;
    TGBookForm form;
    form.SetSource(gb, options);
    TPreviewForm preview;
    preview.resize(1000, 760);
    preview.show();
    preview.SetPages(std::make_unique<TReportPages>(form.Quickxrp1));
    while (!preview.Pages()->CountComplete())
        QApplication::processEvents();
    QApplication::processEvents();
    save(preview, "preview-fit.png");
    preview.SetZoom(TPreviewForm::TZoom::Width);
    QApplication::processEvents();
    save(preview, "preview-width.png");

    // The criteria report with both notes, and progress reports on A4, as PDF files.
    {
        TBuildOptions o;
        o.Students = 4;
        o.Grades = 45;
        o.Categories = 5;
        auto built = BuildGradebook(o);
        built->Teacher = "Ms. Rivera";
        built->ClassName = "Algebra I";
        built->ClassNumber = "Period 3";
        built->GradeAt(2)->Weight = 2; // unequal weights where the lowest is dropped
        built->GradeAt(5)->ExtraCredit = true;
        RecomputeAll(*built);
        TGradeCriForm criteria;
        PrintOptions none;
        criteria.SetSource(*built, none);
        WritePdfFile(criteria.Quickxrp1, QDir(dir).filePath("criteria.pdf"));
        TRprogform progress;
        PrintOptions p;
        p.PrintGrade = TPrintGrade::NumbersAndLetters;
        p.ShadeCurved = true;
        progress.SetSource(*built, p);
        progress.Quickxrp1.Page.Paper = QPageSize::A4;
        WritePdfFile(progress.Quickxrp1, QDir(dir).filePath("progress-a4.pdf"));
        std::cout << QDir(dir).filePath("criteria.pdf").toStdString() << "\n"
                  << QDir(dir).filePath("progress-a4.pdf").toStdString() << "\n";
    }

    TPrintProgress progress;
    progress.show();
    progress.Step(3, 12);
    save(progress, "printing-progress.png");
    return 0;
}

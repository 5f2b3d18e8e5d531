// Renders the print dialog, the preview and the printing progress window to PNG files in
// the folder given (default /tmp), for looking at them. Not a test.

#include "averages.h"
#include "criteria_form.h"
#include "detailed_progress_form.h"
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
#include "translations.h"

#include <QApplication>
#include <QDir>

#include <fstream>
#include <iostream>

using namespace marklow;

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // MARKLOW_LANGUAGE=de shows the windows in German.
    InstallTranslations(qEnvironmentVariable("MARKLOW_LANGUAGE", "en"));
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
    dlg.RadioGroup1->SetItemIndex(3);
    QApplication::processEvents();
    save(dlg, "print-dialog-detailed.png");

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

    // The detailed progress reports in the same preview, and the class's long names on them.
    TDetailedProgressForm detailed;
    PrintOptions all;
    detailed.SetSource(gb, all);
    preview.SetPages(std::make_unique<TReportPages>(detailed.Quickxrp1));
    preview.SetZoom(TPreviewForm::TZoom::Fit);
    QApplication::processEvents();
    save(preview, "preview-detailed.png");

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

    // Progress reports with names of 60 characters and more, printed whole, and the same class
    // as a gradebook file for marklow-cli. One grade is extra credit, and some entries fall
    // below every threshold.
    {
        TBuildOptions o;
        o.Students = 2;
        o.Grades = 12;
        o.Categories = 2;
        auto built = BuildGradebook(o);
        built->Teacher = "Dr. Evangeline Montgomery-Castellanos de la Fuente";
        built->ClassName = "Advanced Placement Environmental Science and Field Studies";
        built->ClassNumber = "ENV-SCI 2024 FALL SECTION 07";
        built->SetCell(1, 2, "Maximilian Alexander Fernsworth-Bellingham van der Heijden III");
        built->SetCell(3, 1, "Unit 4 Laboratory Report: Water Quality of the Riverside Creek");
        built->SetCell(5, 1, "Bonus: Field Trip Journal");
        built->GradeAt(5)->ExtraCredit = true;
        built->GradeAt(5)->Points = 10;
        built->SetCell(5, 2, "5");
        built->SetCell(6, 2, "12");
        RecomputeAll(*built);
        std::ofstream(QDir(dir).filePath("long-names.gbd").toStdString(), std::ios::binary)
            << WriteGradebook(*built);
        TRprogform progress;
        PrintOptions p;
        p.PrintGrade = TPrintGrade::NumbersAndLetters;
        progress.SetSource(*built, p);
        WritePdfFile(progress.Quickxrp1, QDir(dir).filePath("progress-long-names.pdf"));
        std::cout << QDir(dir).filePath("progress-long-names.pdf").toStdString() << "\n";
        TDetailedProgressForm detailedLong;
        detailedLong.SetSource(*built, p);
        WritePdfFile(detailedLong.Quickxrp1, QDir(dir).filePath("detailed-long-names.pdf"));
        std::cout << QDir(dir).filePath("detailed-long-names.pdf").toStdString() << "\n";
    }

    TPrintProgress progress;
    progress.show();
    progress.Step(3, 12);
    save(progress, "printing-progress.png");
    return 0;
}

// Renders the print dialog, the preview and the printing progress window to PNG files in
// the folder given (default /tmp), for looking at them. Not a test.

#include "averages.h"
#include "gbook_form.h"
#include "gradebook.h"
#include "gradebook_file.h"
#include "new_print_dlg.h"
#include "preview_window.h"
#include "print_progress.h"
#include "safe_save.h"

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

    TPrintProgress progress;
    progress.show();
    progress.Step(3, 12);
    save(progress, "printing-progress.png");
    return 0;
}

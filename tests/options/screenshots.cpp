// Renders every page of the options dialog, with three-dimensional tables and without, to PNG
// files in the folder given as the first argument (default /tmp/shots). Not a test.

#include "options_dialog.h"
#include "prompts.h"
#include "sample_builder.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTimer>

using namespace marklow;

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString(argv[1]) : QString("/tmp/shots");
    QDir().mkpath(folder);

    TBuildOptions o;
    o.Students = 25;
    o.Grades = 12;
    o.Categories = 3;
    o.Seed = 7;
    auto gb = BuildGradebook(o);
    gb->Teacher = "Ms. Alvarez";
    gb->ClassName = "Algebra I";
    gb->ClassNumber = "MATH-101";

    static const char* const names[] = {"categories", "weights", "letters", "description",
                                        "display"};
    ScopedPrompts prompts;
    TNewOptionsDlg dlg;
    dlg.SetDataFolder(QDir::temp().filePath("marklow-shots"));
    for (bool threeD : {true, false}) {
        for (int page = 0; page < 5; ++page) {
            TOptionsRequest r;
            r.Page = page;
            r.Display.TwoDTables = !threeD;
            r.CurrentColumn = 4;
            prompts.Script.DialogActions.push_back([&](QDialog& d) {
                QApplication::processEvents();
                d.grab().save(folder + "/options-" + names[page] + (threeD ? "" : "-2d") + ".png");
            });
            dlg.Run(*gb, r);
        }
    }
    // The Weights page with points as weights, and the Letters page with letters shown.
    gb->PointsAreWeights = true;
    gb->ShowLetters = true;
    for (int page : {1, 2}) {
        TOptionsRequest r;
        r.Page = page;
        prompts.Script.DialogActions.push_back([&](QDialog& d) {
            QApplication::processEvents();
            d.grab().save(folder + "/options-" + names[page] + "-on.png");
        });
        dlg.Run(*gb, r);
    }

    // The largest display font the chooser offers.
    for (int page : {0, 1, 2, 4}) {
        TOptionsRequest r;
        r.Page = page;
        r.Display.Font = QFont("DejaVu Sans", 12);
        prompts.Script.DialogActions.push_back([&](QDialog& d) {
            QApplication::processEvents();
            d.grab().save(folder + "/options-" + names[page] + "-12pt.png");
        });
        dlg.Run(*gb, r);
    }

    // The font chooser the Display page's Change button opens.
    QTimer::singleShot(100, [&] {
        if (QWidget* chooser = QApplication::activeModalWidget()) {
            chooser->grab().save(folder + "/options-font-chooser.png");
            chooser->close();
        }
    });
    TFontLimits limits;
    limits.System = QFontDatabase::Latin;
    limits.MinSize = 8;
    limits.MaxSize = 12;
    QtPrompts().ChooseFontWithin(QFont("DejaVu Sans", 10), limits);
    return 0;
}

// Renders every page of the options dialog, with three-dimensional tables and without, to PNG
// files in the folder given as the first argument (default /tmp/shots). Not a test.

#include "check.h"
#include "options_dialog.h"
#include "prompts.h"
#include "sample_builder.h"
#include "translations.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTimer>

using namespace marklow;

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // MARKLOW_LANGUAGE=de shows the windows in German.
    InstallTranslations(qEnvironmentVariable("MARKLOW_LANGUAGE", "en"));
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

    // Opened for the first time from a finding of the check: the drop-the-lowest switch of a
    // category far down a long list, shown with its row's name.
    {
        auto many = BuildGradebook(o);
        std::vector<TCategory> list;
        for (int i = 0; i < 40; ++i) {
            TCategory c;
            c.Name = "Unit " + std::to_string(i + 1);
            c.Percent = 2.5;
            c.DropLowest = i == 34;
            list.push_back(std::move(c));
        }
        many->Categories.ReplaceItems(list);
        ScopedPrompts first;
        TNewOptionsDlg fresh;
        fresh.SetDataFolder(QDir::temp().filePath("marklow-shots"));
        for (const TFinding& f : RunCheck(*many).Findings) {
            if (f.Finder.Kind != TErrorFinder::CategoryField || f.Finder.Y != 2) continue;
            TOptionsRequest r;
            r.StartCategoryRow = f.Finder.X;
            r.StartCategoryCol = f.Finder.Y;
            first.Script.DialogActions.push_back([&](QDialog& d) {
                QApplication::processEvents();
                d.grab().save(folder + "/options-categories-from-check.png");
            });
            fresh.Run(*many, r);
            break;
        }
    }

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

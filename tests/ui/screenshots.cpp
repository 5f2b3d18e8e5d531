// Renders the main window in the states worth looking at, to PNG files in the folder given
// as the first argument (default /tmp/shots). Run on the offscreen platform.

#include "averages.h"
#include "chart_commands.h"
#include "check_commands.h"
#include "commands.h"
#include "file_commands.h"
#include "gradebook_file.h"
#include "lms_export_commands.h"
#include "main_window.h"
#include "options_commands.h"
#include "password_dialogs.h"
#include "print_commands.h"
#include "prompts.h"
#include "properties_commands.h"
#include "property_dialogs.h"
#include "recovery_commands.h"
#include "roster_commands.h"
#include "sample_builder.h"
#include "translations.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cerrno>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

using namespace marklow;

namespace {

void Save(QWidget& w, const QString& folder, const QString& name) {
    QApplication::processEvents();
    w.grab().save(folder + "/" + name + ".png");
}

// The top left corner of the grid, four times enlarged, to judge the header look.
void SaveCorner(TSDIAppForm& form, const QString& folder, const QString& name) {
    QApplication::processEvents();
    const QPixmap corner = form.GradeBook->viewport()->grab(QRect(0, 0, 160, 64));
    corner.scaled(corner.size() * 4, Qt::KeepAspectRatio, Qt::FastTransformation)
        .save(folder + "/" + name + ".png");
}

// A class of 25 students and 12 grades, put into the window as an opened file would be.
void LoadClass(TSDIAppForm& form, bool editMode) {
    TBuildOptions o;
    o.Students = 25;
    o.Grades = 12;
    o.Categories = 3;
    o.Seed = 7;
    auto built = BuildGradebook(o);
    built->SetEditMode(editMode);
    form.Gradebook().ReplaceDocument(std::move(*built));
    form.Document().SetFilePath("period1.gbd");
    form.GradebookReplaced();
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // MARKLOW_LANGUAGE=de shows the windows in German.
    InstallTranslations(qEnvironmentVariable("MARKLOW_LANGUAGE", "en"));
    const QString folder = argc > 1 ? QString(argv[1]) : QString("/tmp/shots");
    QDir().mkpath(folder);

    TSDIAppForm form;
    form.show();
    Save(form, folder, "new-gradebook");

    // Typed as a teacher does.
    QTest::keyClicks(form.GradeBook->Editor(), "Ann Lee");
    QTest::keyClick(form.GradeBook->Editor(), Qt::Key_Return);
    QTest::keyClicks(form.GradeBook->Editor(), "Ben Moss");
    QTest::keyClick(form.GradeBook->Editor(), Qt::Key_Return);
    Save(form, folder, "typed-names");

    LoadClass(form, true);
    Save(form, folder, "class-edit-mode");
    form.resize(900, 560);
    Save(form, folder, "class-edit-mode-large");
    form.resize(564, 406);

    LoadClass(form, false);
    Save(form, folder, "class-move-mode");

    // Excused and missing work beside an invalid entry and blanks counted as missing.
    LoadClass(form, false);
    form.Gradebook().SetCell(2, 2, "EX sick");
    form.Gradebook().SetCell(3, 2, "ex");
    form.Gradebook().SetCell(2, 3, "M");
    form.Gradebook().SetCell(4, 3, "mi lost");
    form.Gradebook().SetCell(3, 4, "abc");
    form.Gradebook().SetCell(2, 5, "");
    form.Gradebook().GradeAt(2)->Date = form.Gradebook().Today - 3;
    form.Gradebook().Work.BlankIsMissing = true;
    RecomputeAll(form.Gradebook());
    form.GradebookReplaced();
    form.resize(900, 560);
    Save(form, folder, "excused-missing");
    form.resize(564, 406);
    form.Gradebook().Work.BlankIsMissing = false;

    // A curved column: G4 carries a curve of 2 points in the sample class.
    LoadClass(form, false);
    form.GradeBook->SetLeftCol(4);
    Save(form, folder, "curved-column");

    LoadClass(form, false);
    form.SetShowLetters(true);
    form.FitAllColumns();
    Save(form, folder, "letters-shown");

    // The Edit menu after a deleted grade, drawn over the window where it drops down.
    {
        LoadClass(form, true);
        form.GradeBook->MoveCurrent(3, 2);
        QTest::keyClicks(form.GradeBook->Editor(), "77");
        form.FinishCellEdit();
        form.Document().Push(new TDeleteGradeCommand(form.Document(), 4, 2));
        form.Document().Undo();
        QApplication::processEvents();
        QImage shot = form.grab().toImage();
        QMenuBar* bar = form.menuBar();
        const QRect item = bar->actionGeometry(form.Edit1->menuAction());
        form.Edit1->popup(bar->mapToGlobal(item.bottomLeft()));
        QApplication::processEvents();
        QPainter p(&shot);
        p.drawPixmap(bar->mapTo(&form, item.bottomLeft()), form.Edit1->grab());
        p.end();
        form.Edit1->hide();
        shot.save(folder + "/edit-menu.png");
    }
    {
        // The File menu with its import and export items.
        QImage shot = form.grab().toImage();
        QMenuBar* bar = form.menuBar();
        const QRect item = bar->actionGeometry(form.FileMenu->menuAction());
        form.FileMenu->popup(bar->mapToGlobal(item.bottomLeft()));
        QApplication::processEvents();
        QPainter p(&shot);
        p.drawPixmap(bar->mapTo(&form, item.bottomLeft()), form.FileMenu->grab());
        p.end();
        form.FileMenu->hide();
        shot.save(folder + "/file-menu.png");
    }

    // An invalid entry and one above its points, on a light and on a dark palette.
    {
        LoadClass(form, false);
        form.Gradebook().SetCell(3, 3, "85%");
        form.Gradebook().SetCell(4, 4, "250");
        form.Gradebook().SetCell(3, 5, "8,5");
        RecomputeAll(form.Gradebook());
        form.GradeBook->MoveCurrent(4, 4);
        Save(form, folder, "problems-light");
        QPalette dark;
        for (auto [role, color] : {std::pair{QPalette::Window, QColor(45, 45, 48)},
                                   {QPalette::Base, QColor(30, 30, 30)},
                                   {QPalette::Button, QColor(60, 60, 64)},
                                   {QPalette::Text, QColor(230, 230, 230)},
                                   {QPalette::WindowText, QColor(230, 230, 230)},
                                   {QPalette::ButtonText, QColor(230, 230, 230)}})
            dark.setColor(role, color);
        const QPalette light = form.palette();
        form.setPalette(dark);
        form.GradeBook->MoveCurrent(3, 5);
        Save(form, folder, "problems-dark");
        form.setPalette(light);
    }

    form.SetShowLetters(false);
    form.SetAveragesShown(false);
    Save(form, folder, "averages-hidden");
    form.SetAveragesShown(true);

    SaveCorner(form, folder, "corner-3d");
    form.SetThreeDTables(false);
    Save(form, folder, "flat-tables");
    SaveCorner(form, folder, "corner-flat");
    form.SetThreeDTables(true);

    // The password dialogs and the save question, as they are shown.
    TPasswordDlg ask(&form);
    ask.show();
    QTest::keyClicks(ask.Password, "secret");
    Save(ask, folder, "password-dialog");
    TNewPasswordDlg first(&form);
    first.show();
    Save(first, folder, "new-password-dialog");
    TPasswordDlg1 change(&form);
    change.SetCurrent("x");
    change.show();
    Save(change, folder, "change-password-dialog");
    auto question = MakeMessageBox(TMessageKind::Confirmation, "Save Changes to period1",
                                   TButtons::YesNoCancel);
    question->show();
    Save(*question, folder, "save-question");
    auto recover =
        MakeMessageBox(TMessageKind::Confirmation,
                       "Marklow was not closed properly. Recover the unsaved changes to period1?",
                       TButtons::RecoverDiscardLater);
    recover->show();
    Save(*recover, folder, "recover-question");

    // File > Export CSV's save dialog, with the byte order mark box.
    {
        TFileRequest request;
        request.Caption = "Export CSV";
        request.Folder = folder;
        request.Filter = "CSV Files (*.csv);;All Files (*)";
        request.Suggested = "period1.csv";
        request.Option = "Start with a UTF-8 byte order mark (for Excel on Windows)";
        QTimer::singleShot(300, [&folder] {
            if (QWidget* d = QApplication::activeModalWidget()) {
                Save(*d, folder, "export-csv-dialog");
                d->close();
            }
        });
        bool bom = false;
        QtPrompts().SaveFileNameWithOption(request, bom);
    }

    // File > Export for LMS: the menu, the window with its warnings (two students without an
    // ID, the sample's unreadable entries), one without any, and the message after writing.
    {
        LoadClass(form, false);
        form.Gradebook().StudentAt(3)->ID.clear();
        form.Gradebook().StudentAt(6)->ID.clear();
        QApplication::processEvents();
        QImage shot = form.grab().toImage();
        QMenuBar* bar = form.menuBar();
        const QRect item = bar->actionGeometry(form.FileMenu->menuAction());
        form.FileMenu->popup(bar->mapToGlobal(item.bottomLeft()));
        QApplication::processEvents();
        const QRect sub = form.FileMenu->actionGeometry(form.ExportForLms1->menuAction());
        form.ExportForLms1->popup(form.FileMenu->mapToGlobal(sub.topRight()));
        QApplication::processEvents();
        QPainter p(&shot);
        const QPoint at = bar->mapTo(&form, item.bottomLeft());
        p.drawPixmap(at, form.FileMenu->grab());
        p.drawPixmap(at + sub.topRight(), form.ExportForLms1->grab());
        p.end();
        form.ExportForLms1->hide();
        form.FileMenu->hide();
        shot.save(folder + "/file-menu-export-lms.png");

        ScopedPrompts prompts;
        for (const char* name : {"export-lms-canvas", "export-lms-moodle", "export-lms-clean"})
            prompts.Script.DialogActions.push_back([&folder, name](QDialog& d) {
                Save(d, folder, name);
                d.reject();
            });
        form.LmsExportCommands().ExportForLms(TLmsFormat::Canvas);
        form.LmsExportCommands().ExportForLms(TLmsFormat::Moodle);
        TGradebook& gb = form.Gradebook();
        for (int r = 2; r <= gb.LastStudentRow(); ++r) {
            gb.StudentAt(r)->ID = "S" + std::to_string(r);
            for (int c = 2; c <= gb.LastGradeColumn(); ++c)
                if (gb.Cell(c, r) == "abs?") gb.SetCell(c, r, "");
        }
        form.LmsExportCommands().ExportForLms(TLmsFormat::Scores);
        auto written = MakeMessageBox(
            TMessageKind::Information,
            "The grades for Canvas were written to\n/home/teacher/Classes/period1-canvas.csv",
            TButtons::Ok);
        written->show();
        Save(*written, folder, "export-lms-written");
    }

    // Import Roster with a list whose first line has a million columns: the choices offer
    // the first ones and the dialog says so.
    {
        ScopedPrompts prompts;
        const QString wide = folder + "/wide-roster.csv";
        QByteArray list;
        for (int i = 0; i < 999999; ++i)
            list += i == 2 ? "Name," : i == 5 ? "SIS User ID," : ",";
        list += "\nZoe Park,,Zoe Park,,,Z9\n";
        QFile file(wide);
        if (file.open(QIODevice::WriteOnly)) file.write(list);
        file.close();
        prompts.Script.FileNames = {wide};
        prompts.Script.DialogActions.push_back([&folder](QDialog& d) {
            Save(d, folder, "import-roster-wide");
            d.reject();
        });
        form.ImportRoster1->trigger();
        QFile::remove(wide);
    }

    // The sample class, opened as the program opens it.
    if (argc > 2) {
        TSDIAppForm sample;
        TFileCommands document(sample, DefaultDocumentPaths());
        sample.show();
        document.Lifecycle().OpenGradebook(argv[2]);
        Save(sample, folder, "sample-class");
        sample.resize(1000, 640);
        Save(sample, folder, "sample-class-large");

        // Each window the sample class opens, as the teacher sees it.
        ScopedPrompts prompts;
        auto grab = [&](const QString& name, QSize size = QSize()) {
            prompts.Script.DialogActions.push_back([&folder, name, size](QDialog& d) {
                if (size.isValid()) d.resize(size);
                Save(d, folder, name);
            });
        };
        TGradebook& gb = sample.Gradebook();
        int midterm = 2;
        while (midterm < gb.LastGradeColumn() && gb.Cell(midterm, 1) != "Midterm")
            ++midterm;
        grab("dialog-grade-properties");
        sample.PropertiesCommands().Grade2Click(midterm);
        // A homework turned into extra credit of the same weight: the dialog warns.
        prompts.Script.DialogActions.push_back([&folder, &sample](QDialog& d) {
            sample.PropertiesCommands().GradeDlg.GradeBox1->ExtraCreditBox->setChecked(true);
            Save(d, folder, "dialog-grade-properties-extra-credit");
        });
        sample.PropertiesCommands().Grade2Click(2);
        // A grade read from a file that stored no date.
        gb.GradeAt(2)->Date = 0;
        prompts.Script.DialogActions.push_back([&folder](QDialog& d) {
            auto& grade = static_cast<TGradeDlg&>(d);
            grade.PageControl1->setCurrentWidget(grade.InformationSheet);
            QApplication::processEvents();
            Save(d, folder, "dialog-grade-no-date");
        });
        sample.PropertiesCommands().Grade2Click(2);
        grab("dialog-student-properties");
        sample.PropertiesCommands().Student2Click(3);
        grab("dialog-options-categories");
        sample.OptionsCommands().OptionsClick(0);
        grab("dialog-options-weights");
        sample.GradeBook->SetCurrent(midterm, 2);
        sample.OptionsCommands().OptionsClick(1);
        grab("dialog-options-display");
        sample.OptionsCommands().OptionsClick(4);
        grab("window-check");
        sample.CheckCommands().CheckAllEntries1Click();
        grab("window-chart", QSize(1000, 640));
        sample.GradeBook->SetCurrent(2, 2);
        sample.ChartCommands().ChartsStatistics1Click();
        grab("dialog-print");
        sample.PrintCommands().Print1Click();

        // A Canvas export with two students of the class, two new ones and Canvas's own row.
        const QString canvas = folder + "/roster-canvas.csv";
        QFile roster(canvas);
        if (roster.open(QIODevice::WriteOnly)) {
            QByteArray text = "Student,ID,SIS User ID,SIS Login ID,Section,Quiz 1 (11)\n"
                              "    Points Possible,,,,,10\n";
            for (int r = 2; r <= 3; ++r)
                text += "\"" + QByteArray(gb.Cell(1, r).data(), qsizetype(gb.Cell(1, r).size())) +
                        "\",1" + QByteArray::number(r) + ",,,P1,9\n";
            text += "\"Okafor, Chidi\",201,S4410,cokafor@school.example,P1,8\n"
                    "\"Lindqvist, Märta\",202,S4411,mlindqvist@school.example,P1,7\n";
            roster.write(text);
            roster.close();
        }
        prompts.Script.FileNames.push_back(canvas);
        grab("dialog-import-roster");
        sample.RosterCommands().ImportRoster1Click();
        const QString plain = folder + "/roster-plain.csv";
        QFile list(plain);
        if (list.open(QIODevice::WriteOnly)) {
            list.write("Park, Zoe;4471\nNguyen, Bao;4472\n");
            list.close();
        }
        prompts.Script.FileNames.push_back(plain);
        grab("dialog-import-roster-unrecognised");
        sample.RosterCommands().ImportRoster1Click();
    }

    // Recovery copies: a full disk said in the status bar, then the question at the next start
    // with the copy's time and changes.
    {
        QTemporaryDir dir;
        const QString original = dir.filePath("period1.gbd");
        std::ofstream(original.toStdString(), std::ios::binary)
            << WriteGradebook(*BuildGradebook(TBuildOptions{}));
        TSDIAppForm window;
        TFileCommands document(window, TDocumentPaths{dir.filePath("default.ltd"), QString()});
        const QString folder2 = dir.filePath("recovery");
        TRecoveryCommands recovery(window, document.Lifecycle(), folder2);
        window.resize(900, 420);
        window.show();
        ScopedPrompts prompts;
        document.Lifecycle().OpenGradebook(original);
        recovery.SetWriteFault([](const std::string& path, TSaveStep step) {
            return path.ends_with(".gbd") && step == TSaveStep::Write ? ENOSPC : 0;
        });
        window.GradeBook->MoveCurrent(2, 2);
        QTest::keyClicks(window.GradeBook->Editor(), "93");
        recovery.WriteRecoveryCopy();
        recovery.WaitForWrite();
        QApplication::processEvents();
        Save(window, folder, "recovery-notice");
        recovery.SetWriteFault({});
        window.GradeBook->MoveCurrent(2, 3);
        QTest::keyClicks(window.GradeBook->Editor(), "88");
        recovery.WriteRecoveryCopy();
        recovery.WaitForWrite();
        Save(window, folder, "recovery-notice-gone");
        // As the next start finds it: left by a program that has ended.
        pid_t child = fork();
        if (child == 0) _exit(0);
        waitpid(child, nullptr, 0);
        if (auto lock = ParseRecoveryLock(ReadFileBytes(recovery.LockPath().toStdString()))) {
            lock->Pid = child;
            std::ofstream(QDir(folder2).filePath("4242-1.lock").toStdString())
                << FormatRecoveryLock(*lock);
            QFile::copy(recovery.CopyPath(), QDir(folder2).filePath("4242-1.gbd"));
        }
        prompts.Script.Answers = {TAnswer::Later};
        recovery.OfferRecovery();
        if (!prompts.Script.Messages.empty()) {
            auto asked = MakeMessageBox(TMessageKind::Confirmation, prompts.Script.Messages[0].Text,
                                        TButtons::RecoverDiscardLater);
            asked->show();
            Save(*asked, folder, "recover-question-when");
        }
    }
    return 0;
}

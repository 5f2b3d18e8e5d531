// The main window with a class of 10000 students and 500 grades: painting a full window of
// cells, and one keystroke from the editor's change to the repainted averages.

#include "clipboard_commands.h"
#include "main_window.h"
#include "sample_builder.h"
#include "string_grid_accessible.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMimeData>
#include <QTest>

#include <benchmark/benchmark.h>

#include <memory>

using namespace marklow;

namespace {

QApplication& App() {
    static int argc = 1;
    static char name[] = "bench_gui";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        if (qEnvironmentVariableIsEmpty("QT_QPA_FONTDIR"))
            qputenv("QT_QPA_FONTDIR", "/usr/share/fonts/truetype");
        return new QApplication(argc, argv); // lives to the end, like the program's
    }();
    return *app;
}

// One window holding the big class, shared by every benchmark.
TSDIAppForm& Window() {
    static TSDIAppForm* form = [] {
        App();
        auto* f = new TSDIAppForm;
        TBuildOptions o;
        o.Students = 10000;
        o.Grades = 500;
        auto gb = BuildGradebook(o);
        f->Gradebook().ReplaceDocument(std::move(*gb));
        f->show();
        f->GradebookReplaced();
        QApplication::processEvents();
        return f;
    }();
    return *form;
}

void BM_FullRepaint(benchmark::State& state) {
    TSDIAppForm& form = Window();
    form.resize(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    QApplication::processEvents();
    TStringGrid1& grid = *form.GradeBook;
    grid.SetTopRow(5000);
    grid.SetLeftCol(250);
    QImage image(grid.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    int cells = 0;
    auto counting = grid.OnDrawCell;
    grid.OnDrawCell = [&](QPainter& p, int c, int r, const QRect& rect, TGridDrawState s) {
        ++cells;
        counting(p, c, r, rect, s);
    };
    for (auto _ : state) {
        grid.viewport()->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
    grid.OnDrawCell = counting;
    state.counters["cells"] = benchmark::Counter(cells / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_FullRepaint)->Args({564, 406})->Args({1920, 1080})->Unit(benchmark::kMillisecond);

// A keystroke into a score cell in the middle of the class: the editor's change, the
// student's, the grade's and both overall averages, and the repaint of what changed.
void BM_Keystroke(benchmark::State& state) {
    TSDIAppForm& form = Window();
    form.resize(564, 406);
    QApplication::processEvents();
    TStringGrid1& grid = *form.GradeBook;
    grid.MoveCurrent(250, 5000);
    QWidget* editor = grid.Editor();
    QApplication::processEvents();
    bool type = true;
    for (auto _ : state) {
        // Typing a digit and taking it back: every keystroke changes the entry.
        QTest::keyClick(editor, type ? Qt::Key_7 : Qt::Key_Backspace);
        type = !type;
        QApplication::processEvents(); // paints the invalidated cells
    }
}
BENCHMARK(BM_Keystroke)->Unit(benchmark::kMillisecond);

// Moving the cursor down and back up in the middle of the class. With 1 a screen reader
// listens: each move tells it of the new cell, which it reads.
qsizetype heard = 0;
void BM_CursorMove(benchmark::State& state) {
    TSDIAppForm& form = Window();
    form.resize(564, 406);
    QApplication::processEvents();
    TStringGrid1& grid = *form.GradeBook;
    grid.MoveCurrent(250, 5000);
    QApplication::processEvents();
    heard = 0;
    if (state.range(0))
        SetAccessibleEventTap([](QAccessibleEvent* e) {
            if (QAccessibleInterface* cell = e->accessibleInterface())
                heard += cell->text(QAccessible::Name).size();
        });
    bool down = true;
    for (auto _ : state) {
        QTest::keyClick(grid.Editor(), down ? Qt::Key_Down : Qt::Key_Up);
        down = !down;
        QApplication::processEvents();
    }
    SetAccessibleEventTap(nullptr);
    state.counters["heard"] = benchmark::Counter(heard / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_CursorMove)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Fitting every column of the class, as after opening it or switching the mode.
void BM_FitAllColumns(benchmark::State& state) {
    TSDIAppForm& form = Window();
    for (auto _ : state)
        form.FitAllColumns();
}
BENCHMARK(BM_FitAllColumns)->Unit(benchmark::kMillisecond);

// A display font chosen in the options: the grid, the status bar and every column refitted.
void BM_ApplyDisplayFont(benchmark::State& state) {
    TSDIAppForm& form = Window();
    const QFont fonts[] = {QFont("DejaVu Sans", 9), QFont("Liberation Sans", 11)};
    int i = 0;
    for (auto _ : state)
        form.ApplyDisplayFont(fonts[i++ % 2]);
}
BENCHMARK(BM_ApplyDisplayFont)->Unit(benchmark::kMillisecond);

// Paste of plain text into an empty class, as Edit > Paste runs it (reading the text, the
// step, the refitted columns and the repaint): 100,000 short names, or one line of 50 MB,
// which becomes a name of 255 characters.
void BM_PastePlainText(benchmark::State& state) {
    App();
    static TSDIAppForm* form = [] {
        auto* f = new TSDIAppForm;
        f->resize(800, 600);
        f->show();
        QApplication::processEvents();
        return f;
    }();
    TMemoryClipboard clipboard;
    form->ClipboardCommands().SetClipboard(&clipboard);
    QString text;
    if (state.range(0) == 0) {
        for (int i = 0; i < 100000; ++i)
            text += QString("Student %1\n").arg(i);
    } else {
        text = QString(50'000'000, QChar('x')) + "\n";
    }
    for (auto _ : state) {
        auto data = std::make_unique<QMimeData>();
        data->setText(text);
        clipboard.SetMimeData(std::move(data));
        form->Paste1->trigger();
        QApplication::processEvents();
        state.PauseTiming();
        if (form->Gradebook().StudentCount() == 0) state.SkipWithError("nothing pasted");
        form->Undo1->trigger();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    form->ClipboardCommands().SetClipboard(nullptr);
}
BENCHMARK(BM_PastePlainText)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

#pragma once
// One QApplication for the whole test program, created before the first widget. It is never
// destroyed: tearing it down among the exit-time destructors crashes Qt's input devices.

#include <QApplication>

inline QApplication& TestApp() {
    static int argc = 1;
    static char name[] = "ui_tests";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// The main window as a teacher drives it, for the test programs that link it.
#if __has_include("main_window.h")

#include "gradebook_file.h"
#include "main_window.h"
#include "prompts.h"
#include "sample_builder.h"

#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace marklow {

// The window with scripted prompts and a folder of its own. The window is not shown here: a
// test first wires its command handlers, then calls Show().
class WindowTest : public ::testing::Test {
protected:
    ~WindowTest() override {
        EXPECT_TRUE(script.Unexpected.isEmpty()) << script.Unexpected.join("; ").toStdString();
    }

    void Show() {
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    void ShowActive() {
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form)) << "shortcuts need the active window";
    }

    void Type(const QString& text) { QTest::keyClicks(grid.Editor(), text); }
    void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(grid.Editor(), key, mods);
    }
    void Click(int c, int r) {
        const QRect rect = grid.CellRect(c, r);
        ASSERT_FALSE(rect.isEmpty()) << c << "," << r;
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, rect.center());
    }
    // Types into a cell reached without the mouse, which needs no visible cell.
    void TypeScore(int c, int r, const QString& text) {
        grid.MoveCurrent(c, r);
        QTest::keyClicks(grid.Editor(), text);
    }
    std::string Cell(int c, int r) const { return std::string(gb.Cell(c, r)); }

    QString Path(const QString& name) const { return dir.filePath(name); }
    // A built class of `students` students and three grades, saved in the test's folder.
    QString WriteClass(const QString& name, int students = 5) const {
        TBuildOptions o;
        o.Students = students;
        o.Grades = 3;
        auto built = BuildGradebook(o);
        std::ofstream(Path(name).toStdString(), std::ios::binary) << WriteGradebook(*built);
        return Path(name);
    }

    QApplication& app = TestApp();
    QTemporaryDir dir;
    ScopedPrompts prompts;
    ScriptedPrompts& script = prompts.Script;
    TSDIAppForm form;
    TGradebook& gb = form.Gradebook();
    TStringGrid1& grid = *form.GradeBook;
};

} // namespace marklow

#endif

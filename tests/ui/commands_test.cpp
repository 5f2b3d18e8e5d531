// Every command of the menus, the tool bar and the grid's pop-up menu: reachable, enabled
// where the gradebook allows it, and on its shortcut key.

#include "file_commands.h"
#include "gradebook_file.h"
#include "main_window.h"
#include "prompts.h"
#include "sample_builder.h"
#include "test_app.h"

#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

using namespace marklow;

namespace {

class Commands : public ::testing::Test {
protected:
    Commands() {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.filePath("config"));
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form)) << "shortcuts need the active window";
    }
    ~Commands() override {
        EXPECT_TRUE(script.Unexpected.isEmpty()) << script.Unexpected.join("; ").toStdString();
    }
    // Every command item of the window: menus, their submenus, the pop-up menu.
    QList<QAction*> Items() const {
        QList<QAction*> items;
        std::function<void(QMenu*)> walk = [&](QMenu* menu) {
            for (QAction* a : menu->actions()) {
                if (a->isSeparator()) continue;
                if (a->menu()) {
                    walk(a->menu());
                    continue;
                }
                items << a;
            }
        };
        for (QAction* a : form.menuBar()->actions()) walk(a->menu());
        walk(form.GradebookPopup);
        return items;
    }
    void LoadClass(bool editMode) {
        TBuildOptions o;
        o.Students = 6;
        o.Grades = 4;
        auto built = BuildGradebook(o);
        built->SetEditMode(editMode);
        form.Gradebook().ReplaceDocument(std::move(*built));
        form.GradebookReplaced();
    }

    QApplication& app = TestApp();
    QTemporaryDir dir;
    ScopedPrompts prompts;
    ScriptedPrompts& script = prompts.Script;
    TSDIAppForm form;
    TFileCommands file{form, TDocumentPaths{dir.filePath("default.ltd"), QString()}};
};

} // namespace

TEST_F(Commands, EveryItemIsEnabledButUndoAndRedoWithNothingToDo) {
    for (bool loaded : {false, true}) {
        for (bool editMode : {true, false}) {
            if (loaded) LoadClass(editMode);
            for (QAction* a : Items()) {
                const bool history = a == form.Undo1 || a == form.Redo1;
                EXPECT_EQ(a->isEnabled(), !history)
                    << a->objectName().toStdString() << (loaded ? " in a class" : " new");
            }
            if (!loaded) break;
        }
    }
    // The hidden Toggle Edit Mode item keeps its shortcut working.
    EXPECT_TRUE(form.ToggleEditMode1->isEnabled());
    for (QAction* a : form.ToolBar1->actions())
        EXPECT_TRUE(a->isSeparator() || a->isEnabled()) << a->toolTip().toStdString();
}

TEST_F(Commands, MenuItemsCarryTheirCaptionsAndShortcuts) {
    const struct {
        QAction* item;
        const char* caption;
        const char* key;
    } table[] = {
        {form.New1, "&New", "Ctrl+N"},
        {form.OpenItem, "&Open...", "Ctrl+O"},
        {form.SaveItem, "&Save", "Alt+S"},
        {form.SaveAs1, "Save &As...", "Ctrl+A"},
        {form.Password1, "Pass&word...", "Ctrl+W"},
        {form.Print1, "&Print...", "Ctrl+P"},
        {form.ExitItem, "E&xit", "Alt+X"},
        {form.Averages1, "&Averages", "Alt+A"},
        {form.Names1, "&Students", "Alt+N"},
        {form.Paste1, "&Paste", "Ctrl+V"},
        {form.Student2, "&Student...", "Ctrl+S"},
        {form.Grade3, "&Grade...", "Ctrl+G"},
        {form.ToggleEditMode1, "&Toggle Edit Mode", "Ctrl+T"},
        {form.CheckAllEntries1, "Check Gradebook", "Alt+C"},
        {form.Categories1, "&Categories...", "Ctrl+5"},
        {form.Letters1, "&Letter grades...", "Ctrl+L"},
        {form.Other1, "&Description...", "Ctrl+D"},
        {form.Undo1, "&Undo", "Ctrl+Z"},
    };
    for (const auto& row : table) {
        EXPECT_EQ(row.item->text(), row.caption) << row.caption;
        EXPECT_EQ(row.item->shortcut(), QKeySequence(row.key)) << row.caption;
    }
    // Ctrl+W is shown on Weights as well, but the key is Password's alone.
    EXPECT_EQ(form.Weights1->text(), "&Weights...\tCtrl+W");
    EXPECT_TRUE(form.Weights1->shortcut().isEmpty());
    int pages = 0;
    for (QAction* a : {form.Categories1, form.Weights1, form.Letters1, form.Other1, form.Display1})
        EXPECT_EQ(a->data().toInt(), pages++);
}

TEST_F(Commands, ShortcutsTypedIntoTheCellEditorRunTheirCommands) {
    LoadClass(true);
    QWidget* editor = form.GradeBook->Editor();
    script.FileNames = {dir.filePath("saved.gbd")};
    QTest::keyClick(editor, Qt::Key_S, Qt::AltModifier);
    ASSERT_EQ(script.FileRequests.size(), 1u) << "Alt+S saves";
    EXPECT_EQ(script.FileRequests[0].Caption, "Save As");
    EXPECT_EQ(form.windowTitle(), "Marklow - saved");

    QString shown;
    script.DialogActions.push_back([&](QDialog& d) { shown = d.windowTitle(); });
    QTest::keyClick(editor, Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(shown, "New Password") << "Ctrl+W runs Password, not Weights";

    script.DialogActions.push_back([&](QDialog& d) { shown = d.windowTitle(); });
    QTest::keyClick(editor, Qt::Key_5, Qt::ControlModifier);
    EXPECT_EQ(shown, "Options");

    script.DialogActions.push_back([&](QDialog& d) { shown = d.windowTitle(); });
    QTest::keyClick(editor, Qt::Key_C, Qt::AltModifier);
    EXPECT_EQ(shown, "Check Results");

    QTest::keyClick(editor, Qt::Key_T, Qt::ControlModifier);
    EXPECT_FALSE(form.Gradebook().EditMode()) << "Ctrl+T toggles the mode";
}

TEST_F(Commands, SortCheckMarksAtStartAfterNewAndAfterOpen) {
    // A new window: the teacher's own order in both submenus, though a new gradebook's
    // students are not yet in user order.
    ASSERT_FALSE(form.Gradebook().StudentsInUserOrder);
    EXPECT_TRUE(form.UserInput1->isChecked());
    EXPECT_TRUE(form.UserInput2->isChecked());

    // File > New leaves the marks as they were.
    LoadClass(false);
    form.byName1->trigger();
    form.byDate1->trigger();
    script.Answers = {TAnswer::No}; // do not save the sorted class
    form.New1->trigger();
    ASSERT_EQ(form.Gradebook().StudentCount(), 0);
    EXPECT_TRUE(form.byName1->isChecked());
    EXPECT_TRUE(form.byDate1->isChecked());
    EXPECT_FALSE(form.UserInput1->isChecked());
    EXPECT_FALSE(form.UserInput2->isChecked());

    // Open clears both and checks "by User Input" where the file's switch is on.
    TBuildOptions o;
    o.Students = 3;
    o.Grades = 2;
    auto stored = BuildGradebook(o);
    stored->StudentsInUserOrder = false;
    stored->GradesInUserOrder = true;
    const QString path = dir.filePath("sorted.gbd");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        const std::string bytes = WriteGradebook(*stored);
        f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    script.FileNames = {path};
    form.OpenItem->trigger();
    ASSERT_EQ(form.Gradebook().StudentCount(), 3);
    for (QAction* a : {form.UserInput1, form.byName1, form.byAverage1, form.byID1, form.byName2,
                       form.byDate1, form.byCategory1})
        EXPECT_FALSE(a->isChecked()) << a->objectName().toStdString();
    EXPECT_TRUE(form.UserInput2->isChecked());
}

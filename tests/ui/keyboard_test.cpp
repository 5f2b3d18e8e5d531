// Every key that Help > Keyboard lists, pressed in the real main window in both modes: where
// the cursor goes in the grid, and which command each menu shortcut runs.

#include "help.h"
#include "help_commands.h"
#include "help_window.h"
#include "main_window.h"
#include "prompts.h"
#include "test_app.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

using namespace marklow;

namespace {

class Keyboard : public WindowTest {
protected:
    Keyboard() {
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    }
    ~Keyboard() override { form.hide(); }

    void Go(int c, int r) {
        grid.MoveCurrent(c, r);
        ASSERT_EQ(std::pair(grid.Col(), grid.Row()), std::pair(c, r)) << "could not start there";
    }
    // Ann, Ben and Cal in rows 2 to 4, T1 to T3 in columns 2 to 4, every score 80; in edit
    // mode the spare row 5 and column 5 follow.
    void TypeClass() {
        Go(1, 2);
        for (const char* s : {"Ann", "Ben", "Cal"}) {
            Type(s);
            Key(Qt::Key_Return);
        }
        Go(2, 1);
        for (const char* g : {"T1", "T2", "T3"}) {
            Type(g);
            Key(Qt::Key_Return);
        }
        for (int c = 2; c <= 4; ++c) {
            Go(c, 2);
            for (int r = 2; r <= 4; ++r) {
                Type("80");
                Key(Qt::Key_Return);
            }
        }
        ASSERT_EQ(gb.RowCount(), 6);
        ASSERT_EQ(gb.ColCount(), 6);
    }
};

struct TGridKey {
    const char* What;
    bool Edit; // Edit Names, else Move Names
    int Col, Row;
    const char* Typed; // typed into the start cell before the key, or null
    Qt::Key Key;
    Qt::KeyboardModifiers Mods;
    int ToCol, ToRow;
    int Caret = -1;             // the caret's position afterwards, -1 for any
    const char* Text = nullptr; // the text of the cell the cursor is on afterwards
};

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers kShift = Qt::ShiftModifier;

// The grid's table of the keyboard page, row by row.
const TGridKey kGridKeys[] = {
    // Enter: down the column; in the grade-name row right; on the last row it stays.
    {"Enter down", true, 2, 2, nullptr, Qt::Key_Return, kNone, 2, 3},
    {"Enter on the last student", true, 2, 4, nullptr, Qt::Key_Return, kNone, 2, 4},
    {"Enter to the spare row's name", true, 1, 4, nullptr, Qt::Key_Return, kNone, 1, 5},
    {"Enter along the grade names", true, 2, 1, nullptr, Qt::Key_Return, kNone, 3, 1},
    {"Enter to the spare column's name", true, 4, 1, nullptr, Qt::Key_Return, kNone, 5, 1},
    {"Enter at the end of the name row", true, 5, 1, nullptr, Qt::Key_Return, kNone, 5, 1},
    {"Enter down", false, 2, 2, nullptr, Qt::Key_Return, kNone, 2, 3},
    {"Enter on the last row", false, 3, 4, nullptr, Qt::Key_Return, kNone, 3, 4},
    {"keypad Enter", false, 2, 2, nullptr, Qt::Key_Enter, kNone, 2, 3},
    // Tab: as Enter; on the last row it goes on to the right.
    {"Tab down", true, 3, 2, nullptr, Qt::Key_Tab, kNone, 3, 3},
    {"Tab along the grade names", true, 3, 1, nullptr, Qt::Key_Tab, kNone, 4, 1},
    {"Tab on the last student", true, 2, 4, nullptr, Qt::Key_Tab, kNone, 2, 4},
    {"Tab down", false, 3, 2, nullptr, Qt::Key_Tab, kNone, 3, 3},
    {"Tab on the last row", false, 2, 4, nullptr, Qt::Key_Tab, kNone, 3, 4},
    {"Tab in the last cell", false, 4, 4, nullptr, Qt::Key_Tab, kNone, 4, 4},
    // Shift+Tab: up; left in the grade-name row; never from the first student into it.
    {"Shift+Tab up", true, 3, 4, nullptr, Qt::Key_Backtab, kShift, 3, 3},
    {"Shift+Tab along the grade names", true, 3, 1, nullptr, Qt::Key_Backtab, kShift, 2, 1},
    {"Shift+Tab on the first grade name", true, 2, 1, nullptr, Qt::Key_Backtab, kShift, 2, 1},
    {"Shift+Tab on the first student", true, 3, 2, nullptr, Qt::Key_Backtab, kShift, 2, 2},
    {"Shift+Tab up", false, 3, 4, nullptr, Qt::Key_Backtab, kShift, 3, 3},
    {"Shift+Tab in the first cell", false, 2, 2, nullptr, Qt::Key_Backtab, kShift, 2, 2},
    // Up, Down.
    {"Up to the grade name", true, 3, 2, nullptr, Qt::Key_Up, kNone, 3, 1},
    {"Up from the first name", true, 1, 2, nullptr, Qt::Key_Up, kNone, 1, 2},
    {"Down", true, 3, 2, nullptr, Qt::Key_Down, kNone, 3, 3},
    {"Down from the last student", true, 3, 4, nullptr, Qt::Key_Down, kNone, 3, 4},
    {"Down to the spare row's name", true, 1, 4, nullptr, Qt::Key_Down, kNone, 1, 5},
    {"Up from the first student", false, 3, 2, nullptr, Qt::Key_Up, kNone, 3, 2},
    {"Up", false, 3, 3, nullptr, Qt::Key_Up, kNone, 3, 2},
    {"Down", false, 3, 3, nullptr, Qt::Key_Down, kNone, 3, 4},
    {"Down from the last row", false, 3, 4, nullptr, Qt::Key_Down, kNone, 3, 4},
    // Left, Right: with the whole text selected at once; else the caret first.
    {"Left to the name", true, 2, 2, nullptr, Qt::Key_Left, kNone, 1, 2},
    {"Right", true, 2, 2, nullptr, Qt::Key_Right, kNone, 3, 2},
    {"Right to the spare column", true, 4, 2, nullptr, Qt::Key_Right, kNone, 4, 2},
    {"Right to the spare grade name", true, 4, 1, nullptr, Qt::Key_Right, kNone, 5, 1},
    {"Left from the first grade name", true, 2, 1, nullptr, Qt::Key_Left, kNone, 2, 1},
    {"Left in the text", true, 3, 3, "85", Qt::Key_Left, kNone, 3, 3, 1},
    {"Right at the end of the text", true, 3, 3, "85", Qt::Key_Right, kNone, 4, 3},
    {"Left", false, 3, 2, nullptr, Qt::Key_Left, kNone, 2, 2},
    {"Left from the first grade", false, 2, 2, nullptr, Qt::Key_Left, kNone, 2, 2},
    {"Right", false, 3, 2, nullptr, Qt::Key_Right, kNone, 4, 2},
    {"Right from the last grade", false, 4, 2, nullptr, Qt::Key_Right, kNone, 4, 2},
    // Ctrl+Left, Ctrl+Right: the next cell at once.
    {"Ctrl+Left", true, 3, 3, "85", Qt::Key_Left, kCtrl, 2, 3},
    {"Ctrl+Right", true, 2, 3, "85", Qt::Key_Right, kCtrl, 3, 3},
    {"Ctrl+Left", false, 3, 3, "85", Qt::Key_Left, kCtrl, 2, 3},
    {"Ctrl+Right", false, 2, 3, "85", Qt::Key_Right, kCtrl, 3, 3},
    // Home, End: the first or last cell of the row; in the text its start or end first.
    {"Home to the name", true, 4, 3, nullptr, Qt::Key_Home, kNone, 1, 3},
    {"Home along the grade names", true, 4, 1, nullptr, Qt::Key_Home, kNone, 2, 1},
    {"End", true, 2, 3, nullptr, Qt::Key_End, kNone, 4, 3},
    {"End along the grade names", true, 2, 1, nullptr, Qt::Key_End, kNone, 4, 1},
    {"Home in the text", true, 4, 3, "85", Qt::Key_Home, kNone, 4, 3, 0},
    {"Home", false, 4, 3, nullptr, Qt::Key_Home, kNone, 2, 3},
    {"End", false, 2, 3, nullptr, Qt::Key_End, kNone, 4, 3},
    {"End at the end of the text", false, 2, 3, "85", Qt::Key_End, kNone, 4, 3},
    {"Home in the text", false, 4, 3, "85", Qt::Key_Home, kNone, 4, 3, 0},
    // Ctrl+Home, Ctrl+End: the first score below and right of the headings; the last cell.
    {"Ctrl+Home from a score", true, 4, 4, nullptr, Qt::Key_Home, kCtrl, 2, 2},
    {"Ctrl+Home from a name", true, 1, 3, nullptr, Qt::Key_Home, kCtrl, 2, 2},
    {"Ctrl+Home from a grade name", true, 4, 1, nullptr, Qt::Key_Home, kCtrl, 2, 2},
    {"Ctrl+Home from the spare row", true, 1, 5, nullptr, Qt::Key_Home, kCtrl, 2, 2},
    {"Ctrl+End", true, 2, 2, nullptr, Qt::Key_End, kCtrl, 4, 4},
    {"Ctrl+Home", false, 4, 4, nullptr, Qt::Key_Home, kCtrl, 2, 2},
    {"Ctrl+End", false, 2, 2, nullptr, Qt::Key_End, kCtrl, 4, 4},
    // Page Up, Page Down: a screenful, or as far as the cursor can go.
    {"Page Down", true, 3, 2, nullptr, Qt::Key_PageDown, kNone, 3, 4},
    {"Page Down in the names", true, 1, 2, nullptr, Qt::Key_PageDown, kNone, 1, 5},
    {"Page Up", true, 3, 4, nullptr, Qt::Key_PageUp, kNone, 3, 1},
    {"Page Up in the names", true, 1, 4, nullptr, Qt::Key_PageUp, kNone, 1, 2},
    {"Page Down", false, 3, 2, nullptr, Qt::Key_PageDown, kNone, 3, 4},
    {"Page Up", false, 3, 4, nullptr, Qt::Key_PageUp, kNone, 3, 2},
    // Escape: the text the cell had when it was entered.
    {"Escape", true, 3, 2, "9", Qt::Key_Escape, kNone, 3, 2, -1, "80"},
    {"Escape in a name", true, 1, 3, "Bob", Qt::Key_Escape, kNone, 1, 3, -1, "Ben"},
    {"Escape", false, 3, 2, "9", Qt::Key_Escape, kNone, 3, 2, -1, "80"},
    // Ctrl+Z: what was typed in the cell.
    {"Ctrl+Z", true, 2, 3, "9", Qt::Key_Z, kCtrl, 2, 3, -1, "80"},
    {"Ctrl+Z", false, 2, 3, "9", Qt::Key_Z, kCtrl, 2, 3, -1, "80"},
};

} // namespace

TEST_F(Keyboard, TheGridKeysOfTheKeyboardPageInBothModes) {
    TypeClass();
    for (bool edit : {true, false}) {
        if (!edit) form.MoveViewNames1->trigger();
        ASSERT_EQ(gb.EditMode(), edit);
        for (const TGridKey& k : kGridKeys) {
            if (k.Edit != edit) continue;
            SCOPED_TRACE(std::string(edit ? "Edit Names: " : "Move Names: ") + k.What + " from (" +
                         std::to_string(k.Col) + ", " + std::to_string(k.Row) + ")");
            Go(k.Col, k.Row);
            if (k.Typed) Type(k.Typed);
            Key(k.Key, k.Mods);
            EXPECT_EQ(std::pair(grid.Col(), grid.Row()), std::pair(k.ToCol, k.ToRow));
            if (k.Caret >= 0) {
                EXPECT_EQ(grid.Editor()->cursorPosition(), k.Caret);
            }
            if (k.Text) {
                EXPECT_EQ(Cell(grid.Col(), grid.Row()), k.Text);
                EXPECT_EQ(grid.Editor()->text().toStdString(), k.Text);
            }
            // Whatever was typed does not stay for the next case.
            if (k.Typed && !k.Text) form.Document().Undo();
        }
    }
    EXPECT_EQ(Cell(3, 3), "80");
    EXPECT_TRUE(script.Unexpected.isEmpty()) << script.Unexpected.join("; ").toStdString();
}

TEST_F(Keyboard, CtrlHomeGoesWhereTheNextTypingBelongs) {
    // A new gradebook: the first student's name.
    Go(2, 1);
    Key(Qt::Key_Home, kCtrl);
    EXPECT_EQ(std::pair(grid.Col(), grid.Row()), std::pair(1, 2));
    // Students but no grade yet: the first grade's name, never over a student's.
    Type("Ann");
    Key(Qt::Key_Return);
    Type("Ben");
    Key(Qt::Key_Return);
    Key(Qt::Key_Home, kCtrl);
    EXPECT_EQ(std::pair(grid.Col(), grid.Row()), std::pair(2, 1));
    Type("T1");
    Key(Qt::Key_Home, kCtrl);
    EXPECT_EQ(std::pair(grid.Col(), grid.Row()), std::pair(2, 2));
    Type("7");
    EXPECT_EQ(Cell(2, 2), "7");
    EXPECT_EQ(Cell(1, 2), "Ann");
    EXPECT_EQ(gb.StudentCount(), 2);
}

// Each shortcut of the menus' table, typed in the cell editor, runs its item and no other.
TEST_F(Keyboard, TheMenuShortcutsOfTheKeyboardPageInBothModes) {
    TypeClass();
    struct TShortcut {
        QAction* Item;
        Qt::Key Key;
        Qt::KeyboardModifiers Mods;
    };
    const TShortcut table[] = {
        {form.New1, Qt::Key_N, kCtrl},
        {form.OpenItem, Qt::Key_O, kCtrl},
        {form.SaveItem, Qt::Key_S, Qt::AltModifier},
        {form.SaveAs1, Qt::Key_A, kCtrl},
        {form.Password1, Qt::Key_W, kCtrl},
        {form.Print1, Qt::Key_P, kCtrl},
        {form.ExitItem, Qt::Key_X, Qt::AltModifier},
        {form.Undo1, Qt::Key_Z, kCtrl},
        {form.Redo1, Qt::Key_Y, kCtrl},
        {form.Redo1, Qt::Key_Z, kCtrl | kShift},
        {form.Averages1, Qt::Key_A, Qt::AltModifier},
        {form.Names1, Qt::Key_N, Qt::AltModifier},
        {form.Paste1, Qt::Key_V, kCtrl},
        {form.Student2, Qt::Key_S, kCtrl},
        {form.Grade3, Qt::Key_G, kCtrl},
        {form.ToggleEditMode1, Qt::Key_T, kCtrl},
        {form.CheckAllEntries1, Qt::Key_C, Qt::AltModifier},
        {form.Categories1, Qt::Key_5, kCtrl},
        {form.Letters1, Qt::Key_L, kCtrl},
        {form.Other1, Qt::Key_D, kCtrl},
    };
    // Only which item runs is looked at here; the commands themselves are tested elsewhere.
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (const TShortcut& s : table)
        QObject::disconnect(s.Item, &QAction::triggered, nullptr, nullptr);
    for (QAction* a : form.findChildren<QAction*>())
        spies.push_back(std::make_unique<QSignalSpy>(a, &QAction::triggered));
    const QList<QAction*> actions = form.findChildren<QAction*>();
    for (bool edit : {true, false}) {
        if (!edit) {
            form.MoveViewNames1->trigger();
            ASSERT_FALSE(gb.EditMode());
            Go(3, 3);
        }
        for (const TShortcut& s : table)
            s.Item->setEnabled(true); // Undo and Redo as well
        for (const TShortcut& s : table) {
            SCOPED_TRACE((edit ? "Edit Names: " : "Move Names: ") +
                         QKeySequence(s.Key | s.Mods).toString().toStdString());
            for (auto& spy : spies)
                spy->clear();
            Key(s.Key, s.Mods);
            for (int i = 0; i < actions.size(); ++i) {
                EXPECT_EQ(spies[static_cast<size_t>(i)]->count(), actions[i] == s.Item ? 1 : 0)
                    << actions[i]->objectName().toStdString();
            }
        }
        // F1: the help of the window.
        Key(Qt::Key_F1);
        THelpWindow* help = form.HelpCommands().Help.Window();
        ASSERT_NE(help, nullptr);
        EXPECT_TRUE(help->isVisible());
        help->close();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        // Alt and a menu's letter open the menu.
        const std::pair<Qt::Key, QMenu*> menus[] = {{Qt::Key_F, form.FileMenu},
                                                    {Qt::Key_E, form.Edit1},
                                                    {Qt::Key_V, form.View1},
                                                    {Qt::Key_O, form.GradeBook1},
                                                    {Qt::Key_H, form.Help2}};
        for (auto [key, menu] : menus) {
            Key(key, Qt::AltModifier);
            EXPECT_EQ(QApplication::activePopupWidget(), menu) << menu->title().toStdString();
            while (QWidget* popup = QApplication::activePopupWidget())
                popup->close();
        }
        EXPECT_EQ(std::pair(grid.Col(), grid.Row()), edit ? std::pair(4, 4) : std::pair(3, 3))
            << "no shortcut moves the cursor";
    }
}

// The status bar's message about an entry (why it is red or amber) is about the cell under
// the cursor, whatever moved the cursor or the entry.
TEST_F(Keyboard, TheStatusBarSpeaksOnlyOfTheCellUnderTheCursor) {
    TypeClass();
    const QString invalid = "Not a number or a known letter";
    const QString prompt = "Enter a grade value, then press Tab or Enter";
    QLabel* panel = form.StatusPanel(2);
    Go(3, 3);
    Type("abc");
    ASSERT_EQ(panel->text(), invalid);
    Key(Qt::Key_Escape); // the cell has its 80 again
    EXPECT_EQ(panel->text().toStdString(), prompt.toStdString()) << "Escape";
    Type("abc");
    Key(Qt::Key_Z, kCtrl);
    EXPECT_EQ(panel->text(), prompt) << "Ctrl+Z";

    Type("abc");
    Key(Qt::Key_Return);
    EXPECT_EQ(panel->text(), prompt) << "left with Enter";
    Go(3, 3);
    EXPECT_EQ(panel->text(), invalid) << "back on it";
    Key(Qt::Key_Home, kCtrl);
    EXPECT_EQ(panel->text(), prompt) << "left with Ctrl+Home";
    Go(3, 3);
    Key(Qt::Key_PageDown);
    EXPECT_EQ(panel->text(), prompt) << "left with Page Down";

    // Move Names: Ben's row dragged and the drag undone and redone; the message follows
    // whatever entry is under the cursor.
    form.MoveViewNames1->trigger();
    Go(3, 3);
    ASSERT_EQ(panel->text(), invalid);
    auto speaksOfTheCursor = [&] {
        const bool bad = Cell(grid.Col(), grid.Row()) == "abc";
        return (bad ? invalid : prompt).toStdString() == panel->text().toStdString();
    };
    grid.MoveRow(3, 2);
    EXPECT_TRUE(speaksOfTheCursor()) << "dragged";
    form.Document().Undo();
    EXPECT_TRUE(speaksOfTheCursor()) << "undone";
    form.Document().Redo();
    EXPECT_TRUE(speaksOfTheCursor()) << "redone";
}

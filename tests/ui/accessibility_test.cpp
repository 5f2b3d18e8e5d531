// The grid and the main window as a screen reader reads them, through the toolkit's
// accessibility interfaces.

#include "lazy_table.h"
#include "main_window.h"
#include "prompts.h"
#include "string_grid.h"
#include "string_grid_accessible.h"
#include "test_app.h"

#include <QAccessible>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

#include <vector>

using namespace marklow;

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
QT_END_NAMESPACE

namespace {

// Records the events the toolkit would hand a screen reader while it is active.
struct TEventLog {
    struct Event {
        QAccessible::Event Type;
        QObject* Object;
        int Child;
        QString Name; // of the interface the event is about, when it happened
    };
    TEventLog() {
        log_ = this;
        SetAccessibleEventTap(&TEventLog::Handle);
    }
    ~TEventLog() {
        SetAccessibleEventTap(nullptr);
        log_ = nullptr;
    }
    TEventLog(const TEventLog&) = delete;
    TEventLog& operator=(const TEventLog&) = delete;
    static void Handle(QAccessibleEvent* e) {
        QAccessibleInterface* iface = e->accessibleInterface();
        log_->Events.push_back(
            {e->type(), e->object(), e->child(), iface ? iface->text(QAccessible::Name) : ""});
    }
    std::vector<Event> Focus() const {
        std::vector<Event> out;
        for (const Event& e : Events)
            if (e.Type == QAccessible::Focus) out.push_back(e);
        return out;
    }
    std::vector<Event> Events;

private:
    static inline TEventLog* log_ = nullptr;
};

class GridAccess : public ::testing::Test {
protected:
    GridAccess() : table(6, 8) {
        for (int c = 0; c < 6; ++c)
            for (int r = 0; r < 8; ++r)
                table.SetText(c, r, QString("%1,%2").arg(c).arg(r));
        grid.SetTable(&table);
        grid.SetDefaultRowHeight(18);
        grid.resize(600, 400);
        grid.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&grid));
        grid.setFocus();
        grid.SetCurrent(1, 1);
    }
    QAccessibleInterface* Grid() { return QAccessible::queryAccessibleInterface(&grid); }
    QAccessibleTableInterface* Table() { return Grid()->tableInterface(); }

    QApplication& app = TestApp();
    TTextTable table;
    TStringGrid1 grid;
};

TEST_F(GridAccess, TheGridIsATableOfItsDataCellsHeadedByItsFrozenOnes) {
    ASSERT_NE(Grid(), nullptr);
    EXPECT_EQ(Grid()->role(), QAccessible::Table);
    ASSERT_NE(Table(), nullptr);
    EXPECT_EQ(Table()->rowCount(), 7);
    EXPECT_EQ(Table()->columnCount(), 5);
    EXPECT_EQ(Grid()->childCount(), 48) << "every cell, frozen ones included";

    QAccessibleInterface* cell = Table()->cellAt(2, 3); // grid cell (4, 3)
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->role(), QAccessible::Cell);
    EXPECT_EQ(cell->text(QAccessible::Value), "4,3");
    EXPECT_EQ(cell->text(QAccessible::Name), "0,3, 4,0, 4,3") << "row header, column header, text";
    EXPECT_EQ(cell->parent(), Grid());
    QAccessibleTableCellInterface* tc = cell->tableCellInterface();
    ASSERT_NE(tc, nullptr);
    EXPECT_EQ(tc->rowIndex(), 2);
    EXPECT_EQ(tc->columnIndex(), 3);
    ASSERT_EQ(tc->columnHeaderCells().size(), 1);
    EXPECT_EQ(tc->columnHeaderCells()[0]->text(QAccessible::Value), "4,0");
    EXPECT_EQ(tc->columnHeaderCells()[0]->role(), QAccessible::ColumnHeader);
    ASSERT_EQ(tc->rowHeaderCells().size(), 1);
    EXPECT_EQ(tc->rowHeaderCells()[0]->text(QAccessible::Value), "0,3");
    EXPECT_EQ(tc->rowHeaderCells()[0]->role(), QAccessible::RowHeader);
    EXPECT_EQ(Table()->columnDescription(3), "4,0");
    EXPECT_EQ(Table()->rowDescription(2), "0,3");

    // The same cell by its index, and its index back; the same interface each time.
    EXPECT_EQ(Grid()->indexOfChild(cell), 3 * 6 + 4);
    EXPECT_EQ(Grid()->child(3 * 6 + 4), cell);
    EXPECT_EQ(Table()->cellAt(2, 3), cell);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&grid), Grid());

    // Just past the ends there is nothing.
    EXPECT_EQ(Table()->cellAt(7, 0), nullptr);
    EXPECT_EQ(Table()->cellAt(0, 5), nullptr);
    EXPECT_NE(Table()->cellAt(6, 4), nullptr);
    EXPECT_EQ(Table()->cellAt(-1, 0), nullptr);
    EXPECT_EQ(Grid()->child(48), nullptr);
    EXPECT_EQ(Grid()->child(-1), nullptr);
}

TEST_F(GridAccess, TheCurrentCellIsSelectedFocusedAndWhereTheGridShowsIt) {
    grid.SetCurrent(2, 3);
    QAccessibleInterface* cell = Table()->cellAt(2, 1);
    ASSERT_NE(cell, nullptr);
    EXPECT_TRUE(cell->state().selected);
    EXPECT_TRUE(cell->state().focused);
    EXPECT_TRUE(cell->state().focusable);
    EXPECT_FALSE(Table()->cellAt(0, 0)->state().selected);
    ASSERT_EQ(Table()->selectedCells().size(), 1);
    EXPECT_EQ(Table()->selectedCells()[0], cell);
    EXPECT_EQ(Grid()->focusChild(), cell);
    EXPECT_FALSE(Grid()->child(0)->state().focusable) << "a frozen cell takes no cursor";

    const QRect rect = grid.CellRect(2, 3);
    EXPECT_EQ(cell->rect(), QRect(grid.viewport()->mapToGlobal(rect.topLeft()), rect.size()));
    EXPECT_EQ(Grid()->childAt(cell->rect().center().x(), cell->rect().center().y()), cell);

    // A screen reader may put the cursor on a cell itself.
    QAccessibleInterface* other = Table()->cellAt(4, 2);
    ASSERT_NE(other->actionInterface(), nullptr);
    other->actionInterface()->doAction(QAccessibleActionInterface::setFocusAction());
    EXPECT_EQ(grid.Col(), 3);
    EXPECT_EQ(grid.Row(), 5);
    EXPECT_TRUE(Grid()->child(0)->actionInterface()->actionNames().isEmpty());
}

TEST_F(GridAccess, MovingTheCursorFocusesTheNewCellAndNamesTheEditorAfterIt) {
    TEventLog log;
    QTest::keyClick(grid.Editor(), Qt::Key_Down);
    QTest::keyClick(grid.Editor(), Qt::Key_Right);
    const auto focus = log.Focus();
    ASSERT_GE(focus.size(), 2u);
    EXPECT_EQ(focus.back().Object, &grid);
    EXPECT_EQ(focus.back().Child, 2 * 6 + 2);
    EXPECT_EQ(focus.back().Name, "0,2, 2,0, 2,2");
    EXPECT_EQ(focus[focus.size() - 2].Name, "0,2, 1,0, 1,2");
    EXPECT_EQ(grid.Editor()->accessibleName(), "0,2, 2,0, 2,2");
    EXPECT_FALSE(grid.Editor()->accessibleDescription().isEmpty());
}

TEST_F(GridAccess, CellsComeAndGoWithTheShapeOfTheTable) {
    TEventLog log;
    QAccessibleInterface* cell = Table()->cellAt(6, 4);
    ASSERT_NE(cell, nullptr);
    const QAccessible::Id id = QAccessible::uniqueId(cell);
    auto* access = static_cast<TGridAccessible*>(Grid());
    EXPECT_GE(access->CellsMade(), 1);
    grid.SetRowCount(5);
    EXPECT_EQ(QAccessible::accessibleInterface(id), nullptr) << "its id is not left behind";
    EXPECT_EQ(access->CellsMade(), 0);
    EXPECT_EQ(Table()->rowCount(), 4);
    EXPECT_EQ(Table()->cellAt(6, 4), nullptr);
    bool reset = false;
    for (const auto& e : log.Events)
        reset = reset || e.Type == QAccessible::TableModelChanged;
    EXPECT_TRUE(reset);

    // A changed text alone keeps the cells: nothing to tell.
    QAccessibleInterface* kept = Table()->cellAt(1, 1);
    grid.SetCell(2, 2, "new");
    grid.TableChanged();
    EXPECT_EQ(Table()->cellAt(1, 1), kept);
    EXPECT_EQ(kept->text(QAccessible::Value), "new");
}

TEST(GridAccessLarge, AHugeClassIsReadOnlyWhereAsked) {
    TestApp();
    TLazyTable table(502, 10002);
    TStringGrid1 grid;
    grid.SetFixedCols(2);
    grid.SetFixedRows(2);
    grid.SetTable(&table);
    grid.resize(800, 600);
    grid.show();
    TEventLog log;
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&grid);
    const long before = table.reads;
    EXPECT_EQ(iface->childCount(), 502 * 10002);
    EXPECT_EQ(iface->tableInterface()->rowCount(), 10000);
    EXPECT_EQ(iface->tableInterface()->columnCount(), 500);
    QAccessibleInterface* last = iface->tableInterface()->cellAt(9999, 499);
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->text(QAccessible::Name), "1:10001, 501:1, 501:10001");
    for (int i = 0; i < 50; ++i)
        grid.SetCurrent(2 + i, 2 + i);
    auto* access = static_cast<TGridAccessible*>(iface);
    EXPECT_LE(access->CellsMade(), 60) << "only the cells asked for";
    EXPECT_LT(table.reads - before, 2000) << "no walk over the cells";
}

// --- the main window ---

class WindowAccess : public ::testing::Test {
protected:
    WindowAccess() {
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    void Type(const QString& text) { QTest::keyClicks(grid.Editor(), text); }
    void Key(Qt::Key key) { QTest::keyClick(grid.Editor(), key); }
    void Click(int c, int r) {
        const QRect rect = grid.CellRect(c, r);
        ASSERT_FALSE(rect.isEmpty()) << c << "," << r;
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, rect.center());
    }
    QString Name(int c, int r) {
        QAccessibleInterface* g = QAccessible::queryAccessibleInterface(&grid);
        return g->child(r * grid.ColCount() + c)->text(QAccessible::Name);
    }
    QString Avg(int r) const { return QString::fromStdString(std::string(gb.Cell(0, r))); }

    QApplication& app = TestApp();
    ScopedPrompts prompts;
    TSDIAppForm form;
    TStringGrid1& grid = *form.GradeBook;
    TGradebook& gb = form.Gradebook();
};

TEST_F(WindowAccess, ACellSaysItsStudentGradeEntryAndTheStudentsAverage) {
    Click(1, 2);
    Type("Aaliyah Brooks");
    Key(Qt::Key_Return);
    Type("Ben Moss");
    Key(Qt::Key_Return);
    Click(2, 1);
    Type("HW 1");
    Key(Qt::Key_Return);
    Click(2, 2);
    Type("8");
    Click(2, 3);
    EXPECT_EQ(Name(2, 2), "Aaliyah Brooks, HW 1, 8, average " + Avg(2));
    EXPECT_FALSE(Avg(2).isEmpty());
    EXPECT_EQ(Name(2, 3), "Ben Moss, HW 1, blank") << "no average without entries";
    EXPECT_EQ(grid.Editor()->accessibleName(), Name(2, 3)) << "the editor says its cell";
    EXPECT_EQ(Name(1, 2), "Name, Aaliyah Brooks, average " + Avg(2));
    EXPECT_TRUE(Name(2, 1).startsWith("Grade name, HW 1, class average "))
        << Name(2, 1).toStdString();
    EXPECT_EQ(Name(1, 4), "New student, blank") << "the spare row";
    EXPECT_EQ(Name(3, 1), "New grade, blank") << "the spare column";

    // The headers are the names, in edit mode although they are not frozen there.
    QAccessibleInterface* cell =
        QAccessible::queryAccessibleInterface(&grid)->child(2 * grid.ColCount() + 2);
    ASSERT_EQ(cell->tableCellInterface()->columnHeaderCells().size(), 1);
    EXPECT_EQ(cell->tableCellInterface()->columnHeaderCells()[0]->text(QAccessible::Value), "HW 1");
    EXPECT_EQ(cell->tableCellInterface()->rowHeaderCells()[0]->text(QAccessible::Value),
              "Aaliyah Brooks");

    // Typing says the new entry; hidden averages are not named; a marked entry says why.
    Click(2, 2);
    Type("x");
    EXPECT_TRUE(grid.Editor()->accessibleName().startsWith("Aaliyah Brooks, HW 1, x, Not a number"))
        << grid.Editor()->accessibleName().toStdString();
    EXPECT_TRUE(gb.Cell(0, 2).front() == '*') << "the grid marks the average";
    EXPECT_TRUE(grid.Editor()->accessibleName().contains(", counting invalid entries"))
        << grid.Editor()->accessibleName().toStdString();
    EXPECT_FALSE(grid.Editor()->accessibleName().contains("*"));
    form.SetAveragesShown(false);
    EXPECT_EQ(Name(2, 2), "Aaliyah Brooks, HW 1, x, Not a number or a known letter");
}

TEST_F(WindowAccess, CurvedEntriesSayWhatTheyAreShownAs) {
    Click(1, 2);
    Type("Ann");
    Key(Qt::Key_Return);
    Click(2, 1);
    Type("Quiz");
    Key(Qt::Key_Return);
    Click(2, 2);
    Type("85");
    gb.GradeAt(2)->Curve = true;
    gb.GradeAt(2)->CurveAmount = 5;
    EXPECT_TRUE(Name(2, 2).startsWith("Ann, Quiz, 85, curved 90, average "))
        << Name(2, 2).toStdString();
    form.Curve1->trigger(); // the curve no longer shown
    EXPECT_TRUE(Name(2, 2).startsWith("Ann, Quiz, 85, average ")) << Name(2, 2).toStdString();
}

TEST_F(WindowAccess, EveryToolButtonHasANameAndADescription) {
    QStringList offenders;
    int buttons = 0;
    for (QToolButton* b : form.ToolBar1->findChildren<QToolButton*>()) {
        if (!b->defaultAction()) continue; // the extension arrow
        ++buttons;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(b);
        if (a->text(QAccessible::Name).isEmpty() || a->text(QAccessible::Description).isEmpty())
            offenders << b->objectName();
    }
    EXPECT_EQ(buttons, 13);
    EXPECT_TRUE(offenders.isEmpty()) << offenders.join(", ").toStdString();
    auto* open = form.ToolBar1->findChild<QToolButton*>("ToolButton2");
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(open)->text(QAccessible::Name),
              "Open Gradebook");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&grid)->text(QAccessible::Name), "Gradebook");
}

} // namespace

#include "check_form.h"
#include "gradebook.h"
#include "gradebook_document.h"
#include "prompts.h"
#include "sample_builder.h"
#include "test_app.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace marklow;

namespace {

// 3 grades, 4 students, one invalid entry, two empty cells; a category of 100 percent that
// drops the lowest and one without grades.
std::unique_ptr<TGradebook> SmallClass() {
    auto gb = std::make_unique<TGradebook>();
    gb->SetEditMode(false);
    gb->LetterToNumber.Add("A", 95);
    for (const char* name : {"Quiz", "Test", "Essay"})
        AddGrade(*gb, name, 10);
    const char* rows[4][3] = {{"9", "A", "8"}, {"", "7", "x"}, {"6", "", "9"}, {"10", "5", "4"}};
    for (int i = 0; i < 4; ++i) {
        int r = AddStudent(*gb, "Student " + std::to_string(i + 1));
        for (int c = 0; c < 3; ++c)
            gb->SetCell(c + 2, r, rows[i][c]);
    }
    return gb;
}

struct CheckFormTest : ::testing::Test {

    // Shows the results; while the window is up, acts on it.
    std::vector<TErrorFinder> Show(const TGradebook& gb, std::function<void(TCheckForm&)> act) {
        std::vector<TErrorFinder> went;
        form.SetGoTo([&](const TErrorFinder& f) { went.push_back(f); });
        prompts.Script.DialogActions.push_back([&](QDialog&) { act(form); });
        form.ShowResults(gb);
        EXPECT_TRUE(prompts.Script.Unexpected.isEmpty());
        return went;
    }

    static int RowOf(TCheckForm& form, const std::string& start) {
        for (int row = 0; row < form.Model().rowCount(); ++row)
            if (form.Model().index(row, 0).data().toString().startsWith(
                    QString::fromStdString(start)))
                return row;
        return -1;
    }

    static void DoubleClickRow(TCheckForm& form, int row) {
        QTableView* list = form.ListView1;
        list->scrollTo(form.Model().index(row, 0));
        QRect cell = list->visualRect(form.Model().index(row, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    }

    QApplication& app = TestApp(); // before the first widget
    ScopedPrompts prompts;
    TCheckForm form;
};

} // namespace

TEST_F(CheckFormTest, ListsFindingsAndCounters) {
    auto gb = SmallClass();
    form.Fill(*gb);
    EXPECT_EQ(form.windowTitle(), "Check Results");
    EXPECT_EQ(form.ErrorsBox->text(), "1");
    EXPECT_EQ(form.WarningsBox->text(), "0");
    EXPECT_EQ(form.GradeEntriesBox->text(), "12");
    EXPECT_EQ(form.BlankEntriesBox->text(), "2");
    ASSERT_EQ(form.Model().rowCount(), 1);
    EXPECT_EQ(form.Model().index(0, 0).data().toString(),
              "Entry of \"x\" for grade \"Essay\" & student \"Student 2\" is invalid");
    EXPECT_EQ(form.Model().index(0, 1).data().toString(), "Error");
    EXPECT_EQ(form.Model().headerData(0, Qt::Horizontal).toString(), "Description");
    EXPECT_EQ(form.Model().headerData(1, Qt::Horizontal).toString(), "Severity");
    EXPECT_TRUE(form.FindButton->isDefault());
    EXPECT_EQ(form.ListView1->columnWidth(0), 500);
}

TEST_F(CheckFormTest, DoubleClickOnAnInvalidEntryGoesToItsCell) {
    auto gb = SmallClass();
    auto went = Show(*gb, [](TCheckForm& f) { DoubleClickRow(f, 0); });
    EXPECT_EQ(went, (std::vector<TErrorFinder>{{TErrorFinder::EntryCell, 4, 3}}));
    EXPECT_EQ(form.Model().rowCount(), 0) << "the list is emptied when the window closes";
    ASSERT_TRUE(form.PickedFinder());
}

TEST_F(CheckFormTest, EveryKindOfPlaceReachesTheMainWindowButACategoryWithoutOne) {
    auto gb = SmallClass();
    gb->SetCell(3, 1, "");  // grade name blank: kind 1
    gb->SetCell(1, 4, " "); // student name blank: kind 2
    gb->Categories.Add("Tests", 100, true);
    gb->Categories.Add("Labs", 0, false); // no grades: kinds 3 (percent) and 4
    struct Case {
        std::string Start;
        TErrorFinder Finder;
        bool Goes;
    };
    const Case cases[] = {
        {"Grade name number 2", {TErrorFinder::Grade, 3, 0}, true},
        {"Student name number 3", {TErrorFinder::Student, 4, 0}, true},
        {"Percent of grade for category \"Labs\"", {TErrorFinder::CategoryField, 1, 1}, true},
        {"Category \"Labs\" has no grades", {TErrorFinder::CategoryOnly, 1, 0}, false},
    };
    for (const Case& c : cases) {
        auto went = Show(*gb, [&](TCheckForm& f) {
            int row = RowOf(f, c.Start);
            ASSERT_GE(row, 0) << c.Start;
            f.ListView1->selectRow(row);
            f.FindButton->click();
        });
        ASSERT_TRUE(form.PickedFinder()) << c.Start;
        EXPECT_EQ(*form.PickedFinder(), c.Finder) << c.Start;
        EXPECT_EQ(went, c.Goes ? std::vector<TErrorFinder>{c.Finder} : std::vector<TErrorFinder>{})
            << c.Start;
        EXPECT_EQ(form.result(), QDialog::Accepted);
    }
}

TEST_F(CheckFormTest, FindWithoutASelectionAndCloseGoNowhere) {
    auto gb = SmallClass();
    auto went = Show(*gb, [](TCheckForm& f) { f.FindButton->click(); });
    EXPECT_TRUE(went.empty());
    EXPECT_FALSE(form.PickedFinder());
    EXPECT_FALSE(form.isVisible());

    went = Show(*gb, [](TCheckForm& f) {
        f.ListView1->selectRow(0);
        f.CloseButton->click();
    });
    EXPECT_TRUE(went.empty());
    EXPECT_FALSE(form.PickedFinder());
    EXPECT_EQ(form.result(), QDialog::Rejected);

    // A pick is kept until the next showing, which forgets it.
    Show(*gb, [](TCheckForm& f) { DoubleClickRow(f, 0); });
    EXPECT_TRUE(form.PickedFinder());
    Show(*gb, [](TCheckForm& f) { f.CloseButton->click(); });
    EXPECT_FALSE(form.PickedFinder());
}

TEST_F(CheckFormTest, HelpAsksForItsTopic) {
    auto gb = SmallClass();
    std::vector<int> topics;
    form.SetHelp([&](int topic) { topics.push_back(topic); });
    Show(*gb, [](TCheckForm& f) {
        f.HelpButton->click();
        EXPECT_TRUE(f.isVisible()) << "help leaves the window open";
        f.CloseButton->click();
    });
    EXPECT_EQ(topics, std::vector<int>{667});
}

TEST_F(CheckFormTest, TheIndexRepairIsNoEdit) {
    TGradebookDocument doc;
    TGradebook& gb = doc.Gradebook();
    gb.SetEditMode(false);
    gb.Categories.Add("Tests", 100, false);
    int c = AddGrade(gb, "Quiz", 10, 3);
    AddStudent(gb, "Ann");
    doc.ResetHistory();
    EXPECT_EQ(RepairCategoryIndexes(gb), 1);
    EXPECT_EQ(gb.GradeAt(c)->CategoryIndex, 0);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(doc.CanUndo());
    Show(gb, [](TCheckForm& f) { f.CloseButton->click(); });
    EXPECT_EQ(form.Model().rowCount(), 0);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(CheckFormTest, NothingLooksSelectedUntilALineIsChosen) {
    auto gb = SmallClass();
    gb->SetCell(2, 3, "y"); // a second invalid entry, above the first
    auto went = Show(*gb, [](TCheckForm& f) {
        f.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
        f.ListView1->setFocus(Qt::TabFocusReason);
        EXPECT_FALSE(f.ListView1->selectionModel()->hasSelection());
        EXPECT_FALSE(f.ListView1->currentIndex().isValid()) << "no line to act on yet";
        // The first line is drawn as the second is.
        const QImage image = f.ListView1->viewport()->grab().toImage();
        auto background = [&](int row) {
            const QRect cell = f.ListView1->visualRect(f.Model().index(row, 0));
            return image.pixelColor(cell.right() - 3, cell.center().y());
        };
        EXPECT_EQ(background(0), background(1));
        // The first arrow key chooses the first line, and Enter goes to it.
        QTest::keyClick(f.ListView1, Qt::Key_Down);
        const QModelIndexList rows = f.ListView1->selectionModel()->selectedRows();
        ASSERT_EQ(rows.size(), 1);
        EXPECT_EQ(rows.front().row(), 0);
        QTest::keyClick(f.ListView1, Qt::Key_Return);
    });
    EXPECT_EQ(went, (std::vector<TErrorFinder>{{TErrorFinder::EntryCell, 2, 3}}));
}

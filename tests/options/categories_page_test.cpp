#include "categories_page.h"
#include "check.h"
#include "grade_box.h"
#include "option_files.h"
#include "options_fixture.h"
#include "translations.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

#include <filesystem>
#include <tuple>

using namespace marklow;
using namespace marklow::testing;

namespace {

TStringGrid1& Grid(TNewOptionsDlg& d) {
    return *d.CategoriesPage->CategoryGrid;
}

void SetCategories(TGradebook& gb, std::initializer_list<TCategory> list) {
    gb.Categories.ReplaceItems(list);
}

TCategory Cat(const char* name, double percent, bool drop = false) {
    TCategory c;
    c.Name = name;
    c.Percent = percent;
    c.DropLowest = drop;
    return c;
}

} // namespace

TEST_F(OptionsTest, CategoriesOfANewGradebookShowOneEmptyRowAndATotalOfZero) {
    gb->Categories.Clear();
    for (int c = 2; c <= gb->LastGradeColumn(); ++c)
        gb->GradeAt(c)->CategoryIndex = 0;
    auto out = RunOn(kCategoriesPage, [](TNewOptionsDlg& d) {
        EXPECT_EQ(d.PageControl->currentIndex(), kCategoriesPage);
        EXPECT_EQ(Grid(d).RowCount(), 2);
        EXPECT_EQ(Grid(d).Cell(0, 0), "Category");
        EXPECT_EQ(d.CategoriesPage->PercentDisplay->text(), " 0");
        EXPECT_EQ(Grid(d).Row(), 1);
    });
    ASSERT_TRUE(out);
    EXPECT_TRUE(out->Options.Categories.empty());
    EXPECT_FALSE(out->Options.AffectsAverages);
}

TEST_F(OptionsTest, TypedCategoriesAreStoredWithTheirTotal) {
    gb->Categories.Clear();
    auto out = Run([](TNewOptionsDlg& d) {
        TStringGrid1& g = Grid(d);
        TypeInto(g, 0, 1, "Homework");
        EXPECT_EQ(g.RowCount(), 3);  // a new empty row at once
        TypeInto(g, 1, 1, "3x3,5%"); // letters never appear; a comma is a decimal point
        EXPECT_EQ(g.Cell(1, 1), "33.5");
        EXPECT_EQ(g.Editor()->text(), "33.5");
        TypeInto(g, 1, 2, "66.5"); // the nameless last row is not stored, nor counted
        EXPECT_EQ(d.CategoriesPage->PercentDisplay->text(), " 33.5");
        TypeInto(g, 0, 2, "Tests"); // its name makes it a category
        EXPECT_EQ(g.RowCount(), 4);
        EXPECT_EQ(d.CategoriesPage->PercentDisplay->text(), " 100");
        TypeInto(g, 2, 1, "y");
        EXPECT_EQ(g.Cell(2, 1), "Yes");
    });
    ASSERT_TRUE(out);
    ASSERT_EQ(out->Options.Categories.size(), 2u);
    EXPECT_EQ(out->Options.Categories[0].Name, "Homework");
    EXPECT_EQ(out->Options.Categories[0].Percent, 33.5);
    EXPECT_TRUE(out->Options.Categories[0].DropLowest);
    EXPECT_EQ(out->Options.Categories[1].Name, "Tests");
    EXPECT_EQ(out->Options.Categories[1].Percent, 66.5);
    EXPECT_TRUE(out->Options.AffectsAverages);
}

TEST_F(OptionsTest, APercentageOrADropSwitchAloneInTheLastRowIsNoCategory) {
    SetCategories(*gb, {Cat("Homework", 60)});
    auto out = Run([](TNewOptionsDlg& d) {
        TStringGrid1& g = Grid(d);
        TypeInto(g, 1, 2, "40");
        EXPECT_EQ(g.RowCount(), 3);
        EXPECT_EQ(d.CategoriesPage->PercentDisplay->text(), " 60") << "no category, no share";
        TypeInto(g, 2, 2, "y"); // a typed switch
        EXPECT_EQ(g.Cell(2, 2), "Yes");
        EXPECT_EQ(g.RowCount(), 3);
        TypeInto(g, 0, 2, " "); // blanks are no name
        EXPECT_EQ(g.RowCount(), 3);
        // Nothing nameless is offered on the Weights page either.
        d.PageControl->setCurrentIndex(kWeightsPage);
        EXPECT_EQ(d.WeightsPage->GradeBox1->CategoryCombo->count(), 1);
    });
    ASSERT_TRUE(out);
    ASSERT_EQ(out->Options.Categories.size(), 1u);
    EXPECT_EQ(out->Options.Categories[0].Name, "Homework");
    EXPECT_FALSE(out->Options.Categories[0].DropLowest);
}

TEST_F(OptionsTest, PastedPercentagesAreFilteredLikeTypedOnes) {
    QApplication::clipboard()->setText("4a5,25");
    auto out = Run([](TNewOptionsDlg& d) {
        TStringGrid1& g = Grid(d);
        g.SetCurrent(1, 1);
        g.Editor()->selectAll();
        QTest::keyClick(g.Editor(), Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(g.Cell(1, 1), "45.25");
        EXPECT_EQ(g.Editor()->text(), "45.25");
        // Pasted into the drop-the-lowest column: a yes or nothing.
        g.SetCurrent(2, 2);
        QApplication::clipboard()->setText("true");
        QTest::keyClick(g.Editor(), Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(g.Cell(2, 2), "Yes");
    });
    ASSERT_TRUE(out);
    EXPECT_EQ(out->Options.Categories[0].Percent, 45.3); // as the grid shows it next time
    EXPECT_TRUE(out->Options.Categories[1].DropLowest);
}

TEST_F(OptionsTest, DropTheLowestTakesKeysAsSwitchesAndKeepsTheMovingKeys) {
    SetCategories(*gb, {Cat("A", 50, true), Cat("B", 50)});
    auto out = Run([](TNewOptionsDlg& d) {
        TStringGrid1& g = Grid(d);
        TypeInto(g, 2, 1, "A");
        EXPECT_EQ(g.Cell(2, 1), "");
        TypeInto(g, 2, 1, " ");
        TypeInto(g, 2, 1, " ");
        EXPECT_EQ(g.Cell(2, 1), "");
        TypeInto(g, 2, 1, " ");
        EXPECT_EQ(g.Cell(2, 1), "Yes");
        QTest::keyClick(g.Editor(), Qt::Key_Backspace);
        EXPECT_EQ(g.Cell(2, 1), "");
        TypeInto(g, 2, 1, "t");
        // Tab, Enter and the arrows still move or do what they do elsewhere.
        QTest::keyClick(g.Editor(), Qt::Key_Down);
        EXPECT_EQ(g.Row(), 2);
        EXPECT_EQ(g.Cell(2, 1), "Yes");
        QTest::keyClick(g.Editor(), Qt::Key_Return);
        EXPECT_EQ(g.Cell(2, 2), "");
        QTest::keyClick(g.Editor(), Qt::Key_Tab);
        EXPECT_EQ(g.Col(), 0);
        EXPECT_EQ(g.Row(), 3);
        EXPECT_EQ(g.RowCount(), 4); // moving through the last row adds nothing
    });
    ASSERT_TRUE(out);
    EXPECT_TRUE(out->Options.Categories[0].DropLowest);
    EXPECT_FALSE(out->Options.Categories[1].DropLowest);
}

TEST_F(OptionsTest, EscapeInTheDropTheLowestColumnCancelsTheDialog) {
    auto out = Run([](TNewOptionsDlg& d) {
        TStringGrid1& g = Grid(d);
        g.SetCurrent(2, 1);
        g.Editor()->setFocus();
        QTest::keyClick(g.Editor(), Qt::Key_Escape);
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_FALSE(out);
}

TEST_F(OptionsTest, DoubleClickTogglesDropTheLowestOfACategoryRowOnly) {
    SetCategories(*gb, {Cat("A", 100)});
    Run([](TNewOptionsDlg& d) {
        TStringGrid1& g = Grid(d);
        QApplication::processEvents();
        const QPoint cell = g.CellRect(2, 1).center();
        QTest::mouseDClick(g.viewport(), Qt::LeftButton, {}, cell);
        EXPECT_EQ(g.Cell(2, 1), "Yes");
        // Once the editor sits on the cell, double-clicks reach the editor.
        g.SetCurrent(2, 1);
        QTest::mouseDClick(g.Editor(), Qt::LeftButton, {}, QPoint(4, 4));
        EXPECT_EQ(g.Cell(2, 1), "");
        QTest::mouseDClick(g.viewport(), Qt::LeftButton, {}, g.CellRect(2, 2).center());
        EXPECT_EQ(g.Cell(2, 2), "");
        EXPECT_EQ(g.RowCount(), 3);
    });
}

TEST_F(OptionsTest, PercentagesAreStoredAsShown) {
    SetCategories(*gb, {Cat("A", 100.0 / 3), Cat("B", 12.345), Cat("C", 54.322)});
    gb->GradeAt(2)->Points = 33.333;
    auto out = Run([](TNewOptionsDlg& d) {
        EXPECT_EQ(Grid(d).Cell(1, 1), "33.3");
        EXPECT_EQ(Grid(d).Cell(1, 2), "12.3");
        EXPECT_EQ(d.CategoriesPage->PercentDisplay->text(), " 99.9");
        TypeInto(Grid(d), 1, 3, "54.35"); // typed: kept as it will be shown
        EXPECT_EQ(d.CategoriesPage->PercentDisplay->text(), " 100");
    });
    ASSERT_TRUE(out);
    EXPECT_EQ(out->Options.Categories[0].Percent, 33.3);
    EXPECT_EQ(out->Options.Categories[1].Percent, 12.3);
    EXPECT_EQ(out->Options.Categories[2].Percent, 54.4);
    // The grades' numbers nobody touched keep every digit.
    ApplyOptions(*gb, out->Options);
    EXPECT_EQ(gb->GradeAt(2)->Points, 33.333);
}

TEST_F(OptionsTest, DeletingACategoryRemapsEveryGradeAndCancelKeepsIt) {
    SetCategories(*gb, {Cat("A", 30), Cat("B", 30), Cat("C", 40)});
    const int cats[] = {0, 1, 2, 2};
    for (int c = 2; c <= 5; ++c)
        gb->GradeAt(c)->CategoryIndex = cats[c - 2];

    prompts.Script.Answers = {TAnswer::Cancel, TAnswer::Ok};
    auto out = Run([](TNewOptionsDlg& d) {
        TStringGrid1& g = Grid(d);
        g.SetCurrent(0, 2);
        d.CategoriesPage->DeleteCButton->click(); // Cancel
        EXPECT_EQ(g.RowCount(), 5);
        d.CategoriesPage->DeleteCButton->click(); // OK
        EXPECT_EQ(ColumnTexts(g, 0), (QStringList{"A", "C", ""}));
        EXPECT_EQ(g.Row(), 2);
        EXPECT_EQ(d.CategoriesPage->PercentDisplay->text(), " 70");
        g.SetCurrent(0, 3);
        d.CategoriesPage->DeleteCButton->click(); // the empty row: no question
    });
    ASSERT_EQ(prompts.Script.Messages.size(), 2u);
    EXPECT_EQ(prompts.Script.Messages[0].Text, "Delete Category - B");
    EXPECT_EQ(prompts.Script.Messages[0].Buttons, TButtons::OkCancel);
    ASSERT_TRUE(out);
    ApplyOptions(*gb, out->Options);
    const int expected[] = {0, 0, 1, 1};
    for (int c = 2; c <= 5; ++c)
        EXPECT_EQ(gb->GradeAt(c)->CategoryIndex, expected[c - 2]) << c;
    EXPECT_EQ(gb->Categories.Count(), 2);
}

TEST_F(OptionsTest, NewDiscardsTheCategoriesOnlyInTheDialog) {
    SetCategories(*gb, {Cat("A", 60), Cat("B", 40)});
    gb->GradeAt(3)->CategoryIndex = 1;
    prompts.Script.Answers = {TAnswer::Ok};
    auto out = Run(
        [](TNewOptionsDlg& d) {
            Grid(d).SetCurrent(1, 2);
            d.CategoriesPage->NewCButton->click();
            EXPECT_EQ(Grid(d).RowCount(), 2);
            EXPECT_EQ(Grid(d).Row(), 1);
            EXPECT_EQ(d.CategoriesPage->PercentDisplay->text(), " 0");
            EXPECT_EQ(d.Work().GradeCopies[1].CategoryIndex, 0);
        },
        false);
    EXPECT_FALSE(out);
    EXPECT_EQ(prompts.Script.Messages.at(0).Text, "Discard existing categories");
    EXPECT_EQ(gb->Categories.Count(), 2);
    EXPECT_EQ(gb->GradeAt(3)->CategoryIndex, 1);
}

TEST_F(OptionsTest, LoadAndSaveCategoryFilesInTheirFolder) {
    SetCategories(*gb, {Cat("A", 25), Cat("B", 25), Cat("C", 25), Cat("D", 25)});
    for (int c = 2; c <= 5; ++c)
        gb->GradeAt(c)->CategoryIndex = c - 2;
    TCategoryList two;
    two.Add("Labs", 40, true);
    two.Add("Exams", 60, false);
    const std::string folder = data / "Categories";
    const std::string saved = folder + "/mine.gca";

    prompts.Script.FileNames = {QString::fromStdString(data / "two.gca"),
                                QString::fromStdString(folder + "/mine")};
    ASSERT_TRUE(SaveCategoryFile(data / "two.gca", two).empty());
    auto out = Run([](TNewOptionsDlg& d) {
        d.CategoriesPage->LoadButton->click();
        EXPECT_EQ(ColumnTexts(Grid(d), 0), (QStringList{"Labs", "Exams", ""}));
        EXPECT_EQ(ColumnTexts(Grid(d), 2), (QStringList{"Yes", "", ""}));
        EXPECT_EQ(d.CategoriesPage->PercentDisplay->text(), " 100");
        d.CategoriesPage->SaveButton->click();
    });
    ASSERT_TRUE(out);
    ASSERT_EQ(prompts.Script.FileRequests.size(), 2u);
    const TFileRequest& load = prompts.Script.FileRequests[0];
    EXPECT_EQ(load.Caption, "Load Category Options");
    EXPECT_EQ(load.Filter, "Grade Book Category files (*.gca)");
    EXPECT_EQ(load.Folder.toStdString(), folder);
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_EQ(prompts.Script.FileRequests[1].Caption, "Save Category Options");
    // The default extension is added to a name without one.
    EXPECT_EQ(ReadText(saved), WriteCategoryFile(two));

    ApplyOptions(*gb, out->Options);
    const int expected[] = {0, 1, 0, 0};
    for (int c = 2; c <= 5; ++c)
        EXPECT_EQ(gb->GradeAt(c)->CategoryIndex, expected[c - 2]);
    EXPECT_TRUE(prompts.Script.Unexpected.isEmpty());
}

TEST_F(OptionsTest, ADamagedCategoryFileLeavesTheGridAsItWas) {
    SetCategories(*gb, {Cat("A", 60), Cat("B", 40)});
    TCategoryList two;
    two.Add("Labs", 40, true);
    std::string bytes = WriteCategoryFile(two);
    WriteText(data / "cut.gca", bytes.substr(0, bytes.size() - 3));
    prompts.Script.FileNames = {QString::fromStdString(data / "cut.gca"),
                                QString::fromStdString(data / "missing.gca")};
    prompts.Script.Answers = {TAnswer::Ok, TAnswer::Ok};
    Run([](TNewOptionsDlg& d) {
        d.CategoriesPage->LoadButton->click();
        d.CategoriesPage->LoadButton->click();
        EXPECT_EQ(ColumnTexts(Grid(d), 0), (QStringList{"A", "B", ""}));
        EXPECT_EQ(d.CategoriesPage->PercentDisplay->text(), " 100");
    });
    ASSERT_EQ(prompts.Script.Messages.size(), 2u);
    EXPECT_EQ(prompts.Script.Messages[0].Text,
              "File Read Error\n" + QString::fromStdString(data / "cut.gca"));
    EXPECT_EQ(prompts.Script.Messages[0].Kind, TMessageKind::Error);
    EXPECT_EQ(prompts.Script.Messages[1].Kind, TMessageKind::Error);
    EXPECT_TRUE(prompts.Script.Messages[1].Text.contains("missing.gca"));
}

TEST_F(OptionsTest, TheCursorGoesWhereTheCallerAskedOrToTheTop) {
    SetCategories(*gb, {Cat("A", 30), Cat("B", 30), Cat("C", 40)});
    auto expectAt = [this](int row, int col, int c, int r) {
        TOptionsRequest req;
        req.StartCategoryRow = row;
        req.StartCategoryCol = col;
        Run(
            [c, r](TNewOptionsDlg& d) {
                EXPECT_EQ(Grid(d).Col(), c);
                EXPECT_EQ(Grid(d).Row(), r);
                Grid(d).SetCurrent(1, 2); // left here, forgotten at the next showing
            },
            false, req);
    };
    expectAt(2, 1, 1, 3);
    expectAt(0, 2, 2, 1);   // the first category can be asked for
    expectAt(2, 0, 0, 3);   // and the name column
    expectAt(-1, -1, 0, 1); // no request: the top
    expectAt(-1, 2, 2, 1);
    expectAt(7, 9, 2, 4); // beyond the grid: its last cell
}

TEST_F(OptionsTest, AFindingOfTheCheckOpensOnItsCategorysCell) {
    SetCategories(*gb, {Cat("A", 30), Cat("", 30), Cat("C", 0)});
    const TCheckResult check = RunCheck(*gb);
    std::vector<TErrorFinder> places;
    for (const TFinding& f : check.Findings)
        if (f.Finder.Kind == TErrorFinder::CategoryField) places.push_back(f.Finder);
    // The total (the first category's percentage), the blank name, the zero percentage.
    ASSERT_EQ(places.size(), 3u);
    const std::pair<int, int> cells[] = {{1, 1}, {0, 2}, {1, 3}};
    for (size_t i = 0; i < places.size(); ++i) {
        TOptionsRequest r;
        r.StartCategoryRow = places[i].X;
        r.StartCategoryCol = places[i].Y;
        Run(
            [&](TNewOptionsDlg& d) {
                EXPECT_EQ(d.PageControl->currentIndex(), kCategoriesPage);
                EXPECT_EQ(Grid(d).Col(), cells[i].first) << i;
                EXPECT_EQ(Grid(d).Row(), cells[i].second) << i;
            },
            false, r);
    }
}

// Shown for the first time from a finding, the grid shows the asked-for cell with its
// category's name, however far down or right it is.
TEST_F(OptionsTest, AFindingShowsItsCellWithTheCategorysName) {
    std::vector<TCategory> many;
    for (int i = 0; i < 40; ++i)
        many.push_back(Cat(("Unit " + std::to_string(i + 1)).c_str(), 2.5, i == 34));
    gb->Categories.ReplaceItems(many);
    TOptionsRequest r;
    r.StartCategoryRow = 34; // the drop-the-lowest cell of "Unit 35"
    r.StartCategoryCol = 2;
    Run(
        [](TNewOptionsDlg& d) {
            TStringGrid1& g = Grid(d);
            QApplication::processEvents();
            EXPECT_EQ(g.Col(), 2);
            EXPECT_EQ(g.Row(), 35);
            EXPECT_EQ(g.LeftCol(), 0);
            const QRect view = g.viewport()->rect();
            for (int c = 0; c < 3; ++c) {
                const QRect cell = g.CellRect(c, 35);
                EXPECT_FALSE(cell.isEmpty()) << c;
                EXPECT_TRUE(view.contains(cell)) << c;
            }
            EXPECT_EQ(g.Cell(0, 35), "Unit 35");
        },
        false, r);
}

// The switch reads in the window's language and is set by its word's first letter, as Y sets
// it in English; the options keep the core's word.
TEST_F(OptionsTest, DropTheLowestSpeaksTheWindowsLanguage) {
    for (const auto& [language, yes, key] :
         {std::tuple{"de", QString("Ja"), QString("j")},
          std::tuple{"es", QString::fromUtf8("S\u00ed"), QString("S")}}) {
        SCOPED_TRACE(language);
        ASSERT_EQ(InstallTranslations(language), language);
        SetCategories(*gb, {Cat("Homework", 60, true), Cat("Tests", 40)});
        auto out = Run([&](TNewOptionsDlg& d) {
            TStringGrid1& g = Grid(d);
            EXPECT_EQ(g.Cell(2, 1), yes);
            EXPECT_NE(g.Cell(2, 0), "Drop the Lowest");
            TypeInto(g, 2, 2, key);
            EXPECT_EQ(g.Cell(2, 2), yes);
            EXPECT_EQ(g.Editor()->text(), yes);
            // Leaving the cell writes the editor's word back: it stays the switch.
            g.SetCurrent(0, 1);
            g.SetCurrent(2, 1);
            TypeInto(g, 2, 1, " "); // a blank turns it off
            EXPECT_EQ(g.Cell(2, 1), "");
            TypeInto(g, 2, 1, "y"); // and Y works in every language
            EXPECT_EQ(g.Cell(2, 1), yes);
            TypeInto(g, 2, 1, "n");
            EXPECT_EQ(g.Cell(2, 1), "");
        });
        RemoveTranslations();
        ASSERT_TRUE(out);
        ASSERT_EQ(out->Options.Categories.size(), 2u);
        EXPECT_FALSE(out->Options.Categories[0].DropLowest);
        EXPECT_TRUE(out->Options.Categories[1].DropLowest);
    }
}

TEST_F(OptionsTest, TheTotalCountsOnlyTheCategoriesThatAreStored) {
    SetCategories(*gb, {Cat("Homework", 40), Cat("Tests", 60)});
    auto out = Run([](TNewOptionsDlg& d) {
        TStringGrid1& g = Grid(d);
        ASSERT_EQ(g.RowCount(), 4); // header, two categories, the empty row
        EXPECT_EQ(d.CategoriesPage->PercentDisplay->text(), " 100");
        // A percentage in the nameless last row makes no category, so no share of the total.
        TypeInto(g, 1, 3, "15");
        EXPECT_EQ(g.RowCount(), 4);
        EXPECT_EQ(d.CategoriesPage->PercentDisplay->text(), " 100");
        // Named, the row is a category: it counts, and a new empty row follows.
        TypeInto(g, 0, 3, "Quizzes");
        EXPECT_EQ(g.RowCount(), 5);
        EXPECT_EQ(d.CategoriesPage->PercentDisplay->text(), " 115");
    });
    ASSERT_TRUE(out);
    ASSERT_EQ(out->Options.Categories.size(), 3u);
    EXPECT_EQ(out->Options.Categories[2].Percent, 15);
}

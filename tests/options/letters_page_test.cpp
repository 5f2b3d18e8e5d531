#include "letters_page.h"
#include "option_files.h"
#include "options_fixture.h"

#include <QLabel>
#include <QTabWidget>

using namespace marklow;
using namespace marklow::testing;

namespace {

TStringGrid1& L2N(TNewOptionsDlg& d) {
    return *d.LettersPage->L2NGrid;
}
TStringGrid1& N2L(TNewOptionsDlg& d) {
    return *d.LettersPage->N2LGrid;
}

TRealList Table(std::initializer_list<std::pair<const char*, double>> items) {
    TRealList t;
    for (auto [text, value] : items)
        t.Add(text, value);
    return t;
}

} // namespace

TEST_F(OptionsTest, LetterGridsShowBothTablesAndStoreThemSorted) {
    gb->LetterToNumber = Table({{"A", 95}, {"B", 85}});
    gb->NumberToLetter = Table({{"A", 89.96}, {"B", 80}});
    auto out = RunOn(kLettersPage, [](TNewOptionsDlg& d) {
        EXPECT_EQ(d.PageControl->currentIndex(), kLettersPage);
        EXPECT_EQ(d.LettersPage->CurrentLetterGrid(), &L2N(d));
        EXPECT_EQ(ColumnTexts(L2N(d), 0), (QStringList{"A", "B", ""}));
        EXPECT_EQ(ColumnTexts(N2L(d), 0), (QStringList{"90", "80", ""}));
        EXPECT_EQ(N2L(d).Cell(1, 0), "Letters");
        // Typed in any order; a letter in the last row opens a new one.
        TypeInto(N2L(d), 0, 3, "70");
        EXPECT_EQ(N2L(d).RowCount(), 5);
        TypeInto(N2L(d), 1, 3, "D");
        TypeInto(L2N(d), 0, 3, "b+");
        TypeInto(L2N(d), 1, 3, "88");
    });
    ASSERT_TRUE(out);
    const TRealList& toLetters = out->Options.NumberToLetter;
    ASSERT_EQ(toLetters.Count(), 3);
    EXPECT_EQ(toLetters.Value(0), 90); // 89.96 as shown
    EXPECT_EQ(toLetters.Text(2), "D");
    const TRealList& toNumbers = out->Options.LetterToNumber;
    ASSERT_EQ(toNumbers.Count(), 3);
    EXPECT_EQ(toNumbers.Text(1), "B");
    EXPECT_EQ(toNumbers.Text(2), "b+");
    EXPECT_TRUE(out->Options.AffectsAverages);
}

TEST_F(OptionsTest, NewSortAndDeleteActOnTheGridThatHadTheFocusLast) {
    gb->LetterToNumber = Table({{"b", 85}, {"A", 95}});
    gb->NumberToLetter = Table({{"D", 70}, {"A", 90}, {"B", 80}});
    prompts.Script.Answers = {TAnswer::Ok, TAnswer::Ok};
    auto out = RunOn(kLettersPage, [](TNewOptionsDlg& d) {
        TLettersPage& page = *d.LettersPage;
        // Sort on the focused letters-to-numbers grid orders it by number.
        page.SortButton->click();
        EXPECT_EQ(ColumnTexts(L2N(d), 0), (QStringList{"A", "b", ""}));

        N2L(d).Editor()->setFocus();
        QApplication::processEvents();
        EXPECT_EQ(page.CurrentLetterGrid(), &N2L(d));
        N2L(d).SetCurrent(1, 2);
        page.SortButton->click();
        EXPECT_EQ(ColumnTexts(N2L(d), 1), (QStringList{"A", "B", "D", ""}));
        EXPECT_EQ(N2L(d).Row(), 1);

        N2L(d).SetCurrent(0, 4);
        page.DeleteLButton->click(); // the empty last row: nothing, no question
        N2L(d).SetCurrent(0, 2);
        page.DeleteLButton->click();
        EXPECT_EQ(ColumnTexts(N2L(d), 1), (QStringList{"A", "D", ""}));

        page.NewLButton->click();
        EXPECT_EQ(N2L(d).RowCount(), 2);
        EXPECT_EQ(L2N(d).RowCount(), 4); // the other grid keeps its rows
    });
    ASSERT_EQ(prompts.Script.Messages.size(), 2u);
    EXPECT_EQ(prompts.Script.Messages[0].Text, "Delete Number 80 to Letter B");
    EXPECT_EQ(prompts.Script.Messages[1].Text, "Discard Number to Letter table");
    ASSERT_TRUE(out);
    EXPECT_TRUE(out->Options.NumberToLetter.Empty());
    EXPECT_EQ(out->Options.LetterToNumber.Count(), 2);
}

TEST_F(OptionsTest, ShowTogglesTheLetterAverages) {
    gb->ShowLetters = false;
    auto out = RunOn(kLettersPage, [](TNewOptionsDlg& d) {
        EXPECT_FALSE(d.LettersPage->ShowButton->isChecked());
        d.LettersPage->ShowButton->click();
    });
    ASSERT_TRUE(out);
    EXPECT_TRUE(out->Options.ShowLetters);
    EXPECT_TRUE(out->Options.AffectsAverages);
    // Cancel keeps the gradebook's tables and switch, whatever was loaded or toggled.
    const TRealList before = gb->LetterToNumber;
    prompts.Script.Answers = {TAnswer::Ok};
    EXPECT_FALSE(RunOn(
        kLettersPage,
        [](TNewOptionsDlg& d) {
            d.LettersPage->ShowButton->click();
            d.LettersPage->NewLButton->click();
        },
        false));
    EXPECT_FALSE(gb->ShowLetters);
    EXPECT_EQ(gb->LetterToNumber, before);
}

TEST_F(OptionsTest, LoadAndSaveLetterFiles) {
    const TRealList toNumbers = Table({{"P", 100}, {"F", 40}});
    const TRealList toLetters = Table({{"P", 50}, {"F", 0}});
    ASSERT_TRUE(SaveLetterFile(data / "pf.gln", toNumbers, toLetters).empty());
    const std::string folder = data / "Letters";
    prompts.Script.FileNames = {QString::fromStdString(data / "pf.gln"),
                                QString::fromStdString(folder + "/copy")};
    auto out = RunOn(kLettersPage, [](TNewOptionsDlg& d) {
        d.LettersPage->LoadLButton->click();
        EXPECT_EQ(ColumnTexts(L2N(d), 0), (QStringList{"P", "F", ""}));
        EXPECT_EQ(ColumnTexts(N2L(d), 0), (QStringList{"50", "0", ""}));
        TypeInto(L2N(d), 0, 3, "A"); // saved sorted: A, F, P
        TypeInto(L2N(d), 1, 3, "95");
        d.LettersPage->saveLbutton->click();
    });
    ASSERT_TRUE(out);
    ASSERT_EQ(prompts.Script.FileRequests.size(), 2u);
    EXPECT_EQ(prompts.Script.FileRequests[0].Caption, "Load Letter Options");
    EXPECT_EQ(prompts.Script.FileRequests[0].Filter, "Grade Book Letter Option files (*.gln)");
    EXPECT_EQ(prompts.Script.FileRequests[0].Folder.toStdString(), folder);
    EXPECT_EQ(prompts.Script.FileRequests[1].Caption, "Save Letter Options");
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    TRealList n, l;
    LoadLetterFile(folder + "/copy.gln", n, l);
    ASSERT_EQ(n.Count(), 3);
    EXPECT_EQ(n.Text(0), "A");
    EXPECT_EQ(n.Text(2), "P");
    EXPECT_EQ(l, toLetters);
    EXPECT_EQ(out->Options.NumberToLetter, toLetters);
}

TEST_F(OptionsTest, ADamagedLetterFileLeavesBothGridsAsTheyWere) {
    gb->LetterToNumber = Table({{"A", 95}});
    gb->NumberToLetter = Table({{"A", 90}});
    std::string bytes = WriteLetterFile(Table({{"X", 1}}), Table({{"Y", 2}, {"Z", 3}}));
    WriteText(data / "cut.gln", bytes.substr(0, bytes.size() - 2));
    prompts.Script.FileNames = {QString::fromStdString(data / "cut.gln")};
    prompts.Script.Answers = {TAnswer::Ok};
    auto out = RunOn(kLettersPage, [](TNewOptionsDlg& d) {
        d.LettersPage->LoadLButton->click();
        EXPECT_EQ(ColumnTexts(L2N(d), 0), (QStringList{"A", ""}));
        EXPECT_EQ(ColumnTexts(N2L(d), 1), (QStringList{"A", ""}));
    });
    ASSERT_EQ(prompts.Script.Messages.size(), 1u);
    EXPECT_EQ(prompts.Script.Messages[0].Text,
              "File Read Error\n" + QString::fromStdString(data / "cut.gln"));
    ASSERT_TRUE(out);
    EXPECT_FALSE(out->Options.AffectsAverages);
}

TEST_F(OptionsTest, FlatTablesLoseTheirBevels) {
    TOptionsRequest r;
    r.Page = kLettersPage;
    r.Display.TwoDTables = true;
    Run(
        [](TNewOptionsDlg& d) {
            EXPECT_FALSE(L2N(d).ThreeD());
            EXPECT_FALSE(d.CategoriesPage->CategoryGrid->ThreeD());
            EXPECT_EQ(d.LettersPage->N2LTitle->frameShape(), QFrame::NoFrame);
        },
        false, r);
    r.Display.TwoDTables = false;
    Run(
        [](TNewOptionsDlg& d) {
            EXPECT_TRUE(N2L(d).ThreeD());
            EXPECT_EQ(d.LettersPage->L2NTitle->frameShadow(), QFrame::Raised);
        },
        false, r);
}

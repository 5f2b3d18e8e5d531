#include "averages.h"
#include "description_page.h"
#include "display_page.h"
#include "gradebook_file.h"
#include "latin_font.h"
#include "options_fixture.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>

using namespace marklow;
using namespace marklow::testing;

TEST_F(OptionsTest, EachPageOpensByItsNumberWithItsHelpTopic) {
    std::vector<int> topics;
    dlg->OnHelp = [&](int topic) { topics.push_back(topic); };
    for (int page = 0; page < 5; ++page) {
        EXPECT_FALSE(RunOn(
            page,
            [page](TNewOptionsDlg& d) {
                EXPECT_EQ(d.windowTitle(), "Options");
                EXPECT_EQ(d.PageControl->currentIndex(), page);
                d.HelpBtn->click();
            },
            false));
    }
    EXPECT_EQ(topics, (std::vector<int>{27, 20, 21, 22, 28}));
    const QStringList tabs = {"Categories", "Weights", "Letters", "Description", "Display"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(dlg->PageControl->tabText(i), tabs[i]);
}

TEST_F(OptionsTest, DescriptionFieldsAreStoredAsTyped) {
    gb->Teacher = "Ms. Kay";
    gb->ClassName = "Biology";
    auto out = RunOn(kDescriptionPage, [](TNewOptionsDlg& d) {
        TDescriptionPage& p = *d.DescriptionPage;
        EXPECT_EQ(p.TeacherEdit->text(), "Ms. Kay");
        EXPECT_EQ(p.ClassNameEdit->text(), "Biology");
        EXPECT_EQ(p.ClassNumberEdit->text(), "");
        EXPECT_TRUE(p.TeacherEdit->hasFocus() || !d.isActiveWindow());
        p.ClassNumberEdit->setText("  B-7 ");
        p.TeacherEdit->clear();
    });
    ASSERT_TRUE(out);
    EXPECT_EQ(out->Options.Teacher, "");
    EXPECT_EQ(out->Options.ClassName, "Biology");
    EXPECT_EQ(out->Options.ClassNumber, "  B-7 ");
    EXPECT_FALSE(out->Options.AffectsAverages);
    // Cancel stores nothing.
    EXPECT_FALSE(RunOn(
        kDescriptionPage, [](TNewOptionsDlg& d) { d.DescriptionPage->TeacherEdit->setText("X"); },
        false));
    EXPECT_EQ(gb->Teacher, "Ms. Kay");
}

TEST_F(OptionsTest, DisplayChoicesComeBackWithWhatChanged) {
    TOptionsRequest r;
    r.Page = kDisplayPage;
    r.Display.FlatToolbars = false;
    r.Display.TwoDTables = true;
    r.Display.ShowHints = true;
    r.Display.Font = QFont("DejaVu Sans", 9);
    auto out = Run(
        [](TNewOptionsDlg& d) {
            TDisplayPage& p = *d.DisplayPage;
            EXPECT_FALSE(p.FlatToolBarBox->isChecked());
            EXPECT_FALSE(p.ThreeDTableBox->isChecked());
            EXPECT_TRUE(p.ShowHintsBox->isChecked());
            EXPECT_EQ(p.FontPanel->text(), "DejaVu Sans 9 Points");
            p.ThreeDTableBox->click();
        },
        true, r);
    ASSERT_TRUE(out);
    EXPECT_FALSE(out->Display.TwoDTables);
    EXPECT_TRUE(out->DisplayChanged.TwoDTables);
    EXPECT_FALSE(out->DisplayChanged.FlatToolbars);
    EXPECT_FALSE(out->DisplayChanged.ShowHints);
    EXPECT_FALSE(out->DisplayChanged.Font);
    EXPECT_FALSE(out->Options.AffectsAverages);
}

TEST_F(OptionsTest, AChosenFontReachesTheProgramOnlyThroughOk) {
    TOptionsRequest r;
    r.Page = kDisplayPage;
    r.Display.Font = QFont("DejaVu Sans", 9);
    QFont bold("Liberation Serif", 12);
    bold.setBold(true);
    bold.setItalic(true);
    prompts.Script.Fonts = {bold, QFont("Liberation Mono", 11)};
    // Chosen, then the dialog cancelled: the next showing shows the applied font again.
    EXPECT_FALSE(Run(
        [](TNewOptionsDlg& d) {
            d.DisplayPage->ChangeButton->click();
            EXPECT_EQ(d.DisplayPage->FontPanel->text(), "Liberation Serif 12 Points");
        },
        false, r));
    ASSERT_EQ(prompts.Script.FontLimits.size(), 1u);
    EXPECT_EQ(prompts.Script.FontLimits[0].System, QFontDatabase::Latin);
    EXPECT_EQ(prompts.Script.FontLimits[0].MinSize, 8);
    EXPECT_EQ(prompts.Script.FontLimits[0].MaxSize, 12);

    auto out = Run(
        [](TNewOptionsDlg& d) {
            EXPECT_EQ(d.DisplayPage->FontPanel->text(), "DejaVu Sans 9 Points");
        },
        true, r);
    ASSERT_TRUE(out);
    EXPECT_FALSE(out->DisplayChanged.Font);
    EXPECT_EQ(out->Display.Font.family(), "DejaVu Sans");

    out = Run([](TNewOptionsDlg& d) { d.DisplayPage->ChangeButton->click(); }, true, r);
    ASSERT_TRUE(out);
    EXPECT_TRUE(out->DisplayChanged.Font);
    EXPECT_EQ(out->Display.Font.family(), "Liberation Mono");
    EXPECT_EQ(out->Display.Font.pointSize(), 11);
    EXPECT_FALSE(out->Display.Font.bold());

    // A font cancelled in the chooser changes nothing.
    prompts.Script.Fonts = {std::nullopt};
    out = Run([](TNewOptionsDlg& d) { d.DisplayPage->ChangeButton->click(); }, true, r);
    ASSERT_TRUE(out);
    EXPECT_FALSE(out->DisplayChanged.Any());
}

TEST_F(OptionsTest, TheDialogShowsInTheDisplayFontWithItsLook) {
    TOptionsRequest r;
    r.Display.Font = QFont("DejaVu Sans", 12);
    r.Display.ShowHints = false;
    r.Display.FlatToolbars = false;
    Run(
        [](TNewOptionsDlg& d) {
            TStringGrid1& g = *d.CategoriesPage->CategoryGrid;
            EXPECT_EQ(g.font().pointSize(), 12);
            EXPECT_EQ(g.DefaultRowHeight(), QFontMetrics(g.font()).height() + 4);
            // Headers are not cut, and the dialog grows to show every column.
            EXPECT_GT(g.DefaultColWidth(),
                      QFontMetrics(g.font()).horizontalAdvance("Percentage of Grade"));
            EXPECT_GE(g.viewport()->width(), 3 * (g.DefaultColWidth() + 1));
            EXPECT_TRUE(d.CategoriesPage->NewCButton->toolTip().isEmpty());
            EXPECT_FALSE(d.CategoriesPage->NewCButton->autoRaise());
        },
        false, r);
    r.Display.ShowHints = true;
    r.Display.FlatToolbars = true;
    Run(
        [](TNewOptionsDlg& d) {
            EXPECT_EQ(d.CategoriesPage->NewCButton->toolTip(), "New empty category table");
            EXPECT_TRUE(d.CategoriesPage->NewCButton->autoRaise());
        },
        false, r);
}

TEST_F(OptionsTest, UndoOfAnOkRestoresTheGradebookBytes) {
    RecomputeAll(*gb);
    const std::string before = WriteGradebook(*gb);
    prompts.Script.Answers = {TAnswer::Ok};
    auto out = Run([](TNewOptionsDlg& d) {
        d.CategoriesPage->CategoryGrid->SetCurrent(0, 1);
        d.CategoriesPage->DeleteCButton->click();
        TypeInto(*d.LettersPage->N2LGrid, 0, 1, "99");
        d.LettersPage->ShowButton->click();
        d.DescriptionPage->ClassNameEdit->setText("Chemistry");
    });
    ASSERT_TRUE(out);
    TOptionsResult old = CaptureOptions(*gb, out->Options);
    ApplyOptions(*gb, out->Options);
    RecomputeAll(*gb);
    EXPECT_NE(WriteGradebook(*gb), before);
    ApplyOptions(*gb, old);
    RecomputeAll(*gb);
    EXPECT_EQ(WriteGradebook(*gb), before);
}

// Fonts of pictures or of another script would make every cell unreadable.
TEST_F(OptionsTest, AFontWithoutLatinLettersIsRefusedWithAMessage) {
    EXPECT_TRUE(FontHasLatinGlyphs(QFont("DejaVu Sans", 10)));
    EXPECT_TRUE(FontHasLatinGlyphs(QFont("Liberation Mono", 10)));
    const QString symbols = "Noto Sans Symbols2";
    if (!QFontDatabase::families().contains(symbols)) GTEST_SKIP() << "no symbol font here";
    EXPECT_FALSE(FontHasLatinGlyphs(QFont(symbols, 10)));

    TOptionsRequest r;
    r.Page = kDisplayPage;
    r.Display.Font = QFont("DejaVu Sans", 9);
    prompts.Script.Fonts = {QFont(symbols, 10)};
    prompts.Script.Answers = {TAnswer::Ok};
    auto out = Run(
        [](TNewOptionsDlg& d) {
            d.DisplayPage->ChangeButton->click();
            EXPECT_EQ(d.DisplayPage->FontPanel->text(), "DejaVu Sans 9 Points");
        },
        true, r);
    ASSERT_TRUE(out);
    EXPECT_FALSE(out->DisplayChanged.Font);
    ASSERT_EQ(prompts.Script.Messages.size(), 1u);
    EXPECT_EQ(prompts.Script.Messages[0].Kind, TMessageKind::Error);
    EXPECT_TRUE(prompts.Script.Messages[0].Text.contains("has no Latin letters"));
}

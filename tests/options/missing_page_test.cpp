#include "letters_page.h"
#include "missing_page.h"
#include "options_fixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTabWidget>

using namespace marklow;
using namespace marklow::testing;

TEST_F(OptionsTest, MissingWorkSettingsAreShownAndComeBackWithOk) {
    gb->Work.MissingPercent = 12.345;
    auto out = RunOn(kMissingPage, [](TNewOptionsDlg& d) {
        EXPECT_EQ(d.PageControl->tabText(kMissingPage), "Missing Work");
        TMissingPage& p = *d.MissingPage;
        EXPECT_EQ(p.MissingEdit->text(), "12.3");
        EXPECT_FALSE(p.BlankBox->isChecked());
        p.BlankBox->click();
    });
    ASSERT_TRUE(out);
    // The untouched percentage keeps its exact value; the switch changes the averages.
    EXPECT_EQ(out->Options.Work.MissingPercent, 12.345);
    EXPECT_TRUE(out->Options.Work.BlankIsMissing);
    EXPECT_TRUE(out->Options.AffectsAverages);

    auto same = RunOn(kMissingPage, [](TNewOptionsDlg&) {});
    ASSERT_TRUE(same);
    EXPECT_FALSE(same->Options.AffectsAverages);
}

TEST_F(OptionsTest, AMissingScoreOutsideZeroToHundredIsRefusedWithAReason) {
    auto out = RunOn(kMissingPage, [this](TNewOptionsDlg& d) {
        d.PageControl->setCurrentIndex(kCategoriesPage);
        d.MissingPage->MissingEdit->setText("150");
        d.OKBtn->click();
        ASSERT_EQ(prompts.Script.Messages.size(), 1u);
        EXPECT_EQ(prompts.Script.Messages[0].Text,
                  "Missing work must count as a percentage from 0 to 100");
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(d.PageControl->currentIndex(), kMissingPage);
        d.MissingPage->MissingEdit->setText(" 40 ");
    });
    ASSERT_TRUE(out);
    EXPECT_EQ(out->Options.Work.MissingPercent, 40);
    prompts.Script.Unexpected.clear();
}

TEST_F(OptionsTest, ALetterThatIsACodeIsRefusedButAnOlderOneIsKept) {
    gb->LetterToNumber = TRealList();
    gb->LetterToNumber.Add("A", 95);
    auto refused = RunOn(kLettersPage, [this](TNewOptionsDlg& d) {
        TypeInto(*d.LettersPage->L2NGrid, 0, 2, "mi");
        TypeInto(*d.LettersPage->L2NGrid, 1, 2, "50");
        d.OKBtn->click();
        ASSERT_EQ(prompts.Script.Messages.size(), 1u);
        EXPECT_TRUE(prompts.Script.Messages[0].Text.startsWith("\"MI\" cannot be a letter"))
            << prompts.Script.Messages[0].Text.toStdString();
        EXPECT_TRUE(d.isVisible());
        // Cleared again, the table is taken.
        TStringGrid1& grid = *d.LettersPage->L2NGrid;
        grid.SetCurrent(0, 2);
        QTest::keyClick(grid.Editor(), Qt::Key_Backspace);
        QTest::keyClick(grid.Editor(), Qt::Key_Backspace);
        grid.SetCurrent(0, 1);
    });
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->Options.LetterToNumber.Count(), 1);
    prompts.Script.Unexpected.clear();
    prompts.Script.Messages.clear();

    gb->LetterToNumber.Add("EX", 100);
    auto kept = RunOn(kLettersPage, [](TNewOptionsDlg&) {});
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->Options.LetterToNumber.Count(), 2);
    EXPECT_TRUE(prompts.Script.Messages.empty());
}

#include "grade_box.h"
#include "option_files.h"
#include "options_fixture.h"
#include "text.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>

using namespace marklow;
using namespace marklow::testing;

namespace {

TGradeBox& Box(TNewOptionsDlg& d) {
    return *d.WeightsPage->GradeBox1;
}
QComboBox& Chooser(TNewOptionsDlg& d) {
    return *d.WeightsPage->GradeNameCombo;
}

void SetText(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

QStringList Items(const QComboBox& box) {
    QStringList out;
    for (int i = 0; i < box.count(); ++i)
        out << box.itemText(i);
    return out;
}

const TGradeSettings* Changed(const TOptionsOutcome& out, int column) {
    for (const auto& [c, s] : out.Options.Grades)
        if (c == column) return &s;
    return nullptr;
}

} // namespace

TEST_F(OptionsTest, WeightsWithoutGradesShowAnEmptyDisabledEditor) {
    gb = std::make_unique<TGradebook>();
    auto out = RunOn(kWeightsPage, [](TNewOptionsDlg& d) {
        EXPECT_EQ(Chooser(d).count(), 0);
        EXPECT_FALSE(Box(d).isEnabled());
        EXPECT_EQ(Box(d).PointsEdit->text(), "");
        EXPECT_EQ(Box(d).WeightEdit->text(), "");
        EXPECT_EQ(Box(d).CategoryCombo->currentIndex(), -1);
        EXPECT_TRUE(Box(d).CategoryCombo->isHidden()); // no categories
    });
    ASSERT_TRUE(out);
    EXPECT_TRUE(out->Options.Grades.empty());
}

TEST_F(OptionsTest, WeightsStartOnTheMainGridsGradeAndNameUnnamedOnes) {
    gb->SetCell(3, 1, "");
    TOptionsRequest r;
    r.Page = kWeightsPage;
    r.CurrentColumn = 4;
    Run(
        [this](TNewOptionsDlg& d) {
            ASSERT_EQ(Chooser(d).count(), 4);
            EXPECT_EQ(Chooser(d).currentIndex(), 2);
            EXPECT_EQ(Items(Chooser(d))[1], "(unnamed, column 2)");
            EXPECT_EQ(Items(Chooser(d))[0], QString::fromStdString(std::string(gb->Cell(2, 1))));
            EXPECT_EQ(d.Work().CurrentGradeIndex, 2);
            EXPECT_EQ(Box(d).PointsEdit->text(),
                      QString::fromStdString(FormatNumber(gb->GradeAt(4)->Points)));
        },
        false, r);
    r.CurrentColumn = 1; // not a grade column: the first grade
    Run([](TNewOptionsDlg& d) { EXPECT_EQ(Chooser(d).currentIndex(), 0); }, false, r);
}

TEST_F(OptionsTest, EachGradeKeepsItsEditsWhileAnotherIsShown) {
    for (int c = 2; c <= 5; ++c)
        gb->GradeAt(c)->Points = 10 * c;
    auto out = RunOn(kWeightsPage, [](TNewOptionsDlg& d) {
        Chooser(d).setCurrentIndex(0);
        SetText(Box(d).PointsEdit, "25");
        Chooser(d).setCurrentIndex(3);
        SetText(Box(d).PointsEdit, "55");
        Box(d).ExtraCreditBox->click();
        Chooser(d).setCurrentIndex(0);
        EXPECT_EQ(Box(d).PointsEdit->text(), "25");
    });
    ASSERT_TRUE(out);
    ASSERT_EQ(out->Options.Grades.size(), 2u);
    EXPECT_EQ(Changed(*out, 2)->Points, 25);
    EXPECT_EQ(Changed(*out, 5)->Points, 55);
    EXPECT_TRUE(Changed(*out, 5)->ExtraCredit);
    EXPECT_FALSE(out->Options.CurveChanged);
    EXPECT_TRUE(out->Options.AffectsAverages);
}

TEST_F(OptionsTest, UntouchedNumbersKeepEveryDigit) {
    TGrade& g = *gb->GradeAt(3);
    g.Points = 33.333;
    g.Weight = 2.0 / 3;
    g.CurveAmount = 1.2345;
    auto out = RunOn(kWeightsPage, [](TNewOptionsDlg& d) {
        Chooser(d).setCurrentIndex(1);
        EXPECT_EQ(Box(d).PointsEdit->text(), "33.3");
        Box(d).ExtraCreditBox->click(); // the editor now counts as changed
    });
    ASSERT_TRUE(out);
    const TGradeSettings* s = Changed(*out, 3);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->Points, 33.333);
    EXPECT_EQ(s->Weight, 2.0 / 3);
    EXPECT_EQ(s->CurveAmount, 1.2345);
    EXPECT_FALSE(out->Options.CurveChanged);
}

TEST_F(OptionsTest, TypedNumbersAreStoredAsShown) {
    gb->PointsAreWeights = false;
    auto out = RunOn(kWeightsPage, [](TNewOptionsDlg& d) {
        Chooser(d).setCurrentIndex(0);
        SetText(Box(d).PointsEdit, "12.345");
        SetText(Box(d).WeightEdit, "0.33333");
        SetText(Box(d).CurveAmountEdit, "2.675");
        Chooser(d).setCurrentIndex(1);
        Chooser(d).setCurrentIndex(0);
        EXPECT_EQ(Box(d).PointsEdit->text(), "12.3");
    });
    ASSERT_TRUE(out);
    const TGradeSettings* s = Changed(*out, 2);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->Points, 12.3);
    EXPECT_EQ(s->Weight, 0.333);
    EXPECT_EQ(s->CurveAmount, 2.68);
}

TEST_F(OptionsTest, CurveChangedFollowsTheCheckAndTheAmount) {
    for (int c = 2; c <= 5; ++c) {
        gb->GradeAt(c)->Curve = false;
        gb->GradeAt(c)->CurveAmount = 2;
    }
    auto curve = [this](const std::function<void(TNewOptionsDlg&)>& act) {
        auto out = RunOn(kWeightsPage, act);
        return out && out->Options.CurveChanged;
    };
    EXPECT_TRUE(curve([](TNewOptionsDlg& d) { Box(d).CurveBox->click(); }));
    EXPECT_FALSE(curve([](TNewOptionsDlg& d) {
        Box(d).CurveBox->click();
        Box(d).CurveBox->click();
        Chooser(d).setCurrentIndex(1);
    }));
    EXPECT_TRUE(curve([](TNewOptionsDlg& d) { SetText(Box(d).CurveAmountEdit, "5"); }));
    EXPECT_FALSE(curve([](TNewOptionsDlg& d) { SetText(Box(d).PointsEdit, "80"); }));
}

TEST_F(OptionsTest, PointsAreWeightsHidesTheWeightAndKeepsTheGradesOwnWeight) {
    gb->PointsAreWeights = true;
    TGrade& g = *gb->GradeAt(2);
    g.Points = 40;
    g.Weight = 3;
    auto out = RunOn(kWeightsPage, [](TNewOptionsDlg& d) {
        Chooser(d).setCurrentIndex(0);
        EXPECT_TRUE(d.WeightsPage->PWButton->isChecked());
        EXPECT_TRUE(Box(d).WeightEdit->isHidden());
        d.WeightsPage->PWButton->click(); // off: the grade's own weight shows
        EXPECT_FALSE(Box(d).WeightEdit->isHidden());
        EXPECT_EQ(Box(d).WeightEdit->text(), "3");
        SetText(Box(d).WeightEdit, "4");
        d.WeightsPage->PWButton->click(); // on again: the weight typed is kept
        EXPECT_TRUE(Box(d).WeightEdit->isHidden());
    });
    ASSERT_TRUE(out);
    EXPECT_TRUE(out->Options.PointsAreWeights);
    const TGradeSettings* s = Changed(*out, 2);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->Weight, 4);
    EXPECT_EQ(s->Points, 40);
}

TEST_F(OptionsTest, CategoriesTypedBeforeOkAreOfferedToTheGrades) {
    gb->Categories.Clear();
    for (int c = 2; c <= 5; ++c)
        gb->GradeAt(c)->CategoryIndex = 0;
    auto out = RunOn(kCategoriesPage, [](TNewOptionsDlg& d) {
        d.PageControl->setCurrentIndex(kWeightsPage);
        EXPECT_TRUE(Box(d).CategoryCombo->isHidden());
        d.PageControl->setCurrentIndex(kCategoriesPage);
        TypeInto(*d.CategoriesPage->CategoryGrid, 0, 1, "Labs");
        TypeInto(*d.CategoriesPage->CategoryGrid, 0, 2, "Tests");
        d.PageControl->setCurrentIndex(kWeightsPage);
        EXPECT_FALSE(Box(d).CategoryCombo->isHidden());
        EXPECT_EQ(Items(*Box(d).CategoryCombo), (QStringList{"Labs", "Tests"}));
        Box(d).CategoryCombo->setCurrentIndex(1);
    });
    ASSERT_TRUE(out);
    ASSERT_EQ(out->Options.Categories.size(), 2u);
    ASSERT_EQ(out->Options.Grades.size(), 1u);
    EXPECT_EQ(out->Options.Grades[0].second.CategoryIndex, 1);
}

TEST_F(OptionsTest, TheEditorDoesNotUndoARemapOfItsGrade) {
    TCategory a, b, c;
    a.Name = "A";
    b.Name = "B";
    c.Name = "C";
    gb->Categories.ReplaceItems({a, b, c});
    const int cats[] = {2, 1, 2, 0};
    for (int col = 2; col <= 5; ++col)
        gb->GradeAt(col)->CategoryIndex = cats[col - 2];
    prompts.Script.Answers = {TAnswer::Ok, TAnswer::Ok};
    auto out = RunOn(kWeightsPage, [](TNewOptionsDlg& d) {
        Chooser(d).setCurrentIndex(0);
        EXPECT_EQ(Box(d).CategoryCombo->currentIndex(), 2);
        SetText(Box(d).PointsEdit, "60"); // the editor holds a change and category C
        d.PageControl->setCurrentIndex(kCategoriesPage);
        d.CategoriesPage->CategoryGrid->SetCurrent(0, 1);
        d.CategoriesPage->DeleteCButton->click(); // A goes: C is now 1
        EXPECT_EQ(Box(d).CategoryCombo->currentIndex(), 1);
        d.PageControl->setCurrentIndex(kWeightsPage);
        EXPECT_EQ(Box(d).CategoryCombo->currentText(), "C");
        d.PageControl->setCurrentIndex(kCategoriesPage);
        d.CategoriesPage->CategoryGrid->SetCurrent(0, 2);
        d.CategoriesPage->DeleteCButton->click(); // C goes: its grades to the first
    });
    ASSERT_TRUE(out);
    ASSERT_EQ(out->Options.Categories.size(), 1u);
    ApplyOptions(*gb, out->Options);
    EXPECT_EQ(gb->GradeAt(2)->Points, 60);
    for (int col = 2; col <= 5; ++col)
        EXPECT_EQ(gb->GradeAt(col)->CategoryIndex, 0) << col;
}

TEST_F(OptionsTest, LoadingCategoriesUpdatesTheEditorsChoice) {
    gb->GradeAt(2)->CategoryIndex = 2;
    TCategoryList two;
    two.Add("X", 50, false);
    two.Add("Y", 50, false);
    ASSERT_TRUE(SaveCategoryFile(data / "xy.gca", two).empty());
    prompts.Script.FileNames = {QString::fromStdString(data / "xy.gca")};
    auto out = RunOn(kWeightsPage, [](TNewOptionsDlg& d) {
        Chooser(d).setCurrentIndex(0);
        Box(d).ExtraCreditBox->click();
        d.CategoriesPage->LoadButton->click();
        EXPECT_EQ(Items(*Box(d).CategoryCombo), (QStringList{"X", "Y"}));
        EXPECT_EQ(Box(d).CategoryCombo->currentIndex(), 0);
    });
    ASSERT_TRUE(out);
    ApplyOptions(*gb, out->Options);
    EXPECT_EQ(gb->GradeAt(2)->CategoryIndex, 0);
    EXPECT_TRUE(gb->GradeAt(2)->ExtraCredit);
    for (int col = 2; col <= 5; ++col)
        EXPECT_LT(gb->GradeAt(col)->CategoryIndex, 2);
}

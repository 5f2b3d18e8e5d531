#include "grade_box.h"
#include "test_app.h"
#include "text.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace marklow;

namespace {

class GradeBox : public ::testing::Test {
protected:
    QApplication& app = TestApp();
    TGradeBox box;
    TGrade grade;

    void SetUp() override {
        box.SetCategoryNames({"Homework", "Tests", "Labs"});
        grade.Points = 12.345;
        grade.Weight = 2.5;
        grade.CategoryIndex = 1;
        grade.ExtraCredit = true;
        grade.Curve = true;
        grade.CurveAmount = 1.5;
        grade.Name = "Quiz";
        grade.UserOrder = 4;
        box.LoadGrade(grade);
        box.show();
    }
};

void Type(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Backspace);
    else
        QTest::keyClicks(edit, text);
}

} // namespace

TEST_F(GradeBox, LoadShowsTheGradeAndCountsAsUnchanged) {
    EXPECT_EQ(box.PointsEdit->text(), "12.3");
    EXPECT_EQ(box.WeightEdit->text(), "2.5");
    EXPECT_EQ(box.CategoryCombo->currentText(), "Tests");
    EXPECT_TRUE(box.ExtraCreditBox->isChecked());
    EXPECT_TRUE(box.CurveBox->isChecked());
    EXPECT_FALSE(box.OmitAverageBox->isChecked());
    EXPECT_EQ(box.CurveAmountEdit->text(), "1.5");
    EXPECT_FALSE(box.Changed());
    EXPECT_FALSE(box.Loading());
    // Nothing changed: the loaded copy comes back exactly, not the rounded texts.
    const TGrade& back = box.StoreGrade(false);
    EXPECT_EQ(back.Points, 12.345);
    EXPECT_EQ(back.Weight, 2.5);
    EXPECT_EQ(back.CategoryIndex, 1);
    EXPECT_EQ(back.Name, "Quiz");
    EXPECT_EQ(back.UserOrder, 4);
}

TEST_F(GradeBox, EveryFieldTheTeacherChangesIsStored) {
    QSignalSpy changed(&box, &TGradeBox::FieldChanged);
    Type(box.PointsEdit, "40");
    EXPECT_TRUE(box.Changed());
    EXPECT_FALSE(changed.isEmpty());
    Type(box.WeightEdit, "3");
    box.CategoryCombo->setCurrentIndex(2);
    box.ExtraCreditBox->setChecked(false);
    box.OmitAverageBox->setChecked(true);
    box.CurveBox->setChecked(false);
    Type(box.CurveAmountEdit, "two");
    const TGrade& g = box.StoreGrade(false);
    EXPECT_EQ(g.Points, 40);
    EXPECT_EQ(g.Weight, 3);
    EXPECT_EQ(g.CategoryIndex, 2);
    EXPECT_FALSE(g.ExtraCredit);
    EXPECT_TRUE(g.OmitClassAverage);
    EXPECT_FALSE(g.Curve);
    EXPECT_EQ(g.CurveAmount, 0); // not a number
    // A new load starts afresh.
    box.LoadGrade(grade);
    EXPECT_FALSE(box.Changed());
    EXPECT_EQ(box.StoreGrade(false).Points, 12.345);
}

TEST_F(GradeBox, NumbersLeftAsShownKeepTheirExactValue) {
    grade.CurveAmount = 1.0 / 3;
    box.LoadGrade(grade);
    box.CurveBox->setChecked(false);
    ASSERT_TRUE(box.Changed());
    const TGrade& g = box.StoreGrade(false);
    EXPECT_FALSE(g.Curve);
    EXPECT_EQ(g.Points, 12.345); // shown as 12.3
    EXPECT_EQ(g.CurveAmount, 1.0 / 3);
    // Retyping the shown text is a change like any other.
    Type(box.PointsEdit, "12.3 ");
    EXPECT_EQ(box.StoreGrade(false).Points, 12.3);
}

TEST_F(GradeBox, TypedNumbersAreStoredAsTheFieldShowsThem) {
    grade.Weight = 2.0 / 3;
    box.LoadGrade(grade);
    Type(box.PointsEdit, "33.333");
    Type(box.CurveAmountEdit, "1.255");
    const TGrade& g = box.StoreGrade(false);
    EXPECT_EQ(g.Points, 33.3);
    EXPECT_EQ(g.CurveAmount, 1.26);
    EXPECT_EQ(g.Weight, 2.0 / 3) << "untouched, shown as 0.667";
    Type(box.WeightEdit, "1234.5");
    EXPECT_EQ(box.StoreGrade(false).Weight, 1230) << "shown as 1.23E3";
    // Loaded again, each field shows exactly what is stored.
    box.LoadGrade(box.StoreGrade(false));
    EXPECT_EQ(ParseNumber(box.PointsEdit->text().toStdString()), 33.3);
    EXPECT_EQ(ParseNumber(box.WeightEdit->text().toStdString()), 1230);
    EXPECT_EQ(ParseNumber(box.CurveAmountEdit->text().toStdString()), 1.26);
}

TEST_F(GradeBox, TheWeightFieldHoldsTheGradesOwnWeight) {
    // Loaded while points are weights, the field still shows the weight, not the points.
    EXPECT_EQ(box.WeightEdit->text(), "2.5");
    Type(box.PointsEdit, "50");
    Type(box.WeightEdit, "9");
    // While points are weights, a typed weight is not taken.
    EXPECT_EQ(box.StoreGrade(true).Weight, 2.5);
    // Nor while the field is hidden, whatever the switch.
    box.ShowWeightAndCategory(false, true);
    EXPECT_TRUE(box.WeightEdit->isHidden());
    EXPECT_TRUE(box.WeightLabel->isHidden());
    EXPECT_EQ(box.StoreGrade(false).Weight, 2.5);
    box.ShowWeightAndCategory(true, true);
    EXPECT_FALSE(box.WeightEdit->isHidden());
    EXPECT_EQ(box.StoreGrade(false).Weight, 9);
}

TEST_F(GradeBox, CategoryChoices) {
    // A hidden drop-down (no categories) is not read: the grade keeps its index.
    Type(box.PointsEdit, "10");
    box.ShowWeightAndCategory(true, false);
    EXPECT_TRUE(box.CategoryLabel->isHidden());
    box.CategoryCombo->setCurrentIndex(-1);
    EXPECT_EQ(box.StoreGrade(false).CategoryIndex, 1);
    // Shown with nothing selected: none chosen.
    box.ShowWeightAndCategory(true, true);
    EXPECT_EQ(box.StoreGrade(false).CategoryIndex, -1);
    // An index beyond the list selects nothing.
    grade.CategoryIndex = 7;
    box.LoadGrade(grade);
    EXPECT_EQ(box.CategoryCombo->currentIndex(), -1);
    grade.CategoryIndex = -1;
    box.LoadGrade(grade);
    EXPECT_EQ(box.CategoryCombo->currentIndex(), -1);
}

TEST_F(GradeBox, ClearFieldsEmptiesWithoutCountingAsAChange) {
    box.ClearFields();
    EXPECT_TRUE(box.PointsEdit->text().isEmpty());
    EXPECT_TRUE(box.WeightEdit->text().isEmpty());
    EXPECT_EQ(box.CategoryCombo->currentIndex(), -1);
    EXPECT_FALSE(box.Changed());
    // New names keep the selection when it still exists.
    box.LoadGrade(grade);
    box.SetCategoryNames({"A", "B"});
    EXPECT_EQ(box.CategoryCombo->currentIndex(), 1);
    EXPECT_FALSE(box.Changed());
}

#include "gradebook_file.h"
#include "prompts.h"
#include "property_commands.h"
#include "property_dialogs.h"
#include "sample_builder.h"
#include "test_app.h"
#include "text.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace marklow;

namespace {

class PropertyDialogs : public ::testing::Test {
protected:
    QApplication& app = TestApp(); // before any widget member
    ScopedPrompts prompts;
    ScriptedPrompts& script = prompts.Script;
    TStudentDlg studentDlg;
    TGradeDlg gradeDlg;
    std::unique_ptr<TGradebook> gb;

    void SetUp() override {
        TBuildOptions o;
        o.Students = 6;
        o.Grades = 4;
        o.Categories = 2;
        gb = BuildGradebook(o);
    }

    // Queues what the teacher does in the next dialog shown.
    template <typename Dialog> void Next(std::function<void(Dialog&)> act) {
        script.DialogActions.push_back([act](QDialog& d) { act(static_cast<Dialog&>(d)); });
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

TEST_F(PropertyDialogs, StudentPropertiesShowTheRowAndReturnTheEdit) {
    gb->StudentAt(4)->Name = "Stale Name"; // the name cell is what counts
    gb->StudentAt(4)->Notes = "Sits in front.";
    const std::string before = WriteGradebook(*gb);
    Next<TStudentDlg>([](TStudentDlg& d) {
        EXPECT_EQ(d.windowTitle(), "Student Properties");
        EXPECT_EQ(d.NameEdit->text(), "Cara Lee");
        EXPECT_EQ(d.IDEdit->text(), "S1002");
        EXPECT_EQ(d.Memo1->toPlainText(), "Sits in front.");
        EXPECT_EQ(d.focusWidget(), d.IDEdit);
        Type(d.NameEdit, "Cara Lee-Ng");
        Type(d.IDEdit, "");
        d.OKBtn->click();
    });
    auto edit = EditStudent(studentDlg, *gb, 4);
    ASSERT_TRUE(edit);
    EXPECT_FALSE(edit->IsNew);
    EXPECT_EQ(edit->Row, 4);
    EXPECT_EQ(edit->NameCell, "Cara Lee-Ng");
    EXPECT_EQ(edit->Student.ID, ""); // an empty text is accepted
    EXPECT_EQ(edit->Student.Notes, "Sits in front.");
    EXPECT_EQ(edit->Student.UserOrder, gb->StudentAt(4)->UserOrder);
    EXPECT_EQ(WriteGradebook(*gb), before); // the dialog itself changed nothing
    ExchangeStudentEdit(*gb, *edit);
    EXPECT_EQ(gb->Cell(1, 4), "Cara Lee-Ng");
    EXPECT_TRUE(script.Unexpected.isEmpty());
}

TEST_F(PropertyDialogs, CancelReturnsNothing) {
    Next<TStudentDlg>([](TStudentDlg& d) {
        Type(d.NameEdit, "Changed");
        d.CancelBtn->click();
    });
    EXPECT_FALSE(EditStudent(studentDlg, *gb, 3));
    Next<TGradeDlg>([](TGradeDlg& d) {
        Type(d.NameEdit, "Changed");
        d.wpcheckbox->setChecked(true);
        Type(d.DefaultPointsEdit, "5");
        d.CancelBtn->click();
    });
    EXPECT_FALSE(EditGrade(gradeDlg, *gb, 3));
    EXPECT_FALSE(CreateGrade(gradeDlg, *gb, 3)); // closed by the script: Cancel
    EXPECT_EQ(script.Unexpected.size(), 1);
}

TEST_F(PropertyDialogs, NewStudentGoesToTheCursorRowOrTheFirstRow) {
    // The cursor on row 5: the new student takes row 5, the former row 5 moves to row 6.
    Next<TStudentDlg>([](TStudentDlg& d) {
        EXPECT_EQ(d.windowTitle(), "New Student Properties");
        EXPECT_TRUE(d.NameEdit->text().isEmpty());
        EXPECT_EQ(d.focusWidget(), d.NameEdit);
        Type(d.NameEdit, "Nia Obi");
        Type(d.IDEdit, "S2000");
        d.OKBtn->click();
    });
    auto edit = CreateStudent(studentDlg, *gb, 5);
    ASSERT_TRUE(edit);
    EXPECT_TRUE(edit->IsNew);
    EXPECT_EQ(edit->Row, 5);
    EXPECT_EQ(edit->Student.UserOrder, kLastUserOrder);
    std::string former(gb->Cell(1, 5));
    InsertStudent(*gb, *edit);
    EXPECT_EQ(gb->Cell(1, 5), "Nia Obi");
    EXPECT_EQ(gb->StudentAt(5)->ID, "S2000");
    EXPECT_EQ(gb->Cell(1, 6), former);

    // Student properties on the name row, in edit mode: a new student on row 2. The working
    // student is fresh, nothing of the last one shows.
    gb->SetEditMode(true);
    Next<TStudentDlg>([](TStudentDlg& d) {
        EXPECT_EQ(d.windowTitle(), "New Student Properties");
        EXPECT_TRUE(d.IDEdit->text().isEmpty());
        d.OKBtn->click();
    });
    auto first = EditStudent(studentDlg, *gb, 1);
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->IsNew);
    EXPECT_EQ(first->Row, 2);
    EXPECT_EQ(first->NameCell, "");
    // On the spare row: the new student is the last one, the spare row stays after it.
    int spare = gb->RowCount() - 1;
    Next<TStudentDlg>([](TStudentDlg& d) { d.OKBtn->click(); });
    auto last = EditStudent(studentDlg, *gb, spare);
    ASSERT_TRUE(last);
    EXPECT_EQ(last->Row, spare);
    InsertStudent(*gb, *last);
    EXPECT_EQ(gb->StudentAt(gb->RowCount() - 1), nullptr);
}

TEST_F(PropertyDialogs, GradePropertiesOkWithoutChangesKeepsEverySetting) {
    TGrade& g = *gb->GradeAt(3);
    g.Points = 12.345; // shown as 12.3
    g.Weight = 0.125;
    g.Curve = true;
    g.CurveAmount = 1.0 / 3;
    g.Date = 45321.75; // a time of day the picker does not show
    g.OmitClassAverage = true;
    g.Notes = "Open book";
    gb->Preferences.DefaultPoints = 12.345;
    Next<TGradeDlg>([](TGradeDlg& d) {
        EXPECT_EQ(d.windowTitle(), "Grade Properties");
        EXPECT_EQ(d.NameEdit->text(), "G2");
        EXPECT_EQ(d.GradeBox1->PointsEdit->text(), "12.3");
        EXPECT_EQ(d.GradeBox1->CategoryCombo->currentIndex(), 1);
        EXPECT_EQ(d.DateTimePicker1->date(), QDate(2024, 1, 30));
        EXPECT_EQ(d.Memo1->toPlainText(), "Open book");
        EXPECT_EQ(d.PageControl1->currentWidget(), d.AverageSheet);
        EXPECT_EQ(d.focusWidget(), d.NameEdit);
        d.OKBtn->click();
    });
    auto edit = EditGrade(gradeDlg, *gb, 3);
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->Grade.Points, 12.345);
    EXPECT_EQ(edit->Grade.Weight, 0.125);
    EXPECT_EQ(edit->Grade.CurveAmount, 1.0 / 3);
    EXPECT_EQ(edit->Grade.Date, 45321.75);
    EXPECT_TRUE(edit->Grade.OmitClassAverage);
    EXPECT_EQ(edit->Grade.CategoryIndex, g.CategoryIndex);
    EXPECT_EQ(edit->Grade.UserOrder, g.UserOrder);
    EXPECT_EQ(edit->NameCell, "G2");
    EXPECT_EQ(edit->Defaults, GradeDefaultsOf(*gb)); // 12.345 kept, not 12.3
    const std::string before = WriteGradebook(*gb);
    ExchangeGradeEdit(*gb, *edit);
    EXPECT_EQ(WriteGradebook(*gb), before);
}

TEST_F(PropertyDialogs, TurningPointsAreWeightsOffKeepsTheGradesOwnWeight) {
    gb->PointsAreWeights = true;
    TGrade& g = *gb->GradeAt(2);
    g.Points = 50;
    g.Weight = 2;
    Next<TGradeDlg>([](TGradeDlg& d) {
        EXPECT_TRUE(d.wpcheckbox->isChecked());
        EXPECT_TRUE(d.GradeBox1->WeightEdit->isHidden());
        EXPECT_EQ(d.GradeBox1->WeightEdit->text(), "2"); // its own weight, not the points
        Type(d.GradeBox1->PointsEdit, "60");
        d.PageControl1->setCurrentWidget(d.AllGradesSheet);
        d.wpcheckbox->setChecked(false);
        d.OKBtn->click(); // without going back to the Average page
    });
    auto edit = EditGrade(gradeDlg, *gb, 2);
    ASSERT_TRUE(edit);
    EXPECT_FALSE(edit->Defaults.PointsAreWeights);
    EXPECT_EQ(edit->Grade.Points, 60);
    EXPECT_EQ(edit->Grade.Weight, 2);
}

TEST_F(PropertyDialogs, AWeightTypedWhileTurningPointsAreWeightsOnIsIgnored) {
    gb->GradeAt(2)->Weight = 2;
    Next<TGradeDlg>([](TGradeDlg& d) {
        EXPECT_FALSE(d.GradeBox1->WeightEdit->isHidden());
        Type(d.GradeBox1->WeightEdit, "7");
        d.PageControl1->setCurrentWidget(d.AllGradesSheet);
        EXPECT_TRUE(d.NameEdit->isHidden());
        d.wpcheckbox->setChecked(true);
        d.PageControl1->setCurrentWidget(d.AverageSheet);
        EXPECT_TRUE(d.GradeBox1->WeightEdit->isHidden());
        EXPECT_FALSE(d.NameEdit->isHidden());
        d.OKBtn->click();
    });
    auto edit = EditGrade(gradeDlg, *gb, 2);
    ASSERT_TRUE(edit);
    EXPECT_TRUE(edit->Defaults.PointsAreWeights);
    EXPECT_EQ(edit->Grade.Weight, 2);
}

TEST_F(PropertyDialogs, BadDefaultsKeepThePreviousValues) {
    gb->Preferences.DefaultPoints = 20;
    gb->Preferences.DefaultWeight = 3;
    for (const char* bad : {"abc", "0", "-5", "", "1e999"}) {
        Next<TGradeDlg>([bad](TGradeDlg& d) {
            Type(d.DefaultPointsEdit, bad);
            Type(d.DefaultWeightEdit, bad);
            d.OmitZerosBox->setChecked(false);
            d.OKBtn->click();
        });
        auto edit = EditGrade(gradeDlg, *gb, 2);
        ASSERT_TRUE(edit);
        EXPECT_EQ(edit->Defaults.DefaultPoints, 20) << bad;
        EXPECT_EQ(edit->Defaults.DefaultWeight, 3) << bad;
        EXPECT_FALSE(edit->Defaults.OmitZeros);
    }
    Next<TGradeDlg>([](TGradeDlg& d) {
        Type(d.DefaultPointsEdit, " 25.5 ");
        Type(d.DefaultWeightEdit, "0.5");
        d.OKBtn->click();
    });
    auto edit = EditGrade(gradeDlg, *gb, 2);
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->Defaults.DefaultPoints, 25.5);
    EXPECT_EQ(edit->Defaults.DefaultWeight, 0.5);
}

TEST_F(PropertyDialogs, ChangingOnlyTheDateChangesTheDate) {
    gb->GradeAt(4)->Date = 45000.5;
    Next<TGradeDlg>([](TGradeDlg& d) {
        d.PageControl1->setCurrentWidget(d.InformationSheet);
        d.DateTimePicker1->setDate(QDate(2024, 9, 2));
        d.OKBtn->click();
    });
    auto edit = EditGrade(gradeDlg, *gb, 4);
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->Grade.Date, DateToDayNumber(QDate(2024, 9, 2)));
    EXPECT_EQ(DayNumberToDate(edit->Grade.Date), QDate(2024, 9, 2));
    EXPECT_EQ(edit->Grade.Points, gb->GradeAt(4)->Points);
}

TEST_F(PropertyDialogs, AGradeWithoutADateKeepsNoneUntilGivenOneAndADateCanBeCleared) {
    gb->GradeAt(3)->Date = 0; // read from a file that stored none
    gb->GradeAt(4)->Date = 46000.25;
    // Shown as none; OK keeps none rather than the day the dialog was opened.
    Next<TGradeDlg>([](TGradeDlg& d) {
        EXPECT_TRUE(d.NoDateBox->isChecked());
        EXPECT_FALSE(d.DateTimePicker1->isEnabled());
        d.OKBtn->click();
    });
    auto edit = EditGrade(gradeDlg, *gb, 3);
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->Grade.Date, 0);
    EXPECT_FALSE(GradeEditChanges(*gb, *edit));

    // Turning "No date" off gives the date in the picker, today's unless another is picked.
    Next<TGradeDlg>([](TGradeDlg& d) {
        d.PageControl1->setCurrentWidget(d.InformationSheet);
        EXPECT_EQ(d.DateTimePicker1->date(), QDate::currentDate());
        d.NoDateBox->click();
        EXPECT_TRUE(d.DateTimePicker1->isEnabled());
        d.OKBtn->click();
    });
    edit = EditGrade(gradeDlg, *gb, 3);
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->Grade.Date, TodayDate());
    Next<TGradeDlg>([](TGradeDlg& d) {
        d.NoDateBox->click();
        d.DateTimePicker1->setDate(QDate(2026, 10, 5));
        d.OKBtn->click();
    });
    edit = EditGrade(gradeDlg, *gb, 3);
    ASSERT_TRUE(edit);
    EXPECT_EQ(DayNumberToDate(edit->Grade.Date), QDate(2026, 10, 5));

    // A dated grade shows its date and loses it with "No date".
    Next<TGradeDlg>([](TGradeDlg& d) {
        EXPECT_FALSE(d.NoDateBox->isChecked());
        EXPECT_TRUE(d.DateTimePicker1->isEnabled());
        EXPECT_EQ(d.DateTimePicker1->date(), DayNumberToDate(46000));
        d.NoDateBox->click();
        EXPECT_FALSE(d.DateTimePicker1->isEnabled());
        d.OKBtn->click();
    });
    edit = EditGrade(gradeDlg, *gb, 4);
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->Grade.Date, 0);
    EXPECT_TRUE(GradeEditChanges(*gb, *edit));

    // A new grade still starts on today's date.
    Next<TGradeDlg>([](TGradeDlg& d) {
        EXPECT_FALSE(d.NoDateBox->isChecked());
        d.OKBtn->click();
    });
    edit = CreateGrade(gradeDlg, *gb, 4);
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->Grade.Date, TodayDate());
}

TEST_F(PropertyDialogs, NewGradeStartsFromTheDefaultsAndGoesToTheCursor) {
    gb->Preferences.DefaultPoints = 30;
    gb->Preferences.DefaultWeight = 4;
    gb->Categories.Clear();
    Next<TGradeDlg>([](TGradeDlg& d) {
        EXPECT_EQ(d.windowTitle(), "New Grade Properties");
        EXPECT_TRUE(d.NameEdit->text().isEmpty());
        EXPECT_EQ(d.GradeBox1->PointsEdit->text(), "30");
        EXPECT_EQ(d.GradeBox1->WeightEdit->text(), "4");
        EXPECT_TRUE(d.GradeBox1->CategoryCombo->isHidden()); // no categories
        EXPECT_EQ(d.DateTimePicker1->date(), QDate::currentDate());
        d.OKBtn->click(); // the name left empty
    });
    auto edit = CreateGrade(gradeDlg, *gb, 4);
    ASSERT_TRUE(edit);
    EXPECT_TRUE(edit->IsNew);
    EXPECT_EQ(edit->Column, 4);
    EXPECT_EQ(edit->NameCell, "");
    EXPECT_EQ(edit->Grade.Points, 30);
    EXPECT_EQ(edit->Grade.Date, TodayDate());
    EXPECT_EQ(edit->Grade.UserOrder, kLastUserOrder);
    EXPECT_EQ(edit->Grade.CategoryIndex, 0);

    // Grade properties left of the grades: a new grade in the first grade column.
    Next<TGradeDlg>([](TGradeDlg& d) {
        EXPECT_EQ(d.windowTitle(), "New Grade Properties");
        EXPECT_TRUE(d.NameEdit->text().isEmpty()); // fresh, not the last one's
        Type(d.NameEdit, "Essay");
        d.OKBtn->click();
    });
    auto first = EditGrade(gradeDlg, *gb, 1);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->Column, 2);
    EXPECT_EQ(first->NameCell, "Essay");
}

TEST_F(PropertyDialogs, HelpButtonsAskForTheirTopics) {
    QSignalSpy student(&studentDlg, &TStudentDlg::HelpRequested);
    QSignalSpy grade(&gradeDlg, &TGradeDlg::HelpRequested);
    studentDlg.Button1->click();
    gradeDlg.Button1->click();
    ASSERT_EQ(student.size(), 1);
    EXPECT_EQ(student[0][0].toInt(), 32);
    ASSERT_EQ(grade.size(), 1);
    EXPECT_EQ(grade[0][0].toInt(), 669);
}

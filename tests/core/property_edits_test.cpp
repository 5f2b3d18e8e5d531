#include "gradebook_file.h"
#include "property_edits.h"
#include "sample_builder.h"

#include <gtest/gtest.h>

using namespace marklow;

namespace {

std::unique_ptr<TGradebook> Small(bool editMode) {
    TBuildOptions o;
    o.Students = 6;
    o.Grades = 4;
    o.EditMode = editMode;
    return BuildGradebook(o);
}

} // namespace

TEST(StudentEdit, ExchangingTwiceGivesBackTheGradebook) {
    auto gb = Small(false);
    const std::string before = WriteGradebook(*gb);
    TStudentEdit edit;
    edit.Row = 4;
    CopyStudent(edit.Student, *gb->StudentAt(4));
    edit.Student.ID = "S-99";
    edit.Student.Notes = "New notes";
    edit.NameCell = "Renamed Student";
    TStudent* s = gb->StudentAt(4);
    ExchangeStudentEdit(*gb, edit);
    EXPECT_EQ(gb->StudentAt(4), s); // the same object, edited in place
    EXPECT_EQ(s->ID, "S-99");
    EXPECT_EQ(s->Notes, "New notes");
    EXPECT_EQ(gb->Cell(1, 4), "Renamed Student");
    EXPECT_EQ(edit.NameCell, "Cara Lee"); // the edit now holds what undo puts back
    ExchangeStudentEdit(*gb, edit);
    EXPECT_EQ(WriteGradebook(*gb), before);
}

TEST(StudentEdit, ANewStudentIsInsertedAtItsRowAndDeletedByUndo) {
    for (bool editMode : {false, true}) {
        auto gb = Small(editMode);
        const std::string before = WriteGradebook(*gb);
        const int rows = gb->RowCount();
        std::string formerRow5(gb->Cell(1, 5));
        TStudentEdit edit;
        edit.Row = 5;
        edit.IsNew = true;
        edit.Student.ID = "N1";
        edit.NameCell = "New Kid";
        InsertStudent(*gb, edit);
        EXPECT_EQ(gb->RowCount(), rows + 1);
        EXPECT_EQ(gb->StudentCount(), 7);
        EXPECT_EQ(gb->Cell(1, 5), "New Kid");
        EXPECT_EQ(gb->StudentAt(5)->ID, "N1");
        EXPECT_EQ(gb->StudentAt(5)->UserOrder, kLastUserOrder);
        EXPECT_EQ(gb->Cell(1, 6), formerRow5);
        EXPECT_EQ(gb->Cell(2, 5), ""); // no entries yet
        if (editMode) {
            EXPECT_EQ(gb->StudentAt(gb->RowCount() - 1), nullptr);
        }
        gb->DeleteRow(edit.Row);
        EXPECT_EQ(WriteGradebook(*gb), before);
    }
}

TEST(GradeEdit, ExchangeCarriesSettingsDateNameAndDefaults) {
    auto gb = Small(false);
    gb->GradeAt(3)->Date = 45000;
    const std::string before = WriteGradebook(*gb);
    const TGradeDefaults defaultsBefore = GradeDefaultsOf(*gb);
    TGradeEdit edit;
    edit.Column = 3;
    CopyGrade(edit.Grade, *gb->GradeAt(3));
    edit.Grade.Points = 40;
    edit.Grade.Curve = true;
    edit.Grade.CurveAmount = 2.5;
    edit.Grade.Date = 45123;
    edit.NameCell = "Midterm";
    edit.Defaults = {true, 50, 3, false};
    ExchangeGradeEdit(*gb, edit);
    const TGrade& g = *gb->GradeAt(3);
    EXPECT_EQ(g.Points, 40);
    EXPECT_TRUE(g.Curve);
    EXPECT_EQ(g.Date, 45123);
    EXPECT_EQ(gb->Cell(3, 1), "Midterm");
    EXPECT_TRUE(gb->PointsAreWeights);
    EXPECT_EQ(gb->Preferences.DefaultPoints, 50);
    EXPECT_EQ(gb->Preferences.DefaultWeight, 3);
    EXPECT_FALSE(gb->Preferences.OmitZeros);
    ExchangeGradeEdit(*gb, edit);
    EXPECT_EQ(WriteGradebook(*gb), before);
    EXPECT_EQ(gb->GradeAt(3)->Date, 45000);
    EXPECT_EQ(GradeDefaultsOf(*gb), defaultsBefore);
}

TEST(GradeEdit, ANewGradeIsInsertedAtItsColumnAndRemovedByUndo) {
    for (bool editMode : {false, true}) {
        auto gb = Small(editMode);
        const std::string before = WriteGradebook(*gb);
        const int cols = gb->ColCount();
        TGradeEdit edit;
        edit.Column = 2;
        edit.IsNew = true;
        edit.Grade = *gb->NewGrade();
        edit.Grade.Date = 45200;
        edit.NameCell = "";
        edit.Defaults = GradeDefaultsOf(*gb);
        edit.Defaults.OmitZeros = false;
        InsertGrade(*gb, edit);
        EXPECT_EQ(gb->ColCount(), cols + 1);
        EXPECT_EQ(gb->GradeCount(), 5);
        EXPECT_EQ(gb->Cell(2, 1), ""); // an empty name stays empty
        EXPECT_EQ(gb->GradeAt(2)->Date, 45200);
        EXPECT_EQ(gb->GradeAt(2)->UserOrder, kLastUserOrder);
        EXPECT_EQ(gb->Cell(3, 1), "G1");
        EXPECT_FALSE(gb->Preferences.OmitZeros);
        if (editMode) {
            EXPECT_EQ(gb->GradeAt(gb->ColCount() - 1), nullptr);
        }
        RemoveInsertedGrade(*gb, edit);
        EXPECT_EQ(WriteGradebook(*gb), before);
        EXPECT_TRUE(gb->Preferences.OmitZeros);
        // Redo after undo works from the same edit.
        InsertGrade(*gb, edit);
        EXPECT_EQ(gb->GradeAt(2)->Date, 45200);
        EXPECT_FALSE(gb->Preferences.OmitZeros);
    }
}

#include "cell_rules.h"
#include "gradebook.h"
#include "sample_builder.h"

#include <gtest/gtest.h>

#include <random>

using namespace marklow;

namespace {

// Edit mode with the named students and grades and their spare row and column.
TGradebook& Class(TGradebook& gb, std::initializer_list<const char*> students,
                  std::initializer_list<const char*> grades) {
    gb.SetEditMode(false);
    for (const char* g : grades)
        AddGrade(gb, g, 100);
    for (const char* s : students)
        AddStudent(gb, s);
    gb.SetEditMode(true);
    return gb;
}

} // namespace

TEST(CellRules, ScoresNeedANamedStudentAndANamedGrade) {
    TGradebook gb;
    Class(gb, {"Ann", "Ben"}, {"Quiz"});
    EXPECT_TRUE(MayEnterCell(gb, 2, 2));
    EXPECT_FALSE(MayEnterCell(gb, 3, 2)) << "spare column";
    EXPECT_FALSE(MayEnterCell(gb, 2, 4)) << "spare row";
    EXPECT_TRUE(MayEnterCell(gb, 1, 4)) << "a new name goes into the spare row";
    EXPECT_TRUE(MayEnterCell(gb, 3, 1)) << "a new grade name goes into the spare column";
    gb.SetCell(1, 3, "  ");
    EXPECT_FALSE(MayEnterCell(gb, 2, 3)) << "a name of blanks counts as none";
}

TEST(CellRules, OnlyTextInTheSpareColumnKeepsTheCursor) {
    TGradebook gb;
    Class(gb, {"Ann"}, {"Quiz"});
    gb.SetCell(3, 2, "85");
    EXPECT_FALSE(MayLeaveCell(gb, 3, 2));
    gb.SetCell(3, 2, "   ");
    EXPECT_TRUE(MayLeaveCell(gb, 3, 2));
    gb.SetCell(2, 2, "85");
    EXPECT_TRUE(MayLeaveCell(gb, 2, 2)) << "a real grade column";
    gb.SetCell(2, 1, "");
    EXPECT_TRUE(MayLeaveCell(gb, 2, 2)) << "a grade whose name was cleared is still a grade";
}

TEST(CellRules, PromptsNameWhatTheCellWants) {
    EXPECT_EQ(EntryPrompt(3, 1), "Enter a grade name, then press Tab or Enter");
    EXPECT_EQ(EntryPrompt(1, 5), "Enter a student name, then press Tab or Enter");
    EXPECT_EQ(EntryPrompt(2, 2), "Enter a grade value, then press Tab or Enter");
}

TEST(CellRules, EnterWalksRightInTheNameRowAndDownElsewhere) {
    auto w = WalkForward(2, 1, 5, 6);
    EXPECT_TRUE(w.Consume);
    EXPECT_EQ(w.Col, 3);
    EXPECT_EQ(w.Row, 1);
    EXPECT_FALSE(WalkForward(4, 1, 5, 6).Consume) << "the last column is left to the grid";
    w = WalkForward(3, 2, 5, 6);
    EXPECT_TRUE(w.Consume);
    EXPECT_EQ(w.Col, 3);
    EXPECT_EQ(w.Row, 3);
    EXPECT_FALSE(WalkForward(3, 5, 5, 6).Consume) << "the last row is left to the grid";

    w = WalkBack(4, 1);
    EXPECT_TRUE(w.Consume);
    EXPECT_EQ(w.Col, 3);
    EXPECT_FALSE(WalkBack(2, 1).Consume);
    w = WalkBack(3, 4);
    EXPECT_TRUE(w.Consume);
    EXPECT_EQ(w.Row, 3);
    EXPECT_FALSE(WalkBack(3, 2).Consume) << "never up into the name row";
}

TEST(CellRules, NamesTypedIntoTheSpareRowAndColumnBecomeObjects) {
    TGradebook gb; // new: 3 x 3, edit mode
    gb.Preferences.DefaultPoints = 40;
    gb.Preferences.DefaultWeight = 3;
    EXPECT_EQ(AddObjectForName(gb, 1, 2, " "), TNewObject::Student) << "a blank is enough";
    EXPECT_EQ(gb.RowCount(), 4);
    EXPECT_TRUE(gb.StudentsInUserOrder);
    EXPECT_EQ(AddObjectForName(gb, 1, 2, "Ann"), TNewObject::None) << "already a student";
    EXPECT_EQ(AddObjectForName(gb, 2, 1, "Q"), TNewObject::Grade);
    ASSERT_NE(gb.GradeAt(2), nullptr);
    EXPECT_EQ(gb.GradeAt(2)->Points, 40);
    EXPECT_EQ(gb.GradeAt(2)->Weight, 3);
    EXPECT_EQ(gb.ColCount(), 4);
    EXPECT_EQ(AddObjectForName(gb, 1, 3, ""), TNewObject::None) << "nothing typed";
    EXPECT_EQ(AddObjectForName(gb, 2, 3, "85"), TNewObject::None) << "a score is no name";

    gb.SetEditMode(false);
    EXPECT_EQ(AddObjectForName(gb, 1, gb.RowCount() - 1, "Ben"), TNewObject::None)
        << "move mode has no spare row";
}

TEST(CellRules, ANameAddedToASortedClassKeepsTheSortAndComesLastInTheTeachersOrder) {
    TGradebook gb;
    Class(gb, {"Ben", "Ann"}, {"Quiz"});
    gb.SetStudentsInUserOrder(true);
    gb.SetStudentsInUserOrder(false); // sorted: the teacher's order is recorded
    ASSERT_EQ(gb.StudentAt(2)->UserOrder, 2);
    EXPECT_EQ(AddObjectForName(gb, 1, gb.RowCount() - 1, "Cal"), TNewObject::Student);
    EXPECT_FALSE(gb.StudentsInUserOrder) << "turning it on would lose the recorded order";
    EXPECT_EQ(gb.StudentAt(2)->UserOrder, 2);
    EXPECT_EQ(gb.StudentAt(gb.LastStudentRow())->UserOrder, kLastUserOrder);
    gb.SetGradesInUserOrder(false);
    EXPECT_EQ(AddObjectForName(gb, gb.ColCount() - 1, 1, "Test"), TNewObject::Grade);
    EXPECT_FALSE(gb.GradesInUserOrder);
    EXPECT_EQ(gb.GradeAt(gb.LastGradeColumn())->UserOrder, kLastUserOrder);
}

TEST(CellRules, AClearedLastNameKeepsItsStudent) {
    TGradebook gb;
    Class(gb, {"Ann", "Ben"}, {"Quiz"});
    TStudent* ben = gb.StudentAt(3);
    gb.SetCell(2, 3, "70");
    gb.SetCell(1, 3, "");
    // Typing a new name into the cleared cell is a rename, not a new student.
    EXPECT_EQ(AddObjectForName(gb, 1, 3, "Bea"), TNewObject::None);
    EXPECT_EQ(gb.StudentAt(3), ben);
    EXPECT_EQ(gb.Cell(2, 3), "70");
}

TEST(CellRules, OverpaintingShowsNameAndCurvedEntries) {
    TGradebook gb;
    SetStandardLetterTables(gb);
    Class(gb, {"Ann", "Ben", "Cara", "Dev", "Eli", "Fay"}, {"Quiz", "Test"});
    gb.GradeAt(2)->Curve = true;
    gb.GradeAt(2)->CurveAmount = 5;
    const char* entries[] = {"85", "85 late", "/85", "abc", "B", ""};
    for (int i = 0; i < 6; ++i)
        gb.SetCell(2, 2 + i, entries[i]);
    EXPECT_EQ(OverpaintText(gb, 1, 1, true), "Name");
    EXPECT_EQ(OverpaintText(gb, 2, 2, true), "90");
    EXPECT_EQ(OverpaintText(gb, 2, 3, true), "90 late");
    EXPECT_EQ(OverpaintText(gb, 2, 4, true), std::nullopt) << "exempt from the curve";
    EXPECT_EQ(OverpaintText(gb, 2, 5, true), "abc") << "invalid: as typed, header look";
    EXPECT_EQ(OverpaintText(gb, 2, 6, true), "90") << "B is worth 85";
    EXPECT_EQ(OverpaintText(gb, 2, 7, true), "") << "empty: header look, no text";
    EXPECT_EQ(OverpaintText(gb, 2, 2, false), std::nullopt) << "curve not shown";
    EXPECT_EQ(OverpaintText(gb, 3, 2, true), std::nullopt) << "no curve on Test";
    gb.GradeAt(3)->Curve = true;
    gb.SetCell(4, 2, "50");
    EXPECT_EQ(OverpaintText(gb, 4, 2, true), std::nullopt) << "the spare column";
    EXPECT_EQ(OverpaintText(gb, 2, gb.RowCount() - 1, true), std::nullopt) << "the spare row";
    gb.SetEditMode(false);
    EXPECT_EQ(OverpaintText(gb, 1, 1, true), std::nullopt) << "frozen anyway in move mode";
}

TEST(CellRules, FittedWidthIsTheWidestTextPlusTenAndAtLeast64) {
    TGradebook gb;
    Class(gb, {"Al", "Bo"}, {"Q"});
    auto byLength = [](std::string_view s) { return static_cast<int>(s.size()) * 7; };
    const TWidthBound bound([](char) { return 7; }, 7);
    EXPECT_EQ(FitWidth(gb, 1, byLength, bound), 64) << "short names";
    gb.SetCell(1, 3, "Bartholomew Featherstonehaugh"); // 29 characters
    EXPECT_EQ(FitWidth(gb, 1, byLength, bound), 29 * 7 + 10);
    gb.SetCell(1, 4, "Zed Quentin Abernathy-Smythe-Jones"); // the spare row counts too
    EXPECT_EQ(FitWidth(gb, 1, byLength, bound), 34 * 7 + 10);
}

TEST(CellRules, SkippingShortTextsNeverChangesTheFittedWidth) {
    // Widths that vary per character: the skipped texts could never have won, so the
    // result equals measuring every text.
    TGradebook gb;
    gb.SetEditMode(false);
    AddGrade(gb, "Q", 100);
    std::mt19937 rng(3);
    for (int i = 0; i < 300; ++i) {
        std::string text(rng() % 14, 'a');
        for (char& ch : text)
            ch = static_cast<char>('a' + rng() % 26);
        AddStudent(gb, text);
        gb.SetCell(2, gb.LastStudentRow(), text.substr(0, rng() % 12));
    }
    auto charWidth = [](char ch) { return ch == 'm' || ch == 'w' ? 11 : 3 + (ch % 5); };
    auto width = [&](std::string_view s) {
        int w = 0;
        for (char ch : s)
            w += charWidth(ch);
        return w - static_cast<int>(s.size() / 3); // kerning narrows it a little
    };
    const TWidthBound bound(charWidth, 11);
    for (int c : {1, 2}) {
        int full = kMinColumnWidth, measured = 0;
        for (int r = 0; r < gb.RowCount(); ++r)
            full = std::max(full, width(gb.Cell(c, r)) + 10);
        auto counting = [&](std::string_view s) {
            ++measured;
            return width(s);
        };
        EXPECT_EQ(FitWidth(gb, c, counting, bound), full);
        EXPECT_LT(measured, gb.RowCount()) << "some texts were too short to measure";
        EXPECT_EQ(FitWidths(gb, width, bound)[static_cast<size_t>(c)], full);
    }
    EXPECT_EQ(FitWidths(gb, width, bound)[0], kMinColumnWidth);
}

TEST(CellRules, AWidthBoundCoversCharactersBeyondAscii) {
    const TWidthBound bound([](char) { return 6; }, 20);
    EXPECT_EQ(bound("ab"), 14);
    EXPECT_GE(bound("\xc3\xa9"), 20) << "one two-byte character as wide as the widest";
    EXPECT_GE(bound("\xe2\x82\xac"), 20);
}

TEST(CellRules, DeletingAndSwitchingNeedRealStudentsAndGrades) {
    TGradebook gb;
    EXPECT_FALSE(CanToggleMode(gb)) << "a new gradebook stays in edit mode";
    Class(gb, {"Ann"}, {"Quiz"});
    EXPECT_TRUE(CanToggleMode(gb));
    EXPECT_TRUE(CanDeleteStudent(gb, 2)) << "edit mode may delete the last student";
    EXPECT_FALSE(CanDeleteStudent(gb, 3)) << "the spare row";
    EXPECT_FALSE(CanDeleteStudent(gb, 1)) << "the grade-name row";
    EXPECT_TRUE(CanDeleteGrade(gb, 2));
    EXPECT_FALSE(CanDeleteGrade(gb, 3)) << "the spare column";
    gb.SetEditMode(false);
    EXPECT_TRUE(CanToggleMode(gb));
    EXPECT_FALSE(CanDeleteStudent(gb, 2)) << "move mode keeps its last student";
    EXPECT_FALSE(CanDeleteGrade(gb, 2));
}

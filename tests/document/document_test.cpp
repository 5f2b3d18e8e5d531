// Every command of the document, taken back and done again any number of times: the whole
// gradebook, written to bytes, must be exactly as it was before and after each step.

#include "averages.h"
#include "commands.h"
#include "gradebook_document.h"
#include "gradebook_file.h"
#include "options_command.h"
#include "paste_command.h"
#include "property_commands.h"
#include "roster_command.h"
#include "sample_builder.h"
#include "typing_command.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace marklow;

namespace {

// The file's bytes plus the average texts and objects' results, which the file does not hold.
std::string State(TGradebook& gb) {
    std::ostringstream out;
    out << WriteGradebook(gb) << '|' << gb.RowCount() << 'x' << gb.ColCount();
    for (int r = 0; r < gb.RowCount(); ++r)
        for (int c = 0; c < gb.ColCount(); ++c)
            out << '|' << gb.Cell(c, r);
    for (int r = 2; r <= gb.LastStudentRow(); ++r) {
        const TStudent& s = *gb.StudentAt(r);
        out << '|' << s.HasAverage << s.Average << s.HasInvalidEntry;
    }
    for (int c = 2; c <= gb.LastGradeColumn(); ++c) {
        const TGrade& g = *gb.GradeAt(c);
        out << '|' << g.HasClassAverage << g.ClassAverage << g.HasInvalidEntry;
    }
    out << '|' << gb.StudentsInUserOrder << gb.GradesInUserOrder << gb.EditMode();
    return out.str();
}

class DocumentTest : public ::testing::Test {
protected:
    // A class of 6 students and 4 grades with averages, in the given mode.
    void Load(bool editMode) {
        TBuildOptions o;
        o.Students = 6;
        o.Grades = 4;
        o.Categories = 2;
        o.Seed = 3;
        auto built = BuildGradebook(o);
        built->SetEditMode(editMode);
        gb.ReplaceDocument(std::move(*built));
        gb.FitSpareCells();
        RecomputeAll(gb);
        doc.ResetHistory();
    }
    // Types text into (c, r) keystroke by keystroke, as the grid's editor hands it over.
    void Type(int c, int r, const std::string& text) {
        std::string typed(gb.Cell(c, r));
        for (char ch : text) {
            typed += ch;
            doc.EditCell(c, r, typed);
            UpdateAveragesForCell(gb, c, r);
        }
    }
    // Undoes and redoes the last step three times over, checking both states each time.
    void ExpectRoundTrips(const std::string& before) {
        const std::string after = State(gb);
        ASSERT_NE(before, after) << "the step changed nothing";
        for (int i = 0; i < 3; ++i) {
            doc.Undo();
            ASSERT_EQ(State(gb), before) << "undo " << i;
            doc.Redo();
            ASSERT_EQ(State(gb), after) << "redo " << i;
        }
    }

    TGradebookDocument doc;
    TGradebook& gb = doc.Gradebook();
};

} // namespace

TEST_F(DocumentTest, OneVisitToACellIsOneTypingStep) {
    Load(false);
    const std::string before = State(gb);
    Type(2, 3, "x");
    doc.RevertCellEdit();
    ASSERT_EQ(State(gb), before) << "a reverted visit leaves nothing behind";
    EXPECT_FALSE(doc.IsModified());
    doc.EditCell(2, 3, ""); // the selected text replaced, as the editor does
    Type(2, 3, "77 late");
    EXPECT_TRUE(doc.HasPendingEdit());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.UndoText(), "&Undo Typing");
    EXPECT_TRUE(doc.CommitCellEdit());
    EXPECT_EQ(doc.UndoStack().count(), 1) << "eight changes, one step";
    EXPECT_FALSE(doc.CommitCellEdit()) << "nothing left to commit";
    ExpectRoundTrips(before);
    EXPECT_EQ(doc.RedoText(), "&Redo");
    doc.Undo();
    EXPECT_EQ(doc.RedoText(), "&Redo Typing");
}

TEST_F(DocumentTest, TypingBackTheOldTextIsNoStep) {
    Load(false);
    const std::string old(gb.Cell(3, 4));
    doc.EditCell(3, 4, "x");
    EXPECT_TRUE(doc.IsModified());
    doc.EditCell(3, 4, old);
    EXPECT_FALSE(doc.IsModified()) << "the gradebook equals its file again";
    EXPECT_FALSE(doc.CommitCellEdit());
    EXPECT_FALSE(doc.CanUndo());
}

TEST_F(DocumentTest, UndoFirstTakesBackTheCellBeingTyped) {
    Load(false);
    Type(2, 2, "1");
    const std::string afterFirst = State(gb);
    Type(3, 2, "2"); // another cell: the first visit was committed
    EXPECT_EQ(doc.UndoStack().count(), 1);
    doc.Undo(); // the pending text of (3, 2) goes first
    EXPECT_EQ(State(gb), afterFirst);
    EXPECT_TRUE(doc.CanRedo());
    EXPECT_EQ(doc.RedoText(), "&Redo Typing");
}

TEST_F(DocumentTest, TypingThatCreatedAStudentOrAGradeTakesItBack) {
    Load(true);
    const int spareRow = gb.RowCount() - 1;
    const int spareCol = gb.ColCount() - 1;
    gb.SetStudentsInUserOrder(true);
    gb.SetStudentsInUserOrder(false); // the class stands sorted
    const std::string before = State(gb);
    Type(1, spareRow, "Zoe Quinn");
    ASSERT_NE(gb.StudentAt(spareRow), nullptr);
    TStudent* zoe = gb.StudentAt(spareRow);
    EXPECT_EQ(gb.RowCount(), spareRow + 2) << "a new spare row";
    doc.CommitCellEdit();
    ExpectRoundTrips(before);
    EXPECT_EQ(gb.StudentAt(spareRow), zoe) << "redo brings back the same student";

    const std::string beforeGrade = State(gb);
    Type(spareCol, 1, "Lab");
    ASSERT_NE(gb.GradeAt(spareCol), nullptr);
    EXPECT_TRUE(gb.GradesInUserOrder);
    doc.CommitCellEdit();
    ExpectRoundTrips(beforeGrade);
}

TEST_F(DocumentTest, DeletingAStudentOrAGradeComesBackWithItsCellsAndAverages) {
    Load(false);
    std::string before = State(gb);
    TStudent* third = gb.StudentAt(4);
    doc.Push(new TDeleteStudentCommand(doc, 4, 2));
    EXPECT_EQ(gb.StudentCount(), 5);
    ExpectRoundTrips(before);
    doc.Undo();
    EXPECT_EQ(gb.StudentAt(4), third);

    before = State(gb);
    doc.Push(new TDeleteGradeCommand(doc, 3, 2));
    EXPECT_EQ(gb.GradeCount(), 3);
    ExpectRoundTrips(before);
    // The last student of a move-mode class, then its last grade.
    before = State(gb);
    doc.Push(new TDeleteStudentCommand(doc, gb.LastStudentRow(), 2));
    doc.Push(new TDeleteGradeCommand(doc, gb.LastGradeColumn(), 2));
    doc.Undo();
    doc.Undo();
    EXPECT_EQ(State(gb), before);
}

TEST_F(DocumentTest, DeletingTheLastGradeInEditModeLeavesTheSpareColumnRight) {
    Load(true);
    // Down to one grade, then that one too.
    while (gb.GradeCount() > 1)
        doc.Push(new TDeleteGradeCommand(doc, 2, 2));
    const std::string oneGrade = State(gb);
    doc.Push(new TDeleteGradeCommand(doc, 2, 2));
    EXPECT_EQ(gb.GradeCount(), 0);
    EXPECT_EQ(gb.ColCount(), 3) << "averages, names and the spare column";
    for (int r = 2; r <= gb.LastStudentRow(); ++r)
        EXPECT_EQ(gb.Cell(0, r), "") << "no grade, no average";
    ExpectRoundTrips(oneGrade);
}

TEST_F(DocumentTest, ADraggedRowOrColumnIsOneStepWithItsSwitch) {
    Load(false);
    gb.SetStudentsInUserOrder(true);
    gb.SetStudentsInUserOrder(false);
    doc.SetSorts(TStudentSort::Name, TGradeSort::Date);
    const std::string before = State(gb);
    gb.MoveRow(5, 2); // as the grid does when a row is dropped
    doc.Push(new TMoveCommand(doc, TMoveCommand::TAxis::Rows, 5, 2));
    EXPECT_TRUE(gb.StudentsInUserOrder);
    EXPECT_EQ(doc.StudentSort(), TStudentSort::UserInput);
    EXPECT_EQ(doc.GradeSort(), TGradeSort::Date);
    ExpectRoundTrips(before);
    doc.Undo();
    EXPECT_EQ(doc.StudentSort(), TStudentSort::Name) << "the check mark comes back too";
    EXPECT_FALSE(gb.StudentsInUserOrder);

    const std::string beforeColumn = State(gb);
    gb.MoveColumn(2, 5);
    doc.Push(new TMoveCommand(doc, TMoveCommand::TAxis::Columns, 2, 5));
    ExpectRoundTrips(beforeColumn);
}

TEST_F(DocumentTest, TheModeAndThePasswordAreSteps) {
    Load(true);
    std::string before = State(gb);
    doc.Push(new TModeCommand(doc, 1, 2));
    EXPECT_FALSE(gb.EditMode());
    EXPECT_EQ(gb.RowCount(), gb.StudentCount() + 2) << "no spare row in move mode";
    ExpectRoundTrips(before);

    before = State(gb);
    doc.Push(new TPasswordCommand(doc, "owl"));
    EXPECT_EQ(gb.Password, "owl");
    ExpectRoundTrips(before);
}

TEST_F(DocumentTest, AChainUndoneAndRedoneWhole) {
    Load(true);
    const std::string start = State(gb);
    Type(2, 3, "91");
    Type(1, gb.RowCount() - 1, "New Kid");
    doc.CommitCellEdit();
    doc.Push(new TDeleteGradeCommand(doc, 3, 2));
    doc.Push(new TModeCommand(doc, 2, 2));
    gb.MoveRow(2, 4);
    doc.Push(new TMoveCommand(doc, TMoveCommand::TAxis::Rows, 2, 4));
    doc.Push(new TDeleteStudentCommand(doc, 3, 2));
    const std::string end = State(gb);
    const int steps = doc.UndoStack().count();
    EXPECT_EQ(steps, 6);
    for (int i = 0; i < steps; ++i)
        doc.Undo();
    EXPECT_EQ(State(gb), start);
    for (int i = 0; i < steps; ++i)
        doc.Redo();
    EXPECT_EQ(State(gb), end);
}

TEST_F(DocumentTest, ModifiedFollowsTheHistory) {
    Load(false);
    std::vector<bool> seen;
    QObject::connect(&doc, &TGradebookDocument::modifiedChanged,
                     [&](bool on) { seen.push_back(on); });
    EXPECT_FALSE(doc.IsModified());
    doc.Push(new TPasswordCommand(doc, "a"));
    EXPECT_TRUE(doc.IsModified());
    doc.SetSaved();
    EXPECT_FALSE(doc.IsModified());
    doc.Undo();
    EXPECT_TRUE(doc.IsModified()) << "the file holds the password";
    doc.Redo();
    EXPECT_FALSE(doc.IsModified()) << "back at the saved state";
    doc.MarkModified();
    doc.Undo();
    doc.Redo();
    EXPECT_TRUE(doc.IsModified()) << "a change outside the history stays until saved";
    doc.ResetHistory();
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_EQ(seen, (std::vector<bool>{true, false, true, false, true, false}));
}

TEST_F(DocumentTest, TheFilePathIsEmptyUntilSaved) {
    EXPECT_TRUE(doc.FilePath().isEmpty());
    EXPECT_EQ(doc.Title(), "Untitled");
    doc.SetFilePath("/home/t/Untitled.gbd");
    EXPECT_EQ(doc.Title(), "Untitled") << "a file really named so";
    EXPECT_FALSE(doc.FilePath().isEmpty());
    doc.SetFilePath("/home/t/period1.Backup.gbd");
    EXPECT_EQ(doc.Title(), "period1");
}

TEST_F(DocumentTest, NoCommandStartsInsideAnother) {
    Load(false);
    int pushedInside = 0;
    QObject::connect(&doc, &TGradebookDocument::shapeChanged, [&] {
        doc.Push(new TPasswordCommand(doc, "inner")); // a view reacting badly
        ++pushedInside;
    });
    doc.Push(new TDeleteStudentCommand(doc, 2, 2));
    EXPECT_GT(pushedInside, 0);
    EXPECT_EQ(doc.UndoStack().count(), 1);
    EXPECT_EQ(gb.Password, "");
}

TEST_F(DocumentTest, OptionsAndPasteAreStepsThatComeBackExactly) {
    Load(true);
    std::string before = State(gb);
    TOptionsResult r = CaptureOptions(gb);
    r.Categories.resize(1);
    r.Categories[0].Percent = 100;
    r.PointsAreWeights = true;
    r.Grades = {{3, SettingsOf(*gb.GradeAt(3))}};
    r.Grades[0].second.Curve = true;
    r.Grades[0].second.CurveAmount = 2;
    r.AffectsAverages = true;
    r.CurveChanged = true;
    r.Teacher = "Ms. Park";
    ASSERT_TRUE(TOptionsCommand::Changes(gb, r));
    doc.Push(new TOptionsCommand(doc, r));
    EXPECT_EQ(gb.Categories.Count(), 1);
    EXPECT_TRUE(gb.GradeAt(3)->Curve);
    ExpectRoundTrips(before);
    TOptionsResult same = CaptureOptions(gb);
    same.Grades.clear(); // a dialog's result lists only the grades it changed
    EXPECT_FALSE(TOptionsCommand::Changes(gb, same)) << "nothing to do";

    before = State(gb);
    TPastePlan plan = PlanNamesPaste(gb, {"Zed Ames", std::string(gb.Cell(1, 2))});
    ASSERT_EQ(plan.NewStudents.size(), 1u) << "the second name is in the class already";
    doc.Push(new TPasteCommand(doc, plan));
    EXPECT_EQ(gb.StudentCount(), 7);
    ExpectRoundTrips(before);
}

TEST_F(DocumentTest, SortsAndPropertiesComeBackExactly) {
    Load(true);
    gb.SetStudentsInUserOrder(true);
    std::string before = State(gb);
    TSortStep step = PlanStudentSort(gb, TStudentSortKey::Average);
    ASSERT_TRUE(step.Changes());
    doc.Push(new TSortCommand(doc, step, TStudentSort::Average, TGradeSort::UserInput, 2, 3));
    EXPECT_FALSE(gb.StudentsInUserOrder);
    ExpectRoundTrips(before);

    before = State(gb);
    doc.Push(new TSortCommand(doc, PlanGradeSort(gb, TGradeSortKey::Name), doc.StudentSort(),
                              TGradeSort::Name, 2, 3));
    ExpectRoundTrips(before);

    before = State(gb);
    TGradeEdit grade;
    grade.Column = 3;
    CopyGrade(grade.Grade, *gb.GradeAt(3));
    grade.Grade.Date = gb.GradeAt(3)->Date;
    grade.Grade.Points = 7;
    grade.NameCell = "Lab";
    grade.Defaults = GradeDefaultsOf(gb);
    grade.Defaults.OmitZeros = !grade.Defaults.OmitZeros;
    ASSERT_TRUE(GradeEditChanges(gb, grade));
    doc.Push(new TGradeCommand(doc, grade));
    EXPECT_EQ(gb.Cell(3, 1), "Lab");
    ExpectRoundTrips(before);

    before = State(gb);
    TStudentEdit student;
    student.IsNew = true;
    student.Row = 3;
    student.NameCell = "Nia";
    doc.Push(new TStudentCommand(doc, student));
    EXPECT_EQ(gb.Cell(1, 3), "Nia");
    ExpectRoundTrips(before);
}

TEST_F(DocumentTest, NewObjectsAndTheStepsAfterThemComeBackWhole) {
    Load(true);
    const std::string start = State(gb);
    TGradeEdit grade;
    grade.IsNew = true;
    grade.Column = 3;
    grade.Grade.Points = 20;
    grade.NameCell = "Lab";
    grade.Defaults = GradeDefaultsOf(gb);
    grade.Defaults.DefaultPoints = 40; // the All Grades page went with it
    grade.Defaults.PointsAreWeights = !grade.Defaults.PointsAreWeights;
    doc.Push(new TGradeCommand(doc, grade));
    const TGrade* lab = gb.GradeAt(3);
    Type(3, 2, "15");
    doc.CommitCellEdit();
    TStudentEdit student;
    student.IsNew = true;
    student.Row = 2;
    student.NameCell = "Nia";
    doc.Push(new TStudentCommand(doc, student));
    Type(3, 2, "18");
    doc.CommitCellEdit();
    doc.Push(new TDeleteStudentCommand(doc, 4, 2));
    doc.Push(new TDeleteGradeCommand(doc, 2, 2));
    const std::string end = State(gb);
    const int steps = doc.UndoStack().count();
    ASSERT_EQ(steps, 6);
    for (int round = 0; round < 2; ++round) {
        for (int i = 0; i < steps; ++i)
            doc.Undo();
        ASSERT_EQ(State(gb), start) << round;
        for (int i = 0; i < steps; ++i)
            doc.Redo();
        ASSERT_EQ(State(gb), end) << round;
    }
    EXPECT_EQ(gb.GradeAt(2), lab) << "the new grade is the one made first, not a copy";
    EXPECT_EQ(gb.Preferences.DefaultPoints, 40);
    RecomputeAll(gb); // the kept results are the ones a full count gives
    EXPECT_EQ(State(gb), end);
}

TEST_F(DocumentTest, ARosterImportIsOneStepThatComesBackExactly) {
    for (bool editMode : {false, true}) {
        Load(editMode);
        gb.StudentAt(3)->ID = "";
        gb.StudentAt(3)->Notes = "";
        const std::string before = State(gb);
        const std::string known(gb.Cell(1, 3));
        TRosterTable table =
            ReadRosterCsv("Name,ID,Email\nZed Ames,Z1,zed@x\n\"" + known + "\",K1,known@x\n");
        TRosterLayout layout = RecogniseRoster(table);
        TRosterPlan plan =
            PlanRosterImport(gb, table, {layout.Columns, TNameOrder::AsInFile, layout.Format});
        ASSERT_EQ(plan.Added, 1);
        ASSERT_EQ(plan.Change.Fills.size(), 1u);
        const int undoSteps = doc.UndoStack().count();
        doc.Push(new TRosterImportCommand(doc, plan.Change));
        EXPECT_EQ(doc.UndoStack().count(), undoSteps + 1);
        EXPECT_EQ(gb.StudentCount(), 7);
        EXPECT_EQ(gb.StudentAt(3)->ID, "K1");
        EXPECT_EQ(gb.StudentAt(8)->Login, "zed@x");
        EXPECT_EQ(gb.StudentAt(8)->Notes, "") << "the login is not a note";
        // What the step leaves equals the averages computed afresh.
        const std::string after = State(gb);
        RecomputeAll(gb);
        EXPECT_EQ(State(gb), after);
        ExpectRoundTrips(before);
    }
}

TEST_F(DocumentTest, ClearingAndGivingAGradesDateAreUndoneExactly) {
    Load(true);
    gb.GradeAt(3)->Date = 46000;
    gb.GradeAt(2)->Date = 0; // as read from a file that stored none
    for (auto [column, date] : {std::pair{3, 0.0}, std::pair{2, 46100.0}}) {
        const std::string before = State(gb);
        TGradeEdit grade;
        grade.Column = column;
        CopyGrade(grade.Grade, *gb.GradeAt(column));
        grade.Grade.Date = date;
        grade.NameCell = std::string(gb.Cell(column, 1));
        grade.Defaults = GradeDefaultsOf(gb);
        ASSERT_TRUE(GradeEditChanges(gb, grade)) << column;
        doc.Push(new TGradeCommand(doc, grade));
        EXPECT_EQ(gb.GradeAt(column)->Date, date);
        ExpectRoundTrips(before);
    }
}

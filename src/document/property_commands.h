#pragma once
// OK of the student and grade dialogs, and the sorts: each one step on the undo stack.

#include "commands.h"
#include "property_edits.h"
#include "sorting.h"

namespace marklow {

// Whether an OK changes anything: a dialog closed with OK and nothing edited is no step.
bool StudentEditChanges(const TGradebook& gb, const TStudentEdit& edit);
bool GradeEditChanges(const TGradebook& gb, const TGradeEdit& edit);
// Whether it moves the averages: a new name, notes or date move none.
bool GradeEditMovesAverages(const TGradebook& gb, const TGradeEdit& edit);

// "Student Properties" (an existing student's name, ID and notes) or "New Student". The
// cursor stays in cursorCol of the student's row, so the next score typed goes where it
// went before; without one it goes to the name.
class TStudentCommand final : public TGradebookCommand {
public:
    TStudentCommand(TGradebookDocument& doc, TStudentEdit edit, int cursorCol = 1);
    void redo() override;
    void undo() override;

private:
    TStudentEdit edit_;
    int cursorCol_;
    TGradebook::TTakenRow taken_; // a new student while undone
};

// "Grade Properties" or "New Grade", with the All Grades page's switch and defaults. The
// cursor stays in cursorRow of the grade's column: after OK a typed score must not rename
// the grade.
class TGradeCommand final : public TGradebookCommand {
public:
    TGradeCommand(TGradebookDocument& doc, TGradeEdit edit, int cursorRow = 1);
    void redo() override;
    void undo() override;

private:
    void Notify(bool shape);
    TGradeEdit edit_;
    bool moves_; // the edit moves the averages
    int cursorRow_;
    TGradebook::TTakenColumn taken_; // a new grade while undone
    TAveragesKeeper averages_;
};

// "Sort Students" or "Sort Grades": the permutation, the switch and the recorded order, with
// the check marks of the sort submenus and the cursor following its student or grade.
class TSortCommand final : public TGradebookCommand {
public:
    TSortCommand(TGradebookDocument& doc, TSortStep step, TStudentSort students, TGradeSort grades,
                 int cursorCol, int cursorRow);
    void redo() override;
    void undo() override;

private:
    TSortStep step_;
    TStudentSort newStudents_, oldStudents_;
    TGradeSort newGrades_, oldGrades_;
    int col_, row_;
};

} // namespace marklow

#pragma once
// What an OK of the student or grade dialog changes, and the reversible operations that put it
// into the gradebook and take it out again, so that one OK is one undo step. The dialogs fill
// these from their working copies; they never touch the gradebook themselves.

#include "gradebook.h"

#include <string>

namespace marklow {

struct TStudentEdit {
    int Row = 0; // the student's row; for a new student, the row it is inserted at
    bool IsNew = false;
    TStudent Student;     // the fields CopyStudent copies: Name, ID, Notes, UserOrder
    std::string NameCell; // the text of cell (1, Row)
};

// The "All Grades" page: the gradebook's switch and the program's defaults for new grades.
struct TGradeDefaults {
    bool PointsAreWeights = false;
    double DefaultPoints = 100;
    double DefaultWeight = 1;
    bool OmitZeros = true;
    bool operator==(const TGradeDefaults&) const = default;
};

TGradeDefaults GradeDefaultsOf(const TGradebook& gb);
void SetGradeDefaults(TGradebook& gb, const TGradeDefaults& defaults);

struct TGradeEdit {
    int Column = 0; // the grade's column; for a new grade, the column it is inserted at
    bool IsNew = false;
    TGrade Grade;         // the fields CopyGrade copies, and Date
    std::string NameCell; // the text of cell (Column, 1)
    TGradeDefaults Defaults;
};

// An existing student: exchanges the edit's fields and name text with the row's, so the same
// call undoes it.
void ExchangeStudentEdit(TGradebook& gb, TStudentEdit& edit);
// A new student: inserts a row at edit.Row (the rows from there move down one, the spare row
// stays last) carrying a student made from the edit. gb.DeleteRow(edit.Row) undoes it.
void InsertStudent(TGradebook& gb, const TStudentEdit& edit);

// An existing grade: exchanges the grade's settings, name, notes, user order and date, its
// name cell and the All Grades defaults with the edit's; the same call undoes it.
void ExchangeGradeEdit(TGradebook& gb, TGradeEdit& edit);
// A new grade: inserts a column at edit.Column carrying a grade made from the edit, and
// exchanges the defaults with the edit's. RemoveInsertedGrade undoes both.
void InsertGrade(TGradebook& gb, TGradeEdit& edit);
void RemoveInsertedGrade(TGradebook& gb, TGradeEdit& edit);
// Exchanges the All Grades page's switch and defaults with those in d.
void ExchangeGradeDefaults(TGradebook& gb, TGradeDefaults& d);

} // namespace marklow

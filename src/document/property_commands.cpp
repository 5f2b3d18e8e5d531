#include "property_commands.h"

#include "averages.h"

#include <cstring>

namespace marklow {

bool StudentEditChanges(const TGradebook& gb, const TStudentEdit& e) {
    if (e.IsNew) return true;
    const TStudent* s = gb.StudentAt(e.Row);
    return !s || e.NameCell != gb.Cell(1, e.Row) || e.Student.ID != s->ID ||
           e.Student.Notes != s->Notes || e.Student.UserOrder != s->UserOrder;
}

bool GradeEditChanges(const TGradebook& gb, const TGradeEdit& e) {
    if (e.IsNew) return true;
    const TGrade* g = gb.GradeAt(e.Column);
    if (!g || e.NameCell != gb.Cell(e.Column, 1) || !(e.Defaults == GradeDefaultsOf(gb)))
        return true;
    const TGrade& n = e.Grade;
    // Compared as stored, bit for bit, so a NaN read from a file is not taken for a change.
    auto same = [](double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; };
    return !same(n.Weight, g->Weight) || !same(n.Points, g->Points) ||
           n.CategoryIndex != g->CategoryIndex || n.ExtraCredit != g->ExtraCredit ||
           n.OmitClassAverage != g->OmitClassAverage || n.Curve != g->Curve ||
           !same(n.CurveAmount, g->CurveAmount) || n.Notes != g->Notes ||
           n.UserOrder != g->UserOrder || !same(n.Date, g->Date);
}

// --- students ---

TStudentCommand::TStudentCommand(TGradebookDocument& doc, TStudentEdit edit)
    : TGradebookCommand(doc, edit.IsNew ? QStringLiteral("New Student")
                                        : QStringLiteral("Student Properties")),
      edit_(std::move(edit)) {}

void TStudentCommand::redo() {
    TGradebook& gb = Gb();
    if (edit_.IsNew) {
        InsertStudent(gb, edit_);
        emit doc_.shapeChanged();
    } else {
        ExchangeStudentEdit(gb, edit_); // the edit now holds what it replaced
    }
    emit doc_.cellChanged(1, edit_.Row);
    emit doc_.cursorRequested(1, edit_.Row);
}

void TStudentCommand::undo() {
    TGradebook& gb = Gb();
    if (edit_.IsNew) {
        gb.DeleteRow(edit_.Row);
        emit doc_.shapeChanged();
    } else {
        ExchangeStudentEdit(gb, edit_);
    }
    emit doc_.cellChanged(1, std::min(edit_.Row, gb.RowCount() - 1));
    emit doc_.cursorRequested(1, std::min(edit_.Row, gb.RowCount() - 1));
}

// --- grades ---

TGradeCommand::TGradeCommand(TGradebookDocument& doc, TGradeEdit edit)
    : TGradebookCommand(doc, edit.IsNew ? QStringLiteral("New Grade")
                                        : QStringLiteral("Grade Properties")),
      edit_(std::move(edit)) {}

void TGradeCommand::redo() {
    TGradebook& gb = Gb();
    averages_.Before(gb);
    if (edit_.IsNew)
        InsertGrade(gb, edit_);
    else
        ExchangeGradeEdit(gb, edit_);
    // Points, weight, category, curve, "Points are weights" and "Omit zeros" all move them.
    averages_.AfterRedo(gb);
    Notify(edit_.IsNew);
}

void TGradeCommand::undo() {
    TGradebook& gb = Gb();
    if (edit_.IsNew)
        RemoveInsertedGrade(gb, edit_);
    else
        ExchangeGradeEdit(gb, edit_);
    averages_.AfterUndo(gb);
    Notify(edit_.IsNew);
}

void TGradeCommand::Notify(bool shape) {
    if (shape) emit doc_.shapeChanged();
    emit doc_.widthsChanged();
    emit doc_.averagesChanged();
    emit doc_.switchesChanged();
    const int c = std::min(edit_.Column, Gb().ColCount() - 1);
    emit doc_.cursorRequested(c, 1);
}

// --- sorts ---

TSortCommand::TSortCommand(TGradebookDocument& doc, TSortStep step, TStudentSort students,
                           TGradeSort grades, int cursorCol, int cursorRow)
    : TGradebookCommand(doc, step.Students ? QStringLiteral("Sort Students")
                                           : QStringLiteral("Sort Grades")),
      step_(std::move(step)), newStudents_(students), oldStudents_(doc.StudentSort()),
      newGrades_(grades), oldGrades_(doc.GradeSort()), col_(cursorCol), row_(cursorRow) {}

void TSortCommand::redo() {
    ApplySortStep(Gb(), step_);
    doc_.SetSorts(newStudents_, newGrades_);
    emit doc_.shapeChanged();
    emit doc_.widthsChanged();
    emit doc_.averagesChanged();
    int c = col_, r = row_;
    if (!step_.Order.empty()) {
        // The cursor stays with its student (grade).
        const std::vector<int> placeOf = InversePermutation(step_.Order);
        int& moved = step_.Students ? r : c;
        if (moved >= 0 && moved < static_cast<int>(placeOf.size()))
            moved = placeOf[static_cast<size_t>(moved)];
    }
    emit doc_.cursorRequested(c, r);
}

void TSortCommand::undo() {
    RevertSortStep(Gb(), step_);
    doc_.SetSorts(oldStudents_, oldGrades_);
    emit doc_.shapeChanged();
    emit doc_.widthsChanged();
    emit doc_.averagesChanged();
    emit doc_.cursorRequested(col_, row_);
}

} // namespace marklow

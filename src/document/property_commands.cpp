#include "property_commands.h"

#include "averages.h"
#include "options_result.h"

#include <cstring>

#include <QCoreApplication>

namespace marklow {

bool StudentEditChanges(const TGradebook& gb, const TStudentEdit& e) {
    if (e.IsNew) return true;
    const TStudent* s = gb.StudentAt(e.Row);
    return !s || e.NameCell != gb.Cell(1, e.Row) || e.Student.ID != s->ID ||
           e.Student.Notes != s->Notes || e.Student.UserOrder != s->UserOrder;
}

bool GradeEditMovesAverages(const TGradebook& gb, const TGradeEdit& e) {
    if (e.IsNew) return true; // its All Grades page may have changed the rules too
    const TGrade* g = gb.GradeAt(e.Column);
    const TGradeDefaults d = GradeDefaultsOf(gb);
    if (!g || e.Defaults.PointsAreWeights != d.PointsAreWeights ||
        e.Defaults.OmitZeros != d.OmitZeros)
        return true;
    return !SameSettings(SettingsOf(e.Grade), SettingsOf(*g));
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

TStudentCommand::TStudentCommand(TGradebookDocument& doc, TStudentEdit edit, int cursorCol)
    : TGradebookCommand(
          doc, edit.IsNew ? QCoreApplication::translate("TGradebookCommand", "New Student")
                          : QCoreApplication::translate("TGradebookCommand", "Student Properties")),
      edit_(std::move(edit)), cursorCol_(cursorCol) {}

void TStudentCommand::redo() {
    TGradebook& gb = Gb();
    if (edit_.IsNew) {
        // The student made by the first redo comes back on later ones, so the results kept
        // by later steps still find it.
        if (taken_.Student)
            gb.PutRow(edit_.Row, std::move(taken_));
        else
            InsertStudent(gb, edit_);
        emit doc_.shapeChanged();
    } else {
        ExchangeStudentEdit(gb, edit_); // the edit now holds what it replaced
    }
    emit doc_.cellChanged(1, edit_.Row);
    emit doc_.cursorRequested(cursorCol_, edit_.Row);
}

void TStudentCommand::undo() {
    TGradebook& gb = Gb();
    if (edit_.IsNew) {
        taken_ = gb.TakeRow(edit_.Row);
        emit doc_.shapeChanged();
    } else {
        ExchangeStudentEdit(gb, edit_);
    }
    emit doc_.cellChanged(1, std::min(edit_.Row, gb.RowCount() - 1));
    emit doc_.cursorRequested(cursorCol_, std::min(edit_.Row, gb.RowCount() - 1));
}

// --- grades ---

TGradeCommand::TGradeCommand(TGradebookDocument& doc, TGradeEdit edit, int cursorRow)
    : TGradebookCommand(
          doc, edit.IsNew ? QCoreApplication::translate("TGradebookCommand", "New Grade")
                          : QCoreApplication::translate("TGradebookCommand", "Grade Properties")),
      edit_(std::move(edit)), moves_(GradeEditMovesAverages(doc.Gradebook(), edit_)),
      cursorRow_(cursorRow) {}

void TGradeCommand::redo() {
    TGradebook& gb = Gb();
    if (moves_) averages_.Before(gb);
    if (!edit_.IsNew) {
        ExchangeGradeEdit(gb, edit_);
    } else if (taken_.Grade) {
        // The grade made by the first redo comes back on later ones.
        gb.PutColumn(edit_.Column, std::move(taken_));
        ExchangeGradeDefaults(gb, edit_.Defaults);
    } else {
        InsertGrade(gb, edit_);
    }
    if (moves_) averages_.AfterRedo(gb);
    Notify(edit_.IsNew);
}

void TGradeCommand::undo() {
    TGradebook& gb = Gb();
    if (edit_.IsNew) {
        taken_ = gb.TakeColumn(edit_.Column);
        ExchangeGradeDefaults(gb, edit_.Defaults);
    } else {
        ExchangeGradeEdit(gb, edit_);
    }
    if (moves_) averages_.AfterUndo(gb);
    Notify(edit_.IsNew);
}

void TGradeCommand::Notify(bool shape) {
    if (shape) emit doc_.shapeChanged();
    emit doc_.widthsChanged();
    if (moves_) emit doc_.averagesChanged();
    emit doc_.switchesChanged();
    const int c = std::min(edit_.Column, Gb().ColCount() - 1);
    emit doc_.cursorRequested(c, std::min(cursorRow_, Gb().RowCount() - 1));
}

// --- sorts ---

TSortCommand::TSortCommand(TGradebookDocument& doc, TSortStep step, TStudentSort students,
                           TGradeSort grades, int cursorCol, int cursorRow)
    : TGradebookCommand(doc, step.Students
                                 ? QCoreApplication::translate("TGradebookCommand", "Sort Students")
                                 : QCoreApplication::translate("TGradebookCommand", "Sort Grades")),
      step_(std::move(step)), newStudents_(students), oldStudents_(doc.StudentSort()),
      newGrades_(grades), oldGrades_(doc.GradeSort()), col_(cursorCol), row_(cursorRow) {}

void TSortCommand::redo() {
    ApplySortStep(Gb(), step_);
    doc_.SetSorts(newStudents_, newGrades_);
    emit doc_.shapeChanged();                       // the averages move with their rows and columns
    if (!step_.Students) emit doc_.widthsChanged(); // and the widths with their columns
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
    if (!step_.Students) emit doc_.widthsChanged();
    emit doc_.cursorRequested(col_, row_);
}

} // namespace marklow

#include "commands.h"

#include "averages.h"

#include <algorithm>

#include <QCoreApplication>

namespace marklow {

void TAveragesKeeper::AfterRedo(TGradebook& gb) {
    if (after_) {
        after_->Restore(gb);
    } else {
        RecomputeAll(gb);
        after_ = TAveragesState::Capture(gb, parts_);
    }
}

// --- Delete Student ---

TDeleteStudentCommand::TDeleteStudentCommand(TGradebookDocument& doc, int r, int cursorCol)
    : TGradebookCommand(doc, QCoreApplication::translate("TGradebookCommand", "Delete Student")),
      row_(r), cursorCol_(cursorCol) {}

void TDeleteStudentCommand::redo() {
    TGradebook& gb = Gb();
    averages_.Before(gb);
    taken_ = gb.TakeRow(row_);
    averages_.AfterRedo(gb);
    emit doc_.shapeChanged();
    emit doc_.averagesChanged();
    // Never onto the spare row, where nothing typed would be kept.
    emit doc_.cursorRequested(cursorCol_, std::clamp(row_, 2, std::max(2, gb.LastStudentRow())));
}

void TDeleteStudentCommand::undo() {
    TGradebook& gb = Gb();
    gb.PutRow(row_, std::move(taken_));
    averages_.AfterUndo(gb);
    emit doc_.shapeChanged();
    emit doc_.averagesChanged();
    emit doc_.cursorRequested(cursorCol_, row_);
}

// --- Delete Grade ---

TDeleteGradeCommand::TDeleteGradeCommand(TGradebookDocument& doc, int c, int cursorRow)
    : TGradebookCommand(doc, QCoreApplication::translate("TGradebookCommand", "Delete Grade")),
      col_(c), cursorRow_(cursorRow) {}

void TDeleteGradeCommand::redo() {
    TGradebook& gb = Gb();
    averages_.Before(gb);
    taken_ = gb.TakeColumn(col_);
    averages_.AfterRedo(gb);
    emit doc_.shapeChanged();
    emit doc_.widthsChanged();
    emit doc_.averagesChanged();
    emit doc_.cursorRequested(std::clamp(col_, 2, std::max(2, gb.LastGradeColumn())), cursorRow_);
}

void TDeleteGradeCommand::undo() {
    TGradebook& gb = Gb();
    gb.PutColumn(col_, std::move(taken_));
    averages_.AfterUndo(gb);
    emit doc_.shapeChanged();
    emit doc_.widthsChanged();
    emit doc_.averagesChanged();
    emit doc_.cursorRequested(col_, cursorRow_);
}

// --- a dragged row or column ---

TMoveCommand::TMoveCommand(TGradebookDocument& doc, TAxis axis, int from, int to)
    : TGradebookCommand(doc, axis == TAxis::Rows
                                 ? QCoreApplication::translate("TGradebookCommand", "Move Student")
                                 : QCoreApplication::translate("TGradebookCommand", "Move Grade")),
      axis_(axis), from_(from), to_(to),
      oldUserOrder_(axis == TAxis::Rows ? Gb().StudentsInUserOrder : Gb().GradesInUserOrder),
      oldStudentSort_(doc.StudentSort()), oldGradeSort_(doc.GradeSort()) {}

void TMoveCommand::SetOrder(bool userOrder, TStudentSort students, TGradeSort grades) {
    // Assigned, not switched: turning the switch off here must not record any order.
    if (axis_ == TAxis::Rows)
        Gb().StudentsInUserOrder = userOrder;
    else
        Gb().GradesInUserOrder = userOrder;
    doc_.SetSorts(students, grades);
    emit doc_.switchesChanged();
}

void TMoveCommand::redo() {
    if (!done_) {
        if (axis_ == TAxis::Rows)
            Gb().MoveRow(from_, to_);
        else
            Gb().MoveColumn(from_, to_);
        emit doc_.shapeChanged();
        if (axis_ == TAxis::Columns) emit doc_.widthsChanged(); // widths go with columns
    }
    done_ = false;
    if (axis_ == TAxis::Rows) {
        // Turning it on records nothing, so the switch operation is safe here.
        Gb().SetStudentsInUserOrder(true);
        SetOrder(true, TStudentSort::UserInput, oldGradeSort_);
    } else {
        Gb().SetGradesInUserOrder(true);
        SetOrder(true, oldStudentSort_, TGradeSort::UserInput);
    }
}

void TMoveCommand::undo() {
    if (axis_ == TAxis::Rows)
        Gb().MoveRow(to_, from_);
    else
        Gb().MoveColumn(to_, from_);
    SetOrder(oldUserOrder_, oldStudentSort_, oldGradeSort_);
    emit doc_.shapeChanged();
    if (axis_ == TAxis::Columns) emit doc_.widthsChanged();
}

// --- the mode ---

TModeCommand::TModeCommand(TGradebookDocument& doc, int cursorCol, int cursorRow)
    : TGradebookCommand(doc, QCoreApplication::translate("TGradebookCommand", "Toggle Edit Mode")),
      newMode_(!doc.Gradebook().EditMode()), oldCol_(cursorCol), oldRow_(cursorRow) {}

void TModeCommand::Apply(bool editMode, int c, int r) {
    TGradebook& gb = Gb();
    gb.SetEditMode(editMode); // reshapes and raises OnModeChange
    gb.FitSpareCells();
    emit doc_.shapeChanged();
    emit doc_.widthsChanged();
    emit doc_.cursorRequested(c, r);
}

void TModeCommand::redo() {
    Apply(newMode_, newMode_ ? 1 : 2, 2);
}

void TModeCommand::undo() {
    Apply(!newMode_, oldCol_, oldRow_);
}

// --- letters with the averages ---

TShowLettersCommand::TShowLettersCommand(TGradebookDocument& doc, bool on)
    : TGradebookCommand(doc, QCoreApplication::translate("TGradebookCommand", "Letter Averages")),
      on_(on) {}

void TShowLettersCommand::Set(bool on) {
    TGradebook& gb = Gb();
    gb.ShowLetters = on;
    RecomputeAll(gb); // every average's text gains or loses its letter
    emit doc_.averagesChanged();
    emit doc_.switchesChanged();
}

// --- the password ---

TPasswordCommand::TPasswordCommand(TGradebookDocument& doc, std::string password)
    : TGradebookCommand(doc, QCoreApplication::translate("TGradebookCommand", "Password")),
      old_(doc.Gradebook().Password), new_(std::move(password)) {}

void TPasswordCommand::redo() {
    Gb().Password = new_;
}

void TPasswordCommand::undo() {
    Gb().Password = old_;
}

} // namespace marklow

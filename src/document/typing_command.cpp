#include "typing_command.h"

#include "averages.h"

#include <QCoreApplication>

namespace marklow {

TTypingCommand::TTypingCommand(TGradebookDocument& doc, TCellEdit edit)
    : TGradebookCommand(doc, QCoreApplication::translate("TGradebookCommand", "Typing")),
      edit_(std::move(edit)) {
    newText_ = std::string(Gb().Cell(edit_.Col, edit_.Row));
    if (edit_.Created == TNewObject::Student) newUserOrder_ = Gb().StudentsInUserOrder;
    if (edit_.Created == TNewObject::Grade) newUserOrder_ = Gb().GradesInUserOrder;
}

void TTypingCommand::TakeBack(TGradebook& gb, const TCellEdit& edit,
                              std::unique_ptr<TStudent>& student, std::unique_ptr<TGrade>& grade) {
    gb.SetCell(edit.Col, edit.Row, edit.OldText);
    // The row (column) was the spare one, and the spare one appended after it goes again.
    if (edit.Created == TNewObject::Student) {
        student = gb.DetachStudent(edit.Row);
        gb.SetRowCount(edit.Row + 1);
        gb.StudentsInUserOrder = edit.OldUserOrder;
    } else if (edit.Created == TNewObject::Grade) {
        grade = gb.DetachGrade(edit.Col);
        gb.SetColCount(edit.Col + 1);
        gb.GradesInUserOrder = edit.OldUserOrder;
    }
    UpdateAveragesForCell(gb, edit.Col, edit.Row);
}

void TTypingCommand::redo() {
    if (done_) {
        done_ = false;
        return;
    }
    TGradebook& gb = Gb();
    if (edit_.Created == TNewObject::Student) {
        gb.SetRowCount(edit_.Row + 2);
        gb.AttachStudent(edit_.Row, std::move(student_));
        gb.StudentsInUserOrder = newUserOrder_;
    } else if (edit_.Created == TNewObject::Grade) {
        gb.SetColCount(edit_.Col + 2);
        gb.AttachGrade(edit_.Col, std::move(grade_));
        gb.GradesInUserOrder = newUserOrder_;
    }
    gb.SetCell(edit_.Col, edit_.Row, newText_);
    UpdateAveragesForCell(gb, edit_.Col, edit_.Row);
    Notify();
}

void TTypingCommand::undo() {
    TakeBack(Gb(), edit_, student_, grade_);
    Notify();
}

void TTypingCommand::Notify() {
    if (edit_.Created != TNewObject::None) {
        emit doc_.shapeChanged();
        emit doc_.switchesChanged();
    }
    emit doc_.cellChanged(edit_.Col, edit_.Row);
    emit doc_.cursorRequested(edit_.Col, edit_.Row);
}

} // namespace marklow

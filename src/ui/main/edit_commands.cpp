#include "edit_commands.h"

#include "cell_rules.h"
#include "commands.h"
#include "gradebook_table.h"
#include "main_window.h"
#include "prompts.h"

#include <QAction>

namespace marklow {

TEditCommands::TEditCommands(TSDIAppForm& form) : QObject(&form), form_(form) {
    auto wire = [this](QAction* a, void (TEditCommands::*handler)()) {
        a->setEnabled(true);
        connect(a, &QAction::triggered, this, handler);
    };
    wire(form.Undo1, &TEditCommands::Undo1Click);
    wire(form.Redo1, &TEditCommands::Redo1Click);
    wire(form.Student1, &TEditCommands::DeleteStudent1Click);
    wire(form.Grade1, &TEditCommands::DeleteGrade1Click);
    wire(form.ToggleEditMode1, &TEditCommands::ToggleEditModeClick);
    wire(form.ToggleEditMode2, &TEditCommands::ToggleEditModeClick);
    wire(form.EnterAddNames1, &TEditCommands::EnterAddNames1Click);
    wire(form.MoveViewNames1, &TEditCommands::MoveViewNames1Click);
    form.Undo1->setEnabled(false); // until there is something to take back
    form.Redo1->setEnabled(false);
}

void TEditCommands::Undo1Click() {
    form_.Document().Undo();
}

void TEditCommands::Redo1Click() {
    form_.Document().Redo();
}

void TEditCommands::DeleteStudent1Click() {
    TGradebookDocument& doc = form_.Document();
    const int c = form_.GradeBook->Col(), r = form_.GradeBook->Row();
    if (!CanDeleteStudent(doc.Gradebook(), r)) return;
    const QString text = tr("Delete Student-%1").arg(ToQString(doc.Gradebook().Cell(1, r)));
    if (Prompts().Message(TMessageKind::Confirmation, text, TButtons::OkCancel) != TAnswer::Ok)
        return;
    doc.Push(new TDeleteStudentCommand(doc, r, c));
}

void TEditCommands::DeleteGrade1Click() {
    TGradebookDocument& doc = form_.Document();
    const int c = form_.GradeBook->Col(), r = form_.GradeBook->Row();
    if (!CanDeleteGrade(doc.Gradebook(), c)) return;
    const QString text = tr("Delete Grade-%1").arg(ToQString(doc.Gradebook().Cell(c, 1)));
    if (Prompts().Message(TMessageKind::Confirmation, text, TButtons::OkCancel) != TAnswer::Ok)
        return;
    doc.Push(new TDeleteGradeCommand(doc, c, r));
}

void TEditCommands::ToggleEditModeClick() {
    TGradebookDocument& doc = form_.Document();
    if (!CanToggleMode(doc.Gradebook())) return;
    if (!form_.FinishCellEdit()) {
        // Text in the spare column would vanish with it: say so and stay.
        form_.ShowInvalidEntry();
        return;
    }
    doc.Push(new TModeCommand(doc, form_.GradeBook->Col(), form_.GradeBook->Row()));
}

void TEditCommands::EnterAddNames1Click() {
    if (!form_.Gradebook().EditMode()) ToggleEditModeClick();
    form_.UpdateModeIndicators(); // a refused switch puts the check mark back
}

void TEditCommands::MoveViewNames1Click() {
    if (form_.Gradebook().EditMode()) ToggleEditModeClick();
    form_.UpdateModeIndicators();
}

} // namespace marklow

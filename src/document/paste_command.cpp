#include "paste_command.h"

#include <QCoreApplication>

namespace marklow {

TPasteCommand::TPasteCommand(TGradebookDocument& doc, TPastePlan plan)
    : TGradebookCommand(doc, QCoreApplication::translate("TGradebookCommand", "Paste")),
      plan_(std::move(plan)) {}

void TPasteCommand::redo() {
    TGradebook& gb = Gb();
    averages_.Before(gb);
    ApplyPaste(gb, plan_);
    averages_.AfterRedo(gb); // new students and a new grade move every average
    emit doc_.shapeChanged();
    emit doc_.widthsChanged();
    emit doc_.averagesChanged();
}

void TPasteCommand::undo() {
    TGradebook& gb = Gb();
    RevertPaste(gb, plan_);
    averages_.AfterUndo(gb);
    emit doc_.shapeChanged();
    emit doc_.widthsChanged();
    emit doc_.averagesChanged();
}

} // namespace marklow

#include "paste_command.h"

#include "averages.h"

namespace marklow {

TPasteCommand::TPasteCommand(TGradebookDocument& doc, TPastePlan plan)
    : TGradebookCommand(doc, QStringLiteral("Paste")), plan_(std::move(plan)) {}

void TPasteCommand::redo() {
    TGradebook& gb = Gb();
    if (!before_) before_ = TAveragesState::Capture(gb);
    ApplyPaste(gb, plan_);
    // New students and a new grade move every average; the objects are new each time, so
    // there are no results to put back.
    RecomputeAll(gb);
    emit doc_.shapeChanged();
    emit doc_.widthsChanged();
    emit doc_.averagesChanged();
}

void TPasteCommand::undo() {
    TGradebook& gb = Gb();
    RevertPaste(gb, plan_);
    before_->Restore(gb);
    emit doc_.shapeChanged();
    emit doc_.widthsChanged();
    emit doc_.averagesChanged();
}

} // namespace marklow

#include "roster_command.h"

namespace marklow {

TRosterImportCommand::TRosterImportCommand(TGradebookDocument& doc, TRosterChange change)
    : TGradebookCommand(doc, QStringLiteral("Import Roster")), change_(std::move(change)) {}

void TRosterImportCommand::redo() {
    // The new students have no entries, so no average but their own moves.
    ApplyRosterImport(Gb(), change_);
    Changed();
}

void TRosterImportCommand::undo() {
    RevertRosterImport(Gb(), change_);
    Changed();
}

void TRosterImportCommand::Changed() {
    emit doc_.shapeChanged();
    emit doc_.widthsChanged();
    emit doc_.averagesChanged();
}

} // namespace marklow

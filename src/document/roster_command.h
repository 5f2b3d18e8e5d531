#pragma once
// File > Import Roster: the students a class list adds and the IDs and notes it fills in, as
// one step. It keeps only that change; undo takes exactly those students out again.

#include "commands.h"
#include "roster_import.h"

namespace marklow {

class TRosterImportCommand final : public TGradebookCommand {
public:
    TRosterImportCommand(TGradebookDocument& doc, TRosterChange change);
    void redo() override;
    void undo() override;

private:
    void Changed();
    TRosterChange change_;
};

} // namespace marklow

#pragma once
// Paste: the students (and the "Averages" grade) a clipboard block or a list of names adds,
// as one step. The plan says exactly what is added, so undo takes exactly that out again.

#include "clipboard_data.h"
#include "commands.h"

namespace marklow {

class TPasteCommand final : public TGradebookCommand {
public:
    TPasteCommand(TGradebookDocument& doc, TPastePlan plan);
    void redo() override;
    void undo() override;

private:
    TPastePlan plan_;
    TAveragesKeeper averages_;
};

} // namespace marklow

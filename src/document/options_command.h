#pragma once
// The options dialog's OK as one step ("Undo Options"): categories, letter tables, the grades'
// settings, the switches and the description, each given back exactly on undo.

#include "commands.h"
#include "options_result.h"

namespace marklow {

class TOptionsCommand final : public TGradebookCommand {
public:
    TOptionsCommand(TGradebookDocument& doc, TOptionsResult result);
    void redo() override;
    void undo() override;

    // Whether applying the result would change the gradebook at all.
    static bool Changes(const TGradebook& gb, const TOptionsResult& result);

private:
    void Notify();
    TOptionsResult new_, old_;
    TAveragesKeeper averages_;
};

} // namespace marklow

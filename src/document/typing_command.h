#pragma once
// One visit to one cell: the text on entering against the text on leaving, with the student
// or grade that a name typed into the spare row or column created.

#include "commands.h"

#include <memory>

namespace marklow {

class TTypingCommand final : public TGradebookCommand {
public:
    // The edit is already in the gradebook; the first redo leaves it as it is.
    TTypingCommand(TGradebookDocument& doc, TCellEdit edit);
    void redo() override;
    void undo() override;

    // Takes a visit's typing back out of the gradebook: the old text, and the created object
    // with the spare row or column that came with it (handed back for a later redo).
    static void TakeBack(TGradebook& gb, const TCellEdit& edit, std::unique_ptr<TStudent>& student,
                         std::unique_ptr<TGrade>& grade);

private:
    void Notify();
    TCellEdit edit_;
    std::string newText_;
    bool newUserOrder_ = false;
    bool done_ = true;
    std::unique_ptr<TStudent> student_; // held while undone
    std::unique_ptr<TGrade> grade_;
};

} // namespace marklow

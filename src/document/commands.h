#pragma once
// The commands that change an open gradebook. Each stores only what it changes (a cell's two
// texts, a removed row or column with its object, two indexes, the averages' results) and
// gives back exactly the earlier state on undo. See docs/architecture.md for adding one.

#include "averages_state.h"
#include "gradebook_document.h"

#include <QUndoCommand>

#include <optional>
#include <string>

namespace marklow {

class TGradebookCommand : public QUndoCommand {
public:
    TGradebookCommand(TGradebookDocument& doc, const QString& text)
        : QUndoCommand(text), doc_(doc) {}

protected:
    TGradebook& Gb() { return doc_.Gradebook(); }
    TGradebookDocument& doc_;
};

// The averages' results around a change that moves them all: the first redo recomputes
// every average, each later undo and redo puts the results of before or after back in
// O(students + grades). Results of objects made anew by a redo cannot be put back and are
// recomputed.
class TAveragesKeeper {
public:
    // parts: the results the change moves (TAveragesState::TParts).
    explicit TAveragesKeeper(int parts = TAveragesState::kBoth) : parts_(parts) {}
    // Before the change is made, on every redo.
    void Before(const TGradebook& gb) {
        if (!before_) before_ = TAveragesState::Capture(gb, parts_);
    }
    // After the change is made.
    void AfterRedo(TGradebook& gb);
    // After the change is taken back.
    void AfterUndo(TGradebook& gb) const { before_->Restore(gb); }

private:
    int parts_;
    std::optional<TAveragesState> before_, after_;
};

// Delete > Student on row r. The cursor stays in column cursorCol.
class TDeleteStudentCommand final : public TGradebookCommand {
public:
    TDeleteStudentCommand(TGradebookDocument& doc, int r, int cursorCol);
    void redo() override;
    void undo() override;

private:
    int row_;
    int cursorCol_;
    TGradebook::TTakenRow taken_;
    TAveragesKeeper averages_{TAveragesState::kGrades}; // no other student's average moves
};

// Delete > Grade on column c. The cursor stays in row cursorRow.
class TDeleteGradeCommand final : public TGradebookCommand {
public:
    TDeleteGradeCommand(TGradebookDocument& doc, int c, int cursorRow);
    void redo() override;
    void undo() override;

private:
    int col_;
    int cursorRow_;
    TGradebook::TTakenColumn taken_;
    TAveragesKeeper averages_{TAveragesState::kStudents}; // no other class average moves
};

// A row (student) or column (grade) dragged to a new place in move mode. The grid has moved
// it already when the command is pushed, so the first redo only sets the switches.
class TMoveCommand final : public TGradebookCommand {
public:
    enum class TAxis { Rows, Columns };
    TMoveCommand(TGradebookDocument& doc, TAxis axis, int from, int to);
    void redo() override;
    void undo() override;

private:
    void SetOrder(bool userOrder, TStudentSort students, TGradeSort grades);
    TAxis axis_;
    int from_, to_;
    bool done_ = true;
    bool oldUserOrder_;
    TStudentSort oldStudentSort_;
    TGradeSort oldGradeSort_;
};

// Toggle Edit Mode, Edit Names, Move Names: the mode with its spare row and column.
class TModeCommand final : public TGradebookCommand {
public:
    TModeCommand(TGradebookDocument& doc, int cursorCol, int cursorRow);
    void redo() override;
    void undo() override;

private:
    void Apply(bool editMode, int c, int r);
    bool newMode_;
    int oldCol_, oldRow_;
};

// View > "&Letter Averages": the switch is kept in the file, so it is a step like the others.
class TShowLettersCommand final : public TGradebookCommand {
public:
    TShowLettersCommand(TGradebookDocument& doc, bool on);
    void redo() override { Set(on_); }
    void undo() override { Set(!on_); }

private:
    void Set(bool on);
    bool on_;
};

// A password set, changed or removed.
class TPasswordCommand final : public TGradebookCommand {
public:
    TPasswordCommand(TGradebookDocument& doc, std::string password);
    void redo() override;
    void undo() override;

private:
    std::string old_, new_;
};

} // namespace marklow

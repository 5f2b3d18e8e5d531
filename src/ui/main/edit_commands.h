#pragma once
// The Edit menu's own commands: Undo and Redo, deleting a student or a grade, and the switch
// between edit and move mode. Each change is one command on the document's undo stack.

#include <QObject>

namespace marklow {

class TSDIAppForm;

class TEditCommands final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TEditCommands)
public:
    // Wires its items of the form's menus, context menu and tool bar.
    explicit TEditCommands(TSDIAppForm& form);

    void Undo1Click();
    void Redo1Click();
    void DeleteStudent1Click();
    void DeleteGrade1Click();
    void ToggleEditModeClick();
    void EnterAddNames1Click();
    void MoveViewNames1Click();

private:
    TSDIAppForm& form_;
};

} // namespace marklow

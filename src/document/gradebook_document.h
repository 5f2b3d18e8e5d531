#pragma once
// The open document: the gradebook, the file it came from and the undo stack. Every change to
// the gradebook is a command pushed here, so each is one step of Undo and Redo; the grid, the
// status bar and the menus follow the signals, never the command handlers.
//
// Typing is the one change that reaches the gradebook before its command: the grid's editor
// writes each keystroke into the cell (averages follow every keystroke), and the cell's text
// on entering against its text on leaving becomes one "Typing" step when the cell is left or
// a command begins (CommitCellEdit).

#include "gradebook.h"
#include "new_objects.h"

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <memory>
#include <string>
#include <string_view>

namespace marklow {

// The check marks of the two sort submenus, which commands change and give back.
enum class TStudentSort { None = -1, UserInput, Name, Average, ID };
enum class TGradeSort { None = -1, UserInput, Name, Date, Category };

// What typing into one cell has changed since the cell was entered.
struct TCellEdit {
    int Col = 0;
    int Row = 0;
    std::string OldText;
    TNewObject Created = TNewObject::None;
    bool OldUserOrder = false; // the user-order switch before the object was created
};

class TGradebookDocument final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TGradebookDocument)
public:
    explicit TGradebookDocument(QObject* parent = nullptr);
    ~TGradebookDocument() override;

    // Read freely; change only through commands (or the cell editor, above).
    TGradebook& Gradebook() { return gb_; }
    const TGradebook& Gradebook() const { return gb_; }
    QUndoStack& UndoStack() { return stack_; }

    // --- the file ---
    // Empty while the gradebook was never saved.
    const QString& FilePath() const { return filePath_; }
    void SetFilePath(const QString& path);
    // "Untitled", or the file's name without its folder, cut before its first ".".
    QString Title() const;

    // --- modified: the gradebook differs from its file ---
    bool IsModified() const;
    // A change that is not on the undo stack; stays until the next save, New or Open.
    void MarkModified();
    // The gradebook was written: commits the cell being typed and makes this the clean state.
    void SetSaved();
    // A new or opened gradebook: no history, nothing pending, unmodified.
    void ResetHistory();

    // --- commands ---
    // Commits the cell being typed into first, so the steps stay in the order they were made.
    void Push(QUndoCommand* command);
    bool CanUndo() const;
    bool CanRedo() const;
    // "Undo Delete Student", "Redo Typing"; the bare captions when there is nothing to do.
    QString UndoText() const;
    QString RedoText() const;
    // Undo first takes back the text typed into the cell since it was entered.
    void Undo();
    void Redo();
    // True while a command runs: views must not start another one then.
    bool Busy() const { return busy_ > 0; }

    // --- the cell being typed into ---
    // The editor's text of (c, r) changed: stores it, remembers the cell's text before the
    // first change of this visit, and turns a name typed into the spare row or column into a
    // student or grade (part of the same step).
    void EditCell(int c, int r, std::string_view text);
    // The cell has a change since it was entered.
    bool HasPendingEdit() const;
    // Pushes the typing step when the cell changed; true when it did.
    bool CommitCellEdit();
    // Puts back the text the cell had when it was entered, with what the typing created.
    void RevertCellEdit();

    // --- the sort check marks ---
    TStudentSort StudentSort() const { return studentSort_; }
    TGradeSort GradeSort() const { return gradeSort_; }
    void SetSorts(TStudentSort students, TGradeSort grades);
    // After a file was read: "by User Input" where the file's switch is on, else nothing.
    void SortsFromSwitches();

signals:
    // One cell's text changed, with the averages of its row and column.
    void cellChanged(int c, int r);
    // Rows or columns were added, removed or moved.
    void shapeChanged();
    // Texts throughout the table changed width: every column is fitted again.
    void widthsChanged();
    // Every average was recomputed or put back.
    void averagesChanged();
    void modeChanged();
    // ShowLetters, the user-order switches or the sort check marks.
    void switchesChanged();
    void modifiedChanged(bool modified);
    // What Undo and Redo would do changed.
    void undoRedoChanged();
    // A command asks for the cursor at its place, so the teacher sees what changed.
    void cursorRequested(int c, int r);

private:
    friend class TCommandScope;
    void UpdateModified();
    bool PendingDiffers() const;

    TGradebook gb_;
    QUndoStack stack_;
    QString filePath_;
    std::unique_ptr<TCellEdit> pending_;
    TStudentSort studentSort_ = TStudentSort::UserInput;
    TGradeSort gradeSort_ = TGradeSort::UserInput;
    bool forcedModified_ = false;
    bool lastModified_ = false;
    int busy_ = 0;
};

// Marks a command as running for its lifetime (redo and undo of every command).
class TCommandScope {
public:
    explicit TCommandScope(TGradebookDocument& doc) : doc_(doc) { ++doc_.busy_; }
    ~TCommandScope() { --doc_.busy_; }
    TCommandScope(const TCommandScope&) = delete;
    TCommandScope& operator=(const TCommandScope&) = delete;

private:
    TGradebookDocument& doc_;
};

} // namespace marklow

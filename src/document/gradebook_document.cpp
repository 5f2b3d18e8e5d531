#include "gradebook_document.h"

#include "file_history.h"
#include "typing_command.h"

namespace marklow {

TGradebookDocument::TGradebookDocument(QObject* parent) : QObject(parent) {
    gb_.Categories.OnModeChange = [this] { emit modeChanged(); };
    // A deleted column of 10,000 cells with the averages' results is about 300 KB; a
    // thousand of them is plenty of history.
    stack_.setUndoLimit(1000);
    auto changed = [this] {
        UpdateModified();
        emit undoRedoChanged();
    };
    connect(&stack_, &QUndoStack::indexChanged, this, changed);
    connect(&stack_, &QUndoStack::cleanChanged, this, changed);
}

TGradebookDocument::~TGradebookDocument() {
    gb_.Categories.OnModeChange = nullptr;
    // The commands hold objects of this gradebook's kind; they go before the gradebook.
    disconnect(&stack_, nullptr, this, nullptr);
    stack_.clear();
}

void TGradebookDocument::SetFilePath(const QString& path) {
    filePath_ = path;
}

QString TGradebookDocument::Title() const {
    if (filePath_.isEmpty()) return tr("Untitled");
    return QString::fromStdString(TitleFromPath(filePath_.toStdString()));
}

// --- modified ---

bool TGradebookDocument::PendingDiffers() const {
    if (!pending_) return false;
    const TCellEdit& e = *pending_;
    if (e.Created != TNewObject::None) return true;
    if (e.Col >= gb_.ColCount() || e.Row >= gb_.RowCount()) return false;
    return gb_.Cell(e.Col, e.Row) != e.OldText;
}

bool TGradebookDocument::IsModified() const {
    return forcedModified_ || !stack_.isClean() || PendingDiffers();
}

void TGradebookDocument::UpdateModified() {
    const bool now = IsModified();
    if (now == lastModified_) return;
    lastModified_ = now;
    emit modifiedChanged(now);
}

void TGradebookDocument::MarkModified() {
    forcedModified_ = true;
    UpdateModified();
}

void TGradebookDocument::SetSaved() {
    CommitCellEdit();
    forcedModified_ = false;
    stack_.setClean();
    UpdateModified();
}

void TGradebookDocument::ResetHistory() {
    pending_.reset();
    forcedModified_ = false;
    stack_.clear();
    UpdateModified();
    emit undoRedoChanged();
}

// --- commands ---

void TGradebookDocument::Push(QUndoCommand* command) {
    std::unique_ptr<QUndoCommand> owned(command);
    if (busy_ > 0) return; // never one command inside another
    CommitCellEdit();
    TCommandScope scope(*this);
    stack_.push(owned.release());
}

bool TGradebookDocument::CanUndo() const {
    return stack_.canUndo() || PendingDiffers();
}

bool TGradebookDocument::CanRedo() const {
    return stack_.canRedo() && !PendingDiffers();
}

QString TGradebookDocument::UndoText() const {
    if (PendingDiffers()) return tr("&Undo Typing");
    return stack_.canUndo() ? tr("&Undo %1").arg(stack_.undoText()) : tr("&Undo");
}

QString TGradebookDocument::RedoText() const {
    return CanRedo() ? tr("&Redo %1").arg(stack_.redoText()) : tr("&Redo");
}

void TGradebookDocument::Undo() {
    if (busy_ > 0) return;
    CommitCellEdit();
    TCommandScope scope(*this);
    stack_.undo();
}

void TGradebookDocument::Redo() {
    if (busy_ > 0) return;
    CommitCellEdit();
    TCommandScope scope(*this);
    stack_.redo();
}

// --- the cell being typed into ---

void TGradebookDocument::EditCell(int c, int r, std::string_view text) {
    if (c < 0 || r < 0 || c >= gb_.ColCount() || r >= gb_.RowCount()) return;
    if (pending_ && (pending_->Col != c || pending_->Row != r)) CommitCellEdit();
    if (!pending_) {
        pending_ = std::make_unique<TCellEdit>();
        pending_->Col = c;
        pending_->Row = r;
        pending_->OldText = std::string(gb_.Cell(c, r));
    }
    gb_.SetCell(c, r, text);
    if (pending_->Created == TNewObject::None) {
        const bool before = c == 1 ? gb_.StudentsInUserOrder : gb_.GradesInUserOrder;
        pending_->Created = AddObjectForName(gb_, c, r, text);
        if (pending_->Created != TNewObject::None) {
            pending_->OldUserOrder = before;
            emit shapeChanged();
        }
    }
    UpdateModified();
    emit undoRedoChanged();
}

bool TGradebookDocument::HasPendingEdit() const {
    return PendingDiffers();
}

bool TGradebookDocument::CommitCellEdit() {
    if (!pending_ || busy_ > 0) return false;
    std::unique_ptr<TCellEdit> edit = std::move(pending_);
    const bool differs = edit->Created != TNewObject::None ||
                         (edit->Col < gb_.ColCount() && edit->Row < gb_.RowCount() &&
                          gb_.Cell(edit->Col, edit->Row) != edit->OldText);
    if (!differs) {
        emit undoRedoChanged();
        return false;
    }
    TCommandScope scope(*this);
    stack_.push(new TTypingCommand(*this, std::move(*edit)));
    return true;
}

void TGradebookDocument::RevertCellEdit() {
    if (!pending_ || busy_ > 0) return;
    std::unique_ptr<TCellEdit> edit = std::move(pending_);
    std::unique_ptr<TStudent> student;
    std::unique_ptr<TGrade> grade;
    TTypingCommand::TakeBack(gb_, *edit, student, grade);
    if (edit->Created != TNewObject::None) emit shapeChanged();
    emit cellChanged(edit->Col, edit->Row);
    UpdateModified();
    emit undoRedoChanged();
}

// --- sorts ---

void TGradebookDocument::SetSorts(TStudentSort students, TGradeSort grades) {
    if (students == studentSort_ && grades == gradeSort_) return;
    studentSort_ = students;
    gradeSort_ = grades;
    emit switchesChanged();
}

void TGradebookDocument::SortsFromSwitches() {
    studentSort_ = gb_.StudentsInUserOrder ? TStudentSort::UserInput : TStudentSort::None;
    gradeSort_ = gb_.GradesInUserOrder ? TGradeSort::UserInput : TGradeSort::None;
    emit switchesChanged();
}

} // namespace marklow

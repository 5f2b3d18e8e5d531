// Typing into the gradebook grid: which cells may be entered and left, what a keystroke
// updates, where Enter and Tab go, and what is painted over a cell.

#include "averages.h"
#include "commands.h"
#include "entry.h"
#include "main_window.h"
#include "prompts.h"
#include "text.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>

namespace marklow {

bool TSDIAppForm::FinishCellEdit() {
    if (rebuilding_) return true;
    TGradebook& gb = Gradebook();
    const int c = GradeBook->Col(), r = GradeBook->Row();
    const bool mayLeave = MayLeaveCell(gb, c, r);
    document_.CommitCellEdit(); // the visit to this cell becomes one undo step
    FitColumnWidth(c);
    // Only the shape of the mode: the spare row and column carry no data.
    gb.FitSpareCells();
    GradeBook->SetRowMoving(!gb.EditMode());
    GradeBook->SetColMoving(!gb.EditMode());
    GradeBook->TableChanged();
    return mayLeave;
}

void TSDIAppForm::ShowInvalidEntry() {
    const std::string text = InvalidEntryMessage(Gradebook(), GradeBook->Col(), GradeBook->Row());
    Prompts().Message(TMessageKind::Error, QString::fromStdString(text), TButtons::Ok);
}

bool TSDIAppForm::GradeBookSelectCell(int c, int r) {
    AdjustRowHeight();
    if (suppressSelect_) return true;
    if (c == 1 && r == 1) return false;
    if (!FinishCellEdit() && !rebuilding_) {
        ShowInvalidEntry();
        return false;
    }
    if (!rebuilding_ && !MayEnterCell(Gradebook(), c, r)) return false;
    panels_[2]->setText(EntryPrompt(c, r));
    GradeBook->SetEditingAllowed(true);
    return true;
}

void TSDIAppForm::GradeBookSetEditText(int c, int r, const QString&) {
    // The document holds the text already (the table hands it over as typing).
    if (c < 2 || r < 2 || suppressSelect_) return;
    UpdateAveragesForCell(Gradebook(), c, r);
    GradeBook->InvalidateCell(0, r);
    GradeBook->InvalidateCell(0, 1);
    GradeBook->InvalidateCell(c, 0);
    GradeBook->InvalidateCell(1, 0);
}

bool TSDIAppForm::GradeBookKeyDown(QKeyEvent& e) {
    const int key = e.key();
    const Qt::KeyboardModifiers mods = e.modifiers() & ~Qt::KeypadModifier;
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (enter || (key == Qt::Key_Tab && mods == Qt::NoModifier)) {
        FinishCellEdit();
        const TWalk walk = WalkForward(GradeBook->Col(), GradeBook->Row(), GradeBook->ColCount(),
                                       GradeBook->RowCount());
        if (walk.Consume) GradeBook->MoveCurrent(walk.Col, walk.Row);
        return walk.Consume;
    }
    const bool backTab = (key == Qt::Key_Backtab && (mods == Qt::ShiftModifier || !mods)) ||
                         (key == Qt::Key_Tab && mods == Qt::ShiftModifier);
    if (backTab) {
        const TWalk walk = WalkBack(GradeBook->Col(), GradeBook->Row());
        if (walk.Consume) GradeBook->MoveCurrent(walk.Col, walk.Row);
        return walk.Consume;
    }
    return false;
}

void TSDIAppForm::GradeBookExit() { FinishCellEdit(); }

void TSDIAppForm::GradeBookDrawCell(QPainter& p, int c, int r, const QRect& rect) {
    const auto text = OverpaintText(Gradebook(), c, r, curveShown_);
    if (!text) return;
    GradeBook->PaintHeaderLook(p, rect);
    p.setPen(GradeBook->palette().color(QPalette::ButtonText));
    GradeBook->DrawCellText(p, rect, QString::fromStdString(*text));
}

void TSDIAppForm::GradeBookTopLeftChanged() {
    if (GradeBook->EditingAllowed()) GradeBook->SetEditorShown(true);
}

// The grid has moved the row or column already; the command records it for undo.
void TSDIAppForm::GradeBookRowMoved(int from, int to) {
    if (document_.Busy()) return;
    document_.Push(new TMoveCommand(document_, TMoveCommand::TAxis::Rows, from, to));
}

void TSDIAppForm::GradeBookColumnMoved(int from, int to) {
    if (document_.Busy()) return;
    document_.Push(new TMoveCommand(document_, TMoveCommand::TAxis::Columns, from, to));
}

} // namespace marklow

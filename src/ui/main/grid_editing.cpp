// Typing into the gradebook grid: which cells may be entered and left, what a keystroke
// updates, where Enter and Tab go, and what is painted over a cell.

#include "averages.h"
#include "commands.h"
#include "entry.h"
#include "main_window.h"
#include "prompts.h"
#include "text.h"
#include "translations.h"

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
    Prompts().Message(TMessageKind::Error, CoreText(text), TButtons::Ok);
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
    panels_[2]->setText(CellPrompt(Gradebook(), c, r));
    GradeBook->SetEditingAllowed(true);
    return true;
}

void TSDIAppForm::GradeBookSetEditText(int c, int r, const QString&) {
    // The document holds the text already (the table hands it over as typing).
    if (c < 2 || r < 2 || suppressSelect_) return;
    TGradebook& gb = Gradebook();
    UpdateAveragesForCell(gb, c, r);
    GradeBook->InvalidateCell(0, r);
    GradeBook->InvalidateCell(0, 1);
    GradeBook->InvalidateCell(c, 0);
    GradeBook->InvalidateCell(1, 0);
    // An average that grows ("85=B" to "*85=B+") keeps its letter in view.
    GrowColumnToFit(0, r);
    GrowColumnToFit(0, 1);
    GrowColumnToFit(c, 0);
    GrowColumnToFit(1, 0);
    panels_[2]->setText(CellPrompt(gb, c, r));
}

void TSDIAppForm::GrowColumnToFit(int c, int r) {
    if (c == 0 && !averagesShown_) return;
    const std::string_view text = Gradebook().Cell(c, r);
    const int width = GradeBook->ColWidth(c);
    if (WidthBound()(text) + 10 <= width) return; // fits for sure: no measuring per keystroke
    const int needed = QFontMetrics(GradeBook->font()).horizontalAdvance(ToQString(text)) + 10;
    if (needed > width) GradeBook->SetColWidth(c, needed);
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
    if (key == Qt::Key_Escape && mods == Qt::NoModifier) {
        // Back to the text the cell had when it was entered; a second Escape finds nothing.
        document_.RevertCellEdit();
        GradeBook->Editor()->selectAll();
        return true;
    }
    if (key == Qt::Key_Home && mods == Qt::ControlModifier) {
        // In edit mode the grid's own first cell is the "Name" caption, which takes no cursor.
        const auto [c, r] = FirstEntryCell(Gradebook());
        if (c != GradeBook->Col() || r != GradeBook->Row()) GradeBook->MoveCurrent(c, r);
        GradeBook->Editor()->selectAll();
        return true;
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

void TSDIAppForm::GradeBookExit() {
    FinishCellEdit();
}

QColor TSDIAppForm::ProblemColor(const QPalette& palette, TEntryProblem problem) {
    // Red and amber that read on the light and on the dark desktop themes alike.
    const bool dark = palette.color(QPalette::Base).lightness() < 128;
    if (problem == TEntryProblem::Invalid) return dark ? QColor(255, 120, 120) : QColor(200, 0, 0);
    return dark ? QColor(255, 184, 77) : QColor(176, 88, 0);
}

// Excused work on a cool grey, missing work on a warm tint, neither in a problem's colours;
// a blank counted as missing says so.
void TSDIAppForm::DrawWorkCell(QPainter& p, int c, int r, const QRect& rect, bool excused) {
    const QPalette& palette = GradeBook->palette();
    const bool dark = palette.color(QPalette::Base).lightness() < 128;
    QColor fill = excused ? (dark ? QColor(52, 60, 72) : QColor(226, 231, 238))
                          : (dark ? QColor(78, 64, 36) : QColor(255, 241, 204));
    p.fillRect(rect, fill);
    QString text = ToQString(Gradebook().Cell(c, r));
    QFont font = p.font();
    font.setItalic(true);
    p.save();
    p.setFont(font);
    p.setPen(excused ? palette.color(QPalette::PlaceholderText) : palette.color(QPalette::Text));
    if (IsBlank(Gradebook().Cell(c, r))) text = tr("missing");
    GradeBook->DrawCellText(p, rect, text);
    p.restore();
}

void TSDIAppForm::GradeBookDrawCell(QPainter& p, int c, int r, const QRect& rect) {
    const TGradebook& gb = Gradebook();
    const TEntryProblem problem = EntryProblem(gb, c, r);
    const QPalette& palette = GradeBook->palette();
    if (problem == TEntryProblem::Excused || problem == TEntryProblem::Missing) {
        DrawWorkCell(p, c, r, rect, problem == TEntryProblem::Excused);
        return;
    }
    const auto text = OverpaintText(gb, c, r, curveShown_);
    if (text) {
        GradeBook->PaintHeaderLook(p, rect);
        p.setPen(problem == TEntryProblem::None ? palette.color(QPalette::ButtonText)
                                                : ProblemColor(palette, problem));
        GradeBook->DrawCellText(p, rect, QString::fromStdString(*text));
    } else if (problem != TEntryProblem::None) {
        p.fillRect(rect, palette.color(QPalette::Base));
        p.setPen(ProblemColor(palette, problem));
        GradeBook->DrawCellText(p, rect, ToQString(gb.Cell(c, r)));
    }
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

// The grid's keyboard, focus and mouse: moving the cursor, the keys handed on by the
// editor, and dragging whole rows and columns by their frozen cells.

#include "string_grid.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>

namespace marklow {

// --- keyboard ---

void TStringGrid1::MoveTo(int c, int r) {
    c = std::clamp(c, fixedCols_, std::max(fixedCols_, ColCount() - 1));
    r = std::clamp(r, fixedRows_, std::max(fixedRows_, RowCount() - 1));
    if (c != col_ || r != row_)
        MoveCurrent(c, r);
    else
        StayInCell();
}

void TStringGrid1::JumpTo(int c, int r) {
    c = std::clamp(c, fixedCols_, std::max(fixedCols_, ColCount() - 1));
    r = std::clamp(r, fixedRows_, std::max(fixedRows_, RowCount() - 1));
    if (CanTakeCursor) {
        while ((c != col_ || r != row_) && !CanTakeCursor(c, r)) {
            c += c < col_ ? 1 : c > col_ ? -1 : 0;
            r += r < row_ ? 1 : r > row_ ? -1 : 0;
        }
    }
    MoveTo(c, r);
}

void TStringGrid1::MoveBy(int dc, int dr) {
    MoveTo(col_ + dc, row_ + dr);
}

bool TStringGrid1::HandleKey(QKeyEvent& e, bool fromEditor) {
    const bool ctrl = e.modifiers() & Qt::ControlModifier;
    const bool shift = e.modifiers() & Qt::ShiftModifier;
    // Left, Right, Home and End edit the text until the caret reaches its edge; with the
    // whole text selected (as on entering a cell) they move the cursor at once.
    const int len = static_cast<int>(editor_->text().size());
    const bool all = editor_->hasSelectedText() && editor_->selectedText().size() == len;
    const bool atStart =
        !fromEditor || all || (!editor_->hasSelectedText() && editor_->cursorPosition() == 0);
    const bool atEnd =
        !fromEditor || all || (!editor_->hasSelectedText() && editor_->cursorPosition() == len);
    const int lastCol =
        lastMovableCol_ >= fixedCols_ ? std::min(lastMovableCol_, ColCount() - 1) : ColCount() - 1;
    const int lastRow =
        lastMovableRow_ >= fixedRows_ ? std::min(lastMovableRow_, RowCount() - 1) : RowCount() - 1;
    switch (e.key()) {
    case Qt::Key_Up:
        MoveBy(0, -1);
        return true;
    case Qt::Key_Down:
        MoveBy(0, 1);
        return true;
    case Qt::Key_PageUp:
        JumpTo(col_, row_ - PageRows());
        return true;
    case Qt::Key_PageDown:
        JumpTo(col_, row_ + PageRows());
        return true;
    case Qt::Key_Left:
        if (!ctrl && !atStart) return false;
        MoveBy(-1, 0);
        return true;
    case Qt::Key_Right:
        if (!ctrl && !atEnd) return false;
        MoveBy(1, 0);
        return true;
    case Qt::Key_Home:
        if (ctrl) {
            JumpTo(fixedCols_, fixedRows_);
            return true;
        }
        if (!atStart) return false;
        JumpTo(fixedCols_, row_);
        return true;
    case Qt::Key_End:
        if (ctrl) {
            JumpTo(lastCol, lastRow);
            return true;
        }
        if (!atEnd) return false;
        JumpTo(lastCol, row_);
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (ctrl) return false;
        if (shift || e.key() == Qt::Key_Backtab) {
            if (col_ > fixedCols_)
                MoveTo(col_ - 1, row_);
            else if (row_ > fixedRows_)
                MoveTo(lastCol, row_ - 1);
        } else if (col_ < ColCount() - 1) {
            MoveTo(col_ + 1, row_);
        } else if (row_ < RowCount() - 1) {
            MoveTo(fixedCols_, row_ + 1);
        } else {
            StayInCell();
        }
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        StayInCell();
        return true;
    default:
        return false;
    }
}

void TStringGrid1::keyPressEvent(QKeyEvent* e) {
    if (OnKeyDown && OnKeyDown(*e)) return;
    if (HandleKey(*e, false)) return;
    // Typing into the grid while the editor is hidden opens it on the current cell.
    const QString text = e->text();
    if (!text.isEmpty() && text[0].isPrint() && editing_ && !editorShown_) {
        SetEditorShown(true);
        if (editor_->isVisible()) {
            editor_->setFocus();
            editor_->selectAll();
            editor_->insert(text); // raises textEdited like typing
            return;
        }
    }
    QAbstractScrollArea::keyPressEvent(e);
}

bool TStringGrid1::focusNextPrevChild(bool) {
    return false;
}

void TStringGrid1::focusInEvent(QFocusEvent* e) {
    QAbstractScrollArea::focusInEvent(e);
    if (editor_->isVisible())
        editor_->setFocus();
    else
        NotifyAccessibleCurrent();
}

bool TStringGrid1::Owns(QWidget* w) const {
    return w && (w == this || isAncestorOf(w));
}

void TStringGrid1::FocusChanged(QWidget* old, QWidget* now) {
    // Leaving for another widget of the same window; not a dialog or another window.
    if (now && OnExit && Owns(old) && !Owns(now) && now->window() == window()) OnExit();
}

void TStringGrid1::changeEvent(QEvent* e) {
    QAbstractScrollArea::changeEvent(e);
    if (e->type() == QEvent::FontChange || e->type() == QEvent::PaletteChange) {
        PlaceEditor();
        viewport()->update();
    }
}

// --- mouse ---

void TStringGrid1::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(e);
        return;
    }
    int c = 0, r = 0;
    if (!CellAt(e->position().toPoint(), c, r)) return;
    if (rowMoving_ && c < fixedCols_ && r >= fixedRows_) {
        drag_ = Drag::Row;
        dragFrom_ = dragTo_ = r;
        return;
    }
    if (colMoving_ && r < fixedRows_ && c >= fixedCols_) {
        drag_ = Drag::Column;
        dragFrom_ = dragTo_ = c;
        return;
    }
    if (c >= fixedCols_ && r >= fixedRows_ && (c != col_ || r != row_))
        MoveCurrent(c, r);
    else
        StayInCell(); // a heading or an average: the cursor stays where it was
    if (editor_->isVisible())
        editor_->setFocus(Qt::MouseFocusReason);
    else
        setFocus(Qt::MouseFocusReason);
}

void TStringGrid1::mouseMoveEvent(QMouseEvent* e) {
    if (drag_ == Drag::None) return;
    const QPoint pos = e->position().toPoint();
    int target = dragTo_;
    if (drag_ == Drag::Row) {
        if (pos.y() < FixedExtent(Axis::Rows) && topRow_ > fixedRows_) SetTopRow(topRow_ - 1);
        if (pos.y() >= viewport()->height()) SetTopRow(topRow_ + 1);
        auto rows = Spans(Axis::Rows);
        for (const Span& s : rows)
            if (s.index >= fixedRows_ && pos.y() >= s.pos) target = s.index;
        if (!rows.empty() && pos.y() < FixedExtent(Axis::Rows))
            target = std::max(topRow_, fixedRows_);
    } else {
        if (pos.x() < FixedExtent(Axis::Cols) && leftCol_ > fixedCols_) SetLeftCol(leftCol_ - 1);
        if (pos.x() >= viewport()->width()) SetLeftCol(leftCol_ + 1);
        auto cols = Spans(Axis::Cols);
        for (const Span& s : cols)
            if (s.index >= fixedCols_ && pos.x() >= s.pos) target = s.index;
        if (!cols.empty() && pos.x() < FixedExtent(Axis::Cols))
            target = std::max(leftCol_, fixedCols_);
    }
    if (target != dragTo_) {
        dragTo_ = target;
        viewport()->update();
    }
}

void TStringGrid1::mouseReleaseEvent(QMouseEvent* e) {
    if (drag_ == Drag::None) {
        QAbstractScrollArea::mouseReleaseEvent(e);
        return;
    }
    Drag kind = drag_;
    int from = dragFrom_, to = dragTo_;
    EndDrag();
    if (from == to) return;
    if (kind == Drag::Row)
        MoveRow(from, to);
    else
        MoveColumn(from, to);
}

void TStringGrid1::EndDrag() {
    drag_ = Drag::None;
    dragFrom_ = dragTo_ = -1;
    viewport()->update();
}

} // namespace marklow

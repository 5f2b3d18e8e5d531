#include "string_grid.h"

#include "string_grid_accessible.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace marklow {

namespace {

// A row or column with no size is not drawn at all, its line included.
int Extent(int size) {
    return size > 0 ? size + 1 : 0;
}

const QColor kLineColor(192, 192, 192);

} // namespace

// --- TInplaceEdit ---

TInplaceEdit::TInplaceEdit(TStringGrid1& grid) : QLineEdit(grid.viewport()), grid_(grid) {
    setFrame(false);
    setObjectName("InplaceEdit");
    // Its name, the cell it edits, follows the cursor.
    setAccessibleDescription(tr("The entry of the current cell"));
}

bool TInplaceEdit::event(QEvent* e) {
    // The window's shortcuts win over the editor's own keys (Ctrl+A, Ctrl+V), as the menus'
    // shortcuts of the program should.
    if (e->type() == QEvent::ShortcutOverride) {
        auto* k = static_cast<QKeyEvent*>(e);
        if ((k->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) && WindowHasShortcut(*k)) {
            e->ignore();
            return true;
        }
    }
    // Tab moves between cells, not out of the grid.
    if (e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) {
            keyPressEvent(k);
            return true;
        }
    }
    return QLineEdit::event(e);
}

bool TInplaceEdit::WindowHasShortcut(const QKeyEvent& k) const {
    const QKeySequence key(k.keyCombination());
    for (const QAction* a : window()->findChildren<QAction*>())
        if (a->isEnabled() && a->shortcuts().contains(key)) return true;
    return false;
}

void TInplaceEdit::keyPressEvent(QKeyEvent* e) {
    if (grid_.OnKeyDown && grid_.OnKeyDown(*e)) return;
    if (grid_.HandleKey(*e, true)) return;
    QLineEdit::keyPressEvent(e);
}

// --- TStringGrid1 ---

TStringGrid1::TStringGrid1(QWidget* parent) : QAbstractScrollArea(parent) {
    InstallGridAccessibility();
    table_ = &emptyTable_;
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    editor_ = new TInplaceEdit(*this);
    editor_->hide();
    connect(editor_, &QLineEdit::textEdited, this, &TStringGrid1::EditorTextEdited);
    connect(qApp, &QApplication::focusChanged, this, &TStringGrid1::FocusChanged);
    verticalScrollBar()->setSingleStep(1);
    horizontalScrollBar()->setSingleStep(1);
}

TStringGrid1::~TStringGrid1() {
    // No focus notifications while the widget comes apart.
    disconnect(qApp, nullptr, this, nullptr);
}

// --- the table ---

void TStringGrid1::SetTable(TGridTable* table) {
    table_ = table ? table : &emptyTable_;
    colWidths_.clear();
    rowHeights_.clear();
    toldCols_ = toldRows_ = -1; // another table: no cell a screen reader knows stays
    TableChanged();
    LoadEditor();
}

int TStringGrid1::ColCount() const {
    return table_->ColCount();
}
int TStringGrid1::RowCount() const {
    return table_->RowCount();
}

void TStringGrid1::SetColCount(int n) {
    table_->SetColCount(n);
    TableChanged();
}

void TStringGrid1::SetRowCount(int n) {
    table_->SetRowCount(n);
    TableChanged();
}

QString TStringGrid1::Cell(int c, int r) const {
    return table_->Text(c, r);
}

void TStringGrid1::SetCell(int c, int r, const QString& text) {
    table_->SetText(c, r, text);
    if (c == col_ && r == row_) LoadEditor();
    InvalidateCell(c, r);
}

void TStringGrid1::TableChanged() {
    SyncSizes();
    ClampCurrent();
    topRow_ = std::clamp(topRow_, fixedRows_, MaxFirst(Axis::Rows));
    leftCol_ = std::clamp(leftCol_, fixedCols_, MaxFirst(Axis::Cols));
    UpdateScrollBars();
    // Keeps the user's caret when the text under the editor did not change.
    if (editor_->text() != Cell(col_, row_)) LoadEditor();
    PlaceEditor();
    viewport()->update();
    NotifyAccessibleShape();
    if (OnCurrentChanged) OnCurrentChanged();
}

void TStringGrid1::SetFixedCols(int n) {
    fixedCols_ = std::max(n, 0);
    leftCol_ = std::max(leftCol_, fixedCols_);
    TableChanged();
}

void TStringGrid1::SetFixedRows(int n) {
    fixedRows_ = std::max(n, 0);
    topRow_ = std::max(topRow_, fixedRows_);
    TableChanged();
}

void TStringGrid1::SyncSizes() {
    colWidths_.resize(static_cast<size_t>(std::max(ColCount(), 0)), defaultColWidth_);
    rowHeights_.erase(rowHeights_.lower_bound(RowCount()), rowHeights_.end());
}

void TStringGrid1::ClampCurrent() {
    col_ = std::clamp(col_, fixedCols_, std::max(fixedCols_, ColCount() - 1));
    row_ = std::clamp(row_, fixedRows_, std::max(fixedRows_, RowCount() - 1));
}

// --- the current cell ---

bool TStringGrid1::MoveCurrent(int c, int r) {
    if (c < fixedCols_ || r < fixedRows_ || c >= ColCount() || r >= RowCount()) {
        StayInCell();
        return false;
    }
    if (OnSelectCell && !OnSelectCell(c, r)) {
        StayInCell();
        return false;
    }
    // The receiver may have reshaped the table.
    SyncSizes();
    if (c >= ColCount() || r >= RowCount()) {
        TableChanged();
        StayInCell();
        return false;
    }
    SetCurrent(c, r);
    return true;
}

void TStringGrid1::StayInCell() {
    // The next keystroke replaces the text, as on entering the cell, instead of being
    // appended to a score the teacher thinks was left behind.
    editor_->selectAll();
}

void TStringGrid1::SetCurrent(int c, int r) {
    InvalidateCell(col_, row_);
    col_ = c;
    row_ = r;
    SyncSizes();
    ClampCurrent();
    UpdateScrollBars();
    ScrollIntoView(col_, row_);
    LoadEditor();
    PlaceEditor();
    InvalidateCell(col_, row_);
    if (OnCurrentChanged) OnCurrentChanged();
    NotifyAccessibleCurrent();
}

void TStringGrid1::LoadEditor() {
    editor_->setText(Cell(col_, row_));
    editor_->selectAll();
    UpdateEditorName();
}

bool TStringGrid1::EditorVisible() const {
    return editing_ && editorShown_ && col_ < ColCount() && row_ < RowCount();
}

void TStringGrid1::PlaceEditor() {
    if (!EditorVisible()) {
        if (editor_->hasFocus()) setFocus(); // keep the focus in the grid
        editor_->hide();
        return;
    }
    QRect rect = CellRect(col_, row_);
    // Off view the editor stays open (it keeps the focus) but out of sight.
    if (rect.isEmpty()) rect = QRect(-10000, -10000, ColWidth(col_), RowHeight(row_));
    editor_->setGeometry(rect);
    if (!editor_->isVisible()) {
        editor_->show();
        if (hasFocus()) editor_->setFocus();
    }
}

void TStringGrid1::EditorTextEdited(const QString& text) {
    if (col_ >= ColCount() || row_ >= RowCount()) return;
    table_->SetText(col_, row_, text);
    ScrollIntoView(col_, row_);
    if (OnSetEditText) OnSetEditText(col_, row_, text);
    UpdateEditorName(); // the text and the averages it names have changed
}

// --- sizes ---

void TStringGrid1::SetDefaultColWidth(int w) {
    defaultColWidth_ = std::max(w, 0);
    std::fill(colWidths_.begin(), colWidths_.end(), defaultColWidth_);
    TableChanged();
}

int TStringGrid1::ColWidth(int c) const {
    if (c < 0 || c >= static_cast<int>(colWidths_.size())) return defaultColWidth_;
    return colWidths_[static_cast<size_t>(c)];
}

void TStringGrid1::SetColWidth(int c, int w) {
    SyncSizes();
    if (c < 0 || c >= static_cast<int>(colWidths_.size())) return;
    if (colWidths_[static_cast<size_t>(c)] == w) return;
    colWidths_[static_cast<size_t>(c)] = std::max(w, 0);
    UpdateScrollBars();
    PlaceEditor();
    viewport()->update();
}

void TStringGrid1::SetDefaultRowHeight(int h) {
    defaultRowHeight_ = std::max(h, 0);
    rowHeights_.clear();
    UpdateScrollBars();
    PlaceEditor();
    viewport()->update();
}

int TStringGrid1::RowHeight(int r) const {
    auto it = rowHeights_.find(r);
    return it == rowHeights_.end() ? defaultRowHeight_ : it->second;
}

void TStringGrid1::SetRowHeight(int r, int h) {
    if (r < 0 || r >= RowCount() || RowHeight(r) == h) return;
    if (h == defaultRowHeight_)
        rowHeights_.erase(r);
    else
        rowHeights_[r] = std::max(h, 0);
    UpdateScrollBars();
    PlaceEditor();
    viewport()->update();
}

// --- switches ---

void TStringGrid1::SetEditingAllowed(bool on) {
    editing_ = on;
    PlaceEditor();
    InvalidateCell(col_, row_);
}

void TStringGrid1::SetEditorShown(bool on) {
    editorShown_ = on;
    PlaceEditor();
    InvalidateCell(col_, row_);
}

void TStringGrid1::SetThreeD(bool on) {
    threeD_ = on;
    setFrameStyle(on ? QFrame::StyledPanel | QFrame::Sunken : QFrame::Box | QFrame::Plain);
    viewport()->update();
}

// --- geometry: the same rules across (columns) and down (rows) ---

int TStringGrid1::Count(Axis a) const {
    return a == Axis::Cols ? ColCount() : RowCount();
}
int TStringGrid1::Fixed(Axis a) const {
    return a == Axis::Cols ? fixedCols_ : fixedRows_;
}
int TStringGrid1::First(Axis a) const {
    return a == Axis::Cols ? leftCol_ : topRow_;
}
int TStringGrid1::Limit(Axis a) const {
    return a == Axis::Cols ? viewport()->width() : viewport()->height();
}
int TStringGrid1::Size(Axis a, int i) const {
    return a == Axis::Cols ? ColWidth(i) : RowHeight(i);
}

std::vector<TStringGrid1::Span> TStringGrid1::Spans(Axis a) const {
    std::vector<Span> out;
    const int n = Count(a), fixed = Fixed(a), limit = Limit(a);
    int pos = 0;
    auto add = [&](int i) {
        const int size = Size(a, i);
        if (size <= 0) return;
        out.push_back({i, pos, size});
        pos += size + 1;
    };
    for (int i = 0; i < std::min(fixed, n) && pos < limit; ++i)
        add(i);
    for (int i = std::max(First(a), fixed); i < n && pos < limit; ++i)
        add(i);
    return out;
}

int TStringGrid1::FixedExtent(Axis a) const {
    int extent = 0;
    for (int i = 0; i < std::min(Fixed(a), Count(a)); ++i)
        extent += Extent(Size(a, i));
    return extent;
}

int TStringGrid1::FirstShowing(Axis a, int last) const {
    const int fixed = Fixed(a);
    if (last <= fixed) return fixed;
    const int avail = Limit(a) - FixedExtent(a);
    int first = last, used = Extent(Size(a, last));
    while (first - 1 >= fixed) {
        const int add = Extent(Size(a, first - 1));
        if (used + add > avail) break;
        used += add;
        --first;
    }
    return first;
}

int TStringGrid1::MaxFirst(Axis a) const {
    return std::max(Fixed(a), FirstShowing(a, Count(a) - 1));
}

int TStringGrid1::Position(Axis a, int i) const {
    const int fixed = Fixed(a), limit = Limit(a);
    int pos = 0, from = 0;
    if (i >= fixed) {
        if (i < First(a)) return -1;
        pos = FixedExtent(a);
        from = First(a);
    }
    for (int k = from; k < i && pos < limit; ++k)
        pos += Extent(Size(a, k));
    return pos < limit ? pos : -1;
}

int TStringGrid1::PageRows() const {
    const int avail = viewport()->height() - FixedExtent(Axis::Rows);
    int rows = 0, used = 0;
    for (int r = topRow_; r < RowCount(); ++r) {
        used += Extent(RowHeight(r));
        if (used > avail) break;
        ++rows;
    }
    return std::max(rows, 1);
}

QRect TStringGrid1::CellRect(int c, int r) const {
    if (c < 0 || r < 0 || c >= ColCount() || r >= RowCount()) return {};
    const int w = ColWidth(c), h = RowHeight(r);
    if (w <= 0 || h <= 0) return {};
    const int x = Position(Axis::Cols, c), y = Position(Axis::Rows, r);
    if (x < 0 || y < 0) return {};
    return QRect(x, y, w, h);
}

bool TStringGrid1::CellAt(const QPoint& pos, int& c, int& r) const {
    c = r = -1;
    for (const Span& s : Spans(Axis::Cols))
        if (pos.x() >= s.pos && pos.x() <= s.pos + s.size) c = s.index;
    for (const Span& s : Spans(Axis::Rows))
        if (pos.y() >= s.pos && pos.y() <= s.pos + s.size) r = s.index;
    return c >= 0 && r >= 0;
}

void TStringGrid1::InvalidateCell(int c, int r) {
    QRect rect = CellRect(c, r);
    if (!rect.isEmpty()) viewport()->update(rect.adjusted(-1, -1, 1, 1));
}

void TStringGrid1::InvalidateGrid() {
    viewport()->update();
}

// --- scrolling ---

void TStringGrid1::UpdateScrollBars() {
    syncingScroll_ = true;
    QScrollBar* v = verticalScrollBar();
    v->setRange(fixedRows_, MaxFirst(Axis::Rows));
    v->setPageStep(PageRows());
    v->setValue(topRow_);
    QScrollBar* h = horizontalScrollBar();
    h->setRange(fixedCols_, MaxFirst(Axis::Cols));
    h->setPageStep(std::max(1, static_cast<int>(Spans(Axis::Cols).size()) - fixedCols_));
    h->setValue(leftCol_);
    syncingScroll_ = false;
}

void TStringGrid1::SetTopRow(int r) {
    SetTopLeft(leftCol_, r);
}

void TStringGrid1::SetLeftCol(int c) {
    SetTopLeft(c, topRow_);
}

void TStringGrid1::SetTopLeft(int c, int r) {
    c = std::clamp(c, fixedCols_, MaxFirst(Axis::Cols));
    r = std::clamp(r, fixedRows_, MaxFirst(Axis::Rows));
    if (c == leftCol_ && r == topRow_) return;
    leftCol_ = c;
    topRow_ = r;
    UpdateScrollBars();
    PlaceEditor();
    viewport()->update();
    if (OnTopLeftChanged) OnTopLeftChanged();
}

void TStringGrid1::scrollContentsBy(int, int) {
    if (syncingScroll_) return;
    int top = verticalScrollBar()->value(), left = horizontalScrollBar()->value();
    if (top == topRow_ && left == leftCol_) return;
    topRow_ = top;
    leftCol_ = left;
    PlaceEditor();
    viewport()->update();
    if (OnTopLeftChanged) OnTopLeftChanged();
}

void TStringGrid1::ScrollIntoView(int c, int r) {
    // The first row (column) to show so that index i is fully visible.
    auto showing = [this](Axis a, int i) {
        if (i < Fixed(a) || i >= Count(a)) return First(a);
        if (i < First(a)) return i;
        return std::max(First(a), FirstShowing(a, i));
    };
    SetTopLeft(showing(Axis::Cols, c), showing(Axis::Rows, r));
}

void TStringGrid1::resizeEvent(QResizeEvent* e) {
    QAbstractScrollArea::resizeEvent(e);
    // A grid scrolled while it was small (before its first showing) must not keep cells
    // hidden at the left or top once there is room for them, with no scroll bar to reach them.
    SetTopLeft(leftCol_, topRow_);
    UpdateScrollBars();
    PlaceEditor();
}

void TStringGrid1::showEvent(QShowEvent* e) {
    QAbstractScrollArea::showEvent(e);
    TableChanged();
}

// --- moving rows and columns ---

void TStringGrid1::MoveRow(int from, int to) {
    const int n = RowCount();
    if (from < 0 || to < 0 || from >= n || to >= n || from == to) return;
    table_->MoveRow(from, to);
    std::map<int, int> heights;
    for (auto [r, h] : rowHeights_)
        heights[MovedIndex(r, from, to)] = h;
    rowHeights_ = std::move(heights);
    row_ = MovedIndex(row_, from, to);
    LoadEditor();
    UpdateScrollBars();
    PlaceEditor();
    viewport()->update();
    if (OnRowMoved) OnRowMoved(from, to);
}

void TStringGrid1::MoveColumn(int from, int to) {
    const int n = ColCount();
    if (from < 0 || to < 0 || from >= n || to >= n || from == to) return;
    table_->MoveColumn(from, to);
    SyncSizes();
    MoveItem(colWidths_, from, to);
    col_ = MovedIndex(col_, from, to);
    LoadEditor();
    UpdateScrollBars();
    PlaceEditor();
    viewport()->update();
    if (OnColumnMoved) OnColumnMoved(from, to);
}

// --- drawing ---

void TStringGrid1::PaintHeaderLook(QPainter& p, const QRect& r) const {
    const QPalette& pal = palette();
    p.fillRect(r, pal.color(QPalette::Button));
    // The dark lines lie on the grid lines right and below the cell.
    p.fillRect(QRect(r.right() + 1, r.top(), 1, r.height() + 1), Qt::black);
    p.fillRect(QRect(r.left(), r.bottom() + 1, r.width() + 1, 1), Qt::black);
    if (!threeD_) return;
    const QColor shadow = pal.color(QPalette::Dark), light = pal.color(QPalette::Light);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), shadow);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), shadow);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height() - 1), light);
    p.fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), light);
}

void TStringGrid1::DrawCellText(QPainter& p, const QRect& rect, const QString& text) const {
    if (text.isEmpty()) return;
    // While the grid paints, the column's clip keeps long texts inside their cells; drawing
    // at a point is much quicker than laying the text out in a rectangle.
    p.drawText(QPoint(rect.left() + 2, rect.top() + 2 + p.fontMetrics().ascent()), text);
}

void TStringGrid1::PaintCell(QPainter& p, int c, int r, const QRect& rect, bool fixed) const {
    const QPalette& pal = palette();
    const bool current = c == col_ && r == row_;
    if (fixed) {
        PaintHeaderLook(p, rect);
        p.setPen(pal.color(QPalette::ButtonText));
    } else {
        const bool marked = current && !editor_->isVisible();
        p.fillRect(rect, pal.color(marked ? QPalette::Highlight : QPalette::Base));
        p.fillRect(QRect(rect.right() + 1, rect.top(), 1, rect.height() + 1), kLineColor);
        p.fillRect(QRect(rect.left(), rect.bottom() + 1, rect.width(), 1), kLineColor);
        p.setPen(pal.color(marked ? QPalette::HighlightedText : QPalette::Text));
    }
    DrawCellText(p, rect, table_->Text(c, r));
    // The receiver may change the pen; every cell sets its own.
    if (OnDrawCell) OnDrawCell(p, c, r, rect, {fixed, current});
}

void TStringGrid1::paintEvent(QPaintEvent* e) {
    QPainter p(viewport());
    p.setFont(font());
    const QRect clip = e->rect();
    const auto cols = Spans(Axis::Cols);
    const auto rows = Spans(Axis::Rows);
    const int right = cols.empty() ? 0 : cols.back().pos + cols.back().size + 1;
    const int bottom = rows.empty() ? 0 : rows.back().pos + rows.back().size + 1;
    // Column by column, each clipped to the column with its line, so no text runs over.
    for (const Span& col : cols) {
        const QRect column(col.pos, 0, col.size + 1, bottom);
        if (!column.intersects(clip)) continue;
        p.setClipRect(column);
        for (const Span& row : rows) {
            const QRect rect(col.pos, row.pos, col.size, row.size);
            if (!rect.adjusted(0, 0, 1, 1).intersects(clip)) continue;
            PaintCell(p, col.index, row.index, rect,
                      col.index < fixedCols_ || row.index < fixedRows_);
        }
    }
    p.setClipping(false);
    // The area beyond the last column and row.
    const QColor empty = palette().color(QPalette::Base);
    const QSize area = viewport()->size();
    if (right < area.width())
        p.fillRect(QRect(right, 0, area.width() - right, area.height()), empty);
    if (bottom < area.height()) p.fillRect(QRect(0, bottom, right, area.height() - bottom), empty);

    if (drag_ != Drag::None && dragTo_ != dragFrom_) {
        const bool rowDrag = drag_ == Drag::Row;
        const QRect target = rowDrag
                                 ? (cols.empty() ? QRect() : CellRect(cols.front().index, dragTo_))
                                 : (rows.empty() ? QRect() : CellRect(dragTo_, rows.front().index));
        if (!target.isEmpty()) {
            const bool after = dragTo_ > dragFrom_;
            const QColor mark = palette().color(QPalette::Highlight);
            if (rowDrag)
                p.fillRect(QRect(0, after ? target.bottom() : target.top() - 1, area.width(), 2),
                           mark);
            else
                p.fillRect(QRect(after ? target.right() : target.left() - 1, 0, 2, area.height()),
                           mark);
        }
    }
}

} // namespace marklow

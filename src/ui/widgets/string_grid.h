#pragma once
// A text grid drawn by the program: frozen header rows and columns, a width per column, a
// default row height with optional heights of single rows, lines between cells, an in-place
// editor that stays open on the current cell, keyboard and mouse movement, owner drawing
// after the default drawing, and dragging of whole rows and columns by their frozen cells.
// It shows a TGridTable and paints only the cells that are visible.

#include "grid_table.h"

#include <QAbstractScrollArea>
#include <QLineEdit>

#include <functional>
#include <map>
#include <vector>

class QKeyEvent;
class QPainter;

namespace marklow {

class TStringGrid1;

struct TGridDrawState {
    bool Fixed = false;   // a frozen header cell
    bool Current = false; // the current cell
};

// The in-place editor. It hands navigation keys to its grid before editing with them.
class TInplaceEdit final : public QLineEdit {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TInplaceEdit)
public:
    explicit TInplaceEdit(TStringGrid1& grid);

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    bool WindowHasShortcut(const QKeyEvent& k) const;
    TStringGrid1& grid_;
};

class TStringGrid1 final : public QAbstractScrollArea {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TStringGrid1)
public:
    explicit TStringGrid1(QWidget* parent = nullptr);
    ~TStringGrid1() override;

    // --- notifications (set by the owner) ---
    // A cell is about to become current; false refuses, the cursor then stays where it is.
    std::function<bool(int c, int r)> OnSelectCell;
    // The user changed the editor's text; the table already holds the new text.
    std::function<void(int c, int r, const QString& text)> OnSetEditText;
    // A key went down in the grid or its editor; true consumes it.
    std::function<bool(QKeyEvent& e)> OnKeyDown;
    // The focus left the grid for another widget of the program.
    std::function<void()> OnExit;
    // A cell was drawn in the ordinary way and may be overpainted.
    std::function<void(QPainter& p, int c, int r, const QRect& rect, TGridDrawState state)>
        OnDrawCell;
    std::function<void()> OnTopLeftChanged;
    // A row or column was moved, by dragging or by MoveRow/MoveColumn.
    std::function<void(int from, int to)> OnRowMoved;
    std::function<void(int from, int to)> OnColumnMoved;
    // Whether (c, r) would take the cursor, asked without side effects; jumps (Home, End,
    // Page Up, Page Down) then stop at the nearest cell that does instead of not moving.
    std::function<bool(int c, int r)> CanTakeCursor;
    // The cursor was put on a cell, or the table changed under it.
    std::function<void()> OnCurrentChanged;

    // --- the table ---
    void SetTable(TGridTable* table); // not owned
    TGridTable* Table() const { return table_; }
    int ColCount() const;
    int RowCount() const;
    void SetColCount(int n);
    void SetRowCount(int n);
    QString Cell(int c, int r) const;
    void SetCell(int c, int r, const QString& text);
    // Call after the table was changed behind the grid's back (rows or columns added,
    // removed or filled): brings sizes, scrolling, the cursor and the editor up to date.
    void TableChanged();

    int FixedCols() const { return fixedCols_; }
    int FixedRows() const { return fixedRows_; }
    void SetFixedCols(int n);
    void SetFixedRows(int n);

    // --- the current cell ---
    int Col() const { return col_; }
    int Row() const { return row_; }
    // Asks OnSelectCell, then makes (c, r) current. False when refused or not selectable.
    bool MoveCurrent(int c, int r);
    // Makes (c, r) current without asking; clamped to the selectable cells.
    void SetCurrent(int c, int r);
    // Where End and Ctrl+End go when the last column or row takes no cursor (the spare ones
    // of edit mode); -1 for the last of the table.
    void SetLastMovable(int col, int row) {
        lastMovableCol_ = col;
        lastMovableRow_ = row;
    }

    // --- sizes ---
    int DefaultColWidth() const { return defaultColWidth_; }
    void SetDefaultColWidth(int w);
    int ColWidth(int c) const;
    void SetColWidth(int c, int w);
    int DefaultRowHeight() const { return defaultRowHeight_; }
    // Also drops every row's own height.
    void SetDefaultRowHeight(int h);
    int RowHeight(int r) const;
    void SetRowHeight(int r, int h);

    // --- switches ---
    bool EditingAllowed() const { return editing_; }
    void SetEditingAllowed(bool on);
    bool EditorShown() const { return editorShown_; }
    void SetEditorShown(bool on);
    bool RowMoving() const { return rowMoving_; }
    void SetRowMoving(bool on) { rowMoving_ = on; }
    bool ColMoving() const { return colMoving_; }
    void SetColMoving(bool on) { colMoving_ = on; }
    bool ThreeD() const { return threeD_; }
    void SetThreeD(bool on);

    // --- scrolling ---
    int TopRow() const { return topRow_; }
    int LeftCol() const { return leftCol_; }
    void SetTopRow(int r);
    void SetLeftCol(int c);

    // --- moving rows and columns (with their sizes); raise OnRowMoved/OnColumnMoved ---
    void MoveRow(int from, int to);
    void MoveColumn(int from, int to);

    // --- geometry and drawing ---
    // The cell's rectangle in viewport coordinates, without its lines; empty when the cell
    // is scrolled out of view or has no size.
    QRect CellRect(int c, int r) const;
    // The cell under a viewport point; false outside every cell.
    bool CellAt(const QPoint& pos, int& c, int& r) const;
    void InvalidateCell(int c, int r);
    void InvalidateGrid();
    // The header look of frozen cells, as owner drawing uses it for cells that should look
    // frozen: filled, a dark line along the bottom and right, bevelled when three-dimensional.
    void PaintHeaderLook(QPainter& p, const QRect& rect) const;
    // Text the way the grid writes it, 2 pixels from the left and top edges.
    void DrawCellText(QPainter& p, const QRect& rect, const QString& text) const;

    TInplaceEdit* Editor() const { return editor_; }

    // The grid's own handling of a key, after OnKeyDown did not consume it. True when used.
    bool HandleKey(QKeyEvent& e, bool fromEditor);

    // --- accessibility (string_grid_accessible.cpp) ---
    // What a screen reader says for cell (c, r); without it, the cell's row header, column
    // header and text.
    std::function<QString(int c, int r)> OnAccessibleText;
    // The column whose cells name the rows and the row whose cells name the columns; -1 (the
    // default) for the last frozen one.
    void SetHeaderLines(int col, int row) {
        headerCol_ = col;
        headerRow_ = row;
    }
    int HeaderCol() const;
    int HeaderRow() const;
    QString AccessibleText(int c, int r) const;
    // Inside the grid, not frozen, and not refused by CanTakeCursor.
    bool Selectable(int c, int r) const;

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void changeEvent(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    bool focusNextPrevChild(bool next) override;

private:
    struct Span {
        int index, pos, size;
    };
    enum class Axis { Cols, Rows };
    int Count(Axis a) const;
    int Fixed(Axis a) const;
    int First(Axis a) const; // LeftCol or TopRow
    int Limit(Axis a) const; // the viewport's width or height
    int Size(Axis a, int i) const;
    // The visible columns (rows): frozen ones first, then from LeftCol (TopRow) on.
    std::vector<Span> Spans(Axis a) const;
    int FixedExtent(Axis a) const;
    // The first index to show so that `last` is the last fully visible one.
    int FirstShowing(Axis a, int last) const;
    int MaxFirst(Axis a) const;
    // Where index i starts in the viewport; -1 when scrolled out of view.
    int Position(Axis a, int i) const;
    void SetTopLeft(int c, int r);
    void ScrollIntoView(int c, int r);
    void UpdateScrollBars();
    void SyncSizes();
    void ClampCurrent();
    void PlaceEditor();
    void LoadEditor();
    bool EditorVisible() const;
    void EditorTextEdited(const QString& text);
    void FocusChanged(QWidget* old, QWidget* now);
    bool Owns(QWidget* w) const;
    void MoveBy(int dc, int dr);
    void MoveTo(int c, int r);
    // MoveTo for a jump: short of a target that takes no cursor, toward the current cell.
    void JumpTo(int c, int r);
    // The cursor stays: the editor's whole text is selected again.
    void StayInCell();
    int PageRows() const;
    void PaintCell(QPainter& p, int c, int r, const QRect& rect, bool fixed) const;
    void EndDrag();
    // Tell screen readers of the new current cell, or of rows and columns added or removed.
    void NotifyAccessibleCurrent();
    void NotifyAccessibleShape();
    void UpdateEditorName();

    TGridTable* table_ = nullptr;
    TTextTable emptyTable_;
    TInplaceEdit* editor_ = nullptr;
    int fixedCols_ = 1;
    int lastMovableCol_ = -1;
    int lastMovableRow_ = -1;
    int fixedRows_ = 1;
    int col_ = 1;
    int row_ = 1;
    int topRow_ = 1;
    int leftCol_ = 1;
    int defaultColWidth_ = 64;
    int defaultRowHeight_ = 24;
    std::vector<int> colWidths_;
    std::map<int, int> rowHeights_; // the few rows with a height of their own
    bool editing_ = true;
    bool editorShown_ = true;
    bool rowMoving_ = false;
    bool colMoving_ = false;
    bool threeD_ = true;
    bool syncingScroll_ = false;
    int headerCol_ = -1;
    int headerRow_ = -1;
    int toldCols_ = -1; // the shape screen readers were last told of
    int toldRows_ = -1;

    enum class Drag { None, Row, Column };
    Drag drag_ = Drag::None;
    int dragFrom_ = -1;
    int dragTo_ = -1;
};

} // namespace marklow

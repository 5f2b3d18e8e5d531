#include "string_grid_accessible.h"

#include "string_grid.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <climits>

namespace marklow {

namespace {

qint64 CellKey(int c, int r) {
    return (static_cast<qint64>(r) << 32) | static_cast<quint32>(c);
}

// One cell, read from the grid whenever it is asked; it holds no copy of the text.
class TGridCellAccessible final : public QAccessibleInterface,
                                  public QAccessibleTableCellInterface,
                                  public QAccessibleActionInterface {
public:
    TGridCellAccessible(TStringGrid1* grid, int c, int r) : grid_(grid), c_(c), r_(r) {}

    bool isValid() const override {
        return grid_ && c_ < grid_->ColCount() && r_ < grid_->RowCount();
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return grid_ ? grid_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return grid_ ? QAccessible::queryAccessibleInterface(grid_.data()) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        if (!isValid()) return QString();
        switch (t) {
        case QAccessible::Name:
            return grid_->AccessibleText(c_, r_);
        case QAccessible::Value:
            return grid_->Cell(c_, r_);
        default:
            return QString();
        }
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!isValid()) return {};
        const QRect cell = grid_->CellRect(c_, r_);
        if (cell.isEmpty()) return {};
        return QRect(grid_->viewport()->mapToGlobal(cell.topLeft()), cell.size());
    }

    QAccessible::Role role() const override {
        if (grid_ && r_ == grid_->HeaderRow()) return QAccessible::ColumnHeader;
        if (grid_ && c_ == grid_->HeaderCol()) return QAccessible::RowHeader;
        return QAccessible::Cell;
    }

    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        const bool shown = grid_->ColWidth(c_) > 0 && grid_->RowHeight(r_) > 0;
        s.invisible = !shown || !grid_->isVisible();
        s.offscreen = grid_->CellRect(c_, r_).isEmpty();
        const bool selectable = grid_->Selectable(c_, r_);
        s.focusable = selectable;
        s.selectable = selectable;
        s.readOnly = !selectable || !grid_->EditingAllowed();
        s.editable = !s.readOnly;
        const bool current = c_ == grid_->Col() && r_ == grid_->Row();
        s.selected = current;
        s.focused = current && grid_->window()->isActiveWindow() &&
                    (grid_->hasFocus() || grid_->Editor()->hasFocus());
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        if (t == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    // --- QAccessibleTableCellInterface ---
    bool isSelected() const override { return grid_ && c_ == grid_->Col() && r_ == grid_->Row(); }
    QList<QAccessibleInterface*> columnHeaderCells() const override {
        return Header(c_, grid_ ? grid_->HeaderRow() : -1);
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override {
        return Header(grid_ ? grid_->HeaderCol() : -1, r_);
    }
    // Frozen cells count as the first row or column of the table they head.
    int columnIndex() const override { return grid_ ? std::max(c_ - grid_->FixedCols(), 0) : 0; }
    int rowIndex() const override { return grid_ ? std::max(r_ - grid_->FixedRows(), 0) : 0; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }
    const TStringGrid1* Grid() const { return grid_.data(); }
    int Col() const { return c_; }
    int Row() const { return r_; }

    // --- QAccessibleActionInterface: a screen reader may put the cursor on the cell ---
    QStringList actionNames() const override {
        return grid_ && grid_->Selectable(c_, r_) ? QStringList{setFocusAction()} : QStringList{};
    }
    void doAction(const QString& name) override {
        if (name != setFocusAction() || !grid_ || !grid_->Selectable(c_, r_)) return;
        if (c_ != grid_->Col() || r_ != grid_->Row()) grid_->MoveCurrent(c_, r_);
        // From outside the grid the focus comes in on the cell just chosen.
        if (!grid_->hasFocus() && !grid_->Editor()->hasFocus())
            grid_->setFocus(Qt::OtherFocusReason);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    // The header of a line, unless the cell is that header itself.
    QList<QAccessibleInterface*> Header(int c, int r) const {
        if (!grid_ || c < 0 || r < 0 || (c == c_ && r == r_)) return {};
        auto* table =
            static_cast<TGridAccessible*>(QAccessible::queryAccessibleInterface(grid_.data()));
        if (QAccessibleInterface* header = table ? table->Cell(c, r) : nullptr) return {header};
        return {};
    }

    QPointer<TStringGrid1> grid_;
    int c_;
    int r_;
};

QAccessibleInterface* GridFactory(const QString& key, QObject* object) {
    if (key == QLatin1String(TStringGrid1::staticMetaObject.className()))
        return new TGridAccessible(static_cast<TStringGrid1*>(object));
    return nullptr;
}

// Cell interfaces are kept while a screen reader may still ask for them by id; past this many
// the oldest are dropped all at once, so a long session of cursor moves keeps no trail.
constexpr int kMaxCellsKept = 4096;

TAccessibleEventTap eventTap = nullptr;

bool Listening() {
    return eventTap || QAccessible::isActive();
}

void Send(QAccessibleEvent& event) {
    if (eventTap) eventTap(&event);
    QAccessible::updateAccessibility(&event);
}

} // namespace

void SetAccessibleEventTap(TAccessibleEventTap tap) {
    eventTap = tap;
}

void InstallGridAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(GridFactory);
        return true;
    }();
    (void)installed;
}

// --- TGridAccessible ---

TGridAccessible::TGridAccessible(TStringGrid1* grid)
    : QAccessibleWidget(grid, QAccessible::Table) {}

TGridAccessible::~TGridAccessible() {
    ForgetCells();
}

TStringGrid1* TGridAccessible::Grid() const {
    return static_cast<TStringGrid1*>(widget());
}

void TGridAccessible::ForgetCells() {
    const auto ids = cells_.values();
    cells_.clear();
    for (QAccessible::Id id : ids)
        QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* TGridAccessible::Cell(int c, int r) const {
    TStringGrid1* grid = Grid();
    if (!grid || c < 0 || r < 0 || c >= grid->ColCount() || r >= grid->RowCount()) return nullptr;
    const qint64 key = CellKey(c, r);
    if (auto it = cells_.constFind(key); it != cells_.constEnd())
        if (QAccessibleInterface* iface = QAccessible::accessibleInterface(*it)) return iface;
    if (cells_.size() >= kMaxCellsKept) const_cast<TGridAccessible*>(this)->ForgetCells();
    auto* cell = new TGridCellAccessible(grid, c, r);
    cells_.insert(key, QAccessible::registerAccessibleInterface(cell));
    return cell;
}

int TGridAccessible::childCount() const {
    TStringGrid1* grid = Grid();
    const qint64 n = static_cast<qint64>(grid->ColCount()) * grid->RowCount();
    return static_cast<int>(std::min<qint64>(n, INT_MAX));
}

QAccessibleInterface* TGridAccessible::child(int index) const {
    const int cols = Grid()->ColCount();
    if (index < 0 || cols <= 0) return nullptr;
    return Cell(index % cols, index / cols);
}

int TGridAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const auto* cell = dynamic_cast<const TGridCellAccessible*>(child);
    if (!cell || cell->Grid() != Grid() || !cell->isValid()) return -1;
    const qint64 index = static_cast<qint64>(cell->Row()) * Grid()->ColCount() + cell->Col();
    return index <= INT_MAX ? static_cast<int>(index) : -1;
}

QAccessibleInterface* TGridAccessible::childAt(int x, int y) const {
    TStringGrid1* grid = Grid();
    int c = 0, r = 0;
    if (!grid->CellAt(grid->viewport()->mapFromGlobal(QPoint(x, y)), c, r)) return nullptr;
    return Cell(c, r);
}

QAccessibleInterface* TGridAccessible::focusChild() const {
    TStringGrid1* grid = Grid();
    if (!grid->hasFocus() && !grid->Editor()->hasFocus()) return nullptr;
    return Cell(grid->Col(), grid->Row());
}

void* TGridAccessible::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

QAccessibleInterface* TGridAccessible::cellAt(int row, int column) const {
    TStringGrid1* grid = Grid();
    if (row < 0 || column < 0) return nullptr;
    return Cell(column + grid->FixedCols(), row + grid->FixedRows());
}

int TGridAccessible::selectedCellCount() const {
    return selectedCells().size();
}

QList<QAccessibleInterface*> TGridAccessible::selectedCells() const {
    TStringGrid1* grid = Grid();
    if (QAccessibleInterface* cell = Cell(grid->Col(), grid->Row())) return {cell};
    return {};
}

QString TGridAccessible::columnDescription(int column) const {
    TStringGrid1* grid = Grid();
    return grid->HeaderRow() < 0 ? QString()
                                 : grid->Cell(column + grid->FixedCols(), grid->HeaderRow());
}

QString TGridAccessible::rowDescription(int row) const {
    TStringGrid1* grid = Grid();
    return grid->HeaderCol() < 0 ? QString()
                                 : grid->Cell(grid->HeaderCol(), row + grid->FixedRows());
}

int TGridAccessible::columnCount() const {
    TStringGrid1* grid = Grid();
    return std::max(grid->ColCount() - grid->FixedCols(), 0);
}

int TGridAccessible::rowCount() const {
    TStringGrid1* grid = Grid();
    return std::max(grid->RowCount() - grid->FixedRows(), 0);
}

void TGridAccessible::modelChange(QAccessibleTableModelChangeEvent*) {
    // Cells are addressed by position, so after rows or columns came or went the ids handed
    // out would name other cells.
    ForgetCells();
}

// --- the grid's side ---

int TStringGrid1::HeaderCol() const {
    const int c = headerCol_ >= 0 ? headerCol_ : fixedCols_ - 1;
    return c < ColCount() ? c : -1;
}

int TStringGrid1::HeaderRow() const {
    const int r = headerRow_ >= 0 ? headerRow_ : fixedRows_ - 1;
    return r < RowCount() ? r : -1;
}

bool TStringGrid1::Selectable(int c, int r) const {
    if (c < fixedCols_ || r < fixedRows_ || c >= ColCount() || r >= RowCount()) return false;
    return !CanTakeCursor || CanTakeCursor(c, r);
}

QString TStringGrid1::AccessibleText(int c, int r) const {
    if (OnAccessibleText) return OnAccessibleText(c, r);
    QStringList parts;
    const int hc = HeaderCol(), hr = HeaderRow();
    if (hc >= 0 && c != hc) parts << Cell(hc, r);
    if (hr >= 0 && r != hr) parts << Cell(c, hr);
    parts << Cell(c, r);
    parts.removeAll(QString());
    return parts.join(QStringLiteral(", "));
}

void TStringGrid1::UpdateEditorName() {
    // The editor holds the focus while the cursor moves: its name is the cell's, so a screen
    // reader that asks the focused widget hears the cell. One short text per move or keystroke.
    editor_->setAccessibleName(AccessibleText(col_, row_));
}

void TStringGrid1::NotifyAccessibleCurrent() {
    if (!Listening()) return;
    if (!hasFocus() && !editor_->hasFocus()) return;
    // The cell becomes the focus of the screen reader, as in the toolkit's own tables.
    const qint64 index = static_cast<qint64>(row_) * ColCount() + col_;
    if (index > INT_MAX) return;
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(static_cast<int>(index));
    Send(focus);
}

void TStringGrid1::NotifyAccessibleShape() {
    if (ColCount() == toldCols_ && RowCount() == toldRows_) return;
    toldCols_ = ColCount();
    toldRows_ = RowCount();
    // Cells are addressed by position: whatever was handed out goes, listened to or not.
    if (auto* access = dynamic_cast<TGridAccessible*>(QAccessible::queryAccessibleInterface(this)))
        access->ForgetCells();
    if (!Listening()) return;
    QAccessibleTableModelChangeEvent reset(this, QAccessibleTableModelChangeEvent::ModelReset);
    Send(reset);
}

} // namespace marklow

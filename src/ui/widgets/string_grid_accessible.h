#pragma once
// The grid as a screen reader sees it: a table whose cells are made only when asked for, so a
// class of five million cells costs nothing until a cell is read, and the row and column
// headers (the names) of each cell.

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

namespace marklow {

class TStringGrid1;

// Installs the factory that gives every TStringGrid1 its accessible table; once per program.
void InstallGridAccessibility();

// Where the grids' notifications go besides the toolkit, which passes them on only while a
// screen reader listens: tests record them here on a platform without one. nullptr: none.
using TAccessibleEventTap = void (*)(QAccessibleEvent* event);
void SetAccessibleEventTap(TAccessibleEventTap tap);

class TGridAccessible final : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit TGridAccessible(TStringGrid1* grid);
    ~TGridAccessible() override;
    TGridAccessible(const TGridAccessible&) = delete;
    TGridAccessible& operator=(const TGridAccessible&) = delete;

    // --- QAccessibleInterface: every cell of the grid is a child, row by row ---
    QAccessible::Role role() const override { return QAccessible::Table; }
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    // --- QAccessibleTableInterface: the rows and columns below and right of the frozen ones ---
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

    // The interface of grid cell (c, r), made on first use; nullptr outside the grid.
    QAccessibleInterface* Cell(int c, int r) const;
    // Drops every cell interface made so far.
    void ForgetCells();
    // How many cell interfaces exist; they are made only for the cells asked for.
    int CellsMade() const { return static_cast<int>(cells_.size()); }

private:
    TStringGrid1* Grid() const;
    // Cell interfaces by grid position (c + r * columns as 64 bits), with their ids.
    mutable QHash<qint64, QAccessible::Id> cells_;
};

} // namespace marklow

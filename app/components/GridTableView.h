#pragma once

#include <QAbstractTableModel>
#include <QTableView>

#include "GridModel.h"

class QPainter;
class QPrinter;

// The table model over a grid's data. The grid's fixed rows become the column
// titles; every column, the fixed ones included, is a model column. Model row
// r is grid row r + FixedRows().
class GridTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit GridTableModel(GridModel* grid, QObject* parent = nullptr);

    GridModel& Grid() const { return *grid_; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // Editing is one switch for the whole grid; its owner turns it on and off
    // as the current row moves. Fixed columns are never edited.
    void SetEditingEnabled(bool enabled) { editing_ = enabled; }
    bool EditingEnabled() const { return editing_; }

    int GridRow(const QModelIndex& index) const;
    QModelIndex IndexOf(int col, int gridRow) const;

    // After the grid's data changed as a whole (a load, a new table).
    void Reset();
    // After one grid row changed.
    void RowChanged(int gridRow);

    // The text of a cell as shown.
    QString CellText(int col, int gridRow) const;

private:
    GridModel* grid_;
    bool editing_ = false;
};

// The table grid on screen: a QTableView over a GridTableModel whose fixed
// columns stay in place while the others scroll. It reports the current cell
// as a grid column and row, and prints the whole table.
class GridTableView : public QTableView
{
    Q_OBJECT
public:
    explicit GridTableView(GridModel* grid, QWidget* parent = nullptr);

    GridTableModel* TableModel() const { return model_; }
    GridModel& Grid() const { return model_->Grid(); }

    // Rebuilds the display from the grid: size, titles, widths, hidden columns.
    void Reload();
    void RowChanged(int gridRow) { model_->RowChanged(gridRow); }

    void SetEditingEnabled(bool enabled);
    bool EditingEnabled() const { return model_->EditingEnabled(); }

    // The grid row and column of the current cell; 0 and 0 when there is none.
    int CurrentGridRow() const;
    int CurrentGridCol() const;
    // Makes a cell current and selected, and scrolls it into view.
    void SelectCell(int col, int gridRow);

    // Prints every row, titles repeated on each page, columns scaled to the
    // page width. False when the printer cannot be started.
    bool Print(QPrinter& printer) const;

Q_SIGNALS:
    // The current cell moved (by mouse or keys), as grid column and row.
    void CurrentCellChanged(int col, int gridRow);
    void CellDoubleClicked(int col, int gridRow);

protected:
    void resizeEvent(QResizeEvent* event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

private:
    void UpdateFrozenGeometry();
    void ApplySizes();
    int FrozenWidth() const;

    GridTableModel* model_;
    QTableView* frozen_; // the fixed columns, laid over the left edge
};

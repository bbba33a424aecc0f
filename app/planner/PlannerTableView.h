#pragma once

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QTableView>

#include "PlannerTable.h"

class QPrinter;

// The planner's rows as a table model: the heading row becomes the column
// headers, table row r (r ≥ 1) is model row r − 1. The model only reads the
// table; after a run it is reset once.
class PlannerTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit PlannerTableModel(const PlannerTable* table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // After the table changed as a whole.
    void Reset();

    // The colour a cell colour shows as; an invalid colour for Default.
    static QColor ColourOf(CellColour colour);

private:
    const PlannerCell* CellAt(const QModelIndex& index) const;

    const PlannerTable* table_;
};

// Column headers painted with the heading row's own colours, as the grid
// shows them (the style would otherwise paint every header alike).
class PlannerHeaderView : public QHeaderView
{
    Q_OBJECT
public:
    explicit PlannerHeaderView(QWidget* parent = nullptr);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
};

// The planner's grid on screen: 16 columns at the table's widths, rows 14
// pixels high, joined day-label and separator cells, centred text.
class PlannerTableView : public QTableView
{
    Q_OBJECT
public:
    static constexpr int RowHeight = 14;

    explicit PlannerTableView(const PlannerTable* table, QWidget* parent = nullptr);

    PlannerTableModel* TableModel() const { return model_; }
    const PlannerTable& Table() const { return *table_; }

    // Shows the table again after it changed: one model reset, then the
    // column widths and joined cells.
    void ShowTable();

    // Prints the heading and every row up to the last written one, the
    // heading repeated on each page, columns scaled to the page width, with
    // the table's colours. False when the printer cannot be started.
    bool Print(QPrinter& printer) const;

private:
    void FitFontToColumns();

    const PlannerTable* table_;
    PlannerTableModel* model_;
};

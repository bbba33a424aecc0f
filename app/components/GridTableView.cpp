#include "GridTableView.h"

#include <QBrush>
#include <QColor>
#include <QHeaderView>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <optional>

namespace
{

// The grid's colours are stored as 0x00BBGGRR; negative values name system
// colours, which have no fixed value and are left to the style.
std::optional<QColor> StoredColour(const QString& stored)
{
    bool ok = false;
    const qint64 v = stored.toLongLong(&ok);
    if (!ok || v < 0 || v > 0xFFFFFF)
        return std::nullopt;
    return QColor(int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF));
}

const QColor kFixedColour(236, 233, 216);

} // namespace

GridTableModel::GridTableModel(GridModel* grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid)
{
}

int GridTableModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return std::max(0, grid_->RowCount() - grid_->FixedRows());
}

int GridTableModel::columnCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return grid_->ColCount();
}

int GridTableModel::GridRow(const QModelIndex& index) const
{
    return index.row() + grid_->FixedRows();
}

QModelIndex GridTableModel::IndexOf(int col, int gridRow) const
{
    return index(gridRow - grid_->FixedRows(), col);
}

QString GridTableModel::CellText(int col, int gridRow) const
{
    QString text = grid_->CellText(col, gridRow);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int col = index.column();
    const int row = GridRow(index);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return CellText(col, row);
    case Qt::TextAlignmentRole:
        if (grid_->Value(col, row).IsNumber())
            return int(Qt::AlignRight | Qt::AlignVCenter);
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::BackgroundRole: {
        if (const GridCell* cell = grid_->Cell(col, row)) {
            auto it = cell->Settings.find(QStringLiteral("Cell.Color"));
            if (it != cell->Settings.end())
                if (auto colour = StoredColour(*it))
                    return QBrush(*colour);
        }
        if (col < grid_->FixedCols())
            return QBrush(kFixedColour);
        auto section = grid_->ColumnSettings.find(QStringLiteral("Col.Color"));
        if (section != grid_->ColumnSettings.end()) {
            auto entry = section->find(col);
            if (entry != section->end())
                if (auto colour = StoredColour(entry->second))
                    return QBrush(*colour);
        }
        return {};
    }
    case Qt::ForegroundRole:
        if (const GridCell* cell = grid_->Cell(col, row)) {
            auto it = cell->Settings.find(QStringLiteral("Cell.Font.Color"));
            if (it != cell->Settings.end())
                if (auto colour = StoredColour(*it))
                    return QBrush(*colour);
        }
        return {};
    case Qt::ToolTipRole:
        if (const GridCell* cell = grid_->Cell(col, row))
            return cell->Settings.value(QStringLiteral("Hint"));
        return {};
    default:
        return {};
    }
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + grid_->FixedRows();
    QStringList lines;
    for (int row = 0; row < grid_->FixedRows(); ++row)
        lines << CellText(section, row);
    return lines.join(QLatin1Char('\n'));
}

Qt::ItemFlags GridTableModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (editing_ && index.column() >= grid_->FixedCols())
        f |= Qt::ItemIsEditable;
    return f;
}

bool GridTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const int col = index.column();
    const int row = GridRow(index);
    QString text = value.toString();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    if (text.isEmpty()) {
        GridCell* cell = grid_->EditCell(col, row);
        if (!cell)
            return false;
        cell->Value = GridValue();
    } else if (!grid_->SetText(col, row, text)) {
        return false;
    }
    Q_EMIT dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

void GridTableModel::Reset()
{
    beginResetModel();
    endResetModel();
}

void GridTableModel::RowChanged(int gridRow)
{
    const int r = gridRow - grid_->FixedRows();
    if (r < 0 || r >= rowCount())
        return;
    Q_EMIT dataChanged(index(r, 0), index(r, std::max(0, columnCount() - 1)));
}

GridTableView::GridTableView(GridModel* grid, QWidget* parent)
    : QTableView(parent), model_(new GridTableModel(grid, this)), frozen_(new QTableView(this))
{
    setModel(model_);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalHeader()->hide();
    horizontalHeader()->setHighlightSections(false);
    SetEditingEnabled(false);

    frozen_->setObjectName(QStringLiteral("FixedColumns"));
    frozen_->setModel(model_);
    frozen_->setSelectionModel(selectionModel());
    frozen_->setFocusPolicy(Qt::NoFocus);
    frozen_->verticalHeader()->hide();
    frozen_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    frozen_->horizontalHeader()->setHighlightSections(false);
    frozen_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozen_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    frozen_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    frozen_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    frozen_->setStyleSheet(QStringLiteral("QTableView { border: none; }"));
    viewport()->stackUnder(frozen_);

    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int section, int, int size) {
                if (section < Grid().FixedCols()) {
                    frozen_->setColumnWidth(section, size);
                    UpdateFrozenGeometry();
                }
            });
    connect(verticalHeader(), &QHeaderView::sectionResized, this,
            [this](int section, int, int size) { frozen_->setRowHeight(section, size); });
    connect(frozen_->verticalScrollBar(), &QScrollBar::valueChanged, verticalScrollBar(),
            &QScrollBar::setValue);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, frozen_->verticalScrollBar(),
            &QScrollBar::setValue);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current, const QModelIndex&) {
                if (current.isValid())
                    Q_EMIT CurrentCellChanged(current.column(), model_->GridRow(current));
            });
    auto doubleClicked = [this](const QModelIndex& index) {
        if (index.isValid())
            Q_EMIT CellDoubleClicked(index.column(), model_->GridRow(index));
    };
    connect(this, &QAbstractItemView::doubleClicked, this, doubleClicked);
    connect(frozen_, &QAbstractItemView::doubleClicked, this, doubleClicked);
    // A click in the fixed columns makes that cell current in the main view too.
    connect(frozen_, &QAbstractItemView::pressed, this,
            [this](const QModelIndex& index) { setCurrentIndex(index); });

    Reload();
}

int GridTableView::FrozenWidth() const
{
    int width = 0;
    for (int col = 0; col < std::min(Grid().FixedCols(), model_->columnCount()); ++col) {
        if (!isColumnHidden(col))
            width += columnWidth(col);
    }
    return width;
}

void GridTableView::ApplySizes()
{
    const GridModel& grid = Grid();
    const int defaultHeight = std::max(12, grid.DefaultRowHeight());
    verticalHeader()->setDefaultSectionSize(defaultHeight);
    frozen_->verticalHeader()->setDefaultSectionSize(defaultHeight);
    horizontalHeader()->setMinimumSectionSize(0);
    for (int col = 0; col < model_->columnCount(); ++col) {
        const bool hidden = grid.ColumnHidden(col);
        setColumnHidden(col, hidden);
        setColumnWidth(col, std::max(0, grid.ColumnWidth(col)));
        frozen_->setColumnHidden(col, hidden || col >= grid.FixedCols());
        frozen_->setColumnWidth(col, std::max(0, grid.ColumnWidth(col)));
    }
    auto heights = grid.RowSettings.find(QStringLiteral("RowHeights"));
    if (heights != grid.RowSettings.end()) {
        for (const auto& [row, value] : *heights) {
            const int r = row - grid.FixedRows();
            bool ok = false;
            const int h = value.toInt(&ok);
            if (ok && r >= 0 && r < model_->rowCount()) {
                setRowHeight(r, std::max(0, h));
                frozen_->setRowHeight(r, std::max(0, h));
            }
        }
    }
    for (int r = 0; r < model_->rowCount(); ++r) {
        if (grid.RowHidden(r + grid.FixedRows())) {
            setRowHidden(r, true);
            frozen_->setRowHidden(r, true);
        }
    }
}

void GridTableView::Reload()
{
    model_->Reset();
    ApplySizes();
    frozen_->setVisible(Grid().FixedCols() > 0);
    UpdateFrozenGeometry();
}

void GridTableView::SetEditingEnabled(bool enabled)
{
    model_->SetEditingEnabled(enabled);
    setEditTriggers(enabled ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                  QAbstractItemView::AnyKeyPressed
                            : QAbstractItemView::NoEditTriggers);
}

int GridTableView::CurrentGridRow() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? model_->GridRow(current) : 0;
}

int GridTableView::CurrentGridCol() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.column() : 0;
}

void GridTableView::SelectCell(int col, int gridRow)
{
    const QModelIndex index = model_->IndexOf(col, gridRow);
    if (!index.isValid())
        return;
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    QTableView::scrollTo(index, QAbstractItemView::PositionAtCenter);
}

void GridTableView::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    UpdateFrozenGeometry();
}

void GridTableView::UpdateFrozenGeometry()
{
    frozen_->setGeometry(verticalHeader()->width() + frameWidth(), frameWidth(), FrozenWidth(),
                         viewport()->height() + horizontalHeader()->height());
}

QModelIndex GridTableView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex current = QTableView::moveCursor(cursorAction, modifiers);
    // Moving left must not leave the new cell hidden under the fixed columns.
    if (cursorAction == MoveLeft && current.column() >= Grid().FixedCols() &&
        visualRect(current).topLeft().x() < FrozenWidth()) {
        const int newValue =
            horizontalScrollBar()->value() + visualRect(current).topLeft().x() - FrozenWidth();
        horizontalScrollBar()->setValue(newValue);
    }
    return current;
}

void GridTableView::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    // The fixed columns never scroll sideways.
    if (index.column() >= Grid().FixedCols())
        QTableView::scrollTo(index, hint);
    else if (index.isValid())
        QTableView::scrollTo(
            model_->index(index.row(), std::min(Grid().FixedCols(), model_->columnCount() - 1)),
            hint);
}

bool GridTableView::Print(QPrinter& printer) const
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const GridModel& grid = Grid();
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRectF area(0, 0, page.width(), page.height());

    std::vector<int> columns;
    double totalWidth = 0;
    for (int col = 0; col < grid.ColCount(); ++col) {
        if (grid.ColumnHidden(col) || grid.ColumnWidth(col) <= 0)
            continue;
        columns.push_back(col);
        totalWidth += grid.ColumnWidth(col);
    }
    if (columns.empty() || totalWidth <= 0) {
        painter.end();
        return true;
    }
    const double scale = area.width() / totalWidth;

    QFont font = this->font();
    font.setPointSizeF(8);
    painter.setFont(font);
    const double rowHeight = painter.fontMetrics().height() * 1.5;
    const double pad = rowHeight * 0.15;

    auto drawRow = [&](int row, double y, bool title) {
        double x = area.left();
        for (int col : columns) {
            const double w = grid.ColumnWidth(col) * scale;
            const QRectF cell(x, y, w, rowHeight);
            if (title || col < grid.FixedCols())
                painter.fillRect(cell, kFixedColour);
            painter.drawRect(cell);
            const bool number = grid.Value(col, row).IsNumber();
            painter.drawText(
                cell.adjusted(pad, 0, -pad, 0),
                (number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                model_->CellText(col, row).replace(QLatin1Char('\n'), QLatin1Char(' ')));
            x += w;
        }
    };
    auto drawTitles = [&](double y) {
        for (int row = 0; row < grid.FixedRows(); ++row, y += rowHeight)
            drawRow(row, y, true);
        return y;
    };

    painter.setPen(QPen(Qt::black, 0));
    double y = drawTitles(area.top());
    for (int row = grid.FixedRows(); row < grid.RowCount(); ++row) {
        if (grid.RowHidden(row))
            continue;
        if (y + rowHeight > area.bottom()) {
            if (!printer.newPage()) {
                painter.end();
                return false;
            }
            y = drawTitles(area.top());
        }
        drawRow(row, y, false);
        y += rowHeight;
    }
    return painter.end();
}

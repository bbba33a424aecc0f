#include "PlannerTableView.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <QPrinter>
#include <QStyle>
#include <algorithm>

PlannerTableModel::PlannerTableModel(const PlannerTable* table, QObject* parent)
    : QAbstractTableModel(parent), table_(table)
{
}

int PlannerTableModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return std::max(0, static_cast<int>(table_->rows.size()) - 1);
}

int PlannerTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : PlannerColumnCount;
}

QColor PlannerTableModel::ColourOf(CellColour colour)
{
    if (const std::optional<Rgb> rgb = PlannerColourRgb(colour))
        return QColor(rgb->r, rgb->g, rgb->b);
    switch (colour) {
    case CellColour::ButtonFace:
        return QApplication::palette().color(QPalette::Button);
    case CellColour::WindowBorder:
        // The system's border colour has no palette role of its own.
        return QColor(180, 180, 180);
    default:
        return {};
    }
}

const PlannerCell* PlannerTableModel::CellAt(const QModelIndex& index) const
{
    if (!index.isValid() || index.column() < 0 || index.column() >= PlannerColumnCount)
        return nullptr;
    const std::size_t row = static_cast<std::size_t>(index.row()) + 1;
    if (row >= table_->rows.size())
        return nullptr;
    return &table_->rows[row].cells[index.column()];
}

namespace
{

QVariant CellRole(const PlannerCell& cell, int role)
{
    switch (role) {
    case Qt::DisplayRole:
        return cell.text;
    case Qt::TextAlignmentRole:
        return int(Qt::AlignCenter);
    case Qt::BackgroundRole: {
        const QColor c = PlannerTableModel::ColourOf(cell.background);
        return c.isValid() ? QVariant(QBrush(c)) : QVariant();
    }
    case Qt::ForegroundRole: {
        const QColor c = PlannerTableModel::ColourOf(cell.textColour);
        return c.isValid() ? QVariant(QBrush(c)) : QVariant();
    }
    default:
        return {};
    }
}

} // namespace

QVariant PlannerTableModel::data(const QModelIndex& index, int role) const
{
    const PlannerCell* cell = CellAt(index);
    return cell ? CellRole(*cell, role) : QVariant();
}

QVariant PlannerTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && section >= 0 && section < PlannerColumnCount &&
        !table_->rows.empty())
        return CellRole(table_->rows[0].cells[section], role);
    if (orientation == Qt::Vertical && role == Qt::DisplayRole)
        return section + 1;
    return {};
}

void PlannerTableModel::Reset()
{
    beginResetModel();
    endResetModel();
}

PlannerHeaderView::PlannerHeaderView(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

void PlannerHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    const QAbstractItemModel* m = model();
    if (!m)
        return;
    const QVariant background = m->headerData(logicalIndex, orientation(), Qt::BackgroundRole);
    const QVariant foreground = m->headerData(logicalIndex, orientation(), Qt::ForegroundRole);
    painter->save();
    painter->fillRect(rect, background.isValid() ? background.value<QBrush>()
                                                 : palette().brush(QPalette::Button));
    painter->setPen(palette().color(QPalette::Mid));
    painter->drawRect(rect.adjusted(0, 0, -1, -1));
    painter->setPen(foreground.isValid() ? foreground.value<QBrush>().color()
                                         : palette().color(QPalette::ButtonText));
    painter->drawText(rect, Qt::AlignCenter,
                      m->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString());
    painter->restore();
}

PlannerTableView::PlannerTableView(const PlannerTable* table, QWidget* parent)
    : QTableView(parent), table_(table), model_(new PlannerTableModel(table, this))
{
    setHorizontalHeader(new PlannerHeaderView(this));
    setModel(model_);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setDefaultSectionSize(45);
    horizontalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setFixedHeight(RowHeight + 4);
    verticalHeader()->hide();
    // Fixed heights: a month at one minute is tens of thousands of rows.
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(RowHeight);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    FitFontToColumns();
    ShowTable();
}

void PlannerTableView::FitFontToColumns()
{
    // The columns are sized for Tahoma 8 pt; a wider substitute font would
    // cut "347.12" to "347…" in a 45-pixel column, so it is made smaller.
    QFont f = font();
    f.setPointSizeF(8);
    // The cell loses its grid line and a text margin on either side; two
    // pixels more keep rounding from cutting the last digit.
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    const int room = 45 - 1 - 2 * margin - 2;
    while (f.pointSizeF() > 6 && QFontMetrics(f).horizontalAdvance(QStringLiteral("000.00")) > room)
        f.setPointSizeF(f.pointSizeF() - 0.5);
    setFont(f);
}

void PlannerTableView::ShowTable()
{
    model_->Reset();
    for (int col = 0; col < PlannerColumnCount; ++col) {
        const int width = table_->columnWidths[col];
        setColumnWidth(col, width > 0 ? width : 45);
    }
    clearSpans();
    for (std::size_t r = 1; r < table_->rows.size(); ++r) {
        const auto& cells = table_->rows[r].cells;
        for (int col = 0; col < PlannerColumnCount; ++col)
            if (cells[col].span > 1)
                setSpan(static_cast<int>(r) - 1, col, 1,
                        std::min(cells[col].span, PlannerColumnCount - col));
    }
}

bool PlannerTableView::Print(QPrinter& printer) const
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const PlannerTable& table = *table_;
    const QRectF area = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRectF page(0, 0, area.width(), area.height());

    std::array<double, PlannerColumnCount> widths{};
    double total = 0;
    for (int col = 0; col < PlannerColumnCount; ++col) {
        widths[col] = table.columnWidths[col] > 0 ? table.columnWidths[col] : 45;
        total += widths[col];
    }
    const double scale = page.width() / total;

    QFont font = this->font();
    font.setPointSizeF(7);
    painter.setFont(font);
    const double rowHeight = painter.fontMetrics().height() * 1.3;

    auto drawRow = [&](const PlannerRow& row, double y) {
        double x = page.left();
        for (int col = 0; col < PlannerColumnCount;) {
            const PlannerCell& cell = row.cells[col];
            const int span = std::clamp(cell.span, 1, PlannerColumnCount - col);
            double w = 0;
            for (int k = col; k < col + span; ++k)
                w += widths[k] * scale;
            const QRectF rect(x, y, w, rowHeight);
            const QColor background = PlannerTableModel::ColourOf(cell.background);
            if (background.isValid())
                painter.fillRect(rect, background);
            painter.setPen(Qt::gray);
            painter.drawRect(rect);
            const QColor text = PlannerTableModel::ColourOf(cell.textColour);
            painter.setPen(text.isValid() ? text : QColor(Qt::black));
            painter.drawText(rect, Qt::AlignCenter, cell.text);
            x += w;
            col += span;
        }
    };

    if (table.rows.empty()) {
        painter.end();
        return true;
    }
    const int last = std::min<int>(table.currentRow, static_cast<int>(table.rows.size()) - 1);
    double y = page.top();
    drawRow(table.rows[0], y);
    y += rowHeight;
    for (int r = 1; r <= last; ++r) {
        if (y + rowHeight > page.bottom()) {
            if (!printer.newPage()) {
                painter.end();
                return false;
            }
            y = page.top();
            drawRow(table.rows[0], y);
            y += rowHeight;
        }
        drawRow(table.rows[r], y);
        y += rowHeight;
    }
    return painter.end();
}

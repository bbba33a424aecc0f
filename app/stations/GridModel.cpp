#include "GridModel.h"

#include <algorithm>
#include <cmath>

GridValue GridValue::MakeNull()
{
    GridValue v;
    v.Type = GridVarType::Null;
    return v;
}

GridValue GridValue::MakeError(int32_t code)
{
    GridValue v;
    v.Type = GridVarType::Error;
    v.ErrorCode = code;
    return v;
}

GridValue GridValue::MakeText(const QString& text, uint16_t type)
{
    GridValue v;
    v.Type = (type == GridVarType::OleStr) ? GridVarType::OleStr : GridVarType::String;
    v.Text = text;
    return v;
}

GridValue GridValue::MakeNumber(double value, uint16_t type)
{
    GridValue v;
    v.Type = IsNumericGridType(type) ? type : GridVarType::Double;
    v.Number = value;
    return v;
}

bool IsNumericGridType(uint16_t type)
{
    switch (type) {
    case GridVarType::Smallint:
    case GridVarType::Integer:
    case GridVarType::Single:
    case GridVarType::Double:
    case GridVarType::Currency:
    case GridVarType::Date:
    case GridVarType::Boolean:
    case GridVarType::ShortInt:
    case GridVarType::Byte:
    case GridVarType::Word:
    case GridVarType::LongWord:
    case GridVarType::Int64:
    case GridVarType::UInt64:
        return true;
    default:
        return false;
    }
}

bool GridValue::IsNumber() const
{
    return IsNumericGridType(Type);
}

QString GridValue::ShownText() const
{
    if (IsText())
        return Text;
    if (Type == GridVarType::Error)
        return QStringLiteral("Error %1").arg(ErrorCode);
    if (Type == GridVarType::Boolean)
        return Number != 0 ? QStringLiteral("True") : QStringLiteral("False");
    if (IsNumber()) {
        if (Number == 0)
            return QStringLiteral("0"); // never "-0"
        return QString::number(Number, 'g', 15);
    }
    return QString();
}

bool GridValue::operator==(const GridValue& other) const
{
    if (Type != other.Type)
        return false;
    if (IsText())
        return Text == other.Text;
    if (Type == GridVarType::Error)
        return ErrorCode == other.ErrorCode;
    if (IsNumber())
        return Number == other.Number || (std::isnan(Number) && std::isnan(other.Number));
    return true;
}

bool GridCell::IsUnused() const
{
    return Value.IsEmpty() && Formula.isEmpty() && CustomData.IsEmpty() && Settings.isEmpty();
}

GridModel::GridModel() = default;

uint64_t GridModel::CellKey(int col, int row)
{
    return (uint64_t(uint32_t(row)) << 32) | uint32_t(col);
}

int GridModel::KeyCol(uint64_t key)
{
    return int(uint32_t(key & 0xFFFFFFFFu));
}

int GridModel::KeyRow(uint64_t key)
{
    return int(uint32_t(key >> 32));
}

bool GridModel::SetSize(int colCount, int rowCount)
{
    if (colCount < 0 || colCount > kMaxColCount || rowCount < 0 || rowCount > kMaxRowCount)
        return false;
    colCount_ = colCount;
    rowCount_ = rowCount;
    fixedCols_ = std::min(fixedCols_, colCount_);
    fixedRows_ = std::min(fixedRows_, rowCount_);
    DropOutside();
    return true;
}

bool GridModel::SetFixed(int fixedCols, int fixedRows)
{
    if (fixedCols < 0 || fixedCols > colCount_ || fixedRows < 0 || fixedRows > rowCount_)
        return false;
    fixedCols_ = fixedCols;
    fixedRows_ = fixedRows;
    return true;
}

bool GridModel::Contains(int col, int row) const
{
    return col >= 0 && col < colCount_ && row >= 0 && row < rowCount_;
}

const GridCell* GridModel::Cell(int col, int row) const
{
    if (!Contains(col, row))
        return nullptr;
    auto it = cells_.find(CellKey(col, row));
    return it == cells_.end() ? nullptr : &it->second;
}

GridCell* GridModel::EditCell(int col, int row)
{
    if (!Contains(col, row))
        return nullptr;
    return &cells_[CellKey(col, row)];
}

GridValue GridModel::Value(int col, int row) const
{
    const GridCell* cell = Cell(col, row);
    return cell ? cell->Value : GridValue();
}

QString GridModel::CellText(int col, int row) const
{
    return Value(col, row).ShownText();
}

bool GridModel::SetValue(int col, int row, const GridValue& value)
{
    if (!Contains(col, row))
        return false;
    auto it = cells_.find(CellKey(col, row));
    if (it == cells_.end()) {
        if (value.IsEmpty())
            return true;
        it = cells_.emplace(CellKey(col, row), GridCell()).first;
    }
    it->second.Value = value;
    if (it->second.IsUnused())
        cells_.erase(it);
    return true;
}

bool GridModel::SetText(int col, int row, const QString& text)
{
    return SetValue(col, row, GridValue::MakeText(text));
}

bool GridModel::SetNumber(int col, int row, double value, uint16_t type)
{
    return SetValue(col, row, GridValue::MakeNumber(value, type));
}

bool GridModel::CellIsEmpty(int col, int row) const
{
    const GridCell* cell = Cell(col, row);
    if (!cell)
        return true;
    // A text cleared to nothing frees the cell as well as removing the value.
    const bool noValue =
        cell->Value.IsEmpty() || (cell->Value.IsText() && cell->Value.Text.isEmpty());
    return noValue && cell->Formula.isEmpty() &&
           !cell->Settings.contains(QStringLiteral("Graphic"));
}

void GridModel::ClearCell(int col, int row)
{
    cells_.erase(CellKey(col, row));
}

void GridModel::ClearContents()
{
    cells_.clear();
    Properties.clear();
    PrintHeaderLines.clear();
    PrintFooterLines.clear();
    PrintHeader.clear();
    PrintFooter.clear();
    ColumnSettings.clear();
    RowSettings.clear();
    ColumnCustomData.clear();
    RowCustomData.clear();
}

void GridModel::DropOutside()
{
    for (auto it = cells_.begin(); it != cells_.end();) {
        if (KeyCol(it->first) >= colCount_ || KeyRow(it->first) >= rowCount_)
            it = cells_.erase(it);
        else
            ++it;
    }
    auto trim = [](GridIndexedSettings& settings, int limit) {
        for (auto& section : settings)
            section.erase(section.lower_bound(limit), section.end());
    };
    trim(ColumnSettings, colCount_);
    trim(RowSettings, rowCount_);
    ColumnCustomData.erase(ColumnCustomData.lower_bound(colCount_), ColumnCustomData.end());
    RowCustomData.erase(RowCustomData.lower_bound(rowCount_), RowCustomData.end());
}

QString GridModel::ExportTag() const
{
    const QString tag = Properties.value(QStringLiteral("ExportTag")).toString();
    // An empty tag could not stand for anything; one with a line break would
    // split the line it is meant to keep whole.
    if (tag.isEmpty() || tag.contains(QLatin1Char('\r')) || tag.contains(QLatin1Char('\n')))
        return kDefaultExportTag;
    return tag;
}

static int IntProperty(const QMap<QString, QVariant>& props, const char* key, int fallback)
{
    bool ok = false;
    const int v = props.value(QLatin1String(key)).toInt(&ok);
    return ok ? v : fallback;
}

int GridModel::DefaultColWidth() const
{
    return IntProperty(Properties, "DefaultColWidth", 64);
}

int GridModel::DefaultRowHeight() const
{
    return IntProperty(Properties, "DefaultRowHeight", 18);
}

static bool IndexedInt(const GridIndexedSettings& settings, const char* section, int index,
                       int* out)
{
    auto it = settings.find(QLatin1String(section));
    if (it == settings.end())
        return false;
    auto entry = it->find(index);
    if (entry == it->end())
        return false;
    bool ok = false;
    const int v = entry->second.toInt(&ok);
    if (ok)
        *out = v;
    return ok;
}

int GridModel::ColumnWidth(int col) const
{
    int width = DefaultColWidth();
    IndexedInt(ColumnSettings, "Col.Width", col, &width);
    return width;
}

int GridModel::RowHeight(int row) const
{
    int height = DefaultRowHeight();
    IndexedInt(RowSettings, "RowHeights", row, &height);
    return height;
}

bool GridModel::ColumnHidden(int col) const
{
    auto it = ColumnSettings.find(QStringLiteral("Col.Visible"));
    return it != ColumnSettings.end() && it->count(col) > 0;
}

bool GridModel::RowHidden(int row) const
{
    auto it = RowSettings.find(QStringLiteral("Row.Visible"));
    return it != RowSettings.end() && it->count(row) > 0;
}

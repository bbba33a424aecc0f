#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <cstdint>
#include <map>

// The table grid's data, without any drawing: the station database and the
// planner table keep their cells here, and the grid's INI file form reads and
// writes exactly this. The Qt table model of the windows sits on top of it.

// Type codes of cell values, as stored in the grid's files.
namespace GridVarType
{
constexpr uint16_t Empty = 0x000;
constexpr uint16_t Null = 0x001;
constexpr uint16_t Smallint = 0x002;
constexpr uint16_t Integer = 0x003;
constexpr uint16_t Single = 0x004;
constexpr uint16_t Double = 0x005;
constexpr uint16_t Currency = 0x006;
constexpr uint16_t Date = 0x007;
constexpr uint16_t OleStr = 0x008;
constexpr uint16_t Error = 0x00A;
constexpr uint16_t Boolean = 0x00B;
constexpr uint16_t ShortInt = 0x010;
constexpr uint16_t Byte = 0x011;
constexpr uint16_t Word = 0x012;
constexpr uint16_t LongWord = 0x013;
constexpr uint16_t Int64 = 0x014;
constexpr uint16_t UInt64 = 0x015;
constexpr uint16_t String = 0x100;
} // namespace GridVarType

// One typed value: empty, null, an error code, a text or a number of one of
// the numeric types (integers, reals, currency, dates and booleans are all
// kept as the real they convert to; a true boolean is -1).
struct GridValue {
    uint16_t Type = GridVarType::Empty;
    double Number = 0;
    int32_t ErrorCode = 0;
    QString Text;

    static GridValue MakeNull();
    static GridValue MakeError(int32_t code);
    static GridValue MakeText(const QString& text, uint16_t type = GridVarType::String);
    static GridValue MakeNumber(double value, uint16_t type = GridVarType::Double);

    bool IsEmpty() const { return Type == GridVarType::Empty; }
    bool IsText() const { return Type == GridVarType::OleStr || Type == GridVarType::String; }
    bool IsNumber() const;
    // The text the cell shows: texts as they are, numbers with a point as
    // decimal separator and at most 15 significant digits, null and empty as "".
    QString ShownText() const;

    bool operator==(const GridValue& other) const;
};

// True for the numeric, date and boolean type codes a value may carry.
bool IsNumericGridType(uint16_t type);

// A cell: its value or formula, its custom data and any settings of its own
// (section name -> stored text, e.g. "Cell.Color", "Hint", "Unions", "Graphic").
struct GridCell {
    GridValue Value;
    QString Formula;
    GridValue CustomData;
    QMap<QString, QString> Settings;

    bool IsUnused() const;
};

// Column- and row-keyed settings: section name -> (index -> stored text).
// Name lists ("Col.Visible" and the like) hold an empty text for each index.
using GridIndexedSettings = QMap<QString, std::map<int, QString>>;

class GridModel
{
public:
    // Beyond these a file cannot be a station list; loads refuse larger sizes.
    static constexpr int kMaxColCount = 1000;
    static constexpr int kMaxRowCount = 100000;
    // Loads refuse files with more used cells than this (13 columns of 100 000 rows fit).
    static constexpr int kMaxCellCount = 2000000;

    GridModel();

    int ColCount() const { return colCount_; }
    int RowCount() const { return rowCount_; }
    int FixedCols() const { return fixedCols_; }
    int FixedRows() const { return fixedRows_; }

    // Resizes the grid; cells, column and row settings beyond the new size are
    // dropped, fixed counts are kept within it. False (and no change) for a
    // size outside 0..kMaxColCount / 0..kMaxRowCount.
    bool SetSize(int colCount, int rowCount);
    // False (and no change) when a fixed count exceeds its total.
    bool SetFixed(int fixedCols, int fixedRows);

    bool Contains(int col, int row) const;

    // Null when the cell holds nothing at all.
    const GridCell* Cell(int col, int row) const;
    // Creates the cell when needed; nullptr outside the grid.
    GridCell* EditCell(int col, int row);
    GridValue Value(int col, int row) const;
    QString CellText(int col, int row) const;
    // False when the cell lies outside the grid.
    bool SetValue(int col, int row, const GridValue& value);
    bool SetText(int col, int row, const QString& text);
    bool SetNumber(int col, int row, double value, uint16_t type = GridVarType::Double);
    // A cell without value (or with an empty text), formula and picture counts as empty.
    bool CellIsEmpty(int col, int row) const;
    void ClearCell(int col, int row);

    // Cells in row order, then column order. Keys come from CellKey.
    const std::map<uint64_t, GridCell>& Cells() const { return cells_; }
    static uint64_t CellKey(int col, int row);
    static int KeyCol(uint64_t key);
    static int KeyRow(uint64_t key);

    // Empties every cell and every column, row and grid setting; the size stays.
    void ClearContents();

    // Presentation settings of the whole grid (key -> int, bool, double or QString).
    QMap<QString, QVariant> Properties;
    QStringList PrintHeaderLines, PrintFooterLines;
    QMap<QString, QVariant> PrintHeader, PrintFooter;
    GridIndexedSettings ColumnSettings; // "Col.Width", "Col.Visible", ...
    GridIndexedSettings RowSettings;    // "RowHeights", "Row.Visible", ...
    std::map<int, GridValue> ColumnCustomData, RowCustomData;

    QString ExportTag() const;
    int DefaultColWidth() const;
    int DefaultRowHeight() const;
    int ColumnWidth(int col) const;
    int RowHeight(int row) const;
    bool ColumnHidden(int col) const;
    bool RowHidden(int row) const;

private:
    void DropOutside();

    int colCount_ = 5, rowCount_ = 5, fixedCols_ = 1, fixedRows_ = 1;
    std::map<uint64_t, GridCell> cells_;
};

// The tag that stands for a line break inside a stored cell text.
inline const QString kDefaultExportTag = QStringLiteral("ProfGridTag");

#include "StationDatabase.h"

#include <QLocale>
#include <cmath>
#include <utility>

namespace
{

constexpr int kCallSignMax = 8;
constexpr int kLocationMax = 15;
constexpr int kGridSquareMax = 6;
constexpr int kFreeRowSearchStart = 101;

// Upper case of the letters a..z only, as the list's prefixes are compared.
QString AsciiUpper(const QString& text)
{
    QString out = text;
    for (QChar& c : out) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - ('a' - 'A'));
    }
    return out;
}

// Pieces (first, last; counted from 1) of a call-sign cell of length n that
// hold one prefix each: "VK,VL" gives VK and VL.
const std::vector<std::pair<int, int>>& PiecesFor(int n)
{
    static const std::vector<std::pair<int, int>> none;
    static const std::vector<std::pair<int, int>> five{{1, 2}, {4, 5}};
    static const std::vector<std::pair<int, int>> seven{{1, 3}, {5, 7}};
    static const std::vector<std::pair<int, int>> eight{{1, 2}, {4, 5}, {7, 8}};
    static const std::vector<std::pair<int, int>> nine{{1, 4}, {6, 8}};
    static const std::vector<std::pair<int, int>> ten{{1, 4}, {9, 10}};
    static const std::vector<std::pair<int, int>> eleven{{1, 2}, {4, 5}, {7, 8}, {10, 11}};
    static const std::vector<std::pair<int, int>> twelve{{1, 4}, {6, 9}};
    switch (n) {
    case 5:
        return five;
    case 7:
        return seven;
    case 8:
        return eight;
    case 9:
        return nine;
    case 10:
        return ten;
    case 11:
        return eleven;
    case 12:
        return twelve;
    default:
        return none;
    }
}

bool RowMatches(const GridModel& grid, int row, const QString& s)
{
    if (s == AsciiUpper(grid.CellText(StationColumn::Location, row)))
        return true;
    const QString p = grid.CellText(StationColumn::CallSign, row);
    const int n = int(p.size());
    if (s == p)
        return true;
    if (n >= 1 && n <= 4 && s == AsciiUpper(p))
        return true;
    for (const auto& [first, last] : PiecesFor(n)) {
        if (s == AsciiUpper(p.mid(first - 1, last - first + 1)))
            return true;
    }
    return false;
}

long double SignedDegrees(int32_t deg, int32_t min, int32_t sec, const QString& letter,
                          QChar negative)
{
    long double v =
        std::fabs(static_cast<long double>(min) / 60 + deg + static_cast<long double>(sec) / 3600);
    if (!letter.isEmpty() && letter.at(0).toUpper() == negative)
        v = -v;
    return v;
}

// Numbers of the database are written with a point and no group separators.
QLocale NumberLocale()
{
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    return c;
}

QString NumberProblem(int row, const QString& what, const QString& text)
{
    return QStringLiteral("Row %1 of the Data Base cannot be used: the %2 \"%3\" is not a valid "
                          "number.")
        .arg(row)
        .arg(what, text);
}

// A real written with a point; an empty cell counts as 0.
bool ReadReal(const GridModel& grid, int col, int row, long double& out)
{
    const QString text = grid.CellText(col, row).trimmed();
    if (text.isEmpty()) {
        out = 0;
        return true;
    }
    bool ok = false;
    const double v = NumberLocale().toDouble(text, &ok);
    if (!ok || !std::isfinite(v))
        return false;
    out = v;
    return true;
}

// A whole number within lo..hi; an empty cell counts as 0.
bool ReadWhole(const GridModel& grid, int col, int row, int lo, int hi, int32_t& out)
{
    const QString text = grid.CellText(col, row).trimmed();
    if (text.isEmpty()) {
        out = 0;
        return true;
    }
    bool ok = false;
    const double v = NumberLocale().toDouble(text, &ok);
    if (!ok || v != std::trunc(v) || v < lo || v > hi)
        return false;
    out = int32_t(v);
    return true;
}

bool RowHasAnyValue(const GridModel& grid, int row)
{
    for (int col = 0; col < StationColumn::Count; ++col) {
        if (!grid.CellIsEmpty(col, row))
            return true;
    }
    return false;
}

void MoveRowSettingsUp(std::map<int, QString>& byRow, int deleted, int lastRow)
{
    std::map<int, QString> moved;
    for (auto& [row, value] : byRow) {
        if (row < deleted)
            moved.emplace(row, value);
        else if (row > deleted && row <= lastRow)
            moved.emplace(row - 1, value);
    }
    byRow = std::move(moved);
}

} // namespace

QString ProtectedRowMessage()
{
    return QStringLiteral("Editing the Dravik \u00a9 Data Base is not permitted.\r\r"
                          "    If you find any errors or omissions\r"
                          " please email me at the following address\r\r"
                          "         ") +
           DatabaseContactAddress;
}

void ResetToEmptyDatabase(GridModel& grid)
{
    grid.ClearContents();
    grid.SetSize(StationColumn::Count, 1);
    grid.SetFixed(1, 1);
}

std::optional<int> FindFreeRow(const GridModel& grid)
{
    for (int row = std::max(kFreeRowSearchStart, FirstUserRow); row < grid.RowCount(); ++row) {
        if (grid.CellIsEmpty(StationColumn::Location, row))
            return row;
    }
    return std::nullopt;
}

QString FastFindSearchText(const QString& fieldText)
{
    return AsciiUpper(fieldText);
}

std::optional<int> FastFind(const GridModel& grid, const QString& searchText)
{
    for (int row = 1; row < grid.RowCount(); ++row) {
        if (RowMatches(grid, row, searchText))
            return row;
    }
    return std::nullopt;
}

StationRowRead ReadStationRow(const GridModel& grid, int row)
{
    StationRowRead result;
    if (row <= 0 || row >= grid.RowCount())
        return result;
    if (!RowHasAnyValue(grid, row)) {
        result.Message = QStringLiteral("Row %1 of the Data Base holds no station.").arg(row);
        return result;
    }
    namespace C = StationColumn;
    StationRow s;
    s.Location = grid.CellText(C::Location, row).left(kLocationMax);
    s.CallSign = grid.CellText(C::CallSign, row).left(kCallSignMax);
    s.GridSquare = grid.CellText(C::GridSquare, row).left(kGridSquareMax);
    s.LatHemisphere = grid.CellText(C::LatHemisphere, row).left(1);
    s.LongHemisphere = grid.CellText(C::LongHemisphere, row).left(1);

    struct Whole {
        int col;
        int hi;
        int32_t* out;
        const char* what;
    };
    const Whole wholes[] = {
        {C::LatDeg, 90, &s.LatDeg, "latitude degrees"},
        {C::LatMin, 59, &s.LatMin, "latitude minutes"},
        {C::LatSec, 59, &s.LatSec, "latitude seconds"},
        {C::LongDeg, 180, &s.LongDeg, "longitude degrees"},
        {C::LongMin, 59, &s.LongMin, "longitude minutes"},
        {C::LongSec, 59, &s.LongSec, "longitude seconds"},
    };
    for (const Whole& w : wholes) {
        if (!ReadWhole(grid, w.col, row, 0, w.hi, *w.out)) {
            result.Message =
                NumberProblem(row, QString::fromLatin1(w.what), grid.CellText(w.col, row));
            return result;
        }
    }
    if (!ReadReal(grid, C::UtcOffset, row, s.UtcOffset) || std::fabs(s.UtcOffset) > 23.5L) {
        result.Message =
            NumberProblem(row, QStringLiteral("UTC offset"), grid.CellText(C::UtcOffset, row));
        return result;
    }
    if (!ReadReal(grid, C::HeightM, row, s.HeightM)) {
        result.Message =
            NumberProblem(row, QStringLiteral("height"), grid.CellText(C::HeightM, row));
        return result;
    }
    // Whole degrees at the limit leave no room for minutes or seconds.
    const long double lat = SignedDegrees(s.LatDeg, s.LatMin, s.LatSec, {}, QLatin1Char('S'));
    const long double lon = SignedDegrees(s.LongDeg, s.LongMin, s.LongSec, {}, QLatin1Char('W'));
    if (lat > 90 || lon > 180) {
        result.Message =
            QStringLiteral("Row %1 of the Data Base cannot be used: its position lies beyond "
                           "90\u00b0 of latitude or 180\u00b0 of longitude.")
                .arg(row);
        return result;
    }
    result.Row = s;
    return result;
}

StationRow StationFromState(const AppState& state, Station side)
{
    StationRow s;
    if (side == Station::Home) {
        s.Location = state.HomeLocation;
        s.CallSign = state.HomeCallSign;
        s.UtcOffset = state.HomeUtcOffset;
        s.GridSquare = state.GridSquareWork;
        s.HeightM = state.HomeHeightM;
        s.LatDeg = state.HomeLatDeg;
        s.LatMin = state.HomeLatMin;
        s.LatSec = state.HomeLatSec;
        s.LatHemisphere = state.HomeLatHemisphere;
        s.LongDeg = state.HomeLongDeg;
        s.LongMin = state.HomeLongMin;
        s.LongSec = state.HomeLongSec;
        s.LongHemisphere = state.HomeLongHemisphere;
    } else {
        s.Location = state.DxLocation;
        s.CallSign = state.DxCallSign;
        s.UtcOffset = state.DxUtcOffset;
        s.GridSquare = state.DxGridSquare;
        s.HeightM = state.DxHeightM;
        s.LatDeg = state.DxLatDeg;
        s.LatMin = state.DxLatMin;
        s.LatSec = state.DxLatSec;
        s.LatHemisphere = state.DxLatHemisphere;
        s.LongDeg = state.DxLongDeg;
        s.LongMin = state.DxLongMin;
        s.LongSec = state.DxLongSec;
        s.LongHemisphere = state.DxLongHemisphere;
    }
    return s;
}

QString WriteStationRow(GridModel& grid, int row, const StationRow& s)
{
    if (row <= LastProtectedRow || row >= grid.RowCount() || grid.ColCount() < StationColumn::Count)
        return GridIndexOutOfRangeMessage;
    namespace C = StationColumn;
    auto text = [&](int col, const QString& value) {
        if (value.isEmpty())
            grid.ClearCell(col, row);
        else
            grid.SetText(col, row, value);
    };
    text(C::Location, s.Location);
    text(C::CallSign, s.CallSign);
    grid.SetNumber(C::UtcOffset, row, double(s.UtcOffset), GridVarType::Double);
    text(C::GridSquare, s.GridSquare);
    grid.SetNumber(C::HeightM, row, double(s.HeightM), GridVarType::Double);
    text(C::LatDeg, QString::number(s.LatDeg));
    text(C::LatMin, QString::number(s.LatMin));
    text(C::LatSec, QString::number(s.LatSec));
    text(C::LatHemisphere, s.LatHemisphere);
    text(C::LongDeg, QString::number(s.LongDeg));
    text(C::LongMin, QString::number(s.LongMin));
    text(C::LongSec, QString::number(s.LongSec));
    text(C::LongHemisphere, s.LongHemisphere);
    return {};
}

AddStationResult AddStationToUserArea(GridModel& grid, const StationRow& station)
{
    AddStationResult result;
    const std::optional<int> row = FindFreeRow(grid);
    if (!row) {
        result.Message = GridIndexOutOfRangeMessage;
        return result;
    }
    result.Message = WriteStationRow(grid, *row, station);
    if (result.Message.isEmpty())
        result.Row = *row;
    return result;
}

void TakeStation(AppState& state, const StationRow& s, Station side)
{
    StationFields f = FieldsOf(state, side);
    f.Location = s.Location.left(kLocationMax);
    f.CallSign = s.CallSign.left(kCallSignMax);
    f.UtcOffset = s.UtcOffset;
    f.HeightM = s.HeightM;
    f.LatDeg = s.LatDeg;
    f.LatMin = s.LatMin;
    f.LatSec = s.LatSec;
    f.LongDeg = s.LongDeg;
    f.LongMin = s.LongMin;
    f.LongSec = s.LongSec;
    f.LatHemisphere = s.LatHemisphere.left(1);
    f.LongHemisphere = s.LongHemisphere.left(1);
    f.Latitude = SignedDegrees(s.LatDeg, s.LatMin, s.LatSec, s.LatHemisphere, QLatin1Char('S'));
    f.Longitude =
        SignedDegrees(s.LongDeg, s.LongMin, s.LongSec, s.LongHemisphere, QLatin1Char('W'));
    if (side == Station::Home) {
        state.HomeGridSquare = s.GridSquare.left(kGridSquareMax);
    } else {
        state.DxGridSquare = s.GridSquare.left(kGridSquareMax);
        state.ShowStationB = 1;
    }
}

TakeResult SelectStationFromRow(AppState& state, const GridModel& grid, int row, Station side)
{
    TakeResult result;
    const StationRowRead read = ReadStationRow(grid, row);
    if (!read.Row) {
        result.Message = read.Message;
        result.Status = read.Message.isEmpty() ? TakeStatus::NothingTaken : TakeStatus::Refused;
        return result;
    }
    TakeStation(state, *read.Row, side);
    result.Status = TakeStatus::Taken;
    return result;
}

void TakeDxHemispheresFromButtons(AppState& state, const QString& latButton,
                                  const QString& longButton)
{
    state.DxLatHemisphere =
        latButton == QLatin1String("S") ? QStringLiteral("S") : QStringLiteral("N");
    state.DxLongHemisphere =
        longButton == QLatin1String("E") ? QStringLiteral("E") : QStringLiteral("W");
    state.DxLatitude = SignedDegrees(state.DxLatDeg, state.DxLatMin, state.DxLatSec,
                                     state.DxLatHemisphere, QLatin1Char('S'));
    state.DxLongitude = SignedDegrees(state.DxLongDeg, state.DxLongMin, state.DxLongSec,
                                      state.DxLongHemisphere, QLatin1Char('W'));
    state.ShowStationB = 1;
}

bool DeleteUserRow(GridModel& grid, int row)
{
    if (!RowIsEditable(row) || row >= grid.RowCount())
        return false;
    const int last = grid.RowCount() - 1;
    for (int r = row; r < last; ++r) {
        for (int col = 0; col < grid.ColCount(); ++col) {
            const GridCell* below = grid.Cell(col, r + 1);
            if (below) {
                const GridCell copy = *below;
                *grid.EditCell(col, r) = copy;
            } else {
                grid.ClearCell(col, r);
            }
        }
    }
    for (int col = 0; col < grid.ColCount(); ++col)
        grid.ClearCell(col, last);
    for (auto& byRow : grid.RowSettings)
        MoveRowSettingsUp(byRow, row, last);
    std::map<int, GridValue> custom;
    for (auto& [r, value] : grid.RowCustomData) {
        if (r < row)
            custom.emplace(r, value);
        else if (r > row)
            custom.emplace(r - 1, value);
    }
    grid.RowCustomData = std::move(custom);
    return true;
}

QString DeleteQuestion(const GridModel& grid, int row)
{
    return QStringLiteral("Delete this entry ? \r\n\r\n") +
           QStringList{grid.CellText(0, row), grid.CellText(1, row), grid.CellText(2, row),
                       grid.CellText(3, row)}
               .join(QLatin1Char(' '));
}

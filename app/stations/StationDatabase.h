#pragma once

#include <QString>
#include <optional>

#include "AppState.h"
#include "GridModel.h"
#include "StationFields.h"

// The station database as data: the row layout of a station, the protected
// shipped list and the user area, the fast find, and taking a row as the home
// or the Dx station. The database and set-up windows only wire these.

// Columns of a station row.
namespace StationColumn
{
enum : int {
    Location = 0,
    CallSign,
    UtcOffset,
    GridSquare,
    HeightM,
    LatDeg,
    LatMin,
    LatSec,
    LatHemisphere,
    LongDeg,
    LongMin,
    LongSec,
    LongHemisphere,
    Count
};
} // namespace StationColumn

// Rows 1..LastProtectedRow are the shipped list; the user area follows.
inline constexpr int LastProtectedRow = 459;
inline constexpr int FirstUserRow = 460;

inline const QString DatabaseFileName = QStringLiteral("DravikDXCC.ini");
inline const QString DatabaseCopyFileName = QStringLiteral("TavrelDataBase.ini");

inline const QString GridIndexOutOfRangeMessage = QStringLiteral("Grid index out of range");
// Where the protection message sends corrections of the shipped list.
inline const QString DatabaseContactAddress = QStringLiteral("stations@tavrel.invalid");
// Shown when a protected row is to be edited or deleted.
QString ProtectedRowMessage();

// Editing is allowed in the user area only.
inline bool RowIsEditable(int row)
{
    return row > LastProtectedRow;
}

// The grid the database window starts with before any file is loaded:
// 13 columns, one fixed title row and the fixed location column, no stations.
void ResetToEmptyDatabase(GridModel& grid);

// The first user row whose location cell is empty. Never a protected row,
// even when a damaged list leaves one of them empty; nothing when the user
// area is full.
std::optional<int> FindFreeRow(const GridModel& grid);

// The search text of the fast-find field: its letters a..z in upper case.
QString FastFindSearchText(const QString& fieldText);
// The first row from row 1 whose location equals `searchText` without regard
// to case, or whose call-sign cell equals it as a whole or in one of the
// pieces a list of prefixes is cut into. Nothing when no row matches.
std::optional<int> FastFind(const GridModel& grid, const QString& searchText);

// One station as a database row holds it.
struct StationRow {
    QString Location;
    QString CallSign;
    long double UtcOffset = 0;
    QString GridSquare;
    long double HeightM = 0;
    int32_t LatDeg = 0, LatMin = 0, LatSec = 0;
    QString LatHemisphere;
    int32_t LongDeg = 0, LongMin = 0, LongSec = 0;
    QString LongHemisphere;
};

struct StationRowRead {
    std::optional<StationRow> Row; // set when the row holds a usable station
    QString Message;               // why not, ready to show; empty for row 0
};

// Reads a row as the texts its cells show: texts cut to the station fields'
// capacities, numbers with a point as decimal separator, the hemispheres as
// their first character. A row with an unreadable or impossible number, or
// with no station at all, gives a message instead.
StationRowRead ReadStationRow(const GridModel& grid, int row);

// The station of `state` as the set-up window stores it: for the home station
// the locator shown (GridSquareWork), for the Dx station DxGridSquare.
StationRow StationFromState(const AppState& state, Station side);

// Writes a station into `row`: texts, UTC offset and height as numbers, the
// companions as texts of integers. An empty text is stored as an empty cell.
// Returns an empty text, or why nothing was written.
QString WriteStationRow(GridModel& grid, int row, const StationRow& station);

struct AddStationResult {
    int Row = -1;    // the row written, -1 when none
    QString Message; // why nothing was written
};
// Writes the station into the first free user row; nothing when none is free.
AddStationResult AddStationToUserArea(GridModel& grid, const StationRow& station);

// Takes the station of `station` into `state` for one side: texts, numbers,
// companions and hemisphere letters, and the signed position rebuilt from the
// companions ("S" / "s" and "W" / "w" negative). Taking a Dx station also
// puts it in use (ShowStationB).
void TakeStation(AppState& state, const StationRow& station, Station side);

enum class TakeStatus { Taken, NothingTaken, Refused };
struct TakeResult {
    TakeStatus Status = TakeStatus::NothingTaken;
    QString Message; // set when refused
};
// "Select as Dx Station" / "Select as Home Station" on `row`: row 0 (the
// titles) or a row outside the grid takes nothing; a row that cannot be read
// is refused with its message and leaves `state` unchanged.
TakeResult SelectStationFromRow(AppState& state, const GridModel& grid, int row, Station side);

// The set-up window's "Add this New Station": the Dx hemisphere letters are
// taken from what its two buttons show and the Dx position is rebuilt from the
// companions; the Dx station is put in use.
void TakeDxHemispheresFromButtons(AppState& state, const QString& latButton,
                                  const QString& longButton);

// Deleting a user row moves the rows below it up by one and leaves an empty
// last row, so the user area keeps its size. False (nothing changed) for the
// title row, a protected row or a row outside the grid.
bool DeleteUserRow(GridModel& grid, int row);

// "Delete this entry ? " and the row's first four cells.
QString DeleteQuestion(const GridModel& grid, int row);

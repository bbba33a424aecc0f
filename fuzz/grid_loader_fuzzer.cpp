// Any bytes as a station list: the grid loader never crashes or hangs, a
// refused file leaves the grid exactly as it was and says why, an accepted one
// stays within the size limits, writes a file that loads again and writes the
// same bytes, and the database's own look-ups work on whatever was loaded.
#include <cstddef>
#include <cstdint>

#include "FuzzSupport.h"
#include "GridIniFile.h"
#include "StationDatabase.h"

namespace
{

SilentMessageBoxes silent;

GridModel Sentinel()
{
    GridModel grid;
    ResetToEmptyDatabase(grid);
    grid.SetSize(StationColumn::Count, 3);
    grid.SetText(0, 1, QStringLiteral("sentinel"));
    return grid;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    SetMessages(&silent);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    static const GridModel sentinel = Sentinel();

    GridModel grid = sentinel;
    const GridFileResult result = LoadGridFromIniBytes(grid, bytes);
    if (!result.ok) {
        FUZZ_CHECK(!result.message.isEmpty());
        FUZZ_CHECK(grid.ColCount() == sentinel.ColCount() &&
                   grid.RowCount() == sentinel.RowCount());
        FUZZ_CHECK(grid.Cells().size() == 1 && grid.CellText(0, 1) == QLatin1String("sentinel"));
        FUZZ_CHECK(grid.Properties == sentinel.Properties);
        return 0;
    }
    FUZZ_CHECK(grid.ColCount() >= 0 && grid.ColCount() <= GridModel::kMaxColCount);
    FUZZ_CHECK(grid.RowCount() >= 0 && grid.RowCount() <= GridModel::kMaxRowCount);
    FUZZ_CHECK(grid.FixedCols() <= grid.ColCount() && grid.FixedRows() <= grid.RowCount());
    for (const auto& [key, cell] : grid.Cells())
        FUZZ_CHECK(grid.Contains(GridModel::KeyCol(key), GridModel::KeyRow(key)));

    const QByteArray written = GridToIniBytes(grid);
    GridModel again;
    const GridFileResult reread = LoadGridFromIniBytes(again, written);
    FUZZ_CHECK(reread.ok);
    FUZZ_CHECK(reread.warnings.isEmpty());
    FUZZ_CHECK(GridToIniBytes(again) == written);

    // What the database window and its commands do with a loaded list.
    int rowsRead = 0;
    int lastRow = -1;
    for (const auto& [key, cell] : grid.Cells()) {
        const int row = GridModel::KeyRow(key);
        if (row == lastRow || rowsRead >= 64)
            continue;
        lastRow = row;
        ++rowsRead;
        const StationRowRead read = ReadStationRow(grid, row);
        if (read.Row) {
            FUZZ_CHECK(read.Row->Location.size() <= 15 && read.Row->CallSign.size() <= 8);
            FUZZ_CHECK(read.Row->GridSquare.size() <= 6);
        }
    }
    // The searches read row by row; small grids show the same paths much faster.
    if (grid.RowCount() <= 64) {
        const QString search = FastFindSearchText(QString::fromUtf8(bytes.left(12)));
        if (const auto row = FastFind(grid, search))
            FUZZ_CHECK(*row >= 1 && *row < grid.RowCount());
    }
    if (grid.RowCount() <= FirstUserRow + 64) {
        if (const auto row = FindFreeRow(grid))
            FUZZ_CHECK(*row >= FirstUserRow && *row < grid.RowCount());
    }
    return 0;
}

// Loading a station list of 60 000 rows, as a large "DravikDXCC.ini" would be
// loaded each time the database or set-up window opens; it has to stay well
// under a second.
#include "GridIniFile.h"
#include "StationDatabase.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace
{

constexpr int kStations = 60000;

GridModel LargeStationList()
{
    GridModel grid;
    ResetToEmptyDatabase(grid);
    grid.SetSize(StationColumn::Count, kStations + 1);
    for (int row = 1; row <= kStations; ++row) {
        grid.SetText(StationColumn::Location, row, QStringLiteral("Location %1").arg(row));
        grid.SetText(StationColumn::CallSign, row, QStringLiteral("K%1AB").arg(row % 10000));
        grid.SetNumber(StationColumn::UtcOffset, row, (row % 48) / 2.0 - 12);
        grid.SetText(StationColumn::GridSquare, row, QStringLiteral("JO%1ab").arg(row % 90 + 10));
        grid.SetNumber(StationColumn::HeightM, row, row % 3000);
        grid.SetText(StationColumn::LatDeg, row, QString::number(row % 90));
        grid.SetText(StationColumn::LatMin, row, QString::number(row % 60));
        grid.SetText(StationColumn::LatSec, row, QString::number((row / 7) % 60));
        grid.SetText(StationColumn::LatHemisphere, row,
                     row % 2 ? QStringLiteral("N") : QStringLiteral("S"));
        grid.SetText(StationColumn::LongDeg, row, QString::number(row % 180));
        grid.SetText(StationColumn::LongMin, row, QString::number((row / 3) % 60));
        grid.SetText(StationColumn::LongSec, row, QString::number((row / 11) % 60));
        grid.SetText(StationColumn::LongHemisphere, row,
                     row % 3 ? QStringLiteral("E") : QStringLiteral("W"));
    }
    return grid;
}

const QByteArray& LargeStationListBytes()
{
    static const QByteArray bytes = GridToIniBytes(LargeStationList());
    return bytes;
}

// From the file on disk, the way the windows load it.
void BM_LoadStationList60000Rows(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("DravikDXCC.ini"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(LargeStationListBytes()) < 0) {
        state.SkipWithError("cannot write the station list");
        return;
    }
    file.close();
    for (auto _ : state) {
        GridModel grid;
        const GridFileResult result = LoadGridFromIni(grid, path);
        if (!result.ok || grid.RowCount() != kStations + 1) {
            state.SkipWithError("the station list did not load");
            return;
        }
        benchmark::DoNotOptimize(grid);
    }
    state.counters["bytes"] = double(LargeStationListBytes().size());
}
BENCHMARK(BM_LoadStationList60000Rows)->Unit(benchmark::kMillisecond);

// The fast find over the same list for a text no row holds: the search reads every row.
void BM_FastFindNoMatchIn60000Rows(benchmark::State& state)
{
    GridModel grid;
    LoadGridFromIniBytes(grid, LargeStationListBytes());
    const QString search = FastFindSearchText(QStringLiteral("nowhere"));
    for (auto _ : state)
        benchmark::DoNotOptimize(FastFind(grid, search));
}
BENCHMARK(BM_FastFindNoMatchIn60000Rows)->Unit(benchmark::kMillisecond);

} // namespace

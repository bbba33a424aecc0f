#include "SweepSupport.h"

#include <algorithm>
#include <cmath>

#include "AppState.h"
#include "ChartSet.h"

SweepResult StartSweep(int progressMaximum)
{
    SweepResult result;
    const ClearChartsData cleared = ClearCharts();
    result.clearedSeries = cleared.series;
    for (const QString& box : cleared.hidden)
        result.shown[box] = false;
    result.progress = {progressMaximum, 0};
    result.shown["Label146"] = false;
    return result;
}

void Plot(SweepResult& result, int chart, int series, int minute, long double value,
          PointColour colour)
{
    if (!std::isfinite(value))
        return;
    result.points[SeriesRef{chart, series}].push_back(
        ChartPoint{minute, static_cast<double>(value), colour});
}

void SampleStation(const EphemerisCalls& calls, const AppState& state, Station station,
                   uint16_t minute, uint16_t second, SweepResult& result)
{
    CallStationAt(calls, state, station, minute, second);
    ++result.libraryCalls;
}

LibrationPoint RunEphemeris(const EphemerisCalls& calls, AppState& state, SweepResult& result)
{
    calls.ComputeEphemeris(state);
    ++result.ephemerisRuns;
    return {state.TopoLibrationLatitude, state.TopoLibrationLongitude};
}

int AdvanceProgress(const ProgressState& progress, int steps)
{
    return std::max(0, std::min(progress.maximum, progress.position + steps));
}

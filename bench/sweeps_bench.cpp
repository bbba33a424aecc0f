// The chart sweeps and the planner table against the evaluations they make:
// each sweep reports how many library calls and own-ephemeris runs it made,
// and the unit benchmarks here give the cost of one of each, so a sweep's
// time can be set beside calls × unit cost.

#include <benchmark/benchmark.h>

#include "AppState.h"
#include "BandTable.h"
#include "ChartSweeps.h"
#include "EphemerisCalls.h"
#include "OwnEphemeris.h"
#include "Pellor_sunmoon.h"
#include "PlannerTable.h"

namespace
{

AppState BothStations()
{
    AppState s;
    s.HomeLatitude = 52.2L;
    s.HomeLongitude = 0.1L;
    s.HomeHeightM = 50;
    s.DxLatitude = 40.7L;
    s.DxLongitude = -74;
    s.DxHeightM = 10;
    ApplyBand(s, 1);
    s.CalcYear = 2010;
    s.CalcMonth = 5;
    s.CalcDay = 16;
    s.ShowStationB = 1;
    s.AboveHorizonOnly = 1;
    s.RefractionFlag = 1;
    s.PlannerMaxHomeElevation = 90;
    s.PlannerMaxDxElevation = 90;
    s.PlannerSpatialLimit = 90;
    s.PlannerDecimals = 2;
    s.PlannerIntervalMinutes = 1;
    return s;
}

template <SweepResult (*Sweep)(AppState&, const EphemerisCalls&)>
void RunSweep(benchmark::State& state)
{
    AppState s = BothStations();
    SweepResult r;
    for (auto _ : state) {
        r = Sweep(s, RealEphemerisCalls());
        benchmark::DoNotOptimize(r);
    }
    state.counters["library_calls"] = static_cast<double>(r.libraryCalls);
    state.counters["ephemeris_runs"] = static_cast<double>(r.ephemerisRuns);
}

void Sweeps_LibrationDay(benchmark::State& state)
{
    RunSweep<SweepLibrationDay>(state);
}
void Sweeps_SevenDays(benchmark::State& state)
{
    RunSweep<SweepSevenDays>(state);
}
void Sweeps_Doppler(benchmark::State& state)
{
    RunSweep<SweepDoppler>(state);
}
void Sweeps_SpatialOffset(benchmark::State& state)
{
    RunSweep<SweepSpatialOffset>(state);
}
void Sweeps_ElevationWindow(benchmark::State& state)
{
    RunSweep<SweepElevationWindow>(state);
}

// The library and the ephemeris with counters, for the planner, which
// returns a table rather than counts.
long plannerLibraryCalls = 0;
long plannerEphemerisRuns = 0;
long plannerDopplerReads = 0;

void CountedDataToDLL(uint16_t y, uint16_t mo, uint16_t d, uint16_t h, uint16_t mi, uint16_t sec,
                      double height, double lat, double lon, uint8_t refraction, uint8_t body,
                      double mhz)
{
    ++plannerLibraryCalls;
    DataToDLL(y, mo, d, h, mi, sec, height, lat, lon, refraction, body, mhz);
}

double CountedGetDoppler()
{
    ++plannerDopplerReads;
    return GetDoppler();
}

void CountedEphemeris(AppState& s)
{
    ++plannerEphemerisRuns;
    ComputeOwnEphemeris(s);
}

void Sweeps_Planner7Days1Minute(benchmark::State& state)
{
    EphemerisCalls calls = RealEphemerisCalls();
    calls.DataToDLL = CountedDataToDLL;
    calls.ComputeEphemeris = CountedEphemeris;
    calls.GetDoppler = CountedGetDoppler;
    AppState s = BothStations();
    long rows = 0;
    for (auto _ : state) {
        plannerLibraryCalls = 0;
        plannerEphemerisRuns = 0;
        plannerDopplerReads = 0;
        PlannerTable table;
        SetPlannerHeaders(s, table);
        PlanTable(s, table, QDate(2010, 5, 16), QDate(2010, 5, 22), calls);
        rows = table.currentRow;
        benchmark::DoNotOptimize(table);
    }
    state.counters["library_calls"] = static_cast<double>(plannerLibraryCalls);
    state.counters["ephemeris_runs"] = static_cast<double>(plannerEphemerisRuns);
    state.counters["doppler_reads"] = static_cast<double>(plannerDopplerReads);
    state.counters["rows"] = static_cast<double>(rows);
}

// Unit costs: one library evaluation as the sweeps make it, and one run of
// the own ephemeris.
void Sweeps_UnitDataToDLLElevation(benchmark::State& state)
{
    int minute = 0;
    for (auto _ : state) {
        DataToDLL(2010, 5, 16, 0, static_cast<uint16_t>(minute), 0, 50, 52.2, 0.1, 1, 0, 1296);
        benchmark::DoNotOptimize(GetElevation());
        minute = (minute + 5) % 1440;
    }
}

void Sweeps_UnitDataToDLLDoppler(benchmark::State& state)
{
    int minute = 0;
    for (auto _ : state) {
        DataToDLL(2010, 5, 16, 0, static_cast<uint16_t>(minute), 1, 50, 52.2, 0.1, 1, 0, 1300);
        benchmark::DoNotOptimize(GetElevation());
        benchmark::DoNotOptimize(GetDoppler());
        minute = (minute + 1) % 1440;
    }
}

void Sweeps_UnitDataToDLLPolarity(benchmark::State& state)
{
    int minute = 0;
    for (auto _ : state) {
        DataToDLL(2010, 5, 16, 0, static_cast<uint16_t>(minute), 0, 50, 52.2, 0.1, 1, 0, 1296);
        benchmark::DoNotOptimize(GetElevation());
        benchmark::DoNotOptimize(GetPolarity());
        minute = (minute + 1) % 1440;
    }
}

void Sweeps_UnitOwnEphemeris(benchmark::State& state)
{
    AppState s = BothStations();
    s.ObserverLatitudeDeg = 52.2L;
    s.ObserverLatitudeRad = 52.2L * DegToRad;
    s.ObserverLongitudeDeg = 0.1L;
    s.ObserverLongitudeRad = 0.1L * DegToRad;
    int minute = 0;
    for (auto _ : state) {
        s.CalcMinute = static_cast<uint16_t>(minute);
        ComputeOwnEphemeris(s);
        benchmark::DoNotOptimize(s.TopoLibrationLongitude);
        minute = (minute + 2) % 1440;
    }
}

} // namespace

BENCHMARK(Sweeps_LibrationDay)->Unit(benchmark::kMillisecond);
BENCHMARK(Sweeps_SevenDays)->Unit(benchmark::kMillisecond);
BENCHMARK(Sweeps_Doppler)->Unit(benchmark::kMillisecond);
BENCHMARK(Sweeps_SpatialOffset)->Unit(benchmark::kMillisecond);
BENCHMARK(Sweeps_ElevationWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(Sweeps_Planner7Days1Minute)->Unit(benchmark::kMillisecond);
BENCHMARK(Sweeps_UnitDataToDLLElevation);
BENCHMARK(Sweeps_UnitDataToDLLDoppler);
BENCHMARK(Sweeps_UnitDataToDLLPolarity);
BENCHMARK(Sweeps_UnitOwnEphemeris);

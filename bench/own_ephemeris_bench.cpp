#include "AppState.h"
#include "OwnEphemeris.h"

#include <benchmark/benchmark.h>

// One sample of a libration sweep: the minute steps through the day, the
// observer stays put, and only the topocentric libration is read.
static void BM_OwnEphemeris(benchmark::State& bench)
{
    AppState s;
    s.CalcYear = 2010;
    s.CalcMonth = 5;
    s.CalcDay = 16;
    s.ObserverLongitudeDeg = 10;
    s.ObserverLongitudeRad = 10 * DegToRad;
    s.ObserverLatitudeDeg = 50;
    s.ObserverLatitudeRad = 50 * DegToRad;
    uint16_t minute = 0;
    for (auto _ : bench) {
        s.CalcMinute = minute;
        minute = static_cast<uint16_t>((minute + 2) % 1441);
        ComputeOwnEphemeris(s);
        benchmark::DoNotOptimize(s.TopoLibrationLatitude);
        benchmark::DoNotOptimize(s.TopoLibrationLongitude);
    }
}
BENCHMARK(BM_OwnEphemeris);

// Cost of the library calls that every chart sweep and the live display make.
#include <Pellor_sunmoon.h>

#include <benchmark/benchmark.h>

#include <cstdint>

namespace
{

// Steps the time by a minute per iteration so that no call sees the same input twice.
struct SweepClock {
    uint16_t hour = 0, minute = 0;
    void Advance()
    {
        if (++minute == 60) {
            minute = 0;
            hour = uint16_t((hour + 1) % 24);
        }
    }
};

void BM_MoonPositionAndGetters(benchmark::State& state)
{
    SweepClock clock;
    for (auto _ : state) {
        DataToDLL(2024, 3, 15, clock.hour, clock.minute, 30, 120.0, 52.37, 4.89, 1, 0, 1296.0);
        benchmark::DoNotOptimize(GetElevation());
        benchmark::DoNotOptimize(GetAzimuth());
        benchmark::DoNotOptimize(GetDecTopo());
        benchmark::DoNotOptimize(GetGHA());
        benchmark::DoNotOptimize(GetPolarity());
        clock.Advance();
    }
}
BENCHMARK(BM_MoonPositionAndGetters);

void BM_SunPosition(benchmark::State& state)
{
    SweepClock clock;
    for (auto _ : state) {
        DataToDLL(2024, 3, 15, clock.hour, clock.minute, 30, 120.0, 52.37, 4.89, 1, 1, 1296.0);
        benchmark::DoNotOptimize(GetElevation());
        clock.Advance();
    }
}
BENCHMARK(BM_SunPosition);

void BM_Doppler(benchmark::State& state)
{
    DataToDLL(2024, 3, 15, 12, 0, 30, 120.0, 52.37, 4.89, 1, 0, 1296.0);
    for (auto _ : state)
        benchmark::DoNotOptimize(GetDoppler());
}
BENCHMARK(BM_Doppler);

void BM_Libration(benchmark::State& state)
{
    DataToDLL(2024, 3, 15, 12, 0, 30, 120.0, 52.37, 4.89, 1, 0, 1296.0);
    for (auto _ : state)
        benchmark::DoNotOptimize(GetLibration());
}
BENCHMARK(BM_Libration);

} // namespace

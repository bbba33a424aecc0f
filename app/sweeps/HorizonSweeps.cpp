#include "AppState.h"
#include "ChartSet.h"
#include "ChartSweeps.h"
#include "SweepSupport.h"

namespace
{

constexpr int DayMinutes = 1440;

// Every sweep of this file starts the same way: charts cleared, the progress
// bar at 0 of 1400 and the chart's bottom axis "UTC Hour d/m/y", 0 to 24 h.
SweepResult StartDaySweep(const AppState& s, int chart, bool setCaption)
{
    SweepResult result = StartSweep(1400);
    AxisSetting bottom{chart, ChartAxis::Bottom, std::nullopt, std::nullopt, 24.0};
    if (setCaption)
        bottom.caption = UtcHourCaption(s);
    result.axes.push_back(bottom);
    result.points[SeriesRef{chart, 0}];
    result.points[SeriesRef{chart, 1}];
    return result;
}

} // namespace

SweepResult SweepElevationWindow(AppState& s, const EphemerisCalls& calls)
{
    constexpr int Step = 10;
    SweepResult result = StartDaySweep(s, 3, true);
    const bool allSamples = s.AboveHorizonOnly == 0;
    const bool bothStations = s.StationAOnly == 0;

    double eB = 0;
    for (int minute = 0; minute <= DayMinutes; minute += Step) {
        s.CalcMinute = static_cast<uint16_t>(minute);
        SampleStation(calls, s, Station::Home, s.CalcMinute, s.LiveSecond, result);
        const double eA = calls.GetElevation();
        const double previousEB = eB;
        if (bothStations) {
            SampleStation(calls, s, Station::Dx, s.CalcMinute, s.LiveSecond, result);
            eB = calls.GetElevation();
        }
        // In horizon mode with both stations the home point needs the Dx
        // elevation of the previous sample, so the very first never shows.
        const bool homeShown = allSamples || (bothStations ? eA > 0 && previousEB > 0 : eA > 0);
        if (homeShown)
            Plot(result, 3, 0, minute, eA, PointColour::Red);
        if (bothStations && (allSamples || (eB > 0 && eA > 0)))
            Plot(result, 3, 1, minute, eB, PointColour::Blue);
        result.progress.position = AdvanceProgress(result.progress, Step);
    }
    result.shown["Label146"] = true;
    s.CalcMinute = 0;
    return result;
}

SweepResult SweepDoppler(AppState& s, const EphemerisCalls& calls)
{
    SweepResult result = StartDaySweep(s, 6, true);
    s.FrequencyMHz = LibraryFrequencyMHz(s.FrequencyGHz);
    const bool bothStations = s.StationAOnly == 0;

    // The library's Doppler follows the distance between consecutive calls,
    // so every value is preceded by a call one second earlier.
    SampleStation(calls, s, Station::Dx, s.CalcMinute, 0, result);
    calls.GetDoppler();
    SampleStation(calls, s, Station::Dx, s.CalcMinute, 1, result);
    double eB = calls.GetElevation();
    calls.GetDoppler();

    for (int minute = 0; minute <= DayMinutes; ++minute) {
        s.CalcMinute = static_cast<uint16_t>(minute);
        SampleStation(calls, s, Station::Home, s.CalcMinute, 0, result);
        calls.GetDoppler();
        SampleStation(calls, s, Station::Home, s.CalcMinute, 1, result);
        const double eA = calls.GetElevation();
        const double dA = calls.GetDoppler();
        if (!bothStations) {
            if (eA > 0)
                Plot(result, 6, 0, minute, dA, PointColour::Red);
        } else {
            if (eA > 0 && eB > 0)
                Plot(result, 6, 0, minute, dA, PointColour::Red);
            SampleStation(calls, s, Station::Dx, s.CalcMinute, s.LiveSecond, result);
            calls.GetDoppler();
            SampleStation(calls, s, Station::Dx, s.CalcMinute, s.LiveSecond, result);
            eB = calls.GetElevation();
            const double dB = calls.GetDoppler();
            if (eB > 0 && eA > 0)
                Plot(result, 6, 1, minute, dB, PointColour::Blue);
        }
        result.progress.position = AdvanceProgress(result.progress, 1);
    }
    result.shown["Label146"] = true;
    s.CalcMinute = 0;
    return result;
}

SweepResult SweepSpatialOffset(AppState& s, const EphemerisCalls& calls)
{
    const bool bothStations = s.StationAOnly == 0;
    SweepResult result = StartDaySweep(s, 4, bothStations);
    if (!bothStations) {
        result.shown["Panel178"] = true;
        s.CalcMinute = 0;
        return result;
    }
    for (int minute = 0; minute <= DayMinutes; ++minute) {
        s.CalcMinute = static_cast<uint16_t>(minute);
        SampleStation(calls, s, Station::Home, s.CalcMinute, s.LiveSecond, result);
        const double eA = calls.GetElevation();
        const long double pA = FoldSpatialOffset(calls.GetPolarity());
        SampleStation(calls, s, Station::Dx, s.CalcMinute, s.LiveSecond, result);
        const double eB = calls.GetElevation();
        const long double pB = FoldSpatialOffset(calls.GetPolarity());
        if (eA > 0 && eB > 0) {
            Plot(result, 4, 0, minute, pA, PointColour::Red);
            Plot(result, 4, 1, minute, pB, PointColour::Blue);
        }
        result.shown["Label146"] = true;
        result.progress.position = AdvanceProgress(result.progress, 1);
    }
    s.CalcMinute = 0;
    return result;
}

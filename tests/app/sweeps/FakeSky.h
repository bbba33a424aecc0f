#pragma once

// A sky whose answers the test chooses, standing in for the ephemeris library
// and the own ephemeris. It records every DataToDLL call and every ephemeris
// run so a test can check what was asked, in which order.

#include <cstdint>
#include <functional>
#include <vector>

#include "../components/QStringPrinter.h"
#include "AppState.h"
#include "EphemerisCalls.h"
#include "SignalWidth.h"
#include "SweepTypes.h"

struct LibraryCall {
    uint16_t year, month, day, hour, minute, second;
    double heightM, latitude, longitude;
    uint8_t refraction, body;
    double frequencyMHz;
    // Minutes since the calculation day's 00:00 (hour × 60 + minute).
    int Minutes() const { return hour * 60 + minute; }
};

struct EphemerisRun {
    long double observerLatitude, observerLongitude;
    int minutes; // CalcHour × 60 + CalcMinute
};

struct FakeSky {
    // Answers for the position set by the latest DataToDLL call.
    std::function<double(const LibraryCall&)> elevation = [](const LibraryCall&) { return 30.0; };
    std::function<double(const LibraryCall&)> azimuth = [](const LibraryCall&) { return 180.0; };
    std::function<double(const LibraryCall&)> decTopo = [](const LibraryCall&) { return 10.0; };
    std::function<double(const LibraryCall&)> gha = [](const LibraryCall&) { return 20.0; };
    std::function<double(const LibraryCall&)> doppler = [](const LibraryCall&) { return 100.0; };
    std::function<double(const LibraryCall&)> polarity = [](const LibraryCall&) { return 0.0; };
    std::function<double(const LibraryCall&)> db = [](const LibraryCall&) { return -1.0; };
    // Topocentric libration for an observer latitude and minute of the day.
    std::function<LibrationPoint(long double latitude, int minutes)> libration = [](long double,
                                                                                    int minutes) {
        return LibrationPoint{0, 0.002L * minutes};
    };

    std::vector<LibraryCall> calls;
    std::vector<EphemerisRun> runs;
    int dopplerReads = 0;

    const LibraryCall& Last() const { return calls.back(); }
};

// The one sky the function table below reads; reset by every fixture.
FakeSky& Sky();
void ResetSky();
const EphemerisCalls& FakeCalls();

// Stations of the fixtures: the home station at 10° N, the Dx station at 30° S.
inline constexpr long double HomeLat = 10, HomeLon = 20, HomeHeight = 100;
inline constexpr long double DxLat = -30, DxLon = 40, DxHeight = 200;

inline bool IsHome(const LibraryCall& c)
{
    return c.latitude == static_cast<double>(HomeLat);
}

// A state with both stations, 1 GHz, 16 May 2010, every sample plotted.
AppState FakeState();

// The minutes of a series' points, in plotting order.
inline std::vector<int> Minutes(const std::vector<ChartPoint>& points)
{
    std::vector<int> minutes;
    for (const ChartPoint& p : points)
        minutes.push_back(p.minute);
    return minutes;
}

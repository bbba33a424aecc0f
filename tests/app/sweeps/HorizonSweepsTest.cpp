#include <gtest/gtest.h>

#include <cmath>

#include "ChartSweeps.h"
#include "FakeSky.h"

namespace
{

class HorizonSweeps : public ::testing::Test
{
protected:
    void SetUp() override { ResetSky(); }
    AppState state = FakeState();
};

std::vector<int> Range(int first, int last, int step)
{
    std::vector<int> v;
    for (int m = first; m <= last; m += step)
        v.push_back(m);
    return v;
}

} // namespace

TEST_F(HorizonSweeps, SamplesCoverTheDayInclusive)
{
    struct Case {
        const char* name;
        SweepResult (*run)(AppState&);
        uint8_t stationAOnly;
        int chart, step;
        long libraryCalls;
    };
    auto elevation = [](AppState& s) { return SweepElevationWindow(s, FakeCalls()); };
    auto doppler = [](AppState& s) { return SweepDoppler(s, FakeCalls()); };
    auto spatial = [](AppState& s) { return SweepSpatialOffset(s, FakeCalls()); };
    const Case cases[] = {
        {"elevation", elevation, 0, 3, 10, 290},
        {"elevation, station A only", elevation, 1, 3, 10, 145},
        {"Doppler", doppler, 0, 6, 1, 4 * 1441 + 2},
        {"Doppler, station A only", doppler, 1, 6, 1, 2 * 1441 + 2},
        {"spatial offset", spatial, 0, 4, 1, 2 * 1441},
    };
    for (const Case& c : cases) {
        ResetSky();
        AppState s = FakeState();
        s.StationAOnly = c.stationAOnly;
        s.CalcMinute = 0;
        const SweepResult r = c.run(s);
        EXPECT_EQ(r.libraryCalls, c.libraryCalls) << c.name;
        EXPECT_EQ(static_cast<long>(Sky().calls.size()), c.libraryCalls) << c.name;
        EXPECT_EQ(r.ephemerisRuns, 0) << c.name;
        EXPECT_EQ(Minutes(r.Points(c.chart, 0)), Range(0, 1440, c.step)) << c.name;
        if (c.stationAOnly)
            EXPECT_TRUE(r.Points(c.chart, 1).empty()) << c.name;
        else
            EXPECT_EQ(Minutes(r.Points(c.chart, 1)), Range(0, 1440, c.step)) << c.name;
        EXPECT_EQ(r.progress.maximum, 1400) << c.name;
        EXPECT_EQ(r.progress.position, 1400) << c.name;
        EXPECT_TRUE(r.IsShown("Label146")) << c.name;
        EXPECT_EQ(r.FinalAxis(c.chart, ChartAxis::Bottom).caption, "UTC Hour 16/5/2010") << c.name;
        EXPECT_EQ(r.FinalAxis(c.chart, ChartAxis::Bottom).maximum, 24.0) << c.name;
        EXPECT_EQ(s.CalcMinute, 0) << c.name;
    }
}

TEST_F(HorizonSweeps, ElevationWindowHorizonMode)
{
    // Home up from minute 100 to 999, Dx from 300 to 699.
    auto windowed = [](const LibraryCall& c) {
        const int m = c.Minutes();
        const bool up = IsHome(c) ? m >= 100 && m < 1000 : m >= 300 && m < 700;
        return up ? 20.0 + m / 100.0 : -20.0;
    };
    struct Case {
        const char* name;
        uint8_t stationAOnly, aboveHorizonOnly;
        std::vector<int> home, dx;
    };
    const Case cases[] = {
        {"both", 0, 1, Range(310, 700, 10), Range(300, 690, 10)},
        {"station A only", 1, 1, Range(100, 990, 10), {}},
        {"all samples", 0, 0, Range(0, 1440, 10), Range(0, 1440, 10)},
        {"all samples, station A only", 1, 0, Range(0, 1440, 10), {}},
    };
    for (const Case& c : cases) {
        ResetSky();
        Sky().elevation = windowed;
        AppState s = FakeState();
        s.StationAOnly = c.stationAOnly;
        s.AboveHorizonOnly = c.aboveHorizonOnly;
        const SweepResult r = SweepElevationWindow(s, FakeCalls());
        EXPECT_EQ(Minutes(r.Points(3, 0)), c.home) << c.name;
        EXPECT_EQ(Minutes(r.Points(3, 1)), c.dx) << c.name;
        for (const ChartPoint& p : r.Points(3, 0))
            EXPECT_EQ(p.colour, PointColour::Red);
        if (c.aboveHorizonOnly && !c.dx.empty()) {
            EXPECT_EQ(r.Points(3, 1).front().value, 23.0) << c.name;
            EXPECT_EQ(r.Points(3, 1).front().colour, PointColour::Blue);
        }
    }
    // The very first home sample never shows with both stations in horizon mode.
    ResetSky();
    state.AboveHorizonOnly = 1;
    EXPECT_EQ(Minutes(SweepElevationWindow(state, FakeCalls()).Points(3, 0)), Range(10, 1440, 10));
}

TEST_F(HorizonSweeps, ElevationWindowLeavesTheObserverAlone)
{
    state.ObserverLatitudeDeg = 55;
    state.ObserverLongitudeDeg = 66;
    SweepElevationWindow(state, FakeCalls());
    SweepDoppler(state, FakeCalls());
    SweepSpatialOffset(state, FakeCalls());
    EXPECT_EQ(state.ObserverLatitudeDeg, 55);
    EXPECT_EQ(state.ObserverLongitudeDeg, 66);
}

TEST_F(HorizonSweeps, DopplerCallSequence)
{
    Sky().doppler = [](const LibraryCall& c) { return 1000.0 * c.second + c.Minutes(); };
    state.CalcMinute = 17; // what a planner run may leave behind
    const SweepResult r = SweepDoppler(state, FakeCalls());

    struct Expected {
        bool home;
        int minute, second;
    };
    // Two Dx calls before the loop at the CalcMinute then current, then per
    // minute home at seconds 0 and 1 and Dx twice at LiveSecond.
    const Expected expected[] = {{false, 17, 0}, {false, 17, 1}, {true, 0, 0}, {true, 0, 1},
                                 {false, 0, 7},  {false, 0, 7},  {true, 1, 0}, {true, 1, 1}};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(IsHome(Sky().calls[i]), expected[i].home) << i;
        EXPECT_EQ(Sky().calls[i].minute, expected[i].minute) << i;
        EXPECT_EQ(Sky().calls[i].second, expected[i].second) << i;
    }
    EXPECT_EQ(Sky().dopplerReads, 2 + 4 * 1441);
    // The value plotted is the second of each pair of calls.
    EXPECT_EQ(r.Points(6, 0)[5].value, 1005.0);
    EXPECT_EQ(r.Points(6, 1)[5].value, 7005.0);
    EXPECT_EQ(state.CalcMinute, 0);
}

TEST_F(HorizonSweeps, DopplerPointsNeedTheMoonAboveBothHorizons)
{
    // The Dx station sees the Moon for the first ten minutes only. The first
    // home point relies on the Dx elevation found before the loop; each later
    // one on the Dx elevation of the minute before.
    Sky().elevation = [](const LibraryCall& c) {
        return IsHome(c) || c.Minutes() < 10 ? 5.0 : -5.0;
    };
    state.AboveHorizonOnly = 0; // not consulted
    SweepResult r = SweepDoppler(state, FakeCalls());
    EXPECT_EQ(Minutes(r.Points(6, 0)), Range(0, 10, 1));
    EXPECT_EQ(Minutes(r.Points(6, 1)), Range(0, 9, 1));

    ResetSky();
    Sky().elevation = [](const LibraryCall& c) { return IsHome(c) ? -5.0 : 5.0; };
    state.StationAOnly = 1;
    r = SweepDoppler(state, FakeCalls());
    EXPECT_TRUE(r.Points(6, 0).empty());
}

TEST_F(HorizonSweeps, DopplerFrequency)
{
    struct Case {
        long double ghz, mhz;
    };
    const Case cases[] = {{0.432L, 432}, {1.3L, 1300}, {2.3L, 2300}, {10.4L, 10400},
                          {47, 47000},   {78, 19500},  {122, 30500}};
    for (const Case& c : cases) {
        ResetSky();
        AppState s = FakeState();
        s.FrequencyGHz = c.ghz;
        SweepDoppler(s, FakeCalls());
        EXPECT_EQ(s.FrequencyMHz, c.mhz) << static_cast<double>(c.ghz);
        for (const LibraryCall& call : Sky().calls)
            ASSERT_EQ(call.frequencyMHz, static_cast<double>(c.mhz)) << static_cast<double>(c.ghz);
    }
}

TEST_F(HorizonSweeps, SpatialOffsetIsFoldedAndNeedsBothStations)
{
    // Parallactic angles by minute; the Dx station's is the negative.
    Sky().polarity = [](const LibraryCall& c) {
        static const double angles[] = {90, -90, 180, 120, 300 - 360, 0, -180};
        const double a = angles[c.Minutes() % 7];
        return IsHome(c) ? a : -a;
    };
    Sky().elevation = [](const LibraryCall& c) {
        return c.Minutes() < 7 || (IsHome(c) && c.Minutes() < 20) ? 1.0 : -1.0;
    };
    const SweepResult r = SweepSpatialOffset(state, FakeCalls());
    const double home[] = {90, 90, 0, -60, -60, 0, 0};
    const double dx[] = {90, 90, 0, 60, 60, 0, 0};
    ASSERT_EQ(r.Points(4, 0).size(), 7u);
    ASSERT_EQ(r.Points(4, 1).size(), 7u);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(r.Points(4, 0)[i].value, home[i]) << i;
        EXPECT_EQ(r.Points(4, 1)[i].value, dx[i]) << i;
    }
    EXPECT_FALSE(r.IsShown("Panel178"));
}

TEST_F(HorizonSweeps, SpatialOffsetWithStationAOnlyShowsTheNotice)
{
    state.StationAOnly = 1;
    const SweepResult r = SweepSpatialOffset(state, FakeCalls());
    EXPECT_TRUE(Sky().calls.empty());
    EXPECT_TRUE(r.IsShown("Panel178"));
    EXPECT_FALSE(r.IsShown("Label146"));
    EXPECT_TRUE(r.Points(4, 0).empty());
    EXPECT_FALSE(r.FinalAxis(4, ChartAxis::Bottom).caption.has_value());
    EXPECT_EQ(r.progress.position, 0);
    EXPECT_EQ(state.CalcMinute, 0);
}

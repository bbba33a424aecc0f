#include <gtest/gtest.h>

#include <cmath>

#include "ChartSweeps.h"
#include "FakeSky.h"

namespace
{

class LibrationSweeps : public ::testing::Test
{
protected:
    void SetUp() override { ResetSky(); }
    AppState state = FakeState();
};

// Home up from minute 100 to 999, Dx from 300 to 699 (by the minute of the call).
double WindowedElevation(const LibraryCall& c)
{
    const int m = c.Minutes();
    if (IsHome(c))
        return m >= 100 && m < 1000 ? 20 : -20;
    return m >= 300 && m < 700 ? 20 : -20;
}

} // namespace

TEST_F(LibrationSweeps, SampleMinutesAndCounts)
{
    struct Case {
        const char* name;
        SweepResult (*run)(AppState&);
        uint8_t stationAOnly;
        int chart, series, first, step, count;
        long libraryCalls, ephemerisRuns;
        std::vector<int> emptySeries;
    };
    auto day = [](AppState& s) { return SweepLibrationDay(s, FakeCalls()); };
    auto window = [](AppState& s) { return SweepTimeWindow(s, 290, FakeCalls()); };
    auto week = [](AppState& s) { return SweepSevenDays(s, FakeCalls()); };
    // Library calls: one per station and step, plus four result lookups per day chart.
    const Case cases[] = {
        {"day home rate", day, 0, 1, 2, 2, 5, 289, 582, 1156, {}},
        {"day home width", day, 0, 2, 2, 2, 5, 289, 582, 1156, {}},
        {"day Dx width", day, 0, 2, 3, 4, 5, 289, 582, 1156, {}},
        {"day B at A rate", day, 0, 1, 5, 4, 5, 289, 582, 1156, {}},
        {"day B at A width", day, 0, 2, 5, 4, 5, 289, 582, 1156, {}},
        {"day station A only", day, 1, 2, 2, 2, 3, 481, 485, 962, {3, 5}},
        {"window home", window, 0, 5, 0, 2, 5, 289, 582, 1156, {}},
        {"window Dx", window, 0, 5, 1, 4, 5, 289, 582, 1156, {}},
        {"window B at A", window, 0, 5, 2, 4, 5, 289, 582, 1156, {}},
        {"window station A only", window, 1, 5, 0, 2, 3, 481, 485, 962, {1, 2}},
        {"week home", week, 0, 7, 2, 2, 5, 2016, 4032, 8064, {}},
        {"week Dx", week, 0, 7, 3, 4, 5, 2016, 4032, 8064, {}},
        {"week B at A", week, 0, 7, 5, 4, 5, 2016, 4032, 8064, {}},
        {"week station A only", week, 1, 7, 2, 2, 3, 3360, 3360, 6720, {3, 5}},
    };
    for (const Case& c : cases) {
        ResetSky();
        AppState s = FakeState();
        s.StationAOnly = c.stationAOnly;
        const SweepResult r = c.run(s);
        const std::vector<int> minutes = Minutes(r.Points(c.chart, c.series));
        ASSERT_EQ(static_cast<int>(minutes.size()), c.count) << c.name;
        for (int i = 0; i < c.count; ++i)
            ASSERT_EQ(minutes[i], c.first + i * c.step) << c.name << " point " << i;
        EXPECT_EQ(r.libraryCalls, c.libraryCalls) << c.name;
        EXPECT_EQ(static_cast<long>(Sky().calls.size()), c.libraryCalls) << c.name;
        EXPECT_EQ(r.ephemerisRuns, c.ephemerisRuns) << c.name;
        EXPECT_EQ(static_cast<long>(Sky().runs.size()), c.ephemerisRuns) << c.name;
        for (int series : c.emptySeries)
            EXPECT_TRUE(r.Points(c.chart, series).empty()) << c.name << " series " << series;
    }
}

TEST_F(LibrationSweeps, StepsCallTheLibraryAndTheEphemerisPerStationTwoMinutesApart)
{
    state.CalcHour = 3; // passed on unchanged; plotted times come from the sweep minute
    SweepLibrationDay(state, FakeCalls());

    const LibraryCall& home = Sky().calls[0];
    EXPECT_EQ(home.year, 2010);
    EXPECT_EQ(home.month, 5);
    EXPECT_EQ(home.day, 16);
    EXPECT_EQ(home.hour, 3);
    EXPECT_EQ(home.minute, 0);
    EXPECT_EQ(home.second, 7);
    EXPECT_EQ(home.heightM, 100);
    EXPECT_EQ(home.latitude, 10);
    EXPECT_EQ(home.longitude, 20);
    EXPECT_EQ(home.refraction, 1);
    EXPECT_EQ(home.body, 0);
    EXPECT_EQ(home.frequencyMHz, 1296);
    const LibraryCall& dx = Sky().calls[1];
    EXPECT_EQ(dx.minute, 2);
    EXPECT_EQ(dx.heightM, 200);
    EXPECT_EQ(dx.latitude, -30);
    EXPECT_EQ(dx.longitude, 40);
    EXPECT_EQ(Sky().calls[2].minute, 5);

    struct Run {
        long double latitude, longitude;
        int minutes;
    };
    const Run expected[] = {{10, 20, 180},  {10, 20, 182}, {-30, 40, 182},
                            {-30, 40, 184}, {10, 20, 185}, {10, 20, 187}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(Sky().runs[i].observerLatitude, expected[i].latitude) << i;
        EXPECT_EQ(Sky().runs[i].observerLongitude, expected[i].longitude) << i;
        EXPECT_EQ(Sky().runs[i].minutes, expected[i].minutes) << i;
    }
}

TEST_F(LibrationSweeps, HorizonModeTable)
{
    struct Case {
        const char* name;
        uint8_t stationAOnly, aboveHorizonOnly;
        int series, count, first, last;
    };
    // Home points need the Dx elevation of the previous step: they start one
    // step after the Dx station first sees the Moon and end one step after it
    // last did.
    const Case cases[] = {
        {"both, home", 0, 1, 2, 80, 307, 702},
        {"both, Dx", 0, 1, 3, 80, 304, 699},
        {"both, B at A", 0, 1, 5, 80, 304, 699},
        {"station A only", 1, 1, 2, 300, 104, 1001},
        {"all samples, home", 0, 0, 2, 289, 2, 1442},
        {"all samples, Dx", 0, 0, 3, 289, 4, 1444},
        {"all samples, station A only", 1, 0, 2, 481, 2, 1442},
    };
    for (const Case& c : cases) {
        ResetSky();
        Sky().elevation = WindowedElevation;
        AppState s = FakeState();
        s.StationAOnly = c.stationAOnly;
        s.AboveHorizonOnly = c.aboveHorizonOnly;
        const SweepResult r = SweepLibrationDay(s, FakeCalls());
        const std::vector<int> minutes = Minutes(r.Points(2, c.series));
        ASSERT_EQ(static_cast<int>(minutes.size()), c.count) << c.name;
        EXPECT_EQ(minutes.front(), c.first) << c.name;
        EXPECT_EQ(minutes.back(), c.last) << c.name;
        EXPECT_EQ(Minutes(r.Points(1, c.series)), minutes) << c.name;
    }
}

TEST_F(LibrationSweeps, ExtremesAndTheirBoxTexts)
{
    struct Case {
        const char* name;
        LibrationPoint (*libration)(long double, int);
        const char* homeMin;
        const char* homeMax;
        const char* dxMin;
        const char* dxMax;
        const char* pathMin;
        const char* pathMax;
    };
    const Case cases[] = {
        // Rate 0.001 + 2e-6 (M + 1) over [M, M + 2]: smallest first, largest at
        // the last home sample, 24:02, and the last Dx sample, 24:04.
        {"growing width",
         [](long double, int m) {
             return LibrationPoint{0, 0.001L * m + 1e-6L * m * m};
         },
         "Occurs at 00:02z with a signal width of 6.0 Hz",
         "Occurs at 24:02z with a signal width of 23.3 Hz",
         "Occurs at 00:04z with a signal width of 6.0 Hz",
         "Occurs at 24:04z with a signal width of 23.3 Hz",
         "Minimum received Libration from Dx Station occurs at 00:04z with a signal width of 6.0 "
         "Hz",
         "Maximum received Libration from Dx Station occurs at 24:04z with a signal width of 23.3 "
         "Hz"},
        // Equal widths keep the earliest sample for both trackers; m / 512 is
        // exact, so every width is exactly 11.71875 Hz.
        {"constant width",
         [](long double, int m) {
             return LibrationPoint{0, m / 512.0L};
         },
         "Occurs at 00:02z with a signal width of 11.7 Hz",
         "Occurs at 00:02z with a signal width of 11.7 Hz",
         "Occurs at 00:04z with a signal width of 11.7 Hz",
         "Occurs at 00:04z with a signal width of 11.7 Hz",
         "Minimum received Libration from Dx Station occurs at 00:04z with a signal width of 11.7 "
         "Hz",
         "Maximum received Libration from Dx Station occurs at 00:04z with a signal width of 11.7 "
         "Hz"},
        // Above a thousand hertz four significant digits leave whole hertz:
        // 1234.86328125 Hz reads 1235.0.
        {"wide",
         [](long double, int m) {
             return LibrationPoint{0, m * 843 / 4096.0L};
         },
         "Occurs at 00:02z with a signal width of 1235.0 Hz",
         "Occurs at 00:02z with a signal width of 1235.0 Hz",
         "Occurs at 00:04z with a signal width of 1235.0 Hz",
         "Occurs at 00:04z with a signal width of 1235.0 Hz",
         "Minimum received Libration from Dx Station occurs at 00:04z with a signal width of "
         "1235.0 Hz",
         "Maximum received Libration from Dx Station occurs at 00:04z with a signal width of "
         "1235.0 Hz"},
        // 12000 Hz is plotted but never becomes an extreme.
        {"too wide",
         [](long double, int m) {
             return LibrationPoint{0, 2.0L * m};
         },
         "Occurs at 00:00z with a signal width of 5000.0 Hz",
         "Occurs at 00:00z with a signal width of 0.0 Hz",
         "Occurs at 00:00z with a signal width of 5000.0 Hz",
         "Occurs at 00:00z with a signal width of 0.0 Hz",
         "Minimum received Libration from Dx Station occurs at 00:00z with a signal width of "
         "5000.0 Hz",
         "Maximum received Libration from Dx Station occurs at 00:00z with a signal width of 0.0 "
         "Hz"},
    };
    for (const Case& c : cases) {
        ResetSky();
        Sky().libration = c.libration;
        AppState s = FakeState();
        const SweepResult r = SweepLibrationDay(s, FakeCalls());
        EXPECT_EQ(r.Text("Label111"), c.homeMin) << c.name;
        EXPECT_EQ(r.Text("Label119"), c.homeMax) << c.name;
        EXPECT_EQ(r.Text("Label121"), c.dxMin) << c.name;
        EXPECT_EQ(r.Text("Label124"), c.dxMax) << c.name;
        EXPECT_EQ(r.Text("Label4"), c.pathMin) << c.name;
        EXPECT_EQ(r.Text("Label125"), c.pathMax) << c.name;
        EXPECT_EQ(r.Points(2, 2).size(), 289u) << c.name;

        // The time-window chart tracks the same extremes into its own boxes.
        ResetSky();
        Sky().libration = c.libration;
        AppState w = FakeState();
        const SweepResult tw = SweepTimeWindow(w, 290, FakeCalls());
        EXPECT_EQ(tw.Text("Label5"), c.homeMin) << c.name;
        EXPECT_EQ(tw.Text("Label131"), c.homeMax) << c.name;
        EXPECT_EQ(tw.Text("Label105"), c.dxMin) << c.name;
        EXPECT_EQ(tw.Text("Label128"), c.dxMax) << c.name;
        EXPECT_EQ(tw.Text("Label112"), c.pathMin) << c.name;
        EXPECT_EQ(tw.Text("Label132"), c.pathMax) << c.name;
    }
}

TEST_F(LibrationSweeps, ResultLookupsAtTheExtremeTimes)
{
    Sky().libration = [](long double, int m) {
        return LibrationPoint{0, 0.001L * m + 1e-6L * m * m};
    };
    Sky().decTopo = [](const LibraryCall&) { return 12.5; };
    Sky().gha = [](const LibraryCall&) { return 200.25; };
    Sky().azimuth = [](const LibraryCall&) { return 90.125; };
    Sky().elevation = [](const LibraryCall&) { return 3.75; };
    state.CalcHour = 5;
    const SweepResult r = SweepLibrationDay(state, FakeCalls());

    const std::size_t n = Sky().calls.size();
    struct Lookup {
        bool home;
        int hour, minute;
    };
    // Home minimum, home maximum, Dx minimum, Dx maximum; the hour is the
    // extreme's own, not CalcHour.
    const Lookup expected[] = {{true, 0, 2}, {true, 24, 2}, {false, 0, 4}, {false, 24, 4}};
    for (int i = 0; i < 4; ++i) {
        const LibraryCall& c = Sky().calls[n - 4 + i];
        EXPECT_EQ(IsHome(c), expected[i].home) << i;
        EXPECT_EQ(c.hour, expected[i].hour) << i;
        EXPECT_EQ(c.minute, expected[i].minute) << i;
        EXPECT_EQ(c.second, 7) << i;
        EXPECT_EQ(c.day, 16) << i;
    }
    const QString position = "Dec 12.50°  GHA 200.25°  Azimuth 90.13°  Elevation 3.75°";
    for (const char* label : {"Label6", "Label114", "Label113", "Label122"})
        EXPECT_EQ(r.Text(label), position) << label;
}

TEST_F(LibrationSweeps, MoonUpAtOnlyOneStationLeavesTheInitialTrackers)
{
    Sky().elevation = [](const LibraryCall& c) { return IsHome(c) ? 40.0 : -10.0; };
    state.AboveHorizonOnly = 1;
    const SweepResult r = SweepLibrationDay(state, FakeCalls());
    for (int chart : {1, 2})
        for (int series : {2, 3, 5})
            EXPECT_TRUE(r.Points(chart, series).empty()) << chart << "/" << series;
    EXPECT_EQ(r.Text("Label111"), "Occurs at 00:00z with a signal width of 5000.0 Hz");
    EXPECT_EQ(r.Text("Label119"), "Occurs at 00:00z with a signal width of 0.0 Hz");
    EXPECT_EQ(r.Text("Label124"), "Occurs at 00:00z with a signal width of 0.0 Hz");
    const std::size_t n = Sky().calls.size();
    for (std::size_t i = n - 4; i < n; ++i) {
        EXPECT_EQ(Sky().calls[i].hour, 0);
        EXPECT_EQ(Sky().calls[i].minute, 0);
    }
    for (const char* box : {"Panel2", "Panel3", "Panel9", "Panel169", "Label4", "Label125"})
        EXPECT_TRUE(r.IsShown(box)) << box;
}

TEST_F(LibrationSweeps, PathCombinesHomeAtMAndMPlus2WithDxAtMPlus2AndMPlus4)
{
    // Home still, Dx longitude c·m²: over a step the Dx station moves
    // c((M+4)² − (M+2)²) = c(4M + 12), a rate of c(2M + 6); the mid-point moves
    // half of that. Dx samples at M and M + 2 would give c(2M + 2) instead.
    constexpr long double c = 1e-6L;
    Sky().libration = [](long double latitude, int m) {
        return latitude == DxLat ? LibrationPoint{0, c * m * m} : LibrationPoint{0, 0};
    };
    const SweepResult r = SweepLibrationDay(state, FakeCalls());
    const std::vector<ChartPoint>& path = r.Points(1, 5);
    ASSERT_EQ(path.size(), 289u);
    for (int i : {0, 1, 100, 288}) {
        const int M = 5 * i;
        EXPECT_EQ(path[i].minute, M + 4);
        EXPECT_NEAR(path[i].value, static_cast<double>(c * (2 * M + 6) / 2), 1e-15) << i;
        EXPECT_NEAR(r.Points(1, 3)[i].value, static_cast<double>(c * (2 * M + 6)), 1e-15) << i;
        EXPECT_NEAR(r.Points(1, 2)[i].value, 0.0, 1e-15) << i;
        EXPECT_NEAR(r.Points(2, 5)[i].value, static_cast<double>(c * (2 * M + 6) / 2 * 6000), 1e-10)
            << i;
    }
}

TEST_F(LibrationSweeps, LongitudeWrapGivesNoSpike)
{
    // The unreduced longitude jumps by a whole turn part way through the day.
    Sky().libration = [](long double, int m) {
        return LibrationPoint{0, m < 700 ? 359.0L + 0.002L * m : -1.0L + 0.002L * m};
    };
    const SweepResult r = SweepLibrationDay(state, FakeCalls());
    for (int series : {2, 3, 5})
        for (const ChartPoint& p : r.Points(2, series))
            ASSERT_NEAR(p.value, 12.0, 1e-6) << series << " at " << p.minute;
}

TEST_F(LibrationSweeps, SunSelectedDecidesTheHorizonTestsAndLookups)
{
    state.TargetIsSun = 1;
    state.AboveHorizonOnly = 1;
    Sky().elevation = [](const LibraryCall& c) { return c.body == 1 ? 30.0 : -30.0; };
    const SweepResult r = SweepLibrationDay(state, FakeCalls());
    EXPECT_EQ(r.Points(2, 2).size(), 288u); // the first home sample needs an earlier Dx one
    EXPECT_EQ(r.Points(2, 3).size(), 289u);
    for (const LibraryCall& c : Sky().calls)
        ASSERT_EQ(c.body, 1);
    // The libration still comes from the own Moon ephemeris.
    EXPECT_NEAR(r.Points(2, 2).front().value, 12.0, 1e-9);
}

TEST_F(LibrationSweeps, StationAOnlyHidesTheDxBoxes)
{
    struct Case {
        const char* name;
        bool timeWindow;
        std::vector<const char*> shown, hidden;
    };
    const Case cases[] = {
        {"signal width",
         false,
         {"Panel2", "Panel9", "Label146"},
         {"Panel3", "Panel169", "Label4", "Label125", "Panel178"}},
        {"time window",
         true,
         {"Panel4", "Panel180", "Label146"},
         {"Panel5", "Panel179", "Label112", "Label132"}},
    };
    for (const Case& c : cases) {
        ResetSky();
        AppState s = FakeState();
        s.StationAOnly = 1;
        const SweepResult r =
            c.timeWindow ? SweepTimeWindow(s, 290, FakeCalls()) : SweepLibrationDay(s, FakeCalls());
        for (const char* box : c.shown)
            EXPECT_TRUE(r.IsShown(box)) << c.name << " " << box;
        for (const char* box : c.hidden)
            EXPECT_FALSE(r.IsShown(box)) << c.name << " " << box;
    }
}

TEST_F(LibrationSweeps, StateAfterwards)
{
    struct Case {
        const char* name;
        uint8_t stationAOnly;
        long double observerLatitude, observerLongitude;
    };
    const Case cases[] = {{"both", 0, DxLat, DxLon}, {"station A only", 1, HomeLat, HomeLon}};
    for (const Case& c : cases) {
        for (int sweep = 0; sweep < 3; ++sweep) {
            ResetSky();
            AppState s = FakeState();
            s.StationAOnly = c.stationAOnly;
            s.CalcMinute = 33;
            if (sweep == 0)
                SweepLibrationDay(s, FakeCalls());
            else if (sweep == 1)
                SweepTimeWindow(s, 100, FakeCalls());
            else
                SweepSevenDays(s, FakeCalls());
            EXPECT_EQ(s.CalcMinute, 0) << c.name << sweep;
            EXPECT_EQ(s.ObserverLatitudeDeg, c.observerLatitude) << c.name << sweep;
            EXPECT_EQ(s.ObserverLongitudeDeg, c.observerLongitude) << c.name << sweep;
            EXPECT_NEAR(static_cast<double>(s.ObserverLatitudeRad),
                        static_cast<double>(c.observerLatitude) * M_PI / 180, 1e-15);
            EXPECT_EQ(s.FrequencyMHz, 1296) << c.name << sweep;
        }
    }
}

TEST_F(LibrationSweeps, AxesAndProgress)
{
    state.FrequencyGHz = 10.4L;
    const SweepResult day = SweepLibrationDay(state, FakeCalls());
    EXPECT_EQ(day.FinalAxis(1, ChartAxis::Bottom).caption, "UTC Hour 16/5/2010");
    EXPECT_EQ(day.FinalAxis(2, ChartAxis::Bottom).caption, "UTC Hour 16/5/2010");
    EXPECT_EQ(day.FinalAxis(2, ChartAxis::Left).maximum, 280.0);
    EXPECT_EQ(day.FinalAxis(6, ChartAxis::Left).minimum, -30000.0);
    EXPECT_EQ(day.progress.maximum, 290);
    EXPECT_EQ(day.progress.position, 290);

    const SweepResult week = SweepSevenDays(state, FakeCalls());
    EXPECT_EQ(week.FinalAxis(7, ChartAxis::Bottom).caption, "Hours since Start Day 16 / 5 / 2010");
    EXPECT_EQ(week.FinalAxis(7, ChartAxis::Left).maximum, 280.0);
    EXPECT_EQ(week.progress.maximum, 2060);
    EXPECT_EQ(week.progress.position, 2060);
    EXPECT_TRUE(week.IsShown("Label146"));

    // The time window keeps the previous maximum and adds 1000.
    state.StartHour = 6;
    state.EndHour = 9;
    const SweepResult window = SweepTimeWindow(state, 2060, FakeCalls());
    EXPECT_EQ(window.progress.maximum, 2060);
    EXPECT_EQ(window.progress.position, 1000);
    EXPECT_EQ(SweepTimeWindow(state, 290, FakeCalls()).progress.position, 290);
    EXPECT_EQ(window.Text("Panel196"), "6 z");
    EXPECT_EQ(window.Text("Panel199"), "9 z");
    const AxisSetting bottom = window.FinalAxis(5, ChartAxis::Bottom);
    EXPECT_EQ(bottom.caption, "UTC Hour 16/5/2010");
    EXPECT_EQ(bottom.minimum, 6.0);
    EXPECT_EQ(bottom.maximum, 9.0);
    // It does not rescale the left axes itself, and the day is still swept whole.
    EXPECT_FALSE(window.FinalAxis(5, ChartAxis::Left).maximum.has_value());
    EXPECT_EQ(window.Points(5, 0).front().minute, 2);
    EXPECT_EQ(window.Points(5, 0).back().minute, 1442);
}

TEST_F(LibrationSweeps, SevenDayLabels)
{
    struct Case {
        int year, month, day;
        std::array<const char*, 7> labels;
    };
    const Case cases[] = {
        {2011,
         2,
         27,
         {"27 / 2 / 2011", "28 / 2 / 2011", "1 / 3 / 2011", "2 / 3 / 2011", "3 / 3 / 2011",
          "4 / 3 / 2011", "5 / 3 / 2011"}},
        {2012,
         2,
         27,
         {"27 / 2 / 2012", "28 / 2 / 2012", "29 / 2 / 2012", "1 / 3 / 2012", "2 / 3 / 2012",
          "3 / 3 / 2012", "4 / 3 / 2012"}},
        {2010,
         4,
         30,
         {"30 / 4 / 2010", "1 / 5 / 2010", "2 / 5 / 2010", "3 / 5 / 2010", "4 / 5 / 2010",
          "5 / 5 / 2010", "6 / 5 / 2010"}},
        {2010,
         5,
         16,
         {"16 / 5 / 2010", "17 / 5 / 2010", "18 / 5 / 2010", "19 / 5 / 2010", "20 / 5 / 2010",
          "21 / 5 / 2010", "22 / 5 / 2010"}},
        // Past December into January of the next year.
        {2010,
         12,
         29,
         {"29 / 12 / 2010", "30 / 12 / 2010", "31 / 12 / 2010", "1 / 1 / 2011", "2 / 1 / 2011",
          "3 / 1 / 2011", "4 / 1 / 2011"}},
    };
    const char* names[7] = {"Label152", "Label153", "Label157", "Label158",
                            "Label159", "Label160", "Label161"};
    for (const Case& c : cases) {
        ResetSky();
        AppState s = FakeState();
        s.StationAOnly = 1;
        s.CalcYear = c.year;
        s.CalcMonth = c.month;
        s.CalcDay = c.day;
        const SweepResult r = SweepSevenDays(s, FakeCalls());
        for (int k = 0; k < 7; ++k)
            EXPECT_EQ(r.Text(names[k]), c.labels[k]) << c.year << "-" << c.month << " day " << k;
    }
}

TEST_F(LibrationSweeps, UndrawableValuesAreNotPlotted)
{
    // A station with no position gives no elevation and no libration rate;
    // the sweep still ends, with nothing to draw and the initial extremes.
    state.DxLatitude = NAN;
    Sky().elevation = [](const LibraryCall& c) { return std::isnan(c.latitude) ? NAN : 10.0; };
    Sky().libration = [](long double latitude, int m) {
        return std::isnan(latitude) ? LibrationPoint{NAN, NAN} : LibrationPoint{0, 0.002L * m};
    };
    const SweepResult r = SweepLibrationDay(state, FakeCalls());
    EXPECT_EQ(r.Points(2, 2).size(), 289u);
    EXPECT_TRUE(r.Points(2, 3).empty());
    EXPECT_TRUE(r.Points(2, 5).empty());
    EXPECT_EQ(r.Text("Label121"), "Occurs at 00:00z with a signal width of 5000.0 Hz");
    EXPECT_EQ(r.Text("Label113"), "Dec 10.00°  GHA 20.00°  Azimuth 180.00°  Elevation NAN°");
}

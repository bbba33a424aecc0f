#include <gtest/gtest.h>

#include <cmath>

#include "../sweeps/FakeSky.h"
#include "PlannerTable.h"

namespace
{

const QDate May16(2010, 5, 16);

class Planner : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ResetSky();
        state = FakeState();
        state.PlannerIntervalMinutes = 10;
        state.PlannerMinHomeElevation = 0;
        state.PlannerMaxHomeElevation = 90;
        state.PlannerMinDxElevation = 0;
        state.PlannerMaxDxElevation = 90;
        state.PlannerSpatialLimit = 90;
        state.PlannerDecimals = 2;
        state.LiveSecond = 0;
    }

    // Home Moon elevations of the first samples of 16 May (one per 10
    // minutes), -10 afterwards and on other days; the Dx station and the Sun
    // as given.
    void HomeElevations(std::vector<double> sequence, double dx = 30, double sun = -10)
    {
        Sky().elevation = [sequence, dx, sun](const LibraryCall& c) {
            if (c.body == 1)
                return sun;
            if (!IsHome(c))
                return dx;
            const std::size_t i = static_cast<std::size_t>(c.Minutes() / 10);
            return c.day == 16 && i < sequence.size() ? sequence[i] : -10.0;
        };
    }

    PlannerTable Run(const QDate& from, const QDate& to)
    {
        PlannerTable table;
        SetPlannerHeaders(state, table);
        PlanTable(state, table, from, to, FakeCalls());
        return table;
    }

    AppState state;
};

// Row kinds after the heading, up to the current row; data rows by their UTC text.
std::vector<std::string> Outline(const PlannerTable& table)
{
    std::vector<std::string> out;
    for (int i = 1; i <= table.currentRow; ++i) {
        const PlannerRow& row = table.rows[i];
        switch (row.kind) {
        case PlannerRowKind::DayLabel:
            out.push_back("label " + row.cells[0].text.toStdString());
            break;
        case PlannerRowKind::Data:
            out.push_back(row.cells[0].text.toStdString());
            break;
        case PlannerRowKind::Separator:
            out.push_back("separator");
            break;
        default:
            out.push_back("?");
        }
    }
    return out;
}

using Lines = std::vector<std::string>;

} // namespace

TEST_F(Planner, HeadingsWithAndWithoutDxStation)
{
    struct Case {
        uint8_t showStationB;
        std::array<const char*, PlannerColumnCount> texts;
        CellColour col8, col10, col15;
    };
    const Case cases[] = {
        {1,
         {"UTC", "Local", "HmAz", "HmEl", "Dec", "GHA", "HM-HM", "HmLib", "Spatial", "DxLocal",
          "DxAz", "DxEl", "HM-DX", "DxLib", "B@A", "dB"},
         CellColour::LightYellow,
         CellColour::MoneyGreen,
         CellColour::White},
        {0,
         {"UTC", "Local", "HmAz", "HmEl", "Dec", "GHA", "HM-HM", "LibHm", "dB", "", "SunAz",
          "SunEl", "", "", "", ""},
         CellColour::White,
         CellColour::Cream,
         CellColour::ButtonFace},
    };
    for (const Case& c : cases) {
        state.ShowStationB = c.showStationB;
        PlannerTable table;
        table.rows.resize(9);
        table.rows[5].cells[3].text = "old";
        SetPlannerHeaders(state, table);
        ASSERT_EQ(table.rows.size(), 4u);
        for (int col = 0; col < PlannerColumnCount; ++col)
            EXPECT_EQ(table.rows[0].cells[col].text, c.texts[col]) << int(c.showStationB) << col;
        EXPECT_EQ(table.rows[0].cells[0].background, CellColour::SkyBlue);
        EXPECT_EQ(table.rows[0].cells[3].textColour, CellColour::Blue);
        EXPECT_EQ(table.rows[0].cells[4].textColour, CellColour::Default);
        EXPECT_EQ(table.rows[0].cells[8].background, c.col8);
        EXPECT_EQ(table.rows[0].cells[10].background, c.col10);
        EXPECT_EQ(table.rows[0].cells[11].textColour, CellColour::Red);
        EXPECT_EQ(table.rows[0].cells[15].background, c.col15);
        EXPECT_EQ(table.columnWidths[6], 57);
        EXPECT_EQ(table.columnWidths[9], 53);
        for (int r = 1; r < 4; ++r)
            EXPECT_EQ(table.rows[r].kind, PlannerRowKind::Empty);
    }
}

TEST_F(Planner, HomeOnlySeparatorsFollowTheMinimumElevation)
{
    state.ShowStationB = 0;
    state.PlannerMinHomeElevation = 5;
    // Exactly at the minimum is kept; the first sample below it after one at
    // or above gives one separator, further low samples none.
    HomeElevations({5, 10, 3, -2, -5, 8, 9, 4, 4});
    const PlannerTable table = Run(May16, May16);
    EXPECT_EQ(Outline(table), (Lines{"label Sunday 16/5/2010", "0000", "0010", "separator", "0050",
                                     "0100", "separator"}));
    // The grid keeps two empty rows after the current one.
    ASSERT_EQ(static_cast<int>(table.rows.size()), table.currentRow + 3);
    for (int r = table.currentRow + 1; r < static_cast<int>(table.rows.size()); ++r)
        EXPECT_EQ(table.rows[r].kind, PlannerRowKind::Empty);
    const PlannerRow& separator = table.rows[4];
    EXPECT_EQ(separator.cells[0].span, 3);
    EXPECT_EQ(separator.cells[0].background, CellColour::White);
    EXPECT_EQ(separator.cells[0].textColour, CellColour::Blue);
    EXPECT_TRUE(separator.cells[0].text.isEmpty());
}

TEST_F(Planner, BelowHorizonKeepsEverySampleAndEmptiesTheDopplerOfLowOnes)
{
    state.ShowStationB = 0;
    state.PlannerBelowHorizon = 1;
    state.PlannerMinHomeElevation = 5;
    HomeElevations({5, 0, -2, 0.5, -30});
    const PlannerTable table = Run(May16, May16);
    ASSERT_EQ(table.currentRow, 1 + 144);
    for (int r = 2; r <= table.currentRow; ++r)
        ASSERT_EQ(table.rows[r].kind, PlannerRowKind::Data) << r;
    const bool dopplerShown[] = {true, false, false, true, false};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(!table.rows[2 + i].cells[6].text.isEmpty(), dopplerShown[i]) << i;
    EXPECT_EQ(table.rows[2].cells[6].text, "100");
}

TEST_F(Planner, PairSeparatorsFollowTheHorizon)
{
    state.PlannerMinHomeElevation = 10;
    HomeElevations({15, 5, -1, -3, 12});
    const PlannerTable table = Run(May16, May16);
    EXPECT_EQ(Outline(table),
              (Lines{"label Sunday 16/5/2010", "0000", "separator", "0040", "separator"}));
}

TEST_F(Planner, PairLimitsOnDxElevationAndSpatialOffset)
{
    struct Case {
        const char* name;
        double homePolarity, dxPolarity, dxElevation;
        long double spatialLimit, minDx;
        bool kept;
        const char* spatialText;
    };
    const Case cases[] = {
        {"95 folds to -85", 95, 0, 30, 90, 0, true, "-85"},
        {"275 folds to -85", 100, -175, 30, 90, 0, true, "-85"},
        {"90 stays", 90, 0, 30, 90, 0, true, "90"},
        {"-90 becomes 90", -30, 60, 30, 90, 0, true, "90"},
        {"beyond the spatial limit", 90, 0, 30, 89, 0, false, ""},
        {"at the spatial limit", 45, 0, 30, 45, 0, true, "45"},
        {"Dx at its minimum", 0, 0, 12, 90, 12, true, "0"},
        {"Dx below its minimum", 0, 0, 11.99, 90, 12, false, ""},
        {"Dx above its maximum", 0, 0, 90.5, 90, 0, false, ""},
    };
    for (const Case& c : cases) {
        SetUp();
        state.PlannerSpatialLimit = c.spatialLimit;
        state.PlannerMinDxElevation = c.minDx;
        HomeElevations({40}, c.dxElevation);
        Sky().polarity = [c](const LibraryCall& call) {
            return IsHome(call) ? c.homePolarity : c.dxPolarity;
        };
        const PlannerTable table = Run(May16, May16);
        const bool kept = table.currentRow >= 2 && table.rows[2].kind == PlannerRowKind::Data;
        EXPECT_EQ(kept, c.kept) << c.name;
        if (kept)
            EXPECT_EQ(table.rows[2].cells[8].text, c.spatialText) << c.name;
    }
}

TEST_F(Planner, PairRowCells)
{
    HomeElevations({40}, 25.5);
    Sky().azimuth = [](const LibraryCall& c) { return IsHome(c) ? 123.456 : 234.5; };
    Sky().decTopo = [](const LibraryCall&) { return -12.345678; };
    Sky().gha = [](const LibraryCall&) { return 123.456; };
    Sky().doppler = [](const LibraryCall& c) { return IsHome(c) ? -1234.4 : 567.5; };
    Sky().db = [](const LibraryCall& c) { return IsHome(c) ? -1.0 : -2.125; };
    state.HomeUtcOffset = 10;
    state.DxUtcOffset = -5;
    state.PlannerDecimals = 3;
    const PlannerTable table = Run(May16, May16);
    const PlannerRow& row = table.rows[2];
    const char* expected[PlannerColumnCount] = {
        "0000", "1000",  "123.456", "40.000", "-12.35", "123.46", "-1234", "12",
        "0",    "-1900", "234.500", "25.500", "568",    "12",     "12",    "-2.13"};
    for (int col = 0; col < PlannerColumnCount; ++col)
        EXPECT_EQ(row.cells[col].text, expected[col]) << col;
    EXPECT_EQ(row.cells[0].background, CellColour::SkyBlue);
    EXPECT_EQ(row.cells[1].background, CellColour::ButtonFace);
    EXPECT_EQ(row.cells[5].background, CellColour::Cream);
    EXPECT_EQ(row.cells[5].textColour, CellColour::Black);
}

TEST_F(Planner, HomeRowCellsAndTheSun)
{
    state.ShowStationB = 0;
    struct Case {
        double sun;
        const char* azimuth;
        const char* elevation;
    };
    const Case cases[] = {{0, "180.00", "0.00"}, {-0.01, "", ""}, {12.5, "180.00", "12.50"}};
    for (const Case& c : cases) {
        SetUp();
        state.ShowStationB = 0;
        HomeElevations({40}, 30, c.sun);
        const PlannerTable table = Run(May16, May16);
        const PlannerRow& row = table.rows[2];
        EXPECT_EQ(row.cells[7].text, "12") << c.sun;
        EXPECT_EQ(row.cells[8].text, "-1.00") << c.sun;
        EXPECT_EQ(row.cells[10].text, c.azimuth) << c.sun;
        EXPECT_EQ(row.cells[11].text, c.elevation) << c.sun;
        if (*c.azimuth)
            EXPECT_EQ(row.cells[11].textColour, CellColour::Red);
        for (int col : {9, 12, 13, 14, 15})
            EXPECT_TRUE(row.cells[col].text.isEmpty()) << col;
        EXPECT_EQ(state.TargetIsSun, 0);
    }
    // Each kept home row looks the Sun up for the home station.
    int sunCalls = 0;
    for (const LibraryCall& call : Sky().calls)
        if (call.body == 1) {
            ++sunCalls;
            EXPECT_TRUE(IsHome(call));
        }
    EXPECT_EQ(sunCalls, 1);
}

TEST_F(Planner, FrequencyPassedToTheLibrary)
{
    struct Case {
        long double ghz, mhz;
        uint8_t showStationB;
    };
    const Case cases[] = {{48, 48000, 1}, {76, 19000, 1},  {48, 48000, 0},
                          {76, 19000, 0}, {2.3L, 2300, 1}, {122, 30500, 0}};
    for (const Case& c : cases) {
        SetUp();
        state.FrequencyGHz = c.ghz;
        state.ShowStationB = c.showStationB;
        HomeElevations({40, 40});
        Run(May16, May16);
        EXPECT_EQ(state.FrequencyMHz, c.mhz);
        for (const LibraryCall& call : Sky().calls)
            ASSERT_EQ(call.frequencyMHz, static_cast<double>(c.mhz)) << static_cast<double>(c.ghz);
    }
}

TEST_F(Planner, LocalTimes)
{
    struct Case {
        int hour, minute;
        long double offset;
        bool daylight;
        const char* text;
    };
    const Case cases[] = {
        {22, 0, 10, false, "+0800"},  {2, 0, -5, false, "-2100"},      {10, 0, -5, false, "0500"},
        {10, 0, 5.5L, false, "1530"}, {23, 30, 0, true, "+0030"},      {9, 30, 0, false, "0930"},
        {12, 0, NAN, false, "1200"},  {0, 10, -0.25L, false, "-2355"},
    };
    for (const Case& c : cases) {
        const QDateTime utc(May16, QTime(c.hour, c.minute), Qt::UTC);
        EXPECT_EQ(PlannerLocalTime(utc, c.offset, c.daylight), c.text)
            << c.hour << ":" << c.minute << " " << static_cast<double>(c.offset);
    }
}

TEST_F(Planner, DaysWithoutRowsKeepTheirLabels)
{
    HomeElevations({});
    const PlannerTable table = Run(May16, QDate(2010, 5, 18));
    EXPECT_EQ(Outline(table), (Lines{"label Sunday 16/5/2010", "label Monday 17/5/2010",
                                     "label Tuesday 18/5/2010"}));
    const PlannerRow& label = table.rows[2];
    EXPECT_EQ(label.cells[0].span, 3);
    EXPECT_EQ(label.cells[0].background, CellColour::Yellow);
    EXPECT_EQ(label.cells[5].background, CellColour::White);
    EXPECT_EQ(label.cells[0].textColour, CellColour::Blue);
}

TEST_F(Planner, SamplingInterval)
{
    struct Case {
        int32_t interval;
        QDate end;
        int samples, used;
    };
    const Case cases[] = {
        {10, May16, 144, 10},
        {1, QDate(2010, 5, 17), 2880, 1},
        {0, May16, 288, 5}, // a stored interval below 1 becomes 5
        {-3, May16, 288, 5},
        {7, May16, 206, 7},
        {10, QDate(2010, 5, 15), 1, 10}, // an end before the start: the first sample only
        {2880, QDate(2010, 5, 21), 3, 2880},
    };
    for (const Case& c : cases) {
        SetUp();
        state.PlannerIntervalMinutes = c.interval;
        HomeElevations({});
        PlannerTable table;
        SetPlannerHeaders(state, table);
        const PlannerRun run = PlanTable(state, table, May16, c.end, FakeCalls());
        EXPECT_EQ(run.samples, c.samples) << c.interval;
        EXPECT_EQ(run.intervalMinutes, c.used) << c.interval;
        for (const LibraryCall& call : Sky().calls)
            ASSERT_EQ(call.second, 0);
    }
    // Samples two days apart fall on different dates and each gets its label.
    SetUp();
    state.PlannerIntervalMinutes = 2880;
    HomeElevations({});
    EXPECT_EQ(
        Outline(Run(May16, QDate(2010, 5, 21))),
        (Lines{"label Sunday 16/5/2010", "label Tuesday 18/5/2010", "label Thursday 20/5/2010"}));
}

TEST_F(Planner, SignalWidthsEvaluateHomeThenDxTwoMinutesApart)
{
    state.CalcYear = 2010;
    state.CalcMonth = 5;
    state.CalcDay = 16;
    state.CalcHour = 6;
    state.CalcMinute = 30;
    state.HomeSignalWidth = 1;
    state.DxSignalWidth = 2;
    state.PathSignalWidth = 3;
    // Home rate 0.002, Dx rate 0.004 °/min at 1 GHz.
    Sky().libration = [](long double latitude, int m) {
        return LibrationPoint{0, (latitude == DxLat ? 0.004L : 0.002L) * m};
    };
    PlannerSignalWidths(state, FakeCalls());
    ASSERT_EQ(Sky().runs.size(), 4u);
    const int minutes[] = {390, 392, 392, 394};
    const long double latitudes[] = {HomeLat, HomeLat, DxLat, DxLat};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Sky().runs[i].minutes, minutes[i]) << i;
        EXPECT_EQ(Sky().runs[i].observerLatitude, latitudes[i]) << i;
    }
    EXPECT_NEAR(static_cast<double>(state.HomeSignalWidth), 12, 1e-9);
    EXPECT_NEAR(static_cast<double>(state.DxSignalWidth), 24, 1e-9);
    EXPECT_NEAR(static_cast<double>(state.PathSignalWidth), 18, 1e-9);
    EXPECT_EQ(state.CalcMinute, 34);

    // 10000 Hz or more leaves the previous value; without a Dx station only
    // the home width is evaluated.
    ResetSky();
    Sky().libration = [](long double, int m) { return LibrationPoint{0, 4.0L * m}; };
    state.ShowStationB = 0;
    PlannerSignalWidths(state, FakeCalls());
    EXPECT_NEAR(static_cast<double>(state.HomeSignalWidth), 12, 1e-9);
    EXPECT_EQ(Sky().runs.size(), 2u);
}

TEST_F(Planner, StateAfterARun)
{
    struct Case {
        uint8_t showStationB;
        int hour, minute;
    };
    // A two-station sample always takes its time as the calculation time; a
    // home-only one only when kept. A kept row adds the widths' minutes.
    const Case cases[] = {{1, 23, 50}, {0, 0, 20 + 2}};
    for (const Case& c : cases) {
        SetUp();
        state.ShowStationB = c.showStationB;
        HomeElevations({40, 40, 40});
        Run(May16, May16);
        EXPECT_EQ(state.CalcHour, c.hour) << int(c.showStationB);
        EXPECT_EQ(state.CalcMinute, c.minute) << int(c.showStationB);
        EXPECT_EQ(state.CalcDay, 16);
        EXPECT_EQ(state.TargetIsSun, 0);
        EXPECT_EQ(state.PrevHomeElevation, -10);
        EXPECT_EQ(state.WasAboveMin, 0);
    }
}

TEST_F(Planner, StationWithoutPositionEnds)
{
    state.DxLatitude = NAN;
    state.HomeUtcOffset = NAN;
    Sky().elevation = [](const LibraryCall& c) { return std::isnan(c.latitude) ? NAN : 20.0; };
    const PlannerTable table = Run(May16, May16);
    // Every Dx elevation test fails, so no two-station row is kept.
    EXPECT_EQ(table.currentRow, 1);
}

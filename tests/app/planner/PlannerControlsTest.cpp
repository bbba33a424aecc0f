#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "../components/QStringPrinter.h"
#include "AppState.h"
#include "PlannerControls.h"

namespace
{

TEST(PlannerInterval, EachPressFollowsTheSequenceAndNeverFallsBelowOne)
{
    struct Case {
        int32_t from;
        bool up;
        int32_t expected;
    };
    const int32_t big = std::numeric_limits<int32_t>::max();
    const int32_t small = std::numeric_limits<int32_t>::min();
    const Case cases[] = {
        {0, true, 1},     {1, true, 2},      {4, true, 5},     {5, true, 10}, {10, true, 15},
        {-3, true, 5},    {1, false, 5},     {2, false, 1},    {5, false, 4}, {6, false, 1},
        {7, false, 2},    {10, false, 5},    {15, false, 10},  {0, false, 5}, {-40, false, 5},
        {big, true, big}, {small, false, 5}, {small, true, 5},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.up ? IntervalUp(c.from) : IntervalDown(c.from), c.expected)
            << c.from << (c.up ? " up" : " down");
}

TEST(PlannerInterval, UpwardsAndDownwardsRuns)
{
    std::vector<int32_t> up;
    for (int32_t v = 1; up.size() < 7;)
        up.push_back(v = IntervalUp(v));
    EXPECT_EQ(up, (std::vector<int32_t>{2, 3, 4, 5, 10, 15, 20}));

    std::vector<int32_t> down;
    for (int32_t v = 5; down.size() < 5;)
        down.push_back(v = IntervalDown(v));
    EXPECT_EQ(down, (std::vector<int32_t>{4, 3, 2, 1, 5}));
}

TEST(PlannerLimits, OneDegreeAStepWithinZeroToNinety)
{
    struct Case {
        long double from;
        int step;
        long double expected;
    };
    const Case cases[] = {
        {45, +1, 46}, {45, -1, 44}, {0, -1, 0},    {90, +1, 90},     {89, +1, 90},
        {1, -1, 0},   {-5, +1, 0},  {120, -1, 90}, {0.5L, +1, 1.5L},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LimitStep(c.from, c.step), c.expected) << double(c.from) << " " << c.step;
    EXPECT_EQ(LimitStep(std::numeric_limits<long double>::quiet_NaN(), +1), 1);
    EXPECT_EQ(LimitStep(std::numeric_limits<long double>::infinity(), -1), 90);
}

TEST(PlannerDates, AStartAfterTheEndMovesTheEnd)
{
    const QDate may16(2010, 5, 16), may20(2010, 5, 20);
    EXPECT_EQ(EndDateForStart(may20, may16), may20);
    EXPECT_EQ(EndDateForStart(may16, may20), may20);
    EXPECT_EQ(EndDateForStart(may16, may16), may16);
}

TEST(PlannerDates, SamplesOfARun)
{
    struct Case {
        QDate start, end;
        int32_t interval;
        long long samples;
    };
    const QDate may16(2010, 5, 16);
    const Case cases[] = {
        {may16, may16, 1, 1440},
        {may16, may16, 7, 206}, // 0000, 0007, … 2356
        {may16, may16.addDays(29), 1, 43200},
        {may16, may16.addDays(6), 5, 2016},
        {may16, may16, 0, 288}, // runs as 5 minutes
        {may16, may16.addDays(-3), 1, 1},
        {may16, may16.addDays(347), 1, 501120},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlannerSampleCount(c.start, c.end, c.interval), c.samples)
            << c.start.toString().toStdString() << " " << c.interval;
    // The count is the one a run makes.
    for (const Case& c : {cases[1], cases[4], cases[5]}) {
        AppState s;
        s.HomeLatitude = -37.5L;
        s.HomeLongitude = 145.25L;
        s.FrequencyGHz = 1.296L;
        s.PlannerIntervalMinutes = c.interval;
        s.PlannerMaxHomeElevation = 90;
        PlannerTable table;
        SetPlannerHeaders(s, table);
        EXPECT_EQ(PlanTable(s, table, c.start, c.end).samples, c.samples) << c.interval;
    }
    EXPECT_GT(PlannerSampleCount(may16, may16.addDays(347), 1), PlannerMaxSamples);
    EXPECT_LE(PlannerSampleCount(may16, may16.addDays(346), 1), PlannerMaxSamples);
}

TEST(PlannerTexts, ShortestDecimal)
{
    struct Case {
        long double value;
        const char* text;
    };
    const Case cases[] = {
        {90, "90"},        {0, "0"},      {-0.0L, "0"},
        {12.5L, "12.5"},   {0.1L, "0.1"}, {123.456L, "123.456"},
        {-7.25L, "-7.25"}, {5, "5"},      {std::numeric_limits<long double>::quiet_NaN(), "NAN"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShortestDecimal(c.value), QString::fromLatin1(c.text)) << c.text;
}

TEST(PlannerTexts, PositionAsDegreesMinutesSecondsAndHemispheres)
{
    struct Case {
        long double latitude, longitude;
        const char* text;
    };
    const Case cases[] = {
        {-37.5L, 145.25L, "37 : 30 : 0 : S    145 : 15 : 0 E"},
        {0, 0, "0 : 0 : 0 : N    0 : 0 : 0 W"},
        {51.4778L, -0.0015L, "51 : 28 : 40 : N    0 : 0 : 5 W"},
        // Binary fractions just below a whole minute or second read as the
        // whole value, never as 60.
        {10.1L, -70.7L, "10 : 6 : 0 : N    70 : 42 : 0 W"},
        {59.96L / 3600, 59.94L / 3600, "0 : 1 : 0 : N    0 : 0 : 59 E"},
        {45.9999999L, 179.99999999L, "46 : 0 : 0 : N    180 : 0 : 0 E"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PlannerPositionText(c.latitude, c.longitude), QString::fromLatin1(c.text));
    // Values no file should hold still give a readable text.
    EXPECT_EQ(PlannerPositionText(std::numeric_limits<long double>::quiet_NaN(), 1e30L),
              QStringLiteral("0 : 0 : 0 : S    1000000 : 0 : 0 E"));
}

TEST(PlannerTexts, PanelsWithAndWithoutDxStation)
{
    AppState s;
    s.HomeCallSign = QStringLiteral("VK0HOM");
    s.HomeLocation = QStringLiteral("Melbourne");
    s.HomeGridSquare = QStringLiteral("QF22ii");
    s.HomeHeightM = 120;
    s.HomeLatitude = -37.5L;
    s.HomeLongitude = 145.25L;
    s.DxCallSign = QStringLiteral("DX1TST");
    s.DxLocation = QStringLiteral("Allen");
    s.DxGridSquare = QStringLiteral("EM13qc");
    s.DxHeightM = 187.5L;
    s.DxLatitude = 33.1L;
    s.DxLongitude = -96.6L;
    s.PlannerIntervalMinutes = 10;
    s.PlannerSpatialLimit = 30;
    s.PlannerMinHomeElevation = 5;
    s.PlannerMaxHomeElevation = 90;
    s.PlannerMinDxElevation = 2.5L;
    s.PlannerMaxDxElevation = 60;

    s.ShowStationB = 1;
    PlannerPanelTexts t = PlannerPanels(s);
    EXPECT_EQ(t.Panel101, QStringLiteral("VK0HOM"));
    EXPECT_EQ(t.Panel102, QStringLiteral("Melbourne  QF22ii  120m ASL"));
    EXPECT_EQ(t.Panel8, QStringLiteral("37 : 30 : 0 : S    145 : 15 : 0 E"));
    EXPECT_EQ(t.Panel201, QStringLiteral("DX1TST"));
    EXPECT_EQ(t.Panel202, QStringLiteral("Allen  EM13qc  187.5m ASL"));
    EXPECT_EQ(t.Panel203, QStringLiteral("33 : 6 : 0 : N    96 : 36 : 0 W"));
    EXPECT_EQ(t.Panel501, QStringLiteral("10"));
    EXPECT_EQ(t.Panel406, QStringLiteral("30"));
    EXPECT_EQ(t.Panel402, QStringLiteral("5"));
    EXPECT_EQ(t.Panel10, QStringLiteral("90"));
    EXPECT_EQ(t.Panel404, QStringLiteral("2.5"));
    EXPECT_EQ(t.Panel12, QStringLiteral("60"));

    s.ShowStationB = 0;
    t = PlannerPanels(s);
    EXPECT_EQ(t.Panel201, QStringLiteral("Not selected"));
    EXPECT_EQ(t.Panel202, QString());
    EXPECT_EQ(t.Panel203, QString());
    EXPECT_EQ(t.Panel101, QStringLiteral("VK0HOM"));
}

TEST(PlannerHorizonSwitch, TogglesOnlyWithoutDxStation)
{
    AppState s;
    s.ShowStationB = 0;
    std::optional<HorizonSwitch> on = ToggleBelowHorizon(s);
    ASSERT_TRUE(on);
    EXPECT_EQ(s.PlannerBelowHorizon, 1);
    EXPECT_EQ(on->Caption, QStringLiteral("Calculate Moon even when below the Horizon"));
    EXPECT_EQ(on->Colour, (Rgb{192, 192, 192}));
    std::optional<HorizonSwitch> off = ToggleBelowHorizon(s);
    ASSERT_TRUE(off);
    EXPECT_EQ(s.PlannerBelowHorizon, 0);
    EXPECT_EQ(off->Caption, QStringLiteral("Calculate Moon when only Above Horizon"));
    EXPECT_EQ(off->Colour, (Rgb{166, 202, 240}));

    s.ShowStationB = 1;
    EXPECT_FALSE(ToggleBelowHorizon(s));
    EXPECT_EQ(s.PlannerBelowHorizon, 0);
    s.PlannerBelowHorizon = 1;
    EXPECT_FALSE(ToggleBelowHorizon(s));
    EXPECT_EQ(s.PlannerBelowHorizon, 1);
}

} // namespace

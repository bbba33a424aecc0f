#include <gtest/gtest.h>

#include "ChartSet.h"
#include "FakeSky.h"

TEST(ChartSet, BandAxisRanges)
{
    struct Case {
        int index;
        double width, doppler;
    };
    const Case cases[] = {{0, 15, 1500}, {2, 70, 8000}, {5, 280, 30000}, {9, 3500, 350000}};
    for (const Case& c : cases) {
        const std::vector<AxisSetting> axes = SetBandAxisRanges(c.index);
        ASSERT_EQ(axes.size(), 4u) << c.index;
        for (const AxisSetting& a : axes) {
            EXPECT_EQ(a.axis, ChartAxis::Left);
            const bool doppler = a.chart == 6;
            EXPECT_EQ(a.minimum, doppler ? -c.doppler : 0.0) << c.index << " chart " << a.chart;
            EXPECT_EQ(a.maximum, doppler ? c.doppler : c.width) << c.index << " chart " << a.chart;
        }
    }
    EXPECT_TRUE(SetBandAxisRanges(-1).empty());
    EXPECT_TRUE(SetBandAxisRanges(10).empty());
}

TEST(ChartSet, SelectChartShowsOneChartAndRunsItsSweep)
{
    struct Case {
        int kind;
        const char* button;
        bool panel186Yellow;
        bool rescaledBeforeSweep; // kinds 5 and 6 rescale in SelectChart
        SeriesRef filled;
    };
    const Case cases[] = {
        {1, "Panel27", false, false, {1, 2}},  {2, "Panel167", false, false, {2, 2}},
        {3, "Panel168", false, false, {3, 0}}, {4, "Panel172", false, false, {4, 0}},
        {5, "Panel171", true, true, {5, 0}},   {6, "Panel170", false, true, {6, 0}},
        {7, "Panel193", false, false, {7, 2}},
    };
    for (const Case& c : cases) {
        ResetSky();
        AppState s = FakeState();
        s.FrequencyGHz = 122;
        s.SweepKind = 0;
        const std::optional<SelectChartResult> r = SelectChart(s, c.kind, 100, FakeCalls());
        ASSERT_TRUE(r.has_value()) << c.kind;
        EXPECT_EQ(s.SweepKind, c.kind);
        EXPECT_EQ(r->selection.visibleChart, c.kind);
        EXPECT_EQ(r->selection.button, c.button);
        int yellow = 0;
        for (const auto& [name, isYellow] : r->selection.yellow)
            yellow += isYellow;
        EXPECT_EQ(yellow, c.panel186Yellow ? 2 : 1) << c.kind;
        EXPECT_TRUE(r->selection.yellow.at(c.button)) << c.kind;
        EXPECT_EQ(r->selection.yellow.at("Panel186"), c.panel186Yellow) << c.kind;
        EXPECT_FALSE(r->sweep.Points(c.filled.chart, c.filled.series).empty()) << c.kind;

        const bool firstIsBand = !r->sweep.axes.empty() && r->sweep.axes.front().chart == 2 &&
                                 r->sweep.axes.front().axis == ChartAxis::Left;
        EXPECT_EQ(firstIsBand, c.rescaledBeforeSweep || c.kind == 1 || c.kind == 2 || c.kind == 7)
            << c.kind;
        if (c.kind != 3 && c.kind != 4) {
            EXPECT_EQ(r->sweep.FinalAxis(6, ChartAxis::Left).maximum, 350000.0) << c.kind;
            EXPECT_EQ(r->sweep.FinalAxis(7, ChartAxis::Left).maximum, 3500.0) << c.kind;
        }
        // Result boxes end shown only on the charts that report extremes.
        EXPECT_EQ(r->sweep.IsShown("Panel2"), c.kind == 1 || c.kind == 2) << c.kind;
        EXPECT_EQ(r->sweep.IsShown("Panel4"), c.kind == 5) << c.kind;
        EXPECT_TRUE(r->sweep.shown.count("Panel180")) << c.kind;
    }
}

TEST(ChartSet, OtherKindsDoNothing)
{
    for (int kind : {0, 8, -1, 1000}) {
        ResetSky();
        AppState s = FakeState();
        s.SweepKind = kind;
        EXPECT_FALSE(RunSelectedSweep(s, 100, FakeCalls()).has_value()) << kind;
        EXPECT_FALSE(SelectChart(s, kind, 100, FakeCalls()).has_value()) << kind;
        EXPECT_EQ(s.SweepKind, kind);
        EXPECT_TRUE(Sky().calls.empty()) << kind;
    }
    ResetSky();
    AppState s = FakeState();
    s.SweepKind = 4;
    const std::optional<SelectChartResult> r = RunSelectedSweep(s, 100, FakeCalls());
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(r->selection.visibleChart, 4);
}

TEST(ChartSet, ClearChartsHidesTheSignalWidthBoxesAndTheNotice)
{
    const ClearChartsData cleared = ClearCharts();
    for (const char* box :
         {"Panel178", "Panel2", "Panel3", "Panel9", "Panel169", "Label4", "Label125"})
        EXPECT_NE(std::find(cleared.hidden.begin(), cleared.hidden.end(), box),
                  cleared.hidden.end())
            << box;
    // Chart7's inactive line series 0 and 1 are left alone.
    const auto has = [&](int chart, int series) {
        return std::find(cleared.series.begin(), cleared.series.end(), SeriesRef{chart, series}) !=
               cleared.series.end();
    };
    EXPECT_FALSE(has(7, 0));
    EXPECT_TRUE(has(7, 5));
    EXPECT_TRUE(has(5, 2));
    EXPECT_FALSE(has(5, 3));
}

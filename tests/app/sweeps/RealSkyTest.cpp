#include <gtest/gtest.h>

#include <cmath>

#include "../components/QStringPrinter.h"
#include "AppState.h"
#include "BandTable.h"
#include "ChartSet.h"
#include "ChartSweeps.h"
#include "PlannerTable.h"

// The sweeps over the real library and the program's own ephemeris.

namespace
{

AppState Stations(long double homeLat, long double homeLon, long double dxLat, long double dxLon)
{
    AppState s;
    s.HomeLatitude = homeLat;
    s.HomeLongitude = homeLon;
    s.HomeHeightM = 50;
    s.DxLatitude = dxLat;
    s.DxLongitude = dxLon;
    s.DxHeightM = 10;
    ApplyBand(s, 1); // 1.3 GHz
    s.CalcYear = 2010;
    s.CalcMonth = 5;
    s.CalcDay = 16;
    s.ShowStationB = 1;
    s.AboveHorizonOnly = 1;
    s.PlannerIntervalMinutes = 10;
    s.PlannerMaxHomeElevation = 90;
    s.PlannerMaxDxElevation = 90;
    s.PlannerSpatialLimit = 90;
    return s;
}

} // namespace

TEST(RealSky, BothStationsAtTheSamePlace)
{
    AppState s = Stations(52.2L, 0.1L, 52.2L, 0.1L);
    s.AboveHorizonOnly = 0;
    const SweepResult r = SweepLibrationDay(s);
    const std::vector<ChartPoint>& home = r.Points(2, 2);
    const std::vector<ChartPoint>& dx = r.Points(2, 3);
    const std::vector<ChartPoint>& path = r.Points(2, 5);
    ASSERT_EQ(home.size(), 289u);
    ASSERT_EQ(dx.size(), 289u);
    // Each Dx and B-at-A point is the home curve two minutes on.
    double worst = 0;
    for (std::size_t i = 0; i < dx.size(); ++i) {
        EXPECT_EQ(dx[i].minute, home[i].minute + 2);
        worst = std::max(worst, std::fabs(dx[i].value - home[i].value));
        // The mid-point's motion is the mean of two nearly parallel motions.
        EXPECT_NEAR(path[i].value, (home[i].value + dx[i].value) / 2, 0.05) << i;
        EXPECT_LE(path[i].value, (home[i].value + dx[i].value) / 2 + 1e-9) << i;
    }
    EXPECT_LT(worst, 0.5) << "widest gap between the home and Dx curves, Hz";
    EXPECT_GT(home[100].value, 0);
}

TEST(RealSky, MoonNeverUpAtBothAntipodes)
{
    AppState s = Stations(0, 0, 0, 180);
    s.RefractionFlag = 0;
    const SweepResult r = SweepLibrationDay(s);
    for (int series : {2, 3, 5})
        EXPECT_TRUE(r.Points(2, series).empty()) << series;
    EXPECT_EQ(r.Text("Label111"), "Occurs at 00:00z with a signal width of 5000.0 Hz");
    EXPECT_EQ(r.Text("Label125"),
              "Maximum received Libration from Dx Station occurs at 00:00z with a signal width of "
              "0.0 Hz");
    EXPECT_TRUE(SweepSpatialOffset(s).Points(4, 0).empty());
    EXPECT_TRUE(SweepDoppler(s).Points(6, 1).empty());
}

TEST(RealSky, SunSelectedLooksUpTheSun)
{
    AppState s = Stations(52.2L, 0.1L, 40.7L, -74);
    s.StationAOnly = 1;
    s.TargetIsSun = 1;
    const SweepResult sun = SweepLibrationDay(s);
    // The Sun's declination in mid May is near +19°, the Moon's that day near +24°.
    const double dec = sun.Text("Label6").mid(4, 5).toDouble();
    EXPECT_NEAR(dec, 19, 0.5) << sun.Text("Label6").toStdString();
    // Daylight lasts about 16 hours at 52° N in May: that many hours of samples.
    EXPECT_NEAR(sun.Points(2, 2).size() * 3 / 60.0, 16, 0.6);
}

TEST(RealSky, DopplerAt122GHzUsesAQuarterOfTheFrequency)
{
    AppState s = Stations(52.2L, 0.1L, 40.7L, -74);
    ApplyBand(s, 9);
    const std::optional<SelectChartResult> r = SelectChart(s, 6);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(s.FrequencyMHz, 30500);
    EXPECT_EQ(r->sweep.FinalAxis(6, ChartAxis::Left).maximum, 350000.0);
    ASSERT_FALSE(r->sweep.Points(6, 0).empty());
    for (const ChartPoint& p : r->sweep.Points(6, 0))
        ASSERT_LT(std::fabs(p.value), 350000.0);
    // The library's Doppler scales with the frequency it is given.
    AppState low = Stations(52.2L, 0.1L, 40.7L, -74);
    low.FrequencyGHz = 30.5L;
    const SweepResult lowDoppler = SweepDoppler(low);
    EXPECT_EQ(low.FrequencyMHz, 30500);
    EXPECT_EQ(lowDoppler.Points(6, 0).front().value, r->sweep.Points(6, 0).front().value);
}

TEST(RealSky, StationsWithoutPositionEnd)
{
    AppState s = Stations(NAN, 0.1L, 40.7L, NAN);
    for (int kind = 1; kind <= 7; ++kind) {
        const std::optional<SelectChartResult> r = SelectChart(s, kind);
        ASSERT_TRUE(r.has_value());
        for (const auto& [ref, points] : r->sweep.points)
            for (const ChartPoint& p : points)
                ASSERT_TRUE(std::isfinite(p.value)) << kind;
    }
    PlannerTable table;
    SetPlannerHeaders(s, table);
    PlanTable(s, table, QDate(2010, 5, 16), QDate(2010, 5, 16));
    EXPECT_EQ(table.currentRow, 1);
}

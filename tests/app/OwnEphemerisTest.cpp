#include "OwnEphemeris.h"
#include "AppState.h"
#include "OwnEphemerisFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

namespace
{

std::string FourDecimals(long double x)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.4Lf", x);
    return buf;
}

struct Quantity {
    const char* name;
    long double (*get)(const AppState&);
    const char* expected; // as the worked calculation sheet shows it, four decimals
};

#define Q(name, expr, expected)                                                                    \
    Quantity                                                                                       \
    {                                                                                              \
        name, [](const AppState& s) -> long double { return expr; }, expected                      \
    }

} // namespace

// 16 May 2010, 0:00 UT, observer 10° east, 50° north.
TEST(OwnEphemeris, WorkedExampleOf16May2010ToFourDecimals)
{
    const AppState s = StateAt(2010, 5, 16, 0, 0, 10, 50);
    const Quantity table[] = {
        Q("d", s.Ephemeris.DaysJ2000, "3787.5000"),
        Q("Julian day", s.Ephemeris.JulianDay, "2455332.5000"),
        Q("LST", s.Ephemeris.Lst, "243.5980"),
        Q("T", s.Ephemeris.Centuries, "0.1037"),
        Q("L", s.Ephemeris.SunMeanLongitude, "53.6085"),
        Q("M", s.Ephemeris.SunMeanAnomaly, "130.4849"),
        Q("C", s.Ephemeris.SunEquationOfCentre, "1.4365"),
        Q("R", s.Ephemeris.SunDistance, "383.3412"),
        Q("lambda0", s.Ephemeris.SunApparentLongitude, "55.0440"),
        Q("epsilon", s.Ephemeris.Obliquity, "23.4379"),
        Q("Sun RA", s.Ephemeris.SunRaDeg, "52.6951"),
        Q("Sun Dec", s.Ephemeris.SunDecDeg, "19.0260"),
        Q("F", s.Ephemeris.MoonArgLatitude, "159.4343"),
        Q("L'", s.Ephemeris.MoonMeanLongitude, "83.9300"),
        Q("Omega'", s.Ephemeris.MoonNode, "284.4823"),
        Q("M'", s.Ephemeris.MoonMeanAnomaly, "298.6376"),
        Q("D", s.Ephemeris.MoonMeanElongation, "30.3007"),
        Q("Delta", s.Ephemeris.MoonDistance, "0.9752"),
        Q("beta", s.Ephemeris.MoonLatitude, "2.0895"),
        Q("lambda", s.Ephemeris.MoonLongitude, "79.8068"),
        Q("lambdaH", s.Ephemeris.HelioLongitude, "234.9830"),
        Q("Moon RA", s.Ephemeris.MoonRaDeg, "78.7354"),
        Q("Moon RA hours", s.Ephemeris.MoonRaHours, "5.2490"),
        Q("Moon Dec", s.Ephemeris.MoonDecDeg, "25.1297"),
        Q("W", s.Ephemeris.SubEarthW, "155.3245"),
        Q("A", s.Ephemeris.SubEarthA, "155.3836"),
        Q("l", s.Ephemeris.LibrationLongitude, "-4.0507"),
        Q("b", s.Ephemeris.LibrationLatitude, "-2.7327"),
        Q("Ls", s.Ephemeris.SubSolarLongitude, "151.0766"),
        Q("Bs", s.Ephemeris.SubSolarLatitude, "1.1675"),
        Q("colongitude", s.Ephemeris.SunColongitude, "298.9234"),
        Q("terminator", s.Ephemeris.TerminatorLongitude, "61.0766"),
        Q("psi", s.Ephemeris.PsiRad * RadToDeg, "24.8453"),
        Q("i", s.Ephemeris.PhaseAngleRad * RadToDeg, "155.0934"),
        Q("k", s.Ephemeris.IlluminatedFraction, "0.0465"),
        Q("chi+", s.Ephemeris.BrightLimbPlusRad * RadToDeg, "261.0214"),
        Q("H", s.Ephemeris.HourAngleRad * RadToDeg, "164.8626"),
        Q("q", s.Ephemeris.ParallacticRad * RadToDeg, "9.9479"),
        Q("omega", s.Ephemeris.AxisOmegaRad * RadToDeg, "183.8091"),
        Q("P", s.Ephemeris.AxisPaRad * RadToDeg, "-5.8623"),
        Q("Q+", s.Ephemeris.TopoQPlusRad * RadToDeg, "9.9479"),
        Q("z", s.Ephemeris.ZenithRad * RadToDeg, "103.6765"),
        Q("piM", s.Ephemeris.MoonParallaxRad * RadToDeg, "0.9733"),
        Q("pi'", s.Ephemeris.TopoParallax, "0.9420"),
        Q("dl", s.Ephemeris.TopoDeltaL, "-0.2569"),
        Q("db", s.Ephemeris.TopoDeltaB, "0.9064"),
        Q("dP", s.Ephemeris.TopoDeltaP, "-0.0681"),
        Q("TopoLibrationLatitude", s.TopoLibrationLatitude, "-1.8264"),
        Q("TopoLibrationLongitude", s.TopoLibrationLongitude, "-4.3077"),
    };
    for (const Quantity& q : table)
        EXPECT_EQ(FourDecimals(q.get(s)), q.expected) << q.name;
    EXPECT_TRUE(s.Ephemeris.TerminatorSunrise);
}

TEST(OwnEphemeris, J2000NoonAndMidnight)
{
    const AppState noon = StateAt(2000, 1, 1, 12, 0, 0, 0);
    EXPECT_EQ(noon.Ephemeris.DaysJ2000, 0.0L);
    EXPECT_EQ(noon.Ephemeris.JulianDay, 2451545.0L);
    EXPECT_EQ(noon.Ephemeris.Centuries, 0.0L);
    EXPECT_NEAR(noon.Ephemeris.SunMeanLongitude, 280.466L, 1e-15L);
    EXPECT_NEAR(noon.Ephemeris.SunMeanAnomaly, 357.529L, 1e-15L);
    EXPECT_NEAR(noon.Ephemeris.Lst, 280.95282368300L, 1e-12L);

    const AppState midnight = StateAt(2000, 1, 1, 0, 0, 0, 0);
    EXPECT_EQ(midnight.Ephemeris.DaysJ2000, -0.5L);
    EXPECT_EQ(midnight.Ephemeris.JulianDay, 2451544.5L);
}

// The sweeps leave the hour at 0 and step the minute through the whole day.
TEST(OwnEphemeris, MinutesBeyondTheHourCarryIntoTheTime)
{
    struct Case {
        int hour, minute, sameHour, sameMinute;
    } cases[] = {{0, 90, 1, 30}, {0, 1439, 23, 59}, {0, 1440, 24, 0}, {2, 125, 4, 5}};
    for (const Case& c : cases) {
        const AppState a = StateAt(2010, 5, 16, c.hour, c.minute, 10, 50);
        const AppState b = StateAt(2010, 5, 16, c.sameHour, c.sameMinute, 10, 50);
        SCOPED_TRACE(testing::Message() << c.hour << "h" << c.minute << "min");
        EXPECT_EQ(a.Ephemeris.DaysJ2000, b.Ephemeris.DaysJ2000);
        EXPECT_EQ(a.Ephemeris.Lst, b.Ephemeris.Lst);
        EXPECT_EQ(a.Ephemeris.MoonRaDeg, b.Ephemeris.MoonRaDeg);
        EXPECT_EQ(a.TopoLibrationLatitude, b.TopoLibrationLatitude);
        EXPECT_EQ(a.TopoLibrationLongitude, b.TopoLibrationLongitude);
    }
    // 1440 minutes is the next day's midnight.
    EXPECT_EQ(StateAt(2010, 5, 16, 0, 1440, 10, 50).Ephemeris.DaysJ2000,
              StateAt(2010, 5, 17, 0, 0, 10, 50).Ephemeris.DaysJ2000);
}

// Before 2000 the reduced angles keep the sign of the unreduced ones.
TEST(OwnEphemeris, DateIn1990GivesNegativeReducedAngles)
{
    const AppState s = StateAt(1990, 3, 15, 6, 0, 0, 0);
    const auto& e = s.Ephemeris;
    EXPECT_LT(e.Centuries, 0);
    struct {
        const char* name;
        long double value;
    } negative[] = {{"LST", e.Lst},
                    {"L", e.SunMeanLongitude},
                    {"M", e.SunMeanAnomaly},
                    {"F", e.MoonArgLatitude},
                    {"L'", e.MoonMeanLongitude},
                    {"M'", e.MoonMeanAnomaly},
                    {"D", e.MoonMeanElongation}};
    for (const auto& q : negative) {
        EXPECT_LT(q.value, 0) << q.name;
        EXPECT_GT(q.value, -360) << q.name;
    }
    // Even so the right ascensions are brought into one turn.
    EXPECT_GE(e.SunRaDeg, 0);
    EXPECT_LT(e.SunRaDeg, 360);
    EXPECT_GE(e.MoonRaDeg, 0);
    EXPECT_LT(e.MoonRaDeg, 360);
}

TEST(OwnEphemeris, Reductions)
{
    struct Case {
        long double x, reduced, wrapped;
    } cases[] = {
        {370.25L, 10.25L, 10.25L}, {360.0L, 0.0L, 0.0L},         {359.5L, 359.5L, 359.5L},
        {-10.5L, -10.5L, 349.5L},  {-370.25L, -10.25L, -10.25L}, {-725.0L, -5.0L, -5.0L},
        {1081.75L, 1.75L, 1.75L},  {-0.25L, -0.25L, 359.75L},    {0.0L, 0.0L, 0.0L},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Reduce360(c.x), c.reduced) << static_cast<double>(c.x);
        EXPECT_EQ(Wrap360(c.x), c.wrapped) << static_cast<double>(c.x);
    }
}

TEST(OwnEphemeris, TerminatorFromColongitude)
{
    struct Case {
        long double colongitude, terminator;
        bool sunrise;
    } cases[] = {
        {45, -45, true}, {100, 80, false},        {300, 60, true},  {0, 0, true},
        {90, 90, false}, {269.5L, -89.5L, false}, {270, 90, false}, {359, 1, true},
    };
    for (const Case& c : cases) {
        const long double t = TerminatorLongitude(c.colongitude);
        EXPECT_EQ(t, c.terminator) << static_cast<double>(c.colongitude);
        if (t == 0)
            EXPECT_FALSE(std::signbit(t)) << "a zero terminator longitude would read as -0";
        EXPECT_EQ(TerminatorIsSunrise(c.colongitude), c.sunrise)
            << static_cast<double>(c.colongitude);
    }
    struct {
        long double ls, colongitude;
    } fromLs[] = {{151.0766L, 298.9234L}, {90, 360}, {45, 45}, {-30, 120}};
    for (const auto& c : fromLs)
        EXPECT_NEAR(SunColongitude(c.ls), c.colongitude, 1e-12L);
}

// Ranges that every date and observer keeps, over forty years in steps that
// walk through all phases, nodes and hour angles.
TEST(OwnEphemeris, RangesHoldOverManyDatesAndObservers)
{
    const long double observers[][2] = {{0, 0},           {10, 50},        {-122.4L, 37.8L},
                                        {151.2L, -33.9L}, {179.9L, 89.9L}, {-179.9L, -89.9L}};
    for (int year = 1985; year <= 2025; ++year) {
        for (int month = 1; month <= 12; month += 1) {
            for (int day = 1; day <= 28; day += 9) {
                const auto& obs = observers[(year + month + day) % 6];
                const AppState s = StateAt(year, month, day, (month * 7) % 24,
                                           (day * 13 + year) % 1441, obs[0], obs[1]);
                const auto& e = s.Ephemeris;
                SCOPED_TRACE(testing::Message() << year << "-" << month << "-" << day);
                ASSERT_TRUE(std::isfinite(s.TopoLibrationLatitude));
                ASSERT_TRUE(std::isfinite(s.TopoLibrationLongitude));
                EXPECT_GE(e.IlluminatedFraction, 0);
                EXPECT_LE(e.IlluminatedFraction, 1);
                EXPECT_GE(e.PsiRad * RadToDeg, 0);
                EXPECT_LE(e.PsiRad * RadToDeg, 180);
                EXPECT_GE(e.SunRaDeg, 0);
                EXPECT_LT(e.SunRaDeg, 360);
                EXPECT_GE(e.SunRaHours, 0);
                EXPECT_LT(e.SunRaHours, 24);
                EXPECT_GE(e.MoonRaDeg, 0);
                EXPECT_LT(e.MoonRaDeg, 360);
                EXPECT_GE(e.MoonRaHours, 0);
                EXPECT_LT(e.MoonRaHours, 24);
                EXPECT_GE(e.SubEarthA, 0);
                EXPECT_LT(e.SubEarthA, 360);
                EXPECT_GE(e.SubSolarA, 0);
                EXPECT_LT(e.SubSolarA, 360);
                EXPECT_GE(e.BrightLimbPlusRad, 0);
                EXPECT_LT(e.BrightLimbPlusRad, 2 * 3.14159265358979323846L);
                EXPECT_GE(e.TopoQPlusRad, 0);
                EXPECT_LT(e.TopoQPlusRad, 2 * 3.14159265358979323846L);
                EXPECT_LE(std::fabs(e.ParallacticRad * RadToDeg), 90);
                // The optical libration stays within a few degrees of the mean face.
                EXPECT_LT(std::fabs(e.LibrationLatitude), 7.5L);
                EXPECT_LT(std::fabs(s.TopoLibrationLatitude - e.LibrationLatitude), 1.0L);
            }
        }
    }
}

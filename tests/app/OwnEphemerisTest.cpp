#include "OwnEphemeris.h"
#include "AppState.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

namespace
{

AppState StateAt(int year, int month, int day, int hour, int minute, long double lonDeg,
                 long double latDeg)
{
    AppState s;
    s.CalcYear = static_cast<uint16_t>(year);
    s.CalcMonth = static_cast<uint16_t>(month);
    s.CalcDay = static_cast<uint16_t>(day);
    s.CalcHour = static_cast<uint16_t>(hour);
    s.CalcMinute = static_cast<uint16_t>(minute);
    s.ObserverLongitudeDeg = lonDeg;
    s.ObserverLongitudeRad = lonDeg * DegToRad;
    s.ObserverLatitudeDeg = latDeg;
    s.ObserverLatitudeRad = latDeg * DegToRad;
    ComputeOwnEphemeris(s);
    return s;
}

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

// GetMoonIllum and the phase getters that read what it stores.
#include "EphemerisTestSupport.h"

#include <gtest/gtest.h>

using namespace ephemeris_test;

TEST(GetMoonIllum, FullAndNewMoon)
{
    struct PhaseCase {
        const char* what;
        Call call;
        double illumLow, illumHigh, angleLow, angleHigh, phaseLow, phaseHigh;
    };
    const PhaseCase cases[] = {
        {"total lunar eclipse 2000-01-21",
         {2000, 1, 21, 4, 44, 0, 0, 0, 0, 0, 0, 0},
         99.9,
         100.0,
         0.0,
         1.5,
         0.49,
         0.50},
        {"total solar eclipse 1999-08-11",
         {1999, 8, 11, 11, 3, 0, 0, 0, 0, 0, 0, 0},
         0.0,
         0.05,
         178.0,
         180.0,
         -0.006,
         0.005},
    };
    for (const PhaseCase& c : cases) {
        SCOPED_TRACE(c.what);
        Load(c.call);
        const double illum = GetMoonIllum();
        EXPECT_GE(illum, c.illumLow);
        EXPECT_LE(illum, c.illumHigh);
        EXPECT_GE(GetPhaseAngle(), c.angleLow);
        EXPECT_LE(GetPhaseAngle(), c.angleHigh);
        EXPECT_GE(GetMoonPhase(), c.phaseLow);
        EXPECT_LE(GetMoonPhase(), c.phaseHigh);
        // Fraction and phase angle describe the same geometry.
        EXPECT_NEAR(illum / 100.0, (1.0 + std::cos(GetPhaseAngle() * 0.017453292519943295)) / 2.0,
                    1e-12);
    }
}

TEST(GetQuarter, ThroughALunation)
{
    // Waxing: "1st" below a quarter lit, "2nd" from there; waning: "3rd"
    // while half or more is lit, "4th" after.
    struct QuarterCase {
        uint16_t month, day;
        const char* quarter; // illuminated fraction in brackets
    };
    const QuarterCase cases[] = {
        {1, 10, "1st"}, // 9.5 %, waxing
        {1, 13, "2nd"}, // 33.6 %, waxing
        {1, 19, "2nd"}, // 93 %, waxing
        {1, 23, "3rd"}, // 95 %, waning
        {1, 28, "3rd"}, // 53 %, waning
        {1, 31, "4th"}, // 26 %, waning
        {2, 2, "4th"},  // 11 %, waning
    };
    for (const QuarterCase& c : cases) {
        Load({2000, c.month, c.day, 0, 0, 0, 0.0, 0.0, 0.0, 0, 0, 144.0});
        GetMoonIllum();
        unsigned char text[9];
        std::fill(std::begin(text), std::end(text), 0xEE);
        GetQuarter(text);
        EXPECT_EQ(text[0], 3);
        EXPECT_EQ(ShortString(text), c.quarter) << c.month << "-" << c.day;
        EXPECT_EQ(text[4], 0xEE);
    }
}

TEST(GetMoonPhase, RisesThroughTheLunation)
{
    // From just after one new Moon to just before the next, daily.
    double previous = -1.0;
    for (int day = 7; day <= 35; ++day) {
        const uint16_t month = day <= 31 ? 1 : 2;
        const uint16_t dom = uint16_t(day <= 31 ? day : day - 31);
        Load({2000, month, dom, 12, 0, 0, 0.0, 0.0, 0.0, 0, 0, 144.0});
        GetMoonIllum();
        const double phase = GetMoonPhase();
        EXPECT_GT(phase, previous) << month << "-" << dom;
        EXPECT_GE(phase, -0.005);
        EXPECT_LE(phase, 0.995);
        previous = phase;
    }
}

// GetLibration: the echo's spectral spreading by the Moon's libration.
#include "EphemerisTestSupport.h"

#include <gtest/gtest.h>

using namespace ephemeris_test;

namespace
{

double LibrationAt(const Call& c)
{
    Load(c);
    return GetLibration();
}

} // namespace

TEST(GetLibration, LinearInFrequencyWithQuarterHertzOffset)
{
    const Call cases[] = {
        {2024, 1, 22, 18, 0, 0, 0.0, 52.0, 5.0, 0, 0, 0.0},
        {1999, 12, 31, 23, 59, 59, 0.0, -60.0, -70.0, 0, 1, 0.0},
        {2050, 7, 1, 6, 30, 0, 0.0, 10.0, 100.0, 1, 0, 0.0},
    };
    for (Call c : cases) {
        c.frequencyMHz = 0.0;
        EXPECT_EQ(LibrationAt(c), 0.25);
        c.frequencyMHz = 1.0;
        const double perMHz = LibrationAt(c) - 0.25;
        ASSERT_GT(perMHz, 0.0);
        for (double mhz : {50.0, 144.0, 1296.0, 10368.0}) {
            c.frequencyMHz = mhz;
            EXPECT_NEAR(LibrationAt(c) - 0.25, perMHz * mhz, 1e-9 * perMHz * mhz) << mhz << " MHz";
        }
    }
}

TEST(GetLibration, IgnoresSecondHeightBodyAndRefraction)
{
    const Call base{2024, 3, 15, 12, 34, 0, 0.0, 48.0, 11.0, 0, 0, 1296.0};
    const double reference = LibrationAt(base);
    Call variants[5] = {base, base, base, base, base};
    variants[0].second = 59;
    variants[1].heightM = 3000.0;
    variants[2].body = 1;
    variants[3].refraction = 1;
    variants[4].body = 2;
    for (const Call& v : variants)
        EXPECT_EQ(LibrationAt(v), reference);
}

TEST(GetLibration, MinuteZeroReachesIntoThePreviousHour)
{
    // Minute 0 of an hour looks one minute back, which is minute 59 of the
    // hour before: the same instants as minute 60 of that hour.
    struct HourCase {
        uint16_t day, hour;
    };
    const HourCase cases[] = {{10, 13}, {11, 1}, {20, 23}};
    for (const HourCase& h : cases) {
        const double atZero =
            LibrationAt({2024, 5, h.day, h.hour, 0, 0, 0.0, 40.0, -75.0, 0, 0, 10368.0});
        const double asSixty = LibrationAt(
            {2024, 5, h.day, uint16_t(h.hour - 1), 60, 0, 0.0, 40.0, -75.0, 0, 0, 10368.0});
        EXPECT_NEAR(atZero, asSixty, 1e-6 * atZero);
        const double minuteOne =
            LibrationAt({2024, 5, h.day, h.hour, 1, 0, 0.0, 40.0, -75.0, 0, 0, 10368.0});
        EXPECT_NEAR(atZero, minuteOne, 0.05 * minuteOne); // a minute later, much the same
    }
}

TEST(GetLibration, WrapOfTheLongitudeIsTheShortWayRound)
{
    // Instants at which the libration in longitude passes through a whole turn
    // between the two minutes around the given one: its argument of latitude
    // passing 0 degrees, or its angle from the node passing 180 degrees. The
    // spread must stay with its neighbours, not jump by 360 degrees' worth.
    struct WrapCase {
        const char* what;
        Call call;
    };
    const WrapCase cases[] = {
        {"argument of latitude passes 0", {2024, 1, 4, 18, 16, 0, 0.0, 52.0, 5.0, 0, 0, 144.0}},
        {"argument of latitude passes 0, next month",
         {2024, 1, 31, 23, 15, 0, 0.0, 52.0, 5.0, 0, 0, 144.0}},
        {"angle from the node passes 180", {2024, 1, 17, 23, 56, 0, 0.0, 52.0, 5.0, 0, 0, 144.0}},
        {"angle from the node passes 180, next month",
         {2024, 2, 14, 5, 1, 0, 0.0, 52.0, 5.0, 0, 0, 144.0}},
    };
    for (const WrapCase& c : cases) {
        SCOPED_TRACE(c.what);
        const double atWrap = LibrationAt(c.call);
        auto shifted = [&](int minutes) {
            Call s = c.call;
            const int t = c.call.hour * 60 + c.call.minute + minutes; // stays within the day
            s.hour = uint16_t(t / 60);
            s.minute = uint16_t(t % 60);
            return s;
        };
        const Call before = shifted(-3), after = shifted(3);
        const double neighbours = 0.5 * (LibrationAt(before) + LibrationAt(after));
        EXPECT_LT(atWrap, 10.0);
        EXPECT_NEAR(atWrap, neighbours, 0.02 * neighbours);
    }
}

TEST(GetLibration, TypicalSpreadOverAMonth)
{
    // Every minute through a lunation at 144 MHz: a spread of a few Hz,
    // never the thousands a whole-turn jump would give.
    double largest = 0.0, smallest = 1e9;
    for (int m = 0; m < 30 * 1440; ++m) {
        const double v = LibrationAt({2024, 1, uint16_t(1 + m / 1440), uint16_t(m / 60 % 24),
                                      uint16_t(m % 60), 0, 0.0, 52.0, 5.0, 0, 0, 144.0});
        largest = std::fmax(largest, v);
        smallest = std::fmin(smallest, v);
    }
    EXPECT_GT(smallest, 0.25);
    EXPECT_LT(largest, 10.0);
}

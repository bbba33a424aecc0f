#include "FormatFixed.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>
#include <limits>

namespace
{

struct Case {
    long double x;
    int p;
    int d;
    const char* expected;
};

TEST(FormatFixed, RoundsOnceAtTheCoarserPositionAndPadsToTheDecimals)
{
    const Case cases[] = {
        {145.12345L, 6, 4, "145.1230"},        // 6 digits come before 4 decimals
        {123.4549999L, 6, 2, "123.45"},        // one rounding only: never 123.455 -> 123.46
        {359.999L, 6, 2, "360.00"},            // azimuth rounding up across the point
        {9.75L, 18, 1, "9.8"},                 // halves go away from zero
        {-2.5L, 15, 0, "-3"},                  //
        {2.5L, 15, 0, "3"},                    //
        {1234.5L, 4, 0, "1235"},               //
        {0.000123456789L, 4, 8, "0.00012350"}, // significant digits of a small value
        {-37.8125L, 4, 5, "-37.81000"},        // the hemisphere toggles' decimal field
        {99.999L, 4, 5, "100.00000"},          // a carry adds a digit before the point
        {12345.678L, 5, 2, "12346.00"},        // exactly p digits before the point
        {0, 6, 2, "0.00"},
        {0, 6, 0, "0"},
        {7, 6, 0, "7"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatFixed(c.x, c.p, c.d), QString::fromLatin1(c.expected))
            << static_cast<double>(c.x) << " p=" << c.p << " d=" << c.d;
}

TEST(FormatFixed, ValuesThatRoundToZeroHaveNoMinusSign)
{
    const Case cases[] = {
        {-0.0L, 6, 2, "0.00"},
        {-0.0001L, 6, 2, "0.00"},
        {-0.004L, 6, 2, "0.00"},
        {-0.4L, 15, 0, "0"},
        {-1e-30L, 6, 18, "0.000000000000000000"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatFixed(c.x, c.p, c.d), QString::fromLatin1(c.expected))
            << static_cast<double>(c.x);
}

TEST(FormatFixed, MoreDigitsBeforeThePointThanPGoScientific)
{
    const Case cases[] = {
        {123456789.0L, 6, 2, "1.23457E8"}, {1e20L, 6, 2, "1E20"}, {-1234567.0L, 6, 0, "-1.23457E6"},
        {999999.7L, 6, 2, "1E6"}, // rounding to 6 digits gives a seventh
        {123456.0L, 6, 2, "123456.00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatFixed(c.x, c.p, c.d), QString::fromLatin1(c.expected))
            << static_cast<double>(c.x);
}

TEST(FormatFixed, PrecisionAndDecimalsAreClamped)
{
    const Case cases[] = {
        {1.23456L, 1, 3, "1.200"}, // p below 2 counts as 2
        {123.456L, 0, 3, "1.2E2"}, // ... so three digits before the point are too many
        {0.1234567890123456789L, 30, 25, "0.123456789012345679"}, // both capped at 18
        {1.5L, 6, -3, "2"},                                       // negative decimals count as 0
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatFixed(c.x, c.p, c.d), QString::fromLatin1(c.expected))
            << static_cast<double>(c.x) << " p=" << c.p << " d=" << c.d;
}

TEST(FormatFixed, NonFiniteValuesGiveAWordNotGarbage)
{
    EXPECT_EQ(FormatFixed(std::numeric_limits<long double>::quiet_NaN(), 6, 2), "NAN");
    EXPECT_EQ(FormatFixed(std::numeric_limits<long double>::infinity(), 6, 2), "INF");
    EXPECT_EQ(FormatFixed(-std::numeric_limits<long double>::infinity(), 6, 2), "-INF");
}

} // namespace

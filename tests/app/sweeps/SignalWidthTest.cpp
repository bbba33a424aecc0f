#include <gtest/gtest.h>

#include <cmath>

#include "SignalWidth.h"

TEST(SignalWidth, LibrationRateTakesWholeTurnsTheShortWay)
{
    struct Case {
        const char* name;
        LibrationPoint from, to;
        long double rate;
    };
    const Case cases[] = {
        {"longitude only", {0, 0}, {0, 0.004L}, 0.002L},
        {"latitude only", {0.001L, 0}, {0.005L, 0}, 0.002L},
        {"both", {0, 0}, {0.006L, 0.008L}, 0.005L},
        {"longitude past 360", {0, 359.999L}, {0, 0.003L}, 0.002L},
        {"longitude back below 0", {0, 0.003L}, {0, 359.999L}, 0.002L},
        {"longitude past -360", {0, -360.001L}, {0, 0.003L}, 0.002L},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(static_cast<double>(LibrationRate(c.from, c.to)), static_cast<double>(c.rate),
                    1e-12)
            << c.name;
}

TEST(SignalWidth, PathRateUsesTheMidPointsOfBothStations)
{
    // Home moves 0.004° in longitude, Dx 0.008° in latitude over the same two
    // minutes: the mid-point moves (0.004, 0.002).
    EXPECT_NEAR(static_cast<double>(PathLibrationRate({0, 0}, {0, 0.004L}, {0, 0}, {0.008L, 0})),
                std::sqrt(0.004 * 0.004 + 0.002 * 0.002) / 2, 1e-12);
    // One station crossing the longitude wrap changes nothing.
    EXPECT_NEAR(
        static_cast<double>(PathLibrationRate({0, 359.998L}, {0, 0.002L}, {0, 5}, {0, 5.004L})),
        0.002, 1e-12);
}

TEST(SignalWidth, WidthIsRateTimes6000TimesGigahertz)
{
    EXPECT_NEAR(static_cast<double>(SignalWidthHz(0.002L, 1)), 12.0, 1e-12);
    EXPECT_NEAR(static_cast<double>(SignalWidthHz(0.002L, 10.4L)), 124.8, 1e-9);
}

TEST(SignalWidth, LibraryFrequencyIsTheDecimalIntegerPartAtAQuarterAbove48GHz)
{
    struct Case {
        long double ghz;
        long double mhz;
    };
    const Case cases[] = {{0.432L, 432}, {1.3L, 1300}, {2.3L, 2300},    {10.4L, 10400},
                          {5.7L, 5700},  {47, 47000},  {48, 48000},     {76, 19000},
                          {78, 19500},   {122, 30500}, {2.3456L, 2345}, {0, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(LibraryFrequencyMHz(c.ghz), c.mhz) << static_cast<double>(c.ghz);
    // Values given in double precision, as a stored frequency may be.
    EXPECT_EQ(LibraryFrequencyMHz(static_cast<long double>(2.3)), 2300);
    EXPECT_EQ(LibraryFrequencyMHz(static_cast<long double>(0.432)), 432);
    EXPECT_TRUE(std::isnan(LibraryFrequencyMHz(NAN)));
}

TEST(SignalWidth, SpatialOffsetFoldsIntoMinus90To90)
{
    struct Case {
        long double angle, folded;
    };
    const Case cases[] = {{90, 90}, {-90, 90},  {180, 0},  {270, 90},  {300, -60},
                          {0, 0},   {-180, 0},  {95, -85}, {275, -85}, {91, -89},
                          {360, 0}, {-45, -45}, {45, 45}};
    for (const Case& c : cases)
        EXPECT_EQ(FoldSpatialOffset(c.angle), c.folded) << static_cast<double>(c.angle);
}

#include "Coordinates.h"

#include "Locator.h"

#include "../components/QStringPrinter.h"
#include <cmath>

#include <gtest/gtest.h>
#include <limits>

namespace
{

TEST(SplitToDms, SecondsRoundToTenthsAndStopAt59)
{
    struct Case {
        long double value;
        int32_t deg, min, sec;
    } cases[] = {
        {37.8125L, 37, 48, 45},
        {-37.8125L, 37, 48, 45}, // the absolute value
        {37.99999L, 37, 59, 59}, // never 38 0 0
        {10 + 59.0L / 60 + 59.96L / 3600, 10, 59, 59},
        {10 + 59.0L / 60 + 59.94L / 3600, 10, 59, 59},
        {144.9583333L, 144, 57, 30}, // 29.99988 s rounds to 30.0
        {51.5L + 0.04L / 3600, 51, 30, 0},
        {0.0L, 0, 0, 0},
        {-0.0L, 0, 0, 0},
    };
    for (const Case& c : cases) {
        const Dms d = SplitToDms(c.value);
        EXPECT_EQ(d.Deg, c.deg) << static_cast<double>(c.value);
        EXPECT_EQ(d.Min, c.min) << static_cast<double>(c.value);
        EXPECT_EQ(d.Sec, c.sec) << static_cast<double>(c.value);
    }
}

TEST(SplitToDms, ValuesFromADamagedFileGiveSomethingSane)
{
    using L = std::numeric_limits<long double>;
    struct Case {
        long double value;
        int32_t deg;
    } cases[] = {
        {L::quiet_NaN(), 0},
        {L::infinity(), 0},
        {-L::infinity(), 0},
        {1e30L, std::numeric_limits<int32_t>::max()},
        {-2147483648.5L, std::numeric_limits<int32_t>::max()},
    };
    for (const Case& c : cases) {
        const Dms d = SplitToDms(c.value);
        EXPECT_EQ(d.Deg, c.deg);
        EXPECT_EQ(d.Min, 0);
        EXPECT_EQ(d.Sec, 0);
    }
}

TEST(Coordinates, DmsGivesTheSignedCoordinateByTheHemisphereLetter)
{
    struct Case {
        Station station;
        int32_t deg, min, sec;
        const char* latLetter;
        const char* longLetter;
        long double latitude, longitude;
    } cases[] = {
        {Station::Home, 37, 48, 45, "S", "E", -37.8125L, 37.8125L},
        {Station::Dx, 37, 48, 45, "N", "W", 37.8125L, -37.8125L},
        {Station::Dx, 37, 48, 45, "s", "w", 37.8125L, 37.8125L}, // only capitals count here
        {Station::Home, -5, 30, 0, "N", "E", 4.5L, 4.5L},        // absolute value of the sum
    };
    for (const Case& c : cases) {
        AppState s;
        StationFields f = FieldsOf(s, c.station);
        f.LatDeg = f.LongDeg = c.deg;
        f.LatMin = f.LongMin = c.min;
        f.LatSec = f.LongSec = c.sec;
        f.LatHemisphere = c.latLetter;
        f.LongHemisphere = c.longLetter;
        DmsToLatitude(s, c.station);
        DmsToLongitude(s, c.station);
        EXPECT_NEAR(static_cast<double>(f.Latitude), static_cast<double>(c.latitude), 1e-12);
        EXPECT_NEAR(static_cast<double>(f.Longitude), static_cast<double>(c.longitude), 1e-12);
        EXPECT_EQ(f.LatHemisphere, c.latLetter); // letters untouched
    }
}

TEST(Coordinates, HemispheresFollowTheSigns)
{
    struct Case {
        long double latitude, longitude;
        const char* lat;
        const char* lon;
    } cases[] = {
        {0, 0, "N", "W"}, // zero latitude is north, zero longitude west
        {-0.0L, -0.0L, "N", "W"},
        {-0.001L, 0.001L, "S", "E"},
        {45, -120, "N", "W"},
    };
    for (const Case& c : cases) {
        AppState s;
        s.DxLatitude = c.latitude;
        s.DxLongitude = c.longitude;
        ShowHemispheres(s, Station::Dx);
        EXPECT_EQ(s.DxLatHemisphere, c.lat);
        EXPECT_EQ(s.DxLongHemisphere, c.lon);
        EXPECT_TRUE(s.HomeLatHemisphere.isEmpty());
    }
}

TEST(Coordinates, HemisphereButtonsFlipLetterSignAndLocator)
{
    AppState s;
    s.HomeLatitude = 37.8125L;
    s.HomeLongitude = -144.9583333L;
    ShowHemispheres(s, Station::Home);
    SplitStationToDms(s, Station::Home);
    ASSERT_EQ(s.HomeLatHemisphere, "N");
    ASSERT_EQ(s.HomeLongHemisphere, "W");

    ToggleLatHemisphere(s, Station::Home);
    EXPECT_EQ(s.HomeLatHemisphere, "S");
    EXPECT_EQ(s.HomeLatitude, -37.8125L);
    ToggleLongHemisphere(s, Station::Home);
    EXPECT_EQ(s.HomeLongHemisphere, "E");
    EXPECT_EQ(s.HomeLongitude, 144.9583333L);
    EXPECT_EQ(s.GridSquareWork, "QF22le");

    ToggleLatHemisphere(s, Station::Home); // "S" to "N" takes the absolute value
    EXPECT_EQ(s.HomeLatHemisphere, "N");
    EXPECT_EQ(s.HomeLatitude, 37.8125L);
    ToggleLongHemisphere(s, Station::Home);
    EXPECT_EQ(s.HomeLongHemisphere, "W");
    EXPECT_EQ(s.HomeLongitude, -144.9583333L);
    EXPECT_EQ(s.GridSquareWork, "BM77mt");
    EXPECT_TRUE(s.DxGridSquare.isEmpty());
}

} // namespace

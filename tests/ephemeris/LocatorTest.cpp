// GetLocator and GetLatLong: grid locators both ways.
#include "EphemerisTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace ephemeris_test;

TEST(GetLocator, WritesSixCharacters)
{
    struct LocatorCase {
        double latitude, longitude;
        const char* locator;
    };
    const LocatorCase cases[] = {
        {0.0, 0.0, "JJ00aa"},           {41.714775, -72.727260, "FN31pr"}, // Newington, Connecticut
        {48.14666, 11.60833, "JN58td"},                                    // Munich
        {-33.87, 151.21, "QF56od"},                                        // Sydney
        {51.5074, -0.1278, "IO91wm"},                                      // London
        {-0.001, -0.001, "II99xx"}, // just south-west of 0, 0
        {-90.0, -180.0, "AA00aa"},      {89.999, 179.999, "RR99xx"},
    };
    for (const LocatorCase& c : cases) {
        unsigned char text[12];
        std::fill(std::begin(text), std::end(text), 0xEE);
        GetLocator(text, c.latitude, c.longitude);
        EXPECT_EQ(text[0], 6);
        EXPECT_EQ(ShortString(text), c.locator) << c.latitude << ", " << c.longitude;
        EXPECT_EQ(text[7], 0xEE) << "wrote past the six characters";
    }
}

TEST(GetLatLong, CentreOfTheGivenSquare)
{
    struct CentreCase {
        const char* text; // short-string characters; length from the string
        double longitude, latitude;
    };
    const CentreCase cases[] = {
        {"JJ00aa", 1.0 / 24, 1.0 / 48},
        {"jj00AA", 1.0 / 24, 1.0 / 48},
        {"JN58td", 11.625, 48.145833333333336},
        {"jn58TD", 11.625, 48.145833333333336},
        {"JN58td25", 11.625, 48.145833333333336}, // extended digits are not used
        {"AA00aa", -180.0 + 1.0 / 24, -90.0 + 1.0 / 48},
        {"RR99xx", 180.0 - 1.0 / 24, 90.0 - 1.0 / 48},
        // Shorter texts give the centre of the largest complete unit.
        {"JN58t", 11.0, 48.5},
        {"JN58", 11.0, 48.5},
        {"JN5", 10.0, 45.0},
        {"JN", 10.0, 45.0},
        {"J", 0.0, 0.0},
        {"", 0.0, 0.0},
    };
    for (const CentreCase& c : cases) {
        SCOPED_TRACE(c.text);
        const auto locator = MakeShortString(c.text);
        EXPECT_NEAR(GetLatLong(locator.data(), 0), c.longitude, 1e-12);
        EXPECT_NEAR(GetLatLong(locator.data(), 1), c.latitude, 1e-12);
        EXPECT_NEAR(GetLatLong(locator.data(), 7), c.latitude, 1e-12);
    }
}

TEST(GetLatLong, ReadsNoFurtherThanTheLengthByte)
{
    // Characters after the counted ones belong to someone else.
    const unsigned char square[] = {4, 'J', 'N', '5', '8', 't', 'd'};
    EXPECT_DOUBLE_EQ(GetLatLong(square, 0), 11.0);
    EXPECT_DOUBLE_EQ(GetLatLong(square, 1), 48.5);
    const unsigned char empty[] = {0, 'J', 'N', '5', '8', 't', 'd'};
    EXPECT_DOUBLE_EQ(GetLatLong(empty, 0), 0.0);
    EXPECT_DOUBLE_EQ(GetLatLong(empty, 1), 0.0);
}

TEST(GetLocator, RoundTripLandsInTheSameSubSquare)
{
    for (double lat = -89.9; lat < 90.0; lat += 7.3) {
        for (double lon = -179.9; lon < 180.0; lon += 11.7) {
            unsigned char text[9] = {};
            GetLocator(text, lat, lon);
            ASSERT_EQ(text[0], 6);
            EXPECT_LE(std::fabs(GetLatLong(text, 0) - lon), 1.0 / 24 + 1e-12) << ShortString(text);
            EXPECT_LE(std::fabs(GetLatLong(text, 1) - lat), 1.0 / 48 + 1e-12) << ShortString(text);
        }
    }
}

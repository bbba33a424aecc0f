// GetDXdistance: azimuth and distance between two places.
#include "EphemerisTestSupport.h"

#include <gtest/gtest.h>

using namespace ephemeris_test;

TEST(GetDXdistance, AzimuthFromThePointOne)
{
    struct AzimuthCase {
        const char* what;
        double lon1, lat1, lon2, lat2, azimuth;
    };
    const AzimuthCase cases[] = {
        {"same meridian, north", 10.0, 20.0, 10.0, 40.0, 0.0},
        {"same meridian, south", 10.0, 40.0, 10.0, 20.0, 180.0},
        {"along the equator, east", 0.0, 0.0, 30.0, 0.0, 90.0},
        {"along the equator, west", 0.0, 0.0, -30.0, 0.0, 270.0},
        {"London to New York", -0.1278, 51.5074, -74.006, 40.7128, 288.3},
        {"across the date line, east", 170.0, 0.0, -170.0, 0.0, 90.0},
    };
    for (const AzimuthCase& c : cases) {
        EXPECT_LE(AngleDiffDeg(GetDXdistance(c.lon1, c.lat1, c.lon2, c.lat2, 0), c.azimuth), 0.05)
            << c.what;
        const double az = GetDXdistance(c.lon1, c.lat1, c.lon2, c.lat2, 0);
        EXPECT_GE(az, 0.0);
        EXPECT_LT(az, 360.0);
    }
}

TEST(GetDXdistance, DistanceOnTheEllipsoid)
{
    struct DistanceCase {
        const char* what;
        double lon1, lat1, lon2, lat2, km, tolerance;
    };
    const double pi = 3.141592653589793;
    const DistanceCase cases[] = {
        {"one degree along the equator", 0.0, 0.0, 1.0, 0.0, 6378.0 * pi / 180.0, 1e-9},
        {"quarter meridian", 0.0, 0.0, 0.0, 90.0, 10001.3, 0.5},
        {"pole to pole", 0.0, -90.0, 0.0, 90.0, 20002.6, 1.0},
        {"London to New York", -0.1278, 51.5074, -74.006, 40.7128, 5585.0, 15.0},
        {"Sydney to Los Angeles", 151.21, -33.87, -118.24, 34.05, 12051.0, 30.0},
        {"same place", 11.6, 48.1, 11.6, 48.1, 0.0, 1e-9},
        {"same place on the equator", 20.0, 0.0, 20.0, 0.0, 0.0, 1e-9},
        {"neighbouring towns", 11.6, 48.1, 11.7, 48.1, 7.45, 0.02},
    };
    for (const DistanceCase& c : cases) {
        SCOPED_TRACE(c.what);
        const double there = GetDXdistance(c.lon1, c.lat1, c.lon2, c.lat2, 1);
        const double back = GetDXdistance(c.lon2, c.lat2, c.lon1, c.lat1, 1);
        EXPECT_NEAR(there, c.km, c.tolerance);
        EXPECT_NEAR(back, there, 1e-9 * std::fmax(1.0, there));
    }
}

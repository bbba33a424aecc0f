// GetDoppler and the getters that read its echo distance: GetDistance,
// GetDB and GetAngularDiam.
#include "EphemerisTestSupport.h"

#include <gtest/gtest.h>

using namespace ephemeris_test;

namespace
{

double DopplerAt(Call c)
{
    Load(c);
    return GetDoppler();
}

} // namespace

TEST(GetDoppler, ProportionalToFrequency)
{
    const Call cases[] = {
        {2024, 1, 22, 18, 0, 0, 0.0, 52.0, 5.0, 0, 0, 0.0},
        {2024, 1, 10, 23, 0, 0, 0.0, -35.0, 150.0, 0, 0, 0.0},
        {1988, 6, 30, 5, 59, 30, 0.0, 70.0, -150.0, 0, 0, 0.0},
    };
    for (Call c : cases) {
        c.frequencyMHz = 1.0;
        const double perMHz = DopplerAt(c);
        ASSERT_NE(perMHz, 0.0);
        for (double mhz : {0.0, 50.0, 144.0, 1296.0, 10368.0, 24048.0}) {
            c.frequencyMHz = mhz;
            EXPECT_NEAR(DopplerAt(c), perMHz * mhz, 1e-12 * std::fabs(perMHz * mhz))
                << mhz << " MHz";
        }
    }
}

TEST(GetDoppler, ChangesSignNearTransit)
{
    // Approaching (positive) while rising, receding after: the sign changes
    // near the station's meridian transit, within the Moon's own radial motion.
    struct Station {
        double latitude, longitude;
        uint16_t day; // January 2024
    };
    const Station stations[] = {
        {52.0, 5.0, 22}, {-35.0, 150.0, 10}, {0.0, -60.0, 3}, {70.0, 20.0, 15}, {-60.0, -70.0, 27}};
    for (const Station& s : stations) {
        SCOPED_TRACE(testing::Message() << "station " << s.latitude << ", " << s.longitude);
        auto at = [&](int minute) {
            const int day = s.day + minute / 1440;
            return Call{2024,
                        1,
                        uint16_t(day),
                        uint16_t(minute % 1440 / 60),
                        uint16_t(minute % 60),
                        0,
                        0.0,
                        s.latitude,
                        s.longitude,
                        0,
                        0,
                        1296.0};
        };
        int transit = -1;
        double previous = 0.0;
        for (int m = 180; m < 180 + 2 * 1440 && transit < 0; ++m) {
            Load(at(m));
            const double lha = std::remainder(GetLHA(), 360.0);
            if (m > 180 && previous < 0.0 && lha >= 0.0)
                transit = m;
            previous = lha;
        }
        ASSERT_GT(transit, 180);
        EXPECT_GT(DopplerAt(at(transit - 180)), 0.0);
        EXPECT_LT(DopplerAt(at(transit + 180)), 0.0);
        int zero = -1;
        for (int m = transit - 180; m < transit + 180 && zero < 0; ++m)
            if (DopplerAt(at(m)) > 0.0 && DopplerAt(at(m + 1)) <= 0.0)
                zero = m;
        ASSERT_GE(zero, 0);
        EXPECT_LE(std::abs(zero - transit), 90);
    }
}

TEST(GetDoppler, IgnoresBodyRefractionAndHeight)
{
    const Call base{2024, 1, 22, 18, 0, 0, 0.0, 52.0, 5.0, 0, 0, 1296.0};
    const double reference = DopplerAt(base);
    const double referenceDistance = GetDistance();
    struct Variant {
        const char* what;
        Call call;
    };
    Call sun = base, refracted = base, high = base, body2 = base;
    sun.body = 1;
    refracted.refraction = 1;
    high.heightM = 4000.0;
    body2.body = 2;
    const Variant variants[] = {
        {"Sun selected", sun}, {"refraction", refracted}, {"height", high}, {"body 2", body2}};
    for (const Variant& v : variants) {
        EXPECT_EQ(DopplerAt(v.call), reference) << v.what;
        EXPECT_EQ(GetDistance(), referenceDistance) << v.what;
    }
    // The Sun's position is still what the getters answer for.
    Load(sun);
    const double sunDeclination = GetDeclination();
    GetDoppler();
    EXPECT_EQ(GetDeclination(), sunDeclination);
}

TEST(GetDoppler, SetsTheEchoDistanceForItsReaders)
{
    // Throughout 2024, once a day: a topocentric distance inside the Moon's
    // range, the path loss against 356700 km and the apparent diameter from it.
    double nearest = 1e9, farthest = 0.0;
    for (int day = 0; day < 366; ++day) {
        const int month = 1 + day / 31 % 12, dom = 1 + day % 28;
        Load({2024, uint16_t(month), uint16_t(dom), uint16_t(day % 24), 0, 0, 0.0, -20.0, 30.0, 0,
              0, 432.0});
        GetDoppler();
        const double d = GetDistance();
        nearest = std::fmin(nearest, d);
        farthest = std::fmax(farthest, d);
        EXPECT_NEAR(GetDB(), -40.0 * std::log10(d / 356700.0), 1e-12);
        EXPECT_NEAR(GetAngularDiam(), 0.5181 * 384401.0 / d, 1e-15);
        EXPECT_EQ(GetDistance(), d); // a plausible distance is kept
    }
    // Perigee less an Earth radius to apogee plus one.
    EXPECT_GT(nearest, 349000.0);
    EXPECT_LT(farthest, 414000.0);
    // The year covers perigee and apogee: path loss from about +0.2 to -2.3 dB.
    EXPECT_LT(nearest, 360000.0);
    EXPECT_GT(farthest, 404000.0);
}

namespace
{

double DistanceAt(const Call& c)
{
    Load(c);
    GetDoppler();
    return GetDistance();
}

// For a station and its antipode, |M - O|^2 + |M + O|^2 = 2 |M|^2 + 2 |O|^2:
// the Moon's geocentric distance M is the same for every station at one
// instant, so pair sums compare the stations' distances |O| from the Earth's
// centre, here against the equator's 6378137 m (result in metres).
double ObserverRadius(double latitude, const Call& instant)
{
    auto pairSumKm2 = [&](double lat) {
        Call here = instant, antipode = instant;
        here.latitudeDeg = lat;
        antipode.latitudeDeg = -lat;
        antipode.longitudeDeg = instant.longitudeDeg + 180.0;
        const double a = DistanceAt(here), b = DistanceAt(antipode);
        return a * a + b * b;
    };
    const double equatorKm = 6378.137;
    const double radiusKm2 = equatorKm * equatorKm + (pairSumKm2(latitude) - pairSumKm2(0.0)) / 2.0;
    return std::sqrt(radiusKm2) * 1000.0;
}

} // namespace

TEST(GetDoppler, ObserverOnTheEllipsoid)
{
    // Geocentric radius of the WGS 84 ellipsoid at each geodetic latitude;
    // stations mirrored about the equator are as far from the centre.
    struct RadiusCase {
        double latitude, radiusM;
    };
    const RadiusCase cases[] = {
        {90.0, 6356752.3142},  {-90.0, 6356752.3142}, {60.0, 6362132.2244},
        {-60.0, 6362132.2244}, {45.0, 6367489.5439},  {-45.0, 6367489.5439},
        {30.0, 6372824.4203},  {-30.0, 6372824.4203}, {0.0, 6378137.0},
    };
    const Call instants[] = {
        {2024, 1, 22, 18, 0, 0, 0.0, 0.0, 20.0, 0, 0, 1296.0},
        {1995, 8, 3, 2, 17, 0, 0.0, 0.0, -110.0, 0, 0, 1296.0},
        {2040, 12, 24, 11, 45, 0, 0.0, 0.0, 75.0, 0, 0, 1296.0},
    };
    for (const Call& instant : instants) {
        for (const RadiusCase& c : cases) {
            EXPECT_NEAR(ObserverRadius(c.latitude, instant), c.radiusM, 0.01)
                << "latitude " << c.latitude << ", " << instant.year;
        }
    }
}

TEST(GetDoppler, MirroredStationsAreMirroredObservers)
{
    // Turning a station half way round the axis flips the Moon's x across
    // it: |M - O|^2 changes by 4 x Xo. Equal changes at +lat and -lat mean
    // equal distances from the axis; with the equal radii above, the heights
    // above the equator plane are equal and opposite.
    const Call instants[] = {
        {2024, 1, 22, 18, 0, 0, 0.0, 0.0, 20.0, 0, 0, 1296.0},
        {2031, 6, 5, 7, 30, 0, 0.0, 0.0, -45.0, 0, 0, 1296.0},
    };
    for (const Call& instant : instants) {
        for (double lat : {15.0, 37.5, 52.0, 75.0}) {
            auto halfTurnChange = [&](double latitude) {
                Call here = instant, opposite = instant;
                here.latitudeDeg = opposite.latitudeDeg = latitude;
                opposite.longitudeDeg = instant.longitudeDeg + 180.0;
                const double a = DistanceAt(here), b = DistanceAt(opposite);
                return a * a - b * b;
            };
            const double north = halfTurnChange(lat), south = halfTurnChange(-lat);
            ASSERT_GT(std::fabs(north), 1e6); // km^2: the geometry is not degenerate
            EXPECT_NEAR(north, south, 1e-4) << lat;
        }
    }
}

// DataToDLL and the position getters: reference values, sidereal time and the
// calendar, refraction branches, meridian transit and the real sky.
#include "EphemerisTestSupport.h"

#include <gtest/gtest.h>

#include <limits>

using namespace ephemeris_test;

namespace
{

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

struct Expected {
    double elevation, azimuth, rightAsc, declination, decTopo, gha, lha, lst, polarity;
    double doppler, distance, db, libration;
    double illum, phaseAngle, moonPhase; // Moon rows only
};

struct ReferenceCase {
    Call call;
    Expected want;
    const char* quarter;
};

// Values from an independent double-precision evaluation of the same
// formulas. Rows: the day-number epochs 2000 and 1900, a February date, a date
// before 1900, the last second of a day with body 2 and a high station, the
// Sun from both hemispheres, a far-south station late this century.
const ReferenceCase kReference[] = {
    {{2000, 1, 1, 0, 0, 0, 0.0, 0.0, 0.0, 0, 0, 144.0},
     {-27.150727096734119, 100.04251469606425, 14.498601783460096, -8.9907406429141492,
      -8.9263031461971938, 243.30698836744421, 242.48845036301392, 6.66449847432769,
      -94.653958396473186, 342.73810168375417, 403767.79144503403, -2.1531425192809897,
      1.2521959111633056, 27.17828567283167, 117.1572567836602, 0.82043682439905619},
     "4th"},
    {{1900, 1, 1, 0, 0, 0, 0.0, 0.0, 0.0, 0, 0, 144.0},
     {-66.880883220235518, 162.20914133621437, 18.183451873636599, -22.322008511968853,
      -21.954305857847274, 187.57073802971206, 187.4320292276893, 6.6789204888158871,
      -161.09093743584165, 200.2944630645159, 378325.83132393018, -1.0225154286857265,
      4.1109059496571358, 0.46698754774464057, 172.16310775614309, 0.97323085487817529},
     "4th"},
    {{2010, 2, 14, 18, 30, 15, 350.0, 52.37, 4.89, 1, 0, 1296.0},
     {-8.6223235371732141, 268.33082557192569, 22.209339843661528, -7.1359589615441941,
      -7.8347407452369362, 88.533867607755042, 93.978086026978602, 4.4745455787934345,
      38.007665196382447, -2208.0234926823159, 406551.75580019859, -2.2725092672261029,
      9.2520898624665708, 0.47349072965769956, 172.10864303859529, 0.016920436003901976},
     "1st"},
    {{1850, 7, 4, 6, 0, 0, 0.0, -33.87, 151.21, 0, 0, 432.0},
     {-40.031040270247168, 248.43761765081643, 1.9316378801943022, 6.7133951015699029,
      7.1699285768456473, 342.34940790721089, 134.13315430458545, 10.873848167166665,
      129.1664392643375, -432.04487005562532, 393007.94483545708, -1.6839288235004866,
      7.4501637944985077, 34.715798059805934, 107.79932204367003, 0.79444256123241674},
     "4th"},
    {{2031, 11, 30, 23, 59, 59, 2500.0, 64.1, -21.9, 1, 2, 24048.0},
     {36.336499322965508, 125.39798552380476, 6.1214866449417213, 19.876407569036992,
      19.200075712033904, 338.12725428100578, 315.93215461525517, 3.1836302859587322,
      -22.257055321478305, 15914.044137203457, 397454.82700413931, -1.879386657092561,
      283.25400106808866, 96.005955082505182, 23.056500004964153, 0.55904583334712266},
     "3rd"},
    {{2024, 3, 15, 12, 0, 30, 1200.0, -37.5, 145.25, 1, 1, 10368.0},
     {-37.980625844913042, 229.45089430310051, 23.718214283915003, -1.8296943693603149,
      -1.8281580965714368, 357.93388803274195, 143.1850578588986, 9.2638848078415776,
      142.90593294554267, -26763.639916203654, 378779.32659010787, -1.0433263306499514,
      54.119883260790054, kNone, kNone, kNone},
     ""},
    {{1999, 8, 11, 11, 3, 0, 100.0, 48.5, 11.0, 1, 1, 2304.0},
     {56.62546659849545, 171.98909167503496, 9.3856135589925902, 15.327752149928305,
      15.32644129507471, 344.43956272381473, 355.43943081618852, 9.0815756134051568,
      -5.4948616844784546, -339.32999135807916, 367963.73709999374, -0.54007646543180454,
      28.8804782514406, kNone, kNone, kNone},
     ""},
    {{2087, 9, 9, 3, 17, 42, 10.0, -71.3, -67.8, 0, 0, 50.0},
     {30.603157789225243, 328.25741176726552, 20.145188233405673, -15.130040685239136,
      -14.331726233199394, 95.51644308799581, 27.863719307685184, 22.002769520584685,
      169.92755661308743, -2.0270865178387565, 383041.72147291672, -1.2377188482533077,
      0.65088869307841901, 84.971283732546979, 45.619056059526983, 0.36828039983464728},
     "2nd"},
};

} // namespace

TEST(DataToDLL, MatchesReferenceValues)
{
    const double rel = 1e-9;
    for (const ReferenceCase& r : kReference) {
        const Call& c = r.call;
        SCOPED_TRACE(testing::Message()
                     << c.year << "-" << c.month << "-" << c.day << " " << c.hour << ":" << c.minute
                     << ":" << c.second << " body " << int(c.body));
        Load(c);
        const Expected& w = r.want;
        EXPECT_NEAR(GetElevation(), w.elevation, Tol(w.elevation, rel));
        EXPECT_LE(AngleDiffDeg(GetAzimuth(), w.azimuth), Tol(w.azimuth, rel));
        EXPECT_NEAR(GetRightAsc(), w.rightAsc, Tol(w.rightAsc, rel));
        EXPECT_NEAR(GetDeclination(), w.declination, Tol(w.declination, rel));
        EXPECT_NEAR(GetDecTopo(), w.decTopo, Tol(w.decTopo, rel));
        EXPECT_LE(AngleDiffDeg(GetGHA(), w.gha), Tol(w.gha, rel));
        EXPECT_LE(AngleDiffDeg(GetLHA(), w.lha), Tol(w.lha, rel));
        EXPECT_NEAR(GetLST(), w.lst, Tol(w.lst, rel));
        EXPECT_NEAR(GetPolarity(), w.polarity, Tol(w.polarity, rel));
        EXPECT_NEAR(GetDoppler(), w.doppler, Tol(w.doppler, rel));
        EXPECT_NEAR(GetDistance(), w.distance, Tol(w.distance, rel));
        EXPECT_NEAR(GetDB(), w.db, Tol(w.db, rel));
        EXPECT_NEAR(GetLibration(), w.libration, Tol(w.libration, rel));
        if (!std::isnan(w.illum)) {
            EXPECT_NEAR(GetMoonIllum(), w.illum, Tol(w.illum, rel));
            EXPECT_NEAR(GetPhaseAngle(), w.phaseAngle, Tol(w.phaseAngle, rel));
            EXPECT_NEAR(GetMoonPhase(), w.moonPhase, Tol(w.moonPhase, rel));
            unsigned char text[9] = {};
            GetQuarter(text);
            EXPECT_EQ(ShortString(text), r.quarter);
        }
    }
}

TEST(DataToDLL, SiderealTimeFollowsCalendarAndLongitude)
{
    // Local sidereal time at 0 h UT on 2000 January 1 at Greenwich.
    Load({2000, 1, 1, 0, 0, 0, 0.0, 0.0, 0.0, 0, 0, 144.0});
    EXPECT_NEAR(GetLST(), 6.6645, 5e-5);

    // From one date to another at 0 h, sidereal time gains 0.0657098 h a day:
    // the day count across the end of February and of a year must be right,
    // with 1900 no leap year and 2000 a leap year.
    struct Span {
        Call from, to;
        int days;
    };
    const Span spans[] = {
        {{2000, 2, 28, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {2000, 3, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 2},
        {{2001, 2, 28, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {2001, 3, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 1},
        {{1900, 2, 28, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {1900, 3, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 1},
        {{2023, 1, 31, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {2023, 2, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 1},
        {{2023, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {2023, 12, 31, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 364},
        {{1899, 12, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {1899, 12, 31, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 30},
    };
    for (const Span& s : spans) {
        SCOPED_TRACE(testing::Message() << s.from.year << "-" << s.from.month << "-" << s.from.day);
        Load(s.from);
        const double from = GetLST();
        Load(s.to);
        const double gain = std::remainder(GetLST() - from - 0.0657098 * s.days, 24.0);
        EXPECT_NEAR(gain, 0.0, 1e-9);
    }

    // Through the day at 1.002737908 sidereal hours per UT hour; east of
    // Greenwich by longitude / 15 hours, wrapped into 0..24.
    struct Offset {
        Call call;
        double hoursAfterReference; // against 2000-01-01 0 h at Greenwich
    };
    const Offset offsets[] = {
        {{2000, 1, 1, 6, 0, 0, 0, 0, 0.0, 0, 0, 0}, 6.0 * 1.002737908},
        {{2000, 1, 1, 0, 30, 36, 0, 0, 0.0, 0, 0, 0}, 0.51 * 1.002737908},
        {{2000, 1, 1, 0, 0, 0, 0, 0, 90.0, 0, 0, 0}, 6.0},
        {{2000, 1, 1, 0, 0, 0, 0, 0, -150.0, 0, 0, 0}, -10.0},
        {{2000, 1, 1, 0, 0, 0, 0, 0, 270.0, 0, 0, 0}, 18.0},
    };
    Load({2000, 1, 1, 0, 0, 0, 0.0, 0.0, 0.0, 0, 0, 0.0});
    const double reference = GetLST();
    for (const Offset& o : offsets) {
        SCOPED_TRACE(testing::Message() << "longitude " << o.call.longitudeDeg);
        Load(o.call);
        const double lst = GetLST();
        EXPECT_GE(lst, 0.0);
        EXPECT_LE(lst, 24.0);
        EXPECT_NEAR(std::remainder(lst - reference - o.hoursAfterReference, 24.0), 0.0, 1e-9);
    }
}

TEST(DataToDLL, RealSkyPositions)
{
    // Against published circumstances: solstices, equinox and two eclipses.
    struct SkyCase {
        const char* what;
        Call call;
        double (*get)();
        double expected, tolerance;
    };
    const SkyCase cases[] = {
        {"June solstice, Sun declination",
         {2000, 6, 21, 1, 48, 0, 0, 0, 0, 0, 1, 0},
         GetDeclination,
         23.4393,
         0.01},
        {"December solstice",
         {2000, 12, 21, 13, 37, 0, 0, 0, 0, 0, 1, 0},
         GetDeclination,
         -23.4393,
         0.01},
        {"March equinox", {2000, 3, 20, 7, 35, 0, 0, 0, 0, 0, 1, 0}, GetDeclination, 0.0, 0.01},
        {"March equinox, right ascension",
         {2000, 3, 20, 7, 35, 0, 0, 0, 0, 0, 1, 0},
         GetRightAsc,
         0.0,
         0.002},
        // Greenwich hour angle of the Sun at noon UT is the equation of time.
        {"equation of time -14.2 min",
         {2000, 2, 11, 12, 0, 0, 0, 0, 0, 0, 1, 0},
         GetGHA,
         360.0 - 3.55,
         0.05},
        {"equation of time +16.4 min",
         {2000, 11, 3, 12, 0, 0, 0, 0, 0, 0, 1, 0},
         GetGHA,
         4.11,
         0.05},
        {"lunar eclipse 2000, Moon opposite the Sun",
         {2000, 1, 21, 4, 44, 0, 0, 0, 0, 0, 0, 0},
         GetRightAsc,
         8.11,
         0.05},
    };
    for (const SkyCase& c : cases) {
        SCOPED_TRACE(c.what);
        Load(c.call);
        EXPECT_NEAR(c.get(), c.expected, c.tolerance);
    }
}

TEST(DataToDLL, RefractionBranches)
{
    // Place the Moon at a chosen geometric elevation by moving the station in
    // latitude, then compare the elevation with and without refraction.
    Call call{2024, 1, 22, 8, 0, 0, 0.0, 0.0, 0.0, 0, 0, 144.0};
    Load(call);
    call.longitudeDeg = std::remainder(5.0 - GetGHA(), 360.0); // 5 degrees west of the meridian

    struct RefractionCase {
        const char* what;
        double geometricRad;
        double refractionDeg;
    };
    const RefractionCase cases[] = {
        {"just above the tangent threshold", 0.2617994 + 1e-9, 0.058321377402534604},
        {"just below it", 0.2617994 - 1e-9, 0.057385227002386553},
        {"exactly 15 degrees takes the polynomial", 0.26179938779914941, 0.057385229435970873},
        {"45 degrees", 0.78539816339744828, 0.015627166801647416},
        {"80 degrees", 1.3962634015954636, 0.0027554911391620492},
        {"horizon", 0.0, 0.55109965870307165},
        {"just above -0.087 rad", -0.087 + 1e-9, 0.36926428524712002},
        {"just below -0.087 rad", -0.087 - 1e-9, 0.0},
        {"-5 degrees", -0.087266462599716474, 0.0},
    };
    for (const RefractionCase& c : cases) {
        SCOPED_TRACE(c.what);
        const double targetDeg = c.geometricRad * 57.29577951308232;
        const double latitude = FindRoot(
            [&](double lat) {
                Call probe = call;
                probe.latitudeDeg = lat;
                Load(probe);
                return GetElevation() - targetDeg;
            },
            -89.0, 89.0, 356);
        ASSERT_FALSE(std::isnan(latitude));
        Call geometric = call;
        geometric.latitudeDeg = latitude;
        Load(geometric);
        const double e0 = GetElevation();
        ASSERT_NEAR(e0, targetDeg, 1e-11);
        Call refracted = geometric;
        refracted.refraction = 1;
        Load(refracted);
        EXPECT_NEAR(GetElevation() - e0, c.refractionDeg, 1e-9);
        // Only 1 asks for refraction.
        refracted.refraction = 2;
        Load(refracted);
        EXPECT_EQ(GetElevation(), e0);
    }
}

TEST(DataToDLL, MeridianTransit)
{
    // With the station's longitude chosen so that the topocentric hour angle
    // is zero, the body stands due south or due north at 90 - |lat - dec|.
    struct TransitCase {
        double latitude;
        uint8_t body;
        double azimuth;  // 180 with the body south of the zenith, 0 north of it
        double polarity; // 0 south of the zenith, 180 north of it
    };
    const TransitCase cases[] = {
        {60.0, 0, 180.0, 0.0},  {38.0, 0, 180.0, 0.0},  {0.0, 0, 0.0, 180.0},
        {-10.0, 0, 0.0, 180.0}, {-45.0, 0, 0.0, 180.0}, {52.0, 1, 180.0, 0.0},
        {-52.0, 1, 0.0, 180.0},
    };
    for (const TransitCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "latitude " << c.latitude << " body " << int(c.body));
        Call call{2024, 1, 22, 8, 0, 0, 0.0, c.latitude, 0.0, 0, c.body, 144.0};
        const double longitude = FindRoot(
            [&](double lon) {
                Call probe = call;
                probe.longitudeDeg = lon;
                Load(probe);
                return std::remainder(GetLHA(), 360.0);
            },
            -180.0, 180.0, 72, true);
        ASSERT_FALSE(std::isnan(longitude));
        call.longitudeDeg = longitude;
        Load(call);
        ASSERT_LE(AngleDiffDeg(GetLHA(), 0.0), 1e-9);
        EXPECT_LE(AngleDiffDeg(GetAzimuth(), c.azimuth), 1e-5);
        EXPECT_NEAR(GetElevation(), 90.0 - std::fabs(c.latitude - GetDecTopo()), 1e-6);
        EXPECT_LE(AngleDiffDeg(GetPolarity(), c.polarity), 1e-5);

        // An hour later the body is west of the meridian: azimuth beyond 180,
        // parallactic angle positive (north) or beyond +-90 (south).
        call.hour = 9;
        Load(call);
        EXPECT_GT(GetLHA(), 0.0);
        EXPECT_LT(GetLHA(), 180.0);
        EXPECT_GT(GetAzimuth(), 180.0);
        EXPECT_LT(GetAzimuth(), 360.0);
        EXPECT_GT(GetPolarity(), 0.0);
    }
}

TEST(DataToDLL, StationParallax)
{
    // Overhead the Moon shows (almost) no parallax; towards the horizon its
    // right ascension shifts by about the horizontal parallax (near one
    // degree), eastwards of the true place when west of the meridian, and a
    // station one Earth radius up sees about twice the shift.
    Call call{2024, 3, 15, 12, 0, 0, 0.0, 0.0, 0.0, 0, 0, 144.0};
    Load(call);
    call.latitudeDeg = GetDeclination();
    call.longitudeDeg = std::remainder(-GetGHA(), 360.0);
    Load(call);
    // Geodetic and geocentric latitude differ by about 0.16 degrees here.
    EXPECT_NEAR(GetDecTopo(), GetDeclination(), 5e-3);
    EXPECT_NEAR(GetElevation(), 90.0, 0.2);
    const double overheadRa = GetRightAsc();

    call.latitudeDeg = 0.0;
    call.longitudeDeg = std::remainder(call.longitudeDeg + 80.0, 360.0); // Moon 80 degrees west
    Load(call);
    const double shiftDeg = (overheadRa - GetRightAsc()) * 15.0;
    EXPECT_GT(shiftDeg, 0.8);
    EXPECT_LT(shiftDeg, 1.1);

    call.heightM = 6378140.0;
    Load(call);
    const double highShiftDeg = (overheadRa - GetRightAsc()) * 15.0;
    EXPECT_NEAR(highShiftDeg / shiftDeg, 2.0, 0.1);
}

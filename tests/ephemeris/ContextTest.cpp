// The process-wide context: what callers see before the first DataToDLL, the
// body flag, and which results depend on which earlier calls.
#include "EphemerisTestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace ephemeris_test;

namespace
{

// Runs in a fresh process (the library's context is zero only until the
// first call); returns the number of failed checks, each reported on stderr.
int CheckUntouchedContext()
{
    int failures = 0;
    auto expect = [&](const char* what, double actual, double expected) {
        if (!(std::fabs(actual - expected) <= 1e-12 * std::fmax(1.0, std::fabs(expected)))) {
            std::fprintf(stderr, "%s: %.17g, expected %.17g\n", what, actual, expected);
            ++failures;
        }
    };
    struct FieldGetter {
        const char* name;
        double (*get)();
        double expected;
    };
    const FieldGetter fields[] = {
        {"GetElevation", GetElevation, 0.0},
        {"GetAzimuth", GetAzimuth, 0.0},
        {"GetRightAsc", GetRightAsc, 0.0},
        {"GetDeclination", GetDeclination, 0.0},
        {"GetDecTopo", GetDecTopo, 0.0},
        {"GetGHA", GetGHA, 0.0},
        {"GetLHA", GetLHA, 0.0},
        {"GetLST", GetLST, 0.0},
        {"GetPhaseAngle", GetPhaseAngle, 0.0},
        {"GetMoonPhase", GetMoonPhase, -0.005},
        {"GetDistance", GetDistance, 0.0},
        {"GetVersion", GetVersion, 2.16},
        // Hour angle, declination and latitude all zero: the guarded denominator.
        {"GetPolarity", GetPolarity, 0.0},
        // No echo distance yet: the mean distance of 384401 km stands in.
        {"GetDB", GetDB, -1.2992559782009663},
    };
    for (const FieldGetter& f : fields)
        expect(f.name, f.get(), f.expected);

    unsigned char text[9] = {};
    GetQuarter(text);
    if (ShortString(text) != "N/A") {
        std::fprintf(stderr, "GetQuarter: '%s'\n", ShortString(text).c_str());
        ++failures;
    }
    GetRtAscHHMMSS(text);
    if (ShortString(text) != "00:00:00") {
        std::fprintf(stderr, "GetRtAscHHMMSS: '%s'\n", ShortString(text).c_str());
        ++failures;
    }

    // GetDB must not store its stand-in distance; GetAngularDiam does.
    expect("GetDistance after GetDB", GetDistance(), 0.0);
    expect("GetAngularDiam", GetAngularDiam(), 0.5181);
    expect("GetDistance after GetAngularDiam", GetDistance(), 384401.0);

    // The on-demand getters compute from the zero inputs (frequency 0).
    expect("GetLibration", GetLibration(), 0.25);
    expect("GetDoppler", GetDoppler(), 0.0);
    if (!std::isfinite(GetDistance()) || GetDistance() <= 0.0) {
        std::fprintf(stderr, "GetDistance after GetDoppler: %.17g\n", GetDistance());
        ++failures;
    }
    const double illum = GetMoonIllum();
    if (!(illum >= 0.0 && illum <= 100.0)) {
        std::fprintf(stderr, "GetMoonIllum: %.17g\n", illum);
        ++failures;
    }
    return failures;
}

} // namespace

TEST(CalcContext, IsZeroBeforeTheFirstCall)
{
    // The threadsafe style re-runs only this test in a new process, so no
    // earlier test's calls can have touched the context there.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(std::exit(CheckUntouchedContext()), ::testing::ExitedWithCode(0), "");
}

TEST(CalcContext, VersionIsFixed)
{
    EXPECT_EQ(GetVersion(), 2.16);
    Load({2024, 3, 15, 12, 0, 0, 0.0, 50.0, 10.0, 1, 0, 1296.0});
    EXPECT_EQ(GetVersion(), 2.16);
}

TEST(CalcContext, OnlyBodyOneSelectsTheSun)
{
    using Getter = double (*)();
    const Getter getters[] = {GetElevation, GetAzimuth, GetRightAsc, GetDeclination, GetDecTopo,
                              GetGHA,       GetLHA,     GetLST,      GetPolarity};
    const Call cases[] = {
        {2024, 3, 15, 12, 0, 30, 100.0, 52.37, 4.89, 1, 0, 1296.0},
        {1987, 11, 2, 3, 45, 10, 0.0, -33.9, 18.4, 0, 0, 144.0},
    };
    for (const Call& base : cases) {
        auto valuesFor = [&](uint8_t body) {
            Call c = base;
            c.body = body;
            Load(c);
            std::vector<double> v;
            for (Getter g : getters)
                v.push_back(g());
            return v;
        };
        const auto moon0 = valuesFor(0);
        const auto moon2 = valuesFor(2);
        const auto moon255 = valuesFor(255);
        const auto sun = valuesFor(1);
        EXPECT_EQ(moon0, moon2);
        EXPECT_EQ(moon0, moon255);
        // The Sun and the Moon are never at the same declination to 1e-6 degree here.
        EXPECT_GT(std::fabs(sun[3] - moon0[3]), 1e-6);
    }
}

TEST(CalcContext, EchoDistanceChangesOnlyWithGetDoppler)
{
    Load({2024, 1, 5, 0, 0, 0, 0.0, 45.0, 0.0, 0, 0, 1296.0});
    GetDoppler();
    const double first = GetDistance();
    const double firstDb = GetDB();
    const double firstDiam = GetAngularDiam();

    // Two weeks later the Moon is tens of thousands of km elsewhere, but the
    // distance getters still answer for the last GetDoppler.
    Load({2024, 1, 19, 0, 0, 0, 0.0, 45.0, 0.0, 0, 0, 1296.0});
    EXPECT_EQ(GetDistance(), first);
    EXPECT_EQ(GetDB(), firstDb);
    EXPECT_EQ(GetAngularDiam(), firstDiam);
    GetDoppler();
    EXPECT_GT(std::fabs(GetDistance() - first), 1000.0);
    EXPECT_NE(GetDB(), firstDb);
}

TEST(CalcContext, PhaseGettersAnswerForTheLastGetMoonIllum)
{
    unsigned char text[9] = {};
    Load({2000, 1, 21, 4, 44, 0, 0.0, 0.0, 0.0, 0, 0, 144.0}); // full Moon
    GetMoonIllum();
    const double phase = GetMoonPhase();
    const double angle = GetPhaseAngle();
    GetQuarter(text);
    const std::string quarter = ShortString(text);

    Load({2000, 1, 31, 0, 0, 0, 0.0, 0.0, 0.0, 0, 0, 144.0}); // waning crescent
    EXPECT_EQ(GetMoonPhase(), phase);
    EXPECT_EQ(GetPhaseAngle(), angle);
    GetQuarter(text);
    EXPECT_EQ(ShortString(text), quarter);

    GetMoonIllum();
    EXPECT_GT(std::fabs(GetMoonPhase() - phase), 0.2);
    EXPECT_GT(std::fabs(GetPhaseAngle() - angle), 90.0);
    GetQuarter(text);
    EXPECT_EQ(ShortString(text), "4th");
}

TEST(CalcContext, SunCallKeepsTheMoonForIllumination)
{
    const Call moon{2010, 2, 14, 18, 30, 15, 350.0, 52.37, 4.89, 1, 0, 1296.0};
    Call sun = moon;
    sun.body = 1;

    Load(moon);
    const double illum = GetMoonIllum();
    const double angle = GetPhaseAngle();

    // A Sun position in between must not replace the Moon's coordinates and
    // distance that the illumination uses.
    Load(sun);
    EXPECT_EQ(GetMoonIllum(), illum);
    EXPECT_EQ(GetPhaseAngle(), angle);

    // A Moon call for another instant does.
    Load({2010, 2, 21, 18, 30, 15, 350.0, 52.37, 4.89, 1, 0, 1296.0});
    EXPECT_GT(std::fabs(GetMoonIllum() - illum), 10.0);
}

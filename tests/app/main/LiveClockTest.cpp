#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "../components/QStringPrinter.h"
#include "AppState.h"
#include "Clock.h"
#include "LiveClock.h"

namespace
{

// A sky answering fixed values and remembering what the tick asked for.
struct TestSky {
    static inline double azimuth = 180.0;
    static inline double elevation = 30.0;
    static inline double libration = 123.4;
    static inline std::vector<int> asked; // hour, minute, second of each DataToDLL
    static inline uint8_t body = 0;

    static void DataToDLL(uint16_t, uint16_t, uint16_t, uint16_t hour, uint16_t minute,
                          uint16_t second, double, double, double, uint8_t, uint8_t b, double)
    {
        asked = {hour, minute, second};
        body = b;
    }
    static void RightAscension(unsigned char* text)
    {
        const char* ra = "05:06:07";
        text[0] = 8;
        std::memcpy(text + 1, ra, 8);
    }
    static double Dec() { return -12.345; }
    static double Az() { return azimuth; }
    static double Gha() { return 7.891; }
    static double El() { return elevation; }
    static double Lib() { return libration; }

    static const LiveSkyCalls& Calls()
    {
        static const LiveSkyCalls calls{DataToDLL, RightAscension, Dec, Az, Gha, El, Lib};
        return calls;
    }
};

class LiveClockTest : public ::testing::Test
{
protected:
    void TearDown() override { UseSystemClock(); }
};

TEST_F(LiveClockTest, DateTimeTextHasNoSeparatorBetweenHourAndMinute)
{
    struct Case {
        DecodedDateTime time;
        const char* text;
    };
    const Case cases[] = {
        {{2010, 5, 16, 23, 46, 39, 0}, "16 May 2010 ... 2346:39"},
        {{2027, 3, 3, 1, 2, 3, 0}, "3 March 2027 ... 0102:03"},
        {{2026, 12, 31, 0, 0, 0, 0}, "31 December 2026 ... 0000:00"},
        {{2024, 1, 9, 9, 9, 9, 0}, "9 January 2024 ... 0909:09"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DateTimeText(c.time), QString::fromLatin1(c.text));
}

TEST_F(LiveClockTest, TickWritesUtcAndHomeLocalLines)
{
    struct Case {
        const char* name;
        ZoneInfo zone;
        long double homeOffset;
        const char* utc;
        const char* local;
        uint8_t daylight;
    };
    // The computer's clock reads 3 March 2027 01:02:03 local time.
    const Case cases[] = {
        {"UTC computer, UTC home",
         {0, -60, false},
         0,
         "3 March 2027 ... 0102:03",
         "3 March 2027 ... 0102:03",
         0},
        {"home 9.5 h ahead",
         {0, -60, false},
         9.5L,
         "3 March 2027 ... 0102:03",
         "3 March 2027 ... 1032:03",
         0},
        {"computer 10 h ahead of UTC",
         {-600, -60, false},
         0,
         "2 March 2027 ... 1502:03",
         "2 March 2027 ... 1502:03",
         0},
        // Daylight time on the computer moves UTC back an hour and the home
        // local time forward an hour from there.
        {"daylight in force, home 9.5 h",
         {-60, -60, true},
         9.5L,
         "2 March 2027 ... 2302:03",
         "3 March 2027 ... 0932:03",
         1},
        {"home west of Greenwich",
         {0, -60, false},
         -5,
         "3 March 2027 ... 0102:03",
         "2 March 2027 ... 2002:03",
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        UseFixedClock(EncodeDateTime(2027, 3, 3, 1, 2, 3), c.zone);
        AppState s;
        s.HomeUtcOffset = c.homeOffset;
        const LiveDisplayTexts t = LiveTick(s, TestSky::Calls());
        EXPECT_EQ(t.UtcLine, QStringLiteral("UTC ... ") + QString::fromLatin1(c.utc));
        EXPECT_EQ(t.LocalLine, QStringLiteral("Local ... ") + QString::fromLatin1(c.local));
        EXPECT_EQ(s.DaylightSaving, c.daylight);
    }
}

TEST_F(LiveClockTest, TickAsksTheLibraryForUtcAndLeavesLocalFieldsBehind)
{
    UseFixedClock(EncodeDateTime(2027, 3, 3, 1, 2, 3), ZoneInfo{});
    AppState s;
    s.HomeUtcOffset = 9.5L;
    LiveTick(s, TestSky::Calls());
    EXPECT_EQ(TestSky::asked, (std::vector<int>{1, 2, 3}));
    // After the tick the live fields hold the home local time.
    EXPECT_EQ(s.LiveHour, 10);
    EXPECT_EQ(s.LiveMinute, 32);
    EXPECT_EQ(s.LiveSecond, 3);
}

TEST_F(LiveClockTest, PositionBoxesAndLibrationLine)
{
    struct Case {
        const char* name;
        double azimuth;
        double elevation;
        uint8_t sun;
        const char* az;
        const char* el;
        const char* line;
    };
    const Case cases[] = {
        {"Moon up", 123.456, 30.0, 0, "Az 123.46\u00b0", "El 30.00\u00b0",
         "Current Libration ... 123 Hz"},
        {"azimuth rounds up to 360", 359.999, 12.345, 0, "Az 360.00\u00b0", "El 12.35\u00b0",
         "Current Libration ... 123 Hz"},
        {"Moon down", 10.0, -0.5, 0, "Az 10.00\u00b0", "El -0.50\u00b0",
         "Moon is below Home horizon"},
        {"exactly on the horizon", 10.0, 0.0, 0, "Az 10.00\u00b0", "El 0.00\u00b0",
         "Moon is below Home horizon"},
        {"Sun selected, up", 200.0, 40.0, 1, "Az 200.00\u00b0", "El 40.00\u00b0",
         "Moon is below Home horizon"},
    };
    UseFixedClock(EncodeDateTime(2027, 3, 3, 1, 2, 3), ZoneInfo{});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestSky::azimuth = c.azimuth;
        TestSky::elevation = c.elevation;
        AppState s;
        s.TargetIsSun = c.sun;
        const LiveDisplayTexts t = LiveTick(s, TestSky::Calls());
        EXPECT_EQ(TestSky::body, c.sun);
        EXPECT_EQ(t.Azimuth, QString::fromUtf8(c.az));
        EXPECT_EQ(t.Elevation, QString::fromUtf8(c.el));
        EXPECT_EQ(t.LibrationLine, QString::fromUtf8(c.line));
        EXPECT_EQ(t.RightAscension, QStringLiteral("R.A. 05:06:07"));
        EXPECT_EQ(t.Declination, QStringLiteral("Dec -12.35\u00b0"));
        EXPECT_EQ(t.HourAngle, QStringLiteral("GHA 7.89\u00b0"));
    }
    TestSky::azimuth = 180.0;
    TestSky::elevation = 30.0;
}

TEST_F(LiveClockTest, SunMoonSwitchToggles)
{
    AppState s;
    EXPECT_EQ(SunMoonText(s), QStringLiteral("Moon"));
    EXPECT_EQ(ToggleSunMoon(s), QStringLiteral("Sun"));
    EXPECT_EQ(s.TargetIsSun, 1);
    EXPECT_EQ(ToggleSunMoon(s), QStringLiteral("Moon"));
    EXPECT_EQ(s.TargetIsSun, 0);
}

TEST_F(LiveClockTest, DecodeRoundsToTheMillisecondAndCarries)
{
    struct Case {
        DateTimeDays value;
        DecodedDateTime expected;
    };
    const DateTimeDays lastMoment = EncodeDateTime(2026, 12, 31, 23, 59, 59, 999);
    const Case cases[] = {
        {EncodeDateTime(2010, 5, 16, 23, 46, 39), {2010, 5, 16, 23, 46, 39, 0}},
        {lastMoment + 0.6 / 86400000.0, {2027, 1, 1, 0, 0, 0, 0}},
        {0.0, {1899, 12, 30, 0, 0, 0, 0}},
        {AddMinutes(EncodeDateTime(2024, 2, 28, 23, 30), 60), {2024, 2, 29, 0, 30, 0, 0}},
    };
    for (const Case& c : cases) {
        const DecodedDateTime d = DecodeDateTime(c.value);
        EXPECT_EQ(
            std::vector<int>({d.Year, d.Month, d.Day, d.Hour, d.Minute, d.Second, d.Millisecond}),
            std::vector<int>({c.expected.Year, c.expected.Month, c.expected.Day, c.expected.Hour,
                              c.expected.Minute, c.expected.Second, c.expected.Millisecond}));
    }
}

TEST_F(LiveClockTest, DaylightFlagIsNeverClearedByTheClock)
{
    AppState s;
    UseFixedClock(EncodeDateTime(2027, 7, 1, 12, 0, 0), ZoneInfo{-60, -60, true});
    CurrentUtc(s);
    EXPECT_EQ(s.DaylightSaving, 1);
    UseFixedClock(EncodeDateTime(2027, 12, 1, 12, 0, 0), ZoneInfo{-60, -60, false});
    const DecodedDateTime utc = DecodeDateTime(CurrentUtc(s));
    EXPECT_EQ(utc.Hour, 11);
    EXPECT_EQ(s.DaylightSaving, 1);
}

} // namespace

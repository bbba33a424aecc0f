// GetRtAscHHMMSS: the right ascension as hh:mm:ss, always a readable time.
#include "EphemerisTestSupport.h"

#include <gtest/gtest.h>

using namespace ephemeris_test;

namespace
{

// The Moon's topocentric right ascension moves by a few minutes of time as
// the station moves round the Earth; bisecting in longitude puts it on any
// value within that range.
Call CallWithRightAscension(Call call, double targetHours)
{
    const double longitude = FindRoot(
        [&](double lon) {
            Call probe = call;
            probe.longitudeDeg = lon;
            Load(probe);
            return GetRightAsc() - targetHours;
        },
        -180.0, 180.0, 72);
    call.longitudeDeg = longitude;
    return call;
}

} // namespace

TEST(GetRtAscHHMMSS, WritesHoursMinutesSeconds)
{
    struct TextCase {
        const char* what;
        Call near;          // an instant with the Moon's right ascension near the target
        double targetHours; // reached by moving the station in longitude
        const char* text;
    };
    const Call near0h{2024, 1, 16, 4, 0, 0, 0.0, 20.0, 0.0, 0, 0, 144.0};
    const Call near24h{2024, 1, 16, 2, 30, 0, 0.0, 20.0, 0.0, 0, 0, 144.0};
    const Call near5h30{2024, 1, 22, 8, 0, 0, 0.0, 20.0, 0.0, 0, 0, 144.0};
    const Call near10h{2024, 1, 27, 10, 30, 0, 0.0, 20.0, 0.0, 0, 0, 144.0};
    const Call near12h{2024, 1, 3, 9, 30, 0, 0.0, 20.0, 0.0, 0, 0, 144.0};
    const TextCase cases[] = {
        {"5.5 hours", near5h30, 5.5 + 0.1 / 3600, "05:30:00"},
        {"seconds round down", near5h30, 5.5 - 0.6 / 3600, "05:29:59"},
        {"59.6 s carries into the minutes and hours", near5h30, 5.5 - 0.4 / 3600, "05:30:00"},
        {"single digits get a leading zero", near10h, 9.999, "09:59:56"},
        {"two-digit hours", near12h, 12.3456789, "12:20:44"},
        {"just after 0 h", near0h, 0.0001, "00:00:00"},
        {"below 0 h is the previous day's late evening", near0h, -0.001, "23:59:56"},
        {"just below 0 h carries round to midnight", near0h, -0.0001, "00:00:00"},
        {"past 24 h is the next day's early morning", near24h, 24.001, "00:00:04"},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.what);
        const Call call = CallWithRightAscension(c.near, c.targetHours);
        ASSERT_FALSE(std::isnan(call.longitudeDeg));
        Load(call);
        ASSERT_NEAR(GetRightAsc(), c.targetHours, 1e-9);

        unsigned char text[12];
        std::fill(std::begin(text), std::end(text), 0xEE);
        GetRtAscHHMMSS(text);
        EXPECT_EQ(text[0], 8);
        EXPECT_EQ(ShortString(text), c.text);
        // Nothing is written beyond the eight characters.
        EXPECT_EQ(text[9], 0xEE);
    }
}

TEST(GetRtAscHHMMSS, AgreesWithGetRightAscThroughTheDay)
{
    // Sun and Moon over a day, every 20 minutes: the text is the value.
    for (uint8_t body : {0, 1}) {
        for (int minutes = 0; minutes < 24 * 60; minutes += 20) {
            Load({2023, 7, 9, uint16_t(minutes / 60), uint16_t(minutes % 60), 0, 0.0, -12.0, 77.0,
                  0, body, 144.0});
            double v = std::fmod(GetRightAsc(), 24.0);
            if (v < 0)
                v += 24.0;
            const long total = std::lround(v * 3600.0) % 86400;
            char want[16];
            std::snprintf(want, sizeof want, "%02ld:%02ld:%02ld", total / 3600, total / 60 % 60,
                          total % 60);
            unsigned char text[9] = {};
            GetRtAscHHMMSS(text);
            EXPECT_EQ(ShortString(text), want) << "body " << int(body) << " minute " << minutes;
        }
    }
}

#pragma once

#include <cstdint>

struct AppState;

// A date-time as days since 30 December 1899, the time of day as the fraction.
using DateTimeDays = double;

// The parts of a date-time, as the live clock and the date controls use them.
struct DecodedDateTime {
    uint16_t Year = 0, Month = 0, Day = 0;
    uint16_t Hour = 0, Minute = 0, Second = 0, Millisecond = 0;
};

// What the system tells about its time zone. The bias is UTC minus local
// standard time in minutes; the daylight bias is added on top while daylight
// time is in force (normally -60).
struct ZoneInfo {
    int BiasMinutes = 0;
    int DaylightBiasMinutes = 0;
    bool DaylightInForce = false;
};

DateTimeDays EncodeDateTime(int year, int month, int day, int hour = 0, int minute = 0,
                            int second = 0, int millisecond = 0);
// Rounds to the millisecond, so 23:59:59.9996 decodes as the next day's 00:00:00.000.
DecodedDateTime DecodeDateTime(DateTimeDays value);
// (x × 1440 + n) / 1440: minutes are added on the minute count, not on the fraction.
DateTimeDays AddMinutes(DateTimeDays value, double minutes);

// The clock layer. The program reads the system clock; tests fix the local
// instant and the zone so that every text of the live display is known.
void UseFixedClock(DateTimeDays localNow, const ZoneInfo& zone);
void UseSystemClock();
bool ClockIsFixed();
DateTimeDays LocalNow();
ZoneInfo CurrentZone();

// The present UTC: local time plus the bias, plus the daylight bias while
// daylight time is in force. Sets UtcNow and, in daylight time, DaylightSaving
// (which nothing clears during the run).
DateTimeDays CurrentUtc(AppState& state);

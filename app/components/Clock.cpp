#include "Clock.h"

#include <QDate>
#include <QDateTime>
#include <QTimeZone>
#include <cmath>

#include "AppState.h"

namespace
{

constexpr qint64 MsPerDay = 86400000;
// QDate's Julian day of 30 December 1899, day 0 of a DateTimeDays.
const qint64 DayZeroJulian = QDate(1899, 12, 30).toJulianDay();

struct FixedClock {
    bool Active = false;
    DateTimeDays LocalNow = 0;
    ZoneInfo Zone;
};

FixedClock& Fixed()
{
    static FixedClock clock;
    return clock;
}

} // namespace

DateTimeDays EncodeDateTime(int year, int month, int day, int hour, int minute, int second,
                            int millisecond)
{
    const qint64 days = QDate(year, month, day).toJulianDay() - DayZeroJulian;
    const double fraction =
        (((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + millisecond) / double(MsPerDay);
    return double(days) + fraction;
}

DecodedDateTime DecodeDateTime(DateTimeDays value)
{
    const qint64 total = std::llround(value * double(MsPerDay));
    qint64 days = total / MsPerDay;
    qint64 ms = total % MsPerDay;
    if (ms < 0) {
        ms += MsPerDay;
        days -= 1;
    }
    const QDate date = QDate::fromJulianDay(DayZeroJulian + days);
    DecodedDateTime out;
    out.Year = uint16_t(date.year());
    out.Month = uint16_t(date.month());
    out.Day = uint16_t(date.day());
    out.Hour = uint16_t(ms / 3600000);
    out.Minute = uint16_t(ms / 60000 % 60);
    out.Second = uint16_t(ms / 1000 % 60);
    out.Millisecond = uint16_t(ms % 1000);
    return out;
}

DateTimeDays AddMinutes(DateTimeDays value, double minutes)
{
    return (value * 1440.0 + minutes) / 1440.0;
}

void UseFixedClock(DateTimeDays localNow, const ZoneInfo& zone)
{
    Fixed() = FixedClock{true, localNow, zone};
}

void UseSystemClock()
{
    Fixed() = FixedClock{};
}

bool ClockIsFixed()
{
    return Fixed().Active;
}

DateTimeDays LocalNow()
{
    if (Fixed().Active)
        return Fixed().LocalNow;
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    return EncodeDateTime(d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second(), t.msec());
}

ZoneInfo CurrentZone()
{
    if (Fixed().Active)
        return Fixed().Zone;
    const QTimeZone zone = QTimeZone::systemTimeZone();
    const QDateTime now = QDateTime::currentDateTime();
    ZoneInfo info;
    info.BiasMinutes = -zone.standardTimeOffset(now) / 60;
    info.DaylightInForce = zone.isDaylightTime(now);
    // Outside daylight time the zone may report no daylight offset; the usual hour stands in.
    const int daylight = zone.daylightTimeOffset(now);
    info.DaylightBiasMinutes = info.DaylightInForce ? -daylight / 60 : -60;
    return info;
}

DateTimeDays CurrentUtc(AppState& state)
{
    const ZoneInfo zone = CurrentZone();
    state.UtcNow = AddMinutes(LocalNow(), zone.BiasMinutes);
    if (zone.DaylightInForce) {
        state.UtcNow = AddMinutes(state.UtcNow, zone.DaylightBiasMinutes);
        state.DaylightSaving = 1;
    }
    return state.UtcNow;
}

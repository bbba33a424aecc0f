#pragma once

#include "AppState.h"
#include "OwnEphemeris.h"

#include <cstdint>

// The own ephemeris run for one instant and observer, as a sweep sets it up.
inline AppState StateAt(int year, int month, int day, int hour, int minute, long double lonDeg,
                        long double latDeg)
{
    AppState s;
    s.CalcYear = static_cast<uint16_t>(year);
    s.CalcMonth = static_cast<uint16_t>(month);
    s.CalcDay = static_cast<uint16_t>(day);
    s.CalcHour = static_cast<uint16_t>(hour);
    s.CalcMinute = static_cast<uint16_t>(minute);
    s.ObserverLongitudeDeg = lonDeg;
    s.ObserverLongitudeRad = lonDeg * DegToRad;
    s.ObserverLatitudeDeg = latDeg;
    s.ObserverLatitudeRad = latDeg * DegToRad;
    ComputeOwnEphemeris(s);
    return s;
}

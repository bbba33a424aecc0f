#pragma once

#include <QString>
#include <cstdint>

#include "Clock.h"

struct AppState;

// The texts of the once-a-second live display, in the order they are written.
struct LiveDisplayTexts {
    QString UtcLine;
    QString RightAscension;
    QString Declination;
    QString Azimuth;
    QString HourAngle;
    QString Elevation;
    QString LibrationLine;
    QString LocalLine;
};

// "January" ... "December" for 1 ... 12; empty outside.
QString MonthName(int month);

// "16 May 2010 ... 2346:39": no separator between hour and minute.
QString DateTimeText(const DecodedDateTime& value);

// The library calls one tick makes, in the order it makes them. The program
// uses the ephemeris library; tests substitute a sky of their own.
struct LiveSkyCalls {
    void (*DataToDLL)(uint16_t year, uint16_t month, uint16_t day, uint16_t hour, uint16_t minute,
                      uint16_t second, double heightM, double latitudeDeg, double longitudeDeg,
                      uint8_t refraction, uint8_t body, double frequencyMHz) = nullptr;
    void (*GetRtAscHHMMSS)(unsigned char* text) = nullptr;
    double (*GetDecTopo)() = nullptr;
    double (*GetAzimuth)() = nullptr;
    double (*GetGHA)() = nullptr;
    double (*GetElevation)() = nullptr;
    double (*GetLibration)() = nullptr;
};
const LiveSkyCalls& LibrarySkyCalls();

// One tick of the live clock: reads the clock, asks the library where the Moon
// (or the Sun) stands for the home station now, and leaves the home local time
// in LiveYear ... LiveMillisecond.
LiveDisplayTexts LiveTick(AppState& state, const LiveSkyCalls& sky = LibrarySkyCalls());

// The Sun/Moon switch: toggles TargetIsSun and returns the switch's new text.
QString ToggleSunMoon(AppState& state);
QString SunMoonText(const AppState& state);

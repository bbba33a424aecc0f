#pragma once

#include <QString>

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

// One tick of the live clock: reads the clock, asks the library where the Moon
// (or the Sun) stands for the home station now, and leaves the home local time
// in LiveYear ... LiveMillisecond.
LiveDisplayTexts LiveTick(AppState& state);

// The Sun/Moon switch: toggles TargetIsSun and returns the switch's new text.
QString ToggleSunMoon(AppState& state);
QString SunMoonText(const AppState& state);

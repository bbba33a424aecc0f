#pragma once

#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>

#include "PlannerTable.h"

struct AppState;

// The rules behind the planner window's controls, free of widgets.

// One press of the interval spinner: 1, 2, 3, 4, 5, 10, 15 … upwards; down
// from 5 it goes 4, 3, 2, 1 and then back to 5 (a result below 1 becomes 5).
int32_t IntervalUp(int32_t minutes);
int32_t IntervalDown(int32_t minutes);

// One press of a limit spinner: ±1 degree, kept within 0 … 90. A value that
// is not a number starts again from 0.
long double LimitStep(long double degrees, int step);

// The end date after a new start date: the start date when it lies after the
// remembered end, else the remembered end.
QDate EndDateForStart(const QDate& start, const QDate& rememberedEnd);

// The samples a run from the start of `start` to the end of `end` takes
// (an end before the start gives the first sample only; an interval below 1
// runs as 5 minutes).
long long PlannerSampleCount(const QDate& start, const QDate& end, int32_t intervalMinutes);
// Beyond this a run would keep the program busy for minutes and its table
// could outgrow the memory; such a run is refused with PlannerTooLongMessage.
inline constexpr long long PlannerMaxSamples = 500000;
QString PlannerTooLongMessage(long long samples);

// A number in its shortest decimal form: "90", "12.5", "0.25" (never "-0").
QString ShortestDecimal(long double value);

// Whole degrees, minutes and seconds of an absolute angle; seconds rounded to
// tenths and then cut, and a full 60 carried into the next place.
struct DegreesMinutesSeconds {
    int Degrees = 0;
    int Minutes = 0;
    int Seconds = 0;
};
DegreesMinutesSeconds SplitDegrees(long double degrees);

// "37 : 30 : 0 : S    145 : 15 : 0 E": latitude N when at or above 0, else S;
// longitude E when above 0, else W.
QString PlannerPositionText(long double latitude, long double longitude);
// "Melbourne  QF22ii  120m ASL"
QString PlannerStationLine(const QString& location, const QString& gridSquare, long double heightM);

// Every panel text the planner window writes on activation.
struct PlannerPanelTexts {
    QString Panel101; // home call sign
    QString Panel102; // home location, grid square, height
    QString Panel8;   // home latitude and longitude
    QString Panel201; // Dx call sign, or "Not selected"
    QString Panel202; // Dx location line, empty without a Dx station
    QString Panel203; // Dx latitude and longitude, empty without a Dx station
    QString Panel501; // interval, minutes
    QString Panel406; // spatial offset limit
    QString Panel402; // minimum home elevation
    QString Panel10;  // maximum home elevation
    QString Panel404; // minimum Dx elevation
    QString Panel12;  // maximum Dx elevation
};
PlannerPanelTexts PlannerPanels(const AppState& state);

inline const QString NotSelectedText = QStringLiteral("Not selected");

// The horizon switch (Panel7): its caption and colour.
struct HorizonSwitch {
    QString Caption;
    Rgb Colour;
};
// As designed, and after every activation (when the switch is off).
HorizonSwitch HorizonSwitchAtStart();
// Toggles PlannerBelowHorizon, which only applies without a Dx station; with
// one nothing changes and nothing is returned.
std::optional<HorizonSwitch> ToggleBelowHorizon(AppState& state);

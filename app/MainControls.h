#pragma once

#include <QLocale>
#include <QString>

struct AppState;

// The rules behind the main window's controls, free of widgets.

// Colours the main window paints its dish boxes, the "X 10" switch, the chart
// buttons and the hour-window box with.
enum class PanelColour { ButtonFace, Yellow, Cream, MoneyGreen };

struct DishColours {
    PanelColour Home;
    PanelColour Switch;
    PanelColour Dx;
};

// One press of a dish spinner: 10 cm with "X 10" engaged, else 1 cm. Down
// below 1 cm gives 10 cm; up has no limit.
void StepDish(long double& dishCm, bool up, const AppState& state);
// The "X 10" switch; returns the colours that show its new state.
DishColours ToggleDishStepTen(AppState& state);
DishColours DishColoursFor(const AppState& state);

// The hour window of the time-window chart; the start stays below the end.
void StartHourDown(AppState& state);
void StartHourUp(AppState& state);
void EndHourDown(AppState& state);
void EndHourUp(AppState& state);
// "+6 z"
QString HourBoxText(int hour);

// The calculation date; the time of day returns to 00:00.
void SetCalcDate(AppState& state, int year, int month, int day);
// Today's UTC date from the clock layer, with LiveUtc set to now.
void ResetCalcDateToToday(AppState& state);
// "UTC Hour 16/5/2010", or "Start Day 16/5/2010" for the seven-day chart.
QString DateAxisCaption(int sweepKind, int year, int month, int day);

// What one item of the "On Screen Hints" list does to the hints.
struct HintTiming {
    bool Changes = false;         // "No change" leaves everything as it is
    int ShowAfterMs = 0;          // delay before a hint appears
    int StayMs = 0;               // how long it stays; 0 = disappears at once
    bool BlackBackground = false; // hints switched off show black, else yellow
};
inline constexpr int HintItemCount = 5;
extern const char* const HintItems[HintItemCount];
// Applies item (0 ... 4) to HintsSetting / HintNoChange and returns the timing.
HintTiming ChooseHintItem(AppState& state, int item);
// The timing of a stored HintsSetting (0 ... 3; anything else as "8 seconds").
HintTiming HintTimingFor(int hintsSetting);

// Which window opened the station database, set as each tab opens its window.
void MarkOpenedFromPlanner(AppState& state);
void MarkOpenedFromSetup(AppState& state);

// The about box text, lines separated by carriage returns.
QString AboutText(const AppState& state, const QLocale& locale = QLocale::system());

// Messages of the main window.
inline const QString ExitQuestion = QStringLiteral("Do you wish to exit now ?");
inline const QString SaveHoursQuestion =
    QStringLiteral("Do you wish to update the Start and End Hour settings?");
inline const QString HintSaveQuestion =
    QStringLiteral("The Hint delay setting has been changed \r\rDo you wish to save this setting "
                   "as your default setting ?");

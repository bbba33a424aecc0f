#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "EphemerisCalls.h"

struct AppState;

// The planner's table: for a range of UTC dates sampled every few minutes,
// where the Moon stands for the home station and the Dx station (or the Sun
// without a Dx station), with Doppler, signal widths, spatial offset and
// path-loss change; rows only while the Moon keeps within the limits, one
// block per day. The planner window shows the rows as they come.

inline constexpr int PlannerColumnCount = 16;

// Cell colours. ButtonFace and WindowBorder are the system's colours; the
// others are fixed (PlannerColourRgb).
enum class CellColour : uint8_t {
    Default,
    White,
    Black,
    Blue,
    Red,
    SkyBlue,     // 166, 202, 240
    Cream,       // 255, 251, 240
    LightYellow, // 252, 251, 201
    MoneyGreen,  // 192, 220, 192
    Yellow,      // 255, 255, 0
    ButtonFace,
    WindowBorder,
};

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

// The fixed colours; none for Default and the system colours.
std::optional<Rgb> PlannerColourRgb(CellColour colour);

// One grid cell; every cell is centred. A cell with span > 1 is joined with
// the cells to its right, which then stay empty.
struct PlannerCell {
    QString text;
    CellColour background = CellColour::Default;
    CellColour textColour = CellColour::Default;
    int span = 1;
};

enum class PlannerRowKind : uint8_t { Heading, DayLabel, Data, Separator, Empty };

struct PlannerRow {
    PlannerRowKind kind = PlannerRowKind::Empty;
    std::array<PlannerCell, PlannerColumnCount> cells{};
};

// The grid's content: row 0 the headings; rows 1 … currentRow the day labels,
// data and separator rows; three empty rows after them.
struct PlannerTable {
    std::array<int, PlannerColumnCount> columnWidths{};
    std::vector<PlannerRow> rows;
    int currentRow = 0;
};

// Empties every cell below the heading row; the row count stays.
void ClearPlannerTable(PlannerTable& table);

// Empties the table and writes the headings for a run with or without a Dx
// station (ShowStationB); leaves the heading row and three empty rows.
void SetPlannerHeaders(const AppState& state, PlannerTable& table);

struct PlannerRun {
    int intervalMinutes = 0; // the interval actually used
    long samples = 0;
};

// Runs the table from startDate 00:00 UTC to the end of endDate, every
// PlannerIntervalMinutes minutes (5 when the stored interval is below 1, as
// the window's spinner would make it). Each new date gets a day label row.
// An end date before the start date gives the first sample only.
PlannerRun PlanTable(AppState& state, PlannerTable& table, const QDate& startDate,
                     const QDate& endDate, const EphemerisCalls& calls = RealEphemerisCalls());

// One sample without a Dx station: home Moon position, Doppler, signal width,
// path loss and the Sun's position; kept within the home elevation limits
// (or always with PlannerBelowHorizon), a separator row when the Moon falls
// below the minimum elevation.
void PlanRowHome(AppState& state, PlannerTable& table, const QDateTime& utc,
                 const EphemerisCalls& calls = RealEphemerisCalls());

// One sample with a Dx station: both stations, spatial offset and the three
// signal widths; kept within the home and Dx elevation limits and the
// spatial-offset limit, a separator row when the Moon sets at home.
void PlanRowPair(AppState& state, PlannerTable& table, const QDateTime& utc,
                 const EphemerisCalls& calls = RealEphemerisCalls());

// HomeSignalWidth and, with a Dx station, DxSignalWidth and PathSignalWidth at
// CalcYear … CalcMinute; a width of 10000 Hz or more leaves the old value.
// Moves the ephemeris observer and adds 2 (4 with a Dx station) to CalcMinute.
void PlannerSignalWidths(AppState& state, const EphemerisCalls& calls = RealEphemerisCalls());

// "hhmm" local time of a UTC instant, marked "+" when the local date is the
// day after the UTC date and "-" when it is the day before.
QString PlannerLocalTime(const QDateTime& utc, long double utcOffsetHours, bool daylightSaving);

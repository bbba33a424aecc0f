#include "PlannerTable.h"

#include <QTime>
#include <algorithm>
#include <cmath>

#include "AppState.h"
#include "FormatFixed.h"
#include "SignalWidth.h"
#include "StationCalls.h"

std::optional<Rgb> PlannerColourRgb(CellColour colour)
{
    switch (colour) {
    case CellColour::White:
        return Rgb{255, 255, 255};
    case CellColour::Black:
        return Rgb{0, 0, 0};
    case CellColour::Blue:
        return Rgb{0, 0, 255};
    case CellColour::Red:
        return Rgb{255, 0, 0};
    case CellColour::SkyBlue:
        return Rgb{166, 202, 240};
    case CellColour::Cream:
        return Rgb{255, 251, 240};
    case CellColour::LightYellow:
        return Rgb{252, 251, 201};
    case CellColour::MoneyGreen:
        return Rgb{192, 220, 192};
    case CellColour::Yellow:
        return Rgb{255, 255, 0};
    default:
        return std::nullopt;
    }
}

namespace
{

constexpr std::array<int, PlannerColumnCount> ColumnWidths = {45, 45, 45, 45, 45, 45, 57, 45,
                                                              45, 53, 45, 48, 57, 45, 45, 45};

// The next row of the table: the current row moves on and the grid grows by one.
PlannerRow& AppendRow(PlannerTable& table, PlannerRowKind kind)
{
    ++table.currentRow;
    table.rows.emplace_back();
    if (static_cast<int>(table.rows.size()) <= table.currentRow)
        table.rows.resize(table.currentRow + 1);
    PlannerRow& row = table.rows[table.currentRow];
    row = PlannerRow{};
    row.kind = kind;
    return row;
}

// Columns 0 to 2 joined into one cell; white cells with blue text.
void StyleJoinedRow(PlannerRow& row)
{
    for (PlannerCell& cell : row.cells) {
        cell.background = CellColour::White;
        cell.textColour = CellColour::Blue;
    }
    row.cells[0].span = 3;
}

const char* const WeekdayNames[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                     "Thursday", "Friday", "Saturday"};

void WriteDayLabel(PlannerRow& row, const QDate& date)
{
    row = PlannerRow{};
    row.kind = PlannerRowKind::DayLabel;
    StyleJoinedRow(row);
    row.cells[0].background = CellColour::Yellow;
    row.cells[0].text = QStringLiteral("%1 %2/%3/%4")
                            .arg(QString::fromLatin1(WeekdayNames[date.dayOfWeek() % 7]))
                            .arg(date.day())
                            .arg(date.month())
                            .arg(date.year());
}

void AppendSeparator(PlannerTable& table)
{
    StyleJoinedRow(AppendRow(table, PlannerRowKind::Separator));
}

// A data row: UTC sky blue, local time button face, values cream on black.
PlannerRow& AppendDataRow(PlannerTable& table)
{
    PlannerRow& row = AppendRow(table, PlannerRowKind::Data);
    for (PlannerCell& cell : row.cells) {
        cell.background = CellColour::Cream;
        cell.textColour = CellColour::Black;
    }
    row.cells[0].background = CellColour::SkyBlue;
    row.cells[1].background = CellColour::ButtonFace;
    return row;
}

QString ClockText(const QTime& time)
{
    return QStringLiteral("%1%2")
        .arg(time.hour(), 2, 10, QLatin1Char('0'))
        .arg(time.minute(), 2, 10, QLatin1Char('0'));
}

int OffsetMinutes(long double utcOffsetHours, bool daylightSaving)
{
    long double minutes = 0;
    if (std::isfinite(utcOffsetHours))
        minutes = std::clamp(std::round(utcOffsetHours * 60), -100000.0L, 100000.0L);
    return static_cast<int>(minutes) + (daylightSaving ? 60 : 0);
}

QString Angle(const AppState& s, double value)
{
    return FormatFixed(value, 15, s.PlannerDecimals);
}

// The row's UTC date and time become the calculation date and time.
void SetCalculationTime(AppState& s, const QDateTime& utc)
{
    s.CalcYear = static_cast<uint16_t>(utc.date().year());
    s.CalcMonth = static_cast<uint16_t>(utc.date().month());
    s.CalcDay = static_cast<uint16_t>(utc.date().day());
    s.CalcHour = static_cast<uint16_t>(utc.time().hour());
    s.CalcMinute = static_cast<uint16_t>(utc.time().minute());
}

void CallStationAtUtc(const EphemerisCalls& calls, const AppState& s, Station station,
                      const QDateTime& utc, uint8_t body)
{
    const QDate d = utc.date();
    const QTime t = utc.time();
    CallStation(calls, s, station, static_cast<uint16_t>(d.year()),
                static_cast<uint16_t>(d.month()), static_cast<uint16_t>(d.day()),
                static_cast<uint16_t>(t.hour()), static_cast<uint16_t>(t.minute()),
                static_cast<uint16_t>(t.second()), body);
}

LibrationPoint EphemerisAt(AppState& s, const EphemerisCalls& calls)
{
    calls.ComputeEphemeris(s);
    return {s.TopoLibrationLatitude, s.TopoLibrationLongitude};
}

void KeepBelowLimit(long double& field, long double width)
{
    if (width < 10000)
        field = width;
}

} // namespace

void ClearPlannerTable(PlannerTable& table)
{
    for (std::size_t i = 1; i < table.rows.size(); ++i)
        table.rows[i] = PlannerRow{};
}

void SetPlannerHeaders(const AppState& s, PlannerTable& table)
{
    ClearPlannerTable(table);
    table.columnWidths = ColumnWidths;
    table.rows.assign(4, PlannerRow{});
    table.currentRow = 0;

    using C = CellColour;
    struct Heading {
        const char* withDx;
        const char* without;
        C backgroundWithDx;
        C backgroundWithout;
    };
    static const Heading headings[PlannerColumnCount] = {
        {"UTC", "UTC", C::SkyBlue, C::SkyBlue},
        {"Local", "Local", C::Default, C::Default},
        {"HmAz", "HmAz", C::Cream, C::Cream},
        {"HmEl", "HmEl", C::Cream, C::Cream},
        {"Dec", "Dec", C::Cream, C::Cream},
        {"GHA", "GHA", C::Cream, C::Cream},
        {"HM-HM", "HM-HM", C::Cream, C::Cream},
        {"HmLib", "LibHm", C::Cream, C::Cream},
        {"Spatial", "dB", C::LightYellow, C::White},
        {"DxLocal", "", C::WindowBorder, C::ButtonFace},
        {"DxAz", "SunAz", C::MoneyGreen, C::Cream},
        {"DxEl", "SunEl", C::MoneyGreen, C::Cream},
        {"HM-DX", "", C::MoneyGreen, C::ButtonFace},
        {"DxLib", "", C::Cream, C::ButtonFace},
        {"B@A", "", C::Cream, C::ButtonFace},
        {"dB", "", C::White, C::ButtonFace},
    };
    const bool withDx = s.ShowStationB == 1;
    PlannerRow& heading = table.rows[0];
    heading.kind = PlannerRowKind::Heading;
    for (int col = 0; col < PlannerColumnCount; ++col) {
        PlannerCell& cell = heading.cells[col];
        cell.text = QString::fromLatin1(withDx ? headings[col].withDx : headings[col].without);
        cell.background = withDx ? headings[col].backgroundWithDx : headings[col].backgroundWithout;
        cell.textColour = col < 4 ? C::Blue : (col == 10 || col == 11 ? C::Red : C::Default);
    }
}

QString PlannerLocalTime(const QDateTime& utc, long double utcOffsetHours, bool daylightSaving)
{
    const QDateTime local = utc.addSecs(60LL * OffsetMinutes(utcOffsetHours, daylightSaving));
    QString mark;
    if (local.date() > utc.date())
        mark = QStringLiteral("+");
    else if (local.date() < utc.date())
        mark = QStringLiteral("-");
    return mark + ClockText(local.time());
}

void PlannerSignalWidths(AppState& s, const EphemerisCalls& calls)
{
    SetObserver(s, Station::Home);
    const LibrationPoint home1 = EphemerisAt(s, calls);
    s.CalcMinute += 2;
    const LibrationPoint home2 = EphemerisAt(s, calls);
    KeepBelowLimit(s.HomeSignalWidth, SignalWidthHz(LibrationRate(home1, home2), s.FrequencyGHz));
    if (s.ShowStationB != 1)
        return;

    // The Dx evaluations lie 2 and 4 minutes after the row's minute.
    SetObserver(s, Station::Dx);
    const LibrationPoint dx1 = EphemerisAt(s, calls);
    s.CalcMinute += 2;
    const LibrationPoint dx2 = EphemerisAt(s, calls);
    KeepBelowLimit(s.DxSignalWidth, SignalWidthHz(LibrationRate(dx1, dx2), s.FrequencyGHz));
    KeepBelowLimit(s.PathSignalWidth,
                   SignalWidthHz(PathLibrationRate(home1, home2, dx1, dx2), s.FrequencyGHz));
}

void PlanRowHome(AppState& s, PlannerTable& table, const QDateTime& utc,
                 const EphemerisCalls& calls)
{
    s.FrequencyMHz = LibraryFrequencyMHz(s.FrequencyGHz);
    CallStationAtUtc(calls, s, Station::Home, utc, s.TargetIsSun);
    if (s.PlannerBelowHorizon == 0 && s.PrevHomeElevation >= s.PlannerMinHomeElevation)
        s.WasAboveMin = 1;
    const double e = calls.GetElevation();
    s.PrevHomeElevation = e;
    if (e < s.PlannerMinHomeElevation && s.WasAboveMin == 1) {
        AppendSeparator(table);
        s.WasAboveMin = 0;
        return;
    }
    const bool kept = s.PlannerBelowHorizon == 1 ||
                      (s.PlannerMinHomeElevation <= e && e <= s.PlannerMaxHomeElevation);
    if (!kept)
        return;

    PlannerRow& row = AppendDataRow(table);
    row.cells[0].text = ClockText(utc.time());
    row.cells[2].text = Angle(s, calls.GetAzimuth());
    const double elevation = calls.GetElevation();
    row.cells[3].text = Angle(s, elevation);
    row.cells[4].text = FormatFixed(calls.GetDecTopo(), 6, 2);
    row.cells[5].text = FormatFixed(calls.GetGHA(), 5, 2);
    const double doppler = calls.GetDoppler();
    row.cells[6].text = elevation <= 0 ? QString() : FormatFixed(doppler, 15, 0);
    SetCalculationTime(s, utc);
    PlannerSignalWidths(s, calls);
    row.cells[7].text = FormatFixed(s.HomeSignalWidth, 10, 0);
    row.cells[8].text = FormatFixed(calls.GetDB(), 15, 2);
    row.cells[1].text = PlannerLocalTime(utc, s.HomeUtcOffset, s.DaylightSaving == 1);

    s.TargetIsSun = 1;
    CallStationAtUtc(calls, s, Station::Home, utc, s.TargetIsSun);
    if (calls.GetElevation() >= 0) {
        row.cells[10].text = Angle(s, calls.GetAzimuth());
        row.cells[11].text = Angle(s, calls.GetElevation());
        row.cells[10].textColour = CellColour::Red;
        row.cells[11].textColour = CellColour::Red;
    }
    s.TargetIsSun = 0;
}

void PlanRowPair(AppState& s, PlannerTable& table, const QDateTime& utc,
                 const EphemerisCalls& calls)
{
    s.FrequencyMHz = LibraryFrequencyMHz(s.FrequencyGHz);
    CallStationAtUtc(calls, s, Station::Home, utc, 0);
    SetCalculationTime(s, utc);
    if (s.PrevHomeElevation >= s.PlannerMinHomeElevation)
        s.WasAboveMin = 1;
    const double e = calls.GetElevation();
    s.PrevHomeElevation = e;
    // Here the separator follows the horizon, not the minimum elevation.
    if (e < 0 && s.WasAboveMin == 1) {
        AppendSeparator(table);
        s.WasAboveMin = 0;
        return;
    }
    if (!(s.PlannerMinHomeElevation <= e && e <= s.PlannerMaxHomeElevation))
        return;

    const double homeAzimuth = calls.GetAzimuth();
    const double homeElevation = calls.GetElevation();
    const double homeDec = calls.GetDecTopo();
    const double homeGha = calls.GetGHA();
    const double homeDoppler = calls.GetDoppler();
    s.HomePolarity = calls.GetPolarity();
    PlannerSignalWidths(s, calls);

    CallStationAtUtc(calls, s, Station::Dx, utc, 0);
    s.DxPolarity = calls.GetPolarity();
    s.SpatialOffset = FoldSpatialOffset(s.HomePolarity - s.DxPolarity);
    const double dxDoppler = calls.GetDoppler();
    const QString homeLocal = PlannerLocalTime(utc, s.HomeUtcOffset, s.DaylightSaving == 1);
    const QString dxLocal = PlannerLocalTime(utc, s.DxUtcOffset, s.DaylightSaving == 1);
    const double dxElevation = calls.GetElevation();
    const double dxAzimuth = calls.GetAzimuth();

    const bool kept = s.PlannerMinDxElevation <= dxElevation &&
                      dxElevation <= s.PlannerMaxDxElevation &&
                      std::fabs(s.SpatialOffset) <= s.PlannerSpatialLimit;
    if (!kept)
        return;
    PlannerRow& row = AppendDataRow(table);
    row.cells[0].text = ClockText(utc.time());
    row.cells[1].text = homeLocal;
    row.cells[2].text = Angle(s, homeAzimuth);
    row.cells[3].text = Angle(s, homeElevation);
    row.cells[4].text = FormatFixed(homeDec, 6, 2);
    row.cells[5].text = FormatFixed(homeGha, 5, 2);
    row.cells[6].text = FormatFixed(homeDoppler, 15, 0);
    row.cells[7].text = FormatFixed(s.HomeSignalWidth, 10, 0);
    row.cells[8].text = FormatFixed(s.SpatialOffset, 15, 0);
    row.cells[9].text = dxLocal;
    row.cells[10].text = Angle(s, dxAzimuth);
    row.cells[11].text = Angle(s, dxElevation);
    row.cells[12].text = FormatFixed(dxDoppler, 15, 0);
    row.cells[13].text = FormatFixed(s.DxSignalWidth, 10, 0);
    row.cells[14].text = FormatFixed(s.PathSignalWidth, 10, 0);
    row.cells[15].text = FormatFixed(calls.GetDB(), 15, 2);
}

PlannerRun PlanTable(AppState& s, PlannerTable& table, const QDate& startDate, const QDate& endDate,
                     const EphemerisCalls& calls)
{
    PlannerRun run;
    // A stored interval below 1 would never advance; the window's spinner
    // replaces such values by 5, and so does a run.
    run.intervalMinutes = s.PlannerIntervalMinutes < 1 ? 5 : s.PlannerIntervalMinutes;
    s.PrevHomeElevation = -1;
    s.WasAboveMin = 0;
    table.currentRow = 1;
    if (!startDate.isValid())
        return run;
    if (table.rows.size() < 2)
        table.rows.resize(2);
    WriteDayLabel(table.rows[1], startDate);

    // Samples are whole minutes after the start, so a long run does not drift
    // off the minute.
    const QDateTime start(startDate, QTime(0, 0), Qt::UTC);
    const long long endMinutes =
        endDate.isValid() ? (startDate.daysTo(endDate) + 1) * 1440LL : 1440LL;
    auto evaluate = [&](const QDateTime& t) {
        ++run.samples;
        if (s.ShowStationB == 1)
            PlanRowPair(s, table, t, calls);
        else
            PlanRowHome(s, table, t, calls);
    };
    evaluate(start);
    QDate previousDate = startDate;
    for (long long minute = run.intervalMinutes; minute < endMinutes;
         minute += run.intervalMinutes) {
        const QDateTime t = start.addSecs(minute * 60);
        if (t.date() != previousDate) {
            WriteDayLabel(AppendRow(table, PlannerRowKind::DayLabel), t.date());
            previousDate = t.date();
        }
        evaluate(t);
    }
    return run;
}

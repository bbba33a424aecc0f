#include <QChar>
#include <QDate>
#include <algorithm>

#include "AppState.h"
#include "BandTable.h"
#include "ChartSet.h"
#include "ChartSweeps.h"
#include "FormatFixed.h"
#include "SweepSupport.h"

namespace
{

// One minimum or maximum of a sweep: width in Hz and minute of the day.
struct WidthExtreme {
    long double width = 0;
    double minute = 0;
};

struct WidthTrackers {
    WidthExtreme minimum{5000, 0};
    WidthExtreme maximum{0, 0};

    // Only a width strictly between 0 and 10000 Hz counts; equal widths keep
    // the earlier sample.
    void Count(long double width, int minute)
    {
        if (!(width > 0 && width < 10000))
            return;
        if (width < minimum.width)
            minimum = {width, static_cast<double>(minute)};
        if (width > maximum.width)
            maximum = {width, static_cast<double>(minute)};
    }
};

// One step of the libration sweeps: the home sample and, with both stations,
// the Dx and B-at-A samples two minutes later.
struct LibrationStep {
    int homeMinute = 0;
    long double homeRate = 0, homeWidth = 0;
    bool homeCounted = false;
    bool hasDx = false;
    int dxMinute = 0;
    long double dxRate = 0, dxWidth = 0;
    long double pathRate = 0, pathWidth = 0;
    bool dxCounted = false;
};

// Steps CalcMinute from 0 as the libration sweeps do: per station one library
// call and two ephemeris runs two minutes apart, then one more minute. The
// horizon mode decides which samples count; eB is the Dx elevation of the
// latest Dx sample (0 before the first). Stops when done(CalcMinute) after a
// step or after maxSteps steps.
template <class Done, class BeforeStep, class AfterStep>
void RunLibrationSteps(AppState& s, const EphemerisCalls& calls, SweepResult& result, long maxSteps,
                       Done done, BeforeStep beforeStep, AfterStep afterStep)
{
    s.CalcMinute = 0;
    double eB = 0;
    long steps = 0;
    const bool allSamples = s.AboveHorizonOnly == 0;
    const bool bothStations = s.StationAOnly == 0;
    do {
        beforeStep();
        LibrationStep step;

        SetObserver(s, Station::Home);
        SampleStation(calls, s, Station::Home, s.CalcMinute, s.LiveSecond, result);
        const double eA = calls.GetElevation();
        const LibrationPoint home0 = RunEphemeris(calls, s, result);
        s.CalcMinute += 2;
        const LibrationPoint home1 = RunEphemeris(calls, s, result);
        step.homeMinute = s.CalcMinute;
        step.homeRate = LibrationRate(home0, home1);
        step.homeWidth = SignalWidthHz(step.homeRate, s.FrequencyGHz);
        step.homeCounted = allSamples || (bothStations ? eA > 0 && eB > 0 : eA > 0);
        result.shown["Label146"] = true;

        if (bothStations) {
            SetObserver(s, Station::Dx);
            SampleStation(calls, s, Station::Dx, s.CalcMinute, s.LiveSecond, result);
            eB = calls.GetElevation();
            const LibrationPoint dx0 = RunEphemeris(calls, s, result);
            s.CalcMinute += 2;
            const LibrationPoint dx1 = RunEphemeris(calls, s, result);
            step.hasDx = true;
            step.dxMinute = s.CalcMinute;
            step.dxRate = LibrationRate(dx0, dx1);
            step.dxWidth = SignalWidthHz(step.dxRate, s.FrequencyGHz);
            step.pathRate = PathLibrationRate(home0, home1, dx0, dx1);
            step.pathWidth = SignalWidthHz(step.pathRate, s.FrequencyGHz);
            step.dxCounted = allSamples || (eA > 0 && eB > 0);
        }
        s.CalcMinute += 1;
        ++steps;
        afterStep(step);
    } while (!done(s.CalcMinute) && steps < maxSteps);
}

// The boxes one libration chart reports its extremes in.
struct ExtremeBox {
    const char* panel;
    const char* firstLine;
    const char* secondLine;
};

struct ResultBoxes {
    ExtremeBox homeMinimum, homeMaximum, dxMinimum, dxMaximum;
    const char* pathMinimum;
    const char* pathMaximum;
};

constexpr ResultBoxes SignalWidthBoxes = {{"Panel2", "Label111", "Label6"},
                                          {"Panel9", "Label119", "Label114"},
                                          {"Panel3", "Label121", "Label113"},
                                          {"Panel169", "Label124", "Label122"},
                                          "Label4",
                                          "Label125"};

constexpr ResultBoxes TimeWindowBoxes = {{"Panel4", "Label5", "Label1"},
                                         {"Panel180", "Label131", "Label129"},
                                         {"Panel5", "Label105", "Label85"},
                                         {"Panel179", "Label128", "Label126"},
                                         "Label112",
                                         "Label132"};

struct DayTrackers {
    WidthTrackers home, dx, path;

    void Count(const LibrationStep& step)
    {
        if (step.homeCounted)
            home.Count(step.homeWidth, step.homeMinute);
        if (step.hasDx && step.dxCounted) {
            dx.Count(step.dxWidth, step.dxMinute);
            path.Count(step.pathWidth, step.dxMinute);
        }
    }
};

QString TwoDigits(int value)
{
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

// "hh:mmz with a signal width of 12.3 Hz"
QString TimeAndWidth(const WidthExtreme& e)
{
    const int minute = static_cast<int>(e.minute);
    return TwoDigits(minute / 60) + ":" + TwoDigits(minute % 60) + "z with a signal width of " +
           FormatFixed(e.width, 4, 1) + " Hz";
}

QString Degrees(double value)
{
    return FormatFixed(value, 6, 2) + QChar(0xB0);
}

// Writes one extreme's box: the time and width, then the body's position for
// the station at that time, looked up in the library.
void WriteExtremeBox(const EphemerisCalls& calls, const AppState& s, Station station,
                     const WidthExtreme& e, const ExtremeBox& box, SweepResult& result)
{
    const int minute = static_cast<int>(e.minute);
    result.texts[box.firstLine] = "Occurs at " + TimeAndWidth(e);
    CallStation(calls, s, station, s.CalcYear, s.CalcMonth, s.CalcDay,
                static_cast<uint16_t>(minute / 60), static_cast<uint16_t>(minute % 60),
                s.LiveSecond, s.TargetIsSun);
    ++result.libraryCalls;
    const double dec = calls.GetDecTopo();
    const double gha = calls.GetGHA();
    const double azimuth = calls.GetAzimuth();
    const double elevation = calls.GetElevation();
    result.texts[box.secondLine] = "Dec " + Degrees(dec) + "  GHA " + Degrees(gha) + "  Azimuth " +
                                   Degrees(azimuth) + "  Elevation " + Degrees(elevation);
}

void WriteResults(const EphemerisCalls& calls, const AppState& s, const DayTrackers& t,
                  const ResultBoxes& boxes, SweepResult& result)
{
    for (const ExtremeBox* box :
         {&boxes.homeMinimum, &boxes.homeMaximum, &boxes.dxMinimum, &boxes.dxMaximum})
        result.shown[box->panel] = true;
    result.shown[boxes.pathMinimum] = true;
    result.shown[boxes.pathMaximum] = true;

    WriteExtremeBox(calls, s, Station::Home, t.home.minimum, boxes.homeMinimum, result);
    WriteExtremeBox(calls, s, Station::Home, t.home.maximum, boxes.homeMaximum, result);
    WriteExtremeBox(calls, s, Station::Dx, t.dx.minimum, boxes.dxMinimum, result);
    WriteExtremeBox(calls, s, Station::Dx, t.dx.maximum, boxes.dxMaximum, result);

    if (s.StationAOnly != 0) {
        result.shown[boxes.dxMinimum.panel] = false;
        result.shown[boxes.dxMaximum.panel] = false;
        result.shown[boxes.pathMinimum] = false;
        result.shown[boxes.pathMaximum] = false;
        return;
    }
    result.texts[boxes.pathMinimum] =
        "Minimum received Libration from Dx Station occurs at " + TimeAndWidth(t.path.minimum);
    result.texts[boxes.pathMaximum] =
        "Maximum received Libration from Dx Station occurs at " + TimeAndWidth(t.path.maximum);
}

bool PastTheDay(int minute)
{
    return minute / 60.0 > 24;
}

constexpr long DayStepLimit = 1440;

int DaysInMonth(int year, int month)
{
    if (month < 1 || month > 12)
        return 31;
    return QDate(year, month, 1).daysInMonth();
}

QString SpacedDate(int day, int month, int year)
{
    return QStringLiteral("%1 / %2 / %3").arg(day).arg(month).arg(year);
}

} // namespace

SweepResult SweepLibrationDay(AppState& s, const EphemerisCalls& calls)
{
    SweepResult result = StartSweep(290);
    result.axes = SetBandAxisRanges(BandIndexForFrequency(s.FrequencyGHz));
    const QString caption = UtcHourCaption(s);
    result.axes.push_back({1, ChartAxis::Bottom, caption, std::nullopt, std::nullopt});
    result.axes.push_back({2, ChartAxis::Bottom, caption, std::nullopt, std::nullopt});
    for (int chart : {1, 2})
        for (int series : {2, 3, 5})
            result.points[SeriesRef{chart, series}];

    DayTrackers trackers;
    RunLibrationSteps(
        s, calls, result, DayStepLimit, PastTheDay, [] {},
        [&](const LibrationStep& step) {
            if (step.homeCounted) {
                Plot(result, 1, 2, step.homeMinute, step.homeRate, PointColour::Red);
                Plot(result, 2, 2, step.homeMinute, step.homeWidth, PointColour::Red);
            }
            if (step.hasDx && step.dxCounted) {
                Plot(result, 1, 3, step.dxMinute, step.dxRate, PointColour::Blue);
                Plot(result, 1, 5, step.dxMinute, step.pathRate, PointColour::Green);
                Plot(result, 2, 3, step.dxMinute, step.dxWidth, PointColour::Blue);
                Plot(result, 2, 5, step.dxMinute, step.pathWidth, PointColour::Green);
            }
            trackers.Count(step);
        });

    WriteResults(calls, s, trackers, SignalWidthBoxes, result);
    result.progress.position = result.progress.maximum;
    s.CalcMinute = 0;
    return result;
}

SweepResult SweepTimeWindow(AppState& s, int progressMaximum, const EphemerisCalls& calls)
{
    SweepResult result = StartSweep(progressMaximum);
    result.axes.push_back({5, ChartAxis::Bottom, UtcHourCaption(s), std::nullopt, std::nullopt});
    for (int series : {0, 1, 2})
        result.points[SeriesRef{5, series}];

    DayTrackers trackers;
    RunLibrationSteps(
        s, calls, result, DayStepLimit, PastTheDay, [] {},
        [&](const LibrationStep& step) {
            if (step.homeCounted)
                Plot(result, 5, 0, step.homeMinute, step.homeWidth, PointColour::Red);
            if (step.hasDx && step.dxCounted) {
                Plot(result, 5, 1, step.dxMinute, step.dxWidth, PointColour::Blue);
                Plot(result, 5, 2, step.dxMinute, step.pathWidth, PointColour::Green);
            }
            trackers.Count(step);
        });

    WriteResults(calls, s, trackers, TimeWindowBoxes, result);
    result.texts["Panel196"] = QString::number(s.StartHour) + " z";
    result.texts["Panel199"] = QString::number(s.EndHour) + " z";
    result.axes.push_back({5, ChartAxis::Bottom, std::nullopt,
                           static_cast<double>(std::min(s.StartHour, s.EndHour)),
                           static_cast<double>(std::max(s.StartHour, s.EndHour))});
    result.progress.position = AdvanceProgress(result.progress, 1000);
    s.CalcMinute = 0;
    return result;
}

SweepResult SweepSevenDays(AppState& s, const EphemerisCalls& calls)
{
    constexpr int WeekMinutes = 7 * 1440;
    SweepResult result = StartSweep(2060);
    result.axes = SetBandAxisRanges(BandIndexForFrequency(s.FrequencyGHz));
    result.axes.push_back(
        {7, ChartAxis::Bottom,
         "Hours since Start Day " + SpacedDate(s.CalcDay, s.CalcMonth, s.CalcYear), std::nullopt,
         std::nullopt});
    for (int series : {2, 3, 5})
        result.points[SeriesRef{7, series}];

    // Later days count on into the following month; past December into
    // January of the next year.
    static const char* const DayLabels[7] = {"Label152", "Label153", "Label157", "Label158",
                                             "Label159", "Label160", "Label161"};
    const int monthDays = DaysInMonth(s.CalcYear, s.CalcMonth);
    result.texts[DayLabels[0]] = SpacedDate(s.CalcDay, s.CalcMonth, s.CalcYear);
    for (int k = 1; k < 7; ++k) {
        const int day = s.CalcDay + k;
        if (day <= monthDays)
            result.texts[DayLabels[k]] = SpacedDate(day, s.CalcMonth, s.CalcYear);
        else if (s.CalcMonth == 12)
            result.texts[DayLabels[k]] = SpacedDate(day - monthDays, 1, s.CalcYear + 1);
        else
            result.texts[DayLabels[k]] = SpacedDate(day - monthDays, s.CalcMonth + 1, s.CalcYear);
    }

    RunLibrationSteps(
        s, calls, result, WeekMinutes, [](int minute) { return minute >= WeekMinutes; },
        [&] { result.progress.position = AdvanceProgress(result.progress, 1); },
        [&](const LibrationStep& step) {
            if (step.homeCounted)
                Plot(result, 7, 2, step.homeMinute, step.homeWidth, PointColour::Red);
            if (step.hasDx && step.dxCounted) {
                Plot(result, 7, 3, step.dxMinute, step.dxWidth, PointColour::Blue);
                Plot(result, 7, 5, step.dxMinute, step.pathWidth, PointColour::Green);
            }
        });

    result.shown["Label146"] = true;
    s.CalcMinute = 0;
    result.progress.position = AdvanceProgress(result.progress, 1000);
    return result;
}

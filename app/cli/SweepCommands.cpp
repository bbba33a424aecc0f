// tavrel-cli day, window, week, elevation, doppler, spatial: the main window's
// charts as reports — the texts of their result boxes, or with --csv every
// plotted point.

#include "SweepCommands.h"

#include "CliSupport.h"
#include "StationOptions.h"

#include "AppState.h"
#include "ChartSet.h"
#include "FormatFixed.h"

#include <algorithm>
#include <cmath>

namespace
{

struct ChartReport {
    const char* command;
    const char* description;
    int kind;
    const char* title;
};

const ChartReport Reports[] = {
    {"day", "Libration rate and signal width over the UTC day, with their minima and maxima.", 1,
     "Libration Rate / Signal Width"},
    {"window",
     "Signal width over the UTC day with its own minima and maxima, shown between the start "
     "and end hours.",
     5, "Signal Width - Time Window"},
    {"week", "Signal width over the calculation day and the six days after it.", 7,
     "Libration over 7 days"},
    {"elevation", "Moon elevation at both stations every 10 minutes.", 3, "Elevation Window"},
    {"doppler", "Each station's own echo Doppler every minute while the Moon is up.", 6, "Doppler"},
    {"spatial", "Spatial offset of both stations every minute while both see the Moon.", 4,
     "Spatial Offset"},
};

// A result box: heading, then its lines (component names).
struct Box {
    const char* panel;
    const char* heading;
    const char* lines[2];
};

const Box DayBoxes[] = {
    {"Panel2", "Home Station Minimum Libration", {"Label111", "Label6"}},
    {"Panel9", "Home Station Maximum Libration", {"Label119", "Label114"}},
    {"Panel3", "Dx Station Minimum Libration", {"Label121", "Label113"}},
    {"Panel169", "Dx Station Maximum Libration", {"Label124", "Label122"}},
    {"Label4", nullptr, {"Label4", nullptr}},
    {"Label125", nullptr, {"Label125", nullptr}},
};

const Box WindowBoxes[] = {
    {"Panel4", "Home Station Minimum Libration", {"Label5", "Label1"}},
    {"Panel180", "Home Station Maximum Libration", {"Label131", "Label129"}},
    {"Panel5", "Dx Station Minimum Libration", {"Label105", "Label85"}},
    {"Panel179", "Dx Station Maximum Libration", {"Label128", "Label126"}},
    {"Label112", nullptr, {"Label112", nullptr}},
    {"Label132", nullptr, {"Label132", nullptr}},
};

const char* const WeekLabels[7] = {"Label152", "Label153", "Label157", "Label158",
                                   "Label159", "Label160", "Label161"};

QString SeriesName(const SeriesRef& ref)
{
    static const char* const who[] = {"Station A", "Station B", "B at A"};
    // Charts 1, 2 and 7 keep home, Dx and B at A in series 2, 3 and 5.
    const bool libration = ref.chart == 1 || ref.chart == 2 || ref.chart == 7;
    const int role = libration ? (ref.series == 2   ? 0
                                  : ref.series == 3 ? 1
                                                    : 2)
                               : std::min(ref.series, 2);
    const char* what = ref.chart == 1   ? "rate"
                       : ref.chart == 3 ? "elevation"
                       : ref.chart == 4 ? "spatial offset"
                       : ref.chart == 6 ? "Doppler"
                                        : "width";
    return QStringLiteral("%1 %2").arg(QString::fromLatin1(who[role]), QString::fromLatin1(what));
}

QString Clock(int minute)
{
    return QStringLiteral("%1:%2")
        .arg(minute / 60, 2, 10, QLatin1Char('0'))
        .arg(minute % 60, 2, 10, QLatin1Char('0'));
}

QString CsvNumber(double value)
{
    if (value == 0)
        return QStringLiteral("0");
    return QString::number(value, 'g', 15);
}

QString Csv(const SweepResult& r)
{
    QString out = QStringLiteral("chart,series,minute,value\n");
    for (const auto& [ref, points] : r.points)
        for (const ChartPoint& p : points)
            out += QStringLiteral("%1,%2,%3,%4\n")
                       .arg(ref.chart)
                       .arg(ref.series)
                       .arg(p.minute)
                       .arg(CsvNumber(p.value));
    return out;
}

QString BoxesText(const SweepResult& r, const Box* boxes, int count)
{
    QString out;
    for (int i = 0; i < count; ++i) {
        const Box& box = boxes[i];
        if (!r.IsShown(box.panel))
            continue;
        if (box.heading)
            out += QString::fromLatin1(box.heading) + u'\n';
        for (const char* line : box.lines)
            if (line)
                out += (box.heading ? QStringLiteral("  ") : QString()) + r.Text(line) + u'\n';
    }
    return out;
}

QString PointsText(const SweepResult& r)
{
    QString out;
    for (const auto& [ref, points] : r.points) {
        out += QStringLiteral("%1: %2 points").arg(SeriesName(ref)).arg(points.size());
        if (!points.empty())
            out += QStringLiteral(", %1 to %2")
                       .arg(Clock(points.front().minute), Clock(points.back().minute));
        out += u'\n';
    }
    return out;
}

QString ReportText(const ChartReport& report, const AppState& s, const SweepResult& r)
{
    QString out = StateSummary(s);
    out += QString::fromLatin1(report.title);
    const int captionChart = report.kind == 1 ? 2 : report.kind;
    if (const auto caption = r.FinalAxis(captionChart, ChartAxis::Bottom).caption)
        out += QStringLiteral(", ") + *caption;
    out += u'\n';
    switch (report.kind) {
    case 1:
        out += BoxesText(r, DayBoxes, std::size(DayBoxes));
        break;
    case 5:
        out += QStringLiteral("Window %1 to %2\n").arg(r.Text("Panel196"), r.Text("Panel199"));
        out += BoxesText(r, WindowBoxes, std::size(WindowBoxes));
        break;
    case 7:
        for (const char* label : WeekLabels)
            out += r.Text(label) + u'\n';
        break;
    case 6:
        out += QStringLiteral("Library frequency %1 MHz\n").arg(FormatFixed(s.FrequencyMHz, 18, 0));
        break;
    case 4:
        if (r.IsShown("Panel178"))
            out += QStringLiteral("Only one Station Selected ... No Spatial off set\n");
        break;
    default:
        break;
    }
    out += PointsText(r);
    return out;
}

int RunReport(const ChartReport& report, const QStringList& arguments)
{
    const QString command = QString::fromLatin1(report.command);
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromLatin1(report.description));
    AddStationOptions(parser);
    parser.addOption({"csv", "Write every plotted point as chart,series,minute,value."});
    if (report.kind == 5)
        parser.addOptions({
            {"start-hour", "First hour shown, 0 to 24 (default: the set-up file).", "H"},
            {"end-hour", "Last hour shown, 0 to 24 (default: the set-up file).", "H"},
        });
    if (!ParseArguments(parser, arguments, command))
        return ExitUsage;

    AppState s;
    if (!PrepareState(s, parser, command))
        return ExitUsage;
    if (report.kind == 5) {
        QString error;
        for (const char* option : {"start-hour", "end-hour"}) {
            if (!parser.isSet(option))
                continue;
            const auto hour = ParseNumber(parser.value(option), 0, 24, error);
            if (!hour || *hour != std::trunc(*hour))
                return UsageError(command, QStringLiteral("--%1: ").arg(option) +
                                               (hour ? QStringLiteral("not a whole hour") : error));
            (QLatin1String(option) == QLatin1String("start-hour") ? s.StartHour : s.EndHour) =
                static_cast<int32_t>(*hour);
        }
    }

    const std::optional<SelectChartResult> r = SelectChart(s, report.kind);
    if (!r)
        return UsageError(command, QStringLiteral("no such chart"));
    PrintOut(parser.isSet("csv") ? Csv(r->sweep) : ReportText(report, s, r->sweep));
    return ExitOk;
}

const ChartReport& ReportNamed(const char* name)
{
    for (const ChartReport& r : Reports)
        if (qstrcmp(r.command, name) == 0)
            return r;
    return Reports[0];
}

} // namespace

int RunDayCommand(const QStringList& arguments)
{
    return RunReport(ReportNamed("day"), arguments);
}

int RunWindowCommand(const QStringList& arguments)
{
    return RunReport(ReportNamed("window"), arguments);
}

int RunWeekCommand(const QStringList& arguments)
{
    return RunReport(ReportNamed("week"), arguments);
}

int RunElevationCommand(const QStringList& arguments)
{
    return RunReport(ReportNamed("elevation"), arguments);
}

int RunDopplerCommand(const QStringList& arguments)
{
    return RunReport(ReportNamed("doppler"), arguments);
}

int RunSpatialCommand(const QStringList& arguments)
{
    return RunReport(ReportNamed("spatial"), arguments);
}

// tavrel-cli planner: the planner table over a range of UTC dates, as text or CSV.

#include "SweepCommands.h"

#include "CliSupport.h"
#include "StationOptions.h"

#include "AppState.h"
#include "PlannerTable.h"

#include <cmath>

namespace
{

const QString Command = QStringLiteral("planner");

// Longest run a report makes: a year of one-minute samples.
constexpr long long MaxSamples = 366LL * 1440;

QString TableText(const PlannerTable& table)
{
    QString out;
    for (int i = 0; i <= table.currentRow && i < static_cast<int>(table.rows.size()); ++i) {
        const PlannerRow& row = table.rows[i];
        if (row.kind == PlannerRowKind::DayLabel) {
            out += row.cells[0].text + u'\n';
            continue;
        }
        QString line;
        for (const PlannerCell& cell : row.cells)
            line += cell.text.rightJustified(9);
        out += (row.kind == PlannerRowKind::Separator ? QString()
                : line.trimmed().isEmpty()            ? QString()
                                                      : line) +
               u'\n';
    }
    return out;
}

QString TableCsv(const PlannerTable& table)
{
    QString out;
    for (int i = 0; i <= table.currentRow && i < static_cast<int>(table.rows.size()); ++i) {
        QStringList cells;
        for (const PlannerCell& cell : table.rows[i].cells)
            cells << cell.text;
        out += cells.join(u',') + u'\n';
    }
    return out;
}

bool LimitOption(const QCommandLineParser& parser, const char* option, long double& field,
                 long double min, long double max)
{
    if (!parser.isSet(option))
        return true;
    QString error;
    const auto value = ParseNumber(parser.value(option), min, max, error);
    if (!value) {
        UsageError(Command, QStringLiteral("--%1: ").arg(option) + error);
        return false;
    }
    field = *value;
    return true;
}

} // namespace

int RunPlannerCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "The planner table from the start of --from to the end of --to (UTC), sampled every "
        "--interval minutes, kept within the elevation and spatial-offset limits. Without a Dx "
        "station (--station-a-only) the Sun's position takes the Dx columns."));
    AddStationOptions(parser);
    parser.addOptions({
        {"from", "First date, UTC.", "YYYY-MM-DD"},
        {"to", "Last date, UTC (default: the first).", "YYYY-MM-DD"},
        {"interval", "Minutes between samples (default: the set-up file; 5 when below 1).", "MIN"},
        {"min-home-el", "Lowest home elevation kept, degrees (default 0).", "DEG"},
        {"max-home-el", "Highest home elevation kept, degrees (default 90).", "DEG"},
        {"min-dx-el", "Lowest Dx elevation kept (default: the set-up file).", "DEG"},
        {"max-dx-el", "Highest Dx elevation kept (default: the set-up file).", "DEG"},
        {"spatial-limit", "Largest spatial offset kept (default: the set-up file).", "DEG"},
        {"below-horizon", "Without a Dx station, keep every sample whatever the elevation."},
        {"home-offset", "Home UTC offset in hours (default: the set-up file).", "H"},
        {"dx-offset", "Dx UTC offset in hours (default: the set-up file).", "H"},
        {"daylight-saving", "Add an hour of daylight saving to the local times."},
        {"decimals", "Decimals of the azimuth and elevation columns (default 2).", "N"},
        {"csv", "Write the table as comma-separated cells."},
    });
    if (!ParseArguments(parser, arguments, Command))
        return ExitUsage;
    AppState s;
    if (!PrepareState(s, parser, Command))
        return ExitUsage;

    const auto fromText = RequiredValue(parser, "from", Command);
    if (!fromText)
        return ExitUsage;
    QString error;
    const auto from = ParseDate(*fromText, error);
    if (!from)
        return UsageError(Command, "--from: " + error);
    auto to = from;
    if (parser.isSet("to")) {
        to = ParseDate(parser.value("to"), error);
        if (!to)
            return UsageError(Command, "--to: " + error);
    }
    if (parser.isSet("interval")) {
        const auto interval = ParseNumber(parser.value("interval"), 1, 100000, error);
        if (!interval || *interval != std::trunc(*interval))
            return UsageError(
                Command, "--interval: " +
                             (interval ? QStringLiteral("not a whole number of minutes") : error));
        s.PlannerIntervalMinutes = static_cast<int32_t>(*interval);
    }
    // As the planner window leaves them when it opens.
    s.TargetIsSun = 0;
    s.PlannerBelowHorizon = parser.isSet("below-horizon") ? 1 : 0;
    s.PlannerMinHomeElevation = 0;
    s.PlannerMaxHomeElevation = 90;
    if (!LimitOption(parser, "min-home-el", s.PlannerMinHomeElevation, -90, 90) ||
        !LimitOption(parser, "max-home-el", s.PlannerMaxHomeElevation, -90, 90) ||
        !LimitOption(parser, "min-dx-el", s.PlannerMinDxElevation, -90, 90) ||
        !LimitOption(parser, "max-dx-el", s.PlannerMaxDxElevation, -90, 90) ||
        !LimitOption(parser, "spatial-limit", s.PlannerSpatialLimit, 0, 90) ||
        !LimitOption(parser, "home-offset", s.HomeUtcOffset, -24, 24) ||
        !LimitOption(parser, "dx-offset", s.DxUtcOffset, -24, 24))
        return ExitUsage;
    if (parser.isSet("decimals")) {
        const auto decimals = ParseNumber(parser.value("decimals"), 0, 18, error);
        if (!decimals || *decimals != std::trunc(*decimals))
            return UsageError(Command,
                              "--decimals: " +
                                  (decimals ? QStringLiteral("not a whole number") : error));
        s.PlannerDecimals = static_cast<int32_t>(*decimals);
    }
    s.DaylightSaving = parser.isSet("daylight-saving") ? 1 : 0;

    const QDate start(from->Year, from->Month, from->Day);
    const QDate end(to->Year, to->Month, to->Day);
    const int interval = s.PlannerIntervalMinutes < 1 ? 5 : s.PlannerIntervalMinutes;
    if ((start.daysTo(end) + 1) * 1440 / interval > MaxSamples)
        return UsageError(Command, QStringLiteral("the range holds more than %1 samples; "
                                                  "shorten it or widen --interval")
                                       .arg(MaxSamples));

    PlannerTable table;
    SetPlannerHeaders(s, table);
    PlanTable(s, table, start, end);
    PrintOut(parser.isSet("csv") ? TableCsv(table) : TableText(table));
    return ExitOk;
}

// The shared options of the chart and planner reports and the program-start
// state they are applied to.

#include "StationOptions.h"

#include "AppState.h"
#include "BandTable.h"
#include "CliSupport.h"
#include "FormatFixed.h"
#include "MessageBoxes.h"
#include "SetupFile.h"

#include <QDateTime>

#include <cmath>
#include <cstdio>

namespace
{

// Messages of the set-up load go to stderr instead of a window.
class StderrMessages : public MessageBoxes
{
public:
    explicit StderrMessages(QString command) : command_(std::move(command)) {}
    Answer Show(Kind, Buttons buttons, const QString& title, const QString& text, QPoint) override
    {
        QString line = QStringLiteral("tavrel-cli %1: %2").arg(command_, QString(SetupFileName));
        if (!title.isEmpty())
            line += QStringLiteral(": ") + title;
        line += QStringLiteral(": ") + QString(text).replace(u'\r', u' ') + u'\n';
        std::fputs(line.toLocal8Bit().constData(), stderr);
        return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
    }

private:
    QString command_;
};

struct Site {
    long double latitude, longitude, height;
};

std::optional<Site> ParseSite(const QString& text, QString& error)
{
    const QStringList parts = text.split(u',');
    if (parts.size() != 3) {
        error = QStringLiteral("'%1' is not LAT,LON,HEIGHT").arg(text);
        return std::nullopt;
    }
    const auto lat = ParseNumber(parts[0].trimmed(), -90, 90, error);
    if (!lat)
        return std::nullopt;
    const auto lon = ParseNumber(parts[1].trimmed(), -180, 180, error);
    if (!lon)
        return std::nullopt;
    const auto height = ParseNumber(parts[2].trimmed(), -1000, 100000, error);
    if (!height)
        return std::nullopt;
    return Site{*lat, *lon, *height};
}

QString Angle(long double value)
{
    return FormatFixed(value, 10, 4);
}

} // namespace

void AddStationOptions(QCommandLineParser& parser)
{
    parser.addOptions({
        {"date", "Calculation date, UTC (default: today).", "YYYY-MM-DD"},
        {"band",
         "Band by its frequency in GHz: 0.432, 1.3, 2.3, 3.4, 5.7, 10.4, 24, 47, 78 or 122.",
         "GHZ"},
        {"home",
         "Home station: latitude, longitude (degrees, north and east positive), height (m).",
         "LAT,LON,HEIGHT"},
        {"dx", "Dx station: latitude, longitude, height.", "LAT,LON,HEIGHT"},
        {"station-a-only", "Use the home station only (\"Stn A only\")."},
        {"all-samples", "Count every sample, not only those with the Moon above the horizon."},
        {"second", "Second of the minute passed to the library (default 0).", "S"},
        {"sun", "Take the Sun as the body for the library's positions."},
        {"refraction", "Elevations with (1) or without (0) refraction (default: the set-up file).",
         "0|1"},
    });
}

bool PrepareState(AppState& s, const QCommandLineParser& parser, const QString& command)
{
    // As the program's start: defaults the set-up file may replace, the file,
    // the band restored from its frequency, then the fixed start values.
    s.PlannerMaxDxElevation = 90.0L;
    s.PlannerMaxHomeElevation = 90.0L;
    s.HomeDishCm = 300;
    s.DxDishCm = 250;
    StderrMessages messages(command);
    SetMessages(&messages);
    const SetupLoadStatus status = LoadSetupAtStart(s);
    SetMessages(nullptr);
    if (status == SetupLoadStatus::Loaded)
        s.SetupLoaded = 1;
    ApplyBand(s, BandIndexForFrequency(s.FrequencyGHz));
    s.TargetIsSun = 0;
    s.StationAOnly = 0;
    s.ShowStationB = 1;
    s.AboveHorizonOnly = 1;
    s.PlannerDecimals = 2;
    s.SweepKind = 1;
    s.LiveSecond = 0;
    const QDate today = QDateTime::currentDateTimeUtc().date();
    s.CalcYear = static_cast<uint16_t>(today.year());
    s.CalcMonth = static_cast<uint16_t>(today.month());
    s.CalcDay = static_cast<uint16_t>(today.day());
    s.CalcHour = 0;
    s.CalcMinute = 0;

    QString error;
    if (parser.isSet("date")) {
        const auto date = ParseDate(parser.value("date"), error);
        if (!date || date->Year < 1 || date->Year > 9999) {
            UsageError(command, "--date: " + (date ? QStringLiteral("year out of range") : error));
            return false;
        }
        s.CalcYear = static_cast<uint16_t>(date->Year);
        s.CalcMonth = static_cast<uint16_t>(date->Month);
        s.CalcDay = static_cast<uint16_t>(date->Day);
    }
    if (parser.isSet("band")) {
        const auto ghz = ParseNumber(parser.value("band"), 0, 1e6L, error);
        const int band = ghz ? BandIndexForFrequency(*ghz) : -1;
        if (band < 0) {
            UsageError(command, "--band: " + (ghz ? QStringLiteral("%1 GHz is not one of the bands")
                                                        .arg(parser.value("band"))
                                                  : error));
            return false;
        }
        ApplyBand(s, band);
    }
    for (const char* option : {"home", "dx"}) {
        if (!parser.isSet(option))
            continue;
        const auto site = ParseSite(parser.value(option), error);
        if (!site) {
            UsageError(command, QStringLiteral("--%1: ").arg(option) + error);
            return false;
        }
        const bool home = QLatin1String(option) == QLatin1String("home");
        (home ? s.HomeLatitude : s.DxLatitude) = site->latitude;
        (home ? s.HomeLongitude : s.DxLongitude) = site->longitude;
        (home ? s.HomeHeightM : s.DxHeightM) = site->height;
    }
    if (parser.isSet("station-a-only")) {
        s.StationAOnly = 1;
        s.ShowStationB = 0;
    }
    if (parser.isSet("all-samples"))
        s.AboveHorizonOnly = 0;
    if (parser.isSet("second")) {
        const auto second = ParseNumber(parser.value("second"), 0, 59, error);
        if (!second || *second != static_cast<int>(*second)) {
            UsageError(command,
                       "--second: " + (second ? QStringLiteral("not a whole second") : error));
            return false;
        }
        s.LiveSecond = static_cast<uint16_t>(*second);
    }
    if (parser.isSet("sun"))
        s.TargetIsSun = 1;
    if (parser.isSet("refraction")) {
        const QString v = parser.value("refraction");
        if (v != QLatin1String("0") && v != QLatin1String("1")) {
            UsageError(command, QStringLiteral("--refraction: '%1' is not 0 or 1").arg(v));
            return false;
        }
        s.RefractionFlag = v == QLatin1String("1") ? 1 : 0;
    }
    // A station read from a damaged file may hold no number at all.
    const bool dx = s.StationAOnly == 0;
    for (long double v : {s.HomeLatitude, s.HomeLongitude, s.HomeHeightM, dx ? s.DxLatitude : 0,
                          dx ? s.DxLongitude : 0, dx ? s.DxHeightM : 0, s.FrequencyGHz}) {
        if (!std::isfinite(v)) {
            UsageError(command, QStringLiteral("the stations or the band of %1 hold no number; "
                                               "give them with --home, --dx and --band")
                                    .arg(QString(SetupFileName)));
            return false;
        }
    }
    return true;
}

QString StateSummary(const AppState& s)
{
    const int band = BandIndexForFrequency(s.FrequencyGHz);
    QString out =
        QStringLiteral("Date %1/%2/%3  Band %4\n")
            .arg(s.CalcDay)
            .arg(s.CalcMonth)
            .arg(s.CalcYear)
            .arg(band >= 0 ? QString::fromLatin1(Bands[band].Caption) : QStringLiteral("none"));
    out +=
        QStringLiteral("Home %1 %2 %3 m\n")
            .arg(Angle(s.HomeLatitude), Angle(s.HomeLongitude), FormatFixed(s.HomeHeightM, 10, 0));
    if (s.StationAOnly == 0)
        out += QStringLiteral("Dx   %1 %2 %3 m\n")
                   .arg(Angle(s.DxLatitude), Angle(s.DxLongitude), FormatFixed(s.DxHeightM, 10, 0));
    return out;
}

// tavrel-cli ephemeris: every quantity of the program's own Moon ephemeris for
// one instant and observer, as the result panels show it.

#include "CliCommands.h"
#include "CliSupport.h"

#include "AppState.h"
#include "EphemerisPanels.h"
#include "FormatFixed.h"
#include "OwnEphemeris.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <QRegularExpression>

#include <algorithm>

namespace
{

const QString Command = QStringLiteral("ephemeris");

QJsonObject PanelsJson(const EphemerisPanelSet& panels, const AppState& s)
{
    QJsonArray panelArray;
    for (const EphemerisPanel& panel : panels) {
        QJsonArray rows;
        for (const EphemerisRow& row : panel.Rows) {
            QJsonArray values, texts;
            for (const EphemerisBox& box : row.Boxes) {
                values.append(box.HasValue ? JsonNumber(box.Value) : QJsonValue(QJsonValue::Null));
                texts.append(box.Text);
            }
            rows.append(
                QJsonObject{{"caption", row.Caption}, {"values", values}, {"texts", texts}});
        }
        panelArray.append(QJsonObject{{"title", panel.Title}, {"rows", rows}});
    }
    return QJsonObject{{"panels", panelArray},
                       {"TopoLibrationLatitude", JsonNumber(s.TopoLibrationLatitude)},
                       {"TopoLibrationLongitude", JsonNumber(s.TopoLibrationLongitude)}};
}

QString PanelsText(const EphemerisPanelSet& panels, const AppState& s)
{
    qsizetype captionWidth = 0;
    for (const EphemerisPanel& panel : panels)
        for (const EphemerisRow& row : panel.Rows)
            captionWidth = std::max(captionWidth, row.Caption.size());

    QString out;
    for (const EphemerisPanel& panel : panels) {
        out += panel.Title.trimmed() + u'\n';
        for (const EphemerisRow& row : panel.Rows) {
            if (row.IsLine) {
                out += QStringLiteral("  ") + LineText(row) + u'\n';
                continue;
            }
            QString line = QStringLiteral("  ") + row.Caption.leftJustified(captionWidth);
            for (const EphemerisBox& box : row.Boxes)
                line += QStringLiteral("  ") + box.Text.rightJustified(22);
            out += line.trimmed().isEmpty() ? QString() : line.remove(QRegularExpression("\\s+$"));
            out += u'\n';
        }
        out += u'\n';
    }
    out += QStringLiteral("TopoLibrationLatitude   %1\n")
               .arg(FormatFixed(s.TopoLibrationLatitude, 18, 15));
    out += QStringLiteral("TopoLibrationLongitude  %1\n")
               .arg(FormatFixed(s.TopoLibrationLongitude, 18, 15));
    return out;
}

} // namespace

int RunEphemerisCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("The program's own Moon ephemeris for one UTC instant and observer: "
                       "time, Sun, Moon, sub-Earth and sub-solar points, illumination, bright "
                       "limb, rotation axis, topocentric corrections and numerical results."));
    parser.addOptions({
        {"date", "UTC date of the calculation.", "YYYY-MM-DD"},
        {"time", "UTC time of the calculation.", "HH:MM"},
        {"lon", "Observer longitude in degrees, east positive (-180 to 180).", "DEG"},
        {"lat", "Observer latitude in degrees, north positive (-90 to 90).", "DEG"},
        {"json", "Write JSON instead of aligned text."},
    });
    if (!ParseArguments(parser, arguments, Command))
        return ExitUsage;

    const auto dateText = RequiredValue(parser, "date", Command);
    if (!dateText)
        return ExitUsage;
    const auto timeText = RequiredValue(parser, "time", Command);
    if (!timeText)
        return ExitUsage;
    const auto lonText = RequiredValue(parser, "lon", Command);
    if (!lonText)
        return ExitUsage;
    const auto latText = RequiredValue(parser, "lat", Command);
    if (!latText)
        return ExitUsage;

    QString error;
    const auto date = ParseDate(*dateText, error);
    if (!date)
        return UsageError(Command, "--date: " + error);
    const auto time = ParseTime(*timeText, error);
    if (!time)
        return UsageError(Command, "--time: " + error);
    const auto lon = ParseNumber(*lonText, -180, 180, error);
    if (!lon)
        return UsageError(Command, "--lon: " + error);
    const auto lat = ParseNumber(*latText, -90, 90, error);
    if (!lat)
        return UsageError(Command, "--lat: " + error);

    AppState s;
    s.CalcYear = static_cast<uint16_t>(date->Year);
    s.CalcMonth = static_cast<uint16_t>(date->Month);
    s.CalcDay = static_cast<uint16_t>(date->Day);
    s.CalcHour = static_cast<uint16_t>(time->Hour);
    s.CalcMinute = static_cast<uint16_t>(time->Minute);
    s.ObserverLongitudeDeg = *lon;
    s.ObserverLongitudeRad = *lon * DegToRad;
    s.ObserverLatitudeDeg = *lat;
    s.ObserverLatitudeRad = *lat * DegToRad;
    ComputeOwnEphemeris(s);

    const EphemerisPanelSet panels = BuildEphemerisPanels(s.Ephemeris);
    if (parser.isSet("json"))
        PrintOut(QString::fromUtf8(
            QJsonDocument(PanelsJson(panels, s)).toJson(QJsonDocument::Indented)));
    else
        PrintOut(PanelsText(panels, s));
    return ExitOk;
}

// tavrel-cli antenna: the antenna figures of the central refresh for one band
// and dish.

#include "CliCommands.h"
#include "CliSupport.h"

#include "AppState.h"
#include "FormatFixed.h"
#include "Recalculate.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace
{

const QString Command = QStringLiteral("antenna");

} // namespace

int RunAntennaCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Wavelength, beam width, Moon diameter, beam-width ratio and its "
                       "correction factor for one band and dish. The Moon diameter is the "
                       "library's mean diameter, as before any Doppler calculation."));
    parser.addOptions({
        {"band", "Frequency in GHz (0 for no band).", "GHZ"},
        {"dish", "Home dish diameter in cm.", "CM"},
        {"dx-dish", "Dx dish diameter in cm (default: the home dish).", "CM"},
        {"json", "Write JSON instead of aligned text."},
    });
    if (!ParseArguments(parser, arguments, Command))
        return ExitUsage;

    const auto bandText = RequiredValue(parser, "band", Command);
    if (!bandText)
        return ExitUsage;
    const auto dishText = RequiredValue(parser, "dish", Command);
    if (!dishText)
        return ExitUsage;

    QString error;
    const auto ghz = ParseNumber(*bandText, 0, 1e6L, error);
    if (!ghz)
        return UsageError(Command, "--band: " + error);
    const auto dish = ParseNumber(*dishText, 0, 1e7L, error);
    if (!dish)
        return UsageError(Command, "--dish: " + error);
    long double dxDish = *dish;
    if (parser.isSet("dx-dish")) {
        const auto value = ParseNumber(parser.value("dx-dish"), 0, 1e7L, error);
        if (!value)
            return UsageError(Command, "--dx-dish: " + error);
        dxDish = *value;
    }

    AppState s;
    s.FrequencyGHz = *ghz;
    s.HomeDishCm = *dish;
    s.DxDishCm = dxDish;
    const RecalculateTexts t = Recalculate(s);
    const StationSummaryTexts summary = ShowStationSummary(s);
    const QString frequency =
        s.FrequencyGHz > 0
            ? summary.Frequency.value_or(FormatFixed(s.FrequencyGHz, 6, 3) + QStringLiteral(" GHz"))
            : QStringLiteral("-");
    const bool known = s.HomeBeamwidthDeg > 0;
    const long double factor = known ? BeamwidthCorrectionFactor(s.BeamwidthRatio) : 0;
    const auto orNull = [](bool have, long double v) {
        return have ? JsonNumber(v) : QJsonValue(QJsonValue::Null);
    };

    if (parser.isSet("json")) {
        const QJsonObject values{
            {"FrequencyGHz", JsonNumber(s.FrequencyGHz)},
            {"WavelengthMm", orNull(s.WavelengthMm > 0, s.WavelengthMm)},
            {"HomeBeamwidthDeg", orNull(known, s.HomeBeamwidthDeg)},
            {"DxBeamwidthDeg", orNull(s.DxBeamwidthDeg > 0, s.DxBeamwidthDeg)},
            {"MoonDiameterArcmin", JsonNumber(s.MoonDiameterArcmin)},
            {"BeamwidthRatio", orNull(known, s.BeamwidthRatio)},
            {"CorrectionFactor", orNull(known, factor)},
        };
        const QJsonObject texts{
            {"Frequency", frequency},
            {"HomeDish", t.HomeDish},
            {"DxDish", t.DxDish},
            {"HomeBeamwidth", t.HomeBeamwidth},
            {"DxBeamwidth", t.DxBeamwidth},
            {"MoonDiameter", t.MoonDiameter},
            {"BeamwidthRatio", t.BeamwidthRatio},
            {"CorrectionFactor", t.CorrectionFactor},
        };
        QJsonObject root = values;
        root.insert("texts", texts);
        PrintOut(QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented)));
        return ExitOk;
    }

    const QString wavelength = s.WavelengthMm > 0
                                   ? FormatFixed(s.WavelengthMm, 10, 4) + QStringLiteral(" mm")
                                   : QStringLiteral("-");
    const QString rows[][2] = {
        {"Frequency", frequency},
        {"Wavelength", wavelength},
        {"Home dish", t.HomeDish},
        {"Home beam width", t.HomeBeamwidth},
        {"Dx dish", t.DxDish},
        {"Dx beam width", t.DxBeamwidth},
        {"Moon diameter", t.MoonDiameter},
        {"Beam width ratio", t.BeamwidthRatio},
        {"Correction factor", t.CorrectionFactor},
    };
    QString out;
    for (const auto& row : rows)
        out += row[0].leftJustified(19) + row[1] + u'\n';
    PrintOut(out);
    return ExitOk;
}

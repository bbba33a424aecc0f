// tavrel-cli setup: the set-up file "Tavrel.DAT" of the current directory,
// loaded by the program's own loader, field by field as the program holds it
// once start-up is done.

#include "CliCommands.h"
#include "CliSupport.h"
#include "InspectSupport.h"

#include "AppState.h"
#include "BandTable.h"
#include "MainControls.h"
#include "SetupFile.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>

#include <vector>

namespace
{

const QString Command = QStringLiteral("setup");

// What start-up does around the load: defaults before it, the Moon, the Dx
// station and the libration chart after it, then the stored band.
void StartUpBeforeLoad(AppState& s)
{
    s.PlannerMaxDxElevation = 90.0L;
    s.PlannerMaxHomeElevation = 90.0L;
    s.HomeDishCm = 300;
    s.DxDishCm = 250;
}

void StartUpAfterLoad(AppState& s)
{
    ChooseHintItem(s, s.HintsSetting);
    s.HintNoChange = 0;
    s.TargetIsSun = 0;
    s.ShowStationB = 1;
    s.SweepKind = 1;
    ApplyBand(s, BandIndexForFrequency(s.FrequencyGHz));
}

QString HintsText(int32_t setting)
{
    return setting >= 0 && setting <= 3 ? QString::fromLatin1(HintItems[setting])
                                        : QStringLiteral("(no such setting)");
}

struct Field {
    const char* Name;
    QString Text;    // for the aligned listing
    QJsonValue Json; // for --json
};

Field TextField(const char* name, const QString& text)
{
    return {name, QuotedText(text), text};
}

Field NumberField(const char* name, long double value)
{
    return {name, ExtendedText(value), ExtendedJson(value)};
}

Field IntField(const char* name, qint64 value)
{
    return {name, QString::number(value), QJsonValue(value)};
}

std::vector<Field> Fields(const AppState& s)
{
    const int band = BandIndexForFrequency(s.FrequencyGHz);
    const QString bandName = band >= 0 ? QString::fromUtf8(Bands[band].Caption) : QString();
    return {
        TextField("HomeCallSign", s.HomeCallSign),
        TextField("HomeLocation", s.HomeLocation),
        TextField("HomeGridSquare", s.HomeGridSquare),
        NumberField("HomeLatitude", s.HomeLatitude),
        NumberField("HomeLongitude", s.HomeLongitude),
        NumberField("HomeHeightM", s.HomeHeightM),
        NumberField("HomeUtcOffset", s.HomeUtcOffset),
        NumberField("HomeDishCm", s.HomeDishCm),
        TextField("DxCallSign", s.DxCallSign),
        TextField("DxLocation", s.DxLocation),
        TextField("DxGridSquare", s.DxGridSquare),
        NumberField("DxLatitude", s.DxLatitude),
        NumberField("DxLongitude", s.DxLongitude),
        NumberField("DxHeightM", s.DxHeightM),
        NumberField("DxUtcOffset", s.DxUtcOffset),
        NumberField("DxDishCm", s.DxDishCm),
        NumberField("FrequencyGHz", s.FrequencyGHz),
        NumberField("FrequencyMHz", s.FrequencyMHz),
        band >= 0 ? TextField("Band", bandName)
                  : Field{"Band", QStringLiteral("(none)"), QJsonValue(QJsonValue::Null)},
        NumberField("PlannerSpatialLimit", s.PlannerSpatialLimit),
        NumberField("PlannerMinDxElevation", s.PlannerMinDxElevation),
        NumberField("PlannerMaxDxElevation", s.PlannerMaxDxElevation),
        IntField("PlannerIntervalMinutes", s.PlannerIntervalMinutes),
        IntField("RefractionFlag", s.RefractionFlag),
        IntField("TargetIsSun", s.TargetIsSun),
        IntField("ShowStationB", s.ShowStationB),
        IntField("StartHour", s.StartHour),
        IntField("EndHour", s.EndHour),
        IntField("HintsSetting", s.HintsSetting),
        TextField("Hints", HintsText(s.HintsSetting)),
        IntField("SweepKind", s.SweepKind),
    };
}

} // namespace

int RunSetupCommand(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Loads \"Tavrel.DAT\" from the current directory with the program's own "
                       "loader and prints every stored field as the program holds it after "
                       "start-up (the Moon as target, the Dx station shown, the libration chart, "
                       "the stored band restored). Texts are printed in double quotes with "
                       "control characters escaped; numbers in the shortest form that reads back "
                       "as the same value, NaN and Infinity included. A missing file, or one "
                       "without a whole record, prints \"File not found\" and exits with 1."));
    parser.addOption({"json", "Write JSON instead of aligned text."});
    if (!ParseArguments(parser, arguments, Command))
        return ExitUsage;
    const bool json = parser.isSet("json");

    CollectedMessages messages;
    AppState s;
    StartUpBeforeLoad(s);
    const SetupLoadStatus status = LoadSetupAtStart(s);
    if (status != SetupLoadStatus::Loaded) {
        const QString message = messages.texts.isEmpty() ? QStringLiteral("File not found")
                                                         : messages.texts.join(u'\n');
        if (json)
            PrintOut(QString::fromUtf8(
                QJsonDocument(QJsonObject{{"ok", false}, {"message", message}}).toJson()));
        else
            PrintOut(message + u'\n');
        return ExitFileRefused;
    }
    StartUpAfterLoad(s);

    const QString path = QDir::toNativeSeparators(FindSetupFile());
    const std::vector<Field> fields = Fields(s);
    if (json) {
        QJsonObject root{{"ok", true}, {"file", path}};
        for (const Field& f : fields)
            root.insert(QLatin1String(f.Name), f.Json);
        PrintOut(QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented)));
        return ExitOk;
    }
    QString out = QStringLiteral("%1%2\n").arg(QStringLiteral("File"), -24).arg(QuotedText(path));
    for (const Field& f : fields)
        out += QStringLiteral("%1%2\n").arg(QLatin1String(f.Name), -24).arg(f.Text);
    PrintOut(out);
    return ExitOk;
}

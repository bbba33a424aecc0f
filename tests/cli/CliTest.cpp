#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>

#include <cmath>

namespace
{

struct CliResult {
    int exitCode = -1;
    QString out, err;
};

CliResult RunCli(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(TAVREL_CLI_PATH), arguments);
    CliResult r;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return r;
    r.exitCode = process.exitCode();
    r.out = QString::fromUtf8(process.readAllStandardOutput());
    r.err = QString::fromUtf8(process.readAllStandardError());
    return r;
}

QJsonObject Json(const CliResult& r)
{
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(r.out.toUtf8(), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    return doc.object();
}

QJsonObject FindRow(const QJsonObject& root, const QString& title, const QString& caption)
{
    for (const QJsonValue& panel : root["panels"].toArray())
        if (panel["title"].toString() == title)
            for (const QJsonValue& row : panel["rows"].toArray())
                if (row["caption"].toString() == caption)
                    return row.toObject();
    return {};
}

const QStringList WorkedExample = {"ephemeris", "--date", "2010-05-16", "--time", "00:00",
                                   "--lon",     "10",     "--lat",      "50",     "--json"};

} // namespace

TEST(CliEphemeris, JsonOfTheWorkedExample)
{
    const CliResult r = RunCli(WorkedExample);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QJsonObject root = Json(r);
    EXPECT_NEAR(root["TopoLibrationLatitude"].toDouble(), -1.8264, 0.00005);
    EXPECT_NEAR(root["TopoLibrationLongitude"].toDouble(), -4.3077, 0.00005);

    QStringList titles;
    for (const QJsonValue& panel : root["panels"].toArray())
        titles << panel["title"].toString();
    EXPECT_EQ(titles,
              (QStringList{"Time", "Sun position", "Moon position",
                           "Selenographic coords of sub-earth point ",
                           "Selenographic coords of sub-solar point ",
                           "Illuminated fraction of Moon", "Moon's illuminated disc",
                           "PA of rotation axis", "Topocentric corrections", "Numerical Results"}));

    struct Case {
        const char *title, *caption;
        int box;
        double value;
        const char* text;
    } cases[] = {
        {"Time", "Days before J2000.0", 1, 2455332.5, "2455332.500000"},
        {"Sun position", "Alpha (Right Ascension)", 0, 52.6951, nullptr},
        {"Moon position", "Right Ascension", 0, 78.7354, "78.7354"},
        {"Selenographic coords of sub-earth point ", "Lo", 0, -4.0507, "-4.0507"},
        {"Illuminated fraction of Moon", "K", 0, 0.0465, "0.0465"},
        {"Topocentric corrections", "db ( libration in latitude)", 0, 0.9064, "0.9064"},
        {"Numerical Results", "Libration in latitude (Bo)", 1, -1.8264, nullptr},
        {"Numerical Results", "Co-longitude of Sun", 0, 298.9234, "298.9234"},
    };
    for (const Case& c : cases) {
        const QJsonObject row = FindRow(root, c.title, c.caption);
        ASSERT_FALSE(row.isEmpty()) << c.caption;
        EXPECT_NEAR(row["values"][c.box].toDouble(), c.value, 0.00005) << c.caption;
        if (c.text) {
            EXPECT_EQ(row["texts"][c.box].toString().toStdString(), c.text) << c.caption;
        }
    }

    // One number per box: null exactly where a box holds no number.
    for (const QJsonValue& panel : root["panels"].toArray())
        for (const QJsonValue& row : panel["rows"].toArray()) {
            const QJsonArray values = row["values"].toArray(), texts = row["texts"].toArray();
            ASSERT_EQ(values.size(), texts.size()) << row["caption"].toString().toStdString();
            for (qsizetype i = 0; i < values.size(); ++i) {
                bool numeric = false;
                texts[i].toString().toDouble(&numeric);
                EXPECT_EQ(values[i].isDouble(), numeric) << row["caption"].toString().toStdString();
            }
        }
    EXPECT_EQ(FindRow(root, "Numerical Results", "Nature of terminator")["texts"][0].toString(),
              "sunrise");
}

TEST(CliEphemeris, TextListsEveryPanel)
{
    QStringList arguments = WorkedExample;
    arguments.removeLast();
    const CliResult r = RunCli(arguments);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    for (const char* expected :
         {"Time", "Sun position", "Moon's illuminated disc", "Numerical Results", "D68 E68  0.919",
          "D85 E85  1.374", "Co-longitude of Sun", "298.9234", "sunrise", "TopoLibrationLatitude",
          "TopoLibrationLongitude"})
        EXPECT_TRUE(r.out.contains(QString::fromUtf8(expected))) << expected;
    EXPECT_FALSE(r.out.contains("nan", Qt::CaseInsensitive));
}

TEST(CliAntenna, Figures)
{
    const CliResult text = RunCli({"antenna", "--band", "1.3", "--dish", "300"});
    ASSERT_EQ(text.exitCode, 0) << text.err.toStdString();
    EXPECT_TRUE(text.out.contains(QString::fromUtf8("5.38°")));
    EXPECT_TRUE(text.out.contains("3.00 M"));
    EXPECT_TRUE(text.out.contains("BWR 0.10"));
    EXPECT_TRUE(text.out.contains("KfA 1.00"));

    const CliResult json =
        RunCli({"antenna", "--band", "10.4", "--dish", "250", "--dx-dish", "300", "--json"});
    ASSERT_EQ(json.exitCode, 0) << json.err.toStdString();
    const QJsonObject root = Json(json);
    EXPECT_NEAR(root["WavelengthMm"].toDouble(), 299.792458 / 10.4, 1e-9);
    EXPECT_NEAR(root["HomeBeamwidthDeg"].toDouble(), 70 * 299.792458 / 10.4 / 2500, 1e-9);
    EXPECT_EQ(root["texts"]["HomeBeamwidth"].toString(), QString::fromUtf8("0.81°"));
    EXPECT_EQ(root["texts"]["Frequency"].toString(), "10.4 GHz");

    // No band: dashes and nulls, never inf or nan.
    const CliResult none = RunCli({"antenna", "--band", "0", "--dish", "300", "--json"});
    ASSERT_EQ(none.exitCode, 0) << none.err.toStdString();
    const QJsonObject noBand = Json(none);
    EXPECT_TRUE(noBand["HomeBeamwidthDeg"].isNull());
    EXPECT_EQ(noBand["texts"]["HomeBeamwidth"].toString(), "-");
    EXPECT_FALSE(none.out.contains("inf", Qt::CaseInsensitive));
    EXPECT_FALSE(none.out.contains("nan", Qt::CaseInsensitive));
}

TEST(Cli, VersionAndHelp)
{
    const CliResult version = RunCli({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out.trimmed(), QStringLiteral("tavrel-cli " TAVREL_VERSION));

    const CliResult help = RunCli({"ephemeris", "--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("--date"));
}

// Bad usage: a message on stderr naming the problem, nothing on stdout, exit 2.
TEST(Cli, UsageErrors)
{
    const QStringList ephemeris = {"ephemeris", "--date", "2010-05-16", "--time", "00:00",
                                   "--lon",     "10",     "--lat",      "50"};
    const auto with = [&](const QString& option, const QString& value) {
        QStringList a = ephemeris;
        a[a.indexOf(option) + 1] = value;
        return a;
    };
    const auto without = [&](const QString& option) {
        QStringList a = ephemeris;
        a.remove(a.indexOf(option), 2);
        return a;
    };
    struct Case {
        QStringList arguments;
        const char* message;
    } cases[] = {
        {{}, "Usage"},
        {{"planets"}, "unknown command 'planets'"},
        {without("--date"), "--date is required"},
        {without("--lat"), "--lat is required"},
        {with("--date", "2010-02-30"), "not a date of the calendar"},
        {with("--date", "16/05/2010"), "YYYY-MM-DD"},
        {with("--date", ""), "YYYY-MM-DD"},
        {with("--time", "24:00"), "not a time of day"},
        {with("--time", "12:60"), "not a time of day"},
        {with("--time", "12h30"), "HH:MM"},
        {with("--lon", "ten"), "not a number"},
        {with("--lon", "nan"), "not a number"},
        {with("--lon", "10,5"), "not a number"},
        {with("--lon", "180.5"), "outside"},
        {with("--lat", "-91"), "outside"},
        {with("--lat", "1e999"), "outside"},
        {ephemeris + QStringList{"--frobnicate"}, "frobnicate"},
        {ephemeris + QStringList{"extra"}, "unexpected argument 'extra'"},
        {{"antenna", "--band", "1.3"}, "--dish is required"},
        {{"antenna", "--band", "-1.3", "--dish", "300"}, "outside"},
        {{"antenna", "--band", "1.3", "--dish", "3 m"}, "not a number"},
    };
    for (const Case& c : cases) {
        const CliResult r = RunCli(c.arguments);
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.message))) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
    }
}

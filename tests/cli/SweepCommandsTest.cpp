#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include "AppState.h"
#include "SetupFile.h"

namespace
{

struct CliRun {
    int exitCode = -1;
    QString out, err;
};

CliRun Cli(const QStringList& arguments, const QString& directory = QString())
{
    QProcess process;
    if (!directory.isEmpty())
        process.setWorkingDirectory(directory);
    process.start(QStringLiteral(TAVREL_CLI_PATH), arguments);
    CliRun r;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return r;
    r.exitCode = process.exitCode();
    r.out = QString::fromUtf8(process.readAllStandardOutput());
    r.err = QString::fromUtf8(process.readAllStandardError());
    return r;
}

QStringList Lines(const QString& text)
{
    return text.split(u'\n', Qt::SkipEmptyParts);
}

const QStringList Stations = {"--date", "2010-05-16",  "--band", "1.3",
                              "--home", "52.2,0.1,50", "--dx",   "40.7,-74,10"};

// A directory holding a set-up file with known stations, band and hours.
class CliWithSetupFile : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        const QString previous = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(dir.path()));
        AppState s;
        s.HomeLatitude = -37.5L;
        s.HomeLongitude = 145.25L;
        s.HomeHeightM = 120;
        s.HomeUtcOffset = 10;
        s.DxLatitude = 51.5L;
        s.DxLongitude = -0.125L;
        s.DxHeightM = 30;
        s.FrequencyGHz = 10.4L;
        s.StartHour = 6;
        s.EndHour = 9;
        s.PlannerIntervalMinutes = 0;
        s.PlannerSpatialLimit = 90;
        s.PlannerMaxDxElevation = 90;
        const bool saved = SaveSetup(s);
        QDir::setCurrent(previous);
        ASSERT_TRUE(saved);
    }
    QTemporaryDir dir;
};

} // namespace

TEST(CliSweeps, BadOptionsExitWith2AndSayWhy)
{
    struct Case {
        QStringList arguments;
        const char* message;
    };
    const Case cases[] = {
        {{"day", "--band", "5"}, "--band"},
        {{"day", "--band", "ten"}, "--band"},
        {{"week", "--home", "91,0,0"}, "--home"},
        {{"doppler", "--dx", "1,2"}, "--dx"},
        {{"elevation", "--date", "2010-02-30"}, "--date"},
        {{"spatial", "--second", "60"}, "--second"},
        {{"window", "--start-hour", "25"}, "--start-hour"},
        {{"window", "--end-hour", "6.5"}, "--end-hour"},
        {{"day", "--refraction", "2"}, "--refraction"},
        {{"day", "--frobnicate"}, "frobnicate"},
        {{"planner"}, "--from"},
        {{"planner", "--from", "16/5/2010"}, "--from"},
        {{"planner", "--from", "2010-05-16", "--interval", "0"}, "--interval"},
        {{"planner", "--from", "2010-05-16", "--to", "2090-05-16", "--interval", "1"}, "range"},
        {{"planner", "--from", "2010-05-16", "--spatial-limit", "-1"}, "--spatial-limit"},
    };
    for (const Case& c : cases) {
        const CliRun r = Cli(c.arguments);
        EXPECT_EQ(r.exitCode, 2) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(c.message))
            << c.arguments.join(' ').toStdString() << ": " << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty()) << c.arguments.join(' ').toStdString();
    }
}

TEST(CliSweeps, CsvHasEveryPlottedPoint)
{
    struct Case {
        QStringList options;
        int points;
    };
    const Case cases[] = {
        {{"day", "--all-samples"}, 6 * 289},
        {{"day", "--all-samples", "--station-a-only"}, 2 * 481},
        {{"window", "--all-samples"}, 3 * 289},
        {{"week", "--all-samples", "--station-a-only"}, 3360},
        {{"elevation", "--all-samples"}, 2 * 145},
    };
    for (const Case& c : cases) {
        const CliRun r = Cli(c.options + Stations + QStringList{"--csv"});
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        const QStringList lines = Lines(r.out);
        ASSERT_FALSE(lines.isEmpty());
        EXPECT_EQ(lines.first(), "chart,series,minute,value");
        EXPECT_EQ(lines.size() - 1, c.points) << c.options.join(' ').toStdString();
        for (const QString& line : lines.mid(1)) {
            const QStringList f = line.split(u',');
            ASSERT_EQ(f.size(), 4) << line.toStdString();
            bool ok = false;
            f[2].toInt(&ok);
            ASSERT_TRUE(ok) << line.toStdString();
            f[3].toDouble(&ok);
            ASSERT_TRUE(ok) << line.toStdString();
            ASSERT_FALSE(f[3].startsWith("-0") && f[3].toDouble() == 0) << line.toStdString();
        }
    }
}

TEST(CliSweeps, ResultBoxTexts)
{
    CliRun r = Cli(QStringList{"day"} + Stations);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    for (const char* text : {"Home Station Minimum Libration", "Dx Station Maximum Libration",
                             "Minimum received Libration from Dx Station occurs at "})
        EXPECT_TRUE(r.out.contains(text)) << text;
    EXPECT_EQ(r.out.count("  Occurs at "), 4);
    EXPECT_EQ(r.out.count("  Dec "), 4);

    r = Cli(QStringList{"day", "--station-a-only"} + Stations);
    EXPECT_EQ(r.out.count("  Occurs at "), 2);
    EXPECT_FALSE(r.out.contains("Dx Station"));

    r = Cli(QStringList{"doppler", "--band", "122"} + Stations.mid(0, 2) + Stations.mid(4));
    EXPECT_TRUE(r.out.contains("Library frequency 30500 MHz")) << r.out.toStdString();

    r = Cli(QStringList{"spatial", "--station-a-only"} + Stations);
    EXPECT_TRUE(r.out.contains("Only one Station Selected ... No Spatial off set"));

    r = Cli(QStringList{"week", "--date", "2011-02-27"});
    EXPECT_TRUE(r.out.contains("28 / 2 / 2011\n1 / 3 / 2011\n")) << r.out.toStdString();
}

TEST_F(CliWithSetupFile, StationsBandAndHoursComeFromTheSetupFile)
{
    CliRun r = Cli({"window", "--date", "2010-05-16"}, dir.path());
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains("Band 10.4 GHz")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("Home -37.5000 145.2500 120 m")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("Dx   51.5000 -0.1250 30 m")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("Window 6 z to 9 z")) << r.out.toStdString();

    // Options replace single values.
    r = Cli(
        {"window", "--date", "2010-05-16", "--home", "1,2,3", "--end-hour", "12", "--band", "24"},
        dir.path());
    EXPECT_TRUE(r.out.contains("Home 1.0000 2.0000 3 m")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("Dx   51.5000 -0.1250 30 m"));
    EXPECT_TRUE(r.out.contains("Window 6 z to 12 z"));
    EXPECT_TRUE(r.out.contains("Band 24 GHz"));
}

TEST_F(CliWithSetupFile, PlannerTable)
{
    // The stored interval of 0 samples every 5 minutes; the home offset of
    // +10 h puts 22:00 UTC at 08:00 the next local day.
    CliRun r = Cli({"planner", "--from", "2010-05-16", "--to", "2010-05-17", "--station-a-only",
                    "--below-horizon", "--csv"},
                   dir.path());
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 1 + 2 + 2 * 288);
    EXPECT_TRUE(lines[0].startsWith("UTC,Local,HmAz,HmEl,Dec,GHA,HM-HM,LibHm,dB,,SunAz,SunEl"));
    EXPECT_TRUE(lines[1].startsWith("Sunday 16/5/2010,"));
    EXPECT_TRUE(lines[2 + 288].startsWith("Monday 17/5/2010,"));
    EXPECT_TRUE(r.out.contains("\n2200,+0800,")) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("\n1000,2000,"));

    // Two stations: only rows within the limits, each with all sixteen cells.
    r = Cli({"planner", "--from", "2010-05-16", "--interval", "10", "--csv"}, dir.path());
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    ASSERT_GT(Lines(r.out).size(), 10); // the Moon is up at both for a few hours
    for (const QString& line : Lines(r.out).mid(2)) {
        const QStringList cells = line.split(u',');
        ASSERT_EQ(cells.size(), 16);
        if (cells[0].isEmpty())
            continue; // a separator
        for (const QString& cell : cells)
            EXPECT_FALSE(cell.isEmpty()) << line.toStdString();
        EXPECT_GE(cells[3].toDouble(), 0);
        EXPECT_GE(cells[11].toDouble(), 0);
        EXPECT_LE(std::abs(cells[8].toDouble()), 90);
    }
}

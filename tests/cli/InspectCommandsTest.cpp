// tavrel-cli setup and stations run on files an operator might be handed:
// good ones, damaged ones and ones built to do harm.

#include "ExtendedCodec.h"
#include "GridIniFile.h"
#include "SetupRecord.h"
#include "StationDatabase.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <cstring>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace
{

namespace L = SetupRecordLayout;

struct CliRun {
    int exitCode = -1; // the signal number, negated, when the program was killed
    QString out;
    QString err;
};

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

// Runs tavrel-cli in `dir` with its output caught in files.
CliRun RunCli(const QString& dir, const QStringList& arguments)
{
    const QByteArray outPath = QDir(dir).filePath(".out").toLocal8Bit();
    const QByteArray errPath = QDir(dir).filePath(".err").toLocal8Bit();
    std::vector<QByteArray> args{QByteArray(TAVREL_CLI_PATH)};
    for (const QString& a : arguments)
        args.push_back(a.toLocal8Bit());
    std::vector<char*> argv;
    for (QByteArray& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    const pid_t pid = fork();
    if (pid == 0) {
        const int out = open(outPath.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = open(errPath.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (out < 0 || err < 0 || chdir(dir.toLocal8Bit().constData()) != 0)
            _exit(127);
        dup2(out, 1);
        dup2(err, 2);
        execv(argv[0], argv.data());
        _exit(127);
    }
    CliRun run;
    int status = 0;
    if (pid > 0 && waitpid(pid, &status, 0) == pid)
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
    run.out = QString::fromUtf8(ReadAll(QString::fromLocal8Bit(outPath)));
    run.err = QString::fromUtf8(ReadAll(QString::fromLocal8Bit(errPath)));
    QFile::remove(QString::fromLocal8Bit(outPath));
    QFile::remove(QString::fromLocal8Bit(errPath));
    return run;
}

QJsonObject Json(const CliRun& run)
{
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(run.out.toUtf8(), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << run.out.toStdString();
    return doc.object();
}

QByteArray Fixture(const char* path)
{
    return ReadAll(QStringLiteral(TAVREL_TEST_DATA "/") + QLatin1String(path));
}

// ---------------------------------------------------------------------------
// setup

QByteArray Record(const SetupRecord& r)
{
    return QByteArray(reinterpret_cast<const char*>(r.data()), SetupRecordSize);
}

SetupRecord RecordOf(const QByteArray& bytes)
{
    SetupRecord r{};
    std::memcpy(r.data(), bytes.constData(), SetupRecordSize);
    return r;
}

void PutBytes(SetupRecord& r, int offset, std::initializer_list<uint8_t> bytes)
{
    for (uint8_t b : bytes)
        r[offset++] = b;
}

void PutInt(SetupRecord& r, int offset, int32_t v)
{
    std::memcpy(r.data() + offset, &v, 4);
}

TEST(SetupCommand, PrintsTheFieldsAsTheProgramHoldsThemAfterStartUp)
{
    const QByteArray reference = Fixture("setup/reference.dat");
    ASSERT_EQ(reference.size(), SetupRecordSize);

    SetupRecord second = RecordOf(reference);
    EncodeExtended(48, second.data() + L::FrequencyGHz);
    second[L::HomeCallSign] = 3;
    PutBytes(second, L::HomeCallSign + 1, {'W', '1', 'X'});
    PutInt(second, L::HintsSetting, 7);

    struct Case {
        const char* name;
        QByteArray file;
        const char* fileName;
        QJsonObject expected;
    };
    const Case cases[] = {
        {"the reference record, stored Sun, hidden Dx and chart 4 undone by start-up",
         reference,
         "Tavrel.DAT",
         {{"HomeCallSign", "VK3ABC"},
          {"HomeLocation", QString::fromUtf8("Melbourne é€")},
          {"HomeGridSquare", "QF22le"},
          {"DxCallSign", "G4XYZ"},
          {"DxLocation", "London"},
          {"DxGridSquare", "IO91wm"},
          {"HomeLatitude", -37.8125},
          {"HomeUtcOffset", 9.75},
          {"DxLongitude", -0.125},
          {"DxUtcOffset", -5},
          {"FrequencyGHz", 10.368},
          {"FrequencyMHz", 0},
          {"Band", QJsonValue::Null},
          {"PlannerSpatialLimit", 20},
          {"PlannerMinDxElevation", 5},
          {"PlannerMaxDxElevation", 85},
          {"HomeDishCm", 300},
          {"DxDishCm", 250},
          {"RefractionFlag", 1},
          {"TargetIsSun", 0},
          {"ShowStationB", 1},
          {"StartHour", 3},
          {"EndHour", 21},
          {"PlannerIntervalMinutes", 10},
          {"HintsSetting", 2},
          {"Hints", "2 seconds"},
          {"SweepKind", 1}}},
        {"two records and a stray tail: the second record, in a file named in lower case",
         reference + Record(second) + QByteArray(100, '\x7f'),
         "tavrel.dat",
         {{"HomeCallSign", "W1X"},
          {"FrequencyGHz", 47},
          {"FrequencyMHz", 47088},
          {"Band", "47 GHz"},
          {"HintsSetting", 7},
          {"Hints", "(no such setting)"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        WriteAll(dir.filePath(QLatin1String(c.fileName)), c.file);
        const CliRun run = RunCli(dir.path(), {"setup", "--json"});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QJsonObject got = Json(run);
        EXPECT_EQ(got.value("ok"), QJsonValue(true));
        EXPECT_TRUE(got.value("file").toString().endsWith(QLatin1String(c.fileName)));
        for (auto it = c.expected.begin(); it != c.expected.end(); ++it)
            EXPECT_EQ(got.value(it.key()), it.value()) << it.key().toStdString();
    }
}

TEST(SetupCommand, MissingOrIncompleteFilesAreNotFound)
{
    const QByteArray reference = Fixture("setup/reference.dat");
    const QByteArray files[] = {QByteArray(), reference.left(SetupRecordSize - 1)};
    for (const QByteArray& file : files) {
        SCOPED_TRACE(file.size());
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        if (!file.isEmpty())
            WriteAll(dir.filePath("Tavrel.DAT"), file);
        const CliRun text = RunCli(dir.path(), {"setup"});
        EXPECT_EQ(text.exitCode, 1);
        EXPECT_EQ(text.out, QStringLiteral("File not found\n"));
        const CliRun json = RunCli(dir.path(), {"setup", "--json"});
        EXPECT_EQ(json.exitCode, 1);
        EXPECT_EQ(Json(json).value("message"), QJsonValue("File not found"));
    }
    // A folder of that name is no set-up file either.
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("Tavrel.DAT"));
    EXPECT_EQ(RunCli(dir.path(), {"setup"}).exitCode, 1);
}

TEST(SetupCommand, HostileBytesPrintSafelyAndExactly)
{
    SetupRecord r{};
    // Length bytes far beyond the capacities: the texts are cut to them.
    r[L::HomeLocation] = 0xFF;
    for (int i = 1; i <= 15; ++i)
        r[L::HomeLocation + i] = uint8_t('a' + i - 1);
    r[L::DxCallSign] = 0xC8;
    std::memset(r.data() + L::DxCallSign + 1, 'Z', 8);
    // Control characters that could upset a terminal or split the listing.
    r[L::HomeCallSign] = 5;
    PutBytes(r, L::HomeCallSign + 1, {0x1B, '[', '2', 'J', '\n'});
    r[L::DxLocation] = 3;
    PutBytes(r, L::DxLocation + 1, {'"', '\\', 0x81});
    // NaN, the smallest subnormal (shortest text 4e-4951), an infinity, an unnormal and the largest value.
    PutBytes(r, L::HomeLatitude, {0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x7F});
    PutBytes(r, L::HomeLongitude, {1, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    PutBytes(r, L::HomeDishCm, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0xFF});
    PutBytes(r, L::DxHeightM, {0, 0, 0, 0, 0, 0, 0, 0x40, 0xFF, 0x3F});
    PutBytes(r, L::DxDishCm, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0x7F});
    PutInt(r, L::StartHour, INT32_MIN);
    PutInt(r, L::PlannerIntervalMinutes, -5);

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    WriteAll(dir.filePath("Tavrel.DAT"), Record(r));

    const CliRun json = RunCli(dir.path(), {"setup", "--json"});
    ASSERT_EQ(json.exitCode, 0) << json.err.toStdString();
    const QJsonObject got = Json(json);
    const std::pair<const char*, QJsonValue> expected[] = {
        {"HomeLocation", "abcdefghijklmno"},
        {"DxCallSign", "ZZZZZZZZ"},
        {"HomeCallSign", QStringLiteral("\x1b[2J\n")},
        {"DxLocation", QStringLiteral("\"\\\u0081")},
        {"HomeLatitude", "NaN"},
        {"HomeLongitude", "4e-4951"},
        {"HomeDishCm", "-Infinity"},
        {"DxHeightM", "NaN"},
        {"DxDishCm", "1.189731495357231765e+4932"},
        {"StartHour", double(INT32_MIN)},
        {"PlannerIntervalMinutes", -5},
    };
    for (const auto& [name, value] : expected)
        EXPECT_EQ(got.value(QLatin1String(name)), value) << name;

    const CliRun text = RunCli(dir.path(), {"setup"});
    ASSERT_EQ(text.exitCode, 0);
    const QStringList lines = text.out.split(u'\n', Qt::SkipEmptyParts);
    // One line per field and the file's, nothing split, nothing raw.
    EXPECT_EQ(lines.size(), got.size() - 1);
    EXPECT_FALSE(text.out.contains(QChar(0x1B)));
    EXPECT_TRUE(lines.contains(QStringLiteral("HomeCallSign            \"\\x1b[2J\\n\"")))
        << text.out.toStdString();
    EXPECT_TRUE(lines.contains(QStringLiteral("DxLocation              \"\\\"\\\\\\u0081\"")));
    EXPECT_TRUE(lines.contains(QStringLiteral("HomeLatitude            NaN")));
    EXPECT_TRUE(
        lines.contains(QStringLiteral("HomeLongitude           4e-4951")));
}

// ---------------------------------------------------------------------------
// stations

QByteArray StationListFile()
{
    GridModel grid;
    ResetToEmptyDatabase(grid);
    grid.SetSize(StationColumn::Count, FirstUserRow + 3);
    const QStringList titles = {"Location", "Call", "UTC",   "Grid",  "Height", "LatD", "LatM",
                                "LatS",     "NS",   "LongD", "LongM", "LongS",  "EW"};
    for (int c = 0; c < titles.size(); ++c)
        grid.SetText(c, 0, titles[c]);
    grid.SetText(0, 1, QStringLiteral("Australia"));
    grid.SetText(1, 1, QStringLiteral("VK,VL"));
    grid.SetNumber(2, 1, 10);
    grid.SetText(0, 2, QStringLiteral("England"));
    grid.SetText(1, 2, QStringLiteral("G,M"));
    grid.SetText(0, FirstUserRow, QStringLiteral("Two\r\nLines\tand tab"));
    grid.SetText(1, FirstUserRow, QStringLiteral("VK3ABC"));
    grid.SetNumber(4, FirstUserRow, 2.5);
    return GridToIniBytes(grid);
}

TEST(StationsCommand, PrintsTheSizeAndEveryRowWithText)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // The default name is found whatever its case.
    WriteAll(dir.filePath("dravikdxcc.INI"), StationListFile());

    const CliRun text = RunCli(dir.path(), {"stations"});
    ASSERT_EQ(text.exitCode, 0) << text.out.toStdString() << text.err.toStdString();
    const QStringList lines = text.out.split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 6) << text.out.toStdString();
    EXPECT_TRUE(lines[0].startsWith(QLatin1String("File \"")) &&
                lines[0].endsWith("dravikdxcc.INI\""));
    EXPECT_EQ(lines[1], QStringLiteral("Size 13 columns, 463 rows (fixed: 1 columns, 1 rows)"));
    EXPECT_TRUE(lines[2].startsWith(QLatin1String("0\t\"Location\"\t\"Call\"")));
    EXPECT_EQ(lines[3], QStringLiteral("1\t\"Australia\"\t\"VK,VL\"\t\"10\"") +
                            QStringLiteral("\t\"\"").repeated(10));
    EXPECT_EQ(lines[5],
              QStringLiteral("460\t\"Two\\r\\nLines\\tand tab\"\t\"VK3ABC\"\t\"\"\t\"\"\t\"2.5\"") +
                  QStringLiteral("\t\"\"").repeated(8));

    const CliRun json = RunCli(dir.path(), {"stations", "--json", "dravikdxcc.INI"});
    ASSERT_EQ(json.exitCode, 0);
    const QJsonObject got = Json(json);
    EXPECT_EQ(got.value("columns"), QJsonValue(13));
    EXPECT_EQ(got.value("rows"), QJsonValue(FirstUserRow + 3));
    EXPECT_EQ(got.value("version"), QJsonValue(34409));
    const QJsonArray stations = got.value("stations").toArray();
    ASSERT_EQ(stations.size(), 4);
    EXPECT_EQ(stations[3].toObject().value("row"), QJsonValue(FirstUserRow));
    EXPECT_EQ(stations[3].toObject().value("cells").toArray()[0],
              QJsonValue("Two\r\nLines\tand tab"));
}

TEST(StationsCommand, FindSelectsTheRowOfTheFastFind)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    WriteAll(dir.filePath("list.ini"), StationListFile());
    struct Case {
        const char* find;
        int exitCode;
        QJsonValue row;
        const char* lastLine;
    };
    const Case cases[] = {
        {"vl", 0, 1, "1\t\"Australia\""},
        {"england", 0, 2, "2\t\"England\""},
        {"VK3ABC", 0, FirstUserRow, "460\t\"Two"},
        {"v k 3", 1, QJsonValue::Null, "Not found"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.find);
        const CliRun text = RunCli(dir.path(), {"stations", "list.ini", "--find", c.find});
        EXPECT_EQ(text.exitCode, c.exitCode);
        const QStringList lines = text.out.split(u'\n', Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), 3) << text.out.toStdString();
        EXPECT_TRUE(lines[2].startsWith(QLatin1String(c.lastLine))) << lines[2].toStdString();

        const CliRun json = RunCli(dir.path(), {"stations", "list.ini", "--json", "--find", c.find});
        EXPECT_EQ(json.exitCode, c.exitCode);
        const QJsonValue found = Json(json).value("found");
        EXPECT_EQ(found.isNull() ? QJsonValue(QJsonValue::Null) : found.toObject().value("row"),
                  c.row);
    }
}

TEST(StationsCommand, RefusedOrMissingFilesGiveTheProgramsMessage)
{
    struct Case {
        const char* name;
        QByteArray file; // empty: no file at all
        const char* message;
    };
    const Case cases[] = {
        {"no file", {}, "File not found: \"list.ini\""},
        {"a size claim beyond the limits",
         "[Grid]\r\nAbsoluteColCount=13\r\nAbsoluteRowCount=999999999999\r\n",
         "is beyond what a station list can be"},
        {"a cell outside the claimed size",
         "[Grid]\r\nAbsoluteColCount=13\r\nAbsoluteRowCount=3\r\n[Value]\r\n0 3=100x\r\n",
         "Grid index out of range"},
        {"a cell key that is no number", "[Value]\r\nx 1=100x\r\n", "does not start with a valid"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        if (!c.file.isEmpty())
            WriteAll(dir.filePath("list.ini"), c.file);
        const CliRun text = RunCli(dir.path(), {"stations", "list.ini"});
        EXPECT_EQ(text.exitCode, 1);
        EXPECT_TRUE(text.out.contains(QLatin1String(c.message))) << text.out.toStdString();
        const CliRun json = RunCli(dir.path(), {"stations", "list.ini", "--json"});
        EXPECT_EQ(json.exitCode, 1);
        EXPECT_TRUE(Json(json).value("message").toString().contains(QLatin1String(c.message)));
    }
}

TEST(StationsCommand, OldAndForeignFilesLoadWithNotesOnStandardError)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const CliRun foreign = RunCli(
        dir.path(), {"stations", QStringLiteral(TAVREL_TEST_DATA "/grid/foreign-no-bom.ini")});
    ASSERT_EQ(foreign.exitCode, 0) << foreign.out.toStdString();
    EXPECT_TRUE(foreign.out.contains(QStringLiteral("Size 3 columns, 4 rows")));
    EXPECT_TRUE(foreign.out.contains(QStringLiteral("1\t\"First\\r\\nSecond\"\t\"37\"\t\"2.5\"")))
        << foreign.out.toStdString();

    // A single-byte file of an older edition whose locale number cannot be read.
    const CliRun old =
        RunCli(dir.path(),
               {"stations", QStringLiteral(TAVREL_TEST_DATA "/grid/old-dotnet-single-byte.ini"),
                "--json"});
    ASSERT_EQ(old.exitCode, 0) << old.out.toStdString();
    const QJsonObject got = Json(old);
    EXPECT_EQ(got.value("columns"), QJsonValue(2));
    EXPECT_FALSE(got.value("warnings").toArray().isEmpty());
    EXPECT_TRUE(old.err.contains(QLatin1String("Check your system locale:")));
}

} // namespace

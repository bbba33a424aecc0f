#include "SetupFile.h"

#include "../components/WorkingDirFixture.h"
#include "ExtendedCodec.h"
#include "MessageBoxes.h"
#include "SetupRecord.h"

#include "../components/QStringPrinter.h"
#include <QDir>
#include <QRandomGenerator>
#include <cmath>
#include <csignal>

#include <gtest/gtest.h>
#include <sys/resource.h>

namespace
{

namespace L = SetupRecordLayout;
using MB = MessageBoxes;

QByteArray Fixture(const char* name)
{
    QFile f(QStringLiteral(TAVREL_TEST_DATA "/setup/") + QString::fromLatin1(name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

// A state with a distinct value in every stored field.
AppState Distinct()
{
    AppState s;
    s.HomeLatitude = -37.8125L;
    s.HomeLongitude = 144.9583333L;
    s.HomeHeightM = 123;
    s.HomeUtcOffset = 9.75L;
    s.DxLatitude = 51.5L;
    s.DxLongitude = -0.125L;
    s.DxHeightM = 45;
    s.DxUtcOffset = -5;
    s.FrequencyGHz = 10.368L;
    s.PlannerSpatialLimit = 20;
    s.PlannerMinDxElevation = 5;
    s.PlannerMaxDxElevation = 85;
    s.HomeDishCm = 300;
    s.DxDishCm = 250;
    s.RefractionFlag = 1;
    s.TargetIsSun = 1;
    s.ShowStationB = 0;
    s.HomeLocation = QString::fromUtf8("Melbourne é€");
    s.DxLocation = "London";
    s.HomeCallSign = "VK3ABC";
    s.DxCallSign = "G4XYZ";
    s.HomeGridSquare = "QF22le";
    s.DxGridSquare = "IO91wm";
    s.StartHour = 3;
    s.EndHour = 21;
    s.PlannerIntervalMinutes = 10;
    s.HintsSetting = 2;
    s.SweepKind = 4;
    return s;
}

void ExpectSameStoredFields(const AppState& a, const AppState& b)
{
    const auto same = [](long double x, long double y) {
        return (std::isnan(x) && std::isnan(y)) || (x == y && std::signbit(x) == std::signbit(y));
    };
    EXPECT_TRUE(same(a.HomeLatitude, b.HomeLatitude));
    EXPECT_TRUE(same(a.HomeLongitude, b.HomeLongitude));
    EXPECT_TRUE(same(a.HomeHeightM, b.HomeHeightM));
    EXPECT_TRUE(same(a.HomeUtcOffset, b.HomeUtcOffset));
    EXPECT_TRUE(same(a.DxLatitude, b.DxLatitude));
    EXPECT_TRUE(same(a.DxLongitude, b.DxLongitude));
    EXPECT_TRUE(same(a.DxHeightM, b.DxHeightM));
    EXPECT_TRUE(same(a.DxUtcOffset, b.DxUtcOffset));
    EXPECT_TRUE(same(a.FrequencyGHz, b.FrequencyGHz));
    EXPECT_TRUE(same(a.PlannerSpatialLimit, b.PlannerSpatialLimit));
    EXPECT_TRUE(same(a.PlannerMinDxElevation, b.PlannerMinDxElevation));
    EXPECT_TRUE(same(a.PlannerMaxDxElevation, b.PlannerMaxDxElevation));
    EXPECT_TRUE(same(a.HomeDishCm, b.HomeDishCm));
    EXPECT_TRUE(same(a.DxDishCm, b.DxDishCm));
    EXPECT_EQ(a.RefractionFlag, b.RefractionFlag);
    EXPECT_EQ(a.TargetIsSun, b.TargetIsSun);
    EXPECT_EQ(a.ShowStationB, b.ShowStationB);
    EXPECT_EQ(a.HomeLocation, b.HomeLocation);
    EXPECT_EQ(a.DxLocation, b.DxLocation);
    EXPECT_EQ(a.HomeCallSign, b.HomeCallSign);
    EXPECT_EQ(a.DxCallSign, b.DxCallSign);
    EXPECT_EQ(a.HomeGridSquare, b.HomeGridSquare);
    EXPECT_EQ(a.DxGridSquare, b.DxGridSquare);
    EXPECT_EQ(a.StartHour, b.StartHour);
    EXPECT_EQ(a.EndHour, b.EndHour);
    EXPECT_EQ(a.PlannerIntervalMinutes, b.PlannerIntervalMinutes);
    EXPECT_EQ(a.HintsSetting, b.HintsSetting);
    EXPECT_EQ(a.SweepKind, b.SweepKind);
}

class SetupFile : public WorkingDirFixture
{
protected:
    ScopedScriptedMessages scripted;

    std::vector<QString> Texts() const
    {
        std::vector<QString> t;
        for (const auto& s : scripted.boxes.shown)
            t.push_back(s.text);
        return t;
    }
};

// The record built by hand in tests/data/setup/make_reference.py.
TEST_F(SetupFile, ReadsEveryFieldAtItsOffset)
{
    const QByteArray reference = Fixture("reference.dat");
    ASSERT_EQ(reference.size(), SetupRecordSize);
    WriteFile("Tavrel.DAT", reference);
    AppState s;
    ASSERT_EQ(LoadSetupAtStart(s), SetupLoadStatus::Loaded);
    ExpectSameStoredFields(s, Distinct());
    EXPECT_TRUE(Texts().empty());
}

TEST_F(SetupFile, SaveThenLoadGivesBackEveryByteIncludingReservedFields)
{
    const QByteArray reference = Fixture("reference.dat");
    WriteFile("Tavrel.DAT", reference);
    AppState s;
    ASSERT_EQ(LoadSetupAtStart(s), SetupLoadStatus::Loaded);
    ASSERT_TRUE(SaveSetup(s));
    EXPECT_EQ(ReadFile("Tavrel.DAT"), reference);

    AppState again;
    ASSERT_EQ(LoadSetupForWindow(again), SetupLoadStatus::Loaded);
    ExpectSameStoredFields(again, s);
    EXPECT_EQ(again.SetupBuffer, s.SetupBuffer);
}

TEST_F(SetupFile, SaveWritesTheCurrentValuesAndZeroReservedFieldsWithoutALoad)
{
    AppState s = Distinct();
    ASSERT_TRUE(SaveSetup(s));
    ASSERT_TRUE(QFile::exists("Tavrel.dat"));
    QByteArray expected = Fixture("reference.dat");
    // Without a load the reserved fields and the padding byte hold zero.
    for (int i = L::Reserved100; i < L::Reserved100 + 20; ++i)
        expected[i] = 0;
    for (int i = L::Reserved160; i < L::Reserved160 + 60; ++i)
        expected[i] = 0;
    expected[L::Padding287] = 0;
    for (int i = L::Reserved308; i < SetupRecordSize; ++i)
        expected[i] = 0;
    EXPECT_EQ(ReadFile("Tavrel.dat"), expected);
    EXPECT_EQ(Texts(), std::vector<QString>{"The Home Set up Data File has been updated."});
    EXPECT_EQ(scripted.boxes.shown[0].kind, MB::Kind::Information);
}

TEST_F(SetupFile, TheLastWholeRecordWinsAndTrailingBytesAreIgnored)
{
    const QByteArray first = Fixture("reference.dat");
    AppState other = Distinct();
    other.HomeCallSign = "W1AW";
    other.FrequencyGHz = 1.296L;
    SetupRecord r{};
    FillSetupRecord(other, r);
    const QByteArray second(reinterpret_cast<const char*>(r.data()), SetupRecordSize);

    struct Case {
        QByteArray file;
        QString callSign;
    } cases[] = {
        {first + second, "W1AW"},                   // 656 bytes
        {first + second.left(72), "VK3ABC"},        // 400 bytes
        {first + second + first.left(327), "W1AW"}, // a record less one byte at the end
    };
    for (const Case& c : cases) {
        WriteFile("Tavrel.DAT", c.file);
        AppState s;
        ASSERT_EQ(LoadSetupAtStart(s), SetupLoadStatus::Loaded) << c.file.size();
        EXPECT_EQ(s.HomeCallSign, c.callSign) << c.file.size();
    }
}

TEST_F(SetupFile, AMissingOrIncompleteFileChangesNothing)
{
    for (const qsizetype size : {qsizetype(-1), qsizetype(0), qsizetype(100), qsizetype(327)}) {
        QFile::remove("Tavrel.DAT");
        if (size >= 0)
            WriteFile("Tavrel.DAT", Fixture("reference.dat").left(size));
        scripted.boxes.shown.clear();
        AppState s;
        s.HomeDishCm = 300;
        s.DxDishCm = 250;
        s.PlannerMaxDxElevation = 90;
        s.HomeCallSign = "KEEP";
        const std::array<uint8_t, SetupRecordSize> buffer = s.SetupBuffer;
        EXPECT_EQ(LoadSetupAtStart(s), SetupLoadStatus::NotFound) << size;
        EXPECT_EQ(s.HomeDishCm, 300);
        EXPECT_EQ(s.DxDishCm, 250);
        EXPECT_EQ(s.PlannerMaxDxElevation, 90);
        EXPECT_EQ(s.HomeCallSign, "KEEP");
        EXPECT_EQ(s.SetupBuffer, buffer);
        EXPECT_EQ(Texts(), std::vector<QString>{"File not found"}) << size;
        EXPECT_EQ(scripted.boxes.shown[0].kind, MB::Kind::Warning);
        EXPECT_EQ(LoadSetupForWindow(s), SetupLoadStatus::NotFound);
        EXPECT_EQ(s.HomeCallSign, "KEEP");
    }
}

TEST_F(SetupFile, TheFileIsFoundAndReplacedWhateverTheCaseOfItsName)
{
    WriteFile("TAVREL.dat", Fixture("reference.dat"));
    AppState s;
    ASSERT_EQ(LoadSetupAtStart(s), SetupLoadStatus::Loaded);
    EXPECT_EQ(s.HomeCallSign, "VK3ABC");
    s.HomeCallSign = "VK3NEW";
    ASSERT_TRUE(SaveSetup(s));
    // The existing file is replaced, not shadowed by a second one of another case.
    EXPECT_EQ(QDir::current().entryList(QDir::Files), QStringList{"TAVREL.dat"});
    AppState again;
    ASSERT_EQ(LoadSetupForWindow(again), SetupLoadStatus::Loaded);
    EXPECT_EQ(again.HomeCallSign, "VK3NEW");
}

TEST_F(SetupFile, TextsAreCutToTheirCapacity)
{
    AppState s;
    s.HomeLocation = "Twenty characters!!!";
    s.DxLocation = "Somewhere in Antarctica";
    s.HomeCallSign = "VK3ABCDEFG";
    s.DxGridSquare = "QF22le99";
    ASSERT_TRUE(SaveSetup(s));
    const QByteArray bytes = ReadFile("Tavrel.dat");
    EXPECT_EQ(uint8_t(bytes[L::HomeLocation]), 15);
    AppState back;
    ASSERT_EQ(LoadSetupAtStart(back), SetupLoadStatus::Loaded);
    EXPECT_EQ(back.HomeLocation, "Twenty characte");
    EXPECT_EQ(back.DxLocation, "Somewhere in An");
    EXPECT_EQ(back.HomeCallSign, "VK3ABCDE");
    EXPECT_EQ(back.DxGridSquare, "QF22le");
}

TEST_F(SetupFile, AnyBytesLoadWithoutHarm)
{
    // All ones: NaN numbers, length bytes of 255, settings of -1.
    WriteFile("Tavrel.DAT", QByteArray(SetupRecordSize, char(0xFF)));
    AppState s;
    ASSERT_EQ(LoadSetupAtStart(s), SetupLoadStatus::Loaded);
    EXPECT_TRUE(std::isnan(s.HomeLatitude));
    EXPECT_TRUE(std::isnan(s.FrequencyGHz));
    EXPECT_EQ(s.HomeLocation.size(), 15);
    EXPECT_EQ(s.HomeCallSign.size(), 8);
    EXPECT_EQ(s.DxGridSquare.size(), 6);
    EXPECT_EQ(s.HintsSetting, -1);
    EXPECT_EQ(s.PlannerIntervalMinutes, -1);
    EXPECT_EQ(s.RefractionFlag, 0xFF);

    // Random records: whatever is read is saved and read back the same.
    QRandomGenerator rng(20240601);
    for (int i = 0; i < 200; ++i) {
        QByteArray record(SetupRecordSize, Qt::Uninitialized);
        for (char& c : record)
            c = static_cast<char>(rng.bounded(256));
        WriteFile("Tavrel.DAT", record);
        AppState a;
        ASSERT_EQ(LoadSetupAtStart(a), SetupLoadStatus::Loaded);
        ASSERT_TRUE(SaveSetup(a));
        AppState b;
        ASSERT_EQ(LoadSetupForWindow(b), SetupLoadStatus::Loaded);
        ExpectSameStoredFields(a, b);
        if (HasFailure())
            break;
    }
}

// Makes every write beyond `bytes` fail with "File too large", also for root.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &old_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit old_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST_F(SetupFile, AFailedSaveKeepsTheOldFileAndSaysWhy)
{
    const QByteArray reference = Fixture("reference.dat");
    WriteFile("Tavrel.DAT", reference);
    AppState s = Distinct();
    s.HomeCallSign = "CHANGED";
    bool saved = true;
    {
        FileSizeLimit limit(100);
        saved = SaveSetup(s);
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(ReadFile("Tavrel.DAT"), reference);
    EXPECT_EQ(QDir::current().entryList(QDir::Files), QStringList{"Tavrel.DAT"});
    ASSERT_EQ(scripted.boxes.shown.size(), 1u);
    EXPECT_EQ(scripted.boxes.shown[0].kind, MB::Kind::Error);
    EXPECT_TRUE(scripted.boxes.shown[0].text.contains("Tavrel.DAT"));
    EXPECT_FALSE(scripted.boxes.shown[0].text.contains("Unknown error"))
        << scripted.boxes.shown[0].text.toStdString();
    EXPECT_NE(scripted.boxes.shown[0].text, "The Home Set up Data File has been updated.");
}

TEST_F(SetupFile, AFileThatCannotBeCreatedIsReported)
{
    // A directory where the new file would go.
    ASSERT_TRUE(QDir::current().mkdir("Tavrel.dat"));
    AppState s = Distinct();
    EXPECT_FALSE(SaveSetup(s));
    ASSERT_EQ(scripted.boxes.shown.size(), 1u);
    EXPECT_EQ(scripted.boxes.shown[0].kind, MB::Kind::Error);
}

} // namespace

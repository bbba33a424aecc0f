// Every file the program saves, under every way a save can fail: the old file
// must stay byte for byte as it was, nothing may be left behind, the operator
// must be told which file and why, and the same save must work once the fault
// is gone.

#include "GridIniFile.h"
#include "MessageBoxes.h"
#include "SettingsFile.h"
#include "SetupFile.h"
#include "SetupRecord.h"
#include "StationDatabase.h"

#include "../components/WorkingDirFixture.h"

#include <QDir>
#include <QFile>
#include <csignal>
#include <functional>
#include <linux/capability.h>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace
{

// What one save did: whether it worked and the text the operator is shown.
struct SaveOutcome {
    bool ok = false;
    QString message;
};

struct SaveTarget {
    const char* name;    // the file as the program creates it
    QByteArray oldBytes; // what an earlier save left there
    std::function<SaveOutcome()> save;
    std::function<bool(const QByteArray&)> holdsNewData;
    bool messageNamesFile; // false where the caller adds the name around the reason
};

AppState ChangedSetup()
{
    AppState s;
    s.HomeCallSign = QStringLiteral("NEW1AB");
    s.HomeLatitude = 12.5L;
    s.FrequencyGHz = 1.3L;
    s.HomeDishCm = 300;
    s.DxDishCm = 250;
    return s;
}

GridModel StationList(const QString& location)
{
    GridModel grid;
    ResetToEmptyDatabase(grid);
    grid.SetSize(StationColumn::Count, FirstUserRow + 5);
    grid.SetText(StationColumn::Location, 0, QStringLiteral("Location"));
    grid.SetText(StationColumn::Location, FirstUserRow, location);
    grid.SetText(StationColumn::CallSign, FirstUserRow, QStringLiteral("ZZ9ZZ"));
    return grid;
}

SaveTarget SetupTarget()
{
    AppState old = ChangedSetup();
    old.HomeCallSign = QStringLiteral("OLD1AB");
    SetupRecord oldRecord{};
    FillSetupRecord(old, oldRecord);
    return {"Tavrel.dat",
            QByteArray(reinterpret_cast<const char*>(oldRecord.data()), SetupRecordSize),
            [] {
                ScopedScriptedMessages messages;
                AppState s = ChangedSetup();
                SaveOutcome out{SaveSetup(s), {}};
                if (!messages.boxes.shown.empty())
                    out.message = messages.boxes.shown.back().text;
                return out;
            },
            [](const QByteArray& bytes) {
                if (bytes.size() != SetupRecordSize)
                    return false;
                SetupRecord r{};
                std::copy(bytes.begin(), bytes.end(), r.begin());
                AppState loaded;
                ApplySetupRecord(r, loaded);
                return loaded.HomeCallSign == QLatin1String("NEW1AB");
            },
            true};
}

SaveTarget GridTarget(const char* name)
{
    return {name, GridToIniBytes(StationList(QStringLiteral("Old place"))),
            [name] {
                const GridFileResult r = SaveGridToIni(StationList(QStringLiteral("New place")),
                                                       QDir::current().filePath(name));
                return SaveOutcome{r.ok, r.message};
            },
            [](const QByteArray& bytes) {
                GridModel grid;
                return LoadGridFromIniBytes(grid, bytes).ok &&
                       grid.CellText(StationColumn::Location, FirstUserRow) ==
                           QLatin1String("New place");
            },
            true};
}

SaveTarget SettingsTarget()
{
    return {"TavrelS.ini",
            QByteArray("[Other]\r\nKeep=1\r\n\r\n[Position]\r\nLeft=1\r\nTop=2\r\n"
                       "Width=3\r\nHeight=4\r\n"),
            [] {
                QString error;
                const bool ok = WriteSettingsFile({10, 20, 900, 700}, &error);
                return SaveOutcome{ok, error};
            },
            [](const QByteArray& bytes) {
                return bytes.contains("Width=900") && bytes.contains("Height=700");
            },
            false};
}

// Lowers the effective capabilities that let root write anywhere, so that a
// directory without write permission refuses root too; restored on leaving.
class WithoutRootOverride
{
public:
    WithoutRootOverride()
    {
        if (syscall(SYS_capget, &header_, saved_) != 0)
            return;
        __user_cap_data_struct lowered[2] = {saved_[0], saved_[1]};
        for (int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER})
            lowered[cap / 32].effective &= ~(1u << (cap % 32));
        active_ = syscall(SYS_capset, &header_, lowered) == 0;
    }
    ~WithoutRootOverride()
    {
        if (active_)
            syscall(SYS_capset, &header_, saved_);
    }
    WithoutRootOverride(const WithoutRootOverride&) = delete;
    WithoutRootOverride& operator=(const WithoutRootOverride&) = delete;

private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2]{};
    bool active_ = false;
};

// The directory loses its write permission.
class ReadOnlyDirectory
{
public:
    explicit ReadOnlyDirectory(const QString& path) : path_(path.toLocal8Bit())
    {
        chmod(path_.constData(), 0555);
        override_ = std::make_unique<WithoutRootOverride>();
    }
    ~ReadOnlyDirectory()
    {
        override_.reset();
        chmod(path_.constData(), 0755);
    }

private:
    QByteArray path_;
    std::unique_ptr<WithoutRootOverride> override_;
};

// Writes beyond a few bytes fail as on a full disk (SIGXFSZ ignored, so the
// write returns an error instead of ending the process).
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
    void (*previousHandler_)(int) = nullptr;
};

class SaveFault : public WorkingDirFixture
{
protected:
    static std::vector<SaveTarget> Targets()
    {
        return {SetupTarget(), GridTarget("DravikDXCC.ini"), GridTarget("TavrelDataBase.ini"),
                SettingsTarget()};
    }

    static QStringList Listing()
    {
        return QDir::current().entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                         QDir::Name);
    }

    // The message says what went wrong in words of the system, and names the
    // file where the program shows it as it is.
    static void ExpectClearMessage(const SaveTarget& t, const SaveOutcome& out)
    {
        EXPECT_FALSE(out.message.trimmed().isEmpty());
        EXPECT_FALSE(out.message.contains(QLatin1String("Unknown error")))
            << out.message.toStdString();
        EXPECT_FALSE(out.message.contains(QLatin1String("has been updated")));
        if (t.messageNamesFile) {
            EXPECT_TRUE(out.message.contains(QLatin1String(t.name), Qt::CaseInsensitive))
                << out.message.toStdString();
        }
    }

    void ExpectRetryWorks(const SaveTarget& t)
    {
        const SaveOutcome again = t.save();
        EXPECT_TRUE(again.ok) << again.message.toStdString();
        EXPECT_TRUE(t.holdsNewData(ReadFile(QString::fromLatin1(t.name))));
    }
};

TEST_F(SaveFault, AFailedSaveKeepsTheOldFileAndSaysWhy)
{
    struct Fault {
        const char* name;
        std::function<std::shared_ptr<void>(const QString& dir)> inject;
    };
    const Fault faults[] = {
        {"read-only directory",
         [](const QString& dir) { return std::make_shared<ReadOnlyDirectory>(dir); }},
        {"write fails part way (file size limit)",
         [](const QString&) { return std::make_shared<FileSizeLimit>(16); }},
    };
    for (const SaveTarget& t : Targets()) {
        for (const Fault& fault : faults) {
            SCOPED_TRACE(std::string(t.name) + ", " + fault.name);
            const QString name = QString::fromLatin1(t.name);
            WriteFile(name, t.oldBytes);
            const QStringList before = Listing();

            SaveOutcome out;
            {
                const auto injected = fault.inject(DirPath());
                out = t.save();
            }
            EXPECT_FALSE(out.ok);
            ExpectClearMessage(t, out);
            EXPECT_EQ(ReadFile(name), t.oldBytes);
            EXPECT_EQ(Listing(), before);

            ExpectRetryWorks(t);
            QFile::remove(name);
        }
    }
}

TEST_F(SaveFault, ADirectoryWhereTheFileShouldBeIsLeftAlone)
{
    for (const SaveTarget& t : Targets()) {
        SCOPED_TRACE(t.name);
        const QString name = QString::fromLatin1(t.name);
        ASSERT_TRUE(QDir::current().mkdir(name));
        WriteFile(name + QStringLiteral("/inside"), t.oldBytes);
        const QStringList before = Listing();

        const SaveOutcome out = t.save();
        EXPECT_FALSE(out.ok);
        ExpectClearMessage(t, out);
        EXPECT_TRUE(QFileInfo(name).isDir());
        EXPECT_EQ(ReadFile(name + QStringLiteral("/inside")), t.oldBytes);
        EXPECT_EQ(Listing(), before);

        ASSERT_TRUE(QDir(name).removeRecursively());
        ExpectRetryWorks(t);
        QFile::remove(name);
    }
}

} // namespace

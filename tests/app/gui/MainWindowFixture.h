#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

#include "AppState.h"
#include "Clock.h"
#include "HomeDataScreen.h"
#include "MessageBoxes.h"
#include "SetupRecord.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit4.h"

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

// The program's four windows over a fresh AppState, in a scratch working
// directory, with scripted message boxes and the clock fixed at
// 28 March 2026 21:15:30 (the computer on UTC).
class MainWindowFixture : public ::testing::Test
{
protected:
    static DateTimeDays Now() { return EncodeDateTime(2026, 3, 28, 21, 15, 30); }

    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        previous_ = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(dir_.path()));
        App() = AppState{};
        UseFixedClock(Now(), ZoneInfo{});
    }

    void TearDown() override
    {
        CloseWindows();
        UseSystemClock();
        QDir::setCurrent(previous_);
    }

    // Creates the windows in the program's order.
    void OpenWindows()
    {
        form1 = std::make_unique<TForm1>();
        form1->QuitHook = [this] { ++quitRequests; };
        form2 = std::make_unique<TForm2>();
        form4 = std::make_unique<TForm4>();
        homeData = std::make_unique<THomeDataForm>();
        form1->show();
        QApplication::processEvents();
    }

    void CloseWindows()
    {
        homeData.reset();
        form4.reset();
        form2.reset();
        form1.reset();
    }

    // A set-up file with the sample stations, changed by edit.
    static void WriteSetupFile(const std::function<void(AppState&)>& edit = {})
    {
        AppState s;
        SampleStations(s);
        if (edit)
            edit(s);
        SetupRecord record{};
        FillSetupRecord(s, record);
        QFile f(QStringLiteral("Tavrel.DAT"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(reinterpret_cast<const char*>(record.data()), qint64(record.size())),
                  qint64(record.size()));
    }

    static void SampleStations(AppState& s)
    {
        s.HomeCallSign = QStringLiteral("N0CALL");
        s.HomeLocation = QStringLiteral("Boston");
        s.HomeGridSquare = QStringLiteral("FN42li");
        s.HomeLatitude = 42.36L;
        s.HomeLongitude = -71.06L;
        s.HomeHeightM = 20;
        s.HomeUtcOffset = -5;
        s.HomeDishCm = 300;
        s.DxCallSign = QStringLiteral("DX1TST");
        s.DxLocation = QStringLiteral("Bremen");
        s.DxGridSquare = QStringLiteral("JO43jb");
        s.DxLatitude = 53.08L;
        s.DxLongitude = 8.80L;
        s.DxHeightM = 10;
        s.DxUtcOffset = 1;
        s.DxDishCm = 250;
        s.FrequencyGHz = 10.4L;
        s.StartHour = 6;
        s.EndHour = 14;
        s.ShowStationB = 1;
        s.SweepKind = 1;
    }

    int CountShown(const QString& text) const
    {
        int n = 0;
        for (const auto& m : messages.boxes.shown)
            n += m.text == text ? 1 : 0;
        return n;
    }

    ScopedScriptedMessages messages;
    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TForm2> form2;
    std::unique_ptr<TForm4> form4;
    std::unique_ptr<THomeDataForm> homeData;
    int quitRequests = 0;

private:
    QTemporaryDir dir_;
    QString previous_;
};

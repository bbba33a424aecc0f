#include <QButtonGroup>
#include <QChartView>
#include <QDateEdit>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QXYSeries>
#include <QtTest>

#include "BandTable.h"
#include "ClickablePanelWidget.h"
#include "MainPaletteView.h"
#include "MainWindowFixture.h"
#include "SettingsFile.h"

namespace
{

class MainWindowStartTest : public MainWindowFixture
{
};

TEST_F(MainWindowStartTest, WithoutAnyFileStartsOnTheDefaultsAndWritesTheSettingsOnClose)
{
    OpenWindows();
    EXPECT_EQ(CountShown(QStringLiteral("File not found")), 1);
    EXPECT_EQ(App().HomeDishCm, 300);
    EXPECT_EQ(App().DxDishCm, 250);
    EXPECT_EQ(App().PlannerMaxDxElevation, 90);
    EXPECT_EQ(form1->HomeDishBox->text(), QStringLiteral("3.00 M"));
    EXPECT_EQ(form1->DxDishBox->text(), QStringLiteral("2.50 M"));
    // No band is known: nothing selected, no frequency.
    EXPECT_EQ(form1->BandButtons->checkedId(), -1);
    EXPECT_EQ(App().FrequencyGHz, 0);
    EXPECT_EQ(App().FrequencyMHz, 0);
    EXPECT_EQ(form1->size(), QSize(TForm1::DesignWidth, TForm1::DesignHeight));
    EXPECT_EQ(form1->windowTitle(), QStringLiteral("Dravik Libration Calculator Ver 1.10"));
    // Today's UTC date is the calculation date.
    EXPECT_EQ(App().CalcYear, 2026);
    EXPECT_EQ(App().CalcMonth, 3);
    EXPECT_EQ(App().CalcDay, 28);
    EXPECT_EQ(App().CalcMinute, 0);
    EXPECT_EQ(form1->DatePicker->date(), QDate(2026, 3, 28));
    EXPECT_FALSE(QFile::exists(QStringLiteral("TavrelS.ini")));

    form1->move(25, 35);
    form1->resize(1100, 800);
    form1->close();
    const QByteArray written = [] {
        QFile f(QStringLiteral("TavrelS.ini"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    EXPECT_EQ(written,
              QByteArray("[Position]\r\nLeft=25\r\nTop=35\r\nWidth=1100\r\nHeight=800\r\n"));
}

TEST_F(MainWindowStartTest, WithBothFilesRestoresGeometryStationsAndBand)
{
    QFile ini(QStringLiteral("tavrels.INI"));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[POSITION]\r\nLeft=40\r\nTop=30\r\nWidth=1200\r\nHeight=900\r\n");
    ini.close();
    WriteSetupFile([](AppState& s) {
        s.FrequencyGHz = 1.3L;
        s.HomeDishCm = 450;
    });
    OpenWindows();
    EXPECT_TRUE(messages.boxes.shown.empty());
    EXPECT_EQ(form1->pos(), QPoint(40, 30));
    EXPECT_EQ(form1->size(), QSize(1200, 900));
    EXPECT_EQ(App().MainWindowLeft, 40);
    EXPECT_EQ(App().MainWindowTop, 30);
    EXPECT_EQ(App().HomeCallSign, QStringLiteral("N0CALL"));
    EXPECT_EQ(form1->HomeDishBox->text(), QStringLiteral("4.50 M"));
    EXPECT_EQ(form1->HomeStationBox->title(), QStringLiteral("(A)   Home Station  N0CALL"));
    EXPECT_EQ(form1->DxStationBox->title(), QStringLiteral("(B)   Dx Station DX1TST"));
    EXPECT_EQ(form1->HomeLongitudeBox->text(), QStringLiteral("-71.0600"));
    EXPECT_EQ(form1->BandButtons->checkedId(), 1);
    EXPECT_EQ(App().FrequencyMHz, 1296);
    EXPECT_EQ(form1->FrequencyBox->text(), QStringLiteral("1.3 GHz"));
    // The first chart of the day is drawn for the restored band.
    EXPECT_TRUE(form1->ChartView(1)->isVisible());
    EXPECT_GT(form1->SeriesAt(1, 2)->count(), 0);
}

TEST_F(MainWindowStartTest, StoredFrequencyRestoresItsBand)
{
    struct Case {
        long double stored;
        int band;
        long double ghz;
        long double mhz;
        const char* box;
    };
    const Case cases[] = {
        {1.3L, 1, 1.3L, 1296, "1.3 GHz"},      {48, 7, 47, 47088, "47 GHz"},
        {10, 5, 10.4L, 10038, "10.4 GHz"},     {122, 9, 122, 122000, "122 GHz"},
        {0.432L, 0, 0.432L, 432, "0.432 GHz"}, {7, -1, 7, 0, "7.0 GHz"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(double(c.stored));
        App() = AppState{};
        WriteSetupFile([&](AppState& s) { s.FrequencyGHz = c.stored; });
        OpenWindows();
        EXPECT_EQ(form1->BandButtons->checkedId(), c.band);
        EXPECT_EQ(App().FrequencyGHz, c.ghz);
        EXPECT_EQ(App().FrequencyMHz, c.mhz);
        EXPECT_EQ(form1->FrequencyBox->text(), QString::fromLatin1(c.box));
        CloseWindows();
    }
}

TEST_F(MainWindowStartTest, SunAndChartKindFromTheFileDoNotSurviveStartUp)
{
    WriteSetupFile([](AppState& s) {
        s.TargetIsSun = 1;
        s.SweepKind = 3;
        s.ShowStationB = 0;
    });
    OpenWindows();
    EXPECT_EQ(App().TargetIsSun, 0);
    EXPECT_EQ(form1->SunMoonButton->text(), QStringLiteral("Moon"));
    EXPECT_EQ(App().SweepKind, 1);
    EXPECT_EQ(App().ShowStationB, 1);
    EXPECT_EQ(App().StationAOnly, 0);
    EXPECT_EQ(App().AboveHorizonOnly, 1);
    EXPECT_EQ(App().MonoPrint, 1);
    EXPECT_EQ(App().OpenedFromMain, 1);
    EXPECT_TRUE(form1->ChartView(1)->isVisible());
    EXPECT_FALSE(form1->ChartView(3)->isVisible());
    EXPECT_EQ(form1->ChartButtons[1]->Colour(), MainColours::Yellow);
    EXPECT_NE(form1->ChartButtons[3]->Colour(), MainColours::Yellow);
    EXPECT_EQ(form1->StartHourBox->text(), QStringLiteral("+6 z"));
    EXPECT_EQ(form1->EndHourBox->text(), QStringLiteral("+14 z"));
}

TEST_F(MainWindowStartTest, LiveClockShowsUtcAndHomeLocalTime)
{
    struct Case {
        const char* name;
        ZoneInfo zone;
        long double homeOffset;
        const char* utc;
        const char* local;
    };
    const Case cases[] = {
        {"home 9.5 h ahead",
         {0, -60, false},
         9.5L,
         "UTC ... 28 March 2026 ... 2115:30",
         "Local ... 29 March 2026 ... 0645:30"},
        {"daylight time on the computer",
         {0, -60, true},
         9.5L,
         "UTC ... 28 March 2026 ... 2015:30",
         "Local ... 29 March 2026 ... 0645:30"},
        {"home on UTC",
         {0, -60, false},
         0,
         "UTC ... 28 March 2026 ... 2115:30",
         "Local ... 28 March 2026 ... 2115:30"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        App() = AppState{};
        UseFixedClock(Now(), c.zone);
        WriteSetupFile([&](AppState& s) { s.HomeUtcOffset = c.homeOffset; });
        OpenWindows();
        EXPECT_TRUE(form1->Timer1->isActive());
        EXPECT_EQ(form1->Timer1->interval(), 1000);
        // The first tick comes from the running event loop.
        const QString utc = QString::fromLatin1(c.utc);
        EXPECT_TRUE(QTest::qWaitFor([&] { return form1->UtcLabel->text() == utc; }, 3000))
            << form1->UtcLabel->text().toStdString();
        EXPECT_EQ(form1->LocalLabel->text(), QString::fromLatin1(c.local));
        EXPECT_TRUE(form1->RightAscensionLabel->text().startsWith(QStringLiteral("R.A. ")));
        EXPECT_TRUE(form1->AzimuthLabel->text().endsWith(QStringLiteral("\u00b0")));
        CloseWindows();
    }
}

} // namespace

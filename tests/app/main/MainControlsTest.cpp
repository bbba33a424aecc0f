#include <gtest/gtest.h>

#include <QLocale>

#include "../components/QStringPrinter.h"
#include "AppState.h"
#include "BandTable.h"
#include "Clock.h"
#include "MainControls.h"
#include "VersionInfo.h"

namespace
{

TEST(MainControlsTest, DishSteps)
{
    struct Case {
        const char* name;
        long double start;
        uint8_t stepTen;
        bool up;
        long double expected;
    };
    const Case cases[] = {
        {"up by 1", 300, 0, true, 301},
        {"down by 1", 300, 0, false, 299},
        {"1 cm down becomes 10 cm", 1, 0, false, 10},
        {"2 cm down gives 1 cm", 2, 0, false, 1},
        {"X 10 up", 250, 1, true, 260},
        {"X 10: 15 down gives 5", 15, 1, false, 5},
        {"X 10: 5 down becomes 10", 5, 1, false, 10},
        {"X 10: 10 down becomes 10", 10, 1, false, 10},
        {"no upper limit", 99999, 1, true, 100009},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AppState s;
        s.DishStepTen = c.stepTen;
        long double dish = c.start;
        StepDish(dish, c.up, s);
        EXPECT_EQ(dish, c.expected);
    }
}

TEST(MainControlsTest, X10SwitchColours)
{
    AppState s;
    DishColours c = ToggleDishStepTen(s);
    EXPECT_EQ(s.DishStepTen, 1);
    EXPECT_EQ(c.Home, PanelColour::Yellow);
    EXPECT_EQ(c.Switch, PanelColour::Yellow);
    EXPECT_EQ(c.Dx, PanelColour::Yellow);
    c = ToggleDishStepTen(s);
    EXPECT_EQ(s.DishStepTen, 0);
    EXPECT_EQ(c.Home, PanelColour::Cream);
    EXPECT_EQ(c.Switch, PanelColour::ButtonFace);
    EXPECT_EQ(c.Dx, PanelColour::MoneyGreen);
}

TEST(MainControlsTest, HourWindowSteps)
{
    enum Step { StartDown, StartUp, EndDown, EndUp };
    struct Case {
        const char* name;
        int start, end;
        Step step;
        int expectedStart, expectedEnd;
    };
    const Case cases[] = {
        {"start down", 6, 9, StartDown, 5, 9},
        {"start down stops at 0", 0, 9, StartDown, 0, 9},
        {"start up", 5, 9, StartUp, 6, 9},
        {"start up stops below the end", 5, 6, StartUp, 5, 6},
        {"end down", 5, 9, EndDown, 5, 8},
        {"end down stops above the start", 5, 6, EndDown, 5, 6},
        {"end down stops at 0", -1, 0, EndDown, -1, 0},
        {"end up", 5, 22, EndUp, 5, 23},
        {"end up from 23 gives 24", 5, 23, EndUp, 5, 24},
        {"end up stays at 24", 5, 24, EndUp, 5, 24},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AppState s;
        s.StartHour = c.start;
        s.EndHour = c.end;
        switch (c.step) {
        case StartDown:
            StartHourDown(s);
            break;
        case StartUp:
            StartHourUp(s);
            break;
        case EndDown:
            EndHourDown(s);
            break;
        case EndUp:
            EndHourUp(s);
            break;
        }
        EXPECT_EQ(s.StartHour, c.expectedStart);
        EXPECT_EQ(s.EndHour, c.expectedEnd);
    }
    EXPECT_EQ(HourBoxText(6), QStringLiteral("+6 z"));
    EXPECT_EQ(HourBoxText(24), QStringLiteral("+24 z"));
}

TEST(MainControlsTest, BandTableAndRestore)
{
    struct Case {
        long double stored;
        int index;
        long double ghz;
        long double mhz;
    };
    const Case cases[] = {
        {0.432L, 0, 0.432L, 432},    {1.3L, 1, 1.3L, 1296}, {2.3L, 2, 2.3L, 2304},
        {3.4L, 3, 3.4L, 3456},       {5.7L, 4, 5.7L, 5760}, {10.4L, 5, 10.4L, 10038},
        {10, 5, 10.4L, 10038},       {24, 6, 24, 24048},    {47, 7, 47, 47088},
        {48, 7, 47, 47088},          {78, 8, 78, 78000},    {122, 9, 122, 122000},
        {1.3000004L, 1, 1.3L, 1296},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(double(c.stored));
        const int index = BandIndexForFrequency(c.stored);
        ASSERT_EQ(index, c.index);
        AppState s;
        ASSERT_TRUE(ApplyBand(s, index));
        EXPECT_EQ(s.FrequencyGHz, c.ghz);
        EXPECT_EQ(s.FrequencyMHz, c.mhz);
    }
    for (long double none : {0.0L, 1.31L, 10.368L, 49.0L, -1.3L})
        EXPECT_EQ(BandIndexForFrequency(none), -1) << double(none);
    AppState s;
    s.FrequencyGHz = 7;
    EXPECT_FALSE(ApplyBand(s, 10));
    EXPECT_FALSE(ApplyBand(s, -1));
    EXPECT_EQ(s.FrequencyGHz, 7);
}

TEST(MainControlsTest, CalculationDateAndAxisCaption)
{
    AppState s;
    s.CalcHour = 5;
    s.CalcMinute = 1442;
    SetCalcDate(s, 2010, 5, 16);
    EXPECT_EQ(s.CalcYear, 2010);
    EXPECT_EQ(s.CalcMonth, 5);
    EXPECT_EQ(s.CalcDay, 16);
    EXPECT_EQ(s.CalcHour, 0);
    EXPECT_EQ(s.CalcMinute, 0);
    EXPECT_EQ(DateAxisCaption(1, 2010, 5, 16), QStringLiteral("UTC Hour 16/5/2010"));
    EXPECT_EQ(DateAxisCaption(7, 2010, 5, 16), QStringLiteral("Start Day 16/5/2010"));

    // Just after midnight local time with the computer 2 hours ahead of UTC:
    // the UTC date is still the day before.
    UseFixedClock(EncodeDateTime(2027, 3, 1, 1, 0, 0), ZoneInfo{-120, -60, false});
    ResetCalcDateToToday(s);
    UseSystemClock();
    EXPECT_EQ(s.CalcYear, 2027);
    EXPECT_EQ(s.CalcMonth, 2);
    EXPECT_EQ(s.CalcDay, 28);
    EXPECT_EQ(DecodeDateTime(s.LiveUtc).Hour, 23);
}

TEST(MainControlsTest, HintChoices)
{
    struct Case {
        int item;
        bool changes;
        int showAfter, stay;
        bool black;
        int setting;
        uint8_t noChange;
    };
    const Case cases[] = {
        {0, true, 250, 8000, false, 0, 0}, {1, true, 250, 4000, false, 1, 0},
        {2, true, 250, 2000, false, 2, 0}, {3, true, 10000, 0, true, 3, 0},
        {4, false, 0, 0, false, 2, 1},     {7, false, 0, 0, false, 2, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        AppState s;
        s.HintsSetting = 2;
        const HintTiming t = ChooseHintItem(s, c.item);
        EXPECT_EQ(t.Changes, c.changes);
        if (c.changes) {
            EXPECT_EQ(t.ShowAfterMs, c.showAfter);
            EXPECT_EQ(t.StayMs, c.stay);
            EXPECT_EQ(t.BlackBackground, c.black);
        }
        EXPECT_EQ(s.HintsSetting, c.setting);
        EXPECT_EQ(s.HintNoChange, c.noChange);
    }
}

TEST(MainControlsTest, VersionTitleAndAboutText)
{
    EXPECT_EQ(MainWindowTitle(QStringLiteral("2014.1.15.0")),
              QStringLiteral("Dravik Libration Calculator Ver 1.15"));
    EXPECT_EQ(MainWindowTitle(QStringLiteral("2026.1.10.0")),
              QStringLiteral("Dravik Libration Calculator Ver 1.10"));
    EXPECT_EQ(MainWindowTitle(QStringLiteral("2026.1")),
              QStringLiteral("Dravik Libration Calculator Ver 1"));
    EXPECT_EQ(MainWindowTitle(QString()), QStringLiteral("Dravik Libration Calculator Ver "));

    AppState s;
    ReadVersionInfo(s, QStringLiteral("Tavrel.exe"));
    EXPECT_EQ(s.VersionInfo[FileVersionIndex], QStringLiteral(TAVREL_VERSION));
    ReadVersionInfo(s, QStringLiteral("other.exe"));
    for (const QString& text : s.VersionInfo)
        EXPECT_TRUE(text.isEmpty());

    ReadVersionInfo(s, QString());
    s.ProgramFileDate = int32_t((2026 - 1980) << 25 | 3 << 21 | 28 << 16 | 9 << 11);
    EXPECT_EQ(StampDate(s.ProgramFileDate), QDate(2026, 3, 28));
    const QStringList lines =
        AboutText(s, QLocale(QLocale::English, QLocale::UnitedKingdom)).split(QLatin1Char('\r'));
    ASSERT_EQ(lines.size(), 9);
    EXPECT_TRUE(lines[3].isEmpty());
    EXPECT_EQ(lines[4], QStringLiteral("Build .. ") + QStringLiteral(TAVREL_VERSION));
    EXPECT_EQ(lines[5], s.VersionInfo[CommentsIndex]);
    EXPECT_EQ(lines[6], QStringLiteral("Date ..  28/03/2026"));
    EXPECT_TRUE(lines[7].isEmpty());
    EXPECT_EQ(lines[8], s.VersionInfo[LegalCopyrightIndex]);
    EXPECT_EQ(StampDate(-1), QDate());
}

} // namespace

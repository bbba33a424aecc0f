#include "MainControls.h"

#include "AppState.h"
#include "Clock.h"
#include "VersionInfo.h"

void StepDish(long double& dishCm, bool up, const AppState& state)
{
    const long double step = state.DishStepTen == 1 ? 10 : 1;
    if (up) {
        dishCm += step;
        return;
    }
    dishCm -= step;
    if (dishCm < 1)
        dishCm = 10;
}

DishColours DishColoursFor(const AppState& state)
{
    if (state.DishStepTen == 1)
        return {PanelColour::Yellow, PanelColour::Yellow, PanelColour::Yellow};
    return {PanelColour::Cream, PanelColour::ButtonFace, PanelColour::MoneyGreen};
}

DishColours ToggleDishStepTen(AppState& state)
{
    state.DishStepTen = state.DishStepTen == 0 ? 1 : 0;
    return DishColoursFor(state);
}

void StartHourDown(AppState& state)
{
    if (state.StartHour - 1 >= 0)
        state.StartHour -= 1;
    else
        state.StartHour = 0;
}

void StartHourUp(AppState& state)
{
    if (state.StartHour + 1 != state.EndHour)
        state.StartHour += 1;
}

void EndHourDown(AppState& state)
{
    if (state.EndHour == state.StartHour + 1)
        return;
    state.EndHour = state.EndHour - 1 < 0 ? 0 : state.EndHour - 1;
}

void EndHourUp(AppState& state)
{
    state.EndHour = state.EndHour + 1 > 24 ? 24 : state.EndHour + 1;
}

QString HourBoxText(int hour)
{
    return QStringLiteral("+%1 z").arg(hour);
}

void SetCalcDate(AppState& state, int year, int month, int day)
{
    state.CalcYear = uint16_t(year);
    state.CalcMonth = uint16_t(month);
    state.CalcDay = uint16_t(day);
    state.CalcHour = 0;
    state.CalcMinute = 0;
}

void ResetCalcDateToToday(AppState& state)
{
    state.LiveUtc = CurrentUtc(state);
    const DecodedDateTime now = DecodeDateTime(state.LiveUtc);
    SetCalcDate(state, now.Year, now.Month, now.Day);
}

QString DateAxisCaption(int sweepKind, int year, int month, int day)
{
    const QString prefix =
        sweepKind == 7 ? QStringLiteral("Start Day ") : QStringLiteral("UTC Hour ");
    return prefix + QStringLiteral("%1/%2/%3").arg(day).arg(month).arg(year);
}

const char* const HintItems[HintItemCount] = {"8 seconds", "4 seconds", "2 seconds",
                                              "Disable Hints", "No change"};

HintTiming HintTimingFor(int hintsSetting)
{
    switch (hintsSetting) {
    case 1:
        return {true, 250, 4000, false};
    case 2:
        return {true, 250, 2000, false};
    case 3:
        return {true, 10000, 0, true};
    default:
        return {true, 250, 8000, false};
    }
}

HintTiming ChooseHintItem(AppState& state, int item)
{
    if (item == 4) {
        state.HintNoChange = 1;
        return {};
    }
    if (item < 0 || item > 4)
        return {};
    state.HintsSetting = item;
    return HintTimingFor(item);
}

void MarkOpenedFromPlanner(AppState& state)
{
    state.OpenedFromMain = 0;
    state.OpenedFromPlanner = 1;
    state.OpenedFromSetup = 0;
}

void MarkOpenedFromSetup(AppState& state)
{
    state.OpenedFromMain = 0;
    state.OpenedFromPlanner = 0;
    state.OpenedFromSetup = 1;
}

QString AboutText(const AppState& state, const QLocale& locale)
{
    const QDate date = StampDate(state.ProgramFileDate);
    const QString dateText =
        date.isValid() ? locale.toString(date, QLocale::ShortFormat) : QStringLiteral("unknown");
    const QStringList lines = {
        QStringLiteral("Tavrel - moon-bounce libration calculator"),
        QStringLiteral("Written by the Tavrel developers for EME operators"),
        QStringLiteral("Help: the Help tab of this window"),
        QString(),
        QStringLiteral("Build .. ") + state.VersionInfo[FileVersionIndex],
        state.VersionInfo[CommentsIndex],
        QStringLiteral("Date ..  ") + dateText,
        QString(),
        state.VersionInfo[LegalCopyrightIndex],
    };
    return lines.join(QLatin1Char('\r'));
}

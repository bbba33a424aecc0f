#include "PlannerControls.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "AppState.h"

namespace
{

int32_t IntervalResult(int64_t minutes)
{
    if (minutes < 1)
        return 5;
    return static_cast<int32_t>(std::min<int64_t>(minutes, std::numeric_limits<int32_t>::max()));
}

// Text values of angles far outside the sky cannot be split into whole
// numbers; they are shown as their limit instead.
long double DisplayableAngle(long double degrees)
{
    if (!std::isfinite(degrees))
        return 0;
    return std::min(std::fabs(degrees), 1.0e6L);
}

} // namespace

int32_t IntervalUp(int32_t minutes)
{
    const int64_t m = minutes;
    return IntervalResult(m < 5 ? m + 1 : m + 5);
}

int32_t IntervalDown(int32_t minutes)
{
    const int64_t m = minutes;
    return IntervalResult(m < 6 ? m - 1 : m - 5);
}

long double LimitStep(long double degrees, int step)
{
    if (std::isnan(degrees))
        degrees = 0;
    return std::clamp(degrees + step, 0.0L, 90.0L);
}

QDate EndDateForStart(const QDate& start, const QDate& rememberedEnd)
{
    if (start.isValid() && (!rememberedEnd.isValid() || start > rememberedEnd))
        return start;
    return rememberedEnd;
}

long long PlannerSampleCount(const QDate& start, const QDate& end, int32_t intervalMinutes)
{
    if (!start.isValid())
        return 0;
    const long long interval = intervalMinutes < 1 ? 5 : intervalMinutes;
    if (!end.isValid() || end < start)
        return 1;
    const long long minutes = (start.daysTo(end) + 1) * 1440LL;
    return (minutes + interval - 1) / interval;
}

QString PlannerTooLongMessage(long long samples)
{
    return QStringLiteral("These dates and this interval give %1 samples; at most %2 can be "
                          "calculated at once.\r\rPlease choose a shorter date range or a longer "
                          "interval.")
        .arg(samples)
        .arg(PlannerMaxSamples);
}

QString ShortestDecimal(long double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    QString text = QString::number(static_cast<double>(value), 'g', 15);
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    return text;
}

DegreesMinutesSeconds SplitDegrees(long double degrees)
{
    const long double a = DisplayableAngle(degrees);
    DegreesMinutesSeconds d;
    d.Degrees = static_cast<int>(std::floor(a));
    const long double minutes = (a - d.Degrees) * 60;
    d.Minutes = static_cast<int>(std::floor(minutes));
    const long double seconds = std::round((minutes - d.Minutes) * 600) / 10;
    d.Seconds = static_cast<int>(std::trunc(seconds));
    // 10.1° is 10° 5' 59.99…" in binary; rounded it reads 10 : 6 : 0, not 10 : 5 : 60.
    if (d.Seconds >= 60) {
        d.Seconds -= 60;
        ++d.Minutes;
    }
    if (d.Minutes >= 60) {
        d.Minutes -= 60;
        ++d.Degrees;
    }
    return d;
}

QString PlannerPositionText(long double latitude, long double longitude)
{
    const DegreesMinutesSeconds lat = SplitDegrees(latitude);
    const DegreesMinutesSeconds lon = SplitDegrees(longitude);
    return QStringLiteral("%1 : %2 : %3 : %4    %5 : %6 : %7 %8")
        .arg(lat.Degrees)
        .arg(lat.Minutes)
        .arg(lat.Seconds)
        .arg(latitude >= 0 ? QLatin1Char('N') : QLatin1Char('S'))
        .arg(lon.Degrees)
        .arg(lon.Minutes)
        .arg(lon.Seconds)
        .arg(longitude > 0 ? QLatin1Char('E') : QLatin1Char('W'));
}

QString PlannerStationLine(const QString& location, const QString& gridSquare, long double heightM)
{
    return location + QStringLiteral("  ") + gridSquare + QStringLiteral("  ") +
           ShortestDecimal(heightM) + QStringLiteral("m ASL");
}

PlannerPanelTexts PlannerPanels(const AppState& s)
{
    PlannerPanelTexts t;
    t.Panel101 = s.HomeCallSign;
    t.Panel102 = PlannerStationLine(s.HomeLocation, s.HomeGridSquare, s.HomeHeightM);
    t.Panel8 = PlannerPositionText(s.HomeLatitude, s.HomeLongitude);
    if (s.ShowStationB == 1) {
        t.Panel201 = s.DxCallSign;
        t.Panel202 = PlannerStationLine(s.DxLocation, s.DxGridSquare, s.DxHeightM);
        t.Panel203 = PlannerPositionText(s.DxLatitude, s.DxLongitude);
    } else {
        // No stale Dx position under "Not selected".
        t.Panel201 = NotSelectedText;
    }
    t.Panel501 = QString::number(s.PlannerIntervalMinutes);
    t.Panel406 = ShortestDecimal(s.PlannerSpatialLimit);
    t.Panel402 = ShortestDecimal(s.PlannerMinHomeElevation);
    t.Panel10 = ShortestDecimal(s.PlannerMaxHomeElevation);
    t.Panel404 = ShortestDecimal(s.PlannerMinDxElevation);
    t.Panel12 = ShortestDecimal(s.PlannerMaxDxElevation);
    return t;
}

HorizonSwitch HorizonSwitchAtStart()
{
    return {QStringLiteral("Calculate Moon only when above the Horizon"), Rgb{166, 202, 240}};
}

std::optional<HorizonSwitch> ToggleBelowHorizon(AppState& s)
{
    if (s.ShowStationB == 1)
        return std::nullopt;
    if (s.PlannerBelowHorizon == 1) {
        s.PlannerBelowHorizon = 0;
        return HorizonSwitch{QStringLiteral("Calculate Moon when only Above Horizon"),
                             Rgb{166, 202, 240}};
    }
    s.PlannerBelowHorizon = 1;
    return HorizonSwitch{QStringLiteral("Calculate Moon even when below the Horizon"),
                         Rgb{192, 192, 192}};
}

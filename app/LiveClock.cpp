#include "LiveClock.h"

#include <cmath>

#include "AppState.h"
#include "FormatFixed.h"
#include "Pellor_sunmoon.h"

namespace
{

const QString Degree = QStringLiteral("\u00b0");

void StoreDecoded(AppState& state, const DecodedDateTime& t)
{
    state.LiveYear = t.Year;
    state.LiveMonth = t.Month;
    state.LiveDay = t.Day;
    state.LiveHour = t.Hour;
    state.LiveMinute = t.Minute;
    state.LiveSecond = t.Second;
    state.LiveMillisecond = t.Millisecond;
}

// The library's short string: one length byte, then the characters.
QString ShortStringText(const unsigned char* text)
{
    return QString::fromLatin1(reinterpret_cast<const char*>(text + 1), text[0]);
}

} // namespace

QString MonthName(int month)
{
    static const char* const names[] = {"January",   "February", "March",    "April",
                                        "May",       "June",     "July",     "August",
                                        "September", "October",  "November", "December"};
    if (month < 1 || month > 12)
        return {};
    return QString::fromLatin1(names[month - 1]);
}

QString DateTimeText(const DecodedDateTime& t)
{
    return QStringLiteral("%1 %2 %3 ... %4%5:%6")
        .arg(t.Day)
        .arg(MonthName(t.Month))
        .arg(t.Year)
        .arg(t.Hour, 2, 10, QLatin1Char('0'))
        .arg(t.Minute, 2, 10, QLatin1Char('0'))
        .arg(t.Second, 2, 10, QLatin1Char('0'));
}

const LiveSkyCalls& LibrarySkyCalls()
{
    static const LiveSkyCalls calls{::DataToDLL, ::GetRtAscHHMMSS, ::GetDecTopo,  ::GetAzimuth,
                                    ::GetGHA,    ::GetElevation,   ::GetLibration};
    return calls;
}

LiveDisplayTexts LiveTick(AppState& state, const LiveSkyCalls& sky)
{
    LiveDisplayTexts out;
    state.LiveUtc = CurrentUtc(state);
    StoreDecoded(state, DecodeDateTime(state.LiveUtc));
    out.UtcLine = QStringLiteral("UTC ... ") + DateTimeText(DecodeDateTime(state.LiveUtc));

    sky.DataToDLL(state.LiveYear, state.LiveMonth, state.LiveDay, state.LiveHour, state.LiveMinute,
                  state.LiveSecond, double(state.HomeHeightM), double(state.HomeLatitude),
                  double(state.HomeLongitude), state.RefractionFlag, state.TargetIsSun,
                  double(state.FrequencyMHz));

    unsigned char ra[256] = {};
    sky.GetRtAscHHMMSS(ra);
    out.RightAscension = (QStringLiteral("R.A. ") + ShortStringText(ra).left(8)).left(13);
    out.Declination = QStringLiteral("Dec ") + FormatFixed(sky.GetDecTopo(), 6, 2) + Degree;
    out.Azimuth = QStringLiteral("Az ") + FormatFixed(sky.GetAzimuth(), 6, 2) + Degree;
    out.HourAngle = QStringLiteral("GHA ") + FormatFixed(sky.GetGHA(), 5, 2) + Degree;
    const double elevation = sky.GetElevation();
    out.Elevation = QStringLiteral("El ") + FormatFixed(elevation, 5, 2) + Degree;
    if (elevation > 0 && state.TargetIsSun == 0)
        out.LibrationLine = QStringLiteral("Current Libration ... ") +
                            FormatFixed(sky.GetLibration(), 15, 0) + QStringLiteral(" Hz");
    else
        out.LibrationLine = QStringLiteral("Moon is below Home horizon");

    // The home station's own offset, not the computer's zone.
    double minutes = std::round(double(state.HomeUtcOffset) * 60.0);
    if (state.DaylightSaving == 1)
        minutes += 60;
    state.LiveLocal = AddMinutes(state.UtcNow, minutes);
    const DecodedDateTime local = DecodeDateTime(state.LiveLocal);
    StoreDecoded(state, local);
    out.LocalLine = QStringLiteral("Local ... ") + DateTimeText(local);
    return out;
}

QString SunMoonText(const AppState& state)
{
    return state.TargetIsSun == 1 ? QStringLiteral("Sun") : QStringLiteral("Moon");
}

QString ToggleSunMoon(AppState& state)
{
    state.TargetIsSun = state.TargetIsSun == 0 ? 1 : 0;
    return SunMoonText(state);
}

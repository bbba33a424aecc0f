#include "Coordinates.h"

#include "Locator.h"

#include <cmath>
#include <limits>

Dms SplitToDms(long double degrees)
{
    if (!std::isfinite(degrees))
        return {};
    const long double a = std::fabs(degrees);
    if (a >= 2147483648.0L)
        return {std::numeric_limits<int32_t>::max(), 0, 0};
    const long double deg = std::trunc(a);
    const long double m = (a - deg) * 60;
    const long double min = std::trunc(m);
    long double s = std::floor((m - min) * 600 + 0.5L) / 10;
    if (s > 59)
        s = 59;
    return {static_cast<int32_t>(deg), static_cast<int32_t>(min),
            static_cast<int32_t>(std::trunc(s))};
}

void SplitStationToDms(AppState& state, Station station)
{
    StationFields f = FieldsOf(state, station);
    const Dms lat = SplitToDms(f.Latitude);
    const Dms lon = SplitToDms(f.Longitude);
    f.LatDeg = lat.Deg;
    f.LatMin = lat.Min;
    f.LatSec = lat.Sec;
    f.LongDeg = lon.Deg;
    f.LongMin = lon.Min;
    f.LongSec = lon.Sec;
}

namespace
{

long double FromDms(int32_t deg, int32_t min, int32_t sec)
{
    return std::fabs(static_cast<long double>(deg) + static_cast<long double>(min) / 60 +
                     static_cast<long double>(sec) / 3600);
}

} // namespace

void DmsToLatitude(AppState& state, Station station)
{
    StationFields f = FieldsOf(state, station);
    const long double v = FromDms(f.LatDeg, f.LatMin, f.LatSec);
    f.Latitude = f.LatHemisphere == QLatin1String("S") ? -v : v;
}

void DmsToLongitude(AppState& state, Station station)
{
    StationFields f = FieldsOf(state, station);
    const long double v = FromDms(f.LongDeg, f.LongMin, f.LongSec);
    f.Longitude = f.LongHemisphere == QLatin1String("W") ? -v : v;
}

void ShowHemispheres(AppState& state, Station station)
{
    StationFields f = FieldsOf(state, station);
    f.LatHemisphere = f.Latitude >= 0 ? QStringLiteral("N") : QStringLiteral("S");
    f.LongHemisphere = f.Longitude > 0 ? QStringLiteral("E") : QStringLiteral("W");
}

void ToggleLatHemisphere(AppState& state, Station station)
{
    StationFields f = FieldsOf(state, station);
    if (f.LatHemisphere == QLatin1String("S")) {
        f.LatHemisphere = QStringLiteral("N");
        f.Latitude = std::fabs(f.Latitude);
    } else if (f.LatHemisphere == QLatin1String("N")) {
        f.LatHemisphere = QStringLiteral("S");
        f.Latitude = -f.Latitude;
    }
    PositionToLocator(state, station);
}

void ToggleLongHemisphere(AppState& state, Station station)
{
    StationFields f = FieldsOf(state, station);
    if (f.LongHemisphere == QLatin1String("E")) {
        f.LongHemisphere = QStringLiteral("W");
        f.Longitude = -f.Longitude;
    } else if (f.LongHemisphere == QLatin1String("W")) {
        f.LongHemisphere = QStringLiteral("E");
        f.Longitude = std::fabs(f.Longitude);
    }
    PositionToLocator(state, station);
}

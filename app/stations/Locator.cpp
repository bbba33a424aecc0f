#include "Locator.h"

#include "Coordinates.h"

#include <algorithm>
#include <cmath>

namespace
{

// A hair west of the meridian / north of the equator; the Dx nudge is smaller
// but still survives in extended precision next to 180.
long double ZeroNudge(Station station)
{
    return station == Station::Home ? 1e-11L : 1e-14L;
}

char16_t Upper(char16_t c)
{
    return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

char16_t Lower(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

bool InRange(char16_t c, char16_t low, char16_t high)
{
    return c >= low && c <= high;
}

int IntPart(long double v, int high)
{
    return std::clamp(static_cast<int>(std::trunc(v)), 0, high);
}

// Degrees, minutes and seconds of |v| as reals.
void SplitReal(long double v, long double& deg, long double& min, long double& sec)
{
    const long double a = std::fabs(v);
    deg = std::trunc(a);
    const long double m = (a - deg) * 60;
    min = std::trunc(m);
    sec = (m - min) * 60;
}

int32_t RoundHalfEven(long double v)
{
    return static_cast<int32_t>(std::nearbyint(v)); // default rounding: halves to even
}

} // namespace

LocatorEntry LocatorToPosition(AppState& state, Station station, const QString& fieldText)
{
    StationFields f = FieldsOf(state, station);
    const QString typed = fieldText.left(6);
    f.ShownLocator = typed;

    LocatorEntry result = LocatorEntry::TextOnly;
    if (typed.size() == 6) {
        char16_t c[6];
        for (int i = 0; i < 6; ++i) {
            const char16_t u = typed.at(i).unicode();
            c[i] = (i == 2 || i == 3) ? u : Upper(u);
        }
        const bool valid = InRange(c[0], u'A', u'R') && InRange(c[1], u'A', u'R') &&
                           InRange(c[2], u'0', u'9') && InRange(c[3], u'0', u'9') &&
                           InRange(c[4], u'A', u'X') && InRange(c[5], u'A', u'X');
        result = valid ? LocatorEntry::PositionSet : LocatorEntry::Invalid;
        if (valid) {
            f.ShownLocator = QString(reinterpret_cast<const QChar*>(c), 4) + QChar(Lower(c[4])) +
                             QChar(Lower(c[5]));
            const long double l1 = c[0] - u'A', l2 = c[1] - u'A';
            const long double d1 = c[2] - u'0', d2 = c[3] - u'0';
            const long double s1 = c[4] - u'A', s2 = c[5] - u'A';
            // West-positive longitude and the latitude of the subsquare's centre.
            long double w = 180 - 20 * l1 - 2 * d1 - s1 / 12 - 1.0L / 24;
            if (w < 0)
                w += 360;
            if (w > 180)
                w -= 360;
            const long double phi = 10 * l2 - 90 + d2 + s2 / 24 + 1.0L / 48;
            f.LongHemisphere = w < 0 ? QStringLiteral("E") : QStringLiteral("W");
            f.LatHemisphere = phi < 0 ? QStringLiteral("S") : QStringLiteral("N");
            SplitReal(w, f.LocatorLongDeg, f.LocatorLongMin, f.LocatorLongSec);
            SplitReal(phi, f.LocatorLatDeg, f.LocatorLatMin, f.LocatorLatSec);

            f.LatDeg = RoundHalfEven(f.LocatorLatDeg);
            f.LatMin = RoundHalfEven(f.LocatorLatMin);
            f.LatSec = RoundHalfEven(f.LocatorLatSec);
            f.LongDeg = RoundHalfEven(f.LocatorLongDeg);
            f.LongMin = RoundHalfEven(f.LocatorLongMin);
            f.LongSec = RoundHalfEven(f.LocatorLongSec);
            DmsToLatitude(state, station);
            DmsToLongitude(state, station);
            ShowHemispheres(state, station);
            // A new position is a new station.
            f.CallSign.clear();
            f.Location.clear();
        }
    }
    if (station == Station::Home)
        state.HomeGridSquare = state.GridSquareWork;
    return result;
}

QString PositionToLocator(AppState& state, Station station)
{
    StationFields f = FieldsOf(state, station);
    long double x = static_cast<long double>(f.LongDeg) + static_cast<long double>(f.LongMin) / 60 +
                    static_cast<long double>(f.LongSec) / 3600;
    if (f.LongHemisphere == QLatin1String("E"))
        x = -x; // west positive
    if (x == 0)
        x = ZeroNudge(station);
    long double y = static_cast<long double>(f.LatDeg) + static_cast<long double>(f.LatMin) / 60 +
                    static_cast<long double>(f.LatSec) / 3600;
    if (f.LatHemisphere == QLatin1String("S"))
        y = -y;
    if (y == 0)
        y = ZeroNudge(station);

    // Longitudes beyond a half turn (only from damaged input) are first
    // brought into (-180, 180]; within it the steps below are exact as written.
    if (x > 180 || x < -180) {
        x = std::fmod(x, 360.0L);
        if (x > 180)
            x -= 360;
        else if (x <= -180)
            x += 360;
    }
    if (x < 0)
        x += 360;
    long double e = 180 - x; // east longitude plus 180, in [0, 360)
    if (e < 0)
        e += 360;
    const int field1 = IntPart(e / 20, 17);
    const int square1 = IntPart((e - 20 * field1) / 2, 9);
    const int sub1 = IntPart((e / 2 - std::trunc(e / 2)) * 24, 23);

    // Latitudes beyond the poles are held just inside them.
    const long double p = std::clamp(y + 90, 0.0L, 180.0L);
    const int field2 = IntPart(p / 10, 17);
    const long double inField = p - 10 * field2;
    const int square2 = IntPart(inField, 9);
    const int sub2 = IntPart((inField - square2) * 24, 23);

    QString locator;
    locator += QChar(u'A' + field1);
    locator += QChar(u'A' + field2);
    locator += QChar(u'0' + square1);
    locator += QChar(u'0' + square2);
    locator += QChar(u'a' + sub1);
    locator += QChar(u'a' + sub2);
    f.ShownLocator = locator;
    return locator;
}

#include "SignalWidth.h"

#include <algorithm>
#include <cmath>

namespace
{

long double ShortWay(long double delta)
{
    return std::remainder(delta, 360.0L);
}

} // namespace

long double LibrationRate(LibrationPoint from, LibrationPoint to)
{
    const long double db = to.latitude - from.latitude;
    const long double dl = ShortWay(to.longitude - from.longitude);
    return std::sqrt(db * db + dl * dl) / 2;
}

long double PathLibrationRate(LibrationPoint homeFrom, LibrationPoint homeTo, LibrationPoint dxFrom,
                              LibrationPoint dxTo)
{
    const long double db =
        ((homeTo.latitude - homeFrom.latitude) + (dxTo.latitude - dxFrom.latitude)) / 2;
    const long double dl = (ShortWay(homeTo.longitude - homeFrom.longitude) +
                            ShortWay(dxTo.longitude - dxFrom.longitude)) /
                           2;
    return std::sqrt(db * db + dl * dl) / 2;
}

long double SignalWidthHz(long double rateDegPerMin, long double frequencyGHz)
{
    return rateDegPerMin * 6000 * frequencyGHz;
}

long double DecimalIntegerPart(long double value)
{
    if (!std::isfinite(value))
        return value;
    const long double nearest = std::round(value);
    if (std::fabs(value - nearest) <= 1e-9L * std::max(1.0L, std::fabs(value)))
        return nearest;
    return std::trunc(value);
}

long double LibraryFrequencyMHz(long double frequencyGHz)
{
    const long double ghz = frequencyGHz > 48 ? frequencyGHz / 4 : frequencyGHz;
    return DecimalIntegerPart(ghz * 1000);
}

long double FoldSpatialOffset(long double angleDeg)
{
    long double p = angleDeg;
    if (p < 0)
        p += 360;
    if (p > 90 && p <= 270)
        p -= 180;
    if (p > 270 && p <= 360)
        p -= 360;
    return p;
}

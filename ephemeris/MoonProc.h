#pragma once
// The Moon's geocentric position for DataToDLL: a truncation of Brown's lunar
// theory (50 terms in longitude, 45 in latitude, 30 in parallax, degrees),
// mean equinox of date, without nutation. Time is counted in days from
// 1900 January 0.5 UT.

#include "VarMoon.h"

namespace pellor
{

struct MoonSeriesResult {
    double LongitudeRad; // 0..2pi, without nutation
    double LatitudeRad;
    double ParallaxRad; // horizontal parallax
    double DistanceKm;  // 6378.14 / sin(parallax)
};

MoonSeriesResult MoonSeries(double daysSince1900);

// Runs the series for the context's instant and stores the Moon's fields.
void ComputeMoon(CalcContext& ctx);

} // namespace pellor

#pragma once
// The station's own Moon echo: Doppler shift and libration spreading. Each
// uses a short lunar theory of its own (time from J2000.0), independent of the
// series behind DataToDLL, and reads only the context's date, time, station
// latitude and longitude and frequency.

#include "VarMoon.h"

namespace pellor
{

// Topocentric Moon distance (km) at minute offset k (-1, 0, +1) from the
// context's time.
double EchoDistanceKmAt(const CalcContext& ctx, int k);

// Doppler of the station's own echo in Hz at the context's frequency,
// positive while the Moon approaches. Stores the middle distance in
// EchoDistanceKm.
double EchoDoppler(CalcContext& ctx);

// Libration spreading of the echo in Hz at the context's frequency.
double LibrationSpread(const CalcContext& ctx);

} // namespace pellor

#pragma once

struct AppState;

// The program's own low-precision Moon ephemeris for CalcYear … CalcMinute
// (CalcMinute may exceed 59) and the ephemeris observer. Writes every
// intermediate value into state.Ephemeris and the topocentric libration into
// state.TopoLibrationLatitude / TopoLibrationLongitude. Allocates nothing and
// formats no text, so the sweeps can call it thousands of times.
void ComputeOwnEphemeris(AppState& state);

// The remainder of x by 360 with the sign of x: the truncated integer part
// modulo 360 plus the fractional part. Positive x gives [0, 360), negative x
// gives (−360, 0].
long double Reduce360(long double x);

// Adds 360 once to a negative x, then Reduce360: a value below −360 stays
// negative.
long double Wrap360(long double x);

// The Sun's selenographic colongitude from the sub-solar longitude Ls.
long double SunColongitude(long double subSolarLongitude);
// Selenographic longitude of the terminator, and whether it is the morning
// (sunrise) terminator, for a colongitude.
long double TerminatorLongitude(long double colongitude);
bool TerminatorIsSunrise(long double colongitude);

// Degree/radian factors of the ephemeris.
inline constexpr long double DegToRad = 0.017453292519943295769L;
inline constexpr long double RadToDeg = 57.295779513082320877L;

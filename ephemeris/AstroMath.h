#pragma once
// Small numeric helpers and constants shared by the ephemeris routines.
// Every angle conversion in the library goes through these factors so that
// results agree digit for digit wherever the same quantity is computed twice.

#include <cmath>

namespace pellor
{

inline constexpr double kPi = 3.14159265358979323846;
inline constexpr double kTwoPi = 2.0 * kPi;
inline constexpr double kDegPerRad = 57.29577951308232;    // 180/pi
inline constexpr double kRadPerDeg = 0.017453292519943295; // pi/180

inline double Radians(double degrees)
{
    return degrees * kRadPerDeg;
}
inline double Degrees(double radians)
{
    return radians * kDegPerRad;
}

// Integer part, truncated towards zero, kept as a double so huge or NaN
// arguments never reach an int conversion.
inline double Int(double x)
{
    return std::trunc(x);
}

// x minus its integer part: keeps the sign of x.
inline double Frac(double x)
{
    return x - std::trunc(x);
}

// Revolutions to radians, sign kept.
inline double Rev(double x)
{
    return kTwoPi * Frac(x);
}

// Degrees reduced by whole turns towards zero: negative values stay negative.
inline double Mod360(double x)
{
    return x - std::trunc(x / 360.0) * 360.0;
}

// Rounding can push a sine or cosine built from products a hair past +-1;
// the arc functions would then return NaN for what is a perfectly good angle.
inline double ClampUnit(double x)
{
    return x > 1.0 ? 1.0 : (x < -1.0 ? -1.0 : x);
}
inline double SafeAsin(double x)
{
    return std::asin(ClampUnit(x));
}
inline double SafeAcos(double x)
{
    return std::acos(ClampUnit(x));
}

} // namespace pellor

#pragma once

// Trigonometry in 80-bit extended precision for the own ephemeris. On x86 the
// FPU's own instructions are used: they work in the extended format directly
// and cost a fifth of the C library's long double routines, which is what lets
// a sweep evaluate the ephemeris thousands of times. Arguments stay far below
// the instructions' limit of 2^63; larger ones take the library path.

#include <cmath>
#include <cstdint>

namespace ExtendedMath
{

#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))

inline constexpr long double X87Limit = 1e18L;

inline long double Sin(long double x)
{
    if (!(std::fabs(x) < X87Limit))
        return std::sin(x);
    long double r;
    asm("fsin" : "=t"(r) : "0"(x));
    return r;
}

inline long double Cos(long double x)
{
    if (!(std::fabs(x) < X87Limit))
        return std::cos(x);
    long double r;
    asm("fcos" : "=t"(r) : "0"(x));
    return r;
}

inline void SinCos(long double x, long double& s, long double& c)
{
    if (!(std::fabs(x) < X87Limit)) {
        s = std::sin(x);
        c = std::cos(x);
        return;
    }
    asm("fsincos" : "=t"(c), "=u"(s) : "0"(x));
}

inline long double Tan(long double x)
{
    if (!(std::fabs(x) < X87Limit))
        return std::tan(x);
    long double r;
    // fptan leaves 1.0 on top of the tangent; drop it.
    asm("fptan\n\tfstp %%st(0)" : "=t"(r) : "0"(x));
    return r;
}

// Truncation toward zero for |x| < 2^63. fisttp truncates without switching the
// FPU's rounding mode, which a plain conversion does at many times the cost.
inline int64_t TruncToInt64(long double x)
{
    int64_t r;
    asm("fisttpll %0" : "=m"(r) : "t"(x) : "st");
    return r;
}

// atan2(y, x) with the quadrant taken from both signs.
inline long double Atan2(long double y, long double x)
{
    long double r;
    asm("fpatan" : "=t"(r) : "0"(x), "u"(y) : "st(1)");
    return r;
}

#else

inline long double Sin(long double x)
{
    return std::sin(x);
}
inline long double Cos(long double x)
{
    return std::cos(x);
}
inline void SinCos(long double x, long double& s, long double& c)
{
    s = std::sin(x);
    c = std::cos(x);
}
inline long double Tan(long double x)
{
    return std::tan(x);
}
inline long double Atan2(long double y, long double x)
{
    return std::atan2(y, x);
}

#endif

inline long double Atan(long double x)
{
    return Atan2(x, 1.0L);
}

// asin and acos through the two-argument arctangent; exact at ±1.
inline long double Asin(long double x)
{
    return Atan2(x, std::sqrt((1.0L - x) * (1.0L + x)));
}
inline long double Acos(long double x)
{
    return Atan2(std::sqrt((1.0L - x) * (1.0L + x)), x);
}

} // namespace ExtendedMath

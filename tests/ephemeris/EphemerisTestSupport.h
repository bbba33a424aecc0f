#pragma once
// Helpers shared by the ephemeris library tests: one station-and-instant
// record, short-string reading and bisection on a station coordinate.

#include <Pellor_sunmoon.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <string>

namespace ephemeris_test
{

struct Call {
    uint16_t year, month, day, hour, minute, second;
    double heightM, latitudeDeg, longitudeDeg;
    uint8_t refraction, body;
    double frequencyMHz;
};

inline void Load(const Call& c)
{
    DataToDLL(c.year, c.month, c.day, c.hour, c.minute, c.second, c.heightM, c.latitudeDeg,
              c.longitudeDeg, c.refraction, c.body, c.frequencyMHz);
}

inline std::string ShortString(const unsigned char* text)
{
    return std::string(reinterpret_cast<const char*>(text + 1), text[0]);
}

// A short string as the library expects it: length byte, then the characters.
inline std::basic_string<unsigned char> MakeShortString(const std::string& s)
{
    std::basic_string<unsigned char> out;
    out.push_back(static_cast<unsigned char>(s.size()));
    out.append(s.begin(), s.end());
    return out;
}

// Difference of two angles in degrees, across the 0/360 seam.
inline double AngleDiffDeg(double a, double b)
{
    return std::fabs(std::remainder(a - b, 360.0));
}

// Tolerance scaled to the size of the expected value, never below the
// absolute tolerance itself.
inline double Tol(double expected, double rel)
{
    return rel * std::fmax(1.0, std::fabs(expected));
}

// Finds x in [lo, hi] where f changes sign, scanning in `steps` pieces and
// bisecting the first bracket found; with risingOnly, only a change from
// negative to positive counts (skips the jump of a wrapped angle). Returns NaN
// when there is none.
inline double FindRoot(const std::function<double(double)>& f, double lo, double hi, int steps,
                       bool risingOnly = false)
{
    double x0 = lo, f0 = f(lo);
    for (int i = 1; i <= steps; ++i) {
        const double x1 = lo + (hi - lo) * i / steps;
        const double f1 = f(x1);
        const bool crosses = risingOnly ? (f0 <= 0.0 && f1 > 0.0) : ((f0 <= 0.0) != (f1 <= 0.0));
        if (crosses) {
            double a = x0, b = x1, fa = f0;
            for (int k = 0; k < 200 && a != b; ++k) {
                const double m = 0.5 * (a + b);
                if (m == a || m == b)
                    break;
                const double fm = f(m);
                if ((fa <= 0.0) == (fm <= 0.0)) {
                    a = m;
                    fa = fm;
                } else {
                    b = m;
                }
            }
            return a;
        }
        x0 = x1;
        f0 = f1;
    }
    return NAN;
}

} // namespace ephemeris_test

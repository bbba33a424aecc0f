#include "MoonProc.h"

#include "AstroMath.h"

#include <cmath>
#include <iterator>

namespace pellor
{
namespace
{

// One periodic term: coefficient (degrees) x E^ePower x sin or cos of
// d*D + m*M + mp*M' + f*F.
struct SeriesTerm {
    double coef;
    int ePower;
    int d, m, mp, f;
};

// clang-format off
constexpr SeriesTerm kLongitudeTerms[] = {
    {6.288750, 0, 0, 0, 1, 0},
    {1.274018, 0, 2, 0, -1, 0},
    {0.658309, 0, 2, 0, 0, 0},
    {0.213616, 0, 0, 0, 2, 0},
    {-0.185596, 1, 0, 1, 0, 0},
    {-0.114336, 0, 0, 0, 0, 2},
    {0.058793, 0, 2, 0, -2, 0},
    {0.057212, 1, 2, -1, -1, 0},
    {0.053320, 0, 2, 0, 1, 0},
    {0.045874, 1, 2, -1, 0, 0},
    {0.041024, 1, 0, -1, 1, 0},
    {-0.034718, 0, 1, 0, 0, 0},
    {-0.030465, 1, 0, 1, 1, 0},
    {0.015326, 0, 2, 0, 0, -2},
    {-0.012528, 0, 0, 0, 1, 2},
    {-0.010980, 0, 0, 0, -1, 2},
    {0.010674, 0, 4, 0, -1, 0},
    {0.010034, 0, 0, 0, 3, 0},
    {0.008548, 0, 4, 0, -2, 0},
    {-0.007910, 1, 2, 1, -1, 0},
    {-0.006783, 1, 2, 1, 0, 0},
    {0.005162, 0, -1, 0, 1, 0},
    {0.005000, 1, 1, 1, 0, 0},
    {0.004049, 1, 2, -1, 1, 0},
    {0.003996, 0, 2, 0, 2, 0},
    {0.003862, 0, 4, 0, 0, 0},
    {0.003665, 0, 2, 0, -3, 0},
    {0.002695, 1, 0, -1, 2, 0},
    {0.002602, 0, -2, 0, 1, -2},
    {0.002396, 1, 2, -1, -2, 0},
    {-0.002349, 0, 1, 0, 1, 0},
    {0.002249, 2, 2, -2, 0, 0},
    {-0.002125, 1, 0, 1, 2, 0},
    {-0.002079, 2, 0, 2, 0, 0},
    {0.002059, 2, 2, -2, -1, 0},
    {-0.001773, 0, 2, 0, 1, -2},
    {-0.001595, 0, 2, 0, 0, 2},
    {0.001220, 1, 4, -1, -1, 0},
    {-0.001110, 0, 0, 0, 2, 2},
    {0.000892, 0, -3, 0, 1, 0},
    {-0.000811, 1, 2, 1, 1, 0},
    {0.000761, 1, 4, -1, -2, 0},
    {0.000717, 2, 0, -2, 1, 0},
    {0.000704, 2, -2, -2, 1, 0},
    {0.000693, 1, 2, 1, -2, 0},
    {0.000598, 1, 2, -1, 0, -2},
    {0.000550, 0, 4, 0, 1, 0},
    {0.000538, 0, 0, 0, 4, 0},
    {0.000521, 1, 4, -1, 0, 0},
    {0.000486, 0, -1, 0, 2, 0},
};
// clang-format on

// clang-format off
constexpr SeriesTerm kLatitudeTerms[] = {
    {5.128189, 0, 0, 0, 0, 1},
    {0.280606, 0, 0, 0, 1, 1},
    {0.277693, 0, 0, 0, 1, -1},
    {0.173238, 0, 2, 0, 0, -1},
    {0.055413, 0, 2, 0, -1, 1},
    {0.046272, 0, 2, 0, -1, -1},
    {0.032573, 0, 2, 0, 0, 1},
    {0.017198, 0, 0, 0, 2, 1},
    {0.009267, 0, 2, 0, 1, -1},
    {0.008823, 0, 0, 0, 2, -1},
    {0.008247, 1, 2, -1, 0, -1},
    {0.004323, 0, 2, 0, -2, -1},
    {0.004200, 0, 2, 0, 1, 1},
    {0.003372, 1, -2, -1, 0, 1},
    {0.002472, 1, 2, -1, -1, 1},
    {0.002222, 1, 2, -1, 0, 1},
    {0.002072, 1, 2, -1, -1, -1},
    {0.001877, 1, 0, -1, 1, 1},
    {0.001828, 0, 4, 0, -1, -1},
    {-0.001803, 1, 0, 1, 0, 1},
    {-0.001750, 0, 0, 0, 0, 3},
    {0.001570, 1, 0, -1, 1, -1},
    {-0.001487, 0, 1, 0, 0, 1},
    {-0.001481, 1, 0, 1, 1, 1},
    {0.001417, 1, 0, -1, -1, 1},
    {0.001350, 1, 0, -1, 0, 1},
    {0.001330, 0, -1, 0, 0, 1},
    {0.001106, 0, 0, 0, 3, 1},
    {0.001020, 0, 4, 0, 0, -1},
    {0.000833, 0, 4, 0, -1, 1},
    {0.000781, 0, 0, 0, 1, -3},
    {0.000670, 0, 4, 0, -2, 1},
    {0.000606, 0, 2, 0, 0, -3},
    {0.000597, 0, 2, 0, 2, -1},
    {0.000492, 1, 2, -1, 1, -1},
    {0.000450, 0, -2, 0, 2, -1},
    {0.000439, 0, 0, 0, 3, -1},
    {0.000423, 0, 2, 0, 2, 1},
    {0.000422, 0, 2, 0, -3, -1},
    {-0.000367, 1, 2, 1, -1, 1},
    {-0.000353, 1, 2, 1, 0, 1},
    {0.000331, 0, 4, 0, 0, 1},
    {0.000317, 1, 2, -1, 1, 1},
    {0.000306, 2, 2, -2, 0, -1},
    {-0.000283, 0, 0, 0, 1, 3},
};
// clang-format on

// clang-format off
constexpr SeriesTerm kParallaxTerms[] = {
    {0.051818, 0, 0, 0, 1, 0},
    {0.009531, 0, 2, 0, -1, 0},
    {0.007843, 0, 2, 0, 0, 0},
    {0.002824, 0, 0, 0, 2, 0},
    {0.000857, 0, 2, 0, 1, 0},
    {0.000533, 1, 2, -1, 0, 0},
    {0.000401, 1, 2, -1, -1, 0},
    {0.000320, 1, 0, -1, 1, 0},
    {-0.000271, 0, 1, 0, 0, 0},
    {-0.000264, 1, 0, 1, 1, 0},
    {-0.000198, 0, 0, 0, -1, 2},
    {0.000173, 0, 0, 0, 3, 0},
    {0.000167, 0, 4, 0, -1, 0},
    {-0.000111, 1, 0, 1, 0, 0},
    {0.000103, 0, 4, 0, -2, 0},
    {-0.000084, 0, -2, 0, 2, 0},
    {-0.000083, 1, 2, 1, 0, 0},
    {0.000079, 0, 2, 0, 2, 0},
    {0.000072, 0, 4, 0, 0, 0},
    {0.000064, 1, 2, -1, 1, 0},
    {-0.000063, 1, 2, -1, -1, 0},
    {0.000041, 1, 1, 1, 0, 0},
    {0.000035, 1, 0, -1, 2, 0},
    {-0.000033, 0, -2, 0, 3, 0},
    {-0.000030, 0, 1, 0, 1, 0},
    {-0.000029, 0, -2, 0, 0, 2},
    {-0.000029, 1, 0, 1, 2, 0},
    {0.000026, 2, 2, -2, 0, 0},
    {-0.000023, 0, -2, 0, 1, 2},
    {0.000019, 1, 4, -1, -1, 0},
};
// clang-format on

struct Elements {
    double D, M, Mp, F; // radians
    double E, E2;
};

inline double Argument(const SeriesTerm& t, const Elements& el)
{
    return t.d * el.D + t.m * el.M + t.mp * el.Mp + t.f * el.F;
}

inline double Eccentricity(const SeriesTerm& t, const Elements& el)
{
    return t.ePower == 0 ? 1.0 : (t.ePower == 1 ? el.E : el.E2);
}

constexpr int kLongitudeCount = int(std::size(kLongitudeTerms));
constexpr int kParallaxCount = int(std::size(kParallaxTerms));

// Most parallax arguments are longitude arguments too (or their negatives,
// whose cosine is the same): the cosine is taken together with the sine.
// Index of that longitude term for each parallax term, -1 if none.
struct ParallaxTwins {
    int longitudeIndex[kParallaxCount];
    bool longitudeNeedsCos[kLongitudeCount];
};

constexpr ParallaxTwins FindParallaxTwins()
{
    ParallaxTwins twins{};
    for (int p = 0; p < kParallaxCount; ++p) {
        const SeriesTerm& pt = kParallaxTerms[p];
        twins.longitudeIndex[p] = -1;
        for (int l = 0; l < kLongitudeCount && twins.longitudeIndex[p] < 0; ++l) {
            const SeriesTerm& lt = kLongitudeTerms[l];
            const bool same = lt.d == pt.d && lt.m == pt.m && lt.mp == pt.mp && lt.f == pt.f;
            const bool negated = lt.d == -pt.d && lt.m == -pt.m && lt.mp == -pt.mp && lt.f == -pt.f;
            if (same || negated) {
                twins.longitudeIndex[p] = l;
                twins.longitudeNeedsCos[l] = true;
            }
        }
    }
    return twins;
}

constexpr ParallaxTwins kTwins = FindParallaxTwins();

} // namespace

MoonSeriesResult MoonSeries(double d)
{
    const double T = d / 36525.0;
    const double T2 = T * T;

    // Mean elements in degrees; the linear parts go through the fraction of
    // d / period so that large day counts keep their precision.
    double Lp = 270.434164 + 360.0 * Frac(d / 27.32158213) - (0.001133 - 0.0000019 * T) * T2;
    double M = 358.475833 + 360.0 * Frac(d / 365.2596407) - (0.00015 + 0.0000033 * T) * T2;
    double Mp = 296.104608 + 360.0 * Frac(d / 27.55455094) + (0.009192 + 0.0000144 * T) * T2;
    double D = 350.737486 + 360.0 * Frac(d / 29.53058868) - (0.001436 - 0.0000019 * T) * T2;
    double F = 11.250889 + 360.0 * Frac(d / 27.21222039) - (0.003211 + 0.0000003 * T) * T2;
    const double Om = 259.183275 - 360.0 * Frac(d / 6798.363307) + (0.002078 + 0.000022 * T) * T2;

    // Long-period additive corrections.
    const double S1 = std::sin(Radians(51.2 + 20.2 * T));
    const double V = 346.56 + (132.87 - 0.0091731 * T) * T;
    const double SV = 0.003964 * std::sin(Radians(V));
    const double SOm = std::sin(Radians(Om));
    const double S2 = std::sin(Radians(Om + 275.05 - 2.3 * T));
    Lp += 0.000233 * S1 + SV + 0.001964 * SOm;
    M -= 0.00178 * S1;
    Mp += 0.000817 * S1 + SV + 0.002541 * SOm;
    D += 0.002011 * S1 + SV + 0.001964 * SOm;
    F += SV - 0.024691 * SOm - 0.004328 * S2;

    Elements el;
    el.E = 1.0 - (0.002495 + 0.00000752 * T) * T;
    el.E2 = el.E * el.E;
    el.D = Radians(D);
    el.M = Radians(M);
    el.Mp = Radians(Mp);
    el.F = Radians(F);

    double longitudeCos[kLongitudeCount];
    double sumLongitude = 0.0;
    for (int i = 0; i < kLongitudeCount; ++i) {
        const SeriesTerm& t = kLongitudeTerms[i];
        const double arg = Argument(t, el);
        sumLongitude += t.coef * Eccentricity(t, el) * std::sin(arg);
        if (kTwins.longitudeNeedsCos[i])
            longitudeCos[i] = std::cos(arg);
    }
    double sumLatitude = 0.0;
    for (const SeriesTerm& t : kLatitudeTerms)
        sumLatitude += t.coef * Eccentricity(t, el) * std::sin(Argument(t, el));
    double parallax = 0.950724;
    for (int i = 0; i < kParallaxCount; ++i) {
        const SeriesTerm& t = kParallaxTerms[i];
        const int twin = kTwins.longitudeIndex[i];
        const double c = twin >= 0 ? longitudeCos[twin] : std::cos(Argument(t, el));
        parallax += t.coef * Eccentricity(t, el) * c;
    }

    MoonSeriesResult r;
    double longitude = Radians(Lp) + Radians(sumLongitude);
    while (longitude < 0.0)
        longitude += kTwoPi;
    while (longitude > kTwoPi)
        longitude -= kTwoPi;
    r.LongitudeRad = longitude;

    const double omega1 = 0.0004664 * std::cos(Radians(Om));
    const double omega2 = 0.0000754 * std::cos(Radians(Om + 275.05 - 2.3 * T));
    r.LatitudeRad = Radians(sumLatitude) * (1.0 - omega1 - omega2);

    r.ParallaxRad = Radians(parallax);
    r.DistanceKm = 6378.14 / std::sin(r.ParallaxRad);
    return r;
}

void ComputeMoon(CalcContext& ctx)
{
    const MoonSeriesResult r = MoonSeries(ctx.DaysSince1900);
    ctx.MoonLongitudeRad = r.LongitudeRad;
    ctx.MoonLatitudeRad = r.LatitudeRad;
    ctx.HorizontalParallaxRad = r.ParallaxRad;
    ctx.MoonDistanceKm = r.DistanceKm;
}

} // namespace pellor

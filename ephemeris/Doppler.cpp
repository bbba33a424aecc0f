#include "Doppler.h"

#include "AstroMath.h"

#include <cmath>

namespace pellor
{
namespace
{

// One periodic term of the echo theory: coefficient x (T if timesT) x sin or
// cos of l*l + lp*l' + f*F + d*D + om*Omega + ls*Ls + lv*Lv.
struct EchoTerm {
    double coef;
    int isCos, timesT;
    int l, lp, f, d, om, ls, lv;
};

// Longitude, arcseconds.
// clang-format off
constexpr EchoTerm kLongitudeTerms[] = {
    {22640, 0, 0, 1, 0, 0, 0, 0, 0, 0},
    {-4586, 0, 0, 1, 0, 0, -2, 0, 0, 0},
    {2370, 0, 0, 0, 0, 0, 2, 0, 0, 0},
    {769, 0, 0, 2, 0, 0, 0, 0, 0, 0},
    {-668, 0, 0, 0, 1, 0, 0, 0, 0, 0},
    {-412, 0, 0, 0, 0, 2, 0, 0, 0, 0},
    {-212, 0, 0, 2, 0, 0, -2, 0, 0, 0},
    {-206, 0, 0, 1, 1, 0, -2, 0, 0, 0},
    {192, 0, 0, 1, 0, 0, 2, 0, 0, 0},
    {165, 0, 0, 0, -1, 0, 2, 0, 0, 0},
    {148, 0, 0, 1, -1, 0, 0, 0, 0, 0},
    {-125, 0, 0, 0, 0, 0, 1, 0, 0, 0},
    {-110, 0, 0, 1, 1, 0, 0, 0, 0, 0},
    {-55, 0, 0, 0, 0, 2, -2, 0, 0, 0},
    {-45, 0, 0, 1, 0, 2, 0, 0, 0, 0},
    {40, 0, 0, 1, 0, -2, 0, 0, 0, 0},
    {-38, 0, 0, 1, 0, 0, -4, 0, 0, 0},
    {36, 0, 0, 3, 0, 0, 0, 0, 0, 0},
    {-31, 0, 0, 2, 0, 0, -4, 0, 0, 0},
    {28, 0, 0, 1, -1, 0, -2, 0, 0, 0},
    {-24, 0, 0, 0, 1, 0, 2, 0, 0, 0},
    {19, 0, 0, 1, 0, 0, -1, 0, 0, 0},
    {18, 0, 0, 0, 1, 0, 1, 0, 0, 0},
    {15, 0, 0, 1, -1, 0, 2, 0, 0, 0},
    {14, 0, 0, 0, 0, 0, 4, 0, 0, 0},
    {14, 0, 0, 2, 0, 0, 2, 0, 0, 0},
    {-13, 0, 0, 3, 0, 0, -2, 0, 0, 0},
    {-11, 0, 0, 1, 0, 0, 0, 0, 16, -18},
    {10, 0, 0, 2, -1, 0, 0, 0, 0, 0},
    {9, 1, 0, 1, 0, 0, 0, 0, 16, -18},
    {9, 0, 0, 1, 0, -2, -2, 0, 0, 0},
    {-9, 0, 0, 2, 1, 0, -2, 0, 0, 0},
    {8, 0, 0, 0, -2, 0, 2, 0, 0, 0},
    {-8, 0, 0, 1, 0, 0, 1, 0, 0, 0},
    {-8, 0, 0, 2, 1, 0, 0, 0, 0, 0},
    {7, 0, 0, 0, 0, 0, 0, 1, 0, 0},
    {-7, 0, 0, 0, 2, 0, 0, 0, 0, 0},
    {-7, 0, 0, 1, 2, 0, -2, 0, 0, 0},
    {-6, 0, 0, 1, 0, -2, 2, 0, 0, 0},
    {-6, 0, 0, 0, 0, 2, 2, 0, 0, 0},
    {4, 1, 0, 1, 0, 0, 0, 0, 16, -18},
    {-4, 0, 0, 1, 1, 0, -4, 0, 0, 0},
    {-4, 0, 0, 2, 0, 2, 0, 0, 0, 0},
    {4, 0, 0, 1, 0, 0, 0, 0, 16, -18},
    {4, 1, 1, 1, 0, 0, 0, 0, 16, -18},
    {4, 0, 1, 1, 0, 0, 0, 0, 16, -18},
    {3, 0, 0, 1, -2, 0, -2, 0, 0, 0},
    {3, 0, 0, 1, -2, 0, 0, 0, 0, 0},
    {3, 0, 0, 1, 0, 0, -3, 0, 0, 0},
    {-3, 0, 0, 1, 1, 0, 2, 0, 0, 0},
    {-3, 0, 0, 2, 1, 0, -4, 0, 0, 0},
    {-2, 0, 0, 2, -1, 0, -2, 0, 0, 0},
    {2, 0, 0, 2, 0, 0, -1, 0, 0, 0},
    {2, 0, 0, 0, -1, 0, 4, 0, 0, 0},
    {2, 0, 0, 4, 0, 0, 0, 0, 0, 0},
    {2, 0, 0, 1, 0, 0, 4, 0, 0, 0},
    {-2, 0, 0, 0, 1, 2, -2, 0, 0, 0},
};
// clang-format on

// Latitude, arcseconds.
// clang-format off
constexpr EchoTerm kLatitudeTerms[] = {
    {18461, 0, 0, 0, 0, 1, 0, 0, 0, 0},
    {1010, 0, 0, 1, 0, 1, 0, 0, 0, 0},
    {1000, 0, 0, 1, 0, -1, 0, 0, 0, 0},
    {-624, 0, 0, 0, 0, 1, -2, 0, 0, 0},
    {-199, 0, 0, 1, 0, -1, -2, 0, 0, 0},
    {-167, 0, 0, 1, 0, 1, -2, 0, 0, 0},
    {117, 0, 0, 0, 0, 1, 2, 0, 0, 0},
    {62, 0, 0, 2, 0, 1, 0, 0, 0, 0},
    {33, 0, 0, 1, 0, -1, 2, 0, 0, 0},
    {32, 0, 0, 2, 0, -1, 0, 0, 0, 0},
    {-30, 0, 0, 0, 1, 1, -2, 0, 0, 0},
    {-16, 0, 0, 2, 0, 1, -2, 0, 0, 0},
    {15, 0, 0, 1, 0, 1, 2, 0, 0, 0},
    {12, 0, 0, 0, -1, 1, -2, 0, 0, 0},
    {-9, 0, 0, 1, 1, -1, -2, 0, 0, 0},
    {-8, 0, 0, 0, 0, 1, 0, 1, 0, 0},
    {8, 0, 0, 0, -1, 1, 2, 0, 0, 0},
    {7, 0, 0, 1, -1, 1, 0, 0, 0, 0},
    {-7, 0, 0, 1, 1, 1, -2, 0, 0, 0},
    {-7, 0, 0, 1, 0, 1, -4, 0, 0, 0},
    {-6, 0, 0, 0, 1, 1, 0, 0, 0, 0},
    {6, 0, 0, 1, -1, -1, 0, 0, 0, 0},
    {-6, 0, 0, 0, 0, 3, 0, 0, 0, 0},
    {-5, 0, 0, 0, 0, 1, 1, 0, 0, 0},
    {5, 0, 0, 0, 0, 1, -1, 0, 0, 0},
    {5, 0, 0, 0, -1, 1, 0, 0, 0, 0},
    {-5, 0, 0, 1, 1, 1, 0, 0, 0, 0},
    {-5, 0, 0, 1, 1, -1, 0, 0, 0, 0},
    {4, 0, 0, 3, 0, 1, 0, 0, 0, 0},
    {-4, 0, 0, 0, 0, 1, -4, 0, 0, 0},
    {3, 0, 0, 1, 0, -3, 0, 0, 0, 0},
    {-3, 0, 0, 1, 0, -1, -4, 0, 0, 0},
    {-2, 0, 0, 2, 0, -1, -4, 0, 0, 0},
    {2, 0, 0, 3, 0, -1, 0, 0, 0, 0},
    {2, 0, 0, 2, 0, -1, -2, 0, 0, 0},
    {2, 0, 0, 1, -1, -1, 2, 0, 0, 0},
    {2, 0, 0, 2, 0, -1, 2, 0, 0, 0},
    {-2, 0, 0, 0, 0, 3, -2, 0, 0, 0},
};
// clang-format on

// Geocentric distance, Earth radii.
// clang-format off
constexpr EchoTerm kDistanceTerms[] = {
    {-3.27746, 1, 0, 1, 0, 0, 0, 0, 0, 0},
    {-0.57994, 1, 0, 1, 0, 0, -2, 0, 0, 0},
    {-0.46357, 1, 0, 0, 0, 0, 2, 0, 0, 0},
    {-0.08904, 1, 0, 2, 0, 0, 0, 0, 0, 0},
    {0.03865, 1, 0, 2, 0, 0, -2, 0, 0, 0},
    {-0.03237, 1, 0, 0, -1, 0, 2, 0, 0, 0},
    {-0.02688, 1, 0, 1, 0, 0, 2, 0, 0, 0},
    {-0.02358, 1, 0, 1, 1, 0, -2, 0, 0, 0},
    {-0.0203, 1, 0, 1, -1, 0, 0, 0, 0, 0},
    {0.01719, 1, 0, 0, 0, 0, 1, 0, 0, 0},
    {0.01671, 1, 0, 1, 1, 0, 0, 0, 0, 0},
    {0.01247, 1, 0, 1, 0, -2, 0, 0, 0, 0},
    {0.00704, 1, 0, 0, 1, 0, 0, 0, 0, 0},
    {0.00529, 1, 0, 0, 1, 0, 2, 0, 0, 0},
    {-0.00524, 1, 0, 1, 0, 0, -4, 0, 0, 0},
    {0.00398, 1, 0, 1, -1, 0, -2, 0, 0, 0},
    {-0.00366, 1, 0, 3, 0, 0, 0, 0, 0, 0},
    {-0.00295, 1, 0, 2, 0, 0, -4, 0, 0, 0},
    {-0.00263, 1, 0, 0, 1, 0, 1, 0, 0, 0},
    {0.00249, 1, 0, 3, 0, 0, -2, 0, 0, 0},
    {-0.00221, 1, 0, 1, -1, 0, 2, 0, 0, 0},
    {0.00185, 1, 0, 0, 0, 2, -2, 0, 0, 0},
    {-0.00161, 1, 0, 0, -2, 0, 2, 0, 0, 0},
    {0.00147, 1, 0, 1, 0, 2, -2, 0, 0, 0},
    {-0.00142, 1, 0, 0, 0, 0, 4, 0, 0, 0},
    {0.00139, 1, 0, 2, 1, 0, -2, 0, 0, 0},
    {-0.00118, 1, 0, 1, 1, 0, -4, 0, 0, 0},
    {-0.00116, 1, 0, 2, 0, 0, 2, 0, 0, 0},
    {-0.0011, 1, 0, 2, -1, 0, 0, 0, 0, 0},
};
// clang-format on

struct EchoElements {
    double l, lp, F, D, Om, Ls, Lv; // radians
};

double SumTerms(const EchoTerm* begin, const EchoTerm* end, const EchoElements& el, double T)
{
    double sum = 0.0;
    for (const EchoTerm* t = begin; t != end; ++t) {
        const double arg = t->l * el.l + t->lp * el.lp + t->f * el.F + t->d * el.D + t->om * el.Om +
                           t->ls * el.Ls + t->lv * el.Lv;
        const double trig = t->isCos ? std::cos(arg) : std::sin(arg);
        sum += (t->timesT ? t->coef * T : t->coef) * trig;
    }
    return sum;
}

template <size_t N> double Sum(const EchoTerm (&terms)[N], const EchoElements& el, double T)
{
    return SumTerms(terms, terms + N, el, T);
}

// Days of the date counted so that 2000 January 1 gives 53997.
double EchoDayCount(const CalcContext& ctx)
{
    const long long y = ctx.Year, mo = ctx.Month, dy = ctx.Day;
    const long long n = 367 * y - (7 * (y + (mo + 9) / 12)) / 4 + (275 * mo) / 9 + dy - 676534;
    return static_cast<double>(n);
}

struct ObserverXZ {
    double x, z; // metres: distance from the axis, height above the equator plane
};

// The station at sea level on the WGS 84 ellipsoid at its (geodetic) latitude.
// The Earth is symmetric about the equator: x is even in the latitude, z odd.
ObserverXZ Observer(double phi)
{
    const double a = 6378137.0;         // equatorial radius, m
    const double e2 = 0.00669437999014; // first eccentricity squared
    const double sinPhi = std::sin(phi);
    const double n = a / std::sqrt(1.0 - e2 * sinPhi * sinPhi); // prime vertical radius
    return ObserverXZ{n * std::cos(phi), n * (1.0 - e2) * sinPhi};
}

} // namespace

double EchoDistanceKmAt(const CalcContext& ctx, int k)
{
    const double N = EchoDayCount(ctx);
    const double m0 = ctx.Hour * 60.0 + ctx.Minute + ctx.Second / 60.0;
    const double f = (k + m0) / 1440.0;
    const double t = N - 53997.500000001 + f;
    const double T = t / 36525.0;

    const double Lm = Rev(0.606434 + 0.03660110129 * t);
    EchoElements el;
    el.l = Rev(0.374897 + 0.03629164709 * t);
    el.F = Rev(0.259091 + 0.0367481952 * t);
    el.D = Rev(0.827362 + 0.03386319198 * t);
    el.Om = Rev(0.347343 - 0.00014709391 * t);
    el.Ls = Rev(0.779072 + 0.00273790931 * t);
    el.lp = Rev(0.993126 + 0.0027377785 * t);
    el.Lv = Rev(0.505498 + 0.00445046867 * t);

    const double lambda = Lm + Sum(kLongitudeTerms, el, T) * kTwoPi / 1296000.0;
    const double beta = Sum(kLatitudeTerms, el, T) * kTwoPi / 1296000.0;

    // Equatorial coordinates with a fixed obliquity.
    const double sinDelta =
        std::cos(beta) * std::sin(lambda) * 0.397821 + std::sin(beta) * 0.917463;
    const double delta = std::atan2(sinDelta, std::sqrt(1.0 - sinDelta * sinDelta));
    double alpha =
        std::atan2((std::cos(beta) * std::sin(lambda) * 0.917463 - std::sin(beta) * 0.397821) /
                       std::cos(delta),
                   std::cos(beta) * std::cos(lambda) / std::cos(delta));
    if (alpha < 0.0)
        alpha += kTwoPi;

    // Greenwich sidereal time from the days since 1950 January 1, 0 h UT.
    const double a = N - 35735.0;
    const double b = 0.0657098232 * a;
    double G = (b - 24.0 * Int(b / 24.0)) + 6.67170278 + 24.0 * 1.0027379093 * f;
    const double w = Radians(372.1133 - 0.0529539 * (a + f));
    G = G + 0.00029 * std::sin(w);
    G = G - 24.0 * Int(G / 24.0);
    double gha = G * 0.2617994 - alpha + kTwoPi;
    if (gha > kTwoPi)
        gha -= kTwoPi;
    // Negative local hour angle; only its cosine and the square of its sine matter.
    const double H = Radians(360.0 - ctx.LongitudeDeg) - gha;

    const double r = 60.36298 + Sum(kDistanceTerms, el, T);
    const double R = r * 6378.16 * 1000.0;

    const ObserverXZ o = Observer(ctx.LatitudeRad);
    const double x = std::cos(delta) * R * std::cos(H);
    const double y = std::cos(delta) * R * std::sin(H);
    const double z = std::sin(delta) * R;
    return std::sqrt((x - o.x) * (x - o.x) + y * y + (z - o.z) * (z - o.z)) / 1000.0;
}

double EchoDoppler(CalcContext& ctx)
{
    const double before = EchoDistanceKmAt(ctx, -1);
    const double now = EchoDistanceKmAt(ctx, 0);
    const double after = EchoDistanceKmAt(ctx, 1);
    ctx.EchoDistanceKm = now;
    const double g1 = std::sqrt(before * now);
    const double g2 = std::sqrt(now * after);
    const double v = (g1 - g2) * 1000.0 / 60.0; // m/s, positive while approaching
    const double oneWay = v / 299792.458 * ctx.FrequencyMHz * 1000.0;
    return 2.0 * oneWay;
}

namespace
{

struct Libration {
    double l, b; // topocentric libration in longitude and latitude, degrees
};

Libration TopocentricLibration(const CalcContext& ctx, double minute)
{
    const double y = ctx.Year, mo = ctx.Month, dy = ctx.Day;
    const double hours = ctx.Hour + minute / 60.0;
    const double d = 367.0 * y - Int(7.0 * (y + Int((mo + 9.0) / 12.0)) / 4.0) +
                     Int(275.0 * mo / 9.0) + dy + hours / 24.0 - 730531.5;
    const double T = d / 36525.0;
    const double T2 = T * T, T3 = T2 * T;
    const double theta = Mod360(100.46 + 0.985647 * d + ctx.LongitudeDeg + 15.04106864025 * hours);

    const double F = Mod360(93.2721 + 483202.0 * T - 0.003403 * T2 - T3 / 3526000.0);
    const double Lp = Mod360(218.316 + 481268.0 * T);
    const double Om = Mod360(125.045 - 1934.14 * T + 0.002071 * T2 + T3 / 450000.0);
    const double Mp = Mod360(134.963 + 477199.0 * T + 0.008997 * T2 + T3 / 69700.0);
    const double D = Mod360(297.85 + 445267.0 * T - 0.00163 * T2 + T3 / 545900.0);
    const double M = Mod360(357.529 + 35999.0 * T - 0.0001536 * T2 + T3 / 24490000.0);
    // The series are in degrees: each argument is formed in degrees, then converted.
    auto sinDeg = [](double x) { return std::sin(Radians(x)); };
    auto cosDeg = [](double x) { return std::cos(Radians(x)); };

    const double rho =
        1.0 + (-20954.0 * cosDeg(Mp) - 3699.0 * cosDeg(2.0 * D - Mp) - 2956.0 * cosDeg(2.0 * D)) /
                  385000.0;
    const double betaDeg = 5.128 * sinDeg(F) + 0.2806 * sinDeg(Mp + F) + 0.2777 * sinDeg(Mp - F) +
                           0.1732 * sinDeg(2.0 * D - F);
    const double lambdaDeg = Lp + 6.289 * sinDeg(Mp) + 1.274 * sinDeg(2.0 * D - Mp) +
                             0.6583 * sinDeg(2.0 * D) + 0.2136 * sinDeg(2.0 * Mp) -
                             0.1851 * sinDeg(M) - 0.1143 * sinDeg(2.0 * F) +
                             0.0588 * sinDeg(2.0 * D - 2.0 * Mp) +
                             0.0572 * sinDeg(2.0 * D - M - Mp) + 0.0533 * sinDeg(2.0 * D + Mp);
    const double eps = Radians((84381.448 - 46.815 * T) / 3600.0);
    const double beta = Radians(betaDeg), lambda = Radians(lambdaDeg);

    double alpha = std::atan2(std::cos(eps) * std::sin(lambda) - std::sin(eps) * std::tan(beta),
                              std::cos(lambda));
    if (alpha < 0.0)
        alpha += kTwoPi;
    const double delta = SafeAsin(std::sin(lambda) * std::sin(eps) * std::cos(beta) +
                                  std::cos(eps) * std::sin(beta));

    // Optical libration; inclination of the lunar equator 1.54242 degrees.
    const double I = Radians(1.54242);
    const double W = Radians(Mod360(lambdaDeg - Om));
    const double A = Mod360(Degrees(
        std::atan2(std::sin(W) * std::cos(beta) * std::cos(I) - std::sin(beta) * std::sin(I),
                   std::cos(W) * std::cos(beta))));
    const double lOpt = A - F;
    const double bOpt =
        SafeAsin(-std::sin(W) * std::cos(beta) * std::sin(I) - std::sin(beta) * std::cos(I));

    const double H = Radians(theta) - alpha;
    const double phi = ctx.LatitudeRad;
    const double q =
        std::atan2(std::sin(H) * std::cos(phi),
                   std::sin(phi) * std::cos(delta) - std::cos(phi) * std::sin(delta) * std::cos(H));
    const double z =
        SafeAcos(std::cos(H) * std::cos(phi) * std::cos(delta) + std::sin(phi) * std::sin(delta));

    const double p = SafeAsin(6378.14 / (385000.0 * rho));
    const double pPrime = Degrees(p) * (std::sin(z) + 0.0084 * std::sin(2.0 * z));

    // Position angle of the Moon's axis.
    const double Omr = Radians(Om);
    const double X = std::sin(I) * std::sin(Omr);
    const double Y = std::sin(I) * std::cos(Omr) * std::cos(eps) - std::cos(I) * std::sin(eps);
    double omega = std::atan(X / Y);
    if (Y <= 0.0)
        omega += kPi;
    const double P = SafeAsin(std::sqrt(X * X + Y * Y) * std::cos(alpha - omega) / std::cos(bOpt));

    const double dl = -pPrime * std::sin(q - P) / std::cos(bOpt);
    const double db = pPrime * std::cos(q - P);
    return Libration{lOpt + dl, Degrees(bOpt) + db};
}

} // namespace

double LibrationSpread(const CalcContext& ctx)
{
    const Libration before = TopocentricLibration(ctx, ctx.Minute - 1.0);
    const Libration after = TopocentricLibration(ctx, ctx.Minute + 1.0);
    const double db = before.b - after.b;
    // The longitude wraps through a whole turn now and then (its angle from the
    // node passing +-180 degrees, or F passing 0); the motion is the short way round.
    const double dl = std::remainder(before.l - after.l, 360.0);
    const double moved = Mod360(std::sqrt(db * db + dl * dl)); // degrees in two minutes
    return (moved * ctx.FrequencyMHz * 6.0 + 0.5) / 2.0;
}

} // namespace pellor

#include "OwnEphemeris.h"

#include "AppState.h"
#include "ExtendedMath.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

using namespace ExtendedMath;

namespace
{

constexpr long double Pi = 3.14159265358979323846264338327950288L;
constexpr long double TwoPi = 2.0L * Pi;

// Inclination of the Moon's equator to the ecliptic, degrees.
constexpr long double MoonEquatorInclination = 1.54242L;

// Earth's equatorial radius in km, and the distance unit of this ephemeris.
constexpr long double EarthRadiusKm = 6378.14L;
constexpr long double DistanceUnitKm = 385000.0L;

// Beyond this the truncated value no longer fits a 64-bit integer.
constexpr long double IntegerLimit = 9.0e18L;

inline long double SinDeg(long double x)
{
    return Sin(x * DegToRad);
}
inline long double CosDeg(long double x)
{
    return Cos(x * DegToRad);
}

inline long double PlusTwoPiIfNegative(long double x)
{
    return x < 0 ? x + TwoPi : x;
}

// Truncation toward zero.
inline long double Int(long double x)
{
    if (std::fabs(x) < IntegerLimit)
        return static_cast<long double>(TruncToInt64(x));
    return std::trunc(x);
}

// Sines and cosines that several panels use, each evaluated once per run.
struct Shared {
    long double sinEps, cosEps;     // obliquity
    long double sinBeta, cosBeta;   // the Moon's ecliptic latitude
    long double sinDelta, cosDelta; // the Moon's declination
    long double sinPhi, cosPhi;     // observer latitude
    long double sinH, cosH;         // the Moon's hour angle
    long double cosB;               // libration in latitude
    long double sinI, cosI;         // inclination of the lunar equator
};

void ComputeTime(const AppState& s, EphemerisRecord& e)
{
    const long double y = s.CalcYear;
    const long double m = s.CalcMonth;
    const long double D = s.CalcDay;
    const long double hours = s.CalcHour + s.CalcMinute / 60.0L;

    e.DaysJ2000 = 367.0L * y - Int(7.0L * (y + Int((m + 9.0L) / 12.0L)) / 4.0L) +
                  Int(275.0L * m / 9.0L) + D + hours / 24.0L - 730531.5L;
    e.JulianDay = e.DaysJ2000 + 2451545.0L;
    e.Lst = Reduce360(100.46L + 0.985647L * e.DaysJ2000 + s.ObserverLongitudeDeg +
                      15.04106864025L * hours);
    e.LstRad = e.Lst * DegToRad;
    e.Centuries = e.DaysJ2000 / 36525.0L;
    e.Centuries2 = e.Centuries * e.Centuries;
    e.Centuries3 = e.Centuries2 * e.Centuries;
}

void ComputeSun(EphemerisRecord& e, Shared& t, long double& sinM, long double& cosM)
{
    const long double T = e.Centuries, T2 = e.Centuries2, T3 = e.Centuries3;

    e.SunMeanLongitude = Reduce360(280.466L + 36000.8L * T);
    e.SunMeanAnomaly = Reduce360(357.529L + 35999.0L * T - (0.0001536L * T2 + T3 / 24490000.0L));
    const long double M = e.SunMeanAnomaly;
    SinCos(M * DegToRad, sinM, cosM);
    // Multiple angles from sin M and cos M: one FPU evaluation instead of three.
    const long double sin2M = 2.0L * sinM * cosM;
    const long double sin3M = sinM * (3.0L - 4.0L * sinM * sinM);
    e.SunEquationOfCentre = (1.915L - 0.004817L * T - 0.000014L * T2) * sinM +
                            (0.01999L - 0.000101L * T) * sin2M + 0.00029L * sin3M;
    e.SunTrueAnomaly = M + e.SunEquationOfCentre;
    e.Eccentricity = 0.01671L - 0.00004204L * T - 0.0000001236L * T2;
    e.SunDistance = 0.99972L / (1.0L + e.Eccentricity * CosDeg(e.SunTrueAnomaly)) * 145980000.0L /
                    DistanceUnitKm;
    e.SunTrueLongitude = e.SunMeanLongitude + e.SunEquationOfCentre;
    e.SunNode = Wrap360(125.04L - 1934.1L * T);
    e.SunApparentLongitude = e.SunTrueLongitude - 0.00569L - 0.00478L * SinDeg(e.SunNode);
    e.Obliquity = (84381.448L - 46.815L * T) / 3600.0L;
    SinCos(e.Obliquity * DegToRad, t.sinEps, t.cosEps);

    // The Sun's ecliptic latitude is taken as 0 (tan 0 = 0, cos 0 = 1, sin 0 = 0).
    long double sinLam, cosLam;
    SinCos(e.SunApparentLongitude * DegToRad, sinLam, cosLam);
    e.SunRaAtan2Rad = Atan2(t.cosEps * sinLam, cosLam);
    e.SunRaRad = PlusTwoPiIfNegative(e.SunRaAtan2Rad);
    e.SunRaDeg = e.SunRaRad * RadToDeg;
    e.SunRaHours = e.SunRaDeg / 15.0L;
    e.SunDecRad = Asin(t.sinEps * sinLam);
    e.SunDecDeg = e.SunDecRad * RadToDeg;
}

void ComputeMoon(EphemerisRecord& e, Shared& t, long double sinM, long double cosM)
{
    const long double T = e.Centuries, T2 = e.Centuries2, T3 = e.Centuries3;

    e.MoonArgLatitude = Wrap360(93.2721L + 483202.0L * T - 0.003403L * T2 - T3 / 3526000.0L);
    e.MoonMeanLongitude = Wrap360(218.316L + 481268.0L * T);
    e.MoonNode = Wrap360(125.045L - 1934.14L * T + 0.002071L * T2 + T3 / 450000.0L);
    e.MoonMeanAnomaly = Wrap360(134.963L + 477199.0L * T + 0.008997L * T2 + T3 / 69700.0L);
    e.MoonMeanElongation = Wrap360(297.85L + 445267.0L * T - 0.00163L * T2 + T3 / 545900.0L);
    e.TwiceElongation = 2.0L * e.MoonMeanElongation;

    const long double F = e.MoonArgLatitude;
    const long double Mm = e.MoonMeanAnomaly;
    const long double D2 = e.TwiceElongation;

    // Four FPU evaluations; every other term of the series follows from them by
    // the sum and double-angle formulas.
    long double sinMm, cosMm, sinD2, cosD2, sinF, cosF, sinD2Mm, cosD2Mm;
    SinCos(Mm * DegToRad, sinMm, cosMm);
    SinCos(D2 * DegToRad, sinD2, cosD2);
    SinCos(F * DegToRad, sinF, cosF);
    SinCos((D2 - Mm) * DegToRad, sinD2Mm, cosD2Mm);
    const long double sin2Mm = 2.0L * sinMm * cosMm;
    const long double cos2Mm = (cosMm - sinMm) * (cosMm + sinMm);
    const long double sinMmPlusF = sinMm * cosF + cosMm * sinF;
    const long double sinMmMinusF = sinMm * cosF - cosMm * sinF;
    const long double sinD2MinusF = sinD2 * cosF - cosD2 * sinF;
    const long double sin2F = 2.0L * sinF * cosF;
    const long double sinD2Minus2Mm = sinD2 * cos2Mm - cosD2 * sin2Mm;
    const long double sinD2MinusMMinusMm = sinD2Mm * cosM - cosD2Mm * sinM;
    const long double sinD2PlusMm = sinD2 * cosMm + cosD2 * sinMm;

    e.MoonDistance =
        1.0L + (-20954.0L * cosMm - 3699.0L * cosD2Mm - 2956.0L * cosD2) / DistanceUnitKm;
    e.MoonDistanceEarthRadii = e.MoonDistance * 60.2666L;
    e.DistanceRatio = e.MoonDistance / e.SunDistance;
    e.MoonLatitude =
        5.128L * sinF + 0.2806L * sinMmPlusF + 0.2777L * sinMmMinusF + 0.1732L * sinD2MinusF;
    e.LongitudeCorrections = 6.289L * sinMm + 1.274L * sinD2Mm + 0.6583L * sinD2 +
                             0.2136L * sin2Mm - 0.1851L * sinM - 0.1143L * sin2F +
                             0.0588L * sinD2Minus2Mm + 0.0572L * sinD2MinusMMinusMm +
                             0.0533L * sinD2PlusMm;
    e.MoonLongitude = e.MoonMeanLongitude + e.LongitudeCorrections;

    const long double beta = e.MoonLatitude, lambda = e.MoonLongitude;
    SinCos(beta * DegToRad, t.sinBeta, t.cosBeta);
    e.HelioLongitude =
        Wrap360(e.SunApparentLongitude + 180.0L +
                e.DistanceRatio * RadToDeg * t.cosBeta * SinDeg(e.SunApparentLongitude - lambda));
    e.HelioLatitude = e.DistanceRatio * beta;

    long double sinLam, cosLam;
    SinCos(lambda * DegToRad, sinLam, cosLam);
    e.MoonRaAtan2Rad = Atan2(t.cosEps * sinLam - t.sinEps * (t.sinBeta / t.cosBeta), cosLam);
    e.MoonRaRad = PlusTwoPiIfNegative(e.MoonRaAtan2Rad);
    e.MoonRaDeg = e.MoonRaRad * RadToDeg;
    e.MoonRaHours = e.MoonRaDeg / 15.0L;
    e.MoonDecRad = Asin(sinLam * t.sinEps * t.cosBeta + t.cosEps * t.sinBeta);
    e.MoonDecDeg = e.MoonDecRad * RadToDeg;
    SinCos(e.MoonDecRad, t.sinDelta, t.cosDelta);
}

void ComputeSubEarthPoint(EphemerisRecord& e, Shared& t)
{
    e.Inclination = MoonEquatorInclination;
    e.SubEarthW = Wrap360(e.MoonLongitude - e.MoonNode);
    long double sinW, cosW;
    SinCos(e.SubEarthW * DegToRad, sinW, cosW);
    e.SubEarthX = sinW * t.cosBeta * t.cosI - t.sinBeta * t.sinI;
    e.SubEarthY = cosW * t.cosBeta;
    e.SubEarthARad = Atan2(e.SubEarthX, e.SubEarthY);
    e.SubEarthA = Reduce360(e.SubEarthARad * RadToDeg);
    if (e.SubEarthA < 0)
        e.SubEarthA += 360.0L;
    e.LibrationLongitude = e.SubEarthA - e.MoonArgLatitude;
    e.SubEarthSinB = -sinW * t.cosBeta * t.sinI - t.sinBeta * t.cosI;
    e.LibrationLatitudeRad = Asin(e.SubEarthSinB);
    e.LibrationLatitude = e.LibrationLatitudeRad * RadToDeg;
    t.cosB = std::sqrt((1.0L - e.SubEarthSinB) * (1.0L + e.SubEarthSinB)); // cos(asin s)
}

void ComputeSubSolarPoint(EphemerisRecord& e, const Shared& t)
{
    e.SubSolarW = Wrap360(e.HelioLongitude - e.MoonNode);
    long double sinW, cosW, sinBeta, cosBeta;
    SinCos(e.SubSolarW * DegToRad, sinW, cosW);
    SinCos(e.HelioLatitude * DegToRad, sinBeta, cosBeta);
    e.SubSolarX = sinW * cosBeta * t.cosI - sinBeta * t.sinI;
    e.SubSolarY = cosW * cosBeta;
    e.SubSolarARad = Atan2(e.SubSolarX, e.SubSolarY);
    e.SubSolarA = Wrap360(e.SubSolarARad * RadToDeg);
    e.SubSolarLongitude = Reduce360(e.SubSolarA - e.MoonArgLatitude);
    e.SubSolarSinB = -sinW * cosBeta * t.sinI - sinBeta * t.cosI;
    e.SubSolarLatitudeRad = Asin(e.SubSolarSinB);
    e.SubSolarLatitude = e.SubSolarLatitudeRad * RadToDeg;
}

void ComputeIllumination(EphemerisRecord& e, const Shared& t)
{
    const long double u = t.cosBeta * CosDeg(e.MoonLongitude - e.SunApparentLongitude);
    e.CosElongation = u;
    // At u = ±1 the quotient is ±infinity and the arctangent ±π/2: ψ is 0 or π.
    const long double sinPsi = std::sqrt(1.0L - u * u);
    e.PsiRad = Pi / 2.0L - Atan(u / sinPsi);
    e.IllumX = e.SunDistance * sinPsi; // sin(π/2 − atan(u / √(1 − u²))) = √(1 − u²)
    e.IllumY = e.MoonDistance - e.SunDistance * u;
    e.PhaseAngleRad = Atan2(e.IllumX, e.IllumY);
    // cos i straight from the two legs of the arctangent.
    const long double cosI = e.IllumY / std::sqrt(e.IllumX * e.IllumX + e.IllumY * e.IllumY);
    e.IlluminatedFraction = (1.0L + cosI) / 2.0L;
}

void ComputeDisc(EphemerisRecord& e, Shared& t)
{
    long double sinDelta0, cosDelta0, sinDAlpha, cosDAlpha;
    SinCos(e.SunDecRad, sinDelta0, cosDelta0);
    SinCos(e.SunRaRad - e.MoonRaRad, sinDAlpha, cosDAlpha);
    e.BrightLimbRad =
        Atan2(cosDelta0 * sinDAlpha, sinDelta0 * t.cosDelta - cosDelta0 * t.sinDelta * cosDAlpha);
    e.BrightLimbPlusRad = PlusTwoPiIfNegative(e.BrightLimbRad);

    e.HourAngleRad = e.LstRad - e.MoonRaRad;
    SinCos(e.HourAngleRad, t.sinH, t.cosH);
    // Single-argument arctangent: −π/2 … π/2. A zero denominator gives ±π/2.
    const long double tanPhi = t.sinPhi / t.cosPhi;
    e.ParallacticRad = Atan(t.sinH / (tanPhi * t.cosDelta - t.sinDelta * t.cosH));
}

void ComputeAxis(EphemerisRecord& e, const Shared& t)
{
    long double sinNode, cosNode;
    SinCos(e.MoonNode * DegToRad, sinNode, cosNode);
    e.AxisX = t.sinI * sinNode;
    e.AxisY = t.sinI * cosNode * t.cosEps - t.cosI * t.sinEps;
    e.AxisOmegaRad = Atan(e.AxisX / e.AxisY);
    if (!(e.AxisY > 0))
        e.AxisOmegaRad += Pi;
    e.AxisPaRad = Asin(std::sqrt(e.AxisX * e.AxisX + e.AxisY * e.AxisY) *
                       Cos(e.MoonRaAtan2Rad - e.AxisOmegaRad) / t.cosB);
}

void ComputeTopocentric(EphemerisRecord& e, const Shared& t)
{
    e.TopoQRad = Atan2(t.cosPhi * t.sinH, t.sinPhi * t.cosDelta - t.cosPhi * t.sinDelta * t.cosH);
    e.TopoQPlusRad = PlusTwoPiIfNegative(e.TopoQRad);
    // Rounding may carry the cosine a hair past 1 with the Moon in the zenith.
    const long double cosZ =
        std::clamp(t.sinDelta * t.sinPhi + t.cosDelta * t.cosPhi * t.cosH, -1.0L, 1.0L);
    const long double sinZ = std::sqrt((1.0L - cosZ) * (1.0L + cosZ));
    e.ZenithRad = Atan2(sinZ, cosZ);
    e.MoonParallaxRad = Asin(EarthRadiusKm / (e.MoonDistance * DistanceUnitKm));
    e.TopoParallax = (sinZ + 0.0084L * (2.0L * sinZ * cosZ)) * (e.MoonParallaxRad * RadToDeg);

    long double sinQP, cosQP;
    SinCos(e.TopoQPlusRad - e.AxisPaRad, sinQP, cosQP);
    e.TopoDeltaL = -e.TopoParallax * sinQP / t.cosB;
    e.TopoDeltaB = e.TopoParallax * cosQP;
    e.TopoDeltaP = e.TopoDeltaL * Sin(e.LibrationLatitudeRad + e.TopoDeltaB * DegToRad) -
                   e.TopoParallax * Sin(e.TopoQPlusRad) * (t.sinDelta / t.cosDelta);

    e.TopoLibrationLatitude = e.LibrationLatitude + e.TopoDeltaB;
    e.TopoLibrationLongitude = e.LibrationLongitude + e.TopoDeltaL;
}

void ComputeNumericalResults(EphemerisRecord& e)
{
    e.SunColongitude = SunColongitude(e.SubSolarLongitude);
    e.TerminatorLongitude = TerminatorLongitude(e.SunColongitude);
    e.TerminatorSunrise = TerminatorIsSunrise(e.SunColongitude);
}

} // namespace

long double Reduce360(long double x)
{
    if (!(std::fabs(x) < IntegerLimit))
        return std::fmod(x, 360.0L);
    const int64_t whole = TruncToInt64(x);
    return static_cast<long double>(whole % 360) + (x - static_cast<long double>(whole));
}

long double Wrap360(long double x)
{
    if (x < 0)
        x += 360.0L;
    return Reduce360(x);
}

long double SunColongitude(long double subSolarLongitude)
{
    return subSolarLongitude >= 90.0L ? 450.0L - subSolarLongitude : 90.0L - subSolarLongitude;
}

long double TerminatorLongitude(long double colongitude)
{
    long double terminator;
    if (colongitude < 90.0L)
        terminator = -colongitude;
    else if (colongitude < 270.0L)
        terminator = 180.0L - colongitude;
    else
        terminator = 360.0L - colongitude;
    return terminator + 0.0L; // a colongitude of 0 gives 0, not −0
}

bool TerminatorIsSunrise(long double colongitude)
{
    return colongitude < 90.0L || colongitude > 270.0L;
}

void ComputeOwnEphemeris(AppState& state)
{
    EphemerisRecord& e = state.Ephemeris;
    static const long double sinI = Sin(MoonEquatorInclination * DegToRad);
    static const long double cosI = Cos(MoonEquatorInclination * DegToRad);
    Shared t{};
    t.sinI = sinI;
    t.cosI = cosI;
    SinCos(state.ObserverLatitudeRad, t.sinPhi, t.cosPhi);

    ComputeTime(state, e);
    long double sinM = 0;
    long double cosM = 0;
    ComputeSun(e, t, sinM, cosM);
    ComputeMoon(e, t, sinM, cosM);
    ComputeSubEarthPoint(e, t);
    ComputeSubSolarPoint(e, t);
    ComputeIllumination(e, t);
    ComputeDisc(e, t);
    ComputeAxis(e, t);
    ComputeTopocentric(e, t);
    ComputeNumericalResults(e);

    state.TopoLibrationLatitude = e.TopoLibrationLatitude;
    state.TopoLibrationLongitude = e.TopoLibrationLongitude;
}

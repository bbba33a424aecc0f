#include "OwnEphemeris.h"

#include "AppState.h"

#include <algorithm>
#include <cmath>

namespace
{

constexpr long double Pi = 3.14159265358979323846264338327950288L;
constexpr long double TwoPi = 2.0L * Pi;

// Inclination of the Moon's equator to the ecliptic, degrees.
constexpr long double MoonEquatorInclination = 1.54242L;

// Earth's equatorial radius in km, and the distance unit of this ephemeris.
constexpr long double EarthRadiusKm = 6378.14L;
constexpr long double DistanceUnitKm = 385000.0L;

inline long double SinDeg(long double x)
{
    return std::sin(x * DegToRad);
}
inline long double CosDeg(long double x)
{
    return std::cos(x * DegToRad);
}

inline long double PlusTwoPiIfNegative(long double x)
{
    return x < 0 ? x + TwoPi : x;
}

// Truncation toward zero of the date arithmetic.
inline long double Int(long double x)
{
    return std::trunc(x);
}

void ComputeTime(AppState& s, EphemerisRecord& e)
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

void ComputeSun(EphemerisRecord& e)
{
    const long double T = e.Centuries, T2 = e.Centuries2, T3 = e.Centuries3;

    e.SunMeanLongitude = Reduce360(280.466L + 36000.8L * T);
    e.SunMeanAnomaly = Reduce360(357.529L + 35999.0L * T - (0.0001536L * T2 + T3 / 24490000.0L));
    const long double M = e.SunMeanAnomaly;
    e.SunEquationOfCentre = (1.915L - 0.004817L * T - 0.000014L * T2) * SinDeg(M) +
                            (0.01999L - 0.000101L * T) * SinDeg(2.0L * M) +
                            0.00029L * SinDeg(3.0L * M);
    e.SunTrueAnomaly = M + e.SunEquationOfCentre;
    e.Eccentricity = 0.01671L - 0.00004204L * T - 0.0000001236L * T2;
    e.SunDistance = 0.99972L / (1.0L + e.Eccentricity * CosDeg(e.SunTrueAnomaly)) * 145980000.0L /
                    DistanceUnitKm;
    e.SunTrueLongitude = e.SunMeanLongitude + e.SunEquationOfCentre;
    e.SunNode = Wrap360(125.04L - 1934.1L * T);
    e.SunApparentLongitude = e.SunTrueLongitude - 0.00569L - 0.00478L * SinDeg(e.SunNode);
    e.Obliquity = (84381.448L - 46.815L * T) / 3600.0L;

    // The Sun's ecliptic latitude is taken as 0 (tan 0 = 0, cos 0 = 1, sin 0 = 0).
    const long double sinEps = SinDeg(e.Obliquity), cosEps = CosDeg(e.Obliquity);
    const long double sinLam = SinDeg(e.SunApparentLongitude);
    e.SunRaAtan2Rad = std::atan2(cosEps * sinLam, CosDeg(e.SunApparentLongitude));
    e.SunRaRad = PlusTwoPiIfNegative(e.SunRaAtan2Rad);
    e.SunRaDeg = e.SunRaRad * RadToDeg;
    e.SunRaHours = e.SunRaDeg / 15.0L;
    e.SunDecRad = std::asin(sinEps * sinLam);
    e.SunDecDeg = e.SunDecRad * RadToDeg;
}

void ComputeMoon(EphemerisRecord& e)
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
    const long double M = e.SunMeanAnomaly;

    e.MoonDistance =
        1.0L + (-20954.0L * CosDeg(Mm) - 3699.0L * CosDeg(D2 - Mm) - 2956.0L * CosDeg(D2)) /
                   DistanceUnitKm;
    e.MoonDistanceEarthRadii = e.MoonDistance * 60.2666L;
    e.DistanceRatio = e.MoonDistance / e.SunDistance;
    e.MoonLatitude = 5.128L * SinDeg(F) + 0.2806L * SinDeg(Mm + F) + 0.2777L * SinDeg(Mm - F) +
                     0.1732L * SinDeg(D2 - F);
    e.LongitudeCorrections = 6.289L * SinDeg(Mm) + 1.274L * SinDeg(D2 - Mm) + 0.6583L * SinDeg(D2) +
                             0.2136L * SinDeg(2.0L * Mm) - 0.1851L * SinDeg(M) -
                             0.1143L * SinDeg(2.0L * F) + 0.0588L * SinDeg(D2 - 2.0L * Mm) +
                             0.0572L * SinDeg(D2 - M - Mm) + 0.0533L * SinDeg(D2 + Mm);
    e.MoonLongitude = e.MoonMeanLongitude + e.LongitudeCorrections;

    const long double beta = e.MoonLatitude, lambda = e.MoonLongitude;
    const long double cosBeta = CosDeg(beta), sinBeta = SinDeg(beta);
    e.HelioLongitude =
        Wrap360(e.SunApparentLongitude + 180.0L +
                e.DistanceRatio * RadToDeg * cosBeta * SinDeg(e.SunApparentLongitude - lambda));
    e.HelioLatitude = e.DistanceRatio * beta;

    const long double sinEps = SinDeg(e.Obliquity), cosEps = CosDeg(e.Obliquity);
    const long double sinLam = SinDeg(lambda);
    e.MoonRaAtan2Rad =
        std::atan2(cosEps * sinLam - sinEps * std::tan(beta * DegToRad), CosDeg(lambda));
    e.MoonRaRad = PlusTwoPiIfNegative(e.MoonRaAtan2Rad);
    e.MoonRaDeg = e.MoonRaRad * RadToDeg;
    e.MoonRaHours = e.MoonRaDeg / 15.0L;
    e.MoonDecRad = std::asin(sinLam * sinEps * cosBeta + cosEps * sinBeta);
    e.MoonDecDeg = e.MoonDecRad * RadToDeg;
}

void ComputeSubEarthPoint(EphemerisRecord& e, long double sinI, long double cosI)
{
    e.Inclination = MoonEquatorInclination;
    e.SubEarthW = Wrap360(e.MoonLongitude - e.MoonNode);
    const long double sinW = SinDeg(e.SubEarthW), cosW = CosDeg(e.SubEarthW);
    const long double sinBeta = SinDeg(e.MoonLatitude), cosBeta = CosDeg(e.MoonLatitude);
    e.SubEarthX = sinW * cosBeta * cosI - sinBeta * sinI;
    e.SubEarthY = cosW * cosBeta;
    e.SubEarthARad = std::atan2(e.SubEarthX, e.SubEarthY);
    e.SubEarthA = Reduce360(e.SubEarthARad * RadToDeg);
    if (e.SubEarthA < 0)
        e.SubEarthA += 360.0L;
    e.LibrationLongitude = e.SubEarthA - e.MoonArgLatitude;
    e.SubEarthSinB = -sinW * cosBeta * sinI - sinBeta * cosI;
    e.LibrationLatitudeRad = std::asin(e.SubEarthSinB);
    e.LibrationLatitude = e.LibrationLatitudeRad * RadToDeg;
}

void ComputeSubSolarPoint(EphemerisRecord& e, long double sinI, long double cosI)
{
    e.SubSolarW = Wrap360(e.HelioLongitude - e.MoonNode);
    const long double sinW = SinDeg(e.SubSolarW), cosW = CosDeg(e.SubSolarW);
    const long double sinBeta = SinDeg(e.HelioLatitude), cosBeta = CosDeg(e.HelioLatitude);
    e.SubSolarX = sinW * cosBeta * cosI - sinBeta * sinI;
    e.SubSolarY = cosW * cosBeta;
    e.SubSolarARad = std::atan2(e.SubSolarX, e.SubSolarY);
    e.SubSolarA = Wrap360(e.SubSolarARad * RadToDeg);
    e.SubSolarLongitude = Reduce360(e.SubSolarA - e.MoonArgLatitude);
    e.SubSolarSinB = -sinW * cosBeta * sinI - sinBeta * cosI;
    e.SubSolarLatitudeRad = std::asin(e.SubSolarSinB);
    e.SubSolarLatitude = e.SubSolarLatitudeRad * RadToDeg;
}

void ComputeIllumination(EphemerisRecord& e)
{
    const long double u = CosDeg(e.MoonLatitude) * CosDeg(e.MoonLongitude - e.SunApparentLongitude);
    e.CosElongation = u;
    // At u = ±1 the quotient is ±infinity and the arctangent ±π/2: ψ is 0 or π.
    e.PsiRad = Pi / 2.0L - std::atan(u / std::sqrt(1.0L - u * u));
    e.IllumX = e.SunDistance * std::sin(e.PsiRad);
    e.IllumY = e.MoonDistance - e.SunDistance * u;
    e.PhaseAngleRad = std::atan2(e.IllumX, e.IllumY);
    e.IlluminatedFraction = (1.0L + std::cos(e.PhaseAngleRad)) / 2.0L;
}

void ComputeDisc(EphemerisRecord& e, long double latitudeRad, long double sinDelta,
                 long double cosDelta)
{
    const long double dAlpha = e.SunRaRad - e.MoonRaRad;
    const long double sinDelta0 = std::sin(e.SunDecRad), cosDelta0 = std::cos(e.SunDecRad);
    e.BrightLimbRad = std::atan2(cosDelta0 * std::sin(dAlpha),
                                 sinDelta0 * cosDelta - cosDelta0 * sinDelta * std::cos(dAlpha));
    e.BrightLimbPlusRad = PlusTwoPiIfNegative(e.BrightLimbRad);

    e.HourAngleRad = e.LstRad - e.MoonRaRad;
    // Single-argument arctangent: −π/2 … π/2. A zero denominator gives ±π/2.
    e.ParallacticRad = std::atan(std::sin(e.HourAngleRad) / (std::tan(latitudeRad) * cosDelta -
                                                             sinDelta * std::cos(e.HourAngleRad)));
}

void ComputeAxis(EphemerisRecord& e, long double sinI, long double cosI)
{
    const long double sinEps = SinDeg(e.Obliquity), cosEps = CosDeg(e.Obliquity);
    e.AxisX = sinI * SinDeg(e.MoonNode);
    e.AxisY = sinI * CosDeg(e.MoonNode) * cosEps - cosI * sinEps;
    e.AxisOmegaRad = std::atan(e.AxisX / e.AxisY);
    if (!(e.AxisY > 0))
        e.AxisOmegaRad += Pi;
    e.AxisPaRad =
        std::asin(std::sqrt(e.AxisX * e.AxisX + e.AxisY * e.AxisY) *
                  std::cos(e.MoonRaAtan2Rad - e.AxisOmegaRad) / std::cos(e.LibrationLatitudeRad));
}

void ComputeTopocentric(EphemerisRecord& e, long double latitudeRad, long double sinDelta,
                        long double cosDelta)
{
    const long double sinPhi = std::sin(latitudeRad), cosPhi = std::cos(latitudeRad);
    const long double sinH = std::sin(e.HourAngleRad), cosH = std::cos(e.HourAngleRad);
    e.TopoQRad = std::atan2(cosPhi * sinH, sinPhi * cosDelta - cosPhi * sinDelta * cosH);
    e.TopoQPlusRad = PlusTwoPiIfNegative(e.TopoQRad);
    // Rounding may carry the cosine a hair past 1 with the Moon in the zenith.
    e.ZenithRad = std::acos(std::clamp(sinDelta * sinPhi + cosDelta * cosPhi * cosH, -1.0L, 1.0L));
    e.MoonParallaxRad = std::asin(EarthRadiusKm / (e.MoonDistance * DistanceUnitKm));
    e.TopoParallax = (std::sin(e.ZenithRad) + 0.0084L * std::sin(2.0L * e.ZenithRad)) *
                     (e.MoonParallaxRad * RadToDeg);

    const long double qMinusP = e.TopoQPlusRad - e.AxisPaRad;
    e.TopoDeltaL = -e.TopoParallax * std::sin(qMinusP) / std::cos(e.LibrationLatitudeRad);
    e.TopoDeltaB = e.TopoParallax * std::cos(qMinusP);
    e.TopoDeltaP = e.TopoDeltaL * std::sin(e.LibrationLatitudeRad + e.TopoDeltaB * DegToRad) -
                   e.TopoParallax * std::sin(e.TopoQPlusRad) * std::tan(e.MoonDecRad);

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
    const long double whole = std::trunc(x);
    return std::fmod(whole, 360.0L) + (x - whole);
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

long double Wrap360(long double x)
{
    if (x < 0)
        x += 360.0L;
    return Reduce360(x);
}

void ComputeOwnEphemeris(AppState& state)
{
    static const long double sinI = SinDeg(MoonEquatorInclination);
    static const long double cosI = CosDeg(MoonEquatorInclination);

    EphemerisRecord& e = state.Ephemeris;
    ComputeTime(state, e);
    ComputeSun(e);
    ComputeMoon(e);

    const long double sinDelta = std::sin(e.MoonDecRad), cosDelta = std::cos(e.MoonDecRad);
    const long double phi = state.ObserverLatitudeRad;
    ComputeSubEarthPoint(e, sinI, cosI);
    ComputeSubSolarPoint(e, sinI, cosI);
    ComputeIllumination(e);
    ComputeDisc(e, phi, sinDelta, cosDelta);
    ComputeAxis(e, sinI, cosI);
    ComputeTopocentric(e, phi, sinDelta, cosDelta);
    ComputeNumericalResults(e);

    state.TopoLibrationLatitude = e.TopoLibrationLatitude;
    state.TopoLibrationLongitude = e.TopoLibrationLongitude;
}

#include "Sunmoon.h"

#include "AstroMath.h"
#include "MoonProc.h"

#include <cmath>
#include <cstring>

namespace pellor
{

double DayNumber(int year, int month, double day)
{
    int y = year;
    int m = month;
    if (m < 3) {
        m += 12;
        y -= 1;
    }
    const int a = y / 100; // C++ integer division truncates towards zero
    const int b = 2 - a + a / 4;
    return Int(365.25 * y) - 694025.0 + Int(30.6001 * (m + 1)) + b + day - 0.5;
}

double GreenwichSiderealHours(int year, int month, int day, double utHours)
{
    const double d0 = DayNumber(year, month, day);
    const double dj = DayNumber(year, 1, 0.0);
    const double T = dj / 36525.0;
    const double r0 = 6.6460656 + 0.051262 * T + 0.00002581 * T * T;
    const double r1 = 2400.0 * (T - (year - 1900) / 100.0);
    const double b = 24.0 - r0 - r1;
    const double t0 = 0.0657098 * (d0 - dj) - b;
    double gst = t0 + 1.002737908 * utHours;
    while (gst > 24.0)
        gst -= 24.0;
    while (gst < 0.0)
        gst += 24.0;
    return gst;
}

SunPosition ComputeSun(double d)
{
    const double T = d / 36525.0;
    const double T2 = T * T;
    const double L = 279.69668 + 360.0 * Frac(100.0021359 * T) + 0.0003025 * T2;
    const double M = 358.47583 + 360.0 * Frac(99.99736042 * T) - (0.00015 + 0.0000033 * T) * T2;
    const double e = 0.01675104 - 0.0000418 * T - 0.000000126 * T2;

    // Kepler's equation by Newton's method. The Sun's orbit is nearly circular
    // and this converges in a few rounds; the cap only guards absurd dates.
    const double mr = Radians(M) - kTwoPi * Int(Radians(M) / kTwoPi);
    double E = mr;
    for (int round = 0; round < 100; ++round) {
        const double delta = E - e * std::sin(E) - mr;
        if (std::fabs(delta) < 1e-10)
            break;
        E -= delta / (1.0 - e * std::cos(E));
    }
    const double nu = 2.0 * std::atan(std::sqrt((1.0 + e) / (1.0 - e)) * std::tan(E / 2.0));

    // Planetary and lunar perturbations (degrees).
    const double A = Radians(153.23 + 360.0 * Frac(62.55209472 * T));
    const double B = Radians(216.57 + 360.0 * Frac(125.1041894 * T));
    const double C = Radians(312.69 + 360.0 * Frac(91.56766028 * T));
    const double Dm = Radians(350.74 + 360.0 * Frac(1236.853095 * T) - 0.00144 * T2);
    const double Ee = Radians(231.19 + 20.2 * T);
    const double H = Radians(353.4 + 360.0 * Frac(183.1353208 * T));
    const double dL = 0.00134 * std::cos(A) + 0.00154 * std::cos(B) + 0.002 * std::cos(C) +
                      0.00179 * std::sin(Dm) + 0.00178 * std::sin(Ee);
    const double dR = 0.00000543 * std::sin(A) + 0.00001575 * std::sin(B) +
                      0.00001627 * std::sin(C) + 0.00003076 * std::cos(Dm) +
                      0.00000927 * std::sin(H);

    SunPosition s;
    double longitude = Radians(L - M + dL) + nu;
    while (longitude < 0.0)
        longitude += kTwoPi;
    while (longitude > kTwoPi)
        longitude -= kTwoPi;
    s.LongitudeRad = longitude;
    s.DistanceAU = 1.0000002 * (1.0 - e * std::cos(E)) + dR;
    return s;
}

Nutation ComputeNutation(double d)
{
    const double T = d / 36525.0;
    const double T2 = T * T;
    const double L = Radians(279.6967 + 360.0 * Frac(100.0021358 * T) + 0.000303 * T2);
    const double Lp = Radians(270.4342 + 360.0 * Frac(1336.855231 * T) - 0.001133 * T2);
    const double M = Radians(358.4758 + 360.0 * Frac(99.99736056 * T) - 0.00015 * T2);
    const double Mp = Radians(296.1046 + 360.0 * Frac(1325.552359 * T) + 0.009192 * T2);
    const double Om = Radians(259.1833 - 360.0 * Frac(5.372616667 * T) + 0.002078 * T2);

    // Sums in arcseconds.
    const double dpsi = (-17.2327 - 0.01737 * T) * std::sin(Om) +
                        (-1.2729 - 0.00013 * T) * std::sin(2.0 * L) + 0.2088 * std::sin(2.0 * Om) -
                        0.2037 * std::sin(2.0 * Lp) + (0.1261 - 0.00031 * T) * std::sin(M) +
                        0.0675 * std::sin(Mp) - (0.0497 - 0.00012 * T) * std::sin(2.0 * L + M) -
                        0.0342 * std::sin(2.0 * Lp - Om) - 0.0261 * std::sin(2.0 * Lp + Mp) +
                        0.0214 * std::sin(2.0 * L - M) -
                        0.0149 * std::sin(2.0 * L - 2.0 * Lp + Mp) +
                        0.0124 * std::sin(2.0 * L - Om) + 0.0114 * std::sin(2.0 * Lp - Mp);
    const double deps = (9.21 + 0.00091 * T) * std::cos(Om) +
                        (0.5522 - 0.00029 * T) * std::cos(2.0 * L) - 0.0904 * std::cos(2.0 * Om) +
                        0.0884 * std::cos(2.0 * Lp) + 0.0216 * std::cos(2.0 * L + M) +
                        0.0183 * std::cos(2.0 * Lp - Om) + 0.013 * std::cos(2.0 * L + Mp) -
                        0.0093 * std::cos(2.0 * L - M) - 0.0066 * std::cos(2.0 * L - Om);
    return Nutation{dpsi / 3600.0, deps / 3600.0};
}

double TrueObliquityRad(int year, int month, int day, double nutationObliquityDeg)
{
    const double t0 = DayNumber(year, month, day) / 36525.0;
    const double eps0 =
        23.45229444 - (46.845 * t0 + 0.0059 * t0 * t0 - 0.00181 * t0 * t0 * t0) / 3600.0;
    return Radians(eps0 + nutationObliquityDeg);
}

Equatorial EclipticToEquatorial(double lambda, double beta, double eps)
{
    double c = std::cos(beta);
    if (std::fabs(c) < 1e-20)
        c = 1e-20;
    const double tanBeta = std::sin(beta) / c;
    Equatorial q;
    q.DeclinationRad =
        SafeAsin(std::sin(beta) * std::cos(eps) + c * std::sin(eps) * std::sin(lambda));
    const double y = std::sin(lambda) * std::cos(eps) - tanBeta * std::sin(eps);
    double alpha = std::atan(y / std::cos(lambda));
    if (std::cos(lambda) < 0.0)
        alpha += kPi;
    if (alpha > kTwoPi)
        alpha -= kTwoPi;
    if (alpha < 0.0)
        alpha += kTwoPi;
    q.RightAscensionRad = alpha;
    return q;
}

double Refraction(double e)
{
    if (e >= 0.2617994)
        return 0.00007888888 * 1013.0 / (293.0 * std::tan(e));
    if (e >= -0.087) {
        const double y = Degrees(e);
        return Radians(1013.0 * (0.1594 + 0.0196 * y + 0.00002 * y * y) /
                       (293.0 * (1.0 + 0.505 * y + 0.0845 * y * y)));
    }
    return 0.0;
}

void ComputePosition(CalcContext& ctx, uint16_t year, uint16_t month, uint16_t day, uint16_t hour,
                     uint16_t minute, uint16_t second, double heightM, double latitudeDeg,
                     double longitudeDeg, uint8_t refraction, uint8_t body, double frequencyMHz)
{
    ctx.Year = year;
    ctx.Month = month;
    ctx.Day = day;
    ctx.Hour = hour;
    ctx.Minute = minute;
    ctx.Second = second;
    ctx.HeightEarthRadii = heightM / 6378140.0;
    ctx.LatitudeRad = Radians(latitudeDeg);
    ctx.LongitudeDeg = longitudeDeg;
    ctx.ApplyRefraction = refraction;
    ctx.BodyFlag = body;
    ctx.FrequencyMHz = frequencyMHz;

    ctx.UtHours = hour + (minute + second / 60.0) / 60.0;
    ctx.GstHours = GreenwichSiderealHours(year, month, day, ctx.UtHours);
    ctx.DaysSince1900 = DayNumber(year, month, day) + ctx.UtHours / 24.0;

    Nutation nut;
    if (body == 1) {
        const SunPosition sun = ComputeSun(ctx.DaysSince1900);
        ctx.SunLongitudeRad = sun.LongitudeRad;
        ctx.SunDistanceAU = sun.DistanceAU;
        ctx.HorizontalParallaxRad = Radians(0.0024427 / ctx.SunDistanceAU);
        nut = ComputeNutation(ctx.DaysSince1900);
        // 0.00569 degrees of annual aberration.
        ctx.BodyLongitudeRad = Radians(Degrees(ctx.SunLongitudeRad) + nut.LongitudeDeg - 0.00569);
        ctx.BodyLatitudeRad = 0.0;
    } else {
        ComputeMoon(ctx);
        nut = ComputeNutation(ctx.DaysSince1900);
        ctx.BodyLongitudeRad = Radians(nut.LongitudeDeg) + ctx.MoonLongitudeRad;
        ctx.BodyLatitudeRad = ctx.MoonLatitudeRad;
    }

    const double eps = TrueObliquityRad(year, month, day, nut.ObliquityDeg);
    const Equatorial eq = EclipticToEquatorial(ctx.BodyLongitudeRad, ctx.BodyLatitudeRad, eps);
    const double alpha = eq.RightAscensionRad;
    const double dec = eq.DeclinationRad;
    ctx.RightAscensionHours = Degrees(alpha) / 15.0;
    ctx.DeclinationRad = dec;

    double gha = 360.0 * Frac(ctx.GstHours / 24.0 - alpha / kTwoPi);
    if (gha < 0.0)
        gha += 360.0;
    ctx.GhaDeg = gha;

    double lst = ctx.GstHours + ctx.LongitudeDeg / 15.0;
    if (lst > 24.0)
        lst -= 24.0;
    if (lst < 0.0)
        lst += 24.0;
    ctx.LstHours = lst;
    double hourAngleHours = lst - ctx.RightAscensionHours;
    if (hourAngleHours < 0.0)
        hourAngleHours += 24.0;
    const double H = Radians(hourAngleHours * 15.0);

    // The station's parallax: geocentric to topocentric hour angle and declination.
    const double phi = ctx.LatitudeRad;
    const double h = ctx.HeightEarthRadii;
    const double u = std::atan(0.996647 * std::tan(phi));
    const double rhoS = 0.996647 * std::sin(u) + h * std::sin(phi);
    const double rhoC = std::cos(u) + h * std::cos(phi);
    const double r = 1.0 / std::sin(ctx.HorizontalParallaxRad);
    const double shift = std::atan(std::sin(H) * rhoC / (r * std::cos(dec) - rhoC * std::cos(H)));
    double topoH = H + shift;
    if (topoH > kTwoPi)
        topoH -= kTwoPi;
    if (topoH < 0.0)
        topoH += kTwoPi;
    const double topoDec = std::atan((r * std::sin(dec) - rhoS) * std::cos(topoH) /
                                     (r * std::cos(dec) * std::cos(H) - rhoC));
    ctx.RightAscensionHours -= Degrees(shift) / 15.0;
    ctx.HourAngleRad = topoH;
    ctx.TopoDeclinationRad = topoDec;

    // Horizon coordinates.
    const double elevation = SafeAsin(std::sin(topoDec) * std::sin(phi) +
                                      std::cos(topoDec) * std::cos(phi) * std::cos(topoH));
    double q = std::cos(phi) * std::cos(elevation);
    if (q < 1e-20)
        q = 1e-20;
    double azimuth = SafeAcos((std::sin(topoDec) - std::sin(phi) * std::sin(elevation)) / q);
    if (std::sin(topoH) > 0.0)
        azimuth = kTwoPi - azimuth;
    ctx.AzimuthRad = azimuth;
    ctx.ElevationRad = elevation;
    if (ctx.ApplyRefraction == 1)
        ctx.ElevationRad = elevation + Refraction(elevation);
}

double ParallacticAngleDeg(const CalcContext& ctx)
{
    const double y =
        std::sin(ctx.HourAngleRad) * std::cos(ctx.DeclinationRad) * std::cos(ctx.LatitudeRad);
    double x =
        std::sin(ctx.LatitudeRad) - std::sin(ctx.DeclinationRad) * std::sin(ctx.ElevationRad);
    if (x == 0.0)
        x = 1e-6;
    return Degrees(std::atan2(y, x));
}

// Path loss rises with the fourth power of the distance, against the closest
// usual approach of 356700 km. Before any echo distance exists the mean
// distance stands in, the same fallback the apparent diameter uses.
double EchoPathLossDb(const CalcContext& ctx)
{
    double distance = ctx.EchoDistanceKm;
    if (distance <= 0.0)
        distance = 384401.0;
    return -10.0 * std::log10(std::pow(distance / 356700.0, 4.0));
}

double DxDistanceOrAzimuth(double lon1, double lat1, double lon2, double lat2, uint8_t mode)
{
    const double a = 6378.0, b = 6356.0;
    const double k = b * b / (a * a);
    const double phi1 = Radians(lat1), phi2 = Radians(lat2);
    const double psi1 = std::atan2(k * std::sin(phi1), std::cos(phi1));
    const double psi2 = std::atan2(k * std::sin(phi2), std::cos(phi2));
    const double cosSigma = std::cos(Radians(lon1 - lon2)) * std::cos(psi1) * std::cos(psi2) +
                            std::sin(psi1) * std::sin(psi2);
    // Rounding can make cos(sigma) a hair larger than 1 for nearby points.
    const double sinSigma = std::sqrt(std::fmax(0.0, 1.0 - cosSigma * cosSigma));
    const double sigma = std::atan2(sinSigma, cosSigma);

    if (mode == 0) {
        double az = std::atan2(std::sin(Radians(lon2 - lon1)) * std::cos(psi2) * std::cos(psi1),
                               std::sin(psi2) - std::sin(psi1) * std::cos(sigma));
        if (az < 0.0)
            az += kTwoPi;
        return Degrees(az);
    }

    // Coincident points: every quotient below would be 0/0.
    if (sigma == 0.0)
        return 0.0;
    const double p = std::fmin(psi1, psi2);
    const double q = std::fmax(psi1, psi2);
    const double a1 =
        std::atan2(std::sin(p) * std::sin(sigma), std::sin(q) - std::sin(p) * std::cos(sigma));
    const double s1 = std::sin(a1);
    const double s2 = std::sin(a1 + sigma);
    const double u = std::fabs(s1) > std::fabs(s2) ? std::sin(p) / s1 : std::sin(q) / s2;
    const double b0 = std::atan2(u, std::sqrt(std::fabs(1.0 - u * u)) * b / a);
    const double sinB0 = std::sin(b0);
    const double n = sinB0 * sinB0 * (1.0 - k);
    const double c = 1.0 / std::sqrt(1.0 - n);
    const double x1 = std::atan2(c * std::sin(a1), std::cos(a1));
    const double x2 = std::atan2(c * std::sin(a1 + sigma), std::cos(a1 + sigma));
    return a * ((x2 - x1) * (1.0 - n / 4.0) - n * (std::sin(2.0 * x2) - std::sin(2.0 * x1)) / 8.0);
}

namespace
{

// A character code offset from a base; non-finite inputs (NaN degrees) give
// the base character rather than an undefined conversion.
unsigned char OffsetChar(char base, double steps)
{
    if (!std::isfinite(steps))
        return static_cast<unsigned char>(base);
    return static_cast<unsigned char>(base + static_cast<int>(Int(steps)));
}

unsigned char Upper(unsigned char c)
{
    return (c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c;
}

} // namespace

void WriteLocator(unsigned char* text, double latitudeDeg, double longitudeDeg)
{
    double x = longitudeDeg / 360.0 + 0.5;
    double y = latitudeDeg / 180.0 + 0.5;
    struct Pair {
        double n;
        char first;
    };
    static constexpr Pair kPairs[] = {{18.0, 'A'}, {10.0, '0'}, {24.0, 'a'}};
    int len = 0;
    for (const Pair& pair : kPairs) {
        x = Frac(x) * pair.n;
        y = Frac(y) * pair.n;
        text[1 + len++] = OffsetChar(pair.first, x);
        text[1 + len++] = OffsetChar(pair.first, y);
    }
    text[0] = static_cast<unsigned char>(len);
}

// The centre of the locator's smallest complete unit: sub-square with six
// characters, square with four or five, field with two or three, the whole
// grid (0, 0) with fewer. Characters beyond the length byte are never read.
double LocatorCentre(const unsigned char* locator, uint8_t which)
{
    int len = locator ? locator[0] : 0;
    if (len > 8)
        len = 8;
    unsigned char c[9] = {};
    for (int i = 1; i <= len; ++i)
        c[i] = Upper(locator[i]);

    // Position east of 180 W (or north of 90 S) in sub-square units: longitude
    // in twelfths of a degree, latitude in twenty-fourths.
    const int lonIdx = which == 0 ? 1 : 2;
    double units;
    if (len >= 6)
        units =
            ((c[lonIdx] - 'A') * 10.0 + (c[lonIdx + 2] - '0')) * 24.0 + (c[lonIdx + 4] - 'A') + 0.5;
    else if (len >= 4)
        units = ((c[lonIdx] - 'A') * 10.0 + (c[lonIdx + 2] - '0')) * 24.0 + 12.0;
    else if (len >= 2)
        units = (c[lonIdx] - 'A') * 240.0 + 120.0;
    else
        units = 2160.0;
    const double x = units - 2160.0;
    return which == 0 ? x / 12.0 : x / 24.0;
}

void WriteRightAscension(unsigned char* text, double hours)
{
    // Always a readable time of day: the topocentric shift can carry the value
    // a little below 0 h (or past 24 h), which is the same time of day.
    double v = std::isfinite(hours) ? std::fmod(hours, 24.0) : 0.0;
    if (v < 0.0)
        v += 24.0;
    int h = static_cast<int>(Int(v));
    const double mPrime = (v - h) * 60.0;
    int m = static_cast<int>(Int(mPrime));
    int s = static_cast<int>(std::nearbyint((mPrime - m) * 60.0)); // halves to even
    if (s >= 60) {
        s -= 60;
        ++m;
    }
    if (m >= 60) {
        m -= 60;
        ++h;
    }
    if (h >= 24)
        h -= 24;
    const int parts[3] = {h, m, s};
    unsigned char* out = text + 1;
    for (int i = 0; i < 3; ++i) {
        if (i > 0)
            *out++ = ':';
        *out++ = static_cast<unsigned char>('0' + parts[i] / 10);
        *out++ = static_cast<unsigned char>('0' + parts[i] % 10);
    }
    text[0] = 8;
}

namespace
{

void SetQuarter(CalcContext& ctx, const char* q)
{
    ctx.QuarterText[0] = 3;
    std::memcpy(ctx.QuarterText + 1, q, 3);
}

bool HoldsQuarter(const CalcContext& ctx)
{
    if (ctx.QuarterText[0] != 3)
        return false;
    static constexpr const char* kQuarters[] = {"1st", "2nd", "3rd", "4th"};
    for (const char* q : kQuarters)
        if (std::memcmp(ctx.QuarterText + 1, q, 3) == 0)
            return true;
    return false;
}

} // namespace

double ComputeMoonIllumination(CalcContext& ctx)
{
    // The Sun for the context's instant, on local copies only.
    const SunPosition sun = ComputeSun(ctx.DaysSince1900);
    const Nutation nut = ComputeNutation(ctx.DaysSince1900);
    const double apparent = Radians(Degrees(sun.LongitudeRad) + nut.LongitudeDeg - 0.00569);
    const double eps = TrueObliquityRad(ctx.Year, ctx.Month, ctx.Day, nut.ObliquityDeg);
    const Equatorial sunEq = EclipticToEquatorial(apparent, 0.0, eps);
    const double a0 = sunEq.RightAscensionRad, d0 = sunEq.DeclinationRad;

    const double alpha = Radians(ctx.RightAscensionHours * 15.0);
    const double delta = ctx.DeclinationRad;

    // Position angle of the bright limb: above 180 degrees while waxing.
    double chi = Degrees(std::atan2(std::cos(d0) * std::sin(a0 - alpha),
                                    std::sin(d0) * std::cos(delta) -
                                        std::cos(d0) * std::sin(delta) * std::cos(a0 - alpha)));
    if (chi < 0.0)
        chi += 360.0;

    const double cosPsi =
        std::cos(ctx.MoonLatitudeRad) * std::cos(ctx.MoonLongitudeRad - sun.LongitudeRad);
    const double psi = SafeAcos(cosPsi);
    const double rs = 149597870.7 * sun.DistanceAU;
    const double i = std::atan2(rs * std::sin(psi), ctx.MoonDistanceKm - rs * std::cos(psi));

    ctx.IlluminatedFraction = (1.0 + std::cos(i)) / 2.0;
    ctx.PhaseAngleDeg = Degrees(i);
    const bool waxing = chi > 180.0;
    if (waxing)
        SetQuarter(ctx, ctx.IlluminatedFraction < 0.25 ? "1st" : "2nd");
    else
        SetQuarter(ctx, ctx.IlluminatedFraction >= 0.5 ? "3rd" : "4th");
    ctx.PhaseFraction = waxing ? 0.5 - ctx.PhaseAngleDeg / 360.0 : 0.5 + ctx.PhaseAngleDeg / 360.0;
    return ctx.IlluminatedFraction * 100.0;
}

void WriteQuarter(CalcContext& ctx, unsigned char* text)
{
    if (!HoldsQuarter(ctx))
        SetQuarter(ctx, "N/A");
    std::memcpy(text, ctx.QuarterText, 4);
}

} // namespace pellor

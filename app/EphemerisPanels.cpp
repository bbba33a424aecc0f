#include "EphemerisPanels.h"

#include "EphemerisRecord.h"
#include "FormatFixed.h"
#include "OwnEphemeris.h"

namespace
{

// Full precision of an extended value.
constexpr int Full = 18;

EphemerisBox Box(long double value, int precision, int decimals)
{
    return {true, value, FormatFixed(value, precision, decimals)};
}

EphemerisBox Emptied()
{
    return {};
}

EphemerisRow Row(const char* caption, QList<EphemerisBox> boxes)
{
    return {QString::fromUtf8(caption), std::move(boxes), false};
}

EphemerisRow Line(const char* caption, long double radians, long double hours)
{
    return {QString::fromUtf8(caption), {Box(radians, Full, 6), Box(hours, Full, 6)}, true};
}

// A row whose degree and radian boxes show the same angle.
EphemerisRow DegRad(const char* caption, long double degrees, int degDecimals, int radDecimals)
{
    return Row(caption,
               {Box(degrees, Full, degDecimals), Box(degrees * DegToRad, Full, radDecimals)});
}
EphemerisRow RadDeg(const char* caption, long double radians, int degDecimals = 4,
                    int radDecimals = 4)
{
    return Row(caption,
               {Box(radians * RadToDeg, Full, degDecimals), Box(radians, Full, radDecimals)});
}
EphemerisRow One(const char* caption, long double value, int decimals = 4)
{
    return Row(caption, {Box(value, Full, decimals)});
}

EphemerisPanel TimePanel(const EphemerisRecord& e)
{
    return {QStringLiteral("Time"),
            {
                Row("Days before J2000.0", {Box(e.DaysJ2000, 10, 6), Box(e.JulianDay, Full, 6)}),
                Row("LST (degs and rads)", {Box(e.Lst, Full, 6), Box(e.LstRad, Full, 6)}),
                Row("Centuries", {Box(e.Centuries, Full, 6), Box(e.Centuries2, Full, 9),
                                  Box(e.Centuries3, Full, 7)}),
            }};
}

EphemerisPanel SunPanel(const EphemerisRecord& e)
{
    return {QStringLiteral("Sun position"),
            {
                DegRad("Mean longitude (L)", e.SunMeanLongitude, 6, 4),
                DegRad("Mean anomaly (M)", e.SunMeanAnomaly, 6, 4),
                DegRad("Equation of centre (C)", e.SunEquationOfCentre, 6, 4),
                DegRad("True anomaly (V)", e.SunTrueAnomaly, 6, 4),
                Row("Eccentricity (Ec)", {Box(e.Eccentricity, Full, 6), Emptied()}),
                Row("Sun distance", {Box(e.SunDistance, Full, 6), Emptied()}),
                DegRad("Theta (true longitude)", e.SunTrueLongitude, 6, 4),
                DegRad("Long Asc Node (Omega)", e.SunNode, 6, 4),
                DegRad("Lambda (apparent longitude)", e.SunApparentLongitude, 6, 4),
                DegRad("Obliquity of ecliptic", e.Obliquity, 6, 4),
                Row("Alpha (Right Ascension)",
                    {Box(e.SunRaDeg, Full, 6), Box(e.SunRaAtan2Rad, Full, 4)}),
                RadDeg("Delta (Declination)", e.SunDecRad, 6, 4),
                Line("D68 E68", e.SunRaRad, e.SunRaHours),
            }};
}

EphemerisPanel MoonPanel(const EphemerisRecord& e)
{
    return {QStringLiteral("Moon position"),
            {
                DegRad("Argument of latitude (F)", e.MoonArgLatitude, 4, 4),
                DegRad("Mean longitude (L')", e.MoonMeanLongitude, 4, 4),
                DegRad("Long. Asc. Node (Om')", e.MoonNode, 4, 4),
                DegRad("Mean anomaly (M')", e.MoonMeanAnomaly, 4, 4),
                DegRad("Mean elongation (D)", e.MoonMeanElongation, 4, 4),
                DegRad(" twice mean elongation (2*D)", e.TwiceElongation, 4, 4),
                Row("Lunar distance (same units)",
                    {Box(e.MoonDistance, Full, 4), Box(e.MoonDistanceEarthRadii, Full, 4)}),
                Row("Distance ratio (Sun / Moon)", {Box(e.DistanceRatio, Full, 4), Emptied()}),
                DegRad("Geocentric Latitude of Moon", e.MoonLatitude, 4, 4),
                DegRad("Longitude corrections", e.LongitudeCorrections, 4, 4),
                DegRad("Longitude of Moon", e.MoonLongitude, 4, 4),
                DegRad("Heliocentric longitude", e.HelioLongitude, 4, 4),
                DegRad("Heliocentric latitude", e.HelioLatitude, 4, 4),
                Row("Right Ascension", {Box(e.MoonRaDeg, Full, 4), Box(e.MoonRaAtan2Rad, Full, 4)}),
                RadDeg("Declination", e.MoonDecRad),
                Line("D85 E85", e.MoonRaRad, e.MoonRaHours),
            }};
}

EphemerisPanel SubEarthPanel(const EphemerisRecord& e)
{
    return {QStringLiteral("Selenographic coords of sub-earth point "),
            {
                DegRad("I", e.Inclination, 4, 4),
                DegRad("W", e.SubEarthW, 4, 4),
                One("X", e.SubEarthX),
                One("Y", e.SubEarthY),
                Row("A", {Box(e.SubEarthA, Full, 4), Box(e.SubEarthARad, Full, 4)}),
                One("Lo", e.LibrationLongitude),
                One("Dummy", e.SubEarthSinB),
                RadDeg("Bs", e.LibrationLatitudeRad),
            }};
}

EphemerisPanel SubSolarPanel(const EphemerisRecord& e)
{
    return {QStringLiteral("Selenographic coords of sub-solar point "),
            {
                DegRad("W", e.SubSolarW, 4, 4),
                One("X", e.SubSolarX),
                One("Y", e.SubSolarY),
                Row("A", {Box(e.SubSolarA, Full, 4), Box(e.SubSolarARad, Full, 4)}),
                DegRad("Ls", e.SubSolarLongitude, 4, 4),
                One("Dummy", e.SubSolarSinB),
                RadDeg("Bs", e.SubSolarLatitudeRad),
            }};
}

EphemerisPanel IlluminationPanel(const EphemerisRecord& e)
{
    return {QStringLiteral("Illuminated fraction of Moon"),
            {
                One("Dummy", e.CosElongation),
                RadDeg("Psi", e.PsiRad),
                One("X", e.IllumX),
                One("Y", e.IllumY),
                RadDeg("I", e.PhaseAngleRad),
                One("K", e.IlluminatedFraction),
            }};
}

EphemerisPanel DiscPanel(const EphemerisRecord& e)
{
    return {QStringLiteral("Moon's illuminated disc"),
            {
                Row("xi (position angle of bright limb)",
                    {Box(e.BrightLimbPlusRad * RadToDeg, Full, 4),
                     Box(e.BrightLimbPlusRad, Full, 4), Box(e.BrightLimbRad, Full, 4)}),
                RadDeg("hour angle of Moon", e.HourAngleRad),
                RadDeg("q (parallactic angle)", e.ParallacticRad),
            }};
}

EphemerisPanel AxisPanel(const EphemerisRecord& e)
{
    return {QStringLiteral("PA of rotation axis"),
            {
                One("X", e.AxisX),
                One("Y", e.AxisY),
                RadDeg("w", e.AxisOmegaRad),
                RadDeg("P", e.AxisPaRad),
            }};
}

EphemerisPanel TopocentricPanel(const EphemerisRecord& e)
{
    return {QStringLiteral("Topocentric corrections"),
            {
                Row("q", {Box(e.TopoQPlusRad * RadToDeg, Full, 4), Box(e.TopoQPlusRad, Full, 4),
                          Box(e.TopoQRad, Full, 4)}),
                RadDeg("z", e.ZenithRad),
                RadDeg("pi (parallax of Moon)", e.MoonParallaxRad),
                One("pi' (topocentric parallax)", e.TopoParallax),
                DegRad("dl (libration in longitude)", e.TopoDeltaL, 4, 9),
                DegRad("db ( libration in latitude)", e.TopoDeltaB, 4, 9),
                DegRad("dP (PA of rot axis)", e.TopoDeltaP, 4, 9),
            }};
}

EphemerisPanel NumericalResultsPanel(const EphemerisRecord& e)
{
    const EphemerisBox nature{
        false, 0, e.TerminatorSunrise ? QStringLiteral("sunrise") : QStringLiteral("sunset")};
    return {QStringLiteral("Numerical Results"),
            {
                Row("Co-longitude of Sun", {Box(e.SunColongitude, 10, 4)}),
                Row("Libration in latitude (Bo)",
                    {Box(e.LibrationLatitude, 10, 4), Box(e.TopoLibrationLatitude, 10, 6)}),
                Row("Libration in longitude (Lo)",
                    {Box(e.LibrationLongitude, 10, 4), Box(e.TopoLibrationLongitude, 10, 6)}),
                Row("Sub solar point (Ls)", {Box(e.SubSolarLongitude, 10, 1)}),
                Row("Sub solar point (Bs)", {Box(e.SubSolarLatitude, 10, 1)}),
                Row("Longitude of terminator (+ Crisium)", {Box(e.TerminatorLongitude, 10, 1)}),
                Row("Nature of terminator", {nature}),
                Row("Illuminated Fraction", {Box(e.IlluminatedFraction, 10, 3)}),
                Row("PA of bright limb", {Box(e.BrightLimbPlusRad * RadToDeg, 10, 0)}),
                Row("Parallactic angle", {Box(e.ParallacticRad * RadToDeg, 10, 0)}),
                Row("PA of axis", {Box(e.AxisPaRad * RadToDeg, 10, 0)}),
                Row("RA", {Box(e.MoonRaHours, 10, 3)}),
                Row("Dec", {Box(e.MoonDecDeg, 10, 3)}),
            }};
}

} // namespace

EphemerisPanelSet BuildEphemerisPanels(const EphemerisRecord& e)
{
    return {TimePanel(e),        SunPanel(e),
            MoonPanel(e),        SubEarthPanel(e),
            SubSolarPanel(e),    IlluminationPanel(e),
            DiscPanel(e),        AxisPanel(e),
            TopocentricPanel(e), NumericalResultsPanel(e)};
}

QString LineText(const EphemerisRow& row)
{
    QString text = row.Caption + QStringLiteral("  ");
    if (!row.Boxes.isEmpty())
        text += row.Boxes[0].Text;
    if (row.Boxes.size() > 1)
        text += QStringLiteral("   ") + row.Boxes[1].Text;
    return text;
}

#include "Recalculate.h"

#include "AppState.h"
#include "FormatFixed.h"
#include "OwnEphemeris.h"
#include "Pellor_sunmoon.h"

#include <cmath>

namespace
{

const QChar Degree(0x00B0);
const QString Unknown = QStringLiteral("-");

// 0 stands for "not known" when the band or the dish is missing.
long double BeamwidthDeg(long double wavelengthMm, long double dishCm)
{
    if (!(wavelengthMm > 0) || !(dishCm > 0))
        return 0;
    return 70.0L * wavelengthMm / (dishCm * 10.0L);
}

QString DishText(long double dishCm)
{
    return FormatFixed(dishCm / 100.0L, 6, 2) + " M";
}

QString BeamwidthText(long double degrees)
{
    return degrees > 0 ? FormatFixed(degrees, 6, 2) + Degree : Unknown;
}

bool Is70cm(long double ghz)
{
    return std::fabs(ghz - 0.432L) < 1e-6L;
}

// The frequency box cases shared by the refresh and the station summary; the
// summary also writes the bands between 1 and 11 GHz.
std::optional<QString> FrequencyText(long double ghz, bool withMidBands)
{
    if (ghz > 11.0L)
        return FormatFixed(ghz, 3, 0) + " GHz";
    if (Is70cm(ghz))
        return FormatFixed(ghz, 3, 3) + " GHz";
    if (withMidBands && ghz > 1.0L && ghz < 11.0L)
        return FormatFixed(ghz, 3, 1) + " GHz";
    return std::nullopt;
}

StationSummaryTexts CoordinateTexts(const AppState& s)
{
    StationSummaryTexts t;
    t.HomeLongitude = FormatFixed(s.HomeLongitude, 6, 4);
    t.HomeLatitude = FormatFixed(s.HomeLatitude, 6, 4);
    t.DxLongitude = FormatFixed(s.DxLongitude, 6, 4);
    t.DxLatitude = FormatFixed(s.DxLatitude, 6, 4);
    return t;
}

} // namespace

long double BeamwidthCorrectionFactor(long double ratio)
{
    const long double r2 = ratio * ratio;
    // The quotient tends to 1 as R goes to 0, where it would read 0/0.
    if (!(r2 > 1e-12L))
        return 1.0L;
    return (std::log(0.5L) * r2) / (std::pow(0.5L, r2) - 1.0L);
}

RecalculateTexts Recalculate(AppState& s)
{
    RecalculateTexts t;

    s.WavelengthMm = s.FrequencyGHz > 0 ? 299.792458L / s.FrequencyGHz : 0;

    t.HomeDish = DishText(s.HomeDishCm);
    t.DxDish = DishText(s.DxDishCm);

    s.HomeBeamwidthDeg = BeamwidthDeg(s.WavelengthMm, s.HomeDishCm);
    s.DxBeamwidthDeg = BeamwidthDeg(s.WavelengthMm, s.DxDishCm);
    t.HomeBeamwidth = BeamwidthText(s.HomeBeamwidthDeg);
    t.DxBeamwidth = BeamwidthText(s.DxBeamwidthDeg);

    t.LivePanelCaption = (" Home Station  " + s.HomeCallSign).left(LivePanelCaptionMax);
    t.HomeStationTitle = ("(A)   Home Station  " + s.HomeCallSign).left(HomeStationTitleMax);
    t.DxStationTitle = ("(B)   Dx Station " + s.DxCallSign).left(DxStationTitleMax);

    t.Summary = CoordinateTexts(s);
    t.Summary.Frequency = FrequencyText(s.FrequencyGHz, false);

    ComputeOwnEphemeris(s);

    s.MoonDiameterArcmin = static_cast<long double>(GetAngularDiam()) * 60.0L;
    const long double diameterDeg = s.MoonDiameterArcmin / 60.0L;
    t.MoonDiameter = "Diam " + FormatFixed(diameterDeg, 10, 2) + Degree;

    if (s.HomeBeamwidthDeg > 0) {
        s.BeamwidthRatio = diameterDeg / s.HomeBeamwidthDeg;
        t.BeamwidthRatio = "BWR " + FormatFixed(s.BeamwidthRatio, 10, 2);
        t.CorrectionFactor =
            "KfA " + FormatFixed(BeamwidthCorrectionFactor(s.BeamwidthRatio), 10, 2);
    } else {
        s.BeamwidthRatio = 0;
        t.BeamwidthRatio = "BWR " + Unknown;
        t.CorrectionFactor = "KfA " + Unknown;
    }
    return t;
}

StationSummaryTexts ShowStationSummary(const AppState& s)
{
    StationSummaryTexts t = CoordinateTexts(s);
    t.Frequency = FrequencyText(s.FrequencyGHz, true);
    return t;
}

#include "SetupRefresh.h"

#include "FormatFixed.h"

#include <cmath>

namespace
{

long double Beamwidth(long double wavelengthMm, long double dishCm)
{
    if (!(wavelengthMm > 0) || !(dishCm > 0) || !std::isfinite(wavelengthMm) ||
        !std::isfinite(dishCm))
        return 0;
    return 70 * wavelengthMm / (dishCm * 10);
}

QString BeamBoxText(long double beamwidth)
{
    if (beamwidth == 0)
        return QStringLiteral("-");
    return FormatFixed(beamwidth, 6, 2) + QStringLiteral("\u00b0");
}

} // namespace

QString DishBoxText(long double dishCm)
{
    return FormatFixed(dishCm / 100, 6, 2) + QStringLiteral(" M");
}

SetupRefreshTexts RefreshSetupTexts(AppState& state)
{
    state.HomeBeamwidthDeg = Beamwidth(state.WavelengthMm, state.HomeDishCm);
    state.DxBeamwidthDeg = Beamwidth(state.WavelengthMm, state.DxDishCm);
    SetupRefreshTexts t;
    t.HomeDish = DishBoxText(state.HomeDishCm);
    t.HomeBeam = BeamBoxText(state.HomeBeamwidthDeg);
    t.DxDish = DishBoxText(state.DxDishCm);
    t.DxBeam = BeamBoxText(state.DxBeamwidthDeg);
    t.HomeStationTitle = (QStringLiteral("(A)   Home Station  ") + state.HomeCallSign).left(28);
    t.DxStationTitle = (QStringLiteral("(B)   Dx Station ") + state.DxCallSign).left(25);
    return t;
}

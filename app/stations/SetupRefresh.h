#pragma once

#include <QString>

#include "AppState.h"

// The boxes of the set-up window that follow from the dishes and the band,
// and the station titles it writes into the main window.
struct SetupRefreshTexts {
    QString HomeDish; // "3.00 M"
    QString HomeBeam; // "5.38°", "-" while no band or no dish is known
    QString DxDish;
    QString DxBeam;
    QString HomeStationTitle; // "(A)   Home Station  " + call sign, at most 28 characters
    QString DxStationTitle;   // "(B)   Dx Station " + call sign, at most 25
};

// A dish box: the diameter in metres with two decimals and " M".
QString DishBoxText(long double dishCm);

// Stores both beam widths (70 × wavelength / diameter, in degrees; 0 while no
// band or no dish is known) and returns the texts.
SetupRefreshTexts RefreshSetupTexts(AppState& state);

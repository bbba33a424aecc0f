#pragma once

#include <QString>

#include "AppState.h"
#include "StationFields.h"

// What a grid square entry did.
enum class LocatorEntry {
    TextOnly,    // fewer than six characters: only the stored text changed
    Invalid,     // six characters that are no locator: only the stored text changed
    PositionSet, // the station now stands at the centre of the locator's subsquare
};

// Runs on every key release in a station's grid square field. The text, cut
// to six characters, is stored as the station's shown locator (for the home
// station also as HomeGridSquare). A valid six-character locator (A-R A-R 0-9
// 0-9 A-X A-X, letters in either case) is stored as QF22le, moves the station
// to the centre of its subsquare, keeps that centre as degrees, minutes and
// seconds, sets the companions (rounded, halves to even), the coordinates and
// the hemisphere letters, and clears the station's call sign and location.
LocatorEntry LocatorToPosition(AppState& state, Station station, const QString& fieldText);

// The locator of the position held in the companions and hemisphere letters,
// stored as the station's shown locator and returned. A coordinate of exactly
// 0 counts as a hair west or north (IJ90xa for 0, 0). Positions outside the
// globe are wrapped (longitude) or held at the poles (latitude), so the
// result is always six characters of the locator alphabet.
QString PositionToLocator(AppState& state, Station station);

#pragma once

#include <cstdint>

#include "AppState.h"
#include "StationFields.h"

// Whole degrees, minutes and seconds of the absolute value of an angle.
struct Dms {
    int32_t Deg = 0;
    int32_t Min = 0;
    int32_t Sec = 0;
};

// Seconds are rounded half up to a tenth and capped at 59, then truncated:
// 37.8125 gives 37 48 45, 37.99999 gives 37 59 59 (never 38 0 0). A value that
// is not finite gives 0 0 0; one beyond the range of the degrees gives the
// largest degrees and 0 0.
Dms SplitToDms(long double degrees);

// SplitToDms of the station's latitude and longitude into its companions.
void SplitStationToDms(AppState& state, Station station);

// Rebuild the coordinate from its companions; the sign comes from the
// hemisphere letter ("S" or "W" negative). The letters are not changed.
void DmsToLatitude(AppState& state, Station station);
void DmsToLongitude(AppState& state, Station station);

// Letters from the signs: latitude 0 is "N", longitude 0 is "W".
void ShowHemispheres(AppState& state, Station station);

// The hemisphere buttons: flip the letter and the coordinate's sign ("S" to
// "N" makes the latitude positive, "N" to "S" negates it; likewise "W"/"E"),
// then the station's locator follows (PositionToLocator). A letter that is
// neither leaves the coordinate alone.
void ToggleLatHemisphere(AppState& state, Station station);
void ToggleLongHemisphere(AppState& state, Station station);

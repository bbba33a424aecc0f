#pragma once

#include <QString>
#include <cstdint>

#include "AppState.h"

// Which of the two stations an operation works on.
enum class Station { Home, Dx };

// The fields of one station inside AppState, so that one routine serves both.
struct StationFields {
    QString& CallSign;
    QString& Location;
    long double& Latitude;
    long double& Longitude;
    long double& HeightM;
    long double& UtcOffset;
    long double& DishCm;
    int32_t& LatDeg;
    int32_t& LatMin;
    int32_t& LatSec;
    int32_t& LongDeg;
    int32_t& LongMin;
    int32_t& LongSec;
    QString& LatHemisphere;
    QString& LongHemisphere;
    // Where the set-up window keeps the locator it shows: GridSquareWork for
    // the home station, DxGridSquare for the Dx station.
    QString& ShownLocator;
    // Centre of the station's last valid locator, degrees/minutes/seconds as reals.
    long double& LocatorLatDeg;
    long double& LocatorLatMin;
    long double& LocatorLatSec;
    long double& LocatorLongDeg;
    long double& LocatorLongMin;
    long double& LocatorLongSec;
};

StationFields FieldsOf(AppState& state, Station station);

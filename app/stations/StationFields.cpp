#include "StationFields.h"

StationFields FieldsOf(AppState& s, Station station)
{
    if (station == Station::Home)
        return {
            s.HomeCallSign,       s.HomeLocation,      s.HomeLatitude,       s.HomeLongitude,
            s.HomeHeightM,        s.HomeUtcOffset,     s.HomeDishCm,         s.HomeLatDeg,
            s.HomeLatMin,         s.HomeLatSec,        s.HomeLongDeg,        s.HomeLongMin,
            s.HomeLongSec,        s.HomeLatHemisphere, s.HomeLongHemisphere, s.GridSquareWork,
            s.HomeLocatorLatDeg,  s.HomeLocatorLatMin, s.HomeLocatorLatSec,  s.HomeLocatorLongDeg,
            s.HomeLocatorLongMin, s.HomeLocatorLongSec};
    return {s.DxCallSign,       s.DxLocation,      s.DxLatitude,       s.DxLongitude,
            s.DxHeightM,        s.DxUtcOffset,     s.DxDishCm,         s.DxLatDeg,
            s.DxLatMin,         s.DxLatSec,        s.DxLongDeg,        s.DxLongMin,
            s.DxLongSec,        s.DxLatHemisphere, s.DxLongHemisphere, s.DxGridSquare,
            s.DxLocatorLatDeg,  s.DxLocatorLatMin, s.DxLocatorLatSec,  s.DxLocatorLongDeg,
            s.DxLocatorLongMin, s.DxLocatorLongSec};
}

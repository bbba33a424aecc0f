#pragma once
// The library's one calculation context. DataToDLL fills the inputs and the
// derived position; a few getters add what they compute on demand. Zero-filled
// at load time, never reset, shared by every caller in the process.

#include <cstdint>

namespace pellor
{

struct CalcContext {
    // Inputs, as given to DataToDLL.
    uint16_t Year, Month, Day;
    uint16_t Hour, Minute, Second;
    double HeightEarthRadii; // height above sea level / 6378140 m
    double LatitudeRad;      // north positive
    double LongitudeDeg;     // east positive
    uint8_t ApplyRefraction; // 1 = elevation includes refraction
    uint8_t BodyFlag;        // 1 = Sun, anything else = Moon
    double FrequencyMHz;

    // Derived by DataToDLL.
    double UtHours;
    double DaysSince1900;    // days since 1900 January 0.5 UT, with the fraction
    double GstHours;         // 0..24
    double LstHours;         // 0..24
    double BodyLongitudeRad; // apparent ecliptic longitude of the selected body
    double BodyLatitudeRad;
    double HorizontalParallaxRad;
    double RightAscensionHours; // topocentric
    double DeclinationRad;      // geocentric apparent
    double GhaDeg;              // 0..360, geocentric
    double HourAngleRad;        // 0..2pi, topocentric
    double TopoDeclinationRad;
    double ElevationRad;
    double AzimuthRad;       // 0..2pi from north through east
    double MoonLongitudeRad; // last Moon call, without nutation
    double MoonLatitudeRad;
    double MoonDistanceKm;  // from the series parallax
    double SunLongitudeRad; // true (geometric), last Sun computation
    double SunDistanceAU;

    // Written by getters.
    double EchoDistanceKm;      // topocentric, from the echo Doppler
    double IlluminatedFraction; // 0..1
    double PhaseAngleDeg;       // 0..180
    uint8_t QuarterText[4];     // length byte + up to 3 characters
    double PhaseFraction;       // 0 new, 0.5 full, towards 1 waning
};

// The process-wide context (zero-initialised static storage).
extern CalcContext gCalc;

} // namespace pellor

#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "EphemerisRecord.h"

// Size of the one record of the set-up file "Tavrel.DAT".
inline constexpr int SetupRecordSize = 328;

// The program's one state record, shared by every window. Created zeroed at
// start and never freed; core functions take it by reference so that a test
// can build its own.
//
// Angles are degrees unless a name ends in Rad; latitude north and longitude
// east positive. Texts are cut to their capacity when stored.
struct AppState {
    // Home station (A)
    QString HomeCallSign;          // at most 8 characters
    QString HomeLocation;          // at most 15
    QString HomeGridSquare;        // at most 6
    long double HomeLatitude = 0;  // degrees, north positive
    long double HomeLongitude = 0; // degrees, east positive
    long double HomeHeightM = 0;   // metres above sea level
    long double HomeUtcOffset = 0; // hours, local minus UTC
    long double HomeDishCm = 0;    // dish diameter, centimetres
    // Entry companions: whole degrees, minutes, seconds of the absolute values
    int32_t HomeLatDeg = 0, HomeLatMin = 0, HomeLatSec = 0;
    int32_t HomeLongDeg = 0, HomeLongMin = 0, HomeLongSec = 0;
    QString HomeLatHemisphere;  // "N" or "S"
    QString HomeLongHemisphere; // "E" or "W"

    // Dx station (B)
    QString DxCallSign;
    QString DxLocation;
    QString DxGridSquare;
    long double DxLatitude = 0;
    long double DxLongitude = 0;
    long double DxHeightM = 0;
    long double DxUtcOffset = 0;
    long double DxDishCm = 0;
    int32_t DxLatDeg = 0, DxLatMin = 0, DxLatSec = 0;
    int32_t DxLongDeg = 0, DxLongMin = 0, DxLongSec = 0;
    QString DxLatHemisphere;
    QString DxLongHemisphere;

    // The locator shown in the home grid square field of the set-up window.
    QString GridSquareWork; // at most 6
    // Centre of the last valid locator typed for each station, split into
    // degrees, minutes and seconds as real numbers (zero before the first).
    long double HomeLocatorLatDeg = 0, HomeLocatorLatMin = 0, HomeLocatorLatSec = 0;
    long double HomeLocatorLongDeg = 0, HomeLocatorLongMin = 0, HomeLocatorLongSec = 0;
    long double DxLocatorLatDeg = 0, DxLocatorLatMin = 0, DxLocatorLatSec = 0;
    long double DxLocatorLongDeg = 0, DxLocatorLongMin = 0, DxLocatorLongSec = 0;

    // Band
    long double FrequencyGHz = 0; // persisted
    long double FrequencyMHz = 0; // passed to the library; not persisted

    // Persisted flags and settings
    uint8_t RefractionFlag = 0; // 1 = elevations corrected for refraction
    uint8_t TargetIsSun = 0;    // 0 = Moon, 1 = Sun
    uint8_t ShowStationB = 0;   // 1 = Dx station in use
    int32_t StartHour = 0;
    int32_t EndHour = 0;
    int32_t HintsSetting = 0; // 0 = 8 s, 1 = 4 s, 2 = 2 s, 3 = off; a loaded file may hold anything
    int32_t SweepKind = 0;    // day chart 1..7; a loaded file may hold anything

    // The set-up file's record as last loaded or saved: carries the reserved
    // fields from the last load to the next save.
    std::array<uint8_t, SetupRecordSize> SetupBuffer{};

    // Calculation date and time (UTC)
    uint16_t CalcYear = 0, CalcMonth = 0, CalcDay = 0;
    uint16_t CalcHour = 0, CalcMinute = 0;

    // Live clock
    uint16_t LiveYear = 0, LiveMonth = 0, LiveDay = 0;
    uint16_t LiveHour = 0, LiveMinute = 0, LiveSecond = 0, LiveMillisecond = 0;
    double LiveUtc = 0;   // days since 30 December 1899
    double UtcNow = 0;    // same scale
    double LiveLocal = 0; // same scale, home local time
    uint8_t DaylightSaving = 0;

    // Ephemeris observer and results
    long double ObserverLongitudeDeg = 0, ObserverLongitudeRad = 0;
    long double ObserverLatitudeDeg = 0, ObserverLatitudeRad = 0;
    EphemerisRecord Ephemeris{};
    long double TopoLibrationLatitude = 0;
    long double TopoLibrationLongitude = 0;

    // Derived antenna values
    long double WavelengthMm = 0;
    long double HomeBeamwidthDeg = 0, DxBeamwidthDeg = 0;
    long double MoonDiameterArcmin = 0;
    long double BeamwidthRatio = 0;

    // Planner
    int32_t PlannerIntervalMinutes = 0; // persisted; a loaded file may hold 0 or less
    long double PlannerMinHomeElevation = 0, PlannerMaxHomeElevation = 0;
    long double PlannerMinDxElevation = 0, PlannerMaxDxElevation = 0; // persisted
    long double PlannerSpatialLimit = 0;                              // persisted
    uint8_t PlannerBelowHorizon = 0;
    int32_t PlannerDecimals = 0;
    long double PrevHomeElevation = 0;
    uint8_t WasAboveMin = 0;
    long double HomePolarity = 0, DxPolarity = 0;
    long double SpatialOffset = 0;
    long double HomeSignalWidth = 0, DxSignalWidth = 0, PathSignalWidth = 0; // Hz

    // Window and display flags
    int32_t MainWindowTop = 0, MainWindowLeft = 0;
    uint8_t SetupLoaded = 0;
    uint8_t DishStepTen = 0;
    uint8_t StationAOnly = 0;
    uint8_t AboveHorizonOnly = 0;
    uint8_t MonoPrint = 0;
    uint8_t HintNoChange = 0;
    uint8_t OpenedFromMain = 0, OpenedFromPlanner = 0, OpenedFromSetup = 0;
    uint8_t StationPicked = 0; // the database was opened from the set-up options
    int32_t SelectedDbRow = 0; // database row last clicked or taken
    int32_t ProgramFileDate = 0;
    std::array<QString, 10> VersionInfo{};
};

// The program-wide instance.
AppState& App();

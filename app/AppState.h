#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "EphemerisRecord.h"

// The program's one state record, shared by every window. Created zeroed at
// start and never freed; core functions take it by reference so that a test
// can build its own.
struct AppState {
    // Home station (A)
    QString HomeCallSign;   // at most 8 characters
    QString HomeLocation;   // at most 15
    QString HomeGridSquare; // at most 6
    long double HomeLatitude = 0;
    long double HomeLongitude = 0;
    long double HomeHeightM = 0;
    long double HomeUtcOffset = 0;
    long double HomeDishCm = 0;

    // Dx station (B)
    QString DxCallSign;
    QString DxLocation;
    QString DxGridSquare;
    long double DxLatitude = 0;
    long double DxLongitude = 0;
    long double DxHeightM = 0;
    long double DxUtcOffset = 0;
    long double DxDishCm = 0;

    // Band
    long double FrequencyGHz = 0; // persisted
    long double FrequencyMHz = 0; // passed to the library; not persisted

    // Persisted flags and settings
    uint8_t RefractionFlag = 0;
    uint8_t TargetIsSun = 0;
    uint8_t ShowStationB = 0;
    int32_t StartHour = 0;
    int32_t EndHour = 0;
    int32_t HintsSetting = 0;
    int32_t SweepKind = 0;

    // Calculation date and time (UTC)
    uint16_t CalcYear = 0, CalcMonth = 0, CalcDay = 0;
    uint16_t CalcHour = 0, CalcMinute = 0;

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

    // Window and display flags
    int32_t MainWindowTop = 0, MainWindowLeft = 0;
    uint8_t SetupLoaded = 0;
    uint8_t DishStepTen = 0;
    uint8_t StationAOnly = 0;
    uint8_t AboveHorizonOnly = 0;
    uint8_t MonoPrint = 0;
    uint8_t HintNoChange = 0;
    uint8_t OpenedFromMain = 0, OpenedFromPlanner = 0, OpenedFromSetup = 0;
    int32_t PlannerDecimals = 0;
    int32_t ProgramFileDate = 0;
    std::array<QString, 10> VersionInfo{};
};

// The program-wide instance.
AppState& App();

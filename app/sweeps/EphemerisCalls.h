#pragma once

#include <cstdint>

struct AppState;

// The library exports and the own ephemeris as the sweeps and the planner use
// them. Production code passes RealEphemerisCalls(); tests substitute a sky
// whose elevations and libration they choose.
struct EphemerisCalls {
    void (*DataToDLL)(uint16_t year, uint16_t month, uint16_t day, uint16_t hour, uint16_t minute,
                      uint16_t second, double heightM, double latitudeDeg, double longitudeDeg,
                      uint8_t refraction, uint8_t body, double frequencyMHz) = nullptr;
    double (*GetElevation)() = nullptr;
    double (*GetAzimuth)() = nullptr;
    double (*GetDecTopo)() = nullptr;
    double (*GetGHA)() = nullptr;
    double (*GetDoppler)() = nullptr;
    double (*GetPolarity)() = nullptr;
    double (*GetDB)() = nullptr;
    // Fills TopoLibrationLatitude / TopoLibrationLongitude for CalcYear …
    // CalcMinute and the ephemeris observer.
    void (*ComputeEphemeris)(AppState&) = nullptr;
};

// The Pellor_sunmoon library and ComputeOwnEphemeris.
const EphemerisCalls& RealEphemerisCalls();

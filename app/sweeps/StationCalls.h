#pragma once

#include <cstdint>

#include "EphemerisCalls.h"

struct AppState;

enum class Station : uint8_t { Home, Dx };

// Makes the station the observer of the own ephemeris (degrees and radians).
void SetObserver(AppState& state, Station station);

// DataToDLL for the station at the given date and time with the state's
// refraction flag and frequency; body 1 is the Sun, anything else the Moon.
void CallStation(const EphemerisCalls& calls, const AppState& state, Station station, uint16_t year,
                 uint16_t month, uint16_t day, uint16_t hour, uint16_t minute, uint16_t second,
                 uint8_t body);

// The same at CalcYear, CalcMonth, CalcDay, CalcHour and the given minute, with
// the state's body flag.
void CallStationAt(const EphemerisCalls& calls, const AppState& state, Station station,
                   uint16_t minute, uint16_t second);

#pragma once

#include <QString>

#include "EphemerisCalls.h"
#include "SignalWidth.h"
#include "StationCalls.h"
#include "SweepTypes.h"

struct AppState;

// Pieces shared by the chart sweeps.

// Starts a result the way every sweep starts: the ClearCharts series emptied
// and boxes hidden, the progress bar at 0 of maximum, Label146 hidden.
SweepResult StartSweep(int progressMaximum);

// Adds a point unless its value cannot be drawn (NaN or infinite).
void Plot(SweepResult& result, int chart, int series, int minute, long double value,
          PointColour colour);

// DataToDLL for the station at CalcYear … CalcHour and the minute, counted.
void SampleStation(const EphemerisCalls& calls, const AppState& state, Station station,
                   uint16_t minute, uint16_t second, SweepResult& result);

// A run of the own ephemeris at the state's CalcMinute and observer, counted.
LibrationPoint RunEphemeris(const EphemerisCalls& calls, AppState& state, SweepResult& result);

// The progress bar after `steps` more, never beyond its maximum.
int AdvanceProgress(const ProgressState& progress, int steps);

#pragma once

#include "EphemerisCalls.h"
#include "SweepTypes.h"

struct AppState;

// The sweeps behind the main window's charts. Each steps CalcMinute through
// the calculation day (seven days for SweepSevenDays), leaves CalcMinute 0
// and returns what the charts show. The window then runs Recalculate, which
// refreshes its panels at the calculation time.

// Libration rate (Chart1) and signal width (Chart2) of the home station, the
// Dx station and the B-at-A path, with their minima and maxima. The observer
// fields end on the last station sampled.
SweepResult SweepLibrationDay(AppState& state, const EphemerisCalls& calls = RealEphemerisCalls());

// The signal widths of SweepLibrationDay on Chart5, its own result boxes, and
// the bottom axis narrowed to StartHour..EndHour. progressMaximum is the
// progress bar's maximum left by the previous sweep, which this one keeps.
SweepResult SweepTimeWindow(AppState& state, int progressMaximum = 100,
                            const EphemerisCalls& calls = RealEphemerisCalls());

// Signal widths over the calculation day and the six days after it (Chart7)
// with the seven date labels; no minima or maxima.
SweepResult SweepSevenDays(AppState& state, const EphemerisCalls& calls = RealEphemerisCalls());

// Moon elevation at both stations every 10 minutes (Chart3).
SweepResult SweepElevationWindow(AppState& state,
                                 const EphemerisCalls& calls = RealEphemerisCalls());

// Each station's own echo Doppler every minute (Chart6). Sets FrequencyMHz to
// the frequency it computes with, which later library calls keep.
SweepResult SweepDoppler(AppState& state, const EphemerisCalls& calls = RealEphemerisCalls());

// Both stations' parallactic angles folded into (−90, 90] every minute while
// both see the Moon (Chart4); with station A only, the notice Panel178.
SweepResult SweepSpatialOffset(AppState& state, const EphemerisCalls& calls = RealEphemerisCalls());

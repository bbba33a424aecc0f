#pragma once

// Libration rates, echo signal widths and the other small rules shared by the
// chart sweeps and the planner.

// Topocentric libration in latitude and longitude at one instant, degrees.
struct LibrationPoint {
    long double latitude = 0;
    long double longitude = 0;
};

// Rate of change between two libration points two minutes apart, degrees per
// minute. A whole-turn jump of the longitude (the own ephemeris leaves it
// unreduced) is taken the short way round.
long double LibrationRate(LibrationPoint from, LibrationPoint to);

// Rate of the B-at-A path: the change of the mid-point of the two stations'
// libration over the same two-minute step, each station's longitude change
// taken the short way round.
long double PathLibrationRate(LibrationPoint homeFrom, LibrationPoint homeTo, LibrationPoint dxFrom,
                              LibrationPoint dxTo);

// Echo spreading of a libration rate: rate (deg/min) × 6000 × frequency (GHz).
long double SignalWidthHz(long double rateDegPerMin, long double frequencyGHz);

// Integer part of a value meant as a decimal number: 2.3 × 1000 is 2300 even
// though its binary product lies just below.
long double DecimalIntegerPart(long double value);

// The frequency the Doppler sweep and the planner hand to the library: the
// integer part of GHz × 1000, computed at a quarter of the frequency above
// 48 GHz.
long double LibraryFrequencyMHz(long double frequencyGHz);

// Folds a parallactic-angle difference into (−90, 90]: negative values +360,
// then (90, 270] −180, then (270, 360] −360.
long double FoldSpatialOffset(long double angleDeg);

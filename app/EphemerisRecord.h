#pragma once

// Every intermediate value of the program's own Moon ephemeris for one instant
// and observer, overwritten by each run. Filled by ComputeOwnEphemeris.
struct EphemerisRecord {
};

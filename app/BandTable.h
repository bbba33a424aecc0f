#pragma once

#include <QString>
#include <array>

struct AppState;

// One item of the band selector.
struct BandEntry {
    const char* Caption;
    long double FrequencyGHz; // drives wavelength, beam widths and signal widths
    long double FrequencyMHz; // what the library is given
};

inline constexpr int BandCount = 10;
extern const std::array<BandEntry, BandCount> Bands;

// The band whose frequency is frequencyGHz (within 1e-6 GHz); a stored 10
// counts as the 10.4 GHz band and a stored 48 as the 47 GHz band. -1 when no
// band matches.
int BandIndexForFrequency(long double frequencyGHz);

// Sets FrequencyGHz and FrequencyMHz from item index; an index outside the
// table changes nothing and returns false.
bool ApplyBand(AppState& state, int index);

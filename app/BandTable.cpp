#include "BandTable.h"

#include <cmath>

#include "AppState.h"

// 10.4 GHz hands 10038 MHz to the library, not 10368.
const std::array<BandEntry, BandCount> Bands = {{
    {"70 cm", 0.432L, 432},
    {"1.3 GHz", 1.3L, 1296},
    {"2.3 GHz", 2.3L, 2304},
    {"3.4 GHz", 3.4L, 3456},
    {"5.7 GHz", 5.7L, 5760},
    {"10.4 GHz", 10.4L, 10038},
    {"24 GHz", 24, 24048},
    {"47 GHz", 47, 47088},
    {"78 GHz", 78, 78000},
    {"122 GHz", 122, 122000},
}};

int BandIndexForFrequency(long double frequencyGHz)
{
    constexpr long double tolerance = 1e-6L;
    if (std::fabs(frequencyGHz - 10) <= tolerance)
        return 5;
    if (std::fabs(frequencyGHz - 48) <= tolerance)
        return 7;
    for (int i = 0; i < BandCount; ++i)
        if (std::fabs(frequencyGHz - Bands[i].FrequencyGHz) <= tolerance)
            return i;
    return -1;
}

bool ApplyBand(AppState& state, int index)
{
    if (index < 0 || index >= BandCount)
        return false;
    state.FrequencyGHz = Bands[index].FrequencyGHz;
    state.FrequencyMHz = Bands[index].FrequencyMHz;
    return true;
}

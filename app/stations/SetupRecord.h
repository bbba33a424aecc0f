#pragma once

#include <array>
#include <cstdint>

#include "AppState.h"

// Byte layout of the one record of the set-up file: 328 bytes, little-endian,
// no header. Extended values take 10 bytes; a short text of capacity n takes
// n + 1 bytes (a length byte, then n character bytes in Windows-1252).
namespace SetupRecordLayout
{
inline constexpr int HomeLatitude = 0;
inline constexpr int HomeLongitude = 10;
inline constexpr int HomeHeightM = 20;
inline constexpr int HomeUtcOffset = 30;
inline constexpr int DxLatitude = 40;
inline constexpr int DxLongitude = 50;
inline constexpr int DxHeightM = 60;
inline constexpr int DxUtcOffset = 70;
inline constexpr int FrequencyGHz = 80;
inline constexpr int PlannerSpatialLimit = 90;
inline constexpr int Reserved100 = 100; // two extended values, 100 and 110
inline constexpr int PlannerMinDxElevation = 120;
inline constexpr int PlannerMaxDxElevation = 130;
inline constexpr int HomeDishCm = 140;
inline constexpr int DxDishCm = 150;
inline constexpr int Reserved160 = 160; // six extended values, 160 to 210
inline constexpr int RefractionFlag = 220;
inline constexpr int TargetIsSun = 221;
inline constexpr int ShowStationB = 222;
inline constexpr int HomeLocation = 223;   // capacity 15
inline constexpr int DxLocation = 239;     // capacity 15
inline constexpr int HomeCallSign = 255;   // capacity 8
inline constexpr int DxCallSign = 264;     // capacity 8
inline constexpr int HomeGridSquare = 273; // capacity 6
inline constexpr int DxGridSquare = 280;   // capacity 6
inline constexpr int Padding287 = 287;
inline constexpr int StartHour = 288;
inline constexpr int EndHour = 292;
inline constexpr int PlannerIntervalMinutes = 296;
inline constexpr int HintsSetting = 300;
inline constexpr int SweepKind = 304;
inline constexpr int Reserved308 = 308; // five int32 values, 308 to 324

inline constexpr int LocationCapacity = 15;
inline constexpr int CallSignCapacity = 8;
inline constexpr int GridSquareCapacity = 6;
} // namespace SetupRecordLayout

using SetupRecord = std::array<uint8_t, SetupRecordSize>;

// Writes every stored field of `state` into `record`. Bytes the program does
// not use (the reserved fields and the padding byte) are left as they are, so
// they carry over from the last load. Texts are cut to their capacity; the
// unused character bytes of a text are zeroed.
void FillSetupRecord(const AppState& state, SetupRecord& record);

// Copies every stored field of `record` into `state`. Any bytes are accepted:
// numbers are taken as stored (NaN, infinities, out-of-range settings
// included) and a length byte above a text's capacity reads as the capacity.
void ApplySetupRecord(const SetupRecord& record, AppState& state);

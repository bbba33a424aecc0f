#include "SetupRecord.h"

#include "ExtendedCodec.h"
#include "TextCodec.h"

#include <algorithm>
#include <cstring>

namespace L = SetupRecordLayout;

namespace
{

void PutExtended(SetupRecord& r, int offset, long double v)
{
    EncodeExtended(v, r.data() + offset);
}

long double GetExtended(const SetupRecord& r, int offset)
{
    return DecodeExtended(r.data() + offset);
}

void PutInt32(SetupRecord& r, int offset, int32_t v)
{
    const auto u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i)
        r[offset + i] = static_cast<uint8_t>(u >> (8 * i));
}

int32_t GetInt32(const SetupRecord& r, int offset)
{
    uint32_t u = 0;
    for (int i = 3; i >= 0; --i)
        u = (u << 8) | r[offset + i];
    return static_cast<int32_t>(u);
}

void PutText(SetupRecord& r, int offset, int capacity, const QString& text)
{
    const QByteArray bytes = ToWin1252(text).left(capacity);
    r[offset] = static_cast<uint8_t>(bytes.size());
    std::fill(r.begin() + offset + 1, r.begin() + offset + 1 + capacity, uint8_t{0});
    std::memcpy(r.data() + offset + 1, bytes.constData(), static_cast<size_t>(bytes.size()));
}

QString GetText(const SetupRecord& r, int offset, int capacity)
{
    const int length = std::min<int>(r[offset], capacity);
    return FromWin1252(QByteArray(reinterpret_cast<const char*>(r.data() + offset + 1), length));
}

} // namespace

void FillSetupRecord(const AppState& s, SetupRecord& r)
{
    PutExtended(r, L::HomeLatitude, s.HomeLatitude);
    PutExtended(r, L::HomeLongitude, s.HomeLongitude);
    PutExtended(r, L::HomeHeightM, s.HomeHeightM);
    PutExtended(r, L::HomeUtcOffset, s.HomeUtcOffset);
    PutExtended(r, L::DxLatitude, s.DxLatitude);
    PutExtended(r, L::DxLongitude, s.DxLongitude);
    PutExtended(r, L::DxHeightM, s.DxHeightM);
    PutExtended(r, L::DxUtcOffset, s.DxUtcOffset);
    PutExtended(r, L::FrequencyGHz, s.FrequencyGHz);
    PutExtended(r, L::PlannerSpatialLimit, s.PlannerSpatialLimit);
    PutExtended(r, L::PlannerMinDxElevation, s.PlannerMinDxElevation);
    PutExtended(r, L::PlannerMaxDxElevation, s.PlannerMaxDxElevation);
    PutExtended(r, L::HomeDishCm, s.HomeDishCm);
    PutExtended(r, L::DxDishCm, s.DxDishCm);
    r[L::RefractionFlag] = s.RefractionFlag;
    r[L::TargetIsSun] = s.TargetIsSun;
    r[L::ShowStationB] = s.ShowStationB;
    PutText(r, L::HomeLocation, L::LocationCapacity, s.HomeLocation);
    PutText(r, L::DxLocation, L::LocationCapacity, s.DxLocation);
    PutText(r, L::HomeCallSign, L::CallSignCapacity, s.HomeCallSign);
    PutText(r, L::DxCallSign, L::CallSignCapacity, s.DxCallSign);
    PutText(r, L::HomeGridSquare, L::GridSquareCapacity, s.HomeGridSquare);
    PutText(r, L::DxGridSquare, L::GridSquareCapacity, s.DxGridSquare);
    PutInt32(r, L::StartHour, s.StartHour);
    PutInt32(r, L::EndHour, s.EndHour);
    PutInt32(r, L::PlannerIntervalMinutes, s.PlannerIntervalMinutes);
    PutInt32(r, L::HintsSetting, s.HintsSetting);
    PutInt32(r, L::SweepKind, s.SweepKind);
}

void ApplySetupRecord(const SetupRecord& r, AppState& s)
{
    s.HomeLatitude = GetExtended(r, L::HomeLatitude);
    s.HomeLongitude = GetExtended(r, L::HomeLongitude);
    s.HomeHeightM = GetExtended(r, L::HomeHeightM);
    s.HomeUtcOffset = GetExtended(r, L::HomeUtcOffset);
    s.DxLatitude = GetExtended(r, L::DxLatitude);
    s.DxLongitude = GetExtended(r, L::DxLongitude);
    s.DxHeightM = GetExtended(r, L::DxHeightM);
    s.DxUtcOffset = GetExtended(r, L::DxUtcOffset);
    s.FrequencyGHz = GetExtended(r, L::FrequencyGHz);
    s.PlannerSpatialLimit = GetExtended(r, L::PlannerSpatialLimit);
    s.PlannerMinDxElevation = GetExtended(r, L::PlannerMinDxElevation);
    s.PlannerMaxDxElevation = GetExtended(r, L::PlannerMaxDxElevation);
    s.HomeDishCm = GetExtended(r, L::HomeDishCm);
    s.DxDishCm = GetExtended(r, L::DxDishCm);
    s.RefractionFlag = r[L::RefractionFlag];
    s.TargetIsSun = r[L::TargetIsSun];
    s.ShowStationB = r[L::ShowStationB];
    s.HomeLocation = GetText(r, L::HomeLocation, L::LocationCapacity);
    s.DxLocation = GetText(r, L::DxLocation, L::LocationCapacity);
    s.HomeCallSign = GetText(r, L::HomeCallSign, L::CallSignCapacity);
    s.DxCallSign = GetText(r, L::DxCallSign, L::CallSignCapacity);
    s.HomeGridSquare = GetText(r, L::HomeGridSquare, L::GridSquareCapacity);
    s.DxGridSquare = GetText(r, L::DxGridSquare, L::GridSquareCapacity);
    s.StartHour = GetInt32(r, L::StartHour);
    s.EndHour = GetInt32(r, L::EndHour);
    s.PlannerIntervalMinutes = GetInt32(r, L::PlannerIntervalMinutes);
    s.HintsSetting = GetInt32(r, L::HintsSetting);
    s.SweepKind = GetInt32(r, L::SweepKind);
    s.SetupBuffer = r;
}

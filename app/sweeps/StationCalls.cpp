#include "StationCalls.h"

#include "AppState.h"
#include "OwnEphemeris.h"

void SetObserver(AppState& state, Station station)
{
    const bool home = station == Station::Home;
    const long double longitude = home ? state.HomeLongitude : state.DxLongitude;
    const long double latitude = home ? state.HomeLatitude : state.DxLatitude;
    state.ObserverLongitudeDeg = longitude;
    state.ObserverLongitudeRad = longitude * DegToRad;
    state.ObserverLatitudeDeg = latitude;
    state.ObserverLatitudeRad = latitude * DegToRad;
}

void CallStation(const EphemerisCalls& calls, const AppState& state, Station station, uint16_t year,
                 uint16_t month, uint16_t day, uint16_t hour, uint16_t minute, uint16_t second,
                 uint8_t body)
{
    const bool home = station == Station::Home;
    calls.DataToDLL(year, month, day, hour, minute, second,
                    static_cast<double>(home ? state.HomeHeightM : state.DxHeightM),
                    static_cast<double>(home ? state.HomeLatitude : state.DxLatitude),
                    static_cast<double>(home ? state.HomeLongitude : state.DxLongitude),
                    state.RefractionFlag, body, static_cast<double>(state.FrequencyMHz));
}

void CallStationAt(const EphemerisCalls& calls, const AppState& state, Station station,
                   uint16_t minute, uint16_t second)
{
    CallStation(calls, state, station, state.CalcYear, state.CalcMonth, state.CalcDay,
                state.CalcHour, minute, second, state.TargetIsSun);
}

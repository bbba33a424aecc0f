#include "FakeSky.h"

FakeSky& Sky()
{
    static FakeSky sky;
    return sky;
}

void ResetSky()
{
    Sky() = FakeSky{};
}

namespace
{

void FakeDataToDLL(uint16_t year, uint16_t month, uint16_t day, uint16_t hour, uint16_t minute,
                   uint16_t second, double heightM, double latitude, double longitude,
                   uint8_t refraction, uint8_t body, double frequencyMHz)
{
    Sky().calls.push_back({year, month, day, hour, minute, second, heightM, latitude, longitude,
                           refraction, body, frequencyMHz});
}

double FakeElevation()
{
    return Sky().elevation(Sky().Last());
}
double FakeAzimuth()
{
    return Sky().azimuth(Sky().Last());
}
double FakeDecTopo()
{
    return Sky().decTopo(Sky().Last());
}
double FakeGha()
{
    return Sky().gha(Sky().Last());
}
double FakeDoppler()
{
    ++Sky().dopplerReads;
    return Sky().doppler(Sky().Last());
}
double FakePolarity()
{
    return Sky().polarity(Sky().Last());
}
double FakeDb()
{
    return Sky().db(Sky().Last());
}

void FakeEphemeris(AppState& s)
{
    const int minutes = s.CalcHour * 60 + s.CalcMinute;
    Sky().runs.push_back({s.ObserverLatitudeDeg, s.ObserverLongitudeDeg, minutes});
    const LibrationPoint p = Sky().libration(s.ObserverLatitudeDeg, minutes);
    s.TopoLibrationLatitude = p.latitude;
    s.TopoLibrationLongitude = p.longitude;
}

} // namespace

const EphemerisCalls& FakeCalls()
{
    static const EphemerisCalls calls = [] {
        EphemerisCalls c;
        c.DataToDLL = FakeDataToDLL;
        c.GetElevation = FakeElevation;
        c.GetAzimuth = FakeAzimuth;
        c.GetDecTopo = FakeDecTopo;
        c.GetGHA = FakeGha;
        c.GetDoppler = FakeDoppler;
        c.GetPolarity = FakePolarity;
        c.GetDB = FakeDb;
        c.ComputeEphemeris = FakeEphemeris;
        return c;
    }();
    return calls;
}

AppState FakeState()
{
    AppState s;
    s.HomeLatitude = HomeLat;
    s.HomeLongitude = HomeLon;
    s.HomeHeightM = HomeHeight;
    s.DxLatitude = DxLat;
    s.DxLongitude = DxLon;
    s.DxHeightM = DxHeight;
    s.FrequencyGHz = 1;
    s.FrequencyMHz = 1296;
    s.CalcYear = 2010;
    s.CalcMonth = 5;
    s.CalcDay = 16;
    s.ShowStationB = 1;
    s.StationAOnly = 0;
    s.AboveHorizonOnly = 0;
    s.LiveSecond = 7;
    s.RefractionFlag = 1;
    return s;
}

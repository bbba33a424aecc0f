// The exported C interface: thin wrappers over the one calculation context.
#include "Pellor_sunmoon.h"

#include "AstroMath.h"
#include "Doppler.h"
#include "Sunmoon.h"
#include "VarMoon.h"

using namespace pellor;

extern "C" {

void DataToDLL(uint16_t year, uint16_t month, uint16_t day, uint16_t hour, uint16_t minute,
               uint16_t second, double heightM, double latitudeDeg, double longitudeDeg,
               uint8_t refraction, uint8_t body, double frequencyMHz)
{
    ComputePosition(gCalc, year, month, day, hour, minute, second, heightM, latitudeDeg,
                    longitudeDeg, refraction, body, frequencyMHz);
}

double GetElevation(void)
{
    return Degrees(gCalc.ElevationRad);
}

double GetAzimuth(void)
{
    return Degrees(gCalc.AzimuthRad);
}

double GetDistance(void)
{
    return gCalc.EchoDistanceKm;
}

double GetAngularDiam(void)
{
    // Without a plausible echo distance the mean distance stands in, and stays.
    if (gCalc.EchoDistanceKm < 200000.0)
        gCalc.EchoDistanceKm = 384401.0;
    return 0.5181 * 384401.0 / gCalc.EchoDistanceKm;
}

double GetRightAsc(void)
{
    return gCalc.RightAscensionHours;
}

void GetRtAscHHMMSS(unsigned char* text)
{
    WriteRightAscension(text, gCalc.RightAscensionHours);
}

double GetDeclination(void)
{
    return Degrees(gCalc.DeclinationRad);
}

double GetDecTopo(void)
{
    return Degrees(gCalc.TopoDeclinationRad);
}

double GetDoppler(void)
{
    return EchoDoppler(gCalc);
}

double GetLibration(void)
{
    return LibrationSpread(gCalc);
}

double GetDXdistance(double lon1, double lat1, double lon2, double lat2, uint8_t mode)
{
    return DxDistanceOrAzimuth(lon1, lat1, lon2, lat2, mode);
}

double GetPolarity(void)
{
    return ParallacticAngleDeg(gCalc);
}

double GetDB(void)
{
    return EchoPathLossDb(gCalc);
}

double GetGHA(void)
{
    return gCalc.GhaDeg;
}

double GetLHA(void)
{
    return Degrees(gCalc.HourAngleRad);
}

double GetLST(void)
{
    return gCalc.LstHours;
}

void GetLocator(unsigned char* text, double latitudeDeg, double longitudeDeg)
{
    WriteLocator(text, latitudeDeg, longitudeDeg);
}

double GetLatLong(const unsigned char* locator, uint8_t which)
{
    return LocatorCentre(locator, which);
}

double GetVersion(void)
{
    return 2.16;
}

double GetMoonIllum(void)
{
    return ComputeMoonIllumination(gCalc);
}

double GetMoonPhase(void)
{
    return gCalc.PhaseFraction - 0.005;
}

void GetQuarter(unsigned char* text)
{
    WriteQuarter(gCalc, text);
}

double GetPhaseAngle(void)
{
    return gCalc.PhaseAngleDeg;
}

} // extern "C"

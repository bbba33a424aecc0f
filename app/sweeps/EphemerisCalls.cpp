#include "EphemerisCalls.h"

#include "OwnEphemeris.h"
#include "Pellor_sunmoon.h"

const EphemerisCalls& RealEphemerisCalls()
{
    static const EphemerisCalls calls = [] {
        EphemerisCalls c;
        c.DataToDLL = ::DataToDLL;
        c.GetElevation = ::GetElevation;
        c.GetAzimuth = ::GetAzimuth;
        c.GetDecTopo = ::GetDecTopo;
        c.GetGHA = ::GetGHA;
        c.GetDoppler = ::GetDoppler;
        c.GetPolarity = ::GetPolarity;
        c.GetDB = ::GetDB;
        c.ComputeEphemeris = ::ComputeOwnEphemeris;
        return c;
    }();
    return calls;
}

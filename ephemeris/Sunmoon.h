#pragma once
// Time, the Sun, nutation, coordinate conversions, the station's parallax,
// horizon coordinates and refraction; the position step of DataToDLL; and the
// remaining single-value functions: parallactic angle, echo path loss,
// distance and azimuth between two places, grid locators, right ascension as
// text and the Moon's illumination and phase.

#include "VarMoon.h"

#include <cstdint>

namespace pellor
{

// Days since 1900 January 0.5 (Julian Day - 2415020) of a Gregorian date;
// the day may carry a fraction.
double DayNumber(int year, int month, double day);

// Greenwich sidereal time in hours, 0..24.
double GreenwichSiderealHours(int year, int month, int day, double utHours);

struct SunPosition {
    double LongitudeRad; // true (geometric), 0..2pi
    double DistanceAU;   // radius vector
};
SunPosition ComputeSun(double daysSince1900);

struct Nutation {
    double LongitudeDeg; // delta psi
    double ObliquityDeg; // delta epsilon
};
Nutation ComputeNutation(double daysSince1900);

// True obliquity (radians) for the date at 0 h UT plus the nutation in obliquity.
double TrueObliquityRad(int year, int month, int day, double nutationObliquityDeg);

struct Equatorial {
    double RightAscensionRad; // 0..2pi
    double DeclinationRad;
};
Equatorial EclipticToEquatorial(double longitudeRad, double latitudeRad, double obliquityRad);

// Atmospheric refraction (radians) to add to an elevation (radians), for
// 1013 mbar and 293 K.
double Refraction(double elevationRad);

// The whole position computation behind DataToDLL.
void ComputePosition(CalcContext& ctx, uint16_t year, uint16_t month, uint16_t day, uint16_t hour,
                     uint16_t minute, uint16_t second, double heightM, double latitudeDeg,
                     double longitudeDeg, uint8_t refraction, uint8_t body, double frequencyMHz);

double ParallacticAngleDeg(const CalcContext& ctx);
double EchoPathLossDb(const CalcContext& ctx);
double DxDistanceOrAzimuth(double lon1, double lat1, double lon2, double lat2, uint8_t mode);

// Short strings: text[0] is the length, text[1..] the characters.
void WriteLocator(unsigned char* text, double latitudeDeg, double longitudeDeg);
double LocatorCentre(const unsigned char* locator, uint8_t which);
void WriteRightAscension(unsigned char* text, double rightAscensionHours);

double ComputeMoonIllumination(CalcContext& ctx);
void WriteQuarter(CalcContext& ctx, unsigned char* text);

} // namespace pellor

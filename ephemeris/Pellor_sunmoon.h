#pragma once
/*
 * Pellor_sunmoon: the ephemeris library's public C interface.
 *
 * One process-wide calculation context. DataToDLL computes the Sun's or the
 * Moon's position for one station and instant and stores it; the getters read
 * single values from it. Short strings are one length byte followed by that
 * many characters, no terminator; the caller's buffer holds at least 9 bytes.
 */

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(__GNUC__)
#define PELLOR_API __attribute__((visibility("default")))
#else
#define PELLOR_API
#endif

PELLOR_API void DataToDLL(uint16_t year, uint16_t month, uint16_t day, uint16_t hour,
                          uint16_t minute, uint16_t second, double heightM, double latitudeDeg,
                          double longitudeDeg, uint8_t refraction, uint8_t body,
                          double frequencyMHz);

PELLOR_API double GetElevation(void);
PELLOR_API double GetAzimuth(void);
PELLOR_API double GetDistance(void);
PELLOR_API double GetAngularDiam(void);
PELLOR_API double GetRightAsc(void);
PELLOR_API void GetRtAscHHMMSS(unsigned char* text);
PELLOR_API double GetDeclination(void);
PELLOR_API double GetDecTopo(void);
PELLOR_API double GetDoppler(void);
PELLOR_API double GetLibration(void);
PELLOR_API double GetDXdistance(double lon1, double lat1, double lon2, double lat2, uint8_t mode);
PELLOR_API double GetPolarity(void);
PELLOR_API double GetDB(void);
PELLOR_API double GetGHA(void);
PELLOR_API double GetLHA(void);
PELLOR_API double GetLST(void);
PELLOR_API void GetLocator(unsigned char* text, double latitudeDeg, double longitudeDeg);
PELLOR_API double GetLatLong(const unsigned char* locator, uint8_t which);
PELLOR_API double GetVersion(void);
PELLOR_API double GetMoonIllum(void);
PELLOR_API double GetMoonPhase(void);
PELLOR_API void GetQuarter(unsigned char* text);
PELLOR_API double GetPhaseAngle(void);

#ifdef __cplusplus
}
#endif

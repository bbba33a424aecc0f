#pragma once
/*
 * Pellor_sunmoon: the ephemeris library's public C interface.
 *
 * The library holds one calculation context for the whole process, zero-filled
 * when the library is loaded and never reset. DataToDLL computes the Sun's or
 * the Moon's position for one station and instant and stores it there; the
 * parameterless getters return single values from it, and GetDoppler,
 * GetLibration, GetMoonIllum, GetPolarity and GetDB compute on demand from it.
 * GetDXdistance, GetLocator, GetLatLong and GetVersion use only their
 * arguments.
 *
 * Calling order:
 *   - DataToDLL first; every other getter reads the context it left.
 *   - GetDistance and GetDB read the echo distance that only GetDoppler
 *     computes: call GetDoppler after DataToDLL and before them.
 *   - GetQuarter, GetMoonPhase and GetPhaseAngle read what GetMoonIllum
 *     stored; GetMoonIllum needs a preceding DataToDLL for the Moon.
 *   - GetDoppler and GetLibration always concern the Moon; the position
 *     getters concern the body chosen in DataToDLL.
 *
 * Not re-entrant and without locks: call from one thread, DataToDLL and its
 * getters in strict sequence. No call allocates, validates or fails.
 *
 * Units: angles in degrees unless stated, times UT, latitude north positive,
 * longitude east positive, azimuth from north through east. Short strings are
 * one length byte followed by that many characters, no terminator; the
 * library writes at most 8 characters, so the caller's buffer holds 9 bytes.
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

/*
 * DataToDLL: position of the Sun or the Moon for one station and instant.
 *
 * Given:
 *   year, month, day      Gregorian calendar date, UT (e.g. 2010, 1..12, 1..31)
 *   hour, minute, second  time of day, UT
 *   heightM               station height above sea level, metres
 *   latitudeDeg           station latitude, degrees, north positive
 *   longitudeDeg          station longitude, degrees, east positive
 *   refraction            1 = add atmospheric refraction to the elevation
 *   body                  1 = Sun, any other value = Moon
 *   frequencyMHz          operating frequency, MHz (GetDoppler, GetLibration)
 *
 * Returned:
 *   nothing; the context holds the apparent position, the topocentric right
 *   ascension, hour angle and declination, the geocentric declination and
 *   Greenwich hour angle, the local sidereal time, elevation and azimuth.
 *
 * Notes:
 *   1. Time is treated as UT throughout (no Delta T).
 *   2. Moon: truncated Brown theory, 50/45/30 terms in longitude, latitude
 *      and parallax, plus nutation; Sun: Keplerian orbit with planetary
 *      perturbations, nutation and 20.5" of aberration.
 *   3. The station's parallax uses an Earth flattening of 1/298.3; the
 *      refraction is that of 1013 mbar and 293 K, added from -0.087 rad up,
 *      with the tangent formula from 0.2617994 rad up.
 *   4. The Moon's ecliptic position and distance survive a later call for the
 *      Sun (GetMoonIllum uses them).
 *
 * Reference:
 *   Duffett-Smith, Practical Astronomy with your Calculator (day number,
 *   sidereal time, Sun, parallax, refraction); Meeus, Astronomical
 *   Formulae for Calculators (lunar series, nutation).
 */
PELLOR_API void DataToDLL(uint16_t year, uint16_t month, uint16_t day, uint16_t hour,
                          uint16_t minute, uint16_t second, double heightM, double latitudeDeg,
                          double longitudeDeg, uint8_t refraction, uint8_t body,
                          double frequencyMHz);

/*
 * GetElevation: elevation of the selected body above the horizon.
 *
 * Returned: degrees, topocentric; includes refraction when DataToDLL was
 *           called with refraction = 1.
 * Notes:    0 before the first DataToDLL.
 */
PELLOR_API double GetElevation(void);

/*
 * GetAzimuth: azimuth of the selected body.
 *
 * Returned: degrees 0..360 from north through east, topocentric.
 * Notes:    exactly on the meridian the azimuth is 0 or 180.
 */
PELLOR_API double GetAzimuth(void);

/*
 * GetDistance: topocentric distance of the Moon from the last GetDoppler.
 *
 * Returned: km (about 350000..410000).
 * Notes:    1. Only GetDoppler computes it; until then the value is 0, or
 *              384401 once GetAngularDiam has supplied the mean distance.
 *           2. A later DataToDLL does not change it.
 */
PELLOR_API double GetDistance(void);

/*
 * GetAngularDiam: apparent diameter of the Moon.
 *
 * Returned: degrees, 0.5181 x 384401 / distance.
 * Notes:    uses the distance of the last GetDoppler; when that is below
 *           200000 km (no GetDoppler yet) the mean distance of 384401 km is
 *           stored in its place and used, giving 0.5181.
 */
PELLOR_API double GetAngularDiam(void);

/*
 * GetRightAsc: right ascension of the selected body.
 *
 * Returned: hours, topocentric (corrected for the station's parallax).
 * Notes:    usually 0..24; just after 0 h the parallax shift can make it
 *           slightly negative (or slightly above 24 just before).
 */
PELLOR_API double GetRightAsc(void);

/*
 * GetRtAscHHMMSS: right ascension of the selected body as text.
 *
 * Given:    text  buffer of at least 9 bytes
 * Returned: text  short string "hh:mm:ss", always 8 characters
 * Notes:    the time of day is always readable: values below 0 h or from 24 h
 *           on are brought into 0..24 h, and seconds that round to 60 (halves
 *           to even) carry into the minutes and hours.
 */
PELLOR_API void GetRtAscHHMMSS(unsigned char* text);

/*
 * GetDeclination: geocentric apparent declination of the selected body.
 *
 * Returned: degrees.
 */
PELLOR_API double GetDeclination(void);

/*
 * GetDecTopo: topocentric declination of the selected body.
 *
 * Returned: degrees.
 */
PELLOR_API double GetDecTopo(void);

/*
 * GetDoppler: Doppler shift of the station's own Moon echo.
 *
 * Returned: Hz at the frequency given to DataToDLL, positive while the Moon
 *           approaches; proportional to the frequency.
 * Notes:    1. Always the Moon, whatever body DataToDLL chose; reads only the
 *              date, time, latitude, longitude and frequency (not the height).
 *           2. Range rate from the topocentric distance one minute before, at
 *              and one minute after the instant; the middle distance is
 *              stored for GetDistance, GetDB and GetAngularDiam.
 *           3. The observer is on the WGS 84 ellipsoid at the station's
 *              latitude, at sea level (the height is not used).
 * Reference: a short lunar series counted from J2000.0 (57 terms in
 *           longitude, 38 in latitude, 29 in distance; arcseconds and Earth
 *           radii), with its own sidereal time.
 */
PELLOR_API double GetDoppler(void);

/*
 * GetLibration: spectral spreading of the Moon echo by the Moon's libration.
 *
 * Returned: Hz at the frequency given to DataToDLL: (angle moved in two
 *           minutes, degrees) x MHz x 3 + 0.25; 0.25 at 0 MHz.
 * Notes:    1. Always the Moon; reads the date, hour, minute, latitude,
 *              longitude and frequency (not the second or the height).
 *           2. Topocentric optical libration one minute before and one
 *              minute after the instant (minute 0 reaches back to minute -1,
 *              i.e. the previous hour).
 *           3. A whole-turn wrap of the libration in longitude between the
 *              two instants is taken the short way round.
 * Reference: after Meeus, Astronomical Algorithms (optical libration,
 *           position angle of the axis), with an abridged lunar theory.
 */
PELLOR_API double GetLibration(void);

/*
 * GetDXdistance: distance or azimuth between two places on the Earth.
 *
 * Given:    lon1, lat1  point 1, degrees (east and north positive)
 *           lon2, lat2  point 2, degrees
 *           mode        0 = azimuth, anything else = distance
 * Returned: mode 0: azimuth from point 1 towards point 2, degrees 0..360;
 *           otherwise the distance, km.
 * Notes:    great-ellipse approximation on an ellipsoid of 6378 x 6356 km;
 *           coincident points are 0 km apart.
 */
PELLOR_API double GetDXdistance(double lon1, double lat1, double lon2, double lat2, uint8_t mode);

/*
 * GetPolarity: parallactic angle of the selected body at the station.
 *
 * Returned: degrees -180..180; 0 or 180 on the meridian, positive west of it
 *           in the northern hemisphere.
 * Notes:    topocentric hour angle, geocentric declination and the elevation
 *           as stored (with refraction when asked for). The calling program
 *           derives the spatial (polarisation) offset between two stations
 *           from their parallactic angles.
 * Reference: spherical astronomy, parallactic angle from hour angle,
 *           declination, elevation and latitude.
 */
PELLOR_API double GetPolarity(void);

/*
 * GetDB: change of the echo path loss against a Moon distance of 356700 km.
 *
 * Returned: dB, -10 log10((distance / 356700)^4): 0 at 356700 km, negative
 *           beyond (about -2.28 at 406700 km).
 * Notes:    uses the distance of the last GetDoppler. Before any GetDoppler
 *           (distance 0) it returns the value for the mean distance of
 *           384401 km, -1.2993 dB, without storing it.
 * Reference: radar equation: the echo falls with the fourth power of the
 *           distance.
 */
PELLOR_API double GetDB(void);

/*
 * GetGHA: Greenwich hour angle of the selected body.
 *
 * Returned: degrees 0..360, geocentric.
 */
PELLOR_API double GetGHA(void);

/*
 * GetLHA: local hour angle of the selected body.
 *
 * Returned: degrees 0..360, topocentric.
 */
PELLOR_API double GetLHA(void);

/*
 * GetLST: local sidereal time at the station.
 *
 * Returned: hours 0..24.
 */
PELLOR_API double GetLST(void);

/*
 * GetLocator: the 6-character Maidenhead grid locator of a place.
 *
 * Given:    text         buffer of at least 7 bytes
 *           latitudeDeg  degrees, north positive
 *           longitudeDeg degrees, east positive
 * Returned: text         short string of 6 characters, e.g. "JJ00aa": field
 *                        letters upper case, square digits, sub-square
 *                        letters lower case.
 * Notes:    the caller keeps latitude in -90..90 and longitude in -180..180.
 * Reference: Maidenhead locator system (fields of 20 x 10 degrees, squares of
 *           2 x 1 degrees, sub-squares of 5 x 2.5 minutes).
 */
PELLOR_API void GetLocator(unsigned char* text, double latitudeDeg, double longitudeDeg);

/*
 * GetLatLong: centre of a Maidenhead locator.
 *
 * Given:    locator  short string, letters in either case
 *           which    0 = longitude, anything else = latitude
 * Returned: degrees, east or north positive.
 * Notes:    1. Six characters or more: the centre of the sub-square (only the
 *              first six count). Four or five: the centre of the square. Two
 *              or three: the centre of the field. Fewer: 0.
 *           2. Never reads past the count in the length byte.
 */
PELLOR_API double GetLatLong(const unsigned char* locator, uint8_t which);

/*
 * GetVersion: the library's version number, 2.16.
 */
PELLOR_API double GetVersion(void);

/*
 * GetMoonIllum: illuminated fraction of the Moon's disk.
 *
 * Returned: percent 0..100.
 * Notes:    1. Uses the Moon of the last DataToDLL for the Moon and the Sun
 *              recomputed for the instant of the last DataToDLL; the waxing or
 *              waning sense comes from the right ascension and declination
 *              in the context.
 *           2. Stores the phase angle (GetPhaseAngle), the quarter
 *              (GetQuarter) and the position in the lunation (GetMoonPhase).
 *           3. Quarter: waxing "1st" below a fraction of 0.25, else "2nd";
 *              waning "3rd" from 0.5 up, else "4th".
 * Reference: after Meeus, Astronomical Algorithms (phase angle, position
 *           angle of the bright limb).
 */
PELLOR_API double GetMoonIllum(void);

/*
 * GetMoonPhase: position in the lunation from the last GetMoonIllum.
 *
 * Returned: 0 at new Moon, 0.5 at full Moon, towards 1 while waning,
 *           less 0.005 (-0.005 before any GetMoonIllum).
 */
PELLOR_API double GetMoonPhase(void);

/*
 * GetQuarter: quarter of the lunation from the last GetMoonIllum.
 *
 * Given:    text  buffer of at least 4 bytes
 * Returned: text  "1st", "2nd", "3rd", "4th", or "N/A" before any GetMoonIllum.
 */
PELLOR_API void GetQuarter(unsigned char* text);

/*
 * GetPhaseAngle: Moon phase angle (Sun-Moon-Earth) from the last GetMoonIllum.
 *
 * Returned: degrees 0..180: near 0 at full Moon, near 180 at new Moon.
 */
PELLOR_API double GetPhaseAngle(void);

#ifdef __cplusplus
}
#endif

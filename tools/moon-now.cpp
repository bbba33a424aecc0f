// Prints the present Moon for a sample station straight from the ephemeris
// library: position, own-echo Doppler and libration spread.
#include <Pellor_sunmoon.h>

#include <cstdio>
#include <ctime>

int main()
{
    // Sample station: Melbourne, Australia, on the 1296 MHz band.
    const double latitude = -37.5, longitude = 145.25, height = 100.0, mhz = 1296.0;

    std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);

    DataToDLL(uint16_t(utc.tm_year + 1900), uint16_t(utc.tm_mon + 1), uint16_t(utc.tm_mday),
              uint16_t(utc.tm_hour), uint16_t(utc.tm_min), uint16_t(utc.tm_sec), height, latitude,
              longitude, 1, 0, mhz);
    const double elevation = GetElevation();
    const double azimuth = GetAzimuth();
    const double declination = GetDecTopo();
    const double gha = GetGHA();
    unsigned char ra[9] = {0};
    GetRtAscHHMMSS(ra);
    const double doppler = GetDoppler();
    const double spread = GetLibration();

    std::printf("Tavrel — the Moon now (%04d-%02d-%02d %02d:%02d:%02d UTC)\n", utc.tm_year + 1900,
                utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec);
    std::printf("Station %.2f° %s, %.2f° %s, %.0f m, %.0f MHz\n", latitude < 0 ? -latitude : latitude,
                latitude < 0 ? "S" : "N", longitude < 0 ? -longitude : longitude,
                longitude < 0 ? "W" : "E", height, mhz);
    std::printf("  R.A.        %.*s\n", int(ra[0] > 8 ? 8 : ra[0]), reinterpret_cast<char*>(ra + 1));
    std::printf("  Declination %8.3f°\n", declination);
    std::printf("  GHA         %8.3f°\n", gha);
    std::printf("  Azimuth     %8.3f°\n", azimuth);
    std::printf("  Elevation   %8.3f°%s\n", elevation, elevation < 0 ? "  (below the horizon)" : "");
    std::printf("  Doppler     %8.1f Hz\n", doppler);
    std::printf("  Libration   %8.2f Hz spread\n", spread);
    return 0;
}

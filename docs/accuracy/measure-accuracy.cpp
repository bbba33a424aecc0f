// Measures how far Tavrel's figures lie from an independent reference: the
// Moon of the ERFA library (an ELP-2000 series good to about ten arcseconds),
// precession-nutation IAU 2006/2000A, an observer on the WGS 84 ellipsoid.
// Optical libration by Cassini's laws from the topocentric apparent position.
//
// Library figures are read from libPellor_sunmoon directly; the program's own
// ephemeris and its signal widths through tavrel-cli. See README.md beside
// this file for how to build and run it.

#include "Pellor_sunmoon.h"

#include <erfa.h>
#include <erfam.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace
{

constexpr double Deg = M_PI / 180.0;
constexpr double InclinationDeg = 1.54242;

struct Station {
    const char* name;
    double lat, lon, height;
};

const Station Stations[] = {
    {"Netherlands 52N 5E", 52.0, 5.0, 0},    {"Melbourne 38S 145E", -37.8, 145.0, 50},
    {"Colorado 40N 105W", 40.0, -105.0, 1600}, {"Iceland 64N 22W", 64.1, -21.9, 20},
    {"Quito 0S 78W", -0.2, -78.5, 2800},      {"Tokyo 36N 140E", 35.7, 139.7, 40},
};

struct Instant {
    int y, mo, d, h, mi;
    double s;
};

// Calendar instant a whole number of minutes after 2020-01-01 00:00 UTC.
Instant AfterStart(long minutes)
{
    double jd1 = 0, jd2 = 0;
    eraCal2jd(2020, 1, 1, &jd1, &jd2);
    jd2 += minutes / 1440.0;
    int y = 0, mo = 0, d = 0;
    double frac = 0;
    eraJd2cal(jd1, jd2, &y, &mo, &d, &frac);
    long m = std::lround(frac * 1440.0);
    return {y, mo, d, static_cast<int>(m / 60), static_cast<int>(m % 60), 0.0};
}

struct Reference {
    double raDeg, decDeg;              // geocentric apparent, true equator of date
    double topoDecDeg, ghaDeg;         // topocentric declination; GHA (geocentric)
    double azDeg, elDeg;               // topocentric, no refraction
    double distanceKm;                 // topocentric
    double lonLibDeg, latLibDeg;       // topocentric optical libration
    double parallacticDeg;             // from the topocentric hour angle and declination
};

// The Moon seen from a station at an instant given in UTC (+ seconds).
Reference Look(const Instant& t, double extraSeconds, const Station& st)
{
    double u1 = 0, u2 = 0;
    eraCal2jd(t.y, t.mo, t.d, &u1, &u2);
    const double dayFrac = (t.h * 3600.0 + t.mi * 60.0 + t.s + extraSeconds) / 86400.0;
    double dat = 0;
    eraDat(t.y, t.mo, t.d, std::clamp(dayFrac, 0.0, 0.999999), &dat);
    const double utc = u2 + dayFrac;
    const double tt = utc + (dat + 32.184) / 86400.0;

    double pv[2][3];
    eraMoon98(u1, tt, pv);
    double npb[3][3];
    eraPnm06a(u1, tt, npb);
    double moon[3];
    eraRxp(npb, pv[0], moon);
    for (double& c : moon)
        c *= ERFA_DAU / 1000.0; // km

    // True equator and equinox of date: Greenwich apparent sidereal time
    // (UT1 taken as UTC; the difference stays below a second).
    const double gast = eraGst06a(u1, utc, u1, tt);
    double itrs[3];
    eraGd2gc(ERFA_WGS84, st.lon * Deg, st.lat * Deg, st.height, itrs);
    double site[3];
    const double c = std::cos(gast), s = std::sin(gast);
    site[0] = (c * itrs[0] - s * itrs[1]) / 1000.0;
    site[1] = (s * itrs[0] + c * itrs[1]) / 1000.0;
    site[2] = itrs[2] / 1000.0;
    double topo[3];
    for (int i = 0; i < 3; ++i)
        topo[i] = moon[i] - site[i];

    Reference r{};
    double ra = 0, dec = 0, tra = 0, tdec = 0;
    eraC2s(moon, &ra, &dec);
    eraC2s(topo, &tra, &tdec);
    r.raDeg = eraAnp(ra) / Deg;
    r.decDeg = dec / Deg;
    r.topoDecDeg = tdec / Deg;
    r.ghaDeg = eraAnp(gast - ra) / Deg;
    r.distanceKm = eraPm(topo);
    const double ha = gast + st.lon * Deg - tra;
    double az = 0, el = 0;
    eraHd2ae(ha, tdec, st.lat * Deg, &az, &el);
    r.azDeg = az / Deg;
    r.elDeg = el / Deg;
    r.parallacticDeg = eraHd2pa(ha, tdec, st.lat * Deg) / Deg;

    // Apparent ecliptic of date, then Cassini's laws.
    double dpsi = 0, deps = 0;
    eraNut06a(u1, tt, &dpsi, &deps);
    const double eps = eraObl06(u1, tt) + deps;
    const double ce = std::cos(eps), se = std::sin(eps);
    const double ex = topo[0], ey = ce * topo[1] + se * topo[2], ez = -se * topo[1] + ce * topo[2];
    const double lambda = std::atan2(ey, ex);
    const double beta = std::atan2(ez, std::hypot(ex, ey));
    const double tc = ((u1 - ERFA_DJ00) + tt) / ERFA_DJC;
    const double node = eraFaom03(tc), f = eraFaf03(tc);
    const double w = lambda - dpsi - node, inc = InclinationDeg * Deg;
    const double a = std::atan2(std::sin(w) * std::cos(beta) * std::cos(inc) -
                                    std::sin(beta) * std::sin(inc),
                                std::cos(w) * std::cos(beta));
    r.lonLibDeg = std::remainder(a - f, 2 * M_PI) / Deg;
    r.latLibDeg = std::asin(-std::sin(w) * std::cos(beta) * std::sin(inc) -
                            std::sin(beta) * std::cos(inc)) /
                  Deg;
    return r;
}

// Libration rate over two minutes, degrees/minute: the charts take the two
// minutes ending at the sample, the live display a minute either side.
double ReferenceRate(const Instant& t, const Station& st, double from = -120, double to = 0)
{
    const Reference a = Look(t, from, st), b = Look(t, to, st);
    const double dl = std::remainder(b.lonLibDeg - a.lonLibDeg, 360.0);
    return std::hypot(b.latLibDeg - a.latLibDeg, dl) / 2.0;
}

double Wrap180(double x)
{
    return std::remainder(x, 360.0);
}

struct Stats {
    std::vector<double> v;
    void Add(double x) { v.push_back(x); }
    void Print(const char* what, const char* unit) const
    {
        if (v.empty())
            return;
        std::vector<double> a;
        double sum = 0, sq = 0;
        for (double x : v) {
            sum += x;
            sq += x * x;
            a.push_back(std::fabs(x));
        }
        std::sort(a.begin(), a.end());
        const auto pct = [&](double p) { return a[std::min(a.size() - 1, size_t(p * a.size()))]; };
        std::printf("%-44s %7zu  mean %+10.4f  rms %10.4f  95%% %10.4f  max %10.4f  %s\n", what,
                    v.size(), sum / v.size(), std::sqrt(sq / v.size()), pct(0.95), a.back(), unit);
    }
};

std::string Run(const std::string& command)
{
    std::string out;
    if (FILE* p = popen(command.c_str(), "r")) {
        char buf[4096];
        size_t n = 0;
        while ((n = std::fread(buf, 1, sizeof buf, p)) > 0)
            out.append(buf, n);
        pclose(p);
    }
    return out;
}

double RowValue(const std::string& text, const std::string& caption, int column)
{
    // Rows read "  <caption>   <value> <value>"; the caption starts the line.
    size_t at = text.find("\n  " + caption + " ");
    if (at == std::string::npos)
        return NAN;
    const char* p = text.c_str() + at + 3 + caption.size();
    char* end = nullptr;
    double v = NAN;
    for (int i = 0; i <= column; ++i) {
        v = std::strtod(p, &end);
        p = end;
    }
    return v;
}

double NamedValue(const std::string& text, const std::string& name)
{
    size_t at = text.find("\n" + name + " ");
    return at == std::string::npos ? NAN : std::strtod(text.c_str() + at + 1 + name.size(), nullptr);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PATH/TO/tavrel-cli\n", argv[0]);
        return 2;
    }
    const std::string cli = argv[1];
    const double mhz = 10368.0; // library figures at the 3 cm band

    // 1. The library: one sample every 7 h 13 min over 2020-2029 per station.
    Stats el, az, dec, gha, dist, dopp, dopRel, lib, par, db;
    for (const Station& st : Stations) {
        for (long m = 0; m < 10L * 365 * 1440; m += 433) {
            const Instant t = AfterStart(m);
            DataToDLL(t.y, t.mo, t.d, t.h, t.mi, 0, st.height, st.lat, st.lon, 0, 0, mhz);
            const Reference r = Look(t, 0, st);
            const double e = GetElevation();
            dec.Add((GetDecTopo() - r.topoDecDeg) * 60);
            gha.Add(Wrap180(GetGHA() - r.ghaDeg) * 60);
            const double doppler = GetDoppler();
            // Own echo: twice the range rate, from the reference distance a
            // minute either side (the same span the library uses).
            const double rate = (Look(t, 60, st).distanceKm - Look(t, -60, st).distanceKm) / 120.0;
            const double refDoppler = -2.0 * rate * 1000.0 / ERFA_CMPS * mhz * 1e6;
            dopp.Add(doppler - refDoppler);
            if (std::fabs(refDoppler) > 1000)
                dopRel.Add(100.0 * (doppler - refDoppler) / refDoppler);
            dist.Add(GetDistance() - r.distanceKm);
            db.Add(GetDB() + 40.0 * std::log10(r.distanceKm / 356700.0));
            if (e > 0 && r.elDeg > 0) {
                el.Add((e - r.elDeg) * 60);
                if (r.elDeg < 85)
                    az.Add(Wrap180(GetAzimuth() - r.azDeg) * 60);
                par.Add(Wrap180(GetPolarity() - r.parallacticDeg));
                const double refWidth = ReferenceRate(t, st, -60, 60) * 6000.0 * mhz / 1000.0;
                lib.Add(GetLibration() - refWidth);
            }
        }
    }
    std::printf("Library (libPellor_sunmoon), 6 stations, 2020-2029, every 7 h 13 min\n");
    std::printf("(errors are the program's value minus the reference)\n");
    el.Print("Moon elevation, Moon up, no refraction", "arcmin");
    az.Print("Moon azimuth, Moon up, below 85 deg", "arcmin");
    dec.Print("topocentric declination", "arcmin");
    gha.Print("Greenwich hour angle", "arcmin");
    dist.Print("Moon distance (after GetDoppler)", "km");
    db.Print("path loss change dB", "dB");
    dopp.Print("own echo Doppler at 10368 MHz", "Hz");
    dopRel.Print("own echo Doppler, |Doppler| > 1 kHz", "%");
    par.Print("parallactic angle (spatial offset), Moon up", "deg");
    lib.Print("live libration spread at 10368 MHz, Moon up", "Hz");

    // 2. The program's own ephemeris, through tavrel-cli ephemeris.
    Stats ra2, dec2, lon2, lat2;
    for (long m = 0, k = 0; m < 10L * 365 * 1440; m += 10L * 365 * 1440 / 240, ++k) {
        const Instant t = AfterStart(m);
        const Station& st = Stations[k % std::size(Stations)];
        char cmd[512];
        std::snprintf(cmd, sizeof cmd,
                      "'%s' ephemeris --date %04d-%02d-%02d --time %02d:%02d --lon %.4f --lat %.4f",
                      cli.c_str(), t.y, t.mo, t.d, t.h, t.mi, st.lon, st.lat);
        const std::string out = Run(cmd);
        const Reference r = Look(t, 0, st);
        ra2.Add(Wrap180(RowValue(out, "Right Ascension", 0) - r.raDeg) * 60);
        dec2.Add((RowValue(out, "Declination", 0) - r.decDeg) * 60);
        lon2.Add(Wrap180(NamedValue(out, "TopoLibrationLongitude") - r.lonLibDeg));
        lat2.Add(NamedValue(out, "TopoLibrationLatitude") - r.latLibDeg);
    }
    std::printf("\nOwn ephemeris (ephemeris panels), 240 instants 2020-2029\n");
    ra2.Print("Moon right ascension (geocentric)", "arcmin");
    dec2.Print("Moon declination (geocentric)", "arcmin");
    lon2.Print("topocentric libration in longitude", "deg");
    lat2.Print("topocentric libration in latitude", "deg");

    // 3. Signal widths of the libration charts, through tavrel-cli day --csv:
    //    every home sample (every 3 minutes) of one day a month in 2024-2025.
    Stats width, widthRel;
    for (int month = 0; month < 24; ++month) {
        const Station& st = Stations[month % std::size(Stations)];
        const int y = 2024 + month / 12, mo = month % 12 + 1, d = 1 + (month * 7) % 27;
        char cmd[512];
        std::snprintf(cmd, sizeof cmd,
                      "'%s' day --csv --station-a-only --band 10.4 --date %04d-%02d-%02d "
                      "--home %.4f,%.4f,%.0f",
                      cli.c_str(), y, mo, d, st.lat, st.lon, st.height);
        const std::string out = Run(cmd);
        size_t pos = 0;
        while ((pos = out.find("\n2,2,", pos)) != std::string::npos) {
            pos += 5;
            char* end = nullptr;
            const long minute = std::strtol(out.c_str() + pos, &end, 10);
            const double w = std::strtod(end + 1, nullptr);
            Instant t{y, mo, d, 0, 0, 0};
            t.h = static_cast<int>(minute / 60);
            t.mi = static_cast<int>(minute % 60);
            if (t.h >= 24)
                continue;
            const double refWidth = ReferenceRate(t, st) * 6000.0 * 10.4;
            width.Add(w - refWidth);
            if (refWidth > 10)
                widthRel.Add(100.0 * (w - refWidth) / refWidth);
        }
    }
    std::printf("\nSignal width charts (tavrel-cli day), 24 days 2024-2025, every sample\n");
    width.Print("signal width at 10.4 GHz", "Hz");
    widthRel.Print("signal width, widths above 10 Hz", "%");
    return 0;
}

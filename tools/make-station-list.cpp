// Builds the shipped station list "DravikDXCC.ini" from the DXCC country list
// of Debian's hamradio-files package (cty.csv, MIT licence; see data/README.md)
// and the table of call areas and states below.
//
//   make-station-list [cty.csv [DravikDXCC.ini]]
//
// Row 0 holds the column titles, rows 1..459 the protected list (the
// countries in name order, then the call areas and states), and the rows from
// 460 on are left empty for the user's own stations.

#include <QFile>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <set>

#include "AppState.h"
#include "Coordinates.h"
#include "GridIniFile.h"
#include "GridModel.h"
#include "Locator.h"
#include "StationDatabase.h"
#include "StationFields.h"

namespace
{

constexpr int kTotalRows = 1000; // 540 rows of user area after the shipped list

struct Place {
    QString name;
    QString prefix;
    double latitude;  // north positive
    double longitude; // east positive
    double utcOffset; // hours, east positive (standard time)
};

// Call areas, states and provinces most looked up, each at its capital. Taken
// in this order until the list is full; the last ones are spares for a country
// list that shrinks.
struct SubdivisionRow {
    const char* name;
    const char* prefix;
    double latitude, longitude, utcOffset;
};

const SubdivisionRow kSubdivisions[] = {
    // USA: the 48 contiguous states (Alaska and Hawaii are countries of their own).
    {"Alabama", "W4", 32.377, -86.300, -6},
    {"Arizona", "W7", 33.448, -112.074, -7},
    {"Arkansas", "W5", 34.746, -92.290, -6},
    {"California", "W6", 38.576, -121.494, -8},
    {"Colorado", "W0", 39.739, -104.990, -7},
    {"Connecticut", "W1", 41.764, -72.682, -5},
    {"Delaware", "W3", 39.158, -75.524, -5},
    {"Florida", "W4", 30.438, -84.281, -5},
    {"Georgia (USA)", "W4", 33.749, -84.388, -5},
    {"Idaho", "W7", 43.615, -116.202, -7},
    {"Illinois", "W9", 39.798, -89.654, -6},
    {"Indiana", "W9", 39.768, -86.158, -5},
    {"Iowa", "W0", 41.586, -93.625, -6},
    {"Kansas", "W0", 39.048, -95.678, -6},
    {"Kentucky", "W4", 38.200, -84.873, -5},
    {"Louisiana", "W5", 30.451, -91.187, -6},
    {"Maine", "W1", 44.310, -69.780, -5},
    {"Maryland", "W3", 38.978, -76.492, -5},
    {"Massachusetts", "W1", 42.360, -71.058, -5},
    {"Michigan", "W8", 42.733, -84.556, -5},
    {"Minnesota", "W0", 44.954, -93.090, -6},
    {"Mississippi", "W5", 32.299, -90.185, -6},
    {"Missouri", "W0", 38.577, -92.173, -6},
    {"Montana", "W7", 46.589, -112.039, -7},
    {"Nebraska", "W0", 40.814, -96.702, -6},
    {"Nevada", "W7", 39.164, -119.767, -8},
    {"New Hampshire", "W1", 43.208, -71.538, -5},
    {"New Jersey", "W2", 40.221, -74.756, -5},
    {"New Mexico", "W5", 35.687, -105.938, -7},
    {"New York", "W2", 42.653, -73.757, -5},
    {"North Carolina", "W4", 35.780, -78.639, -5},
    {"North Dakota", "W0", 46.808, -100.784, -6},
    {"Ohio", "W8", 39.961, -82.999, -5},
    {"Oklahoma", "W5", 35.468, -97.516, -6},
    {"Oregon", "W7", 44.943, -123.035, -8},
    {"Pennsylvania", "W3", 40.273, -76.886, -5},
    {"Rhode Island", "W1", 41.824, -71.413, -5},
    {"South Carolina", "W4", 34.000, -81.035, -5},
    {"South Dakota", "W0", 44.368, -100.351, -6},
    {"Tennessee", "W4", 36.163, -86.781, -6},
    {"Texas", "W5", 30.267, -97.743, -6},
    {"Utah", "W7", 40.761, -111.891, -7},
    {"Vermont", "W1", 44.260, -72.576, -5},
    {"Virginia", "W4", 37.541, -77.434, -5},
    {"Washington", "W7", 47.038, -122.900, -8},
    {"West Virginia", "W8", 38.350, -81.633, -5},
    {"Wisconsin", "W9", 43.073, -89.401, -6},
    {"Wyoming", "W7", 41.140, -104.820, -7},
    // Canada
    {"Newfoundland", "VO1", 47.561, -52.713, -3.5},
    {"Nova Scotia", "VE1", 44.649, -63.575, -4},
    {"New Brunswick", "VE9", 45.964, -66.643, -4},
    {"Prince Edward Island", "VY2", 46.238, -63.131, -4},
    {"Quebec", "VE2", 46.813, -71.208, -5},
    {"Ontario", "VE3", 43.653, -79.383, -5},
    {"Manitoba", "VE4", 49.895, -97.138, -6},
    {"Saskatchewan", "VE5", 50.445, -104.619, -6},
    {"Alberta", "VE6", 53.546, -113.494, -7},
    {"British Columbia", "VE7", 48.428, -123.365, -8},
    {"Yukon", "VY1", 60.721, -135.057, -7},
    {"Northwest Territories", "VE8", 62.454, -114.372, -7},
    {"Nunavut", "VY0", 63.747, -68.517, -5},
    // Australia
    {"Australian Capital Territory", "VK1", -35.281, 149.129, 10},
    {"New South Wales", "VK2", -33.869, 151.209, 10},
    {"Victoria", "VK3", -37.814, 144.963, 10},
    {"Queensland", "VK4", -27.470, 153.026, 10},
    {"South Australia", "VK5", -34.929, 138.601, 9.5},
    {"Western Australia", "VK6", -31.950, 115.861, 8},
    {"Tasmania", "VK7", -42.882, 147.327, 10},
    {"Northern Territory", "VK8", -12.463, 130.846, 9.5},
    // Japan: the ten call areas
    {"Kanto", "JA1", 35.690, 139.692, 9},
    {"Tokai", "JA2", 35.181, 136.906, 9},
    {"Kinki", "JA3", 34.694, 135.502, 9},
    {"Chugoku", "JA4", 34.385, 132.455, 9},
    {"Shikoku", "JA5", 33.839, 132.766, 9},
    {"Kyushu", "JA6", 33.590, 130.402, 9},
    {"Tohoku", "JA7", 38.268, 140.870, 9},
    {"Hokkaido", "JA8", 43.062, 141.354, 9},
    {"Hokuriku", "JA9", 36.561, 136.656, 9},
    {"Shinetsu", "JA0", 36.648, 138.195, 9},
    // Russia
    {"St. Petersburg", "UA1", 59.939, 30.316, 3},
    {"Moscow", "UA3", 55.756, 37.617, 3},
    {"Kazan", "UA4", 55.796, 49.108, 3},
    {"Rostov-on-Don", "UA6", 47.236, 39.701, 3},
    {"Yekaterinburg", "UA9", 56.838, 60.597, 5},
    {"Novosibirsk", "UA9", 55.008, 82.935, 7},
    {"Irkutsk", "UA0", 52.287, 104.305, 8},
    {"Vladivostok", "UA0", 43.116, 131.886, 10},
    // Brazil
    {"Rio de Janeiro", "PY1", -22.907, -43.173, -3},
    {"Sao Paulo", "PY2", -23.551, -46.633, -3},
    {"Rio Grande do Sul", "PY3", -30.035, -51.218, -3},
    {"Minas Gerais", "PY4", -19.917, -43.934, -3},
    {"Parana", "PY5", -25.429, -49.271, -3},
    {"Santa Catarina", "PP5", -27.595, -48.548, -3},
    {"Bahia", "PY6", -12.978, -38.502, -3},
    {"Pernambuco", "PY7", -8.048, -34.877, -3},
    {"Para", "PY8", -1.456, -48.490, -3},
    {"Distrito Federal", "PT2", -15.794, -47.882, -3},
    // Other large countries
    {"Beijing", "BY1", 39.904, 116.407, 8},
    {"Shanghai", "BY4", 31.230, 121.474, 8},
    {"Guangzhou", "BY7", 23.129, 113.264, 8},
    {"New Delhi", "VU2", 28.614, 77.209, 5.5},
    {"Mumbai", "VU2", 19.076, 72.878, 5.5},
    {"Buenos Aires", "LU", -34.604, -58.382, -3},
    {"Cordoba", "LU", -31.420, -64.189, -3},
    {"Cape Town", "ZS1", -33.925, 18.424, 2},
    {"Pretoria", "ZS6", -25.747, 28.188, 2},
    {"Auckland", "ZL1", -36.849, 174.763, 12},
    {"Wellington", "ZL2", -41.286, 174.776, 12},
    {"Christchurch", "ZL3", -43.532, 172.637, 12},
    {"Dunedin", "ZL4", -45.879, 170.503, 12},
    {"Mexico City", "XE1", 19.433, -99.133, -6},
    {"Monterrey", "XE2", 25.687, -100.316, -6},
    // Spares
    {"Astana", "UN", 51.169, 71.449, 5},
    {"Jakarta", "YB0", -6.208, 106.846, 7},
    {"Santiago", "CE3", -33.449, -70.669, -4},
    {"Bogota", "HK3", 4.711, -74.072, -5},
    {"Lima", "OA4", -12.046, -77.043, -5},
};

const char* const kTitles[StationColumn::Count] = {
    "Location", "Call / Prefix", "UTC Offset", "Grid Square", "Height m", "Lat Deg", "Lat Min",
    "Lat Sec",  "N/S",           "Long Deg",   "Long Min",    "Long Sec", "E/W",
};

const int kColumnWidths[StationColumn::Count] = {150, 90, 50, 60, 50, 40, 40,
                                                 40,  30, 45, 40, 40, 30};

// The prefix as found in the country list, without the markers that change
// zones ("(5)", "[8]", "<lat/long>", "{continent}", "~offset~").
QString BarePrefix(QString token)
{
    const qsizetype cut = token.indexOf(QRegularExpression(QStringLiteral("[\\(\\[<\\{~]")));
    if (cut >= 0)
        token.truncate(cut);
    return token;
}

// The text of column 1 for a country, shaped so that the fast find sees each
// prefix as one of its pieces: "VK,VI,VJ,VL", "3B8", "VP2E". Countries the
// list names with a slash ("FT/x") become one word ("FTX").
QString PrefixColumn(const QString& primary, const QStringList& tokens)
{
    QString main = primary;
    main.remove(QLatin1Char('/'));
    main = main.toUpper();
    if (main.size() != 2 && main.size() != 3)
        return main;

    // Prefixes with a letter in second place first: "LU,LO,LP,LQ" reads better than "LU,L1,L2,L3".
    auto order = [](const QString& a, const QString& b) {
        const bool digitA = a.at(1).isDigit(), digitB = b.at(1).isDigit();
        return digitA != digitB ? digitB : a < b;
    };
    std::set<QString, decltype(order)> others(order);
    for (const QString& raw : tokens) {
        if (raw.startsWith(QLatin1Char('=')))
            continue; // a single call sign, not a prefix
        const QString p = BarePrefix(raw).toUpper();
        if (p != main && p.size() == main.size() && p.at(0) == main.at(0) &&
            std::all_of(p.begin(), p.end(), [](QChar c) { return c.isLetterOrNumber(); }))
            others.insert(p);
    }
    // Pieces of 2 characters come up to four to a text, of 3 characters two.
    const size_t room = main.size() == 2 ? 3 : 1;
    QStringList parts{main};
    for (const QString& p : others) {
        if (size_t(parts.size()) > room)
            break;
        parts.append(p);
    }
    return parts.join(QLatin1Char(','));
}

bool ReadCountries(const QString& path, std::vector<Place>& places, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return false;
    }
    int lineNumber = 0;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        ++lineNumber;
        if (line.isEmpty())
            continue;
        const QStringList f = line.split(QLatin1Char(','));
        bool okLat = false, okLon = false, okUtc = false;
        if (f.size() != 10) {
            error =
                QStringLiteral("line %1: %2 fields instead of 10").arg(lineNumber).arg(f.size());
            return false;
        }
        Place p;
        p.name = f[1].trimmed();
        p.latitude = f[6].toDouble(&okLat);
        // The list counts longitudes west positive and UTC offsets west positive.
        p.longitude = -f[7].toDouble(&okLon);
        p.utcOffset = -f[8].toDouble(&okUtc);
        if (!okLat || !okLon || !okUtc || p.name.isEmpty()) {
            error = QStringLiteral("line %1: not a country line").arg(lineNumber);
            return false;
        }
        if (p.utcOffset == 0)
            p.utcOffset = 0; // no "-0"
        QString primary = f[0].trimmed();
        if (primary.startsWith(QLatin1Char('*')))
            primary.remove(0, 1); // a country of the European list only
        QString list = f[9].trimmed();
        if (list.endsWith(QLatin1Char(';')))
            list.chop(1);
        p.prefix = PrefixColumn(primary, list.split(QLatin1Char(' '), Qt::SkipEmptyParts));
        places.push_back(p);
    }
    std::stable_sort(places.begin(), places.end(), [](const Place& a, const Place& b) {
        return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
    });
    return true;
}

void WriteStation(GridModel& grid, int row, const Place& p)
{
    namespace C = StationColumn;
    AppState state;
    state.DxLatitude = p.latitude;
    state.DxLongitude = p.longitude;
    ShowHemispheres(state, Station::Dx);
    // The positions have at most three decimals: rounding them to whole seconds
    // in integers keeps 65.80 at 65 48 0, where binary fractions would give 65 47 59.
    auto toDms = [](double degrees, int32_t& deg, int32_t& min, int32_t& sec) {
        const long long thousandths = std::llabs(std::llround(degrees * 1000));
        const long long seconds = (thousandths * 36 + 5) / 10;
        deg = int32_t(seconds / 3600);
        min = int32_t(seconds / 60 % 60);
        sec = int32_t(seconds % 60);
    };
    toDms(p.latitude, state.DxLatDeg, state.DxLatMin, state.DxLatSec);
    toDms(p.longitude, state.DxLongDeg, state.DxLongMin, state.DxLongSec);
    const QString locator = PositionToLocator(state, Station::Dx);

    grid.SetText(C::Location, row, p.name);
    grid.SetText(C::CallSign, row, p.prefix);
    grid.SetNumber(C::UtcOffset, row, p.utcOffset, GridVarType::Double);
    grid.SetText(C::GridSquare, row, locator);
    grid.SetNumber(C::HeightM, row, 0, GridVarType::Double);
    grid.SetText(C::LatDeg, row, QString::number(state.DxLatDeg));
    grid.SetText(C::LatMin, row, QString::number(state.DxLatMin));
    grid.SetText(C::LatSec, row, QString::number(state.DxLatSec));
    grid.SetText(C::LatHemisphere, row, state.DxLatHemisphere);
    grid.SetText(C::LongDeg, row, QString::number(state.DxLongDeg));
    grid.SetText(C::LongMin, row, QString::number(state.DxLongMin));
    grid.SetText(C::LongSec, row, QString::number(state.DxLongSec));
    grid.SetText(C::LongHemisphere, row, state.DxLongHemisphere);
}

} // namespace

int main(int argc, char** argv)
{
    const QString csv = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                 : QStringLiteral("/usr/share/hamradio-files/cty.csv");
    const QString out = argc > 2 ? QString::fromLocal8Bit(argv[2]) : DatabaseFileName;

    std::vector<Place> places;
    QString error;
    if (!ReadCountries(csv, places, error)) {
        std::fprintf(stderr, "make-station-list: %s: %s\n", qPrintable(csv), qPrintable(error));
        return 1;
    }
    const size_t wanted = LastProtectedRow;
    if (places.size() > wanted) {
        std::fprintf(stderr, "make-station-list: %zu countries do not fit into %zu rows\n",
                     places.size(), wanted);
        return 1;
    }
    for (const SubdivisionRow& s : kSubdivisions) {
        if (places.size() == wanted)
            break;
        places.push_back({QString::fromUtf8(s.name), QString::fromLatin1(s.prefix), s.latitude,
                          s.longitude, s.utcOffset});
    }
    if (places.size() != wanted) {
        std::fprintf(stderr, "make-station-list: only %zu of %zu rows filled\n", places.size(),
                     wanted);
        return 1;
    }

    GridModel grid;
    grid.ClearContents();
    grid.SetSize(StationColumn::Count, kTotalRows);
    grid.SetFixed(1, 1);
    grid.Properties.insert(QStringLiteral("Width"), 400);
    grid.Properties.insert(QStringLiteral("Height"), 610);
    for (int col = 0; col < StationColumn::Count; ++col) {
        grid.SetText(col, 0, QString::fromLatin1(kTitles[col]));
        grid.ColumnSettings[QStringLiteral("Col.Width")][col] = QString::number(kColumnWidths[col]);
    }
    for (size_t i = 0; i < places.size(); ++i)
        WriteStation(grid, int(i) + 1, places[i]);

    const GridFileResult saved = SaveGridToIni(grid, out);
    if (!saved.ok) {
        std::fprintf(stderr, "make-station-list: %s\n", qPrintable(saved.message));
        return 1;
    }
    std::printf("%s: %zu stations, user area from row %d of %d\n", qPrintable(out), places.size(),
                FirstUserRow, kTotalRows);
    return 0;
}

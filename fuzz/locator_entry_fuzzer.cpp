// Any text typed into a grid square field, for either station and from any
// previous position: nothing crashes, the stored text stays within six
// characters, and a locator that moves the station puts it on the globe at the
// centre of that very locator.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "FuzzSupport.h"
#include "Locator.h"

namespace
{

template <typename T> T Take(const uint8_t*& data, size_t& size)
{
    T value{};
    if (size >= sizeof(T)) {
        std::memcpy(&value, data, sizeof(T));
        data += sizeof(T);
        size -= sizeof(T);
    }
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const uint8_t flags = Take<uint8_t>(data, size);
    const Station station = (flags & 1) ? Station::Dx : Station::Home;

    // Whatever the station held before, a damaged file's values included.
    AppState state;
    StationFields f = FieldsOf(state, station);
    f.LatDeg = Take<int32_t>(data, size);
    f.LongSec = Take<int32_t>(data, size);
    f.Latitude = Take<double>(data, size);
    f.LatHemisphere = (flags & 2) ? QStringLiteral("S") : QStringLiteral("N");
    f.LongHemisphere = (flags & 4) ? QStringLiteral("E") : QStringLiteral("W");
    f.CallSign = QStringLiteral("CALL");

    const QString text =
        (flags & 8) ? QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size))
                    : QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(size));
    const LocatorEntry entry = LocatorToPosition(state, station, text);

    FUZZ_CHECK(f.ShownLocator.size() <= 6);
    FUZZ_CHECK(f.ShownLocator == text.left(6) || entry == LocatorEntry::PositionSet);
    if (station == Station::Home)
        FUZZ_CHECK(state.HomeGridSquare == state.GridSquareWork);
    if (entry != LocatorEntry::PositionSet) {
        FUZZ_CHECK(f.CallSign == QLatin1String("CALL"));
        return 0;
    }
    FUZZ_CHECK(text.size() >= 6);
    FUZZ_CHECK(f.CallSign.isEmpty() && f.Location.isEmpty());
    FUZZ_CHECK(std::isfinite(double(f.Latitude)) && std::fabs(f.Latitude) < 90);
    FUZZ_CHECK(std::isfinite(double(f.Longitude)) && std::fabs(f.Longitude) <= 180);
    FUZZ_CHECK(f.LatMin >= 0 && f.LatMin <= 60 && f.LatSec >= 0 && f.LatSec <= 60);
    FUZZ_CHECK(f.LongMin >= 0 && f.LongMin <= 60 && f.LongSec >= 0 && f.LongSec <= 60);
    // The position found gives back the locator typed (letters in their usual case).
    const QString typed = f.ShownLocator;
    FUZZ_CHECK(PositionToLocator(state, station) == typed);
    FUZZ_CHECK(typed.left(2) == text.left(2).toUpper() && typed.mid(4) == text.mid(4, 2).toLower());
    return 0;
}

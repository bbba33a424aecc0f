// Any short string handed to the library's GetLatLong: it reads no byte past
// the count in the length byte, always gives a finite number, and for a well
// formed locator gives a point on the globe inside that locator's field.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#include "FuzzSupport.h"
#include "Pellor_sunmoon.h"

namespace
{

bool Between(unsigned char c, char low, char high)
{
    return c >= low && c <= high;
}

unsigned char Upper(unsigned char c)
{
    return (c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    // The buffer is exactly as long as the length byte says, so that the
    // address checker sees any read beyond it.
    const size_t length = data[0];
    auto text = std::make_unique<unsigned char[]>(length + 1);
    text[0] = static_cast<unsigned char>(length);
    for (size_t i = 1; i <= length; ++i)
        text[i] = i < size ? data[i] : 'a';

    const double longitude = GetLatLong(text.get(), 0);
    const double latitude = GetLatLong(text.get(), size > 1 ? data[size - 1] | 1 : 1);
    FUZZ_CHECK(std::isfinite(longitude) && std::isfinite(latitude));

    const size_t used = length > 6 ? 6 : length;
    bool wellFormed = used >= 2;
    for (size_t i = 1; i <= used && wellFormed; ++i) {
        const unsigned char c = Upper(text[i]);
        wellFormed = i <= 2   ? Between(c, 'A', 'R')
                     : i <= 4 ? Between(c, '0', '9')
                              : Between(c, 'A', 'X');
    }
    if (wellFormed) {
        FUZZ_CHECK(longitude > -180 && longitude < 180);
        FUZZ_CHECK(latitude > -90 && latitude < 90);
        const double fieldWest = (Upper(text[1]) - 'A') * 20.0 - 180.0;
        const double fieldSouth = (Upper(text[2]) - 'A') * 10.0 - 90.0;
        FUZZ_CHECK(longitude > fieldWest && longitude < fieldWest + 20);
        FUZZ_CHECK(latitude > fieldSouth && latitude < fieldSouth + 10);
    }
    return 0;
}

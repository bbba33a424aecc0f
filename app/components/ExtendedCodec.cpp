#include "ExtendedCodec.h"

#include <cmath>
#include <limits>

namespace
{

constexpr int Bias = 16383;
constexpr int MaxExponent = 0x7FFF;
constexpr uint64_t IntegerBit = 0x8000000000000000ULL;
constexpr uint64_t QuietBit = 0x4000000000000000ULL;

void Put(uint64_t significand, int exponent, bool negative, uint8_t* bytes)
{
    for (int i = 0; i < 8; ++i)
        bytes[i] = static_cast<uint8_t>(significand >> (8 * i));
    const unsigned top = static_cast<unsigned>(exponent) | (negative ? 0x8000u : 0u);
    bytes[8] = static_cast<uint8_t>(top);
    bytes[9] = static_cast<uint8_t>(top >> 8);
}

// Rounds a value in [0, 2^64] to an integer; the caller handles 2^64.
long double RoundToInteger(long double v)
{
    return std::nearbyint(v);
}

} // namespace

long double DecodeExtended(const uint8_t* bytes)
{
    uint64_t significand = 0;
    for (int i = 7; i >= 0; --i)
        significand = (significand << 8) | bytes[i];
    const unsigned top = bytes[8] | (static_cast<unsigned>(bytes[9]) << 8);
    const bool negative = (top & 0x8000u) != 0;
    const int exponent = static_cast<int>(top & 0x7FFFu);

    long double magnitude = 0;
    if (exponent == MaxExponent) {
        if (significand == IntegerBit)
            magnitude = std::numeric_limits<long double>::infinity();
        else
            magnitude = std::numeric_limits<long double>::quiet_NaN();
    } else if (exponent == 0) {
        // Subnormal (or pseudo-subnormal with the integer bit set): no hidden bias shift.
        magnitude = std::ldexp(static_cast<long double>(significand), 1 - Bias - 63);
    } else if ((significand & IntegerBit) == 0) {
        magnitude = std::numeric_limits<long double>::quiet_NaN(); // unnormal
    } else {
        magnitude = std::ldexp(static_cast<long double>(significand), exponent - Bias - 63);
    }
    return negative ? -magnitude : magnitude;
}

void EncodeExtended(long double value, uint8_t* bytes)
{
    const bool negative = std::signbit(value);
    if (std::isnan(value)) {
        Put(IntegerBit | QuietBit, MaxExponent, negative, bytes);
        return;
    }
    const long double a = std::fabs(value);
    if (std::isinf(a)) {
        Put(IntegerBit, MaxExponent, negative, bytes);
        return;
    }
    if (a == 0) {
        Put(0, 0, negative, bytes);
        return;
    }
    int e = 0;
    const long double mant = std::frexp(a, &e); // a = mant * 2^e, mant in [0.5, 1)
    int exponent = e - 1 + Bias;
    if (exponent <= 0) {
        // Subnormal in this format: the significand counts units of 2^(1 - Bias - 63).
        const long double units = RoundToInteger(std::ldexp(a, Bias - 1 + 63));
        if (units >= std::ldexp(1.0L, 63)) {
            Put(IntegerBit, 1, negative, bytes); // rounded up to the smallest normal
            return;
        }
        Put(static_cast<uint64_t>(units), 0, negative, bytes);
        return;
    }
    long double units = RoundToInteger(std::ldexp(mant, 64));
    if (units >= std::ldexp(1.0L, 64)) {
        units = std::ldexp(1.0L, 63);
        ++exponent;
    }
    if (exponent >= MaxExponent) {
        Put(IntegerBit, MaxExponent, negative, bytes);
        return;
    }
    Put(static_cast<uint64_t>(units), exponent, negative, bytes);
}

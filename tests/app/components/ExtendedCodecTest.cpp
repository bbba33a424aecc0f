#include "ExtendedCodec.h"

#include <array>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>

namespace
{

using Bytes = std::array<uint8_t, 10>;

Bytes Encode(long double v)
{
    Bytes b{};
    EncodeExtended(v, b.data());
    return b;
}

// Patterns worked out by hand from the format: significand, then exponent and sign.
TEST(ExtendedCodec, KnownPatterns)
{
    struct Case {
        long double value;
        Bytes bytes;
    } cases[] = {
        {1.0L, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}},
        {-2.0L, {0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0xC0}},
        {300.0L, {0, 0, 0, 0, 0, 0, 0, 0x96, 0x07, 0x40}},
        {0.1L, {0xCD, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xCC, 0xFB, 0x3F}},
        {0.0L, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {-0.0L, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0x80}},
        {std::numeric_limits<long double>::infinity(), {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F}},
        {-std::numeric_limits<long double>::infinity(), {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0xFF}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Encode(c.value), c.bytes) << static_cast<double>(c.value);
        const long double back = DecodeExtended(c.bytes.data());
        EXPECT_EQ(back, c.value);
        EXPECT_EQ(std::signbit(back), std::signbit(c.value));
    }
}

TEST(ExtendedCodec, ValuesRoundTripBitForBit)
{
    using L = std::numeric_limits<long double>;
    const long double values[] = {
        37.8125L,     -144.95833333333333333L,
        1.296L,       1e-300L,
        -1e300L,      L::max(),
        -L::max(),    L::min(),
        -L::min(),    L::denorm_min(),
        L::min() / 3, -L::denorm_min() * 12345,
        L::epsilon(), 0.5L,
    };
    for (const long double v : values) {
        const Bytes b = Encode(v);
        const long double back = DecodeExtended(b.data());
        EXPECT_EQ(back, v) << static_cast<double>(v);
        EXPECT_EQ(Encode(back), b);
    }
}

TEST(ExtendedCodec, NaNStaysNaNWithItsSign)
{
    for (const long double nan : {std::numeric_limits<long double>::quiet_NaN(),
                                  -std::numeric_limits<long double>::quiet_NaN()}) {
        const Bytes b = Encode(nan);
        EXPECT_EQ(b[8], 0xFF);
        EXPECT_EQ(b[9] & 0x7F, 0x7F);
        const long double back = DecodeExtended(b.data());
        EXPECT_TRUE(std::isnan(back));
        EXPECT_EQ(std::signbit(back), std::signbit(nan));
    }
}

TEST(ExtendedCodec, ForeignPatternsDecodeWithoutSurprises)
{
    struct Case {
        Bytes bytes;
        bool nan;
        long double value;
    } cases[] = {
        // Signalling NaN and pseudo-infinity (no integer bit): NaN.
        {{1, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F}, true, 0},
        {{0, 0, 0, 0, 0, 0, 0, 0x00, 0xFF, 0x7F}, true, 0},
        // Unnormal: a normal exponent without the integer bit.
        {{0, 0, 0, 0, 0, 0, 0, 0x40, 0xFF, 0x3F}, true, 0},
        // Pseudo-subnormal: zero exponent with the integer bit; the smallest normal.
        {{0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0x00}, false, std::numeric_limits<long double>::min()},
        // All ones: negative NaN.
        {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, true, 0},
    };
    for (const Case& c : cases) {
        const long double v = DecodeExtended(c.bytes.data());
        if (c.nan)
            EXPECT_TRUE(std::isnan(v));
        else
            EXPECT_EQ(v, c.value);
    }
}

} // namespace

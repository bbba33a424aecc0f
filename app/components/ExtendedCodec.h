#pragma once

#include <cstdint>

// The 10-byte extended-precision number of the set-up file: a 64-bit
// significand with an explicit integer bit, then a 15-bit exponent biased by
// 16383 with the sign in the top bit of the last byte, little-endian.
// Converted arithmetically, so the result does not depend on how this
// compiler lays out a long double.
inline constexpr int ExtendedSize = 10;

// Zero, subnormals, infinities and NaN decode to the same kind of value. A
// pattern the x87 unit refuses as an operand (a non-zero exponent without the
// integer bit) decodes to NaN, as loading it there would.
long double DecodeExtended(const uint8_t* bytes);

// Writes exactly ExtendedSize bytes. NaN is written as the quiet NaN of its
// sign; a value beyond the format's range (only where long double is wider)
// becomes an infinity.
void EncodeExtended(long double value, uint8_t* bytes);

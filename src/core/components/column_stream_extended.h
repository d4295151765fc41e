#pragma once

#include <array>
#include <cstdint>

namespace quavis {

// The 10-byte x87 extended real of the column stream, little-endian: a 64-bit mantissa with an explicit
// integer bit, then 15 exponent bits (bias 16383) and the sign in the top bit of the last byte.
// Built by arithmetic on the value, so the bytes are the same whatever `long double` is on this machine.
using TExtendedBytes = std::array<std::uint8_t, 10>;

TExtendedBytes EncodeExtended(long double value);

// Invalid encodings (an exponent other than 0 with the integer bit clear) give a quiet NaN, as the
// x87 itself treats them.
long double DecodeExtended(const TExtendedBytes& bytes);

} // namespace quavis

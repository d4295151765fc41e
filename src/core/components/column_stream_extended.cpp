#include "components/column_stream_extended.h"

#include <cmath>
#include <limits>

namespace quavis {
namespace {

constexpr int kExponentBias = 16383;
constexpr int kMaxExponent = 0x7FFF;
constexpr std::uint64_t kIntegerBit = 0x8000000000000000ULL;
constexpr std::uint64_t kQuietBit = 0x4000000000000000ULL;
// Exponent of the mantissa's lowest bit in a denormal: 2^(1 - bias - 63).
constexpr int kDenormalShift = kExponentBias - 1 + 63;

TExtendedBytes Pack(bool negative, int exponent, std::uint64_t mantissa)
{
    TExtendedBytes bytes{};
    for (int i = 0; i < 8; ++i)
        bytes[i] = static_cast<std::uint8_t>(mantissa >> (8 * i));
    const unsigned top = (negative ? 0x8000u : 0u) | static_cast<unsigned>(exponent);
    bytes[8] = static_cast<std::uint8_t>(top);
    bytes[9] = static_cast<std::uint8_t>(top >> 8);
    return bytes;
}

// Rounds a value in [0, 2^64] to the nearest integer in two 32-bit halves, so that no intermediate needs
// more precision than the value itself has. Returns false when the rounding carries out to 2^64.
bool ToMantissa(long double scaled, std::uint64_t& mantissa)
{
    const long double high = std::floor(std::ldexp(scaled, -32));
    long double low = std::nearbyint(scaled - std::ldexp(high, 32));
    std::uint64_t h = static_cast<std::uint64_t>(high);
    if (low >= 4294967296.0L) {
        low -= 4294967296.0L;
        ++h;
    }
    if (h > 0xFFFFFFFFULL)
        return false;
    mantissa = (h << 32) | static_cast<std::uint64_t>(low);
    return true;
}

} // namespace

TExtendedBytes EncodeExtended(long double value)
{
    const bool negative = std::signbit(value);
    if (std::isnan(value))
        return Pack(negative, kMaxExponent, kIntegerBit | kQuietBit);
    if (std::isinf(value))
        return Pack(negative, kMaxExponent, kIntegerBit);
    const long double magnitude = std::fabs(value);
    if (magnitude == 0.0L)
        return Pack(negative, 0, 0);

    int e = 0;
    const long double fraction = std::frexp(magnitude, &e); // magnitude = fraction * 2^e, fraction in [0.5, 1)
    int biased = e - 1 + kExponentBias;
    std::uint64_t mantissa = 0;
    if (biased <= 0) {
        // Below the smallest normal: exponent field 0, the mantissa counts units of 2^-16445.
        if (!ToMantissa(std::ldexp(magnitude, kDenormalShift), mantissa))
            mantissa = kIntegerBit;
        // A denormal that rounds up to the integer bit is the smallest normal.
        return Pack(negative, (mantissa & kIntegerBit) ? 1 : 0, mantissa);
    }
    if (!ToMantissa(std::ldexp(fraction, 64), mantissa)) {
        mantissa = kIntegerBit;
        ++biased;
    }
    if (biased >= kMaxExponent) // only when long double has a wider range than the x87 format
        return Pack(negative, kMaxExponent, kIntegerBit);
    return Pack(negative, biased, mantissa);
}

long double DecodeExtended(const TExtendedBytes& bytes)
{
    std::uint64_t mantissa = 0;
    for (int i = 7; i >= 0; --i)
        mantissa = (mantissa << 8) | bytes[i];
    const unsigned top = static_cast<unsigned>(bytes[8]) | (static_cast<unsigned>(bytes[9]) << 8);
    const bool negative = (top & 0x8000u) != 0;
    const int exponent = static_cast<int>(top & 0x7FFFu);

    long double magnitude = 0.0L;
    if (exponent == kMaxExponent) {
        magnitude = (mantissa << 1) == 0 ? std::numeric_limits<long double>::infinity()
                                         : std::numeric_limits<long double>::quiet_NaN();
    } else if (exponent == 0) {
        // Denormals, and pseudo-denormals with the integer bit set, share the scale of exponent 1.
        magnitude = std::ldexp(std::ldexp(static_cast<long double>(mantissa >> 32), 32) +
                                   static_cast<long double>(mantissa & 0xFFFFFFFFULL),
                               -kDenormalShift);
    } else if ((mantissa & kIntegerBit) == 0) {
        magnitude = std::numeric_limits<long double>::quiet_NaN();
    } else {
        const long double m = std::ldexp(static_cast<long double>(mantissa >> 32), 32) +
                              static_cast<long double>(mantissa & 0xFFFFFFFFULL);
        magnitude = std::ldexp(m, exponent - kExponentBias - 63);
    }
    return negative ? -magnitude : magnitude;
}

} // namespace quavis

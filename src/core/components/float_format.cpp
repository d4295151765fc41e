#include "components/float_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace quavis {

namespace {

// The significant digits of |value| (finite, non-zero) rounded to `digits` digits, halves away from zero,
// with the power of ten of the first digit: |value| ~ d1.d2d3... x 10^exponent10.
struct RoundedDigits {
    std::string digits; // exactly the requested count, trailing zeros kept
    int exponent10 = 0;
};

// to_chars rounds correctly and ignores the locale; its scientific form is d.ddd...e[+-]xx.
RoundedDigits ScientificDigits(long double absValue, int precision)
{
    char buffer[160];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, absValue, std::chars_format::scientific, precision);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const std::size_t ePos = text.find('e');
    RoundedDigits out;
    for (std::size_t i = 0; i < ePos; ++i) {
        if (text[i] != '.') out.digits.push_back(text[i]);
    }
    out.exponent10 = std::atoi(std::string(text.substr(ePos + 1)).c_str());
    return out;
}

RoundedDigits RoundToDigits(long double absValue, int digits)
{
    RoundedDigits nearest = ScientificDigits(absValue, digits - 1);
    if ((nearest.digits.back() - '0') % 2 != 0) return nearest; // an exact half would have given an even digit

    // to_chars breaks exact halves toward the even digit; a written number is expected to round them up
    // (2.5 at one digit is 3). A half shows as a 5 followed only by zeros in a much longer expansion.
    RoundedDigits longer = ScientificDigits(absValue, digits + 24);
    const std::string_view rest = std::string_view(longer.digits).substr(static_cast<std::size_t>(digits));
    if (rest[0] != '5' || rest.find_first_not_of('0', 1) != std::string_view::npos) return nearest;

    longer.digits.resize(static_cast<std::size_t>(digits));
    int i = digits - 1;
    while (i >= 0 && longer.digits[static_cast<std::size_t>(i)] == '9') longer.digits[static_cast<std::size_t>(i--)] = '0';
    if (i >= 0) {
        ++longer.digits[static_cast<std::size_t>(i)];
    } else {
        longer.digits.insert(longer.digits.begin(), '1');
        longer.digits.pop_back();
        ++longer.exponent10;
    }
    return longer;
}

} // namespace

std::string FormatGeneral(long double value, int digits)
{
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (value == 0) return "0";
    digits = std::clamp(digits, 1, 40);

    RoundedDigits d = RoundToDigits(std::fabs(value), digits);
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
    // From here on the value is 0.<mantissa> x 10^exponent.
    const std::string& mantissa = d.digits;
    const int exponent = d.exponent10 + 1;
    const int count = static_cast<int>(mantissa.size());
    std::string out = value < 0 ? "-" : "";
    if (exponent > digits || exponent < -3) {
        out += mantissa[0];
        if (count > 1) {
            out += '.';
            out.append(mantissa, 1, std::string::npos);
        }
        out += 'E';
        out += std::to_string(exponent - 1);
    } else if (exponent <= 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-exponent), '0');
        out += mantissa;
    } else if (exponent >= count) {
        out += mantissa;
        out.append(static_cast<std::size_t>(exponent - count), '0');
    } else {
        out.append(mantissa, 0, static_cast<std::size_t>(exponent));
        out += '.';
        out.append(mantissa, static_cast<std::size_t>(exponent), std::string::npos);
    }
    return out;
}

std::string FormatE23(long double value)
{
    constexpr std::size_t kWidth = 23;
    const char sign = std::signbit(value) && !std::isnan(value) ? '-' : ' ';
    if (!std::isfinite(value)) {
        std::string out(1, sign);
        out += std::isnan(value) ? "NAN" : "INF";
        out.resize(kWidth, ' ');
        return out;
    }
    if (value == 0) return " 0.00000000000000E+0000";

    const RoundedDigits d = RoundToDigits(std::fabs(value), 15);
    const int exponent = d.exponent10;

    std::string out(1, sign);
    out += d.digits[0];
    out += '.';
    out.append(d.digits, 1, std::string::npos);
    out += 'E';
    out += exponent < 0 ? '-' : '+';
    std::string expDigits = std::to_string(std::abs(exponent));
    if (expDigits.size() < 4) expDigits.insert(0, 4 - expDigits.size(), '0');
    out += expDigits;
    return out;
}

} // namespace quavis

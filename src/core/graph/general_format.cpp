#include "graph/general_format.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace quavis {

std::string FormatGeneral(long double value, int precision)
{
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (value == 0.0L) return "0";
    precision = std::clamp(precision, 1, 18);

    // Round once to the precision; the scientific rendering gives the digits and the decimal exponent.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*Le", precision - 1, value);
    std::string text(buffer);
    const bool negative = text[0] == '-';
    if (negative) text.erase(0, 1);
    const std::size_t ePos = text.find('e');
    const int exponent = std::atoi(text.c_str() + ePos + 1);
    std::string digits;
    for (std::size_t i = 0; i < ePos; ++i)
        if (text[i] != '.') digits += text[i];
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    std::string out = negative ? "-" : "";
    const int integerDigits = exponent + 1; // digits before the decimal point in fixed notation
    if (integerDigits > precision || integerDigits < -3) {
        out += digits[0];
        if (digits.size() > 1) out += "." + digits.substr(1);
        out += "E" + std::to_string(exponent);
        return out;
    }
    if (integerDigits <= 0) {
        out += "0." + std::string(static_cast<std::size_t>(-integerDigits), '0') + digits;
    } else if (static_cast<std::size_t>(integerDigits) >= digits.size()) {
        out += digits + std::string(static_cast<std::size_t>(integerDigits) - digits.size(), '0');
    } else {
        out += digits.substr(0, static_cast<std::size_t>(integerDigits)) + "." +
               digits.substr(static_cast<std::size_t>(integerDigits));
    }
    return out;
}

} // namespace quavis

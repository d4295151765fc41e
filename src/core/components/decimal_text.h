#pragma once

#include <string_view>

namespace quavis {

enum class DecimalTextResult {
    Ok,       // the value was stored (values below the smallest magnitude become 0 or a denormal)
    Invalid,  // not a decimal number
    Overflow, // a decimal number beyond the largest finite long double
};

// Reads a whole text as a decimal number: optional sign, digits with an optional "." fraction (at least one
// digit in all), optional exponent (E or e, optional sign, at least one digit). Nothing else is accepted:
// no blanks, no "inf" or "nan", no hexadecimal. Independent of the process locale; correctly rounded.
DecimalTextResult ParseDecimalText(std::string_view text, long double& value);

} // namespace quavis

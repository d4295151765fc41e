#pragma once

#include <string>

namespace quavis {

// The general float-to-text format used for table cells, entry fields and the project file.
// The value is rounded to `digits` significant digits (1 at least) and written without trailing zeros,
// and without a decimal point when no fraction remains. With the rounded value as 0.d1d2... x 10^e, it is
// written in scientific form when e > digits or e < -3 (1.5E10, 1E-5, -2.5E-7: the exponent carries a "-"
// only when negative, never a "+", so that the evaluator reads the text back as one operand), otherwise
// in fixed form (32.2, 0.0001, 12). Zero (of either sign) is "0". The decimal separator is always ".",
// whatever the process locale.
// Values that are not numbers are written "NAN", infinities "INF" and "-INF"; no reader takes them for a
// number, so such a value is never silently read back as something else.
std::string FormatGeneral(long double value, int digits);

// The fixed 23-character scientific form of the mass section and the amplitude export: a sign character
// ("-" or a blank), one digit, ".", 14 digits, "E", the exponent's sign ("+" or "-") and four exponent
// digits (1.5 gives " 1.50000000000000E+0000"; zero gives " 0.00000000000000E+0000").
// Not-a-number and infinities keep the width: the sign character, then "NAN" or "INF", padded with
// blanks to 23 characters (" NAN", "-INF", ...).
std::string FormatE23(long double value);

} // namespace quavis

#pragma once

#include <string>

namespace quavis {

// A number in the general format of the program's read-outs and labels: at most `precision` significant
// digits, trailing zeros dropped, "." as decimal separator; fixed notation while the number's integer
// digits fit the precision and it is at least 0.0001 in magnitude, otherwise scientific as "1.5E-7" or
// "1E20" (no "+" and no leading zeros in the exponent). Non-finite values give "NAN", "INF" or "-INF".
std::string FormatGeneral(long double value, int precision);

// The shortest general form used for names (15 significant digits).
inline std::string FormatGeneral(long double value) { return FormatGeneral(value, 15); }

} // namespace quavis

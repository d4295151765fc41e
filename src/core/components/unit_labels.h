#pragma once

#include <string>
#include <string_view>

namespace quavis {

// Unit systems of the model and the tables.
enum : int {
    English = 1,
    SI = 2,
    DimensionLetters = 3, // column headers only
};

struct UnitLabel {
    int number;              // 0..9
    const char* code;        // as written in unit strings
    const char* texts[3];    // English, SI, dimension letters
    long double factor;      // English units in one SI unit
};

// The ten label codes, by number.
const UnitLabel& UnitLabelByNumber(int number);

// Factor of one side (numerator or denominator) of a unit string. Raises EConvertError when an
// exponent position holds no digit.
long double UnitLabelFactor(std::string_view side);

// Multiplier that converts a value in `units` under fromSystem into toSystem; 1 for equal systems and
// for any pair other than English/SI.
long double UnitConversionFactor(int fromSystem, int toSystem, std::string_view units);

// The unit string with every code replaced by its text in `system` (table column headers).
std::string UnitLabelText(std::string_view units, int system);

} // namespace quavis

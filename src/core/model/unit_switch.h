#pragma once

#include "model/program_data.h"

namespace quavis {

// English values are SI values times the English factors; SI values are English values times the SI
// factors (the reciprocals).
inline constexpr long double EnglishForceFactor = 224.8089237L;  // lbs per kN
inline constexpr long double EnglishInchFactor = 39.37007874L;   // in per m
inline constexpr long double EnglishLengthFactor = 3.280839895L; // ft per m
inline constexpr long double EnglishMassFactor = 68.364249L;     // slug per Mg

// The four factors that convert into one target system.
struct TUnitFactors {
    long double Force;
    long double Inch;
    long double Length;
    long double Mass;
};

// A target above 2 is taken as SI, one below 1 as English.
int ClampUnitSystem(int system);

// The factors for a target system (clamped as above).
TUnitFactors UnitFactorsFor(int targetSystem);

// Converts every dimensioned field of the model into the target system (clamped) and makes it the
// current one. Nothing is multiplied when the model already is in that system. Tables are not touched.
void ConvertProgramData(TProgramData& data, int targetSystem);

} // namespace quavis

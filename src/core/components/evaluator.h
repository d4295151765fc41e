#pragma once

#include <string_view>

namespace quavis {

// The evaluator behind every typed number: an entry may be an arithmetic expression such as 2*pi*3.5^2,
// sqrt2/2 or $1F. It works by rewriting text: parenthesised parts are evaluated first and replaced by their
// value in the general format with 18 significant digits, the rest is cut into operands and operators, and
// the operators are reduced pass by pass (^, then * / % &, then + - |, then =), each result again written as
// text. A sign belongs to its operand (-2^2 is 4); operators of one pass associate from the left.
//
// Entry errors throw EAssignError with the message for the user ("Entry could not be evaluated:\r..."),
// arithmetic faults throw EMathError ("Division by zero", "Invalid floating point operation",
// "Floating point overflow"); both are in components/errors.h. No state is kept between calls.
//
// Decimal numbers are read with "." as the decimal separator whatever the process locale, as the general
// format writes them.

// The value of a whole expression.
long double Evaluate(std::string_view text);

// The value of one operand: a decimal number, the constants pi and e (optionally negated), a function
// name followed by its argument operand (sin2, sqrt$10, sincos0), an operand followed by "!" (factorial,
// with the sign of its argument), or "$" and up to 32 bits of hexadecimal digits, read as a signed 32-bit
// integer ($FFFFFFFF is -1, as the entry field's hexadecimal display writes -1).
long double EvaluateOperand(std::string_view text);

// True when the text, lower-cased, is the name of one of the evaluator's functions, "!" or "$".
bool IsFunctionName(std::string_view text);

} // namespace quavis

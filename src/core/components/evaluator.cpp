#include "components/evaluator.h"

#include "components/decimal_text.h"
#include "components/errors.h"
#include "components/float_format.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace quavis {

namespace {

const char* const kBlank = "Entry could not be evaluated:\rentry cannot be blank";
const char* const kParentheses = "Entry could not be evaluated:\r() (parentheses) do not match";
const char* const kInvalidExpression = "Entry could not be evaluated:\rinvalid expression";
const char* const kInvalidCharacters = "Entry could not be evaluated:\rinvalid character(s) in expression";
const char* const kInvalidHex = "Entry could not be evaluated:\rinvalid use of $ (hex function)";
const char* const kFactorialOfNonInteger = "Entry could not be evaluated:\r! (factoral) applicable to integers only";

const char* const kDivisionByZero = "Division by zero";
const char* const kInvalidOperation = "Invalid floating point operation";
const char* const kOverflow = "Floating point overflow";

// Intermediate results are written with this many significant digits and read back.
constexpr int kTextDigits = 18;

[[noreturn]] void MathFault(const char* message) { throw EMathError(message); }

// Every arithmetic result passes here: operands are always finite, so a non-finite result is a fault.
long double Checked(long double value)
{
    if (std::isnan(value)) MathFault(kInvalidOperation);
    if (std::isinf(value)) MathFault(kOverflow);
    return value;
}

long double Reciprocal(long double x)
{
    if (x == 0) MathFault(kDivisionByZero);
    return Checked(1.0L / x);
}

long double Logarithm(long double x, bool base10)
{
    if (x == 0) MathFault(kDivisionByZero);
    if (x < 0) MathFault(kInvalidOperation);
    return base10 ? std::log10(x) : std::log(x);
}

long double ToInt32Range(long double x)
{
    if (x < -2147483648.0L || x > 2147483647.0L) MathFault(kInvalidOperation);
    return x;
}

long double RoundHalfEven(long double x)
{
    const long double below = std::floor(x);
    const long double fraction = x - below; // exact for a long double
    if (fraction < 0.5L) return below;
    if (fraction > 0.5L) return below + 1;
    return std::fmod(below, 2.0L) == 0 ? below : below + 1;
}

using Function = long double (*)(long double);

struct FunctionEntry {
    std::string_view name;
    Function apply;
};

// In trial order: a name that starts another name comes after the longer one (cosh before cos).
const FunctionEntry kFunctions[] = {
    {"arctanh",
     [](long double x) {
         if (std::fabs(x) > 1) MathFault(kInvalidOperation);
         if (std::fabs(x) == 1) MathFault(kDivisionByZero);
         return std::atanh(x);
     }},
    {"arctan", [](long double x) { return std::atan(x); }},
    {"cotan", [](long double x) { return Reciprocal(std::tan(x)); }},
    {"tanh", [](long double x) { return std::tanh(x); }},
    {"tan", [](long double x) { return std::tan(x); }},
    {"arccosh",
     [](long double x) {
         if (x < 1) MathFault(kInvalidOperation);
         return std::acosh(x);
     }},
    {"arccos",
     [](long double x) {
         if (std::fabs(x) > 1) MathFault(kInvalidOperation);
         return std::atan2(std::sqrt(1 - x * x), x);
     }},
    {"cosh", [](long double x) { return std::cosh(x); }},
    {"cosec", [](long double x) { return Reciprocal(std::sin(x)); }},
    {"cos", [](long double x) { return std::cos(x); }},
    {"sec", [](long double x) { return Reciprocal(std::cos(x)); }},
    {"arcsinh", [](long double x) { return std::asinh(x); }},
    {"arcsin",
     [](long double x) {
         if (std::fabs(x) > 1) MathFault(kInvalidOperation);
         return std::atan2(x, std::sqrt(1 - x * x));
     }},
    {"sinh", [](long double x) { return std::sinh(x); }},
    {"sin", [](long double x) { return std::sin(x); }},
    {"csc", [](long double x) { return Reciprocal(std::sin(x)); }},
    {"abs", [](long double x) { return std::fabs(x); }},
    {"frac", [](long double x) { return x - std::trunc(x); }},
    {"int", [](long double x) { return std::trunc(x); }},
    {"ln", [](long double x) { return Logarithm(x, false); }},
    {"round", [](long double x) { return RoundHalfEven(x); }},
    {"ceil", [](long double x) { return ToInt32Range(std::ceil(x)); }},
    {"floor", [](long double x) { return ToInt32Range(std::floor(x)); }},
    {"log", [](long double x) { return Logarithm(x, true); }},
    {"sqrt",
     [](long double x) {
         if (x < 0) MathFault(kInvalidOperation);
         return std::sqrt(x);
     }},
};

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string LowerCase(std::string_view text)
{
    std::string out(text);
    for (char& c : out) c = LowerAscii(c);
    return out;
}

const FunctionEntry* FunctionAtStart(std::string_view text)
{
    for (const auto& f : kFunctions) {
        if (text.substr(0, f.name.size()) == f.name) return &f;
    }
    return nullptr;
}

bool IsConstant(std::string_view text, long double& value)
{
    constexpr long double kPi = 3.141592653589793238462643383279502884L;
    constexpr long double kE = 2.718281828459045235360287471352662498L;
    if (text == "pi") value = kPi;
    else if (text == "-pi") value = -kPi;
    else if (text == "e") value = kE;
    else if (text == "-e") value = -kE;
    else return false;
    return true;
}

long double Factorial(long double x)
{
    if (x != std::trunc(x)) throw EAssignError(kFactorialOfNonInteger);
    const long double n = std::fabs(x);
    long double result = 1;
    // Beyond 1754 the product overflows, so the loop never runs long.
    for (long double k = 2; k <= n; ++k) result = Checked(result * k);
    return x < 0 ? -result : result;
}

long double HexValue(std::string_view text)
{
    // text starts with "$"; the digits may carry leading zeros but no more than 32 bits.
    if (text.size() < 2) throw EAssignError(kInvalidHex);
    std::uint64_t value = 0;
    for (const char c : text.substr(1)) {
        int digit;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else throw EAssignError(kInvalidHex);
        value = value * 16 + static_cast<std::uint64_t>(digit);
        if (value > 0xFFFFFFFFu) throw EAssignError(kInvalidHex);
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

long double DecimalValue(std::string_view text)
{
    long double value = 0;
    switch (ParseDecimalText(text, value)) {
    case DecimalTextResult::Ok: return value;
    case DecimalTextResult::Overflow: MathFault(kOverflow);
    case DecimalTextResult::Invalid: break;
    }
    throw EAssignError(kInvalidCharacters);
}

// Each run of minus signs shrinks to its parity: deleting "--" until none is left.
std::string WithoutDoubleMinus(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    std::size_t run = 0;
    for (const char c : text) {
        if (c == '-') {
            ++run;
            continue;
        }
        if (run % 2 != 0) out.push_back('-');
        run = 0;
        out.push_back(c);
    }
    if (run % 2 != 0) out.push_back('-');
    return out;
}

// Written as one operand for the next reduction: no "+" in the exponent, "." as separator.
std::string AsText(long double value) { return FormatGeneral(value, kTextDigits); }

long double Power(long double base, long double exponent)
{
    if (exponent == 0) return 1;
    if (base == 0) {
        if (exponent > 0) return 0;
        MathFault(kDivisionByZero);
    }
    if (base < 0 && exponent != std::trunc(exponent)) MathFault(kInvalidOperation);
    return Checked(std::pow(base, exponent));
}

long double Quotient(long double left, long double right)
{
    if (right == 0) MathFault(left == 0 ? kInvalidOperation : kDivisionByZero);
    return Checked(left / right);
}

std::int64_t TruncatedInt64(long double x)
{
    const long double t = std::trunc(x);
    if (!(t >= -9223372036854775808.0L && t < 9223372036854775808.0L)) MathFault(kInvalidOperation);
    return static_cast<std::int64_t>(t);
}

std::string Remainder(long double left, long double right)
{
    const std::int64_t l = TruncatedInt64(left);
    const std::int64_t r = TruncatedInt64(right);
    if (r == 0) MathFault(kDivisionByZero);
    if (r == -1) return "0"; // also keeps INT64_MIN % -1 from trapping
    return std::to_string(l % r);
}

// Reduces the operator `op` with its two operands, valuing the left operand before the right.
std::string Reduce(char op, const std::string& leftText, const std::string& rightText)
{
    const long double left = EvaluateOperand(leftText);
    if (op == '|') {
        if (left != 0) return "1"; // the right operand is not looked at
        return EvaluateOperand(rightText) != 0 ? "1" : "0";
    }
    const long double right = EvaluateOperand(rightText);
    switch (op) {
    case '^': return AsText(Power(left, right));
    case '*': return AsText(Checked(left * right));
    case '/': return AsText(Quotient(left, right));
    case '%': return Remainder(left, right);
    case '&': return left != 0 && right != 0 ? "1" : "0";
    case '+': return AsText(Checked(left + right));
    case '-': return AsText(Checked(left - right));
    default: return left == right ? "1" : "0"; // '='
    }
}

bool IsOperator(char c)
{
    switch (c) {
    case '^': case '*': case '/': case '%': case '+': case '=': case '|': case '&': return true;
    default: return false;
    }
}

// A minus is a sign (part of the operand after it) at the start, after a function name that is the whole
// text before it, and after an operator character, an exponent letter or another minus.
bool IsSignMinus(const std::string& text, std::size_t pos)
{
    if (pos == 0) return true;
    switch (text[pos - 1]) {
    case '%': case '&': case '*': case '+': case '/': case '=': case 'E': case '^': case 'e': case '|': case '-':
        return true;
    default: break;
    }
    constexpr std::size_t kLongestName = 7; // "arctanh"
    return pos <= kLongestName && IsFunctionName(std::string_view(text).substr(0, pos));
}

} // namespace

bool IsFunctionName(std::string_view text)
{
    const std::string lower = LowerCase(text);
    if (lower == "!" || lower == "$") return true;
    for (const auto& f : kFunctions) {
        if (lower == f.name) return true;
    }
    return false;
}

long double EvaluateOperand(std::string_view operand)
{
    const std::string text = LowerCase(WithoutDoubleMinus(operand));
    std::string_view rest(text);

    // Functions apply to the operand after their name, factorials to the operand before the "!"; unwinding
    // both into lists keeps long chains such as sinsinsin...0 off the call stack.
    std::vector<Function> functions;
    long double value = 0;
    bool valued = IsConstant(rest, value);
    while (!valued) {
        const FunctionEntry* f = FunctionAtStart(rest);
        if (f == nullptr) break;
        functions.push_back(f->apply);
        rest.remove_prefix(f->name.size());
        valued = IsConstant(rest, value);
    }
    std::size_t factorials = 0;
    while (!valued && !rest.empty() && rest.back() == '!') {
        // What is left cannot start with a function name, since the longer text did not.
        rest.remove_suffix(1);
        ++factorials;
        valued = IsConstant(rest, value);
    }
    if (!valued) value = !rest.empty() && rest.front() == '$' ? HexValue(rest) : DecimalValue(rest);

    for (std::size_t i = 0; i < factorials; ++i) value = Factorial(value);
    for (auto f = functions.rbegin(); f != functions.rend(); ++f) value = Checked((*f)(value));
    return value;
}

long double Evaluate(std::string_view input)
{
    if (input.empty()) throw EAssignError(kBlank);
    std::string text;
    text.reserve(input.size());
    for (const char c : input) {
        if (c != ' ' && c != '\t') text.push_back(c);
    }

    // Innermost parentheses first: the first ")" and the last "(" before it enclose no other parenthesis.
    std::size_t searchFrom = 0;
    for (;;) {
        const std::size_t close = text.find(')', searchFrom);
        if (close == std::string::npos) break;
        const std::size_t open = close == 0 ? std::string::npos : text.rfind('(', close - 1);
        if (open == std::string::npos) throw EAssignError(kParentheses);
        const long double inner = Evaluate(std::string_view(text).substr(open + 1, close - open - 1));
        text.replace(open, close - open + 1, AsText(inner));
        searchFrom = open;
    }

    std::vector<std::string> operands;
    std::vector<char> operators;
    std::string current;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (IsOperator(c) || (c == '-' && !IsSignMinus(text, i))) {
            operands.push_back(std::move(current));
            current.clear();
            operators.push_back(c);
        } else {
            current.push_back(c);
        }
    }
    // An empty last piece is no operand: "5+" and an all-blank entry are invalid expressions.
    if (!current.empty()) operands.push_back(std::move(current));
    if (operands.size() != operators.size() + 1) throw EAssignError(kInvalidExpression);

    static constexpr std::string_view kPasses[] = {"^", "*/%&", "+-|", "="};
    for (const std::string_view pass : kPasses) {
        std::vector<std::string> nextOperands{std::move(operands[0])};
        std::vector<char> nextOperators;
        for (std::size_t i = 0; i < operators.size(); ++i) {
            if (pass.find(operators[i]) != std::string_view::npos) {
                nextOperands.back() = Reduce(operators[i], nextOperands.back(), operands[i + 1]);
            } else {
                nextOperators.push_back(operators[i]);
                nextOperands.push_back(std::move(operands[i + 1]));
            }
        }
        operands = std::move(nextOperands);
        operators = std::move(nextOperators);
    }
    return EvaluateOperand(operands[0]);
}

} // namespace quavis

#include "components/unit_labels.h"

#include "components/errors.h"

#include <array>

namespace quavis {

namespace {

const std::array<UnitLabel, 10> kLabels{{
    {0, "F", {"lbs", "kN", "F"}, 224.8089237L},
    {1, "F1", {"kips", "kN", "F"}, 0.2248089237L},
    {2, "F2", {"tons", "kN", "F"}, 0.1124044745L},
    {3, "L", {"in", "m", "L"}, 39.37007874L},
    {4, "L1", {"in", "mm", "L"}, 0.03937007874L},
    {5, "L2", {"ft", "m", "L"}, 3.280839895L},
    {6, "F4", {"lb-sec2/in", "Mg", "M"}, 5.7101483L},
    {7, "F5", {"sec", "sec", "T"}, 1.0L},
    {8, "L3", {"rad", "rad", "L"}, 1.0L},
    {9, "F6", {"slug", "Mg", "F"}, 68.364249L},
}};

long double Power(long double base, int exponent)
{
    long double result = 1.0L;
    for (int i = 0; i < exponent; ++i) result *= base;
    return result;
}

int ExponentDigit(std::string_view text, std::size_t position)
{
    if (position >= text.size()) throw EConvertError("'' is not a valid integer value");
    const char c = text[position];
    if (c < '0' || c > '9') throw EConvertError("'" + std::string(1, c) + "' is not a valid integer value");
    return c - '0';
}

// Number of the F code selected by the character after "F" (F3 does not exist).
int ForceLabel(char c)
{
    switch (c) {
    case '1': return 1;
    case '2': return 2;
    case '4': return 6;
    case '5': return 7;
    case '6': return 9;
    default: return 0;
    }
}

int LengthLabel(char c)
{
    switch (c) {
    case '1': return 4;
    case '2': return 5;
    case '3': return 8;
    default: return 3;
    }
}

bool IsOneOf(char c, std::string_view set) { return set.find(c) != std::string_view::npos; }

} // namespace

const UnitLabel& UnitLabelByNumber(int number) { return kLabels.at(static_cast<std::size_t>(number)); }

long double UnitLabelFactor(std::string_view side)
{
    std::string rest(side);
    long double forceFactor = 1.0L;
    int p = 0;
    if (!rest.empty() && rest[0] == 'F') {
        if (rest.size() < 2 || !IsOneOf(rest[1], "012456")) rest.insert(1, "0");
        const int label = ForceLabel(rest[1]);
        if (rest.size() > 2 && rest[2] == '^') {
            p = ExponentDigit(rest, 3);
            rest.erase(0, std::min<std::size_t>(5, rest.size()));
        } else {
            p = 1;
            rest.erase(0, std::min<std::size_t>(3, rest.size()));
        }
        forceFactor = kLabels[label].factor;
    }
    long double lengthFactor = 1.0L;
    int q = 0;
    if (!rest.empty() && rest[0] == 'L') {
        if (rest.size() < 2 || !IsOneOf(rest[1], "0123")) rest.insert(1, "0");
        const int label = LengthLabel(rest[1]);
        q = rest.size() > 2 ? ExponentDigit(rest, 3) : 1;
        lengthFactor = kLabels[label].factor;
    }
    return Power(forceFactor, p) * Power(lengthFactor, q);
}

long double UnitConversionFactor(int fromSystem, int toSystem, std::string_view units)
{
    int e = 0;
    if (fromSystem == English && toSystem == SI) e = -1;
    else if (fromSystem == SI && toSystem == English) e = 1;
    if (e == 0) return 1.0L;
    const auto slash = units.find('/');
    const std::string_view numerator = units.substr(0, slash);
    const std::string_view denominator = slash == std::string_view::npos ? std::string_view{} : units.substr(slash + 1);
    const long double r = UnitLabelFactor(numerator) / UnitLabelFactor(denominator);
    return e < 0 ? 1.0L / r : r;
}

std::string UnitLabelText(std::string_view units, int system)
{
    // Longer codes first so that "F2" is not taken for "F" followed by 2.
    static constexpr int kOrder[] = {2, 1, 6, 7, 9, 0, 8, 5, 4, 3};
    const int s = (system >= 1 && system <= 3) ? system - 1 : 0;
    std::string text(units);
    for (int number : kOrder) {
        const std::string code = kLabels[number].code;
        const std::string replacement = kLabels[number].texts[s];
        std::string out;
        std::size_t pos = 0;
        while (true) {
            const auto hit = text.find(code, pos);
            if (hit == std::string::npos) break;
            out.append(text, pos, hit - pos);
            out += replacement;
            pos = hit + code.size();
        }
        out.append(text, pos, std::string::npos);
        text = std::move(out);
    }
    return text;
}

} // namespace quavis

#include "components/data_edit_rules.h"

#include "components/errors.h"
#include "components/evaluator.h"
#include "components/float_format.h"
#include "components/unit_labels.h"
#include "shell/prompter.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>

namespace quavis {

namespace {

constexpr long double kInt32Min = -2147483648.0L;
constexpr long double kInt32Max = 2147483647.0L;

long double ClampToInt32(long double x)
{
    return x < kInt32Min ? kInt32Min : (x > kInt32Max ? kInt32Max : x);
}

bool IsOperatorKey(char key)
{
    switch (key) {
    case '+': case '-': case '/': case '*': case '^': case '=': case '%': case '!': return true;
    default: return false;
    }
}

void ReplaceAll(std::string& text, const std::string& code, const std::string& replacement)
{
    std::string::size_type at = 0;
    while ((at = text.find(code, at)) != std::string::npos) {
        text.replace(at, code.size(), replacement);
        at += replacement.size();
    }
}

// Label numbers of the codes in the order the field tries them.
constexpr int kForceCodes[] = {9, 7, 6, 2, 1};  // F6, F5, F4, F2, F1
constexpr int kPlainForce = 0;                  // F
constexpr int kLengthCodes[] = {5, 4, 8};       // L2, L1, L3
constexpr int kPlainLength = 3;                 // L

// Replaces the first code of the list that occurs (everywhere), else every single letter by the plain
// code's text.
void SubstituteOne(std::string& text, const int* codes, std::size_t count, int plain, int system)
{
    for (std::size_t i = 0; i < count; ++i) {
        const UnitLabel& label = UnitLabelByNumber(codes[i]);
        if (text.find(label.code) != std::string::npos) {
            ReplaceAll(text, label.code, label.texts[system - 1]);
            return;
        }
    }
    const UnitLabel& label = UnitLabelByNumber(plain);
    ReplaceAll(text, label.code, label.texts[system - 1]);
}

} // namespace

TDataEditRules::TDataEditRules()
    : m_minVal(-std::numeric_limits<long double>::max()), m_maxVal(std::numeric_limits<long double>::max())
{
}

long double TDataEditRules::Number() const { return Evaluate(m_text); }

void TDataEditRules::SetNumber(long double x)
{
    if (!m_loading) {
        if (x < m_minVal) x = m_minVal;
        if (x > m_maxVal) x = m_maxVal;
    }
    m_text = Format(x);
}

void TDataEditRules::SetMinVal(long double x)
{
    if (m_loading) {
        m_minVal = x;
        return;
    }
    if (std::isnan(x)) return; // a limit that compares with nothing would be no limit at all
    if (x > m_maxVal) x = m_maxVal;
    if (m_integerOnly) x = ClampToInt32(x);
    m_minVal = x;
    try {
        if (x > Number()) SetNumber(x);
    } catch (const EQuavisError&) {
        // A text that cannot be evaluated stays for the exit check to report.
    }
}

void TDataEditRules::SetMaxVal(long double x)
{
    if (m_loading) {
        m_maxVal = x;
        return;
    }
    if (std::isnan(x)) return;
    if (x < m_minVal) x = m_minVal;
    if (m_integerOnly) x = ClampToInt32(x);
    m_maxVal = x;
    try {
        if (Number() > x) SetNumber(x);
    } catch (const EQuavisError&) {
    }
}

void TDataEditRules::SetIntegerOnly(bool value)
{
    m_integerOnly = value;
    if (value && !m_loading) {
        SetMaxVal(m_maxVal);
        SetMinVal(m_minVal);
    }
}

void TDataEditRules::SetUnits(int units) { m_units = units <= 0 ? 1 : (units > 3 ? 3 : units); }

std::string TDataEditRules::ShownUnitsOf(const std::string& units, int system)
{
    if (system != English && system != SI) return units;
    std::string text = units;
    SubstituteOne(text, kForceCodes, std::size(kForceCodes), kPlainForce, system);
    SubstituteOne(text, kLengthCodes, std::size(kLengthCodes), kPlainLength, system);
    return text;
}

std::string TDataEditRules::ShownUnits() const { return ShownUnitsOf(m_unitsString, m_units); }

std::string TDataEditRules::LabelCaption() const
{
    if (m_unitsString.empty()) return m_caption;
    return m_caption + " (" + ShownUnits() + ")";
}

std::string TDataEditRules::FormatValue(long double x, bool hex)
{
    if (hex) {
        const long double rounded = std::nearbyint(x); // halves to even under the default rounding mode
        // Only a 32-bit value can be typed back in hexadecimal (the evaluator reads $80000000 and above as
        // negative); anything else keeps the general format so that the field never shows another value.
        if (rounded >= kInt32Min && rounded <= kInt32Max) {
            const auto bits = static_cast<uint32_t>(static_cast<int32_t>(rounded));
            char buffer[16];
            std::snprintf(buffer, sizeof buffer, "$%04X", static_cast<unsigned>(bits));
            return buffer;
        }
    }
    return FormatGeneral(x, Digits);
}

TExitCheckResult TDataEditRules::ExitCheck()
{
    m_valid = false;
    if (OnExit) OnExit();
    long double x = 0;
    try {
        x = Evaluate(m_text);
    } catch (const EAssignError& e) {
        return {TEntryFailure::Entry, m_integerOnly ? IntegerEntryMessage : e.what()};
    } catch (const EMathError& e) {
        // Reported like an entry error: the user keeps the text to correct it.
        return {TEntryFailure::Math, e.what()};
    }
    if (std::isnan(x)) return {TEntryFailure::Math, "Invalid floating point operation"};
    if (m_integerOnly && x != std::trunc(x)) return {TEntryFailure::Integer, IntegerMessage};
    if (x < m_minVal) {
        SetNumber(m_minVal);
        return {TEntryFailure::Min, MinMessage + Format(m_minVal)};
    }
    if (x > m_maxVal) {
        SetNumber(m_maxVal);
        return {TEntryFailure::Max, MaxMessage + Format(m_maxVal)};
    }
    m_text = Format(x);
    m_valid = true;
    return {};
}

bool TDataEditRules::Validate(Prompter& prompter)
{
    const TExitCheckResult result = ExitCheck();
    if (!result.Ok()) prompter.Inform(result.Message);
    return m_valid;
}

TKeyOutcome TDataEditRules::KeyPress(char key, TTextSelection selection)
{
    TKeyOutcome outcome;
    outcome.Selection = selection;
    const int length = static_cast<int>(m_text.size());
    if (key == '\r' || key == '\n') {
        outcome.Consumed = true;
        outcome.Checked = true;
        outcome.Check = ExitCheck();
        outcome.Selection = {0, static_cast<int>(m_text.size())};
        return outcome;
    }
    if (IsOperatorKey(key) && length > 0 && selection.Start == 0 && selection.Length == length) {
        outcome.Selection = {length, 0};
    }
    return outcome;
}

} // namespace quavis

#include "components/decimal_text.h"

#include <locale.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <string>

namespace quavis {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsDecimalSyntax(std::string_view text)
{
    std::size_t i = 0;
    const std::size_t n = text.size();
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < n && IsDigit(text[i])) ++i, ++digits;
    if (i < n && text[i] == '.') {
        ++i;
        while (i < n && IsDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
        std::size_t expDigits = 0;
        while (i < n && IsDigit(text[i])) ++i, ++expDigits;
        if (expDigits == 0) return false;
    }
    return i == n;
}

// The "C" locale, so that "." is the decimal point whatever the process locale says.
locale_t CLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

} // namespace

DecimalTextResult ParseDecimalText(std::string_view text, long double& value)
{
    if (!IsDecimalSyntax(text)) return DecimalTextResult::Invalid;
    // The syntax is checked, so strtold reads exactly this text; it rounds correctly and keeps denormals.
    const std::string copy(text);
    errno = 0;
    const long double parsed = strtold_l(copy.c_str(), nullptr, CLocale());
    if (std::isinf(parsed)) return DecimalTextResult::Overflow;
    value = parsed;
    return DecimalTextResult::Ok;
}

} // namespace quavis

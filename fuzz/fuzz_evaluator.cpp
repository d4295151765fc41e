// Evaluate on arbitrary text: every input ends in a value or in an entry error or arithmetic fault.
#include "components/errors.h"
#include "components/evaluator.h"
#include "components/float_format.h"

#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    long double value = 0;
    try {
        value = quavis::Evaluate(text);
    } catch (const quavis::EAssignError&) {
        return 0;
    } catch (const quavis::EMathError&) {
        return 0;
    }
    // Anything else escaping above is a finding; so is a value no field could show and read back.
    if (!std::isfinite(value)) __builtin_trap();
    if (std::fabs(value) >= LDBL_MIN && std::fabs(value) < 1e4900L) {
        const std::string shown = quavis::FormatGeneral(value, 18);
        if (quavis::FormatGeneral(quavis::Evaluate(shown), 18) != shown) __builtin_trap();
    }
    return 0;
}

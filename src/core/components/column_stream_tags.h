#pragma once

#include "components/errors.h"

#include <cstdint>
#include <string>

namespace quavis {

// Value tags of the component-stream encoding used by the column definitions.
enum class TValueType : std::uint8_t {
    vaNull = 0,     // end of list
    vaList = 1,     // start of list
    vaInt8 = 2,     // 1-byte signed integer
    vaInt16 = 3,    // 2-byte signed integer
    vaInt32 = 4,    // 4-byte signed integer
    vaExtended = 5, // 10-byte extended real
    vaString = 6,   // 1-byte length, then the characters
    vaFalse = 8,
    vaTrue = 9,
    vaLString = 12, // 4-byte length, then the characters
};

// Column definitions that cannot be read or written: truncated or corrupt data, unknown column classes.
class EColumnStreamError : public EQuavisError {
public:
    explicit EColumnStreamError(const std::string& message) : EQuavisError(message) {}
};

} // namespace quavis

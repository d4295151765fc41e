#pragma once

#include <stdexcept>
#include <string>

namespace quavis {

// A general error: programming errors of callers and faults the user is told about in a message box.
class EQuavisError : public std::runtime_error {
public:
    explicit EQuavisError(const std::string& message) : std::runtime_error(message) {}
};

// A text that should have been a number (unit strings, integer fields).
class EConvertError : public EQuavisError {
public:
    explicit EConvertError(const std::string& message) : EQuavisError(message) {}
};

// An index outside a list: "List index out of bounds (%d)".
class EListError : public EQuavisError {
public:
    explicit EListError(const std::string& message) : EQuavisError(message) {}
    static EListError OutOfBounds(long long index)
    {
        return EListError("List index out of bounds (" + std::to_string(index) + ")");
    }
};

// A file that could not be read or written; the message is the one the user sees.
class EInOutError : public EQuavisError {
public:
    explicit EInOutError(const std::string& message) : EQuavisError(message) {}
};

// An entry that cannot be evaluated; the message (two lines joined by "\r") is shown to the user, who keeps
// the typed text to correct it.
class EAssignError : public EQuavisError {
public:
    explicit EAssignError(const std::string& message) : EQuavisError(message) {}
};

// An arithmetic fault while evaluating an entry (division by zero, a value outside a function's domain,
// overflow). Not an entry error: it reaches the user as a general error message.
class EMathError : public EQuavisError {
public:
    explicit EMathError(const std::string& message) : EQuavisError(message) {}
};

} // namespace quavis

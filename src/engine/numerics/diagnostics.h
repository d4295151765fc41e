#pragma once

#include <string>
#include <vector>

namespace quavis::numerics {

// What a computation has to say about its input: plain sentences an engineer can file with the results.
// An error means no results; a warning means results computed on a stated assumption.
struct Diagnostic {
    enum class Severity { Warning, Error };
    Severity severity = Severity::Warning;
    std::string message;
};

class Diagnostics {
public:
    void Warning(std::string message);
    void Error(std::string message);

    bool HasErrors() const;
    const std::vector<Diagnostic>& Items() const { return m_items; }
    std::vector<std::string> Errors() const;
    std::vector<std::string> Warnings() const;

private:
    std::vector<Diagnostic> m_items;
};

// A number as a message shows it: up to 8 significant digits, no trailing zeros.
std::string FormatNumber(double value);

} // namespace quavis::numerics

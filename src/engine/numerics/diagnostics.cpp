#include "numerics/diagnostics.h"

#include <cmath>
#include <cstdio>

namespace quavis::numerics {

void Diagnostics::Warning(std::string message)
{
    m_items.push_back({Diagnostic::Severity::Warning, std::move(message)});
}

void Diagnostics::Error(std::string message)
{
    m_items.push_back({Diagnostic::Severity::Error, std::move(message)});
}

bool Diagnostics::HasErrors() const
{
    for (const Diagnostic& item : m_items)
        if (item.severity == Diagnostic::Severity::Error)
            return true;
    return false;
}

std::vector<std::string> Diagnostics::Errors() const
{
    std::vector<std::string> out;
    for (const Diagnostic& item : m_items)
        if (item.severity == Diagnostic::Severity::Error)
            out.push_back(item.message);
    return out;
}

std::vector<std::string> Diagnostics::Warnings() const
{
    std::vector<std::string> out;
    for (const Diagnostic& item : m_items)
        if (item.severity == Diagnostic::Severity::Warning)
            out.push_back(item.message);
    return out;
}

std::string FormatNumber(double value)
{
    if (std::isnan(value))
        return "not a number";
    if (std::isinf(value))
        return value > 0 ? "infinite" : "minus infinite";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.8g", value);
    return buffer;
}

} // namespace quavis::numerics

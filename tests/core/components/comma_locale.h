#pragma once

#include "support/temp_dir.h"

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace quavis::test {

// Switches LC_NUMERIC to a locale whose decimal point is a comma for the lifetime of the object, built on
// the spot with localedef so that no installed locale is needed. Active() is false when that failed.
class CommaDecimalLocale {
public:
    CommaDecimalLocale() : m_saved(std::setlocale(LC_NUMERIC, nullptr))
    {
        const auto source = m_dir.Write("comma.src", "LC_NUMERIC\ndecimal_point \"<U002C>\"\nthousands_sep \"\"\n"
                                                     "grouping -1\nEND LC_NUMERIC\n");
        const std::string command = "localedef -c -i '" + source.string() + "' -f ANSI_X3.4-1968 '" +
                                    (m_dir / "comma").string() + "' >/dev/null 2>&1";
        if (std::system(command.c_str()) == -1) return;
        const char* oldPath = std::getenv("LOCPATH");
        if (oldPath != nullptr) m_oldLocPath = oldPath, m_hadLocPath = true;
        setenv("LOCPATH", m_dir.Path().c_str(), 1);
        if (std::setlocale(LC_NUMERIC, "comma") == nullptr) return;
        char text[16];
        std::snprintf(text, sizeof text, "%.1f", 2.5);
        m_active = std::string(text) == "2,5";
    }
    ~CommaDecimalLocale()
    {
        std::setlocale(LC_NUMERIC, m_saved.c_str());
        if (m_hadLocPath) setenv("LOCPATH", m_oldLocPath.c_str(), 1);
        else unsetenv("LOCPATH");
    }
    CommaDecimalLocale(const CommaDecimalLocale&) = delete;
    CommaDecimalLocale& operator=(const CommaDecimalLocale&) = delete;

    bool Active() const { return m_active; }

private:
    TempDir m_dir;
    std::string m_saved;
    std::string m_oldLocPath;
    bool m_hadLocPath = false;
    bool m_active = false;
};

} // namespace quavis::test

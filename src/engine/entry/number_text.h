#pragma once

#include <string>

namespace quavis::engine {

// Number texts of the engine's files, "." as decimal separator whatever the locale; fast enough for tables
// of 100 000 rows.

// The shortest text that reads back as the same double (an exponent as "e+06").
void AppendShortest(std::string& out, double value);

// Right-aligned in `width` characters: scientific with `precision` digits after the point ("8.76732E+05"),
// or general with `precision` significant digits ("0.99949", "1.2E+07").
void AppendScientific(std::string& out, double value, int width, int precision);
void AppendGeneral(std::string& out, double value, int width, int precision);

} // namespace quavis::engine

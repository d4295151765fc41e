#include "entry/number_text.h"

#include <charconv>

namespace quavis::engine {

namespace {

void AppendPadded(std::string& out, char* first, char* last, int width)
{
    for (char* c = first; c != last; ++c)
        if (*c == 'e')
            *c = 'E';
    for (long pad = width - (last - first); pad > 0; --pad)
        out += ' ';
    out.append(first, last);
}

} // namespace

void AppendShortest(std::string& out, double value)
{
    char buffer[40];
    const std::to_chars_result r = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, r.ptr);
}

void AppendScientific(std::string& out, double value, int width, int precision)
{
    char buffer[64];
    const std::to_chars_result r =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, precision);
    AppendPadded(out, buffer, r.ptr, width);
}

void AppendGeneral(std::string& out, double value, int width, int precision)
{
    char buffer[64];
    const std::to_chars_result r =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, precision);
    AppendPadded(out, buffer, r.ptr, width);
}

} // namespace quavis::engine

#include "views/view_mapping.h"

#include <charconv>
#include <cmath>
#include <stdexcept>

#include "components/errors.h"
#include "components/float_format.h"

namespace quavis {

bool IsNoDraw(const TViewExtents& e)
{
    if (!std::isfinite(e.XMin) || !std::isfinite(e.XMax) || !std::isfinite(e.Top) || !std::isfinite(e.Bottom))
        return true;
    return e.XMax - e.XMin == 0 || e.Top - e.Bottom == 0;
}

std::optional<TViewWindow> FitViewWindow(const TViewExtents& e, int clientWidth, int clientHeight)
{
    if (clientWidth <= 0 || clientHeight <= 0 || IsNoDraw(e)) return std::nullopt;
    TViewWindow w{e.XMin, e.XMax, e.Top, e.Bottom};
    const long double clientAspect = static_cast<long double>(clientWidth) / clientHeight;
    const long double a = clientAspect / (std::fabs(e.XMax - e.XMin) / std::fabs(e.Top - e.Bottom));
    // About the origin, not the centre: a side view whose extents start at depth 0 keeps the ground on top.
    if (a >= 1) {
        w.Left *= a;
        w.Right *= a;
    } else {
        w.Top /= a;
        w.Bottom /= a;
    }
    return w;
}

int RoundPixel(long double value)
{
    if (std::isnan(value)) return 0;
    if (value >= PixelLimit) return PixelLimit;
    if (value <= -PixelLimit) return -PixelLimit;
    const long double low = std::floor(value);
    const long double fraction = value - low;
    long double r = low;
    if (fraction > 0.5L || (fraction == 0.5L && std::fmod(low, 2.0L) != 0)) r = low + 1;
    return static_cast<int>(r);
}

int MapToPixel(long double value, long double from, long double to, long double size)
{
    return RoundPixel(size * (value - from) / (to - from));
}

long double MapFromPixel(int pixel, long double from, long double to, int size)
{
    return static_cast<long double>(pixel) / size * (to - from) + from;
}

namespace {

// |value| (below 1e7) in fixed point with `decimals` decimals, halves rounded up. The expansion is taken
// far beyond the kept digits so that the first dropped digit decides, not a rounding of the library's.
std::string FixedHalfUp(long double absValue, int decimals)
{
    char buffer[128];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, absValue, std::chars_format::fixed, decimals + 40);
    std::string text(buffer, result.ptr);
    const std::size_t dot = text.find('.');
    const std::size_t keep = decimals > 0 ? dot + 1 + static_cast<std::size_t>(decimals) : dot;
    const char next = text[dot + 1 + static_cast<std::size_t>(decimals)];
    text.resize(keep);
    if (next >= '5') {
        int i = static_cast<int>(text.size()) - 1;
        for (; i >= 0; --i) {
            char& c = text[static_cast<std::size_t>(i)];
            if (c == '.') continue;
            if (c != '9') {
                ++c;
                break;
            }
            c = '0';
        }
        if (i < 0) text.insert(text.begin(), '1');
    }
    return text;
}

} // namespace

std::string FormatReadout(long double value)
{
    constexpr int kDigits = 6;
    const long double a = std::fabs(value);
    if (!std::isfinite(value) || a >= 1e6L) return FormatGeneral(value, kDigits);
    // Five integer digits leave room for the decimal; six take every significant digit.
    std::string text = a < 1e5L ? FixedHalfUp(a, 1) : FixedHalfUp(a, 0) + ".0";
    if (text.find('.') > static_cast<std::size_t>(kDigits)) return FormatGeneral(value, kDigits);
    if (text.find_first_not_of("0.") == std::string::npos) return "0.0";
    return value < 0 ? "-" + text : text;
}

int SnapResolution(int estimate)
{
    if (estimate < 76) return 75;
    if (estimate <= 125) return 100;
    if (estimate <= 225) return 150;
    if (estimate <= 449) return 300;
    if (estimate <= 899) return 600;
    return 1200;
}

TPrintResolution EstimatePrintResolution(int pageWidth, int pageHeight, bool landscape)
{
    if (landscape) return {SnapResolution(pageWidth / 10), SnapResolution(pageHeight / 8)};
    return {SnapResolution(pageWidth / 8), SnapResolution(pageHeight / 10)};
}

std::string ViewFailureMessage(const std::exception& error)
{
    if (dynamic_cast<const EListError*>(&error) || dynamic_cast<const std::out_of_range*>(&error))
        return MissingSectionsMessage;
    return error.what();
}

} // namespace quavis

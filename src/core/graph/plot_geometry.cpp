#include "graph/plot_geometry.h"

#include "graph/graph_plot.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <numbers>

namespace quavis {

namespace {

// Pixel values stay far inside the int range, so sums of a few of them never overflow.
constexpr long double kPixelLimit = 1073741824.0L; // 2^30

// Relative slack for quotients that are integral in exact arithmetic (0.01 / 0.001, 2 × 0.1 / 0.1).
constexpr long double kSnap = 1e-9L;

long double SnapToInteger(long double q)
{
    const long double r = std::nearbyint(q);
    return std::fabs(q - r) <= kSnap * std::max(1.0L, std::fabs(q)) ? r : q;
}

int ClampInt(long long v)
{
    return static_cast<int>(std::clamp<long long>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

int MulDiv(int number, int numerator, int denominator)
{
    const long long product = static_cast<long long>(number) * numerator;
    const long long half = denominator / 2;
    return ClampInt(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

// Index bound for ticks: a limit this far from 0 in minor steps draws nothing useful.
constexpr long double kTickIndexLimit = 100000000.0L;

TickAxis AxisTicks(long double lo, long double hi, int intervals)
{
    TickAxis axis;
    axis.step = NiceStep(hi - lo, intervals);
    if (!(axis.step > 0.0L)) return axis;
    axis.minor = axis.step / 5.0L;
    const long double first = std::min(0.0L, std::ceil(SnapToInteger(lo / axis.minor)));
    const long double last = std::max(0.0L, std::floor(SnapToInteger(hi / axis.minor)));
    if (!std::isfinite(first) || !std::isfinite(last) || first < -kTickIndexLimit || last > kTickIndexLimit)
        return axis;
    axis.first = static_cast<int>(first);
    axis.last = static_cast<int>(last);
    axis.present = axis.last > axis.first;
    return axis;
}

struct AxisSpan {
    long double lo, hi;
};

AxisSpan ZoomOutAxis(long double lo, long double hi, long double fullLo, long double fullHi, long double at)
{
    const long double half = std::min(hi - lo, (fullHi - fullLo) / 2.0L);
    const long double low = fullLo + half, high = fullHi - half;
    const long double centre = low <= high ? std::clamp(at, low, high) : (fullLo + fullHi) / 2.0L;
    return {centre - half, centre + half};
}

AxisSpan ZoomInAxis(long double a, long double b, long double fullLo, long double fullHi)
{
    long double lo = std::min(a, b), hi = std::max(a, b);
    const long double full = fullHi - fullLo;
    if (full > 20.0L * (hi - lo)) {
        const long double centre = (lo + hi) / 2.0L;
        lo = centre - full / 40.0L;
        hi = centre + full / 40.0L;
        if (lo < fullLo) {
            hi += fullLo - lo;
            lo = fullLo;
        }
        if (hi > fullHi) {
            lo -= hi - fullHi;
            hi = fullHi;
        }
    }
    return {lo, hi};
}

} // namespace

int RoundToPixel(long double value)
{
    if (std::isnan(value)) return 0;
    return static_cast<int>(std::nearbyint(std::clamp(value, -kPixelLimit, kPixelLimit)));
}

long double AxisUnit(long double extent)
{
    if (!(extent > 0.0L) || !std::isfinite(extent)) return 0.0L;
    // The slack keeps an extent that is a power of ten in exact arithmetic (0.001) on its own decade.
    const long double decade = std::floor(std::log10(extent) + 1e-12L);
    long double unit = std::pow(10.0L, decade);
    if (extent / unit < 3.0L * (1.0L - 1e-12L)) unit /= 10.0L;
    return std::isfinite(unit) ? unit : 0.0L;
}

bool RoundAxisLimits(long double& lo, long double& hi)
{
    long double a = lo, b = hi;
    if (b == a) {
        b += 0.01L;
        a -= 0.01L;
    }
    const long double unit = AxisUnit(b - a);
    if (unit == 0.0L) return false;
    a = unit * std::floor(SnapToInteger(a / unit));
    b = unit * std::ceil(SnapToInteger(b / unit));
    if (!std::isfinite(a) || !std::isfinite(b) || !(b > a)) return false;
    lo = a;
    hi = b;
    return true;
}

std::optional<DataRange> AxisRange(const TGraphPlot& graph)
{
    DataRange r; // starts at 0 each way: the origin is always inside
    for (int i = 0; i < graph.LineCount(); ++i) {
        for (const TFloatPoint& p : graph.LineAt(i).CurvePoints()) {
            if (std::isfinite(p.X)) {
                if (p.X < r.xmin) r.xmin = p.X;
                else if (p.X > r.xmax) r.xmax = p.X;
            }
            if (std::isfinite(p.Y)) {
                if (p.Y < r.ymin) r.ymin = p.Y;
                else if (p.Y > r.ymax) r.ymax = p.Y;
            }
        }
    }
    if (!RoundAxisLimits(r.ymin, r.ymax)) return std::nullopt;
    if (!RoundAxisLimits(r.xmin, r.xmax)) return std::nullopt;
    return r;
}

int TextUnit(int baseFontHeight, int sizeFont)
{
    const long long scaled = static_cast<long long>(baseFontHeight) * sizeFont / 10;
    return ClampInt(std::llabs(scaled));
}

int ScreenBaseFontHeight(int dpi) { return MulDiv(14, dpi, 96); }

int CanvasBaseFontHeight(int dpi) { return MulDiv(8, dpi, 72); }

DeviceRect ScreenPlotRect(const DeviceRect& page, int h, int dpiX, int dpiY, bool xOnTop, bool hasTitle,
                          bool titleOnTop)
{
    DeviceRect r;
    r.left = page.left + 2 * h + dpiX / 8 + h / 8;
    r.right = page.right - dpiX / 4 - h / 2;
    if (xOnTop) {
        r.top = page.top + 2 * h + dpiY / 8 + h / 8;
        r.bottom = page.bottom - dpiY / 4 - h / 2;
    } else {
        r.top = page.top + h / 2 + dpiY / 4;
        r.bottom = page.bottom - 2 * h - dpiY / 8 - h / 8;
    }
    if (hasTitle) {
        if (titleOnTop) r.top += h / 8 + h;
        else r.bottom -= h;
    }
    return r;
}

DeviceRect PrinterPageRect(const PrinterPage& printer, const PageMargins& margins)
{
    const auto pixels = [](int thousandths, int dpi) {
        return RoundToPixel(static_cast<long double>(thousandths) * dpi / 1000.0L);
    };
    const int mL = std::max(pixels(margins.left, printer.dpiX), printer.offsetX);
    const int mT = std::max(pixels(margins.top, printer.dpiY), printer.offsetY);
    const int mR = std::max(pixels(margins.right, printer.dpiX), printer.offsetX);
    const int mB = std::max(pixels(margins.bottom, printer.dpiY), printer.offsetY);
    return {mL - printer.offsetX, mT - printer.offsetY, printer.printableWidth + printer.offsetX - mR,
            printer.printableHeight + printer.offsetY - mB};
}

DeviceRect PrinterPlotRect(const DeviceRect& page, int h, int dpiX, int dpiY, bool xOnTop, bool hasTitle,
                           bool titleOnTop)
{
    const int labelSpace = 2 * h + dpiX / 8 + h / 8;
    DeviceRect r{page.left + labelSpace, page.top, page.right, page.bottom};
    if (xOnTop) r.top += labelSpace;
    else r.bottom -= labelSpace;
    if (hasTitle) {
        if (titleOnTop) r.top += dpiY / 4;
        else r.bottom -= dpiY / 2;
    }
    return r;
}

BitmapExtent BitmapSize(long double heightInches, long double widthInches, long double pixelsPerInch)
{
    const auto pixels = [pixelsPerInch](long double inches) -> std::int64_t {
        const long double v = std::nearbyint(pixelsPerInch * inches);
        if (std::isnan(v)) return 0;
        return static_cast<std::int64_t>(std::clamp(v, -4.0e18L, 4.0e18L));
    };
    return {pixels(widthInches), pixels(heightInches)};
}

DevicePoint ToPixel(const TFloatPoint& point, const DataRange& view, const DeviceRect& plot, bool xOnTop)
{
    const long double xSpan = view.xmax - view.xmin, ySpan = view.ymax - view.ymin;
    const long double fx = xSpan != 0.0L ? (point.X - view.xmin) / xSpan : 0.0L;
    const long double fy = ySpan != 0.0L ? (point.Y - view.ymin) / ySpan : 0.0L;
    const int px = RoundToPixel(fx * plot.Width()) + plot.left;
    const int c = RoundToPixel(fy * plot.Height());
    return {px, xOnTop ? plot.top + c : plot.bottom - c};
}

TFloatPoint ToData(const DevicePoint& pixel, const DataRange& view, const DeviceRect& plot, bool xOnTop)
{
    if (pixel.x < plot.left || pixel.x > plot.right) return {};
    const long double w = plot.Width(), h = plot.Height();
    TFloatPoint p;
    p.X = view.xmin + (w != 0 ? (pixel.x - plot.left) / w : 0.0L) * (view.xmax - view.xmin);
    const long double e = h != 0 ? (xOnTop ? pixel.y - plot.top : plot.bottom - pixel.y) / h : 0.0L;
    p.Y = view.ymin + e * (view.ymax - view.ymin);
    return p;
}

DevicePoint ClampToRect(const DevicePoint& point, const DeviceRect& rect)
{
    return {std::clamp(point.x, std::min(rect.left, rect.right), std::max(rect.left, rect.right)),
            std::clamp(point.y, std::min(rect.top, rect.bottom), std::max(rect.top, rect.bottom))};
}

long double NiceStep(long double extent, int intervals)
{
    if (intervals <= 0) return 0.0L;
    const long double s = extent / intervals;
    if (!(s > 0.0L) || !std::isfinite(s)) return 0.0L;
    const long double p = std::pow(10.0L, std::floor(std::log10(s) + 1e-12L));
    if (!(p > 0.0L) || !std::isfinite(p)) return 0.0L;
    const long double t = std::trunc(s / p * (1.0L + 1e-12L));
    if (t < 2) return p;
    if (t < 5) return 2 * p;
    if (t < 9) return 5 * p;
    return 10 * p;
}

TickSteps TickStep(const DataRange& view, const DeviceRect& plot, int h)
{
    TickSteps steps;
    if (h <= 0) return steps; // no text, no label spacing
    const long long space = 6LL * h;
    const int nx = static_cast<int>(std::llabs(static_cast<long long>(plot.Width())) / space);
    const int ny = static_cast<int>(std::llabs(static_cast<long long>(plot.Height())) / space);
    if (nx == 0 || ny == 0) return steps;
    steps.ok = true;
    steps.x = AxisTicks(view.xmin, view.xmax, nx);
    steps.y = AxisTicks(view.ymin, view.ymax, ny);
    return steps;
}

std::vector<DevicePoint> MarkerVertices(const DevicePoint& centre, int n, int dpiX, int dpiY)
{
    constexpr long double pi = std::numbers::pi_v<long double>;
    long double start = 0.0L, increment = 0.0L;
    int last = 0;
    if (n <= 0) {
        start = pi; // a vertex straight below
        increment = 2.0L * pi / 3.0L;
        last = 3;
    } else if (n == 1) {
        start = pi / 4.0L;
        increment = pi / 2.0L;
        last = 4;
    } else {
        increment = 2.0L * pi / (static_cast<long double>(n) + 1.0L);
        last = n + 1;
    }
    std::vector<DevicePoint> vertices;
    vertices.reserve(static_cast<std::size_t>(last) + 1);
    for (int i = 0; i <= last; ++i) {
        const long double theta = start + i * increment;
        vertices.push_back({centre.x + RoundToPixel(std::sin(theta) * dpiX / 32.0L),
                            centre.y - RoundToPixel(std::cos(theta) * dpiY / 32.0L)});
    }
    return vertices;
}

DataRange ZoomOut(const DataRange& view, const DataRange& full, const TFloatPoint& at)
{
    const AxisSpan x = ZoomOutAxis(view.xmin, view.xmax, full.xmin, full.xmax, at.X);
    const AxisSpan y = ZoomOutAxis(view.ymin, view.ymax, full.ymin, full.ymax, at.Y);
    return {x.lo, x.hi, y.lo, y.hi};
}

std::optional<DataRange> ZoomIn(const DataRange& view, const DataRange& full, const DevicePoint& start,
                                const DevicePoint& end, const DeviceRect& plot, bool xOnTop)
{
    if (end.x == start.x || end.y == start.y) return std::nullopt;
    const TFloatPoint a = ToData(start, view, plot, xOnTop);
    const TFloatPoint b = ToData(ClampToRect(end, plot), view, plot, xOnTop);
    const AxisSpan x = ZoomInAxis(a.X, b.X, full.xmin, full.xmax);
    const AxisSpan y = ZoomInAxis(a.Y, b.Y, full.ymin, full.ymax);
    return DataRange{x.lo, x.hi, y.lo, y.hi};
}

} // namespace quavis

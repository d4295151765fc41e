#pragma once

#include <cstdint>

namespace quavis {

// A position on the target device, in pixels.
struct DevicePoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const DevicePoint&, const DevicePoint&) = default;
};

struct DeviceSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const DeviceSize&, const DeviceSize&) = default;
};

// A device rectangle by its edges; width and height are right - left and bottom - top.
struct DeviceRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    friend bool operator==(const DeviceRect&, const DeviceRect&) = default;
};

// Data limits of a plot's data area.
struct DataRange {
    long double xmin = 0.0L;
    long double xmax = 0.0L;
    long double ymin = 0.0L;
    long double ymax = 0.0L;
    friend bool operator==(const DataRange&, const DataRange&) = default;
};

// Page margins, in thousandths of an inch (or hundredths of a millimetre where the page setup says so).
struct PageMargins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const PageMargins&, const PageMargins&) = default;
};

} // namespace quavis

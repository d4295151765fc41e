#pragma once

#include "graph/plot_types.h"

#include <ostream>

// Readable failure output for the geometry types.
namespace quavis {

inline void PrintTo(const DevicePoint& p, std::ostream* os) { *os << "(" << p.x << ", " << p.y << ")"; }
inline void PrintTo(const DeviceRect& r, std::ostream* os)
{
    *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}
inline void PrintTo(const DataRange& r, std::ostream* os)
{
    *os << "x " << static_cast<double>(r.xmin) << ".." << static_cast<double>(r.xmax) << ", y "
        << static_cast<double>(r.ymin) << ".." << static_cast<double>(r.ymax);
}
inline void PrintTo(const PageMargins& m, std::ostream* os)
{
    *os << "(" << m.left << ", " << m.top << ", " << m.right << ", " << m.bottom << ")";
}

} // namespace quavis

#pragma once

namespace quavis {

// One point of a curve, in data units (extended precision as in every result value).
struct TFloatPoint {
    long double X = 0.0L;
    long double Y = 0.0L;
};

} // namespace quavis

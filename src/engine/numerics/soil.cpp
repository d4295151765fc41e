#include "numerics/soil.h"

#include <cmath>

namespace quavis::numerics {

double VelocityRatio(double poisson)
{
    return std::sqrt(2.0 * (1.0 - poisson) / (1.0 - 2.0 * poisson));
}

Complex ComplexFrequency(double a0, double damping)
{
    return a0 / std::sqrt(HystereticFactor(damping));
}

} // namespace quavis::numerics

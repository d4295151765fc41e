#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <iomanip>
#include <sstream>

namespace quavis::test {

// Relative comparison with an absolute floor, reporting both values in full precision.
inline ::testing::AssertionResult NearRel(long double actual, long double expected, long double relTol = 1e-12L,
                                          long double absTol = 0.0L)
{
    const long double diff = std::fabs(actual - expected);
    const long double scale = std::fmax(std::fabs(actual), std::fabs(expected));
    if (diff <= absTol || diff <= relTol * scale || (std::isnan(actual) && std::isnan(expected)))
        return ::testing::AssertionSuccess();
    std::ostringstream out;
    out << std::setprecision(21) << "actual " << actual << " differs from expected " << expected << " by " << diff
        << " (relative " << (scale > 0 ? diff / scale : diff) << ", tolerance " << relTol << ")";
    return ::testing::AssertionFailure() << out.str();
}

// Complex values within a relative distance of the expected value's magnitude.
inline ::testing::AssertionResult NearComplex(std::complex<double> actual, std::complex<double> expected, double relTol)
{
    const double diff = std::abs(actual - expected);
    if (diff <= relTol * std::abs(expected)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "actual (" << actual.real() << ", " << actual.imag() << ") expected ("
                                         << expected.real() << ", " << expected.imag() << "), relative error "
                                         << diff / std::abs(expected);
}

} // namespace quavis::test

#define EXPECT_NEAR_REL(actual, expected, tol) EXPECT_TRUE(::quavis::test::NearRel((actual), (expected), (tol)))
#define ASSERT_NEAR_REL(actual, expected, tol) ASSERT_TRUE(::quavis::test::NearRel((actual), (expected), (tol)))

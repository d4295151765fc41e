#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

#include "components/errors.h"
#include "support/float_compare.h"
#include "views/view_mapping.h"

namespace quavis {
namespace {

TEST(ViewMapping, RoundPixelTiesToEvenAndStaysOnTheDevice)
{
    const struct {
        long double value;
        int expected;
    } cases[] = {{0.5L, 0}, {1.5L, 2}, {2.5L, 2}, {-0.5L, 0}, {-1.5L, -2}, {-2.5L, -2}, {2.4999L, 2},
                 {2.5001L, 3}, {-7.6L, -8}, {1e30L, PixelLimit}, {-1e30L, -PixelLimit},
                 {std::numeric_limits<long double>::infinity(), PixelLimit},
                 {std::numeric_limits<long double>::quiet_NaN(), 0}};
    for (const auto& c : cases) EXPECT_EQ(RoundPixel(c.value), c.expected) << static_cast<double>(c.value);
}

TEST(ViewMapping, MappingBothWays)
{
    // A window from x -4 to 4 over 800 pixels: x 1 lies at pixel 500, and pixel 500 reads back as 1.
    EXPECT_EQ(MapToPixel(1, -4, 4, 800), 500);
    EXPECT_NEAR_REL(MapFromPixel(500, -4, 4, 800), 1.0L, 1e-15L);
    // A vertical axis pointing up: top 6, bottom -6 over 600 pixels.
    EXPECT_EQ(MapToPixel(-5, 6, -6, 600), 550);
    EXPECT_NEAR_REL(MapFromPixel(550, 6, -6, 600), -5.0L, 1e-15L);
}

TEST(ViewMapping, ViewWindowKeepsEqualScalesAboutTheOrigin)
{
    const struct {
        TViewExtents extents;
        int width, height;
        TViewWindow expected;
    } cases[] = {
        // 4 x 3 in a window twice as wide as that aspect: the x range doubles symmetrically about 0.
        {{-2, 2, 1.5L, -1.5L}, 800, 300, {-4, 4, 1.5L, -1.5L}},
        // A tall window: the vertical range grows instead.
        {{-2, 2, 1.5L, -1.5L}, 200, 600, {-2, 2, 6, -6}},
        // Depth from 0 down to 10 in a tall window: the ground stays on the top edge.
        {{-5, 5, 0, 10}, 100, 400, {-5, 5, 0, 40}},
        // Extents off the origin are scaled about the origin, not their centre.
        {{0, 4, 0, 2}, 400, 100, {0, 8, 0, 2}},
    };
    for (const auto& c : cases) {
        const auto w = FitViewWindow(c.extents, c.width, c.height);
        ASSERT_TRUE(w.has_value());
        EXPECT_NEAR_REL(w->Left, c.expected.Left, 1e-15L);
        EXPECT_NEAR_REL(w->Right, c.expected.Right, 1e-15L);
        EXPECT_NEAR_REL(w->Top, c.expected.Top, 1e-15L);
        EXPECT_NEAR_REL(w->Bottom, c.expected.Bottom, 1e-15L);
        // Equal pixels per unit across and down.
        EXPECT_NEAR_REL(c.width / (w->Right - w->Left), c.height / std::fabs(w->Bottom - w->Top), 1e-15L);
    }
}

TEST(ViewMapping, NothingToFitWithoutAreaOrClient)
{
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    EXPECT_TRUE(IsNoDraw({0, 0, 1, -1}));
    EXPECT_TRUE(IsNoDraw({-1, 1, 2, 2}));
    EXPECT_TRUE(IsNoDraw({nan, 1, 1, -1}));
    EXPECT_FALSE(IsNoDraw({0, 1, 0, 1}));
    EXPECT_FALSE(FitViewWindow({0, 0, 1, -1}, 100, 100).has_value());
    EXPECT_FALSE(FitViewWindow({-1, 1, 1, -1}, 0, 100).has_value());
    EXPECT_FALSE(FitViewWindow({-1, 1, 1, -1}, 100, 0).has_value());
}

TEST(ViewMapping, ReadoutNumbers)
{
    const struct {
        long double value;
        const char* expected;
    } cases[] = {{2, "2.0"},          {-5, "-5.0"},          {0, "0.0"},         {-0.04L, "0.0"},
                 {0.25L, "0.3"},      {-0.25L, "-0.3"},      {0.05L, "0.1"},     {1.04999L, "1.0"},
                 {12345.67L, "12345.7"}, {99999.96L, "100000.0"}, {123456.7L, "123457.0"},
                 {999999.7L, "1E6"},   {-1234567, "-1.23457E6"}};
    for (const auto& c : cases) EXPECT_EQ(FormatReadout(c.value), c.expected) << static_cast<double>(c.value);
}

TEST(ViewMapping, PrinterResolutionEstimates)
{
    const struct {
        int estimate, snapped;
    } snaps[] = {{0, 75},    {75, 75},   {76, 100},  {125, 100}, {126, 150},  {225, 150},  {226, 300},
                 {449, 300}, {450, 600}, {899, 600}, {900, 1200}, {5000, 1200}, {-3, 75}};
    for (const auto& c : snaps) EXPECT_EQ(SnapResolution(c.estimate), c.snapped) << c.estimate;

    // Landscape reads the width as 10 inches and the height as 8; portrait the other way round.
    const TPrintResolution landscape = EstimatePrintResolution(6600, 2550, true);  // 660, 318
    EXPECT_EQ(landscape.X, 600);
    EXPECT_EQ(landscape.Y, 300);
    const TPrintResolution portrait = EstimatePrintResolution(2550, 6600, false);  // 318, 660
    EXPECT_EQ(portrait.X, 300);
    EXPECT_EQ(portrait.Y, 600);
    const TPrintResolution same = EstimatePrintResolution(1000, 1600, false);  // 125, 160
    EXPECT_EQ(same.X, 100);
    EXPECT_EQ(same.Y, 150);
}

TEST(ViewMapping, FailureMessages)
{
    EXPECT_EQ(ViewFailureMessage(EListError::OutOfBounds(0)), "One or more Pile Types does not have any sections");
    EXPECT_EQ(ViewFailureMessage(std::out_of_range("vector")), "One or more Pile Types does not have any sections");
    EXPECT_EQ(ViewFailureMessage(EQuavisError("Invalid argument")), "Invalid argument");
}

} // namespace
} // namespace quavis

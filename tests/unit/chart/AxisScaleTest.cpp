#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "chart/AxisScale.hpp"

namespace tavrik::chart {
namespace {

// True when step is 1, 2 or 5 times a power of ten.
bool isNiceStep(double step) {
  const double power = std::pow(10.0, std::floor(std::log10(step)));
  const double mantissa = step / power;
  for (const double nice : {1.0, 2.0, 5.0, 10.0}) {
    if (std::fabs(mantissa - nice) < 1e-9) return true;
  }
  return false;
}

void expectCovers(const AxisScale& scale, double low, double high) {
  ASSERT_FALSE(scale.ticks.empty());
  EXPECT_LE(scale.low, std::min(low, 0.0));
  EXPECT_GE(scale.high, high);
  EXPECT_EQ(scale.ticks.front(), scale.low);
  EXPECT_TRUE(isNiceStep(scale.step)) << scale.step;
  for (std::size_t i = 1; i < scale.ticks.size(); ++i) {
    EXPECT_GT(scale.ticks[i], scale.ticks[i - 1]);
    EXPECT_LE(scale.ticks[i], scale.high);
  }
}

TEST(AxisScale, StartsAtZeroAndEndsAtTheFirstTickAboveTheMaximum) {
  const AxisScale scale = scaleAxis(45, 340.5, 10);
  EXPECT_EQ(scale.low, 0);
  EXPECT_EQ(scale.step, 50);
  EXPECT_EQ(scale.high, 350);
  EXPECT_EQ(scale.ticks, (std::vector<double>{0, 50, 100, 150, 200, 250, 300, 350}));

  const AxisScale exact = scaleAxis(0, 100, 10);
  EXPECT_EQ(exact.step, 10);
  EXPECT_EQ(exact.high, 100);
  EXPECT_EQ(exact.ticks.size(), 11u);

  const AxisScale seven = scaleAxis(3, 7, 7);
  EXPECT_EQ(seven.step, 1);
  EXPECT_EQ(seven.high, 7);
}

TEST(AxisScale, NegativeValuesStartTheAxisBelowZero) {
  const AxisScale scale = scaleAxis(-0.5, 3, 7);
  EXPECT_EQ(scale.step, 0.5);
  EXPECT_EQ(scale.low, -0.5);
  EXPECT_EQ(scale.high, 3);
  EXPECT_EQ(scale.ticks[1], 0.0);
  const AxisScale odd = scaleAxis(-0.3, 0.9, 10);
  expectCovers(odd, -0.3, 0.9);
  EXPECT_NEAR(odd.step, 0.2, 1e-12);
}

TEST(AxisScale, AllZeroOrFractionalValues) {
  const AxisScale zero = scaleAxis(0, 0, 10);
  EXPECT_EQ(zero.low, 0);
  EXPECT_GT(zero.high, 0);
  expectCovers(zero, 0, 0);
  const AxisScale small = scaleAxis(0.01, 0.37, 10);
  expectCovers(small, 0, 0.37);
  EXPECT_NEAR(small.step, 0.05, 1e-12);
  EXPECT_NEAR(small.high, 0.4, 1e-12);
}

TEST(AxisScale, ExtremeMagnitudesStayFiniteAndBounded) {
  const double largest = std::numeric_limits<double>::max();
  for (const double high : {1e-300, 4.9e-324, 1e-5, 1e15, 1.7e308, largest}) {
    const AxisScale scale = scaleAxis(0, high, 10);
    EXPECT_TRUE(std::isfinite(scale.high)) << high;
    EXPECT_GE(scale.high, high) << high;
    EXPECT_LE(scale.ticks.size(), 13u) << high;
    for (const double tick : scale.ticks) EXPECT_TRUE(std::isfinite(tick));
  }
  const AxisScale nan = scaleAxis(std::nan(""), std::nan(""), 10);
  EXPECT_FALSE(nan.ticks.empty());
  EXPECT_EQ(scaleAxis(0, 5, 0).ticks.size(), 2u);  // at least one interval
}

TEST(AxisScale, TickTexts) {
  EXPECT_EQ(formatTick(350, 50), "350");
  EXPECT_EQ(formatTick(0.1 + 0.2, 0.1), "0.3");
  EXPECT_EQ(formatTick(1.5, 0.5), "1.5");
  EXPECT_EQ(formatTick(0.35, 0.05), "0.35");
  EXPECT_EQ(formatTick(-0.0, 1), "0");
  EXPECT_EQ(formatTick(-1e-17, 0.1), "0.0");
  EXPECT_EQ(formatTick(-0.5, 0.5), "-0.5");
  EXPECT_EQ(formatTick(1000000, 200000), "1000000");
  EXPECT_EQ(formatTick(2e20, 1e20), "2e+20");
  EXPECT_EQ(formatTick(3e-12, 1e-12), "3e-12");
}

}  // namespace
}  // namespace tavrik::chart

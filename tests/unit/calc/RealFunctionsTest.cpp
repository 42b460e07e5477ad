#include "calc/RealFunctions.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <vector>

namespace tavrik::calc {
namespace {

// +0.0 and not -0.0.
bool isPositiveZero(double value) { return value == 0.0 && !std::signbit(value); }

TEST(Trigonometry, DegreesAreConvertedWithPiOver180) {
  EXPECT_EQ(narrowForPrinting(sineOfDegrees(30)), 0.5F);
  EXPECT_EQ(narrowForPrinting(cosineOfDegrees(60)), 0.5F);
  EXPECT_EQ(narrowForPrinting(*tangentOfDegrees(45)), 1.0F);
  EXPECT_EQ(narrowForPrinting(*tangentOfDegrees(135)), -1.0F);
  EXPECT_NEAR(sineOfDegrees(45), std::sqrt(0.5), 1e-15);
  EXPECT_NEAR(*tangentOfDegrees(60), std::sqrt(3.0), 1e-14);
  EXPECT_NEAR(sineOfDegrees(-30), -0.5, 1e-15);
}

TEST(Trigonometry, QuarterTurnsAreExact) {
  EXPECT_EQ(sineOfDegrees(90), 1.0);
  EXPECT_EQ(sineOfDegrees(270), -1.0);
  EXPECT_EQ(sineOfDegrees(-90), -1.0);
  EXPECT_EQ(sineOfDegrees(450), 1.0);
  EXPECT_TRUE(isPositiveZero(sineOfDegrees(180)));
  EXPECT_TRUE(isPositiveZero(sineOfDegrees(-180)));
  EXPECT_TRUE(isPositiveZero(sineOfDegrees(360)));
  EXPECT_TRUE(isPositiveZero(sineOfDegrees(-0.0)));
  EXPECT_EQ(cosineOfDegrees(0), 1.0);
  EXPECT_EQ(cosineOfDegrees(180), -1.0);
  EXPECT_EQ(cosineOfDegrees(-540), -1.0);
  EXPECT_TRUE(isPositiveZero(cosineOfDegrees(90)));
  EXPECT_TRUE(isPositiveZero(cosineOfDegrees(-90)));
  EXPECT_TRUE(isPositiveZero(cosineOfDegrees(270)));
  EXPECT_TRUE(isPositiveZero(*tangentOfDegrees(180)));
  EXPECT_TRUE(isPositiveZero(*tangentOfDegrees(-360)));
}

TEST(Trigonometry, TangentIsUndefinedAtOddQuarterTurns) {
  for (const double degrees : {90.0, 270.0, -90.0, 450.0, -630.0, 9e9 + 90.0}) {
    EXPECT_EQ(tangentOfDegrees(degrees), std::nullopt) << degrees;
  }
  // Close to 90 degrees the tangent is large but defined.
  const auto nearlyRight = tangentOfDegrees(89.99);
  ASSERT_TRUE(nearlyRight.has_value());
  EXPECT_GT(*nearlyRight, 5000.0);
}

TEST(Trigonometry, LargeAnglesAreReducedExactly) {
  // 1e10 degrees is 27777777 turns and 280 degrees.
  EXPECT_NEAR(sineOfDegrees(1e10), -0.98480775301220802, 1e-15);
  EXPECT_EQ(sineOfDegrees(9e9 + 90.0), 1.0);
  EXPECT_TRUE(std::isnan(sineOfDegrees(std::numeric_limits<double>::infinity())));
  EXPECT_TRUE(std::isnan(*tangentOfDegrees(std::numeric_limits<double>::quiet_NaN())));
}

TEST(NarrowForPrinting, ZeroLosesItsSignAndOverflowRoundsAsIeee) {
  EXPECT_FALSE(std::signbit(narrowForPrinting(-0.0)));
  EXPECT_FALSE(std::signbit(narrowForPrinting(-1e-50)));  // underflows to a zero
  EXPECT_EQ(narrowForPrinting(0.1), 0.1F);
  EXPECT_EQ(narrowForPrinting(-2.5), -2.5F);
  constexpr float kLargest = std::numeric_limits<float>::max();
  constexpr float kInfinity = std::numeric_limits<float>::infinity();
  EXPECT_EQ(narrowForPrinting(kLargest), kLargest);
  EXPECT_EQ(narrowForPrinting(0x1.fffffe8p127), kLargest);  // below the midpoint
  EXPECT_EQ(narrowForPrinting(0x1.ffffffp127), kInfinity);  // the midpoint rounds to even
  EXPECT_EQ(narrowForPrinting(1e300), kInfinity);
  EXPECT_EQ(narrowForPrinting(-1e300), -kInfinity);
  EXPECT_EQ(narrowForPrinting(-std::numeric_limits<double>::infinity()), -kInfinity);
  EXPECT_TRUE(std::isnan(narrowForPrinting(std::numeric_limits<double>::quiet_NaN())));
}

TEST(NthRoot, RealRootsIncludingOddRootsOfNegatives) {
  EXPECT_NEAR(std::get<double>(nthRoot(27, 3)), 3.0, 1e-14);
  EXPECT_EQ(std::get<double>(nthRoot(2, 2)), std::sqrt(2.0));
  EXPECT_NEAR(std::get<double>(nthRoot(-8, 3)), -2.0, 1e-15);
  EXPECT_NEAR(std::get<double>(nthRoot(-27, -3)), -1.0 / 3.0, 1e-15);
  EXPECT_EQ(std::get<double>(nthRoot(16, -2)), 0.25);
  EXPECT_EQ(std::get<double>(nthRoot(-5, 1)), -5.0);
  EXPECT_EQ(std::get<double>(nthRoot(0, 2)), 0.0);
  EXPECT_EQ(std::get<double>(nthRoot(0, -2)), std::numeric_limits<double>::infinity());
  EXPECT_NEAR(std::get<double>(nthRoot(INT_MIN, 31)), -2.0, 1e-14);
}

TEST(NthRoot, IndexZeroIsRefusedBeforeEvenRootsOfNegatives) {
  using Result = std::variant<double, RootError>;
  EXPECT_EQ(nthRoot(5, 0), Result(RootError::InvalidIndex));
  EXPECT_EQ(nthRoot(-5, 0), Result(RootError::InvalidIndex));
  EXPECT_EQ(nthRoot(-4, 2), Result(RootError::EvenRootOfNegative));
  EXPECT_EQ(nthRoot(-4, -2), Result(RootError::EvenRootOfNegative));
  EXPECT_EQ(nthRoot(-1, INT_MIN), Result(RootError::EvenRootOfNegative));
}

TEST(ArithmeticMean, DividesByTheNumberOfValues) {
  EXPECT_EQ(arithmeticMean(std::vector<double>{}), std::nullopt);
  EXPECT_EQ(arithmeticMean(std::vector<double>{1, 2}), 1.5);
  EXPECT_EQ(arithmeticMean(std::vector<double>{1, 2, 3, 4}), 2.5);
  EXPECT_EQ(arithmeticMean(std::vector<double>{-1, 1}), 0.0);
  EXPECT_EQ(arithmeticMean(std::vector<double>{7}), 7.0);
}

}  // namespace
}  // namespace tavrik::calc

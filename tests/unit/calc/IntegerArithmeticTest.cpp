#include "calc/IntegerArithmetic.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

namespace tavrik::calc {
namespace {

TEST(IntegerArithmetic, SumsAndDifferencesWrapAroundTheIntRange) {
  EXPECT_EQ(wrappingAdd(2, 3), 5);
  EXPECT_EQ(wrappingAdd(INT_MAX, 1), INT_MIN);
  EXPECT_EQ(wrappingAdd(INT_MIN, -1), INT_MAX);
  EXPECT_EQ(wrappingAdd(INT_MAX, INT_MAX), -2);
  EXPECT_EQ(wrappingSubtract(10, 3), 7);
  EXPECT_EQ(wrappingSubtract(INT_MIN, 1), INT_MAX);
  EXPECT_EQ(wrappingSubtract(0, INT_MIN), INT_MIN);
  EXPECT_EQ(wrappingSubtract(-1, INT_MAX), INT_MIN);
}

TEST(IntegerArithmetic, ProductsKeepTheLow32Bits) {
  EXPECT_EQ(wrappingMultiply(-6, 7), -42);
  EXPECT_EQ(wrappingMultiply(65536, 65536), 0);
  EXPECT_EQ(wrappingMultiply(INT_MAX, 2), -2);
  EXPECT_EQ(wrappingMultiply(-1, INT_MIN), INT_MIN);
  EXPECT_EQ(wrappingMultiply(46341, 46341), -2147479015);  // 46341^2 - 2^32
}

TEST(IntegerArithmetic, PowerStartsFromOneAndWraps) {
  EXPECT_EQ(wrappingPower(2, 10), 1024);
  EXPECT_EQ(wrappingPower(7, 1), 7);
  EXPECT_EQ(wrappingPower(3, 0), 1);
  EXPECT_EQ(wrappingPower(0, 0), 1);
  EXPECT_EQ(wrappingPower(0, 5), 0);
  EXPECT_EQ(wrappingPower(-2, 3), -8);
  EXPECT_EQ(wrappingPower(2, 31), INT_MIN);
  EXPECT_EQ(wrappingPower(2, 32), 0);
  EXPECT_EQ(wrappingPower(3, 20), -808182895);  // 3^20 - 2^32
  EXPECT_EQ(wrappingPower(-1, 4294967295U), -1);
  EXPECT_EQ(wrappingPower(-1, 4294967294U), 1);
}

TEST(IntegerArithmetic, PowerMatchesRepeatedMultiplication) {
  for (const int base : {-7, -2, 3, 10, 12345, INT_MIN, INT_MAX}) {
    std::uint32_t expected = 1;
    for (unsigned exponent = 0; exponent < 70; ++exponent) {
      EXPECT_EQ(wrappingPower(base, exponent), static_cast<int>(expected))
          << base << "^" << exponent;
      expected *= static_cast<std::uint32_t>(base);
    }
  }
}

TEST(IntegerArithmetic, DivisionTruncatesTowardZeroAndTheRemainderFollowsTheDividend) {
  EXPECT_EQ(divideWithRemainder(7, 2), (IntegerDivision{3, 1}));
  EXPECT_EQ(divideWithRemainder(-7, 2), (IntegerDivision{-3, -1}));
  EXPECT_EQ(divideWithRemainder(7, -2), (IntegerDivision{-3, 1}));
  EXPECT_EQ(divideWithRemainder(-7, -2), (IntegerDivision{3, -1}));
  EXPECT_EQ(divideWithRemainder(0, 5), (IntegerDivision{0, 0}));
  EXPECT_EQ(divideWithRemainder(INT_MIN, 3), (IntegerDivision{-715827882, -2}));
  for (const int dividend : {INT_MIN, -100, -1, 0, 1, 99, INT_MAX}) {
    for (const int divisor : {INT_MIN, -7, -1, 1, 3, INT_MAX}) {
      const auto division = divideWithRemainder(dividend, divisor);
      ASSERT_TRUE(division.has_value());
      EXPECT_EQ(wrappingAdd(wrappingMultiply(division->quotient, divisor), division->remainder),
                dividend)
          << dividend << " / " << divisor;
    }
  }
}

TEST(IntegerArithmetic, DivisionByZeroHasNoResultAndIntMinByMinusOneWraps) {
  EXPECT_EQ(divideWithRemainder(7, 0), std::nullopt);
  EXPECT_EQ(divideWithRemainder(0, 0), std::nullopt);
  EXPECT_EQ(divideWithRemainder(INT_MIN, -1), (IntegerDivision{INT_MIN, 0}));
  EXPECT_EQ(divideWithRemainder(INT_MIN, 1), (IntegerDivision{INT_MIN, 0}));
}

TEST(IntegerArithmetic, SimpleOperationsOfTheExpressionCommand) {
  using Result = std::variant<int, OperationError>;
  EXPECT_EQ(applyIntegerOperator(3, '+', 4), Result(7));
  EXPECT_EQ(applyIntegerOperator(3, '-', -4), Result(7));
  EXPECT_EQ(applyIntegerOperator(-6, '*', 7), Result(-42));
  EXPECT_EQ(applyIntegerOperator(7, '/', 2), Result(3));
  EXPECT_EQ(applyIntegerOperator(-7, '/', 2), Result(-3));
  EXPECT_EQ(applyIntegerOperator(INT_MAX, '+', 1), Result(INT_MIN));
  EXPECT_EQ(applyIntegerOperator(INT_MIN, '/', -1), Result(INT_MIN));
  EXPECT_EQ(applyIntegerOperator(1, '/', 0), Result(OperationError::DivisionByZero));
  EXPECT_EQ(applyIntegerOperator(2, '^', 3), Result(OperationError::InvalidOperator));
  EXPECT_EQ(applyIntegerOperator(2, 'x', 3), Result(OperationError::InvalidOperator));
  // The operator is judged before the divisor.
  EXPECT_EQ(applyIntegerOperator(1, '%', 0), Result(OperationError::InvalidOperator));
}

}  // namespace
}  // namespace tavrik::calc

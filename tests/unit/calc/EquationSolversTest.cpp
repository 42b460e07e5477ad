#include "calc/EquationSolvers.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <initializer_list>
#include <string_view>

namespace tavrik::calc {
namespace {

TEST(EquationScanner, IntegerEquationsWithOrWithoutBlanks) {
  EXPECT_EQ(scanIntegerEquation("2x+3y=5"), (IntegerEquation{2, '+', 3, 5}));
  EXPECT_EQ(scanIntegerEquation("2x + 3y = 5"), (IntegerEquation{2, '+', 3, 5}));
  EXPECT_EQ(scanIntegerEquation("  2x\t+  3y=  5 \t "), (IntegerEquation{2, '+', 3, 5}));
  EXPECT_EQ(scanIntegerEquation("-2x-3y=-5"), (IntegerEquation{-2, '-', 3, -5}));
  EXPECT_EQ(scanIntegerEquation("2x+-3y=+5"), (IntegerEquation{2, '+', -3, 5}));
  EXPECT_EQ(scanIntegerEquation("0x+0y=0"), (IntegerEquation{0, '+', 0, 0}));
  // The operator is whatever character comes after the x term.
  EXPECT_EQ(scanIntegerEquation("2x*3y=5"), (IntegerEquation{2, '*', 3, 5}));
  EXPECT_EQ(scanIntegerEquation("2x 73y=5"), (IntegerEquation{2, '7', 3, 5}));
  EXPECT_EQ(scanIntegerEquation("-2147483648x+2147483647y=0"),
            (IntegerEquation{INT_MIN, '+', INT_MAX, 0}));
}

void expectNoIntegerEquation(std::initializer_list<std::string_view> texts) {
  for (const std::string_view text : texts) {
    EXPECT_EQ(scanIntegerEquation(text), std::nullopt) << '"' << text << '"';
  }
}

TEST(EquationScanner, IntegerEquationsThatDoNotScanCompletely) {
  expectNoIntegerEquation({"", "x+y=2", "2x+y=2", "2x+3y", "2x+3y=", "2x+", "2x"});
  // The letters follow their numbers at once.
  expectNoIntegerEquation({"2 x+3y=5", "2x+3 y=5"});
  expectNoIntegerEquation({"2x+3y=5z", "2x+3y=5 z", "2x+3y==5", "2x+3y=5=5"});
  expectNoIntegerEquation({"2x+3z=5", "2X+3y=5", "2.5x+3y=5", "2x+3y=5.5"});
  expectNoIntegerEquation({"2147483648x+1y=1", "1x+1y=-2147483649"});
}

TEST(EquationScanner, RealEquations) {
  EXPECT_EQ(scanRealEquation("2x+3y=5"), (RealEquation{2, '+', 3, 5}));
  EXPECT_EQ(scanRealEquation("1.5x-.5y=2."), (RealEquation{1.5, '-', 0.5, 2}));
  EXPECT_EQ(scanRealEquation("-1e1x+2E-1y=+3"), (RealEquation{-10, '+', 0.2, 3}));
  EXPECT_EQ(scanRealEquation("0x+1y=2"), (RealEquation{0, '+', 1, 2}));  // no hexadecimal
  EXPECT_EQ(scanRealEquation("2x*3y=5"), (RealEquation{2, '*', 3, 5}));
  for (const std::string_view text : {"", "x+y=2", ".x+1y=1", "2ex+1y=1", "1e+x+1y=1", "infx+1y=1",
                                      "nanx+1y=1", "1x+1y=1e999", "2x+3y=5extra", "2x+3y"}) {
    EXPECT_EQ(scanRealEquation(text), std::nullopt) << '"' << text << '"';
  }
}

TEST(LinearEquation, TheSolutionWithYOneHalf) {
  const auto plus = std::get<LinearSolution>(solveLinearEquation({2, '+', 3, 5}));
  EXPECT_EQ(plus.x, 1.75F);
  EXPECT_EQ(plus.y, 0.5F);
  const auto minus = std::get<LinearSolution>(solveLinearEquation({2, '-', 3, 5}));
  EXPECT_EQ(minus.x, 3.25F);
  EXPECT_EQ(minus.y, 0.5F);
  const auto negative = std::get<LinearSolution>(solveLinearEquation({-4, '+', 2, 7}));
  EXPECT_EQ(negative.x, -1.5F);
  EXPECT_EQ(negative.y, 0.5F);
}

TEST(LinearEquation, OneZeroCoefficientLeavesItsVariableFree) {
  const auto freeY = std::get<LinearSolution>(solveLinearEquation({2, '+', 0, 5}));
  EXPECT_EQ(freeY.x, 2.5F);
  EXPECT_EQ(freeY.y, 0.5F);
  const auto freeYMinus = std::get<LinearSolution>(solveLinearEquation({4, '-', 0, 2}));
  EXPECT_EQ(freeYMinus.x, 0.5F);
  EXPECT_EQ(freeYMinus.y, 0.5F);
  const auto freeX = std::get<LinearSolution>(solveLinearEquation({0, '+', 2, 4}));
  EXPECT_EQ(freeX.x, 0.5F);
  EXPECT_EQ(freeX.y, 2.0F);
  const auto freeXMinus = std::get<LinearSolution>(solveLinearEquation({0, '-', 2, 4}));
  EXPECT_EQ(freeXMinus.x, 0.5F);
  EXPECT_EQ(freeXMinus.y, -2.0F);
}

TEST(LinearEquation, SolutionsSatisfyTheEquation) {
  for (const IntegerEquation& e : {IntegerEquation{3, '+', 7, 11}, IntegerEquation{-5, '-', 9, 2},
                                   IntegerEquation{1000, '+', -3, 7}, IntegerEquation{0, '-', 3, 7},
                                   IntegerEquation{6, '+', 0, -1}}) {
    const auto [x, y] = std::get<LinearSolution>(solveLinearEquation(e));
    const double sign = e.op == '-' ? -1.0 : 1.0;
    EXPECT_NEAR(e.a * double{x} + sign * e.b * double{y}, e.c, 1e-4) << e.a << e.op << e.b;
  }
}

TEST(LinearEquation, BothCoefficientsZeroIsJudgedBeforeTheOperator) {
  using Result = std::variant<LinearSolution, LinearProblem>;
  EXPECT_EQ(std::get<LinearProblem>(solveLinearEquation({0, '+', 0, 0})),
            LinearProblem::Indeterminate);
  EXPECT_EQ(std::get<LinearProblem>(solveLinearEquation({0, '+', 0, 4})),
            LinearProblem::NoSolution);
  EXPECT_EQ(std::get<LinearProblem>(solveLinearEquation({0, '*', 0, 0})),
            LinearProblem::Indeterminate);
  EXPECT_EQ(std::get<LinearProblem>(solveLinearEquation({0, '/', 0, -1})),
            LinearProblem::NoSolution);
  EXPECT_EQ(std::get<LinearProblem>(solveLinearEquation({2, '*', 3, 5})),
            LinearProblem::InvalidOperator);
  EXPECT_TRUE(std::holds_alternative<LinearProblem>(Result(solveLinearEquation({0, '=', 1, 1}))));
}

TEST(QuadraticEquation, RootsFromTheDiscriminant) {
  const auto distinct = std::get<QuadraticRoots>(solveQuadratic(1, -3, 2));
  EXPECT_EQ(distinct.x1, 2.0);
  EXPECT_EQ(distinct.x2, 1.0);
  const auto repeated = std::get<QuadraticRoots>(solveQuadratic(1, 2, 1));
  EXPECT_EQ(repeated.x1, -1.0);
  EXPECT_EQ(repeated.x2, -1.0);
  const auto irrational = std::get<QuadraticRoots>(solveQuadratic(1, 0, -2));
  EXPECT_EQ(irrational.x1, std::sqrt(2.0));
  EXPECT_EQ(irrational.x2, -std::sqrt(2.0));
  // A negative a swaps which root comes first.
  const auto downward = std::get<QuadraticRoots>(solveQuadratic(-1, 0, 4));
  EXPECT_EQ(downward.x1, -2.0);
  EXPECT_EQ(downward.x2, 2.0);
}

TEST(QuadraticEquation, ZeroAIsRefusedFirstAndNegativeDiscriminantsHaveNoRoots) {
  EXPECT_EQ(std::get<QuadraticProblem>(solveQuadratic(0, 2, 4)), QuadraticProblem::NotQuadratic);
  EXPECT_EQ(std::get<QuadraticProblem>(solveQuadratic(0, 0, 1)), QuadraticProblem::NotQuadratic);
  EXPECT_EQ(std::get<QuadraticProblem>(solveQuadratic(-0.0, 1, 1)), QuadraticProblem::NotQuadratic);
  EXPECT_EQ(std::get<QuadraticProblem>(solveQuadratic(1, 0, 1)), QuadraticProblem::NoRealRoots);
  EXPECT_EQ(std::get<QuadraticProblem>(solveQuadratic(1, 1, 1)), QuadraticProblem::NoRealRoots);
  // inf - inf: a NaN discriminant is not below zero, so the roots are NaN.
  const auto overflow = std::get<QuadraticRoots>(solveQuadratic(1e300, 1e200, 1e300));
  EXPECT_TRUE(std::isnan(overflow.x1));
  EXPECT_TRUE(std::isnan(overflow.x2));
}

TEST(LinearSystem, CramersRule) {
  const auto unit = std::get<SystemSolution>(solveLinearSystem({2, '+', 3, 5}, {1, '-', 1, 0}));
  EXPECT_EQ(unit.x, 1.0);
  EXPECT_EQ(unit.y, 1.0);
  const auto mixed = std::get<SystemSolution>(solveLinearSystem({1, '+', 2, 5}, {3, '+', 4, 6}));
  EXPECT_EQ(mixed.x, -4.0);
  EXPECT_EQ(mixed.y, 4.5);
  const auto decimals =
      std::get<SystemSolution>(solveLinearSystem({0.5, '-', 1.5, -1}, {2, '+', 0.25, 4.5}));
  EXPECT_NEAR(0.5 * decimals.x - 1.5 * decimals.y, -1.0, 1e-12);
  EXPECT_NEAR(2 * decimals.x + 0.25 * decimals.y, 4.5, 1e-12);
}

TEST(LinearSystem, OperatorIsJudgedBeforeTheDeterminant) {
  EXPECT_EQ(std::get<SystemProblem>(solveLinearSystem({1, '+', 1, 2}, {2, '+', 2, 4})),
            SystemProblem::ZeroDeterminant);
  EXPECT_EQ(std::get<SystemProblem>(solveLinearSystem({1, '-', 1, 2}, {-3, '+', 3, 1})),
            SystemProblem::ZeroDeterminant);
  EXPECT_EQ(std::get<SystemProblem>(solveLinearSystem({1, '*', 1, 2}, {2, '+', 2, 4})),
            SystemProblem::InvalidOperator);
  EXPECT_EQ(std::get<SystemProblem>(solveLinearSystem({1, '+', 1, 2}, {1, '/', 3, 4})),
            SystemProblem::InvalidOperator);
}

}  // namespace
}  // namespace tavrik::calc

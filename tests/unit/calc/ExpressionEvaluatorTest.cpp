#include "calc/ExpressionEvaluator.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>
#include <string>
#include <string_view>

namespace tavrik::calc {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

TEST(ExpressionEvaluator, MultiplicationAndDivisionBindTighter) {
  EXPECT_EQ(evaluateExpression("2+3*4"), 14.0);
  EXPECT_EQ(evaluateExpression("2*3+4"), 10.0);
  EXPECT_EQ(evaluateExpression("1+2*3-4/2"), 5.0);
  EXPECT_EQ(evaluateExpression("2*(3+4)"), 14.0);
  EXPECT_EQ(evaluateExpression("(1+2)*(3+4)"), 21.0);
  EXPECT_EQ(evaluateExpression("((2))"), 2.0);
  EXPECT_EQ(evaluateExpression("12+30"), 42.0);
  EXPECT_EQ(evaluateExpression("7"), 7.0);
}

TEST(ExpressionEvaluator, OperatorsOfOneLevelAssociateToTheLeft) {
  EXPECT_EQ(evaluateExpression("8/2/2"), 2.0);
  EXPECT_EQ(evaluateExpression("2-3-4"), -5.0);
  EXPECT_EQ(evaluateExpression("1-2+3"), 2.0);
  EXPECT_EQ(evaluateExpression("12/3*2"), 8.0);
  EXPECT_EQ(evaluateExpression("10/4"), 2.5);
  EXPECT_EQ(evaluateExpression("100/3"), 100.0 / 3.0);
}

TEST(ExpressionEvaluator, UnarySignsBeforeAnOperandOrAParenthesis) {
  EXPECT_EQ(evaluateExpression("-3+4"), 1.0);
  EXPECT_EQ(evaluateExpression("2*-3"), -6.0);
  EXPECT_EQ(evaluateExpression("-(2+3)"), -5.0);
  EXPECT_EQ(evaluateExpression("+5"), 5.0);
  EXPECT_EQ(evaluateExpression("2--3"), 5.0);
  EXPECT_EQ(evaluateExpression("--3"), 3.0);
  EXPECT_EQ(evaluateExpression("1-+1"), 0.0);
  EXPECT_EQ(evaluateExpression("-2*-2"), 4.0);
  EXPECT_EQ(evaluateExpression("(-1)"), -1.0);
  EXPECT_EQ(evaluateExpression("2+-3*4"), -10.0);
  EXPECT_EQ(evaluateExpression("-2-3"), -5.0);
  EXPECT_EQ(evaluateExpression("6/-(1+2)"), -2.0);
}

TEST(ExpressionEvaluator, NumbersMayHaveOneDecimalPoint) {
  EXPECT_EQ(evaluateExpression("1.5+1"), 2.5);
  EXPECT_EQ(evaluateExpression(".5*4"), 2.0);
  EXPECT_EQ(evaluateExpression("1.*3"), 3.0);
  EXPECT_EQ(evaluateExpression("3.25"), 3.25);
  EXPECT_EQ(evaluateExpression("0.1+0.2"), 0.1 + 0.2);
  EXPECT_EQ(evaluateExpression("007.50"), 7.5);
  EXPECT_EQ(evaluateExpression("2*(1.5+1)"), 5.0);
}

TEST(ExpressionEvaluator, NumbersBeyondTheDoubleRange) {
  EXPECT_EQ(evaluateExpression("1" + std::string(400, '0')), kInfinity);
  EXPECT_EQ(evaluateExpression("-1" + std::string(400, '0') + ".5"), -kInfinity);
  EXPECT_EQ(evaluateExpression("0." + std::string(400, '0') + "1"), 0.0);
  EXPECT_EQ(evaluateExpression("1" + std::string(300, '0') + "*1" + std::string(300, '0')),
            kInfinity);
}

TEST(ExpressionEvaluator, DivisionByZeroGivesTheIeeeValue) {
  EXPECT_EQ(evaluateExpression("1/0"), kInfinity);
  EXPECT_EQ(evaluateExpression("-1/0"), -kInfinity);
  EXPECT_EQ(evaluateExpression("1/(2-2)"), kInfinity);
  const auto nan = evaluateExpression("0/0");
  ASSERT_TRUE(nan.has_value());
  EXPECT_TRUE(std::isnan(*nan));
}

void expectNoValue(std::initializer_list<std::string_view> texts) {
  for (const std::string_view text : texts) {
    EXPECT_EQ(evaluateExpression(text), std::nullopt) << '"' << text << '"';
  }
}

TEST(ExpressionEvaluator, MissingOperandsHaveNoValue) {
  expectNoValue({"", "+", "-", "--", "(+)", "-()"});            // nothing to apply a sign to
  expectNoValue({"2+", "2*", "2*-", "(2-)"});                   // operator at the end
  expectNoValue({"*2", "/2", "2**3", "2*/3", "2+*3", "(*2)"});  // no left operand
}

TEST(ExpressionEvaluator, EmptyOrUnbalancedParenthesesHaveNoValue) {
  expectNoValue({"()", "2+()", "(", ")", "(2", "2)", "(2+3))", "((2)", ")2(", "(2))+((3)"});
}

TEST(ExpressionEvaluator, OperandsWithoutAnOperatorBetweenThemHaveNoValue) {
  expectNoValue({"2(3)", "(2)3", "(1)(2)", "1.2.3", ".5.5"});
}

TEST(ExpressionEvaluator, OtherCharactersHaveNoValue) {
  expectNoValue({".", "..5", "5..", "-.", "(.)"});
  expectNoValue({"2 + 3", " 2", "2 ", "2 3", "2\t+3"});  // blanks are not part of it
  expectNoValue({"a", "2x", "2^3", "1,5", "1e5", "2=2", "x+1", "\xE8"});
  expectNoValue({std::string_view("1\0+2", 4)});
}

TEST(ExpressionEvaluator, DeepNestingAndLongChains) {
  constexpr int kDepth = 100000;
  EXPECT_EQ(evaluateExpression(std::string(kDepth, '(') + "1" + std::string(kDepth, ')')), 1.0);
  EXPECT_EQ(evaluateExpression(std::string(kDepth, '(') + "1" + std::string(kDepth - 1, ')')),
            std::nullopt);
  EXPECT_EQ(evaluateExpression(std::string(kDepth, '-') + "2"), 2.0);
  EXPECT_EQ(evaluateExpression(std::string(kDepth + 1, '-') + "2"), -2.0);
  std::string sum;
  for (int i = 0; i < 10000; ++i) sum += "1+";
  EXPECT_EQ(evaluateExpression(sum + "1"), 10001.0);
}

TEST(ExpressionEvaluator, ApplyOperator) {
  EXPECT_EQ(applyOperator(6, 3, '+'), 9.0);
  EXPECT_EQ(applyOperator(6, 3, '-'), 3.0);
  EXPECT_EQ(applyOperator(6, 3, '*'), 18.0);
  EXPECT_EQ(applyOperator(6, 3, '/'), 2.0);
  EXPECT_EQ(applyOperator(6, 0, '/'), kInfinity);
  EXPECT_EQ(applyOperator(6, 3, '('), 0.0);
  EXPECT_EQ(applyOperator(6, 3, '^'), 0.0);
}

}  // namespace
}  // namespace tavrik::calc

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <variant>

#include "calc/BaseConversion.hpp"
#include "calc/EquationSolvers.hpp"
#include "calc/ExpressionEvaluator.hpp"
#include "calc/IntegerArithmetic.hpp"
#include "calc/RealFunctions.hpp"

namespace tavrik::calc {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
using ExpressionValue = std::variant<double, ExpressionError>;

TEST(IntegerArithmetic, OperatorsWrapModulo2To32) {
  using Result = std::variant<int, OperationError>;
  constexpr auto kByZero = OperationError::DivisionByZero, kBad = OperationError::InvalidOperator;
  // clang-format off
  const std::tuple<int, char, int, Result> cases[] = {
      {3, '+', 4, 7}, {INT_MAX, '+', 1, INT_MIN}, {INT_MIN, '+', -1, INT_MAX}, {3, '-', -4, 7},
      {INT_MIN, '-', 1, INT_MAX}, {0, '-', INT_MIN, INT_MIN}, {-6, '*', 7, -42},
      {65536, '*', 65536, 0}, {46341, '*', 46341, -2147479015}, {7, '/', 2, 3}, {-7, '/', 2, -3},
    // the operator is judged before the divisor
      {INT_MIN, '/', -1, INT_MIN}, {1, '/', 0, kByZero}, {2, '^', 3, kBad}, {1, '%', 0, kBad}};
  // clang-format on
  for (const auto& [left, op, right, result] : cases) {
    EXPECT_EQ(applyIntegerOperator(left, op, right), result) << left << op << right;
  }
}

TEST(IntegerArithmetic, PowerIsRepeatedMultiplicationModulo2To32) {
  for (const int base : {-7, -2, -1, 0, 1, 3, 12345, INT_MIN, INT_MAX}) {
    std::uint32_t power = 1;  // 0^0 too
    for (unsigned exponent = 0; exponent < 70; ++exponent, power *= std::uint32_t(base)) {
      EXPECT_EQ(wrappingPower(base, exponent), int(power)) << base << "^" << exponent;
    }
  }
}

TEST(IntegerArithmetic, QuotientTruncatesAndTheRemainderFollowsTheDividend) {
  // clang-format off
  const std::tuple<int, int, IntegerDivision> cases[] = {
      {7, 2, {3, 1}}, {-7, 2, {-3, -1}}, {7, -2, {-3, 1}}, {-7, -2, {3, -1}}, {7, -1, {-7, 0}},
      {INT_MIN, 3, {-715827882, -2}}, {INT_MIN, -1, {INT_MIN, 0}}};
  // clang-format on
  for (const auto& [dividend, divisor, division] : cases) {
    EXPECT_EQ(divideWithRemainder(dividend, divisor), division) << dividend << " / " << divisor;
  }
  EXPECT_EQ(divideWithRemainder(0, 0), std::nullopt);
}

TEST(Trigonometry, QuarterTurnsAreExactAndTheTangentIsUndefinedAtOddOnes) {
  // clang-format off
  const std::tuple<double, double, double> cases[] = {  // degrees, sine, cosine
      {0, 0, 1}, {90, 1, 0}, {180, 0, -1}, {270, -1, 0}, {-90, -1, 0}, {-180, 0, -1}, {450, 1, 0},
      {-540, 0, -1}, {-360, 0, 1}, {-630, 1, 0}, {9e9 + 90, 1, 0}};
  // clang-format on
  for (const auto& [degrees, sine, cosine] : cases) {
    EXPECT_EQ(std::pair(sineOfDegrees(degrees), cosineOfDegrees(degrees)), std::pair(sine, cosine));
    EXPECT_EQ(tangentOfDegrees(degrees), cosine ? std::optional(0.0) : std::nullopt) << degrees;
  }
  EXPECT_EQ(narrowForPrinting(sineOfDegrees(30)), 0.5F);  // other angles are reduced first
  EXPECT_EQ(narrowForPrinting(*tangentOfDegrees(135)), -1.0F);
  EXPECT_NEAR(sineOfDegrees(1e10), -0.98480775301220802, 1e-15);  // 27777777 turns and 280
}

TEST(NarrowForPrinting, ZeroLosesItsSignAndOverflowRoundsToNearest) {
  constexpr float kLargest = std::numeric_limits<float>::max();
  constexpr float kOverflow = std::numeric_limits<float>::infinity();
  // clang-format off
  const std::pair<double, float> cases[] = {
      {-0.0, 0.0F}, {-1e-50, 0.0F}, {-2.5, -2.5F}, {kLargest, kLargest},
      {0x1.fffffe8p127, kLargest}, {0x1.ffffffp127, kOverflow}, {-1e300, -kOverflow}};
  // clang-format on
  for (const auto& [value, printed] : cases) {
    EXPECT_EQ(std::pair(narrowForPrinting(value), std::signbit(narrowForPrinting(value))),
              std::pair(printed, std::signbit(printed)));
  }
}

TEST(NthRoot, RealRootsAndRefusals) {
  // clang-format off
  const std::tuple<int, int, double> roots[] = {
      {27, 3, 3.0}, {-8, 3, -2.0}, {-27, -3, -1.0 / 3}, {16, -2, 0.25}, {-5, 1, -5.0}, {0, 2, 0.0},
      {INT_MIN, 31, -2.0}};
  // clang-format on
  for (const auto& [x, n, root] : roots) EXPECT_NEAR(std::get<double>(nthRoot(x, n)), root, 1e-14);
  using Result = std::variant<double, RootError>;
  EXPECT_EQ(nthRoot(0, -2), Result(kInfinity));
  EXPECT_EQ(nthRoot(-4, 0), Result(RootError::InvalidIndex));  // judged before the sign
  EXPECT_EQ(nthRoot(-4, 2), Result(RootError::EvenRootOfNegative));
  EXPECT_EQ(nthRoot(-4, -2), Result(RootError::EvenRootOfNegative));
}

TEST(ExpressionEvaluator, PrecedenceAssociativitySignsDecimalsAndBlanks) {
  const std::string big(400, '0');
  // clang-format off
  const std::pair<std::string, double> cases[] = {
      {"19+30", 49}, {"2+3*4", 14}, {"2*3+4", 10}, {"1+2*3-4/2", 5}, {"2*(3+4)", 14}, {"8/2/2", 2},
      {"(1+2)*(3+4)", 21}, {"2-3-4", -5}, {"1-2+3", 2}, {"100/3", 100.0 / 3}, {"-3+4", 1},
      {"2*-3", -6}, {"-(2+3)", -5}, {"+5", 5}, {"2--3", 5}, {"1-+1", 0}, {"-2*-2", 4},
      {"2+-3*4", -10}, {"6/-(1+2)", -2}, {"-(2+3)/.5", -10}, {"1.5+1", 2.5}, {"0.1+0.2", 0.1 + 0.2},
      {"007.50", 7.5}, {"1" + big, kInfinity}, {"-1" + big + ".5", -kInfinity}, {"0." + big + "1", 0},
      {"0/5", 0}, {"2 + 3", 5}, {" ( 1 + 2 ) * 3 ", 9}, {"\t-\t2 *- 1.5", 3}};
  // clang-format on
  for (const auto& [text, value] : cases) {
    EXPECT_EQ(evaluateExpression(text), ExpressionValue(value)) << text;
  }
  EXPECT_EQ(applyOperator(6, 3, '^'), 0.0);  // an operator the evaluator never passes
}

TEST(ExpressionEvaluator, AZeroDivisorAnywhereInAnExpressionHasNoValue) {
  const std::string tiny = "0." + std::string(400, '0') + "1";  // rounds to zero
  const std::string texts[] = {"1/0",       "0/0",     "-1/-0",     "1/(2-2)",  "0*(1/0)",
                               "(5/0)*0+1", "2/(3/0)", "1/" + tiny, "1 / ( 0 )"};
  for (const std::string& text : texts) {
    EXPECT_EQ(evaluateExpression(text), ExpressionValue(ExpressionError::DivisionByZero)) << text;
  }
}

TEST(ExpressionEvaluator, TextThatIsNotAnExpressionHasNoValue) {
  // clang-format off
  const std::string_view texts[] = {
      "", "+", "--", "(+)", "-()", "2+", "2*-", "(2-)", "*2", "2**3", "2+*3", "(*2)", "()", "2+()",
      "(", ")", "(2", "2)", "(2+3))", "((2)", ")2(", "(2))+((3)", "2(3)", "(2)3", "(1)(2)", "1.2.3",
      ".5.5", ".", "..5", "5..", "-.", " ", "1 2", "1. 5", "2\v+3", "2x", "2^3", "1,5", "1e5", "\xE8",
      "1/0+", "1/0 2", std::string_view("1\0+2", 4)};
  // clang-format on
  for (const std::string_view text : texts) {
    EXPECT_EQ(evaluateExpression(text), ExpressionValue(ExpressionError::NotAnExpression))
        << '"' << text << '"';
  }
}

TEST(BaseConversion, EveryBaseGivesBackTheNumberWrittenInUpperCase) {
  for (int base = kMinBase; base <= kMaxBase; ++base) {
    for (const int number : {INT_MIN, -1000, -1, 0, 1, base - 1, base, 123456789, INT_MAX}) {
      const std::string digits = toBase(number, base).value();
      EXPECT_EQ(fromBase(digits, base), decltype(fromBase(digits, base))(number)) << digits;
      EXPECT_EQ(digits.find_first_of("abcdefghijklmnopqrstuvwxyz"), std::string::npos) << digits;
    }
  }
  EXPECT_EQ(toBase(INT_MAX, 36), "ZIK0ZJ");
  EXPECT_EQ(toBase(INT_MIN, 16), "-80000000");
  EXPECT_EQ(toBase(0, 2), "0");
  for (const int base : {INT_MIN, 0, 1, 37}) EXPECT_EQ(toBase(10, base), std::nullopt) << base;
}

TEST(BaseConversion, FromBaseJudgesTheBaseThenTheDigitsThenTheIntRange) {
  constexpr auto kBadBase = FromBaseError::InvalidBase, kBadDigit = FromBaseError::InvalidDigit;
  constexpr auto kTooLarge = FromBaseError::TooLarge;
  // clang-format off
  const std::tuple<std::string, int, std::variant<int, FromBaseError>> cases[] = {
      {"fa", 16, 250}, {"Zz", 36, 35 * 36 + 35}, {"-0", 2, 0}, {"+12", 10, 12}, {"-FF", 16, -255},
      {std::string(1000, '0') + "1", 2, 1}, {"2147483647", 10, INT_MAX}, {"-80000000", 16, INT_MIN},
      {"2147483648", 10, kTooLarge}, {"-2147483649", 10, kTooLarge}, {"80000000", 16, kTooLarge},
      {"1" + std::string(40, '0'), 36, kTooLarge}, {"10", 1, kBadBase}, {"10", 37, kBadBase},
      {"Z!", 0, kBadBase}, {"99999999999!", 10, kBadDigit}, {"12", 2, kBadDigit},
      {"G", 16, kBadDigit}, {"1.5", 10, kBadDigit}, {"", 10, kBadDigit}, {"+-1", 10, kBadDigit},
      {"8", 8, kBadDigit}, {"-", 10, kBadDigit}, {"\xC3\x84", 36, kBadDigit}};
  // clang-format on
  for (const auto& [digits, base, value] : cases) {
    EXPECT_EQ(fromBase(digits, base), value) << '"' << digits << "\" in base " << base;
  }
}

TEST(EquationScanner, IntegerAndRealEquations) {
  EXPECT_EQ(scanIntegerEquation("  -29x\t-  3y=  +5 \t "), (IntegerEquation{-29, '-', 3, 5}));
  EXPECT_EQ(scanIntegerEquation("2x 7-3y=5"), (IntegerEquation{2, '7', -3, 5}));  // any operator
  EXPECT_EQ(scanIntegerEquation("-2147483648x+2147483647y=0"),
            (IntegerEquation{INT_MIN, '+', INT_MAX, 0}));
  EXPECT_EQ(scanRealEquation("9.5x-.5y=2."), (RealEquation{9.5, '-', 0.5, 2}));
  EXPECT_EQ(scanRealEquation(" -1e1x * 2E-1y = +3 "), (RealEquation{-10, '*', 0.2, 3}));
  for (const std::string_view text :
       {"", "x+y=2", "2x+y=2", "2x+3y", "2x+3y=", "2 x+3y=5", "2x+3 y=5", "2x+3y=5z", "2x+3y=5 z",
        "2x+3y==5", "2x+3z=5", "2X+3y=5", "2.5x+3y=5", "2147483648x+1y=1", "1x+1y=-2147483649",
        "2,5x+3y=5"}) {
    EXPECT_EQ(scanIntegerEquation(text), std::nullopt) << '"' << text << '"';
  }
  for (const std::string_view text : {"x+y=2", ".x+1y=1", "2ex+1y=1", "1e+x+1y=1", "infx+1y=1",
                                      "nanx+1y=1", "1x+1y=1e999", "2x+3y=5extra", "2x+3y"}) {
    EXPECT_EQ(scanRealEquation(text), std::nullopt) << '"' << text << '"';
  }
}

TEST(LinearEquation, YIsOneHalfUnlessItsCoefficientIsZero) {
  using Result = std::variant<std::pair<float, float>, LinearProblem>;
  using enum LinearProblem;
  // clang-format off
  const std::pair<IntegerEquation, Result> cases[] = {
      {{2, '+', 3, 5}, std::pair(1.75F, 0.5F)}, {{2, '-', 3, 5}, std::pair(3.25F, 0.5F)},
      {{-4, '+', 2, 7}, std::pair(-1.5F, 0.5F)}, {{2, '+', 0, 5}, std::pair(2.5F, 0.5F)},
      {{4, '-', 0, 2}, std::pair(0.5F, 0.5F)}, {{0, '+', 2, 4}, std::pair(0.5F, 2.0F)},
      {{0, '-', 2, 4}, std::pair(0.5F, -2.0F)}, {{2, '*', 3, 5}, InvalidOperator},
      {{0, '=', 1, 1}, InvalidOperator}, {{0, '+', 0, 4}, NoSolution},
      {{0, '/', 0, -1}, NoSolution}, {{0, '+', 0, 0}, Indeterminate},
      {{0, '*', 0, 0}, Indeterminate}};  // before the operator
  // clang-format on
  for (const auto& [e, result] : cases) {
    const auto solution = solveLinearEquation(e);
    const auto* s = std::get_if<LinearSolution>(&solution);
    EXPECT_EQ(s ? Result(std::pair(s->x, s->y)) : Result(std::get<LinearProblem>(solution)), result)
        << e.a << e.op << e.b << "=" << e.c;
  }
}

TEST(QuadraticEquation, RootsFromTheDiscriminant) {
  // clang-format off
  const std::tuple<double, double, double, double, double> cases[] = {  // a, b, c, x1, x2
      {1, -3, 2, 2, 1}, {1, 2, 1, -1, -1}, {-1, 0, 4, -2, 2}, {1, 0, -4, 2, -2}};
  // clang-format on
  for (const auto& [a, b, c, x1, x2] : cases) {
    const auto roots = std::get<QuadraticRoots>(solveQuadratic(a, b, c));
    EXPECT_EQ(std::pair(roots.x1, roots.x2), std::pair(x1, x2)) << a << " " << b << " " << c;
  }
  EXPECT_EQ(std::get<QuadraticProblem>(solveQuadratic(-0.0, 2, 4)), QuadraticProblem::NotQuadratic);
  EXPECT_EQ(std::get<QuadraticProblem>(solveQuadratic(1, 2, 1.5)), QuadraticProblem::NoRealRoots);
}

TEST(LinearSystem, OperatorsAreJudgedBeforeCramersRule) {
  const auto unit = std::get<SystemSolution>(solveLinearSystem({2, '+', 3, 5}, {1, '-', 1, 0}));
  EXPECT_EQ(std::pair(unit.x, unit.y), std::pair(1.0, 1.0));
  const auto mixed = std::get<SystemSolution>(solveLinearSystem({1, '+', 2, 5}, {3, '-', -4, 6}));
  EXPECT_EQ(std::pair(mixed.x, mixed.y), std::pair(-4.0, 4.5));
  EXPECT_EQ(std::get<SystemProblem>(solveLinearSystem({1, '-', 1, 2}, {-3, '+', 3, 1})),
            SystemProblem::ZeroDeterminant);
  EXPECT_EQ(std::get<SystemProblem>(solveLinearSystem({1, '*', 1, 2}, {2, '+', 2, 4})),
            SystemProblem::InvalidOperator);  // before the zero determinant
  EXPECT_EQ(std::get<SystemProblem>(solveLinearSystem({1, '+', 1, 2}, {2, '/', 2, 4})),
            SystemProblem::InvalidOperator);
}

}  // namespace
}  // namespace tavrik::calc

#include "calc/BaseConversion.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace tavrik::calc {
namespace {

using FromBase = std::variant<int, FromBaseError>;

TEST(BaseConversion, ToBaseWritesTheUsualDigits) {
  EXPECT_EQ(toBase(10, 2), "1010");
  EXPECT_EQ(toBase(255, 8), "377");
  EXPECT_EQ(toBase(255, 10), "255");
  EXPECT_EQ(toBase(255, 16), "FF");
  EXPECT_EQ(toBase(15, 16), "F");
  EXPECT_EQ(toBase(26, 16), "1A");
  EXPECT_EQ(toBase(35, 36), "Z");
  EXPECT_EQ(toBase(36, 36), "10");
  EXPECT_EQ(toBase(INT_MAX, 16), "7FFFFFFF");
  EXPECT_EQ(toBase(INT_MAX, 36), "ZIK0ZJ");
}

TEST(BaseConversion, ZeroAndNegativeNumbers) {
  EXPECT_EQ(toBase(0, 2), "0");
  EXPECT_EQ(toBase(0, 36), "0");
  EXPECT_EQ(toBase(-5, 2), "-101");
  EXPECT_EQ(toBase(-255, 16), "-FF");
  EXPECT_EQ(toBase(INT_MIN, 2), "-1" + std::string(31, '0'));
  EXPECT_EQ(toBase(INT_MIN, 16), "-80000000");
  EXPECT_EQ(toBase(INT_MIN, 10), "-2147483648");
}

TEST(BaseConversion, ToBaseRefusesBasesOutside2To36) {
  for (const int base : {INT_MIN, -2, 0, 1, 37, 100}) {
    EXPECT_EQ(toBase(10, base), std::nullopt) << base;
  }
}

TEST(BaseConversion, FromBaseReadsDigitsOfEitherCase) {
  EXPECT_EQ(fromBase("1010", 2), FromBase(10));
  EXPECT_EQ(fromBase("377", 8), FromBase(255));
  EXPECT_EQ(fromBase("FF", 16), FromBase(255));
  EXPECT_EQ(fromBase("ff", 16), FromBase(255));
  EXPECT_EQ(fromBase("Zz", 36), FromBase(35 * 36 + 35));
  EXPECT_EQ(fromBase("0", 2), FromBase(0));
  EXPECT_EQ(fromBase("-0", 2), FromBase(0));
  EXPECT_EQ(fromBase("+12", 10), FromBase(12));
  EXPECT_EQ(fromBase("-FF", 16), FromBase(-255));
  EXPECT_EQ(fromBase(std::string(1000, '0') + "1", 2), FromBase(1));
}

TEST(BaseConversion, FromBaseRefusesDigitsOutsideTheBase) {
  struct Case {
    const char* digits;
    int base;
  };
  for (const Case& c :
       {Case{"12", 2}, Case{"9", 2}, Case{"8", 8}, Case{"G", 16}, Case{"g", 16}, Case{"1 0", 10},
        Case{"1.5", 10}, Case{"", 10}, Case{"-", 10}, Case{"+", 10}, Case{"--1", 10},
        Case{"1-", 10}, Case{"+-1", 10}, Case{"\xC3\x84", 36}}) {
    EXPECT_EQ(fromBase(c.digits, c.base), FromBase(FromBaseError::InvalidDigit))
        << '"' << c.digits << "\" in base " << c.base;
  }
}

TEST(BaseConversion, FromBaseKeepsToTheIntRange) {
  EXPECT_EQ(fromBase("2147483647", 10), FromBase(INT_MAX));
  EXPECT_EQ(fromBase("-2147483648", 10), FromBase(INT_MIN));
  EXPECT_EQ(fromBase("7FFFFFFF", 16), FromBase(INT_MAX));
  EXPECT_EQ(fromBase("-80000000", 16), FromBase(INT_MIN));
  EXPECT_EQ(fromBase("2147483648", 10), FromBase(FromBaseError::TooLarge));
  EXPECT_EQ(fromBase("-2147483649", 10), FromBase(FromBaseError::TooLarge));
  EXPECT_EQ(fromBase("80000000", 16), FromBase(FromBaseError::TooLarge));
  EXPECT_EQ(fromBase("1" + std::string(40, '0'), 36), FromBase(FromBaseError::TooLarge));
}

TEST(BaseConversion, FromBaseJudgesTheBaseThenTheDigitsThenTheSize) {
  EXPECT_EQ(fromBase("10", 1), FromBase(FromBaseError::InvalidBase));
  EXPECT_EQ(fromBase("10", 37), FromBase(FromBaseError::InvalidBase));
  EXPECT_EQ(fromBase("10", -16), FromBase(FromBaseError::InvalidBase));
  EXPECT_EQ(fromBase("Z!", 0), FromBase(FromBaseError::InvalidBase));
  EXPECT_EQ(fromBase("99999999999!", 10), FromBase(FromBaseError::InvalidDigit));
}

TEST(BaseConversion, EveryBaseGivesBackTheNumber) {
  for (int base = kMinBase; base <= kMaxBase; ++base) {
    for (const int number :
         {INT_MIN, INT_MIN + 1, -1000, -1, 0, 1, base - 1, base, 123456789, INT_MAX}) {
      const auto digits = toBase(number, base);
      ASSERT_TRUE(digits.has_value());
      EXPECT_EQ(fromBase(*digits, base), FromBase(number)) << *digits << " in base " << base;
    }
  }
}

}  // namespace
}  // namespace tavrik::calc

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "chem/MolarMass.hpp"

namespace tavrik::chem {
namespace {

// The result as the command prints it: the stream's default formatting.
std::string printed(double value) {
  std::ostringstream text;
  text << value;
  return text.str();
}

struct Printed {
  const char* formula;
  const char* value;
};

TEST(MolarMass, KnownFormulasPrintAsExpected) {
  const Printed cases[] = {
      {"H2O", "18.0058"}, {"NaCl", "58.44"}, {"C6H12O6", "180.095"},
      {"CO2", "43.99"},   {"CO", "28"},      {"CH3COOH", "60.0316"},
      {"H10", "10.079"},  {"C0", "0"},       {"H999999", "1.0079e+06"},
      {"H2", "2.0158"},   {"O", "15.99"},    {"Lr", "262.11"},
  };
  for (const auto& [formula, value] : cases) {
    const MolarMass result = computeMolarMass(formula);
    EXPECT_EQ(result.error, FormulaError::None) << formula;
    EXPECT_EQ(printed(result.value), value) << formula;
  }
}

struct Rejected {
  const char* formula;
  const char* symbol;
  std::size_t position;
};

TEST(MolarMass, FirstUnknownSymbolStopsTheReading) {
  const Rejected cases[] = {
      {"Co", "Co", 0},       // cobalt is not in the table
      {"Co2", "Co", 0},      // the count is not part of the name
      {"Ca(OH)2", "(", 2},   // calcium was read before the parenthesis
      {"2H2O", "2", 0},      // a leading coefficient
      {"h2o", "h", 0},       // lower-case first letter
      {"Uuo", "Uu", 0},      // one lower-case letter at most
      {"Hee", "e", 2},       // helium, then a lone lower-case letter
      {"H2e", "e", 2},       // a lower-case letter after a count
      {"NaCl.H2O", ".", 4},  // no hydrate dots
      {"Fe3+", "+", 3},      // no charges
      {"H2 O", " ", 2},      // a blank is a character like any other
      {"NA", "A", 1},        // a wrongly cased symbol splits in two
      {"H\xE9", "\xE9", 1},  // a byte outside the "C" lower-case class
  };
  for (const auto& [formula, symbol, position] : cases) {
    const MolarMass result = computeMolarMass(formula);
    EXPECT_EQ(result.value, kFormulaRejected) << formula;
    EXPECT_EQ(result.error, FormulaError::UnknownAtom) << formula;
    EXPECT_EQ(result.symbol, symbol) << formula;
    EXPECT_EQ(result.position, position) << formula;
  }
}

TEST(MolarMass, EmptyFormulaWeighsNothing) {
  const MolarMass result = computeMolarMass("");
  EXPECT_EQ(result.error, FormulaError::None);
  EXPECT_EQ(result.value, 0.0);
}

TEST(MolarMass, TermInSinglePrecisionSumInDouble) {
  const float hydrogen = 1.0079f;
  const float oxygen = 15.99f;
  EXPECT_EQ(computeMolarMass("H2O").value,
            static_cast<double>(2.0f * hydrogen) + static_cast<double>(oxygen));
  // The product is rounded to single precision before it is widened...
  const double h999999 = computeMolarMass("H999999").value;
  EXPECT_EQ(h999999, static_cast<double>(999999.0f * hydrogen));
  EXPECT_NE(h999999, 999999.0 * static_cast<double>(hydrogen));
  // ...and the terms are added in double precision.
  const double ho = computeMolarMass("HO").value;
  EXPECT_EQ(ho, static_cast<double>(hydrogen) + static_cast<double>(oxygen));
  EXPECT_NE(ho, static_cast<double>(hydrogen + oxygen));
  // Ten separate terms and one term of count 10 differ in the last digits.
  EXPECT_NE(computeMolarMass("HHHHHHHHHH").value, computeMolarMass("H10").value);
}

TEST(MolarMass, RepeatedSymbolsAddEachTerm) {
  const double c = computeMolarMass("C").value;
  const double h = computeMolarMass("H").value;
  const double o = computeMolarMass("O").value;
  const double h3 = computeMolarMass("H3").value;
  EXPECT_EQ(computeMolarMass("CH3COOH").value, c + h3 + c + o + o + h);
  EXPECT_EQ(computeMolarMass("HHO").value, computeMolarMass("H2O").value);
  EXPECT_EQ(computeMolarMass("OHH").value, o + h + h);
  EXPECT_EQ(printed(computeMolarMass("NaClNaCl").value), "116.88");
}

TEST(MolarMass, CountsOfZeroAndLeadingZeros) {
  EXPECT_EQ(computeMolarMass("C0").value, 0.0);
  EXPECT_EQ(computeMolarMass("C0").error, FormulaError::None);
  EXPECT_EQ(computeMolarMass("C000").value, 0.0);
  EXPECT_EQ(computeMolarMass("H2C0O").value, computeMolarMass("H2O").value);
  EXPECT_EQ(computeMolarMass("H02").value, computeMolarMass("H2").value);
  EXPECT_EQ(computeMolarMass("H1").value, computeMolarMass("H").value);
}

TEST(MolarMass, LargestCountIsAccepted) {
  const MolarMass result = computeMolarMass("H2147483647");
  EXPECT_EQ(result.error, FormulaError::None);
  // The count becomes the float 2147483648 before the product.
  EXPECT_EQ(result.value, static_cast<double>(2147483648.0f * 1.0079f));
  EXPECT_EQ(computeMolarMass("H0002147483647").value, result.value);
}

TEST(MolarMass, CountAboveTheLargestIsRefused) {
  const Rejected cases[] = {
      {"H2147483648", "H", 0},     {"H99999999999999999999999999", "H", 0},
      {"NaCl2147483650", "Cl", 2}, {"H2147483648O", "H", 0},
      {"O2H2147483648Co", "H", 2},  // the rest is not examined
  };
  for (const auto& [formula, symbol, position] : cases) {
    const MolarMass result = computeMolarMass(formula);
    EXPECT_EQ(result.value, kFormulaRejected) << formula;
    EXPECT_EQ(result.error, FormulaError::CountTooLarge) << formula;
    EXPECT_EQ(result.symbol, symbol) << formula;
    EXPECT_EQ(result.position, position) << formula;
  }
  // An unknown symbol is named as unknown, whatever its count.
  const MolarMass unknown = computeMolarMass("Co2147483648");
  EXPECT_EQ(unknown.error, FormulaError::UnknownAtom);
  EXPECT_EQ(unknown.symbol, "Co");
}

TEST(MolarMass, ValidMassesAreNeverTheRejectedValue) {
  // The rejected value cannot be a mass: counts and masses are never negative.
  for (const char* formula : {"", "C0", "H", "Lr2147483647", "H2O"}) {
    EXPECT_GE(computeMolarMass(formula).value, 0.0) << formula;
  }
}

}  // namespace
}  // namespace tavrik::chem

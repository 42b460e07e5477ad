#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <string>

#include "chem/BondPolarity.hpp"
#include "chem/ElectronegativityTable.hpp"

namespace tavrik::chem {
namespace {

struct Bond {
  const char* first;
  const char* second;
  const char* result;
};

TEST(BondPolarity, ClassesOfKnownPairs) {
  const Bond cases[] = {
      {"H", "Cl", "Polarizzato"}, {"Na", "Cl", "Ionico"}, {"Cl", "Na", "Ionico"},
      {"H", "C", "Puro"},         {"H", "H", "Puro"},     {"C", "O", "Polarizzato"},
      {"H", "F", "Polarizzato"},  {"K", "F", "Ionico"},   {"N", "O", "Puro"},
      {"H", "In", "Polarizzato"}, {"Fr", "Xe", "Ionico"}, {"Cs", "F", "Ionico"},
  };
  for (const auto& [first, second, result] : cases) {
    EXPECT_EQ(classifyBond(first, second), result) << first << "-" << second;
  }
}

TEST(BondPolarity, MissingSymbols) {
  const Bond cases[] = {
      {"Fe", "O", "error"},   {"Fe", "Xx", "error"}, {"O", "Fe", "0"},      {"h", "Cl", "error"},
      {"", "Cl", "error"},    {"Cl", "", "0"},       {"", "", "error"},     {"Na ", "Cl", "error"},
      {" Na", "Cl", "error"}, {"Cl", "Na ", "0"},    {"He", "Ne", "error"}, {"NA", "na", "error"},
  };
  for (const auto& [first, second, result] : cases) {
    EXPECT_EQ(classifyBond(first, second), result) << '"' << first << "\"-\"" << second << '"';
  }
}

// The shortest text that reads back as the same double.
std::string shortest(double value) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  return std::string(text, end);
}

TEST(BondPolarity, DifferencesNearTheLimitsFollowDoubleArithmetic) {
  const ElectronegativityTable table = buildElectronegativityTable();
  const auto difference = [&](const char* a, const char* b) {
    return shortest(std::fabs(*table.find(a) - *table.find(b)));
  };
  // Decimal 0.4 that falls just below in double: "Puro".
  const Bond belowPolar[] = {{"N", "O", "0.3999999999999999"},
                             {"S", "As", "0.3999999999999999"},
                             {"Kr", "Xe", "0.3999999999999999"},
                             {"H", "Xe", "0.3999999999999999"},
                             {"Al", "Ge", "0.3999999999999997"}};
  for (const auto& [first, second, value] : belowPolar) {
    EXPECT_EQ(difference(first, second), value) << first << "-" << second;
    EXPECT_EQ(classifyBond(first, second), "Puro") << first << "-" << second;
    EXPECT_EQ(classifyBond(second, first), "Puro") << second << "-" << first;
  }
  // Decimal 0.4 that falls just above: "Polarizzato".
  for (const char* other : {"In", "Sn"}) {
    EXPECT_EQ(difference("H", other), "0.40000000000000013") << other;
    EXPECT_EQ(classifyBond("H", other), "Polarizzato") << other;
    EXPECT_EQ(classifyBond(other, "H"), "Polarizzato") << other;
  }
  // Decimal 1.9 that falls just above: "Ionico".
  EXPECT_EQ(difference("Fr", "Xe"), "1.9000000000000001");
  EXPECT_EQ(classifyBond("Fr", "Xe"), "Ionico");
  EXPECT_EQ(classifyBond("Xe", "Fr"), "Ionico");
}

TEST(BondPolarity, LimitsBelongToThePolarClass) {
  EXPECT_EQ(bondClass(0.0), "Puro");
  EXPECT_EQ(bondClass(std::nextafter(0.4, 0.0)), "Puro");
  EXPECT_EQ(bondClass(0.4), "Polarizzato");
  EXPECT_EQ(bondClass(1.9), "Polarizzato");
  EXPECT_EQ(bondClass(std::nextafter(1.9, 2.0)), "Ionico");
  EXPECT_EQ(bondClass(3.98 - 0.7), "Ionico");
}

TEST(BondPolarity, ClassDoesNotDependOnOrder) {
  for (const auto& a : electronegativityList()) {
    EXPECT_EQ(classifyBond(a.symbol, a.symbol), "Puro") << a.symbol;
    for (const auto& b : electronegativityList()) {
      EXPECT_EQ(classifyBond(a.symbol, b.symbol), classifyBond(b.symbol, a.symbol))
          << a.symbol << "-" << b.symbol;
    }
  }
}

}  // namespace
}  // namespace tavrik::chem

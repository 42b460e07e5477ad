#include <gtest/gtest.h>

#include "chem/BondPolarity.hpp"
#include "chem/ElectronegativityTable.hpp"

namespace tavrik::chem {
namespace {

TEST(BondPolarity, ClassesOfPairsTakenInDoubleArithmeticInEitherOrder) {
  const std::string_view pure = "Puro", polar = "Polarizzato", ionic = "Ionico";
  // clang-format off
  const std::tuple<const char*, const char*, std::string_view> cases[] = {
      {"H", "Cl", polar}, {"Na", "Cl", ionic}, {"H", "H", pure}, {"K", "F", ionic},
      {"C", "O", polar}, {"Cs", "F", ionic}, {"Li", "Br", ionic}, {"B", "P", pure},
      {"Mg", "O", ionic}, {"Ba", "Cl", ionic}, {"Ca", "I", polar}, {"Rb", "Ra", pure},
      {"Sr", "S", polar}, {"Be", "Se", polar}, {"Ga", "Sb", pure}, {"Te", "Si", pure},
      // A decimal difference of 0.4 or 1.9 lands on either side of it as doubles.
      {"N", "O", pure}, {"S", "As", pure}, {"Kr", "Xe", pure}, {"Al", "Ge", pure},
      {"H", "In", polar}, {"Sn", "H", polar}, {"Fr", "Xe", ionic}, {"Fe", "O", "error"},
      {"h", "Cl", "error"}, {"Na ", "Cl", "error"}, {"O", "Fe", "0"}, {"Cl", "Na ", "0"}};
  // clang-format on
  for (const auto& [first, second, result] : cases) {
    EXPECT_EQ(classifyBond(first, second), result) << '"' << first << "\"-\"" << second << '"';
  }
  EXPECT_EQ(std::pair(bondClass(0.4), bondClass(1.9)), std::pair(polar, polar));  // both limits
  // Every listed symbol is found, and the class does not depend on the order.
  for (const auto& a : electronegativityList()) {
    EXPECT_EQ(classifyBond(a.symbol, a.symbol), pure) << a.symbol;
    for (const auto& b : electronegativityList()) {
      EXPECT_EQ(classifyBond(a.symbol, b.symbol), classifyBond(b.symbol, a.symbol))
          << a.symbol << b.symbol;
    }
  }
}

}  // namespace
}  // namespace tavrik::chem

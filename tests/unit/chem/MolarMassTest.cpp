#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>

#include "chem/AtomicMassTable.hpp"
#include "chem/MolarMass.hpp"

namespace tavrik::chem {
namespace {

TEST(MolarMass, WellKnownFormulasAndEachSymbolAsTheCommandPrintsThem) {
  // clang-format off
  const std::pair<std::string, std::string> cases[] = {
      {"H2O", "18.0058"}, {"NaCl", "58.44"}, {"C6H12O6", "180.095"}, {"CO2", "43.99"},
      {"NH3", "17.0337"}, {"KMnO4", "158.04"}, {"Fe2O3", "159.67"}, {"CaF2", "78.06"},
      {"CH3COOH", "60.0316"}, {"H10", "10.079"}, {"H02", "2.0158"}, {"C0", "0"}, {"", "0"},
      {"Lr", "262.11"}, {"H2147483647", "2.16445e+09"}, {"H0002147483647", "2.16445e+09"}};
  // clang-format on
  for (const auto& [formula, printed] : cases) {
    EXPECT_EQ((std::ostringstream() << computeMolarMass(formula).value).str(), printed) << formula;
  }
  // Each symbol of the table is a capital and an optional small letter, and weighs its mass.
  for (const auto& [symbol, mass] : atomicMassList()) {
    EXPECT_TRUE(std::regex_match(std::string(symbol), std::regex("[A-Z][a-z]?"))) << symbol;
    EXPECT_EQ(computeMolarMass(symbol).value, mass) << symbol;
  }
}

TEST(MolarMass, TheFirstUnknownSymbolOrTooLargeCountStopsTheReading) {
  constexpr auto kUnknown = FormulaError::UnknownAtom, kTooLarge = FormulaError::CountTooLarge;
  // clang-format off
  const std::tuple<std::string, FormulaError, std::string, std::size_t> cases[] = {
      {"Co2", kUnknown, "Co", 0}, {"Ca(OH)2", kUnknown, "(", 2}, {"h2o", kUnknown, "h", 0},
      {"Uuo", kUnknown, "Uu", 0}, {"Hee", kUnknown, "e", 2}, {"Hz", kUnknown, "Hz", 0},
      {"H2 O", kUnknown, " ", 2}, {"NA", kUnknown, "A", 1}, {"H\xE9", kUnknown, "\xE9", 1},
      {"CuSO4\xC2\xB7" "5H2O", kUnknown, "\xC2\xB7", 5}, {"H\xE2\x82\x82O", kUnknown, "\xE2\x82\x82", 1},
      {"\xB7H", kUnknown, "\xB7", 0},
      {"Co2147483648", kUnknown, "Co", 0}, {"H2147483648", kTooLarge, "H", 0},
      {"NaCl2147483650", kTooLarge, "Cl", 2}, {"O2H99999999999999999999Co", kTooLarge, "H", 2}};
  // clang-format on
  for (const auto& [formula, error, symbol, position] : cases) {
    const MolarMass result = computeMolarMass(formula);
    EXPECT_EQ(std::tie(result.value, result.error, result.symbol, result.position),
              std::tie(kFormulaRejected, error, symbol, position))
        << formula;
  }
}

}  // namespace
}  // namespace tavrik::chem

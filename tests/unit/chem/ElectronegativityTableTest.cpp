#include <gtest/gtest.h>

#include <set>
#include <string>
#include <type_traits>

#include "chem/AtomicMassTable.hpp"
#include "chem/ElectronegativityTable.hpp"

namespace tavrik::chem {
namespace {

TEST(ElectronegativityTable, HoldsThirtyFiveSingleSymbols) {
  const ElectronegativityTable table = buildElectronegativityTable();
  EXPECT_EQ(table.size(), 35u);
  ASSERT_EQ(electronegativityList().size(), 35u);
  std::set<std::string_view> seen;
  for (const auto& [symbol, value] : electronegativityList()) {
    EXPECT_TRUE(seen.insert(symbol).second) << symbol << " twice";
    const std::optional<double> found = table.find(symbol);
    ASSERT_TRUE(found.has_value()) << symbol;
    EXPECT_EQ(*found, value) << symbol;
  }
  EXPECT_EQ(electronegativityList().front().symbol, "H");
  EXPECT_EQ(electronegativityList().back().symbol, "Xe");
}

TEST(ElectronegativityTable, ValuesAreDoubles) {
  static_assert(
      std::is_same_v<decltype(buildElectronegativityTable().find("H")), std::optional<double>>);
  const ElectronegativityTable table = buildElectronegativityTable();
  EXPECT_EQ(table.find("H"), 2.2);
  EXPECT_EQ(table.find("F"), 3.98);
  EXPECT_EQ(table.find("Cs"), 0.79);
  EXPECT_EQ(table.find("Kr"), 3.0);
  EXPECT_EQ(table.find("Fr"), 0.7);
  EXPECT_EQ(table.find("Ra"), 0.9);
  // Equal values of different elements.
  EXPECT_EQ(table.find("K"), 0.82);
  EXPECT_EQ(table.find("Rb"), 0.82);
  EXPECT_EQ(table.find("C"), table.find("Se"));
  EXPECT_EQ(table.find("In"), table.find("Sn"));
}

TEST(ElectronegativityTable, AbsentElements) {
  const ElectronegativityTable table = buildElectronegativityTable();
  for (const char* symbol :
       {"He", "Ne", "Ar", "Fe", "Cu", "Sc", "La", "U", "Tl", "Pb", "Bi", "Po", "At", "Rn"}) {
    EXPECT_FALSE(table.find(symbol).has_value()) << symbol;
  }
  for (const char* symbol : {"h", "NA", "na", "Na ", " Na", "", " "}) {
    EXPECT_FALSE(table.find(symbol).has_value()) << '"' << symbol << '"';
  }
}

TEST(ElectronegativityTable, SingleLetterSymbols) {
  std::set<std::string_view> singles;
  for (const auto& entry : electronegativityList()) {
    if (entry.symbol.size() == 1) singles.insert(entry.symbol);
  }
  EXPECT_EQ(singles,
            (std::set<std::string_view>{"H", "B", "C", "N", "O", "F", "P", "S", "K", "I"}));
}

TEST(ElementTables, AreIndependentOfEachOther) {
  const AtomicMassTable masses = buildAtomicMassTable();
  const ElectronegativityTable electronegativities = buildElectronegativityTable();
  // Francium and radium have an electronegativity but no mass; iron the other way round.
  EXPECT_FALSE(masses.find("Fr").has_value());
  EXPECT_FALSE(masses.find("Ra").has_value());
  EXPECT_TRUE(electronegativities.find("Fr").has_value());
  EXPECT_EQ(masses.find("Fe"), 55.85f);
  EXPECT_FALSE(electronegativities.find("Fe").has_value());
  EXPECT_TRUE(masses.find("Na").has_value());
  EXPECT_TRUE(electronegativities.find("Na").has_value());
  // Apart from Fr and Ra, every symbol with an electronegativity has a mass.
  for (const auto& entry : electronegativityList()) {
    if (entry.symbol == "Fr" || entry.symbol == "Ra") continue;
    EXPECT_TRUE(masses.find(entry.symbol).has_value()) << entry.symbol;
  }
}

}  // namespace
}  // namespace tavrik::chem

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <type_traits>

#include "chem/AtomicMassTable.hpp"

namespace tavrik::chem {
namespace {

TEST(AtomicMassTable, HoldsNinetyFiveSingleSymbols) {
  const AtomicMassTable table = buildAtomicMassTable();
  EXPECT_EQ(table.size(), 95u);
  ASSERT_EQ(atomicMassList().size(), 95u);
  std::set<std::string_view> seen;
  for (const auto& [symbol, mass] : atomicMassList()) {
    EXPECT_TRUE(seen.insert(symbol).second) << symbol << " twice";
    // One upper-case letter, optionally one lower-case letter.
    ASSERT_TRUE(symbol.size() == 1 || symbol.size() == 2) << symbol;
    EXPECT_TRUE(symbol[0] >= 'A' && symbol[0] <= 'Z') << symbol;
    if (symbol.size() == 2) {
      EXPECT_TRUE(symbol[1] >= 'a' && symbol[1] <= 'z') << symbol;
    }
    // Every pair of the list is reachable through the lookup.
    const std::optional<float> found = table.find(symbol);
    ASSERT_TRUE(found.has_value()) << symbol;
    EXPECT_EQ(*found, mass) << symbol;
  }
}

TEST(AtomicMassTable, ValuesAreTheListsOwnSinglePrecisionNumbers) {
  static_assert(std::is_same_v<decltype(buildAtomicMassTable().find("H")), std::optional<float>>);
  const AtomicMassTable table = buildAtomicMassTable();
  EXPECT_EQ(table.find("H"), 1.0079f);
  EXPECT_EQ(table.find("O"), 15.99f);
  EXPECT_NE(table.find("O"), 15.999f);
  EXPECT_EQ(table.find("F"), 18.99f);
  EXPECT_EQ(table.find("Mn"), 54.98f);
  EXPECT_EQ(table.find("Fe"), 55.85f);
  EXPECT_EQ(table.find("Na"), 22.99f);
  EXPECT_EQ(table.find("Cl"), 35.45f);
  EXPECT_EQ(table.find("Te"), 127.6f);
  EXPECT_EQ(table.find("I"), 126.9f);
  // Stored in single precision: the double 1.0079 is not what comes back.
  EXPECT_NE(static_cast<double>(*table.find("H")), 1.0079);
  EXPECT_EQ(table.find("Cm"), 247.07f);
  EXPECT_EQ(table.find("Bk"), 247.07f);
}

TEST(AtomicMassTable, ListRunsFromHydrogenToLawrencium) {
  const auto list = atomicMassList();
  EXPECT_EQ(list.front().symbol, "H");
  EXPECT_EQ(list.back().symbol, "Lr");
  float lightest = list.front().value;
  float heaviest = list.front().value;
  std::string_view lightestSymbol = list.front().symbol;
  std::string_view heaviestSymbol = list.front().symbol;
  for (const auto& [symbol, mass] : list) {
    if (mass < lightest) {
      lightest = mass;
      lightestSymbol = symbol;
    }
    if (mass > heaviest) {
      heaviest = mass;
      heaviestSymbol = symbol;
    }
  }
  EXPECT_EQ(lightestSymbol, "H");
  EXPECT_EQ(heaviestSymbol, "Lr");
  EXPECT_EQ(heaviest, 262.11f);
}

TEST(AtomicMassTable, LeftOutElementsAreAbsent) {
  const AtomicMassTable table = buildAtomicMassTable();
  for (const char* symbol : {"Ar", "Co", "Po", "At", "Rn", "Fr", "Ra", "Ac"}) {
    EXPECT_FALSE(table.find(symbol).has_value()) << symbol;
  }
  // Nothing beyond lawrencium.
  for (const char* symbol : {"Rf", "Db", "Sg", "Og", "Uuo", "Uu"}) {
    EXPECT_FALSE(table.find(symbol).has_value()) << symbol;
  }
}

TEST(AtomicMassTable, LookupIsExactAndCaseSensitive) {
  const AtomicMassTable table = buildAtomicMassTable();
  EXPECT_TRUE(table.find("Na").has_value());
  for (const char* symbol : {"na", "NA", "nA", "Na ", " Na", "Na\n", "h", "", " ", "N a"}) {
    EXPECT_FALSE(table.find(symbol).has_value()) << '"' << symbol << '"';
  }
  // A symbol is matched with its length: "N" is not found through "Na"'s
  // prefix, and a text holding a NUL is not cut short.
  EXPECT_EQ(table.find("N"), 14.01f);
  EXPECT_FALSE(table.find(std::string_view("H\0", 2)).has_value());
  EXPECT_EQ(table.size(), 95u);  // lookups never add entries
}

TEST(AtomicMassTable, SingleLetterSymbols) {
  std::set<std::string_view> singles;
  for (const auto& entry : atomicMassList()) {
    if (entry.symbol.size() == 1) singles.insert(entry.symbol);
  }
  EXPECT_EQ(singles, (std::set<std::string_view>{"H", "B", "C", "N", "O", "F", "P", "S", "K", "V",
                                                 "Y", "I", "W", "U"}));
}

}  // namespace
}  // namespace tavrik::chem

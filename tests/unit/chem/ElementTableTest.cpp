#include <gtest/gtest.h>

#include <set>
#include <string>

#include "chem/ElementTable.hpp"

namespace tavrik::chem {
namespace {

TEST(ElementTable, EveryPossibleSymbolHasItsOwnSlot) {
  std::set<std::size_t> slots;
  for (char upper = 'A'; upper <= 'Z'; ++upper) {
    const std::string single(1, upper);
    const auto slot = symbolSlot(single);
    ASSERT_TRUE(slot.has_value()) << single;
    EXPECT_LT(*slot, kSymbolSlotCount);
    EXPECT_TRUE(slots.insert(*slot).second) << single;
    for (char lower = 'a'; lower <= 'z'; ++lower) {
      const std::string pair{upper, lower};
      const auto pairSlot = symbolSlot(pair);
      ASSERT_TRUE(pairSlot.has_value()) << pair;
      EXPECT_LT(*pairSlot, kSymbolSlotCount);
      EXPECT_TRUE(slots.insert(*pairSlot).second) << pair;
    }
  }
  EXPECT_EQ(slots.size(), kSymbolSlotCount);
}

TEST(ElementTable, TextsThatCannotBeSymbolsHaveNoSlot) {
  for (const char* text : {"", "a", "na", "NA", "Na ", " N", "Uuo", "@", "[", "`", "{", "A@", "A[",
                           "A`", "A{", "1", "H2"}) {
    EXPECT_FALSE(symbolSlot(text).has_value()) << '"' << text << '"';
  }
  EXPECT_FALSE(symbolSlot(std::string_view("\0", 1)).has_value());
  EXPECT_FALSE(symbolSlot("\xC3\xA9").has_value());
  EXPECT_FALSE(symbolSlot("H\xE9").has_value());
}

TEST(ElementTable, FirstValueOfARepeatedSymbolStays) {
  constexpr std::array<ElementEntry<int>, 4> list = {{{"Ab", 1}, {"C", 2}, {"Ab", 3}, {"C", 4}}};
  static constexpr SymbolSlots<int> slots = slotsOf(list);
  const ElementTable<int> table(slots);
  EXPECT_EQ(table.size(), 2u);
  EXPECT_EQ(table.find("Ab"), 1);
  EXPECT_EQ(table.find("C"), 2);
  EXPECT_FALSE(table.find("A").has_value());
  EXPECT_FALSE(table.find("Cb").has_value());
}

TEST(ElementTable, MalformedSymbolsOfAListAreNotStored) {
  constexpr std::array<ElementEntry<int>, 3> list = {{{"na", 1}, {"Na", 2}, {"Xyz", 3}}};
  static constexpr SymbolSlots<int> slots = slotsOf(list);
  EXPECT_EQ(countPresent(slots), 1u);
  EXPECT_EQ(ElementTable<int>(slots).find("Na"), 2);
}

}  // namespace
}  // namespace tavrik::chem

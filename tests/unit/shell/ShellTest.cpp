#include <gtest/gtest.h>

#include "shell/CommandShell.hpp"
#include "shell/CommandTable.hpp"
#include "shell/HistoryLog.hpp"
#include "shell/ThemeSettings.hpp"

namespace tavrik {
namespace {

TEST(SingleCharAnswer, OnlyOneNonBlankCharacterPasses) {
  EXPECT_TRUE(isSingleCharAnswer("x"));
  EXPECT_TRUE(isSingleCharAnswer("\t"));
  EXPECT_TRUE(isSingleCharAnswer("#"));
  EXPECT_FALSE(isSingleCharAnswer(""));
  EXPECT_FALSE(isSingleCharAnswer(" "));
  EXPECT_FALSE(isSingleCharAnswer("x "));
  EXPECT_FALSE(isSingleCharAnswer(" x"));
  EXPECT_FALSE(isSingleCharAnswer("ab"));
}

TEST(CommandTable, LabelsEndWithTheirKey) {
  for (const Command& command : commandTable()) {
    if (command.label.empty()) continue;
    EXPECT_TRUE(command.label.ends_with(std::string(" = ") + command.key)) << command.label;
  }
  EXPECT_EQ(findCommand('X'), nullptr);
  ASSERT_NE(findCommand('#'), nullptr);
  EXPECT_TRUE(findCommand('#')->label.empty());
}

TEST(ThemeSettings, ColourNamesAndDigits) {
  EXPECT_TRUE(ThemeSettings::isKnownColour("nero"));
  EXPECT_FALSE(ThemeSettings::isKnownColour("Blu"));
  EXPECT_FALSE(ThemeSettings::isKnownColour("blu "));
  EXPECT_FALSE(ThemeSettings::isKnownColour(""));
  EXPECT_EQ(ThemeSettings::makeColourCommand("blu", "giallo"), "color 9e");
  EXPECT_EQ(ThemeSettings::makeColourCommand("bianco", "rosso"), "color fc");
  EXPECT_EQ(ThemeSettings::makeColourCommand("verde", "verde"), "color 22");
  EXPECT_EQ(ThemeSettings::makeColourCommand("viola", "azzurro"), "color 5b");
  EXPECT_EQ(ThemeSettings::makeColourCommand("grigio", "grigio"), "color 88");
}

TEST(ThemeSettings, CombinationRule) {
  EXPECT_TRUE(ThemeSettings::isAllowedCombination("bianco", "rosso"));
  EXPECT_TRUE(ThemeSettings::isAllowedCombination("blu", "blu"));
  EXPECT_FALSE(ThemeSettings::isAllowedCombination("rosso", "bianco"));
  EXPECT_FALSE(ThemeSettings::isAllowedCombination("nero", "rosso"));
  EXPECT_FALSE(ThemeSettings::isAllowedCombination("rosso", "nero"));
  EXPECT_FALSE(ThemeSettings::isAllowedCombination("Rosso", "blu"));
  EXPECT_FALSE(ThemeSettings::isAllowedCombination("rosso", "blu "));
}

TEST(HistoryLog, ParsesLinesWithAndWithoutFinalLineEnd) {
  EXPECT_EQ(parseHistory(""), std::vector<std::string>{});
  EXPECT_EQ(parseHistory("a\n\nb\n"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(parseHistory("a\nlast"), (std::vector<std::string>{"a", "last"}));
  EXPECT_EQ(parseHistory("\n"), std::vector<std::string>{""});
}

}  // namespace
}  // namespace tavrik

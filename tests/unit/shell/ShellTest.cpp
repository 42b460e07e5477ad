#include <gtest/gtest.h>

#include "shell/HistoryLog.hpp"
#include "shell/ThemeSettings.hpp"

namespace tavrik {
namespace {

TEST(ThemeSettings, CombinationRule) {
  // Names are exact, an empty one is none; black is never allowed, white only as the background.
  EXPECT_TRUE(ThemeSettings::isAllowedCombination("bianco", "rosso"));
  EXPECT_TRUE(ThemeSettings::isAllowedCombination("blu", "blu"));
  EXPECT_FALSE(ThemeSettings::isAllowedCombination("rosso", "bianco"));
  EXPECT_FALSE(ThemeSettings::isAllowedCombination("nero", "rosso"));
  EXPECT_FALSE(ThemeSettings::isAllowedCombination("rosso", "nero"));
  EXPECT_FALSE(ThemeSettings::isAllowedCombination("", "giallo"));
  EXPECT_FALSE(ThemeSettings::isAllowedCombination("blu", "Giallo "));
}

TEST(ThemeSettings, OnlyAColourCommandIsATheme) {
  // Exactly "color XY", hex digits of either case, two different colours,
  // at most one line end: nothing else read from the file does anything.
  EXPECT_EQ(ThemeSettings::parseTheme("color 9E\r\n"), (ConsoleColours{9, 14}));
  EXPECT_EQ(ThemeSettings::parseTheme("color 0f\n"), (ConsoleColours{0, 15}));
  for (const char* content : {"color 99", "color 9g", "color 9ef", "COLOR 9e", "color 9e\n\n",
                              "start Tavrik-Terminal.exe", "title x", "pause", "cls", ""}) {
    EXPECT_FALSE(ThemeSettings::parseTheme(content)) << content;
  }
}

TEST(HistoryLog, ControlCharactersShownInCaretNotation) {
  EXPECT_EQ(caretNotation("a\x1b[2Jb\tc\x7f"), "a^[[2Jb\tc^?");
  EXPECT_EQ(caretNotation("\xc2\x9b" "2J \x9b \xc3\xa8"), "M-^[2J M-^[ \xc3\xa8");
}

}  // namespace
}  // namespace tavrik

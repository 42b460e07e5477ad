#include <gtest/gtest.h>

#include "shell/Platform.hpp"
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

TEST(ShellVocabulary, OnlyWellFormedLinesReachTheSystem) {
  for (const char* line :
       {"cls", "title x", "start Tavrik-Terminal.exe", "start https://x.it/a%20b.md"}) {
    EXPECT_NE(parseShellCommand(line).kind, ShellAction::Kind::Unknown) << line;
  }
  for (const char* line : {"CLS", "color 99", "color 9g", "color 9ef", "title a\x1b]b",
                           "ping -n 1 a;b > NUL", "start https://x.it/$(id)", "start https://"}) {
    EXPECT_EQ(parseShellCommand(line).kind, ShellAction::Kind::Unknown) << line;
  }
  const ShellAction reset = parseShellCommand("color 0f"), theme = parseShellCommand("color 9E");
  EXPECT_EQ(ansiColourSequence(reset.background, reset.foreground), "\x1b[40;97m");
  EXPECT_EQ(ansiColourSequence(theme.background, theme.foreground), "\x1b[104;93m");
}

}  // namespace
}  // namespace tavrik

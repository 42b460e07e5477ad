#include <gtest/gtest.h>

#include "shell/InfoPages.hpp"
#include "shell/Platform.hpp"

namespace tavrik {
namespace {

using Kind = ShellAction::Kind;

TEST(ShellVocabulary, KnownLinesAreRecognised) {
  EXPECT_EQ(parseShellCommand("cls").kind, Kind::Clear);
  EXPECT_EQ(parseShellCommand("pause").kind, Kind::Pause);
  EXPECT_EQ(parseShellCommand("start Tavrik-Terminal.exe").kind, Kind::Restart);
  const ShellAction title = parseShellCommand("title Tavrik Terminal");
  EXPECT_EQ(title.kind, Kind::Title);
  EXPECT_EQ(title.text, "Tavrik Terminal");
  const ShellAction probe = parseShellCommand(probeCommand());
  EXPECT_EQ(probe.kind, Kind::Probe);
  EXPECT_EQ(probe.text, kProbeHost);
  const ShellAction page = parseShellCommand(openPageCommand("/terms%20and%20conditions.md"));
  EXPECT_EQ(page.kind, Kind::OpenPage);
  EXPECT_EQ(page.text, "https://www.tavrik-terminal.it/terms%20and%20conditions.md");
}

TEST(ShellVocabulary, ColourCommandsTakeTwoDifferentHexDigits) {
  const ShellAction theme = parseShellCommand("color 9e");
  EXPECT_EQ(theme.kind, Kind::Colour);
  EXPECT_EQ(theme.background, 9);
  EXPECT_EQ(theme.foreground, 14);
  EXPECT_EQ(parseShellCommand("color 0F").foreground, 15);
  for (const char* refused : {"color 99", "color ee", "color 9", "color 9e ", " color 9e",
                              "color 9g", "color  9e", "color 9e\n", "COLOR 9e", "color 9ef"}) {
    EXPECT_EQ(parseShellCommand(refused).kind, Kind::Unknown) << refused;
  }
}

TEST(ShellVocabulary, NothingElseReachesTheSystem) {
  for (const char* refused :
       {"", "cls ", "CLS", "pause; rm -rf /", "ls", "start calc.exe", "start https://x.it/a b",
        "start https://x.it/$(id)", "start https://x.it/;id", "start https://", "start http://x.it",
        "ping -n 1 a;b > NUL", "ping -n 1  > NUL", "ping -n 1 host", "title a\x1b]b",
        "start Tavrik-Terminal.exe ", "color 9e && rm x", "start https://Utps:/sta/U&ps://x",
        "start https://f&e", "start https://x.it/?a=b"}) {
    EXPECT_EQ(parseShellCommand(refused).kind, Kind::Unknown) << refused;
  }
}

TEST(ShellVocabulary, WindowsColoursMapToAnsi) {
  EXPECT_EQ(ansiColourSequence(0, 15), "\x1b[40;97m");  // black on bright white
  EXPECT_EQ(ansiColourSequence(9, 14), "\x1b[104;93m");  // light blue, light yellow
  EXPECT_EQ(ansiColourSequence(4, 2), "\x1b[41;32m");   // red, green
  EXPECT_EQ(ansiColourSequence(1, 12), "\x1b[44;91m");  // blue, light red
  EXPECT_EQ(ansiColourSequence(5, 8), "\x1b[45;90m");   // purple, grey
}

}  // namespace
}  // namespace tavrik

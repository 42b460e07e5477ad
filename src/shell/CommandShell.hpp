#pragma once

#include <string_view>

#include "shell/Context.hpp"

namespace tavrik {

/// True for a text of exactly one character that is not a blank.
bool isSingleCharAnswer(std::string_view text);

/// The program from start to end: start-up, banner, then the prompt loop.
class CommandShell {
 public:
  explicit CommandShell(Context context) : context_(context) {}

  /// Names the window, applies the saved theme and writes the banner.
  void startUp();
  /// Reads and runs command lines until "x", "l" or the end of input;
  /// returns the exit status.
  int runLoop();
  /// startUp() then runLoop().
  int run();

 private:
  Flow runLine(const std::string& line);
  Context context_;
};

namespace shell {

/// The start-up banner, as written at start and by "k".
void writeBanner(Console& console);
/// "Cosa vuoi fare?" and the prompt.
void writePromptBlock(Console& console);
/// The refusal of a line that is not a command.
void writeRefusal(Console& console);

Flow runCommandList(Context& context);
Flow runHelp(Context& context);
Flow runClearScreen(Context& context);
Flow runRestart(Context& context);
Flow runExit(Context& context);

}  // namespace shell
}  // namespace tavrik

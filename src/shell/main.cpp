#include <iostream>

#include "shell/CommandShell.hpp"
#include "shell/Console.hpp"
#include "shell/HistoryLog.hpp"
#include "shell/LineEditor.hpp"
#include "shell/PosixPlatform.hpp"

int main() {
  // At a terminal every answer is read through the line editor; piped
  // input is read as it comes.
  const auto editor = tavrik::LineEditor::openIfTerminal();
  std::istream& in = editor ? editor->stream() : std::cin;
  tavrik::Console console(in, std::cout);
  if (editor) editor->attach(console);
  tavrik::PosixPlatform platform(in, std::cout);
  tavrik::HistoryLog history;
  tavrik::CommandShell shell({console, platform, history});
  return shell.run();
}

#include <iostream>

#include "platform/posix/LineEditor.hpp"
#include "platform/posix/PosixSystem.hpp"
#include "platform/posix/PosixTerminal.hpp"
#include "shell/CommandShell.hpp"
#include "shell/Console.hpp"
#include "shell/HistoryLog.hpp"

int main() {
  // The console flushes its output before it waits for input: not at every
  // line end, and not at every read of input already typed ahead.
  std::ios::sync_with_stdio(false);
  std::cin.tie(nullptr);
  // First of all: from here on, every way out puts the terminal back.
  tavrik::PosixTerminal terminal(std::cout);
  // At a terminal every answer is read through the line editor; piped
  // input is read as it comes.
  const auto editor = tavrik::LineEditor::openIfTerminal();
  std::istream& in = editor ? editor->stream() : std::cin;
  terminal.readKeysFrom(in);
  tavrik::Console console(in, std::cout);
  if (editor) editor->attach(console);
  tavrik::PosixSystem system(terminal);
  tavrik::HistoryLog history;
  tavrik::CommandShell shell({console, terminal, system, history});
  const int status = shell.run();
  console.flush();
  return status;
}

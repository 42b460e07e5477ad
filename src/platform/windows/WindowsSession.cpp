#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <iostream>
#include <memory>

#include "../Session.hpp"
#include "ConsoleInput.hpp"
#include "WindowsSystem.hpp"
#include "WindowsTerminal.hpp"

namespace tavrik {

namespace {

class WindowsSession final : public Session {
 public:
  explicit WindowsSession(std::ostream& out) : terminal_(out) {
    const HANDLE input = ::GetStdHandle(STD_INPUT_HANDLE);
    DWORD mode = 0;
    if (input != nullptr && input != INVALID_HANDLE_VALUE && ::GetConsoleMode(input, &mode) != 0) {
      consoleInput_ = std::make_unique<ConsoleInput>(input, out);
      consoleStream_ = std::make_unique<std::istream>(consoleInput_.get());
    } else {
      // Piped input as it comes: its line ends (CRLF or LF) and every byte
      // reach the console untranslated.
      ::_setmode(::_fileno(stdin), _O_BINARY);
    }
    terminal_.readKeysFrom(this->input());
  }

  // The console edits and recalls lines itself, and shows the prompt
  // written before it as it is: no line input.
  std::istream& input() override { return consoleStream_ ? *consoleStream_ : std::cin; }
  LineInput* lineInput() override { return nullptr; }
  Terminal& terminal() override { return terminal_; }
  System& system() override { return system_; }

 private:
  WindowsTerminal terminal_;  // first: put back last
  std::unique_ptr<ConsoleInput> consoleInput_;
  std::unique_ptr<std::istream> consoleStream_;
  WindowsSystem system_;
};

}  // namespace

std::unique_ptr<Session> openSession(std::ostream& out) { return std::make_unique<WindowsSession>(out); }

std::shared_ptr<System> openSystem() { return std::make_shared<WindowsSystem>(); }

}  // namespace tavrik

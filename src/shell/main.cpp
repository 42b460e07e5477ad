#include <iostream>

#include "shell/CommandShell.hpp"
#include "shell/Console.hpp"
#include "shell/HistoryLog.hpp"
#include "shell/PosixPlatform.hpp"

int main() {
  tavrik::Console console(std::cin, std::cout);
  tavrik::PosixPlatform platform(std::cin, std::cout);
  tavrik::HistoryLog history;
  tavrik::CommandShell shell({console, platform, history});
  return shell.run();
}

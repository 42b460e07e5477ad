#include "shell/CommandTable.hpp"

#include "shell/CommandShell.hpp"
#include "shell/HistoryLog.hpp"
#include "shell/ThemeSettings.hpp"

namespace tavrik {

namespace {

// The one list of commands: dispatch and the "#" list both read it, in this
// order. Each family adds its handlers here.
constexpr Command kCommands[] = {
    {'#', "", shell::runCommandList},
    {'l', "riavvia = l", shell::runRestart},
    {'x', "esci = x", shell::runExit},
    {'k', "pulisci ui = k", shell::runClearScreen},
    {'@', "cronologia = @", runHistory},
    {'h', "aiuto = h", shell::runHelp},
    {'i', "impostazioni = i", runSettings},
};

constexpr bool keysAreUnique(std::span<const Command> commands) {
  for (std::size_t i = 0; i < commands.size(); ++i) {
    for (std::size_t j = i + 1; j < commands.size(); ++j) {
      if (commands[i].key == commands[j].key) return false;
    }
  }
  return true;
}
static_assert(keysAreUnique(kCommands), "two commands share a key");

}  // namespace

std::span<const Command> commandTable() { return kCommands; }

const Command* findCommand(char key) {
  for (const Command& command : kCommands) {
    if (command.key == key) return &command;
  }
  return nullptr;
}

}  // namespace tavrik

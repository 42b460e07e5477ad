#pragma once

#include <span>
#include <string_view>

#include "shell/Context.hpp"

namespace tavrik {

/// One command of the prompt loop.
struct Command {
  char key;                // typed at "Path: "
  std::string_view label;  // line printed by "#"; empty = not listed
  Flow (*run)(Context&);
};

/// Every command, in the order of the command list.
std::span<const Command> commandTable();

/// The command of a key, or nullptr when the key is not a command.
const Command* findCommand(char key);

}  // namespace tavrik

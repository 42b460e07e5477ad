#pragma once

namespace tavrik {

class Console;
class Terminal;
class System;
class HistoryLog;

/// What a command handler works with: the console it talks through, the
/// console window and the system beyond it, and the command history.
struct Context {
  Console& console;
  Terminal& terminal;
  System& system;
  HistoryLog& history;
};

/// What the prompt loop does after a command.
enum class Flow { Continue, Quit };

}  // namespace tavrik

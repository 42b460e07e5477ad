#pragma once

namespace tavrik {

class Console;
class Platform;
class HistoryLog;

/// What a command handler works with: the console it talks through, the
/// platform for everything beyond it, and the command history.
struct Context {
  Console& console;
  Platform& platform;
  HistoryLog& history;
};

/// What the prompt loop does after a command.
enum class Flow { Continue, Quit };

}  // namespace tavrik

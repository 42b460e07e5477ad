#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/Context.hpp"

namespace tavrik {

/// Every line typed at the command prompt: in memory for this run and in
/// "function_history.txt" across runs.
class HistoryLog {
 public:
  static constexpr std::string_view kFileName = "function_history.txt";
  /// The most of a line that is kept: the console hands no longer one.
  static constexpr std::size_t kMaxLineBytes = 4096;

  /// Keeps the line (its first kMaxLineBytes bytes) in memory and appends
  /// it to the file.
  void record(std::string_view line);
  /// Calls `piece` with every entry, in pieces of bounded size (`lineEnds`
  /// on an entry's last): the file's lines, then this run's lines that did
  /// not reach it (all of this run's lines when the file cannot be read).
  void forEach(const std::function<void(std::string_view piece, bool lineEnds)>& piece) const;
  /// Empties the list and the file; false when the file still has lines.
  bool clear();

 private:
  struct Entry {
    std::string line;
    bool saved;  // appended to the file
  };
  std::vector<Entry> entries_;
};

/// A line as a terminal can show it without acting on it: control
/// characters (C0 but TAB, DEL, and C1) in caret notation ("^[", "^?",
/// "M-^[").
std::string caretNotation(std::string_view line);

/// Command "@": view or clear the history.
Flow runHistory(Context& context);

}  // namespace tavrik

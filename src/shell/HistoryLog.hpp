#pragma once

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

  /// Appends the line to the list and to the file (one write per line).
  void record(std::string_view line);
  /// Replaces the list with the file's lines.
  void load();
  /// Empties the list and the file.
  void clear();

  const std::vector<std::string>& entries() const { return entries_; }

 private:
  std::vector<std::string> entries_;
};

/// Reads the lines of a history file's content, oldest first; a last line
/// without a line end still counts.
std::vector<std::string> parseHistory(std::string_view content);

/// Command "@": view or clear the history.
Flow runHistory(Context& context);

}  // namespace tavrik

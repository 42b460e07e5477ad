#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "../LineInput.hpp"

struct editline;
struct history;

namespace tavrik {

/// The command lines the user can bring back with the arrow keys, oldest
/// first, the oldest given up once the list is full. Empty lines are not
/// kept, and a line equal to the newest entry is not kept twice in a row.
class RecallList {
 public:
  static constexpr std::size_t kCapacity = 1000;

  /// Keeps the line; false when it was left out.
  bool add(std::string_view line);

  const std::vector<std::string>& entries() const { return entries_; }

 private:
  std::vector<std::string> entries_;
};

/// Line editing at a terminal (libedit): the editor draws each line's
/// prompt itself, and redraws it with the line after a suspension or a
/// resize. At a command line the arrow keys recall earlier command lines:
/// those the program offers (the history file's, then this run's). The
/// editor never writes a file. (Interrupting the program puts the terminal
/// back: SignalCleanup.)
class LineEditor final : public LineInput {
 public:
  /// A line editor when standard input and output are both terminals;
  /// nullptr otherwise, and then nothing at all has been changed.
  static std::unique_ptr<LineEditor> openIfTerminal();

  ~LineEditor() override;
  LineEditor(const LineEditor&) = delete;
  LineEditor& operator=(const LineEditor&) = delete;

  std::optional<std::string> readLine(std::string_view prompt, bool commandLine) override;
  void remember(std::string_view commandLine) override;

  /// While `hidden` answers true, a line is read from the terminal as its
  /// own line mode gives it, not through the editor, which would draw every
  /// key typed.
  void readPlainWhile(std::function<bool()> hidden) { hidden_ = std::move(hidden); }

 private:
  LineEditor();
  static char* promptOf(editline* editor);

  std::function<bool()> hidden_;
  editline* editor_ = nullptr;
  struct history* commandLines_ = nullptr;
  // Always empty: the answers to a command's own questions recall nothing.
  struct history* answers_ = nullptr;
  RecallList recall_;
  std::string prompt_;
};

}  // namespace tavrik

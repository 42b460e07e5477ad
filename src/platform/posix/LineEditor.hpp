#pragma once

#include <cstddef>
#include <functional>
#include <istream>
#include <memory>
#include <optional>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

struct editline;
struct history;

namespace tavrik {

class Console;

/// A stream buffer refilled one whole line at a time from a line source.
/// Every line reaches the stream with a line end, so formatted extraction
/// reads it exactly as it reads piped input. Once the source reports the end
/// of input (nullopt), the stream stays at its end.
class LineBuffer final : public std::streambuf {
 public:
  using Source = std::function<std::optional<std::string>()>;

  explicit LineBuffer(Source source);

 protected:
  int_type underflow() override;

 private:
  Source source_;
  std::string line_;
  bool ended_ = false;
};

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

/// Screen rows between the start of a prompt `width` columns wide and the
/// cursor right after it, on a terminal `columns` wide.
int promptRowsAbove(int width, int columns);

/// Line editing at a terminal: every answer is read through the line editor
/// (libedit), with the text already written on the current line as the
/// editor's prompt, so that redrawing the line keeps it in place. At a
/// command line the arrow keys recall earlier command lines: those in the
/// history file at start-up, then those of this run. The editor never writes
/// a file. (Interrupting the program puts the terminal back: PosixTerminal.)
class LineEditor {
 public:
  /// A line editor when standard input and output are both terminals;
  /// nullptr otherwise, and then nothing at all has been changed.
  static std::unique_ptr<LineEditor> openIfTerminal();

  ~LineEditor();
  LineEditor(const LineEditor&) = delete;
  LineEditor& operator=(const LineEditor&) = delete;

  /// The stream to read every answer from.
  std::istream& stream() { return stream_; }

  /// Takes each prompt from the console and keeps its command lines.
  void attach(Console& console);

  /// While `hidden` answers true, a line is read from the terminal as its
  /// own line mode gives it, not through the editor, which would draw every
  /// key typed.
  void readPlainWhile(std::function<bool()> hidden) { hidden_ = std::move(hidden); }

 private:
  LineEditor();
  std::optional<std::string> readLine();
  void remember(const std::string& line);
  static char* promptOf(editline* editor);

  Console* console_ = nullptr;
  std::function<bool()> hidden_;
  editline* editor_ = nullptr;
  struct history* commandLines_ = nullptr;
  // Always empty: the answers to a command's own questions recall nothing.
  struct history* answers_ = nullptr;
  RecallList recall_;
  std::string prompt_;
  LineBuffer buffer_;
  std::istream stream_;
};

}  // namespace tavrik

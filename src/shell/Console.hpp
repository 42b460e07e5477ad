#pragma once

#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "platform/LineInput.hpp"

namespace tavrik {

/// Thrown by every read when standard input has ended; only the prompt loop
/// catches it.
struct EndOfInput {};

/// The one place that knows how the program talks to the user: how a line, a
/// number, a word or a character is read, what a line break is, and what
/// happens when a number is expected and something else is typed.
class Console {
 public:
  /// Reads from `in`, or, given a line input, every line through it: the
  /// text after the last line break written is then held back and handed
  /// to the line input as its prompt, so that the line editor alone draws
  /// it.
  Console(std::istream& in, std::ostream& out, LineInput* lines = nullptr);
  ~Console();

  /// Writes text exactly. What is written since the last line break (or the
  /// last answer) is remembered as the pending prompt.
  void write(std::string_view text);
  void write(const char* text) { write(std::string_view(text)); }
  void write(const std::string& text) { write(std::string_view(text)); }
  /// Numbers in the stream's default formatting (six significant digits).
  void write(int value);
  void write(long long value);
  void write(unsigned long long value);
  void write(float value);
  void write(double value);
  void write(char value);
  /// One line break. Output is flushed before every read and at exit, not
  /// at every line break.
  void endLine();
  /// Flushes pending output without a line break (held-back text too).
  void flush();
  /// True when answers are typed at a terminal through a line input.
  bool readsTypedLines() const { return lines_ != nullptr; }

  /// A whole line, without its line end, untrimmed. A carriage return right
  /// before the line feed belongs to the line end.
  std::string readLine();
  /// A command line: read as readLine(), but of a line longer than
  /// kMaxCommandLine bytes only that many are kept (the rest is read and
  /// dropped); then offered to the line input for recall.
  std::string readCommandLine();
  static constexpr std::size_t kMaxCommandLine = 4096;
  /// One blank-delimited word (leading white space skipped).
  std::string readWord();
  /// The rest of a line from its first non-blank character: leading white
  /// space (empty lines too) skipped, then read as readLine().
  std::string readRestOfLine();
  /// One non-blank character (leading white space skipped).
  char readChar();

  /// Numbers by formatted extraction. A non-number (or a number out of the
  /// type's range) discards the rest of the line, writes "Errore riprova",
  /// writes the pending prompt again and reads again. In a decimal number a
  /// comma between digits is the decimal point: "2,5" is 2.5.
  int readInt();
  float readFloat();
  double readDouble();

  /// One attempt at a number: on a non-number the failure is cleared, the
  /// rest of the line (with its line end) is discarded and nullopt returned.
  std::optional<int> tryReadInt();
  std::optional<double> tryReadDouble();

  /// Discards exactly one character (normally the line end after an answer;
  /// a carriage return and a line feed count as one).
  void discardOne();
  /// Ends a command: when its last answer came from a formatted read, the
  /// one character after it is discarded, so that anything typed after the
  /// answer on its line reaches the prompt as the next command line.
  void settleLineEnd();

  /// The text written since the last line break or answer.
  const std::string& pendingPrompt() const { return pendingPrompt_; }

 private:
  template <typename T>
  std::optional<T> tryRead();
  template <typename T>
  std::optional<T> tryReadDecimal();
  [[nodiscard]] std::optional<std::string> scanDecimalText();
  template <typename T>
  T readNumber();
  void flushBeforeWaiting();
  /// After a non-number: the rest of the line goes (or the input has ended).
  void refuseNumber();
  void answerRead(bool formatted) {
    pendingPrompt_.clear();
    lineEndPending_ = formatted;
  }
  [[noreturn]] void endOfInput();
  std::optional<std::string> nextTypedLine();

  LineInput* lines_;
  std::unique_ptr<std::streambuf> typedBuffer_;  // lines from lines_
  std::unique_ptr<std::istream> typed_;
  std::istream& in_;
  std::ostream& out_;
  std::string pendingPrompt_;
  std::string heldBack_;  // with a line input: written text not yet sent
  bool readingCommandLine_ = false;
  bool lineEndPending_ = false;  // the last answer came from a formatted read
};

}  // namespace tavrik

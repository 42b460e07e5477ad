#pragma once

#include <functional>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>

namespace tavrik {

/// Thrown by every read when standard input has ended; only the prompt loop
/// catches it.
struct EndOfInput {};

/// The one place that knows how the program talks to the user: how a line, a
/// number, a word or a character is read, what a line break is, and what
/// happens when a number is expected and something else is typed.
class Console {
 public:
  Console(std::istream& in, std::ostream& out);

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
  /// Flushes pending output without a line break.
  void flush();

  /// A whole line, without its line end, untrimmed. A carriage return right
  /// before the line feed belongs to the line end.
  std::string readLine();
  /// A command line: read as readLine(), then handed to the command-line
  /// listener (at a terminal, the line editor keeps it for recall).
  std::string readCommandLine();
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

  /// What a line editor needs before it reads a line: the text on the
  /// current line, which it draws again as its own prompt, and whether a
  /// command line is being read.
  struct LinePrompt {
    std::string text;
    bool commandLine = false;
  };
  /// The line prompt; the pending prompt is then forgotten, since the line
  /// end the user types also ends the line it was written on.
  LinePrompt takeLinePrompt();
  /// Who is told of every command line read (nobody by default).
  void setCommandLineListener(std::function<void(const std::string&)> listener) {
    commandLineListener_ = std::move(listener);
  }

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

  std::istream& in_;
  std::ostream& out_;
  std::string pendingPrompt_;
  bool readingCommandLine_ = false;
  bool lineEndPending_ = false;  // the last answer came from a formatted read
  std::function<void(const std::string&)> commandLineListener_;
};

}  // namespace tavrik

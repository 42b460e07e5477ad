#pragma once

#include <termios.h>

#include <istream>
#include <functional>
#include <ostream>
#include <string>

#include "../Terminal.hpp"

namespace tavrik {

/// A POSIX terminal driven by escape sequences, sent only when standard
/// output is a terminal that understands them (TERM set and not "dumb");
/// colours only when NO_COLOR is not set. Whatever it changes (colours,
/// title, the terminal's mode) is kept in one record (SignalCleanup) that
/// puts it back at exit, before a new instance takes the program's place and
/// when a signal ends or stops the program.
class PosixTerminal final : public Terminal {
 public:
  /// Guarded, made first in the session: from then on every way out of the
  /// program puts the terminal back. Unguarded, it changes nothing.
  explicit PosixTerminal(std::ostream& out, bool guarded = false);
  ~PosixTerminal() override { restore(); }
  PosixTerminal(const PosixTerminal&) = delete;
  PosixTerminal& operator=(const PosixTerminal&) = delete;

  void setTitle(std::string_view title) override;
  void clear() override;
  void setColours(ConsoleColours colours) override;
  void waitForKey() override;
  bool isInteractive() const override { return interactive_; }
  /// At a terminal: its line mode without echo, the line end aside. The
  /// line editor, which would draw every key, is left out meanwhile.
  void setInputHidden(bool hidden) override;
  bool inputHidden() const { return inputHidden_; }
  void writeFirst(std::function<void()> pending) override { pending_ = std::move(pending); }

  /// Where a key is read from when standard input is not a terminal.
  void readKeysFrom(std::istream& in) { in_ = &in; }

  /// Puts colours, title and the terminal's mode back as they were.
  void restore();
  /// Takes the title and colours that restore() put back again (a new
  /// instance that could not be started leaves this one running).
  void retake();

 private:
  void send(const std::string& sequence);
  void updateGuard();

  std::istream* in_ = nullptr;
  std::ostream& out_;
  bool interactive_;
  bool escapes_;
  bool coloursWanted_;
  std::function<void()> pending_;
  std::string title_;    // the sequence that sets it; empty: never set
  std::string colours_;  // the sequence that sets them; empty: never set
  std::string keptTitle_, keptColours_;  // what restore() put back
  bool inputHidden_ = false;
};

/// The ANSI sequence that shows a pair of Windows console colours.
std::string ansiColourSequence(ConsoleColours colours);

}  // namespace tavrik

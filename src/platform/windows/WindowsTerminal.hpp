#pragma once

#include <istream>
#include <ostream>
#include <string>

#include "../Terminal.hpp"

namespace tavrik {

/// A Windows console driven through the console API. For the run the
/// console's code pages are UTF-8; whatever the program changes (code
/// pages, title, colours) is put back by restore(): at exit, and when
/// Ctrl-C, Ctrl-Break or closing the window ends the program.
class WindowsTerminal final : public Terminal {
 public:
  /// Made first: from then on every way out puts the console back.
  explicit WindowsTerminal(std::ostream& out);
  ~WindowsTerminal() override;
  WindowsTerminal(const WindowsTerminal&) = delete;
  WindowsTerminal& operator=(const WindowsTerminal&) = delete;

  void setTitle(std::string_view title) override;
  void clear() override;
  void setColours(ConsoleColours colours) override;
  void waitForKey() override;
  bool isInteractive() const override { return interactive_; }
  /// At a console: its line input without echo (ConsoleInput writes the
  /// line break the console then does not show).
  void setInputHidden(bool hidden) override;

  /// Where a key is read from when standard input is not a console.
  void readKeysFrom(std::istream& in) { in_ = &in; }

  /// Puts code pages, title, colours and the input's echo back as they
  /// were. Safe to call from the console's control handler, which runs on a
  /// thread of its own.
  void restore();

 private:
  std::istream* in_ = nullptr;
  std::ostream& out_;
  bool interactive_;
};

}  // namespace tavrik

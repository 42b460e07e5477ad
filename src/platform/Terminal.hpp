#pragma once

#include <functional>
#include <string_view>

namespace tavrik {

/// A console colour pair as `color XY` names it: X the background, Y the
/// text, each a digit 0..15 of the Windows console palette (0 black,
/// 9 light blue, e light yellow, f bright white, ...).
struct ConsoleColours {
  int background = 0;
  int text = 15;
  friend bool operator==(const ConsoleColours&, const ConsoleColours&) = default;
};

/// The console window the program runs in.
class Terminal {
 public:
  virtual ~Terminal() = default;
  virtual void setTitle(std::string_view title) = 0;
  /// Clears the screen (never the scrollback); output continues at the top.
  virtual void clear() = 0;
  /// The whole window takes these colours at once.
  virtual void setColours(ConsoleColours colours) = 0;
  /// Asks for a key and returns when one is pressed (one byte when input is
  /// not a terminal).
  virtual void waitForKey() = 0;
  /// True when the output is shown on a terminal as it is written (not
  /// piped to a file or another program).
  virtual bool isInteractive() const = 0;
  /// While hidden, what is typed at the terminal is not shown; the line end
  /// still moves the cursor to a new line. Input that is not typed at a
  /// terminal is read as always.
  virtual void setInputHidden(bool hidden) = 0;
  /// Called before the terminal writes anything of its own, so that text
  /// the program has written but not yet sent comes first.
  virtual void writeFirst(std::function<void()> pending) { (void)pending; }
};

/// What is typed at the terminal is hidden while this lives (a key, say).
class HiddenInput {
 public:
  explicit HiddenInput(Terminal& terminal) : terminal_(terminal) { terminal_.setInputHidden(true); }
  ~HiddenInput() { terminal_.setInputHidden(false); }
  HiddenInput(const HiddenInput&) = delete;
  HiddenInput& operator=(const HiddenInput&) = delete;

 private:
  Terminal& terminal_;
};

}  // namespace tavrik

#pragma once

#include <istream>
#include <memory>
#include <ostream>

#include "LineInput.hpp"
#include "System.hpp"
#include "Terminal.hpp"

namespace tavrik {

/// The console the program runs in and the system around it, as the
/// operating system gives them. Made first in main: from then on every way
/// out of the program (its end, Ctrl-C, a closed window) puts the console
/// back as it was.
class Session {
 public:
  virtual ~Session() = default;
  /// Where answers are read from when there is no line input: standard
  /// input as it comes, or the console's own line input on Windows.
  virtual std::istream& input() = 0;
  /// The line editor at a terminal; nullptr when input is not typed at a
  /// terminal or there is no line editor.
  virtual LineInput* lineInput() = 0;
  virtual Terminal& terminal() = 0;
  virtual System& system() = 0;
};

/// The session of the system the program was built for; `out` is where the
/// program writes.
std::unique_ptr<Session> openSession(std::ostream& out);

/// The system services alone, for a run that opens no session: the
/// terminal is left untouched and no line editor is opened.
std::shared_ptr<System> openSystem();

}  // namespace tavrik

#pragma once

#include <istream>
#include <memory>
#include <ostream>

#include "platform/System.hpp"
#include "platform/Terminal.hpp"

namespace tavrik {

class Console;

/// The console the program runs in and the system around it, as the
/// operating system gives them. Made first in main: from then on every way
/// out of the program (its end, Ctrl-C, a closed window) puts the console
/// back as it was.
class Session {
 public:
  virtual ~Session() = default;
  /// Where the answers are read from: the console's own line input at a
  /// console or terminal, standard input as it comes otherwise.
  virtual std::istream& input() = 0;
  virtual Terminal& terminal() = 0;
  virtual System& system() = 0;
  /// Called once the console exists, before the first read.
  virtual void attach(Console& console) = 0;
};

/// The session of the system the program was built for; `out` is where the
/// program writes.
std::unique_ptr<Session> openSession(std::ostream& out);

}  // namespace tavrik

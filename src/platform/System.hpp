#pragma once

#include <chrono>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace tavrik {

/// What the program reaches beyond its console and its files: the network,
/// the browser, a new instance of itself, the clock and the system's random
/// source.
class System {
 public:
  virtual ~System() = default;
  /// True when a connection to the host can be made within a short time.
  virtual bool isReachable(std::string_view host) = 0;
  /// Opens a web address in the default browser and returns at once.
  virtual void openPage(std::string_view address) = 0;
  /// Starts a new instance of the program in a console of its own; false
  /// when it could not be started (the program's file gone or replaced, no
  /// console to show it in), and this instance goes on.
  virtual bool startNewInstance() = 0;
  /// Calendar time in whole seconds since the epoch.
  virtual std::int64_t nowSeconds() = 0;
  /// Milliseconds of a clock that only moves forward, for how long
  /// something takes (its zero means nothing). The same on every system.
  virtual std::int64_t steadyMillis() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
  }
  virtual void sleepMillis(int milliseconds) = 0;
  /// Fills the span from the system's cryptographic random source.
  virtual void secureRandom(std::span<std::uint32_t> out) = 0;
  /// The directory of the data installed with the program; empty when none.
  virtual std::string dataDirectory() = 0;
};

}  // namespace tavrik

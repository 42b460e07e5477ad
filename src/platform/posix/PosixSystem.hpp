#pragma once

#include <string>

#include "../System.hpp"

namespace tavrik {

class PosixTerminal;

/// The system services of a POSIX system.
class PosixSystem final : public System {
 public:
  /// The terminal is put back before the program replaces itself with a
  /// new instance.
  explicit PosixSystem(PosixTerminal& terminal) : terminal_(terminal) {}

  bool isReachable(std::string_view host) override;
  void openPage(std::string_view address) override;
  bool startNewInstance() override;
  std::int64_t nowSeconds() override;
  void sleepMillis(int milliseconds) override;
  void secureRandom(std::span<std::uint32_t> out) override;
  std::string dataDirectory() override;

 private:
  PosixTerminal& terminal_;
};

/// True when a TCP connection to the host's port can be made within the
/// time; nothing is sent. Every socket it opens is closed.
bool connectsWithin(std::string_view host, std::string_view port, int timeoutMillis);

/// The running program's own file; empty when it cannot be found.
std::string executablePath();

}  // namespace tavrik

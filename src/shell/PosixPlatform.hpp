#pragma once

#include <istream>
#include <ostream>
#include <string>

#include "shell/Platform.hpp"

namespace tavrik {

/// The platform of a POSIX system. Terminal effects are escape sequences,
/// written only when standard output is a terminal.
class PosixPlatform final : public Platform {
 public:
  PosixPlatform(std::istream& in, std::ostream& out);
  ~PosixPlatform() override;
  PosixPlatform(const PosixPlatform&) = delete;
  PosixPlatform& operator=(const PosixPlatform&) = delete;

  int runShellCommand(std::string_view line) override;
  std::int64_t nowSeconds() override;
  void sleepMillis(int milliseconds) override;
  void secureRandom(std::span<std::uint32_t> out) override;
  std::string dataDirectory() override;

  /// Puts the terminal's colours back as they were before the program ran.
  void restoreTerminal();

 private:
  int pause();
  int restart();
  void writeEscape(std::string_view sequence);

  std::istream& in_;
  std::ostream& out_;
  bool outputIsTerminal_;
  bool coloured_ = false;
};

/// The running program's own file; empty when it cannot be found.
std::string executablePath();

/// TCP reachability of host:443 within the timeout; 0 when reachable.
int probeHost(const std::string& host, int timeoutMillis);

}  // namespace tavrik

#pragma once

#include <string>

#include "../System.hpp"

namespace tavrik {

/// The system services of Windows.
class WindowsSystem final : public System {
 public:
  /// Narrows where libraries loaded by name are looked for: made once,
  /// before anything is loaded.
  WindowsSystem();
  bool isReachable(std::string_view host) override;
  void openPage(std::string_view address) override;
  bool startNewInstance() override;
  std::int64_t nowSeconds() override;
  void sleepMillis(int milliseconds) override;
  void secureRandom(std::span<std::uint32_t> out) override;
  std::string dataDirectory() override;
};

}  // namespace tavrik

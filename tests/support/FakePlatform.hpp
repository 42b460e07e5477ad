#pragma once

#include <random>
#include <string>
#include <vector>

#include "platform/System.hpp"
#include "platform/Terminal.hpp"

namespace tavrik {

/// A console and a system that only record each effect asked of them, one
/// line per call in the platform's own words: "title Tavrik Terminal",
/// "clear", "colours 9e", "wait for key", "input hidden", "input shown",
/// "probe <host> → reachable" (or "→ unreachable"), "open <address>",
/// "new instance" (or "new instance → failed"). A new member records its
/// call with `record`, in the same manner.
class FakePlatform final : public Terminal, public System {
 public:
  std::vector<std::string> linesRun;  // every effect, in order
  bool reachable = true;              // what a network probe answers
  bool newInstanceStarts = true;      // whether a new instance can be started
  bool interactive = false;           // output shown on a terminal
  std::int64_t now = 1'700'000'000;   // the clock, in seconds
  long long sleptMillis = 0;          // total time the program slept
  std::int64_t steadyNow = 0, steadyStep = 0;  // the steady clock (ms), moved on by the step at each reading
  std::mt19937 randomSource{12345};   // stands in for the system's source
  std::string dataDir;                // installed data directory; empty = none

  void record(std::string_view call, std::string_view outcome = {}) {
    linesRun.push_back(std::string(call) + (outcome.empty() ? "" : " → " + std::string(outcome)));
  }

  void setTitle(std::string_view title) override { record("title " + std::string(title)); }
  void clear() override { record("clear"); }
  void setColours(ConsoleColours colours) override {
    constexpr char kDigits[] = "0123456789abcdef";
    record(std::string("colours ") + kDigits[colours.background] + kDigits[colours.text]);
  }
  void waitForKey() override { record("wait for key"); }
  bool isInteractive() const override { return interactive; }
  void setInputHidden(bool hidden) override { record(hidden ? "input hidden" : "input shown"); }

  bool isReachable(std::string_view host) override {
    record("probe " + std::string(host), reachable ? "reachable" : "unreachable");
    return reachable;
  }
  void openPage(std::string_view address) override { record("open " + std::string(address)); }
  bool startNewInstance() override {
    record("new instance", newInstanceStarts ? "" : "failed");
    return newInstanceStarts;
  }
  std::int64_t nowSeconds() override { return now; }
  std::int64_t steadyMillis() override { return steadyNow += steadyStep; }
  void sleepMillis(int milliseconds) override { sleptMillis += milliseconds; }
  void secureRandom(std::span<std::uint32_t> out) override {
    for (auto& word : out) word = static_cast<std::uint32_t>(randomSource());
  }
  std::string dataDirectory() override { return dataDir; }
};

}  // namespace tavrik

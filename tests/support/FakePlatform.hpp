#pragma once

#include <random>
#include <string>
#include <vector>

#include "platform/System.hpp"
#include "platform/Terminal.hpp"

namespace tavrik {

/// A console window and a system that only record each effect asked of them,
/// one line in the words of a Windows console ("cls", "color 9e", "pause"),
/// or in plain words where it has none ("input hidden", "input shown").
class FakePlatform final : public Terminal, public System {
 public:
  std::vector<std::string> linesRun;  // every effect, in order
  bool reachable = true;              // what a network probe answers
  bool interactive = false;           // output shown on a terminal
  std::int64_t now = 1'700'000'000;   // the clock, in seconds
  long long sleptMillis = 0;          // total time the program slept
  std::mt19937 randomSource{12345};   // stands in for the system's source
  std::string dataDir;                // installed data directory; empty = none

  void setTitle(std::string_view title) override { linesRun.push_back("title " + std::string(title)); }
  void clear() override { linesRun.emplace_back("cls"); }
  void setColours(ConsoleColours colours) override {
    constexpr char kDigits[] = "0123456789abcdef";
    linesRun.push_back(std::string("color ") + kDigits[colours.background] + kDigits[colours.text]);
  }
  void waitForKey() override { linesRun.emplace_back("pause"); }
  bool isInteractive() const override { return interactive; }
  void setInputHidden(bool hidden) override {
    linesRun.emplace_back(hidden ? "input hidden" : "input shown");
  }

  bool isReachable(std::string_view host) override {
    linesRun.push_back("ping -n 1 " + std::string(host) + " > NUL");
    return reachable;
  }
  void openPage(std::string_view address) override { linesRun.push_back("start " + std::string(address)); }
  void startNewInstance() override { linesRun.emplace_back("start Tavrik-Terminal.exe"); }
  std::int64_t nowSeconds() override { return now; }
  void sleepMillis(int milliseconds) override { sleptMillis += milliseconds; }
  void secureRandom(std::span<std::uint32_t> out) override {
    for (auto& word : out) word = static_cast<std::uint32_t>(randomSource());
  }
  std::string dataDirectory() override { return dataDir; }
};

}  // namespace tavrik

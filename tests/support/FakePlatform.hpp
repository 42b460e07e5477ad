#pragma once

#include <random>
#include <string>
#include <vector>

#include "shell/Platform.hpp"

namespace tavrik {

/// A platform that only records what the program asked of it.
class FakePlatform final : public Platform {
 public:
  std::vector<std::string> linesRun;  // every command line, in order
  int probeResult = 0;                // what a network probe answers
  std::int64_t now = 1'700'000'000;   // the clock, in seconds
  long long sleptMillis = 0;          // total time the program slept
  std::mt19937 randomSource{12345};   // stands in for the system's source
  std::string dataDir;                // installed data directory; empty = none

  int runShellCommand(std::string_view line) override {
    linesRun.emplace_back(line);
    const ShellAction action = parseShellCommand(line);
    if (action.kind == ShellAction::Kind::Probe) return probeResult;
    return action.kind == ShellAction::Kind::Unknown ? 1 : 0;
  }
  std::int64_t nowSeconds() override { return now; }
  void sleepMillis(int milliseconds) override { sleptMillis += milliseconds; }
  void secureRandom(std::span<std::uint32_t> out) override {
    for (auto& word : out) word = static_cast<std::uint32_t>(randomSource());
  }
  std::string dataDirectory() override { return dataDir; }
};

}  // namespace tavrik

// Time to make a 10,000,000-character code (Mersenne Twister) and password
// (the system's cryptographic source, through the real platform).
#include <benchmark/benchmark.h>

#include <sstream>

#include "platform/posix/PosixSystem.hpp"
#include "platform/posix/PosixTerminal.hpp"
#include "tools/RandomTextGenerator.hpp"

namespace {

constexpr std::size_t kLength = 10'000'000;

void generateCode10M(benchmark::State& state) {
  std::uint32_t seed = 1'700'000'000u;
  for (auto _ : state) {
    std::string code = tavrik::tools::generateCode(seed++, kLength);
    benchmark::DoNotOptimize(code.data());
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kLength));
}

void generatePassword10M(benchmark::State& state) {
  std::ostringstream out;
  tavrik::PosixTerminal terminal(out);
  tavrik::PosixSystem system(terminal);
  for (auto _ : state) {
    std::string password = tavrik::tools::generatePassword(system, kLength);
    benchmark::DoNotOptimize(password.data());
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kLength));
}

BENCHMARK(generateCode10M)->Unit(benchmark::kMillisecond);
BENCHMARK(generatePassword10M)->Unit(benchmark::kMillisecond);

}  // namespace

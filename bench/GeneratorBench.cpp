// Time to make a 10,000,000-character code (Mersenne Twister) and password
// (the system's cryptographic source, through the real platform).
#include <benchmark/benchmark.h>

#include <sstream>

#include "shell/PosixPlatform.hpp"
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
  std::istringstream in;
  std::ostringstream out;
  tavrik::PosixPlatform platform(in, out);
  for (auto _ : state) {
    std::string password = tavrik::tools::generatePassword(platform, kLength);
    benchmark::DoNotOptimize(password.data());
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kLength));
}

BENCHMARK(generateCode10M)->Unit(benchmark::kMillisecond);
BENCHMARK(generatePassword10M)->Unit(benchmark::kMillisecond);

}  // namespace

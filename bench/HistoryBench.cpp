// The history's last lines, read backwards from the end of the file named by
// $TAVRIK_HISTORY_FILE (scripts/bench/history makes the files and runs this).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "platform/Files.hpp"

namespace {

void lastLines(benchmark::State& state) {
  const char* file = std::getenv("TAVRIK_HISTORY_FILE");
  if (file == nullptr) {
    state.SkipWithError("TAVRIK_HISTORY_FILE is not set");
    return;
  }
  std::size_t lines = 0;
  for (auto _ : state) {
    lines = 0;
    if (!tavrik::files::forEachLastLine(file, static_cast<std::size_t>(state.range(0)), 4096,
                                        [&](std::string_view) { ++lines; })) {
      state.SkipWithError("the file cannot be read");
      return;
    }
  }
  state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK(lastLines)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

// Bytes per second of the repeating-key XOR alone, over blocks of the size
// the file cipher reads and writes, for short and long keys.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tools/FileCipher.hpp"

namespace {

std::string keyOfLength(std::size_t length) {
  std::string key;
  for (std::size_t i = 0; i < length; ++i) key += static_cast<char>('a' + i % 26);
  return key;
}

void xorBlock(benchmark::State& state) {
  const std::string key = keyOfLength(static_cast<std::size_t>(state.range(0)));
  const auto blockSize = static_cast<std::size_t>(state.range(1));
  std::vector<unsigned char> block(blockSize, 0x5a);
  std::uint64_t position = 0;
  for (auto _ : state) {
    tavrik::tools::xorWithKey(block, key, position);
    benchmark::DoNotOptimize(block.data());
    benchmark::ClobberMemory();
    position += blockSize;
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(blockSize));
}

constexpr std::int64_t kBlock = static_cast<std::int64_t>(tavrik::tools::kCipherBlockSize);

BENCHMARK(xorBlock)
    ->ArgNames({"key", "block"})
    ->Args({1, kBlock})
    ->Args({3, kBlock})
    ->Args({7, kBlock})
    ->Args({64, kBlock})
    ->Args({5000, kBlock})
    ->Args({7, 64 << 10})
    ->Args({7, 4096})
    ->Args({7, 64});

}  // namespace
